#pragma once
// Text dumps of the table: the pile history line (four characters per card,
// the three-digit number and its face flag) and the dump of every non-empty
// pile that the command-line engine prints.
#include <string>

#include "engine/piles.h"

namespace tessaro {

struct Context;

/// The pile from the bottom up, four characters per card: the three-digit
/// number and its face flag ("1" up, "0" down); a gap ("000") is "0000".
std::string historyLine(const Context& ctx, PileRef pile);

/// One line "NAME=history line" per non-empty pile, in the order Mazzo,
/// Mazzo_Vis, Mazzo_Waste, Dest1..Dest16, Fila1..Fila40, Appogg1..Appogg10.
std::string pileDump(const Context& ctx);

}  // namespace tessaro
