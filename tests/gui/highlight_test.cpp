// Foundation highlights: which foundations count as complete, the fifteen
// colours and the five marks; the joker caption.
#include <gtest/gtest.h>

#include <QImage>

#include "engine/context.h"
#include "library_fixture.h"
#include "table/qt/highlights.h"

namespace tessaro {
namespace {

using test::LibraryTest;

TEST(Highlights, TheFifteenColoursAndTheCallersDefault) {
    const QColor fallback(1, 2, 3);
    const QRgb expected[15] = {qRgb(0, 0, 0),       qRgb(0, 0, 255),     qRgb(0, 255, 255),   qRgb(0, 255, 0),
                               qRgb(255, 186, 220), qRgb(255, 70, 70),   qRgb(255, 255, 128), qRgb(0, 0, 160),
                               qRgb(0, 128, 128),   qRgb(0, 128, 64),    qRgb(255, 128, 255), qRgb(128, 0, 64),
                               qRgb(128, 128, 0),   qRgb(128, 0, 0),     qRgb(192, 192, 192)};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(highlightColour(i, fallback).rgb(), expected[i]) << i;
    EXPECT_EQ(highlightColour(15, fallback), fallback);
    EXPECT_EQ(highlightColour(-1, fallback), fallback);
}

std::string cards(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) s += card3(i);
    return s;
}

TEST(Highlights, CompleteAgainstItsCountOrParameter32) {
    Context ctx;
    ctx.P.set(366, 3);
    ctx.P.set(115, 13);
    ctx.P.set(116, -1);
    ctx.P.set(117, -1);
    ctx.P.set(32, 26);
    ctx.piles.dest(0) = cards(13);
    ctx.piles.dest(1) = cards(26);
    ctx.piles.dest(2) = cards(13);
    EXPECT_TRUE(foundationComplete(ctx, 0));
    EXPECT_TRUE(foundationComplete(ctx, 1));
    EXPECT_FALSE(foundationComplete(ctx, 2));  // -1 means parameter 32, not 13
    ctx.piles.dest(0) = cards(12);
    EXPECT_FALSE(foundationComplete(ctx, 0));
    EXPECT_FALSE(foundationComplete(ctx, -1));
    EXPECT_FALSE(foundationComplete(ctx, 16));
}

class HighlightDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.reg.initialise("/tmp/");
        ctx.reg.write(reg::CardSize, "B");
        ctx.P.set(366, 2);
        ctx.P.set(115, 2);
        ctx.P.set(116, 2);
        ctx.piles.dest(0) = cards(2);
        ctx.piles.dest(1) = cards(1);
        buffer = QImage(200, 250, QImage::Format_RGB32);
        buffer.fill(Qt::white);
    }
    std::optional<QPoint> spot(int i) const { return QPoint(10 + i * 90, 20); }

    Context ctx;
    QImage buffer;
};

TEST_F(HighlightDrawing, SolidMarkFillsTheTopCardOfCompleteFoundationsOnly) {
    const auto drawn = highlightFoundations(ctx, -1, {2, 5}, buffer, 30, [this](int i) { return spot(i); });
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0], QRect(10, 20, 71, 96));  // window coordinates
    // on the back buffer the scroll offset moves it down
    EXPECT_EQ(buffer.pixel(10, 50), qRgb(255, 70, 70));
    EXPECT_EQ(buffer.pixel(80, 145), qRgb(255, 70, 70));
    EXPECT_EQ(buffer.pixel(10, 49), qRgb(255, 255, 255));
    EXPECT_EQ(buffer.pixel(81, 50), qRgb(255, 255, 255));
    EXPECT_EQ(buffer.pixel(110, 60), qRgb(255, 255, 255));  // the incomplete foundation

    // one foundation only, and mark 0 draws nothing
    ctx.piles.dest(1) = cards(2);
    buffer.fill(Qt::white);
    EXPECT_EQ(highlightFoundations(ctx, 1, {2, 3}, buffer, 0, [this](int i) { return spot(i); }).size(), 1u);
    EXPECT_EQ(buffer.pixel(12, 22), qRgb(255, 255, 255));
    EXPECT_EQ(buffer.pixel(102, 22), qRgb(0, 255, 0));
    buffer.fill(Qt::white);
    EXPECT_TRUE(highlightFoundations(ctx, -1, {0, 3}, buffer, 0, [this](int i) { return spot(i); }).empty());
    EXPECT_EQ(buffer.pixel(12, 22), qRgb(255, 255, 255));
}

