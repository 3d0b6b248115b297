#include "engine/execute.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/autoplay.h"
#include "engine/end_game.h"
#include "engine/history.h"
#include "engine/memory.h"
#include "engine/score.h"
#include "engine/selection.h"
#include "engine/sounds.h"

namespace tessaro {

namespace {

constexpr PileRef kStockRef{PileKind::Stock, kMazzo};
constexpr PileRef kVisRef{PileKind::Stock, kMazzoVis};
constexpr PileRef kWasteRef{PileKind::Stock, kMazzoWaste};

int cardsOn(const std::string& pile) { return static_cast<int>(pile.size() / 3); }
bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// Decimal value of up to `width` characters of `s` from `from`; -1 when not a number.
int numberAt(std::string_view s, std::size_t from, std::size_t width) {
    if (from >= s.size()) return -1;
    std::string_view part = s.substr(from, width);
    int v = 0;
    for (char c : part) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return part.empty() ? -1 : v;
}

int rowsInUse(const Context& ctx) { return std::clamp(ctx.P.rows(), 0, kRows); }
int cellsInUse(const Context& ctx) { return std::clamp(ctx.P.reserves(), 0, kReserves); }

// Removes the top card of a pile and returns it (0 when the pile is empty).
int takeTop(std::string& pile) {
    if (pile.size() < 3) return 0;
    const int card = cardAt(pile, pile.size() - 3);
    pile.resize(pile.size() - 3);
    return card;
}

bool redealsLeft(const Context& ctx) { return ctx.P[15] == -1 || ctx.mainGame.redeals < ctx.P[15]; }

// What one call of the executor did, for the common tail.
struct Outcome {
    bool moved = false;
    bool fromRow = false;
    bool toReserve = false;
};

class Executor {
public:
    explicit Executor(Context& ctx) : ctx_(ctx) {}

    // Returns false without running the tail when the word names nothing or
    // the call only marked the stock pressed.
    bool dispatch(int card, std::string_view word, Outcome& out);

private:
    void singleMove(int card, PileRef to, std::string_view sound, Field soundSwitch, bool winCheck, Outcome& out);
    void runMove(int card, PileRef to, Outcome& out);
    void filaMove(int card, int row, Outcome& out);
    bool stockOperation(std::string_view word, Outcome& out);
    void reformStock();
    void stockDealing(std::string_view word, Outcome& out);
    void selectionRemoval(Outcome& out);
    void gapDealing(Outcome& out);
    void closingUp(Outcome& out);

