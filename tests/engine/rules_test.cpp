// The judge's steps, the general rule, empty-pile codes, the core sequence
// check, the wrappers by pile family, the run checks and the helpers; the
// edge cases of the move rules and the faults a literal reading would have.
#include <string>
#include <vector>

#include "engine/rule_helpers.h"
#include "engine/rule_judgement.h"
#include "judge_fixture.h"

namespace tessaro {
namespace {

using namespace judgetest;

class RecordingDialogs : public Dialogs {
public:
    std::vector<std::string> shown;
    void info(std::string_view text) override { shown.emplace_back(text); }
    bool confirm(std::string_view) override { return true; }
};

TEST(JudgeArithmetic, RankAndSuitOfNonCards) {
    using namespace rules;
    EXPECT_EQ(rankOf(-1), -1);
    EXPECT_EQ(rankOf(0), 0);
    EXPECT_EQ(rankOf(109), -1);
    EXPECT_EQ(rankOf(105), 100);
    EXPECT_EQ(rankOf(65), 13);
    EXPECT_EQ(suitOf(-1), 0);
    EXPECT_EQ(suitOf(0), 0);
    EXPECT_EQ(suitOf(106), -1);
    EXPECT_EQ(suitOf(109), -1);
    EXPECT_EQ(suitOf(92), 3);
    EXPECT_TRUE(faceCard(second(s(11))));
    EXPECT_FALSE(faceCard(s(10)));
    EXPECT_FALSE(faceCard(kJoker));
}

TEST(CardLocation, SearchOrderAndCodes) {
    auto ctx = makeContext();
    apply(*ctx, {}, {{"Mazzo", {h(1)}}, {"Mazzo_Vis", {h(2)}}, {"Dest1", {h(3)}}, {"Dest16", {h(4)}},
                     {"Fila1", {h(5)}}, {"Fila10", {h(6)}}, {"Fila11", {h(7)}}, {"Appogg1", {h(8)}},
                     {"Appogg4", {h(9)}}, {"Appogg5", {h(10)}}, {"Mazzo_Waste", {h(11)}}});
    EXPECT_EQ(cardLocation(*ctx, h(1)), -99);
    EXPECT_EQ(cardLocation(*ctx, h(2)), -98);
    EXPECT_EQ(cardLocation(*ctx, h(3)), -1);
    EXPECT_EQ(cardLocation(*ctx, h(4)), -16);
    EXPECT_EQ(cardLocation(*ctx, h(5)), 1);
    EXPECT_EQ(cardLocation(*ctx, h(6)), 10);
    EXPECT_EQ(cardLocation(*ctx, h(7)), 0) << "row 11 is not in use";
    EXPECT_EQ(cardLocation(*ctx, h(8)), -21);
    EXPECT_EQ(cardLocation(*ctx, h(9)), -24);
    EXPECT_EQ(cardLocation(*ctx, h(10)), 0) << "cell 5 is not in use";
    EXPECT_EQ(cardLocation(*ctx, h(11)), 0) << "the put-away pile is not searched";
    EXPECT_EQ(cardLocation(*ctx, h(12)), 0);
    setCards(*ctx, "Fila2", {0, h(12)});
    EXPECT_EQ(cardLocation(*ctx, 0), 0) << "a gap is no card";
    EXPECT_EQ(cardLocation(*ctx, h(12)), 2);
}

TEST(JudgeSteps, SameCardIsRefused) {
    auto ctx = makeContext();
    EXPECT_FALSE(canPlace(*ctx, h(5), h(5), -1, true, 0, true, false, 12, 0, -1));
    EXPECT_TRUE(canPlace(*ctx, h(6), h(5), -1, true, 0, true, false, 12, 0, -1));
}

TEST(JudgeSteps, StockFirstRule) {
    // A card from row 1 may go to a foundation or another row.
    auto setUp = [](int p35, bool stockHolds) {
        auto ctx = makeContext();
        apply(*ctx, {{35, p35}}, {{"Fila1", {h(5)}}});
        if (stockHolds) setCards(*ctx, "Mazzo_Vis", {c(9)});
        return ctx;
    };
    auto toFoundation = [](const Context& ctx) { return canPlace(ctx, h(4), h(5), -1, true, 0, true, true, 12, 1, -1); };
    auto toRow = [](const Context& ctx) { return canPlace(ctx, h(6), h(5), -1, true, 1, true, false, 12, 0, -1); };
    auto ctx = setUp(1, true);
    EXPECT_FALSE(toFoundation(*ctx));
    EXPECT_TRUE(toRow(*ctx));
    ctx = setUp(1, false);
    EXPECT_TRUE(toFoundation(*ctx));
    ctx = setUp(2, true);
    EXPECT_FALSE(toFoundation(*ctx));
    EXPECT_FALSE(toRow(*ctx));
    ctx = setUp(3, true);
    EXPECT_FALSE(toRow(*ctx));
    ctx = setUp(3, false);
    EXPECT_TRUE(toRow(*ctx));
    ctx = setUp(0, true);
    EXPECT_TRUE(toFoundation(*ctx));
    // A card from the visible stock itself is not held back.
    ctx = setUp(2, true);
    EXPECT_TRUE(canPlace(*ctx, h(10), c(9), -1, true, 0, true, true, 12, 1, -1));
}

// The inline front the deal asks answers as canPlace across codes with and
// without rules of their own, the stock-first rule, empty and filled targets.
TEST(JudgeSteps, QuickFrontGivesTheJudgesAnswers) {
    auto ctx = makeContext();
    apply(*ctx, {}, {{"Fila1", {h(5), c(12)}}, {"Dest1", {h(1)}}});
    int accepted = 0, asked = 0;
    for (int p35 : {0, 1, 2})
        for (bool stockHolds : {false, true}) {
            ctx->P.set(35, p35);
            setCards(*ctx, "Mazzo", stockHolds ? std::vector<int>{d(9)} : std::vector<int>{});
            for (int code : {-1, 0, 1, 3, 6, 8, 11, 12, 20, 29, 111})
                for (int a : {-1, 0, h(1), h(4), h(13), d(12), s(1), second(h(4)), kJoker, 109})
                    for (int b : {h(5), c(12), h(2), s(13), d(13), second(s(1)), kJoker})
                        for (bool toFoundation : {false, true})
                            for (int direction : {0, 1, 2, 3})
                                for (bool wrap : {false, true})
                                    for (int base : {-1, 1, 13, 81}) {
                                        const bool full = canPlace(*ctx, a, b, base, false, 0, wrap, toFoundation,
                                                                   code, direction, base);
                                        ASSERT_EQ(rules::quickCanPlace(*ctx, a, b, base, false, 0, wrap, toFoundation,
                                                                       code, direction, base),
                                                  full)
                                            << "code " << code << " a " << a << " b " << b << " p35 " << p35;
                                        accepted += full;
                                        ++asked;
                                    }
        }
    EXPECT_GT(accepted, asked / 20);
    EXPECT_LT(accepted, asked / 2);
}

TEST(EmptyPileCodes, WhatAnEmptyPileAccepts) {
    struct Case {
        const char* name;
        int emptyCode;
        int base;
        int b;
        PileList piles;
        bool expected;
        bool single = true;
    };
    const std::vector<Case> cases = {
        {"-1 any card", -1, 1, c(9), {}, true},
        {"rank 5 takes a 5", 5, 1, c(5), {}, true},
        {"rank 5 refuses a 6", 5, 1, c(6), {}, false},
        {"rank 5 with base -1 takes any", 5, -1, c(6), {}, true},
        {"unlisted 60 needs rank 60", 60, -1, c(6), {}, false},
        {"0 takes nothing", 0, 1, c(6), {}, false},
        {"82 nothing", 82, 1, c(1), {}, false},
        {"83 nothing", 83, 1, c(13), {}, false},
        {"86 single card", 86, 1, c(7), {}, true},
        {"86 run", 86, 1, c(7), {}, false, false},
        {"87 from the stock", 87, 1, c(7), {{"Mazzo", {c(7)}}}, true},
        {"87 from the waste", 87, 1, c(7), {{"Mazzo_Vis", {c(7)}}}, true},
        {"87 from nowhere", 87, 1, c(7), {}, true},
        {"87 from a cell", 87, 1, c(7), {{"Appogg1", {c(7)}}}, false},
        {"87 from a row", 87, 1, c(7), {{"Fila4", {c(7)}}}, false},
        {"88 from a foundation", 88, 1, c(7), {{"Dest2", {c(7)}}}, true},
        {"88 from a row", 88, 1, c(7), {{"Fila1", {c(7)}}}, false},
        {"92 all foundations empty", 92, 1, c(7), {}, true},
        {"92 rank of the bottoms", 92, 1, c(7), {{"Dest1", {h(7), h(8)}}, {"Dest3", {d(7)}}}, true},
        {"92 other rank", 92, 1, c(8), {{"Dest1", {h(7), h(8)}}}, false},
        {"93 all empty, from a cell", 93, 1, c(7), {{"Appogg2", {c(7)}}}, true},
        {"93 all empty, from a row", 93, 1, c(7), {{"Fila2", {c(7)}}}, false},
        {"93 started, rank of the bottoms, from a row", 93, 1, c(7), {{"Dest2", {h(7)}}, {"Fila2", {c(7)}}}, true},
        {"93 started, other rank", 93, 1, c(6), {{"Dest2", {h(7)}}, {"Fila2", {c(6)}}}, false},
        {"96 a cell holds cards: from a cell", 96, 1, c(7), {{"Appogg2", {c(7)}}}, true},
        {"96 a cell holds cards: from the waste", 96, 1, c(7), {{"Appogg2", {c(2)}}, {"Mazzo_Vis", {c(7)}}}, false},
        {"96 cells empty: from the waste", 96, 1, c(7), {{"Mazzo_Vis", {c(7)}}}, true},
        {"96 cells empty: from the stock", 96, 1, c(7), {{"Mazzo", {c(7)}}}, false},
        {"96 never from a row", 96, 1, c(7), {{"Fila1", {c(7)}}}, false},
    };
    for (const Case& k : cases) {
        auto ctx = makeContext();
        apply(*ctx, {}, k.piles);
        ctx->drag.singleCard = k.single;
        EXPECT_EQ(canPlace(*ctx, -1, k.b, k.emptyCode, true, 5, false, false, 2, 0, k.base), k.expected) << k.name;
    }
}

TEST(EmptyPileCodes, FoundationStartCountsColoursAndSuits) {
    // Four foundations with base code 81: at most two red and two black Aces.
    auto ctx = makeContext();
    apply(*ctx, {{366, 4}, {51, 81}, {52, 81}, {53, 81}, {54, 81}}, {});
    auto start = [&](int t, int card) { return canPlaceOnFoundation(*ctx, t, card); };
    ctx->P.set(32, 13);
    for (int t = 0; t < 4; ++t) ctx->P.set(67 + t, 1);
    EXPECT_TRUE(start(0, h(1)));
    setCards(*ctx, "Dest1", {h(1)});
    EXPECT_TRUE(start(1, d(1))) << "a second red Ace";
    setCards(*ctx, "Dest2", {d(1)});
    EXPECT_FALSE(start(2, second(h(1)))) << "a third red Ace";
    EXPECT_TRUE(start(2, c(1)));
    EXPECT_FALSE(start(2, c(2))) << "only an Ace starts";
    // Code 85 also wants distinct suits: a second heart Ace is refused although
    // the colours would allow it.
    for (int t = 0; t < 4; ++t) ctx->P.set(51 + t, 85);
    ctx->piles.dest(1).clear();
    EXPECT_FALSE(start(1, second(h(1))));
    EXPECT_TRUE(start(1, d(1)));
    // Code 84 starts with Kings, code 90 with 2s.
    for (int t = 0; t < 4; ++t) ctx->P.set(51 + t, 84);
    ctx->piles.dest(0).clear();
    EXPECT_TRUE(start(0, s(13)));
    EXPECT_FALSE(start(0, s(1)));
    for (int t = 0; t < 4; ++t) ctx->P.set(51 + t, 90);
    EXPECT_TRUE(start(0, s(2)));
    EXPECT_FALSE(start(0, s(3)));
    EXPECT_TRUE(foundationStartAllowed(*ctx, 90, s(2)));
    // Three foundations of code 81 allow one Ace of each colour (3 / 2 = 1).
    auto three = makeContext();
    apply(*three, {{366, 3}, {51, 81}, {52, 81}, {53, 81}}, {{"Dest1", {h(1)}}});
    EXPECT_FALSE(foundationStartAllowed(*three, 81, d(1)));
    EXPECT_TRUE(foundationStartAllowed(*three, 81, s(1)));
    // Foundations beyond those in use do not count.
    three->P.set(54, 81);
    EXPECT_FALSE(foundationStartAllowed(*three, 81, d(1)));
}

TEST(CoreSequence, AscendingAndDescendingRows) {
    struct Case {
        const char* name;
        int a, b, dir, base, wrapSetting;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"down by one", h(6), c(5), 0, 1, 0, true},
        {"down refuses up", h(6), c(7), 0, 1, 0, false},
        {"up by one", h(6), c(7), 1, 1, 0, true},
        {"up refuses down", h(6), c(5), 1, 1, 0, false},
        {"either: up", h(6), c(7), 2, 1, 0, true},
        {"either: down", h(6), c(5), 2, 1, 0, true},
        {"either: two up", h(6), c(8), 2, 1, 0, false},
        {"direction 3 accepts nothing", h(6), c(5), 3, 1, 0, false},
        {"base 1, no wrap: nothing on an Ace", h(1), c(13), 0, 1, 0, false},
        {"base 5, no wrap: King on an Ace", h(1), c(13), 0, 5, 0, true},
        {"base 5, no wrap: nothing on a 5", h(5), c(4), 0, 5, 0, false},
        {"base 5, wrap: a 4 on a 5", h(5), c(4), 0, 5, 1, true},
        {"base 1, wrap: King on an Ace", h(1), c(13), 0, 1, 1, true},
        {"letter base 81, no wrap: nothing on an Ace", h(1), c(13), 0, 81, 0, false},
        {"letter base 81, wrap: King on an Ace", h(1), c(13), 0, 81, 1, true},
        {"ascending: Ace on a King", h(13), c(1), 1, 5, 0, true},
        {"ascending: nothing on the base without wrap", h(5), c(6), 1, 5, 0, false},
        {"ascending: on the base with wrap", h(5), c(6), 1, 5, 1, true},
        {"either, base without wrap: not even down", h(5), c(4), 2, 5, 0, false},
        {"end-card rule: 2 on an Ace", h(1), c(2), 1, 1, 2, true},
        {"end-card rule: Queen on a King", h(13), c(12), 0, 1, 2, true},
        {"end-card rule: ascending 3 on a 2", h(2), c(3), 1, 1, 2, true},
        {"end-card rule: descending 2 on a 3", h(3), c(2), 0, 1, 2, true},
        {"end-card rule: no King on an Ace", h(1), c(13), 0, 1, 2, false},
    };
    for (const Case& k : cases) {
        auto ctx = makeContext();
        apply(*ctx, {{251 + 3, k.wrapSetting}, {171 + 3, k.dir}}, {});
        EXPECT_EQ(canPlace(*ctx, k.a, k.b, -1, true, 3, k.wrapSetting > 0, false, 2, k.dir, k.base), k.expected)
            << k.name;
    }
}

TEST(CoreSequence, FoundationsWrapByTheirStart) {
    auto ctx = makeContext();
    auto onFoundation = [&](int a, int b, int dir, int emptyCode) {
        return canPlace(*ctx, a, b, emptyCode, true, 0, true, true, 0, dir, emptyCode);
    };
    EXPECT_FALSE(onFoundation(h(13), h(1), 1, 1)) << "started with an Ace: nothing on its King";
    EXPECT_TRUE(onFoundation(h(13), h(1), 1, 7)) << "started with a 7: an Ace on its King";
    EXPECT_TRUE(onFoundation(h(13), h(1), 1, -1)) << "any start: an Ace on a King";
    EXPECT_FALSE(onFoundation(h(1), h(13), 0, 13)) << "started with a King: nothing on its Ace";
    EXPECT_TRUE(onFoundation(h(1), h(13), 0, 7)) << "started with a 7: a King on its Ace";
    EXPECT_TRUE(onFoundation(h(8), h(7), 0, 7));
    EXPECT_FALSE(onFoundation(h(8), h(9), 0, 7));
    EXPECT_TRUE(onFoundation(h(13), h(12), 2, 1)) << "either way: down on a King";
    EXPECT_FALSE(onFoundation(h(13), d(12), 2, 1)) << "code 0 keeps the suit";
}

TEST(FoundationWrapper, SingleCardsLimitsAndSpecialCodes) {
    auto ctx = makeContext();
    apply(*ctx, {{32, 13}, {51, 1}, {67, 1}, {83, 0}}, {{"Dest1", {h(1), h(2)}}, {"Mazzo_Vis", {h(3)}}});
    EXPECT_TRUE(canPlaceOnFoundation(*ctx, 0, h(3)));
    ctx->drag.singleCard = false;
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 0, h(3))) << "a foundation takes no runs";
    ctx->drag.singleCard = true;
    ctx->P.set(32, 2);
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 0, h(3))) << "P[32] cards already";
    // Code 20 ignores P[32] and stops at 52 cards.
    ctx->P.set(83, 20);
    EXPECT_TRUE(canPlaceOnFoundation(*ctx, 0, h(3)));
    std::vector<int> many(50, 0);
    many.push_back(h(2));
    setCards(*ctx, "Dest1", many);
    EXPECT_TRUE(canPlaceOnFoundation(*ctx, 0, h(3)));
    many.insert(many.begin(), 0);
    setCards(*ctx, "Dest1", many);
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 0, h(3)));
    // Code 29 has no limit at all.
    ctx->P.set(83, 29);
    setCards(*ctx, "Dest1", {h(1), h(2), h(3), h(4), h(5), h(6), h(7), h(8), h(9), h(10), h(11), h(12), h(13),
                             second(h(13))});
    EXPECT_TRUE(canPlaceOnFoundation(*ctx, 0, second(h(12))));
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 0, second(h(11))));
    // Code 10: a Queen onto an empty foundation only.
    ctx->P.set(84, 10);
    EXPECT_TRUE(canPlaceOnFoundation(*ctx, 1, c(12)));
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 1, c(11)));
    setCards(*ctx, "Dest2", {d(12)});
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 1, c(12)));
}

