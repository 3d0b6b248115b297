#include "table/keyboard.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "engine/cards.h"
#include "engine/context.h"
#include "engine/input.h"
#include "engine/memory.h"
#include "table/geometry.h"

namespace tessaro {

namespace {

int inUse(int count, int limit) { return std::clamp(count, 0, limit); }

// The Memory games: the grid (or the answer and scatter rows) is all there is to point at.
bool memoryGame(const Context& ctx) { return ctx.P[50] >= 36 && ctx.P[50] <= 39; }

CardRect rectAt(const Context& ctx, const std::string& name, int skip) {
    const int x = cardX(ctx, name, skip, false);
    const int y = cardY(ctx, name, skip, false);
    return {x, y, x + ctx.layout.cardW, y + ctx.layout.cardH};
}

void addSquared(const Context& ctx, PileRef p, std::vector<FocusStop>& out) {
    if (!ctx.layout.position(p).placed()) return;
    const std::string name = pileName(p);
    out.push_back({name, -1, ctx.piles.top(p), rectAt(ctx, name, 0)});
}

// A fanned pile: every place of a Memory row; elsewhere the face-up cards and
// the top card. A pile without such a place is one stop of its own.
void addFanned(const Context& ctx, PileRef p, bool everyPlace, std::vector<FocusStop>& out) {
    if (!ctx.layout.position(p).placed()) return;
    const std::string name = pileName(p);
    const std::string& t = ctx.piles.text(p);
    const int count = static_cast<int>(t.size() / 3);
    const std::size_t before = out.size();
    for (int d = 0; d < count; ++d) {
        const int card = cardAt(t, static_cast<std::size_t>(d) * 3);
        const bool top = d == count - 1;
        if (!everyPlace && (card <= 0 || !(top || ctx.cards.faceUp(card)))) continue;
        out.push_back({name, d, std::max(card, 0), rectAt(ctx, name, count - 1 - d)});
    }
    if (out.size() == before) out.push_back({name, -1, 0, rectAt(ctx, name, 0)});
}

struct Centre {
    int x;
    int y;
};
Centre centre(const CardRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

CardRect bounds(const std::vector<FocusStop>& stops, const std::string& pile) {
    CardRect b{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), std::numeric_limits<int>::min(),
               std::numeric_limits<int>::min()};
    for (const auto& s : stops) {
        if (s.pile != pile) continue;
        b.left = std::min(b.left, s.rect.left);
        b.top = std::min(b.top, s.rect.top);
        b.right = std::max(b.right, s.rect.right);
        b.bottom = std::max(b.bottom, s.rect.bottom);
    }
    return b;
}

// One step of an arrow key. First along the focused pile's own fan; then to
// the pile that lies in that direction, closest along the way and best in
// line, landing on its stop nearest to the focused one. At the edge the focus
// stays.
std::optional<FocusStop> arrowStep(const Context& ctx, const std::vector<FocusStop>& stops, const FocusStop& cur,
                                   TableKey key) {
    const bool horizontal = key == TableKey::Left || key == TableKey::Right;
    const int sign = key == TableKey::Left || key == TableKey::Up ? -1 : 1;
    const int w = ctx.layout.cardW;
    const int h = ctx.layout.cardH;
    const Centre c = centre(cur.rect);
    auto along = [&](Centre p) { return sign * (horizontal ? p.x - c.x : p.y - c.y); };
    auto across = [&](Centre p) { return std::abs(horizontal ? p.y - c.y : p.x - c.x); };

    const FocusStop* best = nullptr;
    int bestScore = std::numeric_limits<int>::max();
    for (const auto& s : stops) {
        if (s.pile != cur.pile || s.depth == cur.depth) continue;
        const Centre p = centre(s.rect);
        if (along(p) <= 0 || across(p) >= (horizontal ? h : w) / 2) continue;
        if (along(p) < bestScore) {
            bestScore = along(p);
            best = &s;
        }
    }
    if (best) return *best;

    const CardRect home = bounds(stops, cur.pile);
    auto beyond = [&](const CardRect& b) {
        switch (key) {
        case TableKey::Left: return b.right <= home.left + w / 2;
        case TableKey::Right: return b.left >= home.right - w / 2;
        case TableKey::Up: return b.bottom <= cur.rect.top + h / 2;
        default: return b.top >= cur.rect.bottom - h / 2;
        }
    };
    std::string lastPile;
    for (const auto& s : stops) {
        if (s.pile == cur.pile || s.pile == lastPile) continue;
        lastPile = s.pile;
        if (!beyond(bounds(stops, s.pile))) continue;
        // The pile's stop nearest to the focused one.
        const FocusStop* landing = nullptr;
        long nearest = std::numeric_limits<long>::max();
        for (const auto& t : stops) {
            if (t.pile != s.pile) continue;
            const Centre p = centre(t.rect);
            const long dx = p.x - c.x;
            const long dy = p.y - c.y;
            if (dx * dx + dy * dy < nearest) {
                nearest = dx * dx + dy * dy;
                landing = &t;
            }
        }
        const Centre p = centre(landing->rect);
        const int score = std::abs(horizontal ? p.x - c.x : p.y - c.y) + 2 * across(p);
        if (score < bestScore) {
            bestScore = score;
            best = landing;
        }
    }
    if (best) return *best;
    return std::nullopt;
}

// Tab and Shift+Tab: the next place of a Memory grid, elsewhere the top of the
// next pile; round the table.
FocusStop tabStep(const Context& ctx, const std::vector<FocusStop>& stops, const FocusStop& cur, bool forward) {
    const int n = static_cast<int>(stops.size());
    int at = 0;
    for (int i = 0; i < n; ++i)
        if (stops[static_cast<std::size_t>(i)].pile == cur.pile && stops[static_cast<std::size_t>(i)].depth == cur.depth)
            at = i;
    const auto& stop = [&](int i) -> const FocusStop& { return stops[static_cast<std::size_t>(((i % n) + n) % n)]; };
    if (memoryGame(ctx)) return stop(at + (forward ? 1 : -1));
    int i = at;
    for (int k = 1; k < n && stop(i).pile == cur.pile; ++k) i += forward ? 1 : -1;
    // The top of that pile: its last stop.
    const FocusStop* last = &cur;
    for (const auto& s : stops)
        if (s.pile == stop(i).pile) last = &s;
    return *last;
}

void focusOn(Context& ctx, const FocusStop& s) {
    ctx.focus.pile = s.pile;
    ctx.focus.depth = s.depth;
}

// The held card's stop, or the top of the focused pile once it landed there.
void focusAfterDrop(Context& ctx, int card, bool dropped) {
    const auto stops = focusStops(ctx);
    const FocusStop* last = nullptr;
    for (const auto& s : stops) {
        if (!dropped && s.card == card) return focusOn(ctx, s);
        if (dropped && s.pile == ctx.focus.pile) last = &s;
    }
    if (last) focusOn(ctx, *last);
}

// Space or Return on the focused pile while a card is held: the drop a drag let
// go over that pile would make; the card goes back when the pile does not take it.
bool dropHeld(Context& ctx, const FocusStop& target) {
    const int card = ctx.focus.held;
    ctx.focus.held = 0;
    const auto home = cardPlace(ctx, card);
    std::vector<std::string> candidates;
    if (!home || home->pile != target.pile) candidates.push_back(target.pile);
    tableMove(ctx, false);
    const bool dropped = tableRelease(ctx, candidates);
    if (!dropped && !candidates.empty() && normalPlay(ctx.mainGame)) ctx.shell->beep();
    focusAfterDrop(ctx, card, dropped);
    return true;
}

Hit hitOf(const FocusStop& s) { return Hit{s.pile, s.card}; }

const char* const kRanks[14] = {"",      "Ace",   "Two",  "Three", "Four", "Five",  "Six",
                                "Seven", "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
const char* const kSuits[4] = {"hearts", "diamonds", "clubs", "spades"};

std::string cardName(const Context& ctx, int card) {
    if (ctx.cards.faceDown(card)) return "face-down card";
    if (isJoker(card)) return "Joker, face up";
    const int r = rank(card);
    const int s = suit(card);
    if (r < 1 || r > 13 || s < 0 || s > 3) return "card";
    return std::string(kRanks[r]) + " of " + kSuits[s] + ", face up";
}

}  // namespace

std::vector<FocusStop> focusStops(const Context& ctx) {
    std::vector<FocusStop> out;
    const bool memory = memoryGame(ctx);
    if (!memory) {
        for (int i = 0; i < kStockPiles; ++i) addSquared(ctx, {PileKind::Stock, i}, out);
        for (int i = 0; i < kFoundations; ++i) addSquared(ctx, {PileKind::Foundation, i}, out);
    }
    for (int i = 0; i < inUse(ctx.P.rows(), kRows); ++i) addFanned(ctx, {PileKind::Row, i}, memory, out);
    if (!memory)
        for (int i = 0; i < inUse(ctx.P.reserves(), kReserves); ++i) addFanned(ctx, {PileKind::Reserve, i}, false, out);
    return out;
}

std::optional<FocusStop> focusedStop(const Context& ctx) {
    const auto stops = focusStops(ctx);
    if (stops.empty()) return std::nullopt;
    const FocusStop* below = nullptr;
    const FocusStop* first = nullptr;
    for (const auto& s : stops) {
        if (s.pile != ctx.focus.pile) continue;
        if (s.depth == ctx.focus.depth) return s;
        if (!first) first = &s;
        if (s.depth <= ctx.focus.depth) below = &s;
    }
    if (below) return *below;
    if (first) return *first;
    for (const auto& s : stops)
        if (s.pile == "Fila1") return s;
    return stops.front();
}

std::optional<CardRect> focusFrame(const Context& ctx) {
    const auto stop = focusedStop(ctx);
    if (!stop) return std::nullopt;
    CardRect r = stop->rect;
    auto ref = anyPileByName(stop->pile);
    if (!ref || stop->depth < 0 || ref->kind == PileKind::Stock || ref->kind == PileKind::Foundation) return r;
    const int count = ctx.piles.count(*ref);
    if (stop->depth + 1 >= count) return r;
    // The next card of the fan covers part of this one.
    const CardRect next = rectAt(ctx, stop->pile, count - 2 - stop->depth);
    const bool overlaps = next.left < r.right && next.right > r.left && next.top < r.bottom && next.bottom > r.top;
    if (!overlaps) return r;
    if (next.top > r.top) r.bottom = next.top;
    else if (next.left > r.left) r.right = next.left;
    else if (next.left < r.left) r.left = next.right;
    return r;
}

bool tableKey(Context& ctx, TableKey key) {
    if (!ctx.run.isSet(Flag::GameInProgress)) return false;
    // A card held by the mouse is the mouse's until it is let go.
    if (ctx.drag.card != 0 && ctx.focus.held == 0) return false;
    const auto cur = focusedStop(ctx);
    if (!cur) return false;
    if (key == TableKey::Back && ctx.focus.held == 0) return false;
    ctx.focus.shown = true;
    focusOn(ctx, *cur);
    switch (key) {
    case TableKey::Left:
    case TableKey::Right:
    case TableKey::Up:
    case TableKey::Down:
        if (auto next = arrowStep(ctx, focusStops(ctx), *cur, key)) focusOn(ctx, *next);
        return true;
    case TableKey::Next:
    case TableKey::Previous:
        focusOn(ctx, tabStep(ctx, focusStops(ctx), *cur, key == TableKey::Next));
        return true;
    case TableKey::Back: {
        // Puts the held card back, as a drag let go where it began.
        const int card = ctx.focus.held;
        ctx.focus.held = 0;
        ctx.move.movedWhileHeld = false;
        tableRelease(ctx, {});
        focusAfterDrop(ctx, card, false);
        return true;
    }
    case TableKey::Take:
    case TableKey::Play: break;
    }
    if (ctx.focus.held != 0) return dropHeld(ctx, *cur);
    if (key == TableKey::Play && !isMemoryClickKind(ctx.P[50]) && cur->pile != "Mazzo") {
        // Return is the double click's move, and the release after it.
        const bool moved = tableDoubleClick(ctx, hitOf(*cur));
        ctx.run.setFlag(Flag::DoubleClickPending, 0);
        tableRelease(ctx, {});
        if (!moved && normalPlay(ctx.mainGame)) ctx.shell->beep();
        return true;
    }
    // Space (and Return on the stock and in the Memory grids) is a left click;
    // a card it picks up stays held until the next Space, Return or Escape,
    // except in the grids, where a click never carries a card away.
    tablePress(ctx, MouseButton::Left, false, hitOf(*cur));
    if (ctx.drag.card != 0 && !isMemoryClickKind(ctx.P[50])) {
        ctx.focus.held = ctx.drag.card;
        return true;
    }
    tableRelease(ctx, {});
    return true;
}

std::string focusDescription(const Context& ctx) {
    const auto stop = focusedStop(ctx);
    if (!stop) return "Card table";
    const auto ref = anyPileByName(stop->pile);
    if (!ref) return "Card table";
    const int n = ref->index + 1;
    std::string where;
    switch (ref->kind) {
    case PileKind::Stock:
        where = ref->index == 0 ? "stock" : ref->index == 1 ? "waste pile" : "put-away pile";
        if (ref->index == 0 && stop->card != 0) {
            const int cards = ctx.piles.count(*ref);
            return "stock, " + std::to_string(cards) + (cards == 1 ? " card" : " cards");
        }
        break;
    case PileKind::Foundation: where = "foundation " + std::to_string(n); break;
    case PileKind::Reserve: where = "reserve " + std::to_string(n); break;
    case PileKind::Row:
        where = "row " + std::to_string(n);
        // The place is told where a row shows more than its top card.
        if (stop->depth >= 0 && (memoryGame(ctx) || stop->depth + 1 < ctx.piles.count(*ref)))
            where += ", place " + std::to_string(stop->depth + 1);
        break;
    }
    std::string text;
    if (stop->card > 0) text = cardName(ctx, stop->card) + ", " + where;
    else if (stop->depth >= 0) text = "empty place, " + where;
    else text = "empty " + where;
    if (ctx.focus.held != 0) text += "; holding " + cardName(ctx, ctx.focus.held);
    return text;
}

}  // namespace tessaro
