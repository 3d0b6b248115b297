#pragma once
// Undo and redo in the patience games: one player action (a press, a release
// or a double click, with everything that followed from it) is taken back or
// made again from the position history.
#include "engine/context.h"

namespace tessaro {

/// True when the current game lets moves be taken back: a patience game in
/// progress and not yet won, in normal play, with no card held; not a Memory
/// game (a turned card taken back would be seen without the cost of a miss),
/// not a game that keeps its selection list in Dest1 (the history does not
/// record it), not with rule parameter 21 = 1 or register position 137 "2".
bool undoAllowed(const Context& ctx);
bool canUndo(const Context& ctx);
bool canRedo(const Context& ctx);

/// Restores the position before the newest player action (cards, faces,
/// score, stock counters) and keeps the position it leaves on the redo side.
/// False, with nothing changed, when there is nothing to undo.
bool undoMove(Context& ctx);
/// Restores the newest position of the redo side; the position it leaves
/// goes back to the undo side. False when there is nothing to redo.
bool redoMove(Context& ctx);

}  // namespace tessaro
