#include "shell/window_presentation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "shell/main_window.h"
#include "shell/table_area.h"

namespace tessaro::shell {

void WindowPresentation::drawPile(PileRef) { w_.table()->update(); }
void WindowPresentation::drawCard(int, bool) { w_.table()->update(); }
void WindowPresentation::flyCard(int, PileRef) { w_.table()->update(); }
void WindowPresentation::drawTable(bool background, bool) { w_.table()->drawTable(background); }
void WindowPresentation::showScore() { w_.showScoreText(); }
void WindowPresentation::showClock() { w_.showClockText(); }

void WindowPresentation::wait(int ms, Wait how) {
    if (ms <= 0) return;
    if (how == Wait::Blocking) {
        // The table shows what changed before the pause; no input is taken.
        w_.table()->repaint();
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(5);
    }
}

}  // namespace tessaro::shell
