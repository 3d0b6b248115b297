#include "table/qt/table_view.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "engine/cards.h"
#include "engine/context.h"
#include "engine/input.h"
#include "engine/selection.h"
#include "engine/sounds.h"
#include "platform/qt/pause.h"
#include "table/card_fit.h"
#include "table/geometry.h"
#include "table/keyboard.h"
#include "table/layout.h"
#include "table/qt/background.h"

namespace tessaro {

namespace {

// Draws `source` (device pixels of `image`) with its top left at `to`. Qt's
// raster engine draws an image through a clip of several rectangles span by
// span, and hands a draw of 96 spans or more to its thread pool in slices;
// for the card- and window-sized pictures of the table the hand-overs
// between threads cost more processor time than the slices save. So through
// such a clip the picture goes in bands of fewer rows.
void drawPart(QPainter& p, QPoint to, const QImage& image, QRect source, bool severalRects) {
    if (!severalRects) {
        p.drawImage(to, image, source);
        return;
    }
    const int ratio = std::max(1, qRound(image.devicePixelRatio()));
    const int band = 64 - 64 % ratio;
    for (int top = 0; top < source.height(); top += band) {
        const int rows = std::min(band, source.height() - top);
        p.drawImage(QPoint(to.x(), to.y() + top / ratio), image, QRect(source.x(), source.y() + top, source.width(), rows));
    }
}

// The area to paint again when a picture moves from `from` to `to`: one
// rectangle while the two overlap (a step of a flight or a drag), which Qt
// draws straight through, else the two.
QRegion movedArea(const QRect& from, const QRect& to) {
    if (from.intersects(to)) return from | to;
    return QRegion(from) + QRegion(to);
}

constexpr int kStockTypes[kStockPiles] = {1, 2, 7};

int inUse(int count, int limit) { return std::clamp(count, 0, limit); }

// The mark code of a rank symbol code; empty for a code without a symbol,
// "-" for the code that draws nothing but counts as drawn.
std::string rankSymbol(int code) {
    static const char* byRank[14] = {"",    "010", "012", "013", "014", "015", "016",
                                     "017", "018", "019", "020", "006", "003", "011"};
    if (code >= 1 && code <= 13) return byRank[code];
    if (code == 58 || code == 81 || code == 85) return byRank[1];
    if (code == 90) return byRank[2];
    if (code == 64 || code == 84) return byRank[13];
    if (code == 94) return "-";
    return {};
}

// Edge steps of a squared pile: none for at most one card, else
// trunc(cards / 7) + 1, at most 15 for the stock piles and 2 for a foundation.
int edgeSteps(int cards, bool foundation) {
    if (cards <= 1) return 0;
    const int steps = cards / 7 + 1;
    return std::min(steps, foundation ? 2 : 15);
}

bool squaredPile(PileRef p) { return p.kind == PileKind::Stock || p.kind == PileKind::Foundation; }

// The dark edge of a pressed pile.
const QColor kPressedEdge(64, 64, 64);

}  // namespace

int cornerSize(int cardWidth) { return cardWidth == 25 ? 1 : 3; }

std::vector<FlightStep> flightPath(int x0, int y0, int x1, int y1, int cardW, int cardH, bool fast) {
    if (!onTable(x1)) x1 = -3 * cardW;
    if (!onTable(y1)) y1 = -3 * cardH;
    std::vector<FlightStep> out;
    const int dx = x1 - x0;
    const int dy = y1 - y0;
    const bool xDominant = std::abs(dx) >= std::abs(dy);
    const int total = xDominant ? dx : dy;
    const int otherTotal = xDominant ? dy : dx;
    const double d = std::abs(total);
    if (d == 0) {
        out.push_back({x1, y1});
        return out;
    }
    int step = static_cast<int>(d / (d / 50.0 * 100.0 / 6.25 * 4.0 / 100.0 + 4.0) + 0.5);
    if (fast) step = static_cast<int>(0.9 * step);
    step = std::max(1, std::min(step, static_cast<int>(d)));
    const int sign = total > 0 ? 1 : -1;
    int moved = 0;
    while (true) {
        moved = std::min(moved + step, static_cast<int>(d));
        const int p = static_cast<int>(moved * 100.0 / d + 0.5);
        const int other = otherTotal * p / 100;
        const int main = sign * moved;
        if (xDominant) out.push_back({x0 + main, y0 + other});
        else out.push_back({x0 + other, y0 + main});
        if (moved >= d) break;
    }
    out.back() = {x1, y1};
    return out;
}

std::vector<std::string> findDropTargets(const Context& ctx, const CardRect& dragged, const std::string& source) {
    struct Candidate {
        std::string name;
        int area;
    };
    std::vector<Candidate> found;
    auto consider = [&](PileRef p) {
        if (!ctx.layout.position(p).placed()) return;
        const std::string name = pileName(p);
        if (name == source) return;
        const int x = cardX(ctx, name, 0, false);
        const int y = cardY(ctx, name, 0, false);
        const int r = x + ctx.layout.cardW;
        const int b = y + ctx.layout.cardH;
        if (!rectsOverlap(dragged.left, dragged.top, dragged.right, dragged.bottom, x, y, r, b)) return;
        found.push_back({name, overlapArea(dragged.left, dragged.top, dragged.right, dragged.bottom, x, y, r, b)});
    };
    consider({PileKind::Stock, kMazzoWaste});
    for (int i = 0; i < inUse(ctx.P.rows(), kRows); ++i) consider({PileKind::Row, i});
    for (int i = 0; i < kFoundations; ++i) consider({PileKind::Foundation, i});
    for (int i = 0; i < inUse(ctx.P.reserves(), kReserves); ++i) consider({PileKind::Reserve, i});
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) { return a.area > b.area; });
    std::vector<std::string> out;
    for (std::size_t i = 0; i < found.size() && i < 4; ++i) out.push_back(found[i].name);
    return out;
}

