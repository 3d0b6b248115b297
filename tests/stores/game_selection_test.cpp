// The selection dialog's game list, tree icons and game descriptions.
#include "stores/game_selection.h"

#include <gtest/gtest.h>

#include "engine/context.h"
#include "stores/rules_file.h"

namespace tessaro {
namespace {

// A decoded catalogue line: category in 1-3, number in 5-7, offer "0", screen
// code, name from 11.
std::string catalogueLine(const std::string& category, const std::string& number, const std::string& name) {
    std::string line = category;
    line.resize(3, ' ');
    line += " " + number + "00 " + name;
    line.resize(60, ' ');
    return line;
}

std::string padded(const std::string& s, std::size_t n) {
    std::string out = s;
    out.resize(n, ' ');
    return out;
}

TEST(SelectionGameList, OneLinePerGameSortedByNameWithoutRegardToCase) {
    MainGame g;
    g.addLine(catalogueLine(" 16", "201", "Memory-Up (6x4)"));
    g.addLine(catalogueLine("5", "001", "klondike"));
    g.addLine(catalogueLine(" 16", "203", "Ace-To-King"));
    g.addLine(catalogueLine("800", "999", "Zebra"));
    const std::vector<std::string> list = selectionGameList(g);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0], padded("Ace-To-King", 50) + " 16" + "203");
    EXPECT_EQ(list[1], padded("klondike", 50) + "5  " + "001");
    EXPECT_EQ(list[2], padded("Memory-Up (6x4)", 50) + " 16" + "201");
    EXPECT_EQ(list[3], padded("Zebra", 50) + "800" + "999");

    const GameListEntry a = parseGameListLine(list[1]);
    EXPECT_EQ(a.name, "klondike");
    EXPECT_EQ(a.category, 5);
    EXPECT_EQ(a.game, 1);
    // A line too short for its number is no game.
    const GameListEntry b = parseGameListLine("Broken line");
    EXPECT_EQ(b.name, "Broken line");
    EXPECT_EQ(b.game, -1);
    EXPECT_EQ(parseGameListLine(padded("X", 50) + " 16" + "2x1").game, -1);
}

TEST(SelectionTreeIcons, WonAndNotWonFormsOnlyWhenShownAndPlayed) {
    EXPECT_EQ(treeIconName(16, GameResult::Won, true), "TREE5_MEMORY_TYPE_WIN");
    EXPECT_EQ(treeIconName(16, GameResult::Lost, true), "TREE5_MEMORY_TYPE_NOWIN");
    EXPECT_EQ(treeIconName(16, GameResult::NotPlayed, true), "TREE5_MEMORY_TYPE");
    EXPECT_EQ(treeIconName(16, GameResult::Won, false), "TREE5_MEMORY_TYPE");
    EXPECT_EQ(treeIconName(800, GameResult::Lost, true), "TREE5_CUSTOMIZED_GAMES_NOWIN");
    EXPECT_EQ(treeIconName(99, GameResult::Won, true), "");
}

TEST(GameResults, AGameOnceWonStaysWonForTheRun) {
    MainGame g;
    EXPECT_EQ(g.result(201), GameResult::NotPlayed);
    g.recordResult(201, false);
    EXPECT_EQ(g.result(201), GameResult::Lost);
    g.recordResult(201, true);
    EXPECT_EQ(g.result(201), GameResult::Won);
    g.recordResult(201, false);
    EXPECT_EQ(g.result(201), GameResult::Won);
    EXPECT_EQ(g.result(202), GameResult::NotPlayed);
}

TEST(GameDescription, RedealsShowOneLessExceptNoneAndUnlimited) {
    EXPECT_EQ(redealText(-1), "Unlimited");
    EXPECT_EQ(redealText(0), "0");
    EXPECT_EQ(redealText(1), "0");
    EXPECT_EQ(redealText(2), "1");
    EXPECT_EQ(redealText(4), "3");
}

