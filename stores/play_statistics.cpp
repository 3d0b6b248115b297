#include "stores/play_statistics.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "platform/paths.h"
#include "platform/text_file.h"
#include "stores/program_folder.h"

namespace tessaro {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHeader = "Tessaro statistics 1";

// One game's line: the number, then the counts in a fixed order.
std::string lineOf(int game, const GameStatistics& s) {
    std::ostringstream out;
    out << game << ' ' << s.played << ' ' << s.won << ' ' << s.lost << ' ' << (s.hasScore ? 1 : 0) << ' '
        << s.bestScore << ' ' << s.bestTime << ' ' << s.streak << ' ' << s.longestStreak;
    return out.str();
}

// Reads one game's line; false when it is not one this program wrote.
bool parseLine(const std::string& line, int& game, GameStatistics& s) {
    std::istringstream in(line);
    int hasScore = 0;
    if (!(in >> game >> s.played >> s.won >> s.lost >> hasScore >> s.bestScore >> s.bestTime >> s.streak >>
          s.longestStreak))
        return false;
    std::string rest;
    if (in >> rest) return false;
    s.hasScore = hasScore == 1;
    // Counts that cannot belong together mean the file is damaged.
    return game >= 0 && game <= 9999 && (hasScore == 0 || hasScore == 1) && s.won >= 0 && s.lost >= 0 &&
           s.played == s.won + s.lost && s.bestTime >= -1 && s.streak >= 0 && s.streak <= s.won &&
           s.longestStreak >= s.streak && s.longestStreak <= s.won;
}

}  // namespace

std::string PlayStatistics::defaultPath(const Register& reg) {
    return programFile(reg, "DATA\\Tessaro_Statistics.txt");
}

StatisticsLoad PlayStatistics::load() {
    games_.clear();
    keptAside_.clear();
    std::string text;
    if (!fileExists(path_)) return StatisticsLoad::Missing;
    bool good = readTextFile(path_, text);
    std::map<int, GameStatistics> read;
    if (good) {
        const auto lines = splitLines(text);
        good = !lines.empty() && lines.front() == kHeader;
        for (std::size_t i = 1; good && i < lines.size(); ++i) {
            if (lines[i].empty()) continue;
            int game = 0;
            GameStatistics s;
            good = parseLine(lines[i], game, s) && read.emplace(game, s).second;
        }
    }
    if (good) {
        games_ = std::move(read);
        return StatisticsLoad::Read;
    }
    // choice: a damaged file is never overwritten; it goes aside for the
    // player to look at and the counts start again.
    std::error_code ec;
    for (int n = 1; n < 1000; ++n) {
        const std::string aside = path_ + ".damaged" + (n == 1 ? std::string() : std::to_string(n));
        if (fs::exists(aside, ec)) continue;
        fs::rename(path_, aside, ec);
        if (!ec) keptAside_ = aside;
        break;
    }
    return StatisticsLoad::KeptAside;
}

bool PlayStatistics::save() const {
    std::string text = std::string(kHeader) + "\n";
    for (const auto& [game, s] : games_) text += lineOf(game, s) + "\n";
    return replaceFile(path_, text);
}

void PlayStatistics::record(int game, bool won, int score, long seconds) {
    GameStatistics& s = games_[game];
    ++s.played;
    if (won) {
        ++s.won;
        ++s.streak;
        s.longestStreak = std::max(s.longestStreak, s.streak);
        if (seconds >= 0 && (s.bestTime < 0 || seconds < s.bestTime)) s.bestTime = seconds;
    } else {
        ++s.lost;
        s.streak = 0;
    }
    if (!s.hasScore || score > s.bestScore) s.bestScore = score;
    s.hasScore = true;
}

GameStatistics PlayStatistics::of(int game) const {
    const auto it = games_.find(game);
    return it == games_.end() ? GameStatistics{} : it->second;
}

}  // namespace tessaro
