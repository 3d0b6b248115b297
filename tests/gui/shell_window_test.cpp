// The main window: commands and shortcuts, the toolbars and their settings
// across a restart, the clock, closing, the animation filter, opening a game
// and the rules help.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "engine/context.h"
#include "shell/help_window.h"
#include "shell/table_area.h"
#include "shell_fixture.h"

namespace tessaro::test {
namespace {

double at(int h, int m, int s) { return (h * 3600 + m * 60 + s) / 86400.0; }

using WindowTest = ShellTest;

TEST_F(WindowTest, CommandsCarryTheirCaptionsAndShortcuts) {
    ASSERT_TRUE(start());
    struct Case {
        const char* name;
        const char* caption;
        int key;  // key code with the modifier bits 0x2000 Shift, 0x4000 Ctrl
    };
    const Case cases[] = {
        {"mnuNewGame", "&New game", 113},   {"mnuOpenGame", "&Open a game...", 16507},
        {"mnuEsci", "E&xit", 0},           {"mnuAutoplay", "Au&toplay", 118},
        {"mnuCustomize", "C&ustomize...", 16469}, {"mnuRules", "&Rules", 112},
        {"mnuContents", "&Contents", 0},   {"mnuAbout", "A&bout Tessaro...", 0},
        {"mnuUndo", "&Undo", 16474},       {"mnuRedo", "&Redo", 16473},
    };
    auto windowsKey = [](const QKeySequence& k) {
        if (k.isEmpty()) return 0;
        const QKeyCombination c = k[0];
        int code = 0;
        const Qt::Key key = c.key();
        if (key >= Qt::Key_F1 && key <= Qt::Key_F24) code = 112 + (key - Qt::Key_F1);
        else code = static_cast<int>(key);
        if (c.keyboardModifiers() & Qt::ShiftModifier) code |= 0x2000;
        if (c.keyboardModifiers() & Qt::ControlModifier) code |= 0x4000;
        if (c.keyboardModifiers() & Qt::AltModifier) code |= 0x8000;
        return code;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* a = w().findChild<QAction*>(c.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), c.caption);
        EXPECT_EQ(windowsKey(a->shortcut()), c.key);
        EXPECT_TRUE(a->isVisible());
    }
    for (const char* hidden : {"mnuSave", "mnuPause", "mnuQuitGame", "mnuInsertBookmark", "mnuGoToBookmark",
                               "mnuGameStatistics", "mnuHiScores", "mnuTipOfTheDay", "mnuChampions"}) {
        auto* a = w().findChild<QAction*>(hidden);
        ASSERT_NE(a, nullptr) << hidden;
        EXPECT_FALSE(a->isVisible()) << hidden;
        EXPECT_FALSE(a->isEnabled()) << hidden;
    }
    // The compact bar's fixed places; its hidden buttons.
    const std::pair<const char*, int> places[] = {{"tb1Sep1", 53}, {"tb1Undo", 59}, {"tb1Redo", 82},
                                                  {"tb1Sep2", 108}, {"tb1Autoplay", 113}, {"tb1Sep3", 139},
                                                  {"tb1Rules", 144}, {"tb1Sep4", 170}, {"tb1Exit", 175}};
    for (const auto& [name, left] : places) {
        auto* control = w().pnlTB1->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->x(), left) << name;
    }
    EXPECT_EQ(w().pnlTB1->findChild<QWidget*>("tb1Sep5")->width(), 0);
    for (const char* name : {"tb1Save", "tb1Statistics", "tb1Restart", "tb1FastSearch"})
        EXPECT_TRUE(w().findChild<QToolButton*>(name)->isHidden()) << name;
    EXPECT_EQ(w().table()->objectName(), "imgSfondo");
    EXPECT_EQ(w().findChild<QTimer*>("Timer1")->interval(), 1000);
    EXPECT_TRUE(w().findChild<QTimer*>("Timer1")->isActive());
}

