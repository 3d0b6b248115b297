#include "platform/paths.h"

#include <algorithm>
#include <filesystem>
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

}  // namespace tessaro
