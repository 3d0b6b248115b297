#include "stores/program_folder.h"

#include <filesystem>
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

bool ensureDataFolder(const Register& reg) {
    const std::string dir = programFile(reg, "Data");
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) std::filesystem::create_directory(dir, ec);
    return std::filesystem::is_directory(dir, ec);
}

}  // namespace tessaro
