// Suit sheets are cut into the right cards; backs follow the middle-size
// rule; picture files missing from disk end in the images-file error.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "library_fixture.h"
#include "stores/register.h"
#include "table/qt/card_images.h"

namespace tessaro {
namespace {

using test::LibraryTest;

Register cardRegister(const char* size, const char* set, const char* back) {
    Register reg;
    reg.initialise("/tmp/");
    reg.write(reg::CardSize, size);
    reg.write(reg::CardFaceSet, set);
    reg.write(reg::CardBack, back);
    return reg;
}

bool red(QRgb p) { return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90; }
bool black(QRgb p) { return qRed(p) < 70 && qGreen(p) < 70 && qBlue(p) < 70; }

// Number of separate blobs of ink pixels (4-connected, at least minArea
// pixels) inside the rectangle.
int blobs(const QImage& img, const QRect& area, const std::function<bool(QRgb)>& ink, int minArea) {
    std::vector<char> seen(std::size_t(img.width() * img.height()), 0);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[std::size_t(y * img.width() + x)] || !ink(img.pixel(x, y))) continue;
            int size = 0;
            std::vector<QPoint> stack{{x, y}};
            seen[std::size_t(y * img.width() + x)] = 1;
            while (!stack.empty()) {
                const QPoint q = stack.back();
                stack.pop_back();
                ++size;
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = q + d;
                    if (!area.contains(n) || seen[std::size_t(n.y() * img.width() + n.x())] || !ink(img.pixel(n))) continue;
                    seen[std::size_t(n.y() * img.width() + n.x())] = 1;
                    stack.push_back(n);
                }
            }
            if (size >= minArea) ++count;
        }
    return count;
}

TEST_F(LibraryTest, SheetsAreCutIntoAceToTenWithTheirPipCounts) {
    struct Case {
        const char* size;
        const char* set;
        QSize card;
        QRect pipField;  // between the corner indices
    };
    const Case cases[] = {{"B", "001", {71, 96}, QRect(14, 8, 43, 80)},
                          {"B", "003", {71, 96}, QRect(15, 8, 41, 80)},
                          {"M", "001", {59, 80}, QRect(12, 7, 35, 66)},
                          {"M", "003", {59, 80}, QRect(13, 7, 33, 66)}};
    for (const Case& c : cases) {
        CardImages images;
        loadCardImages(cardRegister(c.size, c.set, "001"), images, true);
        for (int suit = 0; suit < 4; ++suit) {
            const auto ink = suit < 2 ? std::function<bool(QRgb)>(red) : std::function<bool(QRgb)>(black);
            for (int r = 2; r <= 10; ++r) {
                const QImage& face = images.faces[std::size_t(suit * 13 + r - 1)];
                ASSERT_EQ(face.size(), c.card);
                EXPECT_EQ(blobs(face, c.pipField, ink, 15), r) << c.size << c.set << " suit " << suit << " rank " << r;
            }
            // The ace has one big pip, and it lies in the middle.
            const QImage& ace = images.faces[std::size_t(suit * 13)];
            const QPoint mid(c.card.width() / 2, c.card.height() / 2);
            EXPECT_EQ(blobs(ace, c.pipField, ink, 150), 1) << c.size << c.set << " suit " << suit;
            EXPECT_EQ(blobs(ace, QRect(mid - QPoint(10, 12), QSize(21, 25)), ink, 150), 1) << c.size << c.set << suit;
        }
    }
}

TEST_F(LibraryTest, RedSuitsAreRedAndBlackSuitsBlack) {
    const Register reg = cardRegister("M", "003", "001");
    CardImages images;
    loadCardImages(reg, images, true);
    for (int i = 0; i < 52; ++i) {
        const QImage& face = images.faces[std::size_t(i)];
        ASSERT_EQ(face.size(), QSize(59, 80)) << i;
        int reds = 0, blacks = 0;
        // The rank index at the top left tells the colour of the suit.
        for (int y = 2; y < 24; ++y)
            for (int x = 1; x < 14; ++x) {
                reds += red(face.pixel(x, y));
                blacks += black(face.pixel(x, y));
            }
        if (i < 26) {
            EXPECT_GT(reds, 15) << i;
        } else {
            EXPECT_EQ(reds, 0) << i;
            EXPECT_GT(blacks, 15) << i;
        }
        // White card inside its frame at the middle of the left edge.
        EXPECT_EQ(face.pixel(3, 40), qRgb(255, 255, 255)) << i;
    }
}

TEST_F(LibraryTest, SheetCellsFollowTheRowsOfFiveFiveAndThree) {
    // Every card of a sheet is its own picture: no two faces alike, each
    // matching its cell of the sheet (row r / 5, column r mod 5).
    const Register reg = cardRegister("L", "001", "001");
    CardImages images;
    loadCardImages(reg, images, true);
    const QImage sheet = resources::bitmap("CL001S");
    for (int r = 0; r < 13; ++r) {
        const QImage& face = images.faces[std::size_t(39 + r)];
        EXPECT_EQ(face, sheet.copy((r % 5) * 25, (r / 5) * 32, 25, 32)) << r;
        for (int q = r + 1; q < 13; ++q) EXPECT_NE(face, images.faces[std::size_t(39 + q)]) << r << " " << q;
    }
    // The king lies in the third row, third column; beyond it the sheet has
    // no card.
    EXPECT_EQ(images.faces[51], sheet.copy(2 * 25, 2 * 32, 25, 32));
    EXPECT_EQ(images.faces[52], resources::bitmap("JOKER_L"));
}

