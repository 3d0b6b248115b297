#include "shell/resource_lookup.h"

#include <QFileInfo>
#include <QSet>

#include "platform/qt/resources.h"

namespace tessaro::shell {

namespace {
// Files registered by this process, so a second load does not register twice.
QSet<QString>& registered() {
    static QSet<QString> files;
    return files;
}
}  // namespace

bool loadLibrary(const QString& path) {
    const QString key = QFileInfo(path).absoluteFilePath();
    if (registered().contains(key)) return true;
    if (!resources::loadResourceLibrary(path)) return false;
    registered().insert(key);
    return true;
}

void unloadLibrary(const QString& path) {
    if (!registered().remove(QFileInfo(path).absoluteFilePath())) return;
    resources::unloadResourceLibrary(path);
}

QPixmap picture(std::string_view name) { return QPixmap::fromImage(resources::bitmap(name)); }

bool libraryCursor(std::string_view name, QCursor& out) { return resources::cursor(name, out); }

}  // namespace tessaro::shell
