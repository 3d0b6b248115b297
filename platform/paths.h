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

}  // namespace tessaro
