#pragma once
// Readable game definitions (data/games/*.game) and the rules file they make.
//
// A definition holds header lines "key: value" (number, name, category,
// offer, screen) and parameter lines "P = V"; "#" starts a comment.
// Parameters not named are 0.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

/// A definition or a set of definitions that cannot become a rules file; the
/// message names the file and line.
class DefinitionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct GameDefinition {
    std::string file;
    int number = -1;        ///< 0-999
    std::string name;       ///< 1-50 printable ASCII characters
    int category = -1;      ///< 0-999
    char offer = '0';       ///< offer code; "0" and "5" are offered
    char screen = '0';      ///< "1" when a screen of 650 pixels is needed
    std::map<int, int> params;  ///< parameter 1-489 -> 16-bit value
};

/// Parses one definition; `file` names it in messages. Throws DefinitionError.
GameDefinition parseGameDefinition(std::string_view text, const std::string& file);

/// True when the catalogue takes the game (offer code "0" or "5").
bool offered(const GameDefinition& game);

/// The plain (not yet encoded) catalogue line of a game.
std::string catalogueLine(const GameDefinition& game);

/// The rules file for the games, sorted by number: "[Sect1]" with one
/// catalogue line each, "[Sect2]" with parameters 1-489 in one column per
/// offered game, in catalogue order (games not offered have no column, as
/// the loader finds columns by catalogue index). Lines end in carriage return and line feed. Throws DefinitionError
/// for two games with one number.
std::string writeGamesDat(std::vector<GameDefinition> games);

}  // namespace tessaro
