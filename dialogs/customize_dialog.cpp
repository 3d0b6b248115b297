#include "dialogs/customize_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "engine/context.h"
#include "platform/profile.h"
#include "shell/base_form.h"
#include "shell/card_size_menu.h"
#include "shell/main_window.h"
#include "shell/resource_lookup.h"
#include "shell/shell_environment.h"
#include "shell/table_area.h"
#include "stores/background_choice.h"
#include "stores/settings.h"
#include "table/qt/background.h"
#include "table/qt/card_images.h"

namespace tessaro::dialogs {

namespace {

constexpr std::array<CardBackEntry, 5> kCardBacks{{
    {"Animals", "Tropical fish", 19},
    {"Children", "Snowman", 3},
    {"Flowers", "Roses", 14},
    {"Geometric", "Plaiting 1", 11},
    {"Paintings", "Boat", 1},
}};

constexpr std::array<BackgroundEntry, 12> kBackgrounds{{
    {"Colors", nullptr, "Blue", 16711680},
    {"Colors", nullptr, "Green", 32768},
    {"Colors", nullptr, "Navy", 8388608},
    {"Colors", nullptr, "Olive", 32896},
    {"Colors", nullptr, "Teal", 8421376},
    {"Colors", nullptr, "White", 16777215},
    {"Over 256 colors", "Metal", "Metal gold", 287},
    {"Over 256 colors", "Nature", "Meadow", 324},
    {"Over 256 colors", "Tissue", "Moquette 1", 296},
    {"Over 256 colors", "Walls", "Brick wall 1", 304},
    {"Over 256 colors", "Wood", "Parquet", 311},
    {"Under 256 colors", "Geometricals", "Moquette", 102},
}};

// The register fields kept at show and put back by Cancel.
constexpr std::array<Field, 9> kKeptFields{{
    reg::CardSize, reg::CardFaceSet, reg::FadeBackground, reg::CardBack, reg::BackgroundPicture,
    reg::BackgroundColour, reg::BackgroundFixedColour, reg::BackgroundDefault, reg::IrregularPiles,
}};

constexpr QSize kBackgroundSampleSize(216, 162);
constexpr QSize kDeckSampleSize(135, 162);
constexpr int kTreeWidth = 200;
// Tall enough for the whole background tree; on low screens the trees scroll
// so that the dialog still fits.
constexpr int kTreeHeight = 384;
constexpr int kLowTreeHeight = 200;
constexpr int kLowScreen = 700;
constexpr int kTagRole = Qt::UserRole;

const char* yn(bool on) { return on ? "Y" : "N"; }
QString text(const char* s) { return QString::fromLatin1(s); }

int tagOf(const QTreeWidgetItem* item) { return item ? item->data(0, kTagRole).toInt() : 0; }

QCheckBox* checkBox(QWidget* parent, const char* name, const char* caption) {
    auto* c = new QCheckBox(text(caption), parent);
    c->setObjectName(text(name));
    return c;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const char* caption) {
    auto* g = new QGroupBox(text(caption), parent);
    g->setObjectName(text(name));
    return g;
}

// The tree pictures: closed and open folder, and the leaf.
QIcon treeIcon(const char* name) {
    const QPixmap p = shell::picture(name);
    return p.isNull() ? QIcon() : QIcon(p);
}

QTreeWidget* tree(QWidget* parent, const char* name, int height) {
    auto* t = new QTreeWidget(parent);
    t->setObjectName(text(name));
    t->setHeaderHidden(true);
    t->setColumnCount(1);
    t->setRootIsDecorated(true);
    t->setIndentation(16);
    t->setIconSize(QSize(16, 16));
    t->setFixedWidth(kTreeWidth);
    t->setMinimumHeight(height);
    t->setUniformRowHeights(true);
    // Folders show the open picture while expanded (expanding everything
    // reaches the leaves as well, which keep theirs).
    QObject::connect(t, &QTreeWidget::itemExpanded, t, [](QTreeWidgetItem* i) {
        if (i->childCount() > 0) i->setIcon(0, treeIcon("TREE2"));
    });
    QObject::connect(t, &QTreeWidget::itemCollapsed, t, [](QTreeWidgetItem* i) {
        if (i->childCount() > 0) i->setIcon(0, treeIcon("TREE1"));
    });
    return t;
}

// A page with a captioned tree on the left and a column on the right whose
// top lines up with the tree's.
struct TreePage {
    QWidget* page;
    QLabel* caption;
    QTreeWidget* tree;
    QVBoxLayout* right;
};

TreePage treePage(const char* pageName, const char* captionName, const char* caption, const char* treeName,
                  int treeHeight, int rightSpacing) {
    TreePage p{};
    p.page = new QWidget;
    p.page->setObjectName(text(pageName));
    auto* row = new QHBoxLayout(p.page);
    row->setContentsMargins(12, 12, 12, 12);
    row->setSpacing(16);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    p.caption = new QLabel(text(caption), p.page);
    p.caption->setObjectName(text(captionName));
    p.tree = tree(p.page, treeName, treeHeight);
    p.caption->setBuddy(p.tree);
    // A tree is named by the caption over it, which a screen reader does not read for it.
    p.tree->setAccessibleName(p.caption->text().chopped(p.caption->text().endsWith(u':') ? 1 : 0));
    left->addWidget(p.caption);
    left->addWidget(p.tree, 1);
    row->addLayout(left);

    p.right = new QVBoxLayout;
    p.right->setSpacing(rightSpacing);
    p.right->addSpacing(p.caption->sizeHint().height() + 4);
    row->addLayout(p.right, 1);
    return p;
}

QTreeWidgetItem* folderItem(QTreeWidget* t, QTreeWidgetItem* parent, const char* caption) {
    // A folder already made under the same parent is used again.
    const int count = parent ? parent->childCount() : t->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* it = parent ? parent->child(i) : t->topLevelItem(i);
        if (it->text(0) == text(caption) && it->childCount() > 0) return it;
    }
    auto* it = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(t);
    it->setText(0, text(caption));
    it->setData(0, kTagRole, 0);
    it->setIcon(0, treeIcon("TREE1"));
    return it;
}

QTreeWidgetItem* leafItem(QTreeWidgetItem* parent, const char* caption, int tag) {
    auto* it = new QTreeWidgetItem(parent);
    it->setText(0, text(caption));
    it->setData(0, kTagRole, tag);
    it->setIcon(0, treeIcon("N_TREE3"));
    return it;
}

QTreeWidgetItem* findTag(QTreeWidget* t, int tag) {
    for (QTreeWidgetItemIterator it(t); *it; ++it)
        if ((*it)->childCount() == 0 && tagOf(*it) == tag) return *it;
    return nullptr;
}

QColor defaultGreen(bool manyColours) { return manyColours ? QColor(0, 96, 0) : QColor(0, 128, 0); }

QLabel* samplePanel(QWidget* parent, const char* name, QSize size) {
    auto* l = new QLabel(parent);
    l->setObjectName(text(name));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setLineWidth(1);
    l->setAlignment(Qt::AlignCenter);
    l->setFixedSize(size + QSize(2, 2));
    return l;
}

}  // namespace