TableView::TableView(Context& ctx, QWidget* parent, QSize screen) : QWidget(parent), ctx_(ctx) {
    if (screen.isEmpty()) {
        const QScreen* s = QGuiApplication::primaryScreen();
        screen = s ? s->size() : QSize(1280, 1024);
    }
    makeBuffers(screen);
    lastRect_.assign(kCardCount + 1, QRect());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(QStringLiteral("Card table"));
    ctx_.presentation = this;
}

TableView::~TableView() {
    if (ctx_.presentation == this) ctx_.presentation = &ctx_.nullPresentation;
}

int TableView::scroll() const { return ctx_.layout.scroll; }

int TableView::cardSpeed() const {
    const std::string s = ctx_.reg.read(reg::SpeedMoveCard);
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        v = v * 10 + (c - '0');
    }
    return v;
}

bool TableView::shadowsOn() const { return ctx_.reg.read(reg::CardsShadowed) != "N"; }

void TableView::makeBuffers(QSize tableSize) {
    back_ = QImage(tableSize * ratio_, QImage::Format_RGB32);
    background_ = QImage(tableSize * ratio_, QImage::Format_RGB32);
    back_.setDevicePixelRatio(ratio_);
    background_.setDevicePixelRatio(ratio_);
    // choice: not filled here. Every table draw first prepares the whole
    // background (which mostly replaces these buffers by the table area's
    // picture and a copy of it), and the view is never painted before its
    // first table draw; filling two screen-sized images only cost start-up
    // time in page faults.
}

QSize TableView::tableSize() const { return back_.size() / ratio_; }

QRect TableView::onDevice(const QRect& r) const {
    return ratio_ == 1 ? r : QRect(r.topLeft() * ratio_, r.size() * ratio_);
}

int TableView::wantedRatio() const {
    if (!fitToWindow(ctx_)) return 1;
    // choice: a fractional ratio (125 %, 150 %) draws at the next whole one
    // and the window scales that down once; pixel-wise work (corners,
    // inverting, the pressed look) stays on whole device pixels.
    return std::clamp(static_cast<int>(std::ceil(devicePixelRatioF() - 0.01)), 1, 4);
}

void TableView::loadImages() {
    if (const int ratio = wantedRatio(); ratio != ratio_) {
        // The buffers follow the ratio; the background is drawn into them again.
        const QSize size = tableSize();
        ratio_ = ratio;
        makeBuffers(size);
        prepareBackground();
        // Until the next table draw the window shows the bare background.
        QPainter p(&back_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, background_);
    }
    if (fitToWindow(ctx_)) {
        const QSize size(ctx_.layout.cardW, ctx_.layout.cardH);
        imagesKey_.clear();
        if (images_.drawnSize == size && images_.drawnDpr == ratio_ &&
            images_.drawnSet == ctx_.reg.read(reg::CardFaceSet) && images_.drawnBack == ctx_.reg.read(reg::CardBack))
            return;
        drawCardImages(ctx_.reg, images_, size, ratio_);
    } else {
        // Every new deal asks for the pictures; they are cut from the library
        // again only when the card size, the card set or the back changed.
        std::string key = ctx_.reg.read(reg::CardSize) + '/' + ctx_.reg.read(reg::CardFaceSet) + '/' +
                          ctx_.reg.read(reg::CardBack);
        if (key == imagesKey_ && !images_.back.isNull()) return;
        imagesKey_ = std::move(key);
        loadCardImages(ctx_.reg, images_, false);
    }
    // The shadow strips are black dots on white, and white is their
    // see-through colour: only the dots darken the table.
    // (Premultiplied, which Qt blends straight onto the table; the pixels are
    // the same, since each is either opaque or fully clear.)
    for (QImage* img : {&images_.shadowRight, &images_.shadowBottom}) {
        if (img->isNull()) continue;
        *img = img->convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < img->height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img->scanLine(y));
            for (int x = 0; x < img->width(); ++x)
                if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) line[x] = qRgba(0, 0, 0, 0);
        }
    }
}

