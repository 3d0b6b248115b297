// The rules file is read in full at every load and every query of another
// game's parameters; these measure that cost for a catalogue of 245 games.
#include <benchmark/benchmark.h>

#include "engine/context.h"
#include "stores/game_definitions.h"
#include "stores/rules_file.h"
#include "support/temp_dir.h"

namespace {

struct LargeRulesFile {
    LargeRulesFile() {
        std::vector<tessaro::GameDefinition> games;
        for (int n = 0; n < 245; ++n) {
            tessaro::GameDefinition g;
            g.number = n;
            g.name = "Game " + std::to_string(n);
            g.category = 2 + n % 22;
            for (int p = 1; p < 490; p += 3) g.params[p] = (n * 31 + p) % 2000 - 1000;
            games.push_back(g);
        }
        dir.write("GAMES.DAT", tessaro::writeGamesDat(games));
        ctx.reg.initialise(dir.folder());
        tessaro::buildCatalogue(ctx);
    }
    tessaro::test::TempDir dir;
    tessaro::Context ctx;
};

void BM_LoadRules(benchmark::State& state) {
    LargeRulesFile f;
    f.ctx.reg.writePlain(tessaro::reg::Game, 200);
    for (auto _ : state) {
        tessaro::loadRules(f.ctx);
        benchmark::DoNotOptimize(f.ctx.P[50]);
    }
}
BENCHMARK(BM_LoadRules);

void BM_ReadGameParameters(benchmark::State& state) {
    LargeRulesFile f;
    const std::vector<int> wanted{370, 15, 482, 483, 484, 485, 486, 487, -1};
    for (auto _ : state) benchmark::DoNotOptimize(tessaro::readGameParameters(f.ctx, 123, wanted));
}
BENCHMARK(BM_ReadGameParameters);

}  // namespace
