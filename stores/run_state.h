#pragma once
// Run-state flags, game times and counters of the running program. Nothing here
// is saved; start-up clears them.
#include <array>
#include <cstdint>

namespace tessaro {

enum class Flag : int {
    GameInProgress = 2,
    ClockRunning = 3,
    FirstShowPending = 4,
    DoubleClickPending = 5,
    AnimationRunning = 6,
    Won = 8,
    GameFinished = 9,
};

enum class Time : int { GameStart = 0, GameEnd = 1 };
enum class Counter : int { StockTurns = 0, MouseMoveStamp = 1 };

class RunState {
public:
    int flag(Flag f) const { return flags_[static_cast<int>(f)]; }
    bool isSet(Flag f) const { return flag(f) != 0; }
    void setFlag(Flag f, int value) { flags_[static_cast<int>(f)] = static_cast<std::uint8_t>(value); }

    /// Date-time as days (whole part) and fraction of a day.
    double time(Time t) const { return times_[static_cast<int>(t)]; }
    void setTime(Time t, double value) { times_[static_cast<int>(t)] = value; }

    std::int32_t counter(Counter c) const { return counters_[static_cast<int>(c)]; }
    void setCounter(Counter c, std::int32_t value) { counters_[static_cast<int>(c)] = value; }

    /// Start-up state: everything zero, then first show pending and no
    /// mouse-move stamp pending (-1).
    void startUp() {
        flags_.fill(0);
        times_.fill(0.0);
        counters_.fill(0);
        setFlag(Flag::FirstShowPending, 1);
        setCounter(Counter::MouseMoveStamp, -1);
    }

private:
    std::array<std::uint8_t, 10> flags_{};
    std::array<double, 2> times_{};
    std::array<std::int32_t, 2> counters_{};
};

}  // namespace tessaro
