#pragma once
// The windows the engine drives at the start and end of a game: the main
// window's menus and caption, the Memory score sheet, the winning animation and
// the game selection dialog. The engine decides when; the shell and the dialogs
// implement them. The null versions serve the CLI and most tests.
#include <string_view>

#include "engine/score_sheet.h"

namespace tessaro {

/// Menu commands whose availability follows the game.
enum class MenuItem { Pause, QuitGame, InsertBookmark, GoToBookmark };

/// The main window as the game engine sees it.
class ShellPort {
public:
    virtual ~ShellPort() = default;
    /// Sets the window caption.
    virtual void setCaption(std::string_view caption) = 0;
    /// Shows the hourglass (true) or restores the remembered cursor (false).
    virtual void busyCursor(bool busy) = 0;
    /// Enables or disables a menu command ("P&ause", "&Quit game", "Insert
    /// &bookmark", "Go &to bookmark").
    virtual void enableMenu(MenuItem item, bool enabled) = 0;
    /// Shows the autoplay state: the menu entry's check mark and both toolbar buttons.
    virtual void showAutoplay(bool on) = 0;
    /// The system beep of a press that does nothing.
    virtual void beep() = 0;
    /// Hides the pile-size tip when it is showing.
    virtual void hidePilesSizeTip() = 0;
    /// The table preparation of a game: loads the current game's rules, adapts
    /// the card size to small screens and lays the table out.
    virtual void prepareTable() = 0;
    /// Installs the animation message filter (true) or puts the previous hook back (false).
    virtual void animationHook(bool installed) = 0;
    /// Closes the main window (after the player asked during the winning animation).
    virtual void closeMainWindow() = 0;
    /// The position history or the game state changed: what undo and redo
    /// can do may differ.
    virtual void undoStateChanged() {}
};

/// The dialogs and the animation that follow the end of a game.
class EndGamePort {
public:
    virtual ~EndGamePort() = default;
    /// The modal Memory score sheet with the result and the values it shows.
    virtual void showMemoryScoreSheet(const MemoryScoreSheet& sheet) = 0;
    /// True when the game selection dialog shows won and lost games.
    virtual bool selectionShowsWonLost() = 0;
    /// Refreshes a game's entry in the selection dialog's tree.
    virtual void refreshSelectionEntry(int game) = 0;
    /// Runs the winning animation to its end.
    virtual void winningAnimation() = 0;
    /// Opens the game selection dialog ("&Open a game...").
    virtual void openGameSelection() = 0;
    /// A game the player has moved in has ended, won or not (abandoned games
    /// end lost): its final score and the seconds it took, for the statistics.
    virtual void gameFinished(int /*game*/, bool /*won*/, int /*score*/, long /*seconds*/) {}
};

/// The time of day, as a fraction of a day (0.5 is noon).
class ClockPort {
public:
    virtual ~ClockPort() = default;
    virtual double timeOfDay() = 0;
};

class NullShell : public ShellPort {
public:
    void setCaption(std::string_view) override {}
    void busyCursor(bool) override {}
    void enableMenu(MenuItem, bool) override {}
    void showAutoplay(bool) override {}
    void beep() override {}
    void hidePilesSizeTip() override {}
    void prepareTable() override {}
    void animationHook(bool) override {}
    void closeMainWindow() override {}
};

class NullEndGame : public EndGamePort {
public:
    void showMemoryScoreSheet(const MemoryScoreSheet&) override {}
    bool selectionShowsWonLost() override { return false; }
    void refreshSelectionEntry(int) override {}
    void winningAnimation() override {}
    void openGameSelection() override {}
};

/// A clock that stands still until told to move: the CLI and the tests
/// advance it by hand.
class ManualClock : public ClockPort {
public:
    double timeOfDay() override { return now; }
    void advanceSeconds(int seconds) { now += seconds / 86400.0; }
    double now = 0.0;
};

}  // namespace tessaro
