#include "dialogs/open_game_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/context.h"
#include "platform/clock.h"
#include "platform/qt/resources.h"
#include "shell/base_form.h"
#include "stores/catalogue.h"
#include "stores/game_selection.h"
#include "stores/rules_file.h"
#include "stores/settings.h"

#include <algorithm>

namespace tessaro::dialogs {

namespace {

constexpr int kTagRole = Qt::UserRole;
constexpr int kTimerInterval = 2000;
const QColor kTreeKey(128, 0, 0);
// The preview picture: the library's previews fit into 224 x 160.
constexpr int kPreviewWidth = 240;
constexpr int kPreviewHeight = 170;

int tagOf(const QTreeWidgetItem* item) { return item ? item->data(0, kTagRole).toInt() : kPlaceholderTag; }

QTreeWidgetItem* folderItem(QTreeWidgetItem* parent, QTreeWidget* tree, const QString& text, int tag) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, text);
    item->setData(0, kTagRole, tag);
    auto* placeholder = new QTreeWidgetItem(item);
    placeholder->setData(0, kTagRole, kPlaceholderTag);
    return item;
}

QLabel* caption(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setStyleSheet(QStringLiteral("color: #505860;"));
    return l;
}

// The picture with every pixel of the key colour made see-through.
QImage keyedOut(const QImage& picture, QRgb key) {
    QImage img = picture.convertToFormat(QImage::Format_ARGB32);
    key &= 0x00ffffff;
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & 0x00ffffff) == key) line[x] = 0;
    }
    return img;
}

}  // namespace

QPixmap keyedPicture(const std::string& name) {
    const QImage img = resources::bitmap(name);
    if (img.isNull()) return {};
    return QPixmap::fromImage(keyedOut(img, kTreeKey.rgb()));
}

OpenGameDialog::OpenGameDialog(Context& ctx, QWidget* parent, int screenWidth, bool manyColours)
    : QDialog(parent), ctx_(ctx), screenWidth_(screenWidth), manyColours_(manyColours) {
    setObjectName(QStringLiteral("frmOpenGame"));
    setWindowTitle(QStringLiteral("Open a game"));
    shell::applyBaseFont(this, 9);
    buildWidgets();
    buildDesignedTree();

    // 1. The pictures of the tree and of the description.
    loadPictures();

    // 2. The settings of the dialog.
    const Profile ini = settingsFile(ctx_.reg);
    const int treeNum = ini.readInt(section::Preference, "Game_TreeNum", setting::kDefaultGameTreeNum);
    openFolder_ = treeNum < 0 ? treeNum : 0;
    chkPreview->setChecked(ini.readString(section::Preference, "Open_Preview_Game", "Y") == "Y");
    chkShowWonLost->setChecked(ini.readString(section::Preference, "Open_Show_Won_Lost", "N") == "Y");
    chkShowAtStartup->setChecked(ini.readString(section::Preference, "Open_Show_At_Startup", "Y") != "N");

    // 3. The sorted game list.
    gameList_ = selectionGameList(ctx_.mainGame);
    addKindFolders();

    connect(tvGames, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        fillFolder(item, kPlaceholderTag);
        if (tagOf(item) < 0) item->setIcon(0, icon("TREE2"));
    });
    connect(tvGames, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (tagOf(item) < 0) item->setIcon(0, icon("TREE1"));
    });
    connect(tvGames, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && tagOf(item) < 0) fillFolder(item, kPlaceholderTag);
        describeSelection();
    });
    connect(tvGames, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (tagOf(item) >= 0) okClicked();
    });
    connect(btnOK, &QPushButton::clicked, this, &OpenGameDialog::okClicked);
    connect(btnRules, &QPushButton::clicked, this, &OpenGameDialog::rulesClicked);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(chkPreview, &QCheckBox::toggled, this, [this](bool on) {
        settingsFile(ctx_.reg).writeString(section::Preference, "Open_Preview_Game", on ? "Y" : "N");
        drawPreview(tagOf(tvGames->currentItem()));
    });
    connect(chkShowWonLost, &QCheckBox::toggled, this, [this] { refreshIcons(); });
    connect(chkShowAtStartup, &QCheckBox::toggled, this, [this](bool on) {
        settingsFile(ctx_.reg).writeString(section::Preference, "Open_Show_At_Startup", on ? "Y" : "N");
    });
    connect(Timer1, &QTimer::timeout, this, &OpenGameDialog::timerTick);
    describeSelection();
}

