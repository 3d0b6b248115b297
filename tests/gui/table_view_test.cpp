// The table on screen: a dealt 6 x 4 Memory grid drawn into the view, read
// back from the widget's pixels; clicks through QTest; flights; drop targets.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <QTest>

#include "engine/context.h"
#include "engine/new_game.h"
#include "library_fixture.h"
#include "table_game_fixture.h"
#include "stores/catalogue.h"
#include "stores/rules_file.h"
#include "table/geometry.h"
#include "table/hit.h"
#include "table/layout.h"
#include "table/qt/table_view.h"

namespace tessaro {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

class MemoryTable : public test::LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        view = test::tableForGame(ctx, 201, kWidth, kHeight);
        ctx.reg.write(reg::DealNumber, "1234567890123");
        newGame(ctx, 1, false, 1, false);
    }

    QImage shown() { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The centre pixel of a card's place on the widget.
    QPoint centre(int card) {
        const auto place = cardPlace(ctx, card);
        EXPECT_TRUE(place.has_value());
        if (!place) return {};
        return {(place->rect.left + place->rect.right) / 2, (place->rect.top + place->rect.bottom) / 2};
    }

    CardImages images() {
        CardImages im;
        loadCardImages(ctx.reg, im, false);
        return im;
    }

    int topOfRow(int i) { return ctx.piles.top({PileKind::Row, i}); }

    Context ctx;
    std::unique_ptr<TableView> view;
};

int faceIndex(int card) { return suit(card) * 13 + rank(card) - 1; }

TEST_F(MemoryTable, DealtGridShowsBacksFacesAndTheBackground) {
    ASSERT_EQ(ctx.P.rows(), 4);
    const CardImages im = images();
    const int down = topOfRow(0);
    ASSERT_TRUE(ctx.cards.faceDown(down));
    const int up = topOfRow(1);
    ctx.cards.setFace(up, '1');
    // A gap in the third row where its top card lay.
    std::string& row3 = ctx.piles.text({PileKind::Row, 2});
    const QPoint gapAt = centre(topOfRow(2));
    row3.replace(row3.size() - 3, 3, "000");
    view->drawTable(false, false);
    const QImage img = shown();

    const QPoint a = centre(down);
    const QSize half(ctx.layout.cardW / 2, ctx.layout.cardH / 2);
    EXPECT_EQ(img.pixel(a), im.back.convertToFormat(QImage::Format_RGB32).pixel(half.width(), half.height()));
    const QPoint b = centre(up);
    const QImage face = im.faces[static_cast<std::size_t>(faceIndex(up))].convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(img.pixel(b), face.pixel(half.width(), half.height()));
    // Five points of the face all match: the face, not just one lucky pixel.
    const auto place = cardPlace(ctx, up);
    for (QPoint o : {QPoint(3, 3), QPoint(10, 20), QPoint(40, 70), QPoint(60, 90), QPoint(35, 48)})
        EXPECT_EQ(img.pixel(place->rect.left + o.x(), place->rect.top + o.y()), face.pixel(o)) << o.x() << "," << o.y();
    EXPECT_EQ(img.pixel(gapAt), view->backgroundBuffer().pixel(gapAt));
    EXPECT_NE(img.pixel(a), view->backgroundBuffer().pixel(a));
}

TEST_F(MemoryTable, CornersShowWhatLiesUnderThem) {
    const int card = topOfRow(0);
    const auto place = cardPlace(ctx, card);
    ASSERT_TRUE(place);
    const QImage img = shown();
    const QImage& bg = view->backgroundBuffer();
    const int l = place->rect.left;
    const int t = place->rect.top;
    const int r = place->rect.right - 1;
    const int b = place->rect.bottom - 1;
    // Three pixels of every corner belong to the table below the card.
    for (QPoint p : {QPoint(l, t), QPoint(l + 1, t), QPoint(l, t + 1), QPoint(r, t), QPoint(r - 1, t), QPoint(l, b),
                     QPoint(l + 1, b), QPoint(l, b - 1)})
        EXPECT_EQ(img.pixel(p), bg.pixel(p)) << p.x() << "," << p.y();
    // The shadowed card's bottom-right corner is silver; the pixel diagonal
    // to the corner is the card's own.
    EXPECT_EQ(img.pixel(r, b), qRgb(192, 192, 192));
    EXPECT_NE(img.pixel(l + 1, t + 1), bg.pixel(l + 1, t + 1));
    EXPECT_EQ(cornerSize(25), 1);
    EXPECT_EQ(cornerSize(59), 3);
    EXPECT_EQ(cornerSize(71), 3);
}

