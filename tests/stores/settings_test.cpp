#include "stores/settings.h"

#include <gtest/gtest.h>

#include "engine/context.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ctx.reg.initialise(dir.folder()); }
    void settingsText(std::string_view text) { dir.write("DATA/CFG.DAT", text); }
    std::string field(Field f) const { return ctx.reg.read(f); }

    test::TempDir dir;
    Context ctx;
};

TEST_F(SettingsTest, AFirstStartUsesEveryDefaultAndSeedsTheFile) {
    loadSettings(ctx);
    seedPlayers(ctx);
    EXPECT_EQ(countRun(ctx.reg), 1);
    EXPECT_EQ(dir.read("DATA/CFG.DAT"),
              "[Preference]\nUserDefault=Player 1\n\n[Users]\nUser001=Player 1\nUser002=Player 2\nUser003=Player 3\n"
              "\n[Parameters]\nRun_Exe=1\n");
    const std::pair<Field, const char*> expected[] = {
        {reg::CardBack, "011"}, {reg::CardFaceSet, "001"}, {reg::BackgroundDefault, "N"},
        {reg::BackgroundColour, "-2147483633"}, {reg::BackgroundPicture, "0"}, {reg::BackgroundFixedColour, "32768"},
        {reg::Game, "0201"}, {reg::ShowTime, "Y"}, {reg::CardsAnimate, "Y"}, {reg::Language, "20000"},
        {reg::SpeedMoveCard, "10"}, {reg::StatusBar, "N"}, {reg::Player, "Player 1"}, {reg::ScoringMode, "01"},
        {reg::Score, "0"}, {reg::CardSize, "F"}, {reg::SavedFaceSet, ""}, {reg::FadeBackground, "Y"},
        {reg::ShowScore, "Y"}, {reg::UndoMode, "0"}, {reg::SoundsOn, "Y"}, {reg::SoundAbout, "Y"},
        {reg::SoundAutoplay, "Y"}, {reg::SoundWon, "Y"}, {reg::SoundNew, "Y"}, {reg::SoundShuffle, "Y"},
        {reg::RandomBackground, "N"}, {reg::DealNumber, ""}, {reg::Cursor, "10"}, {reg::SoundPairing, "Y"},
        {reg::SoundStock, "Y"}, {reg::SoundTableau, "Y"}, {reg::CardsShadowed, "Y"}, {reg::IrregularPiles, "N"},
        {reg::SoundFaceUp, "Y"}, {reg::SoundCardDown, "Y"}, {reg::SoundCardUp, "Y"}, {reg::SoundRedeal, "Y"},
        {reg::SoundFoundation, "Y"}, {reg::ConfirmQuit, "N"}, {reg::RandomCardFace, "N"}, {reg::RandomCardBack, "N"},
        {reg::GameName, "Memory-Up (6x4)"}, {reg::AutoFaceUp, "Y"}, {reg::DealAnimation, "Y"},
        {reg::RedealAnimation, "Y"}, {reg::ShowToolTips, "Y"}, {reg::CustomBackground, "N"},
        {reg::RightClickFoundations, "N"}, {reg::RightClickTableaus, "N"}, {reg::DoubleClickFoundations, "Y"},
        {reg::DoubleClickTableaus, "N"}, {reg::SoundRedealQuiet, "Y"}, {reg::ShowPartialHidden, "Y"},
    };
    for (const auto& [f, value] : expected) EXPECT_EQ(field(f), value) << "position " << f.pos;
    const MainGame& g = ctx.mainGame;
    EXPECT_EQ(g.highlightMark, 0);
    EXPECT_EQ(g.randomGameType, 2);
    EXPECT_EQ(ctx.mainGame.autoplayScope, 1);
    EXPECT_EQ(g.fastSearchType, 0);
    EXPECT_EQ(g.statisticsDisabled, 0);
}

TEST_F(SettingsTest, StoredValuesAndTheirCorrections) {
    settingsText(
        "[preference]\nBack_Card=0\nCard=4\nBackground_Col=0\nBackground_bmp=\nBackground_Fixed_Col=abc\n"
        "Game=12\nGame_Name=Klondike\nCards_Animate=N\nCustomized_Background=mine.bmp\n"
        "RightClick_To_Foundations=Y\nUserDefault=Ann\nLanguage=21000\nCursor=12\nHighLights_Foundations_Mark=3\n"
        "AutoPlay_All_Games=2\nDisable_Statistics=Y\nBackground_Def=Y\nsounds_enabled=N\n"
        "[Settings]\nRandom_Game_Type=5\nGames_Fast_Search_Type=1\n");
    loadSettings(ctx);
    EXPECT_EQ(field(reg::CardBack), "001");
    EXPECT_EQ(field(reg::CardFaceSet), "004");
    EXPECT_EQ(field(reg::BackgroundColour), "-2147483633");
    EXPECT_EQ(field(reg::BackgroundPicture), "0");
    EXPECT_EQ(field(reg::BackgroundFixedColour), "32768");
    EXPECT_EQ(field(reg::Game), "0012");
    EXPECT_EQ(field(reg::GameName), "Klondike");
    EXPECT_EQ(field(reg::CardsAnimate), "N");
    EXPECT_EQ(field(reg::CardsShadowed), "N");  // follows Cards_Animate when not set
    EXPECT_EQ(field(reg::CustomBackground), "Y");
    EXPECT_EQ(field(reg::RightClickFoundations), "N");
    EXPECT_EQ(field(reg::Player), "Ann");
    EXPECT_EQ(field(reg::Language), "21000");
    EXPECT_EQ(field(reg::Cursor), "12");
    EXPECT_EQ(field(reg::BackgroundDefault), "Y");
    EXPECT_EQ(field(reg::SoundsOn), "N");
    EXPECT_EQ(ctx.mainGame.highlightMark, 3);
    EXPECT_EQ(ctx.mainGame.autoplayScope, 2);
    EXPECT_EQ(ctx.mainGame.statisticsDisabled, 1);
    EXPECT_EQ(ctx.mainGame.randomGameType, 5);
    EXPECT_EQ(ctx.mainGame.fastSearchType, 1);

    seedPlayers(ctx);  // a player is set: nothing is written
    EXPECT_EQ(ctx.reg.read(reg::Player), "Ann");
    EXPECT_EQ(settingsFile(ctx.reg).readString("Users", "User001", "none"), "none");
}

