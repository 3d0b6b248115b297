// The twelve table cursors, 32 x 32 with alpha: an arrow in two styles, a
// right and a left hand in two styles each; the "A" forms are the normal
// cursors, the "B" forms (table cursor number + 10) are shown while a card is
// held and carry a small card under the pointer.
#include <QPainter>
#include <QPainterPath>

#include "art.h"
#include "library.h"

namespace rgf {
namespace {

QPainterPath arrowPath() {
    QPainterPath a;
    a.moveTo(1, 1);
    a.lineTo(1, 18);
    a.lineTo(5.2, 14);
    a.lineTo(8.2, 21);
    a.lineTo(11, 19.8);
    a.lineTo(8.2, 13.2);
    a.lineTo(13.8, 13.2);
    a.closeSubpath();
    return a;
}

// A pointing hand with the index finger up; the finger tip is at (6, 1).
QPainterPath pointingHand() {
    QPainterPath h;
    h.addRoundedRect(QRectF(4, 1, 4, 12), 2, 2);                // index finger
    h.addRoundedRect(QRectF(8, 8, 3.6, 7), 1.8, 1.8);           // middle
    h.addRoundedRect(QRectF(11.6, 9, 3.4, 6.5), 1.7, 1.7);      // ring
    h.addRoundedRect(QRectF(15, 10, 3.0, 5.5), 1.5, 1.5);       // little finger
    h.addRoundedRect(QRectF(4, 11, 14, 10), 3, 3);              // palm
    QPainterPath thumb;
    thumb.moveTo(4.5, 13);
    thumb.cubicTo(2, 11, 0, 12, 1, 14);
    thumb.lineTo(5, 19);
    thumb.closeSubpath();
    h.addPath(thumb);
    h.setFillRule(Qt::WindingFill);
    return h.simplified();
}

// An open hand (all fingers up) for the second hand style; palm centre
// around (9, 14).
QPainterPath openHand() {
    QPainterPath h;
    h.addRoundedRect(QRectF(3.5, 4, 3.2, 10), 1.6, 1.6);
    h.addRoundedRect(QRectF(6.8, 1, 3.2, 12), 1.6, 1.6);
    h.addRoundedRect(QRectF(10.1, 2, 3.2, 11), 1.6, 1.6);
    h.addRoundedRect(QRectF(13.4, 5, 3.0, 9), 1.5, 1.5);
    h.addRoundedRect(QRectF(3.5, 10, 13, 10), 3, 3);
    QPainterPath thumb;
    thumb.moveTo(4, 13);
    thumb.cubicTo(1, 9, -0.5, 11, 0.5, 13.5);
    thumb.lineTo(4, 19);
    thumb.closeSubpath();
    h.addPath(thumb);
    h.setFillRule(Qt::WindingFill);
    return h.simplified();
}

void heldCard(QPainter& p, QPointF at) {
    p.setPen(QPen(QColor(30, 30, 40), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(at.x(), at.y(), 10, 13), 1.5, 1.5);
    paintSuit(p, Suit::Hearts, at + QPointF(5, 6.5), 6);
}

QImage cursorImage(const QPainterPath& shape, QColor fill, bool mirrored, bool held) {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (held) heldCard(p, mirrored ? QPointF(4, 16) : QPointF(16, 16));
    p.save();
    if (mirrored) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    p.translate(0.5, 0.5);
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(shape);
    p.restore();
    return img;
}

}  // namespace

void drawCursors(Library& lib) {
    struct Shape {
        const char* name;
        QPainterPath path;
        QColor fill;
        bool mirrored;
        QPoint hot;
    };
    const QColor skin(255, 226, 190);
    const Shape shapes[] = {
        {"ARROW1", arrowPath(), Qt::white, false, {1, 1}},
        {"ARROW2", arrowPath(), QColor(255, 214, 60), false, {1, 1}},
        {"RIGHT_HAND1", pointingHand(), Qt::white, false, {6, 1}},
        {"RIGHT_HAND2", openHand(), skin, false, {8, 1}},
        {"LEFT_HAND1", pointingHand(), Qt::white, true, {25, 1}},
        {"LEFT_HAND2", openHand(), skin, true, {23, 1}},
    };
    for (const Shape& s : shapes)
        for (bool held : {false, true})
            lib.cursor(QStringLiteral("CUR_") + QString::fromLatin1(s.name) + (held ? 'B' : 'A'),
                       cursorImage(s.path, s.fill, s.mirrored, held), s.hot);
}

}  // namespace rgf
