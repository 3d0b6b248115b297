#pragma once
// The system clock as the program uses it: a millisecond tick count for short
// intervals, the local time of day for the game clock and the UTC time of day
// for the random seed.
#include <cstdint>

namespace tessaro {

/// Milliseconds since an arbitrary fixed moment; wraps around at 2^32.
std::uint32_t tickCount();

/// A time of day split into its parts.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

/// The current local time of day.
ClockTime localClock();
/// The current time of day in UTC.
ClockTime utcClock();

/// A time of day as a fraction of a day (12:00 is 0.5).
double dayFraction(const ClockTime& t);
/// The current local time of day as a fraction of a day.
double localTimeOfDay();

/// The generator's start-up seed: ((hour * 60 + minute) * 60 + second) *
/// 1000 + millisecond of the UTC clock.
std::uint32_t clockSeed();

}  // namespace tessaro
