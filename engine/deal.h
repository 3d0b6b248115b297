#pragma once
// The deal: a pure function of a 13-digit deal number and the rule parameters.
// The deck builder turns the digits into an ordered deck with fixed tables (no
// random generator), the deck is filtered for the game, foundations get their
// base cards, and the deck is handed out to the piles as the parameters say.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/piles.h"

namespace tessaro {

struct Context;

/// A deck: card numbers from the front; 0 is an empty slot ("000").
using Deck = std::vector<int>;

/// The information text shown when the deck size is neither 1-52 nor 104.
inline constexpr std::string_view kDeckSizeError = "Error 01 - fnGameNumberCardsArray";

/// True for a text of exactly 13 decimal digits.
bool validDealNumber(std::string_view number);

/// Draws a new deal number: Random(9999999) x Random(999999) in floating
/// point, as 13 digits with leading zeros, stored at register position 153.
/// Returns the number.
std::string newDealNumber(Context& ctx);

/// The index of the first empty slot at or after `start` (forward) or at or
/// before it searching down to 0 (backward); failing that, the first empty
/// slot from the beginning; -1 when the deck has none.
int freeSlot(const Deck& deck, int start, bool forward);

/// The empty slots of a deck being filled, one bit each, so that a search
/// passes 64 filled slots at a time. find() answers as freeSlot does on a deck
/// whose empty slots are the ones not yet filled.
class EmptySlots {
public:
    /// n slots, all empty.
    explicit EmptySlots(int n);
    void fill(int slot) { bits_[static_cast<std::size_t>(slot) / 64] &= ~(std::uint64_t{1} << (slot % 64)); }
    int find(int start, bool forward) const;

private:
    int firstFrom(int slot) const;     // the first empty slot at or after slot; -1 when none
    int lastAtOrBelow(int slot) const;  // the last empty slot at or before slot; -1 when none
    int n_;
    std::vector<std::uint64_t> bits_;  // bit set: the slot is empty
};

/// Builds the deck of a 13-digit deal number under the current rules,
/// including the rank removal of parameter 47. A deck size other than 1-52 or
/// 104 shows kDeckSizeError and leaves only empty slots. Returns false, after
/// an information box, when the deal cannot go on (a number that is not 13
/// digits, a joker without a free slot).
bool buildDeck(Context& ctx, std::string_view number, Deck& deck);

/// The deck filter of parameter 34 (9, 11, 12, 14, 16; others keep the deck).
void filterDeck(const Context& ctx, Deck& deck);

/// Deals the deal number at register position 153 into the piles, which must
/// be empty. Returns true when the deal is complete; false when it had to stop
/// (after an information box): a bad deal number, a joker without a free
/// slot, or a pile asked for more cards than the deck holds.
bool deal(Context& ctx);

/// Whether the deal may put `card` on foundation `foundation` (0-based): the
/// question the deal's auto-moves and distributions ask the move rules, with
/// the foundation's own parameters and not as a player's move.
bool dealMayPlace(const Context& ctx, int card, int foundation);

}  // namespace tessaro
