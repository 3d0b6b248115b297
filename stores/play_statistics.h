#pragma once
// The player's statistics per game, kept in this program's own file in the
// data folder ("Tessaro_Statistics.txt"): one line per game with its counts.
// The file is replaced in one rename; a file that cannot be read is kept
// aside under a new name and the statistics start afresh.
#include <map>
#include <string>

namespace tessaro {

class Register;

/// The counts of one game.
struct GameStatistics {
    int played = 0;
    int won = 0;
    int lost = 0;
    bool hasScore = false;
    int bestScore = 0;     ///< highest final score (valid when hasScore)
    long bestTime = -1;    ///< fewest seconds of a won game; -1 before the first win
    int streak = 0;        ///< games won in a row, up to the last one
    int longestStreak = 0;
    /// Won games in percent of the games played, rounded; 0 before any game.
    int winRate() const { return played == 0 ? 0 : (won * 200 + played) / (played * 2); }
};

/// How the file was found when it was read.
enum class StatisticsLoad { Missing, Read, KeptAside };

class PlayStatistics {
public:
    /// The statistics file of the data folder.
    static std::string defaultPath(const Register& reg);

    explicit PlayStatistics(std::string path) : path_(std::move(path)) {}

    /// Reads the file. A damaged file is renamed to the first free
    /// "NAME.damaged", "NAME.damaged2", ... and every count starts at zero.
    StatisticsLoad load();
    /// Writes every game's counts; false when the file could not be replaced.
    bool save() const;

    /// Counts a finished game: won or lost, its final score and its seconds.
    void record(int game, bool won, int score, long seconds);
    /// Sets a game's counts back to zero.
    void reset(int game) { games_.erase(game); }

    /// A game's counts (zero when it has none).
    GameStatistics of(int game) const;
    const std::map<int, GameStatistics>& games() const { return games_; }
    const std::string& path() const { return path_; }
    /// Where a damaged file was put by the last load (empty when none).
    const std::string& keptAside() const { return keptAside_; }

private:
    std::string path_;
    std::string keptAside_;
    std::map<int, GameStatistics> games_;
};

}  // namespace tessaro
