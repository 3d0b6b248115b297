#include <gtest/gtest.h>

#include "support/context_builder.h"
#include "table/geometry.h"
#include "table/hit.h"
#include "table/layout.h"
#include "table/table_fixture.h"

namespace tessaro {
namespace {

using test::setPile;
using test::TableFixture;

// A table with "B" cards, the fan offsets of the given tableau fan mode and
// hand-set pile positions.
struct Geo : TableFixture {
    explicit Geo(std::initializer_list<std::pair<int, int>> p) {
        params(p);
        setFanOffsets(ctx);
    }
    void at(PilePos& slot, int x, int y) { slot = {x, y}; }
    Layout& L() { return ctx.layout; }
};

TEST(PileGeometry, DownwardFanStepsByTheFaceOfEachCardBelow) {
    Geo g({{3, 1}});
    g.at(g.L().fila[0], 100, 200);
    setPile(g.ctx, "Fila1", "00100020003000410051");  // three down, two up
    EXPECT_EQ(cardY(g.ctx, "Fila1", 0, false), 230);  // 3 x D + U
    EXPECT_EQ(cardY(g.ctx, "Fila1", 0, true), 248);
    EXPECT_EQ(cardY(g.ctx, "Fila1", 2, false), 208);
    EXPECT_EQ(cardY(g.ctx, "Fila1", 2, true), 212);
    EXPECT_EQ(cardX(g.ctx, "Fila1", 0, false), 100);
    EXPECT_EQ(pileBottom(g.ctx, "Fila1"), 326);
    g.L().scroll = 30;
    EXPECT_EQ(cardY(g.ctx, "Fila1", 0, false), 200);
    EXPECT_EQ(pileBottom(g.ctx, "Fila1"), 296);
}

TEST(PileGeometry, NegativeCardNumbersAddNothing) {
    Geo g({{3, 1}});
    g.at(g.L().fila[1], 0, 100);
    g.ctx.piles.fila(1) = "001-01002";
    EXPECT_EQ(cardY(g.ctx, "Fila2", 0, true), 136);
    EXPECT_EQ(pileBottom(g.ctx, "Fila2"), 214);
    g.ctx.piles.fila(1) = "001-01";
    EXPECT_EQ(pileBottom(g.ctx, "Fila2"), 118);  // a negative last slot has no card height
}

TEST(PileGeometry, EmptyPileAnswersItsBase) {
    Geo g({{3, 2}});
    g.at(g.L().fila[4], 40, 60);
    EXPECT_EQ(cardX(g.ctx, "Fila5", 0, false), 40);
    EXPECT_EQ(cardY(g.ctx, "Fila5", 0, true), 60);
    EXPECT_EQ(pileBottom(g.ctx, "Fila5"), 156);
}

TEST(PileGeometry, SidewaysModes) {
    {
        // Per-row modes: rows 1-7 fan right, rows 8-12 fan left, others none.
        Geo g({{3, 11}, {6, 1}});
        g.at(g.L().fila[0], 300, 0);
        g.at(g.L().fila[7], 300, 0);
        g.at(g.L().fila[12], 300, 0);
        setPile(g.ctx, "Fila1", "001100200031");
        setPile(g.ctx, "Fila8", "004100510061");
        setPile(g.ctx, "Fila13", "007100810091");
        EXPECT_EQ(cardX(g.ctx, "Fila1", 0, false), 316);  // SU + SD
        EXPECT_EQ(cardX(g.ctx, "Fila8", 0, false), 276);  // two SU to the left
        EXPECT_EQ(cardX(g.ctx, "Fila8", 0, true), 264);
        EXPECT_EQ(cardX(g.ctx, "Fila13", 0, false), 300);
    }
    {
        Geo g({{3, 4}});
        g.at(g.L().fila[0], 10, 0);
        setPile(g.ctx, "Fila1", "0011002100310041");
        EXPECT_EQ(cardX(g.ctx, "Fila1", 0, false), 241);
        EXPECT_EQ(cardX(g.ctx, "Fila1", 0, true), 318);
        EXPECT_EQ(cardX(g.ctx, "Fila1", 3, false), 10);
    }
    {
        Geo g({{3, 6}});
        g.at(g.L().fila[0], 10, 0);
        setPile(g.ctx, "Fila1", "001100210031");
        EXPECT_EQ(cardX(g.ctx, "Fila1", 0, false), 24);
    }
    {
        // Reserves fanned sideways; foundations of mode 4 side by side.
        Geo g({{5, 2}, {4, 4}});
        g.at(g.L().appogg[0], 10, 0);
        g.at(g.L().dest[0], 10, 0);
        setPile(g.ctx, "Appogg1", "00100021");
        setPile(g.ctx, "Dest1", "00310041");
        EXPECT_EQ(cardX(g.ctx, "Appogg1", 0, true), 26);
        EXPECT_EQ(cardX(g.ctx, "Dest1", 0, false), 87);
    }
}

TEST(PileGeometry, OneColumnPerCard) {
    // Fan mode 9: the column is the number of counted cards.
    Geo g({{3, 9}});
    g.at(g.L().fila[1], 100, 0);
    setPile(g.ctx, "Fila2", "001100210031");
    EXPECT_EQ(cardX(g.ctx, "Fila2", 0, false), 319);
    EXPECT_EQ(cardX(g.ctx, "Fila2", 2, false), 173);
}

TEST(PileGeometry, StepAfterTheFirstCard) {
    Geo g({{3, 7}});
    g.at(g.L().fila[0], 0, 100);
    setPile(g.ctx, "Fila1", "00110021");
    EXPECT_EQ(cardY(g.ctx, "Fila1", 0, false), 118);
    EXPECT_EQ(pileBottom(g.ctx, "Fila1"), 214);
    setPile(g.ctx, "Fila1", "0011");
    EXPECT_EQ(cardY(g.ctx, "Fila1", 0, false), 100);
    EXPECT_EQ(cardY(g.ctx, "Fila1", 0, true), 118);
    EXPECT_EQ(pileBottom(g.ctx, "Fila1"), 196);
}

TEST(PileGeometry, ReserveStackAndDownwardFoundation) {
    Geo g({{5, 5}, {4, 1}});
    g.at(g.L().appogg[0], 50, 60);
    g.at(g.L().dest[0], 50, 300);
    setPile(g.ctx, "Appogg1", "001100210031");
    setPile(g.ctx, "Dest1", "00410051");
    EXPECT_EQ(cardY(g.ctx, "Appogg1", 0, false), 66);
    EXPECT_EQ(pileBottom(g.ctx, "Appogg1"), 162);
    EXPECT_EQ(cardY(g.ctx, "Dest1", 0, false), 300);  // fan steps need face offsets of mode 1
    g.params({{3, 1}});
    setFanOffsets(g.ctx);
    EXPECT_EQ(cardY(g.ctx, "Dest1", 0, false), 318);
}

TEST(PileGeometry, IrregularPilesJitter) {
    Geo g({{3, 1}});
    g.ctx.reg.write(reg::IrregularPiles, "Y");
    g.L().jitter[0][2] = 7;
    g.L().jitter[1][2] = 5;
    g.L().jitter[2][2] = -3;
    g.L().jitter[0][12] = 2;
    g.at(g.L().fila[1], 100, 0);
    g.at(g.L().fila[8], 100, 0);
    g.at(g.L().fila[0], 100, 0);
    setPile(g.ctx, "Fila2", "001100210031");
    setPile(g.ctx, "Fila9", "001100210031");
    EXPECT_EQ(cardX(g.ctx, "Fila2", 0, false), 105);
    EXPECT_EQ(cardX(g.ctx, "Fila2", 1, false), 105);
    EXPECT_EQ(cardX(g.ctx, "Fila2", 0, true), 100);
    EXPECT_EQ(cardX(g.ctx, "Fila9", 0, false), 97);  // row 9 uses table row 3
    // Fifteen cards: index 14 wraps to 2; thirteen cards use index 12.
    g.ctx.piles.fila(0) = std::string(45, '0').replace(0, 3, "001");
    EXPECT_EQ(cardX(g.ctx, "Fila1", 0, false), 107);
    g.ctx.piles.fila(0).resize(39);
    EXPECT_EQ(cardX(g.ctx, "Fila1", 0, false), 102);
    g.ctx.reg.write(reg::IrregularPiles, "N");
    EXPECT_EQ(cardX(g.ctx, "Fila2", 0, false), 100);
}

TEST(PileGeometry, LinesAcrossTheTable) {
    Geo g({{3, 8}, {43, 3}});
    g.L().screenW = 1024;
    g.at(g.L().fila[0], 20, 100);
    g.at(g.L().fila[1], 500, 500);
    g.ctx.piles.fila(0) = "000000000007";
    // Three gaps before the card: line 1, which runs right to left.
    EXPECT_EQ(cardX(g.ctx, "Fila1", 0, false), 186);
    EXPECT_EQ(cardY(g.ctx, "Fila1", 0, false), 204);
    EXPECT_EQ(cardX(g.ctx, "Fila1", 1, false), 186);
    EXPECT_EQ(cardY(g.ctx, "Fila1", 1, false), 100);
    g.L().scroll = 4;
    EXPECT_EQ(cardY(g.ctx, "Fila1", 0, false), 200);
    g.L().scroll = 0;
    // -1: as many cards per line as the screen width holds (12).
    g.params({{43, -1}});
    EXPECT_EQ(cardX(g.ctx, "Fila1", 0, false), 269);
    EXPECT_EQ(cardY(g.ctx, "Fila1", 0, false), 100);
    // A line of no cards would divide by zero: one card per line instead.
    g.params({{43, 0}});
    EXPECT_EQ(cardX(g.ctx, "Fila1", 0, false), 20);
    EXPECT_EQ(cardY(g.ctx, "Fila1", 0, false), 412);
    // Only tableau row 1 is laid in lines.
    g.ctx.piles.fila(1) = "000000000007";
    EXPECT_EQ(cardX(g.ctx, "Fila2", 0, false), 500);
    EXPECT_EQ(cardY(g.ctx, "Fila2", 0, false), 500);
}

TEST(PileGeometry, RowOfOneWrongCardStaysAtItsStoredY) {
    Geo g({{3, 1}, {50, 49}, {133, 7}});
    g.at(g.L().fila[2], 0, 250);
    g.L().scroll = 20;
    setPile(g.ctx, "Fila3", "0051");
    EXPECT_EQ(cardY(g.ctx, "Fila3", 0, true), 250);
    EXPECT_EQ(cardY(g.ctx, "Fila3", 0, false), 230);
    g.params({{133, 5}});
    EXPECT_EQ(cardY(g.ctx, "Fila3", 0, true), 248);
}

TEST(PileGeometry, StockPilesAreSquared) {
    Geo g({{3, 1}});
    g.at(g.L().stock[0], 5, 50);
    g.at(g.L().stock[1], 90, 50);
    g.at(g.L().stock[2], 700, 300);
    g.L().scroll = 10;
    setPile(g.ctx, "Mazzo_Vis", "001100210031");
    EXPECT_EQ(cardX(g.ctx, "Mazzo_Vis", 0, false), 90);
    EXPECT_EQ(cardY(g.ctx, "Mazzo_Vis", 0, true), 40);
    EXPECT_EQ(cardY(g.ctx, "Mazzo", 0, false), 40);
    EXPECT_EQ(cardX(g.ctx, "Mazzo_Waste", 0, false), 700);
    EXPECT_EQ(cardX(g.ctx, "Fila99", 0, false), 0);
    EXPECT_EQ(pileBottom(g.ctx, "Nowhere"), 0);
}

// ------------------------------------------------------------ hit-testing

struct HitTable : Geo {
    HitTable() : Geo({{3, 1}, {367, 2}, {368, 1}}) {
        at(L().stock[0], 10, 10);
        at(L().stock[1], 100, 10);
        at(L().dest[0], 300, 10);
        at(L().appogg[0], 400, 10);
        at(L().fila[0], 10, 150);
        at(L().fila[1], 100, 150);
        setPile(ctx, "Mazzo_Vis", "06110621");
        setPile(ctx, "Fila1", "001000200031");
        setPile(ctx, "Fila2", "00000041");
        setPile(ctx, "Dest1", "0401");
        setPile(ctx, "Appogg1", "0501");
        setPile(ctx, "Fila5", "0771");  // not on the table
    }
    std::string hit(int x, int y) {
        const PileHit h = pileUnderPoint(ctx, x, y);
        return h.pile + " " + std::to_string(h.card) + " " + std::to_string(h.rect.left) + "," +
               std::to_string(h.rect.top) + "," + std::to_string(h.rect.right) + "," + std::to_string(h.rect.bottom);
    }
};

TEST(PileUnderPoint, EachFamily) {
    HitTable t;
    EXPECT_EQ(t.hit(15, 15), "Mazzo 0 10,10,81,106");
    EXPECT_EQ(t.hit(105, 20), "Mazzo_Vis 62 100,10,171,106");
    EXPECT_EQ(t.hit(20, 152), "Fila1 1 10,150,81,246");
    EXPECT_EQ(t.hit(20, 156), "Fila1 2 10,154,81,250");
    EXPECT_EQ(t.hit(20, 250), "Fila1 3 10,158,81,254");
    EXPECT_EQ(t.hit(20, 256), " 0 0,0,0,0");
    EXPECT_EQ(t.hit(105, 155), " 0 0,0,0,0");  // over the gap of row 2
    EXPECT_EQ(t.hit(105, 170), "Fila2 4 100,168,171,264");
    EXPECT_EQ(t.hit(310, 20), "Dest1 40 300,10,371,106");
    EXPECT_EQ(t.hit(410, 20), "Appogg1 50 400,10,471,106");
    t.params({{368, 0}});
    EXPECT_EQ(t.hit(410, 20), " 0 0,0,0,0");
    t.params({{367, 1}});
    EXPECT_EQ(t.hit(105, 170), " 0 0,0,0,0");
}

TEST(PileUnderPoint, SideBySideRowsAreAskedFromTheLast) {
    for (int mode : {4, 6}) {
        Geo g({{3, mode}, {367, 2}});
        g.at(g.L().fila[0], 0, 300);
        g.at(g.L().fila[1], 50, 300);
        setPile(g.ctx, "Fila1", "001100210031");
        setPile(g.ctx, "Fila2", "0101");
        EXPECT_EQ(pileUnderPoint(g.ctx, 60, 310).pile, mode == 4 ? "Fila2" : "Fila1") << mode;
    }
}

TEST(CardPlace, FindsTheRectangleTheCardIsDrawnIn) {
    HitTable t;
    auto place = [&](int card) {
        const auto p = cardPlace(t.ctx, card);
        if (!p) return std::string("none");
        return p->pile + " " + std::to_string(p->rect.left) + "," + std::to_string(p->rect.top) + "," +
               std::to_string(p->rect.right) + "," + std::to_string(p->rect.bottom);
    };
    EXPECT_EQ(place(3), "Fila1 10,158,81,254");
    EXPECT_EQ(place(1), "Fila1 10,150,81,246");
    EXPECT_EQ(place(61), "Mazzo_Vis 100,10,171,106");
    EXPECT_EQ(place(40), "Dest1 300,10,371,106");
    EXPECT_EQ(place(50), "Appogg1 400,10,471,106");
    EXPECT_EQ(place(77), "none");  // its row is not on the table
    EXPECT_EQ(place(99), "none");
    EXPECT_EQ(place(0), "none");
}

}  // namespace
}  // namespace tessaro
