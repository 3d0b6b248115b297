// The Tessaro program: start-up, then the message loop until the main window
// closes.
#include <QApplication>
#include <QMessageBox>

#include "shell/startup.h"
#include "stores/program_folder.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    // choice: one plain, classic look on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));

    const std::string folder = tessaro::withTrailingSeparator(QCoreApplication::applicationDirPath().toStdString());
    const std::string problem = tessaro::programFolderProblem(folder);
    if (!problem.empty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Error"), QString::fromStdString(problem));
        return 1;
    }
    tessaro::shell::ShellEnvironment env;
    env.programFolder = QString::fromStdString(folder);
    tessaro::shell::Startup startup(env);
    if (!startup.run()) return 1;
    return app.exec();
}