const std::array<CardBackEntry, 5>& cardBackEntries() { return kCardBacks; }
const std::array<BackgroundEntry, 12>& backgroundEntries() { return kBackgrounds; }

QImage backgroundSample(int code, const SampleDisplay& d) {
    QImage img(d.size, QImage::Format_RGB32);
    img.fill(defaultGreen(d.manyColours));
    if (code <= 0) return img;
    if (code == 1 || code > 1000) {
        const QColor colour = colourFromValue(code == 1 ? d.storedColour : code);
        img.fill(colour);
        if (d.fade && d.manyColours) fadeRect(img, img.width(), img.height(), colour);
        return img;
    }
    QImage picture;
    loadNamedImage(picture, "B" + Register::zeroPadded(code, 3));
    if (picture.isNull()) return img;
    if (code < 500) {
        tileImage(img, img.width(), img.height(), picture);
        return img;
    }
    // A whole picture lies once at the table's top left corner; the sample
    // shows the table scaled down.
    QImage table(d.table.isEmpty() ? d.size : d.table, QImage::Format_RGB32);
    table.fill(defaultGreen(d.manyColours));
    {
        QPainter p(&table);
        p.drawImage(0, 0, picture);
    }
    return table.scaled(d.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ------------------------------------------------------------------ building

CustomizeDialog::CustomizeDialog(Context& ctx, shell::MainWindow& window, QSize screen, bool manyColours)
    : QDialog(&window), ctx_(ctx), window_(window), screen_(screen), manyColours_(manyColours) {
    setObjectName(QStringLiteral("TfrmCustomize_Velmora"));
    setWindowTitle(QStringLiteral("Customize"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(10);
    pgcCustomize = new QTabWidget(this);
    pgcCustomize->setObjectName(QStringLiteral("pgcCustomize"));
    pgcCustomize->setAccessibleName(QStringLiteral("Customize pages"));
    column->addWidget(pgcCustomize, 1);
    buildGeneralPage();
    buildDecksPage();
    buildBackgroundsPage();
    buildSoundsPage();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnOK, btnCancel}) {
        b->setMinimumWidth(80);
        buttons->addWidget(b);
    }
    column->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &CustomizeDialog::okClicked);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    shell::applyBaseFont(this);
    // The sample's caption stands out from the controls around it.
    QFont bold = lblDeckName->font();
    bold.setBold(true);
    lblDeckName->setFont(bold);

    showSettings();
    adjustSize();
    setFixedSize(size());
    centreOnScreen();
}

void CustomizeDialog::buildGeneralPage() {
    tabGeneral = new QWidget;
    tabGeneral->setObjectName(QStringLiteral("tabGeneral"));
    auto* column = new QVBoxLayout(tabGeneral);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(10);

    grpButtons = groupBox(tabGeneral, "grpButtons", "Buttons ");
    chkLargeButtons = checkBox(grpButtons, "chkLargeButtons", "&Large buttons");
    chkFlatButtons = checkBox(grpButtons, "chkFlatButtons", "&Flat buttons");
    auto* buttonsColumn = new QVBoxLayout(grpButtons);
    buttonsColumn->addWidget(chkLargeButtons);
    buttonsColumn->addWidget(chkFlatButtons);
    column->addWidget(grpButtons);
    grpButtons->hide();

    grpTimeScores = groupBox(tabGeneral, "grpTimeScores", "Time / Scores options");
    chkShowTime = checkBox(grpTimeScores, "chkShowTime", "Show &time");
    chkShowScore = checkBox(grpTimeScores, "chkShowScore", "Show sco&re");
    auto* readouts = new QVBoxLayout(grpTimeScores);
    readouts->setSpacing(6);
    readouts->addWidget(chkShowTime);
    readouts->addWidget(chkShowScore);
    column->addWidget(grpTimeScores);

    // How long the two cards of a miss stay face up in the Memory games.
    grpMiss = groupBox(tabGeneral, "grpMiss", "Memory");
    cboMissTime = new QComboBox(grpMiss);
    cboMissTime->setObjectName(QStringLiteral("cboMissTime"));
    const std::pair<const char*, const char*> missTimes[] = {
        {"0.2 s", "200"}, {"0.5 s", "500"}, {"1 s", "1000"}, {"2 s", "2000"}, {"until the next click", "Click"}};
    for (const auto& [caption, value] : missTimes)
        cboMissTime->addItem(QString::fromLatin1(caption), QString::fromLatin1(value));
    auto* missRow = new QHBoxLayout(grpMiss);
    auto* missLabel = new QLabel(QStringLiteral("Show a &miss for:"), grpMiss);
    missLabel->setBuddy(cboMissTime);
    missRow->addWidget(missLabel);
    missRow->addWidget(cboMissTime, 1);
    column->addWidget(grpMiss);

    grpShow = groupBox(tabGeneral, "grpShow", "Show ");
    chkWinningAnimation = checkBox(grpShow, "chkWinningAnimation", "&Winning animation");
    // choice: the hidden box starts ticked, as the winning animations play.
    chkWinningAnimation->setChecked(true);
    auto* showColumn = new QVBoxLayout(grpShow);
    showColumn->addWidget(chkWinningAnimation);
    column->addWidget(grpShow);
    grpShow->hide();

    grpConfirm = groupBox(tabGeneral, "grpConfirm", "");
    chkConfirmQuitGame = checkBox(grpConfirm, "chkConfirmQuitGame", "C&onfirm quit game");
    chkConfirmQuit = checkBox(grpConfirm, "chkConfirmQuit", "Confirm on e&xit");
    auto* confirm = new QVBoxLayout(grpConfirm);
    confirm->setSpacing(6);
    confirm->addWidget(chkConfirmQuitGame);
    confirm->addWidget(chkConfirmQuit);
    column->addWidget(grpConfirm);
    column->addStretch(1);
    pgcCustomize->addTab(tabGeneral, QStringLiteral("&General"));
}

void CustomizeDialog::buildDecksPage() {
    const TreePage p = treePage("tabDecks", "lblDecks", "Select a card back:", "tvDecks", treeHeight(), 6);
    tabDecks = p.page;
    lblDecks = p.caption;
    tvDecks = p.tree;
    QVBoxLayout* right = p.right;
    imgDeckSample = samplePanel(tabDecks, "imgDeckSample", kDeckSampleSize);
    lblDeckName = new QLabel(tabDecks);
    lblDeckName->setObjectName(QStringLiteral("lblDeckName"));
    lblDeckName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    right->addWidget(imgDeckSample, 0, Qt::AlignHCenter);
    right->addWidget(lblDeckName);
    // The card size, from the Game menu's "Card size" as well.
    lblCardSize = new QLabel(QStringLiteral("Card si&ze:"), tabDecks);
    lblCardSize->setObjectName(QStringLiteral("lblCardSize"));
    cboCardSize = new QComboBox(tabDecks);
    cboCardSize->setObjectName(QStringLiteral("cboCardSize"));
    for (const shell::CardSizeChoice& c : shell::cardSizeChoices())
        cboCardSize->addItem(QString::fromLatin1(c.caption).remove(QLatin1Char('&')), QString::fromLatin1(c.letter));
    lblCardSize->setBuddy(cboCardSize);
    right->addSpacing(8);
    right->addWidget(lblCardSize);
    right->addWidget(cboCardSize);
    right->addStretch(1);

    fillDeckTree();
    connect(tvDecks, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item, QTreeWidgetItem*) { deckChosen(item); });
    pgcCustomize->addTab(tabDecks, QStringLiteral("&Decks  "));
}

