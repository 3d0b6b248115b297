// The judge under the load of a drag or of autoplay: canDropOnPile for every
// movable card (single top cards and runs from inside the rows, cards of the
// visible stock and the reserve cells) against every pile in use, over
// positions of four games with different rules.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/context.h"
#include "engine/rules.h"

namespace tessaro {
namespace {

struct Query {
    Context* ctx;
    int card;
    int draggedCards;
    int runTop;
    std::string pile;
};

// A shuffled deck of n cards from a fixed seed, so every run judges the same positions.
std::vector<int> shuffled(int n, unsigned seed) {
    std::vector<int> deck;
    for (int c = 1; c <= n; ++c) deck.push_back(c);
    for (int i = n - 1; i > 0; --i) {
        seed = seed * 134775813u + 1u;
        const int j = static_cast<int>((static_cast<unsigned long long>(seed) * static_cast<unsigned>(i + 1)) >> 32);
        std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(j)]);
    }
    return deck;
}

// Rows get `perRow` cards each; what is left goes to the stock, the visible
// stock, the foundations (their Aces) and the reserve cells.
void lay(Context& ctx, const std::vector<int>& deck, int rows, int perRow, int cells) {
    std::size_t k = 0;
    for (int r = 0; r < rows; ++r)
        for (int i = 0; i < perRow && k < deck.size(); ++i) ctx.piles.fila(r) += card3(deck[k++]);
    for (int c = 0; c < cells && k < deck.size(); ++c) ctx.piles.appogg(c) += card3(deck[k++]);
    for (int i = 0; i < 3 && k < deck.size(); ++i) ctx.piles.stock(kMazzoVis) += card3(deck[k++]);
    while (k < deck.size()) {
        const int card = deck[k++];
        if (card % 13 == 1 && card <= 52) ctx.piles.dest((card - 1) / 13) += card3(card);
        else ctx.piles.stock(kMazzo) += card3(card);
    }
}

void klondike(Context& ctx) {
    const int rows = 7;
    ctx.P.set(366, 4), ctx.P.set(367, rows), ctx.P.set(368, 0);
    ctx.P.set(2, 1), ctx.P.set(13, -1), ctx.P.set(33, -1), ctx.P.set(32, 13), ctx.P.set(51, 1);
    for (int t = 0; t < rows; ++t) ctx.P.set(131 + t, 13), ctx.P.set(211 + t, 3), ctx.P.set(171 + t, 0);
    for (int t = 0; t < 4; ++t) ctx.P.set(52 + t, 1), ctx.P.set(67 + t, 1), ctx.P.set(83 + t, 0);
    lay(ctx, shuffled(52, 7), rows, 5, 0);
}

void freeCells(Context& ctx) {
    const int rows = 8;
    ctx.P.set(366, 4), ctx.P.set(367, rows), ctx.P.set(368, 4);
    ctx.P.set(2, 1), ctx.P.set(13, -5), ctx.P.set(33, -1), ctx.P.set(32, 13), ctx.P.set(51, 1);
    for (int t = 0; t < rows; ++t) ctx.P.set(131 + t, -1), ctx.P.set(211 + t, 3), ctx.P.set(171 + t, 0);
    for (int t = 0; t < 4; ++t) ctx.P.set(51 + t, 81), ctx.P.set(67 + t, 1), ctx.P.set(83 + t, 0);
    ctx.P.set(51, 1);
    for (int t = 0; t < 4; ++t) ctx.P.set(331 + t, 0);
    lay(ctx, shuffled(52, 11), rows, 6, 2);
}

