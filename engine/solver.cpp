#include "engine/solver.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "engine/autoplay.h"
#include "engine/history.h"
#include "engine/input.h"
#include "engine/player_actions.h"
#include "engine/rule_helpers.h"
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
    int order = 0;     ///< tried in rising order when the outlook is equal
    long outlook = 0;  ///< how promising the position after the action looks
};

std::string text(const Action& a) {
    switch (a.kind) {
    case ActionKind::Move: return "move " + std::to_string(a.card) + " " + a.pile;
    case ActionKind::Click: return "click " + std::to_string(a.card);
    case ActionKind::Stock: break;
    }
    return "stock";
}


// Games played by clicking cards rather than by dragging them.
bool clickGame(const RuleTable& P) {
    const int kind = P[50];
    return kind == 2 || kind == 3 || kind == 4 || kind == 12 || kind == 15 || kind == 33 || P[39] != 0 || P[37] == 1;
}

// Piles of one kind that may trade places without changing the game: the
// same rule values, and rules that never ask where a pile lies. Each pile
// gets a class; -1 for a pile that must stay where it is.
struct Interchangeable {
    std::array<int, kRows> rows{};
    std::array<int, kReserves> cells{};
    std::array<int, kFoundations> dests{};
};

// choice: only the plain families and building codes are known not to look at
// neighbouring piles; every other game keeps its piles in place.
bool placeFree(int code, std::initializer_list<int> known) {
    return std::find(known.begin(), known.end(), code) != known.end();
}

template <std::size_t N, typename Signature>
void classify(std::array<int, N>& out, int used, bool allowed, Signature signature) {
    out.fill(-1);
    if (!allowed) return;
    for (int i = 0; i < used && i < static_cast<int>(N); ++i) {
        out[static_cast<std::size_t>(i)] = i;
        for (int j = 0; j < i; ++j)
            if (signature(j) == signature(i)) {
                out[static_cast<std::size_t>(i)] = out[static_cast<std::size_t>(j)];
                break;
            }
    }
}

Interchangeable interchangeable(const RuleTable& P) {
    Interchangeable s;
    const bool family = (P[50] == 0 || P[50] == 2) && P[3] != 8 && P[13] != -15;
    bool rows = family, cells = family, dests = family;
    for (int r = 0; r < std::clamp(P.rows(), 0, kRows); ++r)
        rows = rows && placeFree(P[211 + r], {0, 1, 2, 3, 4, 17, 21});
    for (int c = 0; c < std::clamp(P.reserves(), 0, kReserves); ++c)
        cells = cells && placeFree(P[331 + c], {0, 4, 12, 81, 85, 88, 89, 90});
    for (int d = 0; d < std::clamp(P.foundations(), 0, kFoundations); ++d)
        dests = dests && placeFree(P[83 + d], {0, 1, 2, 14, 15, 16});
    classify(s.rows, P.rows(), rows,
             [&](int r) { return std::make_tuple(P[131 + r], P[171 + r], P[211 + r], P[251 + r], P[291 + r]); });
    classify(s.cells, P.reserves(), cells, [&](int c) { return std::make_tuple(P[331 + c], P[341 + c]); });
    classify(s.dests, P.foundations(), dests,
             [&](int d) { return std::make_tuple(P[51 + d], P[67 + d], P[83 + d], P[99 + d]); });
    return s;
}

class Search {
public:
    Search(Context& ctx, long limit) : ctx_(ctx), limit_(limit), same_(interchangeable(ctx.P)) {}