TEST_F(WindowTest, ToolbarSizeFlatnessAndReadoutsSurviveARestart) {
    ASSERT_TRUE(start());
    // ToolBar_Large defaults to "N": the compact bar.
    EXPECT_TRUE(w().pnlTB1->isVisibleTo(&w()));
    EXPECT_FALSE(w().pnlTB->isVisibleTo(&w()));
    EXPECT_TRUE(w().popSmallIcons->isChecked());
    EXPECT_EQ(w().pnlTempo->parentWidget(), w().pnlTB1);
    EXPECT_EQ(w().pnlTempo->height(), 20);

    w().popLargeIcons->trigger();
    EXPECT_EQ(read("ToolBar_Large"), "Y");
    EXPECT_EQ(w().pnlTempo->parentWidget(), w().pnlTB);
    EXPECT_EQ(w().pnlTempo->height(), 24);
    EXPECT_EQ(w().lblTempo->y(), 4);
    w().popNoFlat->trigger();
    EXPECT_EQ(read("ToolBar_Flat"), "N");
    w().popTime->actions().at(0)->trigger();
    EXPECT_EQ(read("Show_Time"), "N");
    EXPECT_EQ(ctx().reg.read(reg::ShowTime), "N");
    EXPECT_TRUE(w().popShowTime->isEnabled());

    restart();
    EXPECT_TRUE(w().pnlTB->isVisibleTo(&w()));
    EXPECT_FALSE(w().pnlTB1->isVisibleTo(&w()));
    EXPECT_TRUE(w().popLargeIcons->isChecked());
    EXPECT_FALSE(w().tbNew->autoRaise());
    EXPECT_FALSE(w().tb1Autoplay->autoRaise());
    EXPECT_EQ(w().tb1Autoplay->toolTip(), "Autoplay");
    EXPECT_EQ(w().tbRulesL->toolTip(), "Rules");
    EXPECT_TRUE(w().popNoFlat->isChecked());
    EXPECT_TRUE(w().pnlTempo->isHidden());
    EXPECT_FALSE(w().pnlScore->isHidden());
    EXPECT_TRUE(w().popShowTime->isEnabled());
    EXPECT_FALSE(w().popShowScore->isEnabled());

    w().popSmallIcons->trigger();
    w().popShowTime->trigger();
    w().popScore->actions().at(0)->trigger();
    restart();
    EXPECT_TRUE(w().pnlTB1->isVisibleTo(&w()));
    EXPECT_FALSE(w().pnlTB->isVisibleTo(&w()));
    EXPECT_TRUE(w().popSmallIcons->isChecked());
    EXPECT_FALSE(w().pnlTempo->isHidden());
    EXPECT_TRUE(w().pnlScore->isHidden());
    EXPECT_EQ(read("Show_Score"), "N");
}

TEST_F(WindowTest, HiddenPanelsStayHiddenAndThePileSizeTipGoesOnAKey) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(w().pnlGauge_Memory->isHidden());
    EXPECT_TRUE(w().pnlPilesSize->isHidden());
    EXPECT_EQ(w().lblPilesSize->text(), "12 cards");
    EXPECT_EQ(w().pnlTempo->findChild<QLabel*>("lblTempo2")->text(), "Time:");
    EXPECT_EQ(w().pnlScore->findChild<QLabel*>("lblScore2")->text(), "Score:");
    w().pnlPilesSize->show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&w(), &key);
    EXPECT_TRUE(w().pnlPilesSize->isHidden());
}

TEST_F(WindowTest, ToolbarHintsFollowTheirSetting) {
    setting("Show_ToolTips", "N");
    ASSERT_TRUE(start());
    EXPECT_EQ(w().tb1New->toolTip(), "");
    EXPECT_TRUE(w().tb1New->autoRaise());
}