void twoDecks(Context& ctx) {
    const int rows = 10;
    ctx.P.set(366, 8), ctx.P.set(367, rows), ctx.P.set(368, 0);
    ctx.P.set(2, 10), ctx.P.set(13, 4), ctx.P.set(33, -1), ctx.P.set(32, 13), ctx.P.set(51, 5);
    for (int t = 0; t < rows; ++t)
        ctx.P.set(131 + t, -1), ctx.P.set(211 + t, t % 2 ? 35 : 2), ctx.P.set(171 + t, 2), ctx.P.set(251 + t, t % 3);
    for (int t = 0; t < 8; ++t)
        ctx.P.set(51 + t, t < 4 ? 1 : 85), ctx.P.set(67 + t, t < 4 ? 1 : 2), ctx.P.set(83 + t, t < 4 ? 78 : 86);
    lay(ctx, shuffled(104, 3), rows, 8, 0);
}

void gameCodes(Context& ctx) {
    const int rows = 10;
    ctx.P.set(366, 8), ctx.P.set(367, rows), ctx.P.set(368, 2), ctx.P.set(28, 5);
    ctx.P.set(2, 0), ctx.P.set(13, -15), ctx.P.set(33, 12), ctx.P.set(32, 26), ctx.P.set(51, 1);
    static constexpr int kRowCodes[rows] = {70, 71, 93, 101, 28, 45, 54, 94, 105, 56};
    static constexpr int kFoundationCodes[8] = {91, 102, 72, 77, 14, 29, 41, 83};
    for (int t = 0; t < rows; ++t) ctx.P.set(131 + t, t % 3 + 1), ctx.P.set(211 + t, kRowCodes[t]), ctx.P.set(171 + t, 0);
    for (int t = 0; t < 8; ++t) ctx.P.set(51 + t, t == 5 ? 81 : 1), ctx.P.set(67 + t, 1), ctx.P.set(83 + t, kFoundationCodes[t]);
    ctx.P.set(331, 107), ctx.P.set(332, 12);
    lay(ctx, shuffled(52, 5), rows, 3, 2);
}

// Every movable card against every pile in use.
void addQueries(Context& ctx, std::vector<Query>& out) {
    std::vector<std::string> targets;
    for (int i = 1; i <= ctx.P.foundations(); ++i) targets.push_back("Dest" + std::to_string(i));
    for (int i = 1; i <= ctx.P.rows(); ++i) targets.push_back("Fila" + std::to_string(i));
    for (int i = 1; i <= ctx.P.reserves(); ++i) targets.push_back("Appogg" + std::to_string(i));
    auto movable = [&](const std::string& pile, bool runs) {
        const int n = static_cast<int>(pile.size() / 3);
        for (int pos = runs ? 0 : n - 1; pos >= 0 && pos < n; ++pos)
            for (const std::string& t : targets)
                out.push_back({&ctx, cardAt(pile, static_cast<std::size_t>(pos) * 3), n - pos,
                               n - pos > 1 ? cardAt(pile, pile.size() - 3) : 0, t});
    };
    for (int r = 0; r < ctx.P.rows(); ++r) movable(ctx.piles.fila(r), true);
    for (int c = 0; c < ctx.P.reserves(); ++c) movable(ctx.piles.appogg(c), false);
    movable(ctx.piles.stock(kMazzoVis), false);
}

void BM_CanDropOnPile(benchmark::State& state) {
    std::vector<std::unique_ptr<Context>> games;
    for (auto setUp : {klondike, freeCells, twoDecks, gameCodes}) {
        games.push_back(std::make_unique<Context>());
        setUp(*games.back());
    }
    std::vector<Query> queries;
    for (const auto& g : games) addQueries(*g, queries);
    std::size_t accepted = 0;
    for (auto _ : state) {
        for (const Query& q : queries) {
            // The drag state is the only thing a drop changes before it asks.
            DragState& drag = q.ctx->drag;
            drag.singleCard = q.draggedCards <= 1;
            drag.runTop = q.runTop;
            const bool ok = canDropOnPile(*q.ctx, q.card, q.pile);
            accepted += ok;
            benchmark::DoNotOptimize(ok);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * queries.size()));
    state.counters["judgements"] = static_cast<double>(queries.size());
    state.counters["accepted"] = static_cast<double>(accepted) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CanDropOnPile);

}  // namespace
}  // namespace tessaro
