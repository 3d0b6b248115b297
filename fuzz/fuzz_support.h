#pragma once
// Shared by the fuzz targets: one private folder per process that stands in
// for the program folder, and writing the input bytes into a file in it.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tessaro::fuzz {

/// The process's own program folder (with a DATA folder), made on first use
/// under $TMPDIR (or /tmp); it ends with a separator.
inline const std::string& programFolder() {
    static const std::string folder = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tessaro-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            pattern = "/tmp/tessaro-fuzz-XXXXXX";
            if (!mkdtemp(pattern.data())) std::abort();
        }
        std::filesystem::create_directories(pattern + "/DATA");
        return pattern + "/";
    }();
    // The folder goes when the run ends normally (a crash leaves it to look at).
    static const bool cleanup = std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(programFolder(), ec);
    }) == 0;
    (void)cleanup;
    return folder;
}

/// Writes bytes to a file of the program folder (relative name with "/").
inline std::string writeFile(const std::string& relative, const uint8_t* data, size_t size) {
    const std::string path = programFolder() + relative;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) std::abort();
    return path;
}

inline void removeFile(const std::string& relative) {
    std::error_code ec;
    std::filesystem::remove(programFolder() + relative, ec);
}

}  // namespace tessaro::fuzz
