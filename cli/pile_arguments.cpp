#include "cli/pile_arguments.h"

#include <array>

#include "engine/pile_lines.h"

namespace tessaro::cli {

std::vector<PileArgument> pileArguments(Options& o) {
    std::vector<PileArgument> piles;
    for (std::string s; !(s = takeOption(o, "--pile")).empty();) {
        const auto eq = s.find('=');
        if (eq == std::string::npos) throw UsageError{"--pile needs NAME=LINE, got '" + s + "'"};
        const std::string name = s.substr(0, eq);
        const auto ref = anyPileByName(name);
        if (!ref) throw UsageError{"--pile: no pile named '" + name + "'"};
        for (const PileArgument& p : piles)
            if (p.pile == *ref) throw UsageError{"--pile: " + pileName(*ref) + " given twice"};
        piles.push_back({*ref, name, s.substr(eq + 1)});
    }
    return piles;
}

void setPosition(Context& ctx, const std::vector<PileArgument>& piles) {
    ctx.piles.clear();
    ctx.cards.reset();
    std::array<const PileArgument*, kCardCount + 1> owner{};
    for (const PileArgument& p : piles) {
        std::string problem;
        const auto cards = parsePileLine(p.line, &problem);
        if (!cards) throw UsageError{"--pile " + p.name + ": " + problem};
        for (const PileLineCard& c : *cards) {
            if (c.card == 0) continue;
            if (const PileArgument* other = owner[static_cast<std::size_t>(c.card)])
                throw UsageError{"--pile: card " + std::to_string(c.card) + " lies in " + pileName(other->pile) +
                                 " and " + pileName(p.pile)};
            owner[static_cast<std::size_t>(c.card)] = &p;
        }
        setPileFromLine(ctx.piles, ctx.cards, p.pile, p.line);
    }
}

}  // namespace tessaro::cli
