// tessaro-cli solve --game N --deal D [--limit NODES] [--autoplay on|off]
// [--beam WIDTH] [--pile NAME=LINE]...: deals game N and searches for a win
// (depth first, or a beam search WIDTH positions wide). A win prints the
// play commands that reach it, one per line, ready for tessaro-cli play;
// otherwise "lost" (every reachable position searched) or "unknown" (the
// limit of positions was reached). A last comment line counts the positions.
// With --pile the search starts from that position instead of the deal.
#include <ostream>

#include "cli/cli.h"
#include "cli/pile_arguments.h"
#include "cli/play_setup.h"
#include "engine/solver.h"

namespace tessaro::cli {
namespace {

int solveCommand(Context& ctx, Options& o, std::ostream& out, std::ostream&) {
    const std::string deal = takeOption(o, "--deal");
    const std::string limit = takeOption(o, "--limit");
    const std::string autoplay = takeOption(o, "--autoplay");
    const std::string beam = takeOption(o, "--beam");
    const std::vector<PileArgument> piles = pileArguments(o);
    if (o.game < 0) throw UsageError{"solve needs --game N"};
    if (deal.empty()) throw UsageError{"solve needs --deal D"};
    const std::string number = dealNumberArgument(deal);
    SolveOptions options;
    if (!limit.empty()) {
        options.limit = parseInt(limit, "--limit");
        if (options.limit < 1) throw UsageError{"--limit must be at least 1"};
    }
    if (!beam.empty()) {
        options.beam = parseInt(beam, "--beam");
        if (options.beam < 1) throw UsageError{"--beam must be at least 1"};
    }
    if (!autoplay.empty() && autoplay != "on" && autoplay != "off") throw UsageError{"--autoplay takes on or off"};
    options.autoplay = autoplay != "off";
    expectNoArguments(o);
    prepare(ctx, o);
    startGame(ctx, number);
    if (!piles.empty()) setPosition(ctx, piles);

    const SolveResult r = solve(ctx, options);
    switch (r.outcome) {
    case SolveOutcome::Won:
        for (const std::string& m : r.moves) out << m << '\n';
        break;
    case SolveOutcome::Lost: out << "lost\n"; break;
    case SolveOutcome::Unknown: out << "unknown\n"; break;
    }
    out << "# positions " << r.positions << '\n';
    return 0;
}

const Registrar registrar("solve", solveCommand);

}  // namespace
}  // namespace tessaro::cli
