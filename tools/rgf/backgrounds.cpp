// Background pictures: seamless tiles "B" + number below 500 and one whole
// table picture from 500 up. Tiles draw every element once per neighbouring
// copy of the tile so that nothing is cut at the edges.
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

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// Draws `draw` at the nine offsets of a tile of size w x h.
void wrapped(QPainter& p, int w, int h, const std::function<void()>& draw) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * w, dy * h);
            draw();
            p.restore();
        }
}

// Moquette (102): a carpet of interlocking diamonds in few flat colours.
QImage moquette() {
    const int n = 48;
    QImage img = canvas(n, n, QColor(120, 20, 30));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    wrapped(p, n, n, [&] {
        p.setPen(Qt::NoPen);
        QPainterPath d;
        d.moveTo(24, 2);
        d.lineTo(46, 24);
        d.lineTo(24, 46);
        d.lineTo(2, 24);
        d.closeSubpath();
        p.setBrush(QColor(30, 60, 110));
        p.drawPath(d);
        QPainterPath d2;
        d2.moveTo(24, 10);
        d2.lineTo(38, 24);
        d2.lineTo(24, 38);
        d2.lineTo(10, 24);
        d2.closeSubpath();
        p.setBrush(QColor(200, 160, 60));
        p.drawPath(d2);
        p.setBrush(QColor(120, 20, 30));
        p.drawEllipse(QPointF(24, 24), 5, 5);
        p.setBrush(QColor(200, 160, 60));
        p.drawEllipse(QPointF(0, 0), 3, 3);
    });
    return img;
}

// Metal gold (287): brushed gold, long streaks along x.
QImage metalGold() {
    const int n = 128;
    QImage img(n, n, QImage::Format_RGB32);
    const QColor dark(150, 110, 30), light(250, 215, 120);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double streak = tiledNoise(x / 64.0, y / 1.5, 2, 11) * 0.6 + tiledNoise(x / 16.0, y / 0.8, 8, 12) * 0.25;
            const double sheen = 0.5 + 0.5 * std::sin(2 * M_PI * (y / double(n)) + 0.6);
            const double t = 0.25 + 0.45 * streak + 0.3 * sheen;
            img.setPixel(x, y, mix(dark, light, t).rgb());
        }
    return img;
}

// Moquette 1 (296): a soft tufted velvet with a small repeating flower.
QImage moquette1() {
    const int n = 64;
    QImage img(n, n, QImage::Format_RGB32);
    const QColor a(16, 70, 80), b(40, 120, 130);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double t = tiledNoise(x / 4.0, y / 4.0, 16, 21) * 0.6 + tiledNoise(x / 1.0, y / 1.0, 64, 22) * 0.4;
            img.setPixel(x, y, mix(a, b, t).rgb());
        }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    wrapped(p, n, n, [&] {
        for (QPointF c : {QPointF(16, 16), QPointF(48, 48)}) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(220, 190, 120, 200));
            for (int i = 0; i < 4; ++i) {
                const double a = i * M_PI / 2 + M_PI / 4;
                p.drawEllipse(c + QPointF(std::cos(a) * 3.5, std::sin(a) * 3.5), 2.6, 2.6);
            }
            p.setBrush(QColor(170, 40, 50));
            p.drawEllipse(c, 2.0, 2.0);
        }
    });
    return img;
}

// Brick wall 1 (304): running bond of 30 x 14 bricks in 2-pixel mortar.
QImage brickWall() {
    const int bw = 32, bh = 16, cols = 4, rows = 4;
    const int w = bw * cols, h = bh * rows;
    QImage img(w, h, QImage::Format_RGB32);
    const QColor mortar(196, 188, 172);
    Noise n(304);
    QColor brickColour[rows][cols];
    for (auto& row : brickColour)
        for (auto& c : row) c = mix(QColor(150, 52, 36), QColor(190, 90, 60), n.unit());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int row = y / bh;
            const int shift = (row % 2) * (bw / 2);
            const int xx = (x + shift) % w;
            const int col = xx / bw;
            const bool joint = (y % bh) >= bh - 2 || (xx % bw) >= bw - 2;
            const double grain = tiledNoise(x / 2.0, y / 2.0, w / 2, 31);
            if (joint) {
                img.setPixel(x, y, mix(mortar.darker(115), mortar, grain).rgb());
            } else {
                QColor c = brickColour[row][col];
                // lighter top edge, darker bottom edge of each brick
                const int in = y % bh;
                const double shade = in == 0 ? 1.12 : in >= bh - 3 ? 0.85 : 1.0;
                c = mix(c.darker(125), c.lighter(110), grain * 0.8 + 0.1);
                img.setPixel(x, y, QColor::fromRgbF(std::min(1.0, c.redF() * shade), std::min(1.0, c.greenF() * shade),
                                                    std::min(1.0, c.blueF() * shade))
                                       .rgb());
            }
        }
    return img;
}

