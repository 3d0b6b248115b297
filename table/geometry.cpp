#include "table/geometry.h"

#include <string>

#include "engine/cards.h"
#include "engine/context.h"
#include "table/layout.h"

namespace tessaro {

namespace {

// Card number of the slot at `at`: three characters, possibly "-01" and the
// like for a negative number; anything unreadable counts as 0.
int slotNumber(const std::string& t, std::size_t at) {
    if (at + 3 > t.size()) return 0;
    bool negative = false;
    int v = 0;
    for (std::size_t i = at; i < at + 3; ++i) {
        const char c = t[i];
        if (i == at && c == '-') negative = true;
        else if (c >= '0' && c <= '9') v = v * 10 + (c - '0');
        else return 0;
    }
    return negative ? -v : v;
}

struct Pile {
    PileRef ref;
    const std::string* text;
    int mode;
};

// choice: the put-away pile is known here too, so drawing and card place can
// ask for it like any other squared pile.
bool resolve(const Context& ctx, std::string_view name, Pile& out) {
    const auto ref = anyPileByName(name);
    if (!ref || !validPile(*ref)) return false;
    out.ref = *ref;
    out.text = &ctx.piles.text(*ref);
    out.mode = fanMode(ctx, *ref);
    return true;
}

int faceStep(const Context& ctx, int card, int up, int down) { return ctx.cards.faceDown(card) ? down : up; }

// Lines across the table (tableau row 1, fan mode 8): the card in slot `slot`
// lies in line trunc(k / c), where k counts the gaps before it; odd lines run
// right to left.
void linePlace(const Context& ctx, const std::string& t, int slot, int& x, int& y) {
    const Layout& L = ctx.layout;
    const int step = L.cardW + L.fan.visFirst;
    int c = ctx.P[43];
    if (c == -1) c = step != 0 ? L.screenW / step : 0;
    // choice: a line holds at least one card, so a zero or negative count
    // cannot divide by zero.
    if (c < 1) c = 1;
    int k = 0;
    for (int q = 0; q < slot && static_cast<std::size_t>(q * 3 + 3) <= t.size(); ++q)
        if (slotNumber(t, static_cast<std::size_t>(q * 3)) == 0) ++k;
    const int line = k / c;
    int offset = (k % c) * step;
    if (line % 2 == 1) offset = (c - 1) * step - offset;
    x = L.fila[0].x + offset;
    y = L.fila[0].y + line * (L.cardH + L.fan.visSecond) - L.scroll;
}

// The slot the question is about: the last counted card, or the place after
// it with includeLast.
int askedSlot(int n, bool includeLast) { return n / 3 - (includeLast ? 0 : 1); }

}  // namespace

int fanMode(const Context& ctx, PileRef pile) {
    switch (pile.kind) {
    case PileKind::Row:
        if (ctx.P[3] == 11) {
            if (ctx.P[6] != 1) return -1;
            if (pile.index <= 6) return 2;
            if (pile.index <= 11) return 10;
            return -1;
        }
        return ctx.P[3];
    case PileKind::Foundation: return ctx.P[4];
    case PileKind::Reserve: return ctx.P[5];
    case PileKind::Stock: return 0;
    }
    return 0;
}

int cardY(const Context& ctx, std::string_view name, int skip, bool includeLast) {
    Pile p;
    if (!resolve(ctx, name, p)) return 0;
    const Layout& L = ctx.layout;
    const std::string& t = *p.text;
    const int len = static_cast<int>(t.size());
    const int count = len / 3;
    const int n = len - 3 * skip;
    int y = L.windowY(p.ref);

    if (p.mode == 7 && n > 2 && (count > 1 || skip > 0 || includeLast)) y += L.fan.downUp;

    const bool rowOrDest = p.ref.kind == PileKind::Row || p.ref.kind == PileKind::Foundation;
    const bool reserve = p.ref.kind == PileKind::Reserve;
    if ((rowOrDest && p.mode == 1) || (reserve && (p.mode == 1 || p.mode == 5))) {
        for (int j = 0; j < n && j + 3 <= len; j += 3) {
            const int card = slotNumber(t, static_cast<std::size_t>(j));
            if (card < 0) continue;
            if (j + 3 >= n && !includeLast) continue;
            y += p.mode == 5 ? L.fan.reserveStep : faceStep(ctx, card, L.fan.downUp, L.fan.downDown);
        }
    }

    if (p.ref.kind == PileKind::Row && p.ref.index == 0 && p.mode == 8) {
        int x = 0;
        linePlace(ctx, t, askedSlot(n, includeLast), x, y);
    }

    if (ctx.P[50] == 49 && p.ref.kind == PileKind::Row && count == 1 && includeLast) {
        const int r = p.ref.index + 1;
        if (rank(slotNumber(t, 0)) != ctx.P[130 + r]) return L.position(p.ref).y;
    }
    return y;
}

int cardX(const Context& ctx, std::string_view name, int skip, bool includeLast) {
    Pile p;
    if (!resolve(ctx, name, p)) return 0;
    const Layout& L = ctx.layout;
    const std::string& t = *p.text;
    const int len = static_cast<int>(t.size());
    const int n = len - 3 * skip;
    int x = L.position(p.ref).x;
    const bool row = p.ref.kind == PileKind::Row;
    const bool destOrRes = p.ref.kind == PileKind::Foundation || p.ref.kind == PileKind::Reserve;

    auto walk = [&](auto step) {
        for (int j = 0; j < n && j + 3 <= len; j += 3) {
            const int card = slotNumber(t, static_cast<std::size_t>(j));
            if (card < 0) continue;
            if (j + 3 >= n && !includeLast) continue;
            step(card);
        }
    };
    if ((row && (p.mode == 2 || p.mode == 4 || p.mode == 6)) || (destOrRes && (p.mode == 2 || p.mode == 4))) {
        walk([&](int card) {
            if (p.mode == 2) x += faceStep(ctx, card, L.fan.sideUp, L.fan.sideDown);
            else if (p.mode == 4) x += L.cardW + L.fan.spread;
            else x += L.fan.mode6First;
        });
    }
    if (row && p.mode == 10) walk([&](int card) { x -= faceStep(ctx, card, L.fan.sideUp, L.fan.sideDown); });
    if (row && p.mode == 8 && p.ref.index == 0) {
        int y = 0;
        linePlace(ctx, t, askedSlot(n, includeLast), x, y);
    }
    if (row && p.mode == 9) x = columnX(ctx, n / 3, p.ref.index);

    if (row && p.mode == 1 && ctx.reg.read(reg::IrregularPiles) != "N") {
        int k = (skip > 0 || includeLast ? n / 3 + 1 : len / 3) - 1;
        if (k > 12) k %= 12;
        if (k >= 0) {
            const int i = p.ref.index;
            const int tableRow = i < 7 ? i + 1 : (i % 6) + 1;
            x += L.jitter[static_cast<std::size_t>(tableRow - 1)][static_cast<std::size_t>(k)];
        }
    }
    return x;
}

int pileBottom(const Context& ctx, std::string_view name) {
    Pile p;
    if (!resolve(ctx, name, p)) return 0;
    const Layout& L = ctx.layout;
    const std::string& t = *p.text;
    const int len = static_cast<int>(t.size());
    int y = L.windowY(p.ref);
    if (len < 3) return y + L.cardH;
    if (p.mode == 7 && len / 3 > 1) y += L.fan.downUp;
    for (int j = 0; j + 3 <= len; j += 3) {
        const int card = slotNumber(t, static_cast<std::size_t>(j));
        if (card < 0) continue;
        if (j + 3 >= len) y += L.cardH;
        else if (p.mode == 1) y += faceStep(ctx, card, L.fan.downUp, L.fan.downDown);
        else if (p.mode == 5) y += L.fan.reserveStep;
    }
    return y;
}

}  // namespace tessaro
