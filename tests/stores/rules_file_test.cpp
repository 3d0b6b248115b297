#include "stores/rules_file.h"

#include <gtest/gtest.h>

#include "engine/context.h"
#include "stores/game_definitions.h"
#include "stores/games_dat_format.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

std::string column(std::string_view plain) {
    std::string padded(plain.size() < 10 ? 10 - plain.size() : 0, ' ');
    padded += plain;
    return gamesdat::encode(padded);
}

// A "[Sect2]" line: the four digits, the custom-game column and one column
// per catalogue entry.
std::string paramLine(std::string_view number, std::string_view custom, std::initializer_list<std::string_view> values) {
    std::string line = std::string(number) + " " + column(custom) + " ";
    for (auto v : values) line += column(v) + " ";
    return line;
}

std::string catalogue(int number, std::string_view name, char offer = '0') {
    GameDefinition g;
    g.number = number;
    g.name = std::string(name);
    g.category = 16;
    g.offer = offer;
    return gamesdat::encode(catalogueLine(g));
}

class RulesFileTest : public ::testing::Test {
protected:
    // Writes GAMES.DAT from lines joined by CR LF and builds the catalogue.
    void rules(std::initializer_list<std::string> lines, std::string_view eol = "\r\n") {
        std::string text;
        for (const auto& l : lines) text += l + std::string(eol);
        dir.write("GAMES.DAT", text);
        ctx.reg.initialise(dir.folder());
        buildCatalogue(ctx);
    }
    void current(int game) { ctx.reg.writePlain(reg::Game, game); }
    std::string path() const { return dir.path("GAMES.DAT").string(); }

    test::TempDir dir;
    Context ctx;
};

TEST_F(RulesFileTest, ALineSetsItsParameterFromTheCurrentGamesColumnOnly) {
    rules({"[Sect1]", catalogue(200, "A"), catalogue(201, "B"), "[Sect2]", paramLine("0050", "0", {"36", "37"})});
    ctx.P.set(49, 5);
    ctx.P.set(51, 7);
    current(201);
    loadRules(ctx);
    EXPECT_EQ(ctx.P[50], 37);
    EXPECT_EQ(ctx.P[49], 5);
    EXPECT_EQ(ctx.P[51], 7);
    current(200);
    loadRules(ctx);
    EXPECT_EQ(ctx.P[50], 36);
}

TEST_F(RulesFileTest, CustomGamesAndGamesNotOfferedReadTheCustomColumn) {
    rules({"[Sect1]", catalogue(200, "A"), catalogue(7, "Hidden", '3'), "[Sect2]",
           paramLine("0050", "39", {"36", "37"})});
    EXPECT_EQ(ctx.mainGame.index(7), -1);
    for (int game : {8000, 8123, 7}) {
        ctx.P.set(50, 0);
        current(game);
        loadRules(ctx);
        EXPECT_EQ(ctx.P[50], 39) << game;
    }
}

TEST_F(RulesFileTest, ValuesAreBlankPaddedNumbersStoredAsSixteenBits) {
    rules({"[Sect1]", catalogue(200, "A"), "[Sect2]", paramLine("0015", "0", {"-1"}), paramLine("0016", "0", {"70000"}),
           paramLine("0017", "0", {"-40000"}), paramLine("0018", "0", {"12   "})});
    current(200);
    loadRules(ctx);
    EXPECT_EQ(ctx.P[15], -1);
    EXPECT_EQ(ctx.P[16], 4464);
    EXPECT_EQ(ctx.P[17], 25536);
    EXPECT_EQ(ctx.P[18], 12);
}

TEST_F(RulesFileTest, BadLinesAreReportedWithFileAndLineAndChangeNothing) {
    struct Case {
        const char* name;
        std::string line;
        std::string message;
    };
    const Case cases[] = {
        {"blank column", paramLine("0020", "0", {""}),
         "the value '          ' in the column of catalogue index 0 is not a whole number"},
        {"word", paramLine("0020", "0", {"ab"}), "the value '        ab' in the column of catalogue index 0 is not a whole number"},
        {"too wide", paramLine("0020", "0", {"9999999999"}),
         "the value '9999999999' in the column of catalogue index 0 is not a whole number"},
        {"number too big", paramLine("0600", "0", {"1"}), "the parameter number 600 is outside 0-489"},
        {"negative number", paramLine("-001", "0", {"1"}), "the parameter number -1 is outside 0-489"},
        {"number not digits", paramLine("00x5", "0", {"1"}), "the parameter number '00x5' is not a whole number"},
        {"short line", "0020 " + column("0"), "the value '' in the column of catalogue index 0 is not a whole number"},
        {"empty line", "", "the value '' in the column of catalogue index 0 is not a whole number"},
    };
    for (const auto& c : cases) {
        rules({"[Sect1]", catalogue(200, "A"), "[Sect2]", paramLine("0050", "0", {"37"}), c.line});
        ctx.P.clear();
        ctx.P.set(131, 4);
        ctx.P.saveChangeable();
        ctx.P.set(131, 9);
        current(200);
        try {
            loadRules(ctx);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const RulesFileError& e) {
            EXPECT_EQ(std::string(e.what()), path() + ", line 5: " + c.message) << c.name;
        }
        EXPECT_EQ(ctx.P[50], 0) << c.name;  // the good line before was not applied
        ctx.P.restoreChangeable();
        EXPECT_EQ(ctx.P[131], 4) << c.name;  // nor was the save area overwritten
    }
}

