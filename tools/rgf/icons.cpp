// Toolbar glyphs, the game tree's pictures, the description pictures of the
// game selection dialog and the splash pictures.
//
// Toolbar glyphs and tree pictures keep their transparency in the alpha
// channel and carry a key colour under it (tree: dark red 128, 0, 0; toolbar:
// silver 192, 192, 192), so a reader that drops alpha can still mask them.
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

const QColor kTreeKey(128, 0, 0);
const QColor kToolKey(192, 192, 192);

using Glyph = std::function<void(QPainter&, double s)>;  // draws in a 0..16 box scaled by s

QImage glyphImage(int size, const Glyph& g, bool disabled, QColor key) {
    QImage img = keyedCanvas(size, size, key);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    g(p, 16.0 / size);
    p.end();
    if (disabled) {
        // grey and faded, with a light emboss like a disabled button
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb c = img.pixel(x, y);
                if (qAlpha(c) == 0) continue;
                const int g = 110 + qGray(c) / 3;
                img.setPixel(x, y, qRgba(g, g, g, qAlpha(c) * 3 / 4));
            }
    }
    keyTransparent(img, key);
    return img;
}

QPen line(const QColor& c, double w) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void miniCard(QPainter& p, QRectF r, bool faceUp, QColor back = QColor(40, 80, 170)) {
    p.setPen(line(QColor(40, 40, 50), 0.8));
    p.setBrush(faceUp ? QBrush(Qt::white) : QBrush(back));
    p.drawRoundedRect(r, 1.2, 1.2);
}

void glyphNew(QPainter& p, double) {
    miniCard(p, QRectF(2.5, 1.5, 9, 12), true);
    paintSuit(p, Suit::Hearts, QPointF(7, 7.5), 6);
    // a spark for "new"
    p.setPen(line(QColor(230, 170, 20), 1.3));
    p.drawLine(QPointF(13, 9.5), QPointF(13, 14.5));
    p.drawLine(QPointF(10.5, 12), QPointF(15.5, 12));
}

void glyphOpen(QPainter& p, double) {
    p.setPen(line(QColor(120, 80, 10), 0.8));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    p.setBrush(QColor(255, 225, 130));
    QPainterPath front;
    front.moveTo(3.5, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(13.5, 13.5);
    front.lineTo(1.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
    miniCard(p, QRectF(5, 1.5, 6, 7), true);
}

void arrowGlyph(QPainter& p, bool redo) {
    p.save();
    if (redo) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    p.setPen(line(QColor(30, 90, 180), 2.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath a;
    a.moveTo(4, 7);
    a.cubicTo(9, 2.5, 15, 5, 13, 12);
    p.drawPath(a);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 180));
    QPainterPath head;
    head.moveTo(1, 7.5);
    head.lineTo(7, 3.5);
    head.lineTo(6.5, 10.5);
    head.closeSubpath();
    p.drawPath(head);
    p.restore();
}

void glyphUndo(QPainter& p, double) { arrowGlyph(p, false); }
void glyphRedo(QPainter& p, double) { arrowGlyph(p, true); }

void glyphAutoplay(QPainter& p, double) {
    miniCard(p, QRectF(1.5, 3.5, 8, 11), true);
    paintSuit(p, Suit::Spades, QPointF(5.5, 9), 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 160, 60));
    QPainterPath play;
    play.moveTo(9, 2);
    play.lineTo(15.5, 6);
    play.lineTo(9, 10);
    play.closeSubpath();
    p.drawPath(play);
}

void glyphRules(QPainter& p, double) {
    p.setPen(line(QColor(60, 40, 30), 0.8));
    p.setBrush(QColor(40, 90, 170));
    p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 2.5, 8, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 170));
    p.drawPath(textPath(QStringLiteral("?"), QRectF(6, 4, 5, 8), QStringLiteral("DejaVu Sans"), true, 1.0));
}