OpenGameDialog::~OpenGameDialog() = default;

void OpenGameDialog::buildWidgets() {
    tvGames = new QTreeWidget(this);
    tvGames->setObjectName(QStringLiteral("tvGames"));
    tvGames->setAccessibleName(QStringLiteral("Games"));
    tvGames->setHeaderHidden(true);
    tvGames->setColumnCount(1);
    tvGames->setIconSize(QSize(16, 16));
    tvGames->setMinimumWidth(230);
    tvGames->setUniformRowHeights(true);

    imgPreview = new QLabel(this);
    imgPreview->setObjectName(QStringLiteral("imgPreview"));
    imgPreview->setFixedSize(kPreviewWidth, kPreviewHeight);
    imgPreview->setAlignment(Qt::AlignCenter);

    pnlDescription = new QStackedWidget(this);
    pnlDescription->setObjectName(QStringLiteral("pnlDescription"));

    // The general panel stands in for the description while a folder is selected.
    pnlGeneral = new QWidget(pnlDescription);
    pnlGeneral->setObjectName(QStringLiteral("pnlGeneral"));
    auto* general = new QVBoxLayout(pnlGeneral);
    auto* generalTitle = new QLabel(QStringLiteral("Choose a game"), pnlGeneral);
    QFont titleFont = generalTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 3);
    titleFont.setBold(true);
    generalTitle->setFont(titleFont);
    auto* generalText = new QLabel(
        QStringLiteral("Open the folder and select a game to see its description and a picture of its table. "
                       "Press OK or double-click the game to start it."),
        pnlGeneral);
    generalText->setWordWrap(true);
    general->addWidget(generalTitle);
    general->addWidget(generalText);
    general->addStretch();

    pnlGame = new QWidget(pnlDescription);
    pnlGame->setObjectName(QStringLiteral("pnlGame"));
    auto* game = new QVBoxLayout(pnlGame);
    game->setSpacing(6);
    lblGameName = new QLabel(pnlGame);
    lblGameName->setObjectName(QStringLiteral("lblGameName"));
    lblGameName->setFont(titleFont);
    lblObjective = new QLabel(pnlGame);
    lblObjective->setObjectName(QStringLiteral("lblObjective"));
    lblObjective->setWordWrap(true);
    QFont italic = lblObjective->font();
    italic.setItalic(true);
    lblObjective->setFont(italic);
    game->addWidget(lblGameName);
    game->addWidget(lblObjective);
    game->addSpacing(4);

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(1);
    int row = 0;
    auto described = [&](const char* pictureName, const char* textName, const QString& title, QLabel*& picture,
                         QLabel*& text) {
        picture = new QLabel(pnlGame);
        picture->setObjectName(QString::fromLatin1(pictureName));
        picture->setFixedSize(32, 32);
        text = new QLabel(pnlGame);
        text->setObjectName(QString::fromLatin1(textName));
        QFont bold = text->font();
        bold.setBold(true);
        text->setFont(bold);
        if (row > 0) grid->setRowMinimumHeight(row++, 6);  // air between two values
        grid->addWidget(picture, row, 0, 2, 1);
        grid->addWidget(caption(title, pnlGame), row, 1);
        grid->addWidget(text, row + 1, 1);
        row += 2;
    };
    described("imgDifficulty", "lblDifficulty", QStringLiteral("Difficulty"), imgDifficulty, lblDifficulty);
    described("imgChance", "lblChance", QStringLiteral("Chance of winning"), imgChance, lblChance);
    described("imgTime", "lblTime", QStringLiteral("Game time"), imgTime, lblTime);
    described("imgSkill", "lblSkill", QStringLiteral("Skill"), imgSkill, lblSkill);
    grid->setColumnStretch(1, 1);
    game->addLayout(grid);

    auto* counts = new QHBoxLayout();
    lblRedeals = new QLabel(pnlGame);
    lblRedeals->setObjectName(QStringLiteral("lblRedeals"));
    lblDecks = new QLabel(pnlGame);
    lblDecks->setObjectName(QStringLiteral("lblDecks"));
    QFont bold = lblRedeals->font();
    bold.setBold(true);
    lblRedeals->setFont(bold);
    lblDecks->setFont(bold);
    counts->addWidget(caption(QStringLiteral("Redeals:"), pnlGame));
    counts->addWidget(lblRedeals);
    counts->addSpacing(24);
    counts->addWidget(caption(QStringLiteral("Decks:"), pnlGame));
    counts->addWidget(lblDecks);
    counts->addStretch();
    game->addSpacing(10);
    game->addLayout(counts);
    game->addStretch();

    pnlDescription->addWidget(pnlGeneral);
    pnlDescription->addWidget(pnlGame);

    // The right side: the preview above the description, on a white sheet.
    auto* sheet = new QFrame(this);
    sheet->setObjectName(QStringLiteral("pnlSheet"));
    sheet->setFrameShape(QFrame::StyledPanel);
    sheet->setAutoFillBackground(true);
    QPalette pal = sheet->palette();
    pal.setColor(QPalette::Window, Qt::white);
    sheet->setPalette(pal);
    auto* right = new QVBoxLayout(sheet);
    right->setContentsMargins(14, 14, 14, 10);
    right->setSpacing(10);
    right->addWidget(imgPreview, 0, Qt::AlignHCenter);
    right->addWidget(pnlDescription, 1);
    sheet->setFixedWidth(kPreviewWidth + 2 * 14 + 60);

    auto* top = new QHBoxLayout();
    top->setSpacing(10);
    top->addWidget(tvGames, 1);
    top->addWidget(sheet);

    chkPreview = new QCheckBox(QStringLiteral("&Preview"), this);
    chkPreview->setObjectName(QStringLiteral("chkPreview"));
    chkShowWonLost = new QCheckBox(QStringLiteral("Show won and lost"), this);
    chkShowWonLost->setObjectName(QStringLiteral("chkShowWonLost"));
    chkShowAtStartup = new QCheckBox(QStringLiteral("Show at &start-up"), this);
    chkShowAtStartup->setObjectName(QStringLiteral("chkShowAtStartup"));

    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setMinimumWidth(88);
        return b;
    };
    btnOK = button("btnOK", QStringLiteral("OK"));
    btnOK->setDefault(true);
    btnRules = button("btnRules", QStringLiteral("Rules"));
    btnCancel = button("btnCancel", QStringLiteral("Cancel"));
    btnStatistics = button("btnStatistics", QStringLiteral("Statistics"));
    btnOpenSaved = button("btnOpenSaved", QStringLiteral("Open a sa&ved game..."));
    btnDemo = button("btnDemo", QStringLiteral("Demo"));
    lblPlayer = new QLabel(QStringLiteral("Player:"), this);
    lblPlayer->setObjectName(QStringLiteral("lblPlayer"));
    cboPlayer = new QComboBox(this);
    cboPlayer->setObjectName(QStringLiteral("cboPlayer"));
    // This program keeps no statistics, saved games or demonstrations, and
    // the player is the one of the main window.
    for (QWidget* w : std::initializer_list<QWidget*>{btnStatistics, btnOpenSaved, btnDemo, lblPlayer, cboPlayer})
        w->hide();

    auto* bottom = new QHBoxLayout();
    bottom->addWidget(chkShowWonLost);
    bottom->addSpacing(12);
    bottom->addWidget(chkPreview);
    bottom->addSpacing(12);
    bottom->addWidget(chkShowAtStartup);
    bottom->addStretch();
    bottom->addWidget(btnRules);
    bottom->addSpacing(16);
    bottom->addWidget(btnOK);
    bottom->addSpacing(5);
    bottom->addWidget(btnCancel);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(12, 12, 12, 12);
    main->setSpacing(10);
    main->addLayout(top, 1);
    main->addLayout(bottom);
    resize(720, 500);
    setMinimumSize(620, 470);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
}

