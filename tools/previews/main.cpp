// game-previews: draws the preview picture of every game of the catalogue for
// the game selection dialog. Each game is dealt with a fixed deal number and
// drawn by the program's own layout and table drawing, with the card pictures
// of the resource library built so far; the table part that holds cards is
// cut out, scaled to fit the dialog's preview and written as GAMEnnnn.png
// (nnnn the game number) with a resource collection file (previews.qrc) that
// rcc packs into the finished library under :/vra/bitmap/.
//
// usage: game-previews --games GAMES.DAT --library VRA-base.RGF --out DIR
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/context.h"
#include "engine/new_game.h"
#include "platform/qt/resources.h"
#include "stores/catalogue.h"
#include "stores/rules_file.h"
#include "table/layout.h"
#include "table/qt/table_view.h"
#include "table/qt/preview_picture.h"

namespace {

using namespace tessaro;

// The table is laid out for a picture of this size, with big cards.
constexpr int kTableWidth = 1000;
constexpr int kTableHeight = 720;
// A fixed deal, so the previews are the same from build to build.
constexpr const char* kDealNumber = "0000000002000";

// Deals the game in a context of its own and draws its table.
QImage drawGame(const std::string& programFolder, int game) {
    auto owned = std::make_unique<Context>();
    Context& ctx = *owned;
    // the card back a first run shows (Back_Card's default)
    loadGameForDrawing(ctx, programFolder, game, 11);
    ctx.reg.write(reg::FadeBackground, "N");
    ctx.layout.preview = true;
    layoutTable(ctx, previewInputs(kTableWidth, kTableHeight, 1280, 1024));
    ctx.layout.preview = false;
    TableView view(ctx, nullptr, QSize(1280, 1024));
    view.resize(kTableWidth, kTableHeight);
    view.loadImages();
    ctx.rng.setSeed(static_cast<std::uint32_t>(game));
    ctx.reg.write(reg::DealNumber, kDealNumber);
    newGame(ctx, 1, false, 1, false);
    view.renderTable();
    const QImage table = view.backBuffer().copy(0, 0, kTableWidth, kTableHeight);
    const QImage background = view.backgroundBuffer().copy(0, 0, kTableWidth, kTableHeight);
    ctx.presentation = &ctx.nullPresentation;
    return previewPicture(table, background);
}

int usage() {
    std::fprintf(stderr, "usage: game-previews --games GAMES.DAT --library VRA.RGF --out DIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString games, library, out;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--games")) games = QString::fromLocal8Bit(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--library")) library = QString::fromLocal8Bit(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--out")) out = QString::fromLocal8Bit(argv[i + 1]);
        else return usage();
    }
    if (games.isEmpty() || library.isEmpty() || out.isEmpty() || argc % 2 == 0) return usage();
    if (!resources::loadResourceLibrary(library)) {
        std::fprintf(stderr, "game-previews: cannot load %s\n", qPrintable(library));
        return 1;
    }
    // The games are dealt in a program folder of their own, so nothing the
    // table reads or writes lands beside the build's program.
    QTemporaryDir folder;
    if (!folder.isValid() || !QFile::copy(games, folder.filePath(QStringLiteral("GAMES.DAT")))) {
        std::fprintf(stderr, "game-previews: cannot copy %s\n", qPrintable(games));
        return 1;
    }
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "game-previews: cannot make %s\n", qPrintable(out));
        return 1;
    }

    const std::string programFolder = (folder.path() + '/').toStdString();
    QStringList entries;
    try {
        Context catalogue;
        catalogue.reg.initialise(programFolder);
        buildCatalogue(catalogue);
        for (std::size_t i = 0; i < catalogue.mainGame.lines().size(); ++i) {
            const int game = catalogue.mainGame.gameAt(static_cast<int>(i));
            if (game < 0) continue;
            const QImage picture = drawGame(programFolder, game);
            const QString name = QStringLiteral("GAME%1").arg(game, 4, 10, QLatin1Char('0'));
            if (picture.isNull() || !picture.save(QDir(out).filePath(name + ".png"), "PNG")) {
                std::fprintf(stderr, "game-previews: cannot draw or write %s\n", qPrintable(name));
                return 1;
            }
            entries << QStringLiteral("    <file alias=\"%1\">%1.png</file>").arg(name);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "game-previews: %s\n", e.what());
        return 1;
    }
    QFile qrc(QDir(out).filePath(QStringLiteral("previews.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text)) return 1;
    QTextStream s(&qrc);
    s << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/vra/bitmap\">\n";
    for (const QString& e : entries) s << e << "\n";
    s << "  </qresource>\n</RCC>\n";
    return 0;
}
