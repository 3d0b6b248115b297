#pragma once
// The main window TfrmMain: menus, the toolbars with the time and score
// read-outs, the card table, the one-second clock, and the start-up,
// activation and close steps that belong to the window.
#include <QMainWindow>
#include <QMap>
#include <QCursor>
#include <functional>
#include <memory>
#include <string>

#include "engine/game_ports.h"
#include "shell/shell_environment.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;
class QWidget;

namespace tessaro {
struct Context;
class PlayStatistics;
}

namespace tessaro::shell {

class TableArea;
class HelpWindow;
class WindowPresentation;
class WindowEndGame;

/// Result of the main initialisation.
enum class InitResult { Ok, NoLibrary, NoRulesFile, NoDataFolder };

class MainWindow : public QMainWindow, public ShellPort {
    Q_OBJECT
public:
    MainWindow(Context& ctx, ShellEnvironment& env, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- start-up and shut-down
    /// The main initialisation, in order; anything but Ok means the program
    /// must end (the message has been shown).
    InitResult initialise();
    /// Position, size and maximised state from the settings file; shows the window.
    void restoreWindowState();
    /// The activation handler: the first-show tasks while flag 4 is set.
    void activated();
    /// The close query: true when the window may close.
    bool closeQuery();
    /// Closes the window as the player would, without the "Exit Tessaro?"
    /// question: the program is being ended from outside (SIGTERM, SIGINT).
    void closeWithoutAsking();
    /// The close steps: end of game, stop sound, save autoplay and random
    /// game type, release.
    void shutDown();

    // --- toolbar and read-outs
    /// "Large icons" (true) or "Small icons".
    void setLargeIcons(bool large, bool store);
    /// "Flat button" (true) or "No flat button".
    void setFlatButtons(bool flat, bool store);
    /// Shows or hides the toolbars as ToolBar_Visible says and writes it back.
    void applyToolbarVisibility(bool visible, bool store);
    void showTimePanel(bool show, bool store);
    void showScorePanel(bool show, bool store);
    /// Places the time and score panels at the right of the visible bar.
    void layoutReadouts();
    /// Autoplay command's enabled state, with its glyphs.
    void setToolbarGlyphs(bool autoplayEnabled);
    /// Undo and redo commands' enabled state, with their glyphs.
    void setUndoGlyphs(bool enabled);
    /// Undo and redo each enabled only when they can act in the current game.
    void showUndoState();
    /// One tick of Timer1.
    void clockTimerTick();
    /// The score read-out from the register.
    void showScoreText();
    /// The clock read-out from the context's clock text.
    void showClockText();

    // --- commands
    void newGameCommand();
    /// Opens the game selection; true when a chosen game was opened.
    bool openGameCommand();
    /// Opens the game asked for on the command line; false when there is none of that number.
    bool openStartGame();
    void rulesHelp();
    /// The rules page of a game (help context game + 3000).
    void rulesHelpFor(int game);
    void helpContents();
    void aboutBox();
    void customizeCommand();
    void undoCommand();
    void redoCommand();
    /// "&Statistics...": the counts of the current game, any game selectable.
    void statisticsCommand();
    /// Counts a finished game and saves the statistics.
    void recordGame(int game, bool won, int score, long seconds);
    /// The player's statistics as read at start-up and kept since.
    PlayStatistics& statistics() const { return *stats_; }
    /// Makes a game the current one and deals it (catalogue's open game).
    bool openGame(int game, const std::string& name, const std::string& player, int newGameArgument, bool remember);

    // --- ShellPort
    void setCaption(std::string_view caption) override;
    void busyCursor(bool busy) override;
    void enableMenu(MenuItem item, bool enabled) override;
    void showAutoplay(bool on) override;
    void beep() override;
    void hidePilesSizeTip() override;
    void prepareTable() override;
    void animationHook(bool installed) override;
    void closeMainWindow() override;
    void undoStateChanged() override;

    // --- for the table and for tests
    TableArea* table() const { return table_; }
    /// Replaces the table area (the card-drawing table takes its place).
    void setTable(TableArea* table);
    Context& context() { return ctx_; }
    /// The game selection the window opens.
    GameSelection* selection() const { return env_.selection; }
    /// Help file name as the help commands use it.
    const QString& helpFile() const { return helpFile_; }
    /// A table cursor by number (10-15, 20-25); the arrow for others.
    QCursor tableCursor(int number) const;
    int tableCursorCount() const { return cursors_.size(); }
    bool largeIcons() const { return large_; }
    bool smallScreen() const { return env_.screenSize.height() < 500; }
    /// The window's end-of-game answers (winning animation, score sheet).
    WindowEndGame& endGame() const { return *endGame_; }
    /// The help window, once opened.
    HelpWindow* helpWindow() const { return help_; }
    /// Lays the table out again and draws it (a resize once the first show is done).
    void relayout();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbars();
    void buildReadouts();
    void buildHiddenPanels();
    void buildPopups();
    QToolButton* toolButton(QWidget* bar, const char* name, const QString& text, const char* glyph, int w, int h);
    void placeCompactBar();
    void hideUnusedCommands();
    void compactReadouts();
    void loadCursors();
    void applySettings();
    void removeOldFiles();
    void writeVersionMarker();
    void enableNewGameControls();
    void minimumSizeRule();
    void loadStatistics();
    QAction* hiddenAction(QMenu* menu, const char* name, const QString& caption);
    /// The keys desktop players expect beside those the rules give (Ctrl+N,
    /// Ctrl+Shift+Z, Ctrl+Q, F11), full screen, the read-outs' accessible
    /// names and the keyboard focus on the card table.
    void addPlayerKeys();
    void setFullScreen(bool on);

    Context& ctx_;
    ShellEnvironment& env_;
    TableArea* table_ = nullptr;
    std::unique_ptr<WindowPresentation> presentation_;
    std::unique_ptr<WindowEndGame> endGame_;
    std::unique_ptr<PlayStatistics> stats_;
    QWidget* central_ = nullptr;
    HelpWindow* help_ = nullptr;
    QString helpFile_;
    QString libraryPath_;
    bool libraryLoaded_ = false;
    QMap<int, QCursor> cursors_;
    bool large_ = true;
    bool flat_ = true;
    bool autoplayEnabled_ = true;
    bool undoEnabled_ = true;
    bool undoShown_ = true;
    bool redoShown_ = true;
    bool historyKnown_ = false;  ///< a game has been dealt: undo follows its history
    bool filterInstalled_ = false;
    bool closed_ = false;
    bool fullFromMaximized_ = false;  ///< the window was maximised when full screen began
    bool askBeforeClosing_ = true;

public:
    // Widgets under their window names (objectName as well).
    QMenu* mnuFile = nullptr;
    QMenu* mnuGame = nullptr;
    QMenu* mnuTools = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* mnuFavourites = nullptr;
    QAction* mnuNewGame = nullptr;
    QAction* mnuOpenGame = nullptr;
    QAction* mnuEsci = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuAutoplay = nullptr;
    QAction* mnuStatistics = nullptr;
    QAction* mnuCustomize = nullptr;
    QAction* mnuRules = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuPause = nullptr;
    QAction* mnuQuitGame = nullptr;
    QAction* mnuInsertBookmark = nullptr;
    QAction* mnuGoToBookmark = nullptr;
    QAction* mnuFavouritesSep = nullptr;
    QAction* mnuFullScreen = nullptr;
    QAction* mnuQuitKey = nullptr;  ///< Ctrl+Q for "E&xit", shown beside it

    QWidget* pnlTB = nullptr;
    QWidget* pnl_TB_Big = nullptr;
    QWidget* pnl_TB_Little = nullptr;
    QFrame* pnl_Sep_TB = nullptr;
    QFrame* pnl_sep_tb_small = nullptr;
    QWidget* pnlTB1 = nullptr;
    QFrame* pnlTempo = nullptr;
    QLabel* lblTempo = nullptr;
    QLabel* lblTempo2 = nullptr;
    QFrame* pnlScore = nullptr;
    QLabel* lblScore = nullptr;
    QLabel* lblScore2 = nullptr;
    QFrame* pnl_Sep_TimeScore = nullptr;
    QFrame* pnl_Sep_TimeScore2 = nullptr;
    QFrame* pnl_Sep_TimeScore3 = nullptr;
    QFrame* pnlPilesSize = nullptr;
    QLabel* lblPilesSize = nullptr;
    QFrame* pnlGauge_Memory = nullptr;
    QFrame* pnlStatusBar = nullptr;
    QLabel* lblStatusScore = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* popTB = nullptr;
    QMenu* popTime = nullptr;
    QMenu* popScore = nullptr;
    QMenu* popMain = nullptr;
    QAction* popLargeIcons = nullptr;
    QAction* popSmallIcons = nullptr;
    QAction* popFlat = nullptr;
    QAction* popNoFlat = nullptr;
    QAction* popShowTime = nullptr;
    QAction* popShowScore = nullptr;

    // Buttons: large bar (big and little inner bars) and compact bar.
    QToolButton *tbNew = nullptr, *tbOpen = nullptr, *tbUndo = nullptr, *tbRedo = nullptr, *tbRules = nullptr,
                *tbExit = nullptr;
    QToolButton *tbNewL = nullptr, *tbOpenL = nullptr, *tbUndoL = nullptr, *tbRedoL = nullptr, *tbRulesL = nullptr,
                *tbExitL = nullptr;
    QToolButton *tb1New = nullptr, *tb1Open = nullptr, *tb1Save = nullptr, *tb1Undo = nullptr, *tb1Redo = nullptr,
                *tb1Autoplay = nullptr, *tb1Statistics = nullptr, *tb1Rules = nullptr, *tb1Exit = nullptr,
                *tb1Restart = nullptr, *tb1FastSearch = nullptr;
    QFrame* tb1Sep[5] = {};
};

}  // namespace tessaro::shell
