// Cutting and scaling a drawn table into a game's preview picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "table/qt/preview_picture.h"

namespace tessaro {
namespace {

const QColor kGreen(0, 96, 0);

QImage plain(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kGreen);
    return img;
}

TEST(PreviewPicture, TheDrawnAreaIsWhereTheTableDiffersFromItsBackground) {
    const QImage background = plain(300, 200);
    QImage table = background;
    EXPECT_TRUE(drawnArea(table, background).isNull());
    QPainter(&table).fillRect(QRect(40, 30, 71, 96), Qt::white);
    table.setPixel(150, 170, qRgb(0, 95, 0));  // one shade off counts too
    EXPECT_EQ(drawnArea(table, background), QRect(QPoint(40, 30), QPoint(150, 170)));
    EXPECT_TRUE(drawnArea(table, plain(300, 201)).isNull());
    EXPECT_TRUE(drawnArea(QImage(), QImage()).isNull());
}

TEST(PreviewPicture, SmallTablesKeepTheirSizeWithAMarginOfBackground) {
    const QImage background = plain(400, 300);
    QImage table = background;
    QPainter(&table).fillRect(QRect(100, 100, 50, 40), Qt::white);
    const QImage out = previewPicture(table, background);
    // 8 pixels of margin on each side.
    EXPECT_EQ(out.size(), QSize(66, 56));
    EXPECT_EQ(out.pixel(0, 0), kGreen.rgb());
    EXPECT_EQ(out.pixel(8, 8), qRgb(255, 255, 255));
    EXPECT_EQ(out.pixel(7, 8), kGreen.rgb());
    EXPECT_TRUE(previewPicture(background, background).isNull());
}

TEST(PreviewPicture, LargeTablesAreScaledToFitWithAnExactBackground) {
    const QImage background = plain(1000, 720);
    QImage table = background;
    {
        QPainter p(&table);
        for (int i = 0; i < 6; ++i) p.fillRect(QRect(60 + i * 150, 60, 71, 96), Qt::white);
        p.fillRect(QRect(60, 560, 71, 96), Qt::red);
    }
    const QImage out = previewPicture(table, background);
    // Drawn area 820 x 596, margin 32: 884 x 660 scaled into 224 x 160.
    EXPECT_EQ(out.size(), QSize(214, 160));
    int notGreen = 0;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = out.pixel(x, y);
            if (c == kGreen.rgb()) continue;
            ++notGreen;
            // Nothing is left a shade or two off the background.
            EXPECT_GT(std::abs(qRed(c) - 0) + std::abs(qGreen(c) - 96) + std::abs(qBlue(c) - 0), 3);
        }
    EXPECT_GT(notGreen, 6 * 14 * 19);
    EXPECT_EQ(out.pixel(0, 0), kGreen.rgb());
}

}  // namespace
}  // namespace tessaro
