#pragma once
// The move rules and the deal as this part of the engine calls them.
#include <string>
#include <string_view>

namespace tessaro {

struct Context;

bool canDropOnPile(const Context& ctx, int card, std::string_view pile);
bool runLengthAllowed(Context& ctx, int card, bool targetEmpty);
bool runFollowsRule(const Context& ctx, int card, int row);
bool canPlace(const Context& ctx, int a, int b, int emptyCode, bool byPlayer, int T, bool wrapAllowed,
              bool toFoundation, int ruleCode, int direction, int baseRank);
bool neighboursClear(const Context& ctx, int card);

bool deal(Context& ctx);
std::string newDealNumber(Context& ctx);

}  // namespace tessaro

namespace tessaro {

/// The per-game autoplay choice of the settings file (on unless stored "N").
bool readGameAutoplay(const Context& ctx, int game);
void writeGameAutoplay(const Context& ctx, int game, bool on);

}  // namespace tessaro
