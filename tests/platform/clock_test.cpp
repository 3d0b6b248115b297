#include "platform/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace tessaro {
namespace {

TEST(Clock, DayFractions) {
    EXPECT_DOUBLE_EQ(dayFraction({12, 0, 0, 0}), 0.5);
    EXPECT_DOUBLE_EQ(dayFraction({6, 0, 0, 0}), 0.25);
    EXPECT_DOUBLE_EQ(dayFraction({0, 0, 0, 1}), 1.0 / 86400000.0);
    EXPECT_DOUBLE_EQ(dayFraction({23, 59, 59, 999}), 86399999.0 / 86400000.0);
}

TEST(Clock, TickCountCountsMilliseconds) {
    const std::uint32_t before = tickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::uint32_t elapsed = tickCount() - before;
    EXPECT_GE(elapsed, 30u);
    EXPECT_LT(elapsed, 5000u);
}

}  // namespace
}  // namespace tessaro
