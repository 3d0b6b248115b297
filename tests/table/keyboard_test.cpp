// The table played by keys, without a window: where each key takes the focus
// in a Memory grid and on a patience table, what Space, Return and Escape do
// there through the move input, and what a screen reader is told.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/context_builder.h"
#include "table/keyboard.h"
#include "table/layout.h"
#include "table/table_fixture.h"

namespace tessaro {
namespace {

using K = TableKey;

class BeepCount : public NullShell {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

struct KeyTable : ::testing::Test {
    void start(int game) {
        loadGameForDrawing(ctx, TESSARO_BIN_DIR "/", game);
        layoutTable(ctx, test::window1024());
        ctx.run.setFlag(Flag::GameInProgress, 1);
        ctx.shell = &shell;
    }
    std::string at() {
        const auto s = focusedStop(ctx);
        return s ? s->pile + "/" + std::to_string(s->depth) : "none";
    }
    void press(std::initializer_list<K> keys) {
        for (K k : keys) EXPECT_TRUE(tableKey(ctx, k));
    }
    Context ctx;
    BeepCount shell;
};

TEST_F(KeyTable, ArrowsAndTabWalkTheMemoryGridGapsIncludedAndStopAtItsEdges) {
    start(200);
    test::setPile(ctx, "Fila1", "0010002000300040");
    test::setPile(ctx, "Fila2", "0050000000700080");  // a gap at place 2
    test::setPile(ctx, "Fila3", "0530054005500560");
    struct Case {
        const char* name;
        std::vector<K> keys;
        const char* focus;
    };
    const Case cases[] = {
        {"starts on the first card of the first row", {}, "Fila1/0"},
        {"left and up stop at the corner", {K::Left, K::Up}, "Fila1/0"},
        {"right along the row", {K::Right, K::Right}, "Fila1/2"},
        {"right stops at the row's end", {K::Right, K::Right, K::Right, K::Right, K::Right}, "Fila1/3"},
        {"down keeps the place, onto a gap", {K::Right, K::Down}, "Fila2/1"},
        {"down stops at the last row", {K::Down, K::Down, K::Down, K::Right}, "Fila3/1"},
        {"tab goes on to the next row", {K::Right, K::Right, K::Right, K::Next}, "Fila2/0"},
        {"shift+tab goes round to the last place", {K::Previous}, "Fila3/3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ctx.focus = TableFocus{};
        for (K k : c.keys) EXPECT_TRUE(tableKey(ctx, k));
        EXPECT_EQ(at(), c.focus);
    }
    EXPECT_TRUE(ctx.focus.shown);
}

TEST_F(KeyTable, SpaceTurnsAGridCardAsAClickDoesAndNeverHoldsOne) {
    start(200);
    test::setPile(ctx, "Fila1", "0010002000300040");
    test::setPile(ctx, "Fila2", "0050000000700080");
    test::setPile(ctx, "Fila3", "0530054005500560");
    press({K::Take});
    EXPECT_TRUE(ctx.cards.faceUp(1));
    press({K::Take});  // a face-up card: nothing
    EXPECT_EQ(ctx.focus.held, 0);
    EXPECT_EQ(ctx.drag.card, 0);
    press({K::Down, K::Right, K::Play});  // on the gap: nothing but the beep
    EXPECT_EQ(shell.beeps, 2);
    press({K::Right, K::Play});  // 1 and 7 make no pair: both go face down again
    EXPECT_TRUE(ctx.cards.faceDown(1));
    EXPECT_TRUE(ctx.cards.faceDown(7));
    EXPECT_EQ(ctx.mainGame.missCount, 1);
}

TEST_F(KeyTable, KlondikeCardsGoToARowAndAFoundationThroughTheMoveRules) {
    start(1);
    ctx.reg.write(reg::DoubleClickFoundations, "Y");
    test::setPile(ctx, "Fila1", "0120");  // the queen of hearts, face down
    test::setPile(ctx, "Fila2", "0391");  // the king of clubs
    test::setPile(ctx, "Fila3", "05100011");  // the ace of hearts on a face-down card
    EXPECT_EQ(at(), "Fila1/0");
    press({K::Take});  // the top card turns up
    EXPECT_TRUE(ctx.cards.faceUp(12));
    press({K::Take, K::Right});
    EXPECT_EQ(ctx.focus.held, 12);
    EXPECT_EQ(focusDescription(ctx), "King of clubs, face up, row 2; holding Queen of hearts, face up");
    press({K::Take});
    EXPECT_EQ(ctx.piles.fila(1), "039012");
    EXPECT_EQ(at(), "Fila2/1");
    EXPECT_EQ(ctx.focus.held, 0);

    // A row that does not take the card: it goes back, with a beep.
    press({K::Right, K::Take, K::Left, K::Take});
    EXPECT_EQ(ctx.piles.fila(2), "051001");
    EXPECT_EQ(at(), "Fila3/1");
    EXPECT_EQ(shell.beeps, 1);
    // Escape puts a held card back; Escape with nothing held is not a table key.
    press({K::Take, K::Back});
    EXPECT_EQ(ctx.focus.held, 0);
    EXPECT_EQ(ctx.drag.card, 0);
    EXPECT_FALSE(tableKey(ctx, K::Back));
    // Return: the double click's move to a foundation.
    press({K::Play});
    EXPECT_EQ(ctx.piles.dest(0), "001");
    EXPECT_EQ(at(), "Fila3/0");
}

TEST_F(KeyTable, TheFocusedStopIsDescribedForAScreenReader) {
    start(1);
    test::setPile(ctx, "Fila3", "00200071");
    test::setPile(ctx, "Fila4", "00410421");
    struct Case {
        const char* pile;
        int depth;
        const char* said;
    };
    const Case cases[] = {
        {"Fila3", 1, "Seven of hearts, face up, row 3"},
        {"Fila4", 0, "Four of hearts, face up, row 4, place 1"},
        {"Fila5", -1, "empty row 5"},
        {"Dest2", -1, "empty foundation 2"},
        {"Mazzo", -1, "empty stock"},
    };
    for (const Case& c : cases) {
        ctx.focus.pile = c.pile;
        ctx.focus.depth = c.depth;
        EXPECT_EQ(focusDescription(ctx), c.said);
    }
    start(200);
    test::setPile(ctx, "Fila2", "0050000000700080");
    ctx.focus = {"Fila2", 3};
    EXPECT_EQ(focusDescription(ctx), "face-down card, row 2, place 4");
    ctx.focus.depth = 1;
    EXPECT_EQ(focusDescription(ctx), "empty place, row 2, place 2");
}

TEST_F(KeyTable, TheFrameOfACoveredCardIsItsUncoveredStrip) {
    start(1);
    test::setPile(ctx, "Fila1", "00110521");
    ctx.focus = {"Fila1", 0};
    const auto frame = focusFrame(ctx);
    ASSERT_TRUE(frame.has_value());
    const auto top = focusedStop(ctx);
    ctx.focus.depth = 1;
    const auto next = focusedStop(ctx);
    EXPECT_EQ(frame->top, top->rect.top);
    EXPECT_EQ(frame->bottom, next->rect.top);
    EXPECT_EQ(frame->right - frame->left, ctx.layout.cardW);
    EXPECT_LT(frame->bottom - frame->top, ctx.layout.cardH);
}

}  // namespace
}  // namespace tessaro
