// The one answer to rule parameters outside the table's ranges: the shipped
// games pass untouched, a count beyond its family is clamped for the deal and
// the layout alike, and what no table can show stops the game with a message
// that names the parameter.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/context.h"
#include "engine/deal.h"
#include "engine/dump.h"
#include "platform/text_file.h"
#include "stores/catalogue.h"
#include "stores/program_folder.h"
#include "stores/rules_file.h"
#include "support/rules_file_edit.h"
#include "support/temp_dir.h"
#include "table/layout.h"
#include "table/rule_limits.h"

namespace tessaro {
namespace {

std::unique_ptr<Context> shippedGame(int game, const std::vector<std::pair<int, int>>& sets = {}) {
    auto ctx = std::make_unique<Context>();
    ctx->reg.initialise(withTrailingSeparator(TESSARO_BIN_DIR));
    buildCatalogue(*ctx);
    ctx->reg.writePlain(reg::Game, game);
    ctx->reg.write(reg::GameName, ctx->mainGame.name(game));
    loadRules(*ctx);
    for (auto [p, v] : sets) ctx->P.set(p, v);
    return ctx;
}

TEST(RuleLimits, EveryShippedGameIsPlayableAndKeepsEveryValue) {
    auto ctx = shippedGame(1);
    const auto& lines = ctx->mainGame.lines();
    ASSERT_GE(lines.size(), 7u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int game = ctx->mainGame.gameAt(static_cast<int>(i));
        auto g = shippedGame(game);
        RuleTable limited = g->P;
        const auto problem = applyRuleLimits(limited);
        EXPECT_FALSE(problem) << "game " << game << ": " << unplayableMessage("", *problem);
        for (int n = 0; n < RuleTable::kCount; ++n) EXPECT_EQ(limited[n], g->P[n]) << "game " << game << " parameter " << n;
    }
}

struct Case {
    const char* name;
    int game;
    std::vector<std::pair<int, int>> sets;
    int parameter;  // the parameter looked at
    int expected;   // its value after the limits, or -1000 for "unplayable, naming it"
};
constexpr int kUnplayable = -1000;

TEST(RuleLimits, OneAnswerPerFamily) {
    const Case cases[] = {
        {"41 rows clamp to 40", 1, {{367, 41}}, 367, 40},
        {"no rows leave no column for the foundations", 1, {{367, -2}}, 356, kUnplayable},
        {"17 foundations clamp to 16", 1, {{366, 17}, {356, 1}}, 366, 16},
        {"11 reserve cells clamp to 10", 1, {{368, 11}, {361, 5}}, 368, 10},
        {"4 stock piles clamp to 3", 1, {{365, 4}}, 365, 3},
        {"5 jokers clamp to 4", 1, {{44, 1}, {373, 5}}, 373, 4},
        {"a deck of 60 cards cannot be built", 1, {{370, 60}}, 370, kUnplayable},
        {"a deck of fewer than no cards cannot be played", 1, {{370, -52}}, 370, kUnplayable},
        {"a tableau fan mode nobody knows piles the cards", 1, {{3, 40}}, 3, 0},
        {"a foundation fan mode nobody knows", 1, {{4, -1}}, 4, 0},
        {"a reserve fan mode nobody knows", 1, {{5, 6}}, 5, 0},
        {"an unknown deck filter filters nothing", 205, {{34, 99}}, 34, 0},
        {"a filter dealing by rank needs 13 rows", 1, {{34, 5}}, 367, kUnplayable},
        {"a row beyond the rows in use is dealt nothing", 200, {{377, 2}}, 377, 0},
        {"a reserve cell not in use is dealt nothing", 1, {{455, 3}}, 455, 0},
        {"start code 97 needs 8 foundations", 1, {{99, 97}}, 366, kUnplayable},
        {"a card on foundation 1 needs a foundation", 1, {{366, 0}, {12, 1}}, 366, kUnplayable},
        {"an unknown tableau arrangement", 1, {{358, 999}}, 358, kUnplayable},
        {"a tableau row digit with no header row", 1, {{359, 8}}, 358, kUnplayable},
        {"an unknown foundation arrangement", 1, {{356, 77}}, 356, kUnplayable},
        {"an unknown stock arrangement with cards in the stock", 1, {{354, 77}}, 354, kUnplayable},
        {"kings go under a stock the game does not have", 203, {{34, 1}}, 354, kUnplayable},
        {"row bottoms go to foundations the game does not have", 200, {{34, 7}}, 366, kUnplayable},
        {"a grid arrangement with more rows than it places", 200, {{367, 4}}, 358, kUnplayable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto ctx = shippedGame(c.game, c.sets);
        const int before = ctx->P[c.parameter];
        const auto problem = applyRuleLimits(ctx->P);
        if (c.expected == kUnplayable) {
            ASSERT_TRUE(problem);
            EXPECT_EQ(problem->parameter, c.parameter);
            EXPECT_EQ(problem->value, before);
        } else {
            EXPECT_FALSE(problem) << unplayableMessage("", *problem);
            EXPECT_EQ(ctx->P[c.parameter], c.expected);
        }
    }
}

// The clamped count is the one the deal and the layout both use: 41 rows deal
// and lay out exactly as 40 do, and every one of the 40 has a place.
TEST(RuleLimits, ClampedRowsGiveTheSameTableToDealAndLayout) {
    auto dealt = [](int rows) {
        auto ctx = shippedGame(1, {{367, rows}, {371, 23}, {413, 1}});
        EXPECT_FALSE(applyRuleLimits(ctx->P));
        ctx->reg.write(reg::DealNumber, "0000000104729");
        EXPECT_TRUE(deal(*ctx));
        ctx->layout.cardW = 71;
        ctx->layout.cardH = 96;
        ctx->layout.resetPositions();
        layoutTable(*ctx, windowInputs(1024, 17, 768, 718, 40, 1024, 768));
        EXPECT_EQ(pileWithoutPlace(*ctx), "");
        return pileDump(*ctx) + placedPiles(ctx->layout);
    };
    const std::string forty = dealt(40);
    EXPECT_NE(forty.find("Fila40=0"), std::string::npos);
    EXPECT_NE(forty.find("Fila40 "), std::string::npos);
    EXPECT_EQ(dealt(41), forty);
}

// Loading an unplayable game from the rules file leaves the table of the game
// before it; asking about it beforehand changes nothing at all.
TEST(RuleLimits, AnUnplayableGameLeavesThePreviousOne) {
    test::TempDir dir;
    std::string text;
    ASSERT_TRUE(readTextFile(std::string(TESSARO_BIN_DIR) + "/GAMES.DAT", text));
    auto ctx = shippedGame(200);
    const int klondike = ctx->mainGame.index(1);
    dir.write("GAMES.DAT", test::withRuleValue(text, klondike, 370, 60));
    ctx->reg.initialise(dir.folder());
    ctx->reg.writePlain(reg::Game, 200);
    loadPlayableRules(*ctx);
    const RuleTable memory = ctx->P;

    EXPECT_EQ(unplayableReason(*ctx, 1, "Klondike"),
              "The game \"Klondike\" cannot be played: its rule parameter 370 (number of cards) is 60; a deck holds "
              "at most 52 cards, or 104.");
    EXPECT_EQ(ctx->reg.readInt(reg::Game, -1), 200);
    EXPECT_EQ(unplayableReason(*ctx, 200, "Memory-Up (4x3)"), std::nullopt);

    ctx->reg.writePlain(reg::Game, 1);
    ctx->reg.write(reg::GameName, "Klondike");
    EXPECT_THROW(loadPlayableRules(*ctx), UnplayableGame);
    for (int n = 0; n < RuleTable::kCount; ++n) ASSERT_EQ(ctx->P[n], memory[n]) << "parameter " << n;
}

}  // namespace
}  // namespace tessaro
