#include "engine/solver.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "engine/autoplay.h"
#include "engine/dump.h"
#include "engine/history.h"
#include "engine/input.h"
#include "engine/player_actions.h"
#include "engine/rules.h"

namespace tessaro {

namespace {

// Everything a move can change; layout and catalogue lines are left alone.
struct Snapshot {
    Register reg;
    RuleTable P;
    CardTable cards;
    Piles piles;
    RunState run;
    int missCount, moves, redeals, idle, stockPressed;
    DragState drag;
    MoveState move;
};

Snapshot take(const Context& c) {
    const MainGame& g = c.mainGame;
    return {c.reg, c.P, c.cards, c.piles, c.run, g.missCount, g.moves, g.redeals, g.idle, g.stockPressed, c.drag, c.move};
}

void put(Context& c, const Snapshot& s) {
    c.reg = s.reg;
    c.P = s.P;
    c.cards = s.cards;
    c.piles = s.piles;
    c.run = s.run;
    c.mainGame.missCount = s.missCount;
    c.mainGame.moves = s.moves;
    c.mainGame.redeals = s.redeals;
    c.mainGame.idle = s.idle;
    c.mainGame.stockPressed = s.stockPressed;
    c.drag = s.drag;
    c.move = s.move;
}

// Sees the win: only a won game gets the winning animation.
class WinWatch : public NullEndGame {
public:
    void winningAnimation() override { won = true; }
    bool won = false;
};

enum class ActionKind { Move, Click, Stock };

struct Action {
    ActionKind kind;
    int card = 0;
    std::string pile;
    int order = 0;  ///< tried in rising order
};

std::string text(const Action& a) {
    switch (a.kind) {
    case ActionKind::Move: return "move " + std::to_string(a.card) + " " + a.pile;
    case ActionKind::Click: return "click " + std::to_string(a.card);
    case ActionKind::Stock: break;
    }
    return "stock";
}

std::uint64_t fingerprint(const std::string& s) {
    std::uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return h;
}

// Games played by clicking cards rather than by dragging them.
bool clickGame(const RuleTable& P) {
    const int kind = P[50];
    return kind == 2 || kind == 3 || kind == 4 || kind == 12 || kind == 15 || kind == 33 || P[39] != 0 || P[37] == 1;
}

class Search {
public:
    Search(Context& ctx, long limit) : ctx_(ctx), limit_(limit) {}

    bool run() {
        seen_.insert(key());
        std::vector<Frame> stack;
        if (!enter(stack)) return false;
        while (!stack.empty()) {
            Frame& f = stack.back();
            if (f.next == f.actions.size()) {
                stack.pop_back();
                if (!stack.empty()) {
                    path.pop_back();
                    put(ctx_, stack.back().here);
                }
                continue;
            }
            const Action a = f.actions[f.next++];
            clearHistory(ctx_);
            watch.won = false;
            perform(a);
            if (watch.won) {
                path.push_back(text(a));
                return true;
            }
            if (ctx_.run.isSet(Flag::GameInProgress)) {
                const std::uint64_t k = key();
                if (!seen_.count(k)) {
                    // choice: a line of play longer than this is cut off, and the
                    // answer can then no longer be "lost"
                    if (stack.size() >= kMaxDepth) {
                        limitReached = true;
                    } else {
                        seen_.insert(k);
                        path.push_back(text(a));
                        if (!enter(stack)) return false;
                        continue;
                    }
                }
            }
            put(ctx_, f.here);
        }
        return false;
    }

    std::vector<std::string> path;
    long positions = 0;
    bool limitReached = false;
    WinWatch watch;

private:
    // The position as the player sees it. The redeal count only counts while
    // redeals are limited: with no limit every pass through the stock is alike.
    std::uint64_t key() const {
        std::string k = pileDump(ctx_);
        if (ctx_.P[15] != -1) k += "#" + std::to_string(ctx_.mainGame.redeals);
        return fingerprint(k);
    }

