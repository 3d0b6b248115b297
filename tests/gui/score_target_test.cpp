// The score to win: every rules page states the target its game's data
// applies, and the score read-out shows it during play.
#include <QLabel>
#include <QRegularExpression>

#include "engine/context.h"
#include "shell/help_window.h"
#include "shell_fixture.h"

namespace tessaro::test {
namespace {

using ScoreTargetTest = ShellTest;

TEST_F(ScoreTargetTest, RulesPagesStateTheTargetOfTheGameData) {
    ASSERT_TRUE(start());
    const QRegularExpression target(QStringLiteral("final score of (&minus;|-)?(\\d+) or more"));
    for (int game : {200, 201, 202, 203, 204, 205}) {
        SCOPED_TRACE(game);
        ASSERT_TRUE(w().openGame(game, ctx().mainGame.name(game), "Player 1", 2, true));
        ASSERT_NE(ctx().P[49], 0);
        const QString page = shell::helpPage(game + 3000);
        const auto m = target.match(page);
        ASSERT_TRUE(m.hasMatch());
        const int stated = (m.captured(1).isEmpty() ? 1 : -1) * m.captured(2).toInt();
        EXPECT_EQ(stated, ctx().P[49]);
        EXPECT_FALSE(page.contains("zero or more"));
    }
}

TEST_F(ScoreTargetTest, ReadOutTipAndStatusLineShowTheScoreToWin) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(w().openGame(201, "Memory-Up (6x4)", "Player 1", 2, true));
    EXPECT_EQ(w().lblScore->toolTip(), "Score to win: 44");
    EXPECT_EQ(w().lblStatusScore->text(), QStringLiteral("Score -52 \u00b7 to win 44"));
    ASSERT_TRUE(w().openGame(1, "Klondike", "Player 1", 2, true));
    EXPECT_EQ(w().lblScore->toolTip(), "");
    EXPECT_TRUE(w().lblStatusScore->text().startsWith("Score "));
    EXPECT_FALSE(w().lblStatusScore->text().contains("to win"));
}

}  // namespace
}  // namespace tessaro::test
