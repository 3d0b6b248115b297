#include "stores/catalogue.h"

#include <gtest/gtest.h>

#include "engine/context.h"
#include "platform/profile.h"
#include "stores/game_definitions.h"
#include "stores/games_dat_format.h"
#include "support/context_builder.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

class RecordingDialogs : public Dialogs {
public:
    void info(std::string_view text) override { log += "info: " + std::string(text) + "|"; }
    bool confirm(std::string_view text) override {
        log += "confirm: " + std::string(text) + "|";
        return true;
    }
    std::string log;
};

// A decoded catalogue line: category, number, offer, screen flag and name.
std::string line(int category, int number, std::string_view name, char offer = '0', char screen = '0') {
    GameDefinition g;
    g.category = category;
    g.number = number;
    g.name = std::string(name);
    g.offer = offer;
    g.screen = screen;
    return catalogueLine(g);
}

TEST(Catalogue, OnlyOfferCodesZeroAndFiveAreTaken) {
    std::string text = "[Sect1]\r\n";
    for (char offer : {'0', '3', '5', '1'}) text += gamesdat::encode(line(16, 200 + offer - '0', "G", offer)) + "\r\n";
    text += "[Sect2]\r\n" + gamesdat::encode(line(16, 299, "In another section")) + "\r\n";
    MainGame g;
    g.buildFrom(text);
    ASSERT_EQ(g.lines().size(), 2u);
    EXPECT_EQ(g.lines()[0], line(16, 200, "G"));
    EXPECT_EQ(g.lines()[1], line(16, 205, "G", '5'));
    EXPECT_EQ(g.index(203), -1);
    EXPECT_EQ(g.index(205), 1);
}

TEST(Catalogue, TheLineAtTheGamesNumberIsTriedFirst) {
    MainGame g;
    for (int i = 0; i < 13; ++i) g.addLine(line(5, 100 + i, "Filler"));
    g.addLine(line(5, 12, "Found by searching"));
    EXPECT_EQ(g.index(12), 13);
    EXPECT_EQ(g.name(12), "Found by searching");

    MainGame h;
    h.addLine(line(5, 12, "Earlier line"));
    for (int i = 1; i < 12; ++i) h.addLine(line(5, 100 + i, "Filler"));
    h.addLine(line(7, 12, "At its own index"));
    EXPECT_EQ(h.index(12), 12);
    EXPECT_EQ(h.name(12), "At its own index");
    EXPECT_EQ(h.category(12), 7);
}

TEST(Catalogue, NamesCategoriesAndPictures) {
    MainGame g;
    g.addLine(line(16, 201, "Memory-Up (6x4)"));
    g.addLine(" 16 2x00  broken");  // characters 5-7 are no number
    EXPECT_EQ(g.name(201), "Memory-Up (6x4)");
    EXPECT_EQ(g.name(999), "");
    std::string kept = "kept";
    g.name(8001, kept);
    EXPECT_EQ(kept, "kept");
    EXPECT_EQ(g.category(201), 16);
    EXPECT_EQ(g.category(8001), 800);
    EXPECT_EQ(g.category(999), -1);
    EXPECT_EQ(g.category(-5), -1);
    EXPECT_EQ(g.gameAt(1), -1);
    EXPECT_EQ(MainGame::categoryPictureName(800), "TREE5_CUSTOMIZED_GAMES");
    EXPECT_EQ(MainGame::categoryPictureName(16), "TREE5_MEMORY_TYPE");
    EXPECT_EQ(MainGame::categoryPictureName(23), "TREE5_STRIPPEDDECK_TYPE");
    EXPECT_EQ(MainGame::categoryPictureName(1), "");
    EXPECT_EQ(MainGame::categoryPictureName(24), "");
}

TEST(Catalogue, PlaceholdersAreReplacedAtTheirFirstOccurrence) {
    EXPECT_EQ(replacePlaceholders("[Program] and [Program]"), "Tessaro and [Program]");
    EXPECT_EQ(replacePlaceholders("[Program_sw] [GameNum_sw] [GameNum_fw] [Program]"), "Solvara 2000 245 4 Tessaro");
    EXPECT_EQ(replacePlaceholders("About"), "About");
}

class CatalogueFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.reg.initialise(dir.folder());
        ctx.dialogs = &dialogs;
        ctx.mainGame.addLine(line(16, 200, "Narrow"));
        ctx.mainGame.addLine(line(9, 210, "Wide Game", '0', '1'));
    }
    // A custom-games file: line 0 outside the records, then 30-line records.
    void customFile(std::initializer_list<std::pair<std::string, std::string>> records) {
        std::string text = "header\r\n";
        for (const auto& [first, definition] : records) {
            text += first + "\r\n" + definition + "\r\n";
            for (int i = 2; i < 30; ++i) text += "\r\n";
        }
        dir.write("Data/gam_cust.dat", text);
    }
    static std::string record(std::string_view number, std::string_view base) {
        std::string s(number);
        s.resize(54, ' ');
        return s + std::string(base);
    }

    test::TempDir dir;
    Context ctx;
    RecordingDialogs dialogs;
};

