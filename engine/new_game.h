#pragma once
// Starting a game: the "&New game" command and the new game procedure.
#include <string>

#include "engine/context.h"

namespace tessaro {

/// Fills the seven jitter sequences from the random generator.
void regenerateJitter(Context& ctx);
/// The window caption: "Tessaro [game name]  [deal number]".
std::string captionText(const Context& ctx);
/// Sets the window caption from the register.
void refreshCaption(Context& ctx);
/// Game setup: the table preparation of the current game; returns 1.
int gameSetup(Context& ctx);
/// New game. `deal` 1 empties the table and deals; `numbering` 2 draws a new
/// deal number first; `quiet` non-zero draws nothing. Returns 1.
int newGame(Context& ctx, int deal, bool animate, int numbering, bool quiet);
/// The "&New game" command: asks before abandoning a game, finishes the old
/// one and deals a new one. False when the player declined or the old game
/// had just ended.
bool newGameCommand(Context& ctx);

}  // namespace tessaro
