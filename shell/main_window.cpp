#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "dialogs/statistics_dialog.h"
#include "engine/autoplay.h"
#include "engine/clock.h"
#include "engine/context.h"
#include "engine/end_game.h"
#include "engine/new_game.h"
#include "engine/sounds.h"
#include "engine/undo.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "shell/about_box.h"
#include "shell/base_form.h"
#include "shell/help_window.h"
#include "shell/key_list_menu.h"
#include "shell/resource_lookup.h"
#include "shell/shell_dialogs.h"
#include "shell/card_size_menu.h"
#include "shell/card_table_area.h"
#include "shell/table_area.h"
#include "shell/window_presentation.h"
#include "shell/preview_gauge.h"
#include "shell/window_end_game.h"
#include "stores/catalogue.h"
#include "stores/open_game.h"
#include "stores/play_statistics.h"
#include "stores/program_folder.h"
#include "stores/rules_file.h"
#include "stores/settings.h"
#include "stores/statistics.h"
#include "table/layout.h"
#include "table/rule_limits.h"

namespace tessaro::shell {

namespace {

std::string str(const QString& s) { return s.toStdString(); }
const char* yn(bool on) { return on ? "Y" : "N"; }

// The twelve table cursors and the numbers they go under.
struct CursorEntry {
    int number;
    const char* name;
};
constexpr CursorEntry kCursors[] = {
    {10, "CUR_ARROW1A"},      {20, "CUR_ARROW1B"},      {11, "CUR_ARROW2A"},      {21, "CUR_ARROW2B"},
    {12, "CUR_RIGHT_HAND1A"}, {22, "CUR_RIGHT_HAND1B"}, {13, "CUR_RIGHT_HAND2A"}, {23, "CUR_RIGHT_HAND2B"},
    {14, "CUR_LEFT_HAND1A"},  {24, "CUR_LEFT_HAND1B"},  {15, "CUR_LEFT_HAND2A"},  {25, "CUR_LEFT_HAND2B"},
};

constexpr int kLargeBarHeight = 61;
constexpr int kCompactBarHeight = 24;
constexpr int kReadoutWidth = 88;
constexpr int kCompactReadoutWidth = 75;

const QString kAdvice256 = QStringLiteral(
    "At this time your video driver supports 256 colors or less. This program takes advantage of the 16 bit "
    "(65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. \r"
    "If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen "
    "resolution using the Display Properties Settings in the Control Panel.");

// Preparing the table as the main window does it: the rules file, the
// display-size check and the commands that depend on the game.
class WindowTableHost : public TableHost {
public:
    explicit WindowTableHost(MainWindow& w) : w_(w) {}
    void reloadRules(Context& ctx) override {
        try {
            loadPlayableRules(ctx);
        } catch (const RulesFileError& e) {
            ctx.dialogs->info(e.what());
        }
    }
    void cardSizeChanged(Context&) override { w_.table()->cardSizeChanged(); }
    void processPaint() override { w_.repaint(); }
    void enableCustomize() override { w_.mnuCustomize->setEnabled(true); }
    void setGameCommands(const GameCommandStates& s) override {
        // choice: rule parameter 19 = 1 takes autoplay away from a game, as
        // parameter 21 = 1 takes away undo and redo.
        w_.setToolbarGlyphs(s.autoplay != 1);
        w_.setUndoGlyphs(s.undoRedo && w_.context().reg.read(reg::UndoMode) != "2");
    }

private:
    MainWindow& w_;
};

QFrame* separator(QWidget* parent, const char* name, int x, int y, int h) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    f->setGeometry(x, y, 6, h);
    return f;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

// ------------------------------------------------------------------ building

MainWindow::MainWindow(Context& ctx, ShellEnvironment& env, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), env_(env) {
    setObjectName(QStringLiteral("TfrmMain"));
    applyBaseFont(this);
    ctx_.shell = this;
    if (env_.dialogs) ctx_.dialogs = env_.dialogs;
    presentation_ = std::make_unique<WindowPresentation>(*this);
    ctx_.presentation = presentation_.get();
    endGame_ = std::make_unique<WindowEndGame>(*this);
    ctx_.endGame = endGame_.get();

    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("pnlClient"));
    auto* column = new QVBoxLayout(central_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central_);

    buildMenus();
    buildToolbars();
    buildReadouts();
    table_ = new CardTableArea(ctx_, central_);
    table_->setDisplay(env_.screenSize, env_.manyColours());
    static_cast<CardTableArea*>(table_)->view()->setCursorSource([this](int n) { return tableCursor(n); });
    column->addWidget(pnlTB);
    column->addWidget(pnlTB1);
    column->addWidget(table_, 1);
    buildHiddenPanels();
    column->addWidget(pnlStatusBar);
    buildPopups();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::clockTimerTick);
    Timer1->start();

    // The clock text starts at zero.
    ctx_.clockText = "0:00:00";
    showClockText();
    minimumSizeRule();
    addPlayerKeys();
}

MainWindow::~MainWindow() {
    if (filterInstalled_) qApp->removeEventFilter(this);
    if (ctx_.shell == this) ctx_.shell = &ctx_.nullShell;
    if (ctx_.presentation == presentation_.get()) ctx_.presentation = &ctx_.nullPresentation;
    if (ctx_.endGame == endGame_.get()) ctx_.endGame = &ctx_.nullEndGame;
    if (ctx_.dialogs == env_.dialogs) ctx_.dialogs = &ctx_.nullDialogs;
    if (libraryLoaded_) unloadLibrary(libraryPath_);
}

