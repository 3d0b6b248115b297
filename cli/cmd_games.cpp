// "games": the catalogue, one line per game: number, tab, category, tab, name.
// "params": the 490 rule parameters, one line "N=V" each.
#include <ostream>

#include "cli/cli.h"

namespace tessaro::cli {
namespace {

int games(Context& ctx, Options& o, std::ostream& out, std::ostream&) {
    expectNoArguments(o);
    prepare(ctx, o);
    const MainGame& catalogue = ctx.mainGame;
    for (int i = 0; i < static_cast<int>(catalogue.lines().size()); ++i) {
        const int number = catalogue.gameAt(i);
        out << number << '\t' << catalogue.category(number) << '\t' << catalogue.name(number) << '\n';
    }
    return 0;
}

int params(Context& ctx, Options& o, std::ostream& out, std::ostream&) {
    expectNoArguments(o);
    prepare(ctx, o);
    for (int n = 0; n < RuleTable::kCount; ++n) out << n << '=' << ctx.P[n] << '\n';
    return 0;
}

const Registrar registerGames("games", games);
const Registrar registerParams("params", params);

}  // namespace
}  // namespace tessaro::cli
