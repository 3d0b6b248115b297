// Card backs: Boat (001), Snowman (003), Plaiting 1 (011), Roses (014) and
// Tropical fish (019), each as "D" + size + number. A scene is drawn in a unit space of
// 100 x 140 mapped onto the card's inner panel.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "art.h"
#include "library.h"

namespace rgf {
namespace {

using Scene = std::function<void(QPainter&, double px)>;  // px: one card pixel in units

QPainterPath wave(double y, double amp, double len, double phase, double x0 = -5, double x1 = 105) {
    QPainterPath p;
    p.moveTo(x0, y);
    for (double x = x0; x <= x1; x += 1.0) p.lineTo(x, y + amp * std::sin((x + phase) * 2 * M_PI / len));
    return p;
}

void boat(QPainter& p, double px) {
    QLinearGradient sky(0, 0, 0, 80);
    sky.setColorAt(0, QColor(70, 130, 210));
    sky.setColorAt(0.7, QColor(170, 205, 235));
    sky.setColorAt(1, QColor(250, 220, 170));
    p.fillRect(QRectF(0, 0, 100, 82), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 150));
    p.drawEllipse(QPointF(76, 28), 9, 9);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(QRectF(8, 18, 26, 8));
    p.drawEllipse(QRectF(18, 14, 20, 9));
    QLinearGradient sea(0, 80, 0, 140);
    sea.setColorAt(0, QColor(30, 100, 170));
    sea.setColorAt(1, QColor(10, 40, 100));
    p.fillRect(QRectF(0, 80, 100, 60), sea);
    // the boat: hull, mast, two sails and a pennant
    p.setPen(QPen(QColor(40, 30, 20), px * 0.8));
    p.setBrush(QColor(140, 70, 30));
    QPainterPath hull;
    hull.moveTo(18, 86);
    hull.lineTo(84, 86);
    hull.quadTo(78, 98, 70, 99);
    hull.lineTo(30, 99);
    hull.quadTo(22, 97, 18, 86);
    p.drawPath(hull);
    p.setPen(QPen(QColor(250, 220, 120), px * 1.2));
    p.drawLine(QPointF(22, 90), QPointF(81, 90));
    p.setPen(QPen(QColor(60, 40, 20), px * 1.4));
    p.drawLine(QPointF(50, 86), QPointF(50, 22));
    p.setPen(QPen(QColor(80, 80, 90), px * 0.7));
    QPainterPath main;
    main.moveTo(52, 26);
    main.quadTo(74, 52, 80, 82);
    main.lineTo(52, 82);
    main.closeSubpath();
    p.setBrush(QColor(252, 250, 240));
    p.drawPath(main);
    QPainterPath jib;
    jib.moveTo(48, 30);
    jib.quadTo(34, 56, 24, 82);
    jib.lineTo(48, 82);
    jib.closeSubpath();
    p.setBrush(QColor(210, 50, 45));
    p.drawPath(jib);
    p.setPen(QPen(QColor(250, 250, 250), px * 1.0));
    p.drawLine(QPointF(44, 46), QPointF(34, 68));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 180, 40));
    QPainterPath flag;
    flag.moveTo(50, 22);
    flag.lineTo(60, 25);
    flag.lineTo(50, 28);
    p.drawPath(flag);
    // waves and their white crests
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 150 - i * 15), px * 0.9));
        p.drawPath(wave(104 + i * 6.5, 1.6, 14, i * 5.0));
    }
    // gulls
    p.setPen(QPen(QColor(40, 40, 60), px * 0.8));
    for (QPointF g : {QPointF(22, 40), QPointF(30, 34), QPointF(70, 48)}) {
        QPainterPath m;
        m.moveTo(g + QPointF(-3.5, -1));
        m.quadTo(g + QPointF(-1.5, -2.5), g);
        m.quadTo(g + QPointF(1.5, -2.5), g + QPointF(3.5, -1));
        p.drawPath(m);
    }
}

