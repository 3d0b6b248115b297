// Opening a game whose rule parameters the table cannot show: the window
// names the game and the parameter, and the game in play stays as it was.
#include <string>

#include "engine/context.h"
#include "engine/dump.h"
#include "platform/text_file.h"
#include "shell_fixture.h"
#include "stores/catalogue.h"
#include "support/rules_file_edit.h"

namespace tessaro::test {
namespace {

using UnplayableGameTest = ShellTest;

TEST_F(UnplayableGameTest, OpeningItShowsTheMessageAndKeepsThePreviousGame) {
    // Klondike of this rules file asks for a deck of 60 cards.
    std::string text;
    ASSERT_TRUE(readTextFile(dir.path("GAMES.DAT").string(), text));
    ASSERT_TRUE(start());
    const int klondike = ctx().mainGame.index(1);
    ASSERT_GE(klondike, 0);
    dir.write("GAMES.DAT", withRuleValue(text, klondike, 370, 60));

    w().show();
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    const std::string table = pileDump(ctx());
    ASSERT_NE(table.find("Fila3="), std::string::npos);
    dialogs.shown.clear();

    EXPECT_FALSE(w().openGame(1, "Klondike", "Player 1", 2, true));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "info");
    EXPECT_EQ(dialogs.shown[0].text.toStdString(),
              "The game \"Klondike\" cannot be played: its rule parameter 370 (number of cards) is 60; a deck holds "
              "at most 52 cards, or 104.");
    EXPECT_EQ(ctx().reg.readInt(reg::Game, -1), 200);
    EXPECT_EQ(ctx().P.rows(), 3);
    EXPECT_EQ(pileDump(ctx()), table);
    EXPECT_EQ(read("Game"), "200");
}

}  // namespace
}  // namespace tessaro::test
