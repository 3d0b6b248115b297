#pragma once
// Pile lines: a pile written as four characters per card, the three-digit card
// number and its face flag ("0011" card 1 face up, "0470" card 47 face down,
// "0000" a gap), bottom card first. The history and the command line use them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cards.h"
#include "engine/piles.h"

namespace tessaro {

struct PileLineCard {
    int card = 0;     ///< 1-108, or 0 for a gap
    char face = '1';  ///< '1' face up, '0' face down
};

/**
 * Parses a pile line. Returns nothing, and a message in *error when given, for
 * a length that is not a multiple of four, a number that is not three digits
 * or above 108, a face flag other than '0'/'1', or a card named twice.
 * A gap may carry either flag.
 */
std::optional<std::vector<PileLineCard>> parsePileLine(std::string_view line, std::string* error = nullptr);

/**
 * Sets pile p to the cards of a line and their face flags in the card table.
 * A malformed line leaves pile and cards unchanged and returns false.
 */
bool setPileFromLine(Piles& piles, CardTable& cards, PileRef p, std::string_view line, std::string* error = nullptr);

}  // namespace tessaro
