// Empty-pile marks "W" + size + code, the shadow strips of a single card, the
// two 3D border pictures and the small suit symbols of the joker caption.
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "art.h"
#include "library.h"

namespace rgf {
namespace {

struct Size {
    char letter;
    int w, h;
    qreal dpr = 1;
};
const std::array<Size, 3> kSizes{{{'B', 71, 96}, {'M', 59, 80}, {'L', 25, 32}}};

// Marks are opaque card-sized slots: a darker felt panel with a light rim,
// and a light symbol on it.
const QColor kSlot(0, 70, 0);
const QColor kRim(150, 200, 150);
const QColor kSymbol(185, 225, 185);

// Leaves `p` painting on `img`. (A QImage copied while it is painted on is a
// deep copy, so nothing is returned.)
void slot(const Size& sz, QPainter& p, QImage& img) {
    img = canvas(sz.w, sz.h, kSlot, sz.dpr);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = sz.w <= 25 ? 2.0 : 4.0;
    p.setPen(QPen(kRim, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, sz.w - 1.0, sz.h - 1.0), r, r);
}

void symbolText(QPainter& p, const Size& sz, const QString& text, double heightFactor = 0.36) {
    const double h = sz.h * heightFactor;
    const double w = sz.w * (text.size() > 1 ? 0.62 : 0.42);
    const QRectF box(sz.w / 2.0 - w / 2, sz.h / 2.0 - h / 2, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(kSymbol);
    p.drawPath(textPath(text, box, QStringLiteral("DejaVu Serif"), true, 1.0));
}

QPainterPath arrowArc(QPointF c, double r, double from, double span) {
    QPainterPath a;
    a.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), from);
    a.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), from, span);
    return a;
}

