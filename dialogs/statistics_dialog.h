#pragma once
// "Statistics": the player's counts of one game at a time (games played, won
// and lost, win rate, best score and time, winning streaks), with a button
// that sets the shown game's counts back to zero. The counts come from the
// statistics store; the dialog only shows them.
#include <QDialog>
#include <functional>
#include <utility>
#include <vector>

#include "stores/play_statistics.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tessaro::dialogs {

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    /// `games` lists number and name in the order shown; `current` is selected
    /// first. `resetGame` is asked to reset a game (it may ask the player and
    /// save); it returns true when the counts were reset.
    StatisticsDialog(const PlayStatistics& stats, const std::vector<std::pair<int, QString>>& games, int current,
                     std::function<bool(int)> resetGame, QWidget* parent = nullptr);

    /// The game whose counts are shown.
    int shownGame() const;
    /// Shows the counts of the game at list index `index`.
    void showGameAt(int index);

    QComboBox* cboGame = nullptr;
    QLabel* lblPlayed = nullptr;
    QLabel* lblWon = nullptr;
    QLabel* lblLost = nullptr;
    QLabel* lblWinRate = nullptr;
    QLabel* lblBestScore = nullptr;
    QLabel* lblBestTime = nullptr;
    QLabel* lblStreak = nullptr;
    QLabel* lblLongestStreak = nullptr;
    QPushButton* btnReset = nullptr;
    QPushButton* btnClose = nullptr;

private:
    void showCounts();

    const PlayStatistics& stats_;
    std::function<bool(int)> resetGame_;
};

/// Seconds as "h:mm:ss".
QString durationText(long seconds);

}  // namespace tessaro::dialogs