TEST_F(RulesFileTest, LoadingSavesTheChangeableRanges) {
    rules({"[Sect1]", catalogue(200, "A"), "[Sect2]", paramLine("0140", "0", {"3"}), paramLine("0200", "0", {"8"}),
           paramLine("0055", "0", {"2"})});
    current(200);
    loadRules(ctx);
    ctx.P.set(140, 99);
    ctx.P.set(200, 99);
    ctx.P.set(55, 99);
    ctx.P.restoreChangeable();
    EXPECT_EQ(ctx.P[140], 3);
    EXPECT_EQ(ctx.P[55], 2);
    EXPECT_EQ(ctx.P[200], 99);
}

TEST_F(RulesFileTest, RepeatedSectionHeadersAddTheirLinesInFileOrder) {
    rules({"[Sect2]", paramLine("0050", "0", {"36"}), "[Other]", paramLine("0050", "0", {"1"}), paramLine("0051", "0", {"1"}),
           "[sect2]", paramLine("0052", "0", {"1"}), "[Sect1]", catalogue(200, "A"), "[Sect2] again",
           paramLine("0050", "0", {"38"}), paramLine("0367", "0", {"4"})},
          "\n");
    current(200);
    loadRules(ctx);
    EXPECT_EQ(ctx.P[50], 38);
    EXPECT_EQ(ctx.P[367], 4);
    EXPECT_EQ(ctx.P[51], 0);  // other sections and the lower-case header are ignored
    EXPECT_EQ(ctx.P[52], 0);
}

TEST_F(RulesFileTest, CarriageReturnsAloneEndLinesToo) {
    rules({"[Sect1]", catalogue(200, "A"), "[Sect2]", paramLine("0050", "0", {"37"}), paramLine("0049", "0", {"-52"})}, "\r");
    current(200);
    loadRules(ctx);
    EXPECT_EQ(ctx.P[50], 37);
    EXPECT_EQ(ctx.P[49], -52);
}

TEST_F(RulesFileTest, AMissingFileIsReportedAndChangesNothing) {
    ctx.reg.initialise(dir.folder());
    current(200);
    ctx.P.set(50, 37);
    try {
        loadRules(ctx);
        ADD_FAILURE() << "no error";
    } catch (const RulesFileError& e) {
        EXPECT_EQ(std::string(e.what()), "cannot read the rules file " + path());
    }
    EXPECT_EQ(ctx.P[50], 37);
    EXPECT_THROW(buildCatalogue(ctx), RulesFileError);
}

TEST_F(RulesFileTest, AnotherGamesParametersComeFromLineNMinusOne) {
    // Line n - 1 is read whatever number it carries.
    rules({"[Sect1]", catalogue(200, "A"), catalogue(201, "B"), "[Sect2]", paramLine("0001", "0", {"10", "20"}),
           paramLine("0002", "0", {"11", "21"}), paramLine("0009", "5", {"70000", "-3"})});
    ctx.P.set(2, 77);
    EXPECT_EQ(readGameParameters(ctx, 201, {3, -1, 1, 2}), (std::vector<int>{-3, kNotWanted, 20, 21}));
    EXPECT_EQ(readGameParameters(ctx, 200, {3}), (std::vector<int>{4464}));
    EXPECT_EQ(readGameParameters(ctx, 8001, {3}), (std::vector<int>{5}));
    EXPECT_EQ(ctx.P[2], 77);
    try {
        readGameParameters(ctx, 200, {4});
        ADD_FAILURE() << "no error";
    } catch (const RulesFileError& e) {
        EXPECT_EQ(std::string(e.what()), path() + ": no line for parameter 4 in [Sect2]");
    }
    EXPECT_THROW(readGameParameters(ctx, 200, {0}), RulesFileError);
    EXPECT_THROW(readGameParameters(ctx, 200, {490}), RulesFileError);
}

}  // namespace
}  // namespace tessaro
