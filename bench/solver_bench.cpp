// Solver speed: positions searched per second on Klondike and FreeCell deals,
// every position reached through the move input, judge and executor, and the
// time to a win on two deals.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "engine/new_game.h"
#include "engine/solver.h"
#include "stores/game_definitions.h"
#include "stores/rules_file.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

// A rules file of one shipped game definition, dealt with a fixed number.
struct DealtGame {
    DealtGame(const char* file, const char* deal) {
        std::ifstream in(std::string(TESSARO_SOURCE_DIR) + "/data/games/" + file);
        std::stringstream text;
        text << in.rdbuf();
        const GameDefinition g = parseGameDefinition(text.str(), file);
        dir.write("GAMES.DAT", writeGamesDat({g}));
        ctx = std::make_unique<Context>();
        ctx->reg.initialise(dir.folder());
        buildCatalogue(*ctx);
        ctx->reg.writePlain(reg::Game, g.number);
        loadRules(*ctx);
        ctx->reg.write(reg::ScoringMode, "01");
        ctx->reg.write(reg::DealNumber, deal);
        newGame(*ctx, 1, false, 1, true);
    }
    test::TempDir dir;
    std::unique_ptr<Context> ctx;
};

void searchPositions(benchmark::State& state, const char* file, const char* deal) {
    DealtGame game(file, deal);
    SolveOptions options;
    options.limit = state.range(0);
    long positions = 0;
    for (auto _ : state) positions += solve(*game.ctx, options).positions;
    state.counters["positions/s"] = benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
}

void BM_SolveKlondike(benchmark::State& state) { searchPositions(state, "0002-klondike-by-threes.game", "0000000000002"); }
BENCHMARK(BM_SolveKlondike)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_SolveFreeCell(benchmark::State& state) { searchPositions(state, "0010-freecell.game", "0000000071271"); }
BENCHMARK(BM_SolveFreeCell)->Arg(2000)->Unit(benchmark::kMillisecond);

// The time to a win, which the move ordering shortens more than the rate
// of positions shows: the search runs until it wins (or reaches the limit).
void searchToWin(benchmark::State& state, const char* file, const char* deal) {
    DealtGame game(file, deal);
    SolveOptions options;
    options.limit = 1000000;
    long positions = 0;
    bool won = true;
    for (auto _ : state) {
        const SolveResult r = solve(*game.ctx, options);
        positions = r.positions;
        won = won && r.outcome == SolveOutcome::Won;
    }
    state.counters["positions"] = static_cast<double>(positions);
    if (!won) state.SkipWithError("no win found");
}

void BM_SolveFreeCellToWin(benchmark::State& state) { searchToWin(state, "0010-freecell.game", "0000000000001"); }
BENCHMARK(BM_SolveFreeCellToWin)->Unit(benchmark::kMillisecond);

void BM_SolveBeleagueredCastleToWin(benchmark::State& state) {
    searchToWin(state, "0030-beleaguered-castle.game", "0000000000022");
}
BENCHMARK(BM_SolveBeleagueredCastleToWin)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaro
