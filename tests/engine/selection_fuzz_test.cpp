#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "engine/execute.h"
#include "engine/history.h"
#include "engine/input.h"
#include "engine/selection.h"
#include "exec_support.h"

namespace tessaro::test {
namespace {

// Every card on the table with its count; Dest1 is the selection list in the
// selection games and is left out there.
std::map<int, int> tableCards(const Context& ctx, bool withDest1) {
    std::map<int, int> seen;
    auto add = [&](const std::string& text) {
        for (std::size_t at = 0; at + 3 <= text.size(); at += 3)
            if (int c = cardAt(text, at); c != 0) ++seen[c];
    };
    for (int i = 0; i < kStockPiles; ++i) add(ctx.piles.stock(i));
    for (int i = withDest1 ? 0 : 1; i < kFoundations; ++i) add(ctx.piles.dest(i));
    for (int i = 0; i < kRows; ++i) add(ctx.piles.fila(i));
    for (int i = 0; i < kReserves; ++i) add(ctx.piles.appogg(i));
    return seen;
}

std::string tableText(Context& ctx) {
    std::string all;
    for (int i = 0; i < kStockPiles; ++i) all += ctx.piles.stock(i) + "|";
    for (int i = 1; i < kFoundations; ++i) all += ctx.piles.dest(i) + "|";
    for (int i = 0; i < kRows; ++i) all += ctx.piles.fila(i) + "|";
    for (int i = 0; i < kReserves; ++i) all += ctx.piles.appogg(i) + "|";
    return all;
}

// Random presses and row moves in the selection games, the chained removal
// and the row exchange: no card is lost or copied, and each player action
// leaves exactly one history record when it changed the table, none otherwise.
TEST(SelectionFuzz, CardsAreConservedAndEachActionIsOneRecord) {
    Random pick(7122026);
    int removals = 0;
    int chains = 0;     // P[50] = 47 steps that took more than the pair
    int exchanges = 0;  // P[50] = 49 moves that traded two cards
    for (int round = 0; round < 400; ++round) {
        LoggedContext t;
        Context& ctx = t.ctx;
        const int kinds[] = {3, 4, 33, 8, 47, 49};
        const int kind = kinds[pick.next(6)];
        const int rows = 3 + pick.next(12);
        setParams(ctx, {{50, kind}, {367, rows}, {368, 2}, {10, 1}, {22, 1 + pick.next(3)}, {15, -1}});
        if (kind == 8 || kind == 47) ctx.P.set(39, 1);
        if (kind == 4) ctx.P.set(3, 4);
        for (int r = 0; r < rows; ++r) ctx.P.set(131 + r, 1 + pick.next(13));
        std::vector<int> deck;
        for (int c = 1; c <= 52; ++c) deck.push_back(c);
        for (int i = 51; i > 0; --i) std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(pick.next(i + 1))]);
        for (std::size_t i = 0; i < deck.size(); ++i) {
            const int c = deck[i];
            const int where = pick.next(10);
            PileRef p{PileKind::Row, pick.next(rows)};
            if (where == 0) p = {PileKind::Stock, kMazzo};
            else if (where == 1) p = {PileKind::Stock, kMazzoVis};
            else if (where == 2) p = {PileKind::Reserve, pick.next(2)};
            ctx.piles.append(p, c, ctx.cards, '1');
        }
        const auto start = tableCards(ctx, false);
        for (int step = 0; step < 60; ++step) {
            const int records = ctx.history.undo.records();
            const std::string before = tableText(ctx);
            const std::size_t wasteBefore = ctx.piles.stock(kMazzoWaste).size();
            const int card = 1 + pick.next(52);
            const Found f = ctx.piles.findCard(card, FindAction::None, ctx.P);
            if (kind == 49 && pick.next(2) == 0) {
                const int row = pick.next(rows);
                const std::string dest = "Fila" + std::to_string(row + 1);
                if (f.where == Where::Row && f.pile.index != row && ctx.piles.top(f.pile) == card) {
                    const int sourceCount = ctx.piles.count(f.pile);
                    executeMove(ctx, card, dest);
                    // The source row kept its count: it received the target's bottom card.
                    if (ctx.piles.count(f.pile) == sourceCount) ++exchanges;
                }
            } else if (pick.next(8) == 0) {
                tablePress(ctx, MouseButton::Left, false, Hit{"Mazzo", 0});
            } else if (f.where != Where::NotFound) {
                tablePress(ctx, MouseButton::Left, false, Hit{pileName(f.pile), card});
                ctx.drag.clear();
            }
            const std::string after = tableText(ctx);
            const int added = ctx.history.undo.records() - records;
            ASSERT_EQ(added, after != before ? 1 : 0) << "round " << round << " kind " << kind << " step " << step;
            const std::size_t wasteGain = ctx.piles.stock(kMazzoWaste).size() - wasteBefore;
            if (wasteGain > 0) ++removals;
            if (kind == 47 && wasteGain > 6) ++chains;

            ASSERT_EQ(tableCards(ctx, false), start) << "round " << round << " kind " << kind << " step " << step;
        }
    }
    EXPECT_GT(removals, 50);
    EXPECT_GT(chains, 5);
    EXPECT_GT(exchanges, 5);
}

}  // namespace
}  // namespace tessaro::test