    // Depth first, the most promising move first; complete within the limit.
    bool depthFirst() {
        seen_.insert(key());
        std::vector<Frame> stack;
        if (!enter(stack, 0)) return won_;
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
                        if (!enter(stack, movedCard(a))) return won_;
                        continue;
                    }
                }
            }
            put(ctx_, f.here);
        }
        return false;
    }

    // Breadth by breadth, keeping only the `width` most promising new
    // positions of each; finds long wins the depth-first search misses, but
    // cannot prove a game lost once it has dropped a position.
    bool beam(long width) {
        struct Child {
            long outlook;
            int order;
            std::size_t from;  // index into the current breadth
            Action action;
        };
        std::vector<Trail> nodes{{-1, {}, 0}};
        std::vector<std::pair<int, Snapshot>> breadth;
        breadth.emplace_back(0, take(ctx_));
        seen_.insert(key());
        for (std::size_t depth = 0; !breadth.empty(); ++depth) {
            if (depth >= kMaxDepth) {
                limitReached = true;
                return false;
            }
            std::vector<Child> children;
            for (std::size_t i = 0; i < breadth.size(); ++i) {
                if (positions >= limit_) {
                    limitReached = true;
                    return false;
                }
                ++positions;
                put(ctx_, breadth[i].second);
                // The card just moved ranks last when it moves on at once, so
                // that such shuffles are the first positions the width drops.
                const int moved = nodes[static_cast<std::size_t>(breadth[i].first)].card;
                for (Action& a : outlooks(candidates(), breadth[i].second, moved)) {
                    if (won_) {
                        path = pathTo(nodes, breadth[i].first);
                        path.push_back(text(a));
                        return true;
                    }
                    children.push_back({a.outlook, a.order, i, std::move(a)});
                }
            }
            std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
                return a.outlook != b.outlook ? a.outlook > b.outlook : a.order < b.order;
            });
            std::vector<std::pair<int, Snapshot>> next;
            for (const Child& c : children) {
                if (static_cast<long>(next.size()) >= width) {
                    limitReached = true;
                    break;
                }
                put(ctx_, breadth[c.from].second);
                clearHistory(ctx_);
                perform(c.action);
                if (!seen_.insert(key()).second) continue;
                nodes.push_back({breadth[c.from].first, text(c.action), movedCard(c.action)});
                next.emplace_back(static_cast<int>(nodes.size() - 1), take(ctx_));
            }
            breadth = std::move(next);
        }
        return false;
    }

    std::vector<std::string> path;
    long positions = 0;
    bool limitReached = false;
    WinWatch watch;

