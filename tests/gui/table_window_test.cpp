// The card table in the main window: a Memory game opened in the window is
// drawn on its table, clicks on the table reach the engine, and a card
// dragged onto a row flies the rest of its way there.
#include <QTest>

#include "engine/context.h"
#include "shell/card_table_area.h"
#include "shell_fixture.h"
#include "support/context_builder.h"
#include "table/geometry.h"
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

TEST_F(TableWindowTest, CardDroppedOnARowInTheWindowFliesTheRestOfItsWay) {
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(1, "Klondike", "Player 1", 2, true));
    TableView* view = dynamic_cast<shell::CardTableArea*>(w().table())->view();
    // Seven of clubs alone in the first row, six of hearts in the second,
    // nothing else on the table.
    for (int r = 1; r <= 7; ++r) setPile(ctx(), "Fila" + std::to_string(r), "");
    setPile(ctx(), "Mazzo", "");
    setPile(ctx(), "Mazzo_Vis", "");
    setPile(ctx(), "Fila1", "0331");
    setPile(ctx(), "Fila2", "0061");
    ctx().reg.write(reg::CardsAnimate, "Y");
    ctx().presentation->drawTable(true, false);
    const QPoint target(cardX(ctx(), "Fila1", 0, true), cardY(ctx(), "Fila1", 0, true));
    ASSERT_NE(view->lastFlightEnd(), target);

    const auto middle = [&](int card) {
        const auto p = cardPlace(ctx(), card);
        return QPoint((p->rect.left + p->rect.right) / 2, (p->rect.top + p->rect.bottom) / 2);
    };
    const QPoint from = middle(6), to = middle(33) + QPoint(0, 15);
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= 4; ++i) {
        const QPoint at = from + (to - from) * i / 4;
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &move);
    }
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(ctx().piles.text({PileKind::Row, 0}), "033006");
    EXPECT_EQ(view->lastFlightEnd(), target);
}

}  // namespace
}  // namespace tessaro::test
