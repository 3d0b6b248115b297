#pragma once
// The customize dialog TfrmCustomize_Velmora, caption "Customize": toolbar,
// time and score read-outs, confirmations, card back, table background and
// sounds. Every setting lives twice, in the configuration register (what the
// running program reads) and in the settings file (what the next start reads);
// OK writes both, Cancel puts back the register fields the dialog may have
// touched. Either way the table is laid out and drawn again on close, with
// the card pictures and the background read afresh.
#include <QDialog>
#include <QImage>
#include <QSize>
#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessaro {
struct Context;
}

namespace tessaro::shell {
class MainWindow;
struct ShellEnvironment;
}  // namespace tessaro::shell

namespace tessaro::dialogs {

/// One card back of the tree: its folder, its name and its number.
struct CardBackEntry {
    const char* folder;
    const char* name;
    int number;
};

/// One background of the tree: its folder, its subfolder (nullptr: none),
/// its name and its background code (a colour value or a picture number).
struct BackgroundEntry {
    const char* folder;
    const char* subfolder;
    const char* name;
    int code;
};

const std::array<CardBackEntry, 5>& cardBackEntries();
const std::array<BackgroundEntry, 12>& backgroundEntries();

/// How the background sample of a code is drawn.
struct SampleDisplay {
    QSize size;                 ///< the sample's size
    QSize table;                ///< the table: screen size less the toolbar
    bool fade = false;          ///< "&Fade background" ticked
    bool manyColours = true;    ///< the display shows more than 256 colours
    int storedColour = 0;       ///< the custom colour (code 1)
};

/// The background sample of a code: the default green for no choice, a
/// colour flat or (fade on a display of more than 256 colours) shaded from
/// black at the bottom, a tile picture (below 500) tiled at its own size, a
/// whole picture (500 and up) placed on the table's size and scaled down.
QImage backgroundSample(int code, const SampleDisplay& display);

class CustomizeDialog : public QDialog {
    Q_OBJECT
public:
    /// Builds the dialog and shows the register's settings in it (busy
    /// cursor meanwhile). `screen` and `manyColours` describe the display.
    CustomizeDialog(Context& ctx, shell::MainWindow& window, QSize screen, bool manyColours);

    /// The background code of the tree's choice (0: none).
    int backgroundCode() const { return backgroundCode_; }
    /// The number of the card back chosen (0: none yet).
    int cardBack() const { return cardBack_; }
    /// True once the dialog closed without OK.
    bool cancelled() const { return cancelled_; }
    /// The pictures the samples show.
    const QImage& backgroundSamplePicture() const { return backgroundSample_; }
    const QImage& deckSamplePicture() const { return deckSample_; }

    /// Makes the node carrying `tag` the current one of a tree; false when no
    /// node carries it.
    bool selectBackground(int code);
    bool selectCardBack(int number);

    /// The close steps (both ways): the register is restored or written
    /// once more, then the table is laid out and drawn again.
    void done(int result) override;

    // Widgets under their window names (objectName as well).
    QTabWidget* pgcCustomize = nullptr;
    QWidget* tabGeneral = nullptr;
    QWidget* tabDecks = nullptr;
    QWidget* tabBackgrounds = nullptr;
    QWidget* tabSounds = nullptr;
    QGroupBox* grpButtons = nullptr;
    QCheckBox* chkLargeButtons = nullptr;
    QCheckBox* chkFlatButtons = nullptr;
    QGroupBox* grpTimeScores = nullptr;
    QCheckBox* chkShowTime = nullptr;
    QCheckBox* chkShowScore = nullptr;
    QGroupBox* grpMiss = nullptr;
    QComboBox* cboMissTime = nullptr;  ///< "Show a miss for"
    QGroupBox* grpShow = nullptr;
    QCheckBox* chkWinningAnimation = nullptr;
    QGroupBox* grpConfirm = nullptr;
    QCheckBox* chkConfirmQuitGame = nullptr;
    QCheckBox* chkConfirmQuit = nullptr;
    QLabel* lblDecks = nullptr;
    QTreeWidget* tvDecks = nullptr;
    QLabel* imgDeckSample = nullptr;
    QLabel* lblDeckName = nullptr;
    QLabel* lblCardSize = nullptr;
    QComboBox* cboCardSize = nullptr;
    QLabel* lblBackgrounds = nullptr;
    QTreeWidget* tvBackgrounds = nullptr;
    QLabel* imgBackgroundSample = nullptr;
    QCheckBox* chkFadeBackground = nullptr;
    QCheckBox* chkDisableSounds = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    void buildGeneralPage();
    void buildDecksPage();
    void buildBackgroundsPage();
    void buildSoundsPage();
    void fillDeckTree();
    void fillBackgroundTree();
    /// The show steps: keep the register fields, tick and select as the
    /// register and the settings file say, draw the samples.
    void showSettings();
    SampleDisplay sampleDisplay(QSize size) const;
    void drawBackgroundSample();
    void drawDeckSample();
    void deckChosen(QTreeWidgetItem* item);
    void backgroundChosen(QTreeWidgetItem* item);
    void okClicked();
    /// Fade, card back and background rule into the register.
    void writeSelections();
    void centreOnScreen();
    int treeHeight() const;

    Context& ctx_;
    shell::MainWindow& window_;
    QSize screen_;
    bool manyColours_;
    int backgroundCode_ = 0;
    int cardBack_ = 0;
    int storedColour_ = 0;
    bool cancelled_ = false;
    bool closing_ = false;
    // Register fields 128, 24, 135, 21, 43, 28, 47, 27 and 179 as at show.
    std::array<std::string, 9> kept_;
    QImage backgroundSample_;
    QImage deckSample_;
};

/// Opens the dialog modally over the main window (the window's customize hook).
void showCustomizeDialog(Context& ctx, shell::MainWindow& window, const shell::ShellEnvironment& env);

}  // namespace tessaro::dialogs
