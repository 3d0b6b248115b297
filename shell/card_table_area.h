#pragma once
// The main window's table area with the card table in it: the table view
// covers the whole area, draws the cards and takes the mouse on the table.
#include "shell/table_area.h"
#include "table/qt/table_view.h"

namespace tessaro::shell {

class CardTableArea : public TableArea {
    Q_OBJECT
public:
    CardTableArea(Context& ctx, QWidget* parent = nullptr);

    TableView* view() const { return view_; }
    void drawTable(bool background) override;
    void cardSizeChanged() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TableView* view_ = nullptr;
};

}  // namespace tessaro::shell
