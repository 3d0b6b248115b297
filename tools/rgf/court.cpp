// Court figures are drawn in a unit space of 100 x 180 (the upper half is
// 0..90 and is drawn twice, the second time turned about the centre), then
// mapped onto the card's court frame.
#include "court.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace rgf {
namespace {

struct Dress {
    QColor robe, band, trim, hair;
};

Dress dressFor(Suit s, int rank) {
    const QColor red(200, 32, 40), gold(236, 184, 44), blue(40, 74, 170), dark(46, 46, 60), green(40, 128, 80);
    const QColor brown(120, 76, 36), blond(226, 176, 70), grey(170, 160, 150);
    QColor hair = rank == 13 ? grey : rank == 12 ? blond : brown;
    switch (s) {
    case Suit::Hearts: return {red, gold, blue, hair};
    case Suit::Diamonds: return {gold, red, blue, rank == 13 ? QColor(140, 90, 50) : hair};
    case Suit::Clubs: return {blue, red, gold, hair};
    case Suit::Spades: return {dark, gold, green, rank == 12 ? QColor(120, 70, 30) : hair};
    }
    return {red, gold, blue, hair};
}

class Unit {
public:
    Unit(QPainter& p, const QRectF& frame) : p_(p), scale_(frame.width() / 100.0) {
        p_.save();
        p_.translate(frame.topLeft());
        p_.scale(frame.width() / 100.0, frame.height() / 180.0);
    }
    ~Unit() { p_.restore(); }
    /// Pen of a given width in card pixels.
    QPen pen(const QColor& c, double px) const { return QPen(c, px / scale_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

private:
    QPainter& p_;
    double scale_;
};

QPainterPath poly(std::initializer_list<QPointF> pts) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& q : pts) {
        if (first) path.moveTo(q); else path.lineTo(q);
        first = false;
    }
    path.closeSubpath();
    return path;
}

void face(QPainter& p, const Unit& u, QPointF c, double rx, double ry, bool beard, const QColor& hair, bool female) {
    p.setPen(u.pen(kOutline, 0.5));
    p.setBrush(kSkin);
    p.drawEllipse(c, rx, ry);
    // eyes, brows, nose, mouth
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 60));
    p.drawEllipse(c + QPointF(-rx * 0.4, -ry * 0.12), rx * 0.13, ry * 0.09);
    p.drawEllipse(c + QPointF(rx * 0.4, -ry * 0.12), rx * 0.13, ry * 0.09);
    p.setBrush(Qt::NoBrush);
    p.setPen(u.pen(hair.darker(150), 0.45));
    p.drawLine(c + QPointF(-rx * 0.62, -ry * 0.33), c + QPointF(-rx * 0.2, -ry * 0.36));
    p.drawLine(c + QPointF(rx * 0.2, -ry * 0.36), c + QPointF(rx * 0.62, -ry * 0.33));
    p.setPen(u.pen(QColor(170, 110, 90), 0.4));
    p.drawLine(c + QPointF(0, -ry * 0.05), c + QPointF(-rx * 0.12, ry * 0.22));
    p.setPen(u.pen(female ? QColor(200, 40, 60) : QColor(160, 60, 60), 0.55));
    p.drawLine(c + QPointF(-rx * 0.25, ry * 0.45), c + QPointF(rx * 0.25, ry * 0.45));
    if (female) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 150, 150, 120));
        p.drawEllipse(c + QPointF(-rx * 0.55, ry * 0.22), rx * 0.2, ry * 0.12);
        p.drawEllipse(c + QPointF(rx * 0.55, ry * 0.22), rx * 0.2, ry * 0.12);
    }
    if (beard) {
        QPainterPath b;
        b.moveTo(c + QPointF(-rx * 0.95, ry * 0.05));
        b.cubicTo(c + QPointF(-rx * 0.9, ry * 1.3), c + QPointF(-rx * 0.3, ry * 1.75), c + QPointF(0, ry * 1.8));
        b.cubicTo(c + QPointF(rx * 0.3, ry * 1.75), c + QPointF(rx * 0.9, ry * 1.3), c + QPointF(rx * 0.95, ry * 0.05));
        b.cubicTo(c + QPointF(rx * 0.6, ry * 0.6), c + QPointF(rx * 0.3, ry * 0.3), c + QPointF(0, ry * 0.3));
        b.cubicTo(c + QPointF(-rx * 0.3, ry * 0.3), c + QPointF(-rx * 0.6, ry * 0.6), c + QPointF(-rx * 0.95, ry * 0.05));
        p.setPen(u.pen(kOutline, 0.45));
        p.setBrush(hair);
        p.drawPath(b);
        p.setPen(u.pen(QColor(160, 60, 60), 0.55));
        p.drawLine(c + QPointF(-rx * 0.22, ry * 0.55), c + QPointF(rx * 0.22, ry * 0.55));
    }
}

