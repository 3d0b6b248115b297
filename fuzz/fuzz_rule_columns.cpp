// Fuzz target: a game's column of rule parameters. The input picks a shipped
// game, a deal number and a list of parameter changes (small values and whole
// 16-bit ones). A column the limits of the table refuse ends the run; one
// they let through is dealt and laid out in a large and a small window, and
// every dealt card must then lie on a pile with a place on the table.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/context.h"
#include "engine/deal.h"
#include "stores/catalogue.h"
#include "stores/rules_file.h"
#include "table/layout.h"
#include "table/rule_limits.h"

using namespace tessaro;

namespace {

// The parameter tables of every game of the built rules file.
const std::vector<RuleTable>& shippedTables() {
    static const std::vector<RuleTable> tables = [] {
        std::string folder = TESSARO_GAMES_DAT;
        folder.erase(folder.find_last_of('/') + 1);
        auto ctx = std::make_unique<Context>();
        ctx->reg.initialise(folder);
        buildCatalogue(*ctx);
        std::vector<RuleTable> out;
        for (std::size_t i = 0; i < ctx->mainGame.lines().size(); ++i) {
            ctx->P = RuleTable{};
            ctx->reg.writePlain(reg::Game, ctx->mainGame.gameAt(static_cast<int>(i)));
            loadRules(*ctx);
            out.push_back(ctx->P);
        }
        if (out.empty()) std::abort();
        return out;
    }();
    return tables;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto& tables = shippedTables();
    if (size < 14) return 0;
    auto ctx = std::make_unique<Context>();
    ctx->P = tables[data[0] % tables.size()];
    std::string number(13, '0');
    for (std::size_t i = 0; i < 13; ++i) number[i] = static_cast<char>('0' + data[1 + i] % 10);
    for (std::size_t at = 14; at + 4 <= size; at += 4) {
        const int parameter = ((data[at] & 0x7F) << 8 | data[at + 1]) % RuleTable::kCount;
        const int whole = static_cast<int16_t>(static_cast<uint16_t>(data[at + 2] << 8 | data[at + 3]));
        // High bit clear: a value near the ranges the rules use.
        ctx->P.set(parameter, data[at] & 0x80 ? whole : static_cast<int8_t>(data[at + 3]));
    }
    if (applyRuleLimits(ctx->P)) return 0;
    ctx->P.saveChangeable();

    ctx->reg.write(reg::DealNumber, number);
    ctx->reg.write(reg::GameName, "Fuzzed");
    ctx->piles.clear();
    ctx->cards.reset();
    deal(*ctx);
    ctx->layout.cardW = 71;
    ctx->layout.cardH = 96;
    const LayoutInputs windows[] = {windowInputs(1024, 17, 768, 718, 40, 1024, 768),
                                    windowInputs(640, 17, 480, 430, -1, 640, 480)};
    for (const LayoutInputs& in : windows) {
        ctx->layout.resetPositions();
        setFanOffsets(*ctx);
        layoutTable(*ctx, in);
        const std::string pile = pileWithoutPlace(*ctx);
        if (!pile.empty()) {
            std::fprintf(stderr, "dealt onto %s, which has no place (window %dx%d)\n", pile.c_str(), in.width,
                         in.height);
            std::abort();
        }
    }
    return 0;
}
