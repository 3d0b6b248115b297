// Start-up of the program: defaults on a first start, the two missing files
// that end it, the remembered game, small screens, the colour advice and the
// files of earlier installations.
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "engine/context.h"
#include "shell/base_form.h"
#include "shell/resource_lookup.h"
#include "shell/splash_window.h"
#include "shell/table_area.h"
#include "shell_fixture.h"

namespace tessaro::test {
namespace {

bool mainWindowExists() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "TfrmMain") return true;
    return false;
}

std::string fileText(const std::filesystem::path& p) {
    QFile f(QString::fromStdString(p.string()));
    if (!f.open(QIODevice::ReadOnly)) return "<none>";
    return f.readAll().toStdString();
}

using StartupTest = ShellTest;

TEST_F(StartupTest, FirstStartWithoutSettingsUsesDefaultsAndSeedsPlayersAndRunCounter) {
    ASSERT_TRUE(start());
    const Register& r = ctx().reg;
    EXPECT_EQ(r.read(reg::Game), "0201");
    EXPECT_EQ(r.read(reg::GameName), "Memory-Up (6x4)");
    EXPECT_EQ(r.read(reg::Player), "Player 1");
    EXPECT_EQ(r.read(reg::CardFaceSet), "001");
    EXPECT_EQ(r.read(reg::SoundsOn), "Y");
    EXPECT_EQ(read("UserDefault"), "Player 1");
    EXPECT_EQ(read("User001", "Users"), "Player 1");
    EXPECT_EQ(read("User002", "Users"), "Player 2");
    EXPECT_EQ(read("User003", "Users"), "Player 3");
    EXPECT_EQ(read("Run_Exe", "Parameters"), "1");
    EXPECT_EQ(fileText(dir.path("VRAV0540.DAT")), "Solvara version: 05.40\n");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("Data")));
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_FALSE(sound.asked.empty());
    EXPECT_EQ(sound.asked[0], "Splash on");

    // Run-state flags of start-up; the clock text starts at zero.
    EXPECT_EQ(ctx().run.counter(Counter::MouseMoveStamp), -1);
    EXPECT_EQ(w().findChild<QLabel*>("lblTempo")->text(), "0:00:00");
    EXPECT_EQ(w().findChild<QLabel*>("lblScore")->text(), "0");
    EXPECT_EQ(w().helpFile(), QString::fromStdString(dir.folder()) + "solvara.hlp>proc");

    // Autoplay on by default, undo and redo available, cursors from the library.
    EXPECT_TRUE(w().mnuAutoplay->isChecked());
    EXPECT_TRUE(w().tb1Autoplay->isChecked());
    EXPECT_TRUE(w().mnuUndo->isEnabled());
    EXPECT_TRUE(w().findChild<QToolButton*>("tb1Redo")->isEnabled());
    EXPECT_EQ(w().tableCursorCount(), 12);

    // The first activation: caption, and the game selection on a first run.
    ctx().run.setFlag(Flag::FirstShowPending, 1);
    selection.opened = 0;
    w().activated();
    EXPECT_EQ(w().windowTitle().left(25), "Tessaro [Memory-Up (6x4)]");
    EXPECT_EQ(selection.opened, 1);
    // Cancelled: the remembered game is dealt rather than an empty table.
    EXPECT_TRUE(ctx().run.isSet(Flag::GameInProgress));
    EXPECT_EQ(ctx().P[50], 37);
    EXPECT_FALSE(ctx().run.isSet(Flag::FirstShowPending));
    w().activated();
    EXPECT_EQ(selection.opened, 1);
}

TEST_F(StartupTest, AStatisticsFileMeansNoSelectionDialogAtFirstActivation) {
    dir.write("Data/Stat_e07.dat", "x");
    ASSERT_TRUE(start());
    ctx().run.setFlag(Flag::FirstShowPending, 1);
    selection.opened = 0;
    w().activated();
    EXPECT_EQ(selection.opened, 0);
    EXPECT_TRUE(ctx().run.isSet(Flag::GameInProgress));
}

