#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/card_fit.h"
#include "table/layout.h"
#include "table/table_fixture.h"

namespace tessaro {
namespace {

using test::TableFixture;

// Records what preparing the table asks of the window; reloading the rules
// puts back the parameters of a fixed game.
class RecordingHost : public TableHost {
public:
    std::vector<std::pair<int, int>> rules;
    std::vector<std::string> calls;
    GameCommandStates commands;

    void reloadRules(Context& ctx) override {
        calls.push_back("reload");
        for (auto [p, v] : rules) ctx.P.set(p, v);
    }
    void cardSizeChanged(Context& ctx) override {
        calls.push_back("cards " + std::to_string(ctx.layout.cardW) + "x" + std::to_string(ctx.layout.cardH));
    }
    void processPaint() override { calls.push_back("paint"); }
    void enableCustomize() override { calls.push_back("customize"); }
    void setGameCommands(const GameCommandStates& c) override {
        calls.push_back("commands");
        commands = c;
    }
};

class RecordingDialogs : public Dialogs {
public:
    std::vector<std::string> shown;
    void info(std::string_view text) override { shown.emplace_back(text); }
    bool confirm(std::string_view) override { return true; }
};

const char* const kMessage800 =
    "Your video card's display is 800x600 pixels. For the best graphics display of this game the screen resolution "
    "should be set to 1024x768 pixels or higher. However, it's possible to play Memory-Up (8x5) using a predefined "
    "cards set.";
const char* const kMessage640 =
    "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution should be set "
    "to 800x600 pixels or higher. However, it's possible to play Memory-Up (8x5) using a predefined cards set.";

TEST(CardSize, LettersAndUnknownLetter) {
    TableFixture t;
    struct Case {
        const char* letter;
        int w, h;
    } cases[] = {{"M", 59, 80}, {"L", 25, 32}, {"X", 25, 32}, {"", 25, 32}, {"B", 71, 96}, {"b", 71, 96}};
    for (const Case& c : cases) {
        t.ctx.reg.write(reg::CardSize, c.letter);
        setCardSize(t.ctx, t.host);
        EXPECT_EQ(t.ctx.layout.cardW, c.w) << c.letter;
        EXPECT_EQ(t.ctx.layout.cardH, c.h) << c.letter;
    }
}

TEST(CardSize, ShadowDepth) {
    TableFixture t;
    t.ctx.reg.write(reg::CardsShadowed, "N");
    setShadowDepth(t.ctx);
    EXPECT_EQ(t.ctx.layout.shadow, 0);
    t.ctx.reg.write(reg::CardsShadowed, "");
    setShadowDepth(t.ctx);
    EXPECT_EQ(t.ctx.layout.shadow, 9);
}

std::string fan(const FanOffsets& f) {
    return std::to_string(f.downUp) + " " + std::to_string(f.downDown) + " " + std::to_string(f.sideUp) + " " +
           std::to_string(f.sideDown) + " " + std::to_string(f.mode6First) + " " + std::to_string(f.mode6Second) +
           " " + std::to_string(f.visFirst) + " " + std::to_string(f.visSecond) + " " +
           std::to_string(f.reserveStep) + " " + std::to_string(f.reserveStep2) + " " + std::to_string(f.spread);
}

TEST(FanOffsets, ConditionsAndSizeColumns) {
    struct Case {
        const char* name;
        const char* letter;
        std::vector<std::pair<int, int>> params;
        const char* expected;  // U D SU SD M6 M6' vis1 vis2 R R' P
    };
    const Case cases[] = {
        {"downward fan, B", "B", {{3, 1}}, "18 4 0 0 0 0 12 8 3 3 6"},
        {"mode 7, M", "M", {{3, 7}}, "14 4 0 0 0 0 8 6 3 3 6"},
        {"reserves fanned down, L", "L", {{5, 1}}, "3 3 0 0 0 0 4 3 3 3 6"},
        {"sideways fan, B", "B", {{3, 2}}, "0 0 12 4 0 0 12 8 3 3 6"},
        {"per-row modes, M", "M", {{3, 11}, {6, 1}}, "0 0 10 4 0 0 8 6 3 3 6"},
        {"reserves sideways, L", "L", {{5, 2}}, "0 0 3 3 0 0 4 3 3 3 6"},
        {"mode 6, B", "B", {{3, 6}}, "0 0 0 0 7 7 12 8 3 3 6"},
        {"mode 6, M", "M", {{3, 6}}, "0 0 0 0 5 5 8 6 3 3 6"},
        {"mode 6, L", "L", {{3, 6}}, "0 0 0 0 3 3 4 3 3 3 6"},
        {"both fans, B", "B", {{3, 1}, {5, 2}}, "18 4 12 4 0 0 12 8 3 3 6"},
        {"side by side", "B", {{3, 4}}, "0 0 0 0 0 0 12 8 3 3 6"},
    };
    for (const Case& c : cases) {
        TableFixture t;
        t.ctx.reg.write(reg::CardSize, c.letter);
        for (auto [p, v] : c.params) t.ctx.P.set(p, v);
        setFanOffsets(t.ctx);
        EXPECT_EQ(fan(t.ctx.layout.fan), c.expected) << c.name;
    }
}

TEST(FanOffsets, UnknownLetterKeepsSizeDependentSteps) {
    TableFixture t;
    t.params({{3, 6}});
    setFanOffsets(t.ctx);  // "B": mode 6 steps 7, visible stock 12 and 8
    t.ctx.layout.fan.reserveStep = 9;
    t.ctx.layout.fan.spread = 1;
    t.ctx.reg.write(reg::CardSize, "Q");
    t.params({{3, 1}, {6, 1}});
    setFanOffsets(t.ctx);
    // Face-up steps stay 0, face-down steps are 4; mode 6 and visible stock
    // steps keep their values; the fixed steps are reset.
    EXPECT_EQ(fan(t.ctx.layout.fan), "0 4 0 4 7 7 12 8 3 3 6");
}

// The fitted size scales the "B" steps with the card: a fitted card of the
// big size gets the big steps, a double one twice them, a tiny one never less
// than the smallest fixed steps.
TEST(FanOffsets, FittedSizeScalesTheBigSteps) {
    struct Case {
        int w, h;
        std::vector<std::pair<int, int>> params;
        const char* expected;  // U D SU SD M6 M6' vis1 vis2 R R' P
    };
    const Case cases[] = {
        {71, 96, {{3, 1}, {5, 2}}, "18 4 12 4 0 0 12 8 3 3 6"},
        {71, 96, {{3, 6}}, "0 0 0 0 7 7 12 8 3 3 6"},
        {142, 192, {{3, 1}, {5, 2}}, "36 8 24 8 0 0 24 16 3 3 12"},
        {24, 32, {{3, 1}, {3, 6}}, "0 0 0 0 3 3 4 3 3 3 6"},
        {24, 32, {{3, 1}}, "6 3 0 0 0 0 4 3 3 3 6"},
    };
    for (const Case& c : cases) {
        TableFixture t("F");
        t.ctx.layout.cardW = c.w;
        t.ctx.layout.cardH = c.h;
        for (auto [p, v] : c.params) t.ctx.P.set(p, v);
        setFanOffsets(t.ctx);
        EXPECT_EQ(fan(t.ctx.layout.fan), c.expected) << c.w << "x" << c.h;
    }
}

// Klondike's downward fans: the fitted card is the largest with which the
// table and a whole suit fanned in each row fit; a window too small for any
// card falls back to the smallest size instead of failing.
TEST(CardFit, LargestCardThatFitsAndSmallestFallback) {
    TableFixture t("F");
    t.params({{3, 1}, {9, 1}, {10, 1}, {354, 4}, {355, 1}, {365, 2}, {356, 7}, {357, 1}, {358, 1}, {359, 2},
              {366, 4}, {367, 7}, {370, 52}});
    for (int i = 0; i < 7; ++i) t.params({{374 + i, i + 1}});
    const LayoutInputs in = windowInputs(1920, 17, 970, 970, -1, 1920, 1080);
    t.layout(in);
    const int h = t.ctx.layout.cardH;
    EXPECT_TRUE(tableFits(t.ctx, in));
    EXPECT_EQ(t.ctx.layout.cardW, fittedCardWidth(h));
    // Row 2 from 10 + h + 10 + 10 down, a suit of 13 cards: about 3.25 card
    // heights below it.
    EXPECT_GE(h, 200);
    const int bottomOfRow = t.ctx.layout.fila[0].y + h + 12 * t.ctx.layout.fan.downUp + t.ctx.layout.shadow;
    EXPECT_LE(bottomOfRow, in.bottom + 1);
    t.ctx.layout.cardH = h + 1;
    t.ctx.layout.cardW = fittedCardWidth(h + 1);
    setFanOffsets(t.ctx);
    layoutAtCardSize(t.ctx, in);
    EXPECT_FALSE(tableFits(t.ctx, in));

    t.layout(windowInputs(200, 17, 60, 60, -1, 1920, 1080));
    EXPECT_EQ(t.ctx.layout.cardH, kFitMinCardHeight);
    EXPECT_EQ(t.ctx.layout.cardW, 24);
}

struct Prepared {
    TableFixture t;
    RecordingHost host;
    RecordingDialogs dialogs;