void CustomizeDialog::buildBackgroundsPage() {
    const TreePage p =
        treePage("tabBackgrounds", "lblBackgrounds", "Select a background:", "tvBackgrounds", treeHeight(), 8);
    tabBackgrounds = p.page;
    lblBackgrounds = p.caption;
    tvBackgrounds = p.tree;
    QVBoxLayout* right = p.right;
    imgBackgroundSample = samplePanel(tabBackgrounds, "imgBackgroundSample", kBackgroundSampleSize);
    chkFadeBackground = checkBox(tabBackgrounds, "chkFadeBackground", "&Fade background");
    right->addWidget(imgBackgroundSample);
    right->addWidget(chkFadeBackground);
    right->addStretch(1);

    fillBackgroundTree();
    connect(tvBackgrounds, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item, QTreeWidgetItem*) { backgroundChosen(item); });
    connect(chkFadeBackground, &QCheckBox::toggled, this, [this] {
        // Only colours fade.
        if (backgroundCode_ == 1 || backgroundCode_ > 1000) {
            drawBackgroundSample();
            drawDeckSample();
        }
    });
    pgcCustomize->addTab(tabBackgrounds, QStringLiteral("&Backgrounds"));
}

void CustomizeDialog::buildSoundsPage() {
    tabSounds = new QWidget;
    tabSounds->setObjectName(QStringLiteral("tabSounds"));
    auto* column = new QVBoxLayout(tabSounds);
    column->setContentsMargins(12, 12, 12, 12);
    chkDisableSounds = checkBox(tabSounds, "chkDisableSounds", "Disable all &sounds");
    column->addWidget(chkDisableSounds);
    column->addStretch(1);
    pgcCustomize->addTab(tabSounds, QStringLiteral("&Sounds"));
}

