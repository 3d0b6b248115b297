// A window wider and higher than the screen its table buffers were made for
// (found by the monkey: a maximised window on the offscreen screen of 800 x
// 600 showed never-drawn memory right of x = 800 and no cards there). The
// buffers grow with the window, so every card laid out is drawn.
#include <QTest>

#include "shell/card_table_area.h"
#include "shell_fixture.h"
#include "table/hit.h"

namespace tessaro::test {
namespace {

using TableWideWindowTest = ShellTest;

TEST_F(TableWideWindowTest, CardsBeyondTheScreenWidthAreDrawn) {
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(1, "Klondike", "Player 1", 2, true));
    TableView* view = dynamic_cast<shell::CardTableArea*>(w().table())->view();
    const int bufferWidth = view->backBuffer().width();
    w().resize(bufferWidth + 600, view->backBuffer().height() + 300);
    QCoreApplication::processEvents();
    w().relayout();
    ASSERT_GT(view->width(), bufferWidth);
    EXPECT_GE(view->backBuffer().width(), view->width());
    EXPECT_GE(view->backBuffer().height(), view->height());

    const QImage shown = view->grab().toImage();
    int beyond = 0;
    for (int row = 0; row < 7; ++row) {
        // A random deal may have played a lone ace from its row already.
        const int card = ctx().piles.top({PileKind::Row, row});
        if (card <= 0) continue;
        const auto place = cardPlace(ctx(), card);
        ASSERT_TRUE(place);
        if (place->rect.left < bufferWidth) continue;
        ++beyond;
        const QPoint at((place->rect.left + place->rect.right) / 2, place->rect.top + 20);
        EXPECT_NE(shown.pixel(at), view->backgroundBuffer().pixel(at)) << "row " << row + 1 << " is not drawn";
    }
    EXPECT_GT(beyond, 0);
    // Beyond the old width the window shows the table's background, not
    // memory that was never drawn.
    for (const QPoint at : {QPoint(bufferWidth + 10, 5), QPoint(view->width() - 2, view->height() - 2)})
        EXPECT_EQ(shown.pixel(at), view->backgroundBuffer().pixel(at)) << at.x() << "," << at.y();
}

}  // namespace
}  // namespace tessaro::test
