// The table view's keyboard side: the keys go to the engine's keyboard input,
// the focus shows as a frame, and assistive technology hears where it is.
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "engine/context.h"
#include "table/keyboard.h"
#include "table/qt/table_view.h"

namespace tessaro {

namespace {

// Two rings, light inside dark, so the frame shows on light and dark tables alike.
const QColor kFocusLight(255, 224, 0);
const QColor kHeldLight(64, 192, 255);
const QColor kFrameDark(0, 0, 0);

std::optional<TableKey> keyOf(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    switch (e.key()) {
    case Qt::Key_Left: return TableKey::Left;
    case Qt::Key_Right: return TableKey::Right;
    case Qt::Key_Up: return TableKey::Up;
    case Qt::Key_Down: return TableKey::Down;
    case Qt::Key_Tab: return TableKey::Next;
    case Qt::Key_Backtab: return TableKey::Previous;
    case Qt::Key_Space: return TableKey::Take;
    case Qt::Key_Return:
    case Qt::Key_Enter: return TableKey::Play;
    case Qt::Key_Escape: return TableKey::Back;
    default: return std::nullopt;
    }
}

void ring(QImage& target, const QRect& inner, int thickness, const QColor& colour) {
    const QRect outer = inner.adjusted(-thickness, -thickness, thickness, thickness);
    QPainter p(&target);
    p.fillRect(QRect(outer.left(), outer.top(), outer.width(), thickness), colour);
    p.fillRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), thickness), colour);
    p.fillRect(QRect(outer.left(), inner.top(), thickness, inner.height()), colour);
    p.fillRect(QRect(inner.right() + 1, inner.top(), thickness, inner.height()), colour);
}

}  // namespace

bool TableView::tableKeyPress(QKeyEvent* event) {
    const auto key = keyOf(*event);
    if (!key) return false;
    // A key while another is still being played, or while the mouse holds a
    // card, does nothing.
    if (keyBusy_ || dragging_) return true;
    keyBusy_ = true;
    const bool used = tableKey(ctx_, *key);
    keyBusy_ = false;
    if (!used) return false;
    renderTable();
    refreshWindow();
    return true;
}

void TableView::drawFocusFrames() {
    announceFocus();
    if (!ctx_.focus.shown || !ctx_.run.isSet(Flag::GameInProgress) || dragging_) return;
    // The frame grows with the card: rings of 2 pixels for the small cards,
    // 3 for the middle and big ones, more for bigger cards.
    const int t = std::max(2, ctx_.layout.cardW / 18);
    auto frame = [&](const CardRect& r, const QColor& light) {
        const QRect inner(r.left, r.top + scroll(), r.right - r.left, r.bottom - r.top);
        ring(back_, inner, t, light);
        ring(back_, inner.adjusted(-t, -t, t, t), t, kFrameDark);
    };
    if (const int held = ctx_.focus.held; held != 0) {
        // The held card with the cards above it.
        const auto from = cardPlace(ctx_, held);
        const auto pile = from ? anyPileByName(from->pile) : std::nullopt;
        const auto to = pile ? cardPlace(ctx_, ctx_.piles.top(*pile)) : std::nullopt;
        if (from && to) {
            const CardRect r{std::min(from->rect.left, to->rect.left), std::min(from->rect.top, to->rect.top),
                             std::max(from->rect.right, to->rect.right), std::max(from->rect.bottom, to->rect.bottom)};
            frame(r, kHeldLight);
        }
    }
    if (const auto r = focusFrame(ctx_)) frame(*r, kFocusLight);
}

void TableView::announceFocus() {
    const QString said = QString::fromStdString(focusDescription(ctx_));
    // Setting the name tells a screen reader that listens.
    if (accessibleName() != said) setAccessibleName(said);
}

}  // namespace tessaro
