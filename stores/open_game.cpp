#include "stores/open_game.h"

#include "engine/context.h"
#include "stores/settings.h"

namespace tessaro {

bool openGame(Context& ctx, int game, std::string_view name, std::string_view player, int newGameArgument,
              bool remember, OpenGameSteps& steps) {
    // The register holds the game number zero-padded after start-up and plain
    // after an earlier opening, so the numbers are compared, not the texts.
    const bool differentGame = ctx.reg.readInt(reg::Game, -1) != game || ctx.reg.read(reg::Game).empty();
    const bool differentPlayer = ctx.reg.read(reg::Player) != player;
    if (!differentGame && !differentPlayer && ctx.run.isSet(Flag::GameInProgress)) return false;
    if (!steps.confirmQuit()) return false;
    if (steps.endOfGame()) return true;
    if (differentPlayer) {
        ctx.reg.write(reg::Player, player);
        settingsFile(ctx.reg).writeString(section::Preference, "UserDefault", player);
        steps.playerChanged();
    }
    // Another game gets its own small-screen check and message.
    if (differentGame) ctx.layout.adapted = false;
    ctx.reg.writePlain(reg::Game, game);
    ctx.reg.write(reg::GameName, name);
    if (differentGame) steps.setUpGame();
    steps.enableNewGame();
    if (differentGame) steps.applyAutoplayChoice(game);
    steps.newGame(newGameArgument);
    if (remember) rememberGame(settingsPath(ctx.reg), game, name, setting::kDefaultGameTreeNum);
    return true;
}

}  // namespace tessaro
