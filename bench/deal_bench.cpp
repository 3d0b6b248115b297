// Full deals per second: the Memory-Up (6x4) grid, a 104-card game of rows and
// stock, the same with ace foundations and the automatic move, and the deck
// builder alone.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/deal.h"
#include "support/context_builder.h"

namespace tessaro {
namespace {

// Deal numbers spread over the whole range, so that every deal differs.
std::vector<std::string> dealNumbers() {
    std::vector<std::string> numbers;
    Random rng(12345);
    Context scratch;
    scratch.rng = rng;
    for (int i = 0; i < 1024; ++i) numbers.push_back(newDealNumber(scratch));
    return numbers;
}

void runDeals(benchmark::State& state, Context& ctx) {
    const std::vector<std::string> numbers = dealNumbers();
    std::size_t i = 0;
    for (auto _ : state) {
        ctx.piles.clear();
        ctx.P.restoreChangeable();
        ctx.reg.write(reg::DealNumber, numbers[i++ % numbers.size()]);
        if (!deal(ctx)) state.SkipWithError("the deal stopped");
        benchmark::DoNotOptimize(ctx.piles.fila(0).data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

void BM_DealMemoryUp6x4(benchmark::State& state) {
    Context ctx;
    ctx.reg.initialise(".");
    // The deal parameters of game 201.
    test::setParams(ctx, {{50, 37}, {366, 0}, {367, 4}, {34, 12}, {370, 104}, {374, 6}, {375, 6}, {376, 6}, {377, 6}});
    ctx.P.saveChangeable();
    runDeals(state, ctx);
}
BENCHMARK(BM_DealMemoryUp6x4);

void BM_Deal104Cards(benchmark::State& state) {
    Context ctx;
    ctx.reg.initialise(".");
    // Two decks: ten rows of five with the top card up, the rest to the stock.
    test::setParams(ctx, {{370, 104}, {367, 10}, {371, 54}, {7, 1}});
    for (int k = 0; k < 10; ++k) {
        ctx.P.set(374 + k, 5);
        ctx.P.set(414 + k, 1);
    }
    ctx.P.saveChangeable();
    runDeals(state, ctx);
}
BENCHMARK(BM_Deal104Cards);

void BM_Deal104CardsAutoMove(benchmark::State& state) {
    Context ctx;
    ctx.reg.initialise(".");
    // As above, and the eight aces start foundations built up in suit; the
    // automatic move then asks the move rules about every row card for every
    // foundation (some 400 questions per deal).
    test::setParams(ctx, {{370, 104}, {366, 8}, {367, 10}, {371, 46}, {7, 1}});
    for (int k = 0; k < 8; ++k) {
        ctx.P.set(99 + k, 93);
        ctx.P.set(67 + k, 1);
    }
    for (int k = 0; k < 10; ++k) {
        ctx.P.set(374 + k, 5);
        ctx.P.set(414 + k, 1);
    }
    ctx.P.saveChangeable();
    runDeals(state, ctx);
}
BENCHMARK(BM_Deal104CardsAutoMove);

void BM_BuildDeck104(benchmark::State& state) {
    Context ctx;
    ctx.P.set(370, 104);
    const std::vector<std::string> numbers = dealNumbers();
    Deck deck;
    std::size_t i = 0;
    for (auto _ : state) {
        buildDeck(ctx, numbers[i++ % numbers.size()], deck);
        benchmark::DoNotOptimize(deck.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_BuildDeck104);

}  // namespace
}  // namespace tessaro
