// Fuzzing: layout codes, counts, fan modes and window sizes a data file or a
// resize can produce, including nonsense, must never crash or hang the layout,
// the pile geometry or the hit-testing (run under the sanitizers in CI).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "table/geometry.h"
#include "table/hit.h"
#include "table/layout.h"
#include "table/table_fixture.h"

namespace tessaro {
namespace {

TEST(LayoutFuzz, AnyParametersAndWindowSizes) {
    std::mt19937 gen(20261207);
    auto pick = [&gen](std::initializer_list<int> interesting) {
        std::uniform_int_distribution<int> coin(0, 3);
        if (coin(gen) == 0) return std::uniform_int_distribution<int>(-32768, 32767)(gen);
        std::uniform_int_distribution<std::size_t> i(0, interesting.size() - 1);
        return *(interesting.begin() + static_cast<long>(i(gen)));
    };
    const std::initializer_list<int> arrangements = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17,
                                                     18, 19, 20, 21, 22, 23, 52, 53, 54, 118, 119, 123, 124, 125,
                                                     126, 127, 128, 129, 130, -1, 999};
    const std::initializer_list<int> counts = {-1, 0, 1, 2, 3, 4, 5, 7, 8, 10, 13, 16, 17, 20, 40, 41};
    const std::initializer_list<int> digits = {-5, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 64};
    const std::initializer_list<int> modes = {-1, 0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11};
    const char* letters[] = {"B", "M", "L", "X"};
    int placed = 0;
    for (int round = 0; round < 3000; ++round) {
        test::TableFixture t(letters[round % 4]);
        Context& ctx = t.ctx;
        for (int p : {354, 356, 358, 361, 363}) ctx.P.set(p, pick(arrangements));
        for (int p : {355, 357, 359, 362, 364}) ctx.P.set(p, pick(digits));
        for (int p : {360, 365, 366, 367, 368, 369}) ctx.P.set(p, pick(counts));
        for (int p : {3, 4, 5}) ctx.P.set(p, pick(modes));
        for (int p : {6, 9, 10}) ctx.P.set(p, pick({0, 1, 2}));
        ctx.P.set(43, pick({-1, 0, 1, 3, 12}));
        ctx.P.set(50, pick({0, 49}));
        ctx.reg.write(reg::IrregularPiles, round % 2 ? "Y" : "N");
        std::uniform_int_distribution<int> size(-50, 1400);
        const LayoutInputs in = test::inputs(size(gen), size(gen), size(gen), size(gen) / 10, size(gen), size(gen),
                                             size(gen) / 10);
        t.layout(in);
        for (int i = 0; i < 40; ++i) {
            std::string& text = ctx.piles.fila(i);
            text.clear();
            for (int k = 0; k < i % 17; ++k) text += k % 5 == 4 ? "000" : k % 7 == 6 ? "-01" : "013";
        }
        ctx.piles.dest(0) = "001002";
        ctx.piles.appogg(0) = "003004005";
        for (const char* name : {"Fila1", "Fila2", "Fila9", "Fila16", "Fila40", "Dest1", "Appogg1", "Mazzo",
                                 "Mazzo_Vis", "Mazzo_Waste"}) {
            for (int skip : {-2, 0, 1, 20}) {
                cardX(ctx, name, skip, true);
                cardY(ctx, name, skip, false);
            }
            pileBottom(ctx, name);
        }
        for (int x = -20; x < 1100; x += 97)
            for (int y = -20; y < 800; y += 83)
                if (!pileUnderPoint(ctx, x, y).pile.empty()) ++placed;
        cardPlace(ctx, 13);
    }
    EXPECT_GT(placed, 0);  // the rounds did lay piles out
}

}  // namespace
}  // namespace tessaro
