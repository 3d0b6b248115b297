// The command table, the common options and the run of one command line:
// everything of tessaro-cli but the process entry, so that tests and the fuzz
// targets can run a command line in process.
#include <climits>
#include <memory>
#include <ostream>

#include "cli/cli.h"

namespace tessaro::cli {

std::map<std::string, Command>& commands() {
    static std::map<std::string, Command> table;
    return table;
}

std::string takeOption(Options& o, const std::string& name) {
    for (std::size_t i = 0; i < o.args.size(); ++i) {
        if (o.args[i] != name) continue;
        if (i + 1 >= o.args.size()) throw UsageError{name + " needs a value"};
        std::string v = o.args[i + 1];
        o.args.erase(o.args.begin() + static_cast<long>(i), o.args.begin() + static_cast<long>(i) + 2);
        return v;
    }
    return {};
}

int parseInt(const std::string& text, const std::string& what) {
    std::size_t used = 0;
    long v = 0;
    try {
        v = std::stol(text, &used);
    } catch (...) {
        throw UsageError{what + " is not a number: '" + text + "'"};
    }
    if (used != text.size() || v < INT_MIN || v > INT_MAX) throw UsageError{what + " is not a number: '" + text + "'"};
    return static_cast<int>(v);
}

void takeCommonOptions(Options& o) {
    if (auto d = takeOption(o, "--program-dir"); !d.empty()) {
        o.programDir = d;
        o.userRoot.clear();
    }
    if (auto g = takeOption(o, "--game"); !g.empty()) o.game = parseInt(g, "--game");
    if (auto s = takeOption(o, "--seed"); !s.empty()) {
        // The generator's seed is 32 bits: digits only, at most 4294967295.
        const bool digits = s.find_first_not_of("0123456789") == std::string::npos && s.size() <= 10;
        if (!digits || std::stoull(s) > 0xFFFFFFFFull) throw UsageError{"--seed is not a number 0-4294967295: '" + s + "'"};
        o.seed = static_cast<unsigned>(std::stoull(s));
    }
    for (std::string s; !(s = takeOption(o, "--set")).empty();) {
        const auto eq = s.find('=');
        if (eq == std::string::npos) throw UsageError{"--set needs P=V, got '" + s + "'"};
        const int p = parseInt(s.substr(0, eq), "--set parameter");
        if (!tessaro::RuleTable::valid(p)) throw UsageError{"--set parameter out of range 0-489: " + s};
        o.sets.emplace_back(p, parseInt(s.substr(eq + 1), "--set value"));
    }
}

void usage(std::ostream& err) {
    err << "usage: tessaro-cli COMMAND [--program-dir DIR] [--game N] [--set P=V]... [--seed S] [ARGS]\n"
        << "commands:";
    for (const auto& [name, cmd] : commands()) err << ' ' << name;
    err << '\n';
}

int runCommandLine(const std::vector<std::string>& args, const std::string& programDir, std::ostream& out,
                   std::ostream& err, const std::string& userRoot) {
    if (args.empty()) {
        usage(err);
        return 2;
    }
    const std::string& name = args.front();
    auto it = commands().find(name);
    if (it == commands().end()) {
        err << "tessaro-cli: unknown command '" << name << "'\n";
        usage(err);
        return 2;
    }
    try {
        Options o;
        o.programDir = programDir;
        o.userRoot = userRoot;
        o.args.assign(args.begin() + 1, args.end());
        takeCommonOptions(o);
        auto ctx = std::make_unique<tessaro::Context>();
        return it->second(*ctx, o, out, err);
    } catch (const UsageError& e) {
        err << "tessaro-cli: " << e.message << '\n';
        return 2;
    } catch (const std::exception& e) {
        err << "tessaro-cli: " << e.what() << '\n';
        return 2;
    }
}

}  // namespace tessaro::cli