TEST_F(WindowTest, ClockShowsElapsedTimeAlsoAcrossMidnight) {
    ASSERT_TRUE(start());
    // The first activation would deal a game and restart the clock mid-test.
    ctx().run.setFlag(Flag::FirstShowPending, 0);
    ctx().clock = &ctx().manualClock;
    struct Case {
        double start, now;
        const char* shown;
    };
    const Case cases[] = {
        {at(10, 0, 0), at(11, 2, 3), "1:02:03"},
        {at(23, 59, 50), at(0, 0, 5), "0:00:14"},
        {at(22, 0, 0), at(1, 30, 0), "3:29:59"},
        {at(8, 0, 0), at(8, 0, 0), "0:00:00"},
    };
    for (const Case& c : cases) {
        ctx().run.setFlag(Flag::ClockRunning, 1);
        ctx().run.setTime(Time::GameStart, c.start);
        ctx().manualClock.now = c.now;
        w().clockTimerTick();
        EXPECT_EQ(w().lblTempo->text(), c.shown);
    }
    // A stopped clock keeps its text.
    ctx().run.setFlag(Flag::ClockRunning, 0);
    ctx().manualClock.now = at(12, 0, 0);
    w().clockTimerTick();
    EXPECT_EQ(w().lblTempo->text(), "0:00:00");

    // Timer1 ticks by itself once a second.
    ctx().run.setFlag(Flag::ClockRunning, 1);
    ctx().run.setTime(Time::GameStart, at(12, 0, 0));
    ctx().manualClock.now = at(12, 0, 42);
    QElapsedTimer waited;
    waited.start();
    while (w().lblTempo->text() != "0:00:42" && waited.elapsed() < 2500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(w().lblTempo->text(), "0:00:42");
}

TEST_F(WindowTest, CloseAsksWhenConfirmQuitIsOnAndSavesTheWindowAndAutoplay) {
    ASSERT_TRUE(start());
    w().showNormal();
    w().setGeometry(100, 80, 900, 600);
    setting("ConfirmQuit", "Y");
    dialogs.confirmAnswer = false;
    EXPECT_FALSE(w().close());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "confirm");
    EXPECT_EQ(dialogs.shown[0].text, "Exit Tessaro?");
    EXPECT_TRUE(w().isVisible());
    EXPECT_EQ(read("MainWindowState_Maximized"), "N");
    EXPECT_EQ(read("MainWindowState_Width"), "900");
    EXPECT_EQ(read("MainWindowState_Height"), "600");
    EXPECT_EQ(read("AutoPlay"), "<missing>");

    dialogs.confirmAnswer = true;
    w().mnuAutoplay->trigger();  // autoplay off
    EXPECT_TRUE(w().close());
    EXPECT_FALSE(w().isVisible());
    EXPECT_EQ(read("AutoPlay"), "N");
    EXPECT_EQ(read("Random_Game_Type", "Settings"), "2");
    EXPECT_EQ(sound.asked.back(), "stop");

    // Without ConfirmQuit nothing is asked; the window comes back as it was left.
    setting("ConfirmQuit", "N");
    ASSERT_TRUE(start());
    EXPECT_FALSE(w().isMaximized());
    EXPECT_EQ(w().size(), QSize(900, 600));
    EXPECT_FALSE(w().mnuAutoplay->isChecked());
    dialogs.shown.clear();
    w().showMaximized();
    EXPECT_TRUE(w().close());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(read("MainWindowState_Maximized"), "Y");
}

TEST_F(WindowTest, CloseDuringTheWinningAnimationStopsItAndIsRefused) {
    ASSERT_TRUE(start());
    setting("ConfirmQuit", "Y");
    ctx().run.setFlag(Flag::AnimationRunning, 1);
    w().animationHook(true);
    EXPECT_FALSE(w().close());
    EXPECT_FALSE(ctx().run.isSet(Flag::AnimationRunning));
    EXPECT_EQ(ctx().mainGame.closeAsked, 1);
    EXPECT_TRUE(dialogs.shown.empty());
    // The end-of-game code then closes the window, which asks as usual.
    dialogs.confirmAnswer = false;
    w().closeMainWindow();
    EXPECT_TRUE(w().isVisible());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Exit Tessaro?");
    EXPECT_EQ(ctx().mainGame.closeAsked, 0);
}

// Counts the presses that reach the table.
class PressCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress) ++presses;
        return false;
    }
    int presses = 0;
};

TEST_F(WindowTest, AClickDuringTheAnimationStopsItAndDoesNotReachTheTable) {
    ASSERT_TRUE(start());
    PressCounter counter;
    w().table()->installEventFilter(&counter);
    auto press = [&] {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(20, 20), w().table()->mapToGlobal(QPointF(20, 20)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w().table(), &e);
    };
    ctx().run.setFlag(Flag::AnimationRunning, 1);
    w().animationHook(true);
    press();
    EXPECT_FALSE(ctx().run.isSet(Flag::AnimationRunning));
    EXPECT_EQ(counter.presses, 0);
    w().animationHook(false);
    press();
    EXPECT_EQ(counter.presses, 1);
}

