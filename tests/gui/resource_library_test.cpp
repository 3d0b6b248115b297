// The resource library holds every name the program asks for, in the sizes
// the table expects, and a damaged library file is refused.
#include <gtest/gtest.h>

#include <QCursor>
#include <QDirIterator>
#include <QFile>
#include <QResource>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <string>
#include <vector>

#include "library_fixture.h"

namespace tessaro {
namespace {

using test::LibraryTest;

struct Sized {
    std::string name;
    int w, h;
};

const char* const kSizes[3] = {"B", "M", "L"};
const int kW[3] = {71, 59, 25}, kH[3] = {96, 80, 32};

// Card sheets, jokers, backs, marks, shadows and borders for every size.
std::vector<Sized> tablePictures() {
    std::vector<Sized> all;
    for (int s = 0; s < 3; ++s) {
        const std::string S = kSizes[s];
        for (const char* set : {"001", "003"})
            for (const char* suit : {"H", "D", "C", "S"}) all.push_back({"C" + S + set + suit, 6 * kW[s], 4 * kH[s]});
        all.push_back({"JOKER_" + S, kW[s], kH[s]});
        for (const char* back : {"001", "003", "011", "014", "019"}) all.push_back({"D" + S + back, kW[s], kH[s]});
        for (const char* code : {"_WASTE", "004", "022", "005", "008", "010", "012", "013", "014", "015", "016", "017",
                                 "018", "019", "020", "006", "003", "011", "_TABLEAU", "001", "009", "021"})
            all.push_back({"W" + S + code, kW[s], kH[s]});
        all.push_back({"021" + S + "W", kW[s], kH[s]});
        all.push_back({"3D_BORDER_" + S + "1", kW[s], kH[s]});
        all.push_back({"3D_BORDER_" + S + "2", kW[s], kH[s]});
    }
    return all;
}

std::vector<std::string> otherPictures() {
    std::vector<std::string> all = {
        "SHADOW_B1", "SHADOW_B2", "SHADOW_M1", "SHADOW_M2", "SHADOW_L1", "SHADOW_L2",
        "B102", "B287", "B296", "B304", "B311", "B324",
        "SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES",
        "TB_AUTOPLAY", "TB_AUTOPLAY_DIS", "TB_UNDO", "TB_UNDO_DIS", "TB_REDO", "TB_REDO_DIS",
        "TB_NEW", "TB_OPEN", "TB_RULES", "TB_EXIT",
        "TBL_NEW", "TBL_OPEN", "TBL_UNDO", "TBL_UNDO_DIS", "TBL_REDO", "TBL_REDO_DIS", "TBL_RULES", "TBL_EXIT",
        "TREE1", "TREE2", "N_TREE3", "N_TREE4", "N_TREE5", "F_TREE1", "F_TREE2", "S_TREE1", "S_TREE2",
        "D_TREE1", "D_TREE2", "C_TREE1", "C_TREE2", "TREE5_CUSTOMIZED_GAMES", "T_TREE1", "T_TREE2",
        "I_TREE1", "I_TREE2", "TREE5_ORIGINAL_TYPE", "TREE5_CUSTOMIZED_GAMES_WIN", "TREE5_CUSTOMIZED_GAMES_NOWIN",
        "PROG_TIME_LONG", "PROG_TIME_MEDIUM", "PROG_TIME_QUICK", "PROG_DIFF_EASY", "PROG_DIFF_MEDIUM",
        "PROG_DIFF_HARD", "PROG_CHAN_VERYHIGH", "PROG_CHAN_HIGH", "PROG_CHAN_MEDIUM", "PROG_CHAN_LOW",
        "PROG_CHAN_VERYLOW", "PROG_SKILL_DIFFICULT", "PROG_SKILL_MOSTLYSKILL", "PROG_SKILL_MODERATE",
        "PROG_SKILL_MOSTLYCHANCE", "PROG_SKILL_CHANCEONLY", "PROG_DISABLED",
        "SPLASH", "SPLASH_EDITION", "SPLASH_BAND", "ADVICE_COLOR"};
    for (const char* c : {"CANFIELD", "FORTYTHIEVES", "FREECELL", "KLONDIKE", "PAIRING", "SIMPLEGAMES", "SPIDER",
                          "1DECK", "2DECK", "FAN", "BAKERSDOZEN", "ROW", "PUZZLE", "ADDITION", "MEMORY",
                          "BELEAGUEREDCASTLE", "QUEENOFITALY", "YUKON", "MATHEMATICAL", "SIRTOMMY", "NONBUILDERS",
                          "STRIPPEDDECK"})
        for (const char* suffix : {"", "_WIN", "_NOWIN"}) all.push_back(std::string("TREE5_") + c + "_TYPE" + suffix);
    return all;
}

TEST_F(LibraryTest, HoldsEveryTablePictureInItsCardSize) {
    for (const Sized& s : tablePictures()) {
        const QImage img = resources::bitmap(s.name);
        EXPECT_FALSE(img.isNull()) << s.name;
        EXPECT_EQ(img.width(), s.w) << s.name;
        EXPECT_EQ(img.height(), s.h) << s.name;
    }
}

TEST_F(LibraryTest, HoldsEveryOtherPictureTheProgramAsksFor) {
    for (const std::string& name : otherPictures()) EXPECT_TRUE(resources::hasBitmap(name)) << name;
    EXPECT_EQ(resources::bitmap("SPLASH").size(), QSize(250, 200));
    EXPECT_EQ(resources::bitmap("SPLASH_BAND").size(), QSize(393, 48));
    EXPECT_EQ(resources::bitmap("TB_UNDO").size(), QSize(16, 16));
    EXPECT_EQ(resources::bitmap("TBL_UNDO").size(), QSize(24, 24));
    EXPECT_EQ(resources::bitmap("TREE1").size(), QSize(16, 16));
    EXPECT_EQ(resources::bitmap("SHADOW_B1").size(), QSize(7, 96));
    EXPECT_EQ(resources::bitmap("SHADOW_B2").size(), QSize(63, 7));
    EXPECT_EQ(resources::bitmap("SUIT_SPADES").size(), QSize(9, 10));
}

TEST_F(LibraryTest, MissingNamesGiveEmptyResults) {
    EXPECT_TRUE(resources::bitmap("CB002H").isNull());
    EXPECT_TRUE(resources::bitmap("").isNull());
    EXPECT_FALSE(resources::hasBitmap("_tmp_stop_"));
    EXPECT_TRUE(resources::wave("_tmp_stop_").isEmpty());
    QCursor c;
    EXPECT_FALSE(resources::cursor("CUR_NONE", c));
}

TEST_F(LibraryTest, TreePicturesCarryTheDarkRedKeyUnderTheirTransparency) {
    const QImage tree = resources::bitmap("TREE1");
    ASSERT_TRUE(tree.hasAlphaChannel());
    const QImage argb = tree.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(argb.pixel(0, 0), qRgba(128, 0, 0, 0));
    const QImage tool = resources::bitmap("TB_UNDO").convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(tool.pixel(15, 15), qRgba(192, 192, 192, 0));
}

TEST_F(LibraryTest, BordersAreBlueInsideAndShadowsDarkOnWhite) {
    const QImage border = resources::bitmap("3D_BORDER_B1");
    EXPECT_EQ(border.pixel(35, 48), qRgb(0, 0, 255));
    EXPECT_EQ(border.pixel(0, 0), qRgb(255, 255, 255));
    const QImage shadow = resources::bitmap("SHADOW_M1");
    int black = 0, white = 0;
    for (int y = 0; y < shadow.height(); ++y)
        for (int x = 0; x < shadow.width(); ++x) {
            const QRgb p = shadow.pixel(x, y);
            black += p == qRgb(0, 0, 0);
            white += p == qRgb(255, 255, 255);
        }
    EXPECT_EQ(black + white, shadow.width() * shadow.height());
    EXPECT_GT(black, 0);
    EXPECT_GT(white, 0);
}

TEST_F(LibraryTest, HoldsTheTwelveCursorsWithHotSpots) {
    for (const char* shape : {"ARROW1", "ARROW2", "RIGHT_HAND1", "RIGHT_HAND2", "LEFT_HAND1", "LEFT_HAND2"})
        for (const char* form : {"A", "B"}) {
            const std::string name = std::string("CUR_") + shape + form;
            QCursor c;
            ASSERT_TRUE(resources::cursor(name, c)) << name;
            EXPECT_EQ(c.pixmap().size(), QSize(32, 32)) << name;
            EXPECT_TRUE(QRect(0, 0, 32, 32).contains(c.hotSpot())) << name;
        }
    QCursor arrow;
    ASSERT_TRUE(resources::cursor("CUR_ARROW1A", arrow));
    EXPECT_EQ(arrow.hotSpot(), QPoint(1, 1));
}

// A RIFF WAVE of 16-bit mono PCM; answers its samples.
std::vector<qint16> pcmSamples(const QByteArray& wav, int* rate) {
    if (wav.size() < 44 || !wav.startsWith("RIFF") || wav.mid(8, 8) != "WAVEfmt ") return {};
    const auto* b = reinterpret_cast<const uchar*>(wav.constData());
    *rate = int(b[24] | b[25] << 8 | b[26] << 16 | b[27] << 24);
    if ((b[22] | b[23] << 8) != 1 || (b[34] | b[35] << 8) != 16) return {};
    std::vector<qint16> s(std::size_t((wav.size() - 44) / 2));
    memcpy(s.data(), wav.constData() + 44, s.size() * 2);
    return s;
}

TEST_F(LibraryTest, HoldsTheSixteenSoundsShortAndEquallyLoud) {
    struct Expect {
        const char* name;
        int maxMs;
    };
    const Expect sounds[] = {{"Splash", 2000}, {"About", 1000},    {"New", 500},        {"Won", 2000},
                             {"card_up", 150}, {"card_down", 150}, {"Shuffle", 1200},   {"Redeal", 1200},
                             {"Red_no_a", 400}, {"Stock", 150},    {"Autoplay", 300},   {"Foundation", 400},
                             {"Eddy", 500},    {"Tableau", 250},   {"Pairing", 600},    {"Face_up", 150}};
    for (const Expect& e : sounds) {
        int rate = 0;
        const std::vector<qint16> s = pcmSamples(resources::wave(e.name), &rate);
        ASSERT_FALSE(s.empty()) << e.name;
        EXPECT_EQ(rate, 22050) << e.name;
        EXPECT_LE(int(s.size() * 1000 / 22050), e.maxMs) << e.name;
        double sum = 0;
        int peak = 0;
        for (qint16 v : s) {
            sum += double(v) * v;
            peak = std::max(peak, std::abs(int(v)));
        }
        const double rms = std::sqrt(sum / double(s.size())) / 32767.0;
        // Loudness 0.14 RMS unless the -1 dBFS ceiling held the peak back.
        EXPECT_LE(peak, 29164) << e.name;
        EXPECT_TRUE(std::abs(rms - 0.14) < 0.005 || peak >= 29000) << e.name << " rms " << rms << " peak " << peak;
        EXPECT_GT(rms, 0.05) << e.name;
    }
}

TEST(ResourceLibraryFile, MissingEmptyOrDamagedFilesAreRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(resources::loadResourceLibrary(dir.filePath(QStringLiteral("absent.rgf"))));

    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return dir.filePath(name);
    };
    EXPECT_FALSE(resources::loadResourceLibrary(write(QStringLiteral("empty.rgf"), {})));
    EXPECT_FALSE(resources::loadResourceLibrary(write(QStringLiteral("text.rgf"), QByteArray("not a library at all"))));

