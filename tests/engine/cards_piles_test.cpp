#include <gtest/gtest.h>

#include "engine/cards.h"
#include "engine/piles.h"
#include "stores/rule_table.h"
#include "support/context_builder.h"

namespace tessaro {
namespace {

TEST(Cards, RecordsAndFaceFlag) {
    CardTable t;
    EXPECT_EQ(t.record(1), "CUORI_A        10011");
    EXPECT_EQ(t.record(47), "PICCH_08       40471");
    EXPECT_EQ(t.record(105), "JOKER          41051");
    EXPECT_EQ(t.record(53), "CUORI_A        10531");
    t.setFace(47, '0');
    EXPECT_EQ(t.record(47), "PICCH_08       40470");
    EXPECT_TRUE(t.faceDown(47));
    t.setFace(106, '0');
    EXPECT_TRUE(t.faceDown(106));
    EXPECT_FALSE(t.faceDown(105));
}

TEST(Cards, RankAndSuit) {
    EXPECT_EQ(rank(53), 1);
    EXPECT_EQ(suit(53), 0);
    EXPECT_EQ(rank(104), 13);
    EXPECT_EQ(suit(104), 3);
    EXPECT_EQ(rank(105), 100);
    EXPECT_EQ(suit(105), -1);
    EXPECT_EQ(rank(26), 13);
    EXPECT_EQ(suit(27), 2);
    EXPECT_EQ(rank(0), 0);
    EXPECT_EQ(rank(-1), -1);
    EXPECT_EQ(rank(109), -1);
    EXPECT_EQ(suit(0), 0);
    EXPECT_EQ(suit(-1), 0);
    EXPECT_EQ(suit(109), -1);
    EXPECT_EQ(rankBelow(1), 13);
    EXPECT_EQ(rankAbove(13), 1);
}

TEST(Cards, SetFacesModes) {
    CardTable t;
    t.setFaces("001002003004", -1, '0');
    EXPECT_TRUE(t.faceUp(1));
    EXPECT_TRUE(t.faceDown(2));
    EXPECT_TRUE(t.faceUp(3));
    EXPECT_TRUE(t.faceDown(4));
    t.setFaces("001002003004", -2, '0');
    EXPECT_TRUE(t.faceDown(1));
    EXPECT_TRUE(t.faceUp(2));
    t.setFaces("001002003004", -3, '0');
    EXPECT_TRUE(t.faceUp(1));
    EXPECT_TRUE(t.faceDown(2) && t.faceDown(3) && t.faceDown(4));
    t.setFaces("001002003004", 2, '1');
    EXPECT_TRUE(t.faceDown(2));
    EXPECT_TRUE(t.faceUp(3) && t.faceUp(4));
    t.setFaces("001002", 9, '0');  // more than the pile holds: all of it
    EXPECT_TRUE(t.faceDown(1) && t.faceDown(2));
    t.setFaces("001002", 0, '1');  // modes 0 and below -3 change nothing
    t.setFaces("001002", -4, '1');
    EXPECT_TRUE(t.faceDown(1) && t.faceDown(2));
    EXPECT_EQ(t.record(2), "CUORI_02       10020");
}

TEST(Piles, NamesResolve) {
    EXPECT_EQ(pileByName("Fila1"), pileByName("Fila01"));
    EXPECT_EQ(*pileByName("Fila12"), (PileRef{PileKind::Row, 11}));
    EXPECT_EQ(*pileByName("Dest3"), (PileRef{PileKind::Foundation, 2}));
    EXPECT_EQ(*pileByName("Appogg10"), (PileRef{PileKind::Reserve, 9}));
    EXPECT_EQ(*pileByName("Mazzo_Vis"), (PileRef{PileKind::Stock, 1}));
    EXPECT_FALSE(pileByName("Mazzo_Waste"));
    EXPECT_TRUE(anyPileByName("Mazzo_Waste"));
    EXPECT_FALSE(pileByName("Fila41"));
    EXPECT_FALSE(pileByName("Fila0"));
    EXPECT_FALSE(pileByName("Dest17"));
    EXPECT_FALSE(pileByName("Appogg11"));
    EXPECT_FALSE(pileByName("Filax"));
    EXPECT_EQ(pileName({PileKind::Reserve, 0}), "Appogg1");
}

TEST(Piles, FindCardActionsAndOrder) {
    Context ctx;
    ctx.P.set(367, 2);
    test::setPile(ctx, "Fila1", "0011000000310041");
    test::setPile(ctx, "Dest1", "0051");
    test::setPile(ctx, "Mazzo_Vis", "0061");
    EXPECT_EQ(ctx.piles.findCard(6, FindAction::None, ctx.P).where, Where::VisibleStock);
    Found f = ctx.piles.findCard(3, FindAction::CutWithGapBelow, ctx.P);
    EXPECT_EQ(f.where, Where::Row);
    EXPECT_EQ(f.position, 2);
    EXPECT_EQ(ctx.piles.fila(0), "001004");
    ctx.piles.findCard(4, FindAction::LeaveGap, ctx.P);
    EXPECT_EQ(ctx.piles.fila(0), "001000");
    ctx.piles.findCard(1, FindAction::Cut, ctx.P);
    EXPECT_EQ(ctx.piles.fila(0), "000");
    EXPECT_EQ(ctx.piles.findCard(99, FindAction::Cut, ctx.P).where, Where::NotFound);
    // A row beyond P[367] is not searched.
    test::setPile(ctx, "Fila3", "0071");
    EXPECT_EQ(ctx.piles.findCard(7, FindAction::None, ctx.P).where, Where::NotFound);
}

TEST(Piles, TopAndHighestRow) {
    Context ctx;
    ctx.P.set(367, 2);
    test::setPile(ctx, "Fila2", "001100210031");
    test::setPile(ctx, "Fila3", "00410051006100710081");
    EXPECT_EQ(ctx.piles.top({PileKind::Row, 1}), 3);
    EXPECT_EQ(ctx.piles.top({PileKind::Row, 0}), 0);
    EXPECT_EQ(ctx.piles.highestRow(ctx.P), 3);
    ctx.piles.append({PileKind::Row, 40}, 9, ctx.cards, '0');  // no such row: nothing happens
    EXPECT_EQ(ctx.piles.text({PileKind::Row, 40}), "");
}

}  // namespace
}  // namespace tessaro
