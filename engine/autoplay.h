#pragma once
// Autoplay (cards to the foundations by themselves) and the automatic filling
// of empty tableau rows by the rule P[23].
#include "engine/context.h"

namespace tessaro {

/// The "Au&toplay" command: inverts the switch; when switched on during a
/// game, plays everything playable at once; under scope 2 stores the choice.
void toggleAutoplay(Context& ctx);
/// One full automatic pass to the foundations; true when anything moved.
bool autoplayPass(Context& ctx);
/// One application of the row filling rule; true when anything moved.
bool fillRows(Context& ctx);
/// Passes and fillings alternately while a pass moves something (the pass
/// runs first when `passFirst`, else the filling).
void autoplayUntilStill(Context& ctx, bool passFirst);
/// Applies the stored per-game choice (scope 2, entry enabled): toggles
/// autoplay when it differs from the current switch.
void loadAutoplaySetting(Context& ctx, int game);
/// Stores the current switch for the game (scope 2, entry enabled).
void storeAutoplaySetting(Context& ctx, int game);

}  // namespace tessaro
