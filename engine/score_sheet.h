#pragma once
// The values of the Memory score sheet shown when a Memory game ends: matches
// and misses with their points, the start of -52, the total and the score to
// win. The engine computes them; the window only shows them.
#include <string>

namespace tessaro {

struct Context;

/// One page of the score sheet as the window is designed: the variant's
/// caption, the rule box's caption and the points per match and per miss.
struct MemorySheetPage {
    const char* variant;
    const char* boxCaption;
    int pointsPerMatch;
    int pointsPerMiss;
};

/// The number of pages of the score sheet, one per Memory variant.
inline constexpr int kMemorySheetPages = 4;

/// The designed page 0 Pairs, 1 Ace-To-King, 2 Forget me not or 3
/// Concentration; any other index gives the Pairs page.
const MemorySheetPage& memorySheetPage(int page);

struct MemoryScoreSheet {
    bool won = false;
    std::string caption;      ///< window caption: "Game Won" or "Game Lost"
    int page = 0;             ///< 0 Pairs, 1 Ace-To-King, 2 Forget me not, 3 Concentration
    std::string variant;      ///< the page's caption: "Pairs", "Ace-To-King", ...
    std::string boxCaption;   ///< the rule box: "Grid: 4 x 3", "Sequence ", "Cards: 10 ", "Cards: 52 "
    int pointsPerMatch = 0;   ///< 10, 15, 10 or 7
    int pointsPerMiss = 0;    ///< -2, -1, 0 or -1
    int matches = 0;
    int misses = 0;
    int matchesProduct = 0;
    int missesProduct = 0;
    std::string start = "-52";
    std::string total;        ///< the score as the register holds it (position 122)
    int toWin = 0;            ///< the score to win, P[49]
};

/// The sheet of the current Memory game (P[50] 36 to 39) with the result;
/// for any other kind a sheet of page 0 with the counts of Pairs.
MemoryScoreSheet memoryScoreSheet(const Context& ctx, bool won);

}  // namespace tessaro
