// The program's icon for the desktop's menus and task bars: a card lying
// face down and its matching card turned up beside it, the game in one
// picture. Drawn on a 256-unit square and scaled, with fewer details at the
// smallest sizes, where they would only blur.
#include <QDir>

#include "art.h"
#include "library.h"

namespace rgf {

namespace {

QPainterPath roundedCard(const QRectF& r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void cardBack(QPainter& p, const QRectF& r, bool detailed) {
    const QPainterPath shape = roundedCard(r, 14);
    p.fillPath(shape, Qt::white);
    const QRectF inner = r.adjusted(10, 10, -10, -10);
    const QPainterPath field = roundedCard(inner, 8);
    QLinearGradient g(inner.topLeft(), inner.bottomRight());
    g.setColorAt(0, kBlue.lighter(135));
    g.setColorAt(1, kBlue.darker(115));
    p.fillPath(field, g);
    if (detailed) {
        // A lattice of fine diagonals, as on the game's own backs.
        p.save();
        p.setClipPath(field);
        p.setPen(QPen(QColor(255, 255, 255, 70), 3));
        for (double d = -inner.height(); d < inner.width(); d += 18) {
            p.drawLine(QPointF(inner.left() + d, inner.top()), QPointF(inner.left() + d + inner.height(), inner.bottom()));
            p.drawLine(QPointF(inner.left() + d, inner.bottom()), QPointF(inner.left() + d + inner.height(), inner.top()));
        }
        p.restore();
    }
    p.setPen(QPen(kOutline, 4));
    p.drawPath(shape);
}

void cardFace(QPainter& p, const QRectF& r, bool detailed) {
    const QPainterPath shape = roundedCard(r, 14);
    p.fillPath(shape, QColor(255, 253, 246));
    paintSuit(p, Suit::Hearts, r.center(), r.height() * (detailed ? 0.42 : 0.55));
    if (detailed) {
        p.fillPath(textPath(QStringLiteral("A"), QRectF(r.left() + 12, r.top() + 10, 26, 32)), kRed);
        paintSuit(p, Suit::Hearts, QPointF(r.left() + 25, r.top() + 58), 20);
    }
    p.setPen(QPen(kOutline, 4));
    p.drawPath(shape);
}

}  // namespace

QImage appIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    const bool detailed = size >= 48;
    const QRectF card(0, 0, 124, 176);
    // The face-down card, tipped to the left, behind the turned one.
    p.save();
    p.translate(84, 138);
    p.rotate(-12);
    p.translate(-card.width() / 2, -card.height() / 2);
    cardBack(p, card, detailed);
    p.restore();
    p.save();
    p.translate(166, 126);
    p.rotate(9);
    p.translate(-card.width() / 2, -card.height() / 2);
    p.setPen(Qt::NoPen);
    p.fillPath(roundedCard(card.translated(5, 7), 14), QColor(0, 0, 0, 60));  // its shadow
    cardFace(p, card, detailed);
    p.restore();
    return img;
}

bool writeAppIcons(const QString& outDir, const QString& name) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(outDir).arg(size);
        if (!QDir().mkpath(folder) || !appIcon(size).save(folder + '/' + name + QStringLiteral(".png"))) return false;
    }
    return true;
}

}  // namespace rgf