QAction* MainWindow::hiddenAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    mnuFile = new KeyListMenu(QStringLiteral("&File"), this);
    bar->addMenu(mnuFile);
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNewGame = hiddenAction(mnuFile, "mnuNewGame", QStringLiteral("&New game"));
    mnuNewGame->setShortcut(QKeySequence(Qt::Key_F2));
    mnuOpenGame = hiddenAction(mnuFile, "mnuOpenGame", QStringLiteral("&Open a game..."));
    mnuOpenGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F12));
    hiddenAction(mnuFile, "mnuFastSearch", QStringLiteral("&Fast search..."));
    hiddenAction(mnuFile, "mnuRestart", QStringLiteral("&Restart this game"));
    hiddenAction(mnuFile, "mnuRandomGame", QStringLiteral("R&andom game"));
    hiddenAction(mnuFile, "mnuGameNumber", QStringLiteral("Select game &number..."));
    hiddenAction(mnuFile, "mnuSave", QStringLiteral("&Save..."));
    hiddenAction(mnuFile, "mnuHoldExit", QStringLiteral("&Hold and exit..."));
    mnuQuitGame = hiddenAction(mnuFile, "mnuQuitGame", QStringLiteral("&Quit game"));
    hiddenAction(mnuFile, "mnuPlayers", QStringLiteral("P&layers..."));
    mnuFavouritesSep = mnuFile->addSeparator();
    mnuFavouritesSep->setObjectName(QStringLiteral("mnuFavouritesSep"));
    mnuFavourites = mnuFile->addMenu(QStringLiteral("Fa&vorite games"));
    mnuFavourites->setObjectName(QStringLiteral("mnuFavourites"));
    mnuFile->addSeparator();
    mnuEsci = hiddenAction(mnuFile, "mnuEsci", QStringLiteral("E&xit"));

    mnuGame = new KeyListMenu(QStringLiteral("&Game"), this);
    bar->addMenu(mnuGame);
    mnuGame->setObjectName(QStringLiteral("mnuGame"));
    mnuUndo = hiddenAction(mnuGame, "mnuUndo", QStringLiteral("&Undo"));
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = hiddenAction(mnuGame, "mnuRedo", QStringLiteral("&Redo"));
    mnuRedo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    mnuGame->addSeparator();
    mnuAutoplay = hiddenAction(mnuGame, "mnuAutoplay", QStringLiteral("Au&toplay"));
    mnuAutoplay->setShortcut(QKeySequence(Qt::Key_F7));
    mnuAutoplay->setCheckable(true);
    mnuStatistics = hiddenAction(mnuGame, "mnuStatistics", QStringLiteral("&Statistics..."));
    mnuPause = hiddenAction(mnuGame, "mnuPause", QStringLiteral("P&ause"));
    mnuInsertBookmark = hiddenAction(mnuGame, "mnuInsertBookmark", QStringLiteral("Insert &bookmark"));
    mnuGoToBookmark = hiddenAction(mnuGame, "mnuGoToBookmark", QStringLiteral("Go &to bookmark"));
    hiddenAction(mnuGame, "mnuGameInformation", QStringLiteral("Game &information..."));
    hiddenAction(mnuGame, "mnuShowLegalMove", QStringLiteral("Show a &legal move"));
    hiddenAction(mnuGame, "mnuDemo", QStringLiteral("&Demo"));
    hiddenAction(mnuGame, "mnuCardCounter", QStringLiteral("&Card counter"));
    hiddenAction(mnuGame, "mnuComments", QStringLiteral("Co&mments..."));
    hiddenAction(mnuGame, "mnuSeries", QStringLiteral("&Series..."));
    mnuGame->addSeparator();
    addCardSizeMenu(*this, mnuGame);

    mnuTools = new KeyListMenu(QStringLiteral("&Tools"), this);
    bar->addMenu(mnuTools);
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuCustomize = hiddenAction(mnuTools, "mnuCustomize", QStringLiteral("C&ustomize..."));
    mnuCustomize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    hiddenAction(mnuTools, "mnuFavouritesEditor", QStringLiteral("&Favorite games list..."));
    hiddenAction(mnuTools, "mnuRuleCustomisation", QStringLiteral("&Rules customization..."));
    hiddenAction(mnuTools, "mnuGameStatistics", QStringLiteral("&Game statistics..."));
    hiddenAction(mnuTools, "mnuHiScores", QStringLiteral("&Hi-Scores..."));
    hiddenAction(mnuTools, "mnuLogStatistics", QStringLiteral("&Log statistics..."));
    hiddenAction(mnuTools, "mnuPlayersStatistics", QStringLiteral("&Players' statistics..."));
    hiddenAction(mnuTools, "mnuAllGamesStatistics", QStringLiteral("&All games statistics..."));
    hiddenAction(mnuTools, "mnuOverallScore", QStringLiteral("O&verall score..."));

    mnuHelp = new KeyListMenu(QStringLiteral("&Help"), this);
    bar->addMenu(mnuHelp);
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuRules = hiddenAction(mnuHelp, "mnuRules", QStringLiteral("&Rules"));
    mnuRules->setShortcut(QKeySequence(Qt::Key_F1));
    mnuContents = hiddenAction(mnuHelp, "mnuContents", QStringLiteral("&Contents"));
    hiddenAction(mnuHelp, "mnuTipOfTheDay", QStringLiteral("&Tip of the day..."));
    hiddenAction(mnuHelp, "mnuProductNews", QStringLiteral("Product &news..."));
    hiddenAction(mnuHelp, "mnuProgramUpdate", QStringLiteral("Program &update..."));
    hiddenAction(mnuHelp, "mnuPublishScore", QStringLiteral("&Publish overall score..."));
    hiddenAction(mnuHelp, "mnuChampions", QStringLiteral("&Champions page..."));
    mnuHelp->addSeparator();
    mnuAbout = hiddenAction(mnuHelp, "mnuAbout", QStringLiteral("A&bout [Program]..."));

    connect(mnuNewGame, &QAction::triggered, this, &MainWindow::newGameCommand);
    connect(mnuOpenGame, &QAction::triggered, this, &MainWindow::openGameCommand);
    connect(mnuEsci, &QAction::triggered, this, &QWidget::close);
    connect(mnuAutoplay, &QAction::triggered, this, [this] {
        // The action has already inverted its check mark; the engine inverts it again.
        mnuAutoplay->setChecked(ctx_.autoplay.checked);
        toggleAutoplay(ctx_);
    });
    connect(mnuCustomize, &QAction::triggered, this, &MainWindow::customizeCommand);
    connect(mnuRules, &QAction::triggered, this, &MainWindow::rulesHelp);
    connect(mnuContents, &QAction::triggered, this, &MainWindow::helpContents);
    connect(mnuAbout, &QAction::triggered, this, &MainWindow::aboutBox);
    connect(mnuStatistics, &QAction::triggered, this, &MainWindow::statisticsCommand);
    connect(mnuUndo, &QAction::triggered, this, &MainWindow::undoCommand);
    connect(mnuRedo, &QAction::triggered, this, &MainWindow::redoCommand);
}

QToolButton* MainWindow::toolButton(QWidget* bar, const char* name, const QString& text, const char* glyph, int w,
                                    int h) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedSize(w, h);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setProperty("hint", QString(text).remove(QLatin1Char('&')));
    b->setToolTip(b->property("hint").toString());
    const QPixmap glyphPicture = picture(glyph);
    if (!glyphPicture.isNull()) b->setIcon(QIcon(glyphPicture));
    if (w >= 40) {
        b->setText(text);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(24, 24));
    } else {
        b->setIconSize(QSize(16, 16));
        if (glyphPicture.isNull()) b->setText(text.left(1));
    }
    return b;
}

