// The judge on random positions and random parameters, including piles that
// do not exist, jokers everywhere and out-of-range codes: it must answer
// without touching memory outside the tables (run under the sanitizers) and
// without changing the position it judges.
#include <array>
#include <cstdint>
#include <string>

#include "judge_fixture.h"

namespace tessaro {
namespace {

using namespace judgetest;

class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : s_(seed) {}
    int below(int n) {
        s_ = s_ * 134775813u + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(s_) * static_cast<std::uint32_t>(n)) >> 32);
    }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }

private:
    std::uint32_t s_;
};

std::string snapshot(const Context& ctx) {
    std::string s;
    for (int i = 0; i < kStockPiles; ++i) s += ctx.piles.stock(i) + '|';
    for (int i = 0; i < kFoundations; ++i) s += ctx.piles.dest(i) + '|';
    for (int i = 0; i < kRows; ++i) s += ctx.piles.fila(i) + '|';
    for (int i = 0; i < kReserves; ++i) s += ctx.piles.appogg(i) + '|';
    for (int c = 1; c <= kCardCount; ++c) s += ctx.cards.record(c)[19];
    return s;
}

TEST(JudgeFuzz, RandomPositionsAndParameters) {
    static constexpr std::array<int, 24> kEmptyCodes = {-2, -1, 0, 1, 5, 13, 14, 81, 82, 83, 84, 85,
                                                        86, 87, 88, 90, 91, 92, 93, 96, 100, 200, -7, 7};
    Lcg rng(20261207);
    int accepted = 0;
    for (int round = 0; round < 300; ++round) {
        auto ctx = makeContext();
        ctx->P.set(366, rng.between(-2, 20));
        ctx->P.set(367, rng.between(-2, 45));
        ctx->P.set(368, rng.between(-2, 12));
        for (int p : {2, 13, 28, 32, 33, 35, 50}) ctx->P.set(p, rng.between(-16, 60));
        for (int p = 51; p <= 370; ++p) ctx->P.set(p, rng.below(4) == 0 ? kEmptyCodes[rng.below(24)] : rng.between(-3, 112));
        ctx->run.setCounter(Counter::StockTurns, rng.between(-30, 30));
        // Scatter 108 cards and a few gaps over every pile.
        for (int card = 1; card <= kCardCount; ++card) {
            std::string& pile = [&]() -> std::string& {
                switch (rng.below(4)) {
                case 0: return ctx->piles.stock(rng.below(kStockPiles));
                case 1: return ctx->piles.dest(rng.below(kFoundations));
                case 2: return ctx->piles.fila(rng.below(kRows));
                default: return ctx->piles.appogg(rng.below(kReserves));
                }
            }();
            if (rng.below(20) == 0) pile += "000";
            pile += card3(card);
            ctx->cards.setFace(card, rng.below(5) == 0 ? '0' : '1');
        }
        const std::string before = snapshot(*ctx);
        for (int q = 0; q < 200; ++q) {
            ctx->drag.singleCard = rng.below(2) == 0;
            ctx->drag.runTop = rng.between(0, 110);
            const int card = rng.between(-2, 110);
            static const char* kFamilies[] = {"Dest", "Fila", "Appogg", "Mazzo"};
            const std::string pile = std::string(kFamilies[rng.below(4)]) + std::to_string(rng.between(0, 42));
            accepted += canDropOnPile(*ctx, card, pile);
            accepted += canPlace(*ctx, rng.between(-2, 110), card, kEmptyCodes[rng.below(24)], rng.below(2) == 0,
                                 rng.between(-3, 45), rng.below(2) == 0, rng.below(2) == 0, rng.between(-2, 115),
                                 rng.between(-1, 3), rng.between(-3, 100));
            accepted += runFollowsRule(*ctx, card, rng.between(-3, 45));
            accepted += runLengthWithin(*ctx, card, rng.below(2) == 0);
            int jumped = 0;
            accepted += jumpTarget(*ctx, rng.between(-3, 45), rng.between(-3, 45), jumped);
            accepted += suitsDistinct(*ctx, rng.between(-2, 17), rng.between(0, 15), rng.between(0, 15),
                                      rng.between(-2, 5), card, rng.between(0, 17));
            accepted += foundationStartAllowed(*ctx, kEmptyCodes[rng.below(24)], card);
        }
        ASSERT_EQ(snapshot(*ctx), before) << "round " << round;
    }
    // The random positions are not all refusals: the judge really judged.
    EXPECT_GT(accepted, 1000);
}

}  // namespace
}  // namespace tessaro
