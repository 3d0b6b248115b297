// The game as the process tests start it: the program's own run (one copy
// per data folder, SIGTERM and SIGINT handled) from a program folder given on
// the command line, offscreen. With --play SEED it plays on its own with the
// monkey's random input, which changes settings, window size and games as a
// player would; without it, it waits for the player like the game does.
//
//   tessaro-test-child PROGRAM_FOLDER [--play SEED]
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <random>

#include "monkey/monkey.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/startup.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc < 2) return 2;
    const QStringList args = QCoreApplication::arguments();
    const int play = args.indexOf(QStringLiteral("--play"));

    tessaro::shell::ProgramRun run;
    run.programFolder = QString::fromLocal8Bit(argv[1]);
    std::unique_ptr<tessaro::monkey::ModalAnswerer> answerer;
    std::unique_ptr<tessaro::monkey::FastPresentation> fast;
    std::mt19937 rng(play > 0 && play + 1 < args.size() ? args[play + 1].toUInt() : 1u);
    bool busy = false;
    // The process tests wait for this line.
    run.started = [](tessaro::shell::Startup&) {
        std::fputs("up\n", stdout);
        std::fflush(stdout);
    };
    if (play > 0) {
        // Message boxes of the start-up are answered too.
        answerer = std::make_unique<tessaro::monkey::ModalAnswerer>();
        run.started = [&](tessaro::shell::Startup& startup) {
            std::fputs("up\n", stdout);
            std::fflush(stdout);
            auto* timer = new QTimer(qApp);
            QObject::connect(timer, &QTimer::timeout, [&, timer] {
                tessaro::shell::MainWindow* w = startup.window();
                // One event at a time: a modal window's loop runs this timer too.
                if (busy || !w || !w->isVisible()) return;
                busy = true;
                tessaro::Context& ctx = startup.context();
                if (!fast || ctx.presentation != fast.get()) {
                    fast = std::make_unique<tessaro::monkey::FastPresentation>(*ctx.presentation, 20);
                    ctx.presentation = fast.get();
                }
                const auto e = tessaro::monkey::randomEvent(rng, ctx, *w, QSize(1280, 1024));
                tessaro::monkey::send(*w, e, *answerer);
                busy = false;
                (void)timer;
            });
            timer->start(1);
        };
    }
    const int status = tessaro::shell::runProgram(run);
    fast.reset();
    return status;
}
