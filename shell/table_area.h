#pragma once
// The card table under the toolbars (the window's "imgSfondo"). It keeps the
// off-screen table picture and the picture of the background alone, both of
// screen size, and draws the chosen background into them. The card drawing
// and the mouse input of the table build on this class through its virtual
// drawing hooks.
#include <QImage>
#include <QSize>
#include <QWidget>
#include <string>

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

    /// The display the buffers are sized for: screen size plus 30 pixels each way.
    void setDisplay(QSize screen, bool manyColours);
    /// Draws the whole table again; with `background` the background first.
    virtual void drawTable(bool background);
    /// The card size changed: card pictures are taken again.
    virtual void cardSizeChanged() {}
    /// The width of the table's vertical scroll bar (none here).
    virtual int scrollBarWidth() const { return 0; }

    /// The off-screen table picture and the background picture.
    const QImage& tablePicture() const { return table_; }
    const QImage& backgroundPicture() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    /// Draws the chosen background into both pictures.
    virtual void drawBackgroundPictures();

    Context& ctx_;
    QImage table_;
    QImage background_;
    std::string backgroundKey_;  ///< the choices and size background_ was drawn for
    QSize screen_{1024, 768};
    bool manyColours_ = true;
};

}  // namespace tessaro::shell