void OpenGameDialog::buildDesignedTree() {
    // The designed tree holds favourites, folders by type and the alphabetical
    // list; this program shows the alphabetical list only.
    folderItem(nullptr, tvGames, QStringLiteral("Favorite games"), kFavouritesFolder);
    QTreeWidgetItem* folders = folderItem(nullptr, tvGames, QStringLiteral("Folders list"), kFoldersList);
    folderItem(folders, nullptr, QStringLiteral("Games by type"), -21);
    folderItem(nullptr, tvGames, QStringLiteral("All games (alphabetically)"), kAllGamesFolder);
    for (int tag : {kFavouritesFolder, kFoldersList})
        if (QTreeWidgetItem* item = findTag(tag)) delete item;
}

// The folder caption of a kind of game; empty for kinds without a folder.
QString kindFolderCaption(int category) {
    switch (category) {
    case 2: return QStringLiteral("Canfield games");
    case 3: return QStringLiteral("Forty Thieves games");
    case 4: return QStringLiteral("FreeCell games");
    case 5: return QStringLiteral("Klondike games");
    case 6: return QStringLiteral("Pairing games");
    case 7: return QStringLiteral("Simple games");
    case 11: return QStringLiteral("Fan games");
    case 16: return QStringLiteral("Memory games");
    case 17: return QStringLiteral("Beleaguered Castle games");
    case 19: return QStringLiteral("Yukon games");
    case 20: return QStringLiteral("Calculation games");
    default: return {};
    }
}

