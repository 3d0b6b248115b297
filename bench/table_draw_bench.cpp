// Drawing the table: a whole 8 x 5 Memory grid (40 cards face up over a
// shaded colour background) into the back buffer of a 1920 x 1080 screen, the
// cards alone over the background buffer, and one frame of a flying card (the
// strips it leaves restored from the back buffer, the image copied to its new
// place) on a shown window of the offscreen platform; with fitted cards, a
// resize that makes the pictures of a new size, and a plain redraw.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <memory>

#include "engine/context.h"
#include "engine/deal.h"
#include "platform/qt/resources.h"
#include "table/layout.h"
#include "table/qt/table_view.h"

namespace tessaro {
namespace {

constexpr int kScreenW = 1920;
constexpr int kScreenH = 1080;

QApplication& application() {
    static int argc = 1;
    static char name[] = "tessaro-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Game 202 (Memory-Up 8 x 5) dealt from a fixed number, every card face up,
// on a shaded colour background, laid out for a full-screen window.
struct MemoryTable {
    Context ctx;
    std::unique_ptr<TableView> view;
    bool ready = false;

    explicit MemoryTable(const char* cardSize = "B") {
        application();
        if (!resources::loadResourceLibrary(QStringLiteral(TESSARO_BIN_DIR "/VRA.RGF"))) return;
        loadGameForDrawing(ctx, TESSARO_BIN_DIR "/", 202);
        ctx.reg.write(reg::BackgroundDefault, "N");
        ctx.reg.write(reg::CustomBackground, "N");
        ctx.reg.write(reg::BackgroundPicture, "0");
        ctx.reg.write(reg::BackgroundFixedColour, "32768");
        ctx.reg.write(reg::FadeBackground, "Y");
        ctx.reg.write(reg::DealNumber, "0000000012345");
        if (!deal(ctx)) return;
        for (int c = 1; c <= kCardCount; ++c) ctx.cards.setFace(c, '1');
        ctx.reg.write(reg::CardSize, cardSize);
        setFanOffsets(ctx);
        layoutTable(ctx, windowInputs(kScreenW, 16, kScreenH, kScreenH - 40, 60, kScreenW, kScreenH));
        view = std::make_unique<TableView>(ctx, nullptr, QSize(kScreenW, kScreenH));
        view->resize(kScreenW, kScreenH - 60);
        view->loadImages();
        ready = true;
    }

    int cardsOnTable() const {
        int n = 0;
        for (int r = 0; r < ctx.P.rows(); ++r) n += ctx.piles.count({PileKind::Row, r});
        return n;
    }
};

MemoryTable& table() {
    static MemoryTable t;
    return t;
}

// The whole table: the shaded background into both buffers, then every pile.
void BM_DrawWholeMemoryTable8x5(benchmark::State& state) {
    MemoryTable& t = table();
    if (!t.ready || t.cardsOnTable() != 40) {
        state.SkipWithError("the 8 x 5 table could not be set up");
        return;
    }
    for (auto _ : state) {
        t.view->drawTable(true, false);
        benchmark::DoNotOptimize(t.view->backBuffer().constBits());
    }
    state.counters["lowest"] = t.view->lowestDrawnBottom();
}
BENCHMARK(BM_DrawWholeMemoryTable8x5)->Unit(benchmark::kMillisecond);

// The cards only: the background buffer copied, then the 40 cards with their
// corners and shadows (what every pile redraw costs).
void renderCards(benchmark::State& state, MemoryTable& t) {
    if (!t.ready) {
        state.SkipWithError("the 8 x 5 table could not be set up");
        return;
    }
    t.view->drawTable(true, false);
    for (auto _ : state) {
        t.view->renderTable();
        benchmark::DoNotOptimize(t.view->backBuffer().constBits());
    }
    state.counters["cardH"] = t.ctx.layout.cardH;
}

void BM_RenderMemoryCards8x5(benchmark::State& state) { renderCards(state, table()); }
BENCHMARK(BM_RenderMemoryCards8x5)->Unit(benchmark::kMillisecond);

// One frame of a card's flight on the shown window: the card moves 12 pixels
// (a typical step) to and fro across the table.
void BM_CardFlightFrame(benchmark::State& state) {
    MemoryTable& t = table();
    if (!t.ready) {
        state.SkipWithError("the 8 x 5 table could not be set up");
        return;
    }
    t.view->show();
    t.view->drawTable(true, false);
    QCoreApplication::processEvents();
    QImage card(71, 96, QImage::Format_RGB32);
    card.fill(Qt::white);
    int x = 100;
    int step = 12;
    for (auto _ : state) {
        x += step;
        if (x > 1700 || x < 100) step = -step;
        t.view->flightFrame(card, QPoint(x, 300));
    }
    state.counters["shown"] = t.view->isVisible() ? 1 : 0;
    t.view->hide();
}
BENCHMARK(BM_CardFlightFrame)->Unit(benchmark::kMicrosecond);

MemoryTable& fittedTable() {
    static MemoryTable t("F");
    return t;
}

// A resize with fitted cards: the layout picks the card size for the new
// window, the pictures of that size are drawn (back, marks, the 40 faces that
// show) and the whole table is drawn again. The window changes between
// 1920 x 1080 and 1600 x 900 every time, so every pass makes new pictures.
void BM_FittedResizeRelayoutAndRedraw8x5(benchmark::State& state) {
    MemoryTable& t = fittedTable();
    if (!t.ready || t.cardsOnTable() != 40) {
        state.SkipWithError("the 8 x 5 table could not be set up");
        return;
    }
    bool big = false;
    for (auto _ : state) {
        big = !big;
        const int w = big ? kScreenW : 1600, h = big ? kScreenH : 900;
        layoutTable(t.ctx, windowInputs(w, 16, h, h - 40, 60, kScreenW, kScreenH));
        t.view->drawTable(true, false);
        benchmark::DoNotOptimize(t.view->backBuffer().constBits());
    }
    state.counters["cardH"] = t.ctx.layout.cardH;
}
BENCHMARK(BM_FittedResizeRelayoutAndRedraw8x5)->Unit(benchmark::kMillisecond);

// A plain redraw of the fitted 8 x 5 table: the pictures are there already.
void BM_FittedRenderMemoryCards8x5(benchmark::State& state) { renderCards(state, fittedTable()); }
BENCHMARK(BM_FittedRenderMemoryCards8x5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaro
