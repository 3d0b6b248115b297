#include "platform/qt/resources.h"

#include <QFile>
#include <QPixmap>
#include <QResource>
#include <QtEndian>
#include <vector>

namespace tessaro::resources {

namespace {

// Layout of a binary resource file as rcc writes it: a header ("qres",
// version, offsets of the tree, the data and the names, and from version 3
// a flags word), a tree of 14-byte nodes (22 from version 2 on), data blobs
// (4-byte size, then the bytes) and names (2-byte length, 4-byte hash,
// UTF-16 characters). All numbers are big-endian.
class ResourceImage {
public:
    explicit ResourceImage(const QByteArray& b) : b_(b) {}

    bool check() {
        if (b_.size() < 20 || !b_.startsWith("qres")) return false;
        version_ = u32(4);
        if (version_ < 1 || version_ > 3) return false;
        tree_ = u32(8);
        data_ = u32(12);
        names_ = u32(16);
        // From version 3 a flags word names the compression used; only zlib
        // (1) and zstd (4) exist.
        if (version_ >= 3 && (b_.size() < 24 || (u32(20) & ~0x05u) != 0)) return false;
        nodeSize_ = version_ >= 2 ? 22 : 14;
        const quint64 size = quint64(b_.size());
        if (tree_ >= size || data_ >= size || names_ >= size) return false;
        visited_.assign(std::size_t((size - tree_) / nodeSize_ + 1), false);
        if (!node(0, 0)) return false;
        return foundVra_;
    }

private:
    quint32 u32(quint64 at) const { return qFromBigEndian<quint32>(b_.constData() + at); }
    quint16 u16(quint64 at) const { return qFromBigEndian<quint16>(b_.constData() + at); }
    bool inside(quint64 at, quint64 len) const { return at <= quint64(b_.size()) && len <= quint64(b_.size()) - at; }

    bool name(quint32 offset, QString* out) const {
        const quint64 at = quint64(names_) + offset;
        if (!inside(at, 6)) return false;
        const quint16 len = u16(at);
        if (!inside(at + 6, quint64(len) * 2)) return false;
        if (out) {
            out->resize(len);
            for (int i = 0; i < len; ++i) (*out)[i] = QChar(u16(at + 6 + quint64(i) * 2));
        }
        return true;
    }

    bool node(quint64 index, int depth) {
        if (depth > 32 || index >= visited_.size() || visited_[index]) return false;
        visited_[index] = true;
        const quint64 at = quint64(tree_) + index * nodeSize_;
        if (!inside(at, nodeSize_)) return false;
        const quint16 flags = u16(at + 4);
        QString nodeName;
        if (index != 0 && !name(u32(at), &nodeName)) return false;
        if (depth == 1 && nodeName == QLatin1String("vra")) foundVra_ = true;
        if (flags & 0x02) {  // directory
            const quint32 count = u32(at + 6), first = u32(at + 10);
            if (count > visited_.size()) return false;
            for (quint32 i = 0; i < count; ++i)
                if (!node(quint64(first) + i, depth + 1)) return false;
            return true;
        }
        const quint64 blob = quint64(data_) + u32(at + 10);
        if (!inside(blob, 4)) return false;
        return inside(blob + 4, u32(blob));
    }

    const QByteArray& b_;
    quint32 version_ = 0, tree_ = 0, data_ = 0, names_ = 0, nodeSize_ = 14;
    std::vector<bool> visited_;
    bool foundVra_ = false;
};

QString path(const char* prefix, std::string_view name) {
    return QString::fromLatin1(prefix) + QString::fromUtf8(name.data(), qsizetype(name.size()));
}

}  // namespace

bool isValidResourceImage(const QByteArray& bytes) { return ResourceImage(bytes).check(); }

bool loadResourceLibrary(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = f.readAll();
    if (!isValidResourceImage(bytes)) return false;
    return QResource::registerResource(file);
}

void unloadResourceLibrary(const QString& file) { QResource::unregisterResource(file); }

QString bitmapPath(std::string_view name) { return path(kBitmapPrefix, name); }
QString cursorPath(std::string_view name) { return path(kCursorPrefix, name); }
QString wavePath(std::string_view name) { return path(kWavePrefix, name); }

QImage bitmap(std::string_view name) {
    if (name.empty()) return {};
    QImage img;
    if (!img.load(bitmapPath(name), "PNG")) return {};
    return img;
}

bool hasBitmap(std::string_view name) { return !name.empty() && QResource(bitmapPath(name)).isValid(); }

bool cursor(std::string_view name, QCursor& out) {
    if (name.empty()) return false;
    QImage img;
    if (!img.load(cursorPath(name), "PNG")) return false;
    bool okX = false, okY = false;
    const int x = img.text(QStringLiteral("HotX")).toInt(&okX);
    const int y = img.text(QStringLiteral("HotY")).toInt(&okY);
    out = QCursor(QPixmap::fromImage(img), okX ? x : 0, okY ? y : 0);
    return true;
}

QByteArray wave(std::string_view name) {
    if (name.empty()) return {};
    QResource r(wavePath(name));
    if (!r.isValid()) return {};
    return r.uncompressedData();
}

}  // namespace tessaro::resources

namespace tessaro::resources {
std::vector<std::uint8_t> waveBytes(std::string_view name) {
    const QByteArray b = wave(name);
    return std::vector<std::uint8_t>(b.begin(), b.end());
}
}  // namespace tessaro::resources