void glyphExit(QPainter& p, double) {
    p.setPen(line(QColor(60, 40, 30), 0.8));
    p.setBrush(QColor(150, 95, 50));
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.setBrush(QColor(100, 60, 30));
    p.drawEllipse(QPointF(8, 8), 0.8, 0.8);
    p.setPen(line(QColor(200, 40, 40), 1.8));
    p.drawLine(QPointF(9.5, 8), QPointF(15, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    QPainterPath head;
    head.moveTo(15.8, 8);
    head.lineTo(12.5, 4.8);
    head.lineTo(12.5, 11.2);
    head.closeSubpath();
    p.drawPath(head);
}

// --- tree pictures ---------------------------------------------------------

void folder(QPainter& p, bool open, QColor colour) {
    p.setPen(line(colour.darker(170), 0.8));
    p.setBrush(colour.darker(110));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(colour);
    QPainterPath front;
    if (open) {
        front.moveTo(3.5, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(13.5, 13.5);
        front.lineTo(1.5, 13.5);
    } else {
        front.moveTo(1.5, 6.5);
        front.lineTo(14.5, 6.5);
        front.lineTo(14.5, 13.5);
        front.lineTo(1.5, 13.5);
    }
    front.closeSubpath();
    p.drawPath(front);
}

void badge(QPainter& p, bool won) {
    p.setPen(line(Qt::white, 0.8));
    p.setBrush(won ? QColor(30, 150, 50) : QColor(200, 40, 40));
    p.drawEllipse(QPointF(11.5, 11.5), 4.0, 4.0);
    p.setPen(line(Qt::white, 1.4));
    if (won) {
        p.drawLine(QPointF(9.6, 11.6), QPointF(11.0, 13.0));
        p.drawLine(QPointF(11.0, 13.0), QPointF(13.6, 9.8));
    } else {
        p.drawLine(QPointF(10.0, 10.0), QPointF(13.0, 13.0));
        p.drawLine(QPointF(13.0, 10.0), QPointF(10.0, 13.0));
    }
}

void emblem(QPainter& p, char kind) {
    p.save();
    p.translate(8.5, 9.5);
    switch (kind) {
    case 'F': {  // favourite: a star
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 1.6 : 3.6;
            const QPointF q(r * std::cos(a), r * std::sin(a));
            if (i == 0) star.moveTo(q); else star.lineTo(q);
        }
        star.closeSubpath();
        p.setPen(line(QColor(150, 100, 0), 0.6));
        p.setBrush(QColor(255, 220, 40));
        p.drawPath(star);
        break;
    }
    case 'S':  // skill: a chess pawn-like bulb
        p.setPen(line(QColor(30, 30, 60), 0.6));
        p.setBrush(QColor(80, 80, 200));
        p.drawEllipse(QPointF(0, -1.5), 1.8, 1.8);
        p.drawRect(QRectF(-2.6, 1.0, 5.2, 2.0));
        break;
    case 'D':  // difficulty: three rising bars
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 150, 60));
        p.drawRect(QRectF(-3.5, 1, 2, 2));
        p.setBrush(QColor(240, 160, 20));
        p.drawRect(QRectF(-1, -1, 2, 4));
        p.setBrush(QColor(210, 40, 40));
        p.drawRect(QRectF(1.5, -3, 2, 6));
        break;
    case 'C':  // chance: a die
        p.setPen(line(QColor(40, 40, 40), 0.6));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-3, -3, 6, 6), 1, 1);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (QPointF d : {QPointF(-1.5, -1.5), QPointF(0, 0), QPointF(1.5, 1.5)}) p.drawEllipse(d, 0.6, 0.6);
        break;
    case 'T':  // time: a clock
        p.setPen(line(QColor(40, 40, 40), 0.6));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 3.4, 3.4);
        p.drawLine(QPointF(0, 0), QPointF(0, -2.4));
        p.drawLine(QPointF(0, 0), QPointF(1.8, 0));
        break;
    case 'I':  // information: an "i"
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 200));
        p.drawEllipse(QPointF(0, 0), 3.4, 3.4);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, -1.8), 0.6, 0.6);
        p.drawRect(QRectF(-0.5, -0.8, 1.0, 3.0));
        break;
    case 'O': {  // original games: a small fan of cards
        p.restore();
        p.save();
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(8, 14);
            p.rotate(-25 + i * 25);
            miniCard(p, QRectF(-3, -11, 6, 9), true);
            p.restore();
        }
        paintSuit(p, Suit::Hearts, QPointF(8.6, 6.5), 3.5);
        break;
    }
    default: break;
    }
    p.restore();
}

