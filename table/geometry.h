#pragma once
// Pile geometry: where the cards of a pile lie, from the pile positions of the
// layout, the fan offsets, the face flags and the pile's fan mode.
#include <string_view>

#include "engine/piles.h"

namespace tessaro {

struct Context;

/// Fan mode of a pile: parameter 3 for a tableau row (per row when it is 11),
/// 4 for a foundation, 5 for a reserve cell, 0 for the stock piles.
int fanMode(const Context& ctx, PileRef pile);

/// x of the card on top after leaving out `skip` top cards; with includeLast
/// the place for one more card. Unknown names answer 0.
int cardX(const Context& ctx, std::string_view pile, int skip, bool includeLast);
/// y of the same card in window coordinates (scroll offset subtracted).
int cardY(const Context& ctx, std::string_view pile, int skip, bool includeLast);
/// y of the lower edge of the whole pile.
int pileBottom(const Context& ctx, std::string_view pile);

}  // namespace tessaro
