// Background choice in its order, the user's picture and its fall-back,
// library pictures tiled or whole, colours and the 256-band shading.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "engine/context.h"
#include "library_fixture.h"
#include "table/qt/background.h"

namespace tessaro {
namespace {

using test::LibraryTest;

class RecordingDialogs : public Dialogs {
public:
    void info(std::string_view text) override { infos.emplace_back(text); }
    bool confirm(std::string_view) override { return true; }
    std::vector<std::string> infos;
};

class BackgroundTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        ctx_.reg.initialise((dir_.path() + "/").toStdString());
        ctx_.dialogs = &dialogs_;
        ctx_.reg.write(reg::BackgroundDefault, "N");
        ctx_.reg.write(reg::CustomBackground, "N");
        ctx_.reg.write(reg::BackgroundPicture, "0");
        ctx_.reg.write(reg::BackgroundColour, "0");
        ctx_.reg.write(reg::BackgroundFixedColour, "0");
        ctx_.reg.write(reg::FadeBackground, "N");
        canvas_ = QImage(300, 200, QImage::Format_RGB32);
        buffer_ = QImage(300, 200, QImage::Format_RGB32);
        canvas_.fill(Qt::magenta);
        buffer_.fill(Qt::magenta);
        target_.canvas = &canvas_;
        target_.backgroundBuffer = &buffer_;
        target_.backBufferWidth = 299;
        target_.screenHeight = 199;
        target_.customizedBackground = [this] { return customized_; };
        target_.writePreference = [this](std::string_view k, std::string_view v) {
            written_.emplace_back(std::string(k), std::string(v));
        };
    }

    static bool uniform(const QImage& img, QRgb c) {
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != c) return false;
        return true;
    }

    QTemporaryDir dir_;
    Context ctx_;
    RecordingDialogs dialogs_;
    QImage canvas_, buffer_;
    BackgroundTarget target_;
    QString customized_;
    std::vector<std::pair<std::string, std::string>> written_;
};

TEST_F(BackgroundTest, DefaultGreenComesFirstAndDependsOnTheColourDepth) {
    ctx_.reg.write(reg::BackgroundDefault, "Y");
    ctx_.reg.write(reg::CustomBackground, "Y");   // overruled by the default
    ctx_.reg.write(reg::BackgroundPicture, "304");
    EXPECT_EQ(drawBackground(ctx_, target_), BackgroundKind::Default);
    EXPECT_TRUE(uniform(canvas_, qRgb(0, 96, 0)));
    EXPECT_TRUE(uniform(buffer_, qRgb(0, 96, 0)));
    target_.manyColours = false;
    target_.backgroundBuffer = nullptr;
    buffer_.fill(Qt::magenta);
    drawBackground(ctx_, target_);
    EXPECT_TRUE(uniform(canvas_, qRgb(0, 128, 0)));
    EXPECT_TRUE(uniform(buffer_, qRgb(255, 0, 255)));  // canvas only
    EXPECT_TRUE(dialogs_.infos.empty());
}

TEST_F(BackgroundTest, UsersPictureIsTiledBeforeLibraryPicturesAndColours) {
    QImage pic(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) pic.setPixel(x, y, qRgb(x * 30, y * 40, 77));
    ASSERT_TRUE(pic.save(dir_.filePath(QStringLiteral("mine.bmp")), "BMP"));
    ctx_.reg.write(reg::CustomBackground, "Y");
    ctx_.reg.write(reg::BackgroundPicture, "304");
    customized_ = QStringLiteral("mine");  // no folder: data folder + ".bmp"
    EXPECT_EQ(drawBackground(ctx_, target_), BackgroundKind::UserPicture);
    for (QPoint p : {QPoint(0, 0), QPoint(6, 4), QPoint(7, 5), QPoint(150, 101), QPoint(299, 199)}) {
        EXPECT_EQ(canvas_.pixel(p), pic.pixel(p.x() % 7, p.y() % 5)) << p.x() << "," << p.y();
        EXPECT_EQ(buffer_.pixel(p), pic.pixel(p.x() % 7, p.y() % 5)) << p.x() << "," << p.y();
    }
    // A path given by the caller wins over the setting.
    target_.userPicture = dir_.filePath(QStringLiteral("mine.bmp"));
    customized_ = QStringLiteral("elsewhere");
    canvas_.fill(Qt::magenta);
    EXPECT_EQ(drawBackground(ctx_, target_), BackgroundKind::UserPicture);
    EXPECT_EQ(canvas_.pixel(8, 1), pic.pixel(1, 1));
    EXPECT_TRUE(dialogs_.infos.empty());
    EXPECT_TRUE(written_.empty());
}

