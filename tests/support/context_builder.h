#pragma once
// Helpers shared by the tests: a fresh context with chosen rule parameters
// and piles set from dump text.
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "engine/context.h"

namespace tessaro::test {

/// Sets parameters on a context: {{367, 4}, {50, 37}}.
inline void setParams(Context& ctx, std::initializer_list<std::pair<int, int>> values) {
    for (auto [p, v] : values) ctx.P.set(p, v);
}

/// Sets a pile from a history line: four characters per card, the three-digit
/// number and its face flag ("0011" is card 1 face up, "0000" a gap).
inline void setPile(Context& ctx, std::string_view name, std::string_view line) {
    auto ref = anyPileByName(name);
    if (!ref) return;
    std::string& t = ctx.piles.text(*ref);
    t.clear();
    for (std::size_t i = 0; i + 4 <= line.size(); i += 4) {
        const int card = cardAt(line, i);
        t += line.substr(i, 3);
        if (card != 0) ctx.cards.setFace(card, line[i + 3]);
    }
}

}  // namespace tessaro::test