TEST(FoundationWrapper, DiscardRule22) {
    auto ctx = makeContext();
    apply(*ctx, {{83, 22}, {32, 104}}, {{"Fila1", {s(2), h(9)}}, {"Fila2", {c(1)}}, {"Fila3", {}}});
    EXPECT_TRUE(canPlaceOnFoundation(*ctx, 0, h(5))) << "a higher heart shows on a row";
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 0, h(9) + 52)) << "no heart above a 9";
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 0, h(10)));
    EXPECT_TRUE(canPlaceOnFoundation(*ctx, 0, c(13))) << "a club Ace shows";
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 0, d(5))) << "no diamond shows";
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 0, h(1))) << "Aces are never discarded";
    EXPECT_FALSE(canPlaceOnFoundation(*ctx, 0, s(1)));
}

TEST(TableauWrapper, FaceDownTopAndRowLimit) {
    auto ctx = makeContext();
    apply(*ctx, {{33, -1}, {211, 2}, {171, 0}, {51, 1}}, {{"Fila1", {h(9)}}, {"Mazzo_Vis", {c(8)}}});
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 0, c(8)));
    ctx->cards.setFace(h(9), '0');
    EXPECT_FALSE(canPlaceOnTableau(*ctx, 0, c(8))) << "a face-down top";
    ctx->P.set(50, 40);
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 0, c(8))) << "P[50] = 40 allows it";
    ctx->P.set(33, 1);
    EXPECT_FALSE(canPlaceOnTableau(*ctx, 0, c(8))) << "row holds P[33] cards";
    ctx->P.set(33, 2);
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 0, c(8)));
}