private:
    // How the beam reached a position: the position before and the action.
    struct Trail {
        int parent;
        std::string action;
        int card;  ///< the card the action moved; 0 for a click or the stock
    };
    static int movedCard(const Action& a) { return a.kind == ActionKind::Move ? a.card : 0; }
    static std::vector<std::string> pathTo(const std::vector<Trail>& nodes, int at) {
        std::vector<std::string> out;
        for (; at > 0; at = nodes[static_cast<std::size_t>(at)].parent) out.push_back(nodes[static_cast<std::size_t>(at)].action);
        std::reverse(out.begin(), out.end());
        return out;
    }

    // The position as the player sees it, with interchangeable piles in a
    // fixed order. The put-away pile counts by its top card and size: nothing
    // under its top ever comes back into play. The redeal count only counts
    // while redeals are limited: with no limit every pass through the stock is
    // alike.
    std::uint64_t key() const {
        std::uint64_t h = kFnvBasis;
        for (int i = 0; i < kStockPiles; ++i) {
            const std::string& t = ctx_.piles.stock(i);
            if (i == kMazzoWaste && t.size() > 3) {
                h = mix(h, t.size());
                h = mix(h, pileHash(std::string_view(t).substr(t.size() - 3)));
            } else {
                h = mix(h, pileHash(t));
            }
        }
        auto group = [&](int count, const auto& classes, auto pile) {
            std::array<std::pair<int, std::uint64_t>, kRows> lines{};
            const int n = std::min(count, static_cast<int>(classes.size()));
            for (int i = 0; i < n; ++i) {
                const int c = classes[static_cast<std::size_t>(i)];
                lines[static_cast<std::size_t>(i)] = {c < 0 ? i + 1000 : c, pileHash(pile(i))};
            }
            std::sort(lines.begin(), lines.begin() + n);
            for (int i = 0; i < n; ++i) {
                h = mix(h, static_cast<std::uint64_t>(lines[static_cast<std::size_t>(i)].first));
                h = mix(h, lines[static_cast<std::size_t>(i)].second);
            }
        };
        const Piles& piles = ctx_.piles;
        // Piles beyond those in use count too: the pair games keep their
        // selection in Dest1.
        group(kFoundations, same_.dests, [&](int i) -> const std::string& { return piles.dest(i); });
        group(kRows, same_.rows, [&](int i) -> const std::string& { return piles.fila(i); });
        group(kReserves, same_.cells, [&](int i) -> const std::string& { return piles.appogg(i); });
        if (ctx_.P[15] != -1) h = mix(h, static_cast<std::uint64_t>(ctx_.mainGame.redeals));
        return h;
    }

    // A pile's cards and their faces (as its history line has them).
    std::uint64_t pileHash(std::string_view t) const {
        std::uint64_t h = kFnvBasis;
        for (std::size_t i = 0; i + 3 <= t.size(); i += 3) {
            const int card = cardAt(t, i);
            const unsigned face = card < 1 ? 2u : ctx_.cards.faceDown(card) ? 0u : 1u;
            h = (h ^ static_cast<unsigned>(card < 1 ? 0 : card)) * kFnvPrime;
            h = (h ^ face) * kFnvPrime;
        }
        return (h ^ t.size()) * kFnvPrime;
    }
    static std::uint64_t mix(std::uint64_t h, std::uint64_t v) {
        for (int i = 0; i < 8; ++i, v >>= 8) h = (h ^ (v & 0xff)) * kFnvPrime;
        return h;
    }
    static constexpr std::uint64_t kFnvBasis = 1469598103934665603ull;
    static constexpr std::uint64_t kFnvPrime = 1099511628211ull;

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
        // An empty pile is as good as any other empty pile of its class: only
        // the first of each is offered.
        auto firstEmpty = [](const auto& classes, int count, auto isEmpty) {
            std::array<bool, 64> offered{};
            std::vector<bool> skip(static_cast<std::size_t>(count));
            for (int i = 0; i < count; ++i) {
                const int c = classes[static_cast<std::size_t>(i)];
                if (c < 0 || !isEmpty(i)) continue;
                skip[static_cast<std::size_t>(i)] = offered[static_cast<std::size_t>(c)];
                offered[static_cast<std::size_t>(c)] = true;
            }
            return skip;
        };
        const std::vector<bool> skipDest =
            firstEmpty(same_.dests, dests, [&](int d) { return piles.dest(d).empty(); });
        const std::vector<bool> skipRow = firstEmpty(same_.rows, rows, [&](int r) { return piles.fila(r).empty(); });
        const std::vector<bool> skipCell =
            firstEmpty(same_.cells, cells, [&](int c) { return piles.appogg(c).empty(); });
        // Where a card or run could go, and how promising that is.
        auto targets = [&](int card, bool single, bool wholeRow, int from, int bonus) {
            if (single)
                for (int d = 0; d < dests; ++d)
                    if (!skipDest[static_cast<std::size_t>(d)])
                        out.push_back({ActionKind::Move, card, "Dest" + std::to_string(d + 1), 0});
            for (int r = 0; r < rows; ++r) {
                if (r == from || skipRow[static_cast<std::size_t>(r)]) continue;
                const bool empty = piles.fila(r).empty();
                if (empty && wholeRow) continue;  // a whole row into an empty one changes nothing
                out.push_back({ActionKind::Move, card, "Fila" + std::to_string(r + 1), (empty ? 30 : 20) - bonus});
            }
            if (single && from != -2)
                for (int c = 0; c < cells; ++c)
                    if (piles.text({PileKind::Reserve, c}).empty() && !skipCell[static_cast<std::size_t>(c)])
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
                        if (!skipRow[static_cast<std::size_t>(r)])
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

    // Tries every action from `here` and keeps those that lead somewhere new,
    // the most promising first; moving the card just moved (`moved`) again
    // comes last, as it mostly shuffles it between rows. A winning action is
    // kept alone (won_).
    std::vector<Action> outlooks(std::vector<Action> actions, const Snapshot& here, int moved) {
        std::vector<Action> kept;
        for (Action& a : actions) {
            clearHistory(ctx_);
            watch.won = false;
            perform(a);
            const bool won = watch.won;
            const bool fresh = ctx_.run.isSet(Flag::GameInProgress) && !seen_.count(key());
            if (fresh) a.outlook = outlook() - (moved && movedCard(a) == moved ? kShuffle : 0);
            put(ctx_, here);
            if (won) {
                won_ = true;
                return {std::move(a)};
            }
            if (fresh) kept.push_back(std::move(a));
        }
        // choice: the click games keep their rows' order; a pair taken away in
        // two clicks looks no better after the first, and sorting by outlook
        // made them search far longer (Fourteen Out deal 2: 50789 positions
        // instead of 838).
        if (clickGame(ctx_.P)) return kept;
        std::stable_sort(kept.begin(), kept.end(), [](const Action& a, const Action& b) {
            return a.outlook != b.outlook ? a.outlook > b.outlook : a.order < b.order;
        });
        return kept;
    }

    // How far a position looks from a win: cards put away count most, then
    // face-down cards, cards lying on a card a foundation wants earlier (in
    // rows, cells and the turned stock), cards in a row not built on the card
    // below them, and empty rows and cells. It only orders the moves; every move is still the
    // judge's.
    long outlook() {
        const int used = std::clamp(ctx_.P.cards(), 0, kCardCount);
        std::vector<int> wanted(static_cast<std::size_t>(used) + 1, kNever);
        for (int d = 0; d < std::clamp(ctx_.P.foundations(), 0, kFoundations); ++d) {
            const std::vector<signed char>& w = wantedBy(d);
            for (int c = 1; c <= used; ++c)
                wanted[static_cast<std::size_t>(c)] = std::min<int>(wanted[static_cast<std::size_t>(c)], w[static_cast<std::size_t>(c)]);
        }
        long away = rules::countOf(ctx_.piles.stock(kMazzoWaste)), faceDown = 0, blocked = 0, empty = 0, loose = 0;
        for (int d = 0; d < std::clamp(ctx_.P.foundations(), 0, kFoundations); ++d) away += rules::countOf(ctx_.piles.dest(d));
        auto look = [&](const std::string& pile, int emptyWorth, int row) {
            if (pile.empty()) {
                empty += emptyWorth;
                return;
            }
            int earliest = kNever, below = 0;
            for (std::size_t i = 0; i + 3 <= pile.size(); i += 3) {
                const int card = cardAt(pile, i);
                if (card < 1) continue;
                if (ctx_.cards.faceDown(card)) {
                    ++faceDown;
                    continue;
                }
                const int w = card <= used ? wanted[static_cast<std::size_t>(card)] : kNever;
                if (w > earliest) ++blocked;
                earliest = std::min(earliest, w);
                if (row >= 0 && below > 0 && !builtOn(row, i, card)) ++loose;
                below = card;
            }
        };
        for (int r = 0; r < std::clamp(ctx_.P.rows(), 0, kRows); ++r) look(ctx_.piles.fila(r), 2, r);
        for (int c = 0; c < std::clamp(ctx_.P.reserves(), 0, kReserves); ++c) look(ctx_.piles.appogg(c), 1, -1);
        // The turned stock buries its cards like a row.
        look(ctx_.piles.stock(kMazzoVis), 0, -1);
        return 100 * away - 12 * faceDown - 5 * blocked - 3 * loose + 4 * empty;
    }

    // Whether the card at text offset `at` of row r lies where the judge would
    // let it be put (on the card below it), asked once per pair of cards and
    // kind of row.
    bool builtOn(int r, std::size_t at, int card) {
        std::string& row = ctx_.piles.fila(r);
        const int below = cardAt(row, at - 3);
        if (below < 1 || below > kCardCount || card > kCardCount) return false;
        const int kind = same_.rows[static_cast<std::size_t>(r)] >= 0 ? same_.rows[static_cast<std::size_t>(r)] : r;
        const std::size_t slot = (static_cast<std::size_t>(kind) * (kCardCount + 1) + static_cast<std::size_t>(below)) *
                                     (kCardCount + 1) + static_cast<std::size_t>(card);
        if (built_.empty()) built_.assign(static_cast<std::size_t>(kRows) * (kCardCount + 1) * (kCardCount + 1), -1);
        if (built_[slot] < 0) {
            const std::string whole = row;
            const DragState drag = ctx_.drag;
            row.resize(at);
            ctx_.drag = DragState{card, 0, true};
            built_[slot] = canDropOnPile(ctx_, card, "Fila" + std::to_string(r + 1)) ? 1 : 0;
            row = whole;
            ctx_.drag = drag;
        }
        return built_[slot] == 1;
    }

    // For each card, in how many cards foundation d would take it, asked of the
    // judge on a scratch copy of the foundation. An empty foundation follows
    // each kind of card it would start with; a started one its own line.
    const std::vector<signed char>& wantedBy(int d) {
        std::string& dest = ctx_.piles.dest(d);
        // The line a foundation wants depends on its first and top cards and
        // how many it holds.
        const std::string cacheKey = std::to_string(d) + ":" + std::to_string(dest.size()) + ":" +
                                     dest.substr(0, std::min<std::size_t>(3, dest.size())) + ":" +
                                     (dest.size() >= 3 ? dest.substr(dest.size() - 3) : std::string());
        auto [it, added] = wanted_.try_emplace(cacheKey);
        if (!added) return it->second;
        const int used = std::clamp(ctx_.P.cards(), 0, kCardCount);
        std::vector<signed char>& w = it->second;
        w.assign(static_cast<std::size_t>(used) + 1, kNever);
        const std::string original = dest;
        const DragState drag = ctx_.drag;
        const std::string pileName = "Dest" + std::to_string(d + 1);
        auto takes = [&](int card) {
            ctx_.drag = DragState{card, 0, true};
            return canDropOnPile(ctx_, card, pileName);
        };
        std::vector<int> starts;
        for (int c = 1; c <= used; ++c)
            if (takes(c)) {
                w[static_cast<std::size_t>(c)] = 0;
                const bool twin = std::any_of(starts.begin(), starts.end(),
                                              [&](int s) { return rank(s) == rank(c) && suit(s) == suit(c); });
                if (!twin) starts.push_back(c);
            }
        if (!original.empty() && starts.size() > 1) starts.resize(1);
        for (int start : starts) {
            dest = original;
            int card = start;
            for (int step = 1; step < 14 && card > 0; ++step) {
                appendCard3(dest, card);
                int next = 0;
                for (int c = 1; c <= used; ++c)
                    if (rules::positionIn(dest, c) < 0 && takes(c)) {
                        w[static_cast<std::size_t>(c)] = std::min<signed char>(w[static_cast<std::size_t>(c)], static_cast<signed char>(step));
                        if (!next) next = c;
                    }
                card = next;
            }
        }
        dest = original;
        ctx_.drag = drag;
        return w;
    }

    struct Frame {
        Snapshot here;
        std::vector<Action> actions;
        std::size_t next = 0;
    };
    static constexpr std::size_t kMaxDepth = 1500;
    static constexpr signed char kNever = 99;
    static constexpr long kShuffle = 1000000;

    // Counts the position and opens a frame for it; false at the limit or
    // when one of its moves wins (won_, the move then ends the path).
    bool enter(std::vector<Frame>& stack, int moved) {
        if (positions >= limit_) {
            limitReached = true;
            return false;
        }
        ++positions;
        Snapshot here = take(ctx_);
        std::vector<Action> actions = outlooks(candidates(), here, moved);
        if (won_) {
            path.push_back(text(actions.front()));
            return false;
        }
        stack.push_back({std::move(here), std::move(actions), 0});
        return true;
    }

    Context& ctx_;
    long limit_;
    Interchangeable same_;
    bool won_ = false;
    std::unordered_set<std::uint64_t> seen_;
    std::unordered_map<std::string, std::vector<signed char>> wanted_;
    std::vector<signed char> built_;
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
    if (!won && ctx.run.isSet(Flag::GameInProgress))
        won = options.beam > 0 ? search.beam(options.beam) : search.depthFirst();
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
