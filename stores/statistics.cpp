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

bool updateScoreFile(Context& ctx) {
    const std::string path = programFile(ctx.reg, "DATA\\STAT_SCR.DAT");
    if (!fileExists(path)) return false;
    bool replaced = false;
    const auto version = readSectionValues(path, "Version", {"Version"}, {"0000"}).values[0];
    if (version < kScoreFileVersion) {
        std::string old;
        if (!readTextFile(path, old)) throw std::runtime_error("cannot read " + path);
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
        const std::string folder = fs::path(path).parent_path().string();
        const std::string tmp = uniqueTempPath(folder, "rpl");
        std::ofstream out;
        if (!tmp.empty()) out.open(tmp, std::ios::binary | std::ios::trunc);
        if (!out) {
            ctx.dialogs->info("Error creating temp file.");
        } else {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            out.close();
            std::error_code ec;
            if (!out) {
                // choice: a temporary file that could not be written in full
                // never replaces the scores.
                fs::remove(tmp, ec);
                ctx.dialogs->info("Error creating temp file.");
            } else {
                // The new content is renamed over the old file in one step, so
                // a failure leaves the old scores in place.
                fs::rename(tmp, path, ec);
                if (ec) {
                    std::error_code ignored;
                    fs::remove(tmp, ignored);
                    ctx.dialogs->info("Error in renaming the file: " + tmp + "\nto: " + path);
                } else {
                    replaced = true;
                }
            }
        }
    }
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
