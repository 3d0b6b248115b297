#include "engine/score_sheet.h"

#include "engine/context.h"
#include "engine/memory.h"
#include "engine/score.h"

namespace tessaro {

namespace {

// Pairs found: a matched pair adds two card numbers (6 characters) to the put-away pile.
int pairsPutAway(const Context& ctx) { return static_cast<int>(ctx.piles.stock(kMazzoWaste).size() / 6); }

// The rule box of the Pairs page names the grid; other row counts keep the
// caption the page was designed with.
std::string gridCaption(int rows) {
    switch (rows) {
    case 3: return "Grid: 4 x 3";
    case 4: return "Grid: 6 x 4";
    case 5: return "Grid: 8 x 5";
    default: return "Grid: 6 x 4 ";
    }
}

}  // namespace

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
        s.variant = "Ace-To-King";
        s.boxCaption = "Sequence ";
        s.pointsPerMatch = 15;
        s.pointsPerMiss = -1;
        s.matches = runLength(ctx);
        break;
    case kForgetMeNot:
        s.page = 2;
        s.variant = "Forget me not";
        s.boxCaption = "Cards: 10 ";
        s.pointsPerMatch = 10;
        s.pointsPerMiss = 0;
        s.matches = correctAnswers(ctx);
        s.misses = 10 - s.matches;
        break;
    case kConcentration:
        s.page = 3;
        s.variant = "Concentration";
        s.boxCaption = "Cards: 52 ";
        s.pointsPerMatch = 7;
        s.pointsPerMiss = -1;
        s.matches = pairsPutAway(ctx);
        break;
    default:
        s.page = 0;
        s.variant = "Pairs";
        s.boxCaption = gridCaption(ctx.P.rows());
        s.pointsPerMatch = 10;
        s.pointsPerMiss = -2;
        s.matches = pairsPutAway(ctx);
        break;
    }
    s.matchesProduct = s.matches * s.pointsPerMatch;
    s.missesProduct = s.misses * s.pointsPerMiss;
    return s;
}

}  // namespace tessaro
