// Fuzz target: the score file DATA/STAT_SCR.DAT. The input is the file; its
// version section is read and the file brought to the current version. After
// an upgrade the file must read as the current version, keep every record
// line (lines starting with "0") in order, and a second upgrade must leave it
// as it is.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/context.h"
#include "fuzz/fuzz_support.h"
#include "platform/text_file.h"
#include "stores/statistics.h"

using namespace tessaro;

namespace {

std::vector<std::string> records(const std::string& text) {
    std::vector<std::string> out;
    for (const auto& line : splitLines(text))
        if (!line.empty() && line.front() == '0' && line.rfind("Version=", 0) != 0) out.push_back(line);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Context* ctx = [] {
        auto* c = new Context;
        c->reg.initialise(fuzz::programFolder());
        return c;
    }();
    const std::string path = fuzz::writeFile("DATA/STAT_SCR.DAT", data, size);
    const std::string old(reinterpret_cast<const char*>(data), size);
    const auto section = readSectionValues(path, "Version", {"Version2", "Version", "Name"}, {"a", "b", "c"});
    if (section.values.size() != 3) std::abort();

    if (!updateScoreFile(*ctx)) {
        std::string now;
        if (!readTextFile(path, now) || now != old) std::abort();  // no upgrade, yet the file changed
        return 0;
    }
    std::string upgraded;
    if (!readTextFile(path, upgraded)) std::abort();
    if (readSectionValues(path, "Version", {"Version"}, {"none"}).values[0] != kScoreFileVersion) std::abort();
    const auto before = records(old);
    const auto after = records(upgraded);
    if (before.size() != after.size()) std::abort();  // a record was lost or made up
    for (std::size_t i = 0; i < before.size(); ++i) {
        // Each record keeps its first 89 characters.
        if (after[i].compare(0, 89, before[i], 0, 89) != 0 && before[i].size() >= 89) std::abort();
        if (before[i].size() < 89 && after[i].compare(0, before[i].size(), before[i]) != 0) std::abort();
    }
    std::string again;
    if (updateScoreFile(*ctx) || !readTextFile(path, again) || again != upgraded) std::abort();
    return 0;
}
