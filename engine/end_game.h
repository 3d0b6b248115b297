#pragma once
// When a game is won, finishing a game, and asking before one is abandoned.
#include <optional>
#include <string_view>

#include "engine/context.h"

namespace tessaro {

/// 1 when the current table is won by the rules of its kind (P[50]), else 0.
int wonTest(const Context& ctx);
/// Finishes the game in progress: decides won or lost, stops the clock, shows
/// the result and celebrates a win. Returns 1 for a won game, 0 otherwise (also
/// when no game was in progress).
int endOfGame(Context& ctx);
/// Whether the running game may be abandoned; asks "Quit this game?" (or the
/// given text) when the player wants to be asked.
bool quitConfirmation(Context& ctx, std::optional<std::string_view> text = std::nullopt);

}  // namespace tessaro
