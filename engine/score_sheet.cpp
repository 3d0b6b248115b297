#include "engine/score_sheet.h"

#include "engine/context.h"
#include "engine/memory.h"
#include "engine/score.h"

namespace tessaro {

namespace {

// The designed pages, in page order. The Pairs page's rule box was designed
// for the 6 x 4 grid and names the grid being played once it is filled.
constexpr MemorySheetPage kPages[kMemorySheetPages] = {
    {"Pairs", "Grid: 6 x 4 ", 10, -2},
    {"Ace-To-King", "Sequence ", 15, -1},
    {"Forget me not", "Cards: 10 ", 10, 0},
    {"Concentration", "Cards: 52 ", 7, -1},
};

// Pairs found: a matched pair adds two card numbers (6 characters) to the put-away pile.
int pairsPutAway(const Context& ctx) { return static_cast<int>(ctx.piles.stock(kMazzoWaste).size() / 6); }

// The rule box of the Pairs page names the grid; other row counts keep the
// caption the page was designed with.
std::string gridCaption(int rows) {
    switch (rows) {
    case 3: return "Grid: 4 x 3";
    case 4: return "Grid: 6 x 4";
    case 5: return "Grid: 8 x 5";
    default: return kPages[0].boxCaption;
    }
}

}  // namespace

const MemorySheetPage& memorySheetPage(int page) {
    return page >= 0 && page < kMemorySheetPages ? kPages[page] : kPages[0];
}

MemoryScoreSheet memoryScoreSheet(const Context& ctx, bool won) {
    MemoryScoreSheet s;
    s.won = won;
    s.caption = won ? "Game Won" : "Game Lost";
    s.total = ctx.reg.read(reg::Score);
    s.toWin = ctx.P[49];
    s.misses = ctx.mainGame.missCount;
    switch (ctx.P[50]) {
    case kAceToKing:
        s.page = 1;
        s.matches = runLength(ctx);
        break;
    case kForgetMeNot:
        s.page = 2;
        s.matches = correctAnswers(ctx);
        s.misses = 10 - s.matches;
        break;
    case kConcentration:
        s.page = 3;
        s.matches = pairsPutAway(ctx);
        break;
    default:
        s.page = 0;
        s.matches = pairsPutAway(ctx);
        break;
    }
    const MemorySheetPage& page = memorySheetPage(s.page);
    s.variant = page.variant;
    s.boxCaption = s.page == 0 ? gridCaption(ctx.P.rows()) : page.boxCaption;
    s.pointsPerMatch = page.pointsPerMatch;
    s.pointsPerMiss = page.pointsPerMiss;
    s.matchesProduct = s.matches * s.pointsPerMatch;
    s.missesProduct = s.misses * s.pointsPerMiss;
    return s;
}

}  // namespace tessaro
