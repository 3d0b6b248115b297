#include <gtest/gtest.h>

#include "engine/history.h"
#include "engine/new_game.h"
#include "engine/score.h"
#include "exec_support.h"

namespace tessaro::test {
namespace {

TEST(History, RecordHoldsSixtyNineLinesWithFaceFlagsAndGaps) {
    LoggedContext t;
    setPile(t.ctx, "Mazzo", "00500061");
    setPile(t.ctx, "Fila3", "00000111");
    setPile(t.ctx, "Appogg10", "1051");
    pushHistory(t.ctx);
    const HistorySide& u = t.ctx.history.undo;
    EXPECT_EQ(u.stock.size(), 3u);
    EXPECT_EQ(u.foundations.size(), 16u);
    EXPECT_EQ(u.rows.size(), 40u);
    EXPECT_EQ(u.reserves.size(), 10u);
    EXPECT_EQ(u.stock[0], "00500061");
    EXPECT_EQ(u.rows[2], "00000111");
    EXPECT_EQ(u.reserves[9], "1051");
    EXPECT_EQ(u.rows[0], "");
    EXPECT_EQ(u.log, "1");
}

TEST(History, DropLastAndDropBeforeLastRemoveTheRightRecordsAndLogEntries) {
    LoggedContext t;
    for (int card = 1; card <= 4; ++card) {
        setPile(t.ctx, "Fila1", card3(card) + "1");
        pushHistory(t.ctx);
    }
    EXPECT_EQ(t.ctx.history.undo.log, "1,2,3,4");
    dropRecordBeforeLast(t.ctx, 2);
    ASSERT_EQ(t.ctx.history.undo.records(), 2);
    EXPECT_EQ(t.ctx.history.undo.rows[0], "0011");
    EXPECT_EQ(t.ctx.history.undo.rows[40], "0041");
    EXPECT_EQ(t.ctx.history.undo.log, "1,4");
    dropLastRecords(t.ctx, 1);
    ASSERT_EQ(t.ctx.history.undo.records(), 1);
    EXPECT_EQ(t.ctx.history.undo.rows[0], "0011");
    EXPECT_EQ(t.ctx.history.undo.log, "1");
    // Asking for more than there is removes what is there.
    dropLastRecords(t.ctx, 5);
    EXPECT_EQ(t.ctx.history.undo.records(), 0);
    EXPECT_EQ(t.ctx.history.undo.rows.size(), 0u);
    EXPECT_EQ(t.ctx.history.undo.log, "");
}

TEST(History, AFalseFlagShowsDelLinesAndKeepsEverything) {
    LoggedContext t;
    pushHistory(t.ctx);
    pushHistory(t.ctx);
    dropLastRecords(t.ctx, 1, false);
    dropRecordBeforeLast(t.ctx, 1, false);
    EXPECT_EQ(t.log.count("info Del Lines"), 2);
    EXPECT_EQ(t.ctx.history.undo.records(), 2);
}

TEST(History, SelectionGamesStoreDest1Empty) {
    LoggedContext t;
    setPile(t.ctx, "Dest1", "0011");
    setPile(t.ctx, "Dest2", "0021");
    t.ctx.P.set(39, 1);
    pushHistory(t.ctx);
    EXPECT_EQ(t.ctx.history.undo.foundations[0], "");
    EXPECT_EQ(t.ctx.history.undo.foundations[1], "0021");
}

struct ScoreCase {
    const char* name;
    std::initializer_list<std::pair<int, int>> params;
    std::initializer_list<std::pair<const char*, const char*>> piles;
    int misses;
    int expected;
};

TEST(Score, EveryGameType) {
    const ScoreCase cases[] = {
        {"standard start -deck", {{370, 52}, {366, 2}}, {{"Dest1", "00110021"}, {"Dest2", "0141"}}, 0, -37},
        {"standard counts only foundations in use", {{370, 52}, {366, 1}}, {{"Dest2", "0141"}}, 0, -52},
        {"standard put-away, P46, jokers",
         {{370, 52}, {366, 1}, {46, 2}, {373, 1}},
         {{"Mazzo_Waste", "00110021"}},
         0,
         -52 + 10 + 10 - 5},
        {"standard P47=1 one deck", {{370, 52}, {47, 1}}, {}, 0, -32},
        {"standard P47=1 two decks", {{370, 104}, {47, 1}}, {}, 0, -64},
        {"standard P47=2", {{370, 52}, {47, 2}}, {}, 0, -28},
        {"standard P47=3", {{370, 52}, {47, 3}}, {}, 0, 0},
        {"9 is zero", {{50, 9}, {370, 52}}, {{"Mazzo_Waste", "0011"}}, 0, 0},
        {"34 rows in order until the first miss",
         {{50, 34}, {370, 52}, {367, 4}},
         {{"Fila1", "0011"}, {"Fila2", "0151"}, {"Fila3", "0041"}, {"Fila4", "0041"}},
         0,
         -32},
        {"35 put-away", {{50, 35}, {370, 52}}, {{"Mazzo_Waste", "001100210031"}}, 0, -22},
        {"37 pairs", {{50, 37}, {370, 24}}, {{"Mazzo_Waste", "00110531"}}, 3, 10 - 6 - 52},
        {"39 concentration", {{50, 39}, {370, 24}}, {{"Mazzo_Waste", "00110141"}}, 2, 7 - 2 - 52},
        {"36 ace-to-king run", {{50, 36}, {370, 52}}, {{"Appogg1", "001100210031"}}, 1, 45 - 1 - 52},
        {"36 broken run", {{50, 36}, {370, 52}}, {{"Appogg1", "00110031"}}, 0, -52},
        {"38 all answers right",
         {{50, 38}, {370, 10}, {366, 10}, {367, 20}},
         {{"Dest1", "0011"}, {"Dest2", "0021"}, {"Dest3", "0031"}, {"Dest4", "0041"}, {"Dest5", "0051"},
          {"Dest6", "0061"}, {"Dest7", "0071"}, {"Dest8", "0081"}, {"Dest9", "0091"}, {"Dest10", "0101"},
          {"Fila1", "0531"}, {"Fila2", "0541"}, {"Fila3", "0551"}, {"Fila4", "0561"}, {"Fila5", "0571"},
          {"Fila6", "0581"}, {"Fila7", "0591"}, {"Fila8", "0601"}, {"Fila9", "0611"}, {"Fila10", "0631"}},
         0,
         90 - 10},
        {"38 an empty answer row scores nothing",
         {{50, 38}, {370, 10}, {366, 10}, {367, 20}},
         {{"Dest1", "0011"}, {"Fila1", "0531"}},
         0,
         -10},
        {"43 nine down", {{50, 43}, {370, 52}, {367, 2}},
         {{"Fila2", "009100810071006100510041003100210011"}}, 0, -52 + 225},
        {"44", {{50, 44}, {370, 40}}, {}, 0, -40},
        {"47 rows left", {{50, 47}, {370, 52}, {367, 2}}, {{"Fila2", "0011"}, {"Mazzo_Waste", "00210031"}}, 0, -42},
        {"47 rows empty", {{50, 47}, {370, 52}, {367, 2}}, {{"Mazzo_Waste", "00210031"}}, 0, 208},
        {"48", {{50, 48}, {370, 52}, {46, 1}}, {{"Dest2", "00110021"}}, 0, 5 + 10 - 52},
        {"49", {{50, 49}, {370, 96}, {46, 4}}, {{"Fila1", "0011"}, {"Fila24", "00210031"}, {"Fila25", "0041"}},
         0, 20 - 96 + 15},
        {"40 41 42 46 32 zero", {{50, 41}, {370, 52}}, {{"Dest1", "0011"}}, 0, 0},
    };
    for (const auto& c : cases) {
        LoggedContext t;
        for (auto [p, v] : c.params) t.ctx.P.set(p, v);
        for (auto [name, line] : c.piles) setPile(t.ctx, name, line);
        t.ctx.mainGame.missCount = c.misses;
        EXPECT_EQ(currentScore(t.ctx), c.expected) << c.name;
    }
}

TEST(Score, StandardScoreNeedsScoringModeOne) {
    LoggedContext t;
    setParams(t.ctx, {{370, 52}, {366, 1}});
    t.ctx.reg.write(reg::ScoringMode, "00");
    EXPECT_EQ(currentScore(t.ctx), 0);
}

TEST(Score, RefreshWritesThePlainNumberExceptForGameNine) {
    LoggedContext t;
    setParams(t.ctx, {{370, 52}, {366, 1}});
    setPile(t.ctx, "Dest1", "0011");
    refreshScore(t.ctx);
    EXPECT_EQ(t.ctx.reg.read(reg::Score), "-47");
    t.ctx.P.set(50, 9);
    t.ctx.reg.write(reg::Score, "7");
    refreshScore(t.ctx);
    EXPECT_EQ(t.ctx.reg.read(reg::Score), "7");
}

TEST(Score, RunLengthOfAceToKing) {
    LoggedContext t;
    EXPECT_EQ(runLength(t.ctx), 0);
    setPile(t.ctx, "Appogg1", "0021");
    EXPECT_EQ(runLength(t.ctx), 0);
    setPile(t.ctx, "Appogg1", "0011");
    EXPECT_EQ(runLength(t.ctx), 1);
    setPile(t.ctx, "Appogg1", "001101510291");  // ace, two, three of different suits
    EXPECT_EQ(runLength(t.ctx), 3);
    setPile(t.ctx, "Appogg1", "001100310041");
    EXPECT_EQ(runLength(t.ctx), 0);
}

TEST(Jitter, SequencesFollowTheGeneratorExactly) {
    Context ctx;
    ctx.rng.setSeed(12345);
    regenerateJitter(ctx);
    const std::array<std::array<int, 13>, 7> expected{{{0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0},
                                {0, 2, 0, -1, 0, -1, 0, 0, 0, 0, 0, 0, 0},
                                {0, 0, 0, 0, -1, 0, -1, 1, 0, -1, 0, 0, 0},
                                {0, 1, 0, 0, 0, -1, 0, 0, -1, 2, 0, 0, -1},
                                {0, -1, 2, 0, 0, 0, -1, 1, 0, 0, 0, 0, 0},
                                {0, 0, -1, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0},
                                {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}};
    EXPECT_EQ(ctx.layout.jitter, expected);
    // 7 x 13 draws: one for b and twelve for c per sequence.
    EXPECT_EQ(ctx.rng.seed(), 2894337948u);
}

}  // namespace
}  // namespace tessaro::test
