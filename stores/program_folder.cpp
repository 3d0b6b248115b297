#include "stores/program_folder.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "platform/text_file.h"
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

std::string userFile(const Register& reg, std::string_view relative) {
    const std::string& root = reg.userRoot();
    return resolvePath(root.empty() ? reg.read(reg::ProgramFolder) : root, relative);
}

std::string programFile(const Register& reg, std::string_view relative) {
    // Everything below "Data" is the player's: it goes where the writable
    // files are kept, so every store of the data folder follows the choice.
    const std::size_t end = relative.find_first_of("\\/");
    if (equalsIgnoreCase(relative.substr(0, end), "Data")) return userFile(reg, relative);
    return resolvePath(reg.read(reg::ProgramFolder), relative);
}


DataFolderState prepareDataFolder(const Register& reg) {
    namespace fs = std::filesystem;
    const std::string dir = programFile(reg, "Data");
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) {
        if (fs::exists(fs::symlink_status(dir, ec))) return DataFolderState::NotAFolder;
        if (reg.userRoot().empty()) {
            fs::create_directory(dir, ec);
        } else {
            // The per-user folder and the folders above it are made on the
            // first start, private to the player as the XDG rules ask.
            const bool newRoot = !fs::exists(reg.userRoot(), ec);
            fs::create_directories(dir, ec);
            if (newRoot) fs::permissions(reg.userRoot(), fs::perms::owner_all, fs::perm_options::replace, ec);
            fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace, ec);
        }
        if (!fs::is_directory(dir, ec)) return DataFolderState::CannotCreate;
    }
    return canCreateFileIn(dir) ? DataFolderState::Writable : DataFolderState::ReadOnly;
}

}  // namespace tessaro
