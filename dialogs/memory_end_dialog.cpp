#include "dialogs/memory_end_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/base_form.h"

namespace tessaro::dialogs {

namespace {

QString qstr(const std::string& s) { return QString::fromStdString(s); }

// The window's font size: one step above the 8 points of the other windows,
// so that the figures of the sheet read easily.
constexpr int kSheetPointSize = 9;

QLabel* label(QWidget* parent, const QString& name, int page, const QString& text = {},
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty()) l->setObjectName(name + QString::number(page));
    l->setAlignment(align);
    return l;
}

// A figure: right-aligned so that the columns line up, at least as wide as
// the widest value the column expects (sample), so the columns keep their
// places whatever the values.
QLabel* figure(QWidget* parent, const QString& name, int page, const char* sample) {
    QLabel* l = label(parent, name, page, {}, Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QString::fromLatin1(sample)));
    return l;
}

QFrame* rule(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

// ------------------------------------------------------------ ResultMark

ResultMark::ResultMark(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
}

QColor ResultMark::wonColour() { return QColor(36, 150, 62); }
QColor ResultMark::lostColour() { return QColor(204, 40, 40); }

void ResultMark::setMark(Mark mark) {
    mark_ = mark;
    update();
}

void ResultMark::paintEvent(QPaintEvent*) {
    if (mark_ == Mark::None) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor disc = mark_ == Mark::Won ? wonColour() : lostColour();
    const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
    p.setPen(QPen(disc.darker(140), 2));
    p.setBrush(disc);
    p.drawEllipse(r);

    // The sign in white, thick strokes with round ends, inside the disc.
    const auto at = [&r](double x, double y) { return QPointF(r.left() + x * r.width(), r.top() + y * r.height()); };
    QPen sign(Qt::white, r.width() * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(sign);
    p.setBrush(Qt::NoBrush);
    if (mark_ == Mark::Won) {
        QPainterPath tick;
        tick.moveTo(at(0.27, 0.53));
        tick.lineTo(at(0.43, 0.69));
        tick.lineTo(at(0.73, 0.36));
        p.drawPath(tick);
    } else {
        p.drawLine(at(0.33, 0.33), at(0.67, 0.67));
        p.drawLine(at(0.67, 0.33), at(0.33, 0.67));
    }
}

// ------------------------------------------------------------ MemoryEndDialog

MemoryEndDialog::MemoryEndDialog(const MemoryScoreSheet& sheet, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMemoryEnd"));
    setWindowTitle(QStringLiteral("Game [lost] [won]"));
    setModal(true);
    shell::applyBaseFont(this, kSheetPointSize);

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setAccessibleName(QStringLiteral("Score sheet pages"));
    PageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    // All four tabs show in full: the window is as wide as the tab row.
    PageControl->setUsesScrollButtons(false);
    PageControl->tabBar()->setElideMode(Qt::ElideNone);
    for (int i = 0; i < kPages; ++i) {
        const MemorySheetPage& designed = memorySheetPage(i);
        buildPage(i, QString::fromLatin1(designed.variant), QString::fromLatin1(designed.boxCaption),
                  designed.pointsPerMatch, designed.pointsPerMiss);
    }

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnOK->setAutoDefault(true);
    btnOK->setMinimumWidth(88);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addStretch();
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->setSpacing(10);
    outer->addWidget(PageControl);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    fill(sheet);
}

void MemoryEndDialog::buildPage(int index, const QString& variant, const QString& boxCaption, int matchPoints,
                                int missPoints) {
    ScorePage& pg = pages_[index];
    // Created inside the notebook so that the labels measure with the window's font.
    pg.page = new QWidget(PageControl);
    pg.page->setObjectName(QStringLiteral("tsPage%1").arg(index));

    // The rule box: what a match and a miss are worth, with the mark beside it.
    pg.grpRule = new QGroupBox(boxCaption, pg.page);
    pg.grpRule->setObjectName(QStringLiteral("grpRule%1").arg(index));
    auto* ruleGrid = new QGridLayout(pg.grpRule);
    ruleGrid->setHorizontalSpacing(12);
    ruleGrid->addWidget(label(pg.grpRule, {}, index, QStringLiteral("Points per match:")), 0, 0);
    ruleGrid->addWidget(label(pg.grpRule, {}, index, QStringLiteral("Points per miss:")), 1, 0);
    pg.lblMatchPoints = figure(pg.grpRule, QStringLiteral("lblMatchPoints"), index, "-99");
    pg.lblMissPoints = figure(pg.grpRule, QStringLiteral("lblMissPoints"), index, "-99");
    pg.lblMatchPoints->setText(QString::number(matchPoints));
    pg.lblMissPoints->setText(QString::number(missPoints));
    ruleGrid->addWidget(pg.lblMatchPoints, 0, 1);
    ruleGrid->addWidget(pg.lblMissPoints, 1, 1);
    ruleGrid->setColumnStretch(2, 1);

    pg.imgResult = new ResultMark(pg.page);
    pg.imgResult->setObjectName(QStringLiteral("imgResult%1").arg(index));

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(pg.grpRule, 1);
    top->addWidget(pg.imgResult, 0, Qt::AlignCenter);

    // The score box: matches and misses times their points, the start, the
    // total under a line and the score to win. Columns: name, count, "x",
    // points, "=", product; every figure is right-aligned.
    pg.grpScore = new QGroupBox(QStringLiteral("Score"), pg.page);
    pg.grpScore->setObjectName(QStringLiteral("grpScore%1").arg(index));
    auto* grid = new QGridLayout(pg.grpScore);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    // The names keep to the left, the figures to the right edge, as on a bill.
    grid->setColumnMinimumWidth(0, 70);
    grid->setColumnStretch(0, 1);

    const auto sign = [&](const char* text) {
        return label(pg.grpScore, {}, index, QString::fromLatin1(text), Qt::AlignCenter);
    };
    // One line of the bill: name, count x points = product.
    const auto countLine = [&](int row, const QString& name, QLabel*& count, QLabel*& points, QLabel*& product,
                               int pointsEach) {
        grid->addWidget(label(pg.grpScore, {}, index, name), row, 0);
        count = figure(pg.grpScore, QStringLiteral("lbl") + name, index, "9999");
        points = figure(pg.grpScore, QStringLiteral("lbl") + name + QStringLiteral("Points"), index, "-99");
        product = figure(pg.grpScore, QStringLiteral("lbl") + name + QStringLiteral("Product"), index, "-99999");
        points->setText(QString::number(pointsEach));
        grid->addWidget(count, row, 1);
        grid->addWidget(sign("x"), row, 2);
        grid->addWidget(points, row, 3);
        grid->addWidget(sign("="), row, 4);
        grid->addWidget(product, row, 5);
    };
    countLine(0, QStringLiteral("Matches"), pg.lblMatches, pg.lblMatchesPoints, pg.lblMatchesProduct, matchPoints);
    countLine(1, QStringLiteral("Misses"), pg.lblMisses, pg.lblMissesPoints, pg.lblMissesProduct, missPoints);

    grid->addWidget(label(pg.grpScore, {}, index, QStringLiteral("Start")), 2, 0);
    pg.lblStart = figure(pg.grpScore, QStringLiteral("lblStart"), index, "-99999");
    pg.lblStart->setText(QStringLiteral("-52"));
    grid->addWidget(pg.lblStart, 2, 5);

    grid->addWidget(rule(pg.grpScore), 3, 0, 1, 6);

    QFont bold = font();
    bold.setBold(true);
    bold.setPointSize(kSheetPointSize + 2);
    QLabel* totalName = label(pg.grpScore, {}, index, QStringLiteral("Total"));
    totalName->setFont(bold);
    pg.lblTotal = figure(pg.grpScore, QStringLiteral("lblTotal"), index, "-99999");
    pg.lblTotal->setFont(bold);
    grid->addWidget(totalName, 4, 0);
    grid->addWidget(pg.lblTotal, 4, 5);

    pg.lblToWin = label(pg.grpScore, QStringLiteral("lblToWin"), index, {}, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(pg.lblToWin, 5, 0, 1, 6);

    auto* column = new QVBoxLayout(pg.page);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(12);
    column->addLayout(top);
    column->addWidget(pg.grpScore);
    PageControl->addTab(pg.page, variant);
}

void MemoryEndDialog::fill(const MemoryScoreSheet& sheet) {
    won_ = sheet.won;
    setWindowTitle(qstr(sheet.caption));
    // An unknown page shows on the first one, as the sheet's values do.
    pageIndex_ = sheet.page >= 0 && sheet.page < kPages ? sheet.page : 0;
    ScorePage& pg = pages_[pageIndex_];
    pg.grpRule->setTitle(qstr(sheet.boxCaption));
    pg.lblMatchPoints->setText(QString::number(sheet.pointsPerMatch));
    pg.lblMatchesPoints->setText(QString::number(sheet.pointsPerMatch));
    pg.lblMissPoints->setText(QString::number(sheet.pointsPerMiss));
    pg.lblMissesPoints->setText(QString::number(sheet.pointsPerMiss));
    pg.lblMatches->setText(QString::number(sheet.matches));
    pg.lblMatchesProduct->setText(QString::number(sheet.matchesProduct));
    pg.lblMisses->setText(QString::number(sheet.misses));
    pg.lblMissesProduct->setText(QString::number(sheet.missesProduct));
    pg.lblStart->setText(qstr(sheet.start));
    pg.lblTotal->setText(qstr(sheet.total).trimmed());
    pg.lblToWin->setText(QStringLiteral("(Score to win: %1)").arg(sheet.toWin));

    // The page is the variant's: the other tabs cannot be chosen.
    PageControl->setCurrentIndex(pageIndex_);
    for (int i = 0; i < kPages; ++i) PageControl->setTabEnabled(i, i == pageIndex_);
}

void MemoryEndDialog::showEvent(QShowEvent* event) {
    current().imgResult->setMark(won_ ? ResultMark::Mark::Won : ResultMark::Mark::Lost);
    QDialog::showEvent(event);
}

void MemoryEndDialog::done(int result) {
    const bool wasShowing = isVisible();
    QDialog::done(result);
    if (wasShowing && closeAction_) closeAction_();
}

}  // namespace tessaro::dialogs
