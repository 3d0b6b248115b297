#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/dump.h"
#include "support/context_builder.h"

namespace tessaro {
namespace {

// Collects the information boxes the engine shows.
class RecordingDialogs : public Dialogs {
public:
    void info(std::string_view text) override { shown.emplace_back(text); }
    bool confirm(std::string_view text) override {
        shown.emplace_back(text);
        return true;
    }
    std::vector<std::string> shown;
};

std::string join(const Deck& deck) {
    std::string s;
    for (int c : deck) s += (s.empty() ? "" : " ") + card3(c);
    return s;
}

// The 52-card deck of deal number 0000000000000.
constexpr const char* kDeckZero =
    "002 043 004 020 027 045 029 006 031 036 022 047 050 012 026 025 033 015 008 017 049 011 013 019 035 040 "
    "001 042 003 044 028 005 030 046 021 010 032 024 007 023 038 052 039 014 048 016 009 018 034 051 037 041";

class DealTest : public ::testing::Test {
protected:
    void SetUp() override { ctx.dialogs = &dialogs; }

    std::string deckOf(std::string_view number) {
        Deck d;
        EXPECT_TRUE(buildDeck(ctx, number, d));
        return join(d);
    }
    // Deals a number into empty piles and returns the pile dump.
    std::string dealt(std::string_view number = "0000000000000") {
        ctx.piles.clear();
        ctx.cards.reset();
        ctx.reg.write(reg::DealNumber, number);
        EXPECT_TRUE(deal(ctx));
        return pileDump(ctx);
    }
    std::string bases() const {
        std::string s;
        for (int p = 51; p <= 66; ++p) s += (p > 51 ? " " : "") + std::to_string(ctx.P[p]);
        return s;
    }
    // Every card number in every pile, gaps left out.
    std::vector<int> allCards() const {
        std::vector<int> out;
        auto add = [&](PileRef p) {
            const std::string& t = ctx.piles.text(p);
            for (std::size_t i = 0; i + 3 <= t.size(); i += 3)
                if (int c = cardAt(t, i)) out.push_back(c);
        };
        for (int i = 0; i < kStockPiles; ++i) add({PileKind::Stock, i});
        for (int i = 0; i < kFoundations; ++i) add({PileKind::Foundation, i});
        for (int i = 0; i < kRows; ++i) add({PileKind::Row, i});
        for (int i = 0; i < kReserves; ++i) add({PileKind::Reserve, i});
        std::sort(out.begin(), out.end());
        return out;
    }