void OpenGameDialog::addKindFolders() {
    // One folder per kind of game in the catalogue, Memory games first, above
    // the alphabetical list; each fills itself when opened, like that list.
    std::vector<int> kinds;
    for (const std::string& line : gameList_) {
        const GameListEntry entry = parseGameListLine(line);
        if (entry.game >= 0 && !kindFolderCaption(entry.category).isEmpty() &&
            std::find(kinds.begin(), kinds.end(), entry.category) == kinds.end())
            kinds.push_back(entry.category);
    }
    std::sort(kinds.begin(), kinds.end(), [](int a, int b) {
        if ((a == 16) != (b == 16)) return a == 16;
        return kindFolderCaption(a) < kindFolderCaption(b);
    });
    int at = 0;
    for (int kind : kinds) {
        QTreeWidgetItem* folder = folderItem(nullptr, tvGames, kindFolderCaption(kind), kKindFolderBase - kind);
        tvGames->takeTopLevelItem(tvGames->indexOfTopLevelItem(folder));
        tvGames->insertTopLevelItem(at++, folder);
        folder->setIcon(0, icon(MainGame::categoryPictureName(kind)));
    }
}

void OpenGameDialog::loadPictures() {
    // The tree pictures, the category pictures and their won and not-won forms.
    std::vector<std::string> names = {"TREE1",   "TREE2",   "N_TREE3", "N_TREE4", "N_TREE5", "F_TREE1",
                                      "F_TREE2", "S_TREE1", "S_TREE2", "D_TREE1", "D_TREE2", "C_TREE1",
                                      "C_TREE2", "T_TREE1", "T_TREE2", "I_TREE1", "I_TREE2", "TREE5_ORIGINAL_TYPE"};
    for (int category : {12, 2, 11, 3, 4, 5, 6, 13, 7, 8, 9, 10, 14, 15, 16, 17, 18, 19, 20, 21, 800, 22, 23}) {
        const std::string base = MainGame::categoryPictureName(category);
        for (const char* suffix : {"", "_WIN", "_NOWIN"}) names.push_back(base + suffix);
    }
    for (const std::string& name : names) {
        const QPixmap pm = keyedPicture(name);
        if (!pm.isNull()) icons_[name] = QIcon(pm);
    }
    if (QTreeWidgetItem* all = findTag(kAllGamesFolder)) all->setIcon(0, icon("TREE1"));

    // The preview's saved background: a small table of its own.
    savedBackground_ = QPixmap(kPreviewWidth, kPreviewHeight);
    if (manyColours_) {
        savedBackground_.fill(Qt::white);
        QPainter p(&savedBackground_);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient felt(0, 0, 0, kPreviewHeight);
        felt.setColorAt(0, QColor(0, 112, 16));
        felt.setColorAt(1, QColor(0, 80, 8));
        QPainterPath shape;
        shape.addRoundedRect(QRectF(0.5, 0.5, kPreviewWidth - 1, kPreviewHeight - 1), 6, 6);
        p.fillPath(shape, felt);
        p.setPen(QPen(QColor(0, 56, 0), 1.0));
        p.drawPath(shape);
    } else {
        savedBackground_.fill(QColor(0, 128, 0));
    }
    preview_ = savedBackground_;
    imgPreview->setPixmap(preview_);
}

