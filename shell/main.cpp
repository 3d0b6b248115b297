// The Tessaro program: start-up, then the message loop until the main window
// closes.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "platform/paths.h"
#include "shell/startup.h"
#include "shell/version.h"
#include "stores/program_folder.h"

namespace {

// Written by the signal handler, read by the message loop.
int signalPipe[2] = {-1, -1};

extern "C" void onQuitSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// A logout or a kill asks the program to end: it ends as if the player had
// closed the window, so the window state and the settings are saved. A
// second request ends the message loop at once.
void closeOnQuitSignals(QApplication& app) {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char buf[16];
        while (::read(signalPipe[0], buf, sizeof buf) > 0) {
        }
        static int requests = 0;
        if (++requests > 1) {
            QCoreApplication::exit(1);
            return;
        }
        // Nobody is there to answer a dialog: the open one and those that
        // closing brings (the score sheet of a game in progress) are closed
        // as they come, then the windows close as the player's close would.
        auto* dismiss = new QTimer(QCoreApplication::instance());
        QObject::connect(dismiss, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        dismiss->start(50);
        QTimer::singleShot(0, [] { QApplication::closeAllWindows(); });
    });
    struct sigaction sa {};
    sa.sa_handler = onQuitSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
}

const char kHelp[] =
    "Usage: tessaro [OPTION]...\n"
    "Tessaro, a Memory card game: turn the cards two at a time and find the pairs.\n"
    "\n"
    "      --game N   deal game N at the start (numbers: tessaro-cli games)\n"
    "  -h, --help     show this help and end\n"
    "      --version  show the version and end\n"
    "\n"
    "The standard Qt options (-platform NAME, -style NAME, ...) are understood too.\n"
    "Settings and scores are kept in $XDG_DATA_HOME/tessaro/Data (by default\n"
    "~/.local/share/tessaro/Data), or in Data/ beside the program when it runs from\n"
    "a folder of its own that it may write to. See tessaro(6).\n";

// Answers --help and --version before any window system is needed; true when
// the program has nothing more to do.
bool answeredInformationOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kHelp;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "tessaro " << tessaro::shell::kVersion << '\n';
            return true;
        }
    }
    return false;
}

// The value of --game: -1 without it, -2 when it is not a game number.
int startGameOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--game") != 0) continue;
        const char* v = i + 1 < argc ? argv[i + 1] : "";
        char* end = nullptr;
        const long n = std::strtol(v, &end, 10);
        return *v && !*end && n >= 0 && n <= 9999 ? int(n) : -2;
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (answeredInformationOption(argc, argv)) return 0;
    const int startGame = startGameOption(argc, argv);
    if (startGame == -2) {
        std::cerr << "tessaro: --game needs a game number (see tessaro-cli games)\n";
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSARO_APP_ID));
    // choice: one plain, classic look on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    closeOnQuitSignals(app);

    const tessaro::ProgramPlaces places = tessaro::locateProgramPlaces(
        QCoreApplication::applicationDirPath().toStdString(), TESSARO_INSTALLED_DATA, tessaro::userDataRoot());
    const std::string folder = tessaro::withTrailingSeparator(places.programFolder);
    const std::string problem = tessaro::programFolderProblem(folder);
    if (!problem.empty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Error"), QString::fromStdString(problem));
        return 1;
    }
    tessaro::shell::ShellEnvironment env;
    env.programFolder = QString::fromStdString(folder);
    env.userRoot = QString::fromStdString(places.userRoot);
    env.startGame = startGame;
    tessaro::shell::Startup startup(env);
    if (!startup.run()) return 1;
    return app.exec();
}
