#pragma once
// The position history: before each executed move the whole table is recorded
// as 69 pile lines (3 stock piles, 16 foundations, 40 rows, 10 reserve cells),
// one line per pile in four lists, with one move-log entry per record.
#include <string>
#include <vector>

namespace tessaro {

struct Context;

/// One side of the history (undo or redo).
struct HistorySide {
    std::vector<std::string> stock;        ///< 3 lines per record
    std::vector<std::string> foundations;  ///< 16 lines per record
    std::vector<std::string> rows;         ///< 40 lines per record
    std::vector<std::string> reserves;     ///< 10 lines per record
    std::string log;                       ///< entries separated by ","

    /// Number of complete records held.
    int records() const { return static_cast<int>(stock.size() / 3); }
    void clear();
};

struct History {
    HistorySide undo;
    HistorySide redo;
    int nextEntry = 1;  ///< number written into the move log for the next record
};

/// The pile line of a pile text: per card the three digits and its face flag;
/// a gap (any number below 1) is "0000".
std::string pileLine(const Context& ctx, const std::string& pile);

/// Appends the current position to the undo side.
void pushHistory(Context& ctx);
/// Empties the redo side and its move log.
void clearRedo(Context& ctx);
/// Removes the newest n records of the undo side. With `allowed` false it
/// shows "Del Lines" and does nothing.
void dropLastRecords(Context& ctx, int n, bool allowed = true);
/// Removes the n records that precede the newest, keeping the newest.
void dropRecordBeforeLast(Context& ctx, int n, bool allowed = true);
/// Empties both sides (new game).
void clearHistory(Context& ctx);

}  // namespace tessaro
