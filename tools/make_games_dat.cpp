// make-games-dat: reads the readable game definitions (data/games/*.game) and
// writes the encoded rules file GAMES.DAT.
//
// A definition file holds header lines "key: value" (number, name, category,
// offer, screen) and parameter lines "P = V"; "#" starts a comment. Parameters
// not named are 0. Bad definitions are refused with the file and line.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "stores/rule_table.h"

namespace {

struct Game {
    std::string file;
    int number = -1;
    std::string name;
    int category = -1;
    char offer = '0';
    char screen = '0';
    std::map<int, int> params;
};

struct Failure {
    std::string message;
};

std::string trim(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    const auto b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

int toInt(const std::string& text, const std::string& where) {
    std::size_t used = 0;
    long v = 0;
    try {
        v = std::stol(text, &used);
    } catch (...) {
        throw Failure{where + ": not a number: '" + text + "'"};
    }
    if (used != text.size()) throw Failure{where + ": not a number: '" + text + "'"};
    if (v < -2147483647L || v > 2147483647L) throw Failure{where + ": number out of range: '" + text + "'"};
    return static_cast<int>(v);
}

Game readGame(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw Failure{path + ": cannot read"};
    Game g;
    g.file = path;
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        const std::string where = path + ":" + std::to_string(lineNo);
        if (auto hash = line.find('#'); hash != std::string::npos) line.resize(hash);
        line = trim(line);
        if (line.empty()) continue;
        if (auto colon = line.find(':'); colon != std::string::npos) {
            const std::string key = trim(line.substr(0, colon));
            const std::string value = trim(line.substr(colon + 1));
            if (key == "number") g.number = toInt(value, where);
            else if (key == "name") g.name = value;
            else if (key == "category") g.category = toInt(value, where);
            else if (key == "offer" && value.size() == 1) g.offer = value[0];
            else if (key == "screen" && (value == "0" || value == "1")) g.screen = value[0];
            else throw Failure{where + ": unknown or bad header '" + key + "'"};
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos) throw Failure{where + ": expected 'P = V' or 'key: value'"};
        const int p = toInt(trim(line.substr(0, eq)), where);
        const int v = toInt(trim(line.substr(eq + 1)), where);
        if (p < 1 || p >= tessaro::RuleTable::kCount) throw Failure{where + ": unknown parameter number " + std::to_string(p)};
        if (v < -32768 || v > 32767) throw Failure{where + ": value outside 16 bits: " + std::to_string(v)};
        if (g.params.count(p)) throw Failure{where + ": parameter " + std::to_string(p) + " given twice"};
        g.params[p] = v;
    }
    if (g.number < 0 || g.number > 999) throw Failure{path + ": game number must be 0-999"};
    if (g.name.empty() || g.name.size() > 50) throw Failure{path + ": name must be 1-50 characters"};
    if (g.category < 0 || g.category > 999) throw Failure{path + ": category must be 0-999"};
    return g;
}

// The file stores every byte c of a plain text as c + 48 when c < 80... read
// back as c - 48 for bytes of 80 and above, c + 48 below. Writing reverses it.
std::string encode(const std::string& plain) {
    std::string out;
    for (unsigned char c : plain) {
        const int stored = c + 48 >= 80 ? c + 48 : c - 48;
        out += static_cast<char>(static_cast<unsigned char>(stored & 0xFF));
    }
    return out;
}

std::string padLeft(const std::string& s, std::size_t w) { return std::string(w > s.size() ? w - s.size() : 0, ' ') + s; }
std::string padRight(std::string s, std::size_t w) {
    s.resize(w, ' ');
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--out" && i + 1 < argc) out = argv[++i];
        else inputs.push_back(a);
    }
    if (out.empty() || inputs.empty()) {
        std::cerr << "usage: make-games-dat --out GAMES.DAT DEFINITION...\n";
        return 2;
    }
    try {
        std::vector<Game> games;
        std::sort(inputs.begin(), inputs.end());
        for (const auto& path : inputs) games.push_back(readGame(path));
        std::sort(games.begin(), games.end(), [](const Game& a, const Game& b) { return a.number < b.number; });
        for (std::size_t i = 1; i < games.size(); ++i)
            if (games[i].number == games[i - 1].number)
                throw Failure{"duplicate game number " + std::to_string(games[i].number) + " in " + games[i - 1].file +
                              " and " + games[i].file};

        std::ostringstream file;
        file << "[Sect1]\r\n";
        for (const auto& g : games) {
            std::string number = std::to_string(g.number);
            number = std::string(3 - number.size(), '0') + number;
            const std::string line = padLeft(std::to_string(g.category), 3) + " " + number + g.offer + g.screen + " " +
                                     padRight(g.name, 50);
            file << encode(line) << "\r\n";
        }
        file << "[Sect2]\r\n";
        for (int p = 1; p < tessaro::RuleTable::kCount; ++p) {
            std::string n = std::to_string(p);
            // Characters 5-16; 6-15 are the value column of custom games (0).
            std::string line = std::string(4 - n.size(), '0') + n + " " + encode(padLeft("0", 10)) + " ";
            for (const auto& g : games) {
                auto it = g.params.find(p);
                line += encode(padLeft(std::to_string(it == g.params.end() ? 0 : it->second), 10)) + " ";
            }
            file << line << "\r\n";
        }
        const std::string tmp = out + ".tmp";
        {
            std::ofstream o(tmp, std::ios::binary | std::ios::trunc);
            o << file.str();
            if (!o.flush()) throw Failure{"cannot write " + tmp};
        }
        std::filesystem::rename(tmp, out);
    } catch (const Failure& f) {
        std::cerr << "make-games-dat: " << f.message << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "make-games-dat: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