// The redeal sign: a circle of two arrows.
void redealSign(QPainter& p, const Size& sz) {
    const QPointF c(sz.w / 2.0, sz.h / 2.0);
    const double r = sz.w * 0.27, pen = std::max(1.2, sz.w / 18.0);
    p.setPen(QPen(kSymbol, pen, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    for (int half = 0; half < 2; ++half) {
        const double start = 100 + half * 180;
        p.drawPath(arrowArc(c, r, start, 140));
        const double a = (start + 140) * M_PI / 180;
        const QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
        const QPointF dir(-std::sin(a), -std::cos(a));  // tangent, direction of travel
        const QPointF nrm(std::cos(a), -std::sin(a));
        const double s = pen * 1.9;
        QPainterPath head;
        head.moveTo(tip + dir * s);
        head.lineTo(tip + nrm * s);
        head.lineTo(tip - nrm * s);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kSymbol);
        p.drawPath(head);
        p.setPen(QPen(kSymbol, pen, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
    }
}

// The no-redeal sign: a ring with a bar across.
void noRedealSign(QPainter& p, const Size& sz) {
    const QPointF c(sz.w / 2.0, sz.h / 2.0);
    const double r = sz.w * 0.27, pen = std::max(1.2, sz.w / 16.0);
    p.setPen(QPen(QColor(230, 120, 110), pen));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    const double d = r * 0.7071;
    p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
}

void fourSuits(QPainter& p, const Size& sz) {
    const QPointF c(sz.w / 2.0, sz.h / 2.0);
    const double h = sz.w * 0.22, off = sz.w * 0.17;
    const QPointF at[4] = {c + QPointF(0, -off * 1.2), c + QPointF(off, 0), c + QPointF(0, off * 1.2), c + QPointF(-off, 0)};
    p.setPen(Qt::NoPen);
    p.setBrush(kSymbol);
    for (int s = 0; s < 4; ++s) p.drawPath(suitAt(Suit(s), at[s], h));
}

void dashedFrame(QPainter& p, const Size& sz) {
    const double m = sz.w * 0.16;
    QPen pen(kSymbol, std::max(1.0, sz.w / 40.0), Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(m, m, sz.w - 2 * m, sz.h - 2 * m), 3, 3);
}

void cardIcon(QPainter& p, const Size& sz) {
    const double w = sz.w * 0.34, h = w * 1.35;
    const QPointF c(sz.w / 2.0, sz.h / 2.0);
    p.setPen(QPen(kSymbol, std::max(1.0, sz.w / 35.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(c.x() - w / 2 - w * 0.15, c.y() - h / 2 - h * 0.1, w, h), 2, 2);
    p.setBrush(kSlot);
    p.drawRoundedRect(QRectF(c.x() - w / 2 + w * 0.15, c.y() - h / 2 + h * 0.1, w, h), 2, 2);
}

void diagonalLines(QPainter& p, const Size& sz) {
    p.save();
    const double m = sz.w * 0.14;
    p.setClipRect(QRectF(m, m, sz.w - 2 * m, sz.h - 2 * m));
    p.setPen(QPen(QColor(120, 170, 120), 1.0));
    const double step = std::max(4.0, sz.w / 9.0);
    for (double x = -sz.h; x < sz.w; x += step) p.drawLine(QPointF(x, sz.h), QPointF(x + sz.h, 0));
    p.restore();
}

void dots(QPainter& p, const Size& sz) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 170, 120));
    const double step = std::max(4.0, sz.w / 7.0);
    for (double y = step; y < sz.h - step / 2; y += step)
        for (double x = step; x < sz.w - step / 2; x += step) p.drawEllipse(QPointF(x, y), 0.9, 0.9);
}

void stackIcon(QPainter& p, const Size& sz) {
    const double w = sz.w * 0.44, h = w * 1.3;
    const QPointF c(sz.w / 2.0, sz.h / 2.0);
    p.setPen(QPen(kSymbol, std::max(1.0, sz.w / 35.0)));
    for (int i = 2; i >= 0; --i) {
        p.setBrush(i == 0 ? QColor(0, 100, 0) : kSlot);
        p.drawRoundedRect(QRectF(c.x() - w / 2 + i * w * 0.1, c.y() - h / 2 - i * h * 0.08, w, h), 2, 2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kSymbol);
    p.drawPath(textPath(QStringLiteral("\u2205"), QRectF(c.x() - w * 0.28, c.y() - h * 0.22, w * 0.56, h * 0.44),
                        QStringLiteral("DejaVu Sans"), true, 1.0));
}

QImage mark(const Size& sz, const QString& code) {
    QImage img;
    QPainter p;
    slot(sz, p, img);
    static const std::array<std::pair<const char*, const char*>, 13> ranks{{{"010", "A"},
                                                                           {"012", "2"},
                                                                           {"013", "3"},
                                                                           {"014", "4"},
                                                                           {"015", "5"},
                                                                           {"016", "6"},
                                                                           {"017", "7"},
                                                                           {"018", "8"},
                                                                           {"019", "9"},
                                                                           {"020", "10"},
                                                                           {"006", "J"},
                                                                           {"003", "Q"},
                                                                           {"011", "K"}}};
    for (const auto& [c, text] : ranks)
        if (code == QLatin1String(c)) symbolText(p, sz, QString::fromLatin1(text));
    if (code == QLatin1String("004")) fourSuits(p, sz);
    else if (code == QLatin1String("022")) redealSign(p, sz);
    else if (code == QLatin1String("008")) noRedealSign(p, sz);
    else if (code == QLatin1String("005")) dots(p, sz);
    else if (code == QLatin1String("_TABLEAU")) dashedFrame(p, sz);
    else if (code == QLatin1String("001")) cardIcon(p, sz);
    else if (code == QLatin1String("009")) diagonalLines(p, sz);
    else if (code == QLatin1String("021")) stackIcon(p, sz);
    p.end();
    return img;
}

// Shadow strips: a dithered soft shadow in black on white (white is
// transparent when the strips are drawn), denser next to the card.
QImage shadowStrip(int w, int h, bool right) {
    QImage img = canvas(w, h, Qt::white);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // distance from the card edge, 0 = touching
            const int d = right ? x : y;
            const int depth = right ? w : h;
            // fade the far ends too, so the strip has soft corners
            const int along = right ? y : x, length = right ? h : w;
            const int endFade = std::min(along, length - 1 - along);
            const double density = (1.0 - double(d) / depth) * std::min(1.0, (endFade + 1) / 4.0);
            // ordered 2x2 dither thresholds
            static const double t[2][2] = {{0.15, 0.65}, {0.9, 0.4}};
            if (density > t[y % 2][x % 2]) img.setPixel(x, y, qRgb(0, 0, 0));
        }
    return img;
}

// Border pictures: a card-sized raised frame (1) and a sunken frame (2); pure
// blue (0xFF0000 as a Windows colour) marks the transparent inside.
QImage border3d(const Size& sz, bool raised) {
    // choice: the border is a pixel pattern, drawn at card pixels on any screen.
    QImage img = canvas(sz.w, sz.h, QColor(0, 0, 255));
    QPainter p(&img);
    const QColor light(255, 255, 255), mid(192, 192, 192), dark(128, 128, 128), black(0, 0, 0);
    const QColor tl1 = raised ? light : dark, tl2 = raised ? mid : black;
    const QColor br1 = raised ? black : light, br2 = raised ? dark : mid;
    p.setPen(tl1);
    p.drawLine(0, 0, sz.w - 2, 0);
    p.drawLine(0, 0, 0, sz.h - 2);
    p.setPen(tl2);
    p.drawLine(1, 1, sz.w - 3, 1);
    p.drawLine(1, 1, 1, sz.h - 3);
    p.setPen(br1);
    p.drawLine(0, sz.h - 1, sz.w - 1, sz.h - 1);
    p.drawLine(sz.w - 1, 0, sz.w - 1, sz.h - 1);
    p.setPen(br2);
    p.drawLine(1, sz.h - 2, sz.w - 2, sz.h - 2);
    p.drawLine(sz.w - 2, 1, sz.w - 2, sz.h - 2);
    return img;
}

QImage suitSymbol(Suit s) {
    QImage img = canvas(9, 10, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintSuit(p, s, QPointF(4.5, 5.0), 9.2);
    return img;
}

}  // namespace

QImage pileMark(int w, int h, const QString& code, qreal dpr) {
    if (w < 1 || h < 1) return {};
    return mark({'F', w, h, dpr}, code);
}

QImage cardShadowStrip(int w, int h, bool right) { return w < 1 || h < 1 ? QImage() : shadowStrip(w, h, right); }

QImage cardBorder(int w, int h, bool raised) { return w < 4 || h < 4 ? QImage() : border3d({'F', w, h}, raised); }

void drawMarks(Library& lib) {
    const char* codes[] = {"_WASTE", "004", "022", "005", "008", "010", "012", "013", "014", "015", "016", "017", "018",
                           "019",    "020", "006", "003", "011", "_TABLEAU", "001", "009", "021"};
    for (const Size& sz : kSizes) {
        const QString group = QStringLiteral("Empty-pile marks %1").arg(QChar(sz.letter));
        for (const char* c : codes)
            lib.bitmap(group, QStringLiteral("W%1%2").arg(QChar(sz.letter)).arg(QLatin1String(c)),
                       mark(sz, QString::fromLatin1(c)));
        // The empty stock of some games is also asked for as "021" + size + "W".
        lib.alias(group, QStringLiteral("021") + QChar(sz.letter) + 'W', QStringLiteral("W") + QChar(sz.letter) + QStringLiteral("021"));
    }
    for (const Size& sz : kSizes) {
        const QString group = QStringLiteral("Shadows and borders");
        const QString s(QChar(sz.letter));
        lib.bitmap(group, QStringLiteral("SHADOW_") + s + '1', shadowStrip(7, sz.h, true));
        lib.bitmap(group, QStringLiteral("SHADOW_") + s + '2', shadowStrip(sz.w - 8, 7, false));
        lib.bitmap(group, QStringLiteral("3D_BORDER_") + s + '1', border3d(sz, true));
        lib.bitmap(group, QStringLiteral("3D_BORDER_") + s + '2', border3d(sz, false));
    }
    const char* suitNames[] = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};
    for (int s = 0; s < 4; ++s) lib.bitmap(QStringLiteral("Suit symbols"), QString::fromLatin1(suitNames[s]), suitSymbol(Suit(s)));
}

}  // namespace rgf