void MainWindow::buildToolbars() {
    // The large bar: one of two inner bars, and the read-outs at its right.
    pnlTB = new QWidget(central_);
    pnlTB->setObjectName(QStringLiteral("pnlTB"));
    pnlTB->setFixedHeight(kLargeBarHeight);
    pnlTB->setContextMenuPolicy(Qt::CustomContextMenu);

    auto buildBar = [this](QWidget* bar, int w, int h, int gap, const char* prefix, bool big) {
        int x = 4;
        const int y = (kLargeBarHeight - h) / 2;
        auto add = [&](QToolButton*& slot, const char* suffix, const QString& text, const char* glyph) {
            const std::string name = std::string(prefix) + suffix;
            slot = toolButton(bar, name.c_str(), text, glyph, w, h);
            slot->move(x, y);
            x += w + gap;
        };
        auto sep = [&](const char* name) {
            separator(bar, name, x + 1, y, h);
            x += 8;
        };
        const std::string sep1 = std::string(prefix) + "Sep1", sep2 = std::string(prefix) + "Sep2";
        QToolButton** buttons[6] = {big ? &tbNew : &tbNewL,   big ? &tbOpen : &tbOpenL,   big ? &tbUndo : &tbUndoL,
                                  big ? &tbRedo : &tbRedoL, big ? &tbRules : &tbRulesL, big ? &tbExit : &tbExitL};
        add(*buttons[0], "New", QStringLiteral("New"), big ? "TBL_NEW" : "TB_NEW");
        add(*buttons[1], "Open", QStringLiteral("Open"), big ? "TBL_OPEN" : "TB_OPEN");
        sep(sep1.c_str());
        add(*buttons[2], "Undo", QStringLiteral("Undo"), big ? "TBL_UNDO" : "TB_UNDO");
        add(*buttons[3], "Redo", QStringLiteral("Redo"), big ? "TBL_REDO" : "TB_REDO");
        sep(sep2.c_str());
        add(*buttons[4], "Rules", QStringLiteral("Rules"), big ? "TBL_RULES" : "TB_RULES");
        add(*buttons[5], "Exit", QStringLiteral("Exit"), big ? "TBL_EXIT" : "TB_EXIT");
        bar->setGeometry(0, 0, x + 4, kLargeBarHeight);
    };
    pnl_TB_Big = new QWidget(pnlTB);
    pnl_TB_Big->setObjectName(QStringLiteral("pnl_TB_Big"));
    buildBar(pnl_TB_Big, 44, 40, 1, "tb", true);
    pnl_TB_Little = new QWidget(pnlTB);
    pnl_TB_Little->setObjectName(QStringLiteral("pnl_TB_Little"));
    buildBar(pnl_TB_Little, 23, 22, 0, "tbL", false);
    pnl_TB_Little->hide();

    pnl_Sep_TB = new QFrame(pnlTB);
    pnl_Sep_TB->setObjectName(QStringLiteral("pnl_Sep_TB"));
    pnl_Sep_TB->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    pnl_sep_tb_small = new QFrame(pnlTB);
    pnl_sep_tb_small->setObjectName(QStringLiteral("pnl_sep_tb_small"));
    pnl_sep_tb_small->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    pnl_sep_tb_small->hide();

    // The compact bar: one row of small buttons at fixed places.
    pnlTB1 = new QWidget(central_);
    pnlTB1->setObjectName(QStringLiteral("pnlTB1"));
    pnlTB1->setFixedHeight(kCompactBarHeight);
    pnlTB1->setContextMenuPolicy(Qt::CustomContextMenu);
    pnlTB1->hide();
    auto small = [this](QToolButton*& slot, const char* name, const QString& text, const char* glyph) {
        slot = toolButton(pnlTB1, name, text, glyph, 23, 22);
        slot->move(0, 1);
    };
    small(tb1New, "tb1New", QStringLiteral("New"), "TB_NEW");
    small(tb1Open, "tb1Open", QStringLiteral("Open"), "TB_OPEN");
    small(tb1Save, "tb1Save", QStringLiteral("Save"), "TB_SAVE");
    small(tb1Undo, "tb1Undo", QStringLiteral("Undo"), "TB_UNDO");
    small(tb1Redo, "tb1Redo", QStringLiteral("Redo"), "TB_REDO");
    small(tb1Autoplay, "tb1Autoplay", QStringLiteral("Autoplay"), "TB_AUTOPLAY");
    tb1Autoplay->setCheckable(true);
    small(tb1Statistics, "tb1Statistics", QStringLiteral("Statistics"), "TB_STATISTICS");
    small(tb1Rules, "tb1Rules", QStringLiteral("Rules"), "TB_RULES");
    small(tb1Exit, "tb1Exit", QStringLiteral("Exit"), "TB_EXIT");
    small(tb1Restart, "tb1Restart", QStringLiteral("Restart"), "TB_RESTART");
    small(tb1FastSearch, "tb1FastSearch", QStringLiteral("Fast Search"), "TB_FASTSEARCH");
    for (int i = 0; i < 5; ++i) {
        const std::string name = "tb1Sep" + std::to_string(i + 1);
        tb1Sep[i] = separator(pnlTB1, name.c_str(), 0, 1, 22);
    }

    // Toolbar buttons call the menu handlers once pending repaints are done.
    auto route = [this](QToolButton* b, QAction* a) {
        connect(b, &QToolButton::clicked, this, [this, a] {
            repaint();
            a->trigger();
        });
    };
    for (QToolButton* b : {tbNew, tbNewL, tb1New}) route(b, mnuNewGame);
    for (QToolButton* b : {tbOpen, tbOpenL, tb1Open}) route(b, mnuOpenGame);
    for (QToolButton* b : {tbUndo, tbUndoL, tb1Undo}) route(b, mnuUndo);
    for (QToolButton* b : {tbRedo, tbRedoL, tb1Redo}) route(b, mnuRedo);
    for (QToolButton* b : {tbRules, tbRulesL, tb1Rules}) route(b, mnuRules);
    for (QToolButton* b : {tbExit, tbExitL, tb1Exit}) route(b, mnuEsci);
    connect(tb1Autoplay, &QToolButton::clicked, this, [this] {
        tb1Autoplay->setChecked(ctx_.autoplay.checked);
        repaint();
        toggleAutoplay(ctx_);
    });
}

void MainWindow::buildReadouts() {
    auto panel = [this](QFrame*& slot, const char* name) {
        slot = new QFrame(pnlTB);
        slot->setObjectName(QString::fromLatin1(name));
        slot->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        slot->resize(kReadoutWidth, 19);
        slot->setContextMenuPolicy(Qt::CustomContextMenu);
    };
    panel(pnlTempo, "pnlTempo");
    lblTempo2 = label(pnlTempo, "lblTempo2", QStringLiteral("Time:"));
    lblTempo = label(pnlTempo, "lblTempo", QString());
    lblTempo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panel(pnlScore, "pnlScore");
    lblScore2 = label(pnlScore, "lblScore2", QStringLiteral("Score:"));
    lblScore = label(pnlScore, "lblScore", QStringLiteral("0"));
    lblScore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : {lblTempo2, lblScore2}) l->setGeometry(4, 4, 38, 14);
    for (QLabel* l : {lblTempo, lblScore}) l->setGeometry(36, 4, kReadoutWidth - 36 - 5, 14);

    pnl_Sep_TimeScore = separator(pnlTB, "pnl_Sep_TimeScore", 0, 0, 24);
    pnl_Sep_TimeScore2 = separator(pnlTB, "pnl_Sep_TimeScore2", 0, 0, 24);
    pnl_Sep_TimeScore3 = separator(pnlTB, "pnl_Sep_TimeScore3", 0, 0, 24);
}

void MainWindow::buildHiddenPanels() {
    pnlPilesSize = new QFrame(table_);
    pnlPilesSize->setObjectName(QStringLiteral("pnlPilesSize"));
    pnlPilesSize->setFrameStyle(QFrame::Box | QFrame::Plain);
    pnlPilesSize->setAutoFillBackground(true);
    auto* tip = new QVBoxLayout(pnlPilesSize);
    tip->setContentsMargins(4, 2, 4, 2);
    lblPilesSize = label(pnlPilesSize, "lblPilesSize", QStringLiteral("12 cards"));
    tip->addWidget(lblPilesSize);
    tip->addWidget(label(pnlPilesSize, "lblPilesSize2", QStringLiteral("in this pile")));
    pnlPilesSize->adjustSize();
    pnlPilesSize->installEventFilter(this);
    pnlPilesSize->hide();

    pnlGauge_Memory = new QFrame(table_);
    pnlGauge_Memory->setObjectName(QStringLiteral("pnlGauge_Memory"));
    pnlGauge_Memory->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlGauge_Memory->setAutoFillBackground(true);
    auto* gauge = new QHBoxLayout(pnlGauge_Memory);
    gauge->addWidget(label(pnlGauge_Memory, "lblGaugeCount", QStringLiteral("10")));
    gauge->addWidget(label(pnlGauge_Memory, "lblGaugeText", QStringLiteral("second(s) remains")));
    auto* bar = new QProgressBar(pnlGauge_Memory);
    bar->setObjectName(QStringLiteral("ProgressBar1"));
    bar->setRange(0, 10);
    bar->setTextVisible(false);
    gauge->addWidget(bar);
    pnlGauge_Memory->adjustSize();
    pnlGauge_Memory->hide();

    pnlStatusBar = new QFrame(central_);
    pnlStatusBar->setObjectName(QStringLiteral("pnlStatusBar"));
    pnlStatusBar->setFixedHeight(20);
    auto* status = new QHBoxLayout(pnlStatusBar);
    status->setContentsMargins(2, 1, 2, 1);
    for (const char* name : {"pnlStatusBar1", "pnlStatusBar2"}) {
        auto* part = new QFrame(pnlStatusBar);
        part->setObjectName(QString::fromLatin1(name));
        part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        status->addWidget(part, 1);
    }
    // The status line's first part shows the score with the score to win.
    auto* scorePart = pnlStatusBar->findChild<QFrame*>(QStringLiteral("pnlStatusBar1"));
    lblStatusScore = new QLabel(scorePart);
    lblStatusScore->setObjectName(QStringLiteral("lblStatusScore"));
    (new QHBoxLayout(scorePart))->setContentsMargins(4, 0, 4, 0);
    scorePart->layout()->addWidget(lblStatusScore);
    pnlStatusBar->hide();
}

