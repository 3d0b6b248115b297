#pragma once
// The program names its files relative to the program folder in the Windows
// manner ("DATA\CFG.DAT", "IMAGES\GAME0000.BMP"). These helpers turn such a
// name into a path of this system: "\" separates folders, and where a part of
// the name does not exist as written, an existing entry that differs only in
// the case of its letters is taken instead, so "Data" and "DATA" are one
// folder.
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

/// folder (with or without a trailing "/") joined with the relative name.
/// Parts that exist in neither spelling are kept as written, so the result
/// also names files that are still to be created.
std::string resolvePath(std::string_view folder, std::string_view relative);

/// True when name matches a pattern of "*" (any run) and "?" (one
/// character), letters compared without regard to case.
bool wildcardMatch(std::string_view pattern, std::string_view name);

/// Names of the files in folder that match the pattern, sorted.
std::vector<std::string> matchingFiles(const std::string& folder, std::string_view pattern);

/// True when path names an existing regular file.
bool fileExists(const std::string& path);

/// True when a new file can be created (and removed again) in the folder:
/// proven by making a scratch file, which also sees read-only mounts.
bool canCreateFileIn(const std::string& folder);

/// The per-user folder of the program's writable files, with a trailing "/":
/// "$XDG_DATA_HOME/tessaro/", or "$HOME/.local/share/tessaro/" when that
/// variable is unset, empty or not an absolute path. Empty when neither
/// variable gives an absolute folder.
std::string userDataRoot(const char* xdgDataHome, const char* home);
/// The same from the process environment.
std::string userDataRoot();

/// Where the program's files are.
struct ProgramPlaces {
    /// The folder of the read-only files (rules file, resource library),
    /// with a trailing "/": the executable's own folder when they lie beside
    /// it (a build folder), else the installed data folder.
    std::string programFolder;
    /// The folder that takes the writable files ("Data" and the version
    /// marker), with a trailing "/"; empty when that is the program folder.
    std::string userRoot;
};

/// Decides where the program's files are. The read-only files are looked
/// for beside the executable, then at installedData (relative to the
/// executable's folder, e.g. "../share/tessaro"). An installed program keeps
/// its writable files in userDataRoot; one run from its own folder keeps
/// them there, in "Data" beside the program, as long as that folder can be
/// written, and falls back to userDataRoot only when it cannot.
ProgramPlaces locateProgramPlaces(const std::string& executableFolder, std::string_view installedData,
                                  const std::string& userRoot);

}  // namespace tessaro
