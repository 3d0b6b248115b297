#include "stores/statistics.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "engine/context.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "stores/program_folder.h"
#include "stores/settings.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

SectionValues readSectionValues(const std::string& path, std::string_view section,
                                const std::vector<std::string>& keys, const std::vector<std::string>& defaults) {
    SectionValues out{defaults, false};
    out.values.resize(keys.size());
    std::string text;
    if (!readTextFile(path, text)) return out;
    std::vector<bool> found(keys.size(), false);
    std::size_t missing = keys.size();
    const std::string header = "[" + std::string(section) + "]";
    bool inside = false;
    for (const auto& line : splitLines(text)) {
        if (!inside) {
            inside = startsWith(line, header);
            continue;
        }
        if (!line.empty() && line.front() == '[') break;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (!startsWith(line, keys[i])) continue;
            const auto eq = line.find('=');
            out.values[i] = eq == std::string::npos ? std::string{} : line.substr(eq + 1);
            if (!found[i]) {
                found[i] = true;
                --missing;
            }
            break;
        }
        if (missing == 0) break;
    }
    out.allFound = missing == 0;
    return out;
}

namespace {

// The score file's text at version 0300: the version section first, then
// every other line, record lines starting with "0" padded or cut to 89
// characters and marked " x".
std::string upgradedScores(const std::string& old) {
    const std::string eol = lineEndingOf(old);
    std::string text = "[Version]" + eol + "Version=" + std::string(kScoreFileVersion) + eol + eol;
    for (const auto& line : splitLines(old)) {
        if (startsWith(line, "[Version]") || startsWith(line, "Version=")) continue;
        if (!line.empty() && line.front() == '0') {
            std::string record = line;
            record.resize(89, ' ');
            text += record + " x" + eol;
        } else {
            text += line + eol;
        }
    }
    return text;
}

// Writes the new text to a temporary file beside the score file and renames
// it over the old one in one step, so a failure leaves the old scores in
// place (the old file is never deleted first).
bool replaceScores(Context& ctx, const std::string& path, const std::string& text) {
    const std::string tmp = uniqueTempPath(fs::path(path).parent_path().string(), "rpl");
    std::error_code ec;
    // choice: a temporary file that could not be written in full (and
    // flushed to the disk) never replaces the scores.
    if (tmp.empty() || !writeFileDurably(tmp, text)) {
        if (!tmp.empty()) fs::remove(tmp, ec);
        ctx.dialogs->info("Error creating temp file.");
        return false;
    }
    if (!renameDurably(tmp, path)) {
        std::error_code ignored;
        fs::remove(tmp, ignored);
        ctx.dialogs->info("Error in renaming the file: " + tmp + "\nto: " + path);
        return false;
    }
    return true;
}

}  // namespace

bool updateScoreFile(Context& ctx) {
    const std::string path = programFile(ctx.reg, "DATA\\STAT_SCR.DAT");
    if (!fileExists(path)) return false;
    bool replaced = false;
    const auto version = readSectionValues(path, "Version", {"Version"}, {"0000"}).values[0];
    std::string old;
    // choice: a score file that cannot be read is left as it is rather than
    // ending the start-up.
    if (version < kScoreFileVersion && readTextFile(path, old)) replaced = replaceScores(ctx, path, upgradedScores(old));
    correctSettings(ctx.reg);
    return replaced;
}

bool statisticsPresent(const Register& reg) {
    const std::string data = programFile(reg, "DATA\\");
    if (matchingFiles(data, "Stat_e*.dat").empty()) {
        std::error_code ec;
        fs::remove(resolvePath(data, "Series_e01.dat"), ec);
        return false;
    }
    for (int n = 0; n < 100; ++n)
        if (fileExists(resolvePath(data, "Stat_e" + twoDigits(n) + ".dat"))) return true;
    return false;
}

}  // namespace tessaro