void MainWindow::buildPopups() {
    popTB = new QMenu(this);
    popTB->setObjectName(QStringLiteral("popTB"));
    popLargeIcons = popTB->addAction(QStringLiteral("Large icons"));
    popSmallIcons = popTB->addAction(QStringLiteral("Small icons"));
    popTB->addSeparator();
    popFlat = popTB->addAction(QStringLiteral("Flat button"));
    popNoFlat = popTB->addAction(QStringLiteral("No flat button"));
    popTB->addSeparator();
    popShowTime = popTB->addAction(QStringLiteral("Show time"));
    popShowScore = popTB->addAction(QStringLiteral("Show score"));
    for (QAction* a : {popLargeIcons, popSmallIcons, popFlat, popNoFlat}) a->setCheckable(true);
    popLargeIcons->setObjectName(QStringLiteral("popLargeIcons"));
    popSmallIcons->setObjectName(QStringLiteral("popSmallIcons"));
    popFlat->setObjectName(QStringLiteral("popFlat"));
    popNoFlat->setObjectName(QStringLiteral("popNoFlat"));
    popShowTime->setObjectName(QStringLiteral("popShowTime"));
    popShowScore->setObjectName(QStringLiteral("popShowScore"));
    connect(popLargeIcons, &QAction::triggered, this, [this] { setLargeIcons(true, true); });
    connect(popSmallIcons, &QAction::triggered, this, [this] { setLargeIcons(false, true); });
    connect(popFlat, &QAction::triggered, this, [this] { setFlatButtons(true, true); });
    connect(popNoFlat, &QAction::triggered, this, [this] { setFlatButtons(false, true); });
    connect(popShowTime, &QAction::triggered, this, [this] { showTimePanel(true, true); });
    connect(popShowScore, &QAction::triggered, this, [this] { showScorePanel(true, true); });

    popTime = new QMenu(this);
    popTime->setObjectName(QStringLiteral("popTime"));
    QAction* hideTime = popTime->addAction(QStringLiteral("&Hide"));
    connect(hideTime, &QAction::triggered, this, [this] { showTimePanel(false, true); });
    popScore = new QMenu(this);
    popScore->setObjectName(QStringLiteral("popScore"));
    QAction* hideScore = popScore->addAction(QStringLiteral("Hide"));
    connect(hideScore, &QAction::triggered, this, [this] { showScorePanel(false, true); });

    popMain = new QMenu(this);
    popMain->setObjectName(QStringLiteral("popMain"));
    for (const char* text : {"Change card set", "Change deck", "Change background"})
        connect(popMain->addAction(QString::fromLatin1(text)), &QAction::triggered, this,
                &MainWindow::customizeCommand);

    auto popupAt = [](QMenu* menu, QWidget* w) {
        return [menu, w](const QPoint& p) { menu->popup(w->mapToGlobal(p)); };
    };
    connect(pnlTB, &QWidget::customContextMenuRequested, this, popupAt(popTB, pnlTB));
    connect(pnlTB1, &QWidget::customContextMenuRequested, this, popupAt(popTB, pnlTB1));
    connect(pnlTempo, &QWidget::customContextMenuRequested, this, popupAt(popTime, pnlTempo));
    connect(pnlScore, &QWidget::customContextMenuRequested, this, popupAt(popScore, pnlScore));
}

void MainWindow::setTable(TableArea* table) {
    auto* column = static_cast<QVBoxLayout*>(central_->layout());
    column->replaceWidget(table_, table);
    for (QWidget* w : {static_cast<QWidget*>(pnlPilesSize), static_cast<QWidget*>(pnlGauge_Memory)})
        w->setParent(table);
    delete table_;
    table_ = table;
    table_->setDisplay(env_.screenSize, env_.manyColours());
}

// ------------------------------------------------------------- start-up

InitResult MainWindow::initialise() {
    Register& r = ctx_.reg;
    // 1. The resource library.
    libraryPath_ = QString::fromStdString(programFile(r, "VRA.RGF"));
    libraryLoaded_ = loadLibrary(libraryPath_);
    if (!libraryLoaded_) {
        env_.dialogs->error(QStringLiteral("Tessaro"), QStringLiteral("Can't find/load ") + libraryPath_.toLower());
        return InitResult::NoLibrary;
    }
    // Glyphs come from the library, which the toolbars were built without.
    for (QToolButton* b : findChildren<QToolButton*>()) {
        static const QMap<QString, QString> kGlyphs = {
            {"tbNew", "TBL_NEW"},         {"tbOpen", "TBL_OPEN"},       {"tbUndo", "TBL_UNDO"},
            {"tbRedo", "TBL_REDO"},       {"tbRules", "TBL_RULES"},     {"tbExit", "TBL_EXIT"},
            {"tbLNew", "TB_NEW"},         {"tbLOpen", "TB_OPEN"},       {"tbLUndo", "TB_UNDO"},
            {"tbLRedo", "TB_REDO"},       {"tbLRules", "TB_RULES"},     {"tbLExit", "TB_EXIT"},
            {"tb1New", "TB_NEW"},         {"tb1Open", "TB_OPEN"},       {"tb1Undo", "TB_UNDO"},
            {"tb1Redo", "TB_REDO"},       {"tb1Autoplay", "TB_AUTOPLAY"}, {"tb1Rules", "TB_RULES"},
            {"tb1Exit", "TB_EXIT"},
        };
        const auto it = kGlyphs.find(b->objectName());
        if (it == kGlyphs.end()) continue;
        const QPixmap glyph = picture(it.value().toStdString());
        if (glyph.isNull()) continue;
        b->setIcon(QIcon(glyph));
        if (b->width() < 40) b->setText(QString());
    }

    // 2. Captions that carry the program's name.
    mnuAbout->setText(QString::fromStdString(replacePlaceholders(str(mnuAbout->text()))));
    // 3. Bookmarks.
    mnuInsertBookmark->setEnabled(false);
    mnuGoToBookmark->setEnabled(false);
    // 4. Title, commands without a function here, the compact bar.
    QCoreApplication::setApplicationName(QStringLiteral("Tessaro"));
    hideUnusedCommands();
    placeCompactBar();
    // 5. Large or small inner bar by screen height.
    const bool tall = !smallScreen();
    pnl_TB_Big->setVisible(tall);
    pnl_Sep_TB->setVisible(tall);
    pnl_TB_Little->setVisible(!tall);
    pnl_sep_tb_small->setVisible(!tall);
    if (!tall) compactReadouts();
    // 6. Table cursors.
    loadCursors();
    // 7. The application's message handling stays as it is until the
    //    winning animation installs its filter (animationHook).
    // 8. Working values and run-state flags.
    ctx_.mainGame.playMode = 0;
    ctx_.mainGame.idle = 0;
    ctx_.drag.clear();
    ctx_.run.startUp();
    ctx_.run.setCounter(Counter::MouseMoveStamp, -1);
    // 9. Help file.
    helpFile_ = QString::fromStdString(r.read(reg::ProgramFolder)) + QStringLiteral("solvara.hlp>proc");
    // 10. The data folder. Without it no setting or score could be kept, so
    //     the program ends rather than run on losing them.
    const DataFolderState data = prepareDataFolder(r);
    if (data != DataFolderState::Writable) {
        const QString folder = QString::fromStdString(programFile(r, "Data"));
        const QString why = QStringLiteral("\nThe program keeps its settings and scores there.\n");
        QString text;
        switch (data) {
        case DataFolderState::NotAFolder:
            text = QStringLiteral("Cannot create the data folder:\n") + folder + why +
                   QStringLiteral("Remove the file of that name or reinstall the program.");
            break;
        case DataFolderState::CannotCreate:
            text = QStringLiteral("Cannot create the data folder:\n") + folder + why +
                   (r.userRoot().empty()
                        ? QStringLiteral("The program folder is read-only: allow writing to it or reinstall the program.")
                        : QStringLiteral("Allow writing to the folder above it."));
            break;
        default:
            text = QStringLiteral("Cannot write to the data folder:\n") + folder + why +
                   QStringLiteral("Allow writing to the folder or reinstall the program.");
            break;
        }
        env_.dialogs->error(QStringLiteral("Error"), text);
        return InitResult::NoDataFolder;
    }
    // 11. Settings.
    applySettings();
    // 12. Card table and empty piles.
    ctx_.cards.reset();
    ctx_.piles.clear();
    // 13. The rules file must be there.
    const std::string rulesPath = rulesFilePath(r);
    if (!fileExists(rulesPath)) {
        env_.dialogs->error(QStringLiteral("Error"),
                            QStringLiteral("Cannot find file:\n") + QString::fromStdString(rulesPath) +
                                QStringLiteral("\nCopy the file into the directory that above is specified\n"
                                               "or reinstall the program."));
        return InitResult::NoRulesFile;
    }
    // 14. The catalogue. A rules file that cannot be read ends the program
    //     like a missing one: no game could be played from it.
    try {
        buildCatalogue(ctx_);
    } catch (const RulesFileError& e) {
        env_.dialogs->error(QStringLiteral("Error"), QString::fromStdString(e.what()));
        return InitResult::NoRulesFile;
    }
    // An empty or garbled file yields no games at all: nothing could be
    // played, so it ends the program like a missing one.
    if (ctx_.mainGame.lines().empty()) {
        env_.dialogs->error(QStringLiteral("Error"),
                            QStringLiteral("The file is damaged, it holds no games:\n") +
                                QString::fromStdString(rulesPath) +
                                QStringLiteral("\nCopy the file into the directory that above is specified\n"
                                               "or reinstall the program."));
        return InitResult::NoRulesFile;
    }
    // 15. The remembered game.
    checkRememberedGame(ctx_);
    // 16. Card metrics.
    WindowTableHost host(*this);
    setCardSize(ctx_, host);
    // 17. Undo and redo.
    setUndoGlyphs(r.read(reg::UndoMode) != "2");
    // 18. Activation handler (changeEvent) and the random seed.
    ctx_.rng.setSeed(clockSeed());
    // 19. Version marker.
    writeVersionMarker();
    // 20. Files of earlier installations.
    removeOldFiles();
    // The player's statistics, with the won and lost marks they give.
    loadStatistics();
    // 21. Working values.
    ctx_.mainGame.stockPressed = 0;
    ctx_.mainGame.lowestDrawnBottom = 0;
    ctx_.mainGame.moves = 0;
    showScoreText();
    return InitResult::Ok;
}

