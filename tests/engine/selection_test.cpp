#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "engine/execute.h"
#include "engine/history.h"
#include "engine/input.h"
#include "engine/selection.h"
#include "exec_support.h"

namespace tessaro::test {
namespace {

class LogPresentation : public NullPresentation {
public:
    explicit LogPresentation(CallLog& log) : log_(log) {}
    void invertCard(int card, bool selected) override {
        log_.add((selected ? "invert " : "restore ") + std::to_string(card));
    }
    void showJokerCaption(int foundation, int suit, int rank) override {
        log_.add("joker " + std::to_string(foundation) + " " + std::to_string(suit) + " " + std::to_string(rank));
    }

private:
    CallLog& log_;
};

struct SelectionTable : LoggedContext {
    LogPresentation presentation{log};
    SelectionTable() { ctx.presentation = &presentation; }
    bool press(const std::string& pile, int card) {
        return tablePress(ctx, MouseButton::Left, false, Hit{pile, card});
    }
    // Every card number on the table with how often it occurs (in the
    // selection games the list Dest1 is not a place where cards lie).
    std::map<int, int> cardsOnTable(bool withDest1 = false) const {
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
};

// Pairs by sum: P[50] = 3 takes top cards of rows and cells adding up to 14.
TEST(PairSelection, TwoTopCardsAddingUpToFourteenLeaveAsOneMove) {
    SelectionTable t;
    setParams(t.ctx, {{50, 3}, {367, 3}, {368, 1}});
    setPile(t.ctx, "Fila1", "00110061");  // ace, six of hearts on top
    setPile(t.ctx, "Fila2", "0211");      // eight of diamonds
    setPile(t.ctx, "Appogg1", "0071");
    const auto before = t.cardsOnTable();

    EXPECT_FALSE(t.press("Fila1", 1));  // an inner card is not taken
    EXPECT_TRUE(t.log.has("beep"));
    EXPECT_TRUE(t.press("Fila1", 6));
    EXPECT_EQ(t.pile("Dest1"), "006");
    EXPECT_TRUE(t.log.has("invert 6"));
    EXPECT_EQ(t.ctx.history.undo.records(), 0);

    EXPECT_TRUE(t.press("Fila2", 21));
    EXPECT_EQ(t.pile("Dest1"), "");
    EXPECT_EQ(t.pile("Mazzo_Waste"), "006021");
    EXPECT_EQ(t.pile("Fila1"), "001");
    EXPECT_EQ(t.pile("Fila2"), "");
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
    EXPECT_EQ(t.log.count("sound Pairing"), 1);
    EXPECT_EQ(t.cardsOnTable(), before);
}

TEST(PairSelection, SecondPressDeselectsAndAThirdCardIsRefused) {
    SelectionTable t;
    setParams(t.ctx, {{50, 3}, {367, 3}, {368, 1}});
    setPile(t.ctx, "Fila1", "0061");
    setPile(t.ctx, "Fila2", "0071");
    setPile(t.ctx, "Fila3", "0021");
    setPile(t.ctx, "Appogg1", "0031");

    EXPECT_TRUE(t.press("Fila1", 6));
    EXPECT_TRUE(t.press("Fila1", 6));
    EXPECT_EQ(t.pile("Dest1"), "");
    EXPECT_TRUE(t.log.has("restore 6"));

    EXPECT_TRUE(t.press("Fila1", 6));
    EXPECT_TRUE(t.press("Fila2", 7));  // 6 + 7 = 13: stays selected
    EXPECT_EQ(t.pile("Dest1"), "006007");
    EXPECT_FALSE(t.press("Fila3", 2));
    EXPECT_EQ(t.log.count("beep"), 1);
    EXPECT_EQ(t.pile("Dest1"), "006007");
    EXPECT_EQ(t.pile("Fila3"), "002");
    EXPECT_EQ(t.ctx.history.undo.records(), 0);
}

TEST(PairSelection, UnderThirtyThreeCardsAreSelectedWithoutCountOrSum) {
    SelectionTable t;
    setParams(t.ctx, {{50, 33}, {367, 3}});
    setPile(t.ctx, "Fila1", "0061");
    setPile(t.ctx, "Fila2", "0081");
    setPile(t.ctx, "Fila3", "0091");
    EXPECT_TRUE(t.press("Fila1", 6));
    EXPECT_TRUE(t.press("Fila2", 8));
    EXPECT_TRUE(t.press("Fila3", 9));
    EXPECT_EQ(t.pile("Dest1"), "006008009");
    EXPECT_EQ(t.pile("Mazzo_Waste"), "");
}

// The pyramid of P[50] = 4: card p of row k lies under cards p and p+1 of row k+1.
TEST(PyramidSelection, OnlyUncoveredCardsAreTakenAndAKingGoesAlone) {
    SelectionTable t;
    setParams(t.ctx, {{50, 4}, {367, 3}, {3, 4}});
    setPile(t.ctx, "Fila1", "0101");
    setPile(t.ctx, "Fila2", "00210031");
    setPile(t.ctx, "Fila3", "000000000131");  // places 0 and 1 empty, a King at place 2
    EXPECT_FALSE(uncoveredInPyramid(t.ctx, 10));
    EXPECT_TRUE(uncoveredInPyramid(t.ctx, 2));
    EXPECT_FALSE(uncoveredInPyramid(t.ctx, 3));
    EXPECT_TRUE(uncoveredInPyramid(t.ctx, 13));

    EXPECT_FALSE(t.press("Fila2", 3));
    EXPECT_TRUE(t.press("Fila3", 13));
    EXPECT_EQ(t.pile("Fila3"), "000000000");  // the King leaves its place holder
    EXPECT_EQ(t.pile("Mazzo_Waste"), "013");
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
    // Every later row now holds place holders only: both cards of row 2 are free.
    EXPECT_TRUE(uncoveredInPyramid(t.ctx, 3));
    EXPECT_TRUE(t.press("Fila2", 2));   // 2
    EXPECT_FALSE(t.press("Fila1", 10));  // still covered by 2 and 3
    EXPECT_EQ(t.pile("Dest1"), "002");
}

TEST(PyramidSelection, StockTopJoinsASelectionOnTheStockClick) {
    SelectionTable t;
    setParams(t.ctx, {{50, 4}, {367, 1}, {3, 4}, {10, 1}, {22, 1}});
    setPile(t.ctx, "Mazzo", "00100070");       // seven of hearts on top, face down
    setPile(t.ctx, "Mazzo_Vis", "00510061");  // six of hearts on top
    setPile(t.ctx, "Fila1", "0121");
    // Without a selection the click turns a card as usual.
    EXPECT_TRUE(stockClick(t.ctx));
    EXPECT_EQ(t.pile("Mazzo_Vis"), "005006007");
    setPile(t.ctx, "Mazzo", "00100080");
    setPile(t.ctx, "Mazzo_Vis", "00510061");
    const int records = t.ctx.history.undo.records();
    EXPECT_TRUE(t.press("Mazzo_Vis", 6));
    EXPECT_EQ(t.pile("Dest1"), "006");
    EXPECT_TRUE(t.press("Mazzo", 0));  // 6 + 8 is not 13: both stay selected
    EXPECT_EQ(t.pile("Dest1"), "006008");
    EXPECT_EQ(t.pile("Mazzo"), "001008");
    EXPECT_EQ(t.ctx.history.undo.records(), records);
}

TEST(PyramidSelection, StockTopCompletingThirteenIsRemoved) {
    SelectionTable t;
    setParams(t.ctx, {{50, 4}, {367, 1}, {3, 4}, {10, 1}, {22, 1}});
    setPile(t.ctx, "Mazzo", "00100070");
    setPile(t.ctx, "Mazzo_Vis", "00510061");
    setPile(t.ctx, "Fila1", "0121");
    EXPECT_TRUE(t.press("Mazzo_Vis", 6));
    EXPECT_TRUE(t.press("Mazzo", 0));
    EXPECT_EQ(t.pile("Dest1"), "");
    EXPECT_EQ(t.pile("Mazzo"), "001");
    EXPECT_EQ(t.pile("Mazzo_Vis"), "005");
    EXPECT_EQ(t.pile("Mazzo_Waste"), "006007");
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
}

// Selection-style games (P[39] != 0): two top cards of one rank leave together.
TEST(SelectionStyle, TwoCardsOfOneRankAreRemovedAndADifferentRankIsRefused) {
    SelectionTable t;
    setParams(t.ctx, {{39, 1}, {50, 8}, {367, 3}});
    setPile(t.ctx, "Fila1", "0051");
    setPile(t.ctx, "Fila2", "0061");
    setPile(t.ctx, "Fila3", "0181");  // five of diamonds
    EXPECT_TRUE(t.press("Fila1", 5));
    EXPECT_FALSE(t.press("Fila2", 6));
    EXPECT_EQ(t.pile("Dest1"), "005");
    EXPECT_TRUE(t.press("Fila3", 18));
    EXPECT_EQ(t.pile("Mazzo_Waste"), "005018");
    EXPECT_EQ(t.pile("Dest1"), "");
    // The one record holds the position before the removal.
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
    EXPECT_EQ(t.ctx.history.undo.rows[0], "0051");
    EXPECT_EQ(t.ctx.history.undo.rows[2], "0181");
}

// A selected cell card is found in its cell, not in the list in Dest1: a
// move then takes it from the cell, never the list's copy (which left the
// card in two places), and the cards stay one of each.
TEST(SelectionStyle, SelectedCellCardMovesFromItsCell) {
    SelectionTable t;
    setParams(t.ctx, {{39, 15}, {50, 8}, {367, 3}, {368, 1}, {366, 1}, {18, 1}, {13, 36}});
    setPile(t.ctx, "Fila1", "0051");
    setPile(t.ctx, "Appogg1", "0201");
    EXPECT_TRUE(t.press("Appogg1", 20));
    EXPECT_EQ(t.pile("Dest1"), "020");
    const Found where = t.ctx.piles.findCard(20, FindAction::None, t.ctx.P);
    EXPECT_EQ(where.where, Where::Reserve);
    moveToAnyPile(t.ctx, 20, true, true, false, false);
    tableDoubleClick(t.ctx, Hit{"Appogg1", 20});
    for (const auto& [card, times] : t.cardsOnTable()) EXPECT_EQ(times, 1) << "card " << card;
}

// P[50] = 47: after the pair, the later row empties, then the row before it
// gives its top card when its group of seven holds one occupied row.
TEST(ChainedRemoval, LaterRowEmptiesAndTheRowBeforeGivesItsTopCard) {
    SelectionTable t;
    setParams(t.ctx, {{39, 1}, {50, 47}, {367, 14}});
    setPile(t.ctx, "Fila1", "0011");
    setPile(t.ctx, "Fila2", "03010311");
    setPile(t.ctx, "Fila3", "00510141");  // ace of diamonds on top
    const auto before = t.cardsOnTable();
    EXPECT_TRUE(t.press("Fila1", 1));
    EXPECT_TRUE(t.press("Fila3", 14));
    EXPECT_EQ(t.pile("Mazzo_Waste"), "001014005031");
    EXPECT_EQ(t.pile("Fila1"), "");
    EXPECT_EQ(t.pile("Fila2"), "030");
    EXPECT_EQ(t.pile("Fila3"), "");
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
    EXPECT_EQ(t.cardsOnTable(), before);
}

TEST(ChainedRemoval, PlaceHoldersGoWithTheRowInTheSecondGroup) {
    SelectionTable t;
    setParams(t.ctx, {{39, 1}, {50, 47}, {367, 14}});
    setPile(t.ctx, "Fila1", "00200011");
    setPile(t.ctx, "Fila2", "0301");
    setPile(t.ctx, "Fila8", "0401");
    setPile(t.ctx, "Fila9", "000000510141");  // a place holder at the bottom
    const auto before = t.cardsOnTable();
    EXPECT_TRUE(t.press("Fila1", 1));
    EXPECT_TRUE(t.press("Fila9", 14));
    // Group 8-14 then holds only Fila8: its top card follows.
    EXPECT_EQ(t.pile("Mazzo_Waste"), "001014005040");
    EXPECT_EQ(t.pile("Fila9"), "");
    EXPECT_EQ(t.pile("Fila8"), "");
    EXPECT_EQ(t.pile("Fila1"), "002");
    EXPECT_EQ(t.pile("Fila2"), "030");
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
    EXPECT_EQ(t.cardsOnTable(), before);
}

TEST(ChainedRemoval, TwoOccupiedRowsInTheGroupStopTheChain) {
    SelectionTable t;
    setParams(t.ctx, {{39, 1}, {50, 47}, {367, 14}});
    setPile(t.ctx, "Fila1", "00200011");
    setPile(t.ctx, "Fila2", "0301");
    setPile(t.ctx, "Fila3", "00510141");
    EXPECT_TRUE(t.press("Fila3", 14));
    EXPECT_TRUE(t.press("Fila1", 1));
    EXPECT_EQ(t.pile("Mazzo_Waste"), "014001005");
    EXPECT_EQ(t.pile("Fila1"), "002");
    EXPECT_EQ(t.pile("Fila2"), "030");
    EXPECT_EQ(t.pile("Fila3"), "");
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
}

// P[50] = 49: a row of two cards whose bottom card is not the row's rank
// sends that card to the source row, in the same move.
TEST(RowExchange, BottomCardOfAWrongRowTradesPlacesWithTheMovedCard) {
    SelectionTable t;
    setParams(t.ctx, {{50, 49}, {367, 3}, {131, 5}, {132, 2}, {133, 9}});
    setPile(t.ctx, "Fila1", "0051");
    setPile(t.ctx, "Fila2", "0091");
    setPile(t.ctx, "Fila3", "0021");
    const auto before = t.cardsOnTable();
    EXPECT_TRUE(executeMove(t.ctx, 2, "Fila2"));
    EXPECT_EQ(t.pile("Fila2"), "002");
    EXPECT_EQ(t.pile("Fila3"), "009");
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
    EXPECT_EQ(t.cardsOnTable(), before);
    // Row 1 holds its own rank at the bottom: nothing is exchanged.
    EXPECT_TRUE(executeMove(t.ctx, 9, "Fila1"));
    EXPECT_EQ(t.pile("Fila1"), "005009");
    EXPECT_EQ(t.pile("Fila3"), "");
    EXPECT_EQ(t.ctx.history.undo.records(), 2);
}

// Joker foundations: the caption tells what the joker stands for and is shown
// again only when the joker's place changed.
TEST(JokerFoundations, CaptionFollowsTheJokerAndCardsMoveOnce) {
    SelectionTable t;
    setParams(t.ctx, {{366, 2}, {367, 1}, {83, 72}, {84, 75}, {51, 1}, {52, -2}});
    setPile(t.ctx, "Dest1", "0011");
    setPile(t.ctx, "Mazzo_Vis", "003110511061");
    const auto before = t.cardsOnTable(true);
    EXPECT_TRUE(executeMove(t.ctx, 106, "Dest2"));  // alone: the base of the first started foundation
    EXPECT_TRUE(t.log.has("joker 1 -1 1"));
    EXPECT_TRUE(executeMove(t.ctx, 105, "Dest1"));  // on the ace of hearts: the two of hearts
    EXPECT_TRUE(t.log.has("joker 0 0 2"));
    EXPECT_TRUE(executeMove(t.ctx, 3, "Dest1"));  // the joker stays where it was
    EXPECT_EQ(t.log.count("joker 0 0 2"), 1);
    EXPECT_EQ(t.log.count("joker 1 -1 1"), 1);
    EXPECT_EQ(t.pile("Dest1"), "001105003");
    EXPECT_EQ(t.ctx.history.undo.records(), 3);
    EXPECT_EQ(t.cardsOnTable(true), before);
    const JokerStandIn s = jokerStandIn(t.ctx, 0);
    EXPECT_EQ(s.place, 101);
    EXPECT_EQ(s.rank, 2);
    EXPECT_EQ(s.suit, 0);
}

TEST(JokerFoundations, JokerAtTheBottomTakesItsRankFromTheCardAbove) {
    SelectionTable t;
    setParams(t.ctx, {{366, 1}, {83, 75}, {51, -2}});
    setPile(t.ctx, "Dest1", "10510201");  // joker, then the seven of diamonds
    const JokerStandIn s = jokerStandIn(t.ctx, 0);
    EXPECT_EQ(s.place, 100);
    EXPECT_EQ(s.rank, 6);
    EXPECT_EQ(s.suit, 1);
    EXPECT_EQ(jokerStandIn(t.ctx, 1).place, 0);
}

}  // namespace
}  // namespace tessaro::test