TEST_F(SettingsTest, LowColourDisplaysDefaultToCardSetThree) {
    loadSettings(ctx, DisplayInfo{false});
    EXPECT_EQ(field(reg::CardFaceSet), "003");
}

TEST_F(SettingsTest, RememberedGameUnknownToTheCatalogue) {
    ctx.mainGame.addLine(" 16 2010  Memory-Up (6x4)");
    for (const char* game : {"8001", "999"}) {
        ctx.reg.write(reg::Game, game);
        ctx.reg.write(reg::GameName, "Something");
        checkRememberedGame(ctx);
        EXPECT_EQ(field(reg::Game), "-001") << game;
        EXPECT_EQ(field(reg::GameName), "") << game;
    }
    ctx.reg.write(reg::Game, "0201");
    ctx.reg.write(reg::GameName, "Memory-Up (6x4)");
    checkRememberedGame(ctx);
    EXPECT_EQ(field(reg::Game), "0201");
    EXPECT_EQ(field(reg::GameName), "Memory-Up (6x4)");
}

TEST_F(SettingsTest, RunCounterStopsAtNine) {
    settingsText("[Parameters]\nRun_Exe=9\n");
    EXPECT_EQ(countRun(ctx.reg), 9);
    EXPECT_EQ(dir.read("DATA/CFG.DAT"), "[Parameters]\nRun_Exe=9\n");
    settingsText("[Parameters]\nRun_Exe=8\n");
    EXPECT_EQ(countRun(ctx.reg), 9);
    EXPECT_EQ(countRun(ctx.reg), 9);
    settingsText("[Parameters]\nRun_Exe=x\n");
    EXPECT_EQ(countRun(ctx.reg), 1);
}

TEST_F(SettingsTest, PerGameAutoplayReadsOneCharacterPerGame) {
    settingsText("[Autoplay]\nGames=YYN\nCust_8001=N\nCust_8002=Yes\n");
    EXPECT_FALSE(autoplayFor(ctx.reg, 2));
    EXPECT_TRUE(autoplayFor(ctx.reg, 1));
    EXPECT_TRUE(autoplayFor(ctx.reg, 5));  // no character: on
    EXPECT_FALSE(autoplayFor(ctx.reg, 8001));
    EXPECT_TRUE(autoplayFor(ctx.reg, 8002));
    EXPECT_TRUE(autoplayFor(ctx.reg, 8003));
}

TEST_F(SettingsTest, PerGameAutoplayWritesGrowTheText) {
    settingsText("[Autoplay]\nGames=YY\n");
    writeAutoplayFor(ctx.reg, 12, false);
    EXPECT_EQ(settingsFile(ctx.reg).readString("Autoplay", "Games", ""), "YYYYYYYYYYYYNYYYYYYYYY");
    writeAutoplayFor(ctx.reg, 1, false);
    writeAutoplayFor(ctx.reg, 12, true);
    EXPECT_EQ(settingsFile(ctx.reg).readString("Autoplay", "Games", ""), "YNYYYYYYYYYYYYYYYYYYYY");
    writeAutoplayFor(ctx.reg, 8001, false);
    EXPECT_EQ(settingsFile(ctx.reg).readString("Autoplay", "Cust_8001", ""), "N");
    EXPECT_FALSE(autoplayFor(ctx.reg, 8001));
    EXPECT_FALSE(autoplayFor(ctx.reg, 1));
}

TEST_F(SettingsTest, CorrectionsTurnSIntoY) {
    settingsText("[Preference]\nCards_Animate=S\nConfirmQuit=S\nCards_Shadowed=S\n");
    correctSettings(ctx.reg);
    EXPECT_EQ(dir.read("DATA/CFG.DAT"), "[Preference]\nCards_Animate=Y\nConfirmQuit=Y\nCards_Shadowed=S\n");
}

TEST_F(SettingsTest, TheSettingsFileFollowsTheRegisterAndAnyCaseOfTheDataFolder) {
    dir.write("Data/cfg.dat", "[Preference]\nCard_Size=M\n");
    EXPECT_EQ(settingsPath(ctx.reg), dir.path("Data/cfg.dat").string());
    loadSettings(ctx);
    EXPECT_EQ(field(reg::CardSize), "M");
}

}  // namespace
}  // namespace tessaro