TEST(TableauWrapper, RunsCode34AndTheOwnPile) {
    auto ctx = makeContext();
    apply(*ctx, {{33, -1}, {13, -1}, {211, 34}, {212, 34}, {171, 0}, {172, 0}, {51, 1}, {132, -1}},
          {{"Fila1", {h(9)}}, {"Fila3", {c(13), d(8), s(7)}}});
    ctx->drag.singleCard = false;
    EXPECT_FALSE(canPlaceOnTableau(*ctx, 0, d(8))) << "34 takes runs only onto an empty row";
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 1, d(8)));
    ctx->drag.singleCard = true;
    setCards(*ctx, "Fila3", {c(13), d(8)});
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 0, d(8)));

    // A run dropped on its own row is refused by the run top, even where the
    // row's code (12) would take anything.
    ctx->P.set(213, 12);
    ctx->P.set(173, 0);
    setCards(*ctx, "Fila3", {h(9) + 52, c(8), d(7)});
    setCards(*ctx, "Fila1", {s(9)});
    ctx->drag.singleCard = false;
    ASSERT_TRUE(runLengthAllowed(*ctx, c(8), false));
    EXPECT_EQ(ctx->drag.runTop, d(7));
    EXPECT_FALSE(canPlaceOnTableau(*ctx, 2, c(8))) << "onto its own row";
    ctx->P.set(211, 12);
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 0, c(8))) << "onto another row";
    ctx->drag.runTop = 0;
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 2, c(8))) << "without a recorded run top the rule alone decides";
}

