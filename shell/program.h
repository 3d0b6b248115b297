#pragma once
// The program's run from the program folder to the end of its message loop:
// one copy per data folder, start-up, SIGTERM and SIGINT handled like a
// closed window. The game's main routine and the tests' child program share
// it.
#include <QString>
#include <functional>

namespace tessaro::shell {

class Startup;

struct ProgramRun {
    QString programFolder;  ///< with a trailing "/"
    QString userRoot;       ///< the player's files when the program folder is not theirs (installed)
    int startGame = -1;     ///< a game to deal at the start instead of the selection
    /// Runs after a successful start-up, before the message loop.
    std::function<void(Startup&)> started;
};

/// Runs the program; the exit status of the process.
int runProgram(const ProgramRun& run);

}  // namespace tessaro::shell
