#pragma once
// What play and solve share: the deal number argument and the start of a game
// with the fixed values the command line always plays with.
#include <string>

#include "engine/context.h"

namespace tessaro::cli {

/// A deal number argument of up to 13 digits, padded to 13 with leading
/// zeros; throws UsageError otherwise.
std::string dealNumberArgument(const std::string& text);
/// Deals the loaded game with this deal number: standard score, cards turned
/// up by themselves, no confirmations, autoplay off.
void startGame(Context& ctx, const std::string& dealNumber);

}  // namespace tessaro::cli