void crown(QPainter& p, const Unit& u, double cx, double y, double w, bool queen, const Dress& d) {
    const double h = queen ? 9 : 12;
    QPainterPath c;
    c.moveTo(cx - w / 2, y);
    const int points = queen ? 3 : 5;
    for (int i = 0; i <= points * 2; ++i) {
        const double x = cx - w / 2 + w * i / (points * 2.0);
        const double yy = (i % 2 == 0) ? y - h : y - h * 0.45;
        c.lineTo(x, yy);
    }
    c.lineTo(cx + w / 2, y);
    c.closeSubpath();
    p.setPen(u.pen(kOutline, 0.5));
    p.setBrush(kGold);
    p.drawPath(c);
    // band and jewels
    p.setBrush(kGold.darker(115));
    p.drawRect(QRectF(cx - w / 2, y - 3.2, w, 3.2));
    p.setPen(Qt::NoPen);
    for (int i = 0; i <= points; ++i) {
        const double x = cx - w / 2 + w * i / double(points);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, y - h), 1.5, 1.5);
    }
    p.setBrush(d.band == kGold ? QColor(200, 30, 40) : d.band);
    p.drawEllipse(QPointF(cx, y - 1.6), 2.0, 1.4);
    p.setBrush(QColor(40, 90, 200));
    p.drawEllipse(QPointF(cx - w * 0.3, y - 1.6), 1.4, 1.2);
    p.drawEllipse(QPointF(cx + w * 0.3, y - 1.6), 1.4, 1.2);
}

void robe(QPainter& p, const Unit& u, const Dress& d, int rank) {
    // body
    const QPainterPath body = poly({{10, 92}, {18, 60}, {34, 51}, {66, 51}, {82, 60}, {90, 92}});
    p.setPen(u.pen(kOutline, 0.55));
    p.setBrush(d.robe);
    p.drawPath(body);
    // central band with a chequer of the trim colour
    p.setBrush(d.band);
    p.drawPath(poly({{42, 92}, {44, 54}, {56, 54}, {58, 92}}));
    p.setPen(Qt::NoPen);
    p.setBrush(d.trim);
    for (int i = 0; i < 6; ++i) {
        const double y = 58 + i * 6.0;
        p.drawRect(QRectF(i % 2 ? 50.0 : 45.0, y, 4.5, 3.0));
    }
    // sleeves with stripes
    p.setPen(u.pen(kOutline, 0.5));
    p.setBrush(d.trim);
    p.drawPath(poly({{18, 60}, {12, 80}, {22, 84}, {27, 64}}));
    p.drawPath(poly({{82, 60}, {88, 80}, {78, 84}, {73, 64}}));
    p.setPen(u.pen(kGold, 0.7));
    p.drawLine(QPointF(14, 74), QPointF(24, 77));
    p.drawLine(QPointF(86, 74), QPointF(76, 77));
    // collar: ermine for king and queen, a plain ruff for the jack
    if (rank >= 12) {
        p.setPen(u.pen(kOutline, 0.5));
        p.setBrush(QColor(250, 250, 244));
        QPainterPath col;
        col.moveTo(26, 56);
        col.cubicTo(36, 47, 64, 47, 74, 56);
        col.cubicTo(64, 62, 36, 62, 26, 56);
        p.drawPath(col);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlack);
        for (double x : {32.0, 40.0, 48.0, 56.0, 64.0, 70.0})
            p.drawRect(QRectF(x, 54.5, 1.4, 2.8));
    } else {
        p.setPen(u.pen(kOutline, 0.5));
        p.setBrush(Qt::white);
        for (int i = 0; i < 7; ++i) p.drawEllipse(QPointF(33 + i * 5.6, 53), 3.3, 2.6);
    }
}

