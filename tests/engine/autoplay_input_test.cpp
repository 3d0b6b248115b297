#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "engine/input.h"
#include "engine/new_game.h"
#include "exec_support.h"
#include "stores/settings.h"
#include "support/temp_dir.h"

namespace tessaro::test {
namespace {

// Drags a card onto one pile as the mouse does: press, move, release.
bool drag(Context& ctx, const std::string& from, int card, const std::string& onto) {
    if (!tablePress(ctx, MouseButton::Left, false, Hit{from, card})) return false;
    tableMove(ctx, false);
    return tableRelease(ctx, {onto});
}

TEST(AutoplayRelease, UncoveredAceGoesHomeAndThenWhatItMadePlayable) {
    LoggedContext t;
    klondikeRules(t.ctx);
    t.ctx.autoplay.checked = true;
    setPile(t.ctx, "Fila1", "00110201");  // ace of hearts under the seven of diamonds
    setPile(t.ctx, "Fila2", "0341");      // eight of clubs
    setPile(t.ctx, "Fila3", "05000021");  // two of hearts on a face-down king
    EXPECT_TRUE(drag(t.ctx, "Fila1", 20, "Fila2"));
    EXPECT_EQ(t.pile("Fila2"), "034020");
    EXPECT_EQ(t.pile("Dest1"), "001002");
    EXPECT_EQ(t.pile("Fila1"), "");
    // The pass turns the king up (its record dropped again) but leaves it.
    EXPECT_EQ(t.pile("Fila3"), "050");
    EXPECT_TRUE(t.faceUp(50));
    EXPECT_EQ(t.log.count("sound Autoplay"), 2);
    // The drag and the two autoplay moves each recorded the position before them.
    EXPECT_EQ(t.ctx.history.undo.records(), 3);
}

TEST(AutoplayRelease, WithAutoplayOffNothingMovesButRowsAreFilled) {
    LoggedContext t;
    klondikeRules(t.ctx);
    t.ctx.P.set(23, 3);
    setPile(t.ctx, "Mazzo", "00900100");
    setPile(t.ctx, "Fila1", "00110201");
    setPile(t.ctx, "Fila2", "0341");
    setPile(t.ctx, "Fila3", "0021");
    EXPECT_TRUE(drag(t.ctx, "Fila1", 20, "Fila2"));
    EXPECT_EQ(t.pile("Dest1"), "");
    EXPECT_EQ(t.pile("Fila1"), "001");
    // Rows 4 to 7 were empty: the stock fills them while it lasts.
    EXPECT_EQ(t.pile("Fila4"), "010");
    EXPECT_EQ(t.pile("Fila5"), "009");
    EXPECT_EQ(t.pile("Fila6"), "");
    EXPECT_TRUE(t.faceUp(10));
    // The filling belongs to the drag: one record for the drag, one for the face-up turn.
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
}

TEST(AutoplayRelease, RuleOneWithAnEmptyFirstCellLeavesRowsEmpty) {
    LoggedContext t;
    klondikeRules(t.ctx);
    t.ctx.P.set(23, 1);
    t.ctx.P.set(368, 1);
    setPile(t.ctx, "Mazzo", "0090");
    EXPECT_FALSE(fillRows(t.ctx));
    EXPECT_EQ(t.pile("Fila1"), "");
    setPile(t.ctx, "Appogg1", "00310321");
    EXPECT_TRUE(fillRows(t.ctx));
    EXPECT_EQ(t.pile("Fila1"), "032");
    EXPECT_EQ(t.pile("Fila2"), "003");
    EXPECT_EQ(t.pile("Appogg1"), "");
    EXPECT_EQ(t.ctx.history.undo.records(), 0);
}

TEST(FillRows, RulesByP23) {
    struct Case {
        const char* name;
        int rule;
        const char* stock;
        const char* vis;
        std::vector<std::string> rows;  // rows 1..4 afterwards
    };
    const Case cases[] = {
        {"2 visible stock first, rows from P25*P26", 2, "01000200", "0031", {"001", "", "003", "020"}},
        {"3 stock first", 3, "01000200", "0031", {"001", "020", "010", "003"}},
        {"5 three from the visible stock", 5, "", "0031004100510061", {"001", "006005004", "003", ""}},
        {"9 four from the stock", 9, "0100020003000400", "", {"001", "040030020010", "", ""}},
        {"7 only rows 11 and later", 7, "01000200", "", {"001", "", "", ""}},
        {"13 nothing", 13, "01000200", "", {"001", "", "", ""}},
    };
    for (const auto& c : cases) {
        LoggedContext t;
        setParams(t.ctx, {{367, 4}, {23, c.rule}, {25, 1}, {26, 2}});
        setPile(t.ctx, "Mazzo", c.stock);
        setPile(t.ctx, "Mazzo_Vis", c.vis);
        setPile(t.ctx, "Fila1", "0011");
        fillRows(t.ctx);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(t.pile("Fila" + std::to_string(i + 1)), c.rows[i]) << c.name << i;
    }
}

TEST(FillRows, RuleEightAlsoFillsEmptyReserveCells) {
    LoggedContext t;
    setParams(t.ctx, {{367, 1}, {368, 2}, {23, 8}});
    setPile(t.ctx, "Mazzo", "001000200030");
    fillRows(t.ctx);
    EXPECT_EQ(t.pile("Fila1"), "003");
    EXPECT_EQ(t.pile("Appogg1"), "002");
    EXPECT_EQ(t.pile("Appogg2"), "001");
}

TEST(AutoplayToggle, SwitchingOnPlaysEverythingAndScopeTwoStoresTheChoice) {
    TempDir dir;
    LoggedContext t;
    t.ctx.reg.initialise(dir.folder());
    t.ctx.reg.write(reg::Game, "1");
    t.ctx.mainGame.autoplayScope = 2;
    klondikeRules(t.ctx);
    setPile(t.ctx, "Fila1", "0021");
    setPile(t.ctx, "Fila2", "0011");
    setPile(t.ctx, "Fila3", "0141");
    toggleAutoplay(t.ctx);
    EXPECT_TRUE(t.log.has("autoplay on"));
    EXPECT_EQ(t.pile("Dest1"), "001002");
    EXPECT_EQ(t.pile("Dest2"), "014");
    EXPECT_TRUE(autoplayFor(t.ctx.reg, 1));
    toggleAutoplay(t.ctx);
    EXPECT_FALSE(t.ctx.autoplay.on());
    EXPECT_FALSE(autoplayFor(t.ctx.reg, 1));
    // The stored choice comes back when the game is chosen again.
    loadAutoplaySetting(t.ctx, 1);
    EXPECT_FALSE(t.ctx.autoplay.checked);
    writeAutoplayFor(t.ctx.reg, 1, true);
    loadAutoplaySetting(t.ctx, 1);
    EXPECT_TRUE(t.ctx.autoplay.checked);
}

TEST(AutoplayToggle, ScopeOneStoresNothing) {
    TempDir dir;
    LoggedContext t;
    t.ctx.reg.initialise(dir.folder());
    t.ctx.reg.write(reg::Game, "1");
    toggleAutoplay(t.ctx);
    toggleAutoplay(t.ctx);
    EXPECT_FALSE(std::filesystem::exists(dir.path("DATA")));
}

TEST(AutoplayPass, ChosenFirstFoundationCardIsLeftToThePlayer) {
    LoggedContext t;
    klondikeRules(t.ctx);
    for (int f = 0; f < 4; ++f) {
        t.ctx.P.set(51 + f, 92);
        t.ctx.P.set(83 + f, 0);
    }
    t.ctx.autoplay.checked = true;
    setPile(t.ctx, "Fila1", "0011");
    EXPECT_FALSE(autoplayPass(t.ctx));
    EXPECT_EQ(t.pile("Dest1"), "");
    // Once the player has started a foundation, autoplay plays on.
    setPile(t.ctx, "Dest2", "0141");
    t.ctx.P.set(53, 1);
    setPile(t.ctx, "Fila1", "0151");
    EXPECT_TRUE(autoplayPass(t.ctx));
    EXPECT_EQ(t.pile("Dest2"), "014015");
}

TEST(AutoplayPass, ReserveCellsAndVisibleStockAreOfferedBeforeRows) {
    LoggedContext t;
    klondikeRules(t.ctx);
    t.ctx.P.set(368, 1);
    t.ctx.autoplay.checked = true;
    setPile(t.ctx, "Fila1", "0031");
    setPile(t.ctx, "Mazzo_Vis", "0021");
    setPile(t.ctx, "Appogg1", "0011");
    EXPECT_TRUE(autoplayPass(t.ctx));
    EXPECT_EQ(t.pile("Dest1"), "001002003");
    EXPECT_EQ(t.ctx.history.undo.records(), 3);
}

TEST(AutoplayPass, DoesNothingWhenOffOrWithoutAGame) {
    LoggedContext t;
    klondikeRules(t.ctx);
    setPile(t.ctx, "Fila1", "0011");
    EXPECT_FALSE(autoplayPass(t.ctx));
    t.ctx.autoplay.checked = true;
    t.ctx.autoplay.enabled = false;
    EXPECT_FALSE(autoplayPass(t.ctx));
    t.ctx.autoplay.enabled = true;
    t.ctx.run.setFlag(Flag::GameInProgress, 0);
    EXPECT_FALSE(autoplayPass(t.ctx));
    EXPECT_EQ(t.pile("Fila1"), "001");
}

TEST(AutoplayPass, AWinningPassEndsTheGame) {
    LoggedContext t;
    klondikeRules(t.ctx);
    t.ctx.autoplay.checked = true;
    setPile(t.ctx, "Fila1", "00210011");
    setPile(t.ctx, "Fila2", "0031");
    tableRelease(t.ctx, {});  // a release anywhere runs the passes
    EXPECT_EQ(t.pile("Dest1"), "001002003");
    EXPECT_EQ(t.ctx.run.flag(Flag::GameInProgress), 0);
    EXPECT_TRUE(t.log.has("animation"));
}

TEST(StockClick, PressAndReleaseOnTheEmptyStockFormsItOnTheRelease) {
    LoggedContext t;
    klondikeRules(t.ctx);
    setPile(t.ctx, "Mazzo_Vis", "00110021");
    EXPECT_TRUE(tablePress(t.ctx, MouseButton::Left, false, Hit{"Mazzo", 0}));
    EXPECT_EQ(t.pile("Mazzo"), "");
    EXPECT_EQ(t.pile("Mazzo_Vis"), "001002");
    tableRelease(t.ctx, {});
    EXPECT_EQ(t.pile("Mazzo"), "002001");
    EXPECT_EQ(t.pile("Mazzo_Vis"), "");
    EXPECT_EQ(t.ctx.mainGame.stockPressed, 0);
}

TEST(StockClick, LeavingTheStockWhilePressedCancelsTheRedeal) {
    LoggedContext t;
    klondikeRules(t.ctx);
    setPile(t.ctx, "Mazzo_Vis", "00110021");
    tablePress(t.ctx, MouseButton::Left, false, Hit{"Mazzo", 0});
    tableMove(t.ctx, true);
    EXPECT_FALSE(tableRelease(t.ctx, {}));
    EXPECT_EQ(t.pile("Mazzo_Vis"), "001002");
}

TEST(StockClick, DealingToRowsNeedsEveryRowFilledUnderModeTwo) {
    LoggedContext t;
    setParams(t.ctx, {{367, 2}, {10, 0}, {291, 2}, {292, 2}});
    setPile(t.ctx, "Mazzo", "001000200030");
    setPile(t.ctx, "Fila1", "0101");
    EXPECT_FALSE(stockClick(t.ctx));
    EXPECT_TRUE(t.log.has("info Fill in any gaps in the tableau before dealing."));
    setPile(t.ctx, "Fila2", "0111");
    EXPECT_TRUE(stockClick(t.ctx));
    EXPECT_EQ(t.pile("Fila1"), "010003");
    EXPECT_EQ(t.pile("Fila2"), "011002");
}

TEST(StockClick, FourCardsToEveryRowAreOneRecord) {
    LoggedContext t;
    setParams(t.ctx, {{367, 2}, {10, 0}, {291, 8}, {292, 8}});
    setPile(t.ctx, "Mazzo", "00100020003000400050006000700080");
    EXPECT_TRUE(stockClick(t.ctx));
    EXPECT_EQ(t.pile("Fila1"), "008007006005");
    EXPECT_EQ(t.pile("Fila2"), "004003002001");
    EXPECT_EQ(t.ctx.history.undo.records(), 1);
}

TEST(PickUp, FoundationCardsByP18) {
    struct Case {
        int p18;
        const char* dest;
        int card;
        bool expected;
    };
    const Case cases[] = {{1, "0011", 1, true},         {0, "0011", 1, false},  {2, "0011", 1, false},
                          {2, "00110021", 2, true},     {2, "00110021", 1, false}, {3, "00111051", 105, true},
                          {3, "00110021", 2, false}};
    for (const auto& c : cases) {
        LoggedContext t;
        klondikeRules(t.ctx);
        t.ctx.P.set(18, c.p18);
        setPile(t.ctx, "Dest1", c.dest);
        EXPECT_EQ(canPickUp(t.ctx, Hit{"Dest1", c.card}), c.expected) << c.p18 << " " << c.dest << " " << c.card;
    }
}

TEST(PickUp, RowsReserveCellsAndVisibleStock) {
    LoggedContext t;
    klondikeRules(t.ctx);
    t.ctx.P.set(368, 2);
    setPile(t.ctx, "Fila1", "0500033102110101");  // king down, then 7C 8D 10H: 8D-10H is not a run
    EXPECT_TRUE(canPickUp(t.ctx, Hit{"Fila1", 10}));
    EXPECT_FALSE(canPickUp(t.ctx, Hit{"Fila1", 21}));
    EXPECT_FALSE(canPickUp(t.ctx, Hit{"Fila1", 50}));
    EXPECT_FALSE(canPickUp(t.ctx, Hit{"Fila2", 10}));  // not where it lies
    setPile(t.ctx, "Fila3", "00810201");  // 8H 7D: same colour, not a run
    EXPECT_FALSE(canPickUp(t.ctx, Hit{"Fila3", 8}));
    setPile(t.ctx, "Fila4", "04710201");  // 8S 7D: a run
    EXPECT_TRUE(canPickUp(t.ctx, Hit{"Fila4", 47}));
    EXPECT_FALSE(t.ctx.drag.singleCard);
    setPile(t.ctx, "Appogg1", "0301");
    EXPECT_TRUE(canPickUp(t.ctx, Hit{"Appogg1", 30}));
    t.ctx.P.set(14, -14);
    EXPECT_FALSE(canPickUp(t.ctx, Hit{"Appogg1", 30}));
    setPile(t.ctx, "Mazzo_Vis", "00910011");
    EXPECT_TRUE(canPickUp(t.ctx, Hit{"Mazzo_Vis", 1}));
    EXPECT_FALSE(canPickUp(t.ctx, Hit{"Mazzo_Vis", 9}));
    t.ctx.P.set(8, 1);
    EXPECT_FALSE(canPickUp(t.ctx, Hit{"Mazzo_Vis", 1}));
}

TEST(PickUp, PressOnAFaceDownTopTurnsItUp) {
    LoggedContext t;
    klondikeRules(t.ctx);
    setPile(t.ctx, "Fila1", "00310500");
    EXPECT_TRUE(tablePress(t.ctx, MouseButton::Left, false, Hit{"Fila1", 50}));
    EXPECT_TRUE(t.faceUp(50));
    EXPECT_EQ(t.ctx.drag.card, 0);
    EXPECT_TRUE(t.log.has("sound Face_up"));
    // An inner face-down card is not turned.
    setPile(t.ctx, "Fila2", "00400510");
    EXPECT_FALSE(tablePress(t.ctx, MouseButton::Left, false, Hit{"Fila2", 4}));
    EXPECT_TRUE(t.log.has("beep"));
}

TEST(Gestures, DoubleClickOnlyToFoundationsChangesNothingWhenNoneAccepts) {
    LoggedContext t;
    klondikeRules(t.ctx);
    t.ctx.reg.write(reg::DoubleClickFoundations, "Y");
    t.ctx.reg.write(reg::DoubleClickTableaus, "N");
    setPile(t.ctx, "Fila1", "0201");  // seven of diamonds
    setPile(t.ctx, "Fila2", "0341");  // eight of clubs would take it
    EXPECT_FALSE(tableDoubleClick(t.ctx, Hit{"Fila1", 20}));
    EXPECT_EQ(t.pile("Fila1"), "020");
    EXPECT_EQ(t.ctx.run.flag(Flag::DoubleClickPending), 1);
    // The press the system reports after the double click is swallowed.
    EXPECT_FALSE(tablePress(t.ctx, MouseButton::Left, false, Hit{"Fila1", 20}));
    EXPECT_EQ(t.ctx.run.flag(Flag::DoubleClickPending), 0);
    t.ctx.reg.write(reg::DoubleClickTableaus, "Y");
    EXPECT_TRUE(tableDoubleClick(t.ctx, Hit{"Fila1", 20}));
    EXPECT_EQ(t.pile("Fila2"), "034020");
}

TEST(Gestures, RightClickNeedsItsSwitchesAndNoCtrl) {
    LoggedContext t;
    klondikeRules(t.ctx);
    setPile(t.ctx, "Fila1", "0011");
    EXPECT_FALSE(tablePress(t.ctx, MouseButton::Right, false, Hit{"Fila1", 1}));
    t.ctx.reg.write(reg::RightClickFoundations, "Y");
    EXPECT_FALSE(tablePress(t.ctx, MouseButton::Right, true, Hit{"Fila1", 1}));
    EXPECT_EQ(t.pile("Fila1"), "001");
    EXPECT_TRUE(tablePress(t.ctx, MouseButton::Right, false, Hit{"Fila1", 1}));
    EXPECT_EQ(t.pile("Dest1"), "001");
}

TEST(MoveToAnyPile, FoundationsThenOccupiedRowsThenEmptyRows) {
    LoggedContext t;
    klondikeRules(t.ctx);
    setPile(t.ctx, "Fila1", "0131");  // king of hearts
    setPile(t.ctx, "Fila3", "0391");  // king of clubs
    setPile(t.ctx, "Fila5", "0121");  // queen of hearts
    // The queen goes on the first occupied row that takes it, before any empty row.
    EXPECT_TRUE(moveToAnyPile(t.ctx, 12, true, true, false, false));
    EXPECT_EQ(t.pile("Fila3"), "039012");
    // A king goes to the first empty row.
    EXPECT_TRUE(moveToAnyPile(t.ctx, 13, true, true, false, false));
    EXPECT_EQ(t.pile("Fila2"), "013");
    EXPECT_EQ(t.ctx.drag.card, 0);
    // Face-down cards are never moved.
    setPile(t.ctx, "Fila6", "0010");
    EXPECT_FALSE(moveToAnyPile(t.ctx, 1, true, true, false, false));
}

TEST(MoveToAnyPile, ARunMovesWholeAndNeverToAFoundation) {
    LoggedContext t;
    klondikeRules(t.ctx);
    setPile(t.ctx, "Dest1", "0011");
    setPile(t.ctx, "Fila1", "00210401");  // two of hearts under the ace of spades
    setPile(t.ctx, "Fila2", "0161");      // three of diamonds
    setPile(t.ctx, "Fila3", "0291");      // three of clubs takes the two of hearts with the ace
    EXPECT_TRUE(moveToAnyPile(t.ctx, 2, true, true, false, false));
    EXPECT_EQ(t.pile("Dest1"), "001");
    EXPECT_EQ(t.pile("Fila3"), "029002040");
}

TEST(NewGame, DealsAFreshNumberResetsTheGameAndStartsTheClock) {
    LoggedContext t;
    klondikeRules(t.ctx);
    t.ctx.reg.write(reg::GameName, "Klondike");
    t.ctx.rng.setSeed(7);
    t.ctx.mainGame.moves = 2;
    t.ctx.mainGame.missCount = 3;
    t.ctx.run.setCounter(Counter::StockTurns, 5);
    pushHistory(t.ctx);
    t.ctx.manualClock.now = 0.25;
    newGame(t.ctx, 1, true, 2, false);
    const std::string first = t.ctx.reg.read(reg::DealNumber);
    EXPECT_EQ(first.size(), 13u);
    EXPECT_TRUE(t.log.has("caption Tessaro [Klondike]  [" + first + "]"));
    EXPECT_EQ(t.ctx.mainGame.moves, 0);
    EXPECT_EQ(t.ctx.mainGame.missCount, 0);
    EXPECT_EQ(t.ctx.run.counter(Counter::StockTurns), 0);
    EXPECT_EQ(t.ctx.history.undo.records(), 0);
    EXPECT_EQ(t.ctx.run.flag(Flag::GameInProgress), 1);
    EXPECT_EQ(t.ctx.run.flag(Flag::ClockRunning), 1);
    EXPECT_DOUBLE_EQ(t.ctx.run.time(Time::GameStart), 0.25);
    EXPECT_EQ(t.ctx.clockText, "0:00:00");
    EXPECT_EQ(t.ctx.reg.read(reg::Score), "-52");
    EXPECT_EQ(t.ctx.piles.count({PileKind::Stock, kMazzo}), 24);
    newGame(t.ctx, 1, true, 2, false);
    EXPECT_NE(t.ctx.reg.read(reg::DealNumber), first);
}

TEST(NewGame, AutoplayStartsAfterAnEightHundredMillisecondPause) {
    struct WaitLog : NullPresentation {
        std::vector<int> waits;
        void wait(int ms, Wait) override { waits.push_back(ms); }
    } presentation;
    LoggedContext t;
    klondikeRules(t.ctx);
    t.ctx.presentation = &presentation;
    t.ctx.autoplay.checked = true;
    t.ctx.reg.write(reg::DealNumber, "0000000104729");  // row 3 shows an ace
    newGame(t.ctx, 1, false, 1, true);
    EXPECT_EQ(presentation.waits, std::vector<int>{800});
    EXPECT_EQ(t.pile("Dest1"), "001");
}

TEST(NewGameCommand, DeclinedConfirmationKeepsTheGame) {
    LoggedContext t;
    klondikeRules(t.ctx);
    t.ctx.reg.write(reg::ConfirmQuit, "Y");
    t.dialogs.answer = false;
    setPile(t.ctx, "Fila1", "0011");
    EXPECT_FALSE(newGameCommand(t.ctx));
    EXPECT_EQ(t.pile("Fila1"), "001");
    EXPECT_EQ(t.ctx.run.flag(Flag::GameInProgress), 1);
    t.ctx.reg.write(reg::ConfirmQuit, "N");
    EXPECT_TRUE(newGameCommand(t.ctx));
    EXPECT_TRUE(t.log.has("sound New"));
    EXPECT_EQ(t.ctx.piles.count({PileKind::Stock, kMazzo}), 24);
}

}  // namespace
}  // namespace tessaro::test
