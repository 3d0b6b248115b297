#include "table/card_fit.h"

#include <algorithm>
#include <cmath>

#include "engine/context.h"
#include "table/geometry.h"
#include "table/layout.h"

namespace tessaro {

namespace {

int scaled(int bigStep, int size, int bigSize, int smallest) {
    return std::max(smallest, static_cast<int>(std::lround(double(bigStep) * size / bigSize)));
}

// Cards a pile must have room for: those it holds, or those the deal puts in
// a tableau row when that is more (a count above 1000 deals one chosen card).
int roomFor(const Context& ctx, PileRef p) {
    int n = ctx.piles.count(p);
    if (p.kind == PileKind::Row) {
        const int dealt = ctx.P[374 + p.index];
        n = std::max(n, dealt > 1000 ? 1 : dealt);
    }
    return n;
}

struct Box {
    int left, top, right, bottom;
};

// The box a pile covers with n cards in its fan mode.
Box pileBox(const Context& ctx, PileRef p, int n) {
    const Layout& L = ctx.layout;
    const PilePos& at = L.position(p);
    Box b{at.x, at.y, at.x + L.cardW + L.shadow, at.y + L.cardH + L.shadow};
    const int more = std::max(0, n - 1);
    const int mode = fanMode(ctx, p);
    const bool fans = p.kind != PileKind::Stock;
    if (fans && mode == 1) {
        // A downward fan is where the player builds: room for a whole suit.
        b.bottom += std::max(more, 12) * L.fan.downUp;
    } else if (fans && mode == 2) {
        b.right += more * L.fan.sideUp;
    } else if (fans && mode == 4) {
        b.right += more * (L.cardW + L.fan.spread);
    } else if (fans && mode == 6) {
        b.right += more * L.fan.mode6First;
    } else if (fans && mode == 10) {
        b.left -= more * L.fan.sideUp;
    } else if (p.kind == PileKind::Stock && p.index == kMazzoVis) {
        b.right += L.fan.visFirst + L.fan.visSecond;
    }
    return b;
}

}  // namespace

bool fitToWindow(const Context& ctx) { return ctx.reg.read(reg::CardSize) == kFitCardLetter; }

int fittedCardWidth(int height) { return static_cast<int>(std::lround(height * 71.0 / 96.0)); }

void setFittedFanOffsets(Context& ctx) {
    const RuleTable& P = ctx.P;
    Layout& L = ctx.layout;
    FanOffsets& f = L.fan;
    const int w = L.cardW;
    const int h = L.cardH;
    f.downUp = f.downDown = f.sideUp = f.sideDown = 0;
    f.reserveStep = f.reserveStep2 = 3;
    f.spread = scaled(6, w, 71, 6);
    if (P[3] == 1 || P[3] == 7 || P[5] == 1) {
        f.downUp = scaled(18, h, 96, 3);
        f.downDown = scaled(4, h, 96, 3);
    }
    if (P[3] == 2 || P[6] != 0 || P[5] == 2) {
        f.sideUp = scaled(12, w, 71, 3);
        f.sideDown = scaled(4, w, 71, 3);
    }
    if (P[3] == 6) f.mode6First = f.mode6Second = scaled(7, w, 71, 3);
    f.visFirst = scaled(12, w, 71, 4);
    f.visSecond = scaled(8, w, 71, 3);
}

bool tableFits(const Context& ctx, const LayoutInputs& in) {
    const int right = in.width;
    const int bottom = in.bottom + 1;  // the client height: the scroll bar shows below it
    const auto fits = [&](PileRef p) {
        if (!ctx.layout.position(p).placed()) return true;
        const Box b = pileBox(ctx, p, roomFor(ctx, p));
        return b.left >= 0 && b.top >= 0 && b.right <= right && b.bottom <= bottom;
    };
    for (int i = 0; i < kStockPiles; ++i)
        if (!fits({PileKind::Stock, i})) return false;
    for (int i = 0; i < kFoundations; ++i)
        if (!fits({PileKind::Foundation, i})) return false;
    for (int i = 0; i < kRows; ++i)
        if (!fits({PileKind::Row, i})) return false;
    for (int i = 0; i < kReserves; ++i)
        if (!fits({PileKind::Reserve, i})) return false;
    return true;
}

void layoutFitted(Context& ctx, const LayoutInputs& in) {
    Layout& L = ctx.layout;
    // Every try starts from the same slots, so a pile one size placed cannot
    // stay behind for the next.
    const Layout before = L;
    auto tryHeight = [&](int h) {
        L.stock = before.stock;
        L.dest = before.dest;
        L.fila = before.fila;
        L.appogg = before.appogg;
        L.cardH = h;
        L.cardW = fittedCardWidth(h);
        setFittedFanOffsets(ctx);
        layoutAtCardSize(ctx, in);
        return tableFits(ctx, in);
    };
    // choice: the largest height that fits is searched from the top down, so
    // a layout whose clamps let a bigger card fit where a smaller one does not
    // still gets the biggest; the first bound is the client height.
    const int top = std::clamp(std::min(in.bottom + 1, in.width * 96 / 71), kFitMinCardHeight, kFitMaxCardHeight);
    for (int h = top; h > kFitMinCardHeight; --h)
        if (tryHeight(h)) return;
    tryHeight(kFitMinCardHeight);
}

}  // namespace tessaro