void snowman(QPainter& p, double px) {
    QLinearGradient sky(0, 0, 0, 140);
    sky.setColorAt(0, QColor(16, 30, 80));
    sky.setColorAt(1, QColor(70, 110, 180));
    p.fillRect(QRectF(0, 0, 100, 140), sky);
    Noise n(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const double r = n.range(0.6, 1.6);
        p.setBrush(QColor(255, 255, 255, int(n.range(140, 255))));
        p.drawEllipse(QPointF(n.range(0, 100), n.range(0, 110)), r, r);
    }
    p.setBrush(QColor(255, 250, 200));
    p.drawEllipse(QPointF(80, 18), 7, 7);
    p.setBrush(QColor(16, 30, 80));
    p.drawEllipse(QPointF(83, 16), 6, 6);
    // snowy hills
    QPainterPath hill;
    hill.moveTo(0, 112);
    hill.quadTo(30, 96, 60, 108);
    hill.quadTo(84, 100, 100, 104);
    hill.lineTo(100, 140);
    hill.lineTo(0, 140);
    hill.closeSubpath();
    p.setBrush(QColor(236, 244, 255));
    p.drawPath(hill);
    // the snowman: three balls with a blue shade
    auto ball = [&](QPointF c, double r) {
        QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.35), r * 1.4);
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, QColor(170, 195, 230));
        p.setPen(QPen(QColor(120, 140, 180), px * 0.6));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    };
    ball(QPointF(50, 104), 20);
    ball(QPointF(50, 74), 15);
    ball(QPointF(50, 50), 11);
    // arms
    p.setPen(QPen(QColor(100, 60, 30), px * 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(37, 72), QPointF(20, 60));
    p.drawLine(QPointF(24, 63), QPointF(20, 56));
    p.drawLine(QPointF(63, 72), QPointF(80, 62));
    p.drawLine(QPointF(76, 64), QPointF(82, 57));
    // scarf
    p.setPen(QPen(QColor(120, 10, 20), px * 0.5));
    p.setBrush(QColor(210, 30, 40));
    p.drawRoundedRect(QRectF(38, 58, 24, 6), 3, 3);
    p.drawRect(QRectF(52, 60, 6, 16));
    p.setPen(QPen(QColor(255, 255, 255), px * 0.8));
    p.drawLine(QPointF(53, 69), QPointF(57, 69));
    // hat
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 30));
    p.drawRect(QRectF(38, 39, 24, 3));
    p.drawRect(QRectF(42, 24, 16, 16));
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(42, 35, 16, 3));
    // face: coal eyes, carrot nose, smile
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(46, 47), 1.4, 1.4);
    p.drawEllipse(QPointF(54, 47), 1.4, 1.4);
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(44.5 + i * 2.75, 55 - std::sin(i * M_PI / 4) * 1.5), 0.8, 0.8);
    p.setBrush(QColor(240, 120, 30));
    QPainterPath nose;
    nose.moveTo(50, 49);
    nose.lineTo(60, 51.5);
    nose.lineTo(50, 52);
    nose.closeSubpath();
    p.drawPath(nose);
    // buttons
    for (double y : {70.0, 77.0, 96.0}) p.drawEllipse(QPointF(50, y), 1.5, 1.5);
}

void plaiting(QPainter& p, double px) {
    p.fillRect(QRectF(0, 0, 100, 140), QColor(70, 35, 20));
    const double cell = 12.5;
    const QColor a1(214, 168, 96), a2(178, 126, 62), b1(150, 40, 40), b2(110, 25, 30);
    // strands alternate over and under; each strand segment is shaded along
    // its length so the weave reads as raised.
    for (int row = -1; row < 13; ++row)
        for (int col = -1; col < 9; ++col) {
            const double x = col * cell, y = row * cell;
            const bool horizontalOver = (row + col) % 2 == 0;
            auto strand = [&](bool horizontal) {
                QRectF r = horizontal ? QRectF(x - 1, y + 2, cell + 2, cell - 4) : QRectF(x + 2, y - 1, cell - 4, cell + 2);
                QLinearGradient g(horizontal ? r.topLeft() : r.topLeft(), horizontal ? r.bottomLeft() : r.topRight());
                const QColor c1 = horizontal ? a1 : b1, c2 = horizontal ? a2 : b2;
                g.setColorAt(0, c2);
                g.setColorAt(0.45, c1.lighter(115));
                g.setColorAt(1, c2.darker(120));
                p.setPen(QPen(QColor(50, 25, 15), px * 0.6));
                p.setBrush(g);
                p.drawRoundedRect(r, 2, 2);
                // fibres
                p.setPen(QPen(c2.darker(130), px * 0.4));
                if (horizontal)
                    p.drawLine(QPointF(r.left() + 2, r.center().y()), QPointF(r.right() - 2, r.center().y()));
                else
                    p.drawLine(QPointF(r.center().x(), r.top() + 2), QPointF(r.center().x(), r.bottom() - 2));
            };
            strand(!horizontalOver);
            strand(horizontalOver);
        }
}