void CustomizeDialog::fillDeckTree() {
    for (const CardBackEntry& e : kCardBacks) leafItem(folderItem(tvDecks, nullptr, e.folder), e.name, e.number);
    tvDecks->expandAll();
}

void CustomizeDialog::fillBackgroundTree() {
    for (const BackgroundEntry& e : kBackgrounds) {
        QTreeWidgetItem* folder = folderItem(tvBackgrounds, nullptr, e.folder);
        if (e.subfolder) folder = folderItem(tvBackgrounds, folder, e.subfolder);
        leafItem(folder, e.name, e.code);
    }
    tvBackgrounds->expandAll();
}

int CustomizeDialog::treeHeight() const {
    return screen_.height() >= kLowScreen ? kTreeHeight : kLowTreeHeight;
}

void CustomizeDialog::centreOnScreen() {
    const QScreen* screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(QPoint(0, 0), screen_);
    move(area.center() - QPoint(width() / 2, height() / 2));
}

// ---------------------------------------------------------------------- show

void CustomizeDialog::showSettings() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Register& reg = ctx_.reg;
    for (std::size_t i = 0; i < kKeptFields.size(); ++i) kept_[i] = reg.read(kKeptFields[i]);
    storedColour_ = storedBackgroundColour(reg);

    // Selections first, with the signals quiet, so the samples are drawn once.
    {
        const QSignalBlocker quietDecks(tvDecks);
        const QSignalBlocker quietBackgrounds(tvBackgrounds);
        const QSignalBlocker quietFade(chkFadeBackground);
        chkFadeBackground->setChecked(reg.read(reg::FadeBackground) == "Y");
        cardBack_ = reg.readInt(reg::CardBack, 0);
        if (QTreeWidgetItem* back = findTag(tvDecks, cardBack_)) tvDecks->setCurrentItem(back);
        // choice: the node of the background in use is selected; the default
        // background (no choice) and the custom colour have no node, so
        // nothing is selected for them and the sample shows them as they are.
        backgroundCode_ = backgroundCodeOf(reg);
        if (QTreeWidgetItem* bg = findTag(tvBackgrounds, backgroundCode_)) tvBackgrounds->setCurrentItem(bg);
        else tvBackgrounds->setCurrentItem(nullptr);
    }
    drawBackgroundSample();
    drawDeckSample();

    // choice: the box says "disable", so it is ticked while the sounds are
    // off (141 = "N"); ticked the other way round, every OK would switch the
    // sounds over.
    chkDisableSounds->setChecked(reg.read(reg::SoundsOn) == "N");
    // A size the list does not hold selects nothing.
    cboCardSize->setCurrentIndex(cboCardSize->findData(QString::fromStdString(reg.read(reg::CardSize))));
    const Profile ini = settingsFile(reg);
    chkLargeButtons->setChecked(ini.readString(section::Preference, "ToolBar_Large", "N") == "Y");
    chkFlatButtons->setChecked(ini.readString(section::Preference, "ToolBar_Flat", "Y") == "Y");
    chkConfirmQuit->setChecked(ini.readString(section::Preference, "ConfirmQuit", "N") == "Y");
    chkShowTime->setChecked(reg.read(reg::ShowTime) != "N");
    chkShowScore->setChecked(reg.read(reg::ShowScore) != "N");
    chkConfirmQuitGame->setChecked(reg.read(reg::ConfirmQuit) != "N");
    const int miss = cboMissTime->findData(QString::fromStdString(reg.read(reg::MissShowTime)));
    cboMissTime->setCurrentIndex(miss >= 0 ? miss : 0);
    QApplication::restoreOverrideCursor();
}

