#pragma once
// Carrying out a move that has been judged: the destination word names the
// move (a pile, a stock operation or a dealing word).
#include <string_view>

#include "engine/context.h"

namespace tessaro {

/// Executes a move of `card` (0 for stock operations that name no card) to
/// `destination`; true when something moved.
bool executeMove(Context& ctx, int card, std::string_view destination);
/// Turns up the face-down top cards of the tableau rows (one history record
/// each); true when any card was turned.
bool autoFaceUp(Context& ctx);

}  // namespace tessaro
