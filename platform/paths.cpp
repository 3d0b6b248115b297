#include "platform/paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/text_file.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

// An entry of dir whose name equals part without regard to case (the first
// in name order, so the choice does not depend on the directory's order).
std::string caseInsensitiveEntry(const fs::path& dir, std::string_view part) {
    std::error_code ec;
    std::vector<std::string> hits;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (equalsIgnoreCase(name, part)) hits.push_back(name);
    }
    if (hits.empty()) return {};
    return *std::min_element(hits.begin(), hits.end());
}

}  // namespace

std::string resolvePath(std::string_view folder, std::string_view relative) {
    fs::path current(folder.empty() ? std::string(".") : std::string(folder));
    bool exists = true;  // while the path so far exists, look for other spellings
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = relative.size();
        const std::string_view part = relative.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        fs::path next = current / std::string(part);
        std::error_code ec;
        if (exists && !fs::exists(next, ec)) {
            const std::string other = caseInsensitiveEntry(current, part);
            if (!other.empty()) next = current / other;
            else exists = false;
        }
        current = std::move(next);
    }
    std::string out = current.string();
    // A name ending in a separator names a folder: keep the separator.
    if (!relative.empty() && (relative.back() == '\\' || relative.back() == '/') && out.back() != '/') out += '/';
    return out;
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || equalsIgnoreCase(pattern.substr(p, 1), name.substr(n, 1)))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string> matchingFiles(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fe;
        if (!it->is_regular_file(fe)) continue;
        const std::string name = it->path().filename().string();
        if (wildcardMatch(pattern, name)) out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool canCreateFileIn(const std::string& folder) {
    // "x": the scratch file never opens one of the player's files.
    std::random_device rd;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const fs::path probe = fs::path(folder) / ("~write-test-" + std::to_string(rd()) + ".tmp");
        std::FILE* f = std::fopen(probe.c_str(), "wbx");
        if (!f) {
            if (errno == EEXIST) continue;
            return false;
        }
        const bool written = std::fputc('Y', f) != EOF;
        const bool closed = std::fclose(f) == 0;
        std::error_code ec;
        fs::remove(probe, ec);
        return written && closed;
    }
    return false;
}

namespace {

std::string asFolder(fs::path p) {
    std::string out = p.lexically_normal().string();
    if (out.empty() || out.back() != '/') out += '/';
    return out;
}

}  // namespace

std::string userDataRoot(const char* xdgDataHome, const char* home) {
    // Relative values are to be ignored, as the XDG base directory rules say.
    if (xdgDataHome && xdgDataHome[0] == '/') return asFolder(fs::path(xdgDataHome) / "tessaro");
    if (home && home[0] == '/') return asFolder(fs::path(home) / ".local/share/tessaro");
    return {};
}

std::string userDataRoot() { return userDataRoot(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")); }

ProgramPlaces locateProgramPlaces(const std::string& executableFolder, std::string_view installedData,
                                  const std::string& userRoot) {
    ProgramPlaces places;
    const std::string beside = asFolder(executableFolder.empty() ? fs::path(".") : fs::path(executableFolder));
    const bool installed = !fileExists(resolvePath(beside, "GAMES.DAT")) && !installedData.empty() &&
                           fileExists(resolvePath(asFolder(fs::path(beside) / installedData), "GAMES.DAT"));
    if (installed) {
        places.programFolder = asFolder(fs::path(beside) / installedData);
        // choice: an installed program never writes beside its data, not even
        // when run by a user who could (root): that folder belongs to the
        // package manager, and removing the package must remove it whole.
        places.userRoot = userRoot;
        return places;
    }
    places.programFolder = beside;
    // A folder the program runs from keeps its data as it always did, so
    // nothing a player already has moves.
    std::error_code ec;
    const std::string data = resolvePath(beside, "Data");
    const bool keepBeside = fs::is_directory(data, ec) ? canCreateFileIn(data) : canCreateFileIn(beside);
    if (!keepBeside) places.userRoot = userRoot;
    return places;
}

}  // namespace tessaro
