// The engine's pauses: a blocking pause keeps the player's clicks queued until
// it ends, a pumping pause delivers them, and either one sleeps: the event
// loop wakes a handful of times in a long pause, not thousands.
#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <qpa/qwindowsysteminterface.h>

#include "platform/qt/pause.h"

namespace tessaro {
namespace {

class ClickCounter : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

struct Pass {
    int presses = 0;    // clicks delivered during the pause
    int wakeUps = 0;    // passes of the event loop during the pause
    qint64 tookMs = 0;  // how long the pause lasted
};

// Queues a click as the window system does, then pauses.
Pass clickDuringPause(ClickCounter& w, int ms, Wait how) {
    QWindow* window = w.windowHandle();
    const QPointF at(20, 20);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, at, w.mapToGlobal(at.toPoint()), Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, at, w.mapToGlobal(at.toPoint()), Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);

    Pass pass;
    auto* dispatcher = QAbstractEventDispatcher::instance();
    const auto a = QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] { ++pass.wakeUps; });
    const auto b = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] { ++pass.wakeUps; });
    w.presses = 0;
    QElapsedTimer t;
    t.start();
    pause(ms, how);
    pass.tookMs = t.elapsed();
    pass.presses = w.presses;
    QObject::disconnect(a);
    QObject::disconnect(b);
    return pass;
}

TEST(Pause, BlockingHoldsInputPumpingDeliversItAndNeitherSpins) {
    ClickCounter w;
    w.resize(100, 100);
    w.show();
    QCoreApplication::processEvents();

    const Pass blocking = clickDuringPause(w, 400, Wait::Blocking);
    EXPECT_EQ(blocking.presses, 0);
    EXPECT_GE(blocking.tookMs, 400);
    // A spinning pause passes the loop many thousand times in 400 ms.
    EXPECT_LT(blocking.wakeUps, 40);
    // The click was kept, not dropped: it arrives once the pause is over.
    QCoreApplication::processEvents();
    EXPECT_EQ(w.presses, 1);

    const Pass pumping = clickDuringPause(w, 400, Wait::Pumping);
    EXPECT_EQ(pumping.presses, 1);
    EXPECT_GE(pumping.tookMs, 400);
    EXPECT_LT(pumping.wakeUps, 40);

    // A pause of no time still shows what is queued, and only that.
    const Pass none = clickDuringPause(w, 0, Wait::Pumping);
    EXPECT_EQ(none.presses, 1);
    EXPECT_LT(none.tookMs, 100);
}

}  // namespace
}  // namespace tessaro
