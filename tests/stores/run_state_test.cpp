#include "stores/run_state.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(RunState, StartUpClearsEverythingButFirstShowAndTheMouseStamp) {
    RunState run;
    for (Flag f : {Flag::GameInProgress, Flag::ClockRunning, Flag::DoubleClickPending, Flag::AnimationRunning,
                   Flag::Won, Flag::GameFinished})
        run.setFlag(f, 1);
    run.setTime(Time::GameStart, 0.75);
    run.setCounter(Counter::StockTurns, 4);
    run.startUp();
    EXPECT_EQ(run.flag(Flag::FirstShowPending), 1);
    for (Flag f : {Flag::GameInProgress, Flag::ClockRunning, Flag::DoubleClickPending, Flag::AnimationRunning,
                   Flag::Won, Flag::GameFinished})
        EXPECT_EQ(run.flag(f), 0) << static_cast<int>(f);
    EXPECT_EQ(run.time(Time::GameStart), 0.0);
    EXPECT_EQ(run.counter(Counter::StockTurns), 0);
    EXPECT_EQ(run.counter(Counter::MouseMoveStamp), -1);
}

}  // namespace
}  // namespace tessaro