TEST_F(WindowTest, WindowIsNeverNarrowerOrLowerThanTheMinimum) {
    ASSERT_TRUE(start());
    w().showNormal();
    w().resize(300, 50);
    EXPECT_EQ(w().size(), QSize(780, 120));
}

TEST_F(WindowTest, OpeningAGameDealsItAndRemembersIt) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    EXPECT_EQ(ctx().reg.read(reg::Game), "200");
    EXPECT_EQ(ctx().reg.read(reg::GameName), "Memory-Up (4x3)");
    EXPECT_TRUE(ctx().run.isSet(Flag::GameInProgress));
    EXPECT_EQ(ctx().P[50], 37);
    EXPECT_EQ(read("Game"), "200");
    EXPECT_EQ(read("Game_Name"), "Memory-Up (4x3)");
    EXPECT_EQ(read("Game_TreeNum"), "-30");
    EXPECT_TRUE(w().windowTitle().startsWith("Tessaro [Memory-Up (4x3)]  ["));
    // Pairs start at -52 (no pair found, no miss).
    EXPECT_EQ(w().lblScore->text(), "-52");
    // The same game for the same player while it is being played: nothing happens.
    EXPECT_FALSE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    // Another player takes over the game.
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Anna", 2, false));
    EXPECT_EQ(read("UserDefault"), "Anna");
    EXPECT_EQ(ctx().reg.read(reg::Player), "Anna");

    // "&Open a game..." goes through the selection.
    selection.answerGame = 205;
    selection.answerName = "Concentration";
    w().mnuOpenGame->trigger();
    EXPECT_EQ(ctx().reg.read(reg::Game), "205");
    EXPECT_EQ(ctx().P[50], 39);
}

TEST_F(WindowTest, NewGameDealsTheRememberedGame) {
    ASSERT_TRUE(start());
    EXPECT_FALSE(ctx().run.isSet(Flag::GameInProgress));
    w().mnuNewGame->trigger();
    EXPECT_TRUE(ctx().run.isSet(Flag::GameInProgress));
    EXPECT_EQ(ctx().P[50], 37);
    EXPECT_EQ(ctx().reg.read(reg::DealNumber).size(), 13u);
    EXPECT_EQ(w().windowTitle().toStdString(),
              "Tessaro [Memory-Up (6x4)]  [" + ctx().reg.read(reg::DealNumber) + "]");
}

TEST_F(WindowTest, RulesHelpShowsThePageOfTheGameNumberPlus3000) {
    ASSERT_TRUE(start());
    w().mnuRules->trigger();
    ASSERT_NE(w().helpWindow(), nullptr);
    EXPECT_EQ(w().helpWindow()->context(), 3201);
    EXPECT_TRUE(w().helpWindow()->browser()->toPlainText().contains("Twenty-four cards, twelve pairs"));
    EXPECT_EQ(w().helpFile(), QString::fromStdString(dir.folder()) + "solvara.hlp>proc");
    w().mnuContents->trigger();
    EXPECT_EQ(w().helpWindow()->context(), 0);
    // Every game of the catalogue has its page.
    ASSERT_GE(ctx().mainGame.lines().size(), 27u);
    for (std::size_t i = 0; i < ctx().mainGame.lines().size(); ++i) {
        const int game = ctx().mainGame.gameAt(static_cast<int>(i));
        const QString page = shell::helpPage(game + 3000);
        EXPECT_TRUE(page.contains("Winning")) << game;
        EXPECT_TRUE(shell::helpContentsPage().contains(QString("topic:%1").arg(game + 3000))) << game;
    }
    EXPECT_TRUE(shell::helpPage(3999).isEmpty());
}

TEST_F(WindowTest, CustomGamesHaveNoRulesTopic) {
    ASSERT_TRUE(start());
    ctx().reg.writePlain(reg::Game, 8001);
    w().mnuRules->trigger();
    EXPECT_EQ(w().helpWindow(), nullptr);
}

}  // namespace
}  // namespace tessaro::test
