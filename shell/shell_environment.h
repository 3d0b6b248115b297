#pragma once
// What the main window needs from its surroundings: the program folder, the
// screen it lays itself out for, the message boxes and the dialogs that other
// parts of the program provide.
#include <QSize>
#include <QString>
#include <functional>
#include <string>

namespace tessaro {
class SoundPort;
}

namespace tessaro::shell {

class ShellDialogs;

/// The game selection dialog as the main window opens it.
class GameSelection {
public:
    virtual ~GameSelection() = default;
    /// Lets the player choose a game; false when nothing was chosen.
    virtual bool choose(int& game, std::string& name) = 0;
    /// True when the selection marks won and lost games.
    virtual bool showsWonLost() const { return false; }
    /// Shows a game's won or lost mark anew after it ended.
    virtual void refreshEntry(int /*game*/) {}
};

struct ShellEnvironment {
    QString programFolder;        ///< with a trailing "/"
    QString userRoot;             ///< the player's files when not in the program folder (installed)
    int startGame = -1;           ///< a game to deal at the first activation instead of the selection
    QSize screenSize;             ///< the screen's size in pixels
    int colourDepth = 24;         ///< bits per pixel of the display
    ShellDialogs* dialogs = nullptr;
    GameSelection* selection = nullptr;
    /// The sounds; unset: the library's sounds on the audio device.
    SoundPort* sound = nullptr;
    /// Opens the customize dialog; unset: the command is unavailable.
    std::function<void()> customize;
    /// One copy of the program per data folder: a later start hands over to
    /// the running one (the program sets it; tests run side by side).
    bool singleInstance = false;
    /// True when the display shows more than 256 colours.
    bool manyColours() const { return colourDepth > 8; }
};

}  // namespace tessaro::shell
