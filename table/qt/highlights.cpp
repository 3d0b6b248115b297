#include "table/qt/highlights.h"

#include <QFont>
#include <QPainter>
#include <array>

#include "engine/context.h"
#include "table/geometry.h"
#include "table/qt/card_images.h"

namespace tessaro {

QColor highlightColour(int index, QColor fallback) {
    static const std::array<QColor, 15> colours{
        QColor(0, 0, 0),       QColor(0, 0, 255),     QColor(0, 255, 255), QColor(0, 255, 0),
        QColor(255, 186, 220), QColor(255, 70, 70),   QColor(255, 255, 128), QColor(0, 0, 160),
        QColor(0, 128, 128),   QColor(0, 128, 64),    QColor(255, 128, 255), QColor(128, 0, 64),
        QColor(128, 128, 0),   QColor(128, 0, 0),     QColor(192, 192, 192)};
    return index >= 0 && index < int(colours.size()) ? colours[std::size_t(index)] : fallback;
}

bool foundationComplete(const Context& ctx, int i) {
    if (i < 0 || i >= kFoundations) return false;
    const int cards = ctx.piles.count(PileRef{PileKind::Foundation, i});
    const int wanted = ctx.P[115 + i];
    return cards == wanted || (wanted == -1 && cards == ctx.P[32]);
}

void drawHighlightMark(QImage& canvas, const QRect& card, int markType, QColor colour) {
    if (canvas.isNull() || card.isEmpty()) return;
    if (markType == 1) {
        // Diagonal lines every two pixels on a white (transparent) card-sized
        // picture; the corner pixels stay white so the rounded corners show.
        QImage over(card.size(), QImage::Format_RGB32);
        over.fill(Qt::white);
        const QRgb c = colour.rgb();
        for (int y = 0; y < over.height(); ++y)
            for (int x = 0; x < over.width(); ++x)
                if ((x + y) % 2 == 0) over.setPixel(x, y, c);
        const int w = over.width(), h = over.height();
        const bool small = w == 25;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            over.setPixel(corner, qRgb(255, 255, 255));
            if (small) continue;
            const int dx = corner.x() == 0 ? 1 : -1, dy = corner.y() == 0 ? 1 : -1;
            over.setPixel(corner + QPoint(dx, 0), qRgb(255, 255, 255));
            over.setPixel(corner + QPoint(0, dy), qRgb(255, 255, 255));
        }
        const QRgb white = qRgb(255, 255, 255);
        if (canvas.devicePixelRatio() != 1) {
            // A high-DPI canvas: white turns see-through and the painter
            // puts each line pixel on its device pixels.
            QImage lines = over.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (lines.pixel(x, y) == white) lines.setPixel(x, y, qRgba(0, 0, 0, 0));
            QPainter(&canvas).drawImage(card.topLeft(), lines);
            return;
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb v = over.pixel(x, y);
                if (v != white && canvas.rect().contains(card.x() + x, card.y() + y)) canvas.setPixel(card.x() + x, card.y() + y, v);
            }
        return;
    }
    // Hatches leave the card visible between their lines.
    QPainter p(&canvas);
    p.setPen(Qt::NoPen);
    switch (markType) {
    case 2: p.fillRect(card, colour); break;
    case 3: p.fillRect(card, QBrush(colour, Qt::BDiagPattern)); break;
    case 4: p.fillRect(card, QBrush(colour, Qt::CrossPattern)); break;
    case 5: p.fillRect(card, QBrush(colour, Qt::DiagCrossPattern)); break;
    default: break;
    }
}

std::vector<QRect> highlightFoundations(const Context& ctx, int index, const HighlightStyle& style, QImage& backBuffer,
                                        int scrollOffset, const std::function<std::optional<QPoint>(int)>& topCard) {
    std::vector<QRect> drawn;
    if (style.mark < 1 || style.mark > 5) return drawn;
    const QSize size(ctx.layout.cardW, ctx.layout.cardH);
    if (size.isEmpty()) return drawn;
    const int count = std::min(ctx.P.foundations(), kFoundations);
    const int first = index < 0 ? 0 : index, last = index < 0 ? count - 1 : std::min(index, kFoundations - 1);
    const QColor colour = highlightColour(style.colourIndex, QColor(0, 0, 0));
    for (int i = first; i <= last; ++i) {
        if (!foundationComplete(ctx, i)) continue;
        const std::string pile = pileName(PileRef{PileKind::Foundation, i});
        const std::optional<QPoint> at =
            topCard ? topCard(i) : std::optional<QPoint>(QPoint(cardX(ctx, pile, 0, false), cardY(ctx, pile, 0, false)));
        if (!at || at->x() < -9999 || at->y() < -9999) continue;
        drawHighlightMark(backBuffer, QRect(at->x(), at->y() + scrollOffset, size.width(), size.height()), style.mark, colour);
        drawn.push_back(QRect(at->x(), at->y(), size.width(), size.height()));
    }
    return drawn;
}

QString jokerCaptionText(int rank) {
    static const char* const names[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    if (rank < 1 || rank > 13) return {};
    const QString name = QString::fromLatin1(names[rank - 1]);
    return (name.size() == 1 ? QStringLiteral("Joker = ") : QStringLiteral("Joker=")) + name;
}

std::optional<QRect> JokerCaptions::show(int f, QPoint foundation, int cardWidth, int suit, int key, int rank,
                                         QImage& backBuffer, const QImage& backgroundBuffer, int scrollOffset) {
    auto it = last_.find(f);
    if (it != last_.end() && it->second == key) return std::nullopt;
    last_[f] = key;
    const QRect strip(foundation.x() + cardWidth / 2 - 29, foundation.y() - 18, 59, 14);
    const QRect onBuffer = strip.translated(0, scrollOffset);
    QPainter p(&backBuffer);
    if (rank < 1 || rank > 13) {
        const qreal r = backgroundBuffer.devicePixelRatio();
        p.drawImage(onBuffer.topLeft(), backgroundBuffer,
                    QRectF(onBuffer.topLeft() * r, QSizeF(onBuffer.size()) * r));
        return strip;
    }
    p.fillRect(onBuffer, Qt::white);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    p.setFont(font);
    p.setPen(Qt::black);
    p.setClipRect(QRect(onBuffer.x() + 2, onBuffer.y(), 46, 14));
    p.drawText(QRect(onBuffer.x() + 2, onBuffer.y(), 46, 14), Qt::AlignLeft | Qt::AlignVCenter, jokerCaptionText(rank));
    p.setClipping(false);
    static const char* const suits[4] = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};
    if (suit >= 0 && suit < 4) {
        QImage symbol;
        loadNamedImage(symbol, suits[suit]);
        if (!symbol.isNull()) p.drawImage(onBuffer.x() + 48, onBuffer.y() + 2, symbol);
    }
    return strip;
}

}  // namespace tessaro
