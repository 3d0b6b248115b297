#include "engine/history.h"

#include "engine/context.h"

namespace tessaro {

namespace {

constexpr int kLinesPerRecord = kStockPiles + kFoundations + kRows + kReserves;

// Splits a move log into its entries.
std::vector<std::string> entries(const std::string& log) {
    std::vector<std::string> out;
    if (log.empty()) return out;
    std::size_t from = 0;
    for (;;) {
        const auto comma = log.find(',', from);
        out.push_back(log.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
        if (comma == std::string::npos) break;
        from = comma + 1;
    }
    return out;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i) out += ',';
        out += parts[i];
    }
    return out;
}

// Erases `records` records of `perRecord` lines ending `recordsFromEnd`
// records before the end of the list; what is not there is not removed.
template <typename Item>
void eraseRecords(std::vector<Item>& list, int perRecord, int records, int recordsFromEnd) {
    const long total = static_cast<long>(list.size());
    long end = total - static_cast<long>(recordsFromEnd) * perRecord;
    if (end < 0) end = 0;
    long begin = end - static_cast<long>(records) * perRecord;
    if (begin < 0) begin = 0;
    list.erase(list.begin() + begin, list.begin() + end);
}

}  // namespace

void eraseFromSide(HistorySide& side, int records, int recordsFromEnd) {
    eraseRecords(side.stock, kStockPiles, records, recordsFromEnd);
    eraseRecords(side.foundations, kFoundations, records, recordsFromEnd);
    eraseRecords(side.rows, kRows, records, recordsFromEnd);
    eraseRecords(side.reserves, kReserves, records, recordsFromEnd);
    eraseRecords(side.states, 1, records, recordsFromEnd);
    // One log entry per removed record, taken from the same place.
    auto e = entries(side.log);
    for (int i = 0; i < records; ++i) {
        const long at = static_cast<long>(e.size()) - 1 - recordsFromEnd;
        if (at < 0) break;
        e.erase(e.begin() + at);
    }
    side.log = joined(e);
}

void HistorySide::clear() {
    stock.clear();
    foundations.clear();
    rows.clear();
    reserves.clear();
    log.clear();
    states.clear();
}

std::string pileLine(const Context& ctx, const std::string& pile) {
    std::string line;
    line.reserve(pile.size() / 3 * 4);
    for (std::size_t i = 0; i + 3 <= pile.size(); i += 3) {
        const int card = cardAt(pile, i);
        if (card < 1) {
            line += "0000";
            continue;
        }
        line.append(pile, i, 3);
        line += ctx.cards.faceDown(card) ? '0' : '1';
    }
    return line;
}

void pushHistory(Context& ctx) { appendPosition(ctx, ctx.history.undo); }

void beginAction(Context& ctx) { ++ctx.history.action; }

void appendPosition(Context& ctx, HistorySide& u) {
    for (int i = 0; i < kStockPiles; ++i) u.stock.push_back(pileLine(ctx, ctx.piles.stock(i)));
    // The selection games keep their selection list in Dest1; it is not a position.
    const bool selectionList = ctx.P[39] != 0 || ctx.P[50] == 3 || ctx.P[50] == 4;
    for (int i = 0; i < kFoundations; ++i)
        u.foundations.push_back(i == 0 && selectionList ? std::string() : pileLine(ctx, ctx.piles.dest(i)));
    for (int i = 0; i < kRows; ++i) u.rows.push_back(pileLine(ctx, ctx.piles.fila(i)));
    for (int i = 0; i < kReserves; ++i) u.reserves.push_back(pileLine(ctx, ctx.piles.appogg(i)));
    if (!u.log.empty()) u.log += ',';
    u.log += std::to_string(ctx.history.nextEntry++);
    u.states.push_back(RecordState{ctx.reg.read(reg::Score), ctx.mainGame.redeals,
                                   ctx.run.counter(Counter::StockTurns), ctx.mainGame.moves, ctx.history.action});
    if (&u == &ctx.history.undo && ctx.history.action != ctx.history.dealAction) ctx.history.playerMoved = true;
    ctx.shell->undoStateChanged();
}

void clearRedo(Context& ctx) {
    ctx.history.redo.clear();
    ctx.shell->undoStateChanged();
}

void dropLastRecords(Context& ctx, int n, bool allowed) {
    if (!allowed) {
        ctx.dialogs->info("Del Lines");
        return;
    }
    if (n > 0) eraseFromSide(ctx.history.undo, n, 0);
    ctx.shell->undoStateChanged();
}

void dropRecordBeforeLast(Context& ctx, int n, bool allowed) {
    if (!allowed) {
        ctx.dialogs->info("Del Lines");
        return;
    }
    if (n > 0 && ctx.history.undo.records() > 0) eraseFromSide(ctx.history.undo, n, 1);
    ctx.shell->undoStateChanged();
}

void clearHistory(Context& ctx) {
    ctx.history.undo.clear();
    ctx.history.redo.clear();
    ctx.history.nextEntry = 1;
    ctx.shell->undoStateChanged();
}

static_assert(kLinesPerRecord == 69, "a position is 69 pile lines");

}  // namespace tessaro
