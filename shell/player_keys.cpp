// The main window's keys beyond those the rules give, full screen, and what
// assistive technology is told about the read-outs and the table.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>

#include "shell/card_table_area.h"
#include "shell/main_window.h"

namespace tessaro::shell {

void MainWindow::addPlayerKeys() {
    // The keys of the rules stay first (they are the ones shown first).
    mnuNewGame->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)});
    mnuUndo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // choice: "E&xit" has no key of its own in the rules; Ctrl+Q reaches it
    // through a window-wide action, and the menu shows it beside the entry.
    mnuQuitKey = new QAction(this);
    mnuQuitKey->setObjectName(QStringLiteral("mnuQuitKey"));
    mnuQuitKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addAction(mnuQuitKey);
    connect(mnuQuitKey, &QAction::triggered, mnuEsci, &QAction::trigger);
    mnuEsci->setProperty("alsoKeys", mnuQuitKey->shortcut().toString(QKeySequence::PortableText));

    mnuGame->addSeparator();
    mnuFullScreen = hiddenAction(mnuGame, "mnuFullScreen", QStringLiteral("&Full screen"));
    mnuFullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    mnuFullScreen->setCheckable(true);
    connect(mnuFullScreen, &QAction::toggled, this, &MainWindow::setFullScreen);

    // The read-outs: the panel carries the name, the label its value.
    pnlTempo->setAccessibleName(QStringLiteral("Time"));
    pnlScore->setAccessibleName(QStringLiteral("Score"));
    lblTempo->setAccessibleDescription(QStringLiteral("Time"));
    lblScore->setAccessibleDescription(QStringLiteral("Score"));

    // The keys go to the card table.
    if (auto* area = dynamic_cast<CardTableArea*>(table_)) {
        area->setFocusProxy(area->view());
        area->view()->setFocus();
    }
}

void MainWindow::setFullScreen(bool on) {
    if (on == isFullScreen()) return;
    if (on) {
        fullFromMaximized_ = isMaximized();
        showFullScreen();
    } else if (fullFromMaximized_) {
        showMaximized();
    } else {
        showNormal();
    }
    mnuFullScreen->setChecked(on);
}

}  // namespace tessaro::shell