Glyph folderGlyph(bool open, char kind, QColor colour = QColor(240, 196, 80)) {
    return [=](QPainter& p, double) {
        folder(p, open, colour);
        emblem(p, kind);
    };
}

// Category pictures: a small pictogram of the layout each family of games
// is known by.
void categoryPicture(QPainter& p, int category) {
    const QColor back(40, 80, 170);
    auto card = [&](double x, double y, bool up, double w = 5, double h = 7) { miniCard(p, QRectF(x, y, w, h), up, back); };
    switch (category) {
    case 2:  // Canfield: a reserve pile and a row
        card(1, 1, false); card(2, 2, true); card(9, 2, true); card(9, 8, true);
        break;
    case 3:  // Forty Thieves: two rows of columns
        for (int i = 0; i < 4; ++i) { card(0.5 + i * 3.8, 1, true, 3.5, 6); card(0.5 + i * 3.8, 8.5, true, 3.5, 6); }
        break;
    case 4:  // FreeCell: four cells over a column
        p.setPen(line(QColor(40, 40, 50), 0.8));
        p.setBrush(QColor(230, 240, 230));
        for (int i = 0; i < 4; ++i) p.drawRect(QRectF(0.5 + i * 3.8, 0.5, 3.2, 4.5));
        card(5, 6.5, true); card(5, 9, true);
        break;
    case 5:  // Klondike: a staircase
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j <= i; ++j) card(0.5 + i * 5.2, 0.5 + j * 3.2, j == i, 4.6, 7);
        break;
    case 6:  // Pairing: two overlapping cards with matching suits
        card(2, 2, true, 7, 10); paintSuit(p, Suit::Hearts, QPointF(5.5, 7), 4);
        card(7, 4, true, 7, 10); paintSuit(p, Suit::Hearts, QPointF(10.5, 9), 4);
        break;
    case 7:  // Simple games: one card
        card(4, 2, true, 8, 12); paintSuit(p, Suit::Clubs, QPointF(8, 8), 5);
        break;
    case 8: {  // Spider: a spider
        p.setPen(line(QColor(30, 30, 30), 0.9));
        for (int i = 0; i < 4; ++i) {
            const double y = 5 + i * 2.2;
            p.drawLine(QPointF(8, 8), QPointF(2, y - 1)); p.drawLine(QPointF(8, 8), QPointF(14, y - 1));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(8, 9), 2.6, 3.2);
        p.drawEllipse(QPointF(8, 5.3), 1.6, 1.6);
        break;
    }
    case 9:  // one deck
        card(4, 2, false, 8, 12); p.setPen(line(Qt::white, 1.0)); p.drawText(QRectF(4, 2, 8, 12), Qt::AlignCenter, QStringLiteral("1"));
        break;
    case 10:  // two decks
        card(2, 1, false, 8, 12); card(6, 3, false, 8, 12);
        p.setPen(line(Qt::white, 1.0)); p.drawText(QRectF(6, 3, 8, 12), Qt::AlignCenter, QStringLiteral("2"));
        break;
    case 11:  // Fan: cards fanned sideways
        for (int i = 0; i < 4; ++i) card(1 + i * 2.5, 3, true, 5, 9);
        break;
    case 12:  // Baker's Dozen: thirteen short columns
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 2; ++j) card(0.5 + i * 5.2, 1 + j * 7, true, 4.5, 6);
        break;
    case 13:  // Row: one long row
        for (int i = 0; i < 4; ++i) card(0.5 + i * 3.8, 4.5, true, 3.5, 6);
        break;
    case 14:  // Puzzle: a jigsaw piece
        p.setPen(line(QColor(40, 40, 40), 0.8));
        p.setBrush(QColor(90, 170, 230));
        p.drawRect(QRectF(2.5, 4.5, 9, 9));
        p.drawEllipse(QPointF(7, 3.5), 2, 2);
        p.drawEllipse(QPointF(12.5, 9), 2, 2);
        break;
    case 15:  // Addition: a plus
        card(1, 2, true, 6, 9); card(9, 2, true, 6, 9);
        p.setPen(line(QColor(200, 40, 40), 1.4));
        p.drawLine(QPointF(8, 12), QPointF(8, 15)); p.drawLine(QPointF(6.5, 13.5), QPointF(9.5, 13.5));
        break;
    case 16:  // Memory: two face-down cards and a question mark
        card(1, 2, false, 6, 9); card(9, 2, false, 6, 9);
        p.setPen(Qt::NoPen); p.setBrush(QColor(240, 200, 40));
        p.drawPath(textPath(QStringLiteral("?"), QRectF(5.5, 9, 5, 6.5), QStringLiteral("DejaVu Sans"), true, 1.0));
        break;
    case 17:  // Beleaguered Castle: a castle tower
        p.setPen(line(QColor(60, 60, 60), 0.7));
        p.setBrush(QColor(170, 170, 180));
        p.drawRect(QRectF(4.5, 5.5, 7, 9));
        for (int i = 0; i < 3; ++i) p.drawRect(QRectF(4.5 + i * 2.5, 3.5, 2, 2));
        p.setBrush(QColor(80, 60, 40));
        p.drawRect(QRectF(7, 10.5, 2, 4));
        break;
    case 18:  // Queen of Italy: a crown
        p.setPen(line(QColor(120, 80, 0), 0.7));
        p.setBrush(QColor(240, 190, 40));
        {
            QPainterPath c;
            c.moveTo(2, 12); c.lineTo(2, 5); c.lineTo(5, 8); c.lineTo(8, 3); c.lineTo(11, 8); c.lineTo(14, 5); c.lineTo(14, 12);
            c.closeSubpath();
            p.drawPath(c);
        }
        break;
    case 19:  // Yukon: overlapped long columns
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) card(0.5 + i * 5.2, 0.5 + j * 3, true, 4.5, 6);
        break;
    case 20:  // Mathematical: digits
        p.setPen(Qt::NoPen); p.setBrush(QColor(30, 90, 180));
        p.drawPath(textPath(QStringLiteral("1+2"), QRectF(0.5, 4, 15, 8), QStringLiteral("DejaVu Sans"), true, 1.0));
        break;
    case 21:  // Sir Tommy: a single waste pile and four foundations
        for (int i = 0; i < 4; ++i) card(0.5 + i * 3.8, 1, true, 3.5, 5);
        card(5, 8, false, 5, 7);
        break;
    case 22:  // Non-builders: cards side by side that do not stack
        card(1, 3, true, 6, 9); card(9, 3, true, 6, 9);
        p.setPen(line(QColor(200, 40, 40), 1.2));
        p.drawLine(QPointF(6, 14), QPointF(10, 14));
        break;
    case 23:  // Stripped deck: a deck with cards taken away
        card(2, 2, false, 8, 12);
        miniCard(p, QRectF(9, 1, 5, 7), true);
        p.setPen(line(QColor(200, 40, 40), 1.2));
        p.drawLine(QPointF(10, 4.5), QPointF(13, 4.5));
        break;
    case 800:  // customized games: a card with a pencil
        card(1.5, 1.5, true, 8, 12);
        p.setPen(line(QColor(60, 60, 60), 0.6));
        p.setBrush(QColor(240, 190, 40));
        {
            QPainterPath pen;
            pen.moveTo(14.5, 3); pen.lineTo(15.8, 4.3); pen.lineTo(8.5, 11.6); pen.lineTo(7, 12.5); pen.lineTo(7.8, 10.8);
            pen.closeSubpath();
            p.drawPath(pen);
        }
        break;
    default: break;
    }
}

