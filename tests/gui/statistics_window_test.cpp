// The player's statistics in the window: a game counts once the player has
// moved, the counts and the won and lost marks survive a restart, the
// dialog shows them and resets them, a damaged file is kept aside.
#include <QComboBox>
#include <algorithm>
#include <QLabel>
#include <QPushButton>

#include "dialogs/statistics_dialog.h"
#include "engine/context.h"
#include "engine/input.h"
#include "platform/text_file.h"
#include "shell_fixture.h"
#include "stores/play_statistics.h"

namespace tessaro::test {
namespace {

using StatisticsWindowTest = ShellTest;

void turnFirstCard(Context& ctx) {
    const int card = ctx.piles.top({PileKind::Row, 0});
    tablePress(ctx, MouseButton::Left, false, Hit{"Fila1", card});
    tableRelease(ctx, {});
}

TEST_F(StatisticsWindowTest, AbandonedGamesCountOnceMovedAndSurviveARestart) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    w().mnuNewGame->trigger();  // untouched: counts for nothing
    EXPECT_EQ(w().statistics().of(200).played, 0);
    turnFirstCard(ctx());
    w().mnuNewGame->trigger();
    EXPECT_EQ(w().statistics().of(200).lost, 1);

    restart();
    EXPECT_EQ(w().statistics().of(200).played, 1);
    EXPECT_EQ(ctx().mainGame.result(200), GameResult::Lost);

    bool shown = false;
    dialogs.onModal = [&](QDialog& d) {
        auto& s = dynamic_cast<dialogs::StatisticsDialog&>(d);
        EXPECT_EQ(d.windowTitle(), "Statistics");
        EXPECT_EQ(s.shownGame(), 200);
        EXPECT_EQ(s.lblPlayed->text(), "1");
        EXPECT_EQ(s.lblLost->text(), "1");
        EXPECT_EQ(s.lblWinRate->text(), "0%");
        EXPECT_EQ(s.lblBestScore->text(), "-52");
        EXPECT_EQ(s.lblBestTime->text(), QStringLiteral("\u2014"));
        s.btnReset->click();
        EXPECT_EQ(s.lblPlayed->text(), "0");
        EXPECT_FALSE(s.btnReset->isEnabled());
        shown = true;
    };
    w().mnuStatistics->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(ctx().mainGame.result(200), GameResult::NotPlayed);
    restart();
    EXPECT_EQ(w().statistics().of(200).played, 0);
}

TEST_F(StatisticsWindowTest, ADamagedFileIsKeptAsideWithAMessage) {
    setting("Game", "200");
    dir.write("Data/Tessaro_Statistics.txt", "Tessaro statistics 1\n200 x\n");
    ASSERT_TRUE(start());
    EXPECT_TRUE(std::any_of(dialogs.shown.begin(), dialogs.shown.end(), [](const Shown& s) {
        return s.kind == "info" && s.text.startsWith("The statistics file could not be read.");
    }));
    std::string kept;
    ASSERT_TRUE(readTextFile(dir.path("Data/Tessaro_Statistics.txt.damaged").string(), kept));
    EXPECT_EQ(kept, "Tessaro statistics 1\n200 x\n");
    EXPECT_TRUE(w().statistics().games().empty());
}

}  // namespace
}  // namespace tessaro::test
