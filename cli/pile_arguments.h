#pragma once
// Positions given on the command line as pile lines: --pile NAME=LINE, four
// characters per card from the bottom up (card number and face flag).
#include <string>
#include <vector>

#include "cli/cli.h"

namespace tessaro::cli {

struct PileArgument {
    PileRef pile;
    std::string name;
    std::string line;
};

/// Takes every --pile NAME=LINE out of o.args; throws UsageError for a
/// malformed one, an unknown pile or a pile given twice.
std::vector<PileArgument> pileArguments(Options& o);

/// Empties every pile and lays out the given ones; a card may lie in one pile
/// only (UsageError otherwise).
void setPosition(Context& ctx, const std::vector<PileArgument>& piles);

}  // namespace tessaro::cli
