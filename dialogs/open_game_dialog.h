#pragma once
// The game selection dialog TfrmOpenGame "Open a game": the catalogue's games
// in a tree under the folder "All games (alphabetically)", the description of
// the selected game with its pictures and its preview, and "OK" to make it the
// current game. It is created once at start-up and shown by "&Open a game...",
// by a first run and after a won game.
#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "shell/shell_environment.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessaro {
struct Context;
}

namespace tessaro::dialogs {

/// The dialog's pictures of the library with the tree's key colour (128, 0, 0)
/// made transparent.
QPixmap keyedPicture(const std::string& name);

class OpenGameDialog : public QDialog, public shell::GameSelection {
    Q_OBJECT
public:
    /// Builds the dialog: the icons and description pictures, the settings
    /// Game_TreeNum, Open_Preview_Game and Open_Show_Won_Lost, the game list.
    /// `screenWidth` is what the screen check measures; `manyColours` false
    /// draws the preview on plain dark green.
    OpenGameDialog(Context& ctx, QWidget* parent, int screenWidth, bool manyColours = true);
    ~OpenGameDialog() override;

    /// Opens the rules of a game (help context game + 3000).
    void setRulesHelp(std::function<void(int game)> help) { rulesHelp_ = std::move(help); }

    // GameSelection: shows the dialog modally; true with the chosen game.
    bool choose(int& game, std::string& name) override;
    bool showsWonLost() const override;
    void refreshEntry(int game) override;

    /// The steps before the dialog is shown: opens the remembered folder with
    /// the current game selected, describes the selection, starts the timer.
    void prepareShow();
    /// "OK" (and a double click on a game).
    void okClicked();
    /// "Rules".
    void rulesClicked();

    /// The game and name of the last "chosen" result.
    int chosenGame() const { return chosenGame_; }
    const std::string& chosenName() const { return chosenName_; }
    /// The node of a tag; nullptr when the tree has none.
    QTreeWidgetItem* findTag(int tag) const;
    /// The icon name a game's node shows.
    std::string iconNameOf(int game) const;
    /// The preview picture as shown (its saved background when there is none).
    QPixmap previewShown() const { return preview_; }

    // Widgets under their window names (objectName as well).
    QTreeWidget* tvGames = nullptr;
    QStackedWidget* pnlDescription = nullptr;
    QWidget* pnlGeneral = nullptr;
    QWidget* pnlGame = nullptr;
    QLabel* lblGameName = nullptr;
    QLabel* lblObjective = nullptr;
    QLabel* imgDifficulty = nullptr;
    QLabel* lblDifficulty = nullptr;
    QLabel* imgChance = nullptr;
    QLabel* lblChance = nullptr;
    QLabel* imgTime = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* imgSkill = nullptr;
    QLabel* lblSkill = nullptr;
    QLabel* lblRedeals = nullptr;
    QLabel* lblDecks = nullptr;
    QLabel* imgPreview = nullptr;
    QCheckBox* chkPreview = nullptr;
    QCheckBox* chkShowWonLost = nullptr;
    QCheckBox* chkShowAtStartup = nullptr;  ///< "Show at start-up"
    QPushButton* btnOK = nullptr;
    QPushButton* btnRules = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnStatistics = nullptr;
    QPushButton* btnOpenSaved = nullptr;
    QPushButton* btnDemo = nullptr;
    QLabel* lblPlayer = nullptr;
    QComboBox* cboPlayer = nullptr;
    QTimer* Timer1 = nullptr;

public slots:
    void done(int result) override;

private:
    void buildWidgets();
    void buildDesignedTree();
    /// Folders of the games by kind (tag kKindFolderBase - category).
    void addKindFolders();
    void loadPictures();
    QIcon icon(const std::string& name) const;
    /// Fills a folder whose only child is the placeholder; selects `select`.
    void fillFolder(QTreeWidgetItem* folder, int select);
    void describeSelection();
    void drawPreview(int game);
    void setDescribed(QLabel* picture, QLabel* text, const std::string& pictureName, const std::string& value);
    void refreshIcons();
    void timerTick();

    Context& ctx_;
    int screenWidth_;
    bool manyColours_;
    std::function<void(int)> rulesHelp_;
    std::vector<std::string> gameList_;
    std::map<std::string, QIcon> icons_;
    QPixmap savedBackground_;
    QPixmap preview_;
    int openFolder_ = 0;       ///< the remembered folder to open; 0 for none
    std::uint32_t selectionTime_ = 0;  ///< tick count of the last selection change
    int chosenGame_ = -1;
    std::string chosenName_;
};

}  // namespace tessaro::dialogs
