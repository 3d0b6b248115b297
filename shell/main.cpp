// The Tessaro program: start-up, then the message loop until the main window
// closes.
#include <QApplication>

#include "shell/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    // choice: one plain, classic look on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    tessaro::shell::ProgramRun run;
    run.programFolder = QCoreApplication::applicationDirPath();
    return tessaro::shell::runProgram(run);
}
