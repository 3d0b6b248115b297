// Fuzz target: tessaro-cli's judge, deal and deck command lines, run in
// process against the shipped rules file. The first input byte picks the
// command, the rest are its arguments, one per line (so pile lines, counters,
// deal numbers, --game/--set/--seed values are all fuzzed). A run must end
// with exit status 0, 1 or 2.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        std::filesystem::copy_file(TESSARO_GAMES_DAT, tessaro::fuzz::programFolder() + "GAMES.DAT",
                                   std::filesystem::copy_options::overwrite_existing);
        return true;
    }();
    (void)ready;
    if (size == 0) return 0;
    static const char* const names[] = {"judge", "deal", "deck"};
    std::vector<std::string> args{names[data[0] % 3]};
    std::string current;
    for (size_t i = 1; i < size; ++i) {
        if (data[i] == '\n') {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    if (!current.empty()) args.push_back(current);
    // Keep the program folder: a fuzzed --program-dir would read the
    // machine's files.
    for (const auto& a : args)
        if (a == "--program-dir") return 0;
    std::ostringstream out, err;
    const int status = tessaro::cli::runCommandLine(args, tessaro::fuzz::programFolder(), out, err);
    if (status < 0 || status > 2) std::abort();
    return 0;
}
