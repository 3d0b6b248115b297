#pragma once
// The judge: may a card, or the run of cards it heads, be placed on a pile?
// Every game's building rules are data: each pile family has per-pile rule
// parameters selecting a building rule code, a direction code, an empty-pile
// code and a wrap setting, and these functions interpret them. The same judge
// serves the player's drop, autoplay, the deal and the check of dragged runs.
//
// Notation: b is the moving card (a run's lowest card), a the target's top
// card (-1 for an empty target; the deal passes 0), T the 0-based index of the
// target pile within its family.
#include <string_view>

#include "engine/context.h"

namespace tessaro {

/// Card location codes returned by cardLocation.
namespace location {
inline constexpr int kStock = -99;     ///< Mazzo
inline constexpr int kWaste = -98;     ///< Mazzo_Vis (visible stock)
inline constexpr int kNowhere = 0;     ///< in none of the searched piles
/// Foundation i (0-15) is -(i+1); tableau row n is n+1 (1-40); reserve cell i is -21-i.
inline constexpr int foundation(int i) { return -(i + 1); }
inline constexpr int row(int n) { return n + 1; }
inline constexpr int reserve(int i) { return -21 - i; }
inline constexpr bool isRow(int loc) { return loc >= 1 && loc <= 40; }
inline constexpr bool isFoundation(int loc) { return loc >= -16 && loc <= -1; }
inline constexpr bool isReserve(int loc) { return loc >= -30 && loc <= -21; }
}  // namespace location

/**
 * Where a card lies, searched in this order: the stock (-99), the visible
 * stock (-98), foundations 0-15 (-1 to -16), the tableau rows in use (1 to
 * P[367]), the reserve cells in use (-21 to -30); 0 when none holds it.
 */
int cardLocation(const Context& ctx, int card);

/**
 * The judge. Decides whether card b may be laid on a pile whose top card is a.
 * @param a          top card of the target; -1 (or 0 from the deal) when it is empty
 * @param b          the moving card, or the lowest card of a moving run
 * @param emptyCode  P[131+T] for a tableau row, P[51+T] for a foundation; -1 any card
 * @param byPlayer   true for the player's and autoplay's moves, false for the deal and the run check
 * @param T          0-based index of the target within its family
 * @param wrapAllowed P[251+T] > 0 for tableau rows, true for foundations
 * @param toFoundation true for foundations (also during the deal)
 * @param ruleCode   building rule code (P[211+T] or P[83+T])
 * @param direction  0 descending, 1 ascending, 2 either
 * @param baseRank   P[51] for tableau rows, P[51+T] for foundations; -1 any
 * May show "Error suit - 1" through ctx.dialogs when a foundation start check
 * meets a joker; otherwise it only reads the context.
 */
bool canPlace(const Context& ctx, int a, int b, int emptyCode, bool byPlayer, int T, bool wrapAllowed,
              bool toFoundation, int ruleCode, int direction, int baseRank);

/**
 * May the dragged card (with the run above it in its pile, when
 * ctx.drag.singleCard is false) be dropped on the named pile? The name is "Dest", "Fila" or
 * "Appogg" followed by the pile number counted from 1. Other names, piles
 * beyond the number the game uses, and numbers that are no card give false.
 */
bool canDropOnPile(const Context& ctx, int card, std::string_view pile);

/// Foundation T (0-15): single cards only, the discard and Queen codes, the
/// P[32] limit, then the judge with the foundation's parameters.
bool canPlaceOnFoundation(const Context& ctx, int T, int card);

/// Tableau row T (0-39): face-down top, the P[33] limit, the judge with the
/// row's parameters, the run checks, and the refusal of a run dropped back on
/// its own pile (by ctx.drag.runTop).
bool canPlaceOnTableau(const Context& ctx, int T, int card);

/// Reserve cell T (0-9), by its reserve rule code P[331+T].
bool canPlaceOnReserve(const Context& ctx, int T, int card);

/**
 * The run from card to the top of its pile obeys tableau row T's rule pairwise
 * (P[2] = 1), or is same-suit in the row's direction (P[2] = 10); any other
 * P[2] checks nothing.
 */
bool runFollowsRule(const Context& ctx, int card, int T);

/**
 * The run from card to the top of its pile is short enough under P[13].
 * Records the top card of the card's pile in ctx.drag.runTop (0 when the card
 * lies nowhere) for the own-pile check of canPlaceOnTableau.
 * @param targetEmpty the target row is empty (P[13] = -5 then allows one card less)
 */
bool runLengthAllowed(Context& ctx, int card, bool targetEmpty);

/// runLengthAllowed without recording the run top.
bool runLengthWithin(const Context& ctx, int card, bool targetEmpty);

/**
 * Starting an empty foundation whose base code is 81 (an Ace), 84 (a King,
 * distinct suits), 85 (an Ace, distinct suits) or 90 (a 2, distinct suits).
 * Among the foundations in use with that base code, neither colour may occur
 * more often than half their number (truncated), counting the card and the
 * bottom cards of those already started; for 84, 85 and 90 no suit twice.
 * Other codes: -1 asks for any rank, anything else for that rank.
 */
bool foundationStartAllowed(const Context& ctx, int code, int card);

/**
 * The suits of the top cards of foundations f1, f2, f3, f4 (empty ones and
 * jokers ignored), with card's suit in the place of the foundation at
 * `position` (0 for f1 ... 3 for f4; -1 adds it to the four), are all
 * different. A position outside -1 to 3, or a foundation index outside 0-15,
 * gives false.
 */
bool suitsDistinct(const Context& ctx, int f1, int f2, int f3, int position, int card, int f4);

/**
 * A jump of the grid of width P[28] from row `from` over an occupied row into
 * the empty row T, horizontally (two cells in the same grid row) or vertically
 * (two grid rows). On success `jumped` is the index of the row passed over.
 * False when P[28] is not positive or an index is no row.
 */
bool jumpTarget(const Context& ctx, int from, int T, int& jumped);

/**
 * The card is not covered by its neighbours: rows come in blocks of ten; in a
 * left half (0-4) the rows of its block before it must be empty, in a right
 * half (5-9) those after it. In reserve cell i >= 5 cells i+1 to 9 must be
 * empty, in cell 1-4 cells 0 to i-1; cell 0 and every other pile are free.
 */
bool neighboursClear(const Context& ctx, int card);

}  // namespace tessaro
