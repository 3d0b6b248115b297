// tessaro-cli play: deals one game and plays it from commands on stdin, one per
// line, answering each on stdout. Moves go through the same move input, judge
// and executor as the mouse; nothing is drawn, waited for or played.
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/play_setup.h"
#include "engine/autoplay.h"
#include "engine/clock.h"
#include "engine/dump.h"
#include "engine/input.h"
#include "engine/player_actions.h"
#include "engine/new_game.h"
#include "engine/undo.h"

namespace tessaro::cli {
namespace {

// Information boxes go to stderr; confirmation boxes are answered OK.
class StreamDialogs : public Dialogs {
public:
    explicit StreamDialogs(std::ostream& err) : err_(err) {}
    void info(std::string_view text) override { err_ << "message: " << text << '\n'; }
    bool confirm(std::string_view text) override {
        err_ << "confirm: " << text << '\n';
        return true;
    }

private:
    std::ostream& err_;
};

// Notes whether the game that ended was won (only a won game gets the
// animation) and keeps the Memory score sheet it showed.
class EndWatch : public NullEndGame {
public:
    void showMemoryScoreSheet(const MemoryScoreSheet& s) override { sheet = s; }
    void winningAnimation() override { won = true; }
    bool won = false;
    std::optional<MemoryScoreSheet> sheet;
};

std::string sheetLine(const MemoryScoreSheet& s) {
    return "sheet caption=" + s.caption + " page=" + std::to_string(s.page) + " matches=" + std::to_string(s.matches) +
           " misses=" + std::to_string(s.misses) + " matches_product=" + std::to_string(s.matchesProduct) +
           " misses_product=" + std::to_string(s.missesProduct) + " start=" + s.start + " total=" + s.total +
           " to_win=" + std::to_string(s.toWin);
}

// Everything a command can change that the player would see.
std::string snapshot(const Context& ctx) {
    std::string s = pileDump(ctx);
    for (int card = 1; card <= kCardCount; ++card) s += ctx.cards.record(card)[19];
    s += ctx.mainGame.stockPressed ? 'P' : '-';
    // A Memory card turned and turned back at once leaves only its miss.
    s += std::to_string(ctx.mainGame.missCount);
    return s;
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// A card number 1-108, or -1.
int cardNumber(const std::string& text) {
    if (text.empty() || text.size() > 3) return -1;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return CardTable::valid(v) ? v : -1;
}

class Session {
public:
    Session(Context& ctx, std::ostream& out) : ctx_(ctx), out_(out) {}

    void run(std::istream& in) {
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const auto w = words(line);
            if (w.empty() || w[0][0] == '#') continue;
            const bool wasRunning = ctx_.run.isSet(Flag::GameInProgress);
            end_.won = false;
            end_.sheet.reset();
            const std::string answer = command(w);
            if (wasRunning && !ctx_.run.isSet(Flag::GameInProgress)) {
                out_ << "end won=" << (end_.won ? 1 : 0) << " score=" << ctx_.reg.read(reg::Score) << '\n';
                if (end_.sheet) out_ << sheetLine(*end_.sheet) << '\n';
            }
            out_ << answer << '\n';
        }
    }

    EndWatch end_;

private:
    std::string command(const std::vector<std::string>& w) {
        const std::string& verb = w[0];
        if (verb == "click" && w.size() == 2) {
            const int card = cardNumber(w[1]);
            if (card < 0) return "error: not a card number: " + w[1];
            const std::string before = snapshot(ctx_);
            clickCard(ctx_, card);
            return snapshot(ctx_) != before ? "ok" : "ignored";
        }
        if (verb == "move" && w.size() == 3) {
            const int card = cardNumber(w[1]);
            if (card < 0) return "error: not a card number: " + w[1];
            const auto target = anyPileByName(w[2]);
            if (!target || pileName(*target) != w[2]) return "error: not a pile: " + w[2];
            return moveCard(ctx_, card, w[2]) ? "moved" : "refused";
        }
        if (verb == "stock" && w.size() == 1) {
            const std::string before = snapshot(ctx_);
            clickStock(ctx_);
            return snapshot(ctx_) != before ? "ok" : "ignored";
        }
        if (verb == "tick" && w.size() <= 2) {
            int seconds = 1;
            if (w.size() == 2) {
                try {
                    seconds = parseInt(w[1], "tick");
                } catch (const UsageError& e) {
                    return "error: " + e.message;
                }
                if (seconds < 0 || seconds > 86400) return "error: tick takes 0 to 86400 seconds";
            }
            for (int i = 0; i < seconds; ++i) {
                ctx_.manualClock.advanceSeconds(1);
                clockTick(ctx_);
            }
            return "ok";
        }
        if (verb == "autoplay" && w.size() == 2 && (w[1] == "on" || w[1] == "off")) {
            if ((w[1] == "on") != ctx_.autoplay.checked) toggleAutoplay(ctx_);
            return "ok";
        }
        if (verb == "undo" && w.size() == 1) return undoMove(ctx_) ? "undone" : "nothing";
        if (verb == "redo" && w.size() == 1) return redoMove(ctx_) ? "redone" : "nothing";
        if (verb == "show" && w.size() == 1) return pileDump(ctx_) + ".";
        if (verb == "score" && w.size() == 1) return "score=" + ctx_.reg.read(reg::Score);
        if (verb == "state" && w.size() == 1) {
            return "in_progress=" + std::to_string(ctx_.run.flag(Flag::GameInProgress)) +
                   " won=" + std::to_string(ctx_.run.isSet(Flag::Won) ? 1 : 0) +
                   " misses=" + std::to_string(ctx_.mainGame.missCount);
        }
        std::string all;
        for (const auto& s : w) all += (all.empty() ? "" : " ") + s;
        return "error: unknown command: " + all;
    }

    Context& ctx_;
    std::ostream& out_;
};

int play(Context& ctx, Options& o, std::ostream& out, std::ostream& err) {
    const std::string deal = takeOption(o, "--deal");
    if (o.game < 0) throw UsageError{"play needs --game N"};
    if (deal.empty()) throw UsageError{"play needs --deal D"};
    const std::string number = dealNumberArgument(deal);
    if (!o.args.empty()) throw UsageError{"unexpected argument '" + o.args.front() + "'"};
    prepareGame(ctx, o);

    StreamDialogs dialogs(err);
    Session session(ctx, out);
    ctx.dialogs = &dialogs;
    ctx.endGame = &session.end_;
    startGame(ctx, number);
    session.run(std::cin);
    return 0;
}

const Registrar registrar("play", play);

}  // namespace
}  // namespace tessaro::cli
