// Fuzz target: the rules file GAMES.DAT. The input is the whole file; the
// catalogue is built from it and every game it names, a custom game and a
// game it does not name are loaded and queried. A load that fails must leave
// the rule table exactly as it was.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/context.h"
#include "fuzz/fuzz_support.h"
#include "stores/catalogue.h"
#include "stores/rules_file.h"

using namespace tessaro;

namespace {

void loadAndQuery(Context& ctx, int game) {
    ctx.reg.writePlain(reg::Game, game);
    std::vector<int> before(RuleTable::kCount);
    for (int n = 0; n < RuleTable::kCount; ++n) {
        ctx.P.set(n, (n * 7) & 0xFF);
        before[n] = ctx.P[n];
    }
    try {
        loadRules(ctx);
    } catch (const RulesFileError&) {
        for (int n = 0; n < RuleTable::kCount; ++n)
            if (ctx.P[n] != before[n]) std::abort();  // a failed load changed the table
    }
    try {
        const auto values = readGameParameters(ctx, game, {1, -1, 50, 489, 250});
        if (values.size() != 5 || values[1] != kNotWanted) std::abort();
    } catch (const RulesFileError&) {
    }
    (void)ctx.mainGame.name(game);
    (void)ctx.mainGame.category(game);
    (void)ctx.mainGame.needsWideScreen(game);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Context* ctx = [] {
        auto* c = new Context;
        c->reg.initialise(fuzz::programFolder());
        return c;
    }();
    fuzz::writeFile("GAMES.DAT", data, size);
    try {
        buildCatalogue(*ctx);
    } catch (const RulesFileError&) {
        return 0;
    }
    const auto& lines = ctx->mainGame.lines();
    for (std::size_t i = 0; i < lines.size() && i < 8; ++i) {
        const int game = ctx->mainGame.gameAt(static_cast<int>(i));
        if (ctx->mainGame.index(game) < 0 && game >= 0) std::abort();  // a listed game must be found
        loadAndQuery(*ctx, game);
    }
    loadAndQuery(*ctx, kFirstCustomGame + static_cast<int>(size % 1000));
    loadAndQuery(*ctx, 999);
    return 0;
}
