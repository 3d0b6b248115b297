// Every control of the dialogs has an accessible name, so a screen reader can
// say what it is.
#include <QAccessible>
#include <QWidget>

#include "dialogs/customize_dialog.h"
#include "dialogs/memory_end_dialog.h"
#include "dialogs/open_game_dialog.h"
#include "engine/score_sheet.h"
#include "shell_fixture.h"

namespace tessaro::test {
namespace {

// The controls a player can reach with Tab that a screen reader cannot name.
QStringList unnamed(QWidget& dialog) {
    QStringList out;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        // Controls on every page count, not only on the page shown.
        // A drop-down list lives in a popup window of its own, named by its box.
        if (w->focusPolicy() == Qt::NoFocus || w->isHidden() || w->window() != &dialog) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            out << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
    }
    return out;
}

using DialogNamesTest = ShellTest;

TEST_F(DialogNamesTest, EveryControlOfEveryDialogHasAName) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    dialogs::OpenGameDialog open(ctx(), &w(), 1280);
    dialogs::CustomizeDialog customize(ctx(), w(), QSize(1280, 1024), true);
    dialogs::MemoryEndDialog sheet(memoryScoreSheet(ctx(), false));
    for (QWidget* d : {static_cast<QWidget*>(&open), static_cast<QWidget*>(&customize), static_cast<QWidget*>(&sheet)})
        EXPECT_EQ(unnamed(*d), QStringList()) << d->objectName().toStdString();
}

}  // namespace
}  // namespace tessaro::test
