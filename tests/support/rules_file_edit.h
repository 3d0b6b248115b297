#pragma once
// Changing one value of a rules file's text in place, for tests that need a
// game with a value no shipped game has.
#include <cstdio>
#include <string>

#include "stores/games_dat_format.h"

namespace tessaro::test {

/// `file` with the value of parameter `parameter` in the column of catalogue
/// index `k` replaced by `value`. The file must hold the line.
inline std::string withRuleValue(const std::string& file, int k, int parameter, int value) {
    char number[5];
    std::snprintf(number, sizeof number, "%04d", parameter);
    std::string plain = std::to_string(value);
    plain.resize(gamesdat::kColumnWidth, ' ');
    std::string out = file;
    const std::size_t line = out.find(std::string("\n") + number);
    if (line == std::string::npos) return out;
    out.replace(line + 1 + gamesdat::columnOffset(k), gamesdat::kColumnWidth, gamesdat::encode(plain));
    return out;
}

}  // namespace tessaro::test