    Context ctx;
    RecordingDialogs dialogs;
};

std::vector<int> range(int from, int to) {
    std::vector<int> v;
    for (int c = from; c <= to; ++c) v.push_back(c);
    return v;
}

// --- the deck builder -------------------------------------------------------

TEST_F(DealTest, WorkedDecksOf52Cards) {
    ctx.P.set(370, 52);
    EXPECT_EQ(deckOf("0000000000000"), kDeckZero);
    const std::string other = deckOf("1234567890123");
    EXPECT_EQ(other.substr(0, 39), "005 014 028 037 035 006 002 043 003 040");
    Deck d;
    for (const char* number : {"0000000000000", "1234567890123", "9876543210987", "5555555555555"}) {
        ASSERT_TRUE(buildDeck(ctx, number, d));
        std::sort(d.begin(), d.end());
        EXPECT_EQ(d, range(1, 52)) << number;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DealTest, DeckIndependentOfTheRandomGenerator) {
    ctx.P.set(370, 104);
    ctx.rng.setSeed(1);
    const std::string first = deckOf("3141592653589");
    ctx.rng.setSeed(777);
    ctx.rng.next(100);
    EXPECT_EQ(deckOf("3141592653589"), first);

    // The same table too: a stock and seven rows with their top cards up.
    test::setParams(ctx, {{370, 52}, {367, 7}, {371, 24}, {7, 1}});
    for (int k = 0; k < 7; ++k) test::setParams(ctx, {{374 + k, k + 1}, {414 + k, 1}});
    ctx.rng.setSeed(1);
    const std::string table = dealt("3141592653589");
    ctx.rng.setSeed(99);
    EXPECT_EQ(dealt("3141592653589"), table);
    EXPECT_EQ(table.substr(table.find("Fila7=")), "Fila7=0090013002600230030004100141\n");
}

TEST_F(DealTest, DoubleDeckHoldsEveryCardOnce) {
    ctx.P.set(370, 104);
    Deck d;
    for (const char* number : {"0000000000000", "1234567890123", "0909090909090"}) {
        ASSERT_TRUE(buildDeck(ctx, number, d));
        std::sort(d.begin(), d.end());
        EXPECT_EQ(d, range(1, 104)) << number;
    }
    // With four jokers in slots of their own.
    test::setParams(ctx, {{44, 1}, {373, 4}});
    ASSERT_TRUE(buildDeck(ctx, "1234567890123", d));
    std::sort(d.begin(), d.end());
    EXPECT_EQ(d, range(1, 108));
}

TEST_F(DealTest, ShortDeckKeepsTheCardsPlacedFirst) {
    // Deal 0 takes the ranks in pool order, four suits per step: 24 slots hold
    // the first six steps, ranks 1 to 6 of every suit.
    ctx.P.set(370, 24);
    EXPECT_EQ(deckOf("0000000000000"),
              "006 040 015 004 044 030 001 041 027 016 005 045 031 002 042 028 017 019 032 014 003 043 029 018");
}

TEST_F(DealTest, JokersTakeTheirSlotsFirst) {
    // Y = 0 and step row 0 gives the slots 25 and 25 + 18.
    test::setParams(ctx, {{370, 52}, {44, 1}, {373, 2}});
    Deck d;
    ASSERT_TRUE(buildDeck(ctx, "0000000000000", d));
    ASSERT_EQ(d.size(), 54u);
    EXPECT_EQ(d[25], 105);
    EXPECT_EQ(d[43], 106);
    std::sort(d.begin(), d.end());
    std::vector<int> expected = range(1, 52);
    expected.push_back(105);
    expected.push_back(106);
    EXPECT_EQ(d, expected);

    // Jokers without slots of their own push two cards out of the deck.
    ctx.P.set(44, 2);
    ASSERT_TRUE(buildDeck(ctx, "0000000000000", d));
    EXPECT_EQ(d.size(), 52u);
    EXPECT_EQ(d[25], 105);
    EXPECT_EQ(d[43], 106);
    EXPECT_EQ(std::set<int>(d.begin(), d.end()).size(), 52u);
}

TEST_F(DealTest, RankRemovalKeepsTheOrder) {
    ctx.P.set(370, 52);
    ctx.P.set(47, 1);
    EXPECT_EQ(deckOf("0000000000000"),
              "020 027 036 022 047 050 012 026 025 033 008 049 011 013 035 040 001 046 021 010 024 007 023 038 052 "
              "039 014 048 009 034 051 037");
    ctx.P.set(47, 2);
    EXPECT_EQ(deckOf("0000000000000"),
              "020 027 036 022 047 050 012 025 033 008 049 011 035 040 001 046 021 010 024 007 023 038 014 048 009 "
              "034 051 037");
}

TEST_F(DealTest, FreeSlotSearch) {
    const Deck d = {7, 0, 9, 9, 0, 9};
    EXPECT_EQ(freeSlot(d, 2, true), 4);
    EXPECT_EQ(freeSlot(d, 1, true), 1);
    EXPECT_EQ(freeSlot(d, 5, true), 1);   // nothing after 5: from the beginning
    EXPECT_EQ(freeSlot(d, 3, false), 1);
    EXPECT_EQ(freeSlot(d, 0, false), 1);  // nothing at or below 0: from the beginning
    EXPECT_EQ(freeSlot(d, 9, false), 4);  // a start past the end searches from the last slot
    EXPECT_EQ(freeSlot(Deck{1, 2, 3}, 1, true), -1);
    EXPECT_EQ(freeSlot(Deck{}, 0, false), -1);
}

// The builder's bit search answers as freeSlot for decks across the word
// boundaries, at every stage of filling, from starts inside and outside.
TEST_F(DealTest, EmptySlotsAnswerAsFreeSlot) {
    Random pick(77);
    for (int n : {0, 1, 52, 63, 64, 65, 108, 130}) {
        Deck deck(static_cast<std::size_t>(n), 0);
        EmptySlots empty(n);
        for (int filled = 0; filled <= n; ++filled) {
            for (int start = -2; start <= n + 2; ++start)
                for (bool forward : {true, false})
                    ASSERT_EQ(empty.find(start, forward), freeSlot(deck, start, forward))
                        << "n " << n << " filled " << filled << " start " << start << " forward " << forward;
            if (filled == n) break;
            int slot = freeSlot(deck, pick.next(n), pick.next(2) == 0);
            deck[static_cast<std::size_t>(slot)] = 1;
            empty.fill(slot);
        }
    }
}

TEST_F(DealTest, DeckSizeErrors) {
    Deck d;
    // No game loaded: 0 slots, no division by zero.
    EXPECT_TRUE(buildDeck(ctx, "1234567890123", d));
    EXPECT_TRUE(d.empty());
    ctx.P.set(370, 60);
    EXPECT_TRUE(buildDeck(ctx, "1234567890123", d));
    EXPECT_EQ(d, Deck(60, 0));
    ctx.P.set(370, -4);
    test::setParams(ctx, {{44, 1}, {373, 2}});
    EXPECT_TRUE(buildDeck(ctx, "1234567890123", d));
    EXPECT_TRUE(d.empty());
    EXPECT_EQ(dialogs.shown, std::vector<std::string>(3, std::string(kDeckSizeError)));
}

TEST_F(DealTest, JokerWithoutFreeSlotStops) {
    // Two slots, jokers without slots of their own: the third joker finds none.
    test::setParams(ctx, {{370, 2}, {44, 2}, {373, 3}});
    Deck d;
    EXPECT_FALSE(buildDeck(ctx, "0000000000000", d));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"The deck has no free slot for joker 107; the deal is stopped."});
    ctx.reg.write(reg::DealNumber, "0000000000000");
    EXPECT_FALSE(deal(ctx));
    EXPECT_EQ(pileDump(ctx), "");
}

TEST_F(DealTest, BadDealNumberStops) {
    ctx.P.set(370, 52);
    ctx.P.set(374, 5);
    ctx.reg.write(reg::DealNumber, "12345678901x3");
    EXPECT_FALSE(deal(ctx));
    ctx.reg.write(reg::DealNumber, "123");
    EXPECT_FALSE(deal(ctx));
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"The deal number must have 13 digits: '12345678901x3'.",
                                                       "The deal number must have 13 digits: '123'."}));
    EXPECT_EQ(pileDump(ctx), "");
}

