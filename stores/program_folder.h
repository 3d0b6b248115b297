#pragma once
// The program folder: where the rules file, the resource library and the data
// folder live. The register keeps it at (501, 200) with a trailing separator;
// every file of the program is named relative to it.
#include <string>
#include <string_view>

namespace tessaro {

class Register;

/// Widest program folder the register can hold.
inline constexpr std::size_t kProgramFolderWidth = 200;

/// The folder with exactly one trailing "/".
std::string withTrailingSeparator(std::string_view folder);

/// Empty when the folder can be kept in the register; otherwise the message
/// that refuses it (a longer path would be cut and every file looked up in
/// the wrong place).
std::string programFolderProblem(std::string_view folder);

/// The full path of a file or folder named relative to the program folder
/// ("GAMES.DAT", "DATA\CFG.DAT", "Data"), names matched as the platform's
/// path resolution does.
std::string programFile(const Register& reg, std::string_view relative);

/// Creates the data folder "Data" when no folder of that name (in any case)
/// exists. False when there is still no folder afterwards (something else
/// stands in its place or it cannot be made): every setting and score would
/// then be lost without a word.
bool ensureDataFolder(const Register& reg);

}  // namespace tessaro
