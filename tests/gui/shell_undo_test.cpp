// Undo and redo in the window: each command enabled only when it can act,
// the table taken back and made again, and no undo in the Memory games.
#include <QAction>
#include <QLabel>
#include <QToolButton>

#include "engine/context.h"
#include "engine/input.h"
#include "shell_fixture.h"

namespace tessaro::test {
namespace {

using UndoWindowTest = ShellTest;

void clickStock(Context& ctx) {
    tablePress(ctx, MouseButton::Left, false, Hit{"Mazzo", ctx.piles.top({PileKind::Stock, kMazzo})});
    tableRelease(ctx, {});
}

TEST_F(UndoWindowTest, KlondikeStockTurnIsTakenBackAndMadeAgainFromTheMenuAndToolbar) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(w().openGame(1, "Klondike", "Player 1", 2, true));
    ASSERT_TRUE(ctx().run.isSet(Flag::GameInProgress));
    // A fresh deal (even one autoplay has started) has nothing to take back.
    EXPECT_FALSE(w().mnuUndo->isEnabled());
    EXPECT_FALSE(w().mnuRedo->isEnabled());
    EXPECT_FALSE(w().tb1Undo->isEnabled());

    const std::string stock = ctx().piles.stock(kMazzo);
    const std::string score = ctx().reg.read(reg::Score);
    clickStock(ctx());
    ASSERT_NE(ctx().piles.stock(kMazzo), stock);
    const std::string turned = ctx().piles.stock(kMazzoVis);
    EXPECT_TRUE(w().mnuUndo->isEnabled());
    EXPECT_TRUE(w().tbUndo->isEnabled());
    EXPECT_FALSE(w().mnuRedo->isEnabled());

    w().tbUndo->click();
    EXPECT_EQ(ctx().piles.stock(kMazzo), stock);
    EXPECT_EQ(ctx().piles.stock(kMazzoVis), "");
    EXPECT_EQ(w().lblScore->text().toStdString(), score);
    EXPECT_FALSE(w().mnuUndo->isEnabled());
    EXPECT_TRUE(w().mnuRedo->isEnabled());
    EXPECT_TRUE(w().tb1Redo->isEnabled());

    w().mnuRedo->trigger();
    EXPECT_EQ(ctx().piles.stock(kMazzoVis), turned);
    EXPECT_TRUE(w().mnuUndo->isEnabled());
    EXPECT_FALSE(w().mnuRedo->isEnabled());
}

TEST_F(UndoWindowTest, MemoryGamesKeepUndoAndRedoGreyed) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(w().openGame(201, "Memory-Up (6x4)", "Player 1", 2, true));
    const int card = ctx().piles.top({PileKind::Row, 0});
    tablePress(ctx(), MouseButton::Left, false, Hit{"Fila1", card});
    tableRelease(ctx(), {});
    ASSERT_TRUE(ctx().cards.faceUp(card));
    EXPECT_FALSE(w().mnuUndo->isEnabled());
    EXPECT_FALSE(w().mnuRedo->isEnabled());
    EXPECT_FALSE(w().tbUndo->isEnabled());
}

}  // namespace
}  // namespace tessaro::test
