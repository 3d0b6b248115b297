#include "platform/profile.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/text_file.h"

namespace tessaro {

namespace {

std::string_view trim(std::string_view s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

// The section a header line names, or nothing when the line is no header.
std::optional<std::string_view> headerName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    const auto close = line.find(']');
    return trim(close == std::string_view::npos ? line : line.substr(0, close));
}

// Splits a key line; false for comments, blank lines and lines without "=".
bool keyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return false;
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    key = trim(t.substr(0, eq));
    value = trim(t.substr(eq + 1));
    return true;
}

struct Located {
    bool sectionFound = false;
    std::size_t sectionLine = 0;   // the header line
    std::size_t lastContent = 0;   // last non-blank line of the section
    std::optional<std::size_t> keyLineIndex;
};

// Finds the first section named `section` and, inside it, the first `key`.
Located locate(const std::vector<std::string>& lines, std::string_view section, std::string_view key) {
    Located at;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = headerName(lines[i])) {
            if (inside) break;
            if (equalsIgnoreCase(*name, section)) {
                inside = true;
                at.sectionFound = true;
                at.sectionLine = at.lastContent = i;
            }
            continue;
        }
        if (!inside) continue;
        if (!trim(lines[i]).empty()) at.lastContent = i;
        std::string_view k, v;
        if (!at.keyLineIndex && keyLine(lines[i], k, v) && equalsIgnoreCase(k, key)) at.keyLineIndex = i;
    }
    return at;
}

}  // namespace

std::string Profile::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
    // Names in the file are read without the blanks around them; so are the
    // names asked for, or " Key" could be written but never read.
    section = trim(section);
    key = trim(key);
    std::string text;
    if (!readTextFile(path_, text)) return std::string(fallback);
    const auto lines = splitLines(text);
    const Located at = locate(lines, section, key);
    if (!at.keyLineIndex) return std::string(fallback);
    std::string_view k, v;
    keyLine(lines[*at.keyLineIndex], k, v);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    return std::string(v);
}

bool Profile::parseInt(std::string_view text, int& out) {
    text = trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    std::uint64_t magnitude = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc{} || ptr != text.data() + text.size()) return false;
    if (base == 16) {
        // Hexadecimal texts name the 32 bits of the value (8000000F is negative).
        if (magnitude > 0xFFFFFFFFull) return false;
        const auto bits = static_cast<std::uint32_t>(magnitude);
        const auto value = static_cast<std::int32_t>(bits);
        if (negative && value == INT32_MIN) return false;
        out = negative ? -value : value;
        return true;
    }
    if (negative ? magnitude > 2147483648ull : magnitude > 2147483647ull) return false;
    out = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
    return true;
}

int Profile::readInt(std::string_view section, std::string_view key, int fallback) const {
    const std::string text = readString(section, key, "");
    int value = 0;
    return parseInt(text, value) ? value : fallback;
}

bool Profile::writeString(std::string_view section, std::string_view key, std::string_view value) const {
    // A line break in any part, a "]" in the section name, or a key that would
    // read back as something else would let one write add or change other
    // entries: such writes are refused.
    const auto breaks = [](std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; };
    if (breaks(section) || breaks(key) || breaks(value) || section.find(']') != std::string_view::npos ||
        trim(section).empty() || trim(key).empty() || key.find('=') != std::string_view::npos ||
        trim(key).front() == ';' || trim(key).front() == '[')
        return false;
    section = trim(section);
    key = trim(key);
    std::string text;
    const bool existed = readTextFile(path_, text);
    // choice: a new file gets this system's line feeds; an existing one keeps
    // the line endings it has.
    const std::string eol = existed ? lineEndingOf(text) : std::string("\n");
    std::vector<std::string> lines = splitLines(text);
    const std::string entry = std::string(key) + "=" + std::string(value);
    const Located at = locate(lines, section, key);
    if (at.keyLineIndex) {
        lines[*at.keyLineIndex] = entry;
    } else if (at.sectionFound) {
        lines.insert(lines.begin() + static_cast<long>(at.lastContent + 1), entry);
    } else {
        if (!lines.empty() && !trim(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    }
    std::string out;
    for (const auto& l : lines) out += l + eol;
    return replaceFile(path_, out);
}

bool Profile::writeInt(std::string_view section, std::string_view key, int value) const {
    return writeString(section, key, std::to_string(value));
}

}  // namespace tessaro
