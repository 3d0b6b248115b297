#include "stores/open_game.h"

#include <gtest/gtest.h>

#include "engine/context.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

class RecordingSteps : public OpenGameSteps {
public:
    bool confirmQuit() override {
        log += "confirm ";
        return allowQuit;
    }
    bool endOfGame() override {
        log += "end ";
        return endedWon;
    }
    void playerChanged() override { log += "caption "; }
    void setUpGame() override { log += "setup "; }
    void enableNewGame() override { log += "enable "; }
    void applyAutoplayChoice(int game) override { log += "autoplay " + std::to_string(game) + " "; }
    void newGame(int argument) override { log += "new " + std::to_string(argument); }

    bool allowQuit = true;
    bool endedWon = false;
    std::string log;
};

class OpenGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.reg.initialise(dir.folder());
        ctx.reg.write(reg::Game, "0201");
        ctx.reg.write(reg::GameName, "Memory-Up (6x4)");
        ctx.reg.write(reg::Player, "Player 1");
        ctx.layout.adapted = true;
    }
    test::TempDir dir;
    Context ctx;
    RecordingSteps steps;
};

TEST_F(OpenGameTest, TheGameBeingPlayedBySamePlayerChangesNothing) {
    ctx.run.setFlag(Flag::GameInProgress, 1);
    EXPECT_FALSE(openGame(ctx, 201, "Memory-Up (6x4)", "Player 1", 0, true, steps));
    EXPECT_EQ(steps.log, "");
    EXPECT_EQ(ctx.reg.read(reg::Game), "0201");
    EXPECT_FALSE(dir.exists("DATA"));
}

TEST_F(OpenGameTest, SameGameWithoutAGameInProgressStartsANewOne) {
    EXPECT_TRUE(openGame(ctx, 201, "Memory-Up (6x4)", "Player 1", 3, false, steps));
    EXPECT_EQ(steps.log, "confirm end enable new 3");
    EXPECT_EQ(ctx.reg.read(reg::Game), "201");
    EXPECT_TRUE(ctx.layout.adapted);  // the same game keeps its small-screen state
}

TEST_F(OpenGameTest, AnotherGameAndPlayerAreStoredAndRemembered) {
    ctx.run.setFlag(Flag::GameInProgress, 1);
    EXPECT_TRUE(openGame(ctx, 12, "Twelve", "Ann", 0, true, steps));
    EXPECT_EQ(steps.log, "confirm end caption setup enable autoplay 12 new 0");
    EXPECT_EQ(ctx.reg.read(reg::Game), "12");
    EXPECT_EQ(ctx.reg.read(reg::GameName), "Twelve");
    EXPECT_EQ(ctx.reg.read(reg::Player), "Ann");
    EXPECT_FALSE(ctx.layout.adapted);
    EXPECT_EQ(dir.read("DATA/CFG.DAT"), "[Preference]\nUserDefault=Ann\nGame=12\nGame_Name=Twelve\nGame_TreeNum=-30\n");
}

TEST_F(OpenGameTest, DeclinedConfirmationOrAWonEndStopEarly) {
    steps.allowQuit = false;
    EXPECT_FALSE(openGame(ctx, 12, "Twelve", "Ann", 0, true, steps));
    EXPECT_EQ(steps.log, "confirm ");
    steps.allowQuit = true;
    steps.endedWon = true;
    steps.log.clear();
    EXPECT_TRUE(openGame(ctx, 12, "Twelve", "Ann", 0, true, steps));
    EXPECT_EQ(steps.log, "confirm end ");
    EXPECT_EQ(ctx.reg.read(reg::Game), "0201");
    EXPECT_EQ(ctx.reg.read(reg::Player), "Player 1");
    EXPECT_TRUE(ctx.layout.adapted);
    EXPECT_FALSE(dir.exists("DATA"));
}

}  // namespace
}  // namespace tessaro