TEST_F(DealTest, NewDealNumberHasThirteenDigits) {
    ctx.rng.setSeed(1);  // 313799 x 861047
    EXPECT_EQ(newDealNumber(ctx), "0270195687553");
    EXPECT_EQ(ctx.reg.read(reg::DealNumber), "0270195687553");
    ctx.rng.setSeed(6);  // 1882796 x 9391
    EXPECT_EQ(newDealNumber(ctx), "0017681337236");
    ctx.rng.setSeed(0);  // 0 x 31379
    EXPECT_EQ(newDealNumber(ctx), "0000000000000");
    EXPECT_TRUE(validDealNumber(ctx.reg.read(reg::DealNumber)));
}

// --- deck filters ------------------------------------------------------------

TEST_F(DealTest, PairsDeckByRows) {
    test::setParams(ctx, {{370, 104}, {34, 12}, {367, 3}});
    Deck d;
    ASSERT_TRUE(buildDeck(ctx, "1234567890123", d));
    filterDeck(ctx, d);
    EXPECT_EQ(join(d), "005 043 053 081 071 057 015 001 067 019 029 095");
    for (int rows : {4, 5}) {
        ctx.P.set(367, rows);
        ASSERT_TRUE(buildDeck(ctx, "1234567890123", d));
        filterDeck(ctx, d);
        std::sort(d.begin(), d.end());
        const std::vector<int> four = {1,  5,  9,  15, 19, 23, 29, 33, 37, 43, 47, 51,
                                       53, 57, 61, 67, 71, 75, 81, 85, 89, 95, 99, 103};
        const std::vector<int> five = {1,  2,  5,  9,  10, 15, 16, 19, 23, 24, 29, 30, 33, 37,
                                       38, 43, 44, 47, 51, 52, 53, 54, 57, 61, 62, 67, 68, 71,
                                       75, 76, 81, 82, 85, 89, 90, 95, 96, 99, 103, 104};
        EXPECT_EQ(d, rows == 4 ? four : five);
    }
}