TEST_F(HighlightDrawing, LineMarkIsAChequerThatSparesTheRoundedCorners) {
    buffer.fill(QColor(10, 20, 30));
    highlightFoundations(ctx, 0, {1, 1}, buffer, 0, [this](int i) { return spot(i); });
    const QRgb blue = qRgb(0, 0, 255), card = qRgb(10, 20, 30);
    EXPECT_EQ(buffer.pixel(10 + 4, 20 + 6), blue);   // x + y even inside the card
    EXPECT_EQ(buffer.pixel(10 + 5, 20 + 6), card);   // odd: the card shows
    EXPECT_EQ(buffer.pixel(10, 20), card);           // corner pixel
    EXPECT_EQ(buffer.pixel(11, 21), blue);           // next to the corner: diagonal is even
    EXPECT_EQ(buffer.pixel(10 + 70, 20 + 94), card); // even, but the corner's vertical neighbour
    EXPECT_EQ(buffer.pixel(10 + 69, 20 + 95), card); // even, the corner's horizontal neighbour
    EXPECT_EQ(buffer.pixel(10 + 68, 20 + 94), blue); // even, inside
    EXPECT_EQ(buffer.pixel(10 + 2, 20 + 0), blue);   // top edge beyond the corner
}

TEST_F(HighlightDrawing, PositionsComeFromThePileGeometryInTheLayoutsCardSize) {
    ctx.layout.cardW = 25;
    ctx.layout.cardH = 32;
    ctx.layout.dest[0] = {40, 70};
    ctx.layout.dest[1] = {120, 70};
    const auto drawn = highlightFoundations(ctx, -1, {2, 7}, buffer, 5);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0], QRect(40, 70, 25, 32));
    EXPECT_EQ(buffer.pixel(40, 75), qRgb(0, 0, 160));
    EXPECT_EQ(buffer.pixel(64, 106), qRgb(0, 0, 160));
    EXPECT_EQ(buffer.pixel(65, 106), qRgb(255, 255, 255));
    EXPECT_EQ(buffer.pixel(40, 74), qRgb(255, 255, 255));
}

TEST(HighlightMarks, HatchesLeaveTheCardVisibleBetweenTheirLines) {
    for (int type : {3, 4, 5}) {
        QImage img(71, 96, QImage::Format_RGB32);
        img.fill(Qt::white);
        drawHighlightMark(img, QRect(0, 0, 71, 96), type, QColor(128, 0, 0));
        int marked = 0;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) marked += img.pixel(x, y) == qRgb(128, 0, 0);
        EXPECT_GT(marked, 71 * 96 / 12) << type;
        EXPECT_LT(marked, 71 * 96 / 2) << type;
    }
}

TEST(JokerCaption, TextsByTheLengthOfTheRankName) {
    EXPECT_EQ(jokerCaptionText(1), QStringLiteral("Joker = A"));
    EXPECT_EQ(jokerCaptionText(7), QStringLiteral("Joker = 7"));
    EXPECT_EQ(jokerCaptionText(10), QStringLiteral("Joker=10"));
    EXPECT_EQ(jokerCaptionText(13), QStringLiteral("Joker = K"));
    EXPECT_EQ(jokerCaptionText(0), QString());
    EXPECT_EQ(jokerCaptionText(14), QString());
}

TEST_F(LibraryTest, JokerCaptionIsDrawnOnceAndRestoredForOtherRanks) {
    QImage back(300, 200, QImage::Format_RGB32), background(300, 200, QImage::Format_RGB32);
    back.fill(Qt::magenta);
    background.fill(QColor(0, 96, 0));
    JokerCaptions captions;
    const auto strip = captions.show(0, QPoint(100, 60), 71, 3, 102, 10, back, background);
    ASSERT_TRUE(strip.has_value());
    EXPECT_EQ(*strip, QRect(106, 42, 59, 14));
    EXPECT_EQ(back.pixel(106, 42), qRgb(255, 255, 255));
    EXPECT_EQ(back.pixel(105, 42), qRgb(255, 0, 255));
    // the spade symbol at (x + 48, y + 2)
    const QImage spade = resources::bitmap("SUIT_SPADES").convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back.pixel(106 + 48 + 4, 42 + 2 + 5), spade.pixel(4, 5));
    int dark = 0;
    for (int y = 42; y < 56; ++y)
        for (int x = 108; x < 150; ++x) dark += qGray(back.pixel(x, y)) < 100;
    EXPECT_GT(dark, 20);  // the text

    // the same position again: nothing drawn
    back.fill(Qt::magenta);
    EXPECT_FALSE(captions.show(0, QPoint(100, 60), 71, 3, 102, 10, back, background).has_value());
    EXPECT_EQ(back.pixel(106, 42), qRgb(255, 0, 255));
    // a rank outside 1-13 restores the strip from the background buffer
    EXPECT_TRUE(captions.show(0, QPoint(100, 60), 71, 3, 103, 0, back, background).has_value());
    EXPECT_EQ(back.pixel(106, 42), qRgb(0, 96, 0));
    EXPECT_EQ(back.pixel(164, 55), qRgb(0, 96, 0));
    EXPECT_EQ(back.pixel(165, 55), qRgb(255, 0, 255));
}

}  // namespace
}  // namespace tessaro