    QFile lib(test::libraryPath());
    ASSERT_TRUE(lib.open(QIODevice::ReadOnly));
    const QByteArray good = lib.readAll();
    ASSERT_TRUE(resources::isValidResourceImage(good));
    // Cut anywhere: the tree or the data then reach past the end.
    for (double part : {0.25, 0.5, 0.9, 0.999}) {
        const QByteArray cut = good.left(qsizetype(good.size() * part));
        EXPECT_FALSE(resources::isValidResourceImage(cut)) << part;
    }
    EXPECT_FALSE(resources::loadResourceLibrary(write(QStringLiteral("cut.rgf"), good.left(good.size() / 2))));
    QByteArray wrongVersion = good;
    wrongVersion[7] = char(9);
    EXPECT_FALSE(resources::isValidResourceImage(wrongVersion));
    QByteArray badTree = good;
    badTree[8] = char(0x7F);  // tree offset far past the end
    EXPECT_FALSE(resources::isValidResourceImage(badTree));
}

// Fuzzing: bytes of the header, the tree and the names changed one at a
// time. Whatever the check lets through must register and read back without
// touching memory outside the file (run under the sanitizers in CI).
TEST(ResourceLibraryFile, ChangedBytesAreRefusedOrReadSafely) {
    QFile lib(test::libraryPath());
    ASSERT_TRUE(lib.open(QIODevice::ReadOnly));
    const QByteArray good = lib.readAll();
    const auto be32 = [&](int at) {
        return quint32(quint8(good[at])) << 24 | quint32(quint8(good[at + 1])) << 16 | quint32(quint8(good[at + 2])) << 8 |
               quint32(quint8(good[at + 3]));
    };
    const quint32 tree = be32(8), names = be32(16);
    ASSERT_LT(names, tree);  // rcc writes data, names, then the tree
    int accepted = 0, refused = 0;
    quint32 seed = 12345;
    for (int i = 0; i < 160; ++i) {
        seed = seed * 1103515245u + 12345u;
        // positions in the header (first 24 bytes), the names or the tree
        quint32 at = i < 24 ? quint32(i) : names + (seed >> 8) % (quint32(good.size()) - names);
        QByteArray bad = good;
        bad[at] = char(quint8(bad[at]) ^ quint8(1u << ((seed >> 4) % 8)));
        if (!resources::isValidResourceImage(bad) ||
            !QResource::registerResource(reinterpret_cast<const uchar*>(bad.constData()), QStringLiteral("/fuzz"))) {
            ++refused;
            continue;
        }
        ++accepted;
        QDirIterator it(QStringLiteral(":/fuzz"), QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (f.open(QIODevice::ReadOnly)) f.readAll();
        }
        QResource::unregisterResource(reinterpret_cast<const uchar*>(bad.constData()), QStringLiteral("/fuzz"));
    }
    EXPECT_GT(refused, 10);   // header and structure damage is seen
    EXPECT_GT(accepted, 10);  // a changed name or date is harmless
}

}  // namespace
}  // namespace tessaro
