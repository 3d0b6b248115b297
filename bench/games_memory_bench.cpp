// Peak memory over many games in one process: the main window plays game 201
// (Memory-Up 6 x 4) to its end again and again, clicking every card and its
// twin on the table, with the score sheet, the (zero-second) winning
// animation and the game selection each time. Reports the peak resident set
// after the first tenth of the games and after all of them; the growth
// between them should be near zero (TESSARO_RSS_GAMES sets the number of
// games, 1000 by default). The engine's pauses are cut to a millisecond:
// they cost wall time (about 4 s a game), not memory.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <filesystem>
#include <memory>

#include <sys/resource.h>

#include "engine/context.h"
#include "platform/profile.h"
#include "shell/card_table_area.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"
#include "shell/startup.h"
#include "support/fast_presentation.h"
#include "support/temp_dir.h"
#include "table/hit.h"

namespace tessaro {
namespace {

long peakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class QuietDialogs : public shell::ShellDialogs {
public:
    void info(std::string_view) override {}
    bool confirm(std::string_view) override { return true; }
    void error(const QString&, const QString&) override {}
    bool advice(const QString&) override { return false; }
    void runModal(QDialog&) override {}
};

class NoChoice : public shell::GameSelection {
public:
    bool choose(int&, std::string&) override { return false; }
};

// Clicks every face-down card of the grid and then its twin of the other deck.
bool playToTheEnd(shell::MainWindow& w, Context& ctx) {
    auto* area = dynamic_cast<shell::CardTableArea*>(w.table());
    if (!area) return false;
    const auto click = [&](int card) {
        const auto place = cardPlace(ctx, card);
        if (!place) return false;
        const QPoint at((place->rect.left + place->rect.right) / 2, (place->rect.top + place->rect.bottom) / 2);
        QTest::mouseClick(area->view(), Qt::LeftButton, Qt::NoModifier, at);
        return true;
    };
    for (int guard = 0; guard < 200 && ctx.run.isSet(Flag::GameInProgress); ++guard) {
        int first = 0;
        for (int card = 1; card <= 104 && !first; ++card)
            if (ctx.cards.faceDown(card) && cardPlace(ctx, card)) first = card;
        if (!first) break;
        const int twin = first > 52 ? first - 52 : first + 52;
        if (!click(first) || !click(twin)) return false;
    }
    return !ctx.run.isSet(Flag::GameInProgress);
}

void BM_PeakMemoryOverManyGames(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "tessaro-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qApp) new QApplication(argc, argv);
    const int games = qEnvironmentVariableIntValue("TESSARO_RSS_GAMES") > 0
                          ? qEnvironmentVariableIntValue("TESSARO_RSS_GAMES")
                          : 1000;
    for (auto _ : state) {
        test::TempDir dir;
        namespace fs = std::filesystem;
        fs::copy_file(fs::path(TESSARO_BIN_DIR) / "GAMES.DAT", dir.path("GAMES.DAT"));
        fs::copy_file(fs::path(TESSARO_BIN_DIR) / "VRA.RGF", dir.path("VRA.RGF"));
        dir.write("Data/Stat_e00.dat", "");
        const Profile ini(dir.folder() + "Data/CFG.DAT");
        for (const char* key : {"Deal_Animation", "Cards_Animate", "Sounds_Enabled"})
            ini.writeString("Preference", key, "N");
        ini.writeString("Preference", "Winning_Animations_Time", "0");
        ini.writeString("Preference", "Speed_Move_Card", "0");
        QuietDialogs dialogs;
        NoChoice selection;
        NullSound sound;
        shell::ShellEnvironment env;
        env.programFolder = QString::fromStdString(dir.folder());
        env.screenSize = QSize(1280, 1024);
        env.dialogs = &dialogs;
        env.selection = &selection;
        env.sound = &sound;
        shell::Startup startup(env);
        if (!startup.run()) {
            state.SkipWithError("the program did not start");
            return;
        }
        shell::MainWindow& w = *startup.window();
        Context& ctx = startup.context();
        w.show();
        if (!w.openGame(201, ctx.mainGame.name(201), ctx.reg.read(reg::Player), 2, true)) {
            state.SkipWithError("game 201 did not open");
            return;
        }
        long early = 0;
        std::unique_ptr<test::FastPresentation> fast;
        for (int g = 0; g < games; ++g) {
            if (g > 0) w.newGameCommand();
            if (!fast || ctx.presentation != fast.get()) {
                fast = std::make_unique<test::FastPresentation>(*ctx.presentation, 1000);
                ctx.presentation = fast.get();
            }
            if (!playToTheEnd(w, ctx)) {
                state.SkipWithError("a game did not come to its end");
                return;
            }
            QCoreApplication::processEvents();
            if (g + 1 == std::max(1, games / 10)) early = peakRssKb();
        }
        const long late = peakRssKb();
        state.counters["games"] = games;
        state.counters["peak_rss_kb_after_tenth"] = static_cast<double>(early);
        state.counters["peak_rss_kb_after_all"] = static_cast<double>(late);
        state.counters["growth_kb"] = static_cast<double>(late - early);
    }
}
BENCHMARK(BM_PeakMemoryOverManyGames)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace tessaro
