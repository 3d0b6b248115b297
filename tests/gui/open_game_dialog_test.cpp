// The game selection dialog "Open a game" on the built rules file and library:
// the tree and its icons, the description, OK, Rules, Cancel, the preview,
// and the main window opening the chosen game, also on a first run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "dialogs/open_game_dialog.h"
#include "engine/context.h"
#include "platform/qt/resources.h"
#include "shell/help_window.h"
#include "shell/window_end_game.h"
#include "shell/lazy_game_selection.h"
#include "shell_fixture.h"
#include "stores/game_selection.h"
#include "stores/settings.h"

namespace tessaro {
namespace {

using dialogs::OpenGameDialog;

class OpenGameTest : public test::ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(start());
        dlg = std::make_unique<OpenGameDialog>(ctx(), &w(), 1280);
        dlg->setRulesHelp([this](int game) { w().rulesHelpFor(game); });
    }
    void TearDown() override { dlg.reset(); }

    QTreeWidgetItem* folder() { return dlg->findTag(kAllGamesFolder); }
    QStringList childNames(QTreeWidgetItem* item) {
        QStringList names;
        for (int i = 0; i < item->childCount(); ++i) names << item->child(i)->text(0);
        return names;
    }
    void select(int tag) {
        QTreeWidgetItem* item = dlg->findTag(tag);
        ASSERT_NE(item, nullptr) << tag;
        dlg->tvGames->setCurrentItem(item);
    }
    QString text(const char* label) { return dlg->findChild<QLabel*>(label)->text(); }
    const test::Shown& lastShown() { return dialogs.shown.back(); }

    std::unique_ptr<OpenGameDialog> dlg;
};

const QStringList kGames = {"Ace-To-King",
                            "Baker's Game",
                            "Beleaguered Castle",
                            "Calculation",
                            "Canfield",
                            "Concentration",
                            "Eight Off",
                            "Fan",
                            "Forget me not",
                            "Forty Thieves",
                            "Fourteen Out",
                            "FreeCell",
                            "Golf",
                            "Klondike",
                            "Klondike (by threes)",
                            "Limited",
                            "Lucas",
                            "Maria",
                            "Memory-Up (4x3)",
                            "Memory-Up (6x4)",
                            "Memory-Up (8x5)",
                            "Russian Solitaire",
                            "Seahaven Towers",
                            "Streets and Alleys",
                            "Thumb and Pouch",
                            "Whitehead",
                            "Yukon"};
const QStringList kKindFolders = {"Memory games",   "Beleaguered Castle games", "Calculation games", "Canfield games",
                                  "Fan games",      "Forty Thieves games",      "FreeCell games",    "Klondike games",
                                  "Pairing games",  "Simple games",             "Yukon games"};

TEST_F(OpenGameTest, TheTreeShowsOneFolderFilledOnceWithTheGamesInNameOrder) {
    EXPECT_EQ(dlg->windowTitle(), "Open a game");
    // The folders by kind come first, the alphabetical list last.
    ASSERT_EQ(dlg->tvGames->topLevelItemCount(), kKindFolders.size() + 1);
    QTreeWidgetItem* all = folder();
    ASSERT_EQ(all, dlg->tvGames->topLevelItem(static_cast<int>(kKindFolders.size())));
    EXPECT_EQ(all->text(0), "All games (alphabetically)");
    EXPECT_EQ(dlg->findTag(kFavouritesFolder), nullptr);
    EXPECT_EQ(dlg->findTag(kFoldersList), nullptr);
    // Not filled yet: the placeholder child.
    ASSERT_EQ(all->childCount(), 1);
    EXPECT_EQ(all->child(0)->data(0, Qt::UserRole).toInt(), kPlaceholderTag);

    all->setExpanded(true);
    EXPECT_EQ(childNames(all), kGames);
    all->setExpanded(false);
    all->setExpanded(true);
    EXPECT_EQ(childNames(all), kGames);
    // Selecting the folder fills nothing again either.
    dlg->tvGames->setCurrentItem(all);
    EXPECT_EQ(all->childCount(), kGames.size());
    EXPECT_EQ(all->child(13)->data(0, Qt::UserRole).toInt(), 1);  // Klondike's number
}