TEST_F(BackgroundTest, MissingUsersPictureFallsBackToTheDefaultForGood) {
    ctx_.reg.write(reg::CustomBackground, "Y");
    ctx_.reg.write(reg::BackgroundPicture, "304");
    customized_ = QStringLiteral("gone");
    EXPECT_EQ(drawBackground(ctx_, target_), BackgroundKind::Default);
    ASSERT_EQ(dialogs_.infos.size(), 1u);
    EXPECT_EQ(dialogs_.infos[0], "Customized background image not found: " + dir_.path().toStdString() + "/gone.bmp");
    EXPECT_EQ(ctx_.reg.read(reg::CustomBackground), "N");
    EXPECT_EQ(ctx_.reg.read(reg::BackgroundDefault), "Y");
    const std::vector<std::pair<std::string, std::string>> expected{{"Customized_Background", ""}, {"Background_Def", "Y"}};
    EXPECT_EQ(written_, expected);
    EXPECT_TRUE(uniform(canvas_, qRgb(0, 96, 0)));
    EXPECT_TRUE(uniform(buffer_, qRgb(0, 96, 0)));
    // The next drawing stays with the default and asks nothing.
    drawBackground(ctx_, target_);
    EXPECT_EQ(dialogs_.infos.size(), 1u);
}

