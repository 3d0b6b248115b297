#include <gtest/gtest.h>

#include "engine/pile_lines.h"

namespace tessaro {
namespace {

TEST(PileLines, ParsesCardsGapsAndFaces) {
    std::string error;
    const auto cards = parsePileLine("001100000470108 ", &error);
    EXPECT_FALSE(cards) << "a blank is no face flag";
    EXPECT_EQ(error, "'108 ': face flag must be 0 or 1");
    const auto ok = parsePileLine("0011000004701081");
    ASSERT_TRUE(ok);
    ASSERT_EQ(ok->size(), 4u);
    EXPECT_EQ((*ok)[0].card, 1);
    EXPECT_EQ((*ok)[0].face, '1');
    EXPECT_EQ((*ok)[1].card, 0);
    EXPECT_EQ((*ok)[2].card, 47);
    EXPECT_EQ((*ok)[2].face, '0');
    EXPECT_EQ((*ok)[3].card, 108);
    EXPECT_TRUE(parsePileLine("")->empty());
    EXPECT_EQ(parsePileLine("00000001")->size(), 2u) << "a gap may carry either flag";
}

TEST(PileLines, RefusesMalformedLines) {
    struct Case {
        const char* line;
        const char* error;
    };
    const Case cases[] = {
        {"001", "length 3 is not a multiple of 4"},
        {"00110", "length 5 is not a multiple of 4"},
        {"0a11", "'0a11' is not a card number"},
        {"-011", "'-011' is not a card number"},
        {"1091", "'1091': no card 109"},
        {"0012", "'0012': face flag must be 0 or 1"},
        {"00110021-0011", "length 13 is not a multiple of 4"},
        {"001100210011", "card 1 named twice"},
    };
    for (const Case& k : cases) {
        std::string error;
        EXPECT_FALSE(parsePileLine(k.line, &error)) << k.line;
        EXPECT_EQ(error, k.error) << k.line;
    }
}

TEST(PileLines, SetsThePileAndTheFaceFlags) {
    Piles piles;
    CardTable cards;
    const PileRef row{PileKind::Row, 2};
    ASSERT_TRUE(setPileFromLine(piles, cards, row, "047000000531"));
    EXPECT_EQ(piles.fila(2), "047000053");
    EXPECT_EQ(cards.record(47), "PICCH_08       40470");
    EXPECT_TRUE(cards.faceUp(53));
    std::string error;
    EXPECT_FALSE(setPileFromLine(piles, cards, row, "0471005", &error));
    EXPECT_EQ(error, "length 7 is not a multiple of 4");
    EXPECT_EQ(piles.fila(2), "047000053") << "a malformed line changes nothing";
    EXPECT_TRUE(cards.faceDown(47));
    EXPECT_FALSE(setPileFromLine(piles, cards, PileRef{PileKind::Reserve, 10}, "0011", &error));
    EXPECT_EQ(error, "no such pile");
}

}  // namespace
}  // namespace tessaro