void TableView::prepareBackground() {
    // Only the background buffer: every caller renders the table (which
    // starts with a copy of it) into the back buffer next, so a copy here
    // would only cost a screen-sized image.
    if (backgroundSource_) {
        const QImage& picture = backgroundSource_();
        if (picture.format() == background_.format() && picture.devicePixelRatio() == ratio_ &&
            picture.width() >= background_.width() &&
            picture.height() >= background_.height()) {
            // choice: a picture that covers the whole buffer is shared, not
            // copied: the view only reads its background, and the table
            // area draws a new picture for every new background.
            background_ = picture;
            return;
        }
        QPainter p(&background_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(background_.rect(), QColor(0, 96, 0));
        p.drawImage(0, 0, picture);
        return;
    }
    // Drawn once, into the background buffer; every table draw starts by
    // copying it to the back buffer.
    BackgroundTarget target;
    target.canvas = &background_;
    target.backgroundBuffer = nullptr;
    target.backBufferWidth = tableSize().width();
    target.screenHeight = tableSize().height();
    drawBackground(ctx_, target);
}

void TableView::noteBottom(int yWindow) { lowest_ = std::max(lowest_, yWindow + ctx_.layout.cardH + scroll()); }

void TableView::mendCorners(QImage& img, int x, int yBuffer, bool shadowed, bool sideways, bool mirrored) const {
    // Coordinates in table pixels; each is ratio_ x ratio_ pixels of the
    // image and the buffers.
    const int k = ratio_;
    const int w = img.width() / k;
    const int h = img.height() / k;
    const int c = cornerSize(ctx_.layout.cardW);
    auto from = [&](const QImage& src, int ix, int iy) -> QRgb {
        const int sx = x * k + ix;
        const int sy = yBuffer * k + iy;
        if (sx < 0 || sy < 0 || sx >= src.width() || sy >= src.height()) return img.pixel(ix, iy);
        return src.pixel(sx, sy);
    };
    auto put = [&](int cx, int cy, auto source) {
        for (int dy = 0; dy < k; ++dy)
            for (int dx = 0; dx < k; ++dx) img.setPixel(cx * k + dx, cy * k + dy, source(cx * k + dx, cy * k + dy));
    };
    // The pixels of one corner: the corner itself and, for the bigger
    // cards, its horizontal and vertical neighbours.
    auto corner = [&](int cx, int cy, int hx, int vy, auto source) {
        put(cx, cy, source);
        if (c == 3) {
            put(hx, cy, source);
            put(cx, vy, source);
        }
    };
    auto dest = [&](int cx, int cy) { return from(back_, cx, cy); };
    auto bg = [&](int cx, int cy) { return from(background_, cx, cy); };
    auto silver = [](int, int) { return qRgb(192, 192, 192); };
    corner(0, 0, 1, 1, dest);
    corner(w - 1, 0, w - 2, 1, dest);
    if (sideways) {
        // Sideways fans: the card under shows at the overlapped side.
        if (mirrored) {
            corner(0, h - 1, 1, h - 2, dest);
            corner(w - 1, h - 1, w - 2, h - 2, bg);
        } else {
            corner(0, h - 1, 1, h - 2, bg);
            corner(w - 1, h - 1, w - 2, h - 2, dest);
        }
        return;
    }
    corner(0, h - 1, 1, h - 2, bg);
    if (shadowed) corner(w - 1, h - 1, w - 2, h - 2, silver);
    else corner(w - 1, h - 1, w - 2, h - 2, bg);
}

void TableView::drawShadow(int x, int yBuffer) {
    const int d = ctx_.layout.shadow;
    if (d <= 0) return;
    QPainter p(&back_);
    const int r = x + ctx_.layout.cardW;
    const int b = yBuffer + ctx_.layout.cardH;
    if (!images_.shadowRight.isNull()) p.drawImage(r, yBuffer + d - 2, images_.shadowRight);
    if (!images_.shadowBottom.isNull()) p.drawImage(x + d - 1, b, images_.shadowBottom);
}

void TableView::blitCard(const QImage& src, int x, int y, bool shadowed) {
    if (!onTable(x) || !onTable(y) || src.isNull()) return;
    const int yb = y + scroll();
    QImage img = src.convertToFormat(QImage::Format_RGB32);
    const int mode = ctx_.P[3];
    const bool sideways = mode == 2 || mode == 6 || mode == 10 || ctx_.P[6] != 0;
    mendCorners(img, x, yb, shadowed, sideways, mode == 10);
    QPainter p(&back_);
    p.drawImage(x, yb, img);
    p.end();
    if (shadowed) drawShadow(x, yb);
    noteBottom(y);
}

void TableView::drawCardFace(int card, int x, int y, bool shadowed) {
    if (!CardTable::valid(card)) return;
    const int index = isJoker(card) ? 52 : suit(card) * 13 + rank(card) - 1;
    if (index < 0 || index > 52) return;
    blitCard(images_.face(index), x, y, shadowed);
}

void TableView::drawCardBack(int x, int y, bool shadowed) { blitCard(images_.back, x, y, shadowed); }

void TableView::drawEmptyMark(int type, int x, int y, int index) {
    if (!onTable(x) || !onTable(y)) return;
    const auto& P = ctx_.P;
    std::string code;
    const int redeals = ctx_.mainGame.redeals;
    const bool redealLeft = redeals < P[15] || P[15] < 0;
    switch (type) {
    case 1:
        if (P[50] == 8 || P[50] == 45) {
            code = "021";
        } else if (P[16] >= 1 && (redeals < P[15] || P[15] == -1)) {
            code = "022";
        } else if (ctx_.piles.stock(kMazzo).empty() && ctx_.piles.count({PileKind::Stock, kMazzoVis}) <= 1) {
            code = "008";
        } else {
            code = redealLeft ? "022" : "008";
        }
        break;
    case 2:
        if (P[9] == 1) code = "_WASTE";
        else if (P[15] == 0) code = "008";
        else if (P[16] < 1) return;
        else code = (redeals >= P[15] && P[15] != -1) ? "008" : "022";
        break;
    case 3:
        if (P[83 + index] == 10) code = rankSymbol(12);
        else code = rankSymbol(P[51 + index]);
        if (code.empty()) code = "004";
        break;
    case 5:
        if (P[331 + index] == 4) code = "_TABLEAU";
        else if (P[331] == 9) code = "009";
        else if (P[331] == 8) code = rankSymbol(13);
        else if (P[331 + index] == 88) code = rankSymbol(11);
        else if (P[331 + index] == 89) code = rankSymbol(12);
        else if (P[331 + index] == 90) code = rankSymbol(13);
        else if (P[331 + index] == 107) code = rankSymbol(1);
        else code = "001";
        break;
    case 6:
        // The rank symbol of the row's base code; without one, the empty-row
        // mark for a row with a base code and reserve mark A for one without.
        code = rankSymbol(P[131 + index]);
        if (code.empty()) code = P[131 + index] != 0 ? "004" : "_TABLEAU";
        break;
    default: code = "_WASTE"; break;
    }
    if (code == "-") return;
    QImage mark;
    if (code == "021" && !images_.drawnSize.isValid()) {
        loadNamedImage(mark, "W" + ctx_.reg.read(reg::CardSize) + code);
    } else {
        mark = images_.mark(code);
    }
    if (mark.isNull()) return;
    QPainter p(&back_);
    p.drawImage(x, y + scroll(), mark);
    p.end();
    noteBottom(y);
}

void TableView::drawPileCard(PileRef pile, int depth, bool shadowed) {
    if (!ctx_.layout.position(pile).placed()) return;
    const std::string name = pileName(pile);
    const std::string& t = ctx_.piles.text(pile);
    const int count = static_cast<int>(t.size() / 3);
    if (count == 0 || depth >= count) return;
    const int card = cardAt(t, static_cast<std::size_t>(depth) * 3);
    if (card <= 0 || hidden_.count(card)) return;
    const int skip = squaredPile(pile) ? 0 : count - 1 - depth;
    const int x = cardX(ctx_, name, skip, false);
    const int y = cardY(ctx_, name, skip, false);
    if (!onTable(x) || !onTable(y)) return;
    if (ctx_.cards.faceUp(card)) drawCardFace(card, x, y, shadowed);
    else drawCardBack(x, y, shadowed);
    if (recordPlaces_) lastRect_[static_cast<std::size_t>(card)] = QRect(x, y, ctx_.layout.cardW, ctx_.layout.cardH);
}

void TableView::drawPile(PileRef pile) {
    // A pile's cards may overlap its neighbours' (fans, shadows), so the
    // whole table is drawn again from the background; it costs a few
    // milliseconds even for the biggest table.
    // The places cards were drawn at stay as they were: a flight that
    // follows starts where its card lay before the move.
    (void)pile;
    recordPlaces_ = false;
    renderTable();
    recordPlaces_ = true;
    update();
}

void TableView::renderPiles() {
    const bool shadowed = shadowsOn();
    auto emptyMark = [&](PileRef p, int type, int index) {
        const auto& pos = ctx_.layout.position(p);
        if (!pos.placed()) return;
        drawEmptyMark(type, pos.x, pos.y - scroll(), index);
    };
    auto visibleCards = [&](PileRef p) {
        const std::string& t = ctx_.piles.text(p);
        int n = 0;
        for (std::size_t k = 0; k + 3 <= t.size(); k += 3) {
            const int c = cardAt(t, k);
            if (c > 0 && !hidden_.count(c)) ++n;
        }
        return n;
    };
    auto squared = [&](PileRef p, int type, int index) {
        if (!ctx_.layout.position(p).placed()) return;
        const int n = visibleCards(p);
        if (n == 0) {
            emptyMark(p, type, index);
            return;
        }
        const std::string name = pileName(p);
        const int x = cardX(ctx_, name, 0, false);
        const int y = cardY(ctx_, name, 0, false);
        // Edge steps: thin card edges below and to the right of the top card.
        const int steps = edgeSteps(n, p.kind == PileKind::Foundation);
        if (steps > 0) {
            QPainter painter(&back_);
            const int yb = y + scroll();
            for (int s = steps; s >= 1; --s) {
                const int o = s * 2 / (ctx_.layout.cardW == 25 ? 2 : 1) / 2 + s / 2;
                painter.setPen(QColor(64, 64, 64));
                painter.setBrush(QColor(224, 224, 224));
                painter.drawRect(x + o, yb + o, ctx_.layout.cardW - 1, ctx_.layout.cardH - 1);
            }
        }
        // Top visible card.
        const std::string& t = ctx_.piles.text(p);
        for (int k = static_cast<int>(t.size() / 3) - 1; k >= 0; --k) {
            const int c = cardAt(t, static_cast<std::size_t>(k) * 3);
            if (c <= 0 || hidden_.count(c)) continue;
            if (ctx_.cards.faceUp(c)) drawCardFace(c, x, y, shadowed);
            else drawCardBack(x, y, shadowed);
            if (recordPlaces_) lastRect_[static_cast<std::size_t>(c)] = QRect(x, y, ctx_.layout.cardW, ctx_.layout.cardH);
            break;
        }
    };
    auto fanned = [&](PileRef p, int type, int index) {
        if (!ctx_.layout.position(p).placed()) return;
        if (visibleCards(p) == 0) {
            // A pile of gaps only (a cleared Memory row) is not empty: the
            // table shows through. Cards still to be dealt leave the mark,
            // except in the grids whose cards lie apart.
            const std::string& t = ctx_.piles.text(p);
            bool gaps = false;
            for (std::size_t k = 0; k + 3 <= t.size(); k += 3) gaps |= cardAt(t, k) <= 0;
            const bool dealing = !t.empty();
            if (!gaps && !(dealing && ctx_.P[3] == 4)) emptyMark(p, type, index);
            return;
        }
        const int count = ctx_.piles.count(p);
        // Only the top card of the pile casts a shadow, except where the
        // cards of a row lie apart (fan mode 4): there each card casts one.
        const bool apart = p.kind == PileKind::Row && ctx_.P[3] == 4;
        for (int d = 0; d < count; ++d) drawPileCard(p, d, shadowed && (apart || d == count - 1));
    };
    for (int i = 0; i < kStockPiles; ++i) squared({PileKind::Stock, i}, kStockTypes[i], i);
    for (int i = 0; i < kFoundations; ++i) squared({PileKind::Foundation, i}, 3, i);
    for (int i = 0; i < inUse(ctx_.P.reserves(), kReserves); ++i) fanned({PileKind::Reserve, i}, 5, i);
    for (int i = 0; i < inUse(ctx_.P.rows(), kRows); ++i) fanned({PileKind::Row, i}, 6, i);
}

void TableView::renderTable() {
    lowest_ = 0;
    {
        QPainter p(&back_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, background_);
    }
    renderPiles();
    renderOverlays();
    ctx_.mainGame.lowestDrawnBottom = lowest_;
}

std::optional<QRect> TableView::placeOutsideFoundations(int card) const {
    const int w = ctx_.layout.cardW;
    const int h = ctx_.layout.cardH;
    auto search = [&](PileRef p) -> std::optional<QRect> {
        if (!ctx_.layout.position(p).placed()) return std::nullopt;
        const std::string& t = ctx_.piles.text(p);
        const int count = static_cast<int>(t.size() / 3);
        for (int k = count - 1; k >= 0; --k) {
            if (cardAt(t, static_cast<std::size_t>(k) * 3) != card) continue;
            // Stock piles show only their top card.
            if (p.kind == PileKind::Stock && k != count - 1) return std::nullopt;
            const std::string name = pileName(p);
            const int skip = p.kind == PileKind::Stock ? 0 : count - 1 - k;
            const int x = cardX(ctx_, name, skip, false);
            const int y = cardY(ctx_, name, skip, false);
            if (!onTable(x) || !onTable(y)) return std::nullopt;
            return QRect(x, y, w, h);
        }
        return std::nullopt;
    };
    for (int i = 0; i < inUse(ctx_.P.rows(), kRows); ++i)
        if (auto r = search({PileKind::Row, i})) return r;
    for (int i = 0; i < inUse(ctx_.P.reserves(), kReserves); ++i)
        if (auto r = search({PileKind::Reserve, i})) return r;
    for (int i = kMazzoVis; i >= kMazzo; --i)
        if (auto r = search({PileKind::Stock, i})) return r;
    return std::nullopt;
}

void TableView::invertRect(const QRect& windowRect) {
    const QRect onBuffer = windowRect.translated(0, scroll()).intersected(back_.rect());
    if (onBuffer.isEmpty()) return;
    QImage part = back_.copy(onDevice(onBuffer));
    part.invertPixels();
    {
        QPainter p(&back_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(onBuffer.topLeft(), part);
    }
    // The four corners show the table, as they do on every card.
    const int c = cornerSize(ctx_.layout.cardW);
    const QRect card = windowRect.translated(0, scroll());
    auto mend = [&](int tx, int ty) {
        for (int y = ty * ratio_; y < (ty + 1) * ratio_; ++y)
            for (int x = tx * ratio_; x < (tx + 1) * ratio_; ++x)
                if (back_.rect().contains(x, y) && background_.rect().contains(x, y))
                    back_.setPixel(x, y, background_.pixel(x, y));
    };
    const int l = card.left(), r = card.right(), t = card.top(), b = card.bottom();
    for (const auto& [cx, cy, dx, dy] : {std::tuple{l, t, 1, 1}, std::tuple{r, t, -1, 1}, std::tuple{l, b, 1, -1},
                                         std::tuple{r, b, -1, -1}}) {
        mend(cx, cy);
        if (c == 3) {
            mend(cx + dx, cy);
            mend(cx, cy + dy);
        }
    }
}

void TableView::drawPressedLook(PileRef pile) {
    const auto& pos = ctx_.layout.position(pile);
    if (!pos.placed()) return;
    const std::string name = pileName(pile);
    const int x = cardX(ctx_, name, 0, false);
    const int y = cardY(ctx_, name, 0, false) + scroll();
    const int w = ctx_.layout.cardW;
    const int h = ctx_.layout.cardH;
    // choice: the pressed pile looks like a sunken button: what lies there
    // moves two pixels right and down, under a dark edge at the top and the left.
    const QRect area(x, y, w, h);
    const QImage before = back_.copy(onDevice(area));
    QPainter p(&back_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(x, y), background_, onDevice(area));
    p.drawImage(QRect(x + 2, y + 2, w - 2, h - 2), before, onDevice(QRect(0, 0, w - 2, h - 2)));
    p.fillRect(QRect(x, y, w, 2), kPressedEdge);
    p.fillRect(QRect(x, y, 2, h), kPressedEdge);
}

void TableView::renderOverlays() {
    // The selection of the selection games: each selected card face up at its
    // place, inverted.
    if (selectionGame(ctx_)) {
        const std::string& list = ctx_.piles.dest(0);
        for (std::size_t k = 0; k + 3 <= list.size(); k += 3) {
            const int card = cardAt(list, k);
            if (card <= 0 || hidden_.count(card)) continue;
            const auto place = placeOutsideFoundations(card);
            if (!place) continue;
            drawCardFace(card, place->x(), place->y(), false);
            invertRect(*place);
        }
    }
    // Marked cards (the correct answers of "Forget me not").
    const QColor markColour = highlightColour(markStyle_.colourIndex, QColor(0, 0, 0));
    for (int card : marked_) {
        if (hidden_.count(card)) continue;
        const auto place = cardPlace(ctx_, card);
        if (!place) continue;
        const CardRect r = place->rect;
        drawHighlightMark(back_, QRect(r.left, r.top + scroll(), r.right - r.left, r.bottom - r.top), markStyle_.mark,
                          markColour);
    }
    // Wrong answers: a red cross from corner to corner, outlined in white so
    // that it shows on red and black cards alike.
    for (int card : wrongMarked_) {
        if (hidden_.count(card)) continue;
        const auto place = cardPlace(ctx_, card);
        if (!place) continue;
        const CardRect r = place->rect;
        const QRectF box = QRectF(r.left, r.top + scroll(), r.right - r.left, r.bottom - r.top).adjusted(8, 8, -8, -8);
        QPainter p(&back_);
        p.setRenderHint(QPainter::Antialiasing);
        for (const auto& [colour, width] : {std::pair{QColor(Qt::white), 9.0}, std::pair{QColor(200, 0, 0), 5.0}}) {
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(box.topLeft(), box.bottomRight());
            p.drawLine(box.topRight(), box.bottomLeft());
        }
    }
    // Joker captions above their foundations.
    captions_.reset();
    for (const auto& [f, suitRank] : jokerCaptions_) {
        const PileRef ref{PileKind::Foundation, f};
        if (!ctx_.layout.position(ref).placed()) continue;
        captions_.show(f, QPoint(ctx_.layout.position(ref).x, ctx_.layout.windowY(ref)), ctx_.layout.cardW,
                       suitRank.first, 0, suitRank.second, back_, background_, scroll());
    }
    if (!pressedPile_.empty() && ctx_.mainGame.stockPressed)
        if (auto ref = pileByName(pressedPile_)) drawPressedLook(*ref);
    // The card shown whole over its row while the right button is held.
    if (peekCard_ != 0 && !hidden_.count(peekCard_) && ctx_.cards.faceUp(peekCard_))
        if (const auto place = cardPlace(ctx_, peekCard_))
            drawCardFace(peekCard_, place->rect.left, place->rect.top, false);
    drawFocusFrames();
}

void TableView::invertCard(int card, bool selected) {
    (void)selected;  // the selection list (first foundation) says which cards show inverted
    if (!CardTable::valid(card)) return;
    renderTable();
    refreshWindow();
}

void TableView::showJokerCaption(int foundation, int suit, int rank) {
    if (foundation < 0 || foundation >= kFoundations) return;
    if (rank < 1 || rank > 13) jokerCaptions_.erase(foundation);
    else jokerCaptions_[foundation] = {suit, rank};
    renderTable();
    refreshWindow();
}

void TableView::markCard(int card) {
    if (!CardTable::valid(card)) return;
    // choice: the mark of completed foundations chosen in the settings; the
    // diagonal lines when none is chosen, so that a correct answer always shows.
    const int mark = ctx_.mainGame.highlightMark;
    markStyle_.mark = mark >= 1 && mark <= 5 ? mark : 1;
    markStyle_.colourIndex = ctx_.mainGame.highlightColour;
    marked_.insert(card);
    renderTable();
    refreshWindow();
}

void TableView::markWrongCard(int card) {
    if (!CardTable::valid(card)) return;
    wrongMarked_.insert(card);
    renderTable();
    refreshWindow();
}

void TableView::setScroll(int offset) {
    if (offset < 0) offset = 0;
    if (offset == ctx_.layout.scroll) return;
    ctx_.layout.scroll = offset;
    // The back buffer stays as it is (table coordinates); the places cards
    // were drawn at move on the window.
    renderTable();
    refreshWindow();
}

void TableView::applyCursor(bool holding) {
    const int number = ctx_.reg.readInt(reg::Cursor, 10);
    if (number == 10 || !cursorSource_) {
        unsetCursor();
        return;
    }
    setCursor(cursorSource_(holding ? number + 10 : number));
}

void TableView::refreshWindow() {
    if (isVisible()) repaint();
    else update();
}

void TableView::stampCard(int card, int x, int y) {
    drawCardFace(card, x, y, false);
    update(x, y, ctx_.layout.cardW, ctx_.layout.cardH);
}

void TableView::drawCard(int card, bool animate) {
    const auto place = cardPlace(ctx_, card);
    if (!place) return;
    if (animate && isVisible()) {
        // The turn: the card narrows to its edge and widens showing its new side.
        const CardRect r = place->rect;
        const int w = r.right - r.left;
        const bool up = ctx_.cards.faceUp(card);
        const int index = isJoker(card) ? 52 : suit(card) * 13 + rank(card) - 1;
        const QImage before = up ? images_.back : images_.face(std::clamp(index, 0, 52));
        const QImage after = up ? images_.face(std::clamp(index, 0, 52)) : images_.back;
        hidden_.insert(card);
        renderTable();
        hidden_.erase(card);
        for (int f = 0; f < 8; ++f) {
            const int half = f < 4 ? 4 - f : f - 3;
            const int fw = std::max(2, w * half / 4);
            const QImage& side = f < 4 ? before : after;
            const qreal d = side.devicePixelRatio();
            dragImage_ = side.scaled(qRound(fw * d), qRound((r.bottom - r.top) * d));
            dragImage_.setDevicePixelRatio(d);
            dragPos_ = QPoint(r.left + (w - fw) / 2, r.top);
            dragShown_ = true;
            repaint();
            wait(std::max(1, cardSpeed() * 2), Wait::Blocking);
        }
        dragShown_ = false;
    }
    renderTable();
    refreshWindow();
}

void TableView::fly(const QImage& image, QPoint from, QPoint to, bool fast) {
    const auto path = flightPath(from.x(), from.y(), to.x(), to.y(), ctx_.layout.cardW, ctx_.layout.cardH, fast);
    int delay = cardSpeed();
    if (fast) delay /= 4;
    for (const auto& step : path) {
        flightFrame(image, QPoint(step.x, step.y));
        if (delay > 0) wait(delay, Wait::Blocking);
    }
    dragShown_ = false;
    lastFlightEnd_ = QPoint(path.back().x, path.back().y);
}

void TableView::flightFrame(const QImage& image, QPoint at) {
    dragImage_ = image;
    dragShown_ = true;
    // Only the old and the new place of the image are painted again: the
    // strips it left show the back buffer, the new place the image.
    const QSize size = dragImage_.deviceIndependentSize().toSize();
    const QRect old(dragPos_, size);
    dragPos_ = at;
    if (isVisible()) repaint(movedArea(old, QRect(dragPos_, size)));
}

void TableView::flyCard(int card, PileRef to) {
    if (!CardTable::valid(card)) return;
    QRect from = lastRect_[static_cast<std::size_t>(card)];
    const int index = isJoker(card) ? 52 : suit(card) * 13 + rank(card) - 1;
    const QImage image =
        ctx_.cards.faceUp(card) ? images_.face(std::clamp(index, 0, 52)) : images_.back;
    const std::string name = pileName(to);
    int x1 = kUnsetStock;
    int y1 = kUnsetStock;
    if (validPile(to) && ctx_.layout.position(to).placed()) {
        x1 = cardX(ctx_, name, 0, false);
        y1 = cardY(ctx_, name, 0, false);
    }
    if (from.isNull()) from = QRect(x1, y1, ctx_.layout.cardW, ctx_.layout.cardH);
    hidden_.insert(card);
    renderTable();
    fly(image, from.topLeft(), QPoint(x1, y1), false);
    hidden_.erase(card);
    renderTable();
    refreshWindow();
}

void TableView::flyDroppedCard(int card, PileRef to) {
    // Only a card the player let go flies; moves by right or double click
    // have no image in the air.
    if (!dropFlight_ || !dropFlight_->run.count(card) || !validPile(to)) return;
    const std::string name = pileName(to);
    const QPoint target(cardX(ctx_, name, 0, true), cardY(ctx_, name, 0, true));
    hidden_ = dropFlight_->run;
    renderTable();
    fly(dropFlight_->image, dropFlight_->at, target, false);
    hidden_.clear();
    dropFlight_.reset();
}

void TableView::drawTable(bool background, bool dealAnimation) {
    // A fitted card size changes with the window: the pictures follow it
    // (loadImages keeps them while size, set and back stay the same).
    if (fitToWindow(ctx_) || ratio_ != 1) loadImages();
    ctx_.layout.scroll = 0;
    peekCard_ = 0;
    marked_.clear();
    wrongMarked_.clear();
    // Every drawing pass ends with a whole render, which also notes the
    // lowest drawn bottom.
    drawTableBody(background, dealAnimation);
    if (growBuffers()) {
        prepareBackground();
        renderTable();
        refreshWindow();
    }
    if (tableDrawn_) tableDrawn_();
}

bool TableView::growBuffers() {
    // A table taller than the screen still fits the back buffer, so that the
    // scroll bar can reach its lowest cards.
    // A window wider than the screen the buffers were made for (a window
    // spanning two screens, or a bigger second screen) gets buffers as wide
    // as itself: cards laid out beyond the old width are drawn, and no part
    // of the window shows a picture that was never drawn.
    constexpr int kMargin = 30;
    const QSize table = tableSize();
    const bool tooLow = lowest_ + kMargin > table.height() || height() > table.height();
    if (!tooLow && width() <= table.width()) return false;
    makeBuffers(QSize(std::max(table.width(), width()),
                      tooLow ? std::max(lowest_ + kMargin, height()) : table.height()));
    return true;
}

void TableView::drawTableBody(bool background, bool dealAnimation) {
    if (background) prepareBackground();
    if (!dealAnimation) {
        renderTable();
        refreshWindow();
        return;
    }
    // Deal order: the reserve cells card by card, then the rows row by row
    // (parameter 24 set) or level by level.
    std::vector<std::pair<PileRef, int>> order;
    for (int i = 0; i < inUse(ctx_.P.reserves(), kReserves); ++i) {
        PileRef p{PileKind::Reserve, i};
        if (!ctx_.layout.position(p).placed()) continue;
        for (int d = 0; d < ctx_.piles.count(p); ++d) order.push_back({p, d});
    }
    const int rows = inUse(ctx_.P.rows(), kRows);
    if (ctx_.P[24] != 0) {
        for (int i = 0; i < rows; ++i) {
            PileRef p{PileKind::Row, i};
            if (!ctx_.layout.position(p).placed()) continue;
            for (int d = 0; d < ctx_.piles.count(p); ++d) order.push_back({p, d});
        }
    } else {
        int deepest = 0;
        for (int i = 0; i < rows; ++i) deepest = std::max(deepest, ctx_.piles.count({PileKind::Row, i}));
        for (int d = 0; d < deepest; ++d)
            for (int i = 0; i < rows; ++i) {
                PileRef p{PileKind::Row, i};
                if (ctx_.layout.position(p).placed() && d < ctx_.piles.count(p)) order.push_back({p, d});
            }
    }
    std::vector<int> cards;
    for (const auto& [p, d] : order) {
        const int c = cardAt(ctx_.piles.text(p), static_cast<std::size_t>(d) * 3);
        if (c > 0) cards.push_back(c);
    }
    if (cards.empty()) {
        renderTable();
        refreshWindow();
        return;
    }
    // The origin: the stock when it is on the table, else just off the left edge.
    QPoint origin(-static_cast<int>(1.1 * ctx_.layout.cardW), 0);
    const PileRef stock{PileKind::Stock, kMazzo};
    if (ctx_.layout.position(stock).placed())
        origin = QPoint(cardX(ctx_, "Mazzo", 0, false), cardY(ctx_, "Mazzo", 0, false));
    for (int c : cards) hidden_.insert(c);
    renderTable();
    refreshWindow();
    wait(100, Wait::Blocking);
    playSound(ctx_, "Shuffle", reg::SoundShuffle);
    for (int c : cards) {
        const auto place = cardPlace(ctx_, c);
        hidden_.erase(c);
        if (!place) continue;
        const int index = isJoker(c) ? 52 : suit(c) * 13 + rank(c) - 1;
        const QImage image =
            ctx_.cards.faceUp(c) ? images_.face(std::clamp(index, 0, 52)) : images_.back;
        const QPoint start(origin.x() + ctx_.layout.cardW / 7, origin.y() + ctx_.layout.cardH / 7);
        hidden_.insert(c);
        fly(image, start, QPoint(place->rect.left, place->rect.top), true);
        hidden_.erase(c);
        renderTable();
    }
    ctx_.sound->stopSound();
    renderTable();
    refreshWindow();
}

namespace {

// While a miss waits for the next click, the player's input goes nowhere;
// the first press (and its release) ends the wait.
class ClickCatcher : public QObject {
public:
    bool pressed = false;
    bool released = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            pressed = true;
            return true;
        case QEvent::MouseButtonRelease:
            released = pressed;
            return true;
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
        }
    }
};

}  // namespace

