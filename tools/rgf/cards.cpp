// Card faces: suit sheets for the card sets 001 (classic) and 003 (plain, for
// small screens) in the three card sizes, and the joker.
#include <QPainter>
#include <QTransform>
#include <array>
#include <cmath>

#include "art.h"
#include "court.h"
#include "library.h"

namespace rgf {
namespace {

struct Size {
    char letter;  // 'F' for a size of its own
    int w, h;
    qreal dpr = 1;
};
const std::array<Size, 3> kSizes{{{'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}}};
const char kSuitLetters[4] = {'H', 'D', 'C', 'S'};
const char* const kRankText[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// Card geometry of the big and middle faces; the middle one is the big one
// scaled.
struct Geometry {
    double k;          // scale against the big card
    QRectF rank;       // rank index box, top left
    QPointF suitIdx;   // centre of the suit index under it
    double suitIdxH;
    double pipH;
    double colL, colM, colR;  // pip columns
    double top, bottom;       // centres of the first and last pip rows
    QRectF court;             // frame of the court picture
};

Geometry geometry(const Size& sz, bool plain) {
    const double k = sz.w / 71.0;
    Geometry g;
    g.k = k;
    if (plain) {
        // Bigger indices, a little smaller pips drawn closer together.
        g.rank = QRectF(1.5, 2.5, 10.0 * k, 13.0 * k);
        g.suitIdx = QPointF(1.5 + 5.0 * k, 2.5 + 20.0 * k);
        g.suitIdxH = 8.5 * k;
    } else {
        g.rank = QRectF(2.0, 3.5, 9.0 * k, 10.0 * k);
        g.suitIdx = QPointF(2.0 + 4.5 * k, 3.5 + 16.5 * k);
        g.suitIdxH = 7.5 * k;
    }
    g.pipH = (plain ? 11.5 : 12.5) * k;
    const double cx = sz.w / 2.0;
    const double spread = (plain ? 12.0 : 13.5) * k;
    g.colM = cx;
    g.colL = cx - spread;
    g.colR = cx + spread;
    g.top = 17.0 * k;
    g.bottom = sz.h - 17.0 * k;
    g.court = QRectF(14.5 * k, 11.5 * k, sz.w - 29.0 * k, sz.h - 23.0 * k);
    return g;
}

// Pip positions of ranks 2..10 as (column -1/0/1, row fraction 0..1).
struct Pip {
    int col;
    double row;
};
std::vector<Pip> pipLayout(int rank) {
    const double t = 1.0 / 3.0;
    switch (rank) {
    case 2: return {{0, 0}, {0, 1}};
    case 3: return {{0, 0}, {0, 0.5}, {0, 1}};
    case 4: return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 5: return {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
    case 6: return {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 7: return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 8: return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {0, 0.75}, {-1, 1}, {1, 1}};
    case 9: return {{-1, 0}, {1, 0}, {-1, t}, {1, t}, {0, 0.5}, {-1, 2 * t}, {1, 2 * t}, {-1, 1}, {1, 1}};
    case 10:
        return {{-1, 0}, {1, 0}, {0, t / 2}, {-1, t}, {1, t}, {-1, 2 * t}, {1, 2 * t}, {0, 1 - t / 2}, {-1, 1}, {1, 1}};
    default: return {};
    }
}

// White card with a thin dark border and rounded corners.
void cardBase(QPainter& p, int w, int h) {
    const double r = w <= 25 ? 2.0 : 4.0;
    p.setPen(QPen(QColor(70, 70, 78), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1.0, h - 1.0), r, r);
}

void drawIndex(QPainter& p, const Size& sz, const Geometry& g, Suit s, int rank, bool plain) {
    const QColor ink = redSuit(s) ? kRed : kBlack;
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(sz.w, sz.h);
            p.rotate(180);
        }
        const QString text = QString::fromLatin1(kRankText[rank - 1]);
        QRectF box = g.rank;
        if (rank == 10) box = QRectF(1.5, box.top(), box.width() + (plain ? 2.5 : 1.5), box.height());
        const QPainterPath t = plain ? textPath(text, box, QStringLiteral("DejaVu Sans"), true, 1.0)
                                     : textPath(text, box, QStringLiteral("DejaVu Serif"), true, 0.95);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(t);
        paintSuit(p, s, g.suitIdx, g.suitIdxH);
        p.restore();
    }
}

void drawPips(QPainter& p, const Size& sz, const Geometry& g, Suit s, int rank) {
    if (rank == 1) {
        const QPointF c(sz.w / 2.0, sz.h / 2.0);
        const double big = (s == Suit::Spades ? 34.0 : 28.0) * g.k;
        if (s == Suit::Spades) {
            // The ace of spades carries a decorated pip: a gold ring behind it.
            p.setPen(QPen(kGold, 1.4 * g.k));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(c, 20.0 * g.k, 20.0 * g.k);
            p.setPen(QPen(kBlack, 0.7 * g.k));
            p.drawEllipse(c, 22.0 * g.k, 22.0 * g.k);
        }
        paintSuit(p, s, c, big);
        if (s == Suit::Spades) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawPath(suitAt(Suit::Spades, c + QPointF(0, -1.5 * g.k), big * 0.30));
        }
        return;
    }
    for (const Pip& pip : pipLayout(rank)) {
        const double x = pip.col < 0 ? g.colL : pip.col > 0 ? g.colR : g.colM;
        const double y = g.top + (g.bottom - g.top) * pip.row;
        const bool lower = pip.row > 0.5 + 1e-9;
        paintSuit(p, s, QPointF(x, y), g.pipH, lower);
    }
}

// The little layout serves the little fixed size and any size too narrow for
// the indices and pips of the big one.
bool little(const Size& sz) { return sz.letter == 'L' || (sz.letter == 'F' && sz.w < 40); }

// Lets the little layout, drawn in the pixels of a 25 x 32 card, fill a card
// of another size.
void scaleToLittle(QPainter& p, const Size& sz) {
    if (sz.w != 25 || sz.h != 32) p.scale(sz.w / 25.0, sz.h / 32.0);
}

QImage bigFace(const Size& sz, Suit s, int rank, bool plain) {
    QImage img = canvas(sz.w, sz.h, Qt::white, sz.dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    cardBase(p, sz.w, sz.h);
    const Geometry g = geometry(sz, plain);
    if (rank >= 11) {
        if (plain)
            drawPlainCourt(p, g.court, s, rank, g.k);
        else
            drawCourt(p, g.court, s, rank, g.k);
    } else {
        drawPips(p, sz, g, s, rank);
    }
    drawIndex(p, sz, g, s, rank, plain);
    return img;
}

// The little cards: a big rank at the top left, the suit at the top right and
// once more large below; courts get a gold-framed panel under the rank.
QImage littleFace(const Size& sz, Suit s, int rank, bool plain) {
    QImage img = canvas(sz.w, sz.h, Qt::white, sz.dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    cardBase(p, sz.w, sz.h);
    scaleToLittle(p, sz);
    const QColor ink = redSuit(s) ? kRed : kBlack;
    const QString text = QString::fromLatin1(kRankText[rank - 1]);
    QRectF box(1.5, 2.0, rank == 10 ? 11.5 : 9.0, 11.0);
    const QPainterPath t = textPath(text, box, plain ? QStringLiteral("DejaVu Sans") : QStringLiteral("DejaVu Serif"),
                                    true, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(t);
    paintSuit(p, s, QPointF(19.5, 7.0), 8.0);
    if (rank >= 11) {
        const QRectF panel(3.5, 15.5, 18.0, 13.0);
        p.setPen(QPen(kGold.darker(130), 1.0));
        p.setBrush(rank == 13 ? QColor(255, 236, 190) : rank == 12 ? QColor(255, 226, 226) : QColor(224, 234, 255));
        p.drawRect(panel);
        // a tiny crown for king and queen, a cap for the jack
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        QPainterPath c;
        if (rank == 11) {
            c.addEllipse(QRectF(5.0, 17.5, 6.0, 4.0));
        } else {
            c.moveTo(5.0, 21.5);
            c.lineTo(5.0, 17.0);
            c.lineTo(6.6, 19.0);
            c.lineTo(8.0, 16.5);
            c.lineTo(9.4, 19.0);
            c.lineTo(11.0, 17.0);
            c.lineTo(11.0, 21.5);
            c.closeSubpath();
        }
        p.drawPath(c);
        paintSuit(p, s, QPointF(16.0, 23.0), 9.0);
    } else {
        paintSuit(p, s, QPointF(12.5, 22.5), 13.0);
    }
    return img;
}

QImage face(const Size& sz, Suit s, int rank, bool plain) {
    return little(sz) ? littleFace(sz, s, rank, plain) : bigFace(sz, s, rank, plain);
}

QImage joker(const Size& sz) {
    QImage img = canvas(sz.w, sz.h, Qt::white, sz.dpr);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    cardBase(p, sz.w, sz.h);
    if (little(sz)) {
        scaleToLittle(p, sz);
        drawJester(p, QRectF(3.5, 3.5, 18.0, 25.0), 0.3, false);
        return img;
    }
    const Geometry g = geometry(sz, false);
    drawJester(p, g.court, g.k, true);
    // "JOKER" written downwards in both corners
    const QString word = QStringLiteral("JOKER");
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(sz.w, sz.h);
            p.rotate(180);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(turn == 0 ? kRed : kBlack);
        const double lh = 6.6 * g.k;
        for (int i = 0; i < word.size(); ++i) {
            QRectF box(2.5, 3.5 + i * (lh + 1.0 * g.k), 7.5 * g.k, lh);
            p.drawPath(textPath(word.mid(i, 1), box, QStringLiteral("DejaVu Sans"), true, 1.0));
        }
        p.restore();
    }
    return img;
}

}  // namespace

QImage cardFace(int w, int h, int suit, int rank, bool plain, qreal dpr) {
    if (w < 1 || h < 1 || suit < 0 || suit > 3 || rank < 1 || rank > 13) return {};
    return face({'F', w, h, dpr}, Suit(suit), rank, plain);
}

QImage jokerFace(int w, int h, qreal dpr) {
    if (w < 1 || h < 1) return {};
    return joker({'F', w, h, dpr});
}

void drawCardFaces(Library& lib) {
    for (const char* set : {"001", "003"}) {
        const bool plain = QByteArray(set) == "003";
        for (const Size& sz : kSizes) {
            for (int s = 0; s < 4; ++s) {
                QImage sheet = canvas(6 * sz.w, 4 * sz.h, QColor(0, 96, 0));
                QPainter p(&sheet);
                for (int i = 0; i < 13; ++i)
                    p.drawImage((i % 5) * sz.w, (i / 5) * sz.h, face(sz, Suit(s), i + 1, plain));
                p.end();
                lib.bitmap(QStringLiteral("Card faces %1").arg(QLatin1String(set)),
                           QStringLiteral("C%1%2%3").arg(QChar(sz.letter)).arg(QLatin1String(set)).arg(QChar(kSuitLetters[s])),
                           sheet);
            }
        }
    }
    for (const Size& sz : kSizes)
        lib.bitmap(QStringLiteral("Jokers"), QStringLiteral("JOKER_%1").arg(QChar(sz.letter)), joker(sz));
}

}  // namespace rgf
