#include "shell/window_end_game.h"

#include <QApplication>
#include <algorithm>

#include "dialogs/memory_end_dialog.h"
#include "engine/context.h"
#include "shell/card_table_area.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"
#include "stores/settings.h"
#include "table/qt/winning_animation.h"

namespace tessaro::shell {

namespace {

// The top edge the table layout uses inside the table view: the view sits
// below the toolbars, so the animations start 5 pixels down as the cards do.
constexpr int kTableTop = 5;

}  // namespace

void WindowEndGame::showMemoryScoreSheet(const MemoryScoreSheet& sheet) {
    Context& ctx = w_.context();
    dialogs::MemoryEndDialog sheetWindow(sheet, &w_);
    sheetWindow.setCloseAction([this, &ctx] {
        // After the game is over the table is drawn clean behind the sheet
        // before anything else happens.
        if (ctx.run.isSet(Flag::GameInProgress)) return;
        w_.repaint();
        w_.busyCursor(false);
        ctx.presentation->drawTable(true, false);
    });
    // choice: the end of the game shows the hourglass; the sheet waits for
    // the player, so the normal cursor shows over it while it is open.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    if (auto* shellDialogs = dynamic_cast<ShellDialogs*>(ctx.dialogs)) shellDialogs->runModal(sheetWindow);
    else sheetWindow.exec();
    QApplication::restoreOverrideCursor();
    w_.busyCursor(false);
}

void WindowEndGame::winningAnimation() {
    Context& ctx = w_.context();
    const Profile ini = settingsFile(ctx.reg);
    const std::string setting = ini.readString(section::Preference, "Winning_Animations", "(Random)");
    // A negative or unreadable duration plays nothing beyond the first card.
    const int seconds = std::max(0, ini.readInt(section::Preference, "Winning_Animations_Time", 30));
    lastName_ = chooseWinningAnimation(ctx, setting);
    lastSeconds_ = seconds;
    auto* area = dynamic_cast<CardTableArea*>(w_.table());
    if (!area) return;
    area->view()->setFocus();
    playWinningAnimation(ctx, *area->view(), lastName_, seconds, kTableTop);
}

void WindowEndGame::openGameSelection() { w_.openGameCommand(); }

void WindowEndGame::gameFinished(int game, bool won, int score, long seconds) {
    w_.recordGame(game, won, score, seconds);
}

bool WindowEndGame::selectionShowsWonLost() { return w_.selection() && w_.selection()->showsWonLost(); }

void WindowEndGame::refreshSelectionEntry(int game) {
    if (w_.selection()) w_.selection()->refreshEntry(game);
}

}  // namespace tessaro::shell
