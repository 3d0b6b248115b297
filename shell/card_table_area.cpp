#include "shell/card_table_area.h"

#include <QResizeEvent>

#include "engine/context.h"

namespace tessaro::shell {

CardTableArea::CardTableArea(Context& ctx, QWidget* parent) : TableArea(ctx, parent) {
    // The main window keeps its own presentation, which hands the drawing on
    // to the view.
    Presentation* before = ctx.presentation;
    view_ = new TableView(ctx, this);
    ctx.presentation = before;
    view_->setObjectName(QStringLiteral("tblCards"));
    view_->setBackgroundSource([this]() -> const QImage& { return backgroundPicture(); });
}

void CardTableArea::drawTable(bool background) {
    TableArea::drawTable(background);
    if (background) view_->loadImages();
    view_->drawTable(background, false);
}

void CardTableArea::cardSizeChanged() { view_->loadImages(); }

void CardTableArea::resizeEvent(QResizeEvent* event) {
    TableArea::resizeEvent(event);
    view_->setGeometry(0, 0, event->size().width(), event->size().height());
}

}  // namespace tessaro::shell
