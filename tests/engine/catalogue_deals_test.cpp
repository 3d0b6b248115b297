// Every patience game of the shipped catalogue deals a whole deck: over a
// thousand deal numbers each card of the game's deck lies on the table exactly
// once and no other card does.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "engine/context.h"
#include "engine/new_game.h"
#include "stores/rules_file.h"
#include "support/every_pile.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// The deal numbers as the game draws them: thirteen digits.
std::string dealNumber(Random& pick) {
    std::string s;
    for (int i = 0; i < 13; ++i) s += static_cast<char>('0' + pick.next(10));
    return s;
}

// Empty when every card 1..cards lies once in the piles (Dest1 of the
// selection games lists selected cards and is empty after a deal).
std::string tableProblem(const Context& ctx, int cards) {
    std::array<int, kCardCount + 1> seen{};
    for (auto [kind, count] : test::kEveryPileFamily)
        for (int i = 0; i < count; ++i) {
            const std::string& text = ctx.piles.text({kind, i});
            for (std::size_t k = 0; k + 3 <= text.size(); k += 3) {
                const int card = cardAt(text, k);
                if (card < 1 || card > cards) return "card " + std::to_string(card) + " in " + pileName({kind, i});
                if (++seen[static_cast<std::size_t>(card)] > 1) return "card " + std::to_string(card) + " twice";
            }
        }
    for (int card = 1; card <= cards; ++card)
        if (seen[static_cast<std::size_t>(card)] == 0) return "card " + std::to_string(card) + " missing";
    return {};
}

TEST(CatalogueDeals, EveryPatienceGameDealsEachCardOnce) {
    test::TempDir dir;
    std::filesystem::copy_file(std::string(TESSARO_BIN_DIR) + "/GAMES.DAT", dir.path("GAMES.DAT"));
    Context ctx;
    ctx.reg.initialise(dir.folder());
    buildCatalogue(ctx);
    int patience = 0;
    for (std::size_t i = 0; i < ctx.mainGame.lines().size(); ++i) {
        const int game = ctx.mainGame.gameAt(static_cast<int>(i));
        ctx.reg.writePlain(reg::Game, game);
        ctx.P = RuleTable{};
        loadRules(ctx);
        const int kind = ctx.P[50];
        if (kind >= 36 && kind <= 39) continue;  // the Memory games deal part of a deck by design
        ++patience;
        const int cards = ctx.P.cards();
        Random pick(static_cast<std::uint32_t>(game));
        for (int n = 0; n < 1000; ++n) {
            const std::string number = dealNumber(pick);
            ctx.reg.write(reg::DealNumber, number);
            newGame(ctx, 1, false, 1, true);
            const std::string problem = tableProblem(ctx, cards);
            ASSERT_EQ(problem, "") << "game " << game << " deal " << number;
        }
    }
    EXPECT_GE(patience, 21);
}

}  // namespace
}  // namespace tessaro
