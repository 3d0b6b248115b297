// The building rule codes that have rules of their own, one function per code,
// dispatched by number from byBuildingCode. The code numbers are the rules
// file's vocabulary. Codes not listed in the switch go to the general rule.
//
// Where a code says nothing about an empty target, its conditions are applied
// with a = -1 (rank -1, suit 0), which as a rule refuses. Codes that look at a
// pile by a computed index refuse when that pile does not exist.
#include "engine/rule_judgement.h"
#include "engine/rules.h"

namespace tessaro::rules {

namespace {

using location::isFoundation;
using location::isReserve;
using location::isRow;

// --- small helpers of several codes ----------------------------------------------

/// b's rank is the wanted one; -1 wants any rank.
bool rankIs(int rb, int want) { return want == -1 || rb == want; }

/// The base code P[51+T] of foundation T; only foundations have one.
bool rankIsFoundationBase(const Judgement& j) { return j.t >= 0 && j.t < kFoundations && rankIs(j.rb, j.P(51 + j.t)); }

bool isEmptyPile(const std::string* pile) { return pile && pile->empty(); }
bool holdsCards(const std::string* pile) { return pile && !pile->empty(); }

/// b follows a by k ranks, or by k ranks wrapping past the King.
bool stepBy(const Judgement& j, int k) { return j.rb == j.ra + k || j.rb == (j.ra + k) % 13; }

/// Either way by one, no wrap.
bool upOrDown(const Judgement& j) { return up(j.a, j.b) || down(j.a, j.b); }

/// The suits of foundation T's group of four (0-3, or 4-7 when T > 3) stay
/// distinct with b in T's place. Foundations above 7 belong to no group.
bool groupSuitsDistinct(const Judgement& j) {
    if (j.t < 0 || j.t > 7) return false;
    const int g = j.t > 3 ? 4 : 0;
    return suitsDistinct(j.ctx, g, g + 1, g + 2, j.t - g, j.b, g + 3);
}

/// The suit cycle of codes 86 and 87: hearts, clubs, diamonds, spades, hearts.
/// Jokers have no suit and break the cycle.
bool followsSuitCycle(int sa, int sb) {
    static constexpr int kNext[4] = {2, 3, 1, 0};
    return sa >= 0 && sa <= 3 && sb == kNext[sa];
}

bool rowsEmpty(const Context& ctx, int first, int last) {
    for (int r = first; r <= last; ++r)
        if (r < 0 || r >= kRows || !ctx.piles.fila(r).empty()) return false;
    return true;
}

// --- the codes -------------------------------------------------------------------------

// 4: refuse.
bool code4(const Judgement&) { return false; }
// 5: refuse.
bool code5(const Judgement&) { return false; }

// 7: by the player an empty pile takes any card once the stock is empty, a
// non-empty pile nothing; otherwise the general rule.
bool code7(const Judgement& j) {
    if (!j.byPlayer) return generalRule(j, 7);
    return j.empty && j.stock().empty();
}

// 11: never a Queen on a King or a Jack; otherwise the general rule, same suit.
bool code11(const Judgement& j) {
    if (j.rb == 12 && (j.ra == 13 || j.ra == 11)) return false;
    return generalRule(j, 11);
}

// 12: accept anything.
bool code12(const Judgement&) { return true; }

// 14: two ranks up, any suit, wrapping past the King.
bool code14(const Judgement& j) { return stepBy(j, 2); }
// 15: three ranks up, any suit, wrapping past the King.
bool code15(const Judgement& j) { return stepBy(j, 3); }
// 16: four ranks up, any suit, wrapping past the King.
bool code16(const Judgement& j) { return stepBy(j, 4); }

// 17: accept unless from a tableau row.
bool code17(const Judgement& j) { return !isRow(j.from()); }

// 18: accept; from a tableau row only when row T is empty.
bool code18(const Judgement& j) { return !isRow(j.from()) || isEmptyPile(j.row(j.t)); }

// 19: accept unless from a tableau row or a reserve cell.
bool code19(const Judgement& j) { return !isRow(j.from()) && !isReserve(j.from()); }

// 20: up, any suit; an Ace onto an empty pile or onto a King.
bool code20(const Judgement& j) { return up(j.a, j.b) || (j.empty && j.rb == 1) || aceOnKing(j.a, j.b); }

// 21: never in suit on a non-empty pile; otherwise the general rule.
bool code21(const Judgement& j) {
    if (!j.empty && sameSuit(j.a, j.b)) return false;
    return generalRule(j, 21);
}

// 22: the discard rule is the foundation wrapper's; here the general rule.

// 23: only while the visible stock is empty: up in suit; an empty pile refuses.
bool code23(const Judgement& j) {
    if (!j.waste().empty() || j.empty) return false;
    return up(j.a, j.b) && sameSuit(j.a, j.b);
}

// 24: never a Queen on a King or a King on a Queen; only in suit, then the general rule.
bool code24(const Judgement& j) {
    if ((j.rb == 12 && j.ra == 13) || (j.rb == 13 && j.ra == 12)) return false;
    if (!sameSuit(j.a, j.b)) return false;
    return generalRule(j, 24);
}

// 25: by two ranks in suit, up when the pile ascends (direction 1), else down.
bool code25(const Judgement& j) {
    if (j.empty) return generalRule(j, 25);
    const int step = j.direction == 1 ? 2 : -2;
    return sameSuit(j.a, j.b) && j.rb == j.ra + step;
}

// 26: a row of fewer than 3 cards takes up or down, any suit; an empty row by
// its empty-pile code: 13 a King, -1 anything, otherwise nothing.
bool code26(const Judgement& j) {
    if (j.empty) {
        const int code = j.P(131 + j.t);
        return code == -1 || (code == 13 && j.rb == 13);
    }
    const std::string* row = j.row(j.t);
    return row && countOf(*row) < 3 && upOrDown(j);
}

// 27: nothing from a foundation or reserve cell; otherwise the general rule,
// alternating colours.
bool code27(const Judgement& j) {
    if (j.from() <= -1 && j.from() >= -30) return false;
    return generalRule(j, 3);
}

// 28: an empty pile takes anything; an Ace only a 2, a King only a Queen;
// otherwise up or down, any suit.
bool code28(const Judgement& j) {
    if (j.empty) return true;
    if (j.ra == 1) return j.rb == 2;
    if (j.ra == 13) return j.rb == 12;
    return upOrDown(j);
}

// 29: an empty foundation starts under foundationStartAllowed; in suit up to 12
// cards, a King on the 13th, then down.
bool code29(const Judgement& j) {
    const std::string* pile = j.dest(j.t);
    if (!pile) return false;
    if (j.empty) return foundationStartAllowed(j.ctx, j.emptyCode, j.b);
    if (!sameSuit(j.a, j.b)) return false;
    const int held = countOf(*pile);
    if (held <= 12) return up(j.a, j.b);
    if (held == 13) return j.rb == 13;
    return down(j.a, j.b);
}

// 30: in suit, no King on an Ace or Ace on a King; a single card takes up or
// down, a longer pile keeps the direction of its top two cards.
bool code30(const Judgement& j) {
    if (kingOnAce(j.a, j.b) || aceOnKing(j.a, j.b)) return false;
    if (!sameSuit(j.a, j.b)) return false;
    const std::string* pile = j.target();
    const int held = pile ? countOf(*pile) : 0;
    if (held == 1) return upOrDown(j);
    if (held < 2) return false;
    const bool descending = rankOf(cardOf(*pile, held - 2)) > j.ra;
    return descending ? down(j.a, j.b) : up(j.a, j.b);
}

// 31: nothing on an Ace; down in suit.
bool code31(const Judgement& j) { return j.ra != 1 && down(j.a, j.b) && sameSuit(j.a, j.b); }

// 32: nothing on a King; up in suit.
bool code32(const Judgement& j) { return j.ra != 13 && up(j.a, j.b) && sameSuit(j.a, j.b); }

// 33: nothing from a tableau row, and only while row T holds fewer than 2 cards.
bool code33(const Judgement& j) {
    const std::string* row = j.row(j.t);
    return !isRow(j.from()) && row && countOf(*row) < 2;
}

// 34: down, any suit (runs only onto an empty row: the tableau wrapper).
bool code34(const Judgement& j) { return j.empty ? generalRule(j, 34) : down(j.a, j.b); }

// 35: up or down, any suit, with an Ace on a King and a King on an Ace.
bool code35(const Judgement& j) { return j.empty ? generalRule(j, 35) : upOrDownWrapping(j.a, j.b); }

// 36: an empty pile takes the base rank once foundation T-1 is started (never
// foundation 0); otherwise down, any suit, and a King on an Ace.
bool code36(const Judgement& j) {
    if (j.empty) {
        const std::string* before = j.dest(j.t - 1);
        return holdsCards(before) && rankIs(j.rb, j.baseRank);
    }
    return down(j.a, j.b) || kingOnAce(j.a, j.b);
}

// 37: doubling: b = 2a mod 13; a King when Dest1 holds more than 47 cards.
bool code37(const Judgement& j) {
    if (j.empty) return generalRule(j, 37);
    if (j.rb == (2 * j.ra) % 13) return true;
    return j.rb == 13 && countOf(j.ctx.piles.dest(0)) > 47;
}

// 38: only while the visible stock is empty: an empty pile takes a King, a lone
// King takes anything but a Queen or King.
bool code38(const Judgement& j) {
    if (!j.waste().empty()) return false;
    if (j.empty) return j.rb == 13;
    const std::string* pile = j.target();
    if (pile && countOf(*pile) == 1 && j.ra == 13) return j.rb != 12 && j.rb != 13;
    return false;
}

// 39: an empty pile takes an Ace; otherwise up, any suit, never a Queen or King.
bool code39(const Judgement& j) {
    if (j.empty) return j.rb == 1;
    return up(j.a, j.b) && j.rb != 12 && j.rb != 13;
}

// 40: the rank named by the stock turn counter (mod 13; 0 names the King), or
// anything while stock and visible stock hold one card between them.
bool code40(const Judgement& j) {
    if (countOf(j.stock()) + countOf(j.waste()) == 1) return true;
    const int r = j.ctx.run.counter(Counter::StockTurns) % 13;
    return j.rb == r || (r == 0 && j.rb == 13);
}

// 41: two up in suit, wrapping; an empty foundation takes its base rank with
// suits distinct in its group of four.
bool code41(const Judgement& j) {
    if (!j.empty) return sameSuit(j.a, j.b) && stepBy(j, 2);
    return rankIsFoundationBase(j) && groupSuitsDistinct(j);
}

// 42: up in suit; a King only when foundation T+6 shows a King on top.
// choice: only a King looks at foundation T+6, so only a King is refused when
// that foundation does not exist.
bool code42(const Judgement& j) {
    if (!up(j.a, j.b) || !sameSuit(j.a, j.b)) return false;
    if (j.rb != 13) return true;
    const std::string* partner = j.dest(j.t + 6);
    return holdsCards(partner) && rankOf(topOf(*partner)) == 13;
}

// 43: two ranks up, in suit.
bool code43(const Judgement& j) { return j.rb == j.ra + 2 && sameSuit(j.a, j.b); }

// 44: an empty pile takes an Ace; otherwise up, any suit, never a King.
bool code44(const Judgement& j) {
    if (j.empty) return j.rb == 1;
    return up(j.a, j.b) && j.rb != 13;
}

// 45: only while the visible stock is empty: an empty pile takes a King; no
// King on a card; a lone card takes anything else; otherwise down, any suit.
bool code45(const Judgement& j) {
    if (!j.waste().empty()) return false;
    if (j.empty) return j.rb == 13;
    if (j.rb == 13) return false;
    const std::string* pile = j.target();
    if (pile && countOf(*pile) == 1) return true;
    return down(j.a, j.b);
}

// 46: up, any suit, never a Queen or King; an empty pile takes its base rank.
bool code46(const Judgement& j) {
    if (j.empty) return rankIsFoundationBase(j);
    return up(j.a, j.b) && j.rb != 12 && j.rb != 13;
}

// 47: down or a King on an Ace, never a Queen; an empty pile takes its base rank.
bool code47(const Judgement& j) {
    if (j.empty) return rankIsFoundationBase(j);
    return j.rb != 12 && (down(j.a, j.b) || kingOnAce(j.a, j.b));
}

// 48: only while the visible stock is empty: an empty pile takes a Queen, a
// lone Queen takes anything but a Queen.
bool code48(const Judgement& j) {
    if (!j.waste().empty()) return false;
    if (j.empty) return j.rb == 12;
    const std::string* pile = j.target();
    if (pile && countOf(*pile) == 1 && j.ra == 12) return j.rb != 12;
    return false;
}

// 49: as 46; an empty pile also needs row T to hold cards.
bool code49(const Judgement& j) {
    if (j.empty && !holdsCards(j.row(j.t))) return false;
    return code46(j);
}

// 50: as 47; an empty pile also needs row T-8 to hold cards (no check when
// there is no such row).
bool code50(const Judgement& j) {
    if (j.empty && j.t - 8 >= 0 && !holdsCards(j.row(j.t - 8))) return false;
    return code47(j);
}

// 51: as 49, in the suit of row T's bottom card.
bool code51(const Judgement& j) {
    const std::string* row = j.row(j.t);
    // choice: a row without cards names no suit, so nothing follows it.
    if (!holdsCards(row) || j.sb != suitOf(bottomOf(*row))) return false;
    return code49(j);
}

// 52: as 50, in the suit of row T-8's bottom card (no check when there is no such row).
// choice: as for 51, an existing row T-8 without cards names no suit.
bool code52(const Judgement& j) {
    if (j.t - 8 >= 0) {
        const std::string* row = j.row(j.t - 8);
        if (!holdsCards(row) || j.sb != suitOf(bottomOf(*row))) return false;
    }
    return code50(j);
}

// 53: foundations after the first wait until Dest1 holds 13 cards; up or an
// Ace on a King; an empty pile takes its base rank.
bool code53(const Judgement& j) {
    if (j.t > 0 && countOf(j.ctx.piles.dest(0)) != 13) return false;
    if (j.empty) return rankIsFoundationBase(j);
    return up(j.a, j.b) || aceOnKing(j.a, j.b);
}

// 54: down, any suit, a King on an Ace when the row wraps (P[251+T] = 1); an
// empty row takes its empty-pile rank, not from a row or reserve cell.
bool code54(const Judgement& j) {
    if (!j.empty) return down(j.a, j.b) || (j.P(251 + j.t) == 1 && kingOnAce(j.a, j.b));
    if (isRow(j.from()) || isReserve(j.from())) return false;
    const int code = j.P(131 + j.t);
    return code == -1 || j.rb == code;
}

// 55: up in the same colour; an empty row takes its empty-pile rank; while the
// visible stock holds more than one card nothing, with one card only that card.
bool code55(const Judgement& j) {
    const int waiting = countOf(j.waste());
    if (waiting > 1) return false;
    if (waiting == 1 && j.b != topOf(j.waste())) return false;
    if (!j.empty) return up(j.a, j.b) && sameColour(j.a, j.b);
    const int code = j.P(131 + j.t);
    return code == -1 || j.rb == code;
}

// 56: same rank, from row T or a later row; an empty pile refuses.
bool code56(const Judgement& j) {
    if (j.empty) return false;
    return j.rb == j.ra && isRow(j.from()) && j.from() - 1 >= j.t;
}

// 60: as 28, in suit.
bool code60(const Judgement& j) {
    if (j.empty) return true;
    return sameSuit(j.a, j.b) && code28(j);
}

// 61: as 25, and also a 2 on a King or an Ace on a Queen, in suit.
bool code61(const Judgement& j) {
    if (j.empty) return generalRule(j, 61);
    if (code25(j)) return true;
    return sameSuit(j.a, j.b) && ((j.ra == 13 && j.rb == 2) || (j.ra == 12 && j.rb == 1));
}

// 70: only onto an empty row, from the row left, right, above or below it in
// the grid of width P[28].
bool code70(const Judgement& j) {
    const int w = j.P(28);
    if (!j.empty || w <= 0 || !isRow(j.from())) return false;
    const int n = j.from() - 1;
    const int t = j.t;
    if (t < 0) return false;
    const bool sameGridRow = n / w == t / w;
    return ((n == t - 1 || n == t + 1) && sameGridRow) || n == t - w || n == t + w;
}

// 71: only onto an empty row, jumping over an occupied row (jumpTarget).
bool code71(const Judgement& j) {
    if (!j.empty || !isRow(j.from())) return false;
    int jumped = -1;
    return jumpTarget(j.ctx, j.from() - 1, j.t, jumped);
}

// The joker foundations of codes 72 and 75; jokerStarts lets a joker start an
// empty foundation.
bool jokerFoundation(const Judgement& j, bool jokerStarts) {
    const std::string* pile = j.dest(j.t);
    if (!pile) return false;
    int x = j.P(51 + j.t);
    if (x == -2) {
        // The base comes from the first foundation that holds cards.
        for (int f = 0; f < kFoundations; ++f) {
            const std::string& d = j.ctx.piles.dest(f);
            if (d.empty()) continue;
            if (!isJoker(bottomOf(d))) x = rankOf(bottomOf(d));
            else if (countOf(d) >= 2) x = rankOf(cardOf(d, 1)) - 1;
            break;
        }
    }
    const int held = countOf(*pile);
    const int top = held > 0 ? topOf(*pile) : 0;
    bool ok = false;
    if (isJoker(j.b)) {
        ok = held > 0 || jokerStarts;
    } else if (held == 0) {
        ok = x == -2 || j.rb == x;
    } else if (held == 1 && isJoker(top)) {
        ok = x == -2 || j.rb == x || j.rb == x + 1;
    } else if (isJoker(top)) {
        // The joker stands for the card after y, the card below it.
        const int y = cardOf(*pile, held - 2);
        const int ry = rankOf(y);
        ok = suitOf(y) >= 0 && j.sb == suitOf(y) &&
             (j.rb == ry + 2 || j.rb == ry + 1 || (x != 1 && ry == 13 && (j.rb == 2 || j.rb == 1)));
    } else {
        ok = sameSuit(j.a, j.b) && (up(j.a, j.b) || (x != 1 && aceOnKing(j.a, j.b)));
        if (!ok) {
            const int first = bottomOf(*pile);
            if (isJoker(first)) {
                ok = j.rb == x;
            } else {
                for (int k = 1; k < held; ++k) {
                    if (!isJoker(cardOf(*pile, k))) continue;
                    ok = j.rb == rankOf(cardOf(*pile, k - 1)) + 1;
                    break;
                }
            }
        }
    }
    if (ok && j.P(366) == 4) ok = suitsDistinct(j.ctx, 0, 1, 2, j.t, j.b, 3);
    return ok;
}

// 72: joker foundation; a joker goes only onto a started foundation.
bool code72(const Judgement& j) { return jokerFoundation(j, false); }

// 73: foundation T takes only rank T+1.
bool code73(const Judgement& j) { return j.rb == j.t + 1; }

// 75: joker foundation; a joker may also start an empty foundation.
bool code75(const Judgement& j) { return jokerFoundation(j, true); }

// 76: an empty pile takes anything; otherwise any lower rank.
bool code76(const Judgement& j) { return j.empty || j.rb < j.ra; }

// 77: four cards per rank: an empty pile takes an Ace, then rank n/4 + 1 for n cards held.
bool code77(const Judgement& j) {
    if (j.empty) return j.rb == 1;
    const std::string* pile = j.target();
    return pile && j.rb == countOf(*pile) / 4 + 1;
}

// 78: an empty pile takes an Ace; up in suit; an Ace of any suit on a King.
bool code78(const Judgement& j) {
    if (j.empty) return j.rb == 1;
    return (up(j.a, j.b) && sameSuit(j.a, j.b)) || aceOnKing(j.a, j.b);
}

// 79: up or an Ace on a King, an empty pile its base rank; the 13th card must
// come from reserve cell T, and a card from reserve cell T only as the 13th.
bool code79(const Judgement& j) {
    const std::string* pile = j.dest(j.t);
    if (!pile) return false;
    const bool fromOwnCell = j.t < kReserves && j.from() == location::reserve(j.t);
    if ((countOf(*pile) == 12) != fromOwnCell) return false;
    if (j.empty) return rankIsFoundationBase(j);
    return up(j.a, j.b) || aceOnKing(j.a, j.b);
}

// Codes 80 and 81: nothing from a row; an empty pile X accepts; otherwise in
// suit up or down on X's top card, Ace-King wraps both ways.
bool judgedAgainst(const Judgement& j, const std::string* pile) {
    if (!pile || isRow(j.from())) return false;
    if (pile->empty()) return true;
    const int top = topOf(*pile);
    return sameSuit(top, j.b) && upOrDownWrapping(top, j.b);
}

// 80: judged against row T.
bool code80(const Judgement& j) { return judgedAgainst(j, j.row(j.t)); }

// 81: as 80, judged against reserve cell T.
// choice: both the empty test and the top card are reserve cell T's.
bool code81(const Judgement& j) { return judgedAgainst(j, j.reserve(j.t)); }

// 82: only while stock and visible stock are empty: an empty foundation keeps
// the suits of its group distinct, a started one takes its suit; then the general rule.
bool code82(const Judgement& j) {
    if (!j.stock().empty() || !j.waste().empty()) return false;
    if (j.empty ? !groupSuitsDistinct(j) : !sameSuit(j.a, j.b)) return false;
    return generalRule(j, 82);
}

// 83: down or a King on an Ace, until the top has rank T+1 (foundation 6
// closes at 13 cards instead).
bool code83(const Judgement& j) {
    const std::string* pile = j.target();
    const bool closed = j.t == 6 ? (pile && countOf(*pile) == 13) : j.ra == j.t + 1;
    if (closed) return false;
    return down(j.a, j.b) || kingOnAce(j.a, j.b);
}

// 86: an empty pile takes an Ace; up, following the suit cycle.
bool code86(const Judgement& j) {
    if (j.empty) return j.rb == 1;
    return up(j.a, j.b) && followsSuitCycle(j.sa, j.sb);
}

// 87: an empty pile takes anything; down, following the suit cycle.
bool code87(const Judgement& j) {
    if (j.empty) return true;
    return down(j.a, j.b) && followsSuitCycle(j.sa, j.sb);
}

// 91: one common step for all foundations, fixed by the first foundation
// holding two cards; before that a step of one or two.
bool code91(const Judgement& j) {
    for (int f = 0; f < kFoundations; ++f) {
        const std::string& d = j.ctx.piles.dest(f);
        if (countOf(d) < 2) continue;
        const int r1 = rankOf(cardOf(d, 0));
        const int r2 = rankOf(cardOf(d, 1));
        int s = r2 - r1;
        if (r1 == 13 && r2 == 1) s = 1;
        else if ((r1 == 13 && r2 == 2) || (r1 == 12 && r2 == 1)) s = 2;
        if (j.rb == j.ra + s) return true;
        if (s == 1) return aceOnKing(j.a, j.b);
        if (s == 2) return (j.ra == 13 && j.rb == 2) || (j.ra == 12 && j.rb == 1);
        return false;
    }
    return j.rb == j.ra + 1 || j.rb == j.ra + 2 || (j.ra == 13 && (j.rb == 1 || j.rb == 2)) ||
           (j.ra == 12 && j.rb == 1);
}

// 92: only Aces.
bool code92(const Judgement& j) { return j.rb == 1; }

// 93: rows built up by threes from the row's start rank P[131+T], with a
// single-card exchange between rows that hold one card each.
bool code93(const Judgement& j) {
    const std::string* pile = j.row(j.t);
    if (!pile) return false;
    const int q = j.P(131 + j.t);
    const int held = countOf(*pile);
    if (held == 0) return j.rb == q;
    if (rankOf(bottomOf(*pile)) == q) return j.rb == j.ra + 3 && sameSuit(j.a, j.b);
    if (held > 1 || j.rb != q || !isRow(j.from())) return false;
    const int n = j.from() - 1;
    return countOf(j.ctx.piles.fila(n)) == 1 && j.ra == j.P(131 + n);
}

// 94: a row with cards: alternating colours, down or a King on an Ace; an empty
// row: not from a row, from the visible stock only while the reserve cells are empty.
bool code94(const Judgement& j) {
    const std::string* row = j.row(j.t);
    if (!row) return false;
    if (!row->empty()) return alternating(j.a, j.b) && (down(j.a, j.b) || kingOnAce(j.a, j.b));
    if (isRow(j.from())) return false;
    if (j.from() != location::kWaste) return true;
    for (int i = 0; i < kReserves; ++i)
        if (!j.ctx.piles.appogg(i).empty()) return false;
    return true;
}

// 95: an empty pile takes an Ace; up in suit, or an Ace on a King in suit.
bool code95(const Judgement& j) {
    if (j.empty) return j.rb == 1;
    return sameSuit(j.a, j.b) && (up(j.a, j.b) || aceOnKing(j.a, j.b));
}

// 96: an empty foundation keeps its group's suits distinct; then the general rule, same suit.
bool code96(const Judgement& j) {
    if (j.empty && !groupSuitsDistinct(j)) return false;
    return generalRule(j, 0);
}

// 97: foundations 8-15 up to 11 cards: the sum of the top's rank and the rank
// of foundation T-8's bottom card (less 13 above 13); an empty foundation its base rank.
// choice: the cases the rule does not name (foundations 0-7, longer piles) go
// to the general rule.
bool code97(const Judgement& j) {
    const std::string* pile = j.dest(j.t);
    if (!pile) return false;
    if (j.empty) return rankIsFoundationBase(j);
    if (j.t >= 8 && countOf(*pile) <= 11) {
        int sum = rankOf(topOf(*pile)) + rankOf(bottomOf(j.ctx.piles.dest(j.t - 8)));
        if (sum > 13) sum -= 13;
        return j.rb == sum;
    }
    return generalRule(j, 97);
}

// 98: short deck: up in suit, a 7 following an Ace; an empty pile its base rank.
bool code98(const Judgement& j) {
    if (j.empty) return rankIsFoundationBase(j);
    return sameSuit(j.a, j.b) && (up(j.a, j.b) || (j.ra == 1 && j.rb == 7));
}

// 99: from Fila1-Fila8 only; an empty foundation takes an Ace, a started one up in suit.
// choice: the final check adds no condition of its own: what the listed
// conditions accept is accepted, as with every other code.
bool code99(const Judgement& j) {
    if (j.from() < 1 || j.from() > 8) return false;
    if (j.empty) return j.rb == 1;
    return up(j.a, j.b) && sameSuit(j.a, j.b);
}

// 100: from the band of rows (or the visible stock) that feeds target T; an
// empty row accepts, a row with cards takes down in alternating colours.
// choice: as for 99, the final check adds no condition of its own.
bool code100(const Judgement& j) {
    const int from = j.from();
    bool fromBand = false;
    if (j.t >= 0 && j.t <= 7) fromBand = from >= 9 && from <= 16;
    else if (j.t >= 8 && j.t <= 15) fromBand = from >= 17 && from <= 24;
    else if (j.t >= 16 && j.t <= 23) fromBand = from >= 25 && from <= 32;
    else if (j.t >= 24 && j.t <= 31) fromBand = from == location::kWaste;
    if (!fromBand) return false;
    const std::string* row = j.row(j.t);
    if (!row) return false;
    if (row->empty()) return true;
    return down(j.a, j.b) && alternating(j.a, j.b);
}

// 101: b must be free (neighboursClear); a row with cards needs the rows out to
// its half-block's edge empty, then in suit up or down with wraps; an empty row
// 4/14/24/34 or 5/15/25/35 needs its five rows of the half-block empty.
bool code101(const Judgement& j) {
    if (!neighboursClear(j.ctx, j.b)) return false;
    const int t = j.t;
    if (t < 0 || t >= kRows) return false;
    const int block = t / 10 * 10;
    const int pos = t % 10;
    if (!j.empty) {
        const bool outwardEmpty = pos < 5 ? rowsEmpty(j.ctx, block, t - 1) : rowsEmpty(j.ctx, t + 1, block + 9);
        return outwardEmpty && sameSuit(j.a, j.b) && upOrDownWrapping(j.a, j.b);
    }
    if (pos == 4) return rowsEmpty(j.ctx, t - 4, t);
    if (pos == 5) return rowsEmpty(j.ctx, t, t + 4);
    return false;
}

// 102: b must be free; in suit, in the direction set by the last foundation
// holding two cards (up with an Ace on a King, down with a King on an Ace);
// either way before that.
bool code102(const Judgement& j) {
    if (!neighboursClear(j.ctx, j.b) || !sameSuit(j.a, j.b)) return false;
    int direction = 0;  // +1 up, -1 down, 0 not fixed
    for (int f = kFoundations - 1; f >= 0; --f) {
        const std::string& d = j.ctx.piles.dest(f);
        if (countOf(d) < 2) continue;
        const int r1 = rankOf(cardOf(d, 0));
        const int r2 = rankOf(cardOf(d, 1));
        if (r1 == 13 && r2 == 1) direction = 1;
        else if (r1 == 1 && r2 == 13) direction = -1;
        else if (r2 > r1) direction = 1;
        else if (r2 < r1) direction = -1;
        break;
    }
    const bool upward = up(j.a, j.b) || aceOnKing(j.a, j.b);
    const bool downward = down(j.a, j.b) || kingOnAce(j.a, j.b);
    if (direction > 0) return upward;
    if (direction < 0) return downward;
    return upward || downward;
}

// 104: up in suit or an Ace on a King in suit; foundation 0 closes on a Queen,
// foundations 1-11 on rank T.
// choice: foundations 12 and above never close; they still build up in suit.
bool code104(const Judgement& j) {
    if (!sameSuit(j.a, j.b) || !(up(j.a, j.b) || aceOnKing(j.a, j.b))) return false;
    if (j.t == 0) return j.ra != 12;
    if (j.t >= 1 && j.t <= 11) return j.ra != j.t;
    return true;
}

// 105: a row with cards takes down in suit or a King on an Ace in suit; an
// empty row anything not from the visible stock.
bool code105(const Judgement& j) {
    const std::string* row = j.row(j.t);
    if (!row) return false;
    if (row->empty()) return j.from() != location::kWaste;
    return sameSuit(j.a, j.b) && (down(j.a, j.b) || kingOnAce(j.a, j.b));
}

// 106: two up in suit; an empty pile takes its base rank.
bool code106(const Judgement& j) {
    if (j.empty) return rankIsFoundationBase(j);
    return j.rb == j.ra + 2 && sameSuit(j.a, j.b);
}

// 108: only while the stock is empty: an empty pile accepts; otherwise in suit
// up or down with Ace-King wraps both ways.
bool code108(const Judgement& j) {
    if (!j.stock().empty()) return false;
    if (j.empty) return true;
    return sameSuit(j.a, j.b) && upOrDownWrapping(j.a, j.b);
}

// 109: up in suit, and b must be free in its layer: rows 1-8 are covered by
// their reserve cell and the row eight on, rows 9-32 by the rows eight before
// and after; anything else is free.
bool code109(const Judgement& j) {
    if (!up(j.a, j.b) || !sameSuit(j.a, j.b)) return false;
    const int k = j.from();  // row number counted from 1
    if (!isRow(k) || k >= 33) return true;
    const Piles& piles = j.ctx.piles;
    if (k <= 8) return piles.appogg(k - 1).empty() || piles.fila(k + 7).empty();
    return piles.fila(k - 9).empty() || piles.fila(k + 7).empty();
}

// 110: only from a row, anything but an Ace only from row T; an empty
// foundation takes an Ace once all earlier ones are started; then a 7, then up, in suit.
bool code110(const Judgement& j) {
    const std::string* pile = j.dest(j.t);
    if (!pile || !isRow(j.from())) return false;
    if (j.rb != 1 && j.from() != j.t + 1) return false;
    const int held = countOf(*pile);
    if (held == 0) {
        if (j.rb != 1) return false;
        for (int f = 0; f < j.t; ++f)
            if (j.ctx.piles.dest(f).empty()) return false;
        return true;
    }
    if (!sameSuit(j.a, j.b)) return false;
    return held == 1 ? j.rb == 7 : up(j.a, j.b);
}

}  // namespace

// The codes above, by number; every other code goes to the general rule.
constinit const std::array<OwnRule, kRuleCodeCount> kOwnRules = [] {
    std::array<OwnRule, kRuleCodeCount> t{};
    t[4] = code4; t[5] = code5; t[7] = code7; t[11] = code11; t[12] = code12; t[14] = code14; t[15] = code15;
    t[16] = code16; t[17] = code17; t[18] = code18; t[19] = code19; t[20] = code20; t[21] = code21; t[23] = code23;
    t[24] = code24; t[25] = code25; t[26] = code26; t[27] = code27; t[28] = code28; t[29] = code29; t[30] = code30;
    t[31] = code31; t[32] = code32; t[33] = code33; t[34] = code34; t[35] = code35; t[36] = code36; t[37] = code37;
    t[38] = code38; t[39] = code39; t[40] = code40; t[41] = code41; t[42] = code42; t[43] = code43; t[44] = code44;
    t[45] = code45; t[46] = code46; t[47] = code47; t[48] = code48; t[49] = code49; t[50] = code50; t[51] = code51;
    t[52] = code52; t[53] = code53; t[54] = code54; t[55] = code55; t[56] = code56; t[60] = code60; t[61] = code61;
    t[70] = code70; t[71] = code71; t[72] = code72; t[73] = code73; t[75] = code75; t[76] = code76; t[77] = code77;
    t[78] = code78; t[79] = code79; t[80] = code80; t[81] = code81; t[82] = code82; t[83] = code83; t[86] = code86;
    t[87] = code87; t[91] = code91; t[92] = code92; t[93] = code93; t[94] = code94; t[95] = code95; t[96] = code96;
    t[97] = code97; t[98] = code98; t[99] = code99; t[100] = code100; t[101] = code101; t[102] = code102;
    t[104] = code104; t[105] = code105; t[106] = code106; t[108] = code108; t[109] = code109; t[110] = code110;
    return t;
}();

}  // namespace tessaro::rules