void MainWindow::hideUnusedCommands() {
    static const char* const kUnused[] = {
        "mnuFastSearch", "mnuRestart", "mnuRandomGame", "mnuGameNumber", "mnuSave", "mnuHoldExit",
        "mnuQuitGame", "mnuPlayers", "mnuPause", "mnuInsertBookmark", "mnuGoToBookmark", "mnuGameInformation",
        "mnuShowLegalMove", "mnuDemo", "mnuCardCounter", "mnuComments", "mnuSeries", "mnuFavouritesEditor",
        "mnuRuleCustomisation", "mnuGameStatistics", "mnuHiScores", "mnuLogStatistics", "mnuPlayersStatistics",
        "mnuAllGamesStatistics", "mnuOverallScore", "mnuTipOfTheDay", "mnuProductNews", "mnuProgramUpdate",
        "mnuPublishScore", "mnuChampions"};
    for (const char* name : kUnused) {
        if (auto* a = findChild<QAction*>(QString::fromLatin1(name))) {
            a->setVisible(false);
            a->setEnabled(false);
        }
    }
    for (QToolButton* b : {tb1Restart, tb1Statistics, tb1FastSearch, tb1Save}) {
        b->hide();
        b->setEnabled(false);
    }
}

void MainWindow::placeCompactBar() {
    tb1New->move(2, 1);
    tb1Open->move(25, 1);
    tb1Sep[0]->move(53, 1);
    tb1Undo->move(59, 1);
    tb1Redo->move(82, 1);
    tb1Sep[1]->move(108, 1);
    tb1Autoplay->move(113, 1);
    tb1Sep[2]->move(139, 1);
    tb1Rules->move(144, 1);
    tb1Sep[3]->move(170, 1);
    tb1Exit->move(175, 1);
    tb1Sep[4]->resize(0, tb1Sep[4]->height());
    tb1Sep[4]->move(200, 1);
}

void MainWindow::compactReadouts() {
    lblTempo2->hide();
    pnlTempo->resize(kCompactReadoutWidth, pnlTempo->height());
    pnlScore->resize(kCompactReadoutWidth, pnlScore->height());
    pnl_Sep_TimeScore2->hide();
    pnl_Sep_TimeScore3->hide();
    pnl_Sep_TB->hide();
    pnl_sep_tb_small->show();
}

void MainWindow::loadCursors() {
    cursors_.clear();
    for (const CursorEntry& c : kCursors) {
        QCursor cursor;
        if (libraryCursor(c.name, cursor)) cursors_.insert(c.number, cursor);
    }
}

QCursor MainWindow::tableCursor(int number) const { return cursors_.value(number, QCursor(Qt::ArrowCursor)); }

void MainWindow::applySettings() {
    Register& r = ctx_.reg;
    loadSettings(ctx_, DisplayInfo{env_.manyColours()});
    const Profile ini = settingsFile(r);
    const auto pref = section::Preference;

    // Toolbar size, button style and the read-outs, without writing back.
    applyToolbarVisibility(ini.readString(pref, "ToolBar_Visible", "Y") == "Y", false);

    if (!env_.manyColours() && ini.readString(section::ShowMessages, "Screen_Under_256_Colors", "Y") != "N") {
        if (env_.dialogs->advice(kAdvice256)) ini.writeString(section::ShowMessages, "Screen_Under_256_Colors", "N");
    }
    seedPlayers(ctx_);
    const bool favourites = !ini.readString(section::FavouriteGames, "Game000", "").empty();
    mnuFavourites->menuAction()->setVisible(favourites);
    mnuFavouritesSep->setVisible(favourites);
    countRun(r);

    if (ctx_.mainGame.autoplayScope == 1) {
        if (ini.readString(pref, "AutoPlay", "Y") == "Y") {
            ctx_.autoplay.checked = false;
            mnuAutoplay->setChecked(false);
            toggleAutoplay(ctx_);
        }
    } else {
        loadAutoplaySetting(ctx_, r.readInt(reg::Game, -1));
    }

    pnlStatusBar->setVisible(r.read(reg::StatusBar) != "N");
    const int cursor = r.readInt(reg::Cursor, 10);
    if (cursor == 10) table_->unsetCursor();
    else table_->setCursor(tableCursor(cursor));
    setShadowDepth(ctx_);
}

void MainWindow::writeVersionMarker() {
    const std::string path = userFile(ctx_.reg, "VRAV0540.DAT");
    if (fileExists(path)) return;
    const std::string version = "0540";
    // Written whole or not at all: an interrupted write must not leave a
    // marker that a later start would take as complete.
    replaceFile(path, "Solvara version: " + version.substr(0, 2) + "." + version.substr(2, 2) + "\n");
}

