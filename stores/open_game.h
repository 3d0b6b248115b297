#pragma once
// Making a game the current one (used by the game selection dialog). The
// bookkeeping of the register, the settings file and the catalogue object is
// done here; the steps that belong to the engine and the main window are
// asked for through OpenGameSteps, in the order the operation needs them.
#include <string_view>

namespace tessaro {

struct Context;

/// The parts of opening a game that other subsystems carry out.
class OpenGameSteps {
public:
    virtual ~OpenGameSteps() = default;
    /// The quit confirmation of a running game; false when the player declines.
    virtual bool confirmQuit() = 0;
    /// The end-of-game routine; true when it ended a won game (opening stops).
    virtual bool endOfGame() = 0;
    /// The player changed: the window caption shows the new player.
    virtual void playerChanged() = 0;
    /// The game changed: set it up again (this reloads its rule parameters).
    virtual void setUpGame() = 0;
    /// Enables the new-game controls when the New button is disabled.
    virtual void enableNewGame() = 0;
    /// The game changed: apply its per-game autoplay choice.
    virtual void applyAutoplayChoice(int game) = 0;
    /// Starts a new game with the new-game argument.
    virtual void newGame(int argument) = 0;
};

/// Opens game `game` named `name` for player `player`. False, with nothing
/// changed, when the same game and player are asked for while a game is in
/// progress, or when the player declines the quit confirmation; true
/// otherwise. With `remember`, Game, Game_Name and Game_TreeNum (-30) are
/// written to the settings file.
bool openGame(Context& ctx, int game, std::string_view name, std::string_view player, int newGameArgument,
              bool remember, OpenGameSteps& steps);

}  // namespace tessaro
