#pragma once
// Sound requests of the engine: a sound plays when its own switch field holds
// "Y" and the master switch (141) holds "Y".
#include <string_view>

#include "engine/context.h"

namespace tessaro {

inline void playSound(Context& ctx, std::string_view name, Field sw) {
    if (ctx.reg.read(sw) == "Y" && ctx.reg.read(reg::SoundsOn) == "Y") ctx.sound->play(name);
}

/// Switches that are on unless they hold "N" (animations, automatic face-up).
inline bool switchOn(const Context& ctx, Field sw) { return ctx.reg.read(sw) != "N"; }

}  // namespace tessaro
