#pragma once
// A fresh folder under the system's temporary folder for one test, removed
// with everything in it when the test ends.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::test {

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        for (;;) {
            std::ostringstream name;
            name << "tessaro-test-" << std::hex << rd() << rd();
            path_ = std::filesystem::temp_directory_path() / name.str();
            if (std::filesystem::create_directory(path_)) break;
        }
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    /// The folder with a trailing "/", as the register keeps a program folder.
    std::string folder() const { return path_.string() + "/"; }
    std::filesystem::path path(std::string_view relative = {}) const {
        return relative.empty() ? path_ : path_ / std::string(relative);
    }

    /// Writes a file (bytes as given), creating folders on the way.
    void write(std::string_view relative, std::string_view content) const {
        const auto p = path(relative);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    /// The bytes of a file; empty when it does not exist.
    std::string read(std::string_view relative) const {
        std::ifstream in(path(relative), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool exists(std::string_view relative) const { return std::filesystem::exists(path(relative)); }
    /// Names of the entries in a folder, sorted.
    std::string listing(std::string_view relative = {}) const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path(relative))) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        std::string out;
        for (const auto& n : names) out += (out.empty() ? "" : " ") + n;
        return out;
    }

private:
    std::filesystem::path path_;
};

}  // namespace tessaro::test