TEST_F(OpenGameTest, EachKindFolderHoldsTheGamesOfItsKind) {
    QStringList captions;
    for (int i = 0; i < dlg->tvGames->topLevelItemCount() - 1; ++i) captions << dlg->tvGames->topLevelItem(i)->text(0);
    EXPECT_EQ(captions, kKindFolders);
    QTreeWidgetItem* memory = dlg->tvGames->topLevelItem(0);
    memory->setExpanded(true);
    EXPECT_EQ(childNames(memory), QStringList({"Ace-To-King", "Concentration", "Forget me not", "Memory-Up (4x3)",
                                               "Memory-Up (6x4)", "Memory-Up (8x5)"}));
    QTreeWidgetItem* freecell = dlg->tvGames->topLevelItem(6);
    freecell->setExpanded(true);
    EXPECT_EQ(childNames(freecell), QStringList({"Baker's Game", "Eight Off", "FreeCell", "Seahaven Towers"}));
    EXPECT_EQ(freecell->child(2)->data(0, Qt::UserRole).toInt(), 10);
}

TEST_F(OpenGameTest, ShowingOpensTheRememberedFolderAtTheCurrentGame) {
    ctx().reg.writePadded(reg::Game, 204);
    dlg->prepareShow();
    ASSERT_NE(dlg->tvGames->currentItem(), nullptr);
    EXPECT_EQ(dlg->tvGames->currentItem()->text(0), "Forget me not");
    EXPECT_TRUE(folder()->isExpanded());
    EXPECT_TRUE(dlg->Timer1->isActive());
    EXPECT_EQ(dlg->Timer1->interval(), 2000);
    EXPECT_EQ(text("lblGameName"), "Forget me not");
    // The controls of statistics, saved games, demos and players stay hidden.
    for (const char* name : {"btnStatistics", "btnOpenSaved", "btnDemo", "lblPlayer", "cboPlayer"})
        EXPECT_TRUE(dlg->findChild<QWidget*>(name)->isHidden()) << name;
    dlg->reject();
    EXPECT_FALSE(dlg->Timer1->isActive());
}

TEST_F(OpenGameTest, OkAndRulesOnTheFolderAskForAGameAndKeepTheDialogOpen) {
    dlg->show();
    select(kAllGamesFolder);
    EXPECT_EQ(dlg->pnlDescription->currentWidget(), dlg->pnlGeneral);
    EXPECT_FALSE(dlg->btnOK->isEnabled());
    EXPECT_FALSE(dlg->btnRules->isEnabled());
    EXPECT_FALSE(dlg->chkPreview->isEnabled());

    const std::size_t before = dialogs.shown.size();
    dlg->okClicked();
    ASSERT_EQ(dialogs.shown.size(), before + 1);
    EXPECT_EQ(lastShown().kind, "info");
    EXPECT_EQ(lastShown().text, "Open a game");
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), 0);
    EXPECT_EQ(dlg->chosenGame(), -1);
    EXPECT_EQ(read("Game_Name"), "<missing>");

    dlg->rulesClicked();
    ASSERT_EQ(dialogs.shown.size(), before + 2);
    EXPECT_EQ(lastShown().text, "Select a game");
    EXPECT_EQ(w().helpWindow(), nullptr);

    // Rules on a game opens its page: game number + 3000.
    folder()->setExpanded(true);
    select(203);
    QTest::mouseClick(dlg->btnRules, Qt::LeftButton);
    ASSERT_NE(w().helpWindow(), nullptr);
    EXPECT_EQ(w().helpWindow()->context(), 3203);
    EXPECT_EQ(dialogs.shown.size(), before + 2);
    dlg->reject();
}

