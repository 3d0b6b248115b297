#pragma once
// The position history: before each executed move the whole table is recorded
// as 69 pile lines (3 stock piles, 16 foundations, 40 rows, 10 reserve cells),
// one line per pile in four lists, with one move-log entry per record.
#include <string>
#include <vector>

namespace tessaro {

struct Context;

/// What a record keeps beside its pile lines, so that taking a move back
/// also restores the score and the stock counters.
struct RecordState {
    std::string score;   ///< the score field as it was shown
    int redeals = 0;     ///< times the stock had been formed again
    int stockTurns = 0;  ///< the run state's stock turn counter
    int moves = 0;       ///< moves made (the first-move rules read it)
    int action = 0;      ///< the player action that pushed the record
};

/// One side of the history (undo or redo).
struct HistorySide {
    std::vector<std::string> stock;        ///< 3 lines per record
    std::vector<std::string> foundations;  ///< 16 lines per record
    std::vector<std::string> rows;         ///< 40 lines per record
    std::vector<std::string> reserves;     ///< 10 lines per record
    std::string log;                       ///< entries separated by ","
    std::vector<RecordState> states;       ///< 1 per record

    /// Number of complete records held.
    int records() const { return static_cast<int>(stock.size() / 3); }
    void clear();
};

struct History {
    HistorySide undo;
    HistorySide redo;
    int nextEntry = 1;  ///< number written into the move log for the next record
    int action = 0;     ///< number of the player action now running (undo takes back one action)
    int dealAction = 0;        ///< the action of the deal: its records are not the player's
    bool playerMoved = false;  ///< a player action has changed the table since the deal
};

/// The pile line of a pile text: per card the three digits and its face flag;
/// a gap (any number below 1) is "0000".
std::string pileLine(const Context& ctx, const std::string& pile);

/// Appends the current position to the undo side.
void pushHistory(Context& ctx);
/// Appends the current position to one side as one record of its own action.
void appendPosition(Context& ctx, HistorySide& side);
/// A new player action begins (a press, a release, a double click): the
/// records it pushes are taken back together.
void beginAction(Context& ctx);
/// Empties the redo side and its move log.
void clearRedo(Context& ctx);
/// Removes the newest n records of the undo side. With `allowed` false it
/// shows "Del Lines" and does nothing.
void dropLastRecords(Context& ctx, int n, bool allowed = true);
/// Removes the n records that precede the newest, keeping the newest.
void dropRecordBeforeLast(Context& ctx, int n, bool allowed = true);
/// Removes `records` records of one side ending `recordsFromEnd` records
/// before its newest, with their move-log entries.
void eraseFromSide(HistorySide& side, int records, int recordsFromEnd);
/// Empties both sides (new game).
void clearHistory(Context& ctx);

}  // namespace tessaro
