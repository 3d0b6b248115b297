#pragma once
// Card arithmetic of the move rules. The judge compares ranks and suits of
// card numbers that may also be "no card": an empty target is passed as -1
// (the deal passes 0), so rank and suit are extended to those values here.
#include "engine/cards.h"

namespace tessaro::rules {

/// Rank as the judge sees it: 1-13 for cards, 100 for a joker, the number
/// itself for 0 and below (an empty target, -1, has rank -1), -1 above 108.
inline int rankOf(int x) { return rank(x); }

/// Suit 0 hearts, 1 diamonds, 2 clubs, 3 spades; an empty target (0 or -1)
/// counts as hearts; jokers and numbers above 108 have suit -1.
inline int suitOf(int x) { return suit(x); }

/// Hearts and diamonds of both decks.
inline bool red(int x) { return isRed(x); }
inline bool sameSuit(int a, int b) { return suitOf(a) == suitOf(b); }
inline bool sameColour(int a, int b) { return red(a) == red(b); }
inline bool alternating(int a, int b) { return red(a) != red(b); }

/// b is one rank above a (no wrap).
inline bool up(int a, int b) { return rankOf(b) == rankOf(a) + 1; }
/// b is one rank below a (no wrap).
inline bool down(int a, int b) { return rankOf(a) == rankOf(b) + 1; }
/// An Ace laid on a King.
inline bool aceOnKing(int a, int b) { return rankOf(a) == 13 && rankOf(b) == 1; }
/// A King laid on an Ace.
inline bool kingOnAce(int a, int b) { return rankOf(a) == 1 && rankOf(b) == 13; }
/// Up or down by one, with the Ace-King wrap both ways.
inline bool upOrDownWrapping(int a, int b) { return up(a, b) || down(a, b) || aceOnKing(a, b) || kingOnAce(a, b); }

/// Jack, Queen or King of either deck.
inline bool faceCard(int x) { return x >= 1 && x <= 104 && rankOf(x) >= 11; }

/// The card of a pile text at a 0-based position; 0 outside the text.
inline int cardOf(std::string_view pile, int position) {
    return position < 0 ? 0 : cardAt(pile, static_cast<std::size_t>(position) * 3);
}
inline int countOf(std::string_view pile) { return static_cast<int>(pile.size() / 3); }
/// Bottom card of a pile text (0 when empty).
inline int bottomOf(std::string_view pile) { return cardOf(pile, 0); }
/// Top card of a pile text (0 when empty).
inline int topOf(std::string_view pile) { return cardOf(pile, countOf(pile) - 1); }
/// 0-based position of a card in a pile text; -1 when absent.
inline int positionIn(std::string_view pile, int card) {
    const char d0 = static_cast<char>('0' + card / 100);
    const char d1 = static_cast<char>('0' + card / 10 % 10);
    const char d2 = static_cast<char>('0' + card % 10);
    for (std::size_t i = 0; i + 3 <= pile.size(); i += 3)
        if (pile[i + 2] == d2 && pile[i + 1] == d1 && pile[i] == d0) return static_cast<int>(i / 3);
    return -1;
}

}  // namespace tessaro::rules