TEST_F(DealTest, FiltersOnAGivenDeck) {
    const Deck deck = {14, 1, 27, 2, 15, 3, 105, 40, 13, 26, 28, 12, 54};
    struct Case {
        int filter, rows;
        const char* kept;
    } cases[] = {
        {9, 3, "001 002 003"},                  // cards 1 to R
        {9, 15, "001 027 002 003 013 028 012"}, // 1 to 13 and 27 to R + 13
        {11, 2, "014 002"},                     // first card of ranks 1 and 2
        {11, 13, "014 002 003 013 012"},        // first of every rank, jokers out
        {14, 0, "014 015"},                     // ranks 1 to 9, in the suit of card 14
        {16, 0, "014 001 027 002 015 003 105 040 028 054"},
        {0, 0, "014 001 027 002 015 003 105 040 013 026 028 012 054"},
    };
    for (const Case& c : cases) {
        Deck d = deck;
        test::setParams(ctx, {{34, c.filter}, {367, c.rows}});
        filterDeck(ctx, d);
        EXPECT_EQ(join(d), c.kept) << "filter " << c.filter << " rows " << c.rows;
    }
}

// --- foundation starts --------------------------------------------------------

TEST_F(DealTest, FoundationStartCodes) {
    struct Case {
        const char* name;
        std::vector<int> codes;
        const char* dests;  // bottom cards of the foundations, in order
        const char* bases;
    } cases[] = {
        {"first card, then a new suit", {20, 21}, "002 043", "2 4"},
        {"first five", {55}, "031", "5"},
        {"first card + 13k wrapping", {91, 91, 91, 91}, "015 028 041 002", "2 2 2 2"},
        {"aces of each suit", {93, 94, 93, 94}, "001 014 027 040", "1 1 1 1"},
        {"kings then aces", {95, 95, 95, 95, 95, 95, 95, 95}, "013 026 039 052 001 014 027 040", "13 13 13 13 1 1 1 1"},
        {"card of the k-th suit, chosen card", {0, 7, 147}, "--- 020 047", "0 7 8"},
    };
    for (const Case& c : cases) {
        ctx.P.clear();
        test::setParams(ctx, {{370, 52}, {366, static_cast<int>(c.codes.size())}});
        for (std::size_t k = 0; k < c.codes.size(); ++k) ctx.P.set(99 + static_cast<int>(k), c.codes[k]);
        ctx.P.set(371, 52 - static_cast<int>(std::count_if(c.codes.begin(), c.codes.end(), [](int x) { return x; })));
        dealt();
        std::string dests, bases;
        for (std::size_t k = 0; k < c.codes.size(); ++k) {
            const int bottom = cardAt(ctx.piles.dest(static_cast<int>(k)), 0);
            dests += (k ? " " : "") + (bottom ? card3(bottom) + (ctx.cards.faceUp(bottom) ? "" : "v") : "---");
            bases += (k ? " " : "") + std::to_string(ctx.P[51 + static_cast<int>(k)]);
        }
        EXPECT_EQ(dests, c.dests) << c.name;
        EXPECT_EQ(bases, c.bases) << c.name;
        EXPECT_EQ(allCards(), range(1, 52)) << c.name;  // started cards left the deck
    }
}

TEST_F(DealTest, BaseRankOfFoundationOneAndRowCodes91) {
    test::setParams(ctx, {{370, 52}, {366, 2}, {99, 0}, {100, 92}, {51, 5}, {131, 91}, {170, 91}, {132, 90}});
    dealt();
    EXPECT_EQ(ctx.P[52], 5);
    EXPECT_EQ(ctx.P[131], 4);
    EXPECT_EQ(ctx.P[170], 4);
    EXPECT_EQ(ctx.P[132], 90);
    ctx.P.set(51, 1);
    ctx.P.set(131, 91);
    dealt();
    EXPECT_EQ(ctx.P[131], 13);  // the rank below an ace is a king
}

TEST_F(DealTest, StartCode97AndStyle5) {
    test::setParams(ctx, {{370, 52}, {366, 16}, {99, 97}});
    dealt();
    EXPECT_EQ(pileDump(ctx),
              "Dest1=0021\nDest2=0291\nDest3=0431\nDest4=0311\nDest5=0451\nDest6=0201\nDest7=0471\nDest8=0221\n");
    EXPECT_EQ(bases(), "2 3 4 5 6 7 8 9 4 6 8 10 12 1 3 5");

    ctx.P.clear();
    test::setParams(ctx, {{370, 52}, {1, 5}});
    dealt();
    EXPECT_EQ(pileDump(ctx), "Dest1=0021\nDest2=0151\nDest3=0281\nDest4=0411\n");
    EXPECT_EQ(bases(), "2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2");
}

// --- take to pile and face modes -----------------------------------------------

