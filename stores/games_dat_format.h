#pragma once
// The layout of the rules file GAMES.DAT, shared by the loader and the
// generator that writes it.
//
// The file is made of lines in sections "[Sect1]" (the catalogue, one encoded
// line per game) and "[Sect2]" (one line per rule parameter: four plain digits
// of the parameter number, then ten-character encoded value columns). Stored
// text is shifted: a stored byte c reads as c - 48 when c is 80 or more and as
// c + 48 otherwise.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::gamesdat {

inline constexpr std::string_view kCatalogueHeader = "[Sect1]";
inline constexpr std::string_view kParametersHeader = "[Sect2]";

/// Width of a value column.
inline constexpr std::size_t kColumnWidth = 10;
/// 0-based offset of the value column of catalogue index k (characters
/// k * 11 + 17 onward, 1-based); index -1 gives the custom-game column at
/// characters 6-15.
inline constexpr std::size_t columnOffset(int k) { return k < 0 ? 5 : static_cast<std::size_t>(k) * 11 + 16; }

inline unsigned char decodeByte(unsigned char stored) {
    return static_cast<unsigned char>(stored >= 80 ? stored - 48 : stored + 48);
}

inline std::string decode(std::string_view stored) {
    std::string out(stored);
    for (auto& c : out) c = static_cast<char>(decodeByte(static_cast<unsigned char>(c)));
    return out;
}

/// True when every byte can be stored: codes 32 to 207 (a blank is stored as
/// "P"); control characters and the highest bytes have no stored form.
inline bool encodable(std::string_view plain) {
    for (unsigned char c : plain)
        if (c < 32 || c > 207) return false;
    return true;
}

/// The stored form of plain text (each byte + 48). Throws
/// std::invalid_argument for text that is not encodable.
inline std::string encode(std::string_view plain) {
    if (!encodable(plain)) throw std::invalid_argument("text holds a byte that GAMES.DAT cannot store");
    std::string out(plain);
    for (auto& c : out) c = static_cast<char>(static_cast<unsigned char>(c) + 48);
    return out;
}

/// A line of a file with its 1-based line number (for messages).
struct NumberedLine {
    int number = 0;
    std::string text;
};

/// The lines of every section whose header line starts with `header` (exact,
/// case-sensitive), in file order; a section ends before the next line that
/// begins with "[".
std::vector<NumberedLine> sectionLines(const std::vector<std::string>& lines, std::string_view header);

}  // namespace tessaro::gamesdat