    Prepared() {
        t.ctx.dialogs = &dialogs;
        t.ctx.reg.write(reg::GameName, "Memory-Up (8x5)");
        t.ctx.reg.write(reg::CardFaceSet, "007");
        t.ctx.reg.write(reg::CardBack, "002");
        host.rules = {{38, 2}, {50, 37}, {367, 5}, {3, 4}, {358, 128}, {369, 1}, {19, 1}, {45, 1}, {21, 0}};
    }
    std::string prepare(int screenW, int screenH) {
        host.calls.clear();
        prepareTable(t.ctx, host, windowInputs(screenW, 17, screenH, screenH - 50, 40, screenW, screenH));
        return placedPiles(t.ctx.layout);
    }
    std::string field(Field f) const { return t.ctx.reg.read(f); }
};

TEST(DisplaySize, BigCardsAreReplacedOnASmallScreenAndRestoredOnALargeOne) {
    Prepared p;
    const std::string small = p.prepare(800, 600);
    EXPECT_EQ(p.host.calls, (std::vector<std::string>{"reload", "paint", "cards 59x80", "commands"}));
    EXPECT_EQ(p.field(reg::CardSize), "M");
    EXPECT_EQ(p.field(reg::CardFaceSet), "003");
    EXPECT_EQ(p.field(reg::CardBack), "002");
    EXPECT_EQ(p.field(reg::SavedCardSize), "B");
    EXPECT_EQ(p.field(reg::SavedFaceSet), "007");
    EXPECT_EQ(p.field(reg::SavedBack), "002");
    EXPECT_EQ(p.dialogs.shown, (std::vector<std::string>{kMessage800}));
    // The layout runs with the substituted size: 59-pixel cards.
    EXPECT_EQ(small,
              "Mazzo_Waste 617 254\n"
              "Fila1 83 88\nFila2 83 171\nFila3 83 254\nFila4 83 337\nFila5 83 420\n");

    const std::string large = p.prepare(1024, 768);
    EXPECT_EQ(p.host.calls, (std::vector<std::string>{"reload", "customize", "cards 71x96", "commands"}));
    EXPECT_EQ(p.field(reg::CardSize), "B");
    EXPECT_EQ(p.field(reg::CardFaceSet), "007");
    EXPECT_EQ(p.field(reg::CardBack), "002");
    EXPECT_EQ(p.field(reg::SavedCardSize), "");
    EXPECT_EQ(p.field(reg::SavedFaceSet), "");
    EXPECT_EQ(p.field(reg::SavedBack), "");
    EXPECT_EQ(large,
              "Mazzo_Waste 777 330\n"
              "Fila1 135 132\nFila2 135 231\nFila3 135 330\nFila4 135 429\nFila5 135 528\n");
}

TEST(DisplaySize, SmallCardsAreKeptOnAClassTwoScreen) {
    Prepared p;
    p.t.ctx.reg.write(reg::CardSize, "L");
    setCardSize(p.t.ctx, p.host);
    p.prepare(800, 600);
    EXPECT_EQ(p.host.calls, (std::vector<std::string>{"reload", "paint", "commands"}));
    EXPECT_EQ(p.field(reg::CardSize), "L");
    EXPECT_EQ(p.field(reg::CardFaceSet), "007");
    EXPECT_EQ(p.field(reg::SavedFaceSet), "");
    EXPECT_TRUE(p.dialogs.shown.empty());
    EXPECT_TRUE(p.t.ctx.layout.adapted);
    EXPECT_EQ(p.t.ctx.layout.cardW, 25);
}

TEST(DisplaySize, EachMessageAtMostOncePerRun) {
    Prepared p;
    p.host.rules[0] = {38, 1};
    p.prepare(640, 480);
    p.prepare(1024, 768);  // restores "B"
    EXPECT_EQ(p.field(reg::CardSize), "B");
    p.prepare(640, 480);   // substitutes again, silently
    EXPECT_EQ(p.field(reg::CardSize), "M");
    EXPECT_EQ(p.dialogs.shown, (std::vector<std::string>{kMessage640}));

    // A class-1 game is fine on an 800-pixel screen: nothing to substitute.
    Prepared q;
    q.host.rules[0] = {38, 1};
    q.prepare(800, 600);
    EXPECT_EQ(q.field(reg::CardSize), "B");
    EXPECT_TRUE(q.dialogs.shown.empty());
}

TEST(PrepareTable, GameCommandsAndCleanSlots) {
    Prepared p;
    // A slot the game does not use must not keep an older position.
    p.t.ctx.layout.appogg[3] = {10, 10};
    p.t.ctx.P.set(200, 77);  // cleared before the rules are loaded again
    p.prepare(1024, 768);
    EXPECT_EQ(p.t.ctx.layout.appogg[3].x, -10003);
    EXPECT_EQ(p.t.ctx.P[200], 0);
    EXPECT_EQ(p.host.commands.autoplay, 1);
    EXPECT_TRUE(p.host.commands.tutor);
    EXPECT_TRUE(p.host.commands.save);
    EXPECT_TRUE(p.host.commands.undoRedo);
    EXPECT_EQ(fan(p.t.ctx.layout.fan), "0 0 0 0 0 0 12 8 3 3 6");

    p.host.rules.push_back({21, 1});
    p.host.rules.push_back({45, 0});
    p.host.rules.push_back({19, 0});
    p.prepare(1024, 768);
    EXPECT_EQ(p.host.commands.autoplay, 0);
    EXPECT_FALSE(p.host.commands.tutor);
    EXPECT_FALSE(p.host.commands.save);
    EXPECT_FALSE(p.host.commands.undoRedo);
}

}  // namespace
}  // namespace tessaro
