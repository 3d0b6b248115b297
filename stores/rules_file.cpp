#include "stores/rules_file.h"

#include <charconv>
#include <cstdint>

#include "engine/context.h"
#include "platform/text_file.h"
#include "stores/games_dat_format.h"
#include "stores/program_folder.h"

namespace tessaro {

namespace {

struct Parameters {
    std::string path;
    std::vector<gamesdat::NumberedLine> lines;
};

Parameters parameterLines(const Register& reg) {
    Parameters out{rulesFilePath(reg), {}};
    std::string text;
    if (!readTextFile(out.path, text)) throw RulesFileError("cannot read the rules file " + out.path);
    out.lines = gamesdat::sectionLines(splitLines(text), gamesdat::kParametersHeader);
    return out;
}

std::string where(const std::string& path, int line) { return path + ", line " + std::to_string(line) + ": "; }

// Whole decimal number with optional leading blanks and minus sign, trailing
// blanks allowed; false for anything else (a column of blanks included).
bool wholeNumber(std::string_view s, long long& out) {
    const auto lead = s.find_first_not_of(' ');
    if (lead == std::string_view::npos) return false;
    s.remove_prefix(lead);
    const auto last = s.find_last_not_of(' ');
    s = s.substr(0, last + 1);
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc{} && ptr == s.data() + s.size() && out >= INT32_MIN && out <= INT32_MAX;
}

// The value of column k of a "[Sect2]" line, decoded.
int columnValue(const std::string& path, const gamesdat::NumberedLine& line, int k) {
    const std::size_t offset = gamesdat::columnOffset(k);
    const std::string stored = offset < line.text.size() ? line.text.substr(offset, gamesdat::kColumnWidth) : "";
    const std::string text = gamesdat::decode(stored);
    long long value = 0;
    if (!wholeNumber(text, value)) {
        const std::string column = k < 0 ? "the custom-game column" : "the column of catalogue index " + std::to_string(k);
        throw RulesFileError(where(path, line.number) + "the value '" + text + "' in " + column +
                             " is not a whole number");
    }
    return static_cast<int>(value);
}

int parameterNumber(const std::string& path, const gamesdat::NumberedLine& line) {
    const std::string digits = line.text.substr(0, 4);
    long long n = 0;
    if (!wholeNumber(digits, n)) throw RulesFileError(where(path, line.number) + "the parameter number '" + digits + "' is not a whole number");
    if (!RuleTable::valid(static_cast<int>(n)))
        throw RulesFileError(where(path, line.number) + "the parameter number " + std::to_string(n) + " is outside 0-489");
    return static_cast<int>(n);
}

int columnOf(const Context& ctx, int game) {
    return game >= 0 && game < kFirstCustomGame ? ctx.mainGame.index(game) : -1;
}

}  // namespace

std::string rulesFilePath(const Register& reg) { return programFile(reg, "GAMES.DAT"); }

std::string readRulesFile(const Register& reg) {
    const std::string path = rulesFilePath(reg);
    std::string text;
    if (!readTextFile(path, text)) throw RulesFileError("cannot read the rules file " + path);
    return text;
}

void loadRules(Context& ctx) {
    const int game = ctx.reg.readInt(reg::Game, -1);
    const int k = columnOf(ctx, game);
    const Parameters file = parameterLines(ctx.reg);
    RuleTable next = ctx.P;
    for (const auto& line : file.lines) {
        const int value = columnValue(file.path, line, k);
        next.set(parameterNumber(file.path, line), value);
    }
    next.saveChangeable();
    ctx.P = next;
}

std::vector<int> readGameParameters(const Context& ctx, int game, const std::vector<int>& wanted) {
    const int k = columnOf(ctx, game);
    const Parameters file = parameterLines(ctx.reg);
    std::vector<int> out;
    out.reserve(wanted.size());
    for (const int n : wanted) {
        if (n == -1) {
            out.push_back(kNotWanted);
            continue;
        }
        if (n < 1 || n >= RuleTable::kCount || static_cast<std::size_t>(n) > file.lines.size())
            throw RulesFileError(file.path + ": no line for parameter " + std::to_string(n) + " in [Sect2]");
        const int value = columnValue(file.path, file.lines[static_cast<std::size_t>(n - 1)], k);
        out.push_back(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    }
    return out;
}

}  // namespace tessaro