TEST(TableauWrapper, RunMustFollowTheRowRule) {
    auto ctx = makeContext();
    apply(*ctx, {{33, -1}, {13, -1}, {211, 3}, {171, 0}, {51, 1}},
          {{"Fila1", {s(10)}}, {"Fila2", {h(9), c(8), h(7)}}, {"Fila3", {h(9) + 52, d(8), c(7)}}});
    ctx->drag.singleCard = false;
    ctx->P.set(2, 1);
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 0, h(9))) << "alternating run";
    EXPECT_FALSE(canPlaceOnTableau(*ctx, 0, h(9) + 52)) << "9 and 8 both red";
    ctx->P.set(2, 10);
    EXPECT_FALSE(canPlaceOnTableau(*ctx, 0, h(9))) << "P[2] = 10 wants the same suit";
    setCards(*ctx, "Fila2", {h(9), h(8), h(7)});
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 0, h(9)));
    ctx->P.set(2, 0);
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 0, h(9) + 52)) << "no run check";
    EXPECT_TRUE(runFollowsRule(*ctx, h(9) + 52, 0));
}

TEST(RunLength, EveryLimitOfParameter13) {
    // Rows 1-10 and cells 1-4 in use. Row 1 holds a run of three under a card.
    auto setUp = [](int p13) {
        auto ctx = makeContext();
        ctx->P.set(13, p13);
        for (int r = 1; r <= 10; ++r) setCards(*ctx, "Fila" + std::to_string(r), {d(r)});
        for (int k = 1; k <= 4; ++k) setCards(*ctx, "Appogg" + std::to_string(k), {s(k)});
        setCards(*ctx, "Fila1", {c(13), h(12), s(11), h(10)});
        return ctx;
    };
    auto freeCells = [](Context& ctx, int n) {
        for (int k = 0; k < n; ++k) ctx.piles.appogg(k).clear();
    };
    auto freeRows = [](Context& ctx, int n) {
        for (int r = 0; r < n; ++r) ctx.piles.fila(9 - r).clear();
    };
    const int run3 = h(12);
    const int run4 = c(13);
    {
        auto ctx = setUp(-1);
        EXPECT_TRUE(runLengthWithin(*ctx, run4, false));
    }
    {
        auto ctx = setUp(3);
        EXPECT_TRUE(runLengthWithin(*ctx, run3, false));
        EXPECT_FALSE(runLengthWithin(*ctx, run4, false));
        ctx = setUp(0);
        EXPECT_FALSE(runLengthWithin(*ctx, h(10), false)) << "a limit of 0 moves nothing";
    }
    {
        auto ctx = setUp(-12);
        EXPECT_TRUE(runLengthWithin(*ctx, run4, false)) << "a run headed by a King";
        EXPECT_FALSE(runLengthWithin(*ctx, run3, false));
        EXPECT_TRUE(runLengthWithin(*ctx, h(10), false));
    }
    {
        auto ctx = setUp(-13);
        EXPECT_TRUE(runLengthWithin(*ctx, run4, false)) << "the whole row";
        EXPECT_FALSE(runLengthWithin(*ctx, run3, false));
        EXPECT_TRUE(runLengthWithin(*ctx, h(10), false));
        setCards(*ctx, "Mazzo_Vis", {c(2)});
        EXPECT_FALSE(runLengthWithin(*ctx, c(2), false)) << "not in a row";
    }
    {
        auto ctx = setUp(-15);
        EXPECT_TRUE(runLengthWithin(*ctx, run3, false)) << "row 0 has no row before it";
        EXPECT_FALSE(runLengthWithin(*ctx, d(2), false)) << "row 1 is covered by row 0";
    }
    {
        // 2 empty cells and 1 empty row: 4 to a non-empty row, 3 to the empty row.
        auto ctx = setUp(-5);
        freeCells(*ctx, 2);
        freeRows(*ctx, 1);
        EXPECT_TRUE(runLengthWithin(*ctx, run4, false));
        EXPECT_FALSE(runLengthWithin(*ctx, run4, true));
        EXPECT_TRUE(runLengthWithin(*ctx, run3, true));
        ctx = setUp(-5);
        freeCells(*ctx, 2);
        EXPECT_TRUE(runLengthWithin(*ctx, run3, false)) << "no empty row: 2 + 1";
        EXPECT_FALSE(runLengthWithin(*ctx, run4, false));
        EXPECT_TRUE(runLengthWithin(*ctx, run3, true)) << "no empty row, even for an empty target: 2 + 1";
    }
    {
        auto ctx = setUp(-6);
        freeCells(*ctx, 1);
        freeRows(*ctx, 2);
        EXPECT_TRUE(runLengthWithin(*ctx, run3, false)) << "e + q = 3";
        EXPECT_FALSE(runLengthWithin(*ctx, run4, false));
        ctx = setUp(-6);
        freeCells(*ctx, 1);
        EXPECT_TRUE(runLengthWithin(*ctx, s(11), false)) << "e + 1 = 2";
        EXPECT_FALSE(runLengthWithin(*ctx, run3, false));
    }
    {
        auto ctx = setUp(-7);
        EXPECT_TRUE(runLengthWithin(*ctx, h(10), false)) << "no empty row: at least 1";
        EXPECT_FALSE(runLengthWithin(*ctx, s(11), false));
        freeRows(*ctx, 3);
        EXPECT_TRUE(runLengthWithin(*ctx, run3, false));
        EXPECT_FALSE(runLengthWithin(*ctx, run4, false));
    }
}

