#pragma once
// Whole-file text helpers shared by the stores: reading a file, splitting it
// into lines the way the program's text lists do, and replacing a file in one
// step.
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

/// Reads the whole file as bytes; false when it cannot be opened or read.
bool readTextFile(const std::string& path, std::string& out);

/// Splits text into lines: carriage return and line feed, or either alone,
/// end a line. A final line ending does not start another (empty) line.
std::vector<std::string> splitLines(std::string_view text);

/// The line ending a file uses: "\r\n" when its first line ends so, else "\n".
std::string lineEndingOf(std::string_view text);

/// Writes content to a temporary file in the target's folder and renames it
/// over path, so readers see either the old file or the whole new one; the
/// new text is on the disk before the rename publishes it. The
/// folder is created when missing. False (and no temporary file left) when
/// any step fails.
bool replaceFile(const std::string& path, std::string_view content);

/// Writes content to path (created or emptied) and flushes it to the disk;
/// false when any step fails.
bool writeFileDurably(const std::string& path, std::string_view content);

/// Renames from over to and flushes the folder, so the new name survives a
/// crash; false when the rename fails.
bool renameDurably(const std::string& from, const std::string& to);

/// True for the names of the temporary files replaceFile and the score file
/// update write beside their targets (".NAME.*.tmp", "rpl*.tmp").
bool isTemporaryName(std::string_view name);

/// Removes the temporary files a write cut short by the end of the program
/// left in folder; returns how many. Only safe while no other copy of the
/// program writes there.
int removeTemporaryFiles(const std::string& folder);

/// A name for a new temporary file in folder, starting with prefix, that does
/// not exist yet; empty when none could be found.
std::string uniqueTempPath(const std::string& folder, std::string_view prefix);

/// Characters [first, first + count) of a fixed-column record, counted from
/// 1; fewer where the text ends, none when it ends before first.
inline std::string_view textColumn(std::string_view s, std::size_t first, std::size_t count) {
    const std::size_t start = first - 1;
    if (start >= s.size()) return {};
    return s.substr(start, count);
}

/// True when the ASCII letters of a and b are equal without regard to case.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace tessaro
