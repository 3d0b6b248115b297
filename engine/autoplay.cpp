#include "engine/autoplay.h"

#include <algorithm>
#include <string>

#include "engine/rules.h"
#include "stores/settings.h"
#include "engine/end_game.h"
#include "engine/execute.h"
#include "engine/history.h"
#include "engine/input.h"
#include "engine/memory.h"
#include "engine/sounds.h"

namespace tessaro {

namespace {

int rowsInUse(const Context& ctx) { return std::clamp(ctx.P.rows(), 0, kRows); }
int cellsInUse(const Context& ctx) { return std::clamp(ctx.P.reserves(), 0, kReserves); }

bool finished(const Context& ctx) { return ctx.run.isSet(Flag::GameFinished); }

// Offers a card to the foundations only, as autoplay.
bool offer(Context& ctx, int card) { return moveToAnyPile(ctx, card, true, false, false, true); }

// Turns a face-down row top up; the turn belongs to the pass, so its record goes again.
void turnUp(Context& ctx, int card) {
    pushHistory(ctx);
    ctx.cards.setFace(card, '1');
    ctx.presentation->drawCard(card, switchOn(ctx, reg::CardsShadowed));
    playSound(ctx, "Face_up", reg::SoundFaceUp);
    dropLastRecords(ctx, 1);
}

// One filling move: the card goes to the pile as an executed move whose record
// is dropped again, so the filling belongs to the action that caused it.
bool fillOne(Context& ctx, int card, PileRef to) {
    if (card == 0) return false;
    const int before = ctx.history.undo.records();
    ctx.drag.singleCard = true;
    const bool moved = executeMove(ctx, card, pileName(to));
    if (ctx.history.undo.records() > before) dropLastRecords(ctx, 1);
    if (moved) ctx.presentation->flyCard(card, to);
    return moved;
}

int topOf(const Context& ctx, int stockPile) { return ctx.piles.top({PileKind::Stock, stockPile}); }
// The visible stock's top, or the stock's when the visible stock is empty.
int visThenStock(const Context& ctx) {
    const int v = topOf(ctx, kMazzoVis);
    return v != 0 ? v : topOf(ctx, kMazzo);
}
int stockThenVis(const Context& ctx) {
    const int s = topOf(ctx, kMazzo);
    return s != 0 ? s : topOf(ctx, kMazzoVis);
}

}  // namespace

bool autoplayPass(Context& ctx) {
    if (!(ctx.autoplay.on() || !normalPlay(ctx.mainGame))) return false;
    if (!ctx.run.isSet(Flag::GameInProgress) || ctx.P.rows() <= 0) return false;
    // choice: the Memory games have nothing to play automatically, and their
    // won flag follows the score after every turn; a pass would end a game
    // that has merely reached its score to win while cards are still face down.
    if (isMemoryKind(ctx.P[50])) return false;
    ctx.run.setFlag(Flag::GameFinished, 0);
    bool any = false;
    const int cells = cellsInUse(ctx);
    const int rows = rowsInUse(ctx);
    for (;;) {
        bool moved = false;
        // Reserve cells, again while they give cards away.
        for (bool again = true; again && !finished(ctx);) {
            again = false;
            for (int i = 0; i < cells && !finished(ctx); ++i) {
                const int top = ctx.piles.top({PileKind::Reserve, i});
                if (top != 0 && offer(ctx, top)) again = moved = true;
            }
        }
        if (finished(ctx)) break;
        // The visible stock.
        if (ctx.P[8] == 0) {
            const int top = topOf(ctx, kMazzoVis);
            if (top != 0 && offer(ctx, top)) moved = true;
        }
        if (finished(ctx)) break;
        // The rows.
        for (int i = 0; i < rows && !finished(ctx); ++i) {
            int top = ctx.piles.top({PileKind::Row, i});
            if (top == 0) continue;
            if (ctx.cards.faceDown(top) && ctx.reg.read(reg::AutoFaceUp) != "N" && ctx.P[42] == 1) turnUp(ctx, top);
            if (offer(ctx, top)) {
                moved = true;
                // The cells may take part again before the next row is tried.
                if (cells > 0) break;
            }
        }
        if (finished(ctx) || !moved) break;
        any = true;
    }
    if (ctx.run.isSet(Flag::Won)) endOfGame(ctx);
    ctx.run.setFlag(Flag::GameFinished, 0);
    return any;
}

bool fillRows(Context& ctx) {
    const int rule = ctx.P[23];
    const bool stockEmpty = ctx.piles.stock(kMazzo).empty() && ctx.piles.stock(kMazzoVis).empty();
    if (rule == 0 || (rule == 1 && ctx.piles.appogg(0).empty())) return false;
    if ((rule == 2 || rule == 3 || rule == 8 || rule == 9 || rule == 11 || rule == 12 || rule == 13) && stockEmpty)
        return false;
    const int cells = cellsInUse(ctx);
    if (rule == 10) {
        for (int i = 0; i < cells; ++i)
            if (!ctx.piles.appogg(i).empty()) return false;
    }
    bool any = false;
    const int rows = rowsInUse(ctx);
    const int firstFilled = ctx.P[25] * ctx.P[26];
    for (int i = 0; i < rows; ++i) {
        const PileRef row{PileKind::Row, i};
        if (!ctx.piles.fila(i).empty()) continue;
        switch (rule) {
        case 1: any |= fillOne(ctx, ctx.piles.top({PileKind::Reserve, 0}), row); break;
        case 2:
        case 4:
        case 8:
        case 10:
            if (i >= firstFilled) any |= fillOne(ctx, visThenStock(ctx), row);
            break;
        case 3: any |= fillOne(ctx, stockThenVis(ctx), row); break;
        case 5:
            for (int k = 0; k < 3; ++k)
                if (!fillOne(ctx, topOf(ctx, kMazzoVis), row)) break;
            any |= !ctx.piles.fila(i).empty();
            break;
        case 6:
            if (i == 0 || i == 6 || i == 7 || i == 13 || i == 14 || i == 20 || i == 21 || i == 27)
                any |= fillOne(ctx, topOf(ctx, kMazzoVis), row);
            break;
        case 7:
            if (i >= 10) any |= fillOne(ctx, topOf(ctx, kMazzo), row);
            break;
        case 9:
            for (int k = 0; k < 4; ++k)
                if (!fillOne(ctx, topOf(ctx, kMazzo), row)) break;
            any |= !ctx.piles.fila(i).empty();
            break;
        case 11:
            if (i >= 24 && i <= 31) any |= fillOne(ctx, visThenStock(ctx), row);
            break;
        case 12:
            for (int k = 0; k < 4; ++k)
                if (!fillOne(ctx, visThenStock(ctx), row)) break;
            any |= !ctx.piles.fila(i).empty();
            break;
        default: break;
        }
    }
    if (rule == 8 || rule == 13) {
        for (int i = 0; i < cells; ++i) {
            if (!ctx.piles.appogg(i).empty()) continue;
            const int card = rule == 8 ? visThenStock(ctx) : topOf(ctx, kMazzo);
            any |= fillOne(ctx, card, {PileKind::Reserve, i});
        }
    }
    return any;
}

void autoplayUntilStill(Context& ctx, bool passFirst) {
    if (passFirst) {
        if (!autoplayPass(ctx)) return;
        for (;;) {
            fillRows(ctx);
            if (!autoplayPass(ctx)) return;
        }
    }
    fillRows(ctx);
    if (!ctx.autoplay.on()) return;
    while (autoplayPass(ctx)) fillRows(ctx);
}

void toggleAutoplay(Context& ctx) {
    ctx.autoplay.checked = !ctx.autoplay.checked;
    ctx.shell->showAutoplay(ctx.autoplay.checked);
    if (ctx.autoplay.checked && ctx.run.isSet(Flag::GameInProgress)) autoplayUntilStill(ctx, true);
    if (ctx.autoplay.enabled && ctx.mainGame.autoplayScope == 2) storeAutoplaySetting(ctx, ctx.reg.readInt(reg::Game, 0));
}

void loadAutoplaySetting(Context& ctx, int game) {
    if (!ctx.autoplay.enabled || ctx.mainGame.autoplayScope != 2) return;
    if (autoplayFor(ctx.reg, game) != ctx.autoplay.checked) toggleAutoplay(ctx);
}

void storeAutoplaySetting(Context& ctx, int game) {
    if (!ctx.autoplay.enabled || ctx.mainGame.autoplayScope != 2) return;
    writeAutoplayFor(ctx.reg, game, ctx.autoplay.checked);
}

}  // namespace tessaro
