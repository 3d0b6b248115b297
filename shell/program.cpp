#include "shell/program.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include "shell/instance_guard.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "shell/termination_signals.h"
#include "stores/program_folder.h"
#include "stores/settings.h"

namespace tessaro::shell {

int runProgram(const ProgramRun& run) {
    const std::string folder = withTrailingSeparator(run.programFolder.toStdString());
    const std::string problem = programFolderProblem(folder);
    if (!problem.empty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Error"), QString::fromStdString(problem));
        return 1;
    }
    ShellEnvironment env;
    env.programFolder = QString::fromStdString(folder);
    env.userRoot = run.userRoot;
    env.startGame = run.startGame;
    env.singleInstance = true;
    Startup startup(env);
    // A signal closes the open message boxes and dialogs, then the window;
    // one that comes during the start-up lets the start-up end first.
    bool started = false;
    bool endAsked = false;
    const auto closeWindow = [&startup] {
        MainWindow* w = startup.window();
        if (w) w->closeWithoutAsking();
        // A window that stays (a winning animation was stopped) is closed
        // by the end-of-game code, which ends the loop then.
        if (!w || !w->isVisible()) QCoreApplication::quit();
    };
    TerminationSignals endOnSignal([&] {
        endAsked = true;
        closeDialogsFromNowOn();
        closeOpenDialogs();
        // The nested loops of the closed dialogs return first.
        if (started) QTimer::singleShot(0, qApp, closeWindow);
    });
    if (!startup.run()) return startup.handedOver() ? 0 : 1;
    started = true;
    if (run.started) run.started(startup);
    if (endAsked) QTimer::singleShot(0, qApp, closeWindow);
    return QApplication::exec();
}

}  // namespace tessaro::shell
