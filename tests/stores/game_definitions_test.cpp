#include "stores/game_definitions.h"

#include <gtest/gtest.h>

#include "engine/context.h"
#include "platform/text_file.h"
#include "stores/games_dat_format.h"
#include "stores/rules_file.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

const char* const kGood =
    "# a game\n"
    "number: 201\n"
    "name: Memory-Up (6x4)\n"
    "category: 16\n"
    "offer: 5\n"
    "screen: 1\n"
    "\n"
    "50 = 37   # family\n"
    "367 = 4\n"
    "49 = -52\n";

TEST(GameDefinitions, AGoodDefinition) {
    const GameDefinition g = parseGameDefinition(kGood, "g.game");
    EXPECT_EQ(g.number, 201);
    EXPECT_EQ(g.name, "Memory-Up (6x4)");
    EXPECT_EQ(g.category, 16);
    EXPECT_EQ(g.offer, '5');
    EXPECT_EQ(g.screen, '1');
    EXPECT_EQ(g.params, (std::map<int, int>{{49, -52}, {50, 37}, {367, 4}}));
    EXPECT_EQ(catalogueLine(g), " 16 20151 Memory-Up (6x4)" + std::string(35, ' '));
}

TEST(GameDefinitions, BadDefinitionsAreRefusedWithFileAndLine) {
    const std::string head = "number: 200\nname: A\ncategory: 16\n";
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {head + "490 = 1\n", "d.game:4: unknown parameter number 490"},
        {head + "0 = 1\n", "d.game:4: unknown parameter number 0"},
        {head + "50 = 32768\n", "d.game:4: value outside 16 bits: 32768"},
        {head + "50 = -32769\n", "d.game:4: value outside 16 bits: -32769"},
        {head + "50 = 1\n50 = 2\n", "d.game:5: parameter 50 given twice"},
        {head + "50 = x\n", "d.game:4: not a number: 'x'"},
        {head + "50 = 99999999999999999999\n", "d.game:4: number out of range: '99999999999999999999'"},
        {head + "50 1\n", "d.game:4: expected 'P = V' or 'key: value'"},
        {head + "colour: red\n", "d.game:4: unknown header 'colour'"},
        {head + "number: 201\n", "d.game:4: header 'number' given twice"},
        {"number: 1000\n", "d.game:1: the game number must be 0-999, got 1000"},
        {"name: M\xc3\xa9moire\n", "d.game:1: the name must be plain ASCII: 'M\xc3\xa9moire'"},
        {"name: " + std::string(51, 'x') + "\n", "d.game:1: the name must be 1-50 characters"},
        {"offer: 10\n", "d.game:1: the offer code must be one character"},
        {"screen: 2\n", "d.game:1: screen must be 0 or 1"},
        {"name: A\ncategory: 1\n", "d.game: header 'number' missing"},
    };
    for (const auto& c : cases) {
        try {
            parseGameDefinition(c.text, "d.game");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const DefinitionError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(GameDefinitions, TwoGamesWithOneNumberAreRefused) {
    auto a = parseGameDefinition("number: 7\nname: A\ncategory: 1\n", "a.game");
    auto b = parseGameDefinition("number: 7\nname: B\ncategory: 1\n", "b.game");
    try {
        writeGamesDat({a, b});
        ADD_FAILURE() << "accepted";
    } catch (const DefinitionError& e) {
        EXPECT_EQ(std::string(e.what()), "duplicate game number 7 in a.game and b.game");
    }
}

TEST(GameDefinitions, TheWrittenFileLoadsBack) {
    auto b = parseGameDefinition(kGood, "b.game");
    b.offer = '0';
    auto a = parseGameDefinition("number: 4\nname: Four\ncategory: 9\n50 = -1\n489 = 32767\n1 = -32768\n", "a.game");
    const std::string file = writeGamesDat({b, a});
    EXPECT_EQ(file.substr(0, 9), "[Sect1]\r\n");
    const auto lines = splitLines(file);
    ASSERT_EQ(lines.size(), 1u + 2u + 1u + 489u);
    EXPECT_EQ(gamesdat::decode(lines[1]), catalogueLine(a));  // sorted by number
    // The number, the custom column and one column per game, each column
    // followed by a plain blank.
    const auto col = [](std::string_view v) { return gamesdat::encode(std::string(10 - v.size(), ' ') + std::string(v)) + " "; };
    EXPECT_EQ(lines[4], "0001 " + col("0") + col("-32768") + col("0"));
    EXPECT_EQ(lines[492].substr(0, 4), "0489");

    test::TempDir dir;
    dir.write("GAMES.DAT", file);
    Context ctx;
    ctx.reg.initialise(dir.folder());
    buildCatalogue(ctx);
    EXPECT_EQ(ctx.mainGame.name(201), "Memory-Up (6x4)");
    EXPECT_EQ(ctx.mainGame.category(4), 9);
    ctx.reg.writePlain(reg::Game, 4);
    loadRules(ctx);
    EXPECT_EQ(ctx.P[1], -32768);
    EXPECT_EQ(ctx.P[50], -1);
    EXPECT_EQ(ctx.P[489], 32767);
    ctx.reg.writePlain(reg::Game, 201);
    loadRules(ctx);
    EXPECT_EQ(ctx.P[1], 0);
    EXPECT_EQ(ctx.P[49], -52);
    EXPECT_EQ(ctx.P[367], 4);
}

TEST(GameDefinitions, GamesNotOfferedHaveNoColumn) {
    const auto a = parseGameDefinition("number: 1\nname: A\ncategory: 1\n50 = 11\n", "a.game");
    const auto hidden = parseGameDefinition("number: 2\nname: H\ncategory: 1\noffer: 3\n50 = 22\n", "h.game");
    const auto c = parseGameDefinition("number: 3\nname: C\ncategory: 1\noffer: 5\n50 = 33\n", "c.game");
    test::TempDir dir;
    dir.write("GAMES.DAT", writeGamesDat({a, hidden, c}));
    Context ctx;
    ctx.reg.initialise(dir.folder());
    buildCatalogue(ctx);
    EXPECT_EQ(readGameParameters(ctx, 1, {50}), (std::vector<int>{11}));
    EXPECT_EQ(readGameParameters(ctx, 3, {50}), (std::vector<int>{33}));
    EXPECT_EQ(readGameParameters(ctx, 2, {50}), (std::vector<int>{0}));  // the custom column
}

TEST(GamesDatFormat, TheByteShift) {
    EXPECT_EQ(gamesdat::encode(" 0-9"), "P`]i");
    EXPECT_EQ(gamesdat::decode("P`]i"), " 0-9");
    EXPECT_EQ(gamesdat::decode(std::string("\x01\x4f", 2)), std::string("\x31\x7f", 2));  // below 80: + 48
    EXPECT_EQ(gamesdat::decode("\xff"), "\xcf");
    EXPECT_TRUE(gamesdat::encodable(std::string("\x20\xcf", 2)));
    EXPECT_FALSE(gamesdat::encodable("\t"));
    EXPECT_FALSE(gamesdat::encodable("\xd0"));
    EXPECT_THROW(gamesdat::encode("a\nb"), std::invalid_argument);
}

TEST(GamesDatFormat, TheShippedRulesFileListsTheMemoryGames) {
    Context ctx;
    ctx.reg.initialise(std::string(TESSARO_BIN_DIR) + "/");
    buildCatalogue(ctx);
    EXPECT_EQ(ctx.mainGame.name(201), "Memory-Up (6x4)");
    for (int game = 200; game <= 205; ++game) EXPECT_EQ(ctx.mainGame.category(game), 16) << game;
}

}  // namespace
}  // namespace tessaro
