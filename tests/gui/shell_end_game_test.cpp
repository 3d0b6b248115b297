// The window at the end of a game: the score sheet of a Memory game, the
// winning animation the settings choose and its stop by a click, the game
// selection after it, and the countdown of the Forget me not preview.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTimer>

#include "engine/context.h"
#include "engine/end_game.h"
#include "shell/card_table_area.h"
#include "shell/preview_gauge.h"
#include "shell/window_end_game.h"
#include "shell_fixture.h"
#include "support/context_builder.h"
#include "table/hit.h"

namespace tessaro::test {
namespace {

using EndGameTest = ShellTest;

// Marks the current game as won by the player and ends it.
int winCurrentGame(Context& c) {
    c.P.set(49, 0);
    c.run.setFlag(Flag::GameInProgress, 1);
    c.run.setFlag(Flag::Won, 1);
    return endOfGame(c);
}

TEST_F(EndGameTest, WonGameShowsTheSheetThenAnimatesUntilAClickThenOpensTheSelection) {
    setting("Winning_Animations", "Circles");
    setting("Winning_Animations_Time", "30");
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    ASSERT_EQ(ctx().endGame, &w().endGame());
    const int openedBefore = selection.opened;

    bool runningSeen = false, filterSeen = false;
    int clicks = 0;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!ctx().run.isSet(Flag::AnimationRunning) || clicks > 0) return;
        runningSeen = true;
        auto* view = static_cast<shell::CardTableArea*>(w().table())->view();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 20), QPointF(20, 20), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        // The window's filter takes the click: the table never sees it.
        filterSeen = QApplication::sendEvent(view, &press);
        ++clicks;
    });
    poll.start();
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(winCurrentGame(ctx()), 1);
    poll.stop();

    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().kind, "modal");
    EXPECT_EQ(dialogs.shown.back().title, "Game Won");
    EXPECT_EQ(dialogs.shown.back().text, "frmMemoryEnd");
    EXPECT_TRUE(runningSeen);
    EXPECT_TRUE(filterSeen);
    EXPECT_EQ(clicks, 1);
    EXPECT_LT(t.elapsed(), 10000);  // far less than the 30 seconds asked for
    EXPECT_FALSE(ctx().run.isSet(Flag::AnimationRunning));
    EXPECT_EQ(w().endGame().lastAnimation(), "Circles");
    EXPECT_EQ(w().endGame().lastSeconds(), 30);
    // After the animation the selection dialog opens.
    EXPECT_EQ(selection.opened, openedBefore + 1);
}

TEST_F(EndGameTest, TheSelectionAfterAWonGameOpensOverTheTableWithItsPutAwayCards) {
    setting("Winning_Animations", "Circles");
    setting("Winning_Animations_Time", "0");
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    for (int r = 1; r <= 3; ++r) setPile(ctx(), "Fila" + std::to_string(r), "000000000000");
    setPile(ctx(), "Mazzo_Waste", "001101410271");
    auto* view = static_cast<shell::CardTableArea*>(w().table())->view();
    const auto top = cardPlace(ctx(), 27);
    ASSERT_TRUE(top.has_value());
    QRgb seen = 0, table = 1;
    selection.onChoose = [&] {
        const int x = top->rect.left + 5, y = (top->rect.top + top->rect.bottom) / 2;
        seen = view->backBuffer().pixel(x, y);
        table = view->backgroundBuffer().pixel(x, y);
    };
    EXPECT_EQ(winCurrentGame(ctx()), 1);
    // The white edge of the put-away pile's top card, not the bare table.
    EXPECT_NE(seen, table);
    EXPECT_EQ(seen, qRgb(255, 255, 255));
}

TEST_F(EndGameTest, AnimationSettingsFallBackToRandomAndThirtySeconds) {
    setting("Winning_Animations_Time", "0");
    ASSERT_TRUE(start());
    w().endGame().winningAnimation();
    const std::string name = w().endGame().lastAnimation();
    EXPECT_TRUE(name == "Open order" || name == "Left to right" || name == "Up to down") << name;
    EXPECT_EQ(w().endGame().lastSeconds(), 0);

    // An unknown name is played as a random one; a negative time as none.
    setting("Winning_Animations", "Spirals");
    setting("Winning_Animations_Time", "-5");
    QElapsedTimer t;
    t.start();
    w().endGame().winningAnimation();
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_EQ(w().endGame().lastSeconds(), 0);
    EXPECT_NE(w().endGame().lastAnimation(), "Spirals");
    EXPECT_FALSE(ctx().run.isSet(Flag::AnimationRunning));
}

