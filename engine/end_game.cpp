#include "engine/end_game.h"

#include <algorithm>

#include "engine/clock.h"
#include "engine/memory.h"
#include "engine/score_sheet.h"
#include "engine/sounds.h"

namespace tessaro {

namespace {

int cardsOn(const std::string& pile) { return static_cast<int>(pile.size() / 3); }

bool onlyGaps(const std::string& pile) {
    for (std::size_t i = 0; i + 3 <= pile.size(); i += 3)
        if (cardAt(pile, i) != 0) return false;
    return true;
}

bool scoreReached(const Context& ctx) { return ctx.reg.readInt(reg::Score, 0) >= ctx.P[49]; }

// The default test: stock piles, rows and reserve cells in use are empty.
bool defaultWon(const Context& ctx, int rows) {
    if (!ctx.piles.stock(kMazzo).empty() || !ctx.piles.stock(kMazzoVis).empty()) return false;
    for (int i = 0; i < rows; ++i) {
        const std::string& row = ctx.piles.fila(i);
        if (ctx.P[50] == 4 ? !onlyGaps(row) : !row.empty()) return false;
    }
    const int cells = std::clamp(ctx.P.reserves(), 0, kReserves);
    for (int i = 0; i < cells; ++i)
        if (!ctx.piles.appogg(i).empty()) return false;
    return true;
}

bool nineDown(const std::string& row) {
    if (cardsOn(row) != 9) return false;
    for (int i = 0; i < 9; ++i)
        if (rank(cardAt(row, static_cast<std::size_t>(i) * 3)) != 9 - i) return false;
    return true;
}

}  // namespace

int wonTest(const Context& ctx) {
    const int rows = std::clamp(ctx.P.rows(), 0, kRows);
    const auto& piles = ctx.piles;
    auto everyRow = [&](auto pred) {
        for (int i = 0; i < rows; ++i)
            if (!pred(piles.fila(i))) return false;
        return true;
    };
    bool won = false;
    switch (ctx.P[50]) {
    case 9: won = everyRow([](const std::string& r) { return !r.empty(); }); break;
    case 21:
    case 22: won = piles.stock(kMazzo).empty() && cardsOn(piles.fila(0)) <= 4; break;
    case 27: won = everyRow([](const std::string& r) { return cardsOn(r) == 1; }); break;
    case 31:
        won = piles.stock(kMazzo).empty() &&
              everyRow([](const std::string& r) { return cardsOn(r) == 1 && rank(cardAt(r, 0)) == 1; });
        break;
    case 32:
    case 44:
    case 46:
    case 48: won = false; break;
    case 34:
    case 35:
    case 36:
    case 37:
    case 39:
    case 40:
    case 42:
    case 47: won = scoreReached(ctx); break;
    case 41: {
        won = true;
        const int foundations = std::clamp(ctx.P.foundations(), 0, kFoundations);
        for (int i = 1; i < foundations; ++i)
            if (!piles.dest(i).empty()) won = false;
        break;
    }
    case 43:
        for (int i = 0; i < rows; ++i)
            if (nineDown(piles.fila(i))) won = true;
        break;
    case 45: {
        int occupied = 0;
        for (int i = 0; i < rows; ++i)
            if (!piles.fila(i).empty()) ++occupied;
        won = occupied == 4;
        break;
    }
    case 49:
        won = true;
        for (int i = 0; i < 24; ++i)
            if (cardsOn(piles.fila(i)) != 4) won = false;
        break;
    case 52:
        won = everyRow([](const std::string& r) { return r.empty(); }) && piles.stock(kMazzo).empty() &&
              piles.stock(kMazzoVis).empty() && cardsOn(piles.appogg(0)) == 8;
        break;
    default: won = defaultWon(ctx, rows); break;
    }
    return won ? 1 : 0;
}

int endOfGame(Context& ctx) {
    if (!ctx.run.isSet(Flag::GameInProgress)) return 0;
    ctx.shell->busyCursor(true);
    ctx.shell->hidePilesSizeTip();
    if (ctx.P[49] != 0) ctx.run.setFlag(Flag::Won, scoreReached(ctx) ? 1 : 0);
    const bool won = ctx.run.isSet(Flag::Won);
    ctx.run.setTime(Time::GameEnd, ctx.clock->timeOfDay());
    ctx.run.setFlag(Flag::ClockRunning, 0);
    for (MenuItem item : {MenuItem::Pause, MenuItem::QuitGame, MenuItem::InsertBookmark, MenuItem::GoToBookmark})
        ctx.shell->enableMenu(item, false);
    const int kind = ctx.P[50];
    if (kind >= 36 && kind <= 39) ctx.endGame->showMemoryScoreSheet(memoryScoreSheet(ctx, won));
    ctx.mainGame.recordResult(ctx.reg.readInt(reg::Game, 0), won);
    if (ctx.endGame->selectionShowsWonLost()) ctx.endGame->refreshSelectionEntry(ctx.reg.readInt(reg::Game, 0));
    clockTick(ctx);
    ctx.presentation->showClock();
    // choice: an untouched deal that is left counts for nothing.
    if (ctx.history.playerMoved)
        ctx.endGame->gameFinished(ctx.reg.readInt(reg::Game, 0), won, ctx.reg.readInt(reg::Score, 0),
                                  elapsedFromClockText(ctx.clockText));
    ctx.run.setFlag(Flag::Won, 0);
    ctx.run.setFlag(Flag::GameInProgress, 0);
    ctx.run.setFlag(Flag::GameFinished, 1);
    ctx.shell->undoStateChanged();
    ctx.mainGame.closeAsked = 0;
    if (won) {
        ctx.shell->busyCursor(false);
        ctx.presentation->wait(200, Wait::Pumping);
        ctx.shell->animationHook(true);
        playSound(ctx, "Won", reg::SoundWon);
        ctx.endGame->winningAnimation();
    }
    ctx.shell->busyCursor(false);
    if (ctx.mainGame.closeAsked) {
        ctx.shell->animationHook(false);
        ctx.shell->closeMainWindow();
        return won ? 1 : 0;
    }
    if (won && !ctx.run.isSet(Flag::GameInProgress)) {
        ctx.shell->animationHook(false);
        ctx.presentation->drawTable(true, false);
        ctx.endGame->openGameSelection();
    } else if (won) {
        ctx.shell->animationHook(false);
    }
    return won ? 1 : 0;
}

bool quitConfirmation(Context& ctx, std::optional<std::string_view> text) {
    if (ctx.run.isSet(Flag::AnimationRunning)) return false;
    if (ctx.reg.read(reg::ConfirmQuit) == "N") return true;
    if (!ctx.run.isSet(Flag::GameInProgress) || ctx.run.isSet(Flag::Won)) return true;
    const bool ok = ctx.dialogs->confirm(text ? *text : std::string_view("Quit this game?"));
    ctx.presentation->drawTable(false, false);
    return ok;
}

}  // namespace tessaro
