// tessaro-cli judge CARD PILE [--pile NAME=LINE]... [--counter0 N]: sets up a
// position from pile lines (every other pile empty), sets the stock turn
// counter and prints whether the player may drop CARD, with the run above it
// in its pile, on PILE. The answer is canDropOnPile's.
#include <array>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "cli/pile_arguments.h"
#include "engine/pile_lines.h"
#include "engine/rules.h"

namespace tessaro::cli {
namespace {

// The judge's information boxes ("Error suit - 1") go to the error stream.
class StreamDialogs : public Dialogs {
public:
    explicit StreamDialogs(std::ostream& err) : err_(err) {}
    void info(std::string_view text) override { err_ << "tessaro-cli: " << text << '\n'; }
    bool confirm(std::string_view text) override {
        info(text);
        return true;
    }

private:
    std::ostream& err_;
};

// The drag as the move input begins it: a single card when the card is its
// pile's top, otherwise the run from it to the top.
void beginDrag(Context& ctx, int card) {
    int cards = 1;
    int top = 0;
    for (PileKind kind : {PileKind::Stock, PileKind::Foundation, PileKind::Row, PileKind::Reserve}) {
        const int count = kind == PileKind::Stock        ? kStockPiles
                          : kind == PileKind::Foundation ? kFoundations
                          : kind == PileKind::Row        ? kRows
                                                         : kReserves;
        for (int i = 0; i < count; ++i) {
            const PileRef p{kind, i};
            const std::string& text = ctx.piles.text(p);
            for (std::size_t k = 0; k + 3 <= text.size(); k += 3) {
                if (cardAt(text, k) != card) continue;
                cards = ctx.piles.count(p) - static_cast<int>(k / 3);
                top = ctx.piles.top(p);
            }
        }
    }
    ctx.drag.card = card;
    ctx.drag.singleCard = cards <= 1;
    ctx.drag.runTop = cards > 1 ? top : 0;
}

int judgeCommand(Context& ctx, Options& o, std::ostream& out, std::ostream& err) {
    const std::vector<PileArgument> piles = pileArguments(o);
    const std::string counter = takeOption(o, "--counter0");
    const int stockTurns = counter.empty() ? 0 : parseInt(counter, "--counter0");
    if (o.args.size() < 2) throw UsageError{"judge needs CARD and PILE"};
    if (o.args.size() > 2) throw UsageError{"unexpected argument '" + o.args[2] + "'"};
    const int card = parseInt(o.args[0], "CARD");
    if (!CardTable::valid(card)) throw UsageError{"CARD must be a card number 1-108, got '" + o.args[0] + "'"};
    const std::string target = o.args[1];
    const auto targetPile = pileByName(target);
    if (!targetPile || targetPile->kind == PileKind::Stock)
        throw UsageError{"PILE must be DestN, FilaN or AppoggN, got '" + target + "'"};

    prepare(ctx, o);
    StreamDialogs dialogs(err);
    ctx.dialogs = &dialogs;
    setPosition(ctx, piles);
    ctx.run.setCounter(Counter::StockTurns, stockTurns);
    beginDrag(ctx, card);
    const bool yes = canDropOnPile(ctx, card, target);
    ctx.dialogs = &ctx.nullDialogs;
    out << (yes ? "yes" : "no") << '\n';
    return 0;
}

const Registrar registrar("judge", judgeCommand);

}  // namespace
}  // namespace tessaro::cli