void halfCourt(QPainter& p, const Unit& u, Suit s, int rank) {
    const Dress d = dressFor(s, rank);
    const QPointF head(50, 31);
    const double rx = 10.5, ry = 12.5;
    // the robe, squeezed below the shoulders so the head can be large
    p.save();
    p.translate(50, 92);
    p.scale(0.92, 0.8);
    p.translate(-50, -92);
    robe(p, u, d, rank);
    p.restore();
    // head, hair and headgear, enlarged about the face
    p.save();
    p.translate(50, 37);
    p.scale(1.2, 1.2);
    p.translate(-50, -31);
    // hair behind the head
    p.setPen(u.pen(kOutline, 0.5));
    p.setBrush(d.hair);
    if (rank == 12) {
        QPainterPath h;
        h.moveTo(36, 28);
        h.cubicTo(34, 12, 66, 12, 64, 28);
        h.cubicTo(68, 42, 70, 52, 64, 58);
        h.lineTo(36, 58);
        h.cubicTo(30, 52, 32, 42, 36, 28);
        p.drawPath(h);
    } else {
        p.drawEllipse(QPointF(50, 31), rx + 3.5, ry + 2.0);
    }
    // neck
    p.setPen(u.pen(kOutline, 0.4));
    p.setBrush(kSkin);
    p.drawRect(QRectF(46, 42, 8, 8));
    face(p, u, head, rx, ry, rank == 13, d.hair, rank == 12);
    if (rank == 13) {
        crown(p, u, 50, 21, 26, false, d);
    } else if (rank == 12) {
        crown(p, u, 50, 20, 20, true, d);
    } else {
        // jack's cap with a feather
        p.setPen(u.pen(kOutline, 0.5));
        p.setBrush(d.trim == kGold ? d.band : d.trim);
        QPainterPath cap;
        cap.moveTo(36, 23);
        cap.cubicTo(36, 10, 66, 8, 67, 22);
        cap.lineTo(36, 23);
        p.drawPath(cap);
        p.setBrush(kGold);
        p.drawRect(QRectF(36, 20.5, 31, 3.5));
        p.setBrush(Qt::white);
        QPainterPath f;
        f.moveTo(60, 20);
        f.cubicTo(70, 10, 78, 6, 84, 3);
        f.cubicTo(78, 10, 72, 16, 62, 22);
        f.closeSubpath();
        p.drawPath(f);
    }
    p.restore();
    // what each holds: the king a sword, the queen a flower, the jack a halberd
    if (rank == 13) {
        p.setPen(u.pen(kOutline, 0.5));
        p.setBrush(QColor(210, 214, 224));
        p.drawPath(poly({{80, 6}, {82.5, 10}, {80.5, 70}, {77.5, 70}, {77.5, 10}}));
        p.setBrush(kGold);
        p.drawRect(QRectF(72, 68, 14, 3));
        p.setBrush(kSkin);
        p.drawEllipse(QPointF(79, 76), 4.0, 3.2);
    } else if (rank == 12) {
        p.setPen(u.pen(QColor(30, 110, 50), 0.9));
        p.drawLine(QPointF(76, 74), QPointF(79, 38));
        p.setPen(u.pen(kOutline, 0.4));
        p.setBrush(QColor(60, 150, 70));
        p.drawEllipse(QPointF(74.5, 55), 3.5, 1.8);
        p.setBrush(QColor(220, 40, 70));
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5;
            p.drawEllipse(QPointF(79 + 3.6 * std::cos(a), 35 + 3.6 * std::sin(a)), 2.8, 2.8);
        }
        p.setBrush(kGold);
        p.drawEllipse(QPointF(79, 35), 2.0, 2.0);
        p.setBrush(kSkin);
        p.drawEllipse(QPointF(76, 74), 4.0, 3.2);
    } else {
        p.setPen(u.pen(QColor(110, 70, 30), 1.3));
        p.drawLine(QPointF(22, 88), QPointF(24, 8));
        p.setPen(u.pen(kOutline, 0.45));
        p.setBrush(QColor(200, 206, 216));
        QPainterPath axe;
        axe.moveTo(24, 12);
        axe.cubicTo(14, 12, 12, 22, 14, 28);
        axe.lineTo(24, 22);
        axe.closeSubpath();
        p.drawPath(axe);
        p.drawPath(poly({{24, 2}, {26, 9}, {22, 9}}));
        p.setBrush(kSkin);
        p.drawEllipse(QPointF(23.5, 70), 4.0, 3.2);
    }
    // the suit sign beside the head
    paintSuit(p, s, QPointF(rank == 11 ? 80 : 18, 14), 13.0);
}

}  // namespace