// --- description pictures (32 x 32) ----------------------------------------

QImage descriptionPicture(const std::function<void(QPainter&)>& draw) {
    QImage img = canvas(32, 32, QColor(255, 255, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return img;
}

QImage timePicture(double fraction, QColor c) {
    return descriptionPicture([=](QPainter& p) {
        p.setPen(line(QColor(40, 40, 50), 1.4));
        p.setBrush(QColor(250, 250, 245));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPie(QRectF(5, 5, 22, 22), 90 * 16, int(-360 * 16 * fraction));
        p.setPen(line(QColor(40, 40, 50), 1.2));
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            p.drawLine(QPointF(16 + 11 * std::cos(a), 16 + 11 * std::sin(a)), QPointF(16 + 12.5 * std::cos(a), 16 + 12.5 * std::sin(a)));
        }
        p.setPen(line(QColor(20, 20, 20), 1.8));
        p.drawLine(QPointF(16, 16), QPointF(16, 7));
        const double a = -M_PI / 2 + 2 * M_PI * fraction;
        p.drawLine(QPointF(16, 16), QPointF(16 + 8 * std::cos(a), 16 + 8 * std::sin(a)));
    });
}

QImage barsPicture(int filled, int total, QColor c) {
    return descriptionPicture([=](QPainter& p) {
        const double w = 26.0 / total;
        for (int i = 0; i < total; ++i) {
            const double h = 6 + 20.0 * (i + 1) / total;
            p.setPen(line(QColor(60, 60, 70), 0.8));
            p.setBrush(i < filled ? c : QColor(225, 225, 225));
            p.drawRect(QRectF(3 + i * w, 29 - h, w - 1.5, h));
        }
    });
}

QImage gaugePicture(double level, QColor c) {
    return descriptionPicture([=](QPainter& p) {
        // a half-round gauge from red (low) to green (high)
        const QRectF r(3, 8, 26, 26);
        const QColor steps[5] = {QColor(200, 40, 40), QColor(240, 130, 30), QColor(240, 200, 40), QColor(150, 200, 50),
                                 QColor(40, 160, 60)};
        for (int i = 0; i < 5; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(steps[i]);
            p.drawPie(r, (180 - i * 36) * 16, -36 * 16);
        }
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 21), 6, 6);
        const double a = M_PI + level * M_PI;
        p.setPen(line(QColor(20, 20, 30), 1.8));
        p.drawLine(QPointF(16, 21), QPointF(16 + 11 * std::cos(a), 21 + 11 * std::sin(a)));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QPointF(16, 21), 2, 2);
    });
}