void rose(QPainter& p, QPointF c, double r, double px, double turn) {
    p.save();
    p.translate(c);
    p.rotate(turn);
    // leaves
    p.setPen(QPen(QColor(20, 70, 30), px * 0.5));
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.rotate(40 + i * 120);
        QPainterPath leaf;
        leaf.moveTo(r * 0.6, 0);
        leaf.quadTo(r * 1.3, -r * 0.55, r * 2.0, 0);
        leaf.quadTo(r * 1.3, r * 0.55, r * 0.6, 0);
        p.setBrush(QColor(50, 130, 60));
        p.drawPath(leaf);
        p.drawLine(QPointF(r * 0.7, 0), QPointF(r * 1.85, 0));
        p.restore();
    }
    // petals in rings, darker towards the heart
    const QColor outer(214, 40, 60), inner(140, 10, 30);
    for (int ring = 0; ring < 4; ++ring) {
        const double rr = r * (1.0 - ring * 0.22);
        const int petals = 5;
        const QColor c1 = QColor::fromRgbF(outer.redF() + (inner.redF() - outer.redF()) * ring / 3.0,
                                           outer.greenF() + (inner.greenF() - outer.greenF()) * ring / 3.0,
                                           outer.blueF() + (inner.blueF() - outer.blueF()) * ring / 3.0);
        p.setPen(QPen(QColor(100, 0, 20), px * 0.5));
        p.setBrush(c1);
        for (int i = 0; i < petals; ++i) {
            const double a = (i + ring * 0.5) * 2 * M_PI / petals;
            p.drawEllipse(QPointF(std::cos(a) * rr * 0.45, std::sin(a) * rr * 0.45), rr * 0.55, rr * 0.55);
        }
    }
    p.setBrush(QColor(110, 0, 20));
    p.drawEllipse(QPointF(0, 0), r * 0.16, r * 0.16);
    p.restore();
}

void roses(QPainter& p, double px) {
    p.fillRect(QRectF(0, 0, 100, 140), QColor(250, 240, 226));
    // a quiet lattice of small leaves behind the flowers
    p.setPen(QPen(QColor(200, 210, 180), px * 0.6));
    for (int i = -10; i < 20; ++i) {
        p.drawLine(QPointF(i * 12.0, 0), QPointF(i * 12.0 + 140, 140));
        p.drawLine(QPointF(i * 12.0, 0), QPointF(i * 12.0 - 140, 140));
    }
    rose(p, QPointF(50, 70), 17, px, 10);
    rose(p, QPointF(22, 30), 11, px, 60);
    rose(p, QPointF(78, 110), 11, px, 240);
    rose(p, QPointF(80, 28), 8, px, 120);
    rose(p, QPointF(20, 112), 8, px, 300);
}

void fish(QPainter& p, QPointF c, double size, bool left, int kind, double px) {
    p.save();
    p.translate(c);
    p.scale(left ? -size : size, size);
    const double w = 1.0 / size * px;
    QPainterPath body;
    if (kind == 0) {  // angelfish: tall triangle with stripes
        body.moveTo(-9, 0);
        body.quadTo(-2, -16, 4, -14);
        body.quadTo(6, -4, 9, 0);
        body.quadTo(6, 4, 4, 14);
        body.quadTo(-2, 16, -9, 0);
        p.setPen(QPen(QColor(40, 40, 20), w * 0.6));
        p.setBrush(QColor(250, 220, 60));
        p.drawPath(body);
        p.save();
        p.setClipPath(body);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30));
        for (double x : {-4.0, 1.5}) p.drawRect(QRectF(x, -16, 2.2, 32));
        p.restore();
        p.setBrush(QColor(250, 220, 60));
        p.setPen(QPen(QColor(40, 40, 20), w * 0.6));
        QPainterPath tail;
        tail.moveTo(8, 0);
        tail.lineTo(14, -5);
        tail.lineTo(14, 5);
        tail.closeSubpath();
        p.drawPath(tail);
    } else {  // clownfish (1) or blue tang (2): oval body, tail
        body.addEllipse(QPointF(0, 0), 10, 5.5);
        QPainterPath tail;
        tail.moveTo(8, 0);
        tail.lineTo(15, -5);
        tail.quadTo(13, 0, 15, 5);
        tail.closeSubpath();
        const QColor main = kind == 1 ? QColor(250, 120, 20) : QColor(40, 90, 220);
        p.setPen(QPen(QColor(20, 20, 30), w * 0.6));
        p.setBrush(kind == 1 ? main : QColor(250, 210, 40));
        p.drawPath(tail);
        p.setBrush(main);
        p.drawPath(body);
        p.save();
        p.setClipPath(body);
        p.setPen(Qt::NoPen);
        if (kind == 1) {
            p.setBrush(Qt::white);
            for (double x : {-5.0, 2.0}) p.drawRect(QRectF(x, -6, 2.6, 12));
        } else {
            p.setBrush(QColor(20, 30, 60));
            QPainterPath mark;
            mark.moveTo(-6, -2);
            mark.quadTo(0, -6, 8, -1);
            mark.quadTo(0, -3, -6, 1);
            p.drawPath(mark);
        }
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-6, -1.2), 1.6, 1.6);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-6.3, -1.2), 0.8, 0.8);
    p.restore();
}

