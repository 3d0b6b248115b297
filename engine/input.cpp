#include "engine/input.h"

#include <algorithm>

#include "engine/autoplay.h"
#include "engine/rules.h"
#include "engine/end_game.h"
#include "engine/execute.h"
#include "engine/history.h"
#include "engine/memory.h"
#include "engine/selection.h"
#include "engine/sounds.h"

namespace tessaro {

namespace {

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }
int rowsInUse(const Context& ctx) { return std::clamp(ctx.P.rows(), 0, kRows); }
int cellsInUse(const Context& ctx) { return std::clamp(ctx.P.reserves(), 0, kReserves); }
int foundationsInUse(const Context& ctx) { return std::clamp(ctx.P.foundations(), 0, kFoundations); }

// Where a card lies, without touching it.
Found locate(Context& ctx, int card) { return ctx.piles.findCard(card, FindAction::None, ctx.P); }

// Executes a word and drops the record it pushed, so that a click of several
// dealing words leaves only its first record.
bool executeWithoutRecord(Context& ctx, std::string_view word) {
    const int before = ctx.history.undo.records();
    const bool moved = executeMove(ctx, 0, word);
    if (ctx.history.undo.records() > before) dropLastRecords(ctx, 1);
    return moved;
}

std::string twoDigits(int n) {
    std::string s = std::to_string(n);
    return n < 10 ? "0" + s : s;
}

bool adjacentRanks(int a, int b, bool kingAceAdjacent) {
    const int ra = rank(a);
    const int rb = rank(b);
    if (ra == rb + 1 || rb == ra + 1) return true;
    return kingAceAdjacent && ((ra == 13 && rb == 1) || (ra == 1 && rb == 13));
}

// A row top may go to the put-away pile in games 2 and 15 only when it is one
// rank above or below the put-away pile's top.
bool wasteNeighbour(Context& ctx, int card) {
    const int waste = ctx.piles.top({PileKind::Stock, kMazzoWaste});
    if (waste == 0) return true;
    // The judge's core check lays an Ace on a King (and a King on an Ace as a
    // row's top) whatever the wrap setting; only game 15 counts them as
    // neighbours, so the others refuse the pair here.
    const int a = rank(waste), b = rank(card);
    if (ctx.P[50] != 15 && ((a == 13 && b == 1) || (a == 1 && b == 13))) return false;
    const bool up = canPlace(ctx, waste, card, -1, true, 0, ctx.P[50] == 15, false, 2, 1, -1);
    const bool down = canPlace(ctx, card, waste, -1, true, 0, ctx.P[50] == 15, false, 2, 1, -1);
    return up || down;
}

// Turns a face-down card up as the automatic face-up step does for one card.
void turnUp(Context& ctx, int card) {
    pushHistory(ctx);
    if (normalPlay(ctx.mainGame)) clearRedo(ctx);
    ctx.cards.setFace(card, '1');
    ctx.presentation->drawCard(card, switchOn(ctx, reg::CardsShadowed));
    playSound(ctx, "Face_up", reg::SoundFaceUp);
}

// May a foundation's card be taken (P[18])?
bool foundationGives(const Context& ctx, PileRef pile, int card) {
    if (ctx.piles.top(pile) != card) return false;
    switch (ctx.P[18]) {
    case 1: return true;
    case 2: return ctx.piles.count(pile) >= 2;
    case 3: return isJoker(card);
    default: return false;
    }
}

void beginDrag(Context& ctx, int card, const Found& where) {
    ctx.drag.card = card;
    const int cards = where.where == Where::NotFound ? 1 : ctx.piles.count(where.pile) - where.position;
    ctx.drag.singleCard = cards <= 1;
    ctx.drag.runTop = cards > 1 ? ctx.piles.top(where.pile) : 0;
}

void endDrag(Context& ctx) { ctx.drag.clear(); }

// Right click and double click: is the card movable from its pile, and as what?
bool movableByGesture(Context& ctx, int card, const Found& where) {
    if (!CardTable::valid(card) || ctx.cards.faceDown(card)) return false;
    switch (where.where) {
    case Where::Foundation: return foundationGives(ctx, where.pile, card);
    case Where::VisibleStock: return ctx.piles.top(where.pile) == card;
    case Where::Row:
        if (ctx.P[13] == 0) return false;
        if (ctx.piles.top(where.pile) == card) return true;
        return runLengthAllowed(ctx, card, false);
    case Where::Reserve: return ctx.piles.top(where.pile) == card || ctx.P[14] == -11;
    default: return false;
    }
}

bool gestureMove(Context& ctx, int card, bool toFoundations, bool toRows) {
    if (ctx.mainGame.playMode == 1 || ctx.mainGame.playMode == 3 || ctx.P[37] == 1) toFoundations = toRows = true;
    const Found where = locate(ctx, card);
    if (!movableByGesture(ctx, card, where)) return false;
    const bool moved = moveToAnyPile(ctx, card, toFoundations, toRows, false, false);
    if (ctx.run.isSet(Flag::Won)) endOfGame(ctx);
    return moved;
}

// Shows the undo and redo state once the action is over: records made while
// a card was held (a drop, an autoplay flight) were not undoable at the time.
struct UndoStateAfterAction {
    Context& ctx;
    ~UndoStateAfterAction() { ctx.shell->undoStateChanged(); }
};

}  // namespace

