#pragma once
// The main window's table area with the card table in it: the table view
// covers the whole area, draws the cards and takes the mouse on the table.
#include "shell/table_area.h"
#include "table/qt/table_view.h"

class QScrollBar;

namespace tessaro::shell {

class CardTableArea : public TableArea {
    Q_OBJECT
public:
    CardTableArea(Context& ctx, QWidget* parent = nullptr);

    TableView* view() const { return view_; }
    void drawTable(bool background) override;
    void cardSizeChanged() override;
    /// The width of the vertical scroll bar, shown or not: the table is laid
    /// out beside it.
    int scrollBarWidth() const override;
    /// The vertical scroll bar `scrBarMain`.
    QScrollBar* scrollBar() const { return scrBarMain_; }
    /// Shows the scroll bar when the lowest card drawn lies below the
    /// area's bottom edge, with a range that reaches it; hides it otherwise.
    void updateScrollBar();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void placeChildren();

    TableView* view_ = nullptr;
    QScrollBar* scrBarMain_ = nullptr;
};

}  // namespace tessaro::shell
