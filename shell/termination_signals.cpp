#include "shell/termination_signals.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace tessaro::shell {

namespace {

int pipeFds[2] = {-1, -1};

extern "C" void onTerminationSignal(int signal) {
    // Only async-signal-safe calls here. The default action comes back, so a
    // second signal ends a program that no longer responds.
    std::signal(signal, SIG_DFL);
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const auto n = ::write(pipeFds[1], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> end, QObject* parent)
    : QObject(parent), end_(std::move(end)) {
    if (pipeFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeFds) != 0) return;
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const auto n = ::read(pipeFds[0], &byte, 1);
        notifier_->setEnabled(false);
        if (end_) end_();
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // A hang-up (the terminal or session gone) ends the game the same way.
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) std::signal(sig, SIG_DFL);
}

namespace {

// Rejects every modal dialog as soon as it shows: the close steps may still
// ask (the score sheet of a game ended by the close), and nobody answers.
class DialogCloser : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isModal()) {
                QPointer<QDialog> guarded(dialog);
                QTimer::singleShot(0, dialog, [guarded] {
                    if (guarded) guarded->reject();
                });
            }
        }
        return false;
    }
};

}  // namespace

void closeDialogsFromNowOn() {
    static DialogCloser* closer = nullptr;
    if (closer) return;
    closer = new DialogCloser;
    closer->setParent(qApp);
    qApp->installEventFilter(closer);
}

void closeOpenDialogs() {
    // Innermost first: each one closed lets the loop below it return.
    for (int guard = 0; guard < 32; ++guard) {
        QWidget* top = QApplication::activePopupWidget();
        if (!top) top = QApplication::activeModalWidget();
        if (!top) return;
        if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->reject();
        else top->close();
    }
}

}  // namespace tessaro::shell