// A damaged picture file is no picture: the table falls back to the default
// background with the same message as for a missing file, and never crashes.
TEST_F(BackgroundTest, DamagedUsersPictureFallsBackLikeAMissingOne) {
    QImage pic(16, 16, QImage::Format_RGB32);
    pic.fill(qRgb(10, 20, 30));
    const QString good = dir_.filePath(QStringLiteral("good.bmp"));
    ASSERT_TRUE(pic.save(good, "BMP"));
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = goodFile.readAll();
    // A header that claims a picture of 60000 x 60000 pixels.
    QByteArray huge = bytes;
    for (int i = 0; i < 4; ++i) {
        huge[18 + i] = static_cast<char>((60000 >> (8 * i)) & 0xFF);
        huge[22 + i] = static_cast<char>((60000 >> (8 * i)) & 0xFF);
    }
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 131 + 7) % 251);
    const std::vector<std::pair<const char*, QByteArray>> cases{
        {"empty", QByteArray()},        {"header only", bytes.left(14)}, {"cut in the header", bytes.left(40)},
        {"noise", noise},               {"huge", huge},
    };
    for (const auto& [what, content] : cases) {
        SCOPED_TRACE(what);
        QFile f(dir_.filePath(QStringLiteral("bad.bmp")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        ctx_.reg.write(reg::BackgroundDefault, "N");
        ctx_.reg.write(reg::CustomBackground, "Y");
        customized_ = QStringLiteral("bad");
        dialogs_.infos.clear();
        canvas_.fill(Qt::magenta);
        EXPECT_EQ(drawBackground(ctx_, target_), BackgroundKind::Default);
        ASSERT_EQ(dialogs_.infos.size(), 1u);
        EXPECT_EQ(dialogs_.infos[0], "Customized background image not found: " + dir_.path().toStdString() + "/bad.bmp");
        EXPECT_EQ(ctx_.reg.read(reg::CustomBackground), "N");
        EXPECT_TRUE(uniform(canvas_, qRgb(0, 96, 0)));
    }
}

TEST_F(BackgroundTest, PicturesBelow500AreTiledOverTheBackBufferPlusOne) {
    ctx_.reg.write(reg::BackgroundPicture, "304");
    ctx_.reg.write(reg::BackgroundFixedColour, "255");  // a colour is not used while a picture is set
    target_.backBufferWidth = 129;   // tiles drawn while x < 130: two columns of 128
    target_.screenHeight = 63;       // rows while y < 64: one row of 64
    EXPECT_EQ(drawBackground(ctx_, target_), BackgroundKind::LibraryPicture);
    const QImage tile = resources::bitmap("B304").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(tile.size(), QSize(128, 64));
    EXPECT_EQ(canvas_.pixel(3, 5), tile.pixel(3, 5));
    EXPECT_EQ(canvas_.pixel(131, 60), tile.pixel(3, 60));
    EXPECT_EQ(buffer_.pixel(131, 60), tile.pixel(3, 60));
    EXPECT_EQ(canvas_.pixel(3, 64), qRgb(255, 0, 255));   // below the tiled area
    EXPECT_EQ(canvas_.pixel(260, 5), qRgb(255, 0, 255));  // right of it
}

TEST_F(BackgroundTest, PicturesFrom500AreDrawnOnceAtTheTopLeft) {
    ctx_.reg.write(reg::BackgroundPicture, "500");
    QImage big(1000, 700, QImage::Format_RGB32);
    big.fill(Qt::magenta);
    target_.canvas = &big;
    target_.backgroundBuffer = nullptr;
    target_.backBufferWidth = 999;
    target_.screenHeight = 699;
    EXPECT_EQ(drawBackground(ctx_, target_), BackgroundKind::LibraryPicture);
    const QImage whole = resources::bitmap("B500").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(whole.size(), QSize(800, 600));
    EXPECT_EQ(big.pixel(10, 10), whole.pixel(10, 10));
    EXPECT_EQ(big.pixel(799, 599), whole.pixel(799, 599));
    EXPECT_EQ(big.pixel(800, 10), qRgb(255, 0, 255));   // not tiled
    EXPECT_EQ(big.pixel(10, 650), qRgb(255, 0, 255));
}

TEST_F(BackgroundTest, FixedColourBeforeTheColourAndSystemColours) {
    ctx_.reg.write(reg::BackgroundColour, "255");                // red
    EXPECT_EQ(drawBackground(ctx_, target_), BackgroundKind::Colour);
    EXPECT_TRUE(uniform(canvas_, qRgb(255, 0, 0)));
    ctx_.reg.write(reg::BackgroundFixedColour, "8421376");       // teal 0x808000 as BGR
    drawBackground(ctx_, target_);
    EXPECT_TRUE(uniform(canvas_, qRgb(0, 128, 128)));
    EXPECT_TRUE(uniform(buffer_, qRgb(0, 128, 128)));
    ctx_.reg.write(reg::BackgroundFixedColour, "0");
    ctx_.reg.write(reg::BackgroundColour, "-2147483633");        // button face
    drawBackground(ctx_, target_);
    EXPECT_TRUE(uniform(canvas_, QGuiApplication::palette().color(QPalette::Button).rgb()));
}

TEST_F(BackgroundTest, FadingHas256BandsFromBlackToTheColour) {
    ctx_.reg.write(reg::BackgroundFixedColour, "16777215");  // white
    ctx_.reg.write(reg::FadeBackground, "Y");
    QImage img(40, 600, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    target_.canvas = &img;
    target_.backgroundBuffer = nullptr;
    target_.backBufferWidth = 19;   // shaded width 20
    target_.screenHeight = 511;     // shaded height 512: bands of two rows
    drawBackground(ctx_, target_);
    // band k = (511 - y) / 2, value MulDiv(k, 255, 256)
    EXPECT_EQ(img.pixel(0, 511), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(0, 510), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(0, 509), qRgb(1, 1, 1));
    EXPECT_EQ(img.pixel(0, 300), qRgb(105, 105, 105));
    EXPECT_EQ(img.pixel(19, 1), qRgb(254, 254, 254));
    EXPECT_EQ(img.pixel(0, 0), qRgb(254, 254, 254));
    EXPECT_EQ(img.pixel(20, 300), qRgb(255, 255, 255));  // filled, not shaded
    EXPECT_EQ(img.pixel(0, 512), qRgb(255, 255, 255));

    // Uneven height 100 (screen 99): band k spans 100 - MulDiv(k + 1, 100, 256)
    // up to 100 - MulDiv(k, 100, 256); many bands are empty.
    ctx_.reg.write(reg::BackgroundFixedColour, "200");       // red 200
    img.fill(Qt::magenta);
    target_.screenHeight = 99;
    drawBackground(ctx_, target_);
    EXPECT_EQ(img.pixel(5, 99), qRgb(1, 0, 0));      // k = 0 is empty, k = 1 is row 99
    EXPECT_EQ(img.pixel(5, 98), qRgb(2, 0, 0));      // k = 3: MulDiv(3, 200, 256) = 2
    EXPECT_EQ(img.pixel(5, 50), qRgb(98, 0, 0));     // k = 126: MulDiv(126, 200, 256) = 98
    EXPECT_EQ(img.pixel(5, 0), qRgb(198, 0, 0));     // k = 254: MulDiv(254, 200, 256) = 198
    EXPECT_EQ(img.pixel(5, 100), qRgb(200, 0, 0));

    // With the scroll bar the shaded height is the screen height + 80.
    img.fill(Qt::magenta);
    target_.screenHeight = 432;
    target_.scrollBarVisible = true;
    drawBackground(ctx_, target_);
    EXPECT_EQ(img.pixel(5, 511), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(5, 512), qRgb(200, 0, 0));

    // No shading on 256-colour displays.
    target_.manyColours = false;
    drawBackground(ctx_, target_);
    EXPECT_EQ(img.pixel(5, 511), qRgb(200, 0, 0));
}

TEST(MulDiv, RoundsHalfAwayFromZeroAndRefusesZero) {
    EXPECT_EQ(mulDiv(3, 5, 2), 8);
    EXPECT_EQ(mulDiv(-3, 5, 2), -8);
    EXPECT_EQ(mulDiv(1, 128, 256), 1);
    EXPECT_EQ(mulDiv(1, 127, 256), 0);
    EXPECT_EQ(mulDiv(255, 255, 256), 254);
    EXPECT_EQ(mulDiv(256, 100, 256), 100);
    EXPECT_EQ(mulDiv(7, 9, 0), -1);
    EXPECT_EQ(mulDiv(2000000000, 2000000000, 1), -1);
}

TEST(TileImage, EmptyPicturesDrawNothing) {
    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(Qt::magenta);
    tileImage(canvas, 20, 20, QImage());
    tileImage(canvas, 20, 20, "no/such/file.png", false);
    EXPECT_EQ(canvas.pixel(10, 10), qRgb(255, 0, 255));
}

}  // namespace
}  // namespace tessaro