TEST(RunLength, EmptyTargetRowUnderMinus5InTheWrapper) {
    auto ctx = makeContext();
    apply(*ctx, {{13, -5}, {33, -1}, {212, 2}, {172, 0}, {132, -1}, {213, 2}, {173, 0}},
          {{"Fila1", {c(13), h(12), s(11), h(10)}}, {"Fila3", {s(13)}}});
    for (int r = 4; r <= 10; ++r) setCards(*ctx, "Fila" + std::to_string(r), {d(r)});
    for (int k = 1; k <= 4; ++k) setCards(*ctx, "Appogg" + std::to_string(k), {s(k)});
    ctx->piles.appogg(0).clear();
    ctx->drag.singleCard = false;
    // One free cell, one empty row (Fila2): a run of two may go to the empty row.
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 1, s(11)));
    EXPECT_FALSE(canPlaceOnTableau(*ctx, 1, h(12)));
    EXPECT_TRUE(canPlaceOnTableau(*ctx, 2, h(12))) << "the wrapper checks length only for empty rows";
}

TEST(NeighboursClear, BlocksHalvesAndCells) {
    auto ctx = makeContext();
    ctx->P.set(367, 40);
    ctx->P.set(368, 10);
    setCards(*ctx, "Fila13", {h(1)});  // row 12: left half of block 10-19
    setCards(*ctx, "Fila18", {h(2)});  // row 17: right half
    EXPECT_TRUE(neighboursClear(*ctx, h(1)));
    EXPECT_TRUE(neighboursClear(*ctx, h(2)));
    setCards(*ctx, "Fila11", {h(3)});  // row 10, before row 12
    EXPECT_FALSE(neighboursClear(*ctx, h(1)));
    EXPECT_TRUE(neighboursClear(*ctx, h(3)));
    setCards(*ctx, "Fila20", {h(4)});  // row 19, after row 17
    EXPECT_FALSE(neighboursClear(*ctx, h(2)));
    setCards(*ctx, "Fila10", {h(5)});  // row 9 belongs to the block before
    EXPECT_TRUE(neighboursClear(*ctx, h(3)));
    setCards(*ctx, "Appogg1", {c(1)});
    setCards(*ctx, "Appogg3", {c(3)});
    setCards(*ctx, "Appogg7", {c(7)});
    setCards(*ctx, "Appogg9", {c(9)});
    EXPECT_TRUE(neighboursClear(*ctx, c(1))) << "cell 0 is always free";
    EXPECT_FALSE(neighboursClear(*ctx, c(3))) << "cell 2 needs cells 0-1 empty";
    EXPECT_FALSE(neighboursClear(*ctx, c(7))) << "cell 6 needs cells 7-9 empty";
    EXPECT_TRUE(neighboursClear(*ctx, c(9)));
    setCards(*ctx, "Mazzo_Vis", {s(5)});
    EXPECT_TRUE(neighboursClear(*ctx, s(5)));
}

