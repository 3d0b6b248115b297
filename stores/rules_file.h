#pragma once
// Loading rule parameters from the rules file GAMES.DAT in the program folder.
// The file is read afresh at every load and every query; nothing is cached.
#include <stdexcept>
#include <string>
#include <vector>

namespace tessaro {

struct Context;
class Register;

/// The rules file cannot be read or holds a line the loader cannot use. The
/// message names the file and, for a bad line, its line number.
class RulesFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Full path of GAMES.DAT in the program folder.
std::string rulesFilePath(const Register& reg);
/// The whole rules file; throws RulesFileError when it cannot be read.
std::string readRulesFile(const Register& reg);

/// Loads the rule parameters of the current game (register position 62) into
/// ctx.P from its column of the "[Sect2]" lines, then saves the changeable
/// ranges. Custom games (8000 and above) and games not in the catalogue take
/// the column at characters 6-15. Parameters without a line keep their value.
/// On any error the table is left exactly as it was and RulesFileError is
/// thrown.
void loadRules(Context& ctx);

/// Value reported for a parameter that was not asked for.
inline constexpr int kNotWanted = -99;

/// Reads parameters of any game without touching ctx.P: for each wanted
/// parameter n (1-489; -1 for "not wanted") the value in line n - 1 of
/// "[Sect2]" in that game's column, as a 16-bit value; -99 for -1. Throws
/// RulesFileError.
std::vector<int> readGameParameters(const Context& ctx, int game, const std::vector<int>& wanted);

}  // namespace tessaro
