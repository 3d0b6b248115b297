#include "shell/resource_lookup.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QSet>

namespace tessaro::shell {

namespace {

QString entry(const char* folder, std::string_view name) {
    return QString::fromLatin1(folder) + QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Files registered by this process, so a second load does not register twice.
QSet<QString>& registered() {
    static QSet<QString> files;
    return files;
}

}  // namespace

bool loadLibrary(const QString& path) {
    const QString key = QFileInfo(path).absoluteFilePath();
    if (registered().contains(key)) return true;
    if (!QFileInfo(path).isFile()) return false;
    if (!QResource::registerResource(path)) return false;
    registered().insert(key);
    return true;
}

void unloadLibrary(const QString& path) {
    const QString key = QFileInfo(path).absoluteFilePath();
    if (!registered().remove(key)) return;
    QResource::unregisterResource(path);
}

QPixmap picture(std::string_view name) {
    if (name.empty()) return {};
    return QPixmap(entry(":/vra/bitmap/", name));
}

bool libraryCursor(std::string_view name, QCursor& out) {
    QImageReader reader(entry(":/vra/cursor/", name));
    // The hot spot's text keys are read with the header, before the pixels.
    bool okX = false, okY = false;
    const int x = reader.text(QStringLiteral("HotX")).toInt(&okX);
    const int y = reader.text(QStringLiteral("HotY")).toInt(&okY);
    const QImage image = reader.read();
    if (image.isNull()) return false;
    out = QCursor(QPixmap::fromImage(image), okX ? x : 0, okY ? y : 0);
    return true;
}

}  // namespace tessaro::shell
