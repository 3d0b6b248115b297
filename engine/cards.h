#pragma once
// Card numbers, the card table of 108 fixed-width records, and rank/suit
// arithmetic. Card n (1-108) is record n-1; "000" is no card.
#include <array>
#include <string>
#include <string_view>

namespace tessaro {

inline constexpr int kCardCount = 108;

inline bool isJoker(int card) { return card >= 105 && card <= 108; }
/// Rank 1 (ace) to 13 (king); 100 for a joker; a number of 0 or below is its
/// own rank (an empty target, -1, has rank -1); -1 above 108.
/// (Inline: the deal and the move rules ask it for every card they look at.)
inline int rank(int card) {
    if (isJoker(card)) return 100;
    if (card <= 0) return card;  // no card, or an empty target (-1), is its own rank
    if (card > 104) return -1;
    const int m = card > 52 ? card - 52 : card;
    return (m - 1) % 13 + 1;
}
/// Suit 0 hearts, 1 diamonds, 2 clubs, 3 spades; -1 for jokers and numbers
/// above 108; 0 for a number of 0 or below (an empty target counts as hearts).
inline int suit(int card) {
    if (card <= 0) return 0;  // no card counts as hearts
    if (card > 104) return -1;
    const int m = card > 52 ? card - 52 : card;
    return (m - 1) / 13;
}
inline bool isRed(int card) { return (card >= 1 && card <= 26) || (card >= 53 && card <= 78); }
inline int rankBelow(int r) { return r == 1 ? 13 : r - 1; }
inline int rankAbove(int r) { return r == 13 ? 1 : r + 1; }

/// Three-digit form of a card number ("007"); "***" when it does not fit.
std::string card3(int card);
/// Parses three digits at `text[offset]`; 0 when they are not digits.
inline int cardAt(std::string_view text, std::size_t offset) {
    if (offset + 3 > text.size()) return 0;
    int v = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const char c = text[offset + i];
        if (c < '0' || c > '9') return 0;
        v = v * 10 + (c - '0');
    }
    return v;
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
    void setFace(int card, char flag);

    /// Flips several cards of a pile text at once: n >= 1 the last n cards get
    /// flag; -1 odd positions from the bottom up, even down; -2 the reverse;
    /// -3 bottom card up, the rest down. Gaps are skipped.
    void setFaces(std::string_view pile, int mode, char flag);

private:
    std::array<std::string, kCardCount> r_;
};

}  // namespace tessaro