TEST_F(DealTest, PilesTakeCardsInStepOrder) {
    test::setParams(ctx, {{370, 52},
                          {351, 147},              // put-away card before the deal
                          {374, 1013}, {414, 1},   // row 1: the first king, turned up
                          {371, 2}, {7, 0},        // stock, face up
                          {372, 2},                // visible stock
                          {375, 3}, {415, -1},     // row 2: alternating faces
                          {376, 2}, {416, -3},     // row 3: bottom card up
                          {454, 1},                // put-away pile
                          {455, 2}, {465, 1},      // reserve 1: top card up
                          {456, 1502}});           // a joker the deck does not hold
    EXPECT_EQ(dealt(),
              "Mazzo=00210431\n"
              "Mazzo_Vis=00410201\n"
              "Mazzo_Waste=04710361\n"
              "Fila1=0261\n"
              "Fila2=027104500291\n"
              "Fila3=00610310\n"
              "Appogg1=02200501\n");
}

TEST_F(DealTest, StockStaysDownAndChosenCards) {
    test::setParams(ctx, {{370, 52}, {44, 1}, {373, 2}, {371, 3}, {7, 1}, {374, 1501}, {375, 1502},
                          {376, 1503}, {377, 1001}, {378, 1014}, {379, 1500}});
    // The deck, with jokers at slots 25 and 43, begins 033 047 008 027. The
    // chosen cards come before the stock: rows 1-2 take the jokers face up,
    // row 3 asks for a joker that is not dealt, row 4 the first ace, row 5 a
    // rank that does not exist, row 6 a count that means nothing.
    EXPECT_EQ(dealt(), "Mazzo=033004700080\nFila1=1051\nFila2=1061\nFila4=0270\n");
}

// --- foundation styles of parameter 1, parameters 12 and 50 ----------------------------

TEST_F(DealTest, FoundationStyles) {
    test::setParams(ctx, {{370, 52}, {1, 1}, {12, 1}});
    EXPECT_EQ(dealt(), "Dest1=00210431\n");
    EXPECT_EQ(bases(), "2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2");

    ctx.P.clear();
    test::setParams(ctx, {{370, 52}, {1, 2}, {366, 3}});
    EXPECT_EQ(dealt(), "Dest1=0021\nDest2=0431\nDest3=0041\n");
    EXPECT_EQ(bases(), "2 4 4 0 0 0 0 0 0 0 0 0 0 0 0 0");

    ctx.P.clear();
    test::setParams(ctx, {{370, 52}, {1, 3}, {366, 3}, {455, 1}, {456, 1}, {457, 1}, {458, 1}, {53, 7}});
    dealt();
    EXPECT_EQ(bases(), "3 5 5 0 0 0 0 0 0 0 0 0 0 0 0 0");  // reserve 4 has no foundation

    ctx.P.clear();
    test::setParams(ctx, {{370, 52}, {1, 4}, {371, 2}});
    EXPECT_EQ(dealt(), "Mazzo=00210431\nDest1=0041\n");
    EXPECT_EQ(bases(), "4 4 4 4 5 5 5 5 0 0 0 0 0 0 0 0");
}

TEST_F(DealTest, AcesOfTheReserveStartFoundations) {
    // Visible stock 002 043 004 020 027 045 029 006 031 036; reserve 1 takes
    // the next 17 cards, among them the aces 040 and 001.
    test::setParams(ctx, {{370, 52}, {50, 11}, {372, 10}, {455, 17}});
    EXPECT_EQ(dealt(),
              "Mazzo_Vis=0041020104510291006103110361\n"
              "Dest1=0271\nDest2=0401\nDest3=0011\n"
              "Appogg1=0221047105010121026102510331015100810171049101110131019103510021043" "1\n");
}

TEST_F(DealTest, KingAndQueenOfHeartsForFamily22) {
    test::setParams(ctx, {{370, 52}, {50, 22}, {371, 52}, {7, 1}});
    dealt();
    EXPECT_EQ(ctx.piles.fila(0), "012");
    EXPECT_TRUE(ctx.cards.faceUp(12));
    EXPECT_EQ(ctx.piles.stock(kMazzo).substr(0, 12), "013002043004");
    EXPECT_EQ(allCards(), range(1, 52));
}

// --- automatic moves to the foundations -------------------------------------------------

