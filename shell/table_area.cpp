#include "shell/table_area.h"

#include <QPainter>

#include "engine/context.h"

namespace tessaro::shell {

TableArea::TableArea(Context& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("imgSfondo"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TableArea::drawTable(bool) { update(); }

void TableArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintBackground(p, rect());
}

void TableArea::paintBackground(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, defaultGreen());
}

}  // namespace tessaro::shell
