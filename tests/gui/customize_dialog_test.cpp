// The customize dialog in a started program: what show selects, what OK
// writes into the register and the settings file, what Cancel leaves alone,
// the samples, and the table drawn again after it closes.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "dialogs/customize_dialog.h"
#include "engine/context.h"
#include "platform/qt/resources.h"
#include "shell/card_table_area.h"
#include "shell/resource_lookup.h"
#include "shell_fixture.h"
#include "table/hit.h"
#include "table/qt/card_images.h"

namespace tessaro::test {
namespace {

class CustomizeTest : public ShellTest {
protected:
    /// Starts the program with its window shown.
    void startShown() {
        ASSERT_TRUE(start());
        w().show();
    }
    std::unique_ptr<dialogs::CustomizeDialog> open(bool manyColours = true) {
        return std::make_unique<dialogs::CustomizeDialog>(ctx(), w(), QSize(1280, 1024), manyColours);
    }
    TableView* view() { return dynamic_cast<shell::CardTableArea*>(w().table())->view(); }
    std::string field(Field f) const { return startup->context().reg.read(f); }
    std::string wholeRegister() const {
        const Register& r = startup->context().reg;
        return r.read(1, 250) + "|" + r.read(251, 250) + "|" + r.read(501, 250);
    }
    QByteArray settingsBytes() const {
        QFile f(QString::fromStdString(dir.folder() + "Data/CFG.DAT"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    /// The middle of the card on top of tableau row `row`, in window coordinates.
    QPoint cardMiddle(int row) {
        const auto place = cardPlace(ctx(), ctx().piles.top({PileKind::Row, row}));
        EXPECT_TRUE(place);
        return place ? QPoint(place->rect.left + 35, place->rect.top + 48) : QPoint();
    }
};

// The tree as text: "folder(tag)[child(tag) ...]" for every node.
QString dump(const QTreeWidgetItem* item) {
    QString s = item->text(0) + "(" + QString::number(item->data(0, Qt::UserRole).toInt()) + ")";
    if (item->childCount() == 0) return s;
    s += "[";
    for (int i = 0; i < item->childCount(); ++i) s += (i ? " " : "") + dump(item->child(i));
    return s + "]";
}
QString dump(const QTreeWidget* tree) {
    QString s;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) s += (i ? " " : "") + dump(tree->topLevelItem(i));
    return s;
}
QString current(const QTreeWidget* tree) { return tree->currentItem() ? tree->currentItem()->text(0) : "<none>"; }

TEST_F(CustomizeTest, DialogShowsItsPagesTreesAndHiddenControls) {
    startShown();
    auto d = open();
    EXPECT_EQ(d->objectName(), "TfrmCustomize_Velmora");
    EXPECT_EQ(d->windowTitle(), "Customize");
    EXPECT_TRUE(d->isModal());
    ASSERT_EQ(d->pgcCustomize->count(), 4);
    EXPECT_EQ(d->pgcCustomize->tabText(0), "&General");
    EXPECT_EQ(d->pgcCustomize->tabText(1), "&Decks  ");
    EXPECT_EQ(d->pgcCustomize->tabText(2), "&Backgrounds");
    EXPECT_EQ(d->pgcCustomize->tabText(3), "&Sounds");

    const std::pair<QAbstractButton*, const char*> captions[] = {
        {d->chkLargeButtons, "&Large buttons"}, {d->chkFlatButtons, "&Flat buttons"},
        {d->chkShowTime, "Show &time"}, {d->chkShowScore, "Show sco&re"},
        {d->chkWinningAnimation, "&Winning animation"}, {d->chkConfirmQuitGame, "C&onfirm quit game"},
        {d->chkConfirmQuit, "Confirm on e&xit"}, {d->chkFadeBackground, "&Fade background"},
        {d->chkDisableSounds, "Disable all &sounds"}, {d->btnOK, "OK"}, {d->btnCancel, "Cancel"},
    };
    for (const auto& [button, caption] : captions) EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(d->grpButtons->title(), "Buttons ");
    EXPECT_EQ(d->grpTimeScores->title(), "Time / Scores options");
    EXPECT_EQ(d->grpShow->title(), "Show ");
    EXPECT_TRUE(d->grpButtons->isHidden());
    EXPECT_TRUE(d->grpShow->isHidden());
    EXPECT_FALSE(d->grpTimeScores->isHidden());
    EXPECT_EQ(d->lblDecks->text(), "Select a card back:");
    // The whole background tree shows without scrolling; on a low screen the
    // dialog still fits.
    EXPECT_EQ(d->tvBackgrounds->verticalScrollBar()->maximum(), 0);
    EXPECT_LE(dialogs::CustomizeDialog(ctx(), w(), QSize(640, 480), true).height(), 440);
    EXPECT_EQ(d->lblBackgrounds->text(), "Select a background:");

    EXPECT_EQ(dump(d->tvDecks),
              "Animals(0)[Tropical fish(19)] Children(0)[Snowman(3)] Flowers(0)[Roses(14)] "
              "Geometric(0)[Plaiting 1(11)] Paintings(0)[Boat(1)]");
    EXPECT_EQ(dump(d->tvBackgrounds),
              "Colors(0)[Blue(16711680) Green(32768) Navy(8388608) Olive(32896) Teal(8421376) White(16777215)] "
              "Over 256 colors(0)[Metal(0)[Metal gold(287)] Nature(0)[Meadow(324)] Tissue(0)[Moquette 1(296)] "
              "Walls(0)[Brick wall 1(304)] Wood(0)[Parquet(311)]] "
              "Under 256 colors(0)[Geometricals(0)[Moquette(102)]]");
    // Expanded folders show the open folder, leaves the leaf picture.
    auto same = [](const QIcon& icon, const char* name) {
        const QImage want = shell::picture(name).toImage().convertToFormat(QImage::Format_ARGB32);
        return !want.isNull() && icon.pixmap(want.size()).toImage().convertToFormat(QImage::Format_ARGB32) == want;
    };
    for (QTreeWidget* tree : {d->tvDecks, d->tvBackgrounds})
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            EXPECT_TRUE(same((*it)->icon(0), (*it)->childCount() ? "TREE2" : "N_TREE3")) << (*it)->text(0).toStdString();
    d->tvDecks->collapseItem(d->tvDecks->topLevelItem(0));
    EXPECT_TRUE(same(d->tvDecks->topLevelItem(0)->icon(0), "TREE1"));
    // Every back and background the trees offer is in the library.
    for (const auto& e : dialogs::cardBackEntries())
        EXPECT_TRUE(resources::hasBitmap("DB" + Register::zeroPadded(e.number, 3))) << e.name;
    for (const auto& e : dialogs::backgroundEntries())
        if (e.code <= 1000) {
            EXPECT_TRUE(resources::hasBitmap("B" + Register::zeroPadded(e.code, 3))) << e.name;
        }
}

TEST_F(CustomizeTest, ShowSelectsTheNodesTheRegisterHolds) {
    setting("Back_Card", "14");
    setting("Background_def", "N");
    setting("Background_Fixed_Col", "16777215");
    setting("Fade_Background", "N");
    setting("Sounds_Enabled", "N");
    setting("Show_Time", "N");
    setting("ConfirmQuitGame", "Y");
    setting("ConfirmQuit", "Y");
    startShown();
    {
        auto d = open();
        EXPECT_EQ(current(d->tvDecks), "Roses");
        EXPECT_EQ(d->lblDeckName->text(), "Roses");
        EXPECT_EQ(d->cardBack(), 14);
        EXPECT_EQ(current(d->tvBackgrounds), "White");
        EXPECT_EQ(d->backgroundCode(), 16777215);
        EXPECT_FALSE(d->chkFadeBackground->isChecked());
        EXPECT_TRUE(d->chkDisableSounds->isChecked());
        EXPECT_FALSE(d->chkShowTime->isChecked());
        EXPECT_TRUE(d->chkShowScore->isChecked());
        EXPECT_TRUE(d->chkConfirmQuitGame->isChecked());
        EXPECT_TRUE(d->chkConfirmQuit->isChecked());
        EXPECT_FALSE(d->chkLargeButtons->isChecked());
        EXPECT_TRUE(d->chkFlatButtons->isChecked());
        d->reject();
    }
    // A picture in use selects its node; the default background selects none.
    ctx().reg.write(reg::BackgroundFixedColour, "0");
    ctx().reg.write(reg::BackgroundPicture, "324");
    {
        auto d = open();
        EXPECT_EQ(current(d->tvBackgrounds), "Meadow");
        EXPECT_EQ(d->backgroundCode(), 324);
        d->reject();
    }
    ctx().reg.write(reg::BackgroundDefault, "Y");
    {
        auto d = open();
        EXPECT_EQ(current(d->tvBackgrounds), "<none>");
        EXPECT_EQ(d->backgroundCode(), 0);
        EXPECT_EQ(d->backgroundSamplePicture().pixel(100, 70), qRgb(0, 96, 0));
        d->reject();
    }
}

TEST_F(CustomizeTest, CancelLeavesRegisterSettingsAndTableAsTheyWere) {
    startShown();
    ASSERT_TRUE(w().openGame(201, "Memory-Up (6x4)", "Player 1", 2, true));
    const std::string reg = wholeRegister();
    const QByteArray settings = settingsBytes();
    const QImage table = view()->grab().toImage();

    auto d = open();
    ASSERT_TRUE(d->selectCardBack(19));
    ASSERT_TRUE(d->selectBackground(287));
    d->chkFadeBackground->setChecked(false);
    d->chkShowTime->setChecked(false);
    d->chkDisableSounds->setChecked(true);
    // The samples follow the choice while the dialog is open.
    QImage tile;
    loadNamedImage(tile, "B287");
    EXPECT_EQ(d->backgroundSamplePicture().pixel(5, 7), tile.pixel(5, 7));
    EXPECT_EQ(d->lblDeckName->text(), "Tropical fish");

    d->btnCancel->click();
    EXPECT_TRUE(d->cancelled());
    EXPECT_EQ(wholeRegister(), reg);
    EXPECT_EQ(settingsBytes(), settings);
    EXPECT_FALSE(w().pnlTempo->isHidden());
    EXPECT_TRUE(view()->grab().toImage() == table);
}

TEST_F(CustomizeTest, WhiteIsStoredAsFixedColourWithoutPicture) {
    setting("Background_bmp", "311");
    startShown();
    ASSERT_EQ(field(reg::BackgroundColour), "-2147483633");
    auto d = open();
    EXPECT_EQ(current(d->tvBackgrounds), "Parquet");
    ASSERT_TRUE(d->selectBackground(16777215));
    d->btnOK->click();
    EXPECT_FALSE(d->cancelled());
    EXPECT_EQ(field(reg::BackgroundFixedColour), "16777215");
    EXPECT_EQ(field(reg::BackgroundPicture), "0");
    EXPECT_EQ(field(reg::BackgroundDefault), "N");
    EXPECT_EQ(field(reg::BackgroundColour), "0");
    EXPECT_EQ(read("Background_Fixed_Col"), "16777215");
    EXPECT_EQ(read("Background_bmp"), "0");
    EXPECT_EQ(read("Background_Def"), "N");
    EXPECT_EQ(read("Background_Col"), "-2147483633");
    // The table is white now (fading is on: white at the top).
    EXPECT_EQ(w().table()->backgroundPicture().pixel(3, 0), qRgb(254, 254, 254));
}

TEST_F(CustomizeTest, PictureStoresItsCodeAndNoChoiceStoresTheDefault) {
    setting("Background_def", "Y");
    startShown();
    {
        // Nothing chosen: the default background stays.
        auto d = open();
        d->btnOK->click();
        EXPECT_EQ(field(reg::BackgroundDefault), "Y");
        EXPECT_EQ(field(reg::BackgroundPicture), "0");
        EXPECT_EQ(field(reg::BackgroundFixedColour), "0");
        EXPECT_EQ(field(reg::BackgroundColour), "0");
        EXPECT_EQ(read("Background_Def"), "Y");
        EXPECT_EQ(read("Background_bmp"), "0");
        EXPECT_EQ(read("Background_Fixed_Col"), "0");
        EXPECT_EQ(read("Background_Col"), "-2147483633");
        EXPECT_EQ(w().table()->backgroundPicture().pixel(10, 10), qRgb(0, 96, 0));
    }
    {
        auto d = open();
        ASSERT_TRUE(d->selectBackground(304));
        d->btnOK->click();
        EXPECT_EQ(field(reg::BackgroundPicture), "304");
        EXPECT_EQ(field(reg::BackgroundDefault), "N");
        EXPECT_EQ(field(reg::BackgroundFixedColour), "0");
        EXPECT_EQ(field(reg::BackgroundColour), "0");
        EXPECT_EQ(read("Background_bmp"), "304");
        EXPECT_EQ(read("Background_Def"), "N");
        EXPECT_EQ(read("Background_Fixed_Col"), "0");
        // The colour field was emptied by the picture: the button face is kept.
        EXPECT_EQ(read("Background_Col"), "-2147483633");
        QImage tile;
        loadNamedImage(tile, "B304");
        EXPECT_EQ(w().table()->backgroundPicture().pixel(130, 20), tile.pixel(130 % tile.width(), 20));
    }
    {
        // A folder is no choice: back to the default background.
        auto d = open();
        EXPECT_EQ(current(d->tvBackgrounds), "Brick wall 1");
        d->tvBackgrounds->setCurrentItem(d->tvBackgrounds->topLevelItem(1));
        EXPECT_EQ(d->backgroundCode(), 0);
        d->btnOK->click();
        EXPECT_EQ(field(reg::BackgroundDefault), "Y");
        EXPECT_EQ(read("Background_bmp"), "0");
    }
}

TEST_F(CustomizeTest, CustomColourHasNoNodeAndIsKeptByOk) {
    startShown();
    Register& r = ctx().reg;
    r.write(reg::BackgroundDefault, "N");
    r.write(reg::BackgroundPicture, "0");
    r.write(reg::BackgroundFixedColour, "0");
    r.write(reg::BackgroundColour, "255");  // red
    r.write(reg::FadeBackground, "N");
    {
        auto d = open();
        EXPECT_EQ(d->backgroundCode(), 1);
        EXPECT_EQ(current(d->tvBackgrounds), "<none>");
        EXPECT_EQ(d->backgroundSamplePicture().pixel(50, 50), qRgb(255, 0, 0));
        d->btnOK->click();
    }
    EXPECT_EQ(field(reg::BackgroundColour), "255");
    EXPECT_EQ(field(reg::BackgroundDefault), "N");
    EXPECT_EQ(field(reg::BackgroundPicture), "0");
    EXPECT_EQ(field(reg::BackgroundFixedColour), "0");
    EXPECT_EQ(read("Background_Col"), "255");
    EXPECT_EQ(read("Background_Def"), "N");
    EXPECT_EQ(w().table()->backgroundPicture().pixel(40, 40), qRgb(255, 0, 0));

    // An empty colour field keeps the button face as the custom colour.
    r.write(reg::BackgroundColour, "0");
    {
        auto d = open();
        ASSERT_TRUE(d->selectBackground(8388608));  // Navy
        d->show();
        d->close();  // closing the window is a cancel
        EXPECT_TRUE(d->cancelled());
    }
    EXPECT_EQ(field(reg::BackgroundFixedColour), "0");
    EXPECT_EQ(field(reg::BackgroundColour), "0");
    {
        auto d = open();
        ASSERT_TRUE(d->selectBackground(8388608));
        d->btnOK->click();
    }
    EXPECT_EQ(field(reg::BackgroundFixedColour), "8388608");
    EXPECT_EQ(read("Background_Fixed_Col"), "8388608");
    EXPECT_EQ(read("Background_Col"), "-2147483633");
    EXPECT_EQ(w().table()->backgroundPicture().pixel(40, 40), qRgb(0, 0, 128));
}

TEST_F(CustomizeTest, DisableAllSoundsStoresTheSoundsSwitchInverted) {
    startShown();
    ASSERT_EQ(field(reg::SoundsOn), "Y");
    {
        auto d = open();
        EXPECT_FALSE(d->chkDisableSounds->isChecked());
        d->chkDisableSounds->setChecked(true);
        d->btnOK->click();
    }
    EXPECT_EQ(field(reg::SoundsOn), "N");
    EXPECT_EQ(read("Sounds_Enabled"), "N");
    {
        // OK without a change keeps the sounds off.
        auto d = open();
        EXPECT_TRUE(d->chkDisableSounds->isChecked());
        d->btnOK->click();
    }
    EXPECT_EQ(field(reg::SoundsOn), "N");
    EXPECT_EQ(read("Sounds_Enabled"), "N");
    {
        auto d = open();
        d->chkDisableSounds->setChecked(false);
        d->btnOK->click();
    }
    EXPECT_EQ(field(reg::SoundsOn), "Y");
    EXPECT_EQ(read("Sounds_Enabled"), "Y");
}

TEST_F(CustomizeTest, OkWritesReadoutsConfirmationsAndToolbarSettings) {
    startShown();
    ASSERT_FALSE(w().pnlTempo->isHidden());
    auto d = open();
    d->chkShowTime->setChecked(false);
    d->chkConfirmQuitGame->setChecked(true);
    d->chkConfirmQuit->setChecked(true);
    d->chkFadeBackground->setChecked(false);
    d->btnOK->click();
    EXPECT_EQ(field(reg::ShowTime), "N");
    EXPECT_EQ(field(reg::ShowScore), "Y");
    EXPECT_EQ(field(reg::ConfirmQuit), "Y");
    EXPECT_EQ(field(reg::FadeBackground), "N");
    EXPECT_TRUE(w().pnlTempo->isHidden());
    EXPECT_FALSE(w().pnlScore->isHidden());
    EXPECT_TRUE(w().popShowTime->isEnabled());
    const std::pair<const char*, const char*> keys[] = {
        {"Show_Time", "N"},     {"Show_Score", "Y"},      {"ConfirmQuitGame", "Y"},   {"ConfirmQuit", "Y"},
        {"ToolBar_Large", "N"}, {"ToolBar_Flat", "Y"},    {"Winning_Animation", "Y"}, {"Fade_Background", "N"},
        {"Back_Card", "11"},    {"Sounds_Enabled", "Y"},
    };
    for (const auto& [key, value] : keys) EXPECT_EQ(read(key), value) << key;

    // The next start reads the same settings back.
    d.reset();
    restart();
    EXPECT_EQ(field(reg::ShowTime), "N");
    EXPECT_TRUE(w().pnlTempo->isHidden());
    EXPECT_EQ(field(reg::ConfirmQuit), "Y");
}

TEST_F(CustomizeTest, NewBackIsDrawnOnTheTableAfterOk) {
    setting("Card_Size", "B");  // the library's big backs, pixel for pixel
    startShown();
    ASSERT_TRUE(w().openGame(201, "Memory-Up (6x4)", "Player 1", 2, true));
    ASSERT_TRUE(ctx().cards.faceDown(ctx().piles.top({PileKind::Row, 0})));
    const QPoint at = cardMiddle(0);
    QImage back011, back019;
    loadNamedImage(back011, "DB011");
    loadNamedImage(back019, "DB019");
    ASSERT_NE(back011.pixel(35, 48), back019.pixel(35, 48));
    EXPECT_EQ(view()->grab().toImage().pixel(at), back011.pixel(35, 48));

    auto d = open();
    ASSERT_TRUE(d->selectCardBack(19));
    // The sample shows the new back in the middle of the sample.
    const QImage& sample = d->deckSamplePicture();
    EXPECT_EQ(sample.pixel(sample.width() / 2 - 35 + 20, sample.height() / 2 - 48 + 30), back019.pixel(20, 30));
    d->btnOK->click();
    EXPECT_EQ(field(reg::CardBack), "019");
    EXPECT_EQ(read("Back_Card"), "19");
    EXPECT_EQ(view()->grab().toImage().pixel(at), back019.pixel(35, 48));
    EXPECT_EQ(view()->grab().toImage().pixel(cardMiddle(3)), back019.pixel(35, 48));
}

TEST_F(CustomizeTest, ChoicesSurviveARestart) {
    startShown();
    {
        auto d = open();
        ASSERT_TRUE(d->selectCardBack(3));
        ASSERT_TRUE(d->selectBackground(102));
        d->chkFadeBackground->setChecked(false);
        d->btnOK->click();
    }
    restart();
    EXPECT_EQ(field(reg::CardBack), "003");
    EXPECT_EQ(field(reg::BackgroundPicture), "102");
    EXPECT_EQ(field(reg::BackgroundDefault), "N");
    EXPECT_EQ(field(reg::FadeBackground), "N");
    auto d = open();
    EXPECT_EQ(current(d->tvDecks), "Snowman");
    EXPECT_EQ(d->lblDeckName->text(), "Snowman");
    EXPECT_EQ(current(d->tvBackgrounds), "Moquette");
    EXPECT_FALSE(d->chkFadeBackground->isChecked());
    d->reject();
}

TEST_F(CustomizeTest, FadeShadesOnlyColourSamplesAndOnlyOnManyColours) {
    startShown();
    auto d = open();
    ASSERT_TRUE(d->selectBackground(16711680));  // Blue
    d->chkFadeBackground->setChecked(true);
    const QImage& s = d->backgroundSamplePicture();
    EXPECT_EQ(s.pixel(10, 0), qRgb(0, 0, 254));
    EXPECT_EQ(s.pixel(10, s.height() - 1), qRgb(0, 0, 0));
    d->chkFadeBackground->setChecked(false);
    EXPECT_EQ(d->backgroundSamplePicture().pixel(10, 0), qRgb(0, 0, 255));
    EXPECT_EQ(d->backgroundSamplePicture().pixel(10, d->backgroundSamplePicture().height() - 1), qRgb(0, 0, 255));
    d->reject();

    // A display of 256 colours shows the flat colour however the box is set.
    auto few = open(false);
    ASSERT_TRUE(few->selectBackground(32768));  // Green
    few->chkFadeBackground->setChecked(true);
    EXPECT_EQ(few->backgroundSamplePicture().pixel(10, 0), qRgb(0, 128, 0));
    EXPECT_EQ(few->backgroundSamplePicture().pixel(10, 150), qRgb(0, 128, 0));
    few->reject();
}

TEST_F(CustomizeTest, WholePictureSampleIsTheTableScaledDown) {
    ASSERT_TRUE(start());
    dialogs::SampleDisplay d;
    d.size = QSize(160, 120);
    d.table = QSize(1600, 1200);
    const QImage sample = dialogs::backgroundSample(500, d);
    QImage picture;
    loadNamedImage(picture, "B500");
    ASSERT_EQ(picture.size(), QSize(800, 600));
    // The picture fills the top-left quarter; beyond it the default green.
    EXPECT_EQ(sample.pixel(150, 110), qRgb(0, 96, 0));
    EXPECT_EQ(sample.pixel(5, 110), qRgb(0, 96, 0));
    EXPECT_NE(sample.pixel(40, 30), qRgb(0, 96, 0));
}

TEST_F(CustomizeTest, TableMenuEntriesAndTheCommandOpenTheDialog) {
    startShown();
    std::vector<QString> seen;
    auto closeWhenShown = [&seen] {
        QTimer::singleShot(0, [&seen] {
            QWidget* modal = QApplication::activeModalWidget();
            seen.push_back(modal ? modal->objectName() + " " + modal->windowTitle() : QStringLiteral("<none>"));
            if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
        });
    };
    const QList<QAction*> entries = w().popMain->actions();
    ASSERT_GE(entries.size(), 3);
    for (int i = 0; i < 3; ++i) {
        closeWhenShown();
        entries[i]->trigger();
    }
    closeWhenShown();
    w().mnuCustomize->trigger();
    EXPECT_EQ(seen, std::vector<QString>(4, QStringLiteral("TfrmCustomize_Velmora Customize")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace tessaro::test