TEST(GameDescription, TextsAndPicturesOfEachClass) {
    GameDescriptors d;
    d.family = 0;
    d.foundations = 8;
    d.cards = 104;
    d.redeals = 3;
    d.time = 0;
    d.difficulty = 2;
    d.skill = 4;
    d.chance = 4;
    d.oddsWon = 1;
    d.oddsOf = 40;
    GameDescription out = describeGame(12, d);
    EXPECT_EQ(out.objective, "To move all the cards to the foundations");
    EXPECT_EQ(out.time.text, "Long");
    EXPECT_EQ(out.time.picture, "PROG_TIME_LONG");
    EXPECT_EQ(out.difficulty.text, "Hard");
    EXPECT_EQ(out.difficulty.picture, "PROG_DIFF_HARD");
    EXPECT_EQ(out.skill.text, "Chance only");
    EXPECT_EQ(out.skill.picture, "PROG_SKILL_CHANCEONLY");
    EXPECT_EQ(out.chance.text, "Very low (about 1 in 40)");
    EXPECT_EQ(out.chance.picture, "PROG_CHAN_VERYLOW");
    EXPECT_EQ(out.redeals, "2");
    EXPECT_EQ(out.decks, "2");

    d.family = 37;
    d.foundations = 0;
    d.cards = 51;  // fewer than a deck: no whole deck
    d.time = 2;
    d.difficulty = 0;
    d.skill = 0;
    d.chance = 0;
    d.oddsOf = 0;
    out = describeGame(201, d);
    EXPECT_EQ(out.objective, "To match up all the cards in the deck");
    EXPECT_EQ(out.time.text, "Quick");
    EXPECT_EQ(out.difficulty.text, "Easy");
    EXPECT_EQ(out.skill.text, "Difficult");
    EXPECT_EQ(out.chance.text, "Very high");  // no odds given
    EXPECT_EQ(out.decks, "0");

    d.family = 0;
    d.time = 1;
    d.difficulty = 1;
    d.skill = 2;
    d.chance = 2;
    out = describeGame(5, d);
    EXPECT_EQ(out.objective, "To move all the cards to the waste pile");
    EXPECT_EQ(out.time.picture, "PROG_TIME_MEDIUM");
    EXPECT_EQ(out.difficulty.picture, "PROG_DIFF_MEDIUM");
    EXPECT_EQ(out.skill.text, "Moderate");
    EXPECT_EQ(out.chance.picture, "PROG_CHAN_MEDIUM");
}

TEST(GameDescription, ValuesOutOfRangeShowNothingAndCustomGamesAreMarked) {
    GameDescriptors d;
    d.time = 3;
    d.difficulty = -1;
    d.skill = 5;
    d.chance = 7;
    d.oddsOf = 3;
    GameDescription out = describeGame(12, d);
    EXPECT_EQ(out.time.text, "");
    EXPECT_EQ(out.time.picture, "");
    EXPECT_EQ(out.difficulty.text, "");
    EXPECT_EQ(out.skill.picture, "");
    EXPECT_EQ(out.chance.text, "");  // no odds without a class

    d.skill = 3;
    out = describeGame(8001, d);
    for (const DescribedValue* v : {&out.time, &out.difficulty, &out.chance}) {
        EXPECT_EQ(v->text, "Customized game");
        EXPECT_EQ(v->picture, "PROG_DISABLED");
    }
    EXPECT_EQ(out.skill.text, "Mostly chance");
    EXPECT_EQ(out.skill.picture, "PROG_SKILL_MOSTLYCHANCE");
}

TEST(GameDescription, ReadFromTheBuiltRulesFile) {
    Context ctx;
    ctx.reg.initialise(TESSARO_BIN_DIR "/");
    buildCatalogue(ctx);
    const GameDescription klondike = describeGame(ctx, 1);
    EXPECT_EQ(klondike.objective, "To move all the cards to the foundations");
    EXPECT_EQ(klondike.redeals, "Unlimited");
    EXPECT_EQ(klondike.decks, "1");
    EXPECT_EQ(klondike.chance.text, "Medium (about 1 in 3)");
    EXPECT_EQ(klondike.time.text, "Medium");
    const GameDescription pairs = describeGame(ctx, 200);
    EXPECT_EQ(pairs.objective, "To match up all the cards in the deck");
    EXPECT_EQ(pairs.redeals, "0");
    EXPECT_EQ(pairs.decks, "2");
    EXPECT_EQ(pairs.difficulty.text, "Easy");
    EXPECT_EQ(pairs.chance.text, "High");
}

}  // namespace
}  // namespace tessaro