// Parquet (311): square blocks of four oak strips, turned a quarter from
// one block to the next.
QImage parquet() {
    const int block = 32, strips = 4, n = 2 * block;
    QImage img(n, n, QImage::Format_RGB32);
    const QColor wood1(170, 112, 58), wood2(206, 150, 86);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const int bx = x / block, by = y / block;
            const bool vertical = (bx + by) % 2 == 0;
            const int u = vertical ? x % block : y % block;   // across the strips
            const int v = vertical ? y % block : x % block;   // along a strip
            const int strip = u / (block / strips);
            const int seed = 40 + strip + 4 * (bx + 2 * by);
            const double base = tiledNoise(strip * 3.0 + bx * 7.0, by * 5.0, 64, 41) * 0.5;
            const double grain = 0.5 + 0.5 * std::sin((u + 4 * tiledNoise(v / 6.0, strip, 8, seed)) * 1.7);
            double t = 0.2 + base + 0.3 * grain;
            if (u % (block / strips) == 0) t = -0.4;   // the joint between strips
            if (v == 0) t = -0.2;                      // the end of a strip
            img.setPixel(x, y, mix(wood1.darker(140), wood2, t * 0.8 + 0.3).rgb());
        }
    return img;
}

// Meadow (324): grass in several greens with a few small flowers.
QImage meadow() {
    const int n = 128;
    QImage img(n, n, QImage::Format_RGB32);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double t = tiledNoise(x / 16.0, y / 16.0, 8, 51) * 0.7 + tiledNoise(x / 4.0, y / 4.0, 32, 52) * 0.3;
            img.setPixel(x, y, mix(QColor(40, 100, 30), QColor(90, 150, 50), t).rgb());
        }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Noise rnd(324);
    struct Blade {
        QPointF base;
        double len, lean;
        QColor c;
    };
    std::vector<Blade> blades;
    for (int i = 0; i < 420; ++i)
        blades.push_back({QPointF(rnd.range(0, n), rnd.range(0, n)), rnd.range(5, 11), rnd.range(-3.5, 3.5),
                          mix(QColor(30, 90, 25), QColor(140, 190, 70), rnd.unit())});
    struct Flower {
        QPointF c;
        QColor petal;
    };
    std::vector<Flower> flowers;
    for (int i = 0; i < 9; ++i)
        flowers.push_back({QPointF(rnd.range(0, n), rnd.range(0, n)),
                           i % 3 == 0 ? QColor(250, 250, 250) : i % 3 == 1 ? QColor(250, 220, 60) : QColor(200, 120, 220)});
    wrapped(p, n, n, [&] {
        for (const Blade& b : blades) {
            p.setPen(QPen(b.c, 1.0, Qt::SolidLine, Qt::RoundCap));
            QPainterPath path;
            path.moveTo(b.base);
            path.quadTo(b.base + QPointF(b.lean * 0.3, -b.len * 0.6), b.base + QPointF(b.lean, -b.len));
            p.drawPath(path);
        }
        p.setPen(Qt::NoPen);
        for (const Flower& f : flowers) {
            p.setBrush(f.petal);
            for (int i = 0; i < 5; ++i) {
                const double a = i * 2 * M_PI / 5;
                p.drawEllipse(f.c + QPointF(std::cos(a) * 1.8, std::sin(a) * 1.8), 1.4, 1.4);
            }
            p.setBrush(QColor(240, 170, 30));
            p.drawEllipse(f.c, 1.1, 1.1);
        }
    });
    return img;
}

// Felt table (500): a whole picture with a soft light over green felt.
QImage feltTable() {
    const int w = 800, h = 600;
    QImage img = canvas(w, h, QColor(0, 80, 0));
    QPainter p(&img);
    QRadialGradient g(QPointF(w * 0.5, h * 0.4), w * 0.75);
    g.setColorAt(0, QColor(20, 130, 40));
    g.setColorAt(0.6, QColor(8, 96, 28));
    g.setColorAt(1, QColor(0, 50, 14));
    p.fillRect(img.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(210, 180, 90, 140), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(20, 20, w - 40, h - 40), 30, 30);
    p.setPen(QPen(QColor(210, 180, 90, 80), 1.0));
    p.drawRoundedRect(QRectF(28, 28, w - 56, h - 56), 24, 24);
    return img;
}

}  // namespace

void drawBackgrounds(Library& lib) {
    const QString group = QStringLiteral("Backgrounds");
    lib.bitmap(group, QStringLiteral("B102"), moquette());
    lib.bitmap(group, QStringLiteral("B287"), metalGold());
    lib.bitmap(group, QStringLiteral("B296"), moquette1());
    lib.bitmap(group, QStringLiteral("B304"), brickWall());
    lib.bitmap(group, QStringLiteral("B311"), parquet());
    lib.bitmap(group, QStringLiteral("B324"), meadow());
    lib.bitmap(group, QStringLiteral("B500"), feltTable());
}

}  // namespace rgf