class AutoMoveTest : public DealTest {
protected:
    void SetUp() override {
        DealTest::SetUp();
        // Four ace foundations built up in suit; four rows of twelve.
        test::setParams(ctx, {{370, 52}, {366, 4}, {367, 4}, {99, 93}, {100, 93}, {101, 93}, {102, 93}, {374, 12},
                              {375, 12}, {376, 12}, {377, 12}});
        for (int t = 0; t < 4; ++t) ctx.P.set(67 + t, 1);
    }
    std::string dests() const {
        std::string s;
        for (int t = 0; t < 4; ++t) s += dest(t) + ";";
        return s;
    }
    std::string dest(int t) const {
        std::string s;
        const std::string& p = ctx.piles.dest(t);
        for (std::size_t i = 0; i < p.size(); i += 3) s += (i ? " " : "") + p.substr(i, 3);
        return s;
    }
};

TEST_F(AutoMoveTest, RowByRow) {
    ctx.P.set(24, 1);
    dealt();
    EXPECT_EQ(dests(), "001 002 003;014 015 016;027 028;040 041;");
    EXPECT_EQ(ctx.piles.fila(2), "042044005030046021010032024007");
    EXPECT_EQ(allCards(), range(1, 52));
}

TEST_F(AutoMoveTest, LevelByLevel) {
    dealt();
    EXPECT_EQ(dests(), "001 002 003;014 015 016;027 028 029;040 041;");
    EXPECT_EQ(ctx.piles.fila(0), "043004020045006031036022047050");
    EXPECT_EQ(allCards(), range(1, 52));
}

TEST_F(AutoMoveTest, OwnFoundationOnly) {
    // Code 94: a row's cards may go only to the foundation of its own number.
    for (int t = 0; t < 4; ++t) ctx.P.set(99 + t, 94);
    ctx.P.set(24, 1);
    dealt();
    EXPECT_EQ(dests(), "001 002;014 015;027 028;040 041;");
}

TEST_F(DealTest, AcesOfTheRowsGoUpAndTheStockRefills) {
    test::setParams(ctx, {{370, 52}, {366, 4}, {99, 96}, {51, 1}, {52, 1}, {53, 1}, {54, 1}, {371, 3}, {7, 1},
                          {374, 6}, {375, 6}, {376, 6}, {377, 6}, {367, 4}});
    EXPECT_EQ(dealt(),
              "Dest1=0271\nDest2=0401\nDest3=0011\n"
              "Fila1=020004500290006003100041\n"
              "Fila2=036002200470050001200260\n"
              "Fila3=025003300150008001700490\n"
              "Fila4=011001300190035004310021\n");
}

// --- end-of-deal distributions ------------------------------------------------------------

TEST_F(DealTest, KingsGoUnderTheStock) {
    test::setParams(ctx, {{370, 52}, {34, 1}, {371, 5}, {7, 0}, {367, 10}});
    for (int k = 0; k < 10; ++k) ctx.P.set(374 + k, 1);
    dealt();
    EXPECT_EQ(ctx.piles.fila(9), "002");
    EXPECT_EQ(pileDump(ctx).substr(0, 27), "Mazzo=02600431004102010270\n");
    EXPECT_TRUE(ctx.cards.faceUp(2));
    EXPECT_EQ(allCards().size(), 15u);
}

TEST_F(DealTest, KingsStartRows) {
    test::setParams(ctx, {{370, 52}, {34, 2}});
    EXPECT_EQ(dealt(),
              "Fila1=0261002104310041020102710451029100610311036102210471050101210251033101510081017104910111\n"
              "Fila2=0131019103510401001104210031044102810051030104610211010103210241007102310381\n"
              "Fila3=0521\n"
              "Fila4=0391014104810161009101810341051103710411\n");
}

TEST_F(DealTest, QueensStartRowsThenAutoMove) {
    test::setParams(ctx, {{370, 52}, {34, 4}, {366, 1}, {367, 4}, {99, 93}, {67, 1}, {24, 1}});
    dealt();
    // Foundation 1 starts with the ace of hearts; the queens' rows then give
    // up 002 and 003 wherever they lie.
    EXPECT_EQ(ctx.piles.dest(0), "001002003");
    EXPECT_EQ(cardAt(ctx.piles.fila(0), 0), 12);
    EXPECT_EQ(allCards(), range(1, 52));
}

