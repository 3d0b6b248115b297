#pragma once
// Shared set-up of the table tests: game N's rules from the built GAMES.DAT,
// "B" cards of set 001 on the default background, instant flights, laid out
// for a window of the given size, and a table view of screen size 1280 x 1024
// with its card images loaded.
#include <memory>

#include "engine/context.h"
#include "table/layout.h"
#include "table/qt/table_view.h"

namespace tessaro::test {

inline std::unique_ptr<TableView> tableForGame(Context& ctx, int game, int width, int height) {
    loadGameForDrawing(ctx, TESSARO_BIN_DIR "/", game);
    layoutTable(ctx, windowInputs(width, 16, height, height - 40, -1, 1280, 1024));
    auto view = std::make_unique<TableView>(ctx, nullptr, QSize(1280, 1024));
    view->resize(width, height);
    view->loadImages();
    return view;
}

}  // namespace tessaro::test
