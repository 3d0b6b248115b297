#include "platform/text_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace tessaro {

namespace fs = std::filesystem;

bool readTextFile(const std::string& path, std::string& out) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad()) return false;
    out = std::move(buf).str();
    return true;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string lineEndingOf(std::string_view text) {
    const auto nl = text.find_first_of("\r\n");
    if (nl != std::string_view::npos && text[nl] == '\r' && nl + 1 < text.size() && text[nl + 1] == '\n') return "\r\n";
    return "\n";
}

std::string uniqueTempPath(const std::string& folder, std::string_view prefix) {
    // choice: the name mixes the clock and a counter; creation is then checked
    // by the caller opening the file, and a clash only costs another try.
    static std::atomic<unsigned> counter{0};
    const auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    fs::path dir(folder.empty() ? "." : folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << prefix << std::hex << ((stamp >> 4) & 0xFFFFFu) << '_' << counter++ << ".tmp";
        fs::path candidate = dir / name.str();
        std::error_code ec;
        if (!fs::exists(candidate, ec) && !ec) return candidate.string();
    }
    return {};
}

bool writeFileDurably(const std::string& path, std::string_view content) {
    // choice: the file is written through the system's own calls so that it
    // can be flushed to the disk before anyone renames it into place; a
    // rename published before the data is on the disk can leave an empty
    // file after a crash or power cut.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const char* data = content.data();
    std::size_t left = content.size();
    bool ok = true;
    while (ok && left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else {
            data += n;
            left -= static_cast<std::size_t>(n);
        }
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    return ok;
}

bool renameDurably(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) return false;
    // The folder holds the new name: flushing it makes the rename itself last.
    std::string dir = fs::path(to).parent_path().string();
    if (dir.empty()) dir = ".";
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return true;
}

bool replaceFile(const std::string& path, std::string_view content) {
    const fs::path target(path);
    fs::path dir = target.parent_path();
    std::error_code ec;
    if (!dir.empty() && !fs::is_directory(dir, ec)) {
        fs::create_directories(dir, ec);
        if (ec) return false;
    }
    const std::string tmp = uniqueTempPath(dir.empty() ? "." : dir.string(), "." + target.filename().string() + ".");
    if (tmp.empty()) return false;
    if (!writeFileDurably(tmp, content) || !renameDurably(tmp, path)) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

bool isTemporaryName(std::string_view name) {
    const auto endsWith = [&](std::string_view s) {
        return name.size() >= s.size() && name.substr(name.size() - s.size()) == s;
    };
    if (!endsWith(".tmp")) return false;
    return (name.size() > 5 && name.front() == '.') || name.substr(0, 3) == "rpl";
}

int removeTemporaryFiles(const std::string& folder) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fe;
        if (!it->is_regular_file(fe) || !isTemporaryName(it->path().filename().string())) continue;
        if (fs::remove(it->path(), fe)) ++removed;
    }
    return removed;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace tessaro