int cardsFromCardUp(const Context& ctx, int card) {
    const std::string key = card3(card);
    auto scan = [&](const std::string& pile) {
        for (std::size_t i = 0; i + 3 <= pile.size(); i += 3)
            if (pile.compare(i, 3, key) == 0) return static_cast<int>((pile.size() - i) / 3);
        return 0;
    };
    for (int i = 0; i < kStockPiles; ++i)
        if (int n = scan(ctx.piles.stock(i))) return n;
    for (int i = 0; i < kFoundations; ++i)
        if (int n = scan(ctx.piles.dest(i))) return n;
    for (int i = 0; i < kRows; ++i)
        if (int n = scan(ctx.piles.fila(i))) return n;
    for (int i = 0; i < kReserves; ++i)
        if (int n = scan(ctx.piles.appogg(i))) return n;
    return 0;
}

bool tryDrop(Context& ctx, int card, std::string_view pile, bool byAutoplay) {
    const std::string name(pile);
    if (ctx.P[50] == 19) {
        // This game's own drop rule: onto a top card of the same rank or suit.
        auto ref = pileByName(name);
        if (!ref || ref->kind == PileKind::Stock) return false;
        const int top = ctx.piles.top(*ref);
        if (top == 0 || (rank(top) != rank(card) && suit(top) != suit(card))) return false;
    } else if (startsWith(name, "Fila") || startsWith(name, "Dest") || startsWith(name, "Appogg")) {
        if (!canDropOnPile(ctx, card, name)) return false;
    } else if (name == "Mazzo_Vis") {
        if (ctx.P[352] != 2 || ctx.P[353] == 4 || cardsFromCardUp(ctx, card) != 1) return false;
        const int top = ctx.piles.top({PileKind::Stock, kMazzoVis});
        if (top == 0 || suit(top) != suit(card) || !adjacentRanks(top, card, true)) return false;
        return executeMove(ctx, card, "Stock02");
    } else {
        return false;
    }
    if (startsWith(name, "Dest") && byAutoplay) return executeMove(ctx, card, "Dest_Autoplay" + name.substr(4));
    if (startsWith(name, "Fila") && !byAutoplay && switchOn(ctx, reg::CardsAnimate))
        if (auto row = pileByName(name)) ctx.presentation->flyDroppedCard(card, *row);
    return executeMove(ctx, card, name);
}

