#include <gtest/gtest.h>

#include "engine/execute.h"
#include "engine/history.h"
#include "stores/random.h"
#include "exec_support.h"

namespace tessaro::test {
namespace {

// A small patience: 4 foundations, 7 rows, stock turned one card to the
// visible stock, redeals unlimited, stock dealt face down.
void klondikeLike(Context& ctx) {
    setParams(ctx, {{366, 4}, {367, 7}, {368, 0}, {370, 52}, {22, 1}, {15, -1}, {7, 1}, {42, 1}, {10, 1}});
}

TEST(ExecuteStock, ThreeCardTurnWithTwoCardsLeftTurnsBothAndStops) {
    LoggedContext t;
    klondikeLike(t.ctx);
    t.ctx.P.set(22, 3);
    setPile(t.ctx, "Mazzo", "01000200");
    setPile(t.ctx, "Mazzo_Vis", "0301");
    EXPECT_TRUE(executeMove(t.ctx, 0, "Mazzo_Vis"));
    EXPECT_EQ(t.pile("Mazzo"), "");
    EXPECT_EQ(t.pile("Mazzo_Vis"), "030020010");
    EXPECT_TRUE(t.faceUp(10));
    EXPECT_TRUE(t.faceUp(20));
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
    EXPECT_EQ(t.log.count("sound Stock"), 2);
    EXPECT_EQ(t.ctx.history.undo.stock[0], "01000200");
    EXPECT_EQ(t.ctx.history.undo.stock[1], "0301");
}

TEST(ExecuteStock, TurnsToThePutAwayPileForOtherStockWords) {
    LoggedContext t;
    klondikeLike(t.ctx);
    setPile(t.ctx, "Mazzo", "00500060");
    EXPECT_TRUE(executeMove(t.ctx, 0, "Mazzo_Waste"));
    EXPECT_EQ(t.pile("Mazzo"), "005");
    EXPECT_EQ(t.pile("Mazzo_Waste"), "006");
}

TEST(ExecuteStock, PressOnEmptyStockOnlyMarksItReleaseFormsItAgainFaceDown) {
    LoggedContext t;
    klondikeLike(t.ctx);
    setPile(t.ctx, "Mazzo_Vis", "001100210031");
    // The press: nothing moves, the stock only looks pressed.
    EXPECT_FALSE(executeMove(t.ctx, 0, "Mazzo_Vis"));
    EXPECT_TRUE(t.ctx.mainGame.stockPressed);
    EXPECT_EQ(t.pile("Mazzo"), "");
    EXPECT_EQ(t.pile("Mazzo_Vis"), "001002003");
    EXPECT_EQ(t.ctx.history.undo.records(), 0);
    // The release: the visible stock's top becomes the stock's bottom.
    EXPECT_TRUE(executeMove(t.ctx, 0, "Mazzo_Vis"));
    EXPECT_EQ(t.pile("Mazzo"), "003002001");
    EXPECT_EQ(t.pile("Mazzo_Vis"), "");
    for (int c : {1, 2, 3}) EXPECT_FALSE(t.faceUp(c)) << c;
    EXPECT_EQ(t.ctx.mainGame.redeals, 1);
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
    EXPECT_TRUE(t.log.has("sound Redeal"));
}

TEST(ExecuteStock, RedealFaceUpWithoutAnimationPlaysTheQuietSound) {
    LoggedContext t;
    klondikeLike(t.ctx);
    t.ctx.P.set(7, 0);
    t.ctx.reg.write(reg::RedealAnimation, "N");
    t.ctx.mainGame.playMode = 1;  // a demonstration mode forms the stock at once
    setPile(t.ctx, "Mazzo_Vis", "00100020");
    EXPECT_TRUE(executeMove(t.ctx, 0, "Mazzo_Vis"));
    EXPECT_EQ(t.pile("Mazzo"), "002001");
    EXPECT_TRUE(t.faceUp(1));
    EXPECT_TRUE(t.faceUp(2));
    EXPECT_TRUE(t.log.has("sound Red_no_a"));
    EXPECT_FALSE(t.log.has("sound Redeal"));
}

TEST(ExecuteStock, RedealLimitAllowsExactlyThatManyRedeals) {
    LoggedContext t;
    klondikeLike(t.ctx);
    t.ctx.P.set(15, 2);
    t.ctx.mainGame.playMode = 1;
    setPile(t.ctx, "Mazzo_Vis", "00110021");
    for (int redeal = 1; redeal <= 2; ++redeal) {
        ASSERT_TRUE(executeMove(t.ctx, 0, "Mazzo_Vis")) << redeal;  // forms the stock
        ASSERT_TRUE(executeMove(t.ctx, 0, "Mazzo_Vis"));            // turns one
        ASSERT_TRUE(executeMove(t.ctx, 0, "Mazzo_Vis"));            // turns the other
    }
    EXPECT_EQ(t.ctx.mainGame.redeals, 2);
    // The third redeal is not possible: the click on the empty stock does nothing.
    t.ctx.mainGame.playMode = 0;
    EXPECT_FALSE(executeMove(t.ctx, 0, "Mazzo_Vis"));
    EXPECT_FALSE(t.ctx.mainGame.stockPressed);
    EXPECT_EQ(t.pile("Mazzo"), "");
    EXPECT_EQ(t.pile("Mazzo_Vis"), "001002");
}

TEST(ExecuteStock, TurnCounterRisesOnlyInGameTwentyEight) {
    LoggedContext t;
    klondikeLike(t.ctx);
    setPile(t.ctx, "Mazzo", "00100020");
    executeMove(t.ctx, 0, "Mazzo_Vis");
    EXPECT_EQ(t.ctx.run.counter(Counter::StockTurns), 0);
    t.ctx.P.set(50, 28);
    executeMove(t.ctx, 0, "Mazzo_Vis");
    EXPECT_EQ(t.ctx.run.counter(Counter::StockTurns), 1);
}

TEST(ExecuteOpeningRule, FirstMoveMustTakeARowCardToAFoundation) {
    LoggedContext t;
    klondikeLike(t.ctx);
    t.ctx.P.set(40, 1);
    setPile(t.ctx, "Mazzo_Vis", "0011");
    setPile(t.ctx, "Fila1", "0141");
    EXPECT_FALSE(executeMove(t.ctx, 1, "Dest1"));
    EXPECT_EQ(t.pile("Mazzo_Vis"), "001");
    EXPECT_EQ(t.ctx.mainGame.moves, 0);
    EXPECT_TRUE(executeMove(t.ctx, 14, "Dest2"));
    EXPECT_EQ(t.pile("Dest2"), "014");
    EXPECT_EQ(t.ctx.mainGame.moves, 1);
    EXPECT_TRUE(executeMove(t.ctx, 1, "Dest1"));
    EXPECT_EQ(t.pile("Dest1"), "001");
    EXPECT_EQ(t.ctx.mainGame.moves, 2);
}

TEST(ExecuteFillAfterFirstMove, FillsEmptyRowsOnceFromTheStock) {
    LoggedContext t;
    klondikeLike(t.ctx);
    t.ctx.P.set(367, 3);
    t.ctx.P.set(41, 1);
    setPile(t.ctx, "Mazzo", "030003100320033004000410");
    setPile(t.ctx, "Fila1", "0011");
    setPile(t.ctx, "Fila2", "0051");
    EXPECT_TRUE(executeMove(t.ctx, 1, "Dest1"));
    // Rows 1 and 3 were empty after the move: each took the stock's top.
    EXPECT_EQ(t.pile("Fila1"), "041");
    EXPECT_EQ(t.pile("Fila3"), "040");
    EXPECT_TRUE(t.faceUp(41));
    EXPECT_EQ(t.ctx.mainGame.moves, 2);
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
    EXPECT_TRUE(executeMove(t.ctx, 5, "Dest2"));
    EXPECT_EQ(t.pile("Fila2"), "");
    EXPECT_EQ(t.pile("Mazzo"), "030031032033");
}

TEST(ExecuteRows, ThreeCardRunKeepsItsOrderAndIsOneRecord) {
    LoggedContext t;
    klondikeLike(t.ctx);
    setPile(t.ctx, "Fila1", "0200013101710051");
    setPile(t.ctx, "Fila2", "0251");
    t.ctx.drag.singleCard = false;
    EXPECT_TRUE(executeMove(t.ctx, 13, "Fila2"));
    EXPECT_EQ(t.pile("Fila2"), "025013017005");
    EXPECT_EQ(t.pile("Fila1"), "020");
    // Taken from a row with autoplay off: the uncovered card turns up, with its own record.
    EXPECT_TRUE(t.faceUp(20));
    EXPECT_EQ(t.ctx.history.undo.records(), 2);
    EXPECT_EQ(t.ctx.history.undo.rows[0], "0200013101710051");
    EXPECT_EQ(t.ctx.history.undo.rows[1], "0251");
    EXPECT_EQ(t.log.count("sound Tableau"), 1);
    EXPECT_TRUE(t.log.has("sound Face_up"));
}

TEST(ExecuteRows, AnInnerCardNamedAsSingleStillTakesTheCardsAboveIt) {
    LoggedContext t;
    klondikeLike(t.ctx);
    setPile(t.ctx, "Fila1", "01310171");
    EXPECT_TRUE(executeMove(t.ctx, 13, "Fila3"));
    EXPECT_EQ(t.pile("Fila3"), "013017");
    EXPECT_EQ(t.pile("Fila1"), "");
}

TEST(ExecuteRows, AutoplayOnLeavesUncoveredCardsForThePass) {
    LoggedContext t;
    klondikeLike(t.ctx);
    t.ctx.autoplay.checked = true;
    setPile(t.ctx, "Fila1", "02000131");
    EXPECT_TRUE(executeMove(t.ctx, 13, "Fila2"));
    EXPECT_FALSE(t.faceUp(20));
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
}

TEST(ExecuteRows, PegJumpRemovesTheCardPassedOverInTheSameRecord) {
    LoggedContext t;
    setParams(t.ctx, {{367, 9}, {28, 3}, {213, 71}, {212, 71}});
    setPile(t.ctx, "Fila1", "0011");
    setPile(t.ctx, "Fila2", "0021");
    EXPECT_TRUE(executeMove(t.ctx, 1, "Fila3"));
    EXPECT_EQ(t.pile("Fila3"), "001");
    EXPECT_EQ(t.pile("Fila2"), "");
    EXPECT_EQ(t.pile("Mazzo_Waste"), "002");
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
}

TEST(ExecuteMisc, ReserveWasteAndStockTwoTargets) {
    LoggedContext t;
    klondikeLike(t.ctx);
    t.ctx.P.set(368, 2);
    setPile(t.ctx, "Fila1", "00710081");
    EXPECT_TRUE(executeMove(t.ctx, 8, "Appogg2"));
    EXPECT_EQ(t.pile("Appogg2"), "008");
    EXPECT_TRUE(executeMove(t.ctx, 7, "Waste"));
    EXPECT_EQ(t.pile("Mazzo_Waste"), "007");
    EXPECT_FALSE(t.log.has("sound Eddy"));
    EXPECT_TRUE(executeMove(t.ctx, 8, "Stock02"));
    EXPECT_EQ(t.pile("Mazzo_Vis"), "008");
    EXPECT_EQ(t.pile("Appogg2"), "");
}

TEST(ExecuteMisc, UnknownWordsAndBadCardsChangeNothing) {
    LoggedContext t;
    klondikeLike(t.ctx);
    setPile(t.ctx, "Fila1", "0011");
    EXPECT_FALSE(executeMove(t.ctx, 1, "Nowhere"));
    EXPECT_FALSE(executeMove(t.ctx, 0, "Dest1"));
    EXPECT_FALSE(executeMove(t.ctx, 109, "Fila2"));
    EXPECT_FALSE(executeMove(t.ctx, 1, "Dest17"));
    EXPECT_FALSE(executeMove(t.ctx, 60, "Fila2"));  // a card that lies nowhere
    EXPECT_FALSE(executeMove(t.ctx, 60, "Dest1"));
    EXPECT_EQ(t.pile("Fila1"), "001");
    EXPECT_EQ(t.pile("Dest1"), "");
    EXPECT_EQ(t.ctx.history.undo.records(), 0);
    EXPECT_EQ(t.ctx.mainGame.moves, 0);
}

TEST(ExecuteDealing, AddTableausUsesRowModesAndFaceDownModeSix) {
    LoggedContext t;
    setParams(t.ctx, {{367, 4}, {291, 1}, {292, 6}, {293, 0}, {294, 7}});
    setPile(t.ctx, "Mazzo", "001000200030");
    setPile(t.ctx, "Fila4", "0101");
    EXPECT_TRUE(executeMove(t.ctx, 0, "Add_Tableaus"));
    EXPECT_EQ(t.pile("Fila1"), "003");
    EXPECT_EQ(t.pile("Fila2"), "002");
    EXPECT_EQ(t.pile("Fila3"), "");
    EXPECT_EQ(t.pile("Fila4"), "010001");
    EXPECT_TRUE(t.faceUp(3));
    EXPECT_FALSE(t.faceUp(2));
    EXPECT_TRUE(t.faceUp(1));
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
    EXPECT_EQ(t.log.count("sound Shuffle"), 3);
    // With the stock empty the word does nothing.
    EXPECT_FALSE(executeMove(t.ctx, 0, "Add_Tableaus"));
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
}

TEST(ExecuteDealing, SingleReserveAndRowWordsAndTheFillWord) {
    LoggedContext t;
    setParams(t.ctx, {{367, 12}, {368, 3}, {342, 5}, {302, 1}});
    setPile(t.ctx, "Mazzo", "00100020003000400050");
    EXPECT_TRUE(executeMove(t.ctx, 0, "Add_Reserve_2"));
    EXPECT_EQ(t.pile("Appogg2"), "005");
    EXPECT_FALSE(t.faceUp(5));  // reserve mode 5 deals face down
    EXPECT_TRUE(executeMove(t.ctx, 0, "Add_Tableau_12"));
    EXPECT_EQ(t.pile("Fila12"), "004");
    setPile(t.ctx, "Fila1", "0201");
    EXPECT_TRUE(executeMove(t.ctx, 0, "Fill_Tableaus"));
    EXPECT_EQ(t.pile("Fila1"), "020");
    EXPECT_EQ(t.pile("Fila2"), "003");
    EXPECT_EQ(t.pile("Fila4"), "001");
    EXPECT_EQ(t.pile("Mazzo"), "");
    EXPECT_EQ(t.ctx.history.undo.records(), 2);  // the fill word records nothing
}

TEST(ExecuteSelection, SelectedCardsGoToThePutAwayPileLeavingGapsInAPyramid) {
    LoggedContext t;
    setParams(t.ctx, {{367, 2}, {3, 4}, {50, 4}});
    setPile(t.ctx, "Fila1", "0011");
    setPile(t.ctx, "Fila2", "00210121");
    setPile(t.ctx, "Dest1", "00110121");
    EXPECT_TRUE(executeMove(t.ctx, 0, "Selezionate_Dest"));
    EXPECT_EQ(t.pile("Fila1"), "000");
    EXPECT_EQ(t.pile("Fila2"), "002000");
    EXPECT_EQ(t.pile("Mazzo_Waste"), "001012");
    EXPECT_EQ(t.pile("Dest1"), "");
    // Dest1 is the selection list and is not recorded.
    EXPECT_EQ(t.ctx.history.undo.foundations[0], "");
    EXPECT_TRUE(t.log.has("sound Pairing"));
}

TEST(ExecuteSelection, ClosingUpMovesRowsForwardAndRefills) {
    LoggedContext t;
    setParams(t.ctx, {{367, 4}});
    setPile(t.ctx, "Mazzo", "00900100");
    setPile(t.ctx, "Fila2", "0011");
    setPile(t.ctx, "Fila4", "0021");
    setPile(t.ctx, "Dest1", "003");
    EXPECT_TRUE(executeMove(t.ctx, 0, "Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(t.pile("Fila1"), "001");
    EXPECT_EQ(t.pile("Fila2"), "002");
    EXPECT_EQ(t.pile("Fila3"), "010");
    EXPECT_EQ(t.pile("Fila4"), "009");
    EXPECT_EQ(t.pile("Dest1"), "");
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
}

TEST(ExecuteSelection, GapDealingFillsEmptyRowsFaceUp) {
    LoggedContext t;
    setParams(t.ctx, {{367, 3}});
    setPile(t.ctx, "Mazzo", "00900100");
    setPile(t.ctx, "Fila2", "0011");
    EXPECT_TRUE(executeMove(t.ctx, 0, "Selezionate_Fila"));
    EXPECT_EQ(t.pile("Fila1"), "010");
    EXPECT_EQ(t.pile("Fila3"), "009");
    EXPECT_TRUE(t.faceUp(9));
}

TEST(ExecuteTail, ScoreIsRefreshedAndWonFlagSetByFoundationMoves) {
    LoggedContext t;
    setParams(t.ctx, {{366, 1}, {367, 1}, {370, 52}});
    setPile(t.ctx, "Fila1", "0011");
    EXPECT_TRUE(executeMove(t.ctx, 1, "Dest1"));
    EXPECT_EQ(t.ctx.reg.read(reg::Score), "-47");
    EXPECT_EQ(t.ctx.run.flag(Flag::Won), 1);
    EXPECT_TRUE(t.log.has("sound Foundation"));
    setPile(t.ctx, "Fila1", "0021");
    EXPECT_TRUE(executeMove(t.ctx, 2, "Dest_Autoplay1"));
    EXPECT_TRUE(t.log.has("sound Autoplay"));
    EXPECT_EQ(t.pile("Dest1"), "001002");
}

TEST(ExecuteTail, SoundsFollowTheirSwitchesAndTheMasterSwitch) {
    LoggedContext t;
    setParams(t.ctx, {{366, 1}, {367, 2}});
    setPile(t.ctx, "Fila1", "00110021");
    t.ctx.reg.write(reg::SoundFoundation, "N");
    executeMove(t.ctx, 2, "Dest1");
    EXPECT_FALSE(t.log.has("sound Foundation"));
    t.ctx.reg.write(reg::SoundsOn, "N");
    executeMove(t.ctx, 1, "Fila2");
    EXPECT_FALSE(t.log.has("sound Tableau"));
}

// Whatever is asked of it, the executor neither loses nor copies a card. (The
// selection words are left out: they treat Dest1 as a list of selected cards
// that also lie elsewhere, which a game of foundations never asks of them.)
TEST(ExecuteFuzz, RandomWordsKeepEveryCardExactlyOnce) {
    const char* words[] = {"Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal", "Dest1", "Dest4", "Dest_Autoplay2", "Fila1",
                           "Fila7", "Fila9", "Appogg1", "Waste", "Stock02", "Add_Tableaus", "Add_Tableau_03",
                           "Add_Reserves", "Add_Reserve_1", "Fill_Tableaus", "Selezionate_Fila", "Dest", "Fila",
                           "Appogg99", ""};
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        LoggedContext t;
        klondikeRules(t.ctx);
        setParams(t.ctx, {{368, 1}, {291, 1}, {341, 1}});
        Random rng(seed);
        // Deal the 52 cards round the rows and the stock.
        for (int c = 1; c <= 52; ++c) {
            const int pile = rng.next(8);
            t.ctx.piles.append(pile == 7 ? PileRef{PileKind::Stock, kMazzo} : PileRef{PileKind::Row, pile}, c,
                               t.ctx.cards, rng.next(2) ? '1' : '0');
        }
        for (int step = 0; step < 400; ++step) {
            t.ctx.drag.singleCard = rng.next(2) == 0;
            executeMove(t.ctx, rng.next(112) - 1, words[rng.next(sizeof words / sizeof *words)]);
        }
        std::vector<int> seen(109, 0);
        for (PileKind kind : {PileKind::Stock, PileKind::Foundation, PileKind::Row, PileKind::Reserve}) {
            const int n = kind == PileKind::Stock ? kStockPiles
                          : kind == PileKind::Foundation ? kFoundations
                          : kind == PileKind::Row        ? kRows
                                                         : kReserves;
            for (int i = 0; i < n; ++i) {
                const std::string& pile = t.ctx.piles.text({kind, i});
                for (std::size_t at = 0; at + 3 <= pile.size(); at += 3) ++seen[cardAt(pile, at)];
            }
        }
        for (int c = 1; c <= 108; ++c) EXPECT_EQ(seen[c], c <= 52 ? 1 : 0) << "seed " << seed << " card " << c;
    }
}

}  // namespace
}  // namespace tessaro::test