void TableView::wait(int ms, Wait how) {
    if (how == Wait::UntilClick) {
        repaint();
        ClickCatcher catcher;
        qApp->installEventFilter(&catcher);
        // choice: a table that is no longer shown (the window closing) ends
        // the wait as a click would.
        // Sleeps until the next event arrives; never spins.
        while (!catcher.released && isVisible())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        qApp->removeEventFilter(&catcher);
        return;
    }
    pause(ms, how);
}

void TableView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // Only the part asked for: the painter clips the rest anyway.
    const bool severalRects = event->region().rectCount() > 1;
    const QRect part = event->rect() & rect();
    drawPart(p, part.topLeft(), back_, onDevice(part.translated(0, scroll())), severalRects);
    if (dragShown_ && !dragImage_.isNull()) {
        const QSize dragSize = dragImage_.deviceIndependentSize().toSize();
        if (dragging_ && shadowsOn()) {
            // Stippled shadow: a chequer of black dots to the right and below.
            const int l = dragPos_.x();
            const int t = dragPos_.y();
            const int r = l + dragSize.width();
            const int b = t + dragSize.height();
            p.setPen(Qt::black);
            for (int x = r; x <= r + 6; ++x)
                for (int y = t + 7 + ((x - r) & 1); y < b; y += 2) p.drawPoint(x, y);
            for (int y = b; y <= b + 6; ++y)
                for (int x = l + 8 + ((y - b) & 1); x <= r + 6; x += 2) p.drawPoint(x, y);
        }
        drawPart(p, dragPos_, dragImage_, dragImage_.rect(), severalRects);
    }
}