bool moveToAnyPile(Context& ctx, int card, bool foundations, bool rows, bool reserves, bool byAutoplay) {
    if (!CardTable::valid(card) || ctx.cards.faceDown(card)) return false;
    const Found where = locate(ctx, card);
    if (where.where == Where::NotFound) return false;
    beginDrag(ctx, card, where);
    const bool single = ctx.drag.singleCard;
    if (foundations && byAutoplay) {
        // Games whose first foundation card is the player's choice.
        bool anyChosen = false;
        bool allEmpty = true;
        for (int i = 0; i < foundationsInUse(ctx); ++i) {
            const int base = ctx.P[51 + i];
            if (base != 92 && base != 93) continue;
            anyChosen = true;
            if (!ctx.piles.dest(i).empty()) allEmpty = false;
        }
        if (anyChosen && allEmpty) foundations = false;
    }
    bool moved = false;
    if (foundations && single) {
        for (int i = 0; i < foundationsInUse(ctx) && !moved; ++i)
            moved = tryDrop(ctx, card, "Dest" + std::to_string(i + 1), byAutoplay);
    }
    if (rows && !moved) {
        const int ownRow = where.where == Where::Row ? where.pile.index : -1;
        for (int pass = 0; pass < 2 && !moved; ++pass) {
            for (int i = 0; i < rowsInUse(ctx) && !moved; ++i) {
                if (i == ownRow || ctx.piles.fila(i).empty() != (pass == 1)) continue;
                moved = tryDrop(ctx, card, "Fila" + std::to_string(i + 1), byAutoplay);
            }
        }
    }
    if (reserves && single && !moved) {
        for (int i = 0; i < cellsInUse(ctx) && !moved; ++i)
            moved = tryDrop(ctx, card, "Appogg" + std::to_string(i + 1), byAutoplay);
    }
    if (rows && !moved) moved = tryDrop(ctx, card, "Mazzo_Vis", byAutoplay);
    endDrag(ctx);
    return moved;
}

bool canPickUp(Context& ctx, const Hit& hit) {
    const int card = hit.card;
    if (!CardTable::valid(card)) return false;
    const Found where = locate(ctx, card);
    if (where.where == Where::NotFound || pileName(where.pile) != hit.pile) return false;
    bool ok = false;
    switch (where.where) {
    case Where::Row: {
        if (ctx.P[25] >= 1 && where.pile.index < ctx.P[25] * ctx.P[26]) return false;
        if (ctx.cards.faceDown(card)) return false;
        const bool top = ctx.piles.top(where.pile) == card;
        if (top) {
            ok = runLengthAllowed(ctx, card, false);
        } else {
            const bool checked = ctx.P[2] == 1 || ctx.P[2] == 10;
            ok = (!checked || runFollowsRule(ctx, card, where.pile.index)) && runLengthAllowed(ctx, card, false);
        }
        break;
    }
    case Where::VisibleStock: ok = ctx.P[8] == 0 && ctx.piles.top(where.pile) == card; break;
    case Where::Foundation: ok = foundationGives(ctx, where.pile, card); break;
    case Where::Reserve:
        if (ctx.P[14] == -14) ok = false;
        else if (ctx.P[14] == -15) ok = neighboursClear(ctx, card);
        else if (ctx.piles.top(where.pile) == card) ok = ctx.cards.faceUp(card);
        else ok = ctx.P[14] == -11 && ctx.cards.faceUp(card);
        break;
    default: ok = false; break;
    }
    if (ok) beginDrag(ctx, card, where);
    return ok;
}

