#pragma once
// The game clock: elapsed play time from time 0 to now, shown as "h:nn:ss".
#include <string>
#include <string_view>

#include "engine/context.h"

namespace tessaro {

/// Formats seconds as "h:nn:ss".
std::string clockText(long seconds);
/// Seconds between two times of day (fractions of a day); across midnight
/// the time from the start to the end of the day is added to the time since.
long elapsedSeconds(double start, double now);
/// One tick of the main window's clock: while the clock runs, the time
/// display shows the elapsed time and Forget me not checks its preview.
void clockTick(Context& ctx);

}  // namespace tessaro

namespace tessaro {

/// Elapsed seconds read back from a clock text "h:nn:ss": hours x 3600 +
/// minutes x 60 + seconds; 0 when the text is not such a time.
long secondsFromClockText(std::string_view text);

}  // namespace tessaro