TEST_F(OpenGameTest, TheDescriptionShowsTheGamesRulesFileValues) {
    folder()->setExpanded(true);
    select(1);
    EXPECT_EQ(dlg->pnlDescription->currentWidget(), dlg->pnlGame);
    EXPECT_EQ(text("lblGameName"), "Klondike");
    EXPECT_EQ(text("lblObjective"), "To move all the cards to the foundations");
    EXPECT_EQ(text("lblDifficulty"), "Easy");
    EXPECT_EQ(text("lblChance"), "Medium (about 1 in 3)");
    EXPECT_EQ(text("lblTime"), "Medium");
    EXPECT_EQ(text("lblSkill"), "Moderate");
    EXPECT_EQ(text("lblRedeals"), "Unlimited");
    EXPECT_EQ(text("lblDecks"), "1");
    // Each text has its picture from the library.
    const QImage chance = dlg->imgChance->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(chance, resources::bitmap("PROG_CHAN_MEDIUM").convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(dlg->btnOK->isEnabled());
    EXPECT_TRUE(dlg->chkPreview->isEnabled());

    select(202);
    EXPECT_EQ(text("lblGameName"), "Memory-Up (8x5)");
    EXPECT_EQ(text("lblObjective"), "To match up all the cards in the deck");
    EXPECT_EQ(text("lblDifficulty"), "Hard");
    EXPECT_EQ(text("lblChance"), "Low");
    EXPECT_EQ(text("lblSkill"), "Mostly skill");
    EXPECT_EQ(text("lblRedeals"), "0");
    EXPECT_EQ(text("lblDecks"), "2");
    const QImage time = dlg->imgTime->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(time, resources::bitmap("PROG_TIME_MEDIUM").convertToFormat(QImage::Format_RGB32));
}

TEST_F(OpenGameTest, OkOnAGameRemembersItAndEndsChosen) {
    dlg->chkShowWonLost->setChecked(true);
    dlg->show();
    folder()->setExpanded(true);
    select(203);
    QTest::mouseClick(dlg->btnOK, Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->chosenGame(), 203);
    EXPECT_EQ(dlg->chosenName(), "Ace-To-King");
    EXPECT_EQ(read("Game"), "203");
    EXPECT_EQ(read("Game_Name"), "Ace-To-King");
    EXPECT_EQ(read("Game_TreeNum"), "-30");
    EXPECT_EQ(read("Open_Show_Won_Lost"), "Y");

    // The next showing reads nothing new but keeps the box as it was.
    dlg->chkShowWonLost->setChecked(false);
    dlg->show();
    select(205);
    // A double click on a game does what OK does.
    emit dlg->tvGames->itemDoubleClicked(dlg->tvGames->currentItem(), 0);
    EXPECT_EQ(dlg->chosenGame(), 205);
    EXPECT_EQ(read("Game_Name"), "Concentration");
    EXPECT_EQ(read("Open_Show_Won_Lost"), "N");
}

TEST_F(OpenGameTest, NarrowScreensRefuseWideGamesWithTheCataloguesMessage) {
    ctx().mainGame.addLine(" 16 20601 Wide game");  // character 9: needs 650 pixels
    OpenGameDialog narrow(ctx(), &w(), 640);
    narrow.show();
    narrow.findTag(kAllGamesFolder)->setExpanded(true);
    narrow.tvGames->setCurrentItem(narrow.findTag(206));
    const std::size_t before = dialogs.shown.size();
    narrow.okClicked();
    ASSERT_EQ(dialogs.shown.size(), before + 1);
    EXPECT_EQ(lastShown().text, "Your video card's display is 640x480 pixels.\nYou can't play: Wide game\n"
                                "Please set your screen resolution to 800x600 pixels or higher.");
    EXPECT_TRUE(narrow.isVisible());
    EXPECT_EQ(narrow.chosenGame(), -1);
    EXPECT_EQ(read("Game_Name"), "<missing>");
    // A game that fits goes through on the same screen.
    narrow.tvGames->setCurrentItem(narrow.findTag(200));
    narrow.okClicked();
    EXPECT_EQ(narrow.chosenGame(), 200);
    EXPECT_EQ(dialogs.shown.size(), before + 1);
}

TEST_F(OpenGameTest, WonAndLostGamesShowTheirMarksWhenAskedFor) {
    ctx().mainGame.recordResult(201, true);
    ctx().mainGame.recordResult(202, false);
    folder()->setExpanded(true);
    auto iconImage = [&](int game) {
        return dlg->findTag(game)->icon(0).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    auto picture = [](const char* name) {
        return dialogs::keyedPicture(name).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    EXPECT_EQ(dlg->iconNameOf(201), "TREE5_MEMORY_TYPE");
    EXPECT_EQ(iconImage(201), picture("TREE5_MEMORY_TYPE"));
    EXPECT_FALSE(dlg->showsWonLost());

    dlg->chkShowWonLost->setChecked(true);
    EXPECT_TRUE(dlg->showsWonLost());
    EXPECT_EQ(dlg->iconNameOf(201), "TREE5_MEMORY_TYPE_WIN");
    EXPECT_EQ(dlg->iconNameOf(202), "TREE5_MEMORY_TYPE_NOWIN");
    EXPECT_EQ(dlg->iconNameOf(200), "TREE5_MEMORY_TYPE");
    EXPECT_EQ(dlg->iconNameOf(1), "TREE5_KLONDIKE_TYPE");
    EXPECT_EQ(iconImage(201), picture("TREE5_MEMORY_TYPE_WIN"));
    EXPECT_EQ(iconImage(202), picture("TREE5_MEMORY_TYPE_NOWIN"));
    EXPECT_NE(iconImage(201), iconImage(200));
    // The key colour is see-through in the icons.
    EXPECT_EQ(qAlpha(iconImage(201).pixel(0, 0)), 0);

    // A game that ends while the dialog is hidden gets its mark on refresh.
    ctx().mainGame.recordResult(200, false);
    dlg->refreshEntry(200);
    EXPECT_EQ(iconImage(200), picture("TREE5_MEMORY_TYPE_NOWIN"));
}

TEST_F(OpenGameTest, ThePreviewShowsTheGamesPictureOverItsBackground) {
    const QImage blank = dlg->previewShown().toImage();
    ASSERT_FALSE(blank.isNull());
    folder()->setExpanded(true);
    select(201);
    ASSERT_TRUE(dlg->chkPreview->isChecked());
    const QImage shown = dlg->previewShown().toImage();
    EXPECT_NE(shown, blank);
    // The picture's own background lets the dialog's background through: the
    // top corners stay as they were.
    const QImage game = resources::bitmap("GAME0201");
    ASSERT_FALSE(game.isNull());
    const int left = (shown.width() - game.width()) / 2;
    EXPECT_EQ(shown.pixel(left, 0), blank.pixel(left, 0));
    // Unticking clears it and is remembered.
    dlg->chkPreview->setChecked(false);
    EXPECT_EQ(dlg->previewShown().toImage(), blank);
    EXPECT_EQ(read("Open_Preview_Game"), "N");
}

TEST_F(OpenGameTest, FewColoursShowThePreviewOnPlainDarkGreen) {
    OpenGameDialog few(ctx(), &w(), 1280, false);
    const QImage blank = few.previewShown().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(blank.pixel(0, 0), qRgb(0, 128, 0));
    EXPECT_EQ(blank.pixel(blank.width() - 1, blank.height() - 1), qRgb(0, 128, 0));
    few.findTag(kAllGamesFolder)->setExpanded(true);
    few.tvGames->setCurrentItem(few.findTag(204));
    const QImage shown = few.previewShown().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(shown, blank);
    // The game picture's own green is see-through: the corners stay dark green.
    EXPECT_EQ(shown.pixel((shown.width() - resources::bitmap("GAME0204").width()) / 2, 0), qRgb(0, 128, 0));
}

TEST_F(OpenGameTest, ClosingWithNoCurrentGameRestoresTheDefaultGame) {
    ctx().reg.writePadded(reg::Game, -1);
    ctx().reg.write(reg::GameName, "");
    dlg->show();
    dlg->reject();
    EXPECT_EQ(ctx().reg.read(reg::Game), "0201");
    EXPECT_EQ(ctx().reg.read(reg::GameName), "Memory-Up (6x4)");
    // A current game stays as it is.
    ctx().reg.writePadded(reg::Game, 204);
    dlg->show();
    dlg->reject();
    EXPECT_EQ(ctx().reg.read(reg::Game), "0204");
}

// The whole way: the window made by start-up opens its own dialog.
class OpenGameWindowTest : public test::ShellTest {
protected:
    bool startWithDialog() {
        startup.reset();
        shell::ShellEnvironment env;
        env.programFolder = QString::fromStdString(dir.folder());
        env.screenSize = QSize(1280, 1024);
        env.dialogs = &dialogs;
        env.sound = &sound;
        startup = std::make_unique<shell::Startup>(env);
        return startup->run();
    }
    /// Answers the next modal dialog with `answer` once it shows.
    void whenShown(std::function<void(OpenGameDialog&)> answer) {
        QTimer::singleShot(0, [answer] {
            auto* d = qobject_cast<OpenGameDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            answer(*d);
        });
    }
};

TEST_F(OpenGameWindowTest, ChoosingAGameFromTheMenuDealsIt) {
    dir.write("Data/Stat_e00.dat", "x");  // not a first run
    ASSERT_TRUE(startWithDialog());
    whenShown([](OpenGameDialog& d) {
        d.tvGames->setCurrentItem(d.findTag(205));
        d.okClicked();
    });
    w().mnuOpenGame->trigger();
    EXPECT_EQ(ctx().reg.read(reg::Game), "205");
    EXPECT_EQ(ctx().reg.read(reg::GameName), "Concentration");
    EXPECT_EQ(ctx().P[50], 39);
    EXPECT_TRUE(ctx().run.isSet(Flag::GameInProgress));
    EXPECT_EQ(read("Game"), "205");
    EXPECT_EQ(read("Game_TreeNum"), "-30");

    // Cancel changes nothing.
    whenShown([](OpenGameDialog& d) {
        d.tvGames->setCurrentItem(d.findTag(200));
        d.btnCancel->click();
    });
    w().mnuOpenGame->trigger();
    EXPECT_EQ(ctx().reg.read(reg::Game), "205");
    EXPECT_EQ(read("Game"), "205");
}

TEST_F(OpenGameWindowTest, AFirstRunOpensTheDialogAndStartsTheChosenGame) {
    ASSERT_TRUE(startWithDialog());
    ASSERT_FALSE(ctx().run.isSet(Flag::GameInProgress));
    bool asked = false;
    whenShown([&asked](OpenGameDialog& d) {
        asked = true;
        // The remembered folder is open at the default game.
        EXPECT_EQ(d.tvGames->currentItem()->text(0), "Memory-Up (6x4)");
        d.tvGames->setCurrentItem(d.findTag(200));
        d.okClicked();
    });
    ctx().run.setFlag(Flag::FirstShowPending, 1);
    w().activated();
    EXPECT_TRUE(asked);
    EXPECT_EQ(ctx().reg.read(reg::Game), "200");
    EXPECT_EQ(ctx().P[50], 37);
    EXPECT_TRUE(ctx().run.isSet(Flag::GameInProgress));
    EXPECT_EQ(w().windowTitle().left(27), "Tessaro [Memory-Up (4x3)]  ");
}

TEST_F(OpenGameWindowTest, TheEndOfAGameAsksTheWindowsDialogAboutWonAndLostMarks) {
    dir.write("Data/Stat_e00.dat", "x");
    ASSERT_TRUE(startWithDialog());
    // The dialog is made when first needed, not at start-up.
    auto* lazy = dynamic_cast<shell::LazyGameSelection*>(w().selection());
    ASSERT_NE(lazy, nullptr);
    EXPECT_EQ(w().findChild<OpenGameDialog*>(), nullptr);
    auto* d = dynamic_cast<OpenGameDialog*>(&lazy->made());
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(w().endGame().selectionShowsWonLost());
    d->chkShowWonLost->setChecked(true);
    EXPECT_TRUE(w().endGame().selectionShowsWonLost());
    d->findTag(kAllGamesFolder)->setExpanded(true);
    ctx().mainGame.recordResult(203, true);
    w().endGame().refreshSelectionEntry(203);
    EXPECT_EQ(d->findTag(203)->icon(0).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
              dialogs::keyedPicture("TREE5_MEMORY_TYPE_WIN").toImage().convertToFormat(QImage::Format_ARGB32));
}

// The previews in the library: one per shipped game, each showing its table.
TEST_F(OpenGameTest, EveryShippedGameHasAPreviewThatShowsCards) {
    ASSERT_EQ(ctx().mainGame.lines().size(), 27u);
    for (std::size_t i = 0; i < ctx().mainGame.lines().size(); ++i) {
        const int game = ctx().mainGame.gameAt(static_cast<int>(i));
        const std::string name = "GAME" + std::string(game < 1000 ? "0" : "") + (game < 100 ? "0" : "") +
                                 (game < 10 ? "0" : "") + std::to_string(game);
        const QImage img = resources::bitmap(name).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(img.isNull()) << name;
        EXPECT_LE(img.width(), 224) << name;
        EXPECT_LE(img.height(), 160) << name;
        EXPECT_GE(img.width(), 120) << name;
        // The background is the table's plain green; cards cover much of it.
        const QRgb background = img.pixel(0, 0);
        EXPECT_EQ(background, qRgb(0, 96, 0)) << name;
        int differing = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != background) ++differing;
        EXPECT_GT(differing, img.width() * img.height() / 5) << name;
        EXPECT_EQ(img.pixel(img.width() - 1, img.height() - 1), background) << name;
    }
}

}  // namespace
}  // namespace tessaro
