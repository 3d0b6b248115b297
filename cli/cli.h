#pragma once
// tessaro-cli: the headless engine. Each command lives in its own file and
// registers itself by name; main() parses the common options and dispatches.
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/context.h"

namespace tessaro::cli {

/// Thrown for bad arguments or unreadable files: exit status 2 with the message.
struct UsageError {
    std::string message;
};

struct Options {
    std::string programDir;                  ///< --program-dir, default the executable's folder
    std::string userRoot;                    ///< the player's files when not beside the program (installed)
    int game = -1;                           ///< --game N, -1 when not given
    std::vector<std::pair<int, int>> sets;   ///< --set P=V, in order
    unsigned seed = 1;                       ///< --seed S
    std::vector<std::string> args;           ///< everything else, in order
};

using Command = std::function<int(Context&, Options&, std::ostream& out, std::ostream& err)>;

std::map<std::string, Command>& commands();

struct Registrar {
    Registrar(const std::string& name, Command c) { commands()[name] = std::move(c); }
};

/// Initialises the register with the program folder (refusing one too long
/// for the register), seeds the generator, builds the catalogue from
/// GAMES.DAT and, when --game is given, stores the game's number and name in
/// the register and loads its rules; then applies the --set values and saves
/// the changeable ranges. Throws UsageError for an unknown game or an
/// unreadable rules file.
void prepare(Context& ctx, const Options& o);
/// prepare, then the limits of the table applied to the game's parameters (the
/// --set values included), as the window applies them when it opens a game.
/// Throws UsageError with the message for a game that cannot be played.
/// Without `placement` the piles in use need no place on the table (the deal
/// command shows the deal of any table the ranges accept).
void prepareGame(Context& ctx, const Options& o, bool placement = true);

/// Throws UsageError when arguments are left over after the options.
void expectNoArguments(const Options& o);

/// Takes the value of an option "--name VALUE" out of o.args; empty when absent.
std::string takeOption(Options& o, const std::string& name);
/// Parses a whole decimal integer or throws UsageError naming what.
int parseInt(const std::string& text, const std::string& what);

/// Takes the options every command shares (--program-dir, --game, --seed,
/// --set) out of o.args; throws UsageError for a malformed one.
void takeCommonOptions(Options& o);

/// Runs one command line (the command name first, then its arguments) with
/// this default program folder: the command's exit status, 2 with a message
/// on err for a usage error or a failure.
/// userRoot is the register's user folder that goes with programDir; a
/// --program-dir of the command line keeps the data below the folder it names.
int runCommandLine(const std::vector<std::string>& args, const std::string& programDir, std::ostream& out,
                   std::ostream& err, const std::string& userRoot = {});

/// The usage text of --help and of a wrong command line.
void usage(std::ostream& out);

}  // namespace tessaro::cli