TEST_F(StartupTest, AnUnknownRememberedGameLeavesTheTableEmptyAfterACancelledChoice) {
    setting("Game", "8123");
    ASSERT_TRUE(start());
    ctx().run.setFlag(Flag::FirstShowPending, 1);
    selection.opened = 0;
    w().activated();
    EXPECT_EQ(selection.opened, 1);
    EXPECT_FALSE(ctx().run.isSet(Flag::GameInProgress));
}

TEST_F(StartupTest, RunCounterStopsAtNine) {
    setting("Run_Exe", "8", "Parameters");
    ASSERT_TRUE(start());
    EXPECT_EQ(read("Run_Exe", "Parameters"), "9");
    restart();
    EXPECT_EQ(read("Run_Exe", "Parameters"), "9");
}

TEST_F(StartupTest, MissingLibraryEndsStartUpWithItsLowerCasePath) {
    std::filesystem::remove(dir.path("VRA.RGF"));
    EXPECT_FALSE(start());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "error");
    EXPECT_EQ(dialogs.shown[0].text, "Can't find/load " + QString::fromStdString(dir.folder() + "VRA.RGF").toLower());
    EXPECT_EQ(startup->window(), nullptr);
    EXPECT_FALSE(mainWindowExists());
}

TEST_F(StartupTest, ALibraryThatIsNoResourceFileCountsAsMissing) {
    dir.write("VRA.RGF", "not a resource library");
    EXPECT_FALSE(start());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("Can't find/load "));
    EXPECT_FALSE(mainWindowExists());
}

TEST_F(StartupTest, MissingRulesFileEndsStartUpWithTheErrorBox) {
    std::filesystem::remove(dir.path("GAMES.DAT"));
    EXPECT_FALSE(start());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "error");
    EXPECT_EQ(dialogs.shown[0].title, "Error");
    EXPECT_EQ(dialogs.shown[0].text, "Cannot find file:\n" + QString::fromStdString(dir.folder()) +
                                         "GAMES.DAT\nCopy the file into the directory that above is specified\n"
                                         "or reinstall the program.");
    EXPECT_EQ(startup->window(), nullptr);
    EXPECT_FALSE(mainWindowExists());
}

TEST_F(StartupTest, RememberedGameOutsideTheCatalogueBecomesMinusOneWithBlankName) {
    struct Case {
        const char* game;
        const char* name;
    };
    for (const Case c : {Case{"777", "Lost game"}, Case{"8001", "My custom game"}}) {
        SCOPED_TRACE(c.game);
        setting("Game", c.game);
        setting("Game_Name", c.name);
        ASSERT_TRUE(start());
        EXPECT_EQ(ctx().reg.read(reg::Game), "-001");
        EXPECT_EQ(ctx().reg.read(reg::GameName), "");
    }
    setting("Game", "203");
    setting("Game_Name", "Ace-To-King");
    ASSERT_TRUE(start());
    EXPECT_EQ(ctx().reg.read(reg::Game), "0203");
    EXPECT_EQ(ctx().reg.read(reg::GameName), "Ace-To-King");
}