bool stockClick(Context& ctx) {
    const auto& P = ctx.P;
    std::string& stock = ctx.piles.stock(kMazzo);
    const int lastRowMode = P[290 + std::max(P.rows(), 1)];
    const int lastCellMode = P[340 + std::max(P.reserves(), 1)];
    bool moved = false;
    if (stockSelection(ctx, moved)) return moved;
    if (P[10] != 1) {
        if ((P[16] >= 1 && stock.empty()) || P[16] == 6) {
            moved = executeMove(ctx, 0, "Mazzo_Redeal");
        } else if (P[291] == 1 || lastRowMode == 1) {
            moved = executeMove(ctx, 0, "Add_Tableaus");
            if (P[341] == 5) moved |= executeWithoutRecord(ctx, "Add_Reserves");
        } else if (P[291] == 2 || lastRowMode == 2) {
            bool full = true;
            for (int i = 0; i < rowsInUse(ctx); ++i)
                if (ctx.piles.fila(i).empty()) full = false;
            if (full) moved = executeMove(ctx, 0, "Add_Tableaus");
            else ctx.dialogs->info("Fill in any gaps in the tableau before dealing.");
        } else if (P[341] == 1 || lastCellMode == 1) {
            moved = executeMove(ctx, 0, "Add_Reserves");
        } else if (P[341] == 3) {
            if (ctx.piles.count({PileKind::Stock, kMazzo}) != 8) {
                moved = executeMove(ctx, 0, "Add_Reserves");
                moved |= executeMove(ctx, 0, "Add_Reserves");
            } else {
                moved = executeMove(ctx, 0, "Add_Tableaus_Last");
            }
        } else if (P[341] == 4) {
            // The counter goes up once the click is recorded, so that undo
            // finds it as it was.
            const int turns = ctx.run.counter(Counter::StockTurns) + (normalPlay(ctx.mainGame) ? 1 : 0);
            const std::string word = turns % 2 != 0 ? "Add_Reserve_1" : "Add_Reserve_2";
            for (int i = 0; i < 3 && !stock.empty(); ++i)
                moved |= i == 0 ? executeMove(ctx, 0, word) : executeWithoutRecord(ctx, word);
            ctx.run.setCounter(Counter::StockTurns, turns);
        } else if (P[291] == 8) {
            bool first = true;
            for (int k = 1; k <= rowsInUse(ctx); ++k) {
                for (int j = 0; j < 4; ++j) {
                    const std::string word = "Add_Tableau_" + twoDigits(k);
                    moved |= first ? executeMove(ctx, 0, word) : executeWithoutRecord(ctx, word);
                    first = false;
                }
            }
        } else if (P[291] == 10) {
            const int turns = ctx.run.counter(Counter::StockTurns) + 1;
            const int start = (turns + 1) * 8 - 15;
            for (int i = 0; i < 8; ++i) {
                const std::string word = "Add_Tableau_" + twoDigits(start + i);
                moved |= i == 0 ? executeMove(ctx, 0, word) : executeWithoutRecord(ctx, word);
            }
            ctx.run.setCounter(Counter::StockTurns, turns);
        } else if (P[363] != 0) {
            moved = executeMove(ctx, 0, "Mazzo_Waste");
        }
    } else if (P[291] != 9) {
        if (P[17] == 0 || ctx.piles.stock(kMazzoVis).empty()) moved = executeMove(ctx, 0, "Mazzo_Vis");
    } else {
        // Top every row up to three cards; the whole click is one record.
        const int before = ctx.history.undo.records();
        if (stock.empty() && (P[15] == -1 || ctx.mainGame.redeals < P[15])) {
            ctx.mainGame.stockPressed = 1;  // forms the stock at once, not on a later release
            moved = executeMove(ctx, 0, "Mazzo_Vis");
            ctx.mainGame.stockPressed = 0;
        }
        for (int k = 1; k <= rowsInUse(ctx); ++k) {
            while (ctx.piles.count({PileKind::Row, k - 1}) < 3 && !stock.empty()) {
                if (!executeMove(ctx, 0, "Add_Tableau_" + twoDigits(k))) break;
                moved = true;
            }
        }
        const int extra = ctx.history.undo.records() - before - 1;
        if (extra > 0) dropLastRecords(ctx, extra);
    }
    if ((P[50] == 2 || P[50] == 15) && ctx.run.isSet(Flag::Won)) endOfGame(ctx);
    return moved;
}

bool tablePress(Context& ctx, MouseButton button, bool ctrl, const Hit& hit) {
    beginAction(ctx);
    const UndoStateAfterAction showUndoState{ctx};
    ctx.run.setCounter(Counter::MouseMoveStamp, -1);
    ctx.shell->hidePilesSizeTip();
    if (!ctx.run.isSet(Flag::GameInProgress) || ctx.drag.card != 0) return false;
    if (ctx.run.isSet(Flag::DoubleClickPending)) {
        ctx.run.setFlag(Flag::DoubleClickPending, 0);
        return false;
    }
    ctx.move.movedWhileHeld = false;
    const int kind = ctx.P[50];
    if (button == MouseButton::Right) {
        if (ctrl) return false;
        if (kind != 32 && kind != 33 && kind != 46) {
            const bool f = ctx.reg.flag(reg::RightClickFoundations);
            const bool r = ctx.reg.flag(reg::RightClickTableaus);
            return (f || r) && gestureMove(ctx, hit.card, f, r);
        }
    }
    if (ctx.P[37] == 1) return moveToAnyPile(ctx, hit.card, true, true, false, false);
    ctx.drag.singleCard = true;
    bool acted = false;
    if (hit.pile == "Mazzo") {
        acted = stockClick(ctx) || ctx.mainGame.stockPressed;
    } else if (hit.pile == "Mazzo_Vis" && hit.card == 0) {
        if (ctx.P[16] >= 1 && ctx.piles.stock(kMazzo).empty()) acted = executeMove(ctx, 0, "Mazzo_Redeal");
    } else if (isMemoryClickKind(kind) && startsWith(hit.pile, "Fila") && ctx.cards.faceDown(hit.card)) {
        // The Memory grids: any face-down card is the kind's turn.
        auto ref = pileByName(hit.pile);
        acted = ref && memoryClick(ctx, hit.card, ref->index);
    } else if (startsWith(hit.pile, "Fila") && CardTable::valid(hit.card) && ctx.cards.faceDown(hit.card)) {
        // A face-down card: the row's top card is turned up.
        auto ref = pileByName(hit.pile);
        if (ref && ctx.piles.top(*ref) == hit.card) {
            turnUp(ctx, hit.card);
            acted = true;
        }
    } else if (button == MouseButton::Left && selectionGame(ctx)) {
        acted = selectionPress(ctx, hit);
    } else if (ctx.P[39] == 0 && canPickUp(ctx, hit)) {
        if (kind == 2 || kind == 12 || kind == 15) {
            // These games send a taken card straight to the put-away pile.
            const bool allowed = (kind == 12) || !startsWith(hit.pile, "Fila") || wasteNeighbour(ctx, hit.card);
            endDrag(ctx);
            if (allowed && executeMove(ctx, hit.card, "Waste")) {
                acted = true;
                if (ctx.run.isSet(Flag::Won)) endOfGame(ctx);
            }
        } else {
            acted = true;
            if (ctx.reg.read(reg::CardsShadowed) != "N") playSound(ctx, "card_up", reg::SoundCardUp);
        }
    }
    if (!acted && normalPlay(ctx.mainGame)) ctx.shell->beep();
    return acted;
}