TEST_F(LibraryTest, MissingSheetsGiveEmptyFacesAndFacesOnlyLeavesTheRest) {
    Register reg = cardRegister("B", "002", "001");
    CardImages images;
    loadCardImages(reg, images, true);
    EXPECT_TRUE(images.faces[0].isNull());
    EXPECT_TRUE(images.faces[51].isNull());
    EXPECT_FALSE(images.faces[52].isNull());  // the joker does not depend on the set
    EXPECT_TRUE(images.back.isNull());
    EXPECT_TRUE(images.marks.empty());

    reg.write(reg::CardFaceSet, "001");
    loadCardImages(reg, images, false);
    EXPECT_FALSE(images.back.isNull());
    EXPECT_EQ(images.marks.size(), 21u);
    EXPECT_EQ(images.marks.at("_TABLEAU"), resources::bitmap("WB_TABLEAU"));
    EXPECT_EQ(images.shadowRight, resources::bitmap("SHADOW_B1"));
    EXPECT_EQ(images.border2, resources::bitmap("3D_BORDER_B2"));

    CardImages untouched;
    loadCardImages(cardRegister("X", "001", "001"), untouched, false);
    EXPECT_TRUE(untouched.faces[0].isNull());
    EXPECT_TRUE(untouched.back.isNull());
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST_F(LibraryTest, MiddleSizeBacksAreTheBigBacksScaledExceptPlaiting) {
    CardImages images;
    loadBack(cardRegister("M", "003", "011"), images);
    EXPECT_EQ(images.back, resources::bitmap("DM011"));

    for (const char* back : {"001", "003", "014", "019"}) {
        loadBack(cardRegister("M", "003", back), images);
        ASSERT_EQ(images.back.size(), QSize(59, 80)) << back;
        // Not the middle-size picture of the library, but the big one scaled.
        EXPECT_NE(images.back, resources::bitmap(std::string("DM") + back)) << back;
        const QImage big = resources::bitmap(std::string("DB") + back);
        ASSERT_EQ(big.size(), QSize(71, 96));
        const QImage scaled = big.scaled(59, 80, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_LT(meanDifference(images.back.convertToFormat(QImage::Format_RGB32), scaled.convertToFormat(QImage::Format_RGB32)), 30.0)
            << back;
    }

    loadBack(cardRegister("B", "001", "014"), images);
    EXPECT_EQ(images.back, resources::bitmap("DB014"));
    loadBack(cardRegister("L", "001", "019"), images);
    EXPECT_EQ(images.back, resources::bitmap("DL019"));
    loadBack(cardRegister("M", "001", "077"), images);
    EXPECT_TRUE(images.back.isNull());
}

TEST(PictureFiles, MissingFileShowsTheImagesFileErrorAndEndsTheProgram) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Register reg;
    reg.initialise((dir.path() + "/").toStdString());

    std::vector<std::string> calls;
    FatalPictureError onError{[&](const QString& title, const QString& text) {
                                  calls.push_back("box " + title.toStdString() + "|" + text.toStdString());
                              },
                              [&] { calls.push_back("end"); }};
    QImage img;
    EXPECT_FALSE(loadImageFile(reg, img, QStringLiteral("Felt"), onError));
    const std::string path = dir.path().toStdString() + "/Felt.bmp";
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], "box Error|Cannot find images file:\n" + path +
                            "\nSome program components cannot be shown correctly.\n"
                            "Copy the file into the directory that above is specified\n"
                            "or reinstall the program.");
    EXPECT_EQ(calls[1], "end");

    // Present as a .bmp in the data folder: loaded without a word.
    QImage pic(10, 8, QImage::Format_RGB32);
    pic.fill(QColor(1, 2, 3));
    ASSERT_TRUE(pic.save(QString::fromStdString(path), "BMP"));
    calls.clear();
    EXPECT_TRUE(loadImageFile(reg, img, QStringLiteral("Felt"), onError));
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(img.size(), QSize(10, 8));
    EXPECT_EQ(img.pixel(5, 5), qRgb(1, 2, 3));

    // A name with a folder is taken as it is; a file that is no picture
    // counts as missing.
    const QString junk = dir.filePath(QStringLiteral("junk.png"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("no picture");
    f.close();
    EXPECT_FALSE(loadImageFile(reg, img, junk, onError));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_NE(calls[0].find(junk.toStdString() + "\n"), std::string::npos);
    EXPECT_TRUE(img.isNull());
}

}  // namespace
}  // namespace tessaro
