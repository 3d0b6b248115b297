#include "shell/key_list_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QStringList>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace tessaro::shell {

QString menuKeysText(const QAction* action) {
    QStringList keys;
    for (const QKeySequence& k : action->shortcuts()) keys << k.toString(QKeySequence::NativeText);
    const QString also = action->property("alsoKeys").toString();
    if (!also.isEmpty()) keys << QKeySequence(also).toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

void KeyListMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    if (!action || action->isSeparator() || action->menu()) return;
    const QString keys = menuKeysText(action);
    if (keys.isEmpty()) return;
    const qsizetype tab = option->text.indexOf(u'\t');
    const QString caption = tab < 0 ? option->text : option->text.left(tab);
    option->text = caption + u'\t' + keys;
    // The key column is as wide as the widest keys shown.
    option->reservedShortcutWidth = std::max(option->reservedShortcutWidth, fontMetrics().horizontalAdvance(keys));
}

}  // namespace tessaro::shell
