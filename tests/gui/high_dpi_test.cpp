// Fitted cards on a high-density screen: the table is drawn at the screen's
// device pixel ratio, so a face shows the drawing code's own device pixels,
// and clicks still find their cards in table pixels. The test runs at the
// ratio of the screen it gets; CTest runs it once more with QT_SCALE_FACTOR=2.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cmath>

#include "engine/cards.h"
#include "engine/context.h"
#include "rgf/card_art.h"
#include "shell/card_table_area.h"
#include "shell_fixture.h"
#include "table/hit.h"
#include "table/qt/table_view.h"

namespace tessaro::test {
namespace {

using HighDpiTable = ShellTest;

TEST_F(HighDpiTable, FittedFacesAreDrawnAtDevicePixelsAndClicksTurnTheirCard) {
    ASSERT_TRUE(start(QSize(1920, 1080)));
    // The table's buffers are the screen's size: the window stays within it.
    w().resize(QGuiApplication::primaryScreen()->size() * 9 / 10);
    w().show();
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    auto* area = dynamic_cast<shell::CardTableArea*>(w().table());
    ASSERT_NE(area, nullptr);
    TableView* view = area->view();
    const qreal screenRatio = view->devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2")) {
        ASSERT_EQ(screenRatio, 2.0);
    }
    const int k = static_cast<int>(std::ceil(screenRatio - 0.01));
    const QImage& back = view->backBuffer();
    EXPECT_EQ(back.devicePixelRatio(), k);
    EXPECT_EQ(view->backgroundBuffer().devicePixelRatio(), k);

    // A click in the middle of a card turns that card and no other.
    const int card = ctx().piles.top({PileKind::Row, 2});
    const auto place = cardPlace(ctx(), card);
    ASSERT_TRUE(place);
    const QRect r(place->rect.left, place->rect.top, place->rect.right - place->rect.left,
                  place->rect.bottom - place->rect.top);
    ASSERT_EQ(r.size(), QSize(ctx().layout.cardW, ctx().layout.cardH));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, r.center());
    ASSERT_TRUE(ctx().cards.faceUp(card));
    int up = 0;
    for (int c = 1; c <= kCardCount; ++c) up += CardTable::valid(c) && cardPlace(ctx(), c) && ctx().cards.faceUp(c);
    EXPECT_EQ(up, 1);

    // The face on the table is the drawing code's picture at the ratio, pixel
    // for pixel (a face drawn in table pixels and scaled up would differ).
    const QImage face = rgf::cardFace(r.width(), r.height(), suit(card), rank(card), false, k)
                            .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(face.size(), r.size() * k);
    int differing = 0;
    for (int y = 4 * k; y < face.height() - 4 * k; y += 3)
        for (int x = 4 * k; x < face.width() - 4 * k; x += 3)
            differing += back.pixel(r.x() * k + x, r.y() * k + y) != face.pixel(x, y);
    EXPECT_EQ(differing, 0);
    // The corner shows the table in all of its device pixels.
    for (int d = 0; d < k * k; ++d) {
        const QPoint p(r.x() * k + d % k, r.y() * k + d / k);
        EXPECT_EQ(back.pixel(p), view->backgroundBuffer().pixel(p)) << d;
    }
    // The window shows the buffer one to one.
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.size(), view->size() * k);
    const QPoint mid(r.center().x() * k, r.center().y() * k);
    EXPECT_EQ(shown.pixel(mid), back.pixel(mid));
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), back.copy(QRect(QPoint(0, 0), shown.size())));
    // So does a paint of two separate areas (drawn in bands of rows).
    QImage part(view->size() * k, QImage::Format_RGB32);
    part.setDevicePixelRatio(k);
    part.fill(Qt::magenta);
    const QRect a(5, 7, 150, 231), b(view->width() / 2, view->height() / 2 - 20, 121, 105);
    ASSERT_TRUE(view->rect().contains(b));
    // (The region's top left corner goes to the offset given.)
    view->render(&part, a.topLeft(), QRegion(a) + QRegion(b));
    for (const QRect& area : {a, b}) {
        const QRect d(area.topLeft() * k, area.size() * k);
        EXPECT_TRUE(part.copy(d) == back.copy(d)) << area.x();
    }
}

}  // namespace
}  // namespace tessaro::test
