#include "dialogs/statistics_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro::dialogs {

namespace {

QLabel* value(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(80);
    return l;
}

}  // namespace

QString durationText(long seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

StatisticsDialog::StatisticsDialog(const PlayStatistics& stats, const std::vector<std::pair<int, QString>>& games,
                                   int current, std::function<bool(int)> resetGame, QWidget* parent)
    : QDialog(parent), stats_(stats), resetGame_(std::move(resetGame)) {
    setObjectName(QStringLiteral("StatisticsDialog"));
    setWindowTitle(QStringLiteral("Statistics"));
    auto* column = new QVBoxLayout(this);

    cboGame = new QComboBox(this);
    cboGame->setObjectName(QStringLiteral("cboGame"));
    for (const auto& [game, name] : games) cboGame->addItem(name, game);
    column->addWidget(cboGame);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    lblPlayed = value(this, "lblPlayed");
    lblWon = value(this, "lblWon");
    lblLost = value(this, "lblLost");
    lblWinRate = value(this, "lblWinRate");
    lblBestScore = value(this, "lblBestScore");
    lblBestTime = value(this, "lblBestTime");
    lblStreak = value(this, "lblStreak");
    lblLongestStreak = value(this, "lblLongestStreak");
    form->addRow(QStringLiteral("Games played:"), lblPlayed);
    form->addRow(QStringLiteral("Won:"), lblWon);
    form->addRow(QStringLiteral("Lost:"), lblLost);
    form->addRow(QStringLiteral("Win rate:"), lblWinRate);
    form->addRow(QStringLiteral("Best score:"), lblBestScore);
    form->addRow(QStringLiteral("Best time:"), lblBestTime);
    form->addRow(QStringLiteral("Current winning streak:"), lblStreak);
    form->addRow(QStringLiteral("Longest winning streak:"), lblLongestStreak);
    column->addLayout(form);

    auto* buttons = new QHBoxLayout;
    btnReset = new QPushButton(QStringLiteral("&Reset"), this);
    btnReset->setObjectName(QStringLiteral("btnReset"));
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    buttons->addWidget(btnReset);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    column->addLayout(buttons);

    connect(cboGame, &QComboBox::currentIndexChanged, this, [this] { showCounts(); });
    connect(btnReset, &QPushButton::clicked, this, [this] {
        if (resetGame_ && resetGame_(shownGame())) showCounts();
    });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    const int index = cboGame->findData(current);
    cboGame->setCurrentIndex(index >= 0 ? index : 0);
    showCounts();
}

int StatisticsDialog::shownGame() const { return cboGame->currentData().toInt(); }

void StatisticsDialog::showGameAt(int index) { cboGame->setCurrentIndex(index); }

void StatisticsDialog::showCounts() {
    const GameStatistics s = stats_.of(shownGame());
    const QString none = QStringLiteral("\u2014");
    lblPlayed->setText(QString::number(s.played));
    lblWon->setText(QString::number(s.won));
    lblLost->setText(QString::number(s.lost));
    lblWinRate->setText(QStringLiteral("%1%").arg(s.winRate()));
    lblBestScore->setText(s.hasScore ? QString::number(s.bestScore) : none);
    lblBestTime->setText(s.bestTime >= 0 ? durationText(s.bestTime) : none);
    lblStreak->setText(QString::number(s.streak));
    lblLongestStreak->setText(QString::number(s.longestStreak));
    btnReset->setEnabled(s.played > 0);
}

}  // namespace tessaro::dialogs
