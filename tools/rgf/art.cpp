#include "art.h"
#include "library.h"

#include <QFont>
#include <QTransform>
#include <QtMath>
#include <cmath>

namespace rgf {

QPainterPath suitPath(Suit s) {
    QPainterPath p;
    switch (s) {
    case Suit::Hearts:
        p.moveTo(0, 0.5);
        p.cubicTo(-0.18, 0.28, -0.47, 0.08, -0.47, -0.2);
        p.cubicTo(-0.47, -0.42, -0.30, -0.5, -0.2, -0.5);
        p.cubicTo(-0.08, -0.5, -0.02, -0.42, 0, -0.32);
        p.cubicTo(0.02, -0.42, 0.08, -0.5, 0.2, -0.5);
        p.cubicTo(0.30, -0.5, 0.47, -0.42, 0.47, -0.2);
        p.cubicTo(0.47, 0.08, 0.18, 0.28, 0, 0.5);
        break;
    case Suit::Diamonds:
        p.moveTo(0, -0.5);
        p.quadTo(0.15, -0.22, 0.38, 0);
        p.quadTo(0.15, 0.22, 0, 0.5);
        p.quadTo(-0.15, 0.22, -0.38, 0);
        p.quadTo(-0.15, -0.22, 0, -0.5);
        break;
    case Suit::Clubs: {
        const double r = 0.205;
        p.addEllipse(QPointF(0, -0.27), r, r);
        p.addEllipse(QPointF(-0.245, 0.07), r, r);
        p.addEllipse(QPointF(0.245, 0.07), r, r);
        p.addEllipse(QPointF(0, 0.0), 0.12, 0.12);
        p.setFillRule(Qt::WindingFill);  // the overlapping lobes make one shape
        QPainterPath stem;
        stem.moveTo(-0.03, 0.0);
        stem.quadTo(-0.02, 0.36, -0.2, 0.5);
        stem.lineTo(0.2, 0.5);
        stem.quadTo(0.02, 0.36, 0.03, 0.0);
        stem.closeSubpath();
        p = p.united(stem);
        break;
    }
    case Suit::Spades: {
        p.moveTo(0, -0.5);
        p.cubicTo(0.12, -0.3, 0.47, -0.12, 0.47, 0.12);
        p.cubicTo(0.47, 0.30, 0.33, 0.36, 0.22, 0.36);
        p.cubicTo(0.12, 0.36, 0.05, 0.3, 0.03, 0.24);
        p.quadTo(0.05, 0.4, 0.2, 0.5);
        p.lineTo(-0.2, 0.5);
        p.quadTo(-0.05, 0.4, -0.03, 0.24);
        p.cubicTo(-0.05, 0.3, -0.12, 0.36, -0.22, 0.36);
        p.cubicTo(-0.33, 0.36, -0.47, 0.30, -0.47, 0.12);
        p.cubicTo(-0.47, -0.12, -0.12, -0.3, 0, -0.5);
        p.closeSubpath();
        break;
    }
    }
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

QPainterPath suitAt(Suit s, QPointF c, double height) {
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(height, height);
    return t.map(suitPath(s));
}

void paintSuit(QPainter& p, Suit s, QPointF c, double height, bool rotated) {
    p.save();
    p.translate(c);
    if (rotated) p.rotate(180);
    const QPainterPath path = suitAt(s, QPointF(0, 0), height);
    p.setPen(Qt::NoPen);
    p.setBrush(redSuit(s) ? kRed : kBlack);
    p.drawPath(path);
    p.restore();
}

QPainterPath textPath(const QString& text, const QRectF& box, const QString& family, bool bold, double maxWidthFactor) {
    QFont f(family);
    f.setPixelSize(100);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath raw;
    raw.addText(0, 0, f, text);
    const QRectF b = raw.boundingRect();
    if (b.isEmpty()) return raw;
    double sy = box.height() / b.height();
    double sx = sy * maxWidthFactor;
    if (b.width() * sx > box.width()) sx = box.width() / b.width();
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(raw);
}

QImage canvas(int w, int h, QColor fill, qreal dpr) {
    QImage img(qCeil(w * dpr), qCeil(h * dpr), QImage::Format_RGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(fill);
    return img;
}

QImage keyedCanvas(int w, int h, QColor key) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(QColor(key.red(), key.green(), key.blue(), 0));
    return img;
}

void keyTransparent(QImage& img, QColor key) {
    if (img.format() != QImage::Format_ARGB32) img = img.convertToFormat(QImage::Format_ARGB32);
    const QRgb k = qRgba(key.red(), key.green(), key.blue(), 0);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(line[x]) == 0) line[x] = k;
    }
}

static double lattice(int x, int y, int period, quint32 seed) {
    x = ((x % period) + period) % period;
    y = ((y % period) + period) % period;
    quint32 h = seed ^ (quint32(x) * 374761393u) ^ (quint32(y) * 668265263u);
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 65535.0;
}

double tiledNoise(double x, double y, int period, quint32 seed) {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = lattice(x0, y0, period, seed), b = lattice(x0 + 1, y0, period, seed);
    const double c = lattice(x0, y0 + 1, period, seed), d = lattice(x0 + 1, y0 + 1, period, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

void Library::alias(const QString& group, const QString& name, const QString& of) {
    if (const Item* it = find(of)) bitmap(group, name, it->image);
}

const Item* Library::find(const QString& name) const {
    for (const Item& it : items_)
        if (it.name == name) return &it;
    return nullptr;
}

}  // namespace rgf
