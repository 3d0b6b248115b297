#include "engine/new_game.h"

#include "engine/autoplay.h"
#include "engine/clock.h"
#include "engine/deal.h"
#include "engine/end_game.h"
#include "engine/history.h"
#include "engine/score.h"
#include "engine/sounds.h"

namespace tessaro {

void regenerateJitter(Context& ctx) {
    for (auto& sequence : ctx.layout.jitter) {
        sequence[0] = 0;
        int b = ctx.rng.next(4);
        int s = 0;
        for (int i = 1; i <= 12; ++i) {
            int c = ctx.rng.next(4);
            if ((b > 2 && c > 2) || (c > 0 && c <= 2 && b <= 2)) c = 0;
            const int d = c < 3 ? c : 2 - c;
            s += d;
            int offset = d;
            if (s < 3) {
                if (s < -2) {
                    offset = d + 2;
                    s += 2;
                }
            } else {
                offset = d - 2;
                s -= 2;
            }
            sequence[static_cast<std::size_t>(i)] = offset;
            b = c;
        }
    }
}

std::string captionText(const Context& ctx) {
    std::string caption = "Tessaro [" + ctx.reg.read(reg::GameName) + "]";
    const std::string number = ctx.reg.read(reg::DealNumber);
    if (!number.empty()) caption += "  [" + number + "]";
    return caption;
}

void refreshCaption(Context& ctx) { ctx.shell->setCaption(captionText(ctx)); }

int gameSetup(Context& ctx) {
    ctx.shell->prepareTable();
    return 1;
}

int newGame(Context& ctx, int dealFlag, bool animate, int numbering, bool quiet) {
    ctx.shell->busyCursor(true);
    refreshCaption(ctx);
    MainGame& g = ctx.mainGame;
    g.missCount = 0;
    g.moves = 0;
    g.redeals = 0;
    g.idle = 0;
    g.stockPressed = 0;
    ctx.drag.clear();
    ctx.focus = TableFocus{};  // every deal starts on the first card of the first row
    ctx.move = MoveState{};
    ctx.run.setCounter(Counter::StockTurns, 0);
    if (dealFlag == 1) {
        ctx.piles.clear();
        ctx.history.undo.clear();
        ctx.history.nextEntry = 1;
    }
    clearRedo(ctx);
    // What the deal records (its autoplay) is not a move of the player.
    beginAction(ctx);
    ctx.history.dealAction = ctx.history.action;
    ctx.history.playerMoved = false;
    ctx.run.setFlag(Flag::GameInProgress, 0);
    regenerateJitter(ctx);
    if (dealFlag == 1) {
        if (ctx.P.cards() == 0) gameSetup(ctx);
        else ctx.P.restoreChangeable();
        ctx.run.setFlag(Flag::ClockRunning, 0);
        ctx.clockText = "0:00:00";
        ctx.presentation->showClock();
        // choice: the redeal count starts at 0, so P[15] is the number of
        // times the stock may be formed again.
        g.redeals = 0;
        ctx.reg.write(reg::Score, "0");
        if (numbering == 2) {
            newDealNumber(ctx);
            refreshCaption(ctx);
        }
        deal(ctx);
        // The deal ends with the score of the fresh table.
        refreshScore(ctx);
    }
    ctx.run.setFlag(Flag::GameInProgress, 1);
    ctx.run.setFlag(Flag::Won, 0);
    if (!quiet) ctx.presentation->drawTable(true, false);
    ctx.presentation->showScore();
    clockTick(ctx);
    ctx.presentation->showClock();
    if (!quiet) {
        const bool dealAnimation = animate && ctx.reg.read(reg::DealAnimation) != "N";
        ctx.presentation->drawTable(false, dealAnimation);
    }
    if (!ctx.run.isSet(Flag::ClockRunning)) {
        ctx.run.setTime(Time::GameStart, ctx.clock->timeOfDay());
        ctx.run.setFlag(Flag::ClockRunning, 1);
        clockTick(ctx);
    }
    if (ctx.autoplay.on()) {
        ctx.presentation->wait(800, Wait::Pumping);
        autoplayUntilStill(ctx, true);
    }
    ctx.shell->busyCursor(false);
    ctx.shell->enableMenu(MenuItem::Pause, true);
    ctx.shell->enableMenu(MenuItem::QuitGame, true);
    if (ctx.P[21] != 1) ctx.shell->enableMenu(MenuItem::InsertBookmark, true);
    if (ctx.P[50] == 44) {
        ctx.run.setFlag(Flag::Won, wonTest(ctx));
        if (ctx.run.isSet(Flag::Won)) endOfGame(ctx);
    }
    return 1;
}

bool newGameCommand(Context& ctx) {
    if (!quitConfirmation(ctx, "Quit this game?")) return false;
    if (endOfGame(ctx) == 1) return false;
    ctx.shell->busyCursor(true);
    playSound(ctx, "New", reg::SoundNew);
    ctx.shell->busyCursor(false);
    newGame(ctx, 1, true, 2, false);
    return true;
}

}  // namespace tessaro