TEST_F(MemoryTable, UnsetPositionsAreNeverDrawn) {
    const QImage before = view->backBuffer().copy();
    const int card = topOfRow(0);
    view->drawCardFace(card, kUnsetFila, 10, true);
    view->drawCardFace(card, 10, kUnsetFila, true);
    view->drawCardBack(-10000, 50, false);
    view->drawEmptyMark(6, -10002, 50, 0);
    EXPECT_EQ(view->backBuffer(), before);
    // A row whose position is unset leaves the table as the background.
    ctx.layout.fila[3] = {kUnsetFila, kUnsetFila};
    view->drawTable(false, false);
    ctx.layout.fila[3] = {10, 10};  // only to find where the cards would have been
    const QPoint p = centre(topOfRow(3));
    EXPECT_EQ(view->backBuffer().pixel(p), view->backgroundBuffer().pixel(p));
}

TEST_F(MemoryTable, ClickOnAFaceDownCardTurnsItUp) {
    view->show();
    const int card = topOfRow(0);
    ASSERT_TRUE(ctx.cards.faceDown(card));
    const QPoint at = centre(card);
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(ctx.cards.faceUp(card));
    const CardImages im = images();
    const QImage face = im.faces[static_cast<std::size_t>(faceIndex(card))].convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown().pixel(at), face.pixel(ctx.layout.cardW / 2, ctx.layout.cardH / 2));
}

TEST_F(MemoryTable, PressOnTheEmptyTableChangesNothing) {
    view->show();
    const std::string before = ctx.piles.text({PileKind::Row, 0}) + ctx.piles.text({PileKind::Row, 1});
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(kWidth - 3, kHeight - 3));
    QTest::mouseClick(view.get(), Qt::RightButton, Qt::ControlModifier, centre(topOfRow(1)));
    EXPECT_EQ(ctx.piles.text({PileKind::Row, 0}) + ctx.piles.text({PileKind::Row, 1}), before);
    EXPECT_TRUE(ctx.cards.faceDown(topOfRow(1)));
    EXPECT_FALSE(view->dragging());
}

TEST_F(MemoryTable, FlightToAnUnsetTargetEndsOffTheTable) {
    const int card = topOfRow(0);
    view->flyCard(card, {PileKind::Reserve, 9});  // no reserve cell on a Memory table
    EXPECT_EQ(view->lastFlightEnd(), QPoint(-3 * 71, -3 * 96));
}

TEST_F(MemoryTable, DealAnimationEndsWithTheWholeGridDrawn) {
    view->drawTable(false, false);
    const QImage still = view->backBuffer().copy();
    view->drawTable(false, true);
    EXPECT_EQ(view->backBuffer(), still);
}

TEST(FlightPath, StepsAlongTheLongerAxisAndEndsOnTheTarget) {
    // D = 300: step = trunc(300 / (300 / 50 x 100 / 6.25 x 4 / 100 + 4) + 0.5) = trunc(300 / 7.84 + 0.5) = 38.
    const auto path = flightPath(0, 0, 300, 100, 71, 96, false);
    ASSERT_EQ(path.size(), 8u);
    EXPECT_EQ(path[0], (FlightStep{38, 13}));  // p = trunc(38 x 100 / 300 + 0.5) = 13
    EXPECT_EQ(path[1], (FlightStep{76, 25}));  // p = 25
    EXPECT_EQ(path.back(), (FlightStep{300, 100}));
    // Fast: 0.9 of the step, 34.
    EXPECT_EQ(flightPath(0, 0, 300, 100, 71, 96, true)[0], (FlightStep{34, 11}));
    // Upwards along y.
    const auto up = flightPath(50, 400, 60, 100, 71, 96, false);
    EXPECT_EQ(up[0], (FlightStep{51, 362}));
    EXPECT_EQ(up.back(), (FlightStep{60, 100}));
}

TEST(FlightPath, StartOnTheTargetAndUnsetTargets) {
    EXPECT_EQ(flightPath(20, 30, 20, 30, 71, 96, false), (std::vector<FlightStep>{{20, 30}}));
    EXPECT_EQ(flightPath(0, 0, -10002, 50, 25, 32, false).back(), (FlightStep{-75, 50}));
    EXPECT_EQ(flightPath(0, 0, 50, -10000, 25, 32, false).back(), (FlightStep{50, -96}));
}

TEST(DropTargets, LargestOverlapFirstAtMostFourAndNeverTheSource) {
    Context ctx;
    ctx.P.set(367, 6);  // rows
    ctx.layout.cardW = 71;
    ctx.layout.cardH = 96;
    for (int i = 0; i < 6; ++i) ctx.layout.fila[static_cast<std::size_t>(i)] = {i * 40, 0};
    ctx.P.set(3, 0);
    const CardRect dragged{100, 10, 171, 106};
    const auto t = findDropTargets(ctx, dragged, "Fila3");
    // Row x: 0 (no: ends 71), 40 (71..111: 11 px), 80 (51), 120 Fila4 (51), 160 Fila5 (11), 200 no.
    EXPECT_EQ(t, (std::vector<std::string>{"Fila4", "Fila2", "Fila5"}));
}

}  // namespace
}  // namespace tessaro