SampleDisplay CustomizeDialog::sampleDisplay(QSize size) const {
    SampleDisplay d;
    d.size = size;
    // The table lies below the toolbar: the large bar or the compact one.
    d.table = screen_ - QSize(0, window_.largeIcons() ? 61 : 24);
    d.fade = chkFadeBackground->isChecked();
    d.manyColours = manyColours_;
    d.storedColour = storedColour_;
    return d;
}

void CustomizeDialog::drawBackgroundSample() {
    backgroundSample_ = backgroundSample(backgroundCode_, sampleDisplay(kBackgroundSampleSize));
    imgBackgroundSample->setPixmap(QPixmap::fromImage(backgroundSample_));
}

void CustomizeDialog::drawDeckSample() {
    // The back lies on the chosen background, as it will on the table.
    deckSample_ = backgroundSample(backgroundCode_, sampleDisplay(kDeckSampleSize));
    QImage back;
    loadNamedImage(back, "DB" + Register::zeroPadded(cardBack_, 3));
    QString name;
    for (const CardBackEntry& e : kCardBacks)
        if (e.number == cardBack_) name = text(e.name);
    if (!back.isNull()) {
        const QPoint at((deckSample_.width() - back.width()) / 2, (deckSample_.height() - back.height()) / 2);
        // The card's corner pixels show the background, as on the table.
        back = back.convertToFormat(QImage::Format_RGB32);
        const int w = back.width(), h = back.height();
        for (const QPoint c : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(w - 1, 0), QPoint(w - 2, 0),
                               QPoint(w - 1, 1), QPoint(0, h - 1), QPoint(1, h - 1), QPoint(0, h - 2),
                               QPoint(w - 1, h - 1), QPoint(w - 2, h - 1), QPoint(w - 1, h - 2)})
            back.setPixel(c, deckSample_.pixel(at + c));
        QPainter p(&deckSample_);
        p.drawImage(at, back);
    }
    imgDeckSample->setPixmap(QPixmap::fromImage(deckSample_));
    lblDeckName->setText(name);
}

