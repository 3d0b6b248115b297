// Dragging on the table: a card carried onto an accepting row flies the rest
// of its way and lands there; one let go over no pile flies home and stays in
// its row.
#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "engine/context.h"
#include "library_fixture.h"
#include "stores/catalogue.h"
#include "stores/rules_file.h"
#include "support/context_builder.h"
#include "table/geometry.h"
#include "table/hit.h"
#include "table/layout.h"
#include "table/qt/table_view.h"
#include "table_game_fixture.h"

namespace tessaro {
namespace {

class KlondikeDrag : public test::LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        view = test::tableForGame(ctx, 1, 900, 700);
        view->show();
        // Seven of clubs in the first row, six of hearts in the second.
        test::setPile(ctx, "Fila1", "0331");
        test::setPile(ctx, "Fila2", "0061");
        ctx.run.setFlag(Flag::GameInProgress, 1);
        view->drawTable(true, false);
    }

    QPoint middle(int card) {
        const auto p = cardPlace(ctx, card);
        return {(p->rect.left + p->rect.right) / 2, (p->rect.top + p->rect.bottom) / 2};
    }

    void drag(QPoint from, QPoint to) {
        QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, from);
        for (int i = 1; i <= 4; ++i) {
            const QPoint at = from + (to - from) * i / 4;
            QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(view.get(), &move);
        }
        QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, to);
    }

    Context ctx;
    std::unique_ptr<TableView> view;
};

TEST_F(KlondikeDrag, CardCarriedOntoAnAcceptingRowLandsThere) {
    ASSERT_TRUE(ctx.layout.fila[0].placed());
    ASSERT_TRUE(ctx.layout.fila[1].placed());
    drag(middle(6), middle(33) + QPoint(0, 15));
    EXPECT_EQ(ctx.piles.text({PileKind::Row, 0}), "033006");
    EXPECT_EQ(ctx.piles.text({PileKind::Row, 1}), "");
    EXPECT_FALSE(view->dragging());
    EXPECT_EQ(ctx.drag.card, 0);
}

TEST_F(KlondikeDrag, DroppedCardFliesTheRestOfItsWayOnlyWhenCardsAreAnimated) {
    // Where the six will lie: the place for one more card on the first row.
    const QPoint target(cardX(ctx, "Fila1", 0, true), cardY(ctx, "Fila1", 0, true));
    ctx.reg.write(reg::CardsAnimate, "Y");
    ASSERT_NE(view->lastFlightEnd(), target);
    drag(middle(6), middle(33) + QPoint(0, 15));
    EXPECT_EQ(ctx.piles.text({PileKind::Row, 0}), "033006");
    EXPECT_EQ(view->lastFlightEnd(), target);

    // Without the animation switch the card is simply put there.
    test::setPile(ctx, "Fila1", "0331");
    test::setPile(ctx, "Fila2", "0061");
    view->drawTable(true, false);
    ctx.reg.write(reg::CardsAnimate, "N");
    const QPoint before = view->lastFlightEnd();
    drag(middle(6), middle(33) + QPoint(0, 15));
    EXPECT_EQ(ctx.piles.text({PileKind::Row, 0}), "033006");
    EXPECT_EQ(view->lastFlightEnd(), before);
}

TEST_F(KlondikeDrag, CardLetGoOverNoPileGoesHome) {
    const QPoint home = middle(6);
    drag(home, QPoint(880, 680));
    EXPECT_EQ(ctx.piles.text({PileKind::Row, 1}), "006");
    EXPECT_FALSE(view->dragging());
    // Back at home on the table picture.
    EXPECT_NE(view->backBuffer().pixel(home), view->backgroundBuffer().pixel(home));
    const QPoint away(880 - 10, 680 - 10);
    EXPECT_EQ(view->backBuffer().pixel(away), view->backgroundBuffer().pixel(away));
}

}  // namespace
}  // namespace tessaro