void MainWindow::removeOldFiles() {
    const Register& r = ctx_.reg;
    auto exists = [&](const std::string& rel) { return fileExists(programFile(r, rel)); };
    auto remove = [&](const std::string& rel) {
        std::error_code ec;
        const std::string path = programFile(r, rel);
        if (fileExists(path)) std::filesystem::remove(path, ec);
    };
    auto padded = [](int n, int width) { return Register::zeroPadded(n, width); };
    if (exists("IMAGES\\GAME0000.BMP"))
        for (int i = 0; i <= 100; ++i) remove("IMAGES\\GAME" + padded(i, 4) + ".BMP");
    if (exists("IMAGES\\WB001.BMP"))
        for (int i = 0; i <= 25; ++i)
            for (const char* p : {"IMAGES\\WB", "IMAGES\\WM", "IMAGES\\WP"}) remove(p + padded(i, 3) + ".BMP");
    if (exists("IMAGES\\CB001C.BMP")) {
        for (int i = 1; i <= 5; ++i)
            for (const char* s : {"C", "D", "H", "S"}) remove("IMAGES\\CB" + padded(i, 3) + s + ".BMP");
        for (const char* size : {"CM", "CL"})
            for (const char* s : {"C", "D", "H", "S"}) remove(std::string("IMAGES\\") + size + "003" + s + ".BMP");
    }
    if (exists("SOLVARA.DLL")) remove("SOLVARA.DLL");
}

void MainWindow::restoreWindowState() {
    const Profile ini = settingsFile(ctx_.reg);
    const auto pref = section::Preference;
    const QSize screen = env_.screenSize;
    const int left = ini.readInt(pref, "MainWindowState_Left", setting::kDefaultWindowLeft);
    const int top = ini.readInt(pref, "MainWindowState_Top", setting::kDefaultWindowTop);
    const int width = ini.readInt(pref, "MainWindowState_Width", screen.width() - setting::kWindowSizeMargin);
    const int height = ini.readInt(pref, "MainWindowState_Height", screen.height() - setting::kWindowSizeMargin);
    // The first show draws the table itself (showEvent); a window shown
    // already is drawn here.
    const bool drawnOnShow = !isVisible() && ctx_.run.isSet(Flag::FirstShowPending);
    move(left, top);
    resize(width, height);
    if (ini.readString(pref, "MainWindowState_Maximized", "Y") == "Y") {
        // The bars first take the whole screen width, so a display without a
        // window manager (which ignores the maximised state) still shows the
        // window at screen size.
        setGeometry(0, 0, std::max(screen.width(), minimumWidth()), std::max(screen.height(), minimumHeight()));
        showMaximized();
    } else {
        showNormal();
    }
    if (!drawnOnShow) {
        layoutReadouts();
        table_->drawTable(true);
    }
    // Asks for the focus, so the first activation follows.
    activateWindow();
}

// ------------------------------------------------------- activation, close

void MainWindow::activated() {
    if (ctx_.run.isSet(Flag::FirstShowPending)) {
        ctx_.run.setFlag(Flag::FirstShowPending, 0);
        refreshCaption(ctx_);
        repaint();
        updateScoreFile(ctx_);
        // The news windows of the original program have no counterpart here.
        // The player may have asked for the remembered game at once.
        const bool offered =
            settingsFile(ctx_.reg).readString(section::Preference, "Open_Show_At_Startup", "Y") != "N";
        const bool chosen = env_.startGame >= 0 ? openStartGame()
                                                : offered && !statisticsPresent(ctx_.reg) && openGameCommand();
        // Without a choice (the selection cancelled, or not shown at all) the
        // remembered game is dealt, so the player never faces an empty table.
        if (!chosen && !ctx_.run.isSet(Flag::GameInProgress) && ctx_.reg.readInt(reg::Game, -1) >= 0)
            newGameCommand();
    }
    const Register& r = ctx_.reg;
    if (!env_.manyColours() && r.read(reg::FadeBackground) == "Y" &&
        (r.read(reg::BackgroundDefault) == "Y" || r.readInt(reg::BackgroundPicture, 0) == 0))
        relayout();
}

bool MainWindow::closeQuery() {
    const Profile ini = settingsFile(ctx_.reg);
    const auto pref = section::Preference;
    const std::string confirmQuit = ini.readString(pref, "ConfirmQuit", "N");
    // Full screen is remembered as the window it was made from.
    const bool full = isFullScreen();
    if (isMaximized() || (full && fullFromMaximized_)) {
        ini.writeString(pref, "MainWindowState_Maximized", "Y");
    } else {
        const QRect g = full ? normalGeometry() : QRect(x(), y(), width(), height());
        ini.writeString(pref, "MainWindowState_Maximized", "N");
        ini.writeInt(pref, "MainWindowState_Left", g.x());
        ini.writeInt(pref, "MainWindowState_Top", g.y());
        ini.writeInt(pref, "MainWindowState_Width", g.width());
        ini.writeInt(pref, "MainWindowState_Height", g.height());
    }
    if (ctx_.run.isSet(Flag::AnimationRunning)) {
        // The animation stops; the end-of-game code closes the window after it.
        ctx_.run.setFlag(Flag::AnimationRunning, 0);
        animationHook(false);
        ctx_.mainGame.closeAsked = 1;
        return false;
    }
    bool ok = true;
    if (confirmQuit != "N" && askBeforeClosing_) ok = ctx_.dialogs->confirm("Exit Tessaro?");
    if (!ok) {
        ctx_.mainGame.closeAsked = 0;
    }
    return ok;
}

void MainWindow::closeWithoutAsking() {
    askBeforeClosing_ = false;
    close();
}

void MainWindow::shutDown() {
    if (closed_) return;
    closed_ = true;
    endOfGame(ctx_);
    repaint();
    hide();
    Timer1->stop();
    ctx_.sound->stopSound();
    const Profile ini = settingsFile(ctx_.reg);
    if (ctx_.mainGame.autoplayScope == 1)
        ini.writeString(section::Preference, "AutoPlay", yn(mnuAutoplay->isChecked()));
    ini.writeInt(section::Settings, "Random_Game_Type", ctx_.mainGame.randomGameType);
    if (help_) help_->close();
    animationHook(false);
    if (libraryLoaded_) {
        unloadLibrary(libraryPath_);
        libraryLoaded_ = false;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (!closeQuery()) {
        event->ignore();
        return;
    }
    shutDown();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !closed_) activated();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (ctx_.run.isSet(Flag::FirstShowPending)) {
        layoutReadouts();
        table_->drawTable(true);
    }
}

void MainWindow::minimumSizeRule() {
    const int minWidth = env_.screenSize.width() <= 700 ? 635 : 780;
    setMinimumSize(minWidth, 120);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutReadouts();
    if (!ctx_.run.isSet(Flag::FirstShowPending)) relayout();
}

void MainWindow::relayout() {
    if (ctx_.P.cards() != 0) {
        const LayoutInputs in = windowInputs(table_->width(), table_->scrollBarWidth(), table_->height(),
                                             table_->height(), -1, env_.screenSize.width(), env_.screenSize.height());
        layoutTable(ctx_, in);
    }
    table_->drawTable(true);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    hidePilesSizeTip();
    QMainWindow::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlPilesSize && event->type() == QEvent::Enter) {
        pnlPilesSize->hide();
        return false;
    }
    if (!filterInstalled_) return QMainWindow::eventFilter(watched, event);
    // While the winning animation runs, a click or a key stops it and goes no further.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        if (ctx_.run.isSet(Flag::AnimationRunning)) ctx_.run.setFlag(Flag::AnimationRunning, 0);
        return true;
    default:
        return false;
    }
}

// ------------------------------------------------------ toolbar, read-outs