TEST_F(StartupTest, LowScreenTakesTheSmallBarAndCompactsTheReadouts) {
    ASSERT_TRUE(start(QSize(640, 480)));
    EXPECT_TRUE(w().pnl_TB_Little->isVisibleTo(w().pnlTB));
    EXPECT_FALSE(w().pnl_TB_Big->isVisibleTo(w().pnlTB));
    EXPECT_TRUE(w().pnl_sep_tb_small->isVisibleTo(w().pnlTB));
    EXPECT_FALSE(w().pnl_Sep_TB->isVisibleTo(w().pnlTB));
    EXPECT_TRUE(w().lblTempo2->isHidden());
    EXPECT_TRUE(w().pnl_Sep_TimeScore2->isHidden());
    EXPECT_TRUE(w().pnl_Sep_TimeScore3->isHidden());
    EXPECT_EQ(w().pnlTempo->width(), 75);
    EXPECT_EQ(w().pnlScore->width(), 75);
    EXPECT_EQ(w().lblTempo->x(), 20);
    EXPECT_EQ(w().pnlScore->x(), w().pnlTempo->x() + 75 + 5);
    EXPECT_EQ(w().minimumWidth(), 635);

    ASSERT_TRUE(start(QSize(1280, 500)));
    EXPECT_TRUE(w().pnl_TB_Big->isVisibleTo(w().pnlTB));
    EXPECT_FALSE(w().pnl_TB_Little->isVisibleTo(w().pnlTB));
    EXPECT_FALSE(w().lblTempo2->isHidden());
    EXPECT_EQ(w().pnlTempo->width(), 88);
    EXPECT_EQ(w().minimumWidth(), 780);
}

TEST_F(StartupTest, DisplayOf256ColoursShowsTheAdviceUntilTurnedOff) {
    dialogs.adviceTicked = true;
    ASSERT_TRUE(start(QSize(1024, 768), 8));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "advice");
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("At this time your video driver supports 256 colors or less."));
    EXPECT_EQ(read("Screen_Under_256_Colors", "Show_Messages"), "N");
    EXPECT_EQ(ctx().reg.read(reg::CardFaceSet), "003");
    dialogs.shown.clear();
    restart();
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StartupTest, SettingsShapeTheWindowAtStartUp) {
    setting("AutoPlay", "N");
    setting("Undo_Enabled", "2");
    setting("StatusBar", "Y");
    setting("Game000", "201", "Favourite Games");
    ASSERT_TRUE(start());
    EXPECT_FALSE(w().mnuAutoplay->isChecked());
    EXPECT_FALSE(w().mnuUndo->isEnabled());
    EXPECT_FALSE(w().mnuRedo->isEnabled());
    for (const char* name : {"tbUndo", "tbLUndo", "tb1Undo", "tbRedo", "tbLRedo", "tb1Redo"})
        EXPECT_FALSE(w().findChild<QToolButton*>(name)->isEnabled()) << name;
    EXPECT_TRUE(w().pnlStatusBar->isVisibleTo(&w()));
    EXPECT_TRUE(w().mnuFavourites->menuAction()->isVisible());

    setting("Game000", "", "Favourite Games");
    setting("StatusBar", "N");
    restart();
    EXPECT_FALSE(w().mnuFavourites->menuAction()->isVisible());
    EXPECT_FALSE(w().pnlStatusBar->isVisibleTo(&w()));
}

TEST_F(StartupTest, FilesOfEarlierInstallationsAreRemovedOnlyWhenTheFirstIsThere) {
    for (const char* f : {"IMAGES/GAME0000.BMP", "IMAGES/GAME0042.BMP", "IMAGES/GAME0101.BMP", "IMAGES/WM025.BMP",
                          "IMAGES/CB003S.BMP", "IMAGES/CL003H.BMP", "SOLVARA.DLL"})
        dir.write(f, "x");
    ASSERT_TRUE(start());
    EXPECT_FALSE(std::filesystem::exists(dir.path("IMAGES/GAME0000.BMP")));
    EXPECT_FALSE(std::filesystem::exists(dir.path("IMAGES/GAME0042.BMP")));
    EXPECT_TRUE(std::filesystem::exists(dir.path("IMAGES/GAME0101.BMP")));
    // Without "IMAGES\WB001.BMP" and "IMAGES\CB001C.BMP" their families stay.
    EXPECT_TRUE(std::filesystem::exists(dir.path("IMAGES/WM025.BMP")));
    EXPECT_TRUE(std::filesystem::exists(dir.path("IMAGES/CB003S.BMP")));
    EXPECT_TRUE(std::filesystem::exists(dir.path("IMAGES/CL003H.BMP")));
    EXPECT_FALSE(std::filesystem::exists(dir.path("SOLVARA.DLL")));

    dir.write("IMAGES/WB001.BMP", "x");
    dir.write("IMAGES/CB001C.BMP", "x");
    restart();
    EXPECT_FALSE(std::filesystem::exists(dir.path("IMAGES/WM025.BMP")));
    EXPECT_FALSE(std::filesystem::exists(dir.path("IMAGES/CB003S.BMP")));
    EXPECT_FALSE(std::filesystem::exists(dir.path("IMAGES/CL003H.BMP")));
}

