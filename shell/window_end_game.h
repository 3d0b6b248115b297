#pragma once
// The main window's answers to the end of a game: the winning animation the
// settings choose, played on the card table, the Memory score sheet and the
// game selection that follows a won game.

#include "engine/game_ports.h"

namespace tessaro::shell {

class MainWindow;

class WindowEndGame : public EndGamePort {
public:
    explicit WindowEndGame(MainWindow& window) : w_(window) {}
    /// Shows the score sheet window over the main window, modally, through
    /// the window's message boxes (which run it), then frees it. Closing it
    /// after the game is over redraws the table with its background.
    void showMemoryScoreSheet(const MemoryScoreSheet& sheet) override;
    /// Asks the window's game selection.
    bool selectionShowsWonLost() override;
    void refreshSelectionEntry(int game) override;
    /// Plays the animation named by `Winning_Animations` for
    /// `Winning_Animations_Time` seconds, with the focus on the table.
    void winningAnimation() override;
    void openGameSelection() override;
    /// Counts the game in the player's statistics.
    void gameFinished(int game, bool won, int score, long seconds) override;

    /// The name and duration the last animation ran with (for the read-outs of tests).
    const std::string& lastAnimation() const { return lastName_; }
    int lastSeconds() const { return lastSeconds_; }

private:
    MainWindow& w_;
    std::string lastName_;
    int lastSeconds_ = 0;
};

}  // namespace tessaro::shell
