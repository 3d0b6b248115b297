#include "shell/preview_gauge.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>

#include "engine/context.h"
#include "engine/memory.h"

namespace tessaro::shell {

int previewSecondsLeft(const Context& ctx) {
    if (ctx.P[50] != kForgetMeNot || !ctx.run.isSet(Flag::GameInProgress)) return -1;
    // The preview lasts while the first card to remember lies face up and no
    // answer has been placed yet.
    const std::string& first = ctx.piles.dest(0);
    if (first.size() < 3 || !ctx.piles.fila(0).empty()) return -1;
    const int card = cardAt(first, 0);
    if (!CardTable::valid(card) || !ctx.cards.faceUp(card)) return -1;
    const long elapsed = elapsedFromClockText(ctx.clockText);
    if (elapsed < 0 || elapsed > kPreviewSeconds) return -1;
    return kPreviewSeconds - static_cast<int>(elapsed);
}

void updatePreviewGauge(const Context& ctx, QFrame* gauge) {
    if (!gauge) return;
    const int left = previewSecondsLeft(ctx);
    if (left < 0) {
        gauge->hide();
        return;
    }
    if (auto* count = gauge->findChild<QLabel*>(QStringLiteral("lblGaugeCount")))
        count->setText(QString::number(left));
    if (auto* bar = gauge->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))) bar->setValue(left);
    if (!gauge->isVisible()) {
        gauge->adjustSize();
        if (QWidget* table = gauge->parentWidget())
            gauge->move((table->width() - gauge->width()) / 2, table->height() - gauge->height() - 8);
        gauge->show();
        gauge->raise();
    }
}

}  // namespace tessaro::shell
