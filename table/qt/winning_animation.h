#pragma once
// The winning animations: card faces stamped again and again over the won
// table along a path, until their time is up or the running flag is cleared
// (a click, a key or a new game clears it).
#include <string>
#include <string_view>

namespace tessaro {

struct Context;
class TableView;

/// The animation names, in the order the settings list them.
inline constexpr const char* kWinningAnimations[] = {"Open order", "Left to right", "Up to down",
                                                     "Festoons",   "Lines",         "Circles"};

/// The animation a setting stands for: "(Random)" (and any unknown name)
/// picks one of the first three with equal chance from the program's random
/// generator; a known name is itself.
std::string chooseWinningAnimation(Context& ctx, std::string_view name);

/// Runs the named animation on the view for `seconds` seconds; `top` is the
/// top edge below the toolbar. Sets the running flag, clears it at the end.
/// Answers the number of cards stamped.
int playWinningAnimation(Context& ctx, TableView& view, std::string_view name, int seconds, int top);

}  // namespace tessaro