bool TableView::startDrag(int card, QPoint press) {
    const auto place = cardPlace(ctx_, card);
    if (!place) return false;
    auto ref = pileByName(place->pile);
    if (!ref) return false;
    const std::string& t = ctx_.piles.text(*ref);
    std::vector<int> run;
    bool from = false;
    for (std::size_t k = 0; k + 3 <= t.size(); k += 3) {
        const int c = cardAt(t, k);
        if (c == card) from = true;
        if (from && c > 0) run.push_back(c);
    }
    if (run.empty()) return false;
    QRect bounds;
    for (int c : run) {
        const auto cp = cardPlace(ctx_, c);
        if (!cp) continue;
        bounds |= QRect(cp->rect.left, cp->rect.top, cp->rect.right - cp->rect.left, cp->rect.bottom - cp->rect.top);
    }
    // The image is taken from the table before the run is left out of it.
    renderTable();
    QImage image(bounds.size() * ratio_, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio_);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.drawImage(QPoint(0, 0), back_, onDevice(bounds.translated(0, scroll())));
    }
    dragImage_ = image;
    dragPos_ = bounds.topLeft();
    dragHome_ = bounds;
    grabOffset_ = press - bounds.topLeft();
    dragSource_ = place->pile;
    for (int c : run) hidden_.insert(c);
    dragging_ = true;
    dragShown_ = true;
    renderTable();
    repaint();
    return true;
}

