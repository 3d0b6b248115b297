#pragma once
// Drawing helpers shared by the picture families: suit outlines, text as
// outlines fitted to a box, palettes and small shape helpers.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace rgf {

enum class Suit { Hearts = 0, Diamonds = 1, Clubs = 2, Spades = 3 };

inline bool redSuit(Suit s) { return s == Suit::Hearts || s == Suit::Diamonds; }

// Palette of the card faces.
inline const QColor kRed(196, 22, 34);
inline const QColor kBlack(22, 22, 28);
inline const QColor kGold(232, 178, 38);
inline const QColor kBlue(34, 66, 156);
inline const QColor kSkin(248, 214, 176);
inline const QColor kOutline(30, 26, 24);

/// Suit outline in a box of height 1 centred on (0, 0); width about 0.9.
QPainterPath suitPath(Suit s);
/// The suit outline scaled to `height` and centred on c.
QPainterPath suitAt(Suit s, QPointF c, double height);
/// Fills a suit symbol with its colour and a faint highlight.
void paintSuit(QPainter& p, Suit s, QPointF c, double height, bool rotated = false);

/// Text outline of `family` fitted into the box (stretched to its height,
/// squeezed horizontally when wider than the box, centred).
QPainterPath textPath(const QString& text, const QRectF& box, const QString& family = QStringLiteral("DejaVu Serif"),
                      bool bold = true, double maxWidthFactor = 1.0);

/// A new opaque image filled with a colour; with a device pixel ratio above
/// 1 the image holds that many pixels per card pixel and is painted on in
/// card pixels.
QImage canvas(int w, int h, QColor fill = Qt::white, qreal dpr = 1);
/// A new transparent image whose transparent pixels carry `key` as colour, so
/// that a reader ignoring alpha finds the key colour there.
QImage keyedCanvas(int w, int h, QColor key);
/// Makes every fully transparent pixel carry `key` as its colour.
void keyTransparent(QImage& img, QColor key);

/// Pseudo-random numbers that do not depend on the platform.
class Noise {
public:
    explicit Noise(quint32 seed) : s_(seed ? seed : 1) {}
    quint32 next() { s_ ^= s_ << 13; s_ ^= s_ >> 17; s_ ^= s_ << 5; return s_; }
    double unit() { return (next() & 0xFFFFFF) / double(0x1000000); }
    double range(double a, double b) { return a + (b - a) * unit(); }
private:
    quint32 s_;
};

/// Smooth value noise that tiles with period `period` (in lattice cells).
double tiledNoise(double x, double y, int period, quint32 seed);

}  // namespace rgf