TEST_F(DealTest, RowsRefilledWithDistinctRanks) {
    test::setParams(ctx, {{370, 52}, {34, 3}, {367, 4}, {374, 13}, {375, 13}, {376, 13}, {377, 13}});
    dealt();
    EXPECT_EQ(ctx.piles.fila(0), "002043020027045029031036022047050012026");
    EXPECT_EQ(ctx.piles.fila(1), "004006025033015008049011013035040042044");
    EXPECT_EQ(ctx.piles.fila(2), "017019001003028005046021010024038052048");
    EXPECT_EQ(ctx.piles.fila(3), "030032007023039014016009018034051037041");

    // Rows longer than thirteen cannot hold distinct ranks only: no card is
    // lost and the refill ends.
    test::setParams(ctx, {{367, 2}, {374, 20}, {375, 20}, {376, 0}, {377, 0}});
    dealt();
    EXPECT_EQ(ctx.piles.count({PileKind::Row, 0}), 20);
    EXPECT_EQ(ctx.piles.count({PileKind::Row, 1}), 20);
    const std::vector<int> cards = allCards();
    EXPECT_EQ(std::set<int>(cards.begin(), cards.end()).size(), 40u);
    EXPECT_EQ(cards.size(), 40u);
}

TEST_F(DealTest, RowsByRank) {
    test::setParams(ctx, {{370, 52}, {34, 6}});
    const std::string six = dealt();
    EXPECT_EQ(six.substr(0, 22), "Fila1=0271040100110141");
    EXPECT_NE(six.find("Fila13=0261013105210391\n"), std::string::npos);
    ctx.P.set(34, 5);
    const std::string five = dealt();
    EXPECT_EQ(five.substr(0, 22), "Fila1=0021015102810411");
    EXPECT_NE(five.find("Fila12=0261013105210391\n"), std::string::npos);
    EXPECT_EQ(five.find("Fila13"), std::string::npos);
    EXPECT_EQ(allCards().size(), 48u);  // the aces had no row
}

TEST_F(DealTest, BottomCardsToTheirFoundation) {
    test::setParams(ctx, {{370, 52}, {34, 7}, {366, 4}, {367, 4}, {374, 13}, {375, 13}, {376, 13}, {377, 13}});
    for (int t = 0; t < 4; ++t) ctx.P.set(51 + t, 1);
    dealt();
    EXPECT_EQ(ctx.piles.dest(2), "001");
    EXPECT_TRUE(ctx.cards.faceUp(1));
    EXPECT_EQ(ctx.piles.fila(2).substr(0, 3), "042");
    EXPECT_EQ(ctx.piles.dest(0) + ctx.piles.dest(1) + ctx.piles.dest(3), "");
}

TEST_F(DealTest, AcesAndKingsBecomeGaps) {
    test::setParams(ctx, {{370, 52}, {34, 8}, {367, 1}, {374, 13}});
    EXPECT_EQ(dealt(), "Fila1=0020043000400200000004500290006003100360022004700500\n");

    ctx.P.clear();
    test::setParams(ctx, {{370, 52}, {34, 15}, {367, 3}, {374, 3}, {375, 10}, {376, 3}});
    EXPECT_EQ(dealt(),
              "Fila1=002004300040000000000000000000000000\n"
              "Fila2=0200027004500290006003100360022004700500\n"
              "Fila3=012000000250000000000000000000000000\n");
}

TEST_F(DealTest, RowsEmptiedByNumberOrByChance) {
    // Filter 9 leaves cards 1 to 4 (in deck order 002 004 001 003); the row
    // that starts with card 4 is emptied.
    test::setParams(ctx, {{370, 52}, {34, 9}, {367, 4}, {374, 1}, {375, 1}, {376, 1}, {377, 1}});
    EXPECT_EQ(dealt(), "Fila1=0020\nFila3=0010\nFila4=0030\n");

    ctx.P.set(34, 10);
    for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        Random r(seed);
        const int row = r.next(3) + 1;
        ctx.rng.setSeed(seed);
        dealt();
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(ctx.piles.fila(k - 1).empty(), k == row) << "seed " << seed << " row " << k;
    }
}

TEST_F(DealTest, CardsToRememberOnTheFoundations) {
    test::setParams(ctx, {{370, 52}, {34, 13}, {366, 10}, {367, 20}, {50, 38}});
    EXPECT_EQ(dealt(),
              "Dest1=0021\nDest2=0431\nDest3=0041\nDest4=0201\nDest5=0271\n"
              "Dest6=0451\nDest7=0291\nDest8=0061\nDest9=0311\nDest10=0361\n");
}

// --- the pairs grid and faults of the rule data -----------------------------------------

