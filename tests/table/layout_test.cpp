#include <gtest/gtest.h>

#include "table/layout.h"
#include "table/table_fixture.h"

namespace tessaro {
namespace {

using test::inputs;
using test::TableFixture;
using test::window1024;
using test::window800;

// ------------------------------------------------------------ Memory games

TEST(MemoryLayout, PairsGridsIn1024Window) {
    {
        TableFixture t;
        t.params({{50, 37}, {367, 3}, {3, 4}, {358, 129}, {369, 1}});
        EXPECT_EQ(t.layout(window1024()),
                  "Mazzo_Waste 639 330\n"
                  "Fila1 279 229\nFila2 279 330\nFila3 279 431\n");
    }
    {
        TableFixture t;
        t.params({{50, 37}, {367, 4}, {3, 4}, {358, 127}, {369, 1}});
        EXPECT_EQ(t.layout(window1024()),
                  "Mazzo_Waste 705 330\n"
                  "Fila1 203 179\nFila2 203 280\nFila3 203 381\nFila4 203 482\n");
    }
    {
        TableFixture t;
        t.params({{50, 37}, {367, 5}, {3, 4}, {358, 128}, {369, 1}});
        EXPECT_EQ(t.layout(window1024()),
                  "Mazzo_Waste 777 330\n"
                  "Fila1 135 132\nFila2 135 231\nFila3 135 330\nFila4 135 429\nFila5 135 528\n");
    }
}

TEST(MemoryLayout, AceToKingRowsOfFourFiveFour) {
    TableFixture t;
    t.params({{50, 36}, {367, 13}, {3, 4}, {358, 126}});
    EXPECT_EQ(t.layout(window1024()),
              "Fila1 353 229\nFila2 429 229\nFila3 505 229\nFila4 581 229\n"
              "Fila5 315 330\nFila6 391 330\nFila7 467 330\nFila8 543 330\nFila9 619 330\n"
              "Fila10 353 431\nFila11 429 431\nFila12 505 431\nFila13 581 431\n");
}

TEST(MemoryLayout, ForgetMeNotFoundationsOverTwoRows) {
    TableFixture t;
    t.params({{50, 38}, {366, 10}, {367, 20}, {3, 4}, {358, 130}});
    EXPECT_EQ(t.layout(window1024()),
              "Dest1 125 189\nDest2 201 189\nDest3 277 189\nDest4 353 189\nDest5 429 189\n"
              "Dest6 505 189\nDest7 581 189\nDest8 657 189\nDest9 733 189\nDest10 809 189\n"
              "Fila1 125 300\nFila2 201 300\nFila3 277 300\nFila4 353 300\nFila5 429 300\n"
              "Fila6 505 300\nFila7 581 300\nFila8 657 300\nFila9 733 300\nFila10 809 300\n"
              "Fila11 125 456\nFila12 201 456\nFila13 277 456\nFila14 353 456\nFila15 429 456\n"
              "Fila16 505 456\nFila17 581 456\nFila18 657 456\nFila19 733 456\nFila20 809 456\n");
}

TEST(MemoryLayout, FiveRowBlockInALowWindow) {
    // H < 500: a 12-pixel narrower width, 1-pixel gaps; the block is held at
    // x 25 and T + 5 even though it does not fit.
    TableFixture t;
    t.params({{50, 37}, {367, 5}, {3, 4}, {358, 128}, {369, 1}});
    EXPECT_EQ(t.layout(windowInputs(640, 17, 480, 430, 40, 640, 480)),
              "Mazzo_Waste 665 239\n"
              "Fila1 25 45\nFila2 25 142\nFila3 25 239\nFila4 25 336\nFila5 25 433\n");
}

TEST(MemoryLayout, ThreeRowBlockWithoutPutAwayPile) {
    TableFixture t;
    t.params({{50, 37}, {367, 3}, {3, 4}, {358, 129}, {369, 0}});
    EXPECT_EQ(t.layout(window1024()), "Fila1 279 229\nFila2 279 330\nFila3 279 431\n");
}

// ------------------------------------------------------------ classic games

// A Klondike-like game: stock and visible stock at the left of row 1, four
// foundations right-aligned on row 1, seven rows of arrangement 001 on row 2.
void classic(TableFixture& t) {
    t.params({{3, 1}, {9, 1}, {10, 1}, {354, 13}, {355, 1}, {365, 2}, {356, 8}, {357, 1}, {366, 4},
              {358, 1}, {359, 2}, {367, 7}});
}

TEST(ClassicLayout, KlondikeIn800Window) {
    TableFixture t;
    classic(t);
    EXPECT_EQ(t.layout(window800()),
              "Mazzo 19 65\nMazzo_Vis 105 65\n"
              "Dest1 436 65\nDest2 521 65\nDest3 606 65\nDest4 691 65\n"
              "Fila1 82 171\nFila2 173 171\nFila3 264 171\nFila4 355 171\nFila5 446 171\nFila6 537 171\n"
              "Fila7 628 171\n");
}

TEST(ClassicLayout, TenRowsIn640WindowClampGapAndMargin) {
    TableFixture t;
    t.params({{358, 1}, {359, 1}, {367, 10}});
    EXPECT_EQ(t.layout(inputs(640, 600, 560, 30, 1024, 768)),
              "Fila1 3 40\nFila2 78 40\nFila3 153 40\nFila4 228 40\nFila5 303 40\nFila6 378 40\nFila7 453 40\n"
              "Fila8 528 40\nFila9 603 40\nFila10 678 40\n");
}

TEST(ClassicLayout, SqueezedRowKeepsWideGapsOverTheStock) {
    // 014 squeezes the gap to fit the margin; with stock arrangement 004 the
    // first parameter-365 gaps stay 15.
    TableFixture t;
    t.params({{9, 1}, {354, 4}, {355, 1}, {365, 1}, {358, 14}, {359, 2}, {367, 7}});
    EXPECT_EQ(t.layout(inputs(602, 600, 560, 30, 1024, 768)),
              "Mazzo 27 55\n"
              "Fila1 27 161\nFila2 113 161\nFila3 194 161\nFila4 275 161\nFila5 356 161\nFila6 437 161\n"
              "Fila7 518 161\n");
    // The fill-in gives the unplaced visible stock the stock's y only.
    EXPECT_EQ(t.ctx.layout.stock[1].x, -10000);
    EXPECT_EQ(t.ctx.layout.stock[1].y, 55);
}

TEST(ClassicLayout, SideColumnArrangementWithStockRows) {
    TableFixture t;
    t.params({{9, 1}, {10, 1}, {354, 3}, {355, 1}, {365, 2}, {358, 3}, {359, 1}, {367, 8}, {366, 4}});
    EXPECT_EQ(t.layout(window800()),
              "Mazzo 44 65\nMazzo_Vis 44 186\n"
              "Fila1 145 65\nFila2 224 65\nFila3 303 65\nFila4 382 65\nFila5 461 65\nFila6 540 65\n"
              "Fila7 619 65\nFila8 698 65\n");
}

TEST(ClassicLayout, GridArrangements) {
    {
        // 010, two rows of three; the first pile lines up with its row.
        TableFixture t;
        t.params({{358, 10}, {360, 2}, {367, 6}});
        EXPECT_EQ(t.layout(window800()),
                  "Fila1 15 50\nFila2 146 50\nFila3 277 50\nFila4 15 156\nFila5 146 156\nFila6 277 156\n");
    }
    {
        // 010 with one row: centred in the three-row block.
        TableFixture t;
        t.params({{358, 10}, {360, 1}, {367, 3}});
        EXPECT_EQ(t.layout(window800()), "Fila1 15 140\nFila2 146 140\nFila3 277 140\n");
    }
    {
        // 018, four rows of two in the centred four-row block.
        TableFixture t;
        t.params({{358, 18}, {359, 1}, {360, 4}, {367, 8}});
        EXPECT_EQ(t.layout(window800()),
                  "Fila1 15 87\nFila2 298 87\nFila3 15 193\nFila4 298 193\nFila5 15 299\nFila6 298 299\n"
                  "Fila7 15 405\nFila8 298 405\n");
    }
    {
        // 053, two rows of three and the put-away pile under them.
        TableFixture t;
        t.params({{358, 53}, {360, 2}, {367, 6}});
        EXPECT_EQ(t.layout(window800()),
                  "Mazzo_Waste 15 413\n"
                  "Fila1 15 80\nFila2 227 80\nFila3 439 80\nFila4 15 186\nFila5 227 186\nFila6 439 186\n");
    }
}

TEST(ClassicLayout, CrossPlacesExactlyItsPiles) {
    TableFixture t;
    t.params({{358, 52}, {367, 8}, {365, 2}, {366, 4}, {354, 13}, {356, 1}});
    EXPECT_EQ(t.layout(window800()),
              "Mazzo 108 115\nMazzo_Vis 108 246\n"
              "Dest1 256 122\nDest2 454 122\nDest3 256 370\nDest4 454 370\n"
              "Fila1 355 115\nFila2 249 246\nFila3 355 246\nFila4 461 246\nFila5 355 377\n");
    EXPECT_EQ(t.ctx.layout.fila[5].x, -10002);
    EXPECT_EQ(t.ctx.layout.fila[7].y, -10002);
}

TEST(ClassicLayout, ColumnAndStaircase) {
    {
        TableFixture t;
        t.params({{358, 118}, {367, 4}});
        EXPECT_EQ(t.layout(window800()), "Mazzo 443 480\nFila1 5 50\nFila2 5 156\nFila3 5 262\nFila4 5 368\n");
    }
    {
        TableFixture t;
        t.params({{358, 118}, {367, 4}, {369, 1}});
        EXPECT_EQ(t.layout(window800()), "Mazzo_Waste 443 480\nFila1 5 50\nFila2 5 156\nFila3 5 262\nFila4 5 368\n");
    }
    {
        TableFixture t;
        t.params({{358, 54}, {367, 7}});
        EXPECT_EQ(t.layout(window800()),
                  "Mazzo 40 50\nMazzo_Vis 40 166\nMazzo_Waste 672 50\n"
                  "Fila1 355 50\nFila2 317 102\nFila3 279 154\nFila4 241 206\nFila5 203 258\nFila6 165 310\n"
                  "Fila7 127 362\n");
        EXPECT_EQ(t.ctx.layout.fila[7].y, 414);  // the staircase's eighth y, with no x
    }
}

TEST(ClassicLayout, SingleCardGrids) {
    TableFixture t;
    t.params({{358, 125}, {367, 25}, {369, 1}});
    t.layout(window800());
    const Layout& L = t.ctx.layout;
    EXPECT_EQ(L.fila[0].x, 136);
    EXPECT_EQ(L.fila[0].y, 48);
    EXPECT_EQ(L.fila[4].x, 432);
    EXPECT_EQ(L.fila[24].x, 432);
    EXPECT_EQ(L.fila[24].y, 444);
    EXPECT_EQ(L.stock[2].x, 577);
    EXPECT_EQ(L.stock[2].y, 246);

    TableFixture low;
    low.params({{358, 123}, {367, 16}});
    low.layout(inputs(640, 480, 430, 30, 1024, 768));
    EXPECT_EQ(low.ctx.layout.fila[0].x, 165);
    EXPECT_EQ(low.ctx.layout.fila[0].y, 36);
    EXPECT_EQ(low.ctx.layout.fila[15].x, 381);
    EXPECT_EQ(low.ctx.layout.fila[15].y, 327);
    EXPECT_EQ(low.ctx.layout.stock[2].x, -10000);
}

TEST(ClassicLayout, Arrangement020SpacesRowsBetweenTheFoundations) {
    TableFixture t;
    t.params({{358, 20}, {359, 2}, {367, 7}, {356, 1}, {357, 1}, {366, 4}});
    EXPECT_EQ(t.layout(window800()),
              "Dest1 99 50\nDest2 269 50\nDest3 439 50\nDest4 609 50\n"
              "Fila1 111 156\nFila2 192 156\nFila3 273 156\nFila4 354 156\nFila5 435 156\nFila6 516 156\n"
              "Fila7 597 156\n");
}

// ------------------------------------------------------------ overlap retry

TEST(OverlapRetry, MovesRowArrangement002RightOfTheLastReserve) {
    TableFixture t;
    t.params({{358, 2}, {359, 1}, {367, 4}, {361, 5}, {362, 1}, {368, 2}});
    EXPECT_EQ(t.layout(window800()),
              "Fila1 238 50\nFila2 319 50\nFila3 400 50\nFila4 481 50\n"
              "Appogg1 5 50\nAppogg2 81 50\n");
}

TEST(OverlapRetry, OtherArrangementsAreLaidOutOnceMore) {
    // The reserves overlap row 1 whatever happens: the retry must stop.
    TableFixture t;
    t.params({{358, 1}, {359, 1}, {367, 10}, {361, 5}, {362, 1}, {368, 3}});
    EXPECT_EQ(t.layout(inputs(640, 600, 560, 30, 1024, 768)),
              "Fila1 3 40\nFila2 78 40\nFila3 153 40\nFila4 228 40\nFila5 303 40\nFila6 378 40\nFila7 453 40\n"
              "Fila8 528 40\nFila9 603 40\nFila10 678 40\n"
              "Appogg1 3 40\nAppogg2 77 40\nAppogg3 151 40\n");
}

TEST(OverlapRetry, UnplacedPilesDoNotOverlap) {
    // Reserve arrangement 005 with a reserve row digit of 9 leaves the reserves
    // unset; two unset rectangles must not send 002 into endless retries.
    TableFixture t;
    t.params({{358, 2}, {359, 1}, {367, 4}, {361, 5}, {362, 9}, {368, 2}});
    EXPECT_EQ(t.layout(window800()), "Fila1 233 50\nFila2 314 50\nFila3 395 50\nFila4 476 50\n");
}

// ------------------------------------------------------------ mended faults

struct Fault {
    const char* name;
    std::initializer_list<std::pair<int, int>> params;
    const char* expected;
};

TEST(LayoutFaults, FamiliesThatCannotBePlacedStayUnset) {
    const Fault cases[] = {
        {"010 with no rows", {{358, 10}, {360, 0}, {367, 6}}, ""},
        {"010 with fewer piles than rows", {{358, 10}, {360, 3}, {367, 2}}, ""},
        {"010 beyond the six header rows", {{358, 10}, {360, 7}, {367, 7}}, ""},
        {"018 with no rows", {{358, 18}, {359, 1}, {360, 0}, {367, 4}}, ""},
        {"018 beyond the four-row block", {{358, 18}, {359, 2}, {360, 4}, {367, 4}}, ""},
        {"053 with negative rows", {{358, 53}, {360, -2}, {367, 4}}, ""},
        {"053 with fewer piles than rows", {{358, 53}, {360, 4}, {367, 3}}, ""},
        {"001 with a negative count", {{358, 1}, {359, 1}, {367, -1}}, ""},
        {"001 with more than 40 rows", {{358, 1}, {359, 1}, {367, 41}}, ""},
        {"row digit beyond the header rows", {{358, 1}, {359, 7}, {367, 2}}, ""},
        {"008 with no foundations", {{356, 8}, {357, 1}, {366, 0}}, ""},
        {"009 with no foundations", {{358, 1}, {359, 2}, {367, 1}, {356, 9}, {357, 1}, {366, 0}},
         "Fila1 355 156\n"},
        {"013 with no foundations", {{358, 1}, {359, 2}, {367, 1}, {356, 13}, {357, 1}, {366, 0}},
         "Fila1 355 156\n"},
        {"009 with no tableau", {{356, 9}, {357, 1}, {366, 2}, {367, 0}}, ""},
        {"013 with no tableau", {{356, 13}, {357, 1}, {366, 2}, {367, 0}}, ""},
        {"foundation 007 wider than the tableau", {{358, 1}, {359, 2}, {367, 1}, {356, 7}, {357, 1}, {366, 2}},
         "Fila1 355 156\n"},
        {"reserve 007 wider than the tableau", {{358, 1}, {359, 2}, {367, 1}, {361, 7}, {362, 1}, {368, 3}},
         "Fila1 355 156\n"},
        {"foundation row digit negative", {{358, 1}, {359, 2}, {367, 1}, {356, 1}, {357, -1}, {366, 1}},
         "Fila1 355 156\n"},
        {"stock row digit beyond the header rows", {{354, 13}, {355, 8}, {365, 1}}, ""},
        {"Mazzo_Waste 007 with no tableau", {{363, 7}, {364, 1}, {369, 1}, {367, 0}}, ""},
        {"020 gap read by foundation 002",
         {{358, 20}, {359, 2}, {367, 2}, {356, 2}, {357, 1}, {366, 2}}, ""},
        {"020 fgap read by reserve 006",
         {{358, 20}, {359, 2}, {367, 2}, {356, 8}, {357, 1}, {366, 1}, {361, 6}, {362, 3}, {368, 1}},
         "Dest1 700 50\nFila1 660 156\nFila2 741 156\n"},
    };
    for (const Fault& c : cases) {
        TableFixture t;
        t.params(c.params);
        EXPECT_EQ(t.layout(window800()), c.expected) << c.name;
    }
}

TEST(LayoutFaults, SqueezingASinglePileWouldDivideByZero) {
    // 014 squeezes the gaps between its piles when the row starts left of the
    // margin; with one pile there is no gap to squeeze.
    TableFixture t;
    t.params({{358, 14}, {359, 1}, {367, 1}});
    EXPECT_EQ(t.layout(inputs(60, 600, 560, 30, 1024, 768)), "");
    TableFixture plain;
    plain.params({{358, 1}, {359, 1}, {367, 1}});
    EXPECT_EQ(plain.layout(inputs(60, 600, 560, 30, 1024, 768)), "Fila1 3 40\n");
}

TEST(LayoutFaults, MendedFamiliesKeepTheirOwnSentinels) {
    TableFixture t;
    t.params({{358, 1}, {359, 2}, {367, 1}, {356, 7}, {357, 1}, {366, 2}});
    t.layout(window800());
    EXPECT_EQ(t.ctx.layout.dest[0].x, -10001);
    EXPECT_EQ(t.ctx.layout.dest[0].y, -10001);
    EXPECT_EQ(t.ctx.layout.dest[1].y, -10001);
}

// ------------------------------------------------------------ snapshots, scroll

TEST(LayoutState, SnapshotsAreTakenBeforeTheScrollOffset) {
    TableFixture t;
    classic(t);
    LayoutInputs in = window800();
    in.scrollPos = 25;
    t.layout(in);
    const Layout& L = t.ctx.layout;
    EXPECT_EQ(L.scroll, 25);
    EXPECT_EQ(L.stockSnap[0].x, 19);
    EXPECT_EQ(L.stockSnap[0].yScrolled, 65);
    EXPECT_EQ(L.stockSnap[0].y, 65);
    EXPECT_EQ(L.destSnap[3].x, 691);
    EXPECT_EQ(L.destSnap[4].x, -10001);
    EXPECT_EQ(L.screenW, 1024);
}

// ------------------------------------------------------------ rectangles

TEST(Rectangles, MinimumWindowSize) {
    EXPECT_EQ(minimumWindowWidth(640), 635);
    EXPECT_EQ(minimumWindowWidth(700), 635);
    EXPECT_EQ(minimumWindowWidth(701), 780);
    EXPECT_EQ(kMinimumWindowHeight, 120);
}

TEST(Rectangles, ColumnX) {
    TableFixture t;
    t.ctx.layout.fila[2].x = 100;
    EXPECT_EQ(columnX(t.ctx, 3, 2), 319);
    EXPECT_EQ(columnX(t.ctx, 0, 2), 100);
}

TEST(Rectangles, OverlapByCornersSpansAndSampledRows) {
    struct Case {
        const char* name;
        int a[4];
        int b[4];
        bool overlap;
        int area;
    };
    const Case cases[] = {
        {"top-left corner inside", {10, 10, 20, 20}, {0, 0, 15, 15}, true, 25},
        {"bottom-right corner inside", {0, 0, 10, 10}, {5, 5, 20, 20}, true, 25},
        {"top-right corner inside", {0, 10, 10, 20}, {5, 0, 20, 15}, true, 25},
        {"bottom-left corner inside", {10, 0, 30, 10}, {0, 5, 20, 20}, true, 50},
        {"edges touch", {0, 0, 10, 10}, {10, 10, 20, 20}, true, 0},
        {"second inside the first's span: neither edge in span", {0, 0, 100, 10}, {10, 0, 20, 10}, false, 0},
        {"sampled y reaches the second", {15, 0, 30, 200}, {0, 90, 20, 110}, true, 1000},
        {"right edge in span, sampled", {0, 0, 10, 200}, {5, 40, 30, 60}, true, 1000},
        {"sampled y steps over the second", {15, 0, 30, 200}, {0, 120, 20, 130}, false, 0},
        {"sampled y on the second's top edge", {15, 0, 30, 200}, {0, 100, 20, 110}, true, 1000},
        {"apart", {0, 0, 10, 10}, {20, 20, 30, 30}, false, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rectsOverlap(c.a[0], c.a[1], c.a[2], c.a[3], c.b[0], c.b[1], c.b[2], c.b[3]), c.overlap) << c.name;
        EXPECT_EQ(overlapArea(c.a[0], c.a[1], c.a[2], c.a[3], c.b[0], c.b[1], c.b[2], c.b[3]), c.area) << c.name;
    }
}


// ------------------------------------------------- arrangements of each family

namespace more {

struct Case {
    const char* name;
    std::initializer_list<std::pair<int, int>> params;
    LayoutInputs in;
    const char* expected;
};

const LayoutInputs kLow = inputs(640, 480, 430, 30, 640, 480);

TEST(FamilyArrangements, EveryListedCode) {
    const Case cases[] = {
        {"tableau 011 after stock 011",
         {{358, 11}, {359, 1}, {367, 7}, {366, 4}, {354, 11}, {365, 2}},
         window800(),
         "Mazzo 20 50\nMazzo_Vis 106 50\n"
         "Fila1 222 50\nFila2 301 50\nFila3 380 50\nFila4 459 50\nFila5 538 50\nFila6 617 50\nFila7 696 50\n"},
        {"tableau 021 with stock 021",
         {{358, 21}, {359, 2}, {367, 7}, {366, 4}, {354, 21}, {355, 1}, {365, 2}},
         window800(),
         "Mazzo 44 65\nMazzo_Vis 135 65\n"
         "Fila1 221 171\nFila2 296 171\nFila3 371 171\nFila4 446 171\nFila5 521 171\nFila6 596 171\n"
         "Fila7 671 171\n"},
        {"tableau 012 with reserve 012",
         {{358, 12}, {359, 2}, {367, 6}, {366, 8}, {361, 12}, {362, 2}, {368, 1}},
         window800(),
         "Fila1 205 156\nFila2 291 156\nFila3 377 156\nFila4 463 156\nFila5 549 156\nFila6 635 156\n"
         "Appogg1 89 156\n"},
        {"tableau 003 on a low screen narrows s and widens m",
         {{358, 3}, {359, 1}, {367, 7}, {366, 4}},
         kLow,
         "Fila1 121 35\nFila2 196 35\nFila3 271 35\nFila4 346 35\nFila5 421 35\nFila6 496 35\nFila7 571 35\n"},
        {"tableau 013, stock 013, foundations 017 after the stock",
         {{358, 13}, {359, 2}, {367, 7}, {354, 13}, {355, 1}, {365, 2}, {10, 1}, {356, 17}, {357, 1}, {366, 4}},
         window800(),
         "Mazzo 19 65\nMazzo_Vis 105 65\n"
         "Dest1 193 65\nDest2 268 65\nDest3 343 65\nDest4 418 65\n"
         "Fila1 48 171\nFila2 123 171\nFila3 198 171\nFila4 273 171\nFila5 348 171\nFila6 423 171\n"
         "Fila7 498 171\n"},
        {"tableau 015 with its own header rows, foundations 007",
         {{358, 15}, {359, 2}, {367, 8}, {356, 7}, {357, 1}, {366, 4}},
         window800(),
         "Dest1 400 55\nDest2 491 55\nDest3 582 55\nDest4 673 55\n"
         "Fila1 36 156\nFila2 127 156\nFila3 218 156\nFila4 309 156\nFila5 400 156\nFila6 491 156\n"
         "Fila7 582 156\nFila8 673 156\n"},
        {"foundations 009, reserves 004, put-away 006 on the bottom row",
         {{358, 1}, {359, 2}, {367, 7}, {356, 9}, {357, 1}, {366, 4}, {361, 4}, {362, 4}, {368, 2},
          {363, 6}, {364, 5}, {369, 1}},
         window800(),
         "Mazzo_Waste 173 642\n"
         "Dest1 397 50\nDest2 474 50\nDest3 551 50\nDest4 628 50\n"
         "Fila1 82 156\nFila2 173 156\nFila3 264 156\nFila4 355 156\nFila5 446 156\nFila6 537 156\n"
         "Fila7 628 156\n"
         "Appogg1 82 368\nAppogg2 173 368\n"},
        {"stock 005, foundations 002, reserves 006, put-away 007 on the middle row",
         {{358, 1}, {359, 2}, {367, 7}, {354, 5}, {365, 2}, {356, 2}, {357, 3}, {366, 4}, {361, 6}, {362, 4},
          {368, 3}, {363, 7}, {364, 6}, {369, 1}},
         window800(),
         "Mazzo 29 50\nMazzo_Vis 129 50\nMazzo_Waste 628 209\n"
         "Dest1 233 262\nDest2 314 262\nDest3 395 262\nDest4 476 262\n"
         "Fila1 82 156\nFila2 173 156\nFila3 264 156\nFila4 355 156\nFila5 446 156\nFila6 537 156\n"
         "Fila7 628 156\n"
         "Appogg1 82 368\nAppogg2 163 368\nAppogg3 244 368\n"},
        {"stock 016, foundations 022, reserve 023 at y 0, put-away 016",
         {{358, 1}, {359, 2}, {367, 7}, {9, 1}, {354, 16}, {355, 1}, {365, 1}, {356, 22}, {357, 1}, {366, 4},
          {361, 23}, {362, 0}, {368, 1}, {363, 16}, {364, 3}, {369, 1}},
         window1024(),
         "Mazzo 93 65\nMazzo_Waste 93 287\n"
         "Dest1 194 65\nDest2 285 65\nDest3 376 65\nDest4 467 65\n"
         "Fila1 194 171\nFila2 285 171\nFila3 376 171\nFila4 467 171\nFila5 558 171\nFila6 649 171\n"
         "Fila7 740 171\n"
         "Appogg1 93 0\n"},
        {"stock 019 in the visible stock's slot, reserve 011",
         {{358, 1}, {359, 2}, {367, 7}, {9, 0}, {354, 19}, {355, 1}, {365, 1}, {361, 11}, {362, 1}, {368, 1}},
         window1024(),
         "Mazzo_Vis 63 65\n"
         "Fila1 194 171\nFila2 285 171\nFila3 376 171\nFila4 467 171\nFila5 558 171\nFila6 649 171\n"
         "Fila7 740 171\n"
         "Appogg1 63 65\n"},
        {"low screen: stock 004 over the rows, foundations 013 to the left, reserves 007",
         {{358, 1}, {359, 2}, {367, 7}, {354, 4}, {355, 1}, {365, 2}, {9, 1}, {10, 1}, {356, 13}, {357, 3},
          {366, 4}, {361, 7}, {362, 4}, {368, 2}},
         kLow,
         "Mazzo 27 50\nMazzo_Vis 114 50\n"
         "Dest1 330 252\nDest2 403 252\nDest3 476 252\nDest4 549 252\n"
         "Fila1 27 151\nFila2 114 151\nFila3 201 151\nFila4 288 151\nFila5 375 151\nFila6 462 151\n"
         "Fila7 549 151\n"
         "Appogg1 462 353\nAppogg2 549 353\n"},
        {"cross in a low window",
         {{358, 52}, {367, 5}},
         kLow,
         "Mazzo 61 61\nMazzo_Vis 61 182\n"
         "Dest1 189 68\nDest2 367 68\nDest3 189 296\nDest4 367 296\n"
         "Fila1 278 61\nFila2 182 182\nFila3 278 182\nFila4 374 182\nFila5 278 303\n"},
        {"053 on a low screen uses the three-row block",
         {{358, 53}, {360, 2}, {367, 6}},
         kLow,
         "Mazzo_Waste 408 288\n"
         "Fila1 15 76\nFila2 146 76\nFila3 277 76\nFila4 15 182\nFila5 146 182\nFila6 277 182\n"},
        {"3 x 3 grid",
         {{358, 124}, {367, 9}},
         window800(),
         "Fila1 269 135\nFila2 355 135\nFila3 441 135\nFila4 269 246\nFila5 355 246\nFila6 441 246\n"
         "Fila7 269 357\nFila8 355 357\nFila9 441 357\n"},
    };
    for (const Case& c : cases) {
        TableFixture t;
        t.params(c.params);
        EXPECT_EQ(t.layout(c.in), c.expected) << c.name;
    }
}

}  // namespace more

}  // namespace
}  // namespace tessaro