void tableMove(Context& ctx, bool leftPressedPile) {
    ctx.run.setCounter(Counter::MouseMoveStamp, -1);
    if (ctx.drag.card != 0) {
        ctx.move.movedWhileHeld = true;
    } else if (ctx.mainGame.stockPressed && leftPressedPile) {
        ctx.mainGame.stockPressed = 0;
        ctx.presentation->drawPile({PileKind::Stock, kMazzo});
    }
}

bool tableRelease(Context& ctx, const std::vector<std::string>& candidates) {
    // A click is one action: what autoplay does after a press that moved
    // cards (a stock turn, a turned-up card) is taken back with it. A release
    // that moves cards itself is an action of its own.
    const HistorySide& undo = ctx.history.undo;
    const bool pressMoved = undo.records() > 0 && undo.states.back().action == ctx.history.action;
    if (!pressMoved || ctx.mainGame.stockPressed || ctx.drag.card != 0) beginAction(ctx);
    const UndoStateAfterAction showUndoState{ctx};
    bool moved = false;
    if (ctx.mainGame.stockPressed) {
        moved = executeMove(ctx, 0, "Mazzo_Vis");
        ctx.mainGame.stockPressed = 0;
        ctx.presentation->drawPile({PileKind::Stock, kMazzo});
    }
    if (const int card = ctx.drag.card; card != 0) {
        bool dropped = false;
        if (ctx.move.movedWhileHeld) {
            const std::size_t tries = std::min<std::size_t>(candidates.size(), 4);
            for (std::size_t i = 0; i < tries && !dropped; ++i) dropped = tryDrop(ctx, card, candidates[i], false);
        }
        if (!dropped && ctx.reg.read(reg::CardsShadowed) != "N") playSound(ctx, "card_down", reg::SoundCardDown);
        if (dropped && ctx.run.isSet(Flag::Won)) endOfGame(ctx);
        endDrag(ctx);
        moved |= dropped;
    }
    if (ctx.run.isSet(Flag::GameInProgress)) autoplayUntilStill(ctx, false);
    return moved;
}

bool tableDoubleClick(Context& ctx, const Hit& hit) {
    beginAction(ctx);
    const UndoStateAfterAction showUndoState{ctx};
    const bool f = ctx.reg.flag(reg::DoubleClickFoundations);
    const bool r = ctx.reg.flag(reg::DoubleClickTableaus);
    if (!f && !r) return false;
    if (hit.pile == "Mazzo") {
        ctx.run.setFlag(Flag::DoubleClickPending, 0);
        return false;
    }
    if (!ctx.run.isSet(Flag::GameInProgress)) return false;
    ctx.run.setFlag(Flag::DoubleClickPending, 1);
    return gestureMove(ctx, hit.card, f, r);
}

}  // namespace tessaro
