#pragma once
// Playing the table with keys. The focus moves over "stops": the cards a
// player can point at (every place of a Memory grid, gaps included; the
// face-up cards and the top card of a fanned pile; the top of a squared pile;
// an empty pile). Acting on a stop goes through the same move input as the
// mouse: Space is a left click, or picks a card up and drops it on the
// focused pile as a drag let go there would; Return is a double click.
#include <optional>
#include <string>
#include <vector>

#include "table/hit.h"

namespace tessaro {

struct Context;

enum class TableKey { Left, Right, Up, Down, Next, Previous, Take, Play, Back };

struct FocusStop {
    std::string pile;
    int depth = -1;  ///< place in the pile text, -1 for the pile itself
    int card = 0;    ///< the card there (the top card of a squared pile), 0 for none
    CardRect rect;   ///< where it is drawn, window coordinates
};

/// Every stop on the table: piles in the order stock piles, foundations,
/// rows, reserve cells, each pile's stops bottom first. The Memory games
/// offer their rows only.
std::vector<FocusStop> focusStops(const Context& ctx);
/// The focused stop: the stored focus when it is still a stop, else the
/// nearest stop below it in the same pile, else the pile's first stop, else
/// the first card of the first row (the first stop when no row has one).
std::optional<FocusStop> focusedStop(const Context& ctx);
/// The part of the focused card that shows (a card covered by the next card
/// of its fan shows only its uncovered strip); nullopt without a stop.
std::optional<CardRect> focusFrame(const Context& ctx);
/// Handles one table key; false when the key means nothing here (the window
/// may use it) or a game is not in progress.
bool tableKey(Context& ctx, TableKey key);
/// What a screen reader says for the focused stop: "Seven of hearts, face
/// up, row 3", "face-down card, row 2, place 4".
std::string focusDescription(const Context& ctx);

}  // namespace tessaro
