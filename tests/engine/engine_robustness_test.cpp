// Whole-engine robustness: rule tables that no shipped game has, fed to game
// setup, new game (deal), the layout, autoplay and a few hundred random
// player moves through the move input and the judge. Runs in the plain and
// the sanitizer builds, where a read outside a table or an undefined
// operation ends the test. After every step no card may lie in two places.
// A table the limits let through is played as the limits leave it, and every
// card it deals must lie on a pile the layout places; a table they refuse is
// still played as it is, for the engine's sake.
#include <gtest/gtest.h>

#include "engine/selection.h"

#include <array>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "engine/autoplay.h"
#include "engine/context.h"
#include "engine/game_ports.h"
#include "engine/input.h"
#include "engine/new_game.h"
#include "stores/catalogue.h"
#include "stores/rules_file.h"
#include "support/every_pile.h"
#include "support/temp_dir.h"
#include "table/layout.h"
#include "table/rule_limits.h"

namespace tessaro {
namespace {

constexpr int kShippedGames[] = {1,  2,  3,  4,  10, 11, 12, 13, 20,  21,  30,  31,  40,  41,
                                  42, 43, 50, 60, 70, 80, 90, 200, 201, 202, 203, 204, 205};

// The rule tables of the shipped games, read from the built rules file.
std::vector<std::array<int, RuleTable::kCount>> shippedTables(const test::TempDir& dir) {
    std::filesystem::copy_file(std::string(TESSARO_BIN_DIR) + "/GAMES.DAT", dir.path("GAMES.DAT"));
    std::vector<std::array<int, RuleTable::kCount>> tables;
    for (int game : kShippedGames) {
        Context ctx;
        ctx.reg.initialise(dir.folder());
        buildCatalogue(ctx);
        ctx.reg.writePlain(reg::Game, game);
        loadRules(ctx);
        EXPECT_GT(ctx.P.cards(), 0) << "game " << game;
        std::array<int, RuleTable::kCount> t{};
        for (int n = 0; n < RuleTable::kCount; ++n) t[static_cast<std::size_t>(n)] = ctx.P[n];
        tables.push_back(t);
    }
    return tables;
}

// Card numbers in every pile: none may appear twice.
std::string duplicateCard(const Context& ctx) {
    std::array<int, kCardCount + 1> seen{};
    for (auto [kind, count] : test::kEveryPileFamily)
        for (int i = 0; i < count; ++i) {
            // In the selection games Dest1 lists the selected cards, which
            // still lie in their own piles.
            if (kind == PileKind::Foundation && i == 0 && selectionGame(ctx)) continue;
            const std::string& text = ctx.piles.text({kind, i});
            for (std::size_t k = 0; k + 3 <= text.size(); k += 3) {
                const int card = cardAt(text, k);
                if (card < 0 || card > kCardCount) return "card number " + std::to_string(card) + " in a pile";
                if (card != 0 && ++seen[static_cast<std::size_t>(card)] > 1)
                    return "card " + std::to_string(card) + " twice";
            }
        }
    return {};
}

std::string anyPileName(Random& pick) {
    switch (pick.next(5)) {
    case 0: return "Fila" + std::to_string(pick.next(kRows + 2));
    case 1: return "Dest" + std::to_string(pick.next(kFoundations + 2));
    case 2: return "Appogg" + std::to_string(pick.next(kReserves + 2));
    case 3: return pick.next(2) ? "Mazzo_Vis" : "Mazzo_Waste";
    default: return pick.next(2) ? "Mazzo" : "Dest_Autoplay" + std::to_string(pick.next(5));
    }
}

// The card on top of a random pile, or any number now and then.
int someCard(const Context& ctx, Random& pick) {
    if (pick.next(4) == 0) return pick.next(kCardCount + 2);  // 0-109: no card, any card, one past
    const auto ref = anyPileByName(anyPileName(pick));
    if (!ref || ctx.piles.count(*ref) == 0) return 0;
    const std::string& text = ctx.piles.text(*ref);
    return cardAt(text, 3 * static_cast<std::size_t>(pick.next(ctx.piles.count(*ref))));
}

// One random player action through the engine's own entry points; true when
// it moved or turned a card.
bool playerAction(Context& ctx, Random& pick) {
    const int card = someCard(ctx, pick);
    switch (pick.next(7)) {
    case 0: return stockClick(ctx);
    case 1: return tryDrop(ctx, card, anyPileName(pick), false);
    case 2: return moveToAnyPile(ctx, card, pick.next(2), pick.next(2), pick.next(2), false);
    case 3: return tableDoubleClick(ctx, Hit{anyPileName(pick), card});
    case 4: {
        const Hit hit{anyPileName(pick), card};
        if (!tablePress(ctx, pick.next(3) == 0 ? MouseButton::Right : MouseButton::Left, pick.next(4) == 0, hit))
            return false;
        tableMove(ctx, pick.next(2));
        return tableRelease(ctx, {anyPileName(pick), anyPileName(pick)});
    }
    case 5: return autoplayPass(ctx);
    default: return fillRows(ctx);
    }
}

// Game setup through the layout's table preparation, which reloads the rules
// (here: the table under test instead of the rules file).
class TableShell : public NullShell {
public:
    TableShell(Context& ctx, const std::array<int, RuleTable::kCount>& table) : ctx_(ctx), host_(table) {}
    void prepareTable() override {
        ++prepared;
        tessaro::prepareTable(ctx_, host_, windowInputs(1024, 17, 768, 718, 40, 1024, 768));
    }
    int prepared = 0;

private:
    struct Host : TableHost {
        explicit Host(const std::array<int, RuleTable::kCount>& t) : table(t) {}
        void reloadRules(Context& ctx) override {
            for (int n = 0; n < RuleTable::kCount; ++n) ctx.P.set(n, table[static_cast<std::size_t>(n)]);
            ctx.P.saveChangeable();
        }
        const std::array<int, RuleTable::kCount>& table;
    };
    Context& ctx_;
    Host host_;
};

struct Totals {
    int dealtCards = 0;
    int actedMoves = 0;
    int playable = 0;
};

// Plays one table of rules: setup, a new deal, the layout in a few window
// sizes, autoplay, and `moves` random actions.
void playTable(Context& ctx, Random& pick, int moves, const std::string& name, Totals& totals) {
    SCOPED_TRACE(name);
    RuleTable limited = ctx.P;
    const bool playable = !applyRuleLimits(limited);
    if (playable) {
        ctx.P = limited;
        ++totals.playable;
    }
    std::array<int, RuleTable::kCount> table{};
    for (int n = 0; n < RuleTable::kCount; ++n) table[static_cast<std::size_t>(n)] = ctx.P[n];
    TableShell shell(ctx, table);
    ctx.shell = &shell;
    gameSetup(ctx);
    ASSERT_EQ(shell.prepared, 1);
    newGame(ctx, 1, false, 2, true);
    ASSERT_EQ(duplicateCard(ctx), "") << "after the deal";
    for (int i = 0; i < kRows; ++i) totals.dealtCards += ctx.piles.count({PileKind::Row, i});
    totals.dealtCards += ctx.piles.count({PileKind::Stock, kMazzo});
    layoutTable(ctx, windowInputs(1024, 17, 768, 718, 40, 1024, 768));
    if (playable) {
        ASSERT_EQ(pileWithoutPlace(ctx), "") << "dealt onto a pile with no place";
    }
    layoutTable(ctx, windowInputs(640, 17, 480, 430, -1, 640, 480));
    if (playable) {
        ASSERT_EQ(pileWithoutPlace(ctx), "") << "dealt onto a pile with no place on a small screen";
    }
    layoutTable(ctx, previewInputs(120, 90, 800, 600));
    autoplayUntilStill(ctx, true);
    ASSERT_EQ(duplicateCard(ctx), "") << "after autoplay";
    for (int m = 0; m < moves; ++m) {
        totals.actedMoves += playerAction(ctx, pick);
        ASSERT_EQ(duplicateCard(ctx), "") << "after move " << m;
    }
    layoutTable(ctx, windowInputs(800, 17, 600, 550, 40, 1024, 768));
    ctx.shell = &ctx.nullShell;
}

class EngineRobustness : public ::testing::Test {
protected:
    void SetUp() override { shipped = shippedTables(dir); }
    void fresh(Context& ctx) const {
        ctx.reg.initialise(dir.folder());
        ctx.reg.write(reg::GameName, "Fuzzed");
    }
    test::TempDir dir;
    std::vector<std::array<int, RuleTable::kCount>> shipped;
};

// Shipped games with some parameters changed to values from the ranges the
// rules use: another game's value, a small count or code, a card number.
TEST_F(EngineRobustness, ShippedGamesWithPlausibleChanges) {
    Random pick(20261208);
    Totals totals;
    for (int round = 0; round < 120; ++round) {
        auto ctx = std::make_unique<Context>();
        fresh(*ctx);
        ctx->rng.setSeed(static_cast<unsigned>(round + 1));
        const auto& base = shipped[static_cast<std::size_t>(pick.next(static_cast<int>(shipped.size())))];
        for (int n = 0; n < RuleTable::kCount; ++n) ctx->P.set(n, base[static_cast<std::size_t>(n)]);
        const int changes = 1 + pick.next(round % 3 == 0 ? RuleTable::kCount : 40);
        for (int c = 0; c < changes; ++c) {
            const int n = pick.next(RuleTable::kCount);
            int v = 0;
            switch (pick.next(4)) {
            case 0: v = shipped[static_cast<std::size_t>(pick.next(static_cast<int>(shipped.size())))]
                               [static_cast<std::size_t>(n)]; break;
            case 1: v = pick.next(24) - 3; break;
            case 2: v = pick.next(112) - 1; break;
            default: v = pick.next(2) ? 0 : pick.next(1000); break;
            }
            ctx->P.set(n, v);
        }
        ctx->P.saveChangeable();
        playTable(*ctx, pick, 300, "plausible round " + std::to_string(round), totals);
        if (HasFatalFailure()) return;
    }
    // The tables were played, not refused at once.
    EXPECT_GT(totals.dealtCards, 2000);
    EXPECT_GT(totals.actedMoves, 500);
    EXPECT_GT(totals.playable, 30);
    std::cout << "[ totals   ] " << totals.dealtCards << " cards dealt, " << totals.actedMoves << " moves, "
              << totals.playable << " playable tables\n";
}

// Every one of the 490 parameters drawn from the whole 16-bit range.
TEST_F(EngineRobustness, AnySixteenBitValues) {
    Random pick(7001);
    Totals totals;
    for (int round = 0; round < 120; ++round) {
        auto ctx = std::make_unique<Context>();
        fresh(*ctx);
        ctx->rng.setSeed(static_cast<unsigned>(round + 100));
        for (int n = 0; n < RuleTable::kCount; ++n) ctx->P.set(n, pick.next(65536) - 32768);
        // Every other table keeps a real deck size, so that the deal and the
        // moves run on whatever the other values say.
        if (round % 2) ctx->P.set(370, round % 4 == 1 ? 52 : 104);
        ctx->P.saveChangeable();
        playTable(*ctx, pick, 200, "16-bit round " + std::to_string(round), totals);
        if (HasFatalFailure()) return;
    }
    std::cout << "[ totals   ] " << totals.dealtCards << " cards dealt, " << totals.actedMoves << " moves\n";
    EXPECT_GT(totals.actedMoves, 200);
}

}  // namespace
}  // namespace tessaro
