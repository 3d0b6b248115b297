#pragma once
// The fitted card size: besides the three fixed sizes of the card size letter,
// the letter "F" asks for the largest card of the usual 71:96 proportions with
// which the current game's table fits the window without a scroll bar. The
// layout itself stays one code path; only the card size it runs at is chosen
// here.
#include <string_view>

namespace tessaro {

struct Context;
struct LayoutInputs;

/// Card size letter of the fitted size.
inline constexpr std::string_view kFitCardLetter = "F";

/// Smallest and largest height a fitted card takes.
inline constexpr int kFitMinCardHeight = 32;
inline constexpr int kFitMaxCardHeight = 1000;

/// True when the card size letter (register 128) asks for the fitted size.
bool fitToWindow(const Context& ctx);

/// Card width of a fitted card height at 71:96, rounded.
int fittedCardWidth(int height);

/// Fan offsets of a fitted size: the "B" offsets scaled in proportion to the
/// card (downward steps by height, sideways steps by width), never below the
/// smallest offsets the fixed sizes use.
void setFittedFanOffsets(Context& ctx);

/// True when the table as last laid out fits the window: every placed pile,
/// with its shadow and the fan of the cards it holds or is dealt (a downward
/// fan with room for a whole suit), lies inside the width and above the
/// client bottom.
bool tableFits(const Context& ctx, const LayoutInputs& in);

/// Lays the table out at the largest card height with which it fits (see
/// tableFits); at the smallest height when none does. Sets card size, fan
/// offsets and every position.
void layoutFitted(Context& ctx, const LayoutInputs& in);

}  // namespace tessaro