TEST(SuitsDistinct, PlacesAndJokers) {
    auto ctx = makeContext();
    setCards(*ctx, "Dest1", {h(1)});
    setCards(*ctx, "Dest2", {d(1)});
    EXPECT_TRUE(suitsDistinct(*ctx, 0, 1, 2, 2, c(1), 3));
    EXPECT_FALSE(suitsDistinct(*ctx, 0, 1, 2, 2, h(5), 3));
    EXPECT_FALSE(suitsDistinct(*ctx, 0, 1, 2, 0, second(d(5)), 3)) << "diamonds twice";
    EXPECT_TRUE(suitsDistinct(*ctx, 0, 1, 2, 0, s(5), 3)) << "b takes the heart's place";
    EXPECT_FALSE(suitsDistinct(*ctx, 0, 1, 2, -1, h(5), 3)) << "-1 adds b to the four";
    EXPECT_TRUE(suitsDistinct(*ctx, 0, 1, 2, -1, s(5), 3));
    setCards(*ctx, "Dest3", {kJoker});
    setCards(*ctx, "Dest4", {kJoker + 1});
    EXPECT_TRUE(suitsDistinct(*ctx, 0, 1, 2, -1, s(5), 3)) << "jokers have no suit to clash";
    EXPECT_TRUE(suitsDistinct(*ctx, 0, 1, 2, 2, kJoker + 2, 3));
    EXPECT_FALSE(suitsDistinct(*ctx, 0, 1, 2, 4, s(5), 3)) << "no fifth place";
    EXPECT_FALSE(suitsDistinct(*ctx, 0, 1, 16, 2, s(5), 3)) << "no foundation 16";
}

TEST(JumpTarget, HorizontalAndVerticalJumps) {
    auto ctx = makeContext();
    ctx->P.set(28, 4);
    ctx->P.set(367, 16);
    setCards(*ctx, "Fila6", {h(1)});  // index 5, grid row 1, column 1
    setCards(*ctx, "Fila7", {h(2)});  // index 6
    setCards(*ctx, "Fila10", {h(3)});  // index 9: below index 5
    int jumped = -1;
    EXPECT_TRUE(jumpTarget(*ctx, 6, 4, jumped));
    EXPECT_EQ(jumped, 5);
    EXPECT_TRUE(jumpTarget(*ctx, 5, 7, jumped));
    EXPECT_EQ(jumped, 6);
    EXPECT_TRUE(jumpTarget(*ctx, 9, 1, jumped));
    EXPECT_EQ(jumped, 5);
    EXPECT_TRUE(jumpTarget(*ctx, 5, 13, jumped));
    EXPECT_EQ(jumped, 9);
    jumped = -1;
    EXPECT_FALSE(jumpTarget(*ctx, 5, 3, jumped)) << "index 3 and 5 are in different grid rows";
    EXPECT_FALSE(jumpTarget(*ctx, 7, 5, jumped)) << "the target holds a card";
    EXPECT_FALSE(jumpTarget(*ctx, 4, 12, jumped)) << "index 8 passed over is empty";
    EXPECT_FALSE(jumpTarget(*ctx, 5, 8, jumped)) << "three cells away";
    EXPECT_FALSE(jumpTarget(*ctx, 5, 40, jumped)) << "no row 40";
    EXPECT_FALSE(jumpTarget(*ctx, -3, 1, jumped)) << "no row -3";
    EXPECT_EQ(jumped, -1);
}

TEST(ReserveCells, EveryReserveCode) {
    struct Case {
        const char* name;
        int code;
        int b;
        PileList piles;
        bool expected;
        bool single = true;
    };
    const std::vector<Case> cases = {
        {"4 nothing", 4, h(5), {}, false},
        {"8 a King", 8, h(13), {{"Appogg1", {c(1), c(2)}}}, true},
        {"8 a Queen", 8, h(12), {}, false},
        {"8 Appogg1 holds 3", 8, h(13), {{"Appogg1", {c(1), c(2), c(3)}}}, false},
        {"8 a run", 8, h(13), {}, false, false},
        {"9 a Jack onto empty", 9, h(11), {}, true},
        {"9 a 10", 9, h(10), {}, false},
        {"9 onto a card", 9, h(11), {{"Appogg2", {c(1)}}}, false},
        {"12 anything", 12, h(5), {{"Appogg2", {c(1)}}}, true},
        {"12 a run", 12, h(5), {}, true, false},
        {"13 single while Appogg1 < 5", 13, h(5), {{"Appogg1", {c(1), c(2), c(3), c(4)}}}, true},
        {"13 Appogg1 holds 5", 13, h(5), {{"Appogg1", {c(1), c(2), c(3), c(4), c(5)}}}, false},
        {"81 from the waste onto empty", 81, h(5), {{"Mazzo_Vis", {h(5)}}}, true},
        {"81 from a row", 81, h(5), {{"Fila1", {h(5)}}}, false},
        {"81 onto a card", 81, h(5), {{"Mazzo_Vis", {h(5)}}, {"Appogg2", {c(1)}}}, false},
        {"85 from the waste", 85, h(5), {{"Mazzo_Vis", {h(5)}}, {"Appogg2", {c(1)}}}, true},
        {"85 from the stock", 85, h(5), {{"Mazzo", {h(5)}}}, false},
        {"88 a Jack", 88, h(11), {}, true},
        {"88 a Queen", 88, h(12), {}, false},
        {"89 a Queen", 89, h(12), {}, true},
        {"89 onto a card", 89, h(12), {{"Appogg2", {c(1)}}}, false},
        {"90 a King", 90, h(13), {}, true},
        {"90 a Jack", 90, h(11), {}, false},
        {"103 a free card", 103, h(5), {{"Fila1", {h(5)}}}, true},
        {"103 a covered card", 103, h(5), {{"Fila2", {h(5)}}, {"Fila1", {c(1)}}}, false},
        {"107 an Ace onto empty", 107, h(1), {}, true},
        {"107 a 2", 107, h(2), {}, false},
        {"107 a black Ace on a red one", 107, c(1), {{"Appogg2", {h(1)}}}, true},
        {"107 a red Ace on a red one", 107, d(1), {{"Appogg2", {h(1)}}}, false},
        {"other: a single card onto empty", 0, h(5), {}, true},
        {"other: onto a card", 0, h(5), {{"Appogg2", {c(1)}}}, false},
        {"other: a run", 0, h(5), {}, false, false},
    };
    for (const Case& k : cases) {
        auto ctx = makeContext();
        apply(*ctx, {{332, k.code}}, k.piles);
        ctx->drag.singleCard = k.single;
        EXPECT_EQ(canDropOnPile(*ctx, k.b, "Appogg2"), k.expected) << k.name;
    }
    auto ctx = makeContext();
    apply(*ctx, {{331, 12}}, {{"Appogg1", {h(4), h(5)}}});
    EXPECT_FALSE(canDropOnPile(*ctx, h(5), "Appogg1")) << "a card is not dropped on its own cell";
}

