#include "engine/dump.h"

#include "engine/context.h"

namespace tessaro {

std::string historyLine(const Context& ctx, PileRef pile) {
    const std::string& t = ctx.piles.text(pile);
    std::string line;
    line.reserve(t.size() / 3 * 4);
    for (std::size_t i = 0; i + 3 <= t.size(); i += 3) {
        const int card = cardAt(t, i);
        if (card < 1) {
            line += "0000";
            continue;
        }
        line.append(t, i, 3);
        line += ctx.cards.faceDown(card) ? '0' : '1';
    }
    return line;
}

std::string pileDump(const Context& ctx) {
    std::string out;
    auto add = [&](PileRef p) {
        if (ctx.piles.text(p).empty()) return;
        out += pileName(p);
        out += '=';
        out += historyLine(ctx, p);
        out += '\n';
    };
    for (int i = 0; i < kStockPiles; ++i) add({PileKind::Stock, i});
    for (int i = 0; i < kFoundations; ++i) add({PileKind::Foundation, i});
    for (int i = 0; i < kRows; ++i) add({PileKind::Row, i});
    for (int i = 0; i < kReserves; ++i) add({PileKind::Reserve, i});
    return out;
}

}  // namespace tessaro