QIcon OpenGameDialog::icon(const std::string& name) const {
    const auto it = icons_.find(name);
    return it == icons_.end() ? QIcon() : it->second;
}

QTreeWidgetItem* OpenGameDialog::findTag(int tag) const {
    QTreeWidgetItemIterator it(tvGames);
    for (; *it; ++it)
        if (tagOf(*it) == tag) return *it;
    return nullptr;
}

std::string OpenGameDialog::iconNameOf(int game) const {
    return treeIconName(ctx_.mainGame.category(game), ctx_.mainGame.result(game), chkShowWonLost->isChecked());
}

void OpenGameDialog::fillFolder(QTreeWidgetItem* folder, int select) {
    if (!folder || tagOf(folder) >= 0) return;
    if (folder->childCount() != 1 || tagOf(folder->child(0)) != kPlaceholderTag) return;
    delete folder->takeChild(0);
    const int tag = tagOf(folder);
    const int kind = tag <= kKindFolderBase ? kKindFolderBase - tag : -1;
    if (tag != kAllGamesFolder && kind < 0) return;
    QTreeWidgetItem* selected = nullptr;
    for (const std::string& line : gameList_) {
        const GameListEntry entry = parseGameListLine(line);
        if (entry.game < 0 || (kind >= 0 && entry.category != kind)) continue;
        auto* item = new QTreeWidgetItem(folder);
        item->setText(0, QString::fromStdString(entry.name));
        item->setData(0, kTagRole, entry.game);
        item->setIcon(0, icon(treeIconName(entry.category, ctx_.mainGame.result(entry.game),
                                           chkShowWonLost->isChecked())));
        if (entry.game == select) selected = item;
    }
    if (selected) {
        folder->setExpanded(true);
        tvGames->setCurrentItem(selected);
        tvGames->scrollToItem(selected);
    }
}

void OpenGameDialog::prepareShow() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    chosenGame_ = -1;
    chosenName_.clear();
    if (openFolder_ < 0) {
        if (QTreeWidgetItem* folder = findTag(openFolder_)) {
            const int current = ctx_.reg.readInt(reg::Game, -1);
            fillFolder(folder, current);
            folder->setExpanded(true);
            // An already filled folder selects the current game the same way.
            for (int i = 0; i < folder->childCount(); ++i)
                if (tagOf(folder->child(i)) == current) tvGames->setCurrentItem(folder->child(i));
            if (!tvGames->currentItem()) tvGames->setCurrentItem(folder);
        }
    }
    if (!tvGames->currentItem() && tvGames->topLevelItemCount() > 0)
        tvGames->setCurrentItem(tvGames->topLevelItem(0));
    tvGames->setEnabled(true);
    refreshIcons();
    describeSelection();
    Timer1->start();
    tvGames->setFocus();
    QApplication::restoreOverrideCursor();
}

bool OpenGameDialog::choose(int& game, std::string& name) {
    // Asked again while it is open (a command during its own showing): the
    // showing that is open answers.
    if (isVisible()) return false;
    prepareShow();
    if (exec() != QDialog::Accepted || chosenGame_ < 0) return false;
    game = chosenGame_;
    name = chosenName_;
    return true;
}

bool OpenGameDialog::showsWonLost() const { return chkShowWonLost->isChecked(); }

void OpenGameDialog::refreshEntry(int game) {
    if (QTreeWidgetItem* item = findTag(game)) item->setIcon(0, icon(iconNameOf(game)));
}

void OpenGameDialog::refreshIcons() {
    QTreeWidgetItemIterator it(tvGames);
    for (; *it; ++it)
        if (tagOf(*it) >= 0) (*it)->setIcon(0, icon(iconNameOf(tagOf(*it))));
}

void OpenGameDialog::setDescribed(QLabel* picture, QLabel* text, const std::string& pictureName,
                                  const std::string& value) {
    text->setText(QString::fromStdString(value));
    const QPixmap pm = pictureName.empty() ? QPixmap() : QPixmap::fromImage(resources::bitmap(pictureName));
    picture->setPixmap(pm);
    picture->setToolTip(QString::fromStdString(pictureName));
}

