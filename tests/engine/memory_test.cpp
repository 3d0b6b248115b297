#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/autoplay.h"
#include "engine/clock.h"
#include "engine/input.h"
#include "engine/memory.h"
#include "engine/score.h"
#include "engine/score_sheet.h"
#include "exec_support.h"

namespace tessaro::test {
namespace {

// Drawing requests in the shared log, each card with the face it shows then.
class LogPresentation : public NullPresentation {
public:
    LogPresentation(CallLog& log, const Context& ctx) : log_(log), ctx_(ctx) {}
    void drawCard(int card, bool animate) override {
        log_.add("draw " + card3(card) + (ctx_.cards.faceUp(card) ? " up" : " down") + (animate ? " turning" : ""));
    }
    void flyCard(int card, PileRef to) override { log_.add("fly " + card3(card) + " " + pileName(to)); }
    void markCard(int card) override { log_.add("mark " + card3(card)); }
    void markWrongCard(int card) override { log_.add("cross " + card3(card)); }
    void drawTable(bool background, bool) override { log_.add(background ? "table with background" : "table"); }
    void wait(int ms, Wait how) override {
        log_.add("wait " + std::to_string(ms) +
                 (how == Wait::Blocking ? " blocking" : how == Wait::Pumping ? " pumping" : " until click"));
    }

private:
    CallLog& log_;
    const Context& ctx_;
};

struct MemoryTable : LoggedContext {
    LogPresentation presentation{log, ctx};
    explicit MemoryTable(int kind, int rows) {
        ctx.presentation = &presentation;
        ctx.reg.write(reg::CardsShadowed, "Y");
        setParams(ctx, {{50, kind}, {367, rows}, {370, kind == kPairs ? 104 : 52}});
    }
    int score() const { return ctx.reg.readInt(reg::Score, 9999); }
    bool click(int card, int row) { return memoryClick(ctx, card, row); }
    // Only the entries of a kind, in order.
    std::vector<std::string> entries(std::string_view prefix) const {
        std::vector<std::string> out;
        for (const auto& l : log.lines)
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }
};

using Lines = std::vector<std::string>;

// A pile line of face-down cards; 0 is a gap.
std::string down(std::initializer_list<int> cards) {
    std::string line;
    for (int c : cards) line += c == 0 ? "0000" : card3(c) + "0";
    return line;
}

// ------------------------------------------------------------ Pairs and Concentration

TEST(MemoryPairs, ACardAndItsTwinLeaveTheGridAsAPair) {
    MemoryTable t(kPairs, 2);
    setPile(t.ctx, "Fila1", down({5, 18, 57}));  // 5 of hearts, 5 of diamonds, second 5 of hearts
    setPile(t.ctx, "Fila2", down({70, 1}));
    ASSERT_TRUE(t.click(5, 0));
    EXPECT_TRUE(t.faceUp(5));
    EXPECT_EQ(t.score(), -52);  // one card up: no pair, no miss
    ASSERT_TRUE(t.click(57, 0));
    EXPECT_EQ(t.pile("Fila1"), "000018000");
    EXPECT_EQ(t.pile("Mazzo_Waste"), "005057");
    EXPECT_TRUE(t.faceUp(5));
    EXPECT_TRUE(t.faceUp(57));
    EXPECT_EQ(t.ctx.mainGame.missCount, 0);
    EXPECT_EQ(t.score(), -42);
    // The two turns stay in the history; the moves to the put-away pile do not.
    EXPECT_EQ(t.ctx.history.undo.records(), 2);
    EXPECT_EQ(t.entries("fly"), (Lines{"fly 005 Mazzo_Waste", "fly 057 Mazzo_Waste"}));
    EXPECT_EQ(t.entries("draw"), (Lines{"draw 005 up turning", "draw 057 up turning"}));
    EXPECT_EQ(t.log.count("sound Face_up"), 2);
    EXPECT_TRUE(t.ctx.run.isSet(Flag::GameInProgress));
}

TEST(MemoryPairs, SameRankButNotTheTwinIsAMissTurnedBackCardByCard) {
    MemoryTable t(kPairs, 2);
    setPile(t.ctx, "Fila1", down({5, 18, 57}));
    setPile(t.ctx, "Fila2", down({70, 1}));
    t.click(18, 0);
    t.log.lines.clear();
    ASSERT_TRUE(t.click(5, 0));
    EXPECT_EQ(t.pile("Fila1"), "005018057");
    EXPECT_TRUE(t.pile("Mazzo_Waste").empty());
    EXPECT_FALSE(t.faceUp(5));
    EXPECT_FALSE(t.faceUp(18));
    EXPECT_EQ(t.ctx.mainGame.missCount, 1);
    EXPECT_EQ(t.score(), -54);
    // Turned back in row order, 200 ms before each card, without taking input.
    EXPECT_EQ(t.log.lines, (Lines{"draw 005 up turning", "sound Face_up", "wait 200 blocking", "draw 005 down",
                                  "wait 200 blocking", "draw 018 down"}));
    t.click(70, 1);
    t.click(57, 0);
    EXPECT_EQ(t.ctx.mainGame.missCount, 2);
    EXPECT_EQ(t.score(), -56);  // each miss costs 2
}

TEST(MemoryPairs, AMissStaysInViewAsLongAsChosen) {
    const std::pair<const char*, const char*> cases[] = {
        {"1000", "wait 1000 blocking"}, {"2000", "wait 2000 blocking"}, {"Click", "wait 200 until click"},
        {"", "wait 200 blocking"}, {"750", "wait 200 blocking"}};
    for (const auto& [choice, firstWait] : cases) {
        SCOPED_TRACE(choice);
        MemoryTable t(kPairs, 1);
        t.ctx.reg.write(reg::MissShowTime, choice);
        setPile(t.ctx, "Fila1", down({5, 18}));
        t.click(18, 0);
        t.log.lines.clear();
        ASSERT_TRUE(t.click(5, 0));
        // Only the first card waits the chosen time; the second follows 200 ms later.
        EXPECT_EQ(t.entries("wait"), (Lines{firstWait, "wait 200 blocking"}));
        EXPECT_FALSE(t.faceUp(5));
    }
}

TEST(MemoryPairs, ClicksOnFaceUpCardsGapsAndOtherRowsChangeNothing) {
    MemoryTable t(kPairs, 2);
    setPile(t.ctx, "Fila1", down({0, 18, 57}));
    setPile(t.ctx, "Fila2", down({70, 1}));
    t.click(18, 0);
    const int records = t.ctx.history.undo.records();
    EXPECT_FALSE(t.click(18, 0));   // face up
    EXPECT_FALSE(t.click(0, 0));    // a gap
    EXPECT_FALSE(t.click(70, 0));   // not in row 1
    EXPECT_FALSE(t.click(70, 2));   // no row 3 in use
    EXPECT_FALSE(t.click(109, 0));  // no card
    EXPECT_EQ(t.ctx.history.undo.records(), records);
    EXPECT_EQ(t.ctx.mainGame.missCount, 0);
    EXPECT_TRUE(t.faceUp(18));
    EXPECT_FALSE(t.faceUp(57));
}

TEST(MemoryPairs, TheMoveInputHandsAnyFaceDownGridCardToTheTurn) {
    MemoryTable t(kPairs, 1);
    setPile(t.ctx, "Fila1", down({5, 18, 57, 70}));
    // The bottom card of the row, not its top, is turned.
    EXPECT_TRUE(tablePress(t.ctx, MouseButton::Left, false, Hit{"Fila1", 5}));
    EXPECT_TRUE(t.faceUp(5));
    EXPECT_FALSE(t.faceUp(70));
    EXPECT_TRUE(tablePress(t.ctx, MouseButton::Left, false, Hit{"Fila1", 57}));
    EXPECT_EQ(t.pile("Fila1"), "000018000070");
    // A press on a face-up card or on the put-away pile does nothing but beep.
    t.ctx.cards.setFace(18, '1');
    EXPECT_FALSE(tablePress(t.ctx, MouseButton::Left, false, Hit{"Fila1", 18}));
    EXPECT_FALSE(tablePress(t.ctx, MouseButton::Left, false, Hit{"Mazzo_Waste", 57}));
    EXPECT_EQ(t.log.count("beep"), 2);
    EXPECT_EQ(t.pile("Fila1"), "000018000070");
}

TEST(MemoryConcentration, AnyTwoCardsOfOneRankArePairs) {
    MemoryTable t(kConcentration, 1);
    setPile(t.ctx, "Fila1", down({1, 14, 27, 2}));
    t.click(14, 0);
    t.click(27, 0);
    EXPECT_EQ(t.pile("Fila1"), "001000000002");
    EXPECT_EQ(t.pile("Mazzo_Waste"), "014027");
    EXPECT_EQ(t.score(), 7 - 52);
    t.click(1, 0);
    t.click(2, 0);
    EXPECT_EQ(t.ctx.mainGame.missCount, 1);
    EXPECT_EQ(t.score(), 7 - 1 - 52);  // a miss costs 1
}

TEST(MemoryPairs, TheLastPairEndsTheGameByTheScoreToWin) {
    struct Case {
        int misses;
        int score;
        bool won;
    };
    // 9 pairs: 90 - 2 x misses - 52.
    for (const Case c : {Case{4, 30, true}, Case{5, 28, false}}) {
        MemoryTable t(kPairs, 1);
        t.ctx.P.set(49, 30);
        setPile(t.ctx, "Mazzo_Waste", "0011053100210541003105510041056100610581007105910081060100910611");
        setPile(t.ctx, "Fila1", down({0, 0, 5, 0, 57, 0}));
        t.ctx.mainGame.missCount = c.misses;
        t.click(5, 0);
        EXPECT_TRUE(t.ctx.run.isSet(Flag::GameInProgress));
        t.click(57, 0);
        EXPECT_EQ(t.score(), c.score);
        EXPECT_FALSE(t.ctx.run.isSet(Flag::GameInProgress));
        EXPECT_EQ(t.log.has("sheet won"), c.won);
        EXPECT_EQ(t.log.has("animation"), c.won);
        // A lost game leaves the table drawn again with its background.
        EXPECT_EQ(t.log.has("table with background"), true);
        EXPECT_EQ(t.endGame.lastSheet.matches, 9);
        EXPECT_EQ(t.endGame.lastSheet.misses, c.misses);
        EXPECT_EQ(t.endGame.lastSheet.total, std::to_string(c.score));
    }
}

TEST(MemoryPairs, ReachingTheScoreToWinEarlyDoesNotEndTheGameUnderAutoplay) {
    MemoryTable t(kPairs, 1);
    t.ctx.P.set(49, -42);
    t.ctx.autoplay.checked = true;
    setPile(t.ctx, "Fila1", down({5, 57, 18, 70}));
    t.click(5, 0);
    t.click(57, 0);
    EXPECT_TRUE(t.ctx.run.isSet(Flag::Won));
    tableRelease(t.ctx, {});
    EXPECT_TRUE(t.ctx.run.isSet(Flag::GameInProgress));
    EXPECT_FALSE(t.log.has("sheet won"));
    t.click(18, 0);
    t.click(70, 0);
    EXPECT_FALSE(t.ctx.run.isSet(Flag::GameInProgress));
    EXPECT_TRUE(t.log.has("sheet won"));
}

// ------------------------------------------------------------ Ace-To-King

TEST(MemoryAceToKing, ATwoFirstIsAMissAndLeavesNothingFaceUp) {
    MemoryTable t(kAceToKing, 4);
    setPile(t.ctx, "Fila1", "0150");  // two of diamonds
    setPile(t.ctx, "Fila2", "0010");  // ace of hearts
    setPile(t.ctx, "Fila3", "0290");  // three of clubs
    setPile(t.ctx, "Fila4", "0170");  // four of diamonds
    t.click(15, 0);
    EXPECT_EQ(t.ctx.mainGame.missCount, 1);
    EXPECT_TRUE(t.pile("Appogg1").empty());
    EXPECT_FALSE(t.faceUp(15));
    EXPECT_EQ(t.score(), -53);
    t.click(1, 1);
    t.click(15, 0);
    t.click(29, 2);
    EXPECT_EQ(t.pile("Appogg1"), "001015029");
    EXPECT_EQ(runLength(t.ctx), 3);
    EXPECT_EQ(t.score(), 45 - 1 - 52);
    // The cards of the run stay where they are in the grid, face up.
    EXPECT_EQ(t.pile("Fila2"), "001");
    EXPECT_TRUE(t.faceUp(1) && t.faceUp(15) && t.faceUp(29));
    // A wrong card breaks the run: everything goes down again.
    t.ctx.P.set(367, 5);
    setPile(t.ctx, "Fila5", "0050");
    t.click(5, 4);
    EXPECT_TRUE(t.pile("Appogg1").empty());
    EXPECT_EQ(t.ctx.mainGame.missCount, 2);
    EXPECT_EQ(t.entries("draw").back(), "draw 005 down");
    EXPECT_FALSE(t.faceUp(1) || t.faceUp(15) || t.faceUp(29));
}

TEST(MemoryAceToKing, RunLengthOfTheReserveCell) {
    struct Case {
        const char* run;
        int length;
    };
    const Case cases[] = {
        {"", 0},
        {"0011", 1},          // an ace alone
        {"0021", 0},          // a two alone
        {"00110021", 2},      // ace, two
        {"001100210031", 3},  // ace, two, three
        {"001100210051", 2},  // ace, two, five: the count stops at the five
        {"00110031", 0},      // ace, three
        {"00210031", 2},      // two, three: the first card is not checked once there are two
        {"0011015102910431", 4},
    };
    for (const Case& c : cases) {
        MemoryTable t(kAceToKing, 13);
        setPile(t.ctx, "Appogg1", c.run);
        EXPECT_EQ(runLength(t.ctx), c.length) << c.run;
    }
}

TEST(MemoryAceToKing, TheWholeRunEndsTheGame) {
    MemoryTable t(kAceToKing, 13);
    t.ctx.P.set(49, 130);
    for (int r = 1; r <= 13; ++r) setPile(t.ctx, "Fila" + std::to_string(r), card3(14 - r) + "0");
    t.ctx.mainGame.missCount = 13;
    for (int r = 1; r <= 13; ++r) t.click(r, 13 - r);
    EXPECT_FALSE(t.ctx.run.isSet(Flag::GameInProgress));
    EXPECT_EQ(t.score(), 130);
    EXPECT_TRUE(t.log.has("sheet won"));
    EXPECT_EQ(t.endGame.lastSheet.page, 1);
    EXPECT_EQ(t.endGame.lastSheet.matches, 13);
    EXPECT_EQ(t.endGame.lastSheet.matchesProduct, 195);
    EXPECT_EQ(t.endGame.lastSheet.missesProduct, -13);
}

// ------------------------------------------------------------ Forget me not

struct ForgetMeNot : MemoryTable {
    ForgetMeNot() : MemoryTable(kForgetMeNot, 20) {
        setParams(ctx, {{366, 10}, {49, 28}, {13, 1}, {33, 1}});
        for (int p = 131; p <= 140; ++p) ctx.P.set(p, -1);
        const int shown[10] = {5, 14, 28, 37, 35, 6, 2, 43, 3, 40};
        for (int k = 0; k < 10; ++k) setPile(ctx, "Dest" + std::to_string(k + 1), card3(shown[k]) + "1");
        ctx.run.setFlag(Flag::ClockRunning, 1);
        ctx.run.setTime(Time::GameStart, ctx.manualClock.now);
    }
    void tick(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            ctx.manualClock.advanceSeconds(1);
            clockTick(ctx);
        }
    }
};

TEST(MemoryForgetMeNot, NothingIsHiddenDuringTheFirstTenSeconds) {
    ForgetMeNot t;
    t.tick(10);
    EXPECT_EQ(t.ctx.clockText, "0:00:10");
    for (int k = 0; k < 10; ++k) EXPECT_TRUE(t.faceUp(cardAt(t.ctx.piles.dest(k), 0)));
    for (int r = 0; r < 20; ++r) EXPECT_TRUE(t.ctx.piles.fila(r).empty());
    EXPECT_EQ(t.ctx.history.undo.records(), 0);
}

TEST(MemoryForgetMeNot, TheEleventhSecondHidesAndScattersTheTwinsIntoTenRows) {
    ForgetMeNot t;
    t.tick(11);
    std::set<int> twins;
    for (int k = 0; k < 10; ++k) {
        const int shown = cardAt(t.ctx.piles.dest(k), 0);
        EXPECT_FALSE(t.faceUp(shown));
        twins.insert(shown + 52);
    }
    std::set<int> placed;
    for (int r = 10; r < 20; ++r) {
        ASSERT_EQ(t.ctx.piles.fila(r).size(), 3u) << "row " << r + 1;
        const int card = cardAt(t.ctx.piles.fila(r), 0);
        EXPECT_TRUE(t.faceUp(card));
        placed.insert(card);
    }
    EXPECT_EQ(placed, twins);
    for (int r = 0; r < 10; ++r) EXPECT_TRUE(t.ctx.piles.fila(r).empty());
    EXPECT_EQ(t.ctx.history.undo.records(), 2);
    // Ten hidden and ten revealed, each after 200 ms without input.
    EXPECT_EQ(t.log.count("wait 200 blocking"), 20);
    EXPECT_EQ(t.entries("draw").front(), "draw 005 down");
    EXPECT_EQ(t.entries("draw").size(), 20u);
    // Later ticks do it no more.
    const std::string before = t.pile("Fila11") + t.pile("Fila20");
    t.tick(30);
    EXPECT_EQ(t.pile("Fila11") + t.pile("Fila20"), before);
    EXPECT_EQ(t.ctx.history.undo.records(), 2);
}

TEST(MemoryForgetMeNot, ScatterGoesOnToTheNextEmptyRowAndWrapsToRowEleven) {
    ForgetMeNot t;
    // Only the first foundation's card; rows 12-20 are taken, so wherever the
    // scatter starts it comes round to row 11.
    for (int k = 1; k < 10; ++k) t.ctx.piles.dest(k).clear();
    for (int r = 12; r <= 20; ++r) setPile(t.ctx, "Fila" + std::to_string(r), card3(60 + r) + "1");
    for (unsigned seed : {1u, 7u, 12345u}) {
        t.ctx.rng.setSeed(seed);
        t.ctx.piles.fila(10).clear();
        t.ctx.cards.setFace(5, '1');
        t.ctx.clockText = "0:00:11";
        previewCheck(t.ctx);
        EXPECT_EQ(t.pile("Fila11"), "057") << seed;
    }
}

TEST(MemoryForgetMeNot, TooFewScatterRowsLeaveTwinsOutInsteadOfLoopingForEver) {
    ForgetMeNot t;
    t.ctx.P.set(367, 13);
    t.ctx.clockText = "0:00:12";
    previewCheck(t.ctx);
    int placed = 0;
    for (int r = 10; r < 13; ++r) placed += t.ctx.piles.fila(r).size() == 3;
    EXPECT_EQ(placed, 3);
    for (int r = 13; r < 40; ++r) EXPECT_TRUE(t.ctx.piles.fila(r).empty());
}

TEST(MemoryForgetMeNot, PreviewWaitsForItsConditions) {
    {
        ForgetMeNot t;  // a card already in the first answer row
        setPile(t.ctx, "Fila1", "0571");
        t.ctx.clockText = "0:01:00";
        previewCheck(t.ctx);
        EXPECT_TRUE(t.faceUp(5));
    }
    {
        ForgetMeNot t;  // the clock text does not parse
        t.ctx.clockText = "soon";
        previewCheck(t.ctx);
        EXPECT_TRUE(t.faceUp(5));
    }
    {
        ForgetMeNot t;  // another kind
        t.ctx.P.set(50, kPairs);
        t.ctx.clockText = "0:00:11";
        previewCheck(t.ctx);
        EXPECT_TRUE(t.faceUp(5));
    }
}

TEST(MemoryForgetMeNot, ElapsedSecondsReadBackFromTheTimeDisplay) {
    EXPECT_EQ(elapsedFromClockText("0:00:11"), 11);
    EXPECT_EQ(elapsedFromClockText("1:02:03"), 3723);
    EXPECT_EQ(elapsedFromClockText("0:10:00"), 600);
    EXPECT_EQ(elapsedFromClockText(""), 0);
    EXPECT_EQ(elapsedFromClockText("0:00"), 0);
    EXPECT_EQ(elapsedFromClockText("0:00:1x"), 0);
    EXPECT_EQ(elapsedFromClockText("0::11"), 0);
    EXPECT_EQ(elapsedFromClockText("0:00:11:"), 0);
    EXPECT_EQ(elapsedFromClockText("99999999999:00:00"), 0);
}

TEST(MemoryForgetMeNot, FillingTheTenthAnswerRowShowsMarksScoresAndEnds) {
    ForgetMeNot t;
    t.tick(11);
    t.log.lines.clear();
    // Seven right, the last three rotated.
    const int answers[10] = {57, 66, 80, 89, 87, 58, 54, 55, 92, 95};
    for (int j = 0; j < 10; ++j) {
        const int card = answers[j];
        EXPECT_TRUE(tryDrop(t.ctx, card, "Fila" + std::to_string(j + 1), false)) << card;
        if (j < 9) {
            EXPECT_TRUE(t.ctx.run.isSet(Flag::GameInProgress));
            EXPECT_EQ(t.score(), -52);
            EXPECT_FALSE(t.faceUp(5));
        }
    }
    EXPECT_FALSE(t.ctx.run.isSet(Flag::GameInProgress));
    EXPECT_EQ(t.score(), 18);
    for (int k = 0; k < 10; ++k) EXPECT_TRUE(t.faceUp(cardAt(t.ctx.piles.dest(k), 0)));
    EXPECT_EQ(t.entries("mark"),
              (Lines{"mark 057", "mark 066", "mark 080", "mark 089", "mark 087", "mark 058", "mark 054"}));
    EXPECT_TRUE(t.log.has("sheet lost"));
    EXPECT_TRUE(t.log.has("table with background"));
    const MemoryScoreSheet& s = t.endGame.lastSheet;
    EXPECT_EQ(s.page, 2);
    EXPECT_EQ(s.matches, 7);
    EXPECT_EQ(s.misses, 3);
    EXPECT_EQ(s.missesProduct, 0);
    EXPECT_EQ(s.total, "18");
}

TEST(MemoryForgetMeNot, WrongAnswersAreCrossedAndSeenBeforeTheScoreSheet) {
    ForgetMeNot t;
    t.tick(11);
    const int answers[10] = {66, 57, 80, 89, 87, 58, 54, 55, 92, 95};  // two swapped, three rotated
    for (int j = 0; j < 10; ++j) tryDrop(t.ctx, answers[j], "Fila" + std::to_string(j + 1), false);
    EXPECT_EQ(t.entries("cross"), (Lines{"cross 066", "cross 057", "cross 055", "cross 092", "cross 095"}));
    EXPECT_EQ(t.entries("mark").size(), 5u);
    const auto& lines = t.log.lines;
    const auto pause = std::find(lines.begin(), lines.end(), "wait 1000 blocking");
    const auto sheet = std::find(lines.begin(), lines.end(), "sheet lost");
    const auto lastCross = std::find(lines.begin(), lines.end(), "cross 095");
    ASSERT_NE(pause, lines.end());
    EXPECT_LT(lastCross, pause);
    EXPECT_LT(pause, sheet);
}

TEST(MemoryForgetMeNot, AnswerRowsTakeOneCardAndScatterRowsNone) {
    ForgetMeNot t;
    t.tick(11);
    const int first = cardAt(t.ctx.piles.fila(10), 0);
    const int second = cardAt(t.ctx.piles.fila(11), 0);
    EXPECT_TRUE(tryDrop(t.ctx, first, "Fila1", false));
    EXPECT_FALSE(tryDrop(t.ctx, second, "Fila1", false));
    EXPECT_FALSE(tryDrop(t.ctx, second, "Fila11", false));
    EXPECT_FALSE(tryDrop(t.ctx, second, "Dest1", false));
}

// ------------------------------------------------------------ score sheet

// The pages in order with their points per match and per miss.
const char* const kVariants[] = {"Pairs", "Ace-To-King", "Forget me not", "Concentration"};
const int kPerMatch[] = {10, 15, 10, 7};
const int kPerMiss[] = {-2, -1, 0, -1};

TEST(MemoryScoreSheetValues, EveryPage) {
    struct Case {
        const char* name;
        int kind;
        int rows;
        const char* waste;
        const char* appogg;
        int misses;
        int page;
        const char* box;
        int matches;
        int sheetMisses;
        int matchesProduct;
        int missesProduct;
    };
    const Case cases[] = {
        {"pairs lost without a match", kPairs, 3, "", "", 7, 0, "Grid: 4 x 3", 0, 7, 0, -14},
        {"pairs 6 x 4", kPairs, 4, "001105310021", "", 2, 0, "Grid: 6 x 4", 1, 2, 10, -4},
        {"pairs 8 x 5", kPairs, 5, "0011053100210541", "", 0, 0, "Grid: 8 x 5", 2, 0, 20, 0},
        {"pairs other grid", kPairs, 6, "", "", 1, 0, "Grid: 6 x 4 ", 0, 1, 0, -2},
        {"ace to king", kAceToKing, 13, "", "001101510291", 4, 1, "Sequence ", 3, 4, 45, -4},
        {"concentration", kConcentration, 5, "001101410271040100210151", "", 9, 3, "Cards: 52 ", 3, 9, 21, -9},
    };
    for (const Case& c : cases) {
        MemoryTable t(c.kind, c.rows);
        t.ctx.P.set(49, 44);
        setPile(t.ctx, "Mazzo_Waste", c.waste);
        setPile(t.ctx, "Appogg1", c.appogg);
        t.ctx.mainGame.missCount = c.misses;
        t.ctx.reg.write(reg::Score, "-12");
        const MemoryScoreSheet s = memoryScoreSheet(t.ctx, false);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(s.caption, "Game Lost");
        EXPECT_EQ(s.page, c.page);
        EXPECT_EQ(s.boxCaption, c.box);
        EXPECT_EQ(s.matches, c.matches);
        EXPECT_EQ(s.misses, c.sheetMisses);
        EXPECT_EQ(s.matchesProduct, c.matchesProduct);
        EXPECT_EQ(s.missesProduct, c.missesProduct);
        EXPECT_EQ(s.start, "-52");
        EXPECT_EQ(s.total, "-12");
        EXPECT_EQ(s.toWin, 44);
        EXPECT_EQ(s.variant, kVariants[c.page]);
        EXPECT_EQ(s.pointsPerMatch, kPerMatch[c.page]);
        EXPECT_EQ(s.pointsPerMiss, kPerMiss[c.page]);
    }
    MemoryTable t(kPairs, 3);
    EXPECT_EQ(memoryScoreSheet(t.ctx, true).caption, "Game Won");
}

TEST(MemoryScoreSheetValues, DesignedPagesAndUnknownPageIndex) {
    const char* boxes[] = {"Grid: 6 x 4 ", "Sequence ", "Cards: 10 ", "Cards: 52 "};
    for (int page = 0; page < kMemorySheetPages; ++page) {
        SCOPED_TRACE(page);
        const MemorySheetPage& p = memorySheetPage(page);
        EXPECT_STREQ(p.variant, kVariants[page]);
        EXPECT_STREQ(p.boxCaption, boxes[page]);
        EXPECT_EQ(p.pointsPerMatch, kPerMatch[page]);
        EXPECT_EQ(p.pointsPerMiss, kPerMiss[page]);
    }
    // A page index out of range falls back to the first page.
    EXPECT_EQ(&memorySheetPage(-1), &memorySheetPage(0));
    EXPECT_EQ(&memorySheetPage(4), &memorySheetPage(0));
}

TEST(MemoryScoreSheetValues, ForgetMeNotCountsPlacedTwins) {
    ForgetMeNot t;
    const int answers[10] = {57, 66, 80, 89, 87, 58, 54, 55, 92, 95};
    for (int j = 0; j < 10; ++j) setPile(t.ctx, "Fila" + std::to_string(j + 1), card3(answers[j]) + "1");
    const MemoryScoreSheet s = memoryScoreSheet(t.ctx, false);
    EXPECT_EQ(s.page, 2);
    EXPECT_EQ(s.boxCaption, "Cards: 10 ");
    EXPECT_EQ(s.matches, 7);
    EXPECT_EQ(s.misses, 3);
    EXPECT_EQ(s.matchesProduct, 70);
    EXPECT_EQ(s.missesProduct, 0);
}

}  // namespace
}  // namespace tessaro::test
