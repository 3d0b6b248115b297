#include "stores/program_folder.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <cerrno>
#include <system_error>

#include "platform/paths.h"
#include "stores/register.h"

namespace tessaro {

std::string withTrailingSeparator(std::string_view folder) {
    if (folder.empty()) return "./";  // the current folder, never the root
    std::string out(folder);
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    if (out.empty() || out.back() != '/') out += '/';
    return out;
}

std::string programFolderProblem(std::string_view folder) {
    if (folder.size() <= kProgramFolderWidth) return {};
    return "The program folder path is longer than " + std::to_string(kProgramFolderWidth) +
           " characters (" + std::to_string(folder.size()) +
           "). Move Tessaro to a folder with a shorter path: " + std::string(folder);
}

std::string programFile(const Register& reg, std::string_view relative) {
    return resolvePath(reg.read(reg::ProgramFolder), relative);
}

namespace {

// Creates a file that did not exist ("x": never opens one of the player's
// files), writes a byte to it, and removes it again.
bool canCreateFileIn(const std::filesystem::path& dir) {
    std::random_device rd;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::filesystem::path probe = dir / ("~write-test-" + std::to_string(rd()) + ".tmp");
        std::FILE* f = std::fopen(probe.c_str(), "wbx");
        if (!f) {
            if (errno == EEXIST) continue;
            return false;
        }
        const bool written = std::fputc('Y', f) != EOF;
        const bool closed = std::fclose(f) == 0;
        std::error_code ec;
        std::filesystem::remove(probe, ec);
        return written && closed;
    }
    return false;
}

}  // namespace

DataFolderState prepareDataFolder(const Register& reg) {
    const std::string dir = programFile(reg, "Data");
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) {
        if (std::filesystem::exists(std::filesystem::symlink_status(dir, ec))) return DataFolderState::NotAFolder;
        std::filesystem::create_directory(dir, ec);
        if (!std::filesystem::is_directory(dir, ec)) return DataFolderState::CannotCreate;
    }
    return canCreateFileIn(dir) ? DataFolderState::Writable : DataFolderState::ReadOnly;
}

}  // namespace tessaro
