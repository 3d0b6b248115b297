#include "engine/selection.h"

#include <algorithm>
#include <string>

#include "engine/end_game.h"
#include "engine/execute.h"

namespace tessaro {

namespace {

constexpr PileRef kWasteRef{PileKind::Stock, kMazzoWaste};

int rowsInUse(const Context& ctx) { return std::clamp(ctx.P.rows(), 0, kRows); }

bool holdsCard(const std::string& pile) {
    for (std::size_t at = 0; at + 3 <= pile.size(); at += 3)
        if (cardAt(pile, at) != 0) return true;
    return false;
}

// True when `card` is the top card of the pile it lies in.
bool onTop(const Context& ctx, const Found& where, int card) {
    return where.where != Where::NotFound && ctx.piles.top(where.pile) == card;
}

// Whether a press may select `card` in the current game.
bool selectable(Context& ctx, int card) {
    const Found where = ctx.piles.findCard(card, FindAction::None, ctx.P);
    if (where.where == Where::NotFound) return false;
    // The stock's cards lie face down; its top card may still join a selection.
    if (where.where != Where::Stock && ctx.cards.faceDown(card)) return false;
    const int kind = ctx.P[50];
    if (kind == 4) {
        if (where.where == Where::Row) return uncoveredInPyramid(ctx, card);
        if (where.where == Where::VisibleStock) return onTop(ctx, where, card);
        if (where.where == Where::Stock) return onTop(ctx, where, card) && !ctx.piles.dest(0).empty();
        return false;
    }
    if (kind == 3 || kind == 33) {
        return (where.where == Where::Row || where.where == Where::Reserve) && onTop(ctx, where, card);
    }
    // choice: the selection-style games select the uncovered cards a player
    // can see whole: the top card of a row or reserve cell and the visible
    // stock's top card.
    return (where.where == Where::Row || where.where == Where::Reserve || where.where == Where::VisibleStock) &&
           onTop(ctx, where, card);
}

// True when the selection is complete and leaves the table.
bool selectionComplete(const Context& ctx) {
    const std::string& list = ctx.piles.dest(0);
    const int n = static_cast<int>(list.size() / 3);
    int sum = 0;
    for (int i = 0; i < n; ++i) sum += rank(cardAt(list, static_cast<std::size_t>(i) * 3));
    switch (ctx.P[50]) {
    case 3: return n == 2 && sum == 14;
    case 4: return (n == 1 || n == 2) && sum == 13;
    case 33: return false;
    default:
        // choice: the selection-style games remove two selected cards of one rank.
        return n == 2 && rank(cardAt(list, 0)) == rank(cardAt(list, 3));
    }
}

// Adds `card` to or takes it off the selection; true when the list changed.
bool toggle(Context& ctx, int card) {
    std::string& list = ctx.piles.dest(0);
    const std::string code = card3(card);
    for (std::size_t at = 0; at + 3 <= list.size(); at += 3) {
        if (list.compare(at, 3, code) != 0) continue;
        list.erase(at, 3);
        ctx.presentation->invertCard(card, false);
        return true;
    }
    if (!selectable(ctx, card)) return false;
    // A third card is never selected (P[50] = 33 has no count check); in the
    // selection-style games a second card must pair with the first.
    if (ctx.P[50] != 33 && list.size() >= 6) return false;
    if (!pairSelectionGame(ctx) && list.size() == 3 && rank(cardAt(list, 0)) != rank(card)) return false;
    list += code;
    ctx.presentation->invertCard(card, true);
    return true;
}

// Removes a complete selection as one move and ends the game when it is won.
bool removeWhenComplete(Context& ctx) {
    if (!selectionComplete(ctx)) return false;
    const bool moved = executeMove(ctx, 0, "Selezionate_Dest");
    if (moved && ctx.run.isSet(Flag::Won)) endOfGame(ctx);
    return moved;
}

}  // namespace

bool pairSelectionGame(const Context& ctx) {
    const int kind = ctx.P[50];
    return kind == 3 || kind == 4 || kind == 33;
}

bool selectionGame(const Context& ctx) { return ctx.P.selectionInDest1(); }

bool isSelected(const Context& ctx, int card) {
    const std::string& list = ctx.piles.dest(0);
    const std::string code = card3(card);
    for (std::size_t at = 0; at + 3 <= list.size(); at += 3)
        if (list.compare(at, 3, code) == 0) return true;
    return false;
}

bool uncoveredInPyramid(const Context& ctx, int card) {
    const int rows = rowsInUse(ctx);
    const std::string code = card3(card);
    for (int k = 0; k < rows; ++k) {
        const std::string& row = ctx.piles.fila(k);
        for (std::size_t at = 0; at + 3 <= row.size(); at += 3) {
            if (row.compare(at, 3, code) != 0) continue;
            bool laterEmpty = true;
            for (int j = k + 1; j < rows; ++j)
                if (holdsCard(ctx.piles.fila(j))) laterEmpty = false;
            if (laterEmpty) return true;
            // Places p and p+1 of the next row; a place past its end covers nothing.
            const std::string& next = ctx.piles.fila(k + 1);
            return cardAt(next, at) == 0 && cardAt(next, at + 3) == 0;
        }
    }
    return false;
}

bool selectionPress(Context& ctx, const Hit& hit) {
    if (!CardTable::valid(hit.card)) return false;
    const bool wasSelected = isSelected(ctx, hit.card);
    if (!toggle(ctx, hit.card)) return false;
    if (!wasSelected) removeWhenComplete(ctx);
    return true;
}

bool stockSelection(Context& ctx, bool& changed) {
    changed = false;
    const int top = ctx.piles.top({PileKind::Stock, kMazzo});
    if (ctx.P[50] != 4 || top == 0 || ctx.piles.dest(0).empty()) return false;
    if (toggle(ctx, top)) {
        changed = true;
        removeWhenComplete(ctx);
    }
    return true;
}

void chainedRemoval(Context& ctx, int laterRow) {
    const int rows = rowsInUse(ctx);
    if (laterRow < 0 || laterRow >= rows) return;
    auto removeTop = [&](int row) {
        std::string& pile = ctx.piles.fila(row);
        const int card = cardAt(pile, pile.size() - 3);
        pile.resize(pile.size() - 3);  // a place holder on top is no card: it just goes
        if (card == 0) return;
        ctx.piles.append(kWasteRef, card, ctx.cards, '1');
        ctx.presentation->flyCard(card, kWasteRef);
    };
    while (ctx.piles.fila(laterRow).size() >= 3) removeTop(laterRow);
    ctx.presentation->drawPile({PileKind::Row, laterRow});
    const int group = laterRow / 7;
    if (group > 2) return;
    int occupied = 0;
    for (int r = group * 7; r < std::min(group * 7 + 7, rows); ++r) occupied += holdsCard(ctx.piles.fila(r)) ? 1 : 0;
    const int before = laterRow - 1;
    if (occupied != 1 || before < 0 || !holdsCard(ctx.piles.fila(before))) return;
    // The row just before gives its top card; place holders above it go with it.
    std::string& pile = ctx.piles.fila(before);
    while (pile.size() >= 3 && cardAt(pile, pile.size() - 3) == 0) pile.resize(pile.size() - 3);
    removeTop(before);
    ctx.presentation->drawPile({PileKind::Row, before});
}

void rowExchange(Context& ctx, int source, int target) {
    if (source == target || source < 0 || target < 0 || source >= kRows || target >= kRows) return;
    std::string& row = ctx.piles.fila(target);
    if (row.size() != 6) return;
    const int bottom = cardAt(row, 0);
    if (bottom == 0 || rank(bottom) == ctx.P[131 + target]) return;
    row.erase(0, 3);
    ctx.piles.append(PileRef{PileKind::Row, source}, bottom, ctx.cards, '1');
    ctx.presentation->drawPile({PileKind::Row, target});
    ctx.presentation->drawPile({PileKind::Row, source});
}

JokerStandIn jokerStandIn(const Context& ctx, int foundation) {
    JokerStandIn s;
    if (foundation < 0 || foundation >= kFoundations) return s;
    const std::string& pile = ctx.piles.dest(foundation);
    const int n = static_cast<int>(pile.size() / 3);
    int at = -1;
    for (int i = n - 1; i >= 0 && at < 0; --i)
        if (isJoker(cardAt(pile, static_cast<std::size_t>(i) * 3))) at = i;
    if (at < 0) return s;
    s.place = foundation * 100 + at + 100;
    auto cardNo = [&](int i) { return cardAt(pile, static_cast<std::size_t>(i) * 3); };
    if (at > 0 && !isJoker(cardNo(at - 1)) && cardNo(at - 1) > 0) {
        // On a card: the joker stands for the next rank in that card's suit.
        s.rank = rankAbove(rank(cardNo(at - 1)));
        s.suit = suit(cardNo(at - 1));
        return s;
    }
    int base = ctx.P[51 + foundation];
    if (base == -2) {
        base = -1;
        for (int f = 0; f < kFoundations; ++f) {
            const std::string& other = ctx.piles.dest(f);
            if (other.empty()) continue;
            const int first = cardAt(other, 0);
            if (!isJoker(first)) base = rank(first);
            else if (other.size() >= 6 && !isJoker(cardAt(other, 3))) base = rankBelow(rank(cardAt(other, 3)));
            break;
        }
    }
    const int above = at + 1 < n ? cardNo(at + 1) : 0;
    if (base < 1 || base > 13) base = (above > 0 && !isJoker(above)) ? rankBelow(rank(above)) : -1;
    s.rank = base;
    s.suit = (above > 0 && !isJoker(above)) ? suit(above) : -1;
    return s;
}

void jokerFoundationBookkeeping(Context& ctx) {
    for (int f = 0; f < kFoundations; ++f) {
        const int code = ctx.P[83 + f];
        if (code != 72 && code != 75) continue;
        const JokerStandIn s = jokerStandIn(ctx, f);
        if (s.place == ctx.move.jokerPlaces[static_cast<std::size_t>(f)]) continue;
        ctx.move.jokerPlaces[static_cast<std::size_t>(f)] = s.place;
        ctx.presentation->showJokerCaption(f, s.suit, s.rank);
    }
}

}  // namespace tessaro
