#include "engine/undo.h"

#include "engine/end_game.h"
#include "engine/memory.h"
#include "engine/selection.h"

namespace tessaro {

namespace {

// A pile text from its pile line: three digits per card, the fourth
// character sets the card's face; "0000" is a gap.
std::string pileFromLine(Context& ctx, const std::string& line) {
    std::string pile;
    pile.reserve(line.size() / 4 * 3);
    for (std::size_t i = 0; i + 4 <= line.size(); i += 4) {
        const int card = cardAt(line, i);
        pile.append(line, i, 3);
        if (CardTable::valid(card)) ctx.cards.setFace(card, line[i + 3] == '0' ? '0' : '1');
    }
    return pile;
}

// Puts record `r` of a side on the table, with its score and counters.
void restoreRecord(Context& ctx, const HistorySide& side, int r) {
    for (int i = 0; i < kStockPiles; ++i) ctx.piles.stock(i) = pileFromLine(ctx, side.stock[r * kStockPiles + i]);
    for (int i = 0; i < kFoundations; ++i)
        ctx.piles.dest(i) = pileFromLine(ctx, side.foundations[r * kFoundations + i]);
    for (int i = 0; i < kRows; ++i) ctx.piles.fila(i) = pileFromLine(ctx, side.rows[r * kRows + i]);
    for (int i = 0; i < kReserves; ++i) ctx.piles.appogg(i) = pileFromLine(ctx, side.reserves[r * kReserves + i]);
    const RecordState& s = side.states[static_cast<std::size_t>(r)];
    ctx.reg.write(reg::Score, s.score);
    ctx.mainGame.redeals = s.redeals;
    ctx.run.setCounter(Counter::StockTurns, s.stockTurns);
    ctx.mainGame.moves = s.moves;
    ctx.mainGame.stockPressed = 0;
    ctx.mainGame.idle = 0;
}

void showRestored(Context& ctx) {
    ctx.presentation->drawTable(false, false);
    if (ctx.P[50] != 9) ctx.presentation->showScore();
    ctx.shell->undoStateChanged();
}

}  // namespace

bool undoAllowed(const Context& ctx) {
    return ctx.run.isSet(Flag::GameInProgress) && !ctx.run.isSet(Flag::Won) && normalPlay(ctx.mainGame) &&
           ctx.drag.card == 0 && !isMemoryKind(ctx.P[50]) && !selectionGame(ctx) &&
           ctx.P[21] != 1 && ctx.reg.read(reg::UndoMode) != "2";
}

bool canUndo(const Context& ctx) {
    const HistorySide& undo = ctx.history.undo;
    return undoAllowed(ctx) && undo.records() > 0 && undo.states.back().action != ctx.history.dealAction;
}
bool canRedo(const Context& ctx) { return undoAllowed(ctx) && ctx.history.redo.records() > 0; }

bool undoMove(Context& ctx) {
    if (!canUndo(ctx)) return false;
    HistorySide& undo = ctx.history.undo;
    const int newest = undo.records() - 1;
    // Every record of the newest action goes; the oldest of them is the
    // position before the action.
    const int action = undo.states[static_cast<std::size_t>(newest)].action;
    int first = newest;
    while (first > 0 && undo.states[static_cast<std::size_t>(first - 1)].action == action) --first;
    appendPosition(ctx, ctx.history.redo);
    restoreRecord(ctx, undo, first);
    eraseFromSide(undo, newest - first + 1, 0);
    showRestored(ctx);
    return true;
}

bool redoMove(Context& ctx) {
    if (!canRedo(ctx)) return false;
    HistorySide& redo = ctx.history.redo;
    beginAction(ctx);
    appendPosition(ctx, ctx.history.undo);
    restoreRecord(ctx, redo, redo.records() - 1);
    eraseFromSide(redo, 1, 0);
    showRestored(ctx);
    // The position made again may be the won one.
    if (wonTest(ctx) != 0) {
        ctx.run.setFlag(Flag::Won, 1);
        endOfGame(ctx);
    }
    return true;
}

}  // namespace tessaro
