#pragma once
// The game clock's time of day from the system's local clock, for the GUI
// (the CLI and the tests advance a ManualClock by hand).
#include "engine/game_ports.h"
#include "platform/clock.h"

namespace tessaro {

class SystemDayClock : public ClockPort {
public:
    double timeOfDay() override { return localTimeOfDay(); }
};

}  // namespace tessaro
