// The judge's steps, the general rule, the empty-pile codes, the core sequence
// check, the wrappers by target family and the run checks. The building rule
// codes with rules of their own are in rule_codes.cpp.
#include "engine/rules.h"

#include "engine/rule_judgement.h"

namespace tessaro {

using namespace rules;

namespace {

/// The dragged image is one card high: a single card is moved.
bool singleCardMove(const Context& ctx) { return ctx.drag.singleCard; }

int inUse(int n, int max) { return n < 0 ? 0 : n > max ? max : n; }
int foundationsInUse(const Context& ctx) { return inUse(ctx.P.foundations(), kFoundations); }
int rowsInUse(const Context& ctx) { return inUse(ctx.P.rows(), kRows); }
int reservesInUse(const Context& ctx) { return inUse(ctx.P.reserves(), kReserves); }

/// Where a card lies: its pile, its position there and its location code.
struct Place {
    const std::string* pile = nullptr;
    int position = -1;
    int loc = location::kNowhere;
};

/// Searches the piles in the order of the card location codes.
Place findPlace(const Context& ctx, int card) {
    if (!CardTable::valid(card)) return {};
    const Piles& piles = ctx.piles;
    auto in = [&](const std::string& pile, int loc) -> Place {
        const int pos = rules::positionIn(pile, card);
        return pos < 0 ? Place{} : Place{&pile, pos, loc};
    };
    if (Place p = in(piles.stock(kMazzo), location::kStock); p.pile) return p;
    if (Place p = in(piles.stock(kMazzoVis), location::kWaste); p.pile) return p;
    for (int i = 0; i < kFoundations; ++i)
        if (Place p = in(piles.dest(i), location::foundation(i)); p.pile) return p;
    for (int n = 0, rows = rowsInUse(ctx); n < rows; ++n)
        if (Place p = in(piles.fila(n), location::row(n)); p.pile) return p;
    for (int i = 0, cells = reservesInUse(ctx); i < cells; ++i)
        if (Place p = in(piles.appogg(i), location::reserve(i)); p.pile) return p;
    return {};
}

/// The empty-pile codes 92 and 93: b's rank equals the rank of the bottom card
/// of every non-empty foundation.
bool matchesFoundationBottoms(const Judgement& j) {
    for (int i = 0; i < kFoundations; ++i) {
        const std::string& d = j.ctx.piles.dest(i);
        if (!d.empty() && rankOf(bottomOf(d)) != j.rb) return false;
    }
    return true;
}

bool allFoundationsEmpty(const Context& ctx) {
    for (int i = 0; i < kFoundations; ++i)
        if (!ctx.piles.dest(i).empty()) return false;
    return true;
}

bool anyReserveHoldsCard(const Context& ctx) {
    for (int i = 0; i < kReserves; ++i)
        if (!ctx.piles.appogg(i).empty()) return true;
    return false;
}

}  // namespace

// --- Judgement ---------------------------------------------------------------

int Judgement::from() const {
    if (fromCache == kUnknown) fromCache = cardLocation(ctx, b);
    return fromCache;
}

const std::string* Judgement::dest(int i) const { return i >= 0 && i < kFoundations ? &ctx.piles.dest(i) : nullptr; }
const std::string* Judgement::row(int i) const { return i >= 0 && i < kRows ? &ctx.piles.fila(i) : nullptr; }
const std::string* Judgement::reserve(int i) const { return i >= 0 && i < kReserves ? &ctx.piles.appogg(i) : nullptr; }

// --- the judge -----------------------------------------------------------------

int cardLocation(const Context& ctx, int card) { return findPlace(ctx, card).loc; }

bool canPlace(const Context& ctx, int a, int b, int emptyCode, bool byPlayer, int T, bool wrapAllowed,
              bool toFoundation, int ruleCode, int direction, int baseRank) {
    const Judgement j{ctx, a, b, emptyCode, byPlayer, T, wrapAllowed, toFoundation, ruleCode, direction, baseRank};
    // 1. A card is never laid on itself.
    if (a == b) return false;
    // 2. Stock-first rule: while the stock or the visible stock holds cards,
    //    P[35] = 1 keeps tableau cards off the foundations, 2 and 3 keep them
    //    from moving at all.
    if (stockFirstApplies(ctx, toFoundation) && !(j.stock().empty() && j.waste().empty()) &&
        location::isRow(j.from()))
        return false;
    // 3. The building rule code decides.
    return byBuildingCode(j);
}

namespace rules {

bool emptyPileAccepts(const Judgement& j) {
    const int code = j.emptyCode;
    const int from = [&] {
        switch (code) {
        case 87:
        case 88:
        case 93:
        case 96: return j.from();
        default: return location::kNowhere;
        }
    }();
    switch (code) {
    case -1: return true;
    case 81:
    case 84:
    case 85:
    case 90: return foundationStartAllowed(j.ctx, code, j.b);
    case 82:
    case 83: return false;
    case 86: return singleCardMove(j.ctx);
    case 87: return from == location::kStock || from == location::kWaste || from == location::kNowhere;
    case 88: return from < 1;
    case 92: return matchesFoundationBottoms(j);
    case 93:
        if (allFoundationsEmpty(j.ctx)) return location::isReserve(from);
        return matchesFoundationBottoms(j);
    case 96:
        if (location::isRow(from)) return false;
        if (anyReserveHoldsCard(j.ctx)) return location::isReserve(from);
        return from == location::kWaste;
    default: break;
    }
    if (code >= 1 && code <= 13 && j.baseRank == -1) return true;
    return j.rb == code;
}

}  // namespace rules

// --- start and suit checks -----------------------------------------------------

bool foundationStartAllowed(const Context& ctx, int code, int card) {
    const int r = rankOf(card);
    switch (code) {
    case 81:
    case 85:
        if (r != 1) return false;
        break;
    case 84:
        if (r != 13) return false;
        break;
    case 90:
        if (r != 2) return false;
        break;
    case -1: break;
    default:
        if (r != code) return false;
        break;
    }
    const bool distinctSuits = code == 84 || code == 85 || code == 90;
    int reds = 0;
    int blacks = 0;
    int suits[4] = {0, 0, 0, 0};
    // choice: a joker has no suit, hence no colour: it is reported and left out
    // of both counts (it is never used as an index).
    auto count = [&](int c) {
        const int s = suitOf(c);
        if (s < 0 || s > 3) {
            ctx.dialogs->info("Error suit - 1");
            return;
        }
        ++(red(c) ? reds : blacks);
        ++suits[s];
    };
    count(card);
    int collected = 0;
    for (int i = 0, n = foundationsInUse(ctx); i < n; ++i) {
        if (ctx.P[51 + i] != code) continue;
        ++collected;
        const std::string& d = ctx.piles.dest(i);
        if (!d.empty()) count(bottomOf(d));
    }
    const int limit = collected / 2;
    if (reds > limit || blacks > limit) return false;
    if (distinctSuits)
        for (int s : suits)
            if (s > 1) return false;
    return true;
}

bool suitsDistinct(const Context& ctx, int f1, int f2, int f3, int position, int card, int f4) {
    if (position < -1 || position > 3) return false;
    const int fs[4] = {f1, f2, f3, f4};
    int seen[4] = {0, 0, 0, 0};
    auto add = [&](int s) {
        if (s >= 0 && s <= 3) ++seen[s];  // jokers have no suit to clash
    };
    for (int k = 0; k < 4; ++k) {
        if (fs[k] < 0 || fs[k] >= kFoundations) return false;
        if (k == position) {
            add(suitOf(card));
            continue;
        }
        const std::string& d = ctx.piles.dest(fs[k]);
        if (!d.empty()) add(suitOf(topOf(d)));
    }
    if (position == -1) add(suitOf(card));
    for (int s : seen)
        if (s > 1) return false;
    return true;
}

bool jumpTarget(const Context& ctx, int from, int T, int& jumped) {
    const int w = ctx.P[28];
    if (w <= 0) return false;
    if (from < 0 || from >= kRows || T < 0 || T >= kRows) return false;
    if (!ctx.piles.fila(T).empty()) return false;
    int over = -1;
    if ((from == T - 2 || from == T + 2) && from / w == T / w) over = (from + T) / 2;
    else if (from == T - 2 * w || from == T + 2 * w) over = (from + T) / 2;
    if (over < 0 || ctx.piles.fila(over).empty()) return false;
    jumped = over;
    return true;
}

bool neighboursClear(const Context& ctx, int card) {
    const int loc = cardLocation(ctx, card);
    if (location::isRow(loc)) {
        const int n = loc - 1;
        const int block = n / 10 * 10;
        const bool leftHalf = n % 10 < 5;
        const int first = leftHalf ? block : n + 1;
        const int last = leftHalf ? n - 1 : block + 9;
        for (int r = first; r <= last; ++r)
            if (!ctx.piles.fila(r).empty()) return false;
        return true;
    }
    if (location::isReserve(loc)) {
        const int i = -21 - loc;
        const int first = i >= 5 ? i + 1 : 0;
        const int last = i >= 5 ? kReserves - 1 : i - 1;
        for (int k = first; k <= last; ++k)
            if (!ctx.piles.appogg(k).empty()) return false;
    }
    return true;
}

// --- run checks ------------------------------------------------------------------

bool runFollowsRule(const Context& ctx, int card, int T) {
    const int check = ctx.P[2];
    if (check != 1 && check != 10) return true;
    const Place place = findPlace(ctx, card);
    if (!place.pile) return true;
    const std::string& pile = *place.pile;
    const int code = check == 1 ? ctx.P[211 + T] : 0;
    for (int i = place.position, n = countOf(pile); i + 1 < n; ++i) {
        if (!canPlace(ctx, cardOf(pile, i), cardOf(pile, i + 1), ctx.P[131 + T], false, T, ctx.P[251 + T] > 0, false,
                      code, ctx.P[171 + T], ctx.P[51]))
            return false;
    }
    return true;
}

namespace {

bool runLengthFits(const Context& ctx, int card, const Place& place, bool targetEmpty) {
    const int length = place.pile ? countOf(*place.pile) - place.position : 1;
    const int p13 = ctx.P[13];
    switch (p13) {
    case -1: return true;
    case -12: return length == 1 || rankOf(card) == 13;
    case -13: return location::isRow(place.loc) && (length == 1 || place.position == 0);
    case -15: return neighboursClear(ctx, card);
    default: break;
    }
    if (p13 >= 0) return length <= p13;
    int emptyCells = 0;
    for (int i = 0, n = reservesInUse(ctx); i < n; ++i)
        if (ctx.piles.appogg(i).empty()) ++emptyCells;
    int emptyRows = 0;
    for (int i = 0, n = rowsInUse(ctx); i < n; ++i)
        if (ctx.piles.fila(i).empty()) ++emptyRows;
    int limit = 0;
    if (p13 == -5) {
        limit = emptyCells + emptyRows + 1;
        if (targetEmpty) limit = emptyCells + emptyRows;
        if (emptyRows == 0) limit = emptyCells + 1;
    } else if (p13 == -6) {
        limit = emptyRows > 0 ? emptyCells + emptyRows : emptyCells + 1;
    } else {
        limit = emptyRows > 0 ? emptyRows : 1;
    }
    return length <= limit;
}

}  // namespace

bool runLengthWithin(const Context& ctx, int card, bool targetEmpty) {
    return runLengthFits(ctx, card, findPlace(ctx, card), targetEmpty);
}

bool runLengthAllowed(Context& ctx, int card, bool targetEmpty) {
    const Place place = findPlace(ctx, card);
    ctx.drag.runTop = place.pile ? topOf(*place.pile) : 0;
    return runLengthFits(ctx, card, place, targetEmpty);
}

// --- wrappers by target family ------------------------------------------------------

bool canPlaceOnFoundation(const Context& ctx, int T, int card) {
    if (T < 0 || T >= kFoundations) return false;
    // 1. Only single cards go to a foundation.
    if (!singleCardMove(ctx)) return false;
    const RuleTable& P = ctx.P;
    const int code = P[83 + T];
    const std::string& pile = ctx.piles.dest(T);
    // 2. Only a Queen, and only onto an empty foundation.
    if (code == 10) return pile.empty() && rankOf(card) == 12;
    // 3. The discard rule: a card goes when a row shows a higher card (or an
    //    Ace) of its suit on top; Aces are never discarded.
    if (code == 22) {
        if (rankOf(card) == 1) return false;
        for (int n = 0, rows = rowsInUse(ctx); n < rows; ++n) {
            const std::string& row = ctx.piles.fila(n);
            if (row.empty()) continue;
            const int top = topOf(row);
            if (suitOf(top) == suitOf(card) && (rankOf(top) == 1 || rankOf(top) > rankOf(card))) return true;
        }
        return false;
    }
    // 4. The card limit, then the judge.
    const int held = countOf(pile);
    if (code == 20) {
        if (held >= 52) return false;
    } else if (code != 29 && held >= P[32]) {
        return false;
    }
    const int a = pile.empty() ? -1 : topOf(pile);
    return canPlace(ctx, a, card, P[51 + T], true, T, true, true, code, P[67 + T], P[51 + T]);
}

bool canPlaceOnTableau(const Context& ctx, int T, int card) {
    if (T < 0 || T >= kRows) return false;
    const RuleTable& P = ctx.P;
    const std::string& pile = ctx.piles.fila(T);
    const int a = pile.empty() ? -1 : topOf(pile);
    // 1. Nothing goes on a face-down card unless P[50] is 40.
    if (!pile.empty() && ctx.cards.faceDown(a) && P[50] != 40) return false;
    // 2. The row's card limit.
    if (P[33] != -1 && countOf(pile) >= P[33]) return false;
    // 3. The judge with the row's parameters.
    bool ok = canPlace(ctx, a, card, P[131 + T], true, T, P[251 + T] > 0, false, P[211 + T], P[171 + T], P[51]);
    const bool run = !singleCardMove(ctx);
    // 4. Code 34 takes runs only onto an empty row.
    if (P[211 + T] == 34 && !pile.empty() && run) ok = false;
    // 5. The moved run must itself be well built.
    if (ok && P[2] != 0 && run) ok = runFollowsRule(ctx, card, T);
    // 6. An empty target row counts one free row less.
    if (ok && P[13] == -5 && run && pile.empty()) ok = runLengthWithin(ctx, card, true);
    // 7. A run is never dropped back on its own pile.
    if (a != -1 && ctx.drag.runTop != 0 && a == ctx.drag.runTop) return false;
    return ok;
}

bool canPlaceOnReserve(const Context& ctx, int T, int card) {
    if (T < 0 || T >= kReserves) return false;
    const std::string& cell = ctx.piles.appogg(T);
    // choice: a card is never dropped back on the cell it lies in; that would
    // count as a move without changing anything.
    if (rules::positionIn(cell, card) >= 0) return false;
    const bool single = singleCardMove(ctx);
    const bool empty = cell.empty();
    const int r = rankOf(card);
    switch (ctx.P[331 + T]) {
    case 4: return false;                                                       // nothing
    case 8: return single && r == 13 && countOf(ctx.piles.appogg(0)) < 3;       // Kings while Appogg1 < 3
    case 9: return single && faceCard(card) && empty;                           // a face card, empty cell
    case 12: return true;                                                       // anything
    case 13: return single && countOf(ctx.piles.appogg(0)) < 5;                 // single while Appogg1 < 5
    case 81: return single && empty && !location::isRow(cardLocation(ctx, card));  // not from a row
    case 85: return cardLocation(ctx, card) == location::kWaste;               // from the visible stock
    case 88: return empty && r == 11;                                           // a Jack, empty cell
    case 89: return empty && r == 12;                                           // a Queen, empty cell
    case 90: return empty && r == 13;                                           // a King, empty cell
    case 103: return empty && neighboursClear(ctx, card);                       // a free card, empty cell
    case 107:                                                                   // Aces, colours alternate
        if (r != 1) return false;
        return empty || red(card) != red(topOf(cell));
    default: return single && empty;                                            // a single card, empty cell
    }
}

bool canDropOnPile(const Context& ctx, int card, std::string_view pile) {
    // choice: a pile beyond the number the game uses (P[366], P[367], P[368])
    // is not on the table and takes nothing.
    if (!CardTable::valid(card)) return false;
    const auto ref = pileByName(pile);
    if (!ref) return false;
    switch (ref->kind) {
    case PileKind::Foundation:
        return ref->index < foundationsInUse(ctx) && canPlaceOnFoundation(ctx, ref->index, card);
    case PileKind::Row: return ref->index < rowsInUse(ctx) && canPlaceOnTableau(ctx, ref->index, card);
    case PileKind::Reserve: return ref->index < reservesInUse(ctx) && canPlaceOnReserve(ctx, ref->index, card);
    case PileKind::Stock: return false;
    }
    return false;
}

}  // namespace tessaro
