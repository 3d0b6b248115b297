// The table's vertical scroll bar: a grid taller than the window shows the
// bar with a range that reaches the lowest card, scrolling moves the drawn
// cards and the places the mouse finds them at, and a window tall enough
// hides it again.
#include <QScrollBar>
#include <QTest>

#include "engine/context.h"
#include "shell/card_table_area.h"
#include "shell_fixture.h"
#include "table/hit.h"

namespace tessaro::test {
namespace {

using TableScrollTest = ShellTest;

QPoint middle(const CardRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST_F(TableScrollTest, GridTallerThanTheWindowScrollsAndAShorterOneHidesTheBar) {
    setting("Card_Size", "B");  // fitted cards would never need the bar
    setting("Winning_Animations_Time", "0");
    setting("Speed_Move_Card", "0");
    ASSERT_TRUE(start());
    w().showNormal();
    w().resize(900, 430);
    QCoreApplication::processEvents();
    ASSERT_TRUE(w().openGame(202, ctx().mainGame.name(202), "Player 1", 2, true));
    auto* area = dynamic_cast<shell::CardTableArea*>(w().table());
    ASSERT_NE(area, nullptr);
    TableView* view = area->view();
    auto* bar = area->findChild<QScrollBar*>(QStringLiteral("scrBarMain"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, area->scrollBar());

    const int client = area->height();
    const int lowest = view->lowestDrawnBottom();
    ASSERT_GT(lowest, client);
    EXPECT_EQ(ctx().mainGame.lowestDrawnBottom, lowest);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), lowest + 10 - client);
    EXPECT_EQ(bar->pageStep(), client);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(view->width(), area->width() - bar->width());
    // The grid is laid out beside the bar: no card lies under it.
    const int lastRow = ctx().P.rows() - 1;
    const int rightmost = ctx().piles.top({PileKind::Row, 0});
    ASSERT_TRUE(cardPlace(ctx(), rightmost));
    EXPECT_LE(cardPlace(ctx(), rightmost)->rect.right, view->width());

    // A card of the last row, partly below the window's edge.
    const int card = ctx().piles.top({PileKind::Row, lastRow});
    const CardRect before = cardPlace(ctx(), card)->rect;
    const QImage shown = view->grab().toImage();
    bar->setValue(60);
    EXPECT_EQ(ctx().layout.scroll, 60);
    const CardRect after = cardPlace(ctx(), card)->rect;
    EXPECT_EQ(after.top, before.top - 60);
    EXPECT_EQ(after.left, before.left);
    const QImage scrolled = view->grab().toImage();
    for (int y = 60; y < client && y < before.bottom; y += 7)
        for (int x = before.left; x < before.right; x += 5)
            ASSERT_EQ(scrolled.pixel(x, y - 60), shown.pixel(x, y)) << x << "," << y;

    // The mouse finds the card at its scrolled place.
    ASSERT_TRUE(ctx().cards.faceDown(card));
    const QPoint at = middle(after);
    ASSERT_LT(at.y(), client);
    EXPECT_EQ(pileUnderPoint(ctx(), at.x(), at.y()).card, card);
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(ctx().cards.faceUp(card));
    EXPECT_EQ(ctx().layout.scroll, 60);

    // Tall enough for the whole grid: no bar, and the table shows from its top.
    w().resize(900, 1000);
    QCoreApplication::processEvents();
    ASSERT_GE(area->height(), view->lowestDrawnBottom());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(ctx().layout.scroll, 0);
    EXPECT_EQ(view->width(), area->width());
}

}  // namespace
}  // namespace tessaro::test
