// make-games-dat: reads the readable game definitions (data/games/*.game) and
// writes the encoded rules file GAMES.DAT. Bad definitions are refused with
// the file and line; the output file is then left as it was.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "stores/game_definitions.h"

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
        std::sort(inputs.begin(), inputs.end());
        std::vector<tessaro::GameDefinition> games;
        for (const auto& path : inputs) {
            std::string text;
            if (!tessaro::readTextFile(path, text)) throw tessaro::DefinitionError(path + ": cannot read");
            games.push_back(tessaro::parseGameDefinition(text, path));
        }
        if (!tessaro::replaceFile(out, tessaro::writeGamesDat(std::move(games))))
            throw tessaro::DefinitionError("cannot write " + out);
    } catch (const std::exception& e) {
        std::cerr << "make-games-dat: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
