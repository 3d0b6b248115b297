#pragma once
// The card table under the toolbars (the window's "imgSfondo"). Here it draws
// the table background; the card drawing and the mouse input of the table
// build on this class and replace its drawing hooks.
#include <QWidget>

namespace tessaro {
struct Context;
}

namespace tessaro::shell {

class TableArea : public QWidget {
    Q_OBJECT
public:
    TableArea(Context& ctx, QWidget* parent = nullptr);

    /// The default table colour on displays of more than 256 colours.
    static QColor defaultGreen() { return QColor(0, 96, 0); }

    /// Draws the whole table again; with `background` the background first.
    virtual void drawTable(bool background);
    /// The card size changed: card pictures are taken again.
    virtual void cardSizeChanged() {}

protected:
    void paintEvent(QPaintEvent* event) override;
    /// Paints the background on the painter's device, covering `rect`.
    virtual void paintBackground(QPainter& painter, const QRect& rect);

    Context& ctx_;
};

}  // namespace tessaro::shell
