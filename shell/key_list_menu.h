#pragma once
// A menu that shows every key of an entry beside it ("F2, Ctrl+N"), not only
// the first, and also the keys a window-wide action gives the entry (listed
// in the entry's "alsoKeys" property).
#include <QMenu>
#include <QString>

class QAction;

namespace tessaro::shell {

/// The keys shown beside a menu entry, in the desktop's spelling.
QString menuKeysText(const QAction* action);

class KeyListMenu : public QMenu {
public:
    using QMenu::QMenu;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

}  // namespace tessaro::shell
