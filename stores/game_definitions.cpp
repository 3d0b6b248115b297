#include "stores/game_definitions.h"

#include <algorithm>
#include <charconv>

#include "platform/text_file.h"
#include "stores/games_dat_format.h"
#include "stores/rule_table.h"

namespace tessaro {

namespace {

std::string trim(std::string_view s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(" \t");
    return std::string(s.substr(a, b - a + 1));
}

long long toNumber(const std::string& text, const std::string& where) {
    long long v = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, v);
    if (text.empty() || ec == std::errc::invalid_argument || ptr != last) throw DefinitionError(where + "not a number: '" + text + "'");
    if (ec == std::errc::result_out_of_range) throw DefinitionError(where + "number out of range: '" + text + "'");
    return v;
}

int inRange(long long v, long long lo, long long hi, const std::string& what, const std::string& where) {
    if (v < lo || v > hi)
        throw DefinitionError(where + what + " must be " + std::to_string(lo) + "-" + std::to_string(hi) + ", got " +
                              std::to_string(v));
    return static_cast<int>(v);
}

bool printableAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= 32 && c <= 126; });
}

std::string padLeft(const std::string& s, std::size_t w) { return std::string(w > s.size() ? w - s.size() : 0, ' ') + s; }

}  // namespace

bool offered(const GameDefinition& game) { return game.offer == '0' || game.offer == '5'; }

GameDefinition parseGameDefinition(std::string_view text, const std::string& file) {
    GameDefinition g;
    g.file = file;
    std::map<std::string, int> headerSeen;
    const auto lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string where = file + ":" + std::to_string(i + 1) + ": ";
        std::string line = lines[i];
        if (auto hash = line.find('#'); hash != std::string::npos) line.resize(hash);
        line = trim(line);
        if (line.empty()) continue;
        if (const auto colon = line.find(':'); colon != std::string::npos) {
            const std::string key = trim(line.substr(0, colon));
            const std::string value = trim(line.substr(colon + 1));
            if (headerSeen[key]++) throw DefinitionError(where + "header '" + key + "' given twice");
            if (key == "number") {
                g.number = inRange(toNumber(value, where), 0, 999, "the game number", where);
            } else if (key == "name") {
                if (!printableAscii(value)) throw DefinitionError(where + "the name must be plain ASCII: '" + value + "'");
                if (value.empty() || value.size() > 50) throw DefinitionError(where + "the name must be 1-50 characters");
                g.name = value;
            } else if (key == "category") {
                g.category = inRange(toNumber(value, where), 0, 999, "the category", where);
            } else if (key == "offer") {
                if (value.size() != 1 || !printableAscii(value)) throw DefinitionError(where + "the offer code must be one character");
                g.offer = value[0];
            } else if (key == "screen") {
                if (value != "0" && value != "1") throw DefinitionError(where + "screen must be 0 or 1");
                g.screen = value[0];
            } else {
                throw DefinitionError(where + "unknown header '" + key + "'");
            }
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos) throw DefinitionError(where + "expected 'P = V' or 'key: value'");
        const long long p = toNumber(trim(line.substr(0, eq)), where);
        const long long v = toNumber(trim(line.substr(eq + 1)), where);
        if (p < 1 || p >= RuleTable::kCount) throw DefinitionError(where + "unknown parameter number " + std::to_string(p));
        if (v < -32768 || v > 32767) throw DefinitionError(where + "value outside 16 bits: " + std::to_string(v));
        if (g.params.count(static_cast<int>(p)))
            throw DefinitionError(where + "parameter " + std::to_string(p) + " given twice");
        g.params[static_cast<int>(p)] = static_cast<int>(v);
    }
    for (const char* key : {"number", "name", "category"})
        if (!headerSeen.count(key)) throw DefinitionError(file + ": header '" + key + "' missing");
    return g;
}

std::string catalogueLine(const GameDefinition& g) {
    std::string number = std::to_string(g.number);
    number.insert(0, 3 - number.size(), '0');
    std::string name = g.name;
    name.resize(50, ' ');
    return padLeft(std::to_string(g.category), 3) + " " + number + g.offer + g.screen + " " + name;
}

std::string writeGamesDat(std::vector<GameDefinition> games) {
    std::stable_sort(games.begin(), games.end(), [](const auto& a, const auto& b) { return a.number < b.number; });
    for (std::size_t i = 1; i < games.size(); ++i)
        if (games[i].number == games[i - 1].number)
            throw DefinitionError("duplicate game number " + std::to_string(games[i].number) + " in " +
                                  games[i - 1].file + " and " + games[i].file);
    const std::string eol = "\r\n";
    std::string out = std::string(gamesdat::kCatalogueHeader) + eol;
    for (const auto& g : games) out += gamesdat::encode(catalogueLine(g)) + eol;
    out += std::string(gamesdat::kParametersHeader) + eol;
    for (int p = 1; p < RuleTable::kCount; ++p) {
        std::string n = std::to_string(p);
        n.insert(0, 4 - n.size(), '0');
        // Characters 5-16: a blank, the custom-game column (0), a blank.
        std::string line = n + " " + gamesdat::encode(padLeft("0", gamesdat::kColumnWidth)) + " ";
        for (const auto& g : games) {
            if (!offered(g)) continue;  // only catalogue entries have a column
            const auto it = g.params.find(p);
            line += gamesdat::encode(padLeft(std::to_string(it == g.params.end() ? 0 : it->second), gamesdat::kColumnWidth)) + " ";
        }
        out += line + eol;
    }
    return out;
}

}  // namespace tessaro