void TableView::endDrag() {
    dragging_ = false;
    dragShown_ = false;
    hidden_.clear();
    dragSource_.clear();
}

namespace {
Hit toHit(const PileHit& h) { return Hit{h.pile, h.card}; }
}  // namespace

void TableView::mousePressEvent(QMouseEvent* event) {
    // A click during the winning animation only ends it.
    if (ctx_.run.isSet(Flag::AnimationRunning)) {
        ctx_.run.setFlag(Flag::AnimationRunning, 0);
        return;
    }
    if (dragging_) return;
    // The mouse takes over from the keys: a card they hold goes back, the frame goes.
    if (ctx_.focus.held != 0) tableKey(ctx_, TableKey::Back);
    ctx_.focus.shown = false;
    const QPoint pt = event->position().toPoint();
    const PileHit h = pileUnderPoint(ctx_, pt.x(), pt.y());
    const MouseButton button = event->button() == Qt::RightButton ? MouseButton::Right
                               : event->button() == Qt::MiddleButton ? MouseButton::Middle
                                                                     : MouseButton::Left;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool inProgress = ctx_.run.isSet(Flag::GameInProgress);
    // The engine beeps for a press that does nothing (through the shell).
    tablePress(ctx_, button, ctrl, toHit(h));
    // choice: the pressed look stays on the pile that was pressed, and
    // leaving that pile lifts it.
    pressedPile_ = ctx_.mainGame.stockPressed != 0 ? h.pile : std::string();
    if (ctx_.drag.card != 0 && button == MouseButton::Left && startDrag(ctx_.drag.card, pt)) applyCursor(true);
    if (button == MouseButton::Right && inProgress && ctx_.reg.read(reg::ShowPartialHidden) == "Y") {
        // A face-up card partly covered in its row is shown whole while the
        // button is held.
        const PileHit now = pileUnderPoint(ctx_, pt.x(), pt.y());
        const auto ref = pileByName(now.pile);
        if (ref && ref->kind == PileKind::Row && CardTable::valid(now.card) && ctx_.cards.faceUp(now.card) &&
            ctx_.piles.top(*ref) != now.card)
            peekCard_ = now.card;
    }
    if (!dragging_) {
        renderTable();
        refreshWindow();
    }
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pt = event->position().toPoint();
    bool leftPressed = false;
    if (!pressedPile_.empty()) {
        const PileHit h = pileUnderPoint(ctx_, pt.x(), pt.y());
        leftPressed = h.pile != pressedPile_;
    }
    tableMove(ctx_, leftPressed);
    if (leftPressed && !ctx_.mainGame.stockPressed) pressedPile_.clear();
    if (dragging_) {
        const QPoint to = pt - grabOffset_;
        if (to != dragPos_) {
            // The run's stippled shadow reaches 7 pixels beyond the image.
            const QSize size = dragImage_.deviceIndependentSize().toSize();
            const QRect old = QRect(dragPos_, size).adjusted(0, 0, 8, 8);
            dragPos_ = to;
            repaint(movedArea(old, QRect(dragPos_, size).adjusted(0, 0, 8, 8)));
        }
    }
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
    if (peekCard_ != 0 && event->button() == Qt::RightButton) {
        peekCard_ = 0;
        renderTable();
        refreshWindow();
        return;
    }
    std::vector<std::string> candidates;
    if (dragging_) {
        const CardRect r{dragPos_.x(), dragPos_.y(), dragPos_.x() + ctx_.layout.cardW,
                         dragPos_.y() + ctx_.layout.cardH};
        candidates = findDropTargets(ctx_, r, dragSource_);
    }
    const bool wasDragging = dragging_;
    const QPoint dropped = dragPos_;
    const QImage image = dragImage_;
    const QRect home = dragHome_;
    const std::set<int> run = hidden_;
    applyCursor(false);
    pressedPile_.clear();
    if (wasDragging) {
        // From here the table shows the run where the engine keeps it: at
        // its new place once the move is executed (the end of the game may
        // follow at once, with its dialogs over the table), else at home.
        dragging_ = false;
        dragShown_ = false;
        hidden_.clear();
    }
    if (wasDragging) dropFlight_ = DropFlight{image, dropped, run};
    const bool moved = tableRelease(ctx_, candidates);
    dropFlight_.reset();
    if (wasDragging && !moved && dropped != home.topLeft()) {
        // Putting back: the image flies home over the table without it.
        hidden_ = run;
        renderTable();
        fly(image, dropped, home.topLeft(), true);
        hidden_.clear();
    }
    endDrag();
    renderTable();
    refreshWindow();
}

void TableView::keyPressEvent(QKeyEvent* event) {
    if (ctx_.run.isSet(Flag::AnimationRunning)) {
        ctx_.run.setFlag(Flag::AnimationRunning, 0);
        return;
    }
    if (tableKeyPress(event)) return;
    QWidget::keyPressEvent(event);
}

void TableView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pt = event->position().toPoint();
    const PileHit h = pileUnderPoint(ctx_, pt.x(), pt.y());
    if (event->button() == Qt::LeftButton) tableDoubleClick(ctx_, toHit(h));
    renderTable();
    refreshWindow();
}

}  // namespace tessaro