void OpenGameDialog::describeSelection() {
    QTreeWidgetItem* item = tvGames->currentItem();
    const int tag = tagOf(item);
    if (!item || tag < 0) {
        pnlDescription->setCurrentWidget(pnlGeneral);
        for (QWidget* w : std::initializer_list<QWidget*>{chkPreview, btnOK, btnRules, btnStatistics})
            w->setEnabled(false);
        drawPreview(-1);
        return;
    }
    lblGameName->setText(item->text(0));
    GameDescription d;
    try {
        d = describeGame(ctx_, tag);
    } catch (const RulesFileError&) {
        // choice: a rules file that cannot be read leaves the texts empty;
        // opening the game reports the file.
    }
    lblObjective->setText(QString::fromStdString(d.objective));
    setDescribed(imgDifficulty, lblDifficulty, d.difficulty.picture, d.difficulty.text);
    setDescribed(imgChance, lblChance, d.chance.picture, d.chance.text);
    setDescribed(imgTime, lblTime, d.time.picture, d.time.text);
    setDescribed(imgSkill, lblSkill, d.skill.picture, d.skill.text);
    lblRedeals->setText(QString::fromStdString(d.redeals));
    lblDecks->setText(QString::fromStdString(d.decks));
    pnlDescription->setCurrentWidget(pnlGame);
    selectionTime_ = tickCount();
    for (QWidget* w : std::initializer_list<QWidget*>{chkPreview, btnOK, btnRules, btnStatistics})
        w->setEnabled(true);
    drawPreview(tag);
}

void OpenGameDialog::drawPreview(int game) {
    preview_ = savedBackground_;
    if (game >= 0 && chkPreview->isChecked()) {
        char name[16];
        std::snprintf(name, sizeof name, "GAME%04d", game % 10000);
        const QImage picture = resources::bitmap(name);
        if (!picture.isNull()) {
            // The colour of the top-left pixel is the preview's see-through colour.
            const QImage img = keyedOut(picture, picture.pixel(0, 0));
            QPainter p(&preview_);
            p.drawImage((preview_.width() - img.width()) / 2, 0, img);
        }
    }
    imgPreview->setPixmap(preview_);
}

void OpenGameDialog::okClicked() {
    QTreeWidgetItem* item = tvGames->currentItem();
    const int tag = tagOf(item);
    if (!item || tag < 0) {
        ctx_.dialogs->info("Open a game");
        tvGames->setFocus();
        return;
    }
    if (!playableOnScreen(ctx_, tag, screenWidth_)) return;
    const std::string name = item->text(0).toStdString();
    const int folder = item->parent() ? tagOf(item->parent()) : kAllGamesFolder;
    const std::string settings = settingsPath(ctx_.reg);
    rememberGame(settings, tag, name, folder);
    Profile(settings).writeString(section::Preference, "Open_Show_Won_Lost", chkShowWonLost->isChecked() ? "Y" : "N");
    openFolder_ = folder;
    chosenGame_ = tag;
    chosenName_ = name;
    hide();
    accept();
}

void OpenGameDialog::rulesClicked() {
    const int tag = tagOf(tvGames->currentItem());
    if (!tvGames->currentItem() || tag < 0) {
        ctx_.dialogs->info("Select a game");
        tvGames->setFocus();
        return;
    }
    if (rulesHelp_) rulesHelp_(tag);
}

void OpenGameDialog::timerTick() {
    // choice: once a selection has rested for the timer's interval its won or
    // lost mark is brought up to date, so a game that ended meanwhile shows it.
    const int tag = tagOf(tvGames->currentItem());
    if (tag >= 0 && tickCount() - selectionTime_ >= static_cast<std::uint32_t>(kTimerInterval)) refreshEntry(tag);
}

void OpenGameDialog::done(int result) {
    Timer1->stop();
    if (ctx_.reg.readInt(reg::Game, -1) < 0) {
        // The catalogue's default game takes the place of a game that is gone.
        int game = setting::kDefaultGame;
        if (ctx_.mainGame.index(game) < 0 && !ctx_.mainGame.lines().empty()) game = ctx_.mainGame.gameAt(0);
        if (game >= 0) {
            ctx_.reg.writePadded(reg::Game, game);
            ctx_.reg.write(reg::GameName, ctx_.mainGame.name(game));
        }
    }
    QDialog::done(result);
    ctx_.presentation->drawTable(true, false);
}

}  // namespace tessaro::dialogs
