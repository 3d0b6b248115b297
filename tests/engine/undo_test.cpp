#include <gtest/gtest.h>

#include "engine/input.h"
#include "engine/memory.h"
#include "engine/undo.h"
#include "exec_support.h"

namespace tessaro::test {
namespace {

// A Klondike table: the ace of hearts on a face-down card, a king alone and
// two face-down cards in the stock.
struct UndoTable : LoggedContext {
    UndoTable() {
        klondikeRules(ctx);
        setPile(ctx, "Fila1", "04000011");
        setPile(ctx, "Fila2", "0131");
        setPile(ctx, "Mazzo", "00200030");
        ctx.reg.write(reg::Score, "-52");
    }
    bool drag(int card, const std::string& from, const std::string& onto) {
        if (!tablePress(ctx, MouseButton::Left, false, Hit{from, card})) return false;
        tableMove(ctx, false);
        return tableRelease(ctx, {onto});
    }
    void stock() {
        tablePress(ctx, MouseButton::Left, false, Hit{"Mazzo", ctx.piles.top({PileKind::Stock, kMazzo})});
        tableRelease(ctx, {});
    }
};

TEST(Undo, AMoveWithItsFaceUpStepIsTakenBackAndMadeAgainWhole) {
    UndoTable t;
    EXPECT_FALSE(canUndo(t.ctx));
    EXPECT_FALSE(undoMove(t.ctx));
    ASSERT_TRUE(t.drag(1, "Fila1", "Dest1"));
    ASSERT_TRUE(t.faceUp(40));
    const std::string after = t.ctx.reg.read(reg::Score);
    ASSERT_NE(after, "-52");
    EXPECT_FALSE(canRedo(t.ctx));

    // One undo: the move and the card it uncovered, with the score.
    ASSERT_TRUE(undoMove(t.ctx));
    EXPECT_EQ(t.pile("Fila1"), "040001");
    EXPECT_EQ(t.pile("Dest1"), "");
    EXPECT_FALSE(t.faceUp(40));
    EXPECT_EQ(t.ctx.reg.read(reg::Score), "-52");
    EXPECT_FALSE(canUndo(t.ctx));
    EXPECT_TRUE(canRedo(t.ctx));

    ASSERT_TRUE(redoMove(t.ctx));
    EXPECT_EQ(t.pile("Fila1"), "040");
    EXPECT_EQ(t.pile("Dest1"), "001");
    EXPECT_TRUE(t.faceUp(40));
    EXPECT_EQ(t.ctx.reg.read(reg::Score), after);
    EXPECT_FALSE(redoMove(t.ctx));
    ASSERT_TRUE(undoMove(t.ctx));
    EXPECT_EQ(t.pile("Fila1"), "040001");
}

TEST(Undo, StockTurnsAndRedealsComeBackWithTheirCounterAndANewMoveEmptiesRedo) {
    UndoTable t;
    t.stock();
    t.stock();
    EXPECT_EQ(t.pile("Mazzo"), "");
    EXPECT_EQ(t.pile("Mazzo_Vis"), "003002");
    t.stock();  // press and release on the empty stock form it again
    EXPECT_EQ(t.pile("Mazzo"), "002003");
    EXPECT_EQ(t.ctx.mainGame.redeals, 1);

    ASSERT_TRUE(undoMove(t.ctx));
    EXPECT_EQ(t.pile("Mazzo_Vis"), "003002");
    EXPECT_EQ(t.ctx.mainGame.redeals, 0);
    ASSERT_TRUE(undoMove(t.ctx));
    EXPECT_EQ(t.pile("Mazzo"), "002");
    EXPECT_EQ(t.pile("Mazzo_Vis"), "003");
    EXPECT_TRUE(t.faceUp(3));
    ASSERT_TRUE(undoMove(t.ctx));
    EXPECT_EQ(t.pile("Mazzo"), "002003");
    EXPECT_FALSE(t.faceUp(3));
    EXPECT_TRUE(canRedo(t.ctx));

    // A new move takes the redo side away.
    t.stock();
    EXPECT_FALSE(canRedo(t.ctx));
    EXPECT_FALSE(redoMove(t.ctx));
}

TEST(Undo, NotOfferedInMemoryGamesNorWhenSwitchedOffOrAfterTheGame) {
    UndoTable t;
    t.stock();
    ASSERT_TRUE(canUndo(t.ctx));
    for (int kind : {kAceToKing, kPairs, kForgetMeNot, kConcentration}) {
        t.ctx.P.set(50, kind);
        EXPECT_FALSE(canUndo(t.ctx)) << kind;
    }
    t.ctx.P.set(50, 0);
    t.ctx.reg.write(reg::UndoMode, "2");
    EXPECT_FALSE(canUndo(t.ctx));
    t.ctx.reg.write(reg::UndoMode, "0");
    t.ctx.P.set(21, 1);
    EXPECT_FALSE(canUndo(t.ctx));
    t.ctx.P.set(21, 0);
    t.ctx.run.setFlag(Flag::GameInProgress, 0);
    EXPECT_FALSE(undoMove(t.ctx));
    EXPECT_EQ(t.pile("Mazzo_Vis"), "003");
}

}  // namespace
}  // namespace tessaro::test