void drawCourt(QPainter& p, const QRectF& frame, Suit s, int rank, double k) {
    const QColor ink = redSuit(s) ? kRed : kBlack;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 247, 232));
    p.drawRect(frame);
    p.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), frame.height() / 2.0 + 0.5));
    {
        Unit u(p, frame);
        halfCourt(p, u, s, rank);
    }
    p.translate(frame.center());
    p.rotate(180);
    p.translate(-frame.center());
    p.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), frame.height() / 2.0 + 0.5));
    {
        Unit u(p, frame);
        halfCourt(p, u, s, rank);
    }
    p.restore();
    p.save();
    p.setPen(QPen(ink, 0.5 * k + 0.3));
    p.drawLine(QPointF(frame.left() + 1, frame.center().y() + 0.5 * k * 6), QPointF(frame.right() - 1, frame.center().y() - 0.5 * k * 6));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 0.8));
    p.drawRect(frame);
    p.restore();
}

void drawPlainCourt(QPainter& p, const QRectF& frame, Suit s, int rank, double k) {
    const QColor ink = redSuit(s) ? kRed : kBlack;
    const QColor tint = rank == 13 ? QColor(255, 240, 200) : rank == 12 ? QColor(255, 228, 232) : QColor(226, 236, 255);
    p.save();
    p.setPen(QPen(ink, 1.0));
    p.setBrush(tint);
    p.drawRect(frame);
    const QPointF c = frame.center();
    const double w = frame.width();
    // crown (king, queen) or cap (jack)
    p.setPen(QPen(kOutline, 0.6));
    p.setBrush(kGold);
    QPainterPath hat;
    const double top = frame.top() + 7 * k, base = frame.top() + 19 * k;
    if (rank == 11) {
        hat.moveTo(c.x() - w * 0.28, base);
        hat.cubicTo(c.x() - w * 0.28, top - 2 * k, c.x() + w * 0.3, top - 3 * k, c.x() + w * 0.3, base);
        hat.closeSubpath();
        p.setBrush(kBlue);
    } else {
        const double hw = rank == 13 ? w * 0.30 : w * 0.24;
        hat.moveTo(c.x() - hw, base);
        hat.lineTo(c.x() - hw, top + 3 * k);
        hat.lineTo(c.x() - hw / 2, base - 5 * k);
        hat.lineTo(c.x(), top);
        hat.lineTo(c.x() + hw / 2, base - 5 * k);
        hat.lineTo(c.x() + hw, top + 3 * k);
        hat.lineTo(c.x() + hw, base);
        hat.closeSubpath();
    }
    p.drawPath(hat);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const QString letter = rank == 13 ? QStringLiteral("K") : rank == 12 ? QStringLiteral("Q") : QStringLiteral("J");
    p.drawPath(textPath(letter, QRectF(c.x() - w * 0.3, frame.top() + 23 * k, w * 0.6, 24 * k),
                        QStringLiteral("DejaVu Sans"), true, 1.0));
    paintSuit(p, s, QPointF(c.x(), frame.bottom() - 15 * k), 17 * k);
    p.restore();
}

