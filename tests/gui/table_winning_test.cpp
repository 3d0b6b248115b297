// Winning animations: the choice behind "(Random)", the time limit, the
// running flag, and the trail the cards leave on the table.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <memory>
#include <set>

#include "engine/context.h"
#include "library_fixture.h"
#include "table/qt/table_view.h"
#include "table/qt/winning_animation.h"

namespace tessaro {
namespace {

class Winning : public test::LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        ctx.reg.initialise("/tmp/");
        ctx.reg.write(reg::CardSize, "B");
        ctx.reg.write(reg::CardFaceSet, "001");
        ctx.reg.write(reg::CardBack, "001");
        ctx.reg.write(reg::BackgroundDefault, "Y");
        ctx.reg.write(reg::SpeedMoveCard, "02");
        view = std::make_unique<TableView>(ctx, nullptr, QSize(800, 600));
        view->resize(640, 480);
        view->loadImages();
        view->drawTable(true, false);
    }
    Context ctx;
    std::unique_ptr<TableView> view;
};

TEST_F(Winning, RandomPicksAmongTheFirstThreeOnly) {
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) seen.insert(chooseWinningAnimation(ctx, "(Random)"));
    EXPECT_EQ(seen, (std::set<std::string>{"Left to right", "Open order", "Up to down"}));
    EXPECT_EQ(chooseWinningAnimation(ctx, "Circles"), "Circles");
    EXPECT_EQ(chooseWinningAnimation(ctx, "Festoons"), "Festoons");
}

TEST_F(Winning, ZeroSecondsDrawsTheFirstCardOnly) {
    const QImage before = view->backBuffer().copy();
    for (const char* name : kWinningAnimations) {
        EXPECT_EQ(playWinningAnimation(ctx, *view, name, 0, 5), 1) << name;
        EXPECT_FALSE(ctx.run.isSet(Flag::AnimationRunning)) << name;
    }
    // The trail stays on the back buffer.
    EXPECT_NE(view->backBuffer(), before);
}

TEST_F(Winning, ClearedFlagEndsEveryAnimationLongBeforeItsTime) {
    view->show();
    for (const char* name : kWinningAnimations) {
        QTimer::singleShot(150, [this] { ctx.run.setFlag(Flag::AnimationRunning, 0); });
        QElapsedTimer t;
        t.start();
        const int cards = playWinningAnimation(ctx, *view, name, 30, 5);
        EXPECT_LT(t.elapsed(), 3000) << name;
        EXPECT_GT(cards, 1) << name;
    }
}

TEST_F(Winning, AClickOnTheTableEndsTheAnimation) {
    view->show();
    QTimer::singleShot(100, [this] {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(view.get(), &press);
    });
    QElapsedTimer t;
    t.start();
    playWinningAnimation(ctx, *view, "Open order", 30, 5);
    EXPECT_LT(t.elapsed(), 3000);
}

TEST_F(Winning, TimeUpClearsTheFlag) {
    QElapsedTimer t;
    t.start();
    playWinningAnimation(ctx, *view, "Lines", 1, 5);
    EXPECT_GE(t.elapsed(), 1000);
    EXPECT_LT(t.elapsed(), 4000);
    EXPECT_FALSE(ctx.run.isSet(Flag::AnimationRunning));
}

}  // namespace
}  // namespace tessaro