void tropical(QPainter& p, double px) {
    QLinearGradient sea(0, 0, 0, 140);
    sea.setColorAt(0, QColor(60, 190, 220));
    sea.setColorAt(1, QColor(10, 60, 130));
    p.fillRect(QRectF(0, 0, 100, 140), sea);
    // light rays
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        QPainterPath ray;
        ray.moveTo(10 + i * 25, 0);
        ray.lineTo(20 + i * 25, 0);
        ray.lineTo(5 + i * 25, 140);
        ray.lineTo(-8 + i * 25, 140);
        p.setBrush(QColor(255, 255, 255, 22));
        p.drawPath(ray);
    }
    // sand, seaweed and coral
    p.setBrush(QColor(230, 205, 150));
    QPainterPath sand;
    sand.moveTo(0, 128);
    sand.quadTo(50, 118, 100, 128);
    sand.lineTo(100, 140);
    sand.lineTo(0, 140);
    p.drawPath(sand);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        const double x = 8 + i * 21;
        p.setPen(QPen(QColor(30, 140, 70), px * 1.6, Qt::SolidLine, Qt::RoundCap));
        QPainterPath weed;
        weed.moveTo(x, 130);
        weed.cubicTo(x - 6, 115, x + 6, 105, x - 2, 92 + (i % 2) * 8);
        p.drawPath(weed);
    }
    p.setPen(QPen(QColor(240, 110, 120), px * 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 130), QPointF(70, 114));
    p.drawLine(QPointF(70, 120), QPointF(63, 112));
    p.drawLine(QPointF(70, 118), QPointF(77, 110));
    // bubbles
    p.setPen(QPen(QColor(255, 255, 255, 200), px * 0.6));
    for (QPointF b : {QPointF(30, 20), QPointF(33, 12), QPointF(29, 5), QPointF(82, 60), QPointF(85, 52)})
        p.drawEllipse(b, 1.8, 1.8);
    fish(p, QPointF(40, 40), 1.6, false, 0, px);
    fish(p, QPointF(68, 78), 1.5, true, 1, px);
    fish(p, QPointF(30, 96), 1.4, false, 2, px);
}

QImage back(int w, int h, const Scene& scene, qreal dpr = 1) {
    QImage img = canvas(w, h, Qt::white, dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = w <= 25 ? 2.0 : 4.0;
    p.setPen(QPen(QColor(70, 70, 78), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1.0, h - 1.0), r, r);
    const double m = w <= 25 ? 2.0 : 4.0;
    const QRectF inner(m, m, w - 2 * m, h - 2 * m);
    p.save();
    p.setClipRect(inner);
    p.translate(inner.topLeft());
    p.scale(inner.width() / 100.0, inner.height() / 140.0);
    scene(p, 100.0 / inner.width());
    p.restore();
    p.setPen(QPen(QColor(30, 40, 70), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(inner.adjusted(0.5, 0.5, -0.5, -0.5));
    return img;
}

struct Back {
    const char* number;
    Scene scene;
};
const Back kBacks[] = {{"001", boat}, {"003", snowman}, {"011", plaiting}, {"014", roses}, {"019", tropical}};

}  // namespace

QImage cardBack(int w, int h, const QString& number, qreal dpr) {
    if (w < 1 || h < 1) return {};
    for (const Back& b : kBacks)
        if (number == QLatin1String(b.number)) return back(w, h, b.scene, dpr);
    return {};
}

void drawCardBacks(Library& lib) {
    const QString group = QStringLiteral("Card backs");
    for (const Back& b : kBacks) {
        const QString n = QString::fromLatin1(b.number);
        // "D" + "B" + number is also the "DB" + number picture that the middle
        // size scales down for every back but 011.
        lib.bitmap(group, QStringLiteral("DB") + n, back(71, 96, b.scene));
        lib.bitmap(group, QStringLiteral("DM") + n, back(59, 80, b.scene));
        lib.bitmap(group, QStringLiteral("DL") + n, back(25, 32, b.scene));
    }
}

}  // namespace rgf
