#pragma once
// Games in which the player selects cards and the selection is removed as one
// move: the pair games (P[50] 3, 4 and 33) and the selection-style games
// (P[39] != 0). The selected cards are listed in the pile text of Dest1. Also
// the follow-up bookkeeping of three special games that the executor runs
// inside a move: the chained removal of P[50] = 47, the joker captions of the
// joker foundations (building rules 72 and 75) and the row exchange of
// P[50] = 49.
#include "engine/context.h"
#include "engine/input.h"

namespace tessaro {

/// True for the pair games (P[50] 3, 4 and 33).
bool pairSelectionGame(const Context& ctx);
/// True when presses select cards instead of picking them up: the pair games
/// and the games with P[39] != 0.
bool selectionGame(const Context& ctx);
/// True when `card` is in the selection list.
bool isSelected(const Context& ctx, int card);
/// In the pyramid of P[50] = 4: card p of row k lies under cards p and p+1 of
/// row k+1; the card is uncovered when both places hold "000", or when every
/// later row holds place holders only.
bool uncoveredInPyramid(const Context& ctx, int card);

/// A left press in a selection game on the card `hit` names: selects or
/// deselects it, and removes the selection when it is complete. Returns true
/// when the selection or the table changed.
bool selectionPress(Context& ctx, const Hit& hit);
/// The first line of the stock click of P[50] = 4: with a card in the stock and
/// a card already selected, the stock's top card joins the selection. Returns
/// true when that line applies (it decides the click), `changed` tells whether
/// anything changed.
bool stockSelection(Context& ctx, bool& changed);

/// The chained removal of P[50] = 47, run inside the selection removal's move
/// (no record of its own): the top cards of the later row (0-based) of the
/// removed pair go to Mazzo_Waste until it is empty; then, when that row's
/// group of seven rows holds exactly one occupied row, the top card of the row
/// just before it follows.
void chainedRemoval(Context& ctx, int laterRow);
/// The row exchange of P[50] = 49 after a card landed on row `target` from row
/// `source` (0-based): when the target holds exactly two cards and its bottom
/// card is not the row's own rank P[131+target], the bottom card moves to the
/// source row, so that the two cards trade places. Part of the same move.
void rowExchange(Context& ctx, int source, int target);
/// The rank and suit a joker on a foundation stands for, and where it lies.
struct JokerStandIn {
    int rank = -1;  ///< 1-13, or -1 when not known yet
    int suit = -1;  ///< 0-3, or -1 when not known yet
    int place = 0;  ///< foundation index x 100 + place in the pile + 100; 0 when no joker
};
JokerStandIn jokerStandIn(const Context& ctx, int foundation);
/// After a card landed on a foundation with building rule 72 or 75: every
/// joker foundation whose joker moved since its caption was last shown gets
/// its caption again.
void jokerFoundationBookkeeping(Context& ctx);

}  // namespace tessaro
