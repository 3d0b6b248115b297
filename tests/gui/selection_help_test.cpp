// The game selection at start-up and the help opened while a dialog is open:
// "Show at start-up" unticked deals the remembered game at once; the help
// window takes keys over a modal dialog and closes with Escape or Ctrl+W.
#include <QCheckBox>
#include <QDialog>
#include <QTest>
#include <QWindow>

#include "dialogs/open_game_dialog.h"
#include "engine/context.h"
#include "shell/help_window.h"
#include "shell_fixture.h"

namespace tessaro::test {
namespace {

using SelectionHelpTest = ShellTest;

TEST_F(SelectionHelpTest, UntickedShowAtStartUpDealsTheRememberedGameAtOnce) {
    setting("Game", "203");
    ASSERT_TRUE(start());
    {
        dialogs::OpenGameDialog d(ctx(), &w(), 1280);
        EXPECT_TRUE(d.chkShowAtStartup->isChecked());
        d.chkShowAtStartup->setChecked(false);
    }
    EXPECT_EQ(read("Open_Show_At_Startup"), "N");
    selection.opened = 0;
    ctx().run.setFlag(Flag::FirstShowPending, 1);
    w().activated();
    EXPECT_EQ(selection.opened, 0);
    EXPECT_TRUE(ctx().run.isSet(Flag::GameInProgress));
    EXPECT_EQ(ctx().reg.read(reg::Game), "0203");

    setting("Open_Show_At_Startup", "Y");
    restart();
    ctx().run.setFlag(Flag::FirstShowPending, 1);
    w().activated();
    EXPECT_EQ(selection.opened, 1);
}

TEST_F(SelectionHelpTest, HelpOpenedOverAModalDialogTakesKeysAndClosesWithEscapeOrCtrlW) {
    ASSERT_TRUE(start());
    w().show();
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        SCOPED_TRACE(key.toString().toStdString());
        QDialog modal(&w());
        modal.setModal(true);
        modal.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&modal));
        w().rulesHelpFor(201);
        shell::HelpWindow* help = w().helpWindow();
        ASSERT_NE(help, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
        ASSERT_TRUE(help->isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(help));
        // Through the window system, as a key the player presses: a window
        // blocked by the dialog would not get it.
        QTest::keySequence(help->windowHandle(), key);
        QTest::qWait(20);
        EXPECT_FALSE(help->isVisible());
        modal.close();
    }
}

}  // namespace
}  // namespace tessaro::test
