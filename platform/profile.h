#pragma once
// Initialisation (profile) files: "[Section]" headers and "key=value" lines.
// Section and key names match without regard to case; a missing file,
// section or key gives the caller's default; the first write creates the
// file. A write keeps every other line (comments, unknown lines, other
// sections) and replaces the file in one step: the new text goes to a
// temporary file beside it, which is then renamed over the old one, so an
// interrupted write never leaves half a file.
#include <string>
#include <string_view>

namespace tessaro {

class Profile {
public:
    explicit Profile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    /// The value of key in section, blanks around it removed (and one pair of
    /// matching quotes around the whole value); `fallback` when the file,
    /// section or key is missing.
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    /// The value as a decimal integer (or hexadecimal with "0x" or "$");
    /// `fallback` when missing or not a whole number that fits in 32 bits.
    int readInt(std::string_view section, std::string_view key, int fallback) const;

    /// Sets key in section, adding the section and key when they are missing.
    /// False when the file could not be written (the old file stays as it
    /// was), and for names or values that cannot be stored as one entry (line
    /// breaks, "]" in a section name, "=" in a key, empty names).
    bool writeString(std::string_view section, std::string_view key, std::string_view value) const;
    bool writeInt(std::string_view section, std::string_view key, int value) const;

    /// Strict integer conversion used by readInt; false when text is no number.
    static bool parseInt(std::string_view text, int& out);

private:
    std::string path_;
};

}  // namespace tessaro