TEST_F(StartupTest, SplashSoundFollowsItsSettingAndTheMasterSwitch) {
    setting("Sounds_Splash", "N");
    setting("Sounds_Enabled", "N");
    ASSERT_TRUE(start());
    ASSERT_FALSE(sound.asked.empty());
    EXPECT_EQ(sound.asked[0], "Splash off");
    EXPECT_EQ(ctx().reg.read(reg::SoundsOn), "N");
}

TEST_F(StartupTest, TableShowsTheChosenBackground) {
    setting("Background_def", "Y");
    ASSERT_TRUE(start());
    w().table()->drawTable(true);
    const QImage shown = w().table()->grab().toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(0, 96, 0));
    EXPECT_EQ(w().table()->tablePicture().size(), QSize(1280 + 30, 1024 + 30));

    // The fixed colour 32768 (green 128) shaded from black at the bottom.
    setting("Background_def", "N");
    restart();
    w().table()->drawTable(true);
    const QImage& picture = w().table()->tablePicture();
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 128, 0));
    EXPECT_EQ(picture.pixelColor(0, 1024), QColor(0, 0, 0));
}

TEST_F(StartupTest, VersionMarkerIsNotRewritten) {
    dir.write("VRAV0540.DAT", "kept\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(fileText(dir.path("VRAV0540.DAT")), "kept\n");
}

TEST(BaseFormTest, FontCheckIgnoresCaseAndWantsTheWholeName) {
    EXPECT_TRUE(shell::fontInstalled({"DejaVu Sans", "TAHOMA"}, "Tahoma"));
    EXPECT_FALSE(shell::fontInstalled({"Tahoma Bold", "DejaVu Sans"}, "Tahoma"));
    EXPECT_FALSE(shell::fontInstalled({}, "Tahoma"));
    const QString name = shell::baseFont().family();
    EXPECT_TRUE(name == "Tahoma" || name == "MS Sans Serif") << name.toStdString();
    EXPECT_EQ(shell::baseFont().pointSize(), 8);
}

TEST(SplashWindowTest, BorderlessOnTopCentredWithTwoLinesOfLegalText) {
    const QString library = QString(TESSARO_BIN_DIR) + "/VRA.RGF";
    ASSERT_TRUE(shell::loadLibrary(library));
    shell::SplashWindow s;
    const QImage shown = s.grab().toImage();
    if (qEnvironmentVariableIsSet("TESSARO_SPLASH_SHOT")) shown.save(qEnvironmentVariable("TESSARO_SPLASH_SHOT"));
    shell::unloadLibrary(library);
    // The band's picture at the top, white below it, the black legal band at the bottom.
    EXPECT_NE(shown.pixelColor(196, 24), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(388, 200), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(5, 300), QColor(Qt::black));
    EXPECT_EQ(s.size(), QSize(393, 309));
    EXPECT_TRUE(s.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(s.windowFlags() & Qt::WindowStaysOnTopHint);
    s.centreOn(QRect(0, 0, 1280, 1024));
    EXPECT_EQ(s.pos(), QPoint(443, 357));
    EXPECT_EQ(shell::SplashWindow::legalText().count('\n'), 1);
    EXPECT_EQ(s.findChild<QLabel*>("imgBand")->height(), 48);
}

}  // namespace
}  // namespace tessaro::test
