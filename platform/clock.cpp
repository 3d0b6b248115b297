#include "platform/clock.h"

#include <chrono>
#include <ctime>

#include "stores/random.h"

namespace tessaro {

namespace {

ClockTime split(bool local) {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t secs = system_clock::to_time_t(now);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm parts{};
    // The C library's conversions return a pointer to shared storage; copy at once.
    const std::tm* p = local ? std::localtime(&secs) : std::gmtime(&secs);
    if (p) parts = *p;
    return ClockTime{parts.tm_hour, parts.tm_min, parts.tm_sec, static_cast<int>(ms < 0 ? ms + 1000 : ms)};
}

}  // namespace

std::uint32_t tickCount() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

ClockTime localClock() { return split(true); }
ClockTime utcClock() { return split(false); }

double dayFraction(const ClockTime& t) {
    return (((t.hour * 60.0 + t.minute) * 60.0 + t.second) * 1000.0 + t.millisecond) / 86400000.0;
}

double localTimeOfDay() { return dayFraction(localClock()); }

std::uint32_t clockSeed() {
    const ClockTime t = utcClock();
    return Random::seedFromTime(t.hour, t.minute, t.second, t.millisecond);
}

}  // namespace tessaro