void CustomizeDialog::deckChosen(QTreeWidgetItem* item) {
    const int number = tagOf(item);
    if (number <= 0) return;  // a folder
    cardBack_ = number;
    drawDeckSample();
}

void CustomizeDialog::backgroundChosen(QTreeWidgetItem* item) {
    // A folder carries no code: no choice, the default background.
    backgroundCode_ = tagOf(item);
    drawBackgroundSample();
    drawDeckSample();
}

bool CustomizeDialog::selectBackground(int code) {
    QTreeWidgetItem* item = findTag(tvBackgrounds, code);
    if (item) tvBackgrounds->setCurrentItem(item);
    return item != nullptr;
}

bool CustomizeDialog::selectCardBack(int number) {
    QTreeWidgetItem* item = findTag(tvDecks, number);
    if (item) tvDecks->setCurrentItem(item);
    return item != nullptr;
}

// ------------------------------------------------------------- OK and close

void CustomizeDialog::writeSelections() {
    Register& reg = ctx_.reg;
    reg.setFlag(reg::FadeBackground, chkFadeBackground->isChecked());
    if (cardBack_ > 0) reg.writePadded(reg::CardBack, cardBack_);
    writeBackgroundChoice(reg, backgroundChoice(backgroundCode_, storedColour_));
}

