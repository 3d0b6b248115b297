#pragma once
// The move rules, the deal and the per-game autoplay setting as move
// execution, autoplay and new game call them.
#include "engine/deal.h"
#include "engine/rules.h"
#include "stores/settings.h"

namespace tessaro {

struct Context;

/// The per-game autoplay choice of the settings file (on unless stored "N").
inline bool readGameAutoplay(const Context& ctx, int game) { return autoplayFor(ctx.reg, game); }
inline void writeGameAutoplay(const Context& ctx, int game, bool on) { writeAutoplayFor(ctx.reg, game, on); }

}  // namespace tessaro