TEST_F(DealTest, MemoryGridIsDealtFaceDown) {
    test::setParams(ctx, {{370, 104}, {34, 12}, {367, 3}, {374, 4}, {375, 4}, {376, 4}, {50, 37}});
    EXPECT_EQ(dealt("1234567890123"),
              "Fila1=0050043005300810\nFila2=0710057001500010\nFila3=0670019002900950\n");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(ctx.reg.read(reg::Score), "-52");  // no pair found, no miss yet
}

TEST_F(DealTest, PileAskingForMoreThanTheDeckStops) {
    test::setParams(ctx, {{370, 52}, {374, 30}, {375, 30}});
    ctx.reg.write(reg::DealNumber, "0000000000000");
    EXPECT_FALSE(deal(ctx));
    EXPECT_EQ(dialogs.shown,
              std::vector<std::string>{"Fila2 asks for 30 cards but the deck holds only 22; the deal is stopped."});
    EXPECT_EQ(ctx.piles.count({PileKind::Row, 0}), 30);
    EXPECT_EQ(ctx.piles.count({PileKind::Row, 1}), 0);

    // A foundation card from an exhausted deck.
    dialogs.shown.clear();
    ctx.piles.clear();
    ctx.P.clear();
    test::setParams(ctx, {{370, 52}, {371, 52}, {1, 1}});
    EXPECT_FALSE(deal(ctx));
    EXPECT_EQ(dialogs.shown,
              std::vector<std::string>{"Dest1 asks for a card but the deck is empty; the deal is stopped."});
}

TEST_F(DealTest, NoGameLoadedDealsNothing) {
    ctx.reg.write(reg::DealNumber, "1234567890123");
    EXPECT_TRUE(deal(ctx));  // nothing asks for a card
    ctx.P.set(374, 6);
    EXPECT_FALSE(deal(ctx));
    const std::string sizeError(kDeckSizeError);
    EXPECT_EQ(dialogs.shown,
              (std::vector<std::string>{sizeError, sizeError,
                                        "Fila1 asks for 6 cards but the deck holds only 0; the deal is stopped."}));
    EXPECT_EQ(pileDump(ctx), "");
}

// --- the question the deal asks the move rules ---------------------------------------------

TEST_F(DealTest, DealAsksWithTheFoundationsOwnParameters) {
    // Foundation 1: ace base, ascending, same suit. Foundation 2: king base,
    // descending, alternating colours. Foundation 3: base 7, either way, any suit.
    test::setParams(ctx, {{366, 3}, {51, 1}, {67, 1}, {83, 0}, {52, 13}, {68, 0}, {84, 3}, {53, 7}, {69, 2}, {85, 2}});
    EXPECT_TRUE(dealMayPlace(ctx, 27, 0));  // an ace starts an empty ace foundation
    EXPECT_FALSE(dealMayPlace(ctx, 2, 0));
    EXPECT_TRUE(dealMayPlace(ctx, 26, 1));
    EXPECT_FALSE(dealMayPlace(ctx, 25, 1));
    test::setPile(ctx, "Dest1", "0011");
    test::setPile(ctx, "Dest2", "0261");
    test::setPile(ctx, "Dest3", "0201");
    EXPECT_TRUE(dealMayPlace(ctx, 2, 0));
    EXPECT_FALSE(dealMayPlace(ctx, 15, 0));   // other suit
    EXPECT_TRUE(dealMayPlace(ctx, 51, 1));    // black queen on the red king
    EXPECT_FALSE(dealMayPlace(ctx, 25, 1));   // red on red
    EXPECT_TRUE(dealMayPlace(ctx, 8, 2));     // 7 then 8, any suit
    EXPECT_TRUE(dealMayPlace(ctx, 45, 2));    // 7 then 6
    EXPECT_FALSE(dealMayPlace(ctx, 20, 2));   // the card itself
    EXPECT_FALSE(dealMayPlace(ctx, 2, 16));   // no such foundation
    EXPECT_FALSE(dealMayPlace(ctx, 2, -1));

    // Stock first: no card from a row to a foundation while the stock holds cards.
    test::setParams(ctx, {{35, 1}, {367, 1}});
    test::setPile(ctx, "Mazzo", "0500");
    test::setPile(ctx, "Fila1", "0021");
    EXPECT_FALSE(dealMayPlace(ctx, 2, 0));
    ctx.piles.stock(kMazzo).clear();
    EXPECT_TRUE(dealMayPlace(ctx, 2, 0));
}

}  // namespace
}  // namespace tessaro