void MainWindow::setLargeIcons(bool large, bool store) {
    large_ = large;
    pnlTB->setVisible(large);
    pnlTB1->setVisible(!large);
    popLargeIcons->setChecked(large);
    popSmallIcons->setChecked(!large);
    const int h = large ? 24 : 20;
    for (QFrame* p : {pnlTempo, pnlScore}) p->resize(p->width(), h);
    const int top = large ? 4 : 3;
    for (QLabel* l : {lblTempo, lblTempo2, lblScore, lblScore2}) l->move(l->x(), top);
    layoutReadouts();
    if (store) settingsFile(ctx_.reg).writeString(section::Preference, "ToolBar_Large", yn(large));
}

void MainWindow::setFlatButtons(bool flat, bool store) {
    flat_ = flat;
    const bool hints = ctx_.reg.read(reg::ShowToolTips) == "Y";
    for (QToolButton* b : findChildren<QToolButton*>()) {
        b->setAutoRaise(flat);
        b->setToolTip(hints ? b->property("hint").toString() : QString());
    }
    popFlat->setChecked(flat);
    popNoFlat->setChecked(!flat);
    if (store) settingsFile(ctx_.reg).writeString(section::Preference, "ToolBar_Flat", yn(flat));
}

void MainWindow::applyToolbarVisibility(bool visible, bool store) {
    const Profile ini = settingsFile(ctx_.reg);
    const auto pref = section::Preference;
    if (visible) {
        setLargeIcons(ini.readString(pref, "ToolBar_Large", "N") == "Y", false);
        setFlatButtons(ini.readString(pref, "ToolBar_Flat", "Y") == "Y", false);
        const bool time = ctx_.reg.read(reg::ShowTime) == "Y";
        const bool score = ctx_.reg.read(reg::ShowScore) == "Y";
        if (pnlTempo->isVisibleTo(pnlTempo->parentWidget()) != time) showTimePanel(time, false);
        if (pnlScore->isVisibleTo(pnlScore->parentWidget()) != score) showScorePanel(score, false);
        popShowTime->setEnabled(!time);
        popShowScore->setEnabled(!score);
    } else {
        pnlTB->hide();
        pnlTB1->hide();
        pnlTempo->hide();
        pnlScore->hide();
        relayout();
    }
    if (store) ini.writeString(pref, "ToolBar_Visible", yn(visible));
}

void MainWindow::showTimePanel(bool show, bool store) {
    pnlTempo->setVisible(show);
    popShowTime->setEnabled(!show);
    if (store) {
        ctx_.reg.write(reg::ShowTime, yn(show));
        settingsFile(ctx_.reg).writeString(section::Preference, "Show_Time", yn(show));
    }
    layoutReadouts();
}

void MainWindow::showScorePanel(bool show, bool store) {
    pnlScore->setVisible(show);
    popShowScore->setEnabled(!show);
    if (store) {
        ctx_.reg.write(reg::ShowScore, yn(show));
        settingsFile(ctx_.reg).writeString(section::Preference, "Show_Score", yn(show));
    }
    layoutReadouts();
}

void MainWindow::layoutReadouts() {
    QWidget* bar = large_ ? pnlTB : pnlTB1;
    const bool compact = smallScreen();
    const int w = compact ? kCompactReadoutWidth : kReadoutWidth;
    for (QWidget* p : {static_cast<QWidget*>(pnlTempo), static_cast<QWidget*>(pnlScore),
                       static_cast<QWidget*>(pnl_Sep_TimeScore), static_cast<QWidget*>(pnl_Sep_TimeScore2),
                       static_cast<QWidget*>(pnl_Sep_TimeScore3)}) {
        if (p->parentWidget() != bar) {
            const bool shown = !p->isHidden();
            p->setParent(bar);
            p->setVisible(shown);
        }
    }
    const int h = pnlTempo->height();
    const int y = (bar->height() - h) / 2 - (compact ? 1 : 0);
    const int barWidth = bar->width() > 0 ? bar->width() : width();
    // Time, then score 5 pixels to its right, the pair at the bar's right end.
    int x = barWidth - 8 - (pnlScore->isHidden() ? 0 : w + 5) - (pnlTempo->isHidden() ? 0 : w);
    pnlTempo->setGeometry(x, y, w, h);
    pnl_Sep_TimeScore->setGeometry(x + w + 1, y, 3, h);
    pnl_Sep_TimeScore2->setGeometry(x - 6, y, 3, h);
    pnl_Sep_TimeScore3->setGeometry(barWidth - 5, y, 3, h);
    if (!pnlTempo->isHidden()) x += w + 5;
    pnlScore->setGeometry(x, y, w, h);
    pnl_Sep_TimeScore->setVisible(!pnlTempo->isHidden() && !pnlScore->isHidden());
    const QWidget* inner = pnl_TB_Big->isHidden() ? pnl_TB_Little : pnl_TB_Big;
    const int sepX = inner->x() + inner->width();
    pnl_Sep_TB->setGeometry(sepX, 4, 4, kLargeBarHeight - 8);
    pnl_sep_tb_small->setGeometry(sepX, 18, 4, 26);

    // Label places: the clock text moves to 20 on small screens, "Time:" is hidden there.
    const int top = lblTempo->y();
    const int labelH = h - 2 * top + 2;
    if (compact) {
        lblTempo->setGeometry(20, top, w - 20 - 5, labelH);
        lblScore2->setGeometry(4, top, 34, labelH);
        lblScore->setGeometry(38, top, w - 38 - 4, labelH);
    } else {
        lblTempo2->setGeometry(4, top, 34, labelH);
        lblTempo->setGeometry(38, top, w - 38 - 5, labelH);
        lblScore2->setGeometry(4, top, 34, labelH);
        lblScore->setGeometry(38, top, w - 38 - 5, labelH);
    }
}

void MainWindow::setToolbarGlyphs(bool enabled) {
    if (enabled == autoplayEnabled_) return;
    autoplayEnabled_ = enabled;
    const QPixmap glyph = picture(enabled ? "TB_AUTOPLAY" : "TB_AUTOPLAY_DIS");
    if (!glyph.isNull()) tb1Autoplay->setIcon(QIcon(glyph));
    tb1Autoplay->setEnabled(enabled);
    mnuAutoplay->setEnabled(enabled);
    ctx_.autoplay.enabled = enabled;
}

void MainWindow::setUndoGlyphs(bool enabled) {
    if (enabled == undoEnabled_) return;
    undoEnabled_ = enabled;
    showUndoState();
}

void MainWindow::showUndoState() {
    // Until a game is dealt the commands show whether the player may undo at
    // all; from then on each shows whether it can act now.
    const bool undoOn = undoEnabled_ && (!historyKnown_ || canUndo(ctx_));
    const bool redoOn = undoEnabled_ && (!historyKnown_ || canRedo(ctx_));
    // One command: its glyphs (enabled or "_DIS"), its buttons and menu entry.
    auto show = [](bool on, bool& shown, const std::string& glyph, std::initializer_list<QToolButton*> small,
                   QToolButton* large, QAction* entry) {
        if (on == shown) return;
        shown = on;
        const QPixmap picSmall = picture("TB_" + glyph + (on ? "" : "_DIS"));
        const QPixmap picLarge = picture("TBL_" + glyph + (on ? "" : "_DIS"));
        for (QToolButton* b : small)
            if (!picSmall.isNull()) b->setIcon(QIcon(picSmall));
        if (!picLarge.isNull()) large->setIcon(QIcon(picLarge));
        for (QToolButton* b : small) b->setEnabled(on);
        large->setEnabled(on);
        entry->setEnabled(on);
    };
    show(undoOn, undoShown_, "UNDO", {tbUndoL, tb1Undo}, tbUndo, mnuUndo);
    show(redoOn, redoShown_, "REDO", {tbRedoL, tb1Redo}, tbRedo, mnuRedo);
}

