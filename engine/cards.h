#pragma once
// Card numbers, the card table of 108 fixed-width records, and rank/suit
// arithmetic. Card n (1-108) is record n-1; "000" is no card.
#include <array>
#include <string>
#include <string_view>

namespace tessaro {

inline constexpr int kCardCount = 108;

inline bool isJoker(int card) { return card >= 105 && card <= 108; }
namespace detail {
// Rank and suit of cards 1-108, worked out once: the deal and the move rules
// ask them for every card they look at, many hundred times per deal.
struct CardFacts {
    signed char rank[kCardCount + 1];
    signed char suit[kCardCount + 1];
};
inline constexpr CardFacts kCardFacts = [] {
    CardFacts f{};
    for (int card = 1; card <= kCardCount; ++card) {
        const int m = card > 52 ? card - 52 : card;
        const bool joker = card >= 105;
        f.rank[card] = static_cast<signed char>(joker ? 100 : (m - 1) % 13 + 1);
        f.suit[card] = static_cast<signed char>(joker ? -1 : (m - 1) / 13);
    }
    return f;
}();
}  // namespace detail

/// Rank 1 (ace) to 13 (king); 100 for a joker; a number of 0 or below is its
/// own rank (an empty target, -1, has rank -1); -1 above 108.
inline int rank(int card) {
    if (card <= 0) return card;  // no card, or an empty target (-1), is its own rank
    if (card > kCardCount) return -1;
    return detail::kCardFacts.rank[card];
}
/// Suit 0 hearts, 1 diamonds, 2 clubs, 3 spades; -1 for jokers and numbers
/// above 108; 0 for a number of 0 or below (an empty target counts as hearts).
inline int suit(int card) {
    if (card <= 0) return 0;  // no card counts as hearts
    if (card > kCardCount) return -1;
    return detail::kCardFacts.suit[card];
}
inline bool isRed(int card) { return (card >= 1 && card <= 26) || (card >= 53 && card <= 78); }
inline int rankBelow(int r) { return r == 1 ? 13 : r - 1; }
inline int rankAbove(int r) { return r == 13 ? 1 : r + 1; }

/// Three-digit form of a card number ("007"); "***" when it does not fit.
std::string card3(int card);
/// Writes the three-digit form to out[0..2]; "***" when it does not fit.
inline void writeCard3(char* out, int card) {
    if (card < 0 || card > 999) {
        out[0] = out[1] = out[2] = '*';
        return;
    }
    out[0] = static_cast<char>('0' + card / 100);
    out[1] = static_cast<char>('0' + card / 10 % 10);
    out[2] = static_cast<char>('0' + card % 10);
}
/// Appends the three-digit form to a pile text, without a temporary string.
inline void appendCard3(std::string& out, int card) {
    char digits[3];
    writeCard3(digits, card);
    out.append(digits, 3);
}
/// Parses three digits at `text[offset]`; 0 when they are not digits.
inline int cardAt(std::string_view text, std::size_t offset) {
    if (offset + 3 > text.size()) return 0;
    // A character below '0' wraps to a large value, so one test per digit.
    const unsigned d0 = static_cast<unsigned char>(text[offset]) - unsigned{'0'};
    const unsigned d1 = static_cast<unsigned char>(text[offset + 1]) - unsigned{'0'};
    const unsigned d2 = static_cast<unsigned char>(text[offset + 2]) - unsigned{'0'};
    if (d0 > 9 || d1 > 9 || d2 > 9) return 0;
    return static_cast<int>(d0 * 100 + d1 * 10 + d2);
}

class CardTable {
public:
    CardTable() { reset(); }
    /// Rebuilds every record with face flag "1".
    void reset();

    /// The 20-character record of card n (1-108).
    const std::string& record(int card) const { return r_[static_cast<std::size_t>(card - 1)]; }
    static bool valid(int card) { return card >= 1 && card <= kCardCount; }

    /// True when character 20 is "0". Cards outside 1-108 are never face down.
    bool faceDown(int card) const { return valid(card) && record(card)[19] == '0'; }
    bool faceUp(int card) const { return valid(card) && record(card)[19] != '0'; }
    /// Rewrites character 20 keeping characters 1-19. Ignored for non-cards.
    void setFace(int card, char flag) {
        if (valid(card)) r_[static_cast<std::size_t>(card - 1)][19] = flag;
    }

    /// Flips several cards of a pile text at once: n >= 1 the last n cards get
    /// flag; -1 odd positions from the bottom up, even down; -2 the reverse;
    /// -3 bottom card up, the rest down. Gaps are skipped.
    void setFaces(std::string_view pile, int mode, char flag);

private:
    std::array<std::string, kCardCount> r_;
};

}  // namespace tessaro
