// The card table in the main window: a Memory game opened in the window is
// drawn on its table, and clicks on the table reach the engine.
#include <QTest>

#include "engine/context.h"
#include "shell/card_table_area.h"
#include "shell_fixture.h"
#include "table/hit.h"

namespace tessaro::test {
namespace {

using TableWindowTest = ShellTest;

TEST_F(TableWindowTest, MemoryGameInTheWindowShowsItsCardsAndTakesClicks) {
    setting("Winning_Animations_Time", "0");
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(201, "Memory-Up (6x4)", "Player 1", 2, true));
    auto* area = dynamic_cast<shell::CardTableArea*>(w().table());
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->objectName(), "imgSfondo");
    TableView* view = area->view();
    ASSERT_EQ(view->size(), area->size());

    const int card = ctx().piles.top({PileKind::Row, 0});
    ASSERT_TRUE(ctx().cards.faceDown(card));
    const auto place = cardPlace(ctx(), card);
    ASSERT_TRUE(place);
    const QPoint at((place->rect.left + place->rect.right) / 2, (place->rect.top + place->rect.bottom) / 2);
    const QImage before = view->grab().toImage();
    // The table shows a card there, not the background.
    EXPECT_NE(before.pixel(at), view->backgroundBuffer().pixel(at));

    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(ctx().cards.faceUp(card));
    const QImage after = view->grab().toImage();
    EXPECT_NE(after.pixel(at), before.pixel(at));
}

}  // namespace
}  // namespace tessaro::test