void MainWindow::loadStatistics() {
    stats_ = std::make_unique<PlayStatistics>(PlayStatistics::defaultPath(ctx_.reg));
    if (stats_->load() == StatisticsLoad::KeptAside)
        env_.dialogs->info("The statistics file could not be read. It has been kept as\n" +
                           (stats_->keptAside().empty() ? stats_->path() : stats_->keptAside()) +
                           "\nand the statistics start afresh.");
    for (const auto& [game, s] : stats_->games()) {
        if (s.won > 0) ctx_.mainGame.recordResult(game, true);
        else if (s.lost > 0) ctx_.mainGame.recordResult(game, false);
    }
}

void MainWindow::recordGame(int game, bool won, int score, long seconds) {
    if (!stats_) return;
    stats_->record(game, won, score, seconds);
    if (!stats_->save()) env_.dialogs->info("The statistics could not be saved in\n" + stats_->path());
}

void MainWindow::statisticsCommand() {
    if (!stats_) return;
    std::vector<std::pair<int, QString>> games;
    for (std::size_t i = 0; i < ctx_.mainGame.lines().size(); ++i) {
        const int game = ctx_.mainGame.gameAt(static_cast<int>(i));
        if (game >= 0) games.emplace_back(game, QString::fromStdString(ctx_.mainGame.name(game)));
    }
    auto reset = [this](int game) {
        const std::string name = ctx_.mainGame.name(game);
        if (!env_.dialogs->confirm("Reset the statistics of " + name + "?")) return false;
        stats_->reset(game);
        ctx_.mainGame.forgetResult(game);
        if (!stats_->save()) env_.dialogs->info("The statistics could not be saved in\n" + stats_->path());
        if (env_.selection) env_.selection->refreshEntry(game);
        return true;
    };
    dialogs::StatisticsDialog dialog(*stats_, games, ctx_.reg.readInt(reg::Game, 0), reset, this);
    env_.dialogs->runModal(dialog);
}

void MainWindow::undoStateChanged() {
    historyKnown_ = true;
    showUndoState();
}

void MainWindow::undoCommand() {
    if (undoMove(ctx_)) table_->update();
    showUndoState();
}

void MainWindow::redoCommand() {
    if (redoMove(ctx_)) table_->update();
    showUndoState();
}

void MainWindow::clockTimerTick() {
    // The engine's tick also runs the preview check of Forget me not.
    clockTick(ctx_);
    updatePreviewGauge(ctx_, pnlGauge_Memory);
}

void MainWindow::showScoreText() {
    const QString score = QString::fromStdString(ctx_.reg.read(reg::Score));
    lblScore->setText(score);
    // Games that are won by reaching a score (rule parameter 49) show it.
    const bool target = ctx_.P[49] != 0;
    const QString toWin = QString::number(ctx_.P[49]);
    lblScore->setToolTip(target ? QStringLiteral("Score to win: %1").arg(toWin) : QString());
    pnlScore->setToolTip(lblScore->toolTip());
    lblStatusScore->setText(target ? QStringLiteral("Score %1 \u00b7 to win %2").arg(score, toWin)
                                   : QStringLiteral("Score %1").arg(score));
}
void MainWindow::showClockText() { lblTempo->setText(QString::fromStdString(ctx_.clockText)); }

// --------------------------------------------------------------- commands

void MainWindow::newGameCommand() { tessaro::newGameCommand(ctx_); }

bool MainWindow::openStartGame() {
    // The game named on the command line, opened as if chosen in the selection.
    const std::string name = ctx_.mainGame.name(env_.startGame);
    if (name.empty()) {
        qWarning("tessaro: there is no game %d", env_.startGame);
        return false;
    }
    return openGame(env_.startGame, name, ctx_.reg.read(reg::Player), 2, true);
}

bool MainWindow::openGameCommand() {
    if (!env_.selection) return false;
    int game = 0;
    std::string name;
    if (!env_.selection->choose(game, name)) return false;
    // The selection has remembered the game with its folder already.
    return openGame(game, name, ctx_.reg.read(reg::Player), 2, false);
}

bool MainWindow::openGame(int game, const std::string& name, const std::string& player, int newGameArgument,
                          bool remember) {
    // The window's part of making a game the current one.
    class Steps : public OpenGameSteps {
    public:
        explicit Steps(MainWindow& w) : w_(w) {}
        bool confirmQuit() override { return quitConfirmation(w_.ctx_); }
        bool endOfGame() override { return tessaro::endOfGame(w_.ctx_) == 1; }
        void playerChanged() override { refreshCaption(w_.ctx_); }
        void setUpGame() override { gameSetup(w_.ctx_); }
        void enableNewGame() override {
            if (!w_.tbNew->isEnabled()) w_.enableNewGameControls();
        }
        void applyAutoplayChoice(int g) override { loadAutoplaySetting(w_.ctx_, g); }
        void newGame(int argument) override { tessaro::newGame(w_.ctx_, 1, true, argument, false); }

    private:
        MainWindow& w_;
    } steps(*this);
    // A game whose parameters the table cannot show is not opened: the
    // message names it and the parameter, and the game in play stays.
    if (const auto why = unplayableReason(ctx_, game, name)) {
        ctx_.dialogs->info(*why);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = tessaro::openGame(ctx_, game, name, player, newGameArgument, remember, steps);
    QApplication::restoreOverrideCursor();
    return opened;
}

void MainWindow::enableNewGameControls() {
    for (QToolButton* b : {tbNew, tbNewL, tb1New}) b->setEnabled(true);
    mnuNewGame->setEnabled(true);
}

void MainWindow::rulesHelp() { rulesHelpFor(ctx_.reg.readInt(reg::Game, -1)); }

void MainWindow::rulesHelpFor(int game) {
    if (game >= kFirstCustomGame) return;
    const QString previous = helpFile_;
    helpFile_ = QString::fromStdString(ctx_.reg.read(reg::ProgramFolder)) + QStringLiteral("solvara.hlp>rules");
    if (!help_) help_ = new HelpWindow(this);
    help_->showContext(game + kRulesContextBase);
    helpFile_ = previous;
}

void MainWindow::helpContents() {
    if (!help_) help_ = new HelpWindow(this);
    help_->showContents();
}

void MainWindow::aboutBox() {
    playSound(ctx_, "About", reg::SoundAbout);
    showAboutBox(this);
}

void MainWindow::customizeCommand() {
    if (env_.customize) env_.customize();
}

// -------------------------------------------------------------- ShellPort

void MainWindow::setCaption(std::string_view caption) { setWindowTitle(qs(caption)); }

void MainWindow::busyCursor(bool busy) {
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void MainWindow::enableMenu(MenuItem item, bool enabled) {
    switch (item) {
    case MenuItem::Pause: mnuPause->setEnabled(enabled); break;
    case MenuItem::QuitGame: mnuQuitGame->setEnabled(enabled); break;
    case MenuItem::InsertBookmark: mnuInsertBookmark->setEnabled(enabled); break;
    case MenuItem::GoToBookmark: mnuGoToBookmark->setEnabled(enabled); break;
    }
}

void MainWindow::showAutoplay(bool on) {
    mnuAutoplay->setChecked(on);
    tb1Autoplay->setChecked(on);
}

void MainWindow::beep() { QApplication::beep(); }

void MainWindow::hidePilesSizeTip() {
    if (pnlPilesSize->isVisible()) pnlPilesSize->hide();
}

void MainWindow::prepareTable() {
    WindowTableHost host(*this);
    const LayoutInputs in = windowInputs(table_->width(), table_->scrollBarWidth(), table_->height(),
                                         table_->height(), -1, env_.screenSize.width(), env_.screenSize.height());
    tessaro::prepareTable(ctx_, host, in);
}

void MainWindow::animationHook(bool installed) {
    if (installed == filterInstalled_) return;
    filterInstalled_ = installed;
    if (installed) qApp->installEventFilter(this);
    else qApp->removeEventFilter(this);
}

void MainWindow::closeMainWindow() { close(); }

}  // namespace tessaro::shell
