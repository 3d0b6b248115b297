// The Tessaro program: start-up, then the message loop until the main window
// closes.
#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "platform/paths.h"
#include "shell/program.h"
#include "shell/version.h"

namespace {

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
    const tessaro::ProgramPlaces places = tessaro::locateProgramPlaces(
        QCoreApplication::applicationDirPath().toStdString(), TESSARO_INSTALLED_DATA, tessaro::userDataRoot());
    tessaro::shell::ProgramRun run;
    run.programFolder = QString::fromStdString(places.programFolder);
    run.userRoot = QString::fromStdString(places.userRoot);
    run.startGame = startGame;
    return tessaro::shell::runProgram(run);
}
