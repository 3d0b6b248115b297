#pragma once
// Recording ports for the move-execution tests: every call becomes one line of
// a shared log, so a test can assert what happened and in which order.
#include <string>
#include <vector>

#include "engine/context.h"
#include "support/context_builder.h"

namespace tessaro::test {

struct CallLog {
    std::vector<std::string> lines;
    void add(std::string s) { lines.push_back(std::move(s)); }
    bool has(const std::string& s) const {
        for (const auto& l : lines)
            if (l == s) return true;
        return false;
    }
    int count(const std::string& s) const {
        int n = 0;
        for (const auto& l : lines) n += l == s;
        return n;
    }
};

class LogSound : public SoundPort {
public:
    explicit LogSound(CallLog& log) : log_(log) {}
    void play(std::string_view name) override { log_.add("sound " + std::string(name)); }

private:
    CallLog& log_;
};

class LogDialogs : public Dialogs {
public:
    explicit LogDialogs(CallLog& log) : log_(log) {}
    void info(std::string_view text) override { log_.add("info " + std::string(text)); }
    bool confirm(std::string_view text) override {
        log_.add("confirm " + std::string(text));
        return answer;
    }
    bool answer = true;

private:
    CallLog& log_;
};

class LogShell : public NullShell {
public:
    explicit LogShell(CallLog& log) : log_(log) {}
    void setCaption(std::string_view caption) override { log_.add("caption " + std::string(caption)); }
    void showAutoplay(bool on) override { log_.add(on ? "autoplay on" : "autoplay off"); }
    void animationHook(bool installed) override { log_.add(installed ? "hook installed" : "hook restored"); }
    void closeMainWindow() override { log_.add("close window"); }
    void beep() override { log_.add("beep"); }

private:
    CallLog& log_;
};

class LogEndGame : public EndGamePort {
public:
    LogEndGame(CallLog& log, Context& ctx) : log_(log), ctx_(ctx) {}
    void showMemoryScoreSheet(const MemoryScoreSheet& sheet) override {
        log_.add(sheet.won ? "sheet won" : "sheet lost");
        lastSheet = sheet;
    }
    bool selectionShowsWonLost() override { return false; }
    void refreshSelectionEntry(int) override {}
    void winningAnimation() override {
        log_.add("animation");
        if (closeDuringAnimation) ctx_.mainGame.closeAsked = 1;
    }
    void openGameSelection() override { log_.add("open selection"); }
    bool closeDuringAnimation = false;
    MemoryScoreSheet lastSheet;

private:
    CallLog& log_;
    Context& ctx_;
};

/// The rules of the Klondike game of data/games: 4 foundations built up in
/// suit from the Ace, 7 rows built down in alternating colours (a King on an
/// empty row), one card turned per stock click, runs checked pairwise.
inline void klondikeRules(Context& ctx) {
    setParams(ctx, {{366, 4}, {367, 7}, {368, 0}, {370, 52}, {7, 1}, {9, 1}, {10, 1}, {17, 0}, {22, 1},
                    {15, -1}, {16, 0}, {8, 0}, {51, 1}, {52, 1}, {53, 1}, {54, 1}, {67, 1}, {68, 1},
                    {69, 1}, {70, 1}, {32, 13}, {18, 1}, {13, -1}, {2, 1}, {33, -1}, {42, 1}});
    ctx.P.set(371, 24);  // the deal: 24 cards in the stock, rows of 1 to 7 with the top card up
    for (int t = 0; t < 7; ++t) {
        ctx.P.set(131 + t, 13);
        ctx.P.set(211 + t, 3);
        ctx.P.set(374 + t, t + 1);
        ctx.P.set(414 + t, 1);
    }
    ctx.P.saveChangeable();
}

/// A context whose ports all write to one log, with the sound switches on.
struct LoggedContext {
    Context ctx;
    CallLog log;
    LogSound sound{log};
    LogDialogs dialogs{log};
    LogShell shell{log};
    LogEndGame endGame{log, ctx};
    LoggedContext() {
        ctx.reg.initialise("/tmp/");
        ctx.sound = &sound;
        ctx.dialogs = &dialogs;
        ctx.shell = &shell;
        ctx.endGame = &endGame;
        for (Field f : {reg::SoundsOn, reg::SoundAutoplay, reg::SoundWon, reg::SoundNew, reg::SoundShuffle,
                        reg::SoundPairing, reg::SoundStock, reg::SoundTableau, reg::SoundFaceUp, reg::SoundCardDown,
                        reg::SoundCardUp, reg::SoundRedeal, reg::SoundFoundation, reg::SoundRedealQuiet})
            ctx.reg.write(f, "Y");
        ctx.reg.write(reg::ScoringMode, "01");
        ctx.reg.write(reg::ConfirmQuit, "N");
        ctx.reg.write(reg::AutoFaceUp, "Y");
        ctx.run.setFlag(Flag::GameInProgress, 1);
    }
    std::string pile(std::string_view name) const {
        auto ref = anyPileByName(name);
        return ref ? ctx.piles.text(*ref) : std::string();
    }
    bool faceUp(int card) const { return ctx.cards.faceUp(card); }
};

}  // namespace tessaro::test
