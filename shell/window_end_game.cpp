#include "shell/window_end_game.h"

#include <QMessageBox>
#include <algorithm>

#include "engine/context.h"
#include "shell/card_table_area.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"
#include "stores/settings.h"
#include "table/qt/winning_animation.h"

namespace tessaro::shell {

namespace {

QString qstr(const std::string& s) { return QString::fromStdString(s).trimmed(); }

// The top edge the table layout uses inside the table view: the view sits
// below the toolbars, so the animations start 5 pixels down as the cards do.
constexpr int kTableTop = 5;

}  // namespace

QString memoryScoreSheetText(const MemoryScoreSheet& s) {
    QStringList lines;
    lines << qstr(s.variant) << qstr(s.boxCaption);
    lines << QStringLiteral("Matches: %1 x %2 = %3").arg(s.matches).arg(s.pointsPerMatch).arg(s.matchesProduct);
    lines << QStringLiteral("Misses: %1 x %2 = %3").arg(s.misses).arg(s.pointsPerMiss).arg(s.missesProduct);
    lines << QStringLiteral("Start: %1").arg(qstr(s.start));
    lines << QStringLiteral("Total: %1").arg(qstr(s.total));
    lines << QStringLiteral("(Score to win: %1)").arg(s.toWin);
    return lines.join(QLatin1Char('\n'));
}

void WindowEndGame::showMemoryScoreSheet(const MemoryScoreSheet& sheet) {
    const QString title = qstr(sheet.caption), text = memoryScoreSheetText(sheet);
    if (auto* dialogs = dynamic_cast<ShellDialogs*>(w_.context().dialogs)) {
        dialogs->titledInfo(title, text);
    } else {
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, &w_);
        box.exec();
    }
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

bool WindowEndGame::selectionShowsWonLost() { return w_.selection() && w_.selection()->showsWonLost(); }

void WindowEndGame::refreshSelectionEntry(int game) {
    if (w_.selection()) w_.selection()->refreshEntry(game);
}

}  // namespace tessaro::shell
