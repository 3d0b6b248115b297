#include "table/hit.h"

#include "engine/cards.h"
#include "engine/context.h"
#include "table/geometry.h"

namespace tessaro {

namespace {

CardRect cardAtPlace(const Context& ctx, const std::string& name, int skip) {
    const int x = cardX(ctx, name, skip, false);
    const int y = cardY(ctx, name, skip, false);
    return {x, y, x + ctx.layout.cardW, y + ctx.layout.cardH};
}

// A squared pile (stock piles, foundations): one card-sized rectangle at the
// place of its top card.
std::optional<PileHit> squared(const Context& ctx, PileRef p, int x, int y) {
    if (!ctx.layout.position(p).placed()) return std::nullopt;
    const std::string name = pileName(p);
    const CardRect r = cardAtPlace(ctx, name, 0);
    if (!r.contains(x, y)) return std::nullopt;
    return PileHit{name, ctx.piles.top(p), r};
}

// A fanned pile: the topmost card whose rectangle holds the point.
std::optional<PileHit> fanned(const Context& ctx, PileRef p, int x, int y) {
    if (!ctx.layout.position(p).placed()) return std::nullopt;
    const std::string name = pileName(p);
    const std::string& t = ctx.piles.text(p);
    const int count = static_cast<int>(t.size() / 3);
    for (int k = count - 1; k >= 0; --k) {
        const int card = cardAt(t, static_cast<std::size_t>(k) * 3);
        if (card <= 0) continue;
        const CardRect r = cardAtPlace(ctx, name, count - 1 - k);
        if (r.contains(x, y)) return PileHit{name, card, r};
    }
    return std::nullopt;
}

int inUse(int count, int limit) { return count < 0 ? 0 : count > limit ? limit : count; }

}  // namespace

PileHit pileUnderPoint(const Context& ctx, int x, int y) {
    for (int i = 0; i < kStockPiles; ++i)
        if (auto h = squared(ctx, {PileKind::Stock, i}, x, y)) return *h;
    const int rows = inUse(ctx.P.rows(), kRows);
    if (ctx.P[3] == 4) {
        for (int i = rows - 1; i >= 0; --i)
            if (auto h = fanned(ctx, {PileKind::Row, i}, x, y)) return *h;
    } else {
        for (int i = 0; i < rows; ++i)
            if (auto h = fanned(ctx, {PileKind::Row, i}, x, y)) return *h;
    }
    for (int i = 0; i < kFoundations; ++i)
        if (auto h = squared(ctx, {PileKind::Foundation, i}, x, y)) return *h;
    const int reserves = inUse(ctx.P.reserves(), kReserves);
    for (int i = 0; i < reserves; ++i)
        if (auto h = fanned(ctx, {PileKind::Reserve, i}, x, y)) return *h;
    return {};
}

std::optional<CardPlace> cardPlace(const Context& ctx, int card) {
    if (card <= 0) return std::nullopt;
    auto search = [&](PileRef p) -> std::optional<CardPlace> {
        if (!ctx.layout.position(p).placed()) return std::nullopt;
        const std::string& t = ctx.piles.text(p);
        const int count = static_cast<int>(t.size() / 3);
        for (int k = 0; k < count; ++k) {
            if (cardAt(t, static_cast<std::size_t>(k) * 3) != card) continue;
            const std::string name = pileName(p);
            // Squared piles show every card at the place of the top card.
            const int skip = p.kind == PileKind::Stock ? 0 : count - 1 - k;
            return CardPlace{name, cardAtPlace(ctx, name, skip)};
        }
        return std::nullopt;
    };
    for (int i = 0; i < kStockPiles; ++i)
        if (auto c = search({PileKind::Stock, i})) return c;
    for (int i = 0; i < kFoundations; ++i)
        if (auto c = search({PileKind::Foundation, i})) return c;
    for (int i = 0; i < kRows; ++i)
        if (auto c = search({PileKind::Row, i})) return c;
    for (int i = 0; i < kReserves; ++i)
        if (auto c = search({PileKind::Reserve, i})) return c;
    return std::nullopt;
}

}  // namespace tessaro
