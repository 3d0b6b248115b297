// Start of every tessaro-cli command: the register, the generator, the
// catalogue and, when asked for, one game's rule parameters.
#include <string>

#include "cli/cli.h"
#include "stores/catalogue.h"
#include "stores/program_folder.h"
#include "stores/rules_file.h"
#include "table/rule_limits.h"

namespace tessaro::cli {

void prepare(Context& ctx, const Options& o) {
    const std::string folder = withTrailingSeparator(o.programDir);
    if (const std::string problem = programFolderProblem(folder); !problem.empty()) throw UsageError{problem};
    ctx.reg.initialise(folder);
    ctx.reg.setUserRoot(o.userRoot);
    ctx.rng.setSeed(o.seed);
    try {
        buildCatalogue(ctx);
        if (o.game >= 0) {
            std::string name = ctx.mainGame.name(o.game);
            if (o.game < kFirstCustomGame ? name.empty() : customGame(ctx.reg, o.game).baseGame < 0)
                throw UsageError{"unknown game " + std::to_string(o.game) + " (not in " + rulesFilePath(ctx.reg) + ")"};
            ctx.reg.writePlain(reg::Game, o.game);
            ctx.reg.write(reg::GameName, name);
            loadRules(ctx);
        }
    } catch (const RulesFileError& e) {
        throw UsageError{e.what()};
    }
    for (const auto& [p, v] : o.sets) ctx.P.set(p, v);
    ctx.P.saveChangeable();
}

void prepareGame(Context& ctx, const Options& o, bool placement) {
    prepare(ctx, o);
    if (o.game < 0) return;  // no game asked for: the empty table as it is
    if (const auto problem = applyRuleLimits(ctx.P, placement)) throw UsageError{unplayableMessage(ctx.reg.read(reg::GameName), *problem)};
    ctx.P.saveChangeable();
}

void expectNoArguments(const Options& o) {
    if (!o.args.empty()) throw UsageError{"unexpected argument '" + o.args.front() + "'"};
}

}  // namespace tessaro::cli
