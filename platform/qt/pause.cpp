#include "platform/qt/pause.h"

#include <algorithm>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace tessaro {

void pause(int ms, Wait how) {
    const auto flags = how == Wait::Blocking ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents;
    QElapsedTimer elapsed;
    elapsed.start();
    // What is already queued (the frame just asked for) is shown first.
    QCoreApplication::processEvents(flags);
    if (ms <= 0) return;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    // choice: a precise timer, so that a pause of a few milliseconds (one
    // frame of a flight) lasts what it says and not up to 5 % more.
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (qint64 left = ms - elapsed.elapsed(); left > 0; left = ms - elapsed.elapsed()) {
        timer.start(static_cast<int>(left));
        if (loop.exec(flags) < 0) {
            // The application is quitting, and nested loops end at once: the
            // rest of the pause is slept without events.
            QThread::msleep(static_cast<unsigned long>(std::max<qint64>(0, ms - elapsed.elapsed())));
            return;
        }
    }
}

}  // namespace tessaro