// --- splash ----------------------------------------------------------------

QImage splashPicture() {
    QImage img = canvas(250, 200, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient felt(QPointF(125, 90), 150);
    felt.setColorAt(0, QColor(30, 140, 50));
    felt.setColorAt(1, QColor(0, 70, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(felt);
    p.drawRoundedRect(QRectF(4, 4, 242, 192), 14, 14);
    // a fan of four aces
    const Suit suits[4] = {Suit::Clubs, Suit::Diamonds, Suit::Spades, Suit::Hearts};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(125, 150);
        p.rotate(-33 + i * 22);
        p.setPen(QPen(QColor(60, 60, 70), 1.0));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-27, -118, 54, 76), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(redSuit(suits[i]) ? kRed : kBlack);
        p.drawPath(textPath(QStringLiteral("A"), QRectF(-24, -115, 9, 11)));
        paintSuit(p, suits[i], QPointF(-12, -90), 16);
        p.restore();
    }
    // title
    QPainterPath title = textPath(QStringLiteral("Tessaro"), QRectF(35, 150, 180, 36), QStringLiteral("DejaVu Serif"), true, 1.0);
    p.setPen(QPen(QColor(60, 30, 0), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(title);
    QLinearGradient gold(0, 150, 0, 186);
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(1, QColor(210, 150, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(title);
    return img;
}

QImage editionPicture() {
    QImage img = canvas(120, 40, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(160, 120, 30), 1.5));
    p.setBrush(QColor(255, 248, 225));
    p.drawRoundedRect(QRectF(2, 2, 116, 36), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 30, 40));
    p.drawPath(textPath(QStringLiteral("Memory Edition"), QRectF(10, 12, 100, 16), QStringLiteral("DejaVu Serif"), true, 1.0));
    return img;
}

QImage splashBand() {
    QImage img = canvas(393, 48, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 393, 0);
    g.setColorAt(0, QColor(0, 60, 20));
    g.setColorAt(0.5, QColor(20, 120, 50));
    g.setColorAt(1, QColor(0, 60, 20));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(QColor(220, 180, 80), 1.0));
    p.drawLine(0, 46, 393, 46);
    for (int i = 0; i < 12; ++i) {
        const Suit s = Suit(i % 4);
        const QPointF c(18 + i * 32.5, 24);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawPath(suitAt(s, c, 20));
    }
    return img;
}

QImage colourAdvice() {
    QImage img = canvas(32, 32, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c[6] = {QColor(220, 40, 40), QColor(240, 160, 30), QColor(240, 220, 40), QColor(60, 170, 60),
                         QColor(40, 100, 210), QColor(140, 60, 180)};
    for (int i = 0; i < 6; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(c[i]);
        p.drawPie(QRectF(2, 2, 28, 28), i * 60 * 16, 60 * 16);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 6, 6);
    return img;
}

}  // namespace

void drawIcons(Library& lib) {
    // Toolbar glyphs: "TB_" 16 x 16 for the small and the compact bar, "TBL_"
    // 24 x 24 for the large bar; "_DIS" is the disabled look.
    struct Tool {
        const char* name;
        Glyph glyph;
        bool hasDisabled;
    };
    const Tool tools[] = {{"NEW", glyphNew, false},         {"OPEN", glyphOpen, false}, {"UNDO", glyphUndo, true},
                          {"REDO", glyphRedo, true},        {"AUTOPLAY", glyphAutoplay, true},
                          {"RULES", glyphRules, false},     {"EXIT", glyphExit, false}};
    for (const auto& [prefix, size] : {std::pair{"TB_", 16}, std::pair{"TBL_", 24}}) {
        for (const Tool& t : tools) {
            const QString name = QString::fromLatin1(prefix) + QString::fromLatin1(t.name);
            lib.bitmap(QStringLiteral("Toolbar glyphs"), name, glyphImage(size, t.glyph, false, kToolKey));
            if (t.hasDisabled)
                lib.bitmap(QStringLiteral("Toolbar glyphs"), name + QStringLiteral("_DIS"), glyphImage(size, t.glyph, true, kToolKey));
        }
    }

    const QString tree = QStringLiteral("Game tree");
    auto treePicture = [&](const QString& name, const Glyph& g) { lib.bitmap(tree, name, glyphImage(16, g, false, kTreeKey)); };
    treePicture(QStringLiteral("TREE1"), folderGlyph(false, 0));
    treePicture(QStringLiteral("TREE2"), folderGlyph(true, 0));
    treePicture(QStringLiteral("N_TREE3"), [](QPainter& p, double) { miniCard(p, QRectF(3.5, 1.5, 9, 13), true); paintSuit(p, Suit::Spades, QPointF(8, 8), 6); });
    treePicture(QStringLiteral("N_TREE4"), [](QPainter& p, double) { miniCard(p, QRectF(2.5, 1.5, 9, 13), true); paintSuit(p, Suit::Spades, QPointF(7, 7), 5); badge(p, true); });
    treePicture(QStringLiteral("N_TREE5"), [](QPainter& p, double) { miniCard(p, QRectF(2.5, 1.5, 9, 13), true); paintSuit(p, Suit::Spades, QPointF(7, 7), 5); badge(p, false); });
    for (char k : {'F', 'S', 'D', 'C', 'T', 'I'}) {
        treePicture(QStringLiteral("%1_TREE1").arg(QChar(k)), folderGlyph(false, k));
        treePicture(QStringLiteral("%1_TREE2").arg(QChar(k)), folderGlyph(true, k));
    }
    treePicture(QStringLiteral("TREE5_ORIGINAL_TYPE"), [](QPainter& p, double) { emblem(p, 'O'); });
    const std::pair<int, const char*> categories[] = {
        {2, "CANFIELD"},     {3, "FORTYTHIEVES"}, {4, "FREECELL"},        {5, "KLONDIKE"},     {6, "PAIRING"},
        {7, "SIMPLEGAMES"},  {8, "SPIDER"},       {9, "1DECK"},           {10, "2DECK"},       {11, "FAN"},
        {12, "BAKERSDOZEN"}, {13, "ROW"},         {14, "PUZZLE"},         {15, "ADDITION"},    {16, "MEMORY"},
        {17, "BELEAGUEREDCASTLE"}, {18, "QUEENOFITALY"}, {19, "YUKON"},   {20, "MATHEMATICAL"}, {21, "SIRTOMMY"},
        {22, "NONBUILDERS"}, {23, "STRIPPEDDECK"}, {800, "CUSTOMIZED_GAMES"}};
    for (const auto& [number, word] : categories) {
        const QString name = number == 800 ? QStringLiteral("TREE5_CUSTOMIZED_GAMES")
                                           : QStringLiteral("TREE5_") + QString::fromLatin1(word) + QStringLiteral("_TYPE");
        const int n = number;
        treePicture(name, [n](QPainter& p, double) { categoryPicture(p, n); });
        treePicture(name + QStringLiteral("_WIN"), [n](QPainter& p, double) { categoryPicture(p, n); badge(p, true); });
        treePicture(name + QStringLiteral("_NOWIN"), [n](QPainter& p, double) { categoryPicture(p, n); badge(p, false); });
    }

    const QString desc = QStringLiteral("Game descriptions");
    lib.bitmap(desc, QStringLiteral("PROG_TIME_LONG"), timePicture(0.75, QColor(220, 90, 60)));
    lib.bitmap(desc, QStringLiteral("PROG_TIME_MEDIUM"), timePicture(0.5, QColor(240, 180, 50)));
    lib.bitmap(desc, QStringLiteral("PROG_TIME_QUICK"), timePicture(0.25, QColor(90, 190, 90)));
    lib.bitmap(desc, QStringLiteral("PROG_DIFF_EASY"), barsPicture(1, 3, QColor(60, 170, 70)));
    lib.bitmap(desc, QStringLiteral("PROG_DIFF_MEDIUM"), barsPicture(2, 3, QColor(240, 160, 30)));
    lib.bitmap(desc, QStringLiteral("PROG_DIFF_HARD"), barsPicture(3, 3, QColor(210, 40, 40)));
    const char* chances[] = {"VERYLOW", "LOW", "MEDIUM", "HIGH", "VERYHIGH"};
    for (int i = 0; i < 5; ++i)
        lib.bitmap(desc, QStringLiteral("PROG_CHAN_") + QString::fromLatin1(chances[i]), gaugePicture(0.1 + 0.2 * i, QColor(30, 30, 40)));
    const char* skills[] = {"CHANCEONLY", "MOSTLYCHANCE", "MODERATE", "MOSTLYSKILL", "DIFFICULT"};
    for (int i = 0; i < 5; ++i)
        lib.bitmap(desc, QStringLiteral("PROG_SKILL_") + QString::fromLatin1(skills[i]), barsPicture(i + 1, 5, QColor(60, 90, 200)));
    lib.bitmap(desc, QStringLiteral("PROG_DISABLED"), descriptionPicture([](QPainter& p) {
                   p.setPen(line(QColor(150, 150, 150), 3.0));
                   p.setBrush(Qt::NoBrush);
                   p.drawEllipse(QPointF(16, 16), 11, 11);
                   p.drawLine(QPointF(8.5, 8.5), QPointF(23.5, 23.5));
               }));

    const QString splash = QStringLiteral("Splash and messages");
    lib.bitmap(splash, QStringLiteral("SPLASH"), splashPicture());
    lib.bitmap(splash, QStringLiteral("SPLASH_EDITION"), editionPicture());
    lib.bitmap(splash, QStringLiteral("SPLASH_BAND"), splashBand());
    lib.bitmap(splash, QStringLiteral("ADVICE_COLOR"), colourAdvice());
}

}  // namespace rgf