TEST(CanDropOnPile, NamesAndPilesInUse) {
    auto ctx = makeContext();
    apply(*ctx, {{32, 13}, {33, -1}, {51, -1}, {67, 1}, {131, -1}, {171, 0}, {338, 12}, {211, 2}}, {});
    EXPECT_TRUE(canDropOnPile(*ctx, h(5), "Dest1"));
    EXPECT_TRUE(canDropOnPile(*ctx, h(5), "Fila1"));
    EXPECT_TRUE(canDropOnPile(*ctx, h(5), "Fila01"));
    EXPECT_FALSE(canDropOnPile(*ctx, h(5), "Dest9")) << "8 foundations in use";
    EXPECT_FALSE(canDropOnPile(*ctx, h(5), "Fila11")) << "10 rows in use";
    EXPECT_FALSE(canDropOnPile(*ctx, h(5), "Appogg8")) << "4 cells in use";
    ctx->P.set(368, 8);
    EXPECT_TRUE(canDropOnPile(*ctx, h(5), "Appogg8"));
    EXPECT_FALSE(canDropOnPile(*ctx, h(5), "Mazzo"));
    EXPECT_FALSE(canDropOnPile(*ctx, h(5), "Mazzo_Vis"));
    EXPECT_FALSE(canDropOnPile(*ctx, h(5), "Dest0"));
    EXPECT_FALSE(canDropOnPile(*ctx, h(5), "Dest"));
    EXPECT_FALSE(canDropOnPile(*ctx, h(5), "Fila41"));
    EXPECT_FALSE(canDropOnPile(*ctx, h(5), ""));
    EXPECT_FALSE(canDropOnPile(*ctx, 0, "Fila1"));
    EXPECT_FALSE(canDropOnPile(*ctx, 109, "Fila1"));
    EXPECT_FALSE(canDropOnPile(*ctx, -3, "Fila1"));
}

// --- faults a literal reading would have: each refuses (or skips its check) ---

TEST(MendedFaults, GridWidthZeroOrNegative) {
    for (int w : {0, -3}) {
        auto ctx = makeContext();
        apply(*ctx, {{28, w}}, {{"Fila2", {h(5)}}, {"Fila3", {c(2)}}});
        int jumped = 7;
        EXPECT_FALSE(jumpTarget(*ctx, 2, 0, jumped));
        EXPECT_EQ(jumped, 7);
        EXPECT_FALSE(canPlace(*ctx, -1, h(5), -1, true, 0, false, false, 70, 0, -1)) << "code 70, width " << w;
        EXPECT_FALSE(canPlace(*ctx, -1, c(2), -1, true, 0, false, false, 71, 0, -1)) << "code 71, width " << w;
    }
}

TEST(MendedFaults, JokerSuitIsNeverAnIndex) {
    auto ctx = makeContext();
    RecordingDialogs dialogs;
    ctx->dialogs = &dialogs;
    // Codes 86 and 87 on a joker top: the cycle has no place for it.
    EXPECT_FALSE(canPlace(*ctx, kJoker, h(3), -1, true, 0, true, true, 86, 1, -1));
    EXPECT_FALSE(canPlace(*ctx, kJoker + 3, h(3), -1, true, 0, true, true, 87, 0, -1));
    EXPECT_FALSE(canPlace(*ctx, h(2), kJoker, -1, true, 0, true, true, 86, 1, -1));
    // A joker at the bottom of a started foundation meets the start check:
    // the message is shown once and the check goes on without it.
    apply(*ctx, {{366, 4}, {51, 85}, {52, 85}, {53, 85}, {54, 85}}, {{"Dest1", {kJoker, h(2)}}});
    EXPECT_TRUE(foundationStartAllowed(*ctx, 85, h(1)));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], "Error suit - 1");
    setCards(*ctx, "Dest2", {h(1)});
    EXPECT_FALSE(foundationStartAllowed(*ctx, 85, second(h(1)))) << "the heart is counted";
    EXPECT_EQ(dialogs.shown.size(), 2u);
    // Base code -1 lets a joker start: it has no colour to count, nor has the
    // joker at the bottom of Dest1.
    ctx->P.set(51, -1);
    dialogs.shown.clear();
    EXPECT_TRUE(foundationStartAllowed(*ctx, -1, kJoker + 1));
    EXPECT_EQ(dialogs.shown, std::vector<std::string>({"Error suit - 1", "Error suit - 1"}));
}

TEST(MendedFaults, SuitGroupsBeyondFourPlaces) {
    auto ctx = makeContext();
    ctx->P.set(366, 16);
    for (int t : {8, 11, 15}) {
        EXPECT_FALSE(canPlace(*ctx, -1, h(1), -1, true, t, true, true, 96, 1, -1)) << "96 at " << t;
        EXPECT_FALSE(canPlace(*ctx, -1, h(1), -1, true, t, true, true, 82, 1, -1)) << "82 at " << t;
        ctx->P.set(51 + t, 1);
        EXPECT_FALSE(canPlace(*ctx, -1, h(1), 1, true, t, true, true, 41, 1, 1)) << "41 at " << t;
    }
    // Foundation 7 still belongs to the group 4-7.
    ctx->P.set(58, 1);
    EXPECT_TRUE(canPlace(*ctx, -1, h(1), 1, true, 7, true, true, 41, 1, 1));
    // The joker foundations with four in use and a target outside 0-3.
    ctx->P.set(366, 4);
    ctx->P.set(51 + 5, 4);
    EXPECT_FALSE(canPlace(*ctx, -1, h(4), 4, true, 5, true, true, 72, 1, 4));
}

