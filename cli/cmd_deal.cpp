// tessaro-cli deck --deal D: the deck a deal number builds.
// tessaro-cli deal --deal D: the table the deal lays out, as a pile dump.
#include <ostream>

#include "cli/cli.h"
#include "engine/deal.h"
#include "engine/dump.h"

namespace tessaro::cli {
namespace {

// The engine's information boxes, written to the error stream; counts them so
// that a command can report that the deal did not go as the rules intend.
class StreamDialogs : public Dialogs {
public:
    explicit StreamDialogs(std::ostream& err) : err_(err) {}
    void info(std::string_view text) override {
        err_ << "tessaro-cli: " << text << '\n';
        ++shown_;
    }
    bool confirm(std::string_view text) override {
        info(text);
        return true;
    }
    int shown() const { return shown_; }

private:
    std::ostream& err_;
    int shown_ = 0;
};

// Installs the stream dialogs for the lifetime of a command.
class DialogsScope {
public:
    DialogsScope(Context& ctx, StreamDialogs& d) : ctx_(ctx) { ctx_.dialogs = &d; }
    ~DialogsScope() { ctx_.dialogs = &ctx_.nullDialogs; }
    DialogsScope(const DialogsScope&) = delete;
    DialogsScope& operator=(const DialogsScope&) = delete;

private:
    Context& ctx_;
};

// Takes --deal D, which must be 13 digits, and refuses any other argument.
std::string dealArgument(Options& o) {
    const std::string number = takeOption(o, "--deal");
    if (number.empty()) throw UsageError{"--deal D is required (a 13-digit deal number)"};
    if (!validDealNumber(number)) throw UsageError{"the deal number must be 13 digits, got '" + number + "'"};
    if (!o.args.empty()) throw UsageError{"unexpected argument '" + o.args.front() + "'"};
    return number;
}

int deckCommand(Context& ctx, Options& o, std::ostream& out, std::ostream& err) {
    const std::string number = dealArgument(o);
    prepare(ctx, o);
    StreamDialogs dialogs(err);
    DialogsScope scope(ctx, dialogs);
    ctx.reg.write(reg::DealNumber, number);
    Deck deck;
    const bool ok = buildDeck(ctx, number, deck);
    for (std::size_t i = 0; i < deck.size(); ++i) out << (i ? " " : "") << card3(deck[i]);
    out << '\n';
    return ok && dialogs.shown() == 0 ? 0 : 1;
}

int dealCommand(Context& ctx, Options& o, std::ostream& out, std::ostream& err) {
    const std::string number = dealArgument(o);
    prepareGame(ctx, o, false);
    StreamDialogs dialogs(err);
    DialogsScope scope(ctx, dialogs);
    ctx.piles.clear();
    ctx.cards.reset();
    ctx.reg.write(reg::DealNumber, number);
    const bool complete = deal(ctx);
    out << pileDump(ctx) << "base=";
    for (int p = 51; p <= 66; ++p) out << (p > 51 ? " " : "") << ctx.P[p];
    out << '\n';
    return complete && dialogs.shown() == 0 ? 0 : 1;
}

const Registrar deckRegistrar("deck", deckCommand);
const Registrar dealRegistrar("deal", dealCommand);

}  // namespace
}  // namespace tessaro::cli
