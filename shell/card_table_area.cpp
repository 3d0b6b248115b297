#include "shell/card_table_area.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "engine/context.h"

namespace tessaro::shell {

namespace {
// Room below the lowest card when the table is scrolled to its end.
constexpr int kBottomMargin = 10;
}  // namespace

CardTableArea::CardTableArea(Context& ctx, QWidget* parent) : TableArea(ctx, parent) {
    // The main window keeps its own presentation, which hands the drawing on
    // to the view.
    Presentation* before = ctx.presentation;
    view_ = new TableView(ctx, this);
    ctx.presentation = before;
    view_->setObjectName(QStringLiteral("tblCards"));
    view_->setBackgroundSource([this]() -> const QImage& { return backgroundPicture(); });
    view_->setTableDrawnHook([this] { updateScrollBar(); });

    scrBarMain_ = new QScrollBar(Qt::Vertical, this);
    scrBarMain_->setObjectName(QStringLiteral("scrBarMain"));
    scrBarMain_->setRange(0, 0);
    scrBarMain_->hide();
    connect(scrBarMain_, &QScrollBar::valueChanged, this, [this](int value) { view_->setScroll(value); });
}

void CardTableArea::drawTable(bool background) {
    TableArea::drawTable(background);
    if (background) view_->loadImages();
    view_->drawTable(background, false);
}

void CardTableArea::cardSizeChanged() { view_->loadImages(); }

int CardTableArea::scrollBarWidth() const { return scrBarMain_->sizeHint().width(); }

void CardTableArea::updateScrollBar() {
    const int client = height();
    const int lowest = view_->lowestDrawnBottom();
    const bool needed = client > 0 && lowest > client;
    {
        // The whole-table draw has set the scroll position to 0 already.
        const QSignalBlocker quiet(scrBarMain_);
        if (needed) {
            // choice: the range reaches the lowest card plus a small margin; a
            // page is the visible height, a line a quarter card.
            scrBarMain_->setRange(0, lowest + kBottomMargin - client);
            scrBarMain_->setPageStep(client);
            scrBarMain_->setSingleStep(std::max(1, ctx_.layout.cardH / 4));
        } else {
            scrBarMain_->setRange(0, 0);
        }
        scrBarMain_->setValue(std::min(ctx_.layout.scroll, scrBarMain_->maximum()));
    }
    if (ctx_.layout.scroll != scrBarMain_->value()) view_->setScroll(scrBarMain_->value());
    scrBarMain_->setVisible(needed);
    placeChildren();
}

void CardTableArea::placeChildren() {
    const int w = width();
    const int bar = scrBarMain_->isVisibleTo(this) ? scrollBarWidth() : 0;
    view_->setGeometry(0, 0, std::max(0, w - bar), height());
    scrBarMain_->setGeometry(w - scrollBarWidth(), 0, scrollBarWidth(), height());
}

void CardTableArea::resizeEvent(QResizeEvent* event) {
    TableArea::resizeEvent(event);
    placeChildren();
    updateScrollBar();
}

void CardTableArea::wheelEvent(QWheelEvent* event) {
    // The wheel over the table scrolls it.
    if (scrBarMain_->isVisibleTo(this)) QCoreApplication::sendEvent(scrBarMain_, event);
    else event->ignore();
}

}  // namespace tessaro::shell
