#include "engine/clock.h"

#include <cmath>

#include "engine/memory.h"

namespace tessaro {

namespace {
// Whole seconds of a time of day, truncated.
long secondsOf(double dayFraction) { return static_cast<long>(std::floor(dayFraction * 86400.0 + 1e-6)); }
}  // namespace

std::string clockText(long seconds) {
    if (seconds < 0) seconds = 0;
    const long h = seconds / 3600;
    const long m = seconds / 60 % 60;
    const long s = seconds % 60;
    std::string out = std::to_string(h) + ":";
    out += static_cast<char>('0' + m / 10);
    out += static_cast<char>('0' + m % 10);
    out += ':';
    out += static_cast<char>('0' + s / 10);
    out += static_cast<char>('0' + s % 10);
    return out;
}

long elapsedSeconds(double start, double now) {
    const long a = secondsOf(start - std::floor(start));
    const long b = secondsOf(now - std::floor(now));
    if (b >= a) return b - a;
    // The day has changed: time since midnight plus the rest of the first day.
    return b + (86399 - a);
}

void clockTick(Context& ctx) {
    if (!ctx.run.isSet(Flag::ClockRunning)) return;
    ctx.clockText = clockText(elapsedSeconds(ctx.run.time(Time::GameStart), ctx.clock->timeOfDay()));
    ctx.presentation->showClock();
    // The same tick ends the preview of Forget me not.
    previewCheck(ctx);
}

}  // namespace tessaro

namespace tessaro {

long secondsFromClockText(std::string_view text) {
    long parts[3] = {0, 0, 0};
    int part = 0;
    int digits = 0;
    for (const char c : text) {
        if (c == ':') {
            if (digits == 0 || ++part > 2) return 0;
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            if (++digits > 6) return 0;
            parts[part] = parts[part] * 10 + (c - '0');
        } else {
            return 0;
        }
    }
    // Hours, minutes and seconds, each present; minutes and seconds below 60.
    if (part != 2 || digits == 0 || parts[1] > 59 || parts[2] > 59) return 0;
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

}  // namespace tessaro