    std::vector<Action> candidates() {
        const RuleTable& P = ctx_.P;
        const Piles& piles = ctx_.piles;
        std::vector<Action> out;
        const int rows = std::clamp(P.rows(), 0, kRows);
        const int cells = std::clamp(P.reserves(), 0, kReserves);
        const int dests = std::clamp(P.foundations(), 0, kFoundations);
        if (!piles.stock(kMazzo).empty() || P[15] != 0) out.push_back({ActionKind::Stock, 0, {}, 50});
        if (clickGame(P)) {
            for (int i = 0; i < rows; ++i)
                if (const int top = piles.top({PileKind::Row, i}); top > 0) out.push_back({ActionKind::Click, top, {}, 10});
            for (int i = 0; i < cells; ++i)
                if (const int top = piles.top({PileKind::Reserve, i}); top > 0)
                    out.push_back({ActionKind::Click, top, {}, 10});
            std::stable_sort(out.begin(), out.end(), [](const Action& a, const Action& b) { return a.order < b.order; });
            return out;
        }
        // Where a card or run could go, and how promising that is.
        auto targets = [&](int card, bool single, bool wholeRow, int from, int bonus) {
            if (single)
                for (int d = 0; d < dests; ++d) out.push_back({ActionKind::Move, card, "Dest" + std::to_string(d + 1), 0});
            for (int r = 0; r < rows; ++r) {
                if (r == from) continue;
                const bool empty = piles.fila(r).empty();
                if (empty && wholeRow) continue;  // a whole row into an empty one changes nothing
                out.push_back({ActionKind::Move, card, "Fila" + std::to_string(r + 1), (empty ? 30 : 20) - bonus});
            }
            if (single && from != -2)
                for (int c = 0; c < cells; ++c)
                    if (piles.text({PileKind::Reserve, c}).empty())
                        out.push_back({ActionKind::Move, card, "Appogg" + std::to_string(c + 1), 40 - bonus});
        };
        for (int r = 0; r < rows; ++r) {
            const std::string& pile = piles.fila(r);
            const int n = static_cast<int>(pile.size() / 3);
            for (int k = 0; k < n; ++k) {
                const int card = std::stoi(pile.substr(static_cast<std::size_t>(k) * 3, 3));
                if (card <= 0 || ctx_.cards.faceDown(card)) continue;
                // Uncovering a face-down card or emptying a row is worth trying first.
                const bool uncovers = k > 0 && ctx_.cards.faceDown(std::stoi(pile.substr(static_cast<std::size_t>(k - 1) * 3, 3)));
                targets(card, k == n - 1, k == 0, r, uncovers || k == 0 ? 5 : 0);
            }
        }
        if (const int vis = piles.top({PileKind::Stock, kMazzoVis}); vis > 0) targets(vis, true, false, -1, 3);
        for (int c = 0; c < cells; ++c)
            if (const int top = piles.top({PileKind::Reserve, c}); top > 0) targets(top, true, false, -2, 4);
        if (P[18] == 1)
            for (int d = 0; d < dests; ++d)
                if (const int top = piles.top({PileKind::Foundation, d}); top > 0)
                    for (int r = 0; r < rows; ++r)
                        out.push_back({ActionKind::Move, top, "Fila" + std::to_string(r + 1), 60});
        out = judged(std::move(out));
        std::stable_sort(out.begin(), out.end(), [](const Action& a, const Action& b) { return a.order < b.order; });
        return out;
    }

    // Keeps the stock click and the moves the judge allows: the card may be
    // picked up and the pile takes it. The drag is put back afterwards.
    std::vector<Action> judged(std::vector<Action> all) {
        const DragState drag = ctx_.drag;
        const MoveState move = ctx_.move;
        std::vector<Action> kept;
        int card = -1;
        bool held = false;
        for (Action& a : all) {
            if (a.kind != ActionKind::Move) {
                kept.push_back(std::move(a));
                continue;
            }
            if (a.card != card) {
                card = a.card;
                ctx_.drag = drag;
                held = !ctx_.cards.faceDown(card) && canPickUp(ctx_, Hit{pileOf(ctx_, card), card});
            }
            if (held && canDropOnPile(ctx_, card, a.pile)) kept.push_back(std::move(a));
        }
        ctx_.drag = drag;
        ctx_.move = move;
        return kept;
    }

    void perform(const Action& a) {
        switch (a.kind) {
        case ActionKind::Move: moveCard(ctx_, a.card, a.pile); break;
        case ActionKind::Click: clickCard(ctx_, a.card); break;
        case ActionKind::Stock: clickStock(ctx_); break;
        }
    }

    struct Frame {
        Snapshot here;
        std::vector<Action> actions;
        std::size_t next = 0;
    };
    static constexpr std::size_t kMaxDepth = 1500;

    // Counts the position and opens a frame for it; false at the limit.
    bool enter(std::vector<Frame>& stack) {
        if (positions >= limit_) {
            limitReached = true;
            return false;
        }
        ++positions;
        stack.push_back({take(ctx_), candidates(), 0});
        return true;
    }

    Context& ctx_;
    long limit_;
    std::unordered_set<std::uint64_t> seen_;
};

}  // namespace

SolveResult solve(Context& ctx, const SolveOptions& options) {
    SolveResult result;
    if (!ctx.run.isSet(Flag::GameInProgress)) {
        result.outcome = SolveOutcome::Lost;
        return result;
    }
    const Snapshot start = take(ctx);
    const bool autoplayWas = ctx.autoplay.checked;
    EndGamePort* const endGameWas = ctx.endGame;
    Search search(ctx, options.limit);
    ctx.endGame = &search.watch;
    if (options.autoplay != ctx.autoplay.checked) toggleAutoplay(ctx);
    bool won = search.watch.won;
    if (!won && ctx.run.isSet(Flag::GameInProgress)) won = search.run();
    if (won) {
        result.outcome = SolveOutcome::Won;
        if (options.autoplay) result.moves.push_back("autoplay on");
        result.moves.insert(result.moves.end(), search.path.begin(), search.path.end());
    } else {
        result.outcome = search.limitReached ? SolveOutcome::Unknown : SolveOutcome::Lost;
    }
    result.positions = search.positions;
    put(ctx, start);
    clearHistory(ctx);
    ctx.autoplay.checked = autoplayWas;
    ctx.endGame = endGameWas;
    return result;
}

}  // namespace tessaro
