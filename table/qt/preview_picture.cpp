#include "table/qt/preview_picture.h"

#include <algorithm>
#include <cstdlib>

namespace tessaro {

QRect drawnArea(const QImage& table, const QImage& background) {
    if (table.isNull() || table.size() != background.size()) return {};
    const QImage a = table.convertToFormat(QImage::Format_RGB32);
    const QImage b = background.convertToFormat(QImage::Format_RGB32);
    int left = a.width(), right = -1, top = a.height(), bottom = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (la[x] == lb[x]) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage previewPicture(const QImage& table, const QImage& background) {
    const QRect drawn = drawnArea(table, background);
    if (drawn.isEmpty()) return {};
    const int margin = std::max(8, std::max(drawn.width(), drawn.height()) * 4 / 100);
    const QRect area = drawn.adjusted(-margin, -margin, margin, margin).intersected(table.rect());
    const QImage part = table.copy(area).convertToFormat(QImage::Format_RGB32);
    if (part.width() <= kPreviewMaxWidth && part.height() <= kPreviewMaxHeight) return part;
    QImage small = part.scaled(kPreviewMaxWidth, kPreviewMaxHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    // Scaling may leave the plain background a shade off here and there; it
    // is set back to the exact colour so all of it is see-through.
    const QRgb key = part.pixel(0, 0);
    for (int y = 0; y < small.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < small.width(); ++x) {
            const int d = std::abs(qRed(line[x]) - qRed(key)) + std::abs(qGreen(line[x]) - qGreen(key)) +
                          std::abs(qBlue(line[x]) - qBlue(key));
            if (d <= 3) line[x] = key;
        }
    }
    return small;
}

}  // namespace tessaro
