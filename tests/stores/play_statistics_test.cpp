#include "stores/play_statistics.h"

#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

TEST(PlayStatistics, CountsScoresTimesAndStreaksAndReadsThemBack) {
    test::TempDir dir;
    const std::string path = dir.path("Data/Tessaro_Statistics.txt").string();
    PlayStatistics stats(path);
    EXPECT_EQ(stats.load(), StatisticsLoad::Missing);
    stats.record(201, true, 50, 300);
    stats.record(201, true, 62, 240);
    stats.record(201, false, 70, 100);  // a lost game's score counts, its time does not
    stats.record(201, true, 44, 500);
    stats.record(205, false, -60, 10);
    ASSERT_TRUE(stats.save());

    PlayStatistics again(path);
    ASSERT_EQ(again.load(), StatisticsLoad::Read);
    const GameStatistics s = again.of(201);
    EXPECT_EQ(s.played, 4);
    EXPECT_EQ(s.won, 3);
    EXPECT_EQ(s.lost, 1);
    EXPECT_EQ(s.winRate(), 75);
    EXPECT_EQ(s.bestScore, 70);
    EXPECT_EQ(s.bestTime, 240);
    EXPECT_EQ(s.streak, 1);
    EXPECT_EQ(s.longestStreak, 2);
    const GameStatistics lost = again.of(205);
    EXPECT_EQ(lost.bestScore, -60);
    EXPECT_EQ(lost.bestTime, -1);
    EXPECT_EQ(lost.winRate(), 0);
    EXPECT_EQ(again.of(1).played, 0);

    again.reset(201);
    ASSERT_TRUE(again.save());
    PlayStatistics third(path);
    third.load();
    EXPECT_EQ(third.of(201).played, 0);
    EXPECT_EQ(third.of(205).played, 1);
}

TEST(PlayStatistics, ADamagedFileIsKeptAsideAndCountingStartsAfresh) {
    test::TempDir dir;
    const std::string path = dir.path("stats.txt").string();
    for (const char* damaged : {"Tessaro statistics 1\n201 3 1 1 1 50 20 0 0\n",  // played is not won + lost
                                "Tessaro statistics 1\n201 1 1 0 1 50\n", "garbage\n",
                                "Tessaro statistics 1\n201 1 1 0 1 50 20 1 1\n201 1 1 0 1 50 20 1 1\n"}) {
        SCOPED_TRACE(damaged);
        dir.write("stats.txt", damaged);
        PlayStatistics stats(path);
        ASSERT_EQ(stats.load(), StatisticsLoad::KeptAside);
        EXPECT_TRUE(stats.games().empty());
        std::string kept;
        ASSERT_TRUE(readTextFile(stats.keptAside(), kept));
        EXPECT_EQ(kept, damaged);
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    // Every damaged file got a name of its own.
    EXPECT_TRUE(std::filesystem::exists(path + ".damaged4"));
}

}  // namespace
}  // namespace tessaro
