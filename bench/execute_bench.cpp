// Move execution and autoplay speed: one executed move with its history
// record, and a whole autoplay pass that carries 52 cards to the foundations.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/autoplay.h"
#include "engine/execute.h"
#include "engine/history.h"
#include "support/context_builder.h"

namespace tessaro {
namespace {

// Klondike rules: four foundations up in suit from the Ace, seven rows down in
// alternating colours.
void klondike(Context& ctx) {
    test::setParams(ctx, {{366, 4}, {367, 7}, {370, 52}, {22, 1}, {15, -1}, {7, 1}, {10, 1}, {51, 1}, {52, 1},
                          {53, 1}, {54, 1}, {67, 1}, {68, 1}, {69, 1}, {70, 1}, {32, 13}, {13, -1}, {2, 1},
                          {33, -1}, {42, 1}});
    for (int t = 0; t < 7; ++t) {
        ctx.P.set(131 + t, 13);
        ctx.P.set(211 + t, 3);
    }
    ctx.reg.initialise("/tmp/");
    ctx.reg.write(reg::ScoringMode, "01");
    ctx.run.setFlag(Flag::GameInProgress, 1);
}

// A row-to-row move of one card on a dealt-looking table, back and forth.
void BM_ExecuteMoveWithHistory(benchmark::State& state) {
    auto ctx = std::make_unique<Context>();
    klondike(*ctx);
    test::setPile(*ctx, "Mazzo", "002000300040005000600070008000900100");
    test::setPile(*ctx, "Fila1", "0110012001300141");
    test::setPile(*ctx, "Fila2", "01500160017001800191");
    test::setPile(*ctx, "Fila3", "02700280029003000311");
    test::setPile(*ctx, "Fila4", "0400041004200431");
    test::setPile(*ctx, "Fila5", "0441");
    test::setPile(*ctx, "Fila6", "0451");
    test::setPile(*ctx, "Fila7", "0461");
    const char* targets[2] = {"Fila6", "Fila7"};
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(executeMove(*ctx, 14, targets[n & 1]));
        // Keep the history from growing without bound; once per 1024 moves.
        if ((++n & 1023) == 0) clearHistory(*ctx);
    }
}
BENCHMARK(BM_ExecuteMoveWithHistory);

// Four rows of one suit each, king at the bottom and ace on top: one pass
// carries all 52 cards home.
void BM_AutoplayPass52(benchmark::State& state) {
    auto ctx = std::make_unique<Context>();
    klondike(*ctx);
    ctx->autoplay.checked = true;
    std::string rows[4];
    for (int s = 0; s < 4; ++s)
        for (int r = 13; r >= 1; --r) rows[s] += card3(s * 13 + r) + "1";
    for (auto _ : state) {
        state.PauseTiming();
        ctx->piles.clear();
        ctx->history.undo.clear();
        ctx->run.setFlag(Flag::GameInProgress, 1);
        for (int s = 0; s < 4; ++s) test::setPile(*ctx, "Fila" + std::to_string(s + 1), rows[s]);
        state.ResumeTiming();
        benchmark::DoNotOptimize(autoplayPass(*ctx));
    }
    if (ctx->piles.dest(3).size() != 39) state.SkipWithError("the pass did not move every card");
}
BENCHMARK(BM_AutoplayPass52)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaro
