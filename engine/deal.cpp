#include "engine/deal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>

#include "engine/context.h"
#include "engine/rule_judgement.h"
#include "engine/rules.h"
#include "engine/score.h"

namespace tessaro {

namespace {

// Fixed tables of the deck builder: eight values per row.
constexpr int kSuitRows[13][8] = {
    {4, 2, 3, 1, 4, 2, 1, 3}, {1, 3, 2, 4, 4, 3, 2, 1}, {2, 4, 3, 1, 3, 4, 1, 2}, {3, 4, 2, 1, 2, 3, 1, 4},
    {4, 2, 3, 1, 1, 3, 4, 2}, {1, 4, 2, 3, 4, 1, 2, 3}, {2, 1, 3, 4, 3, 1, 2, 4}, {3, 2, 1, 4, 2, 4, 1, 3},
    {4, 3, 1, 2, 1, 2, 3, 4}, {2, 1, 4, 3, 4, 2, 1, 3}, {3, 1, 4, 2, 1, 2, 4, 3}, {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
};
constexpr int kStepRows[10][8] = {
    {25, 18, 13, 22, 21, 20, 15, 15}, {20, 19, 12, 13, 18, 18, 23, 17}, {30, 21, 19, 19, 13, 22, 20, 18},
    {51, 16, 14, 18, 21, 21, 17, 19}, {18, 19, 19, 23, 13, 16, 15, 20}, {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16}, {11, 21, 21, 23, 17, 18, 22, 20}, {22, 16, 13, 13, 19, 17, 22, 13},
    {24, 13, 20, 21, 21, 14, 15, 22},
};

// 10 to the powers 0-13.
constexpr std::array<long long, 14> kPowersOf10 = [] {
    std::array<long long, 14> p{};
    long long v = 1;
    for (long long& x : p) {
        x = v;
        v *= 10;
    }
    return p;
}();

// Keeps a slot index inside a deck of n slots: wraps at n, never below 0.
int wrapSlot(int y, int n) {
    if (y >= n) y %= n;
    if (y < 0) y = 0;
    return y;
}

// The base rank a foundation takes from a card; a joker counts as -2.
int baseRankOf(int card) { return isJoker(card) ? -2 : rank(card); }

// Removes the entries for which drop(card) holds, keeping the order.
template <typename Pred>
void removeIf(Deck& deck, Pred drop) {
    deck.erase(std::remove_if(deck.begin(), deck.end(), drop), deck.end());
}

// Index of the first entry of the deck with the given rank; -1 when none.
int firstOfRank(const Deck& deck, int r) {
    for (std::size_t i = 0; i < deck.size(); ++i)
        if (deck[i] != 0 && rank(deck[i]) == r) return static_cast<int>(i);
    return -1;
}

// The top card of foundation f as the deal's questions see it: 0 when empty.
int foundationTop(const Context& ctx, int f) { return ctx.piles.top({PileKind::Foundation, f}); }

// dealMayPlace with the foundation's top card given. choice: flattened, so
// that the judge's general rule is compiled in with the deal's constant
// arguments folded.
[[gnu::flatten]] bool mayPlaceOn(const Context& ctx, int top, int card, int f) {
    const RuleTable& P = ctx.P;
    return rules::quickCanPlace(ctx, top, card, P[51 + f], false, f, true, true, P[83 + f], P[67 + f], P[51 + f]);
}

// The first foundation from `from` to `to` - 1 (within 0-15) that the deal may
// put the card on, their top cards given; -1 when none. Flattened too, so that
// the questions for the one card share what does not change between them.
[[gnu::flatten]] int firstFoundationTaking(const Context& ctx, const int* tops, int card, int from, int to) {
    for (int f = from; f < to; ++f)
        if (mayPlaceOn(ctx, tops[f], card, f)) return f;
    return -1;
}

// Thrown (after the information box) when the deal cannot go on.
struct DealStopped {};

constexpr PileRef dest(int i) { return {PileKind::Foundation, i}; }
constexpr PileRef fila(int i) { return {PileKind::Row, i}; }
constexpr PileRef appogg(int i) { return {PileKind::Reserve, i}; }
constexpr PileRef kStock{PileKind::Stock, kMazzo};
constexpr PileRef kVisible{PileKind::Stock, kMazzoVis};
constexpr PileRef kWaste{PileKind::Stock, kMazzoWaste};

int clampCount(int n, int limit) { return n < 0 ? 0 : (n > limit ? limit : n); }

// One run of the deal over a context and a deck.
class Dealer {
public:
    Dealer(Context& ctx, Deck deck) : ctx_(ctx), P_(ctx.P), deck_(std::move(deck)) {
        // choice: an empty slot is no card; only a deck the builder could not
        // fill (a size error, more joker slots than jokers) holds any, and
        // dealing them would put gaps into piles.
        removeIf(deck_, [](int c) { return c == 0; });
    }

    void run();

private:
    int foundations() const { return clampCount(P_.foundations(), kFoundations); }
    int rows() const { return clampCount(P_.rows(), kRows); }
    std::string& text(PileRef p) { return ctx_.piles.text(p); }
    int cardIn(PileRef p, int pos) const {
        return cardAt(ctx_.piles.text(p), static_cast<std::size_t>(pos) * 3);
    }
    void append(PileRef p, int card, char face) { ctx_.piles.append(p, card, ctx_.cards, face); }
    void cutAt(PileRef p, int pos) { text(p).erase(static_cast<std::size_t>(pos) * 3, 3); }
    void setBase(int foundation, int r) { P_.set(51 + foundation, r); }

    [[noreturn]] void stop(const std::string& message) {
        ctx_.dialogs->info(message);
        throw DealStopped{};
    }
    // Takes the card at the front of the deck; stops the deal when it is empty.
    int takeFront(PileRef asking) {
        if (deck_.empty()) stop(pileName(asking) + " asks for a card but the deck is empty; the deal is stopped.");
        const int card = deck_.front();
        deck_.erase(deck_.begin());
        return card;
    }
    // Takes a named card out of the deck; false when the deck does not hold it.
    bool takeCard(int card) {
        auto it = std::find(deck_.begin(), deck_.end(), card);
        if (it == deck_.end()) return false;
        deck_.erase(it);
        return true;
    }
    int takeToPile(int n, PileRef pile);
    // Appends the first n cards of the deck to the pile, face down, as n
    // single appends would, with the pile text grown once.
    void appendFront(PileRef pile, int n) {
        if (!validPile(pile)) return;
        std::string& t = text(pile);
        const std::size_t at = t.size();
        t.resize(at + static_cast<std::size_t>(n) * 3);
        for (int i = 0; i < n; ++i) {
            const int card = deck_[static_cast<std::size_t>(i)];
            writeCard3(t.data() + at + static_cast<std::size_t>(i) * 3, card);
            if (card != 0) ctx_.cards.setFace(card, '0');
        }
    }
    void faceMode(PileRef pile, int mode) { ctx_.cards.setFaces(text(pile), mode, '1'); }

    void foundationStarts();          // step 4
    void startsOfCode97();            // step 5
    void startsOfStyle5();            // step 6
    void wasteCard();                 // step 7
    void foundationStyle();           // step 14
    void acesOfReserve();             // step 17
    void autoMove(int code);          // step 18
    bool autoMoveAt(int row, int pos, int code);
    void acesWithRefill();            // step 19
    void kingUnderStock();            // step 20
    void distribute();                // step 21
    void distributeKings();           // distribution 1
    void distributeByHeads(int head); // distributions 2 and 4
    void distributeDistinctRanks();   // distribution 3

    Context& ctx_;
    RuleTable& P_;
    Deck deck_;
    std::array<int, kFoundations> tops_{};  // the foundations' top cards during autoMove
};

int Dealer::takeToPile(int n, PileRef pile) {
    if (n >= 1 && n <= 1000) {
        if (static_cast<std::size_t>(n) > deck_.size())
            stop(pileName(pile) + " asks for " + std::to_string(n) + " cards but the deck holds only " +
                 std::to_string(deck_.size()) + "; the deal is stopped.");
        appendFront(pile, n);
        deck_.erase(deck_.begin(), deck_.begin() + n);
        return n;
    }
    if (n >= 1001 && n <= 1499) {
        const int at = firstOfRank(deck_, n - 1000);
        if (at < 0) return 0;  // the deck holds no card of that rank
        append(pile, deck_[static_cast<std::size_t>(at)], '0');
        deck_.erase(deck_.begin() + at);
        return 1;
    }
    if (n >= 1501 && n <= 1504) {
        const int joker = 104 + (n - 1500);
        if (!takeCard(joker)) return 0;
        append(pile, joker, '1');
        return 1;
    }
    return 0;
}

void Dealer::run() {
    // Step 2: the counts and face modes are read where they are used.
    filterDeck(ctx_, deck_);  // step 3
    foundationStarts();       // step 4
    if (P_[99] == 97) startsOfCode97();
    if (P_[1] == 5) startsOfStyle5();
    if (P_[351] != 0) wasteCard();

    // Step 8: rows that take one chosen card.
    for (int k = 0; k < kRows; ++k) {
        const int count = P_[374 + k];
        if (count <= 1000) continue;
        takeToPile(count, fila(k));
        faceMode(fila(k), P_[414 + k]);
    }
    // Step 9: the stock.
    if (takeToPile(P_[371], kStock) > 0 && P_[7] == 0) ctx_.cards.setFaces(text(kStock), kCardCount, '1');
    // Step 10: the visible stock, face up.
    if (P_[372] > 0) {
        const int taken = takeToPile(P_[372], kVisible);
        ctx_.cards.setFaces(text(kVisible), taken, '1');
    }
    // Step 11: the rows in order.
    for (int k = 0; k < kRows; ++k) {
        const int count = P_[374 + k];
        if (count < 1 || count > 1000) continue;
        takeToPile(count, fila(k));
        faceMode(fila(k), P_[414 + k]);
    }
    // Step 12: the put-away pile, face up.
    if (P_[454] > 0) {
        const int taken = takeToPile(P_[454], kWaste);
        ctx_.cards.setFaces(text(kWaste), taken, '1');
    }
    // Step 13: the reserve cells.
    for (int k = 0; k < kReserves; ++k) {
        const int count = P_[455 + k];
        if (count <= 0) continue;
        takeToPile(count, appogg(k));
        faceMode(appogg(k), P_[465 + k]);
    }
    foundationStyle();  // step 14
    // Step 15: empty-pile codes 91 follow the base rank of foundation 1.
    for (int n = 131; n <= 170; ++n)
        if (P_[n] == 91) P_.set(n, rankBelow(P_[51]));
    // Step 16.
    if (P_[12] == 1) append(dest(0), takeFront(dest(0)), '1');
    if (P_.family() == 11) acesOfReserve();
    if (P_[99] == 93 || P_[99] == 94 || P_[99] == 95) autoMove(P_[99]);
    if (P_[99] == 96) acesWithRefill();
    if (P_.family() == 22) kingUnderStock();
    distribute();  // step 21
}

void Dealer::foundationStarts() {
    const int n = foundations();
    for (int k = 1; k <= n; ++k) {
        const int c = P_[98 + k];
        int b = -1;
        if (c == 0 || c == 92 || c == 96 || c == 97) {
            if (c == 92) setBase(k - 1, P_[51]);
        } else if (c == 20) {
            if (!deck_.empty()) b = deck_.front();
        } else if (c == 21) {
            for (int card : deck_) {
                bool taken = false;
                for (int lower = 0; lower < k - 1 && !taken; ++lower) {
                    const int bottom = cardAt(text(dest(lower)), 0);
                    taken = bottom != 0 && suit(bottom) == suit(card);
                }
                if (!taken) {
                    b = card;
                    break;
                }
            }
        } else if (c >= 51 && c <= 63) {
            const int at = firstOfRank(deck_, c - 50);
            if (at >= 0) b = deck_[static_cast<std::size_t>(at)];
        } else if (c == 91) {
            if (!deck_.empty()) {
                b = deck_.front() + 13 * k;
                if (b > P_.cards() && P_.cards() > 0) b %= P_.cards();
            }
        } else if (c == 93 || c == 94) {
            b = 13 * (k - 1) + 1;
        } else if (c == 95) {
            b = k <= 4 ? 13 * k : 13 * (k - 1) - 51;
        } else if (c >= 1 && c <= 99) {
            b = 13 * (k - 1) + c;
        } else if (c > 99) {
            b = c - 100;
        }
        // choice: a computed number that is no card (0, above 108) or a card
        // already lying on a pile starts nothing, rather than putting a gap
        // or a second copy of a card on the foundation.
        if (b < 1 || b > kCardCount) continue;
        const bool inDeck = takeCard(b);
        if (!inDeck && ctx_.piles.findCard(b, FindAction::None, P_).where != Where::NotFound) continue;
        append(dest(k - 1), b, '1');
        setBase(k - 1, rank(cardAt(text(dest(k - 1)), 0)));
    }
}

void Dealer::startsOfCode97() {
    for (int k = 0; k < 8; ++k) {
        const int at = firstOfRank(deck_, k + 2);
        if (at < 0) continue;
        const int card = deck_[static_cast<std::size_t>(at)];
        deck_.erase(deck_.begin() + at);
        append(dest(k), card, '1');
        setBase(k, rank(card));
    }
    for (int k = 8; k < kFoundations; ++k) {
        int r = 2 * P_[51 + k - 8];
        if (r > 13) r -= 13;
        setBase(k, r);
    }
}

void Dealer::startsOfStyle5() {
    const int first = takeFront(dest(0));
    append(dest(0), first, '1');
    const int r = rank(first);
    int next = 1;
    for (std::size_t i = 0; i < deck_.size() && next < kFoundations;) {
        if (rank(deck_[i]) == r) {
            append(dest(next++), deck_[i], '1');
            deck_.erase(deck_.begin() + static_cast<long>(i));
        } else {
            ++i;
        }
    }
    for (int k = 0; k < kFoundations; ++k) setBase(k, baseRankOf(first));
}

void Dealer::wasteCard() {
    int card = P_[351];
    if (card > 100) card -= 100;
    if (card < 1 || card > kCardCount) return;
    if (!takeCard(card) && ctx_.piles.findCard(card, FindAction::None, P_).where != Where::NotFound) return;
    append(kWaste, card, '1');
}

void Dealer::foundationStyle() {
    switch (P_[1]) {
    case 1: {
        const int card = takeFront(dest(0));
        append(dest(0), card, '1');
        for (int k = 0; k < kFoundations; ++k) setBase(k, baseRankOf(card));
        break;
    }
    case 2:
        // choice: each foundation takes the base rank of its own first card.
        for (int k = 0; k < foundations(); ++k) {
            append(dest(k), takeFront(dest(k)), '1');
            setBase(k, baseRankOf(cardAt(text(dest(k)), 0)));
        }
        break;
    case 3:
        for (int k = 0; k < foundations() && k < kReserves; ++k) {
            const int first = cardAt(text(appogg(k)), 0);
            if (first != 0) setBase(k, rankAbove(rank(first)));
        }
        break;
    case 4: {
        const int card = takeFront(dest(0));
        append(dest(0), card, '1');
        const int r = baseRankOf(card);
        // choice: foundation 1 also takes the rank of the card it starts with.
        for (int k = 0; k < 4; ++k) setBase(k, r);
        for (int k = 4; k < 8; ++k) setBase(k, rankAbove(r));
        break;
    }
    default: break;
    }
}

void Dealer::acesOfReserve() {
    const PileRef cell = appogg(0);
    int n = 0;
    for (int next = 1; next < kFoundations;) {
        int at = -1;
        for (int i = 0; i < ctx_.piles.count(cell); ++i)
            if (rank(cardIn(cell, i)) == 1) {
                at = i;
                break;
            }
        if (at < 0) break;
        const int ace = cardIn(cell, at);
        cutAt(cell, at);
        text(dest(next)).clear();
        // choice: an ace that starts a foundation lies face up there.
        append(dest(next++), ace, '1');
        ++n;
    }
    bool aceToFirst = false;
    for (int pos = 0; pos < ctx_.piles.count(kVisible);) {
        const int card = cardIn(kVisible, pos);
        if (rank(card) == 1) {
            cutAt(kVisible, pos);
            append(dest(0), card, '1');
            aceToFirst = true;
        } else if (n > 0) {
            cutAt(kVisible, pos);
            append(cell, card, '1');
            ctx_.cards.setFaces(text(cell), kCardCount, '1');
            --n;
        } else {
            ++pos;
        }
        if (n == 0 && aceToFirst) break;
    }
}

bool Dealer::autoMoveAt(int row, int pos, int code) {
    const int card = cardAt(ctx_.piles.fila(row), static_cast<std::size_t>(pos) * 3);
    if (card == 0) return false;
    int from = 0, to = foundations();
    if (code == 94) {
        from = row, to = row < to ? row + 1 : row;
    } else if (code == 95) {
        const int position = pos + 1;
        if (position <= 4) from = 0, to = 4;
        else if (position >= 7 && position <= 10) from = 4, to = 8;
        else from = 0, to = 8;
    }
    const int f = firstFoundationTaking(ctx_, tops_.data(), card, from, to);
    if (f < 0) return false;
    ctx_.piles.fila(row).erase(static_cast<std::size_t>(pos) * 3, 3);
    append(dest(f), card, '1');
    tops_[static_cast<std::size_t>(f)] = card;
    return true;
}

void Dealer::autoMove(int code) {
    const int n = rows();
    // The rows are read straight from their texts: the automatic move asks
    // the judge some hundred times per deal, and looking piles up by
    // reference around each question cost more than the questions.
    auto count = [this](int r) { return static_cast<int>(ctx_.piles.fila(r).size() / 3); };
    // The foundations' top cards are read once; only autoMoveAt changes them
    // from here on, and it keeps them up to date.
    for (int f = 0; f < kFoundations; ++f) tops_[static_cast<std::size_t>(f)] = foundationTop(ctx_, f);
    if (P_[24] != 0) {
        for (int r = 0; r < n; ++r)
            for (int pos = 0; pos < count(r);)
                if (!autoMoveAt(r, pos, code)) ++pos;
        return;
    }
    for (int level = 0; level < ctx_.piles.highestRow(P_); ++level)
        for (int r = 0; r < n; ++r)
            while (level < count(r) && autoMoveAt(r, level, code)) {
            }
}

void Dealer::acesWithRefill() {
    const int n = rows();
    for (int level = 0; level < ctx_.piles.highestRow(P_); ++level)
        for (int r = 0; r < n; ++r)
            while (level < ctx_.piles.count(fila(r))) {
                const int card = cardIn(fila(r), level);
                if (rank(card) != 1) break;
                int target = -1;
                for (int f = 0; f < foundations() && target < 0; ++f)
                    if (dealMayPlace(ctx_, card, f)) target = f;
                if (target < 0) break;
                cutAt(fila(r), level);
                append(dest(target), card, '1');
                const PileRef source = text(kStock).empty() ? kVisible : kStock;
                const int refill = ctx_.piles.top(source);
                if (refill != 0) {
                    std::string& s = text(source);
                    s.erase(s.size() - 3);
                    append(fila(r), refill, '1');
                }
            }
}

void Dealer::kingUnderStock() {
    for (int card : {12, 13}) {
        const bool found = ctx_.piles.findCard(card, FindAction::Cut, P_).where != Where::NotFound || takeCard(card);
        if (!found) continue;
        if (card == 13) text(kStock).insert(0, card3(card));
        else append(fila(0), card, '1');
    }
}

void Dealer::distribute() {
    const int style = P_[34];
    switch (style) {
    case 1: distributeKings(); break;
    case 2: distributeByHeads(13); break;
    case 4: distributeByHeads(12); break;
    case 3: distributeDistinctRanks(); break;
    case 5:
    case 6:
        for (std::size_t i = 0; i < deck_.size();) {
            const int row = rank(deck_[i]) - (style == 5 ? 1 : 0);
            // A card whose row does not exist (an ace under style 5, a joker)
            // stays in the deck.
            if (row < 1 || row > kRows) {
                ++i;
                continue;
            }
            append(fila(row - 1), deck_[i], '1');
            deck_.erase(deck_.begin() + static_cast<long>(i));
        }
        break;
    case 7:
        for (int k = 0; k < rows() && k < kFoundations; ++k) {
            const int bottom = cardIn(fila(k), 0);
            if (bottom == 0 || !dealMayPlace(ctx_, bottom, k)) continue;
            cutAt(fila(k), 0);
            append(dest(k), bottom, '1');
        }
        break;
    case 8:
        for (int k = 0; k < rows(); ++k)
            for (int pos = 0; pos < ctx_.piles.count(fila(k)); ++pos)
                if (rank(cardIn(fila(k), pos)) == 1) text(fila(k)).replace(static_cast<std::size_t>(pos) * 3, 3, "000");
        break;
    case 9: {
        const int R = P_.rows();
        const int first = R > 13 ? R + 13 : R;
        for (int k = 0; k < rows(); ++k)
            if (!text(fila(k)).empty() && cardIn(fila(k), 0) == first) {
                text(fila(k)).clear();
                break;
            }
        break;
    }
    case 10: {
        const int row = ctx_.rng.next(P_.rows() - 1) + 1;
        if (row >= 1 && row <= kRows) text(fila(row - 1)).clear();
        break;
    }
    case 13:
        for (int k = 0; k < foundations(); ++k) {
            const int card = takeFront(dest(k));
            text(dest(k)).clear();
            append(dest(k), card, '1');
        }
        break;
    case 15:
        for (int k = 0; k < rows(); ++k) {
            std::string& t = text(fila(k));
            for (int pos = 0; pos < ctx_.piles.count(fila(k)); ++pos)
                if (rank(cardIn(fila(k), pos)) == 13) t.replace(static_cast<std::size_t>(pos) * 3, 3, "000");
            if (t.size() < 27) t.resize(27, '0');
        }
        break;
    default: break;
    }
}

void Dealer::distributeKings() {
    auto mend = [&](PileRef pile) {
        std::string& t = text(pile);
        if (t.empty() || rank(cardAt(t, 0)) != 13) return;
        // choice: the whole pile goes under the stock, its king lowest, so
        // that no card of a pile of several is lost.
        std::string& stock = text(kStock);
        stock.insert(0, t);
        t.clear();
        ctx_.cards.setFace(ctx_.piles.top(kStock), '0');
        for (int pos = 0; pos < ctx_.piles.count(kStock); ++pos) {
            const int card = cardIn(kStock, pos);
            if (card == 0 || rank(card) == 13) continue;
            cutAt(kStock, pos);
            append(pile, card, '1');
            break;
        }
    };
    for (int k = 0; k < rows(); ++k) mend(fila(k));
    for (int k = 0; k < foundations(); ++k) mend(dest(k));
}

void Dealer::distributeByHeads(int head) {
    int row = 0;
    const int at = firstOfRank(deck_, head);
    if (at >= 0) {
        append(fila(0), deck_[static_cast<std::size_t>(at)], '1');
        deck_.erase(deck_.begin() + at);
    }
    for (int card : deck_) {
        if (rank(card) == head && row + 1 < kRows) ++row;
        append(fila(row), card, '1');
    }
    deck_.clear();
    const int code = P_[99];
    autoMove(code == 94 || code == 95 ? code : 93);
}

void Dealer::distributeDistinctRanks() {
    const int n = rows();
    std::vector<int> collected;
    std::vector<int> counts(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const int count = ctx_.piles.count(fila(k));
        counts[static_cast<std::size_t>(k)] = count;
        for (int pos = 0; pos < count; ++pos) collected.push_back(cardIn(fila(k), pos));
        text(fila(k)).assign(static_cast<std::size_t>(count) * 3, '0');
    }
    for (int k = 0; k < n; ++k) {
        for (int pos = 0; pos < counts[static_cast<std::size_t>(k)] && !collected.empty(); ++pos) {
            auto held = [&](int card) {
                for (int q = 0; q < pos; ++q)
                    if (rank(cardIn(fila(k), q)) == rank(card)) return true;
                return false;
            };
            auto it = std::find_if(collected.begin(), collected.end(), [&](int c) { return !held(c); });
            // choice: when every collected card repeats a rank of the row, the
            // first one fills the gap anyway, so that no card is lost and the
            // refill ends.
            if (it == collected.end()) it = collected.begin();
            text(fila(k)).replace(static_cast<std::size_t>(pos) * 3, 3, card3(*it));
            collected.erase(it);
        }
    }
}

}  // namespace

bool validDealNumber(std::string_view number) {
    return number.size() == 13 &&
           std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string newDealNumber(Context& ctx) {
    const int a = ctx.rng.next(9999999);
    const int b = ctx.rng.next(999999);
    const double x = static_cast<double>(a) * static_cast<double>(b);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.0f", x);
    std::string number = std::string(13, '0') + digits;
    number = number.substr(number.size() - 13);
    ctx.reg.write(reg::DealNumber, number);
    return number;
}

int freeSlot(const Deck& deck, int start, bool forward) {
    // The plain search; the deck builder keeps EmptySlots beside its deck
    // instead, and the tests hold the two to the same answers.
    const int n = static_cast<int>(deck.size());
    if (forward) {
        for (int i = std::max(start, 0); i < n; ++i)
            if (deck[static_cast<std::size_t>(i)] == 0) return i;
    } else {
        for (int i = std::min(start, n - 1); i >= 0; --i)
            if (deck[static_cast<std::size_t>(i)] == 0) return i;
    }
    for (int i = 0; i < n; ++i)
        if (deck[static_cast<std::size_t>(i)] == 0) return i;
    return -1;
}

EmptySlots::EmptySlots(int n)
    : n_(std::max(n, 0)), bits_((static_cast<std::size_t>(n_) + 63) / 64, ~std::uint64_t{0}) {
    if (n_ % 64 != 0) bits_.back() = (std::uint64_t{1} << (n_ % 64)) - 1;
}

int EmptySlots::firstFrom(int slot) const {
    if (slot >= n_) return -1;
    std::size_t w = static_cast<std::size_t>(slot) / 64;
    std::uint64_t word = bits_[w] & (~std::uint64_t{0} << (slot % 64));
    while (word == 0) {
        if (++w == bits_.size()) return -1;
        word = bits_[w];
    }
    return static_cast<int>(w * 64) + std::countr_zero(word);
}

int EmptySlots::lastAtOrBelow(int slot) const {
    if (slot < 0) return -1;
    std::size_t w = static_cast<std::size_t>(slot) / 64;
    std::uint64_t word = bits_[w] & (~std::uint64_t{0} >> (63 - slot % 64));
    while (word == 0) {
        if (w == 0) return -1;
        word = bits_[--w];
    }
    return static_cast<int>(w * 64) + 63 - std::countl_zero(word);
}

int EmptySlots::find(int start, bool forward) const {
    const int found = forward ? firstFrom(std::max(start, 0)) : lastAtOrBelow(std::min(start, n_ - 1));
    return found >= 0 ? found : firstFrom(0);
}

bool buildDeck(Context& ctx, std::string_view number, Deck& deck) {
    const RuleTable& P = ctx.P;
    deck.clear();
    if (!validDealNumber(number)) {
        ctx.dialogs->info("The deal number must have 13 digits: '" + std::string(number) + "'.");
        return false;
    }
    int s[14] = {};  // s[1..13], the digits
    for (int i = 1; i <= 13; ++i) s[i] = number[static_cast<std::size_t>(i - 1)] - '0';

    // Step 1: the slots and the number of copies.
    const int cards = P.cards();
    const int n = cards + (P[44] == 1 ? P[373] : 0);
    deck.assign(static_cast<std::size_t>(std::max(n, 0)), 0);
    int copies = 0;
    if (cards >= 1 && cards <= 52) copies = 4;
    else if (cards == 104) copies = 8;
    // A deck of no slots (no game loaded) is a size error too: it would make
    // every slot search divide by zero.
    if (copies == 0 || n <= 0) {
        ctx.dialogs->info(kDeckSizeError);
        return true;
    }

    // Step 2.
    int y = s[2] * 100 + s[6] * 10 + s[12];
    EmptySlots empty(n);  // the deck's empty slots, kept beside it for the searches

    // Step 3: jokers.
    if (P[44] != 0) {
        int a = y;
        const int jokers = clampCount(P[373], 4);
        for (int j = 1; j <= jokers; ++j) {
            a = wrapSlot(a + kStepRows[s[1]][j - 1], n);
            const int slot = empty.find(a, true);
            if (slot < 0) {
                ctx.dialogs->info("The deck has no free slot for joker " + card3(104 + j) + "; the deal is stopped.");
                return false;
            }
            deck[static_cast<std::size_t>(slot)] = 104 + j;
            empty.fill(slot);
        }
    }

    // Step 4: thirteen steps, one rank each.
    long long lead[14] = {};  // lead[i]: characters 1 to i as a number
    for (int i = 1; i <= 13; ++i) lead[i] = lead[i - 1] * 10 + s[i];
    // Characters i to j as a number; 0 when i > j.
    auto digitsOf = [&lead](int i, int j) {
        return i > j ? 0LL : lead[j] - lead[i - 1] * kPowersOf10[static_cast<std::size_t>(j - i + 1)];
    };
    int pool[13];
    int poolSize = 13;
    for (int i = 0; i < 13; ++i) pool[i] = i + 1;
    int p1 = 1, p2 = 7, p3 = 13;
    for (int t = 1; t <= 13; ++t) {
        const int d = s[t];
        // The direction flag: set only by the digit 0 (the worked decks of
        // 0000000000000 and 1234567890123 fix this reading).
        const bool forward = d == 0;
        // The nine-digit text: the number without characters t..t+3, or
        // characters 3-11, 4-12, 5-13 for the last three steps.
        const long long nine = t <= 10 ? digitsOf(1, t - 1) * kPowersOf10[static_cast<std::size_t>(10 - t)] +
                                             digitsOf(t + 4, 13)
                                       : digitsOf(t - 8, t);
        const int suitRow = static_cast<int>(nine % 13);
        int k = (s[p1] * 100 + s[p2] * 10 + s[p3]) % 13;
        if (k > poolSize - 1) k = forward ? poolSize - 1 : 0;
        const int r = pool[k];
        std::copy(pool + k + 1, pool + poolSize, pool + k);
        --poolSize;
        p1 = p1 + 1 > 13 ? p1 + 1 - 13 : p1 + 1;
        p2 = p2 + 1 > 13 ? p2 + 1 - 13 : p2 + 1;
        p3 = p3 + 1 > 13 ? p3 + 1 - 13 : p3 + 1;
        y -= d;
        for (int i = 1; i <= copies; ++i) {
            y = wrapSlot(y + kStepRows[d][i - 1], n);
            const int u = kSuitRows[suitRow][i - 1];
            const int card = (u - 1) * 13 + r + (i > 4 ? 52 : 0);
            if (deck[static_cast<std::size_t>(y)] != 0) y = empty.find(y, forward);
            if (y < 0) continue;  // a full deck drops the card
            deck[static_cast<std::size_t>(y)] = card;
            empty.fill(y);
        }
    }

    // Step 5: rank removal.
    if (P[47] == 1) removeIf(deck, [](int c) { return c != 0 && rank(c) >= 2 && rank(c) <= 6; });
    else if (P[47] == 2)
        removeIf(deck, [](int c) { return c != 0 && ((rank(c) >= 2 && rank(c) <= 6) || rank(c) == 13); });
    return true;
}

void filterDeck(const Context& ctx, Deck& deck) {
    const RuleTable& P = ctx.P;
    const int R = P.rows();
    switch (P[34]) {
    case 9:
        removeIf(deck, [R](int c) {
            return R <= 13 ? !(c >= 1 && c <= R) : !((c >= 1 && c <= 13) || (c >= 27 && c <= R + 13));
        });
        break;
    case 11:
    case 14: {
        const int top = P[34] == 11 ? R : 9;
        const int wanted = deck.empty() ? -1 : suit(deck.front());
        for (int k = 1; k <= top && k <= 13; ++k) {
            bool kept = false;
            removeIf(deck, [&](int c) {
                if (rank(c) != k) return false;
                if (!kept && (P[34] == 11 || suit(c) == wanted)) {
                    kept = true;
                    return false;
                }
                return true;
            });
        }
        removeIf(deck, [top](int c) { return rank(c) > top; });
        break;
    }
    case 12: {
        // The pairs deck: 6, 12 or 20 faces, each in both decks.
        static constexpr int kThree[] = {1, 5, 15, 19, 29, 43};
        static constexpr int kFour[] = {9, 23, 33, 37, 47, 51};
        static constexpr int kFive[] = {2, 10, 16, 24, 30, 38, 44, 52};
        bool keep[kCardCount + 1] = {};
        auto add = [&](const auto& faces) {
            for (int c : faces) keep[c] = keep[c + 52] = true;
        };
        add(kThree);
        if (R != 3) add(kFour);
        if (R != 3 && R != 4) add(kFive);
        removeIf(deck, [&](int c) { return c < 1 || c > kCardCount || !keep[c]; });
        break;
    }
    case 16:
        removeIf(deck, [](int c) { return rank(c) == 12 || rank(c) == 13; });
        break;
    default: break;
    }
}

bool deal(Context& ctx) {
    const std::string number = ctx.reg.read(reg::DealNumber);
    Deck deck;
    bool complete = buildDeck(ctx, number, deck);
    if (complete) {
        try {
            Dealer(ctx, std::move(deck)).run();
        } catch (const DealStopped&) {
            complete = false;
        }
    }
    // Step 22, also after a stopped deal: the score shows what lies on the table.
    refreshScore(ctx);
    return complete;
}

bool dealMayPlace(const Context& ctx, int card, int foundation) {
    if (foundation < 0 || foundation >= kFoundations) return false;
    // The deal asks the judge directly, not as a player's move, with an empty
    // foundation's top as 0.
    return mayPlaceOn(ctx, foundationTop(ctx, foundation), card, foundation);
}

}  // namespace tessaro