    Context& ctx_;
};

void Executor::singleMove(int card, PileRef to, std::string_view sound, Field soundSwitch, bool winCheck,
                          Outcome& out) {
    pushHistory(ctx_);
    const Found from = ctx_.piles.findCard(card, FindAction::Cut, ctx_.P);
    out.fromRow = from.where == Where::Row;
    ctx_.piles.append(to, card, ctx_.cards, '1');
    ctx_.presentation->drawPile(to);
    if (from.where != Where::NotFound) ctx_.presentation->drawPile(from.pile);
    if (!sound.empty()) playSound(ctx_, sound, soundSwitch);
    if (winCheck) ctx_.run.setFlag(Flag::Won, wonTest(ctx_));
    out.moved = true;
}

void Executor::runMove(int card, PileRef to, Outcome& out) {
    pushHistory(ctx_);
    const Found from = ctx_.piles.findCard(card, FindAction::None, ctx_.P);
    std::string run;
    if (from.where != Where::NotFound) {
        std::string& source = ctx_.piles.text(from.pile);
        const std::size_t at = static_cast<std::size_t>(from.position) * 3;
        run = source.substr(at);
        source.resize(at);
        ctx_.presentation->drawPile(from.pile);
    } else {
        run = card3(card);
    }
    const bool animate = switchOn(ctx_, reg::CardsAnimate);
    for (std::size_t i = 0; i + 3 <= run.size(); i += 3) {
        const int c = cardAt(run, i);
        ctx_.piles.append(to, c, ctx_.cards, '1');
        if (animate) ctx_.presentation->drawCard(c, false);
    }
    ctx_.presentation->drawPile(to);
    out.fromRow = true;
    out.moved = true;
}

void Executor::filaMove(int card, int row, Outcome& out) {
    const PileRef to{PileKind::Row, row};
    const Found from = ctx_.piles.findCard(card, FindAction::None, ctx_.P);
    // A card with cards above it in a row or reserve cell moves with them: the
    // judge has accepted the run headed by it, never the card alone.
    const bool inner = from.where != Where::NotFound &&
                       (from.where == Where::Row || from.where == Where::Reserve) &&
                       from.position + 1 < ctx_.piles.count(from.pile);
    if (!ctx_.drag.singleCard || inner) {
        runMove(card, to, out);
    } else {
        singleMove(card, to, {}, reg::SoundTableau, false, out);
    }
    if (ctx_.piles.count(to) <= 2) ctx_.presentation->drawPile(to);
    playSound(ctx_, "Tableau", reg::SoundTableau);
    // Peg-jumping rows: the card passed over leaves the table as part of this move.
    if (ctx_.P[211 + row] == 71 && from.where == Where::Row) {
        const int width = ctx_.P[28];
        const int distance = std::abs(from.pile.index - row);
        if (distance == 2 || (width > 0 && distance == 2 * width)) {
            const int jumped = (from.pile.index + row) / 2;
            const int over = ctx_.piles.top({PileKind::Row, jumped});
            if (over != 0 && executeMove(ctx_, over, "Waste")) dropLastRecords(ctx_, 1);
        }
    }
    if (ctx_.P[50] == 49 && from.where == Where::Row) rowExchange(ctx_, from.pile.index, row);
    if (ctx_.P[50] == kForgetMeNot) answerCheck(ctx_);
    if (ctx_.P[50] == 43 || ctx_.P[50] == 44) {
        refreshScore(ctx_);
        ctx_.run.setFlag(Flag::Won, wonTest(ctx_));
    }
}

void Executor::reformStock() {
    // The record keeps the counters as they were before the move.
    pushHistory(ctx_);
    ++ctx_.mainGame.redeals;
    std::string& stock = ctx_.piles.stock(kMazzo);
    std::string& vis = ctx_.piles.stock(kMazzoVis);
    stock.clear();
    const bool animate = switchOn(ctx_, reg::RedealAnimation);
    if (animate) playSound(ctx_, "Redeal", reg::SoundRedeal);
    else playSound(ctx_, "Red_no_a", reg::SoundRedealQuiet);
    const char face = ctx_.P[7] != 0 ? '0' : '1';
    while (!vis.empty()) {
        const int card = takeTop(vis);
        ctx_.piles.append(kStockRef, card, ctx_.cards, face);
        if (animate) ctx_.presentation->flyCard(card, kStockRef);
    }
    // The selection list must not keep a card that went back under the stock.
    if (ctx_.P[50] == 4 && !stock.empty()) {
        std::string& selection = ctx_.piles.dest(0);
        const std::string bottom = stock.substr(0, 3);
        for (std::size_t at : {std::size_t{0}, std::size_t{3}}) {
            if (selection.size() >= at + 3 && selection.compare(at, 3, bottom) == 0) {
                selection.erase(at, 3);
                break;
            }
        }
    }
    ctx_.presentation->drawPile(kStockRef);
    ctx_.presentation->drawPile(kVisRef);
}

bool Executor::stockOperation(std::string_view word, Outcome& out) {
    std::string& stock = ctx_.piles.stock(kMazzo);
    const bool left = redealsLeft(ctx_);
    bool redealt = false;
    auto pressOnly = [&] {
        // The press on an empty stock only shows the pressed look; the
        // release calls again and that call forms the stock.
        if (normalPlay(ctx_.mainGame) && !ctx_.mainGame.stockPressed) {
            ctx_.mainGame.stockPressed = 1;
            ctx_.presentation->drawPile(kStockRef);
            return true;
        }
        return false;
    };
    if (ctx_.P[16] < 1 || !left) {
        if (word == "Mazzo_Vis" && stock.empty() && cardsOn(ctx_.piles.stock(kMazzoVis)) >= 2 && left) {
            if (pressOnly()) return false;
            reformStock();
            redealt = true;
            out.moved = true;
        }
    } else if (stock.empty() || ctx_.P[16] == 6) {
        if (pressOnly()) return false;
        pushHistory(ctx_);
        ++ctx_.mainGame.redeals;
        redealt = true;
        out.moved = true;
    }
    if (stock.empty() || redealt) return true;

    pushHistory(ctx_);
    if (ctx_.P[50] == 28) ctx_.run.setCounter(Counter::StockTurns, ctx_.run.counter(Counter::StockTurns) + 1);
    const PileRef to = word == "Mazzo_Vis" ? kVisRef : kWasteRef;
    const bool animate = switchOn(ctx_, reg::CardsAnimate);
    // choice: a turn count below 1 turns one card, so a click never records a
    // position without changing it.
    const int turns = std::max(1, ctx_.P[22]);
    for (int i = 0; i < turns && !stock.empty(); ++i) {
        const int card = takeTop(stock);
        ctx_.piles.append(to, card, ctx_.cards, '1');
        ctx_.presentation->drawPile(kStockRef);
        ctx_.presentation->drawPile(to);
        if (animate) ctx_.presentation->flyCard(card, to);
        playSound(ctx_, "Stock", reg::SoundStock);
        ctx_.run.setFlag(Flag::Won, wonTest(ctx_));
    }
    out.moved = true;
    return true;
}

void Executor::stockDealing(std::string_view word, Outcome& out) {
    std::string& stock = ctx_.piles.stock(kMazzo);
    if (stock.empty()) return;
    const bool reserves = startsWith(word, "Add_Reserve");
    int first = 1;
    int last = 0;
    if (word == "Add_Tableaus" || word == "Fill_Tableaus" || word == "Add_Tableaus_Last") {
        last = rowsInUse(ctx_);
    } else if (word == "Add_Reserves") {
        last = cellsInUse(ctx_);
    } else if (startsWith(word, "Add_Reserve_")) {
        first = last = numberAt(word, 12, 1);
    } else {  // "Add_Tableau_"kk
        first = last = numberAt(word, 12, 2);
    }
    if (reserves) {
        if (ctx_.P[341] == 5 && ctx_.P[15] != -1 && ctx_.mainGame.redeals >= ctx_.P[15]) last = 0;
        first = std::max(first, 1);
        last = std::min(last, kReserves);
    } else {
        first = std::max(first, 1);
        last = std::min(last, kRows);
    }
    const bool fill = word == "Fill_Tableaus";
    const int recordsBefore = ctx_.history.undo.records();
    if (!fill) pushHistory(ctx_);
    bool dealt = false;
    for (int i = first; i <= last && !stock.empty(); ++i) {
        const PileRef pile{reserves ? PileKind::Reserve : PileKind::Row, i - 1};
        int mode = 0;
        if (word == "Add_Tableaus_Last") mode = 1;
        else if (fill) mode = ctx_.piles.text(pile).empty() ? 1 : 0;
        else if (reserves) mode = ctx_.P[340 + i];
        else mode = ctx_.P[290 + i];
        if (mode < 1 || mode > 10) continue;
        if (mode == 7 && ctx_.piles.text(pile).empty()) continue;
        const int card = takeTop(stock);
        const bool faceDown = (reserves && mode == 5) || (word == "Add_Tableaus" && mode == 6);
        ctx_.piles.append(pile, card, ctx_.cards, faceDown ? '0' : '1');
        if (ctx_.P[3] == 8) ctx_.piles.fila(0) += "000";
        ctx_.presentation->drawPile(kStockRef);
        ctx_.presentation->drawPile(pile);
        playSound(ctx_, "Shuffle", reg::SoundShuffle);
        dealt = true;
    }
    // A deal that placed nothing leaves no record behind.
    if (!dealt && !fill && ctx_.history.undo.records() > recordsBefore) dropLastRecords(ctx_, 1);
    ctx_.run.setFlag(Flag::Won, wonTest(ctx_));
    out.moved = dealt;
}

void Executor::selectionRemoval(Outcome& out) {
    playSound(ctx_, "Pairing", reg::SoundPairing);
    pushHistory(ctx_);
    std::string& selection = ctx_.piles.dest(0);
    std::string removed;
    const int fan = ctx_.P[3];
    int laterRow = -1;
    while (selection.size() >= 3) {
        const int card = cardAt(selection, 0);
        selection.erase(0, 3);
        const Found where = ctx_.piles.findCard(card, FindAction::None, ctx_.P);
        if (where.where == Where::Row) laterRow = std::max(laterRow, where.pile.index);
        if (fan == 4) {
            const bool inGrid = where.where == Where::Row || where.where == Where::Reserve;
            ctx_.piles.findCard(card, inGrid ? FindAction::LeaveGap : FindAction::Cut, ctx_.P);
        } else if (fan != 8) {
            ctx_.piles.findCard(card, FindAction::Cut, ctx_.P);
        }
        if (where.where != Where::NotFound) ctx_.presentation->drawPile(where.pile);
        ctx_.piles.append(kWasteRef, card, ctx_.cards, '1');
        ctx_.presentation->flyCard(card, kWasteRef);
        removed += card3(card);
    }
    if (fan == 8) {
        // The cards stayed in the layered first row until all of them reached
        // the put-away pile; now each leaves it with the gap below it.
        std::string& row = ctx_.piles.fila(0);
        for (std::size_t i = 0; i + 3 <= removed.size(); i += 3) {
            bool found = false;
            for (std::size_t at = 0; at + 3 <= row.size(); at += 3) {
                if (row.compare(at, 3, removed, i, 3) != 0) continue;
                row.erase(at, 3);
                if (at >= 3 && row.compare(at - 3, 3, "000") == 0) row.erase(at - 3, 3);
                found = true;
                break;
            }
            if (!found && ctx_.P[50] == 41) {
                // Taken from wherever it lies apart from the put-away pile.
                std::string& waste = ctx_.piles.stock(kMazzoWaste);
                const std::string keep = waste;
                waste.clear();
                ctx_.piles.findCard(cardAt(removed, i), FindAction::Cut, ctx_.P);
                waste = keep;
            }
        }
        ctx_.presentation->drawTable(false, false);
    }
    if (ctx_.P[50] == 47) chainedRemoval(ctx_, laterRow);
    if (ctx_.P[50] == 25 || ctx_.P[50] == 26) autoFaceUp(ctx_);
    if (ctx_.P[50] == 33) fillRows(ctx_);
    ctx_.run.setFlag(Flag::Won, wonTest(ctx_));
    out.moved = true;
}

void Executor::gapDealing(Outcome& out) {
    std::string& stock = ctx_.piles.stock(kMazzo);
    const int rows = rowsInUse(ctx_);
    bool pushed = false;
    for (int i = 0; i < rows && !stock.empty(); ++i) {
        if (!ctx_.piles.fila(i).empty()) continue;
        if (!pushed) {
            pushHistory(ctx_);
            pushed = true;
        }
        const int card = takeTop(stock);
        ctx_.piles.append(PileRef{PileKind::Row, i}, card, ctx_.cards, '1');
        ctx_.presentation->drawCard(card, false);
        out.moved = true;
    }
}

void Executor::closingUp(Outcome& out) {
    const int rows = rowsInUse(ctx_);
    std::string& stock = ctx_.piles.stock(kMazzo);
    bool someEmpty = false;
    bool emptyBeforeOccupied = false;
    bool seenEmpty = false;
    for (int i = 0; i < rows; ++i) {
        if (ctx_.piles.fila(i).empty()) {
            someEmpty = seenEmpty = true;
        } else if (seenEmpty) {
            emptyBeforeOccupied = true;
        }
    }
    if (!someEmpty || (stock.empty() && !emptyBeforeOccupied)) return;
    pushHistory(ctx_);
    ctx_.piles.dest(0).clear();
    for (int i = 0; i < rows; ++i) {
        if (!ctx_.piles.fila(i).empty()) continue;
        int next = i + 1;
        while (next < rows && ctx_.piles.fila(next).empty()) ++next;
        if (next >= rows) break;
        ctx_.piles.fila(i) = std::move(ctx_.piles.fila(next));
        ctx_.piles.fila(next).clear();
        ctx_.presentation->drawPile({PileKind::Row, i});
        ctx_.presentation->drawPile({PileKind::Row, next});
        playSound(ctx_, "Shuffle", reg::SoundTableau);
    }
    for (int i = 0; i < rows && !stock.empty(); ++i) {
        if (!ctx_.piles.fila(i).empty()) continue;
        const int card = takeTop(stock);
        ctx_.piles.append(PileRef{PileKind::Row, i}, card, ctx_.cards, '1');
        ctx_.presentation->drawPile({PileKind::Row, i});
    }
    out.moved = true;
}

bool Executor::dispatch(int card, std::string_view word, Outcome& out) {
    // choice: a card that lies in no pile is refused rather than appended, so
    // that no move can put a second copy of a card, or a card from outside the
    // game, on the table.
    auto validCard = [&] {
        return CardTable::valid(card) && ctx_.piles.findCard(card, FindAction::None, ctx_.P).where != Where::NotFound;
    };
    if (startsWith(word, "Mazzo")) return stockOperation(word, out);
    if (startsWith(word, "Dest")) {
        const bool autoplay = startsWith(word, "Dest_Autoplay");
        const int n = autoplay ? numberAt(word, 13, 2) : numberAt(word, 4, 2);
        if (n < 1 || n > kFoundations || !validCard()) return false;
        if (autoplay) singleMove(card, {PileKind::Foundation, n - 1}, "Autoplay", reg::SoundAutoplay, true, out);
        else singleMove(card, {PileKind::Foundation, n - 1}, "Foundation", reg::SoundFoundation, true, out);
        if (ctx_.P[83 + n - 1] == 72 || ctx_.P[83 + n - 1] == 75) jokerFoundationBookkeeping(ctx_);
        return true;
    }
    if (startsWith(word, "Fila")) {
        const int n = numberAt(word, 4, 2);
        if (n < 1 || n > kRows || !validCard()) return false;
        filaMove(card, n - 1, out);
        return true;
    }
    if (startsWith(word, "Appogg")) {
        const int n = numberAt(word, 6, 2);
        if (n < 1 || n > kReserves || !validCard()) return false;
        singleMove(card, {PileKind::Reserve, n - 1}, "Tableau", reg::SoundTableau, false, out);
        out.toReserve = true;
        return true;
    }
    if (word == "Waste") {
        if (!validCard()) return false;
        const bool eddy = ctx_.P[50] == 12;
        singleMove(card, kWasteRef, eddy ? "Eddy" : "", reg::SoundFoundation, true, out);
        return true;
    }
    if (word == "Stock02") {
        if (!validCard()) return false;
        singleMove(card, kVisRef, "Tableau", reg::SoundTableau, true, out);
        return true;
    }
    if (word == "Add_Tableaus" || word == "Add_Tableaus_Last" || word == "Fill_Tableaus" ||
        word == "Add_Reserves" || (startsWith(word, "Add_Tableau_") && word.size() == 14) ||
        (startsWith(word, "Add_Reserve_") && word.size() == 13)) {
        stockDealing(word, out);
        return true;
    }
    if (word == "Selezionate_Dest") {
        selectionRemoval(out);
        return true;
    }
    if (word == "Selezionate_Fila") {
        gapDealing(out);
        return true;
    }
    if (word == "Stock_To_Pile_Monte_Carlo") {
        closingUp(out);
        return true;
    }
    return false;
}

}  // namespace

bool autoFaceUp(Context& ctx) {
    if (ctx.reg.read(reg::AutoFaceUp) == "N" || ctx.P[42] == 0) return false;
    bool turned = false;
    const int rows = rowsInUse(ctx);
    for (int i = 0; i < rows; ++i) {
        const int top = ctx.piles.top({PileKind::Row, i});
        if (top == 0 || !ctx.cards.faceDown(top)) continue;
        pushHistory(ctx);
        ctx.cards.setFace(top, '1');
        ctx.presentation->drawCard(top, switchOn(ctx, reg::CardsShadowed));
        playSound(ctx, "Face_up", reg::SoundFaceUp);
        turned = true;
    }
    return turned;
}

bool executeMove(Context& ctx, int card, std::string_view destination) {
    // Opening rule: the first move of a game must take a row card to a foundation.
    if (ctx.P[40] == 1 && ctx.mainGame.moves == 0) {
        const Found f = ctx.piles.findCard(card, FindAction::None, ctx.P);
        if (!CardTable::valid(card) || f.where != Where::Row || !startsWith(destination, "Dest")) return false;
    }
    const std::string& stock = ctx.piles.stock(kMazzo);
    const bool stockHeld = !stock.empty() || cardsOn(ctx.piles.stock(kMazzoVis)) >= 2;

    Outcome out;
    Executor executor(ctx);
    if (!executor.dispatch(card, destination, out)) return false;

    // The common tail.
    if (stockHeld && stock.empty() && cardsOn(ctx.piles.stock(kMazzoVis)) <= 1) ctx.presentation->drawPile(kStockRef);
    if (out.moved) {
        ctx.mainGame.idle = 0;
        if (ctx.P[50] != 9) refreshScore(ctx);
    }
    if (out.fromRow && !ctx.autoplay.on()) autoFaceUp(ctx);
    if (out.moved && normalPlay(ctx.mainGame)) clearRedo(ctx);
    if (ctx.mainGame.moves < 2) {
        ++ctx.mainGame.moves;
        if (ctx.P[41] == 1 && ctx.mainGame.moves == 1) executeMove(ctx, 0, "Fill_Tableaus");
    }
    const int kind = ctx.P[50];
    if (kind == 31 || kind == 34 || kind == 35 || (kind == 52 && out.toReserve))
        ctx.run.setFlag(Flag::Won, wonTest(ctx));
    return out.moved;
}

}  // namespace tessaro
