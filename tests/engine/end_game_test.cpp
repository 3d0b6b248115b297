#include <gtest/gtest.h>

#include "engine/end_game.h"
#include "engine/new_game.h"
#include "exec_support.h"

namespace tessaro::test {
namespace {

struct WonCase {
    const char* name;
    std::initializer_list<std::pair<int, int>> params;
    std::initializer_list<std::pair<const char*, const char*>> piles;
    int expected;
};

TEST(WonTest, EveryRowOfTheTable) {
    const WonCase cases[] = {
        {"default empty table", {{367, 2}, {368, 1}}, {{"Dest1", "0011"}, {"Mazzo_Waste", "0021"}}, 1},
        {"default stock left", {{367, 2}}, {{"Mazzo", "0010"}}, 0},
        {"default visible stock left", {{367, 2}}, {{"Mazzo_Vis", "0011"}}, 0},
        {"default row left", {{367, 2}}, {{"Fila2", "0011"}}, 0},
        {"default rows beyond those in use ignored", {{367, 2}}, {{"Fila3", "0011"}}, 1},
        {"default reserve left", {{367, 2}, {368, 2}}, {{"Appogg2", "0011"}}, 0},
        {"default 38 answers left", {{50, 38}, {367, 2}}, {{"Fila1", "0011"}}, 0},
        {"4 gaps count as empty", {{50, 4}, {367, 2}}, {{"Fila1", "00000000"}}, 1},
        {"gaps are cards elsewhere", {{367, 2}}, {{"Fila1", "0000"}}, 0},
        {"9 every row holds a card", {{50, 9}, {367, 2}}, {{"Fila1", "0011"}, {"Fila2", "0021"}}, 1},
        {"9 one row empty", {{50, 9}, {367, 2}}, {{"Fila1", "0011"}}, 0},
        {"9 without rows", {{50, 9}, {367, 0}}, {}, 1},
        {"21 four left in row 1", {{50, 21}, {367, 1}}, {{"Fila1", "0011002100310041"}}, 1},
        {"22 five left", {{50, 22}, {367, 1}}, {{"Fila1", "00110021003100410051"}}, 0},
        {"22 stock not empty", {{50, 22}, {367, 1}}, {{"Mazzo", "0011"}}, 0},
        {"27 one card each", {{50, 27}, {367, 2}}, {{"Fila1", "0011"}, {"Fila2", "0021"}}, 1},
        {"27 two in one", {{50, 27}, {367, 2}}, {{"Fila1", "00110031"}, {"Fila2", "0021"}}, 0},
        {"31 aces", {{50, 31}, {367, 2}}, {{"Fila1", "0011"}, {"Fila2", "0141"}}, 1},
        {"31 not an ace", {{50, 31}, {367, 2}}, {{"Fila1", "0011"}, {"Fila2", "0151"}}, 0},
        {"32 never", {{50, 32}, {367, 0}}, {}, 0},
        {"48 never", {{50, 48}, {367, 0}}, {}, 0},
        {"37 score reached", {{50, 37}, {49, 30}}, {}, 1},
        {"41 only foundation 1", {{50, 41}, {366, 3}}, {{"Dest1", "0011"}, {"Dest4", "0021"}}, 1},
        {"41 foundation 3 holds", {{50, 41}, {366, 3}}, {{"Dest3", "0011"}}, 0},
        {"43 nine down", {{50, 43}, {367, 2}}, {{"Fila2", "009100810071006100510041003100210011"}}, 1},
        {"43 eight down", {{50, 43}, {367, 2}}, {{"Fila2", "00810071006100510041003100210011"}}, 0},
        {"45 exactly four rows",
         {{50, 45}, {367, 5}},
         {{"Fila1", "0011"}, {"Fila2", "0021"}, {"Fila3", "0031"}, {"Fila5", "0041"}},
         1},
        {"45 five rows",
         {{50, 45}, {367, 5}},
         {{"Fila1", "0011"}, {"Fila2", "0021"}, {"Fila3", "0031"}, {"Fila4", "0051"}, {"Fila5", "0041"}},
         0},
        {"52 eight in Appogg1", {{50, 52}, {367, 2}}, {{"Appogg1", "00110021003100410051006100710081"}}, 1},
        {"52 seven", {{50, 52}, {367, 2}}, {{"Appogg1", "0011002100310041005100610071"}}, 0},
    };
    for (const auto& c : cases) {
        LoggedContext t;
        for (auto [p, v] : c.params) t.ctx.P.set(p, v);
        for (auto [name, line] : c.piles) setPile(t.ctx, name, line);
        t.ctx.reg.write(reg::Score, "30");
        EXPECT_EQ(wonTest(t.ctx), c.expected) << c.name;
    }
}

TEST(WonTest, FortyNineNeedsFourCardsInEachOfTheFirstTwentyFourRows) {
    LoggedContext t;
    setParams(t.ctx, {{50, 49}, {367, 25}});
    for (int i = 1; i <= 24; ++i) setPile(t.ctx, "Fila" + std::to_string(i), "0011002100310041");
    EXPECT_EQ(wonTest(t.ctx), 1);
    setPile(t.ctx, "Fila24", "001100210031");
    EXPECT_EQ(wonTest(t.ctx), 0);
}

TEST(EndOfGame, ScoreToWinDecidesWhateverTheLastWonTestSaid) {
    for (const char* score : {"30", "29"}) {
        LoggedContext t;
        setParams(t.ctx, {{50, 37}, {49, 30}});
        t.ctx.reg.write(reg::Score, score);
        t.ctx.run.setFlag(Flag::Won, score[1] == '9' ? 1 : 0);
        t.ctx.run.setFlag(Flag::ClockRunning, 1);
        const int won = endOfGame(t.ctx);
        EXPECT_EQ(won, score[1] == '0' ? 1 : 0) << score;
        EXPECT_EQ(t.ctx.run.flag(Flag::GameInProgress), 0);
        EXPECT_EQ(t.ctx.run.flag(Flag::ClockRunning), 0);
        EXPECT_EQ(t.ctx.run.flag(Flag::Won), 0);
        EXPECT_EQ(t.ctx.run.flag(Flag::GameFinished), 1);
        EXPECT_TRUE(t.log.has(won ? "sheet won" : "sheet lost"));
    }
}

TEST(EndOfGame, LostGameShowsTheSheetAndNothingElse) {
    LoggedContext t;
    setParams(t.ctx, {{50, 39}, {49, 10}});
    t.ctx.reg.write(reg::Score, "-40");
    setPile(t.ctx, "Fila1", "0011");
    EXPECT_EQ(endOfGame(t.ctx), 0);
    EXPECT_EQ(t.log.lines, std::vector<std::string>{"sheet lost"});
    EXPECT_EQ(t.pile("Fila1"), "001");
}

TEST(EndOfGame, WonGamePlaysWonAnimatesAndOpensTheSelection) {
    LoggedContext t;
    t.ctx.run.setFlag(Flag::Won, 1);
    EXPECT_EQ(endOfGame(t.ctx), 1);
    const std::vector<std::string> expected{"hook installed", "sound Won", "animation", "hook restored",
                                            "open selection"};
    EXPECT_EQ(t.log.lines, expected);
}

TEST(EndOfGame, WonSoundNeedsItsSwitch) {
    LoggedContext t;
    t.ctx.reg.write(reg::SoundWon, "N");
    t.ctx.run.setFlag(Flag::Won, 1);
    EXPECT_EQ(endOfGame(t.ctx), 1);
    EXPECT_FALSE(t.log.has("sound Won"));
    EXPECT_TRUE(t.log.has("animation"));
}

TEST(EndOfGame, ClosingDuringTheAnimationClosesTheWindowAfterIt) {
    LoggedContext t;
    t.endGame.closeDuringAnimation = true;
    t.ctx.run.setFlag(Flag::Won, 1);
    EXPECT_EQ(endOfGame(t.ctx), 1);
    const std::vector<std::string> expected{"hook installed", "sound Won", "animation", "hook restored",
                                            "close window"};
    EXPECT_EQ(t.log.lines, expected);
    EXPECT_FALSE(t.log.has("open selection"));
}

TEST(EndOfGame, NothingHappensWithoutAGameInProgress) {
    LoggedContext t;
    t.ctx.run.setFlag(Flag::GameInProgress, 0);
    t.ctx.run.setFlag(Flag::Won, 1);
    EXPECT_EQ(endOfGame(t.ctx), 0);
    EXPECT_TRUE(t.log.lines.empty());
    EXPECT_EQ(t.ctx.run.flag(Flag::Won), 1);
}

TEST(EndOfGame, StopsTheClockAtTheEndTime) {
    LoggedContext t;
    t.ctx.manualClock.now = 0.5;
    t.ctx.run.setTime(Time::GameStart, 0.5);
    t.ctx.run.setFlag(Flag::ClockRunning, 1);
    t.ctx.manualClock.advanceSeconds(75);
    endOfGame(t.ctx);
    EXPECT_DOUBLE_EQ(t.ctx.run.time(Time::GameEnd), 0.5 + 75 / 86400.0);
    t.ctx.manualClock.advanceSeconds(10);
    EXPECT_EQ(t.ctx.run.flag(Flag::ClockRunning), 0);
}

TEST(QuitConfirmation, AsksOnlyWhenWantedAndAGameIsRunning) {
    LoggedContext t;
    EXPECT_TRUE(quitConfirmation(t.ctx));  // position 185 "N": no question
    EXPECT_TRUE(t.log.lines.empty());

    t.ctx.reg.write(reg::ConfirmQuit, "Y");
    t.dialogs.answer = false;
    EXPECT_FALSE(quitConfirmation(t.ctx));
    EXPECT_TRUE(t.log.has("confirm Quit this game?"));
    t.dialogs.answer = true;
    EXPECT_TRUE(quitConfirmation(t.ctx, "Start another?"));
    EXPECT_TRUE(t.log.has("confirm Start another?"));

    t.log.lines.clear();
    t.dialogs.answer = false;
    t.ctx.run.setFlag(Flag::Won, 1);  // already over
    EXPECT_TRUE(quitConfirmation(t.ctx));
    t.ctx.run.setFlag(Flag::Won, 0);
    t.ctx.run.setFlag(Flag::GameInProgress, 0);
    EXPECT_TRUE(quitConfirmation(t.ctx));
    EXPECT_TRUE(t.log.lines.empty());

    t.ctx.run.setFlag(Flag::AnimationRunning, 1);
    t.ctx.reg.write(reg::ConfirmQuit, "N");
    EXPECT_FALSE(quitConfirmation(t.ctx));
}

TEST(Caption, NamesTheGameAndTheDealNumber) {
    LoggedContext t;
    t.ctx.reg.write(reg::GameName, "Klondike");
    EXPECT_EQ(captionText(t.ctx), "Tessaro [Klondike]");
    t.ctx.reg.write(reg::DealNumber, "0000000012345");
    EXPECT_EQ(captionText(t.ctx), "Tessaro [Klondike]  [0000000012345]");
}

TEST(EndOfGame, NotesHowTheCurrentGameEndedForTheSelection) {
    LoggedContext t;
    t.ctx.reg.write(reg::Game, "0201");
    setParams(t.ctx, {{50, 39}, {49, 10}});
    t.ctx.reg.write(reg::Score, "-40");
    EXPECT_EQ(endOfGame(t.ctx), 0);
    EXPECT_EQ(t.ctx.mainGame.result(201), GameResult::Lost);
    EXPECT_EQ(t.ctx.mainGame.result(202), GameResult::NotPlayed);

    t.ctx.run.setFlag(Flag::GameInProgress, 1);
    t.ctx.reg.write(reg::Score, "12");
    EXPECT_EQ(endOfGame(t.ctx), 1);
    EXPECT_EQ(t.ctx.mainGame.result(201), GameResult::Won);

    // No game in progress: nothing ended, nothing noted.
    t.ctx.reg.write(reg::Game, "0202");
    EXPECT_EQ(endOfGame(t.ctx), 0);
    EXPECT_EQ(t.ctx.mainGame.result(202), GameResult::NotPlayed);
}

}  // namespace
}  // namespace tessaro::test