TEST_F(CatalogueFiles, CustomGamesComeFromTheirRecords) {
    EXPECT_EQ(customGame(ctx.reg, 8001, "as given").baseGame, -1);
    EXPECT_EQ(customGame(ctx.reg, 8001, "as given").definition, "as given");
    customFile({{record("8000", "0200"), "first rules"}, {record("abcd", "0210"), "not a number"},
                {record("8001", "0210"), "second rules"}});
    const CustomGame second = customGame(ctx.reg, 8001);
    EXPECT_EQ(second.baseGame, 210);
    EXPECT_EQ(second.definition, "second rules");
    EXPECT_EQ(customGame(ctx.reg, 8000).baseGame, 200);
    EXPECT_EQ(customGame(ctx.reg, 8002, "x").baseGame, -1);
    EXPECT_EQ(customGame(ctx.reg, 8002, "x").definition, "x");
}

TEST_F(CatalogueFiles, NarrowScreensRefuseWideGamesWithAMessage) {
    customFile({{record("8001", "0210"), "custom rules"}, {record("8002", "0200"), ""}});
    EXPECT_TRUE(playableOnScreen(ctx, 210, 650));
    EXPECT_TRUE(playableOnScreen(ctx, 200, 640));
    EXPECT_TRUE(playableOnScreen(ctx, 8002, 640));
    EXPECT_TRUE(playableOnScreen(ctx, 8009, 640));  // no record: playable
    EXPECT_EQ(dialogs.log, "");
    EXPECT_FALSE(playableOnScreen(ctx, 210, 640));
    EXPECT_EQ(dialogs.log,
              "info: Your video card's display is 640x480 pixels.\nYou can't play: Wide Game\n"
              "Please set your screen resolution to 800x600 pixels or higher.|");
    dialogs.log.clear();
    EXPECT_FALSE(playableOnScreen(ctx, 8001, 640));
    EXPECT_EQ(dialogs.log,
              "info: Your video card's display is 640x480 pixels.\nYou can't play: \n"
              "Please set your screen resolution to 800x600 pixels or higher.|");
}

TEST_F(CatalogueFiles, RememberGameWritesThePreferenceKeys) {
    const std::string path = dir.path("cfg.dat").string();
    rememberGame(path, 201, "Memory-Up (6x4)", -30);
    EXPECT_EQ(dir.read("cfg.dat"), "[Preference]\nGame=201\nGame_Name=Memory-Up (6x4)\nGame_TreeNum=-30\n");
}

TEST(CataloguePiles, TopCardsByPileName) {
    Context ctx;
    test::setPile(ctx, "Mazzo", "0011002100310000");
    test::setPile(ctx, "Mazzo_Vis", "0051");
    test::setPile(ctx, "Mazzo_Waste", "0061");
    test::setPile(ctx, "Fila12", "007100811081");
    test::setPile(ctx, "Dest3", "0091");
    test::setPile(ctx, "Appogg10", "0101");
    test::setPile(ctx, "Fila1", "00110000");
    EXPECT_EQ(topCardOfPile(ctx, "Mazzo"), 0);  // a gap on top
    EXPECT_EQ(topCardOfPile(ctx, "Mazzo_Vis"), 5);
    EXPECT_EQ(topCardOfPile(ctx, "Fila12"), 108);
    EXPECT_EQ(topCardOfPile(ctx, "Dest3"), 9);
    EXPECT_EQ(topCardOfPile(ctx, "Appogg10"), 10);
    EXPECT_EQ(topCardOfPile(ctx, "Fila2"), 0);
    for (const char* none : {"Mazzo_Waste", "Dest0", "Dest17", "Fila41", "Filaxx", "Appogg", "", "Tableau"})
        EXPECT_EQ(topCardOfPile(ctx, none), 0) << none;
}

TEST(CataloguePiles, CardOnTopOfARowInUse) {
    Context ctx;
    test::setParams(ctx, {{367, 2}});
    test::setPile(ctx, "Fila1", "00110021");
    test::setPile(ctx, "Fila2", "0031");
    test::setPile(ctx, "Fila3", "0041");
    EXPECT_TRUE(cardOnTopOfRow(ctx, 2));
    EXPECT_TRUE(cardOnTopOfRow(ctx, 3));
    EXPECT_FALSE(cardOnTopOfRow(ctx, 1));  // covered
    EXPECT_FALSE(cardOnTopOfRow(ctx, 4));  // row 3 is not in use
    EXPECT_FALSE(cardOnTopOfRow(ctx, 0));
    test::setParams(ctx, {{367, 99}});
    EXPECT_TRUE(cardOnTopOfRow(ctx, 4));
}

}  // namespace
}  // namespace tessaro