TEST(MendedFaults, FoundationBeforeTheFirst) {
    auto ctx = makeContext();
    // Code 36 at T = 0 has no foundation T-1: an empty foundation 0 takes nothing.
    EXPECT_FALSE(canPlace(*ctx, -1, h(5), 5, true, 0, true, true, 36, 0, 5));
    setCards(*ctx, "Dest1", {c(5)});
    EXPECT_TRUE(canPlace(*ctx, -1, h(5), 5, true, 1, true, true, 36, 0, 5));
    EXPECT_FALSE(canPlace(*ctx, -1, h(6), 5, true, 1, true, true, 36, 0, 5));
    EXPECT_FALSE(canPlace(*ctx, -1, h(5), 5, true, 2, true, true, 36, 0, 5)) << "Dest2 not started";
    EXPECT_TRUE(canPlace(*ctx, c(5), c(4), 5, true, 0, true, true, 36, 0, 5)) << "a started foundation 0 builds";
    EXPECT_TRUE(canPlace(*ctx, c(1), c(13), 5, true, 0, true, true, 36, 0, 5));
    EXPECT_FALSE(canPlace(*ctx, c(5), c(6), 5, true, 0, true, true, 36, 0, 5));
    // Code 36 on row 17 or later would name foundation 16 and above.
    ctx->P.set(367, 40);
    EXPECT_FALSE(canPlace(*ctx, -1, h(5), 5, true, 17, false, false, 36, 0, 5));
}

TEST(MendedFaults, Code81BeyondTheReserveCells) {
    auto ctx = makeContext();
    ctx->P.set(366, 16);
    setCards(*ctx, "Mazzo_Vis", {c(5)});
    EXPECT_TRUE(canPlace(*ctx, h(9), c(5), -1, true, 9, true, true, 81, 1, -1)) << "cell 9 exists";
    for (int t = 10; t < 16; ++t)
        EXPECT_FALSE(canPlace(*ctx, h(9), c(5), -1, true, t, true, true, 81, 1, -1)) << "foundation " << t;
}

TEST(MendedFaults, FoundationReadsFromRows16To39) {
    auto ctx = makeContext();
    ctx->P.set(367, 40);
    setCards(*ctx, "Mazzo_Vis", {c(5)});
    for (int t : {16, 25, 39}) {
        // P[51+T] would be a direction or building code of another foundation.
        ctx->P.set(51 + t, 5);
        for (int code : {46, 47, 53, 79, 97, 98, 106, 72, 75, 110})
            EXPECT_FALSE(canPlace(*ctx, -1, c(5), -1, true, t, false, false, code, 1, -1))
                << "code " << code << " on row " << t;
        EXPECT_FALSE(canPlace(*ctx, -1, c(1), 81, true, t, false, false, 29, 1, -1)) << "29 on row " << t;
        EXPECT_FALSE(canPlace(*ctx, c(4), c(5), 81, true, t, false, false, 29, 1, -1)) << "29 on row " << t;
    }
    // The same codes on a foundation accept.
    ctx->P.set(51 + 3, 5);
    EXPECT_TRUE(canPlace(*ctx, -1, c(5), 5, true, 3, true, true, 46, 1, 5));
}

TEST(MendedFaults, Code42PartnerBeyondTheLast) {
    auto ctx = makeContext();
    ctx->P.set(366, 16);
    setCards(*ctx, "Dest16", {s(13)});
    EXPECT_TRUE(canPlace(*ctx, h(12), h(13), -1, true, 9, true, true, 42, 1, -1)) << "Dest16 shows a King";
    EXPECT_FALSE(canPlace(*ctx, h(12), h(13), -1, true, 8, true, true, 42, 1, -1)) << "Dest15 is empty";
    for (int t = 10; t < 16; ++t)
        EXPECT_FALSE(canPlace(*ctx, h(12), h(13), -1, true, t, true, true, 42, 1, -1)) << "no foundation " << t + 6;
    EXPECT_TRUE(canPlace(*ctx, h(11), h(12), -1, true, 12, true, true, 42, 1, -1)) << "non-Kings do not look";
}

TEST(MendedFaults, Codes50And52SkipRowTMinus8) {
    auto ctx = makeContext();
    // Below T = 8 there is no row T-8: the row checks are skipped.
    ctx->P.set(51 + 3, 9);
    EXPECT_TRUE(canPlace(*ctx, -1, c(9), 9, true, 3, true, true, 50, 0, 9));
    EXPECT_TRUE(canPlace(*ctx, -1, c(9), 9, true, 3, true, true, 52, 0, 9));
    EXPECT_TRUE(canPlace(*ctx, h(10), c(9), 9, true, 3, true, true, 52, 0, 9));
    EXPECT_FALSE(canPlace(*ctx, -1, c(8), 9, true, 3, true, true, 50, 0, 9));
    // From T = 8 the row exists and is checked.
    ctx->P.set(51 + 8, 9);
    EXPECT_FALSE(canPlace(*ctx, -1, c(9), 9, true, 8, true, true, 50, 0, 9));
    setCards(*ctx, "Fila1", {d(2)});
    EXPECT_TRUE(canPlace(*ctx, -1, c(9), 9, true, 8, true, true, 50, 0, 9));
    EXPECT_FALSE(canPlace(*ctx, -1, c(9), 9, true, 8, true, true, 52, 0, 9)) << "clubs on a diamond row";
    EXPECT_TRUE(canPlace(*ctx, -1, d(9), 9, true, 8, true, true, 52, 0, 9));
}

}  // namespace
}  // namespace tessaro
