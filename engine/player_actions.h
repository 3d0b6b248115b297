#pragma once
// The player's actions named by card and pile rather than by pixels, for the
// command line and the solver: they go through the same move input, judge and
// executor as the mouse.
#include <string>

#include "engine/context.h"

namespace tessaro {

/// The name of the pile that holds the card; empty when it lies nowhere.
std::string pileOf(Context& ctx, int card);

/// A press and release on the card (in the Memory games a face-down card is
/// turned; in the click-to-remove games the card is taken).
void clickCard(Context& ctx, int card);
/// Picks the card (with the run above it) up and lets it go over the pile.
/// False when it is not picked up or the pile refuses it.
bool moveCard(Context& ctx, int card, const std::string& pile);
/// A press and release on the stock.
void clickStock(Context& ctx);

}  // namespace tessaro