TEST_F(EndGameTest, LostGameShowsTheSheetWithoutAnimation) {
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    const int openedBefore = selection.opened;
    ctx().P.set(49, 0);
    ctx().run.setFlag(Flag::GameInProgress, 1);
    ctx().run.setFlag(Flag::Won, 0);
    EXPECT_EQ(endOfGame(ctx()), 0);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().title, "Game Lost");
    EXPECT_EQ(w().endGame().lastAnimation(), "");
    EXPECT_EQ(selection.opened, openedBefore);
}

TEST_F(EndGameTest, GaugeCountsDownTheForgetMeNotPreviewOnly) {
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(204, "Forget me not", "Player 1", 2, true));
    QFrame* gauge = w().pnlGauge_Memory;
    auto* count = gauge->findChild<QLabel*>("lblGaugeCount");
    auto* bar = gauge->findChild<QProgressBar*>("ProgressBar1");
    ASSERT_NE(count, nullptr);
    ASSERT_NE(bar, nullptr);

    struct Case {
        const char* clock;
        int left;
    };
    for (const Case c : {Case{"0:00:00", 10}, Case{"0:00:03", 7}, Case{"0:00:10", 0}, Case{"0:00:11", -1},
                         Case{"1:00:05", -1}}) {
        SCOPED_TRACE(c.clock);
        ctx().clockText = c.clock;
        EXPECT_EQ(shell::previewSecondsLeft(ctx()), c.left);
        shell::updatePreviewGauge(ctx(), gauge);
        EXPECT_EQ(gauge->isVisible(), c.left >= 0);
        if (c.left >= 0) {
            EXPECT_EQ(count->text(), QString::number(c.left));
            EXPECT_EQ(bar->value(), c.left);
        }
    }

    // Once the cards to remember are turned down the preview is over.
    ctx().clockText = "0:00:04";
    const int first = cardAt(ctx().piles.dest(0), 0);
    ASSERT_TRUE(ctx().cards.faceUp(first));
    ctx().cards.setFace(first, '0');
    EXPECT_EQ(shell::previewSecondsLeft(ctx()), -1);
    ctx().cards.setFace(first, '1');
    EXPECT_EQ(shell::previewSecondsLeft(ctx()), 6);
    // A finished game shows no countdown.
    ctx().run.setFlag(Flag::GameInProgress, 0);
    EXPECT_EQ(shell::previewSecondsLeft(ctx()), -1);
    shell::updatePreviewGauge(ctx(), gauge);
    EXPECT_FALSE(gauge->isVisible());

    // Other Memory games never show it.
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    ctx().clockText = "0:00:02";
    EXPECT_EQ(shell::previewSecondsLeft(ctx()), -1);
}

TEST_F(EndGameTest, ClockTicksDriveTheGaugeUntilThePreviewEnds) {
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(204, "Forget me not", "Player 1", 2, true));
    ctx().clock = &ctx().manualClock;
    ctx().run.setFlag(Flag::ClockRunning, 1);
    ctx().run.setTime(Time::GameStart, 0.5);
    ctx().manualClock.now = 0.5 + 3 / 86400.0;
    w().clockTimerTick();
    EXPECT_EQ(ctx().clockText, "0:00:03");
    EXPECT_TRUE(w().pnlGauge_Memory->isVisible());
    EXPECT_EQ(w().pnlGauge_Memory->findChild<QLabel*>("lblGaugeCount")->text(), "7");
    // Past ten seconds the cards to remember are hidden and the gauge goes.
    ctx().manualClock.now = 0.5 + 12 / 86400.0;
    w().clockTimerTick();
    EXPECT_TRUE(ctx().cards.faceDown(cardAt(ctx().piles.dest(0), 0)));
    EXPECT_FALSE(w().pnlGauge_Memory->isVisible());
}

}  // namespace
}  // namespace tessaro::test