namespace {
void halfJester(QPainter& p, const Unit& u) {
    const QColor red(200, 32, 40), green(40, 140, 80), gold(236, 184, 44), purple(110, 50, 150);
    // body and ruff, squeezed below the shoulders so the head can be large
    p.save();
    p.translate(50, 92);
    p.scale(0.92, 0.72);
    p.translate(-50, -92);
    // body in a harlequin pattern
    p.save();
    QPainterPath body = poly({{12, 92}, {20, 58}, {36, 52}, {64, 52}, {80, 58}, {88, 92}});
    p.setPen(u.pen(kOutline, 0.55));
    p.setBrush(purple);
    p.drawPath(body);
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 10; ++col) {
            if ((row + col) % 2) continue;
            const double x = 10 + col * 9.0, y = 52 + row * 8.0;
            p.setBrush(row % 2 ? gold : green);
            p.drawPath(poly({{x, y - 4}, {x + 4.5, y}, {x, y + 4}, {x - 4.5, y}}));
        }
    p.restore();
    // ruff
    p.setPen(u.pen(kOutline, 0.5));
    for (int i = 0; i < 8; ++i) {
        p.setBrush(i % 2 ? red : Qt::white);
        p.drawEllipse(QPointF(30 + i * 5.7, 53), 3.6, 3.0);
    }
    p.restore();
    // cap and face, enlarged about the face
    p.save();
    p.translate(50, 42);
    p.scale(1.12, 1.12);
    p.translate(-50, -35);
    // cap with three points and bells
    QPainterPath cap;
    cap.moveTo(37, 26);
    cap.cubicTo(30, 14, 18, 10, 10, 20);
    cap.cubicTo(22, 16, 34, 8, 50, 2);
    cap.cubicTo(66, 8, 78, 16, 90, 20);
    cap.cubicTo(82, 10, 70, 14, 63, 26);
    cap.closeSubpath();
    p.setBrush(red);
    p.drawPath(cap);
    p.setBrush(green);
    p.drawPath(poly({{43, 25}, {50, 3}, {57, 25}}));
    p.setBrush(gold);
    for (QPointF b : {QPointF(10, 20), QPointF(50, 2), QPointF(90, 20)}) p.drawEllipse(b, 3.2, 3.2);
    face(p, u, QPointF(50, 35), 10.5, 12.0, false, QColor(90, 60, 30), false);
    // grin
    p.setPen(u.pen(QColor(180, 40, 50), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(44, 36, 12, 8), 200 * 16, 140 * 16);
    // band of the cap
    p.setPen(u.pen(kOutline, 0.5));
    p.setBrush(gold);
    p.drawRect(QRectF(37.5, 22.5, 25, 4));
    p.restore();
    // marotte
    p.setPen(u.pen(QColor(110, 70, 30), 1.2));
    p.drawLine(QPointF(80, 88), QPointF(80, 40));
    p.setPen(u.pen(kOutline, 0.45));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(80, 36), 5.0, 5.5);
    p.setBrush(green);
    p.drawPath(poly({{74, 33}, {80, 24}, {86, 33}}));
}
}  // namespace

void drawJester(QPainter& p, const QRectF& frame, double k, bool mirrored) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(252, 247, 232));
    p.drawRect(frame);
    if (mirrored) {
        p.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), frame.height() / 2.0 + 0.5));
        {
            Unit u(p, frame);
            halfJester(p, u);
        }
        p.translate(frame.center());
        p.rotate(180);
        p.translate(-frame.center());
        p.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), frame.height() / 2.0 + 0.5));
        {
            Unit u(p, frame);
            halfJester(p, u);
        }
    } else {
        // the jester's head and cap filling the frame
        p.setClipRect(frame);
        Unit u(p, QRectF(frame.left() - frame.width() * 0.35, frame.top() - frame.height() * 0.05,
                         frame.width() * 1.7, frame.height() * 2.2));
        halfJester(p, u);
    }
    p.restore();
    p.setPen(QPen(kBlack, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    (void)k;
}

}  // namespace rgf
