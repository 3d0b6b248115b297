#pragma once
// A search over the moves the player may make in the current game, for a way
// to win it: depth first (the most promising move first) or, on request, a
// beam search. Every move is made through the player's actions
// (engine/player_actions.h), so the search knows no rule of its own: what the
// judge refuses is never tried, and what the executor, the row filling and
// autoplay do after a move is part of the position searched from.
#include <string>
#include <vector>

#include "engine/context.h"

namespace tessaro {

enum class SolveOutcome { Won, Lost, Unknown };

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::Unknown;
    /// The winning actions as play commands ("move 12 Fila3", "click 7",
    /// "stock"), preceded by "autoplay on" when the search played with it.
    std::vector<std::string> moves;
    long positions = 0;  ///< positions expanded
};

struct SolveOptions {
    long limit = 200000;  ///< positions to expand before giving up (Unknown)
    bool autoplay = true; ///< search with autoplay on, as the game is usually played
    /// 0: depth first, complete within the limit. Otherwise a beam search that
    /// keeps this many of the most promising positions of each move number:
    /// it finds long wins sooner, but never proves a game lost.
    long beam = 0;
};

/// Searches from the current position of a game in progress. The position is
/// left as it was. Lost means every position reachable was searched.
SolveResult solve(Context& ctx, const SolveOptions& options);

}  // namespace tessaro
