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
/// path resolution does. Names below "Data" lie where userFile puts them.
std::string programFile(const Register& reg, std::string_view relative);

/// The full path of one of the program's writable files: relative to the
/// register's user folder when it has one (an installed program), else to
/// the program folder.
std::string userFile(const Register& reg, std::string_view relative);

/// What stands at the data folder's place and whether files can be made in it.
enum class DataFolderState {
    Writable,      // a folder in which a file could be created and removed
    NotAFolder,    // something other than a folder has the name
    CannotCreate,  // no folder and none could be made (read-only program folder)
    ReadOnly,      // a folder, but no file can be created in it
};

/// Makes the data folder when it is missing and proves it writable by
/// creating and removing a scratch file in it. Settings and scores are only
/// ever saved there, so a folder that cannot take a file would lose them all.
DataFolderState prepareDataFolder(const Register& reg);

}  // namespace tessaro
