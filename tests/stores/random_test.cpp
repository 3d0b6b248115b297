#include "stores/random.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(Random, GoldenSequenceFromSeedOne) {
    Random r(1);
    EXPECT_EQ(r.next(100), 3);
    EXPECT_EQ(r.next(100), 86);
    EXPECT_EQ(r.next(52), 10);
    EXPECT_EQ(r.next(1000000), 272921);
    EXPECT_EQ(r.next(1), 0);
    EXPECT_EQ(r.seed(), 2884733762u);
}

TEST(Random, TheSeedWrapsAtThirtyTwoBits) {
    Random r(0xFFFFFFFFu);
    EXPECT_EQ(r.next(7), 6);
    EXPECT_EQ(r.seed(), 4160191484u);
    EXPECT_EQ(Random::seedFromTime(23, 59, 59, 999), 86399999u);
    EXPECT_EQ(Random::seedFromTime(0, 0, 1, 5), 1005u);
}

}  // namespace
}  // namespace tessaro
