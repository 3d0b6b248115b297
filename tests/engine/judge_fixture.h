#pragma once
// Shared by the move-rule tests: card shorthands, a context with piles in use,
// piles set from card lists, and the rule-code case table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/context.h"
#include "engine/rules.h"

namespace tessaro::judgetest {

// Cards by suit and rank: first deck 1-52, second deck +52, jokers 105-108.
constexpr int h(int r) { return r; }
constexpr int d(int r) { return 13 + r; }
constexpr int c(int r) { return 26 + r; }
constexpr int s(int r) { return 39 + r; }
constexpr int second(int card) { return card + 52; }
constexpr int kJoker = 105;

using PileList = std::vector<std::pair<std::string, std::vector<int>>>;
using ParamList = std::vector<std::pair<int, int>>;

/// A context using 8 foundations, 10 rows and 4 reserve cells.
inline std::unique_ptr<Context> makeContext() {
    auto ctx = std::make_unique<Context>();
    ctx->P.set(366, 8);
    ctx->P.set(367, 10);
    ctx->P.set(368, 4);
    return ctx;
}

/// Sets a pile to the cards given, bottom first, all face up.
inline void setCards(Context& ctx, const std::string& name, const std::vector<int>& cards) {
    auto ref = anyPileByName(name);
    ASSERT_TRUE(ref) << name;
    std::string& t = ctx.piles.text(*ref);
    t.clear();
    for (int card : cards) {
        t += card3(card);
        if (card != 0) ctx.cards.setFace(card, '1');
    }
}

inline void apply(Context& ctx, const ParamList& params, const PileList& piles) {
    for (auto [p, v] : params) ctx.P.set(p, v);
    for (const auto& [name, cards] : piles) setCards(ctx, name, cards);
}

/// One call of canPlace with the piles and parameters it needs.
struct CodeCase {
    const char* name;
    int code;
    int a;  ///< target top (-1 empty)
    int b;  ///< moving card
    bool expected;
    bool toFoundation = true;
    int t = 0;
    int dir = 1;
    int emptyCode = -1;
    int base = -1;
    PileList piles = {};
    ParamList params = {};
    bool byPlayer = true;
    bool wrap = true;
    int stockTurns = 0;
};

inline void runCases(const std::vector<CodeCase>& cases) {
    for (const CodeCase& k : cases) {
        auto ctx = makeContext();
        apply(*ctx, k.params, k.piles);
        ctx->run.setCounter(Counter::StockTurns, k.stockTurns);
        const bool got = canPlace(*ctx, k.a, k.b, k.emptyCode, k.byPlayer, k.t, k.wrap, k.toFoundation, k.code,
                                  k.dir, k.base);
        EXPECT_EQ(got, k.expected) << "code " << k.code << ": " << k.name;
    }
}

}  // namespace tessaro::judgetest
