#pragma once
// SIGTERM (logout, shutdown) and SIGINT (Ctrl+C in a terminal) end the
// program the way closing its window does. The signal handler only writes a
// byte into a socket pair; the GUI thread sees it through a socket notifier
// and runs the given ending there, where it may touch windows and files.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tessaro::shell {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    /// Installs the handlers; `end` runs once on the GUI thread for the first
    /// signal. A second signal ends the program at once, as without handlers.
    explicit TerminationSignals(std::function<void()> end, QObject* parent = nullptr);
    ~TerminationSignals() override;
    /// False when the handlers could not be installed.
    bool installed() const { return notifier_ != nullptr; }

private:
    std::function<void()> end_;
    QSocketNotifier* notifier_ = nullptr;
};

/// Closes every modal dialog, message box and pop-up menu that is open, so
/// that the nested message loops they run return.
void closeOpenDialogs();

/// From now on every modal dialog that opens is closed at once (rejected):
/// the program is ending and nobody is there to answer.
void closeDialogsFromNowOn();

}  // namespace tessaro::shell