void CustomizeDialog::okClicked() {
    Register& reg = ctx_.reg;
    const Profile ini = settingsFile(reg);
    const auto pref = section::Preference;
    const bool sounds = !chkDisableSounds->isChecked();

    // 1. Sounds and the card back.
    ini.writeString(pref, "Sounds_Enabled", yn(sounds));
    if (cardBack_ > 0) reg.writePadded(reg::CardBack, cardBack_);
    ini.writeInt(pref, "Back_Card", reg.readInt(reg::CardBack, 11));

    // 2. The background rule, fading and sounds into the register; the
    //    settings file follows.
    const BackgroundChoice choice = backgroundChoice(backgroundCode_, storedColour_);
    writeBackgroundChoice(reg, choice);
    reg.setFlag(reg::FadeBackground, chkFadeBackground->isChecked());
    reg.write(reg::SoundsOn, yn(sounds));
    writeBackgroundSettings(ini, choice, storedColour_);
    ini.writeString(pref, "Fade_Background", yn(chkFadeBackground->isChecked()));
    ini.writeString(pref, "ToolBar_Large", yn(chkLargeButtons->isChecked()));
    ini.writeString(pref, "ToolBar_Flat", yn(chkFlatButtons->isChecked()));
    ini.writeString(pref, "Show_Time", yn(chkShowTime->isChecked()));
    ini.writeString(pref, "Show_Score", yn(chkShowScore->isChecked()));
    ini.writeString(pref, "ConfirmQuit", yn(chkConfirmQuit->isChecked()));
    ini.writeString(pref, "ConfirmQuitGame", yn(chkConfirmQuitGame->isChecked()));
    ini.writeString(pref, "Winning_Animation", yn(chkWinningAnimation->isChecked()));
    const std::string miss = cboMissTime->currentData().toString().toStdString();
    ini.writeString(pref, "Miss_Show_Time", miss);
    reg.write(reg::MissShowTime, miss);

    // 3. Read-outs and toolbar in the window, the quit confirmation.
    reg.setFlag(reg::ShowTime, chkShowTime->isChecked());
    reg.setFlag(reg::ShowScore, chkShowScore->isChecked());
    window_.applyToolbarVisibility(ini.readString(pref, "ToolBar_Visible", "Y") == "Y", false);
    reg.setFlag(reg::ConfirmQuit, chkConfirmQuitGame->isChecked());

    // 4. The card size, when another one is chosen.
    const QString size = cboCardSize->currentData().toString();
    if (!size.isEmpty() && size.toStdString() != kept_[0]) shell::chooseCardSize(window_, size.toStdString());

    // 5. Close.
    accept();
}

void CustomizeDialog::done(int result) {
    if (closing_) return;
    closing_ = true;
    cancelled_ = result != QDialog::Accepted;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (cancelled_) {
        for (std::size_t i = 0; i < kKeptFields.size(); ++i) ctx_.reg.write(kKeptFields[i], kept_[i]);
    } else {
        writeSelections();
    }
    // Card pictures and background afresh, the layout, the whole table.
    window_.relayout();
    window_.table()->repaint();
    QApplication::restoreOverrideCursor();
    QDialog::done(result);
}

void showCustomizeDialog(Context& ctx, shell::MainWindow& window, const shell::ShellEnvironment& env) {
    // Made for one showing and freed after it; the guard notices when the
    // window took the dialog with it meanwhile.
    QPointer<CustomizeDialog> dialog = new CustomizeDialog(ctx, window, env.screenSize, env.manyColours());
    dialog->exec();
    delete dialog.data();
}

}  // namespace tessaro::dialogs
