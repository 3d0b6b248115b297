// The Memory games of the shipped GAMES.DAT must lie fully inside a 1024 x 768
// window with "B" cards, and inside any window with fitted cards, no two piles
// overlapping. Pile extents come from the
// pile geometry with each row holding the cards of the game's grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "stores/catalogue.h"
#include "stores/program_folder.h"
#include "stores/rules_file.h"
#include "table/geometry.h"
#include "table/hit.h"
#include "table/layout.h"
#include "table/table_fixture.h"

namespace tessaro {
namespace {

struct Grid {
    int game;
    std::vector<int> rowCards;  // cards dealt to tableau rows 1, 2, ...
    int foundations;            // foundations holding one card each
    bool putAway;               // the put-away pile is on the table
};

// The grids the games are made for: Pairs 4x3, 6x4, 8x5; Ace-To-King 13
// single cards; Forget me not 10 foundations over 20 single-card rows;
// Concentration 52 cards in rows of 11, 11, 8, 11, 11.
const std::vector<Grid>& grids() {
    static const std::vector<Grid> g = {
        {200, {4, 4, 4}, 0, true},
        {201, {6, 6, 6, 6}, 0, true},
        {202, {8, 8, 8, 8, 8}, 0, true},
        {203, std::vector<int>(13, 1), 0, false},
        {204, std::vector<int>(20, 1), 10, false},
        {205, {11, 11, 8, 11, 11}, 0, true},
    };
    return g;
}

struct Box {
    std::string pile;
    CardRect r;
};

void loadShippedGame(Context& ctx, int game) {
    ctx.reg.initialise(withTrailingSeparator(TESSARO_BIN_DIR));
    buildCatalogue(ctx);
    ctx.reg.writePlain(reg::Game, game);
    ctx.reg.write(reg::GameName, ctx.mainGame.name(game));
    ctx.P.clear(487);
    loadRules(ctx);
}

// Lays the game out with the card size letter in the window and checks that
// every pile lies inside it, none overlapping another; answers the card height.
int layOutInside(const Grid& grid, const char* letter, const LayoutInputs& in) {
    int cardHeight = 0;
    [&] {
        test::TableFixture t;
        Context& ctx = t.ctx;
        ASSERT_NO_THROW(loadShippedGame(ctx, grid.game));
        ASSERT_EQ(ctx.P.rows(), static_cast<int>(grid.rowCards.size()));
        ASSERT_EQ(ctx.P.foundations(), grid.foundations);
        // When the deal counts are in the rules file they must match the grid.
        for (std::size_t i = 0; i < grid.rowCards.size(); ++i) {
            const int dealt = ctx.P[374 + static_cast<int>(i)];
            if (dealt != 0) {
                EXPECT_EQ(dealt, grid.rowCards[i]) << "row " << i + 1;
            }
        }

        ctx.reg.write(reg::CardSize, letter);
        ctx.reg.write(reg::CardsShadowed, "Y");
        setCardSize(ctx, t.host);
        setShadowDepth(ctx);
        checkDisplaySize(ctx, t.host, in.screenWidth);
        ASSERT_EQ(ctx.reg.read(reg::CardSize), letter);
        t.layout(in);
        cardHeight = ctx.layout.cardH;

        std::vector<Box> boxes;
        const int cw = ctx.layout.cardW, ch = ctx.layout.cardH;
        for (std::size_t i = 0; i < grid.rowCards.size(); ++i) {
            const std::string name = "Fila" + std::to_string(i + 1);
            ASSERT_TRUE(ctx.layout.fila[i].placed()) << name;
            ctx.piles.fila(static_cast<int>(i)).clear();
            for (int k = 0; k < grid.rowCards[i]; ++k) ctx.piles.fila(static_cast<int>(i)) += "001";
            const int last = grid.rowCards[i] - 1;
            const int left = std::min(cardX(ctx, name, last, false), cardX(ctx, name, 0, false));
            const int right = std::max(cardX(ctx, name, last, false), cardX(ctx, name, 0, false)) + cw;
            boxes.push_back({name, {left, cardY(ctx, name, last, false), right, pileBottom(ctx, name)}});
        }
        for (int i = 0; i < grid.foundations; ++i) {
            const PilePos& p = ctx.layout.dest[static_cast<std::size_t>(i)];
            ASSERT_TRUE(p.placed()) << "Dest" << i + 1;
            boxes.push_back({"Dest" + std::to_string(i + 1), {p.x, p.y, p.x + cw, p.y + ch}});
        }
        const PilePos& waste = ctx.layout.stock[kMazzoWaste];
        ASSERT_EQ(waste.placed(), grid.putAway);
        if (grid.putAway) boxes.push_back({"Mazzo_Waste", {waste.x, waste.y, waste.x + cw, waste.y + ch}});
        // Nothing else of the table is placed.
        EXPECT_FALSE(ctx.layout.stock[kMazzo].placed());
        EXPECT_FALSE(ctx.layout.stock[kMazzoVis].placed());
        EXPECT_FALSE(ctx.layout.appogg[0].placed());

        for (const Box& b : boxes) {
            EXPECT_GE(b.r.left, 0) << b.pile;
            EXPECT_GE(b.r.top, in.top) << b.pile;
            EXPECT_LE(b.r.right, in.width) << b.pile;
            EXPECT_LE(b.r.bottom, in.bottom + 1) << b.pile;
        }
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                const CardRect& a = boxes[i].r;
                const CardRect& b = boxes[j].r;
                const bool apart = a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
                EXPECT_TRUE(apart) << boxes[i].pile << " overlaps " << boxes[j].pile;
            }
    }();
    return cardHeight;
}

TEST(ShippedMemoryGames, FitA1024By768WindowWithoutOverlaps) {
    for (const Grid& grid : grids()) {
        SCOPED_TRACE("game " + std::to_string(grid.game));
        layOutInside(grid, "B", test::window1024());
    }
}

// The fitted card size fills every window it is given and still keeps each
// pile inside it, with nothing overlapping.
TEST(ShippedMemoryGames, FittedCardsFillTheWindowWithoutOverlaps) {
    struct Window {
        const char* name;
        LayoutInputs in;
    };
    // Table areas of a maximised window under a menu bar, a toolbar and a
    // status bar.
    const Window windows[] = {
        {"800x600", windowInputs(800, 17, 500, 500, -1, 800, 600)},
        {"1024x768", test::window1024()},
        {"1280x1024", windowInputs(1280, 17, 920, 920, -1, 1280, 1024)},
        {"1920x1080", windowInputs(1920, 17, 970, 970, -1, 1920, 1080)},
    };
    for (const Window& w : windows)
        for (const Grid& grid : grids()) {
            SCOPED_TRACE(std::string(w.name) + " game " + std::to_string(grid.game));
            const int h = layOutInside(grid, "F", w.in);
            EXPECT_GE(h, 60);
            if (grid.game == 202 && std::string(w.name) == "1920x1080") {
                EXPECT_GE(h, 150);
            }
            if (grid.game == 200 && std::string(w.name) == "1280x1024") {
                EXPECT_GE(h, 200);
            }
        }
}

}  // namespace
}  // namespace tessaro
