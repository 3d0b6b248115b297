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

TEST(RunState, TheWonFlagKeepsSmallValuesAndTimesKeepFractions) {
    RunState run;
    run.setFlag(Flag::Won, 3);
    EXPECT_EQ(run.flag(Flag::Won), 3);
    EXPECT_TRUE(run.isSet(Flag::Won));
    run.setFlag(Flag::Won, 0);
    EXPECT_FALSE(run.isSet(Flag::Won));
    run.setTime(Time::GameEnd, 45000.5123456789);
    EXPECT_EQ(run.time(Time::GameEnd), 45000.5123456789);
    run.setCounter(Counter::MouseMoveStamp, -2147483647 - 1);
    EXPECT_EQ(run.counter(Counter::MouseMoveStamp), -2147483647 - 1);
}

}  // namespace
}  // namespace tessaro
