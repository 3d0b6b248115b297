#pragma once
// The engine's pauses on the Qt side. A pause sleeps in a nested event loop
// until its time is up: the process uses no processor while it waits, and
// the window still paints, the clock still ticks. A blocking pause keeps the
// player's input queued until it ends; a pumping pause delivers it.
#include "engine/ports.h"

namespace tessaro {

/// Waits `ms` milliseconds (at least one pass over the pending events when
/// `ms` is 0 or less), delivering user input only when `how` is Pumping.
void pause(int ms, Wait how);

}  // namespace tessaro
