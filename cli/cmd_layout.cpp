// "layout": lays out one game's table for given window measurements with the
// same code the window uses, and prints where every pile lies.
//
//   layout --game N --W w --H h --B b --T t --screen SWxSH
//          [--card B|M|L|F] [--shadow Y|N] [--preview]
//
// W is the usable width (window width less the scroll bar), H the window
// height, B the client bottom, T the top edge below the toolbar. With
// --preview the preview picture's inputs are used instead: W, H = B = h,
// T = 3, and the preview flag is set. Output: one line "NAME x y" per pile on
// the table (table coordinates), then "card=WxH". Messages of the display-size
// check go to stderr as "message: TEXT". --card F lays the table out with the
// largest card that fits the given measurements; "card=" tells which.
#include <algorithm>
#include <ostream>
#include <string>

#include "cli/cli.h"
#include "table/layout.h"

namespace tessaro::cli {
namespace {

class StderrDialogs : public Dialogs {
public:
    explicit StderrDialogs(std::ostream& err) : err_(err) {}
    void info(std::string_view text) override { err_ << "message: " << text << '\n'; }
    bool confirm(std::string_view text) override {
        err_ << "message: " << text << '\n';
        return true;
    }

private:
    std::ostream& err_;
};

int required(Options& o, const std::string& name) {
    const std::string v = takeOption(o, name);
    if (v.empty()) throw UsageError{name + " is required"};
    return parseInt(v, name);
}

bool takeFlag(Options& o, const std::string& name) {
    const auto it = std::find(o.args.begin(), o.args.end(), name);
    if (it == o.args.end()) return false;
    o.args.erase(it);
    return true;
}

int layout(Context& ctx, Options& o, std::ostream& out, std::ostream& err) {
    const bool preview = takeFlag(o, "--preview");
    const int w = required(o, "--W");
    const int h = required(o, "--H");
    const std::string b = takeOption(o, "--B");
    const std::string t = takeOption(o, "--T");
    const std::string screen = takeOption(o, "--screen");
    std::string card = takeOption(o, "--card");
    std::string shadow = takeOption(o, "--shadow");
    expectNoArguments(o);
    if (o.game < 0) throw UsageError{"--game is required"};
    if (!preview && (b.empty() || t.empty())) throw UsageError{"--B and --T are required without --preview"};
    const auto x = screen.find('x');
    if (screen.empty() || x == std::string::npos) throw UsageError{"--screen needs WIDTHxHEIGHT, got '" + screen + "'"};
    const int screenW = parseInt(screen.substr(0, x), "--screen width");
    const int screenH = parseInt(screen.substr(x + 1), "--screen height");
    if (card.empty()) card = "B";
    if (card != "B" && card != "M" && card != "L" && card != "F")
        throw UsageError{"--card must be B, M, L or F, got '" + card + "'"};
    if (shadow.empty()) shadow = "Y";
    if (shadow != "Y" && shadow != "N") throw UsageError{"--shadow must be Y or N, got '" + shadow + "'"};

    prepareGame(ctx, o);
    StderrDialogs dialogs(err);
    ctx.dialogs = &dialogs;
    TableHost host;

    ctx.reg.write(reg::CardSize, card);
    ctx.reg.write(reg::CardsShadowed, shadow);
    setCardSize(ctx, host);
    setShadowDepth(ctx);
    checkDisplaySize(ctx, host, screenW);
    if (ctx.reg.read(reg::CardSize) != card) setCardSize(ctx, host);

    LayoutInputs in;
    if (preview) {
        in = previewInputs(w, h, screenW, screenH);
    } else {
        in.width = w;
        in.height = h;
        in.bottom = parseInt(b, "--B");
        in.top = parseInt(t, "--T");
        in.screenWidth = screenW;
        in.screenHeight = screenH;
    }
    ctx.layout.preview = preview;
    ctx.layout.resetPositions();
    setFanOffsets(ctx);
    layoutTable(ctx, in);

    out << placedPiles(ctx.layout) << "card=" << ctx.layout.cardW << 'x' << ctx.layout.cardH << '\n';
    ctx.dialogs = &ctx.nullDialogs;
    return 0;
}

const Registrar registerLayout("layout", layout);

}  // namespace
}  // namespace tessaro::cli
