// How a Memory miss and the answers of "Forget me not" are seen: the
// customize choice of the miss time, the wait that ends with the next click
// (the click does nothing else), and the red cross over a wrong answer.
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "dialogs/customize_dialog.h"
#include "engine/context.h"
#include "shell/card_table_area.h"
#include "shell_fixture.h"
#include "table/hit.h"
#include "table/qt/table_view.h"

namespace tessaro::test {
namespace {

using MissTest = ShellTest;

TEST_F(MissTest, CustomizeStoresTheMissTimeAndItSurvivesARestart) {
    ASSERT_TRUE(start());
    EXPECT_EQ(ctx().reg.read(reg::MissShowTime), "200");
    {
        dialogs::CustomizeDialog d(ctx(), w(), QSize(1280, 1024), true);
        ASSERT_EQ(d.cboMissTime->count(), 5);
        EXPECT_EQ(d.cboMissTime->currentText(), "0.2 s");
        d.cboMissTime->setCurrentIndex(d.cboMissTime->findText("until the next click"));
        d.btnOK->click();
    }
    EXPECT_EQ(ctx().reg.read(reg::MissShowTime), "Click");
    EXPECT_EQ(read("Miss_Show_Time"), "Click");
    restart();
    EXPECT_EQ(ctx().reg.read(reg::MissShowTime), "Click");
    dialogs::CustomizeDialog d(ctx(), w(), QSize(1280, 1024), true);
    EXPECT_EQ(d.cboMissTime->currentText(), "until the next click");
}

TEST_F(MissTest, AMissWaitingForAClickEndsWithItAndTheClickDoesNothingElse) {
    setting("Game", "200");
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    ctx().reg.write(reg::MissShowTime, "Click");
    TableView* view = dynamic_cast<shell::CardTableArea*>(w().table())->view();
    ASSERT_NE(view, nullptr);
    // Two cards that are no pair: the first two of the grid unless they are twins.
    const std::string& row = ctx().piles.fila(0);
    const int a = cardAt(row, 0);
    const bool twins = cardAt(row, 3) == a + 52 || cardAt(row, 3) + 52 == a;
    const int b = cardAt(row, twins ? 6 : 3);
    auto click = [&](int card) {
        const auto place = cardPlace(ctx(), card);
        ASSERT_TRUE(place);
        const QPointF at(place->rect.left + 20, place->rect.top + 20 - ctx().layout.scroll);
        QMouseEvent press(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(view, &press);
        QApplication::sendEvent(view, &release);
    };
    click(a);
    bool faceUpWhileWaiting = false;
    const int third = cardAt(ctx().piles.fila(1), 0);
    QTimer::singleShot(300, [&] {
        faceUpWhileWaiting = ctx().cards.faceUp(a) && ctx().cards.faceUp(b);
        click(third);  // ends the wait and turns nothing
    });
    click(b);
    EXPECT_TRUE(faceUpWhileWaiting);
    EXPECT_FALSE(ctx().cards.faceUp(a));
    EXPECT_FALSE(ctx().cards.faceUp(b));
    EXPECT_FALSE(ctx().cards.faceUp(third));
    EXPECT_EQ(ctx().mainGame.missCount, 1);
}

TEST_F(MissTest, AWrongAnswerIsCrossedInRed) {
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    TableView* view = dynamic_cast<shell::CardTableArea*>(w().table())->view();
    const int card = cardAt(ctx().piles.fila(0), 0);
    ctx().cards.setFace(card, '1');
    view->drawTable(false, false);
    const auto place = cardPlace(ctx(), card);
    ASSERT_TRUE(place);
    const QRect r(place->rect.left, place->rect.top, place->rect.right - place->rect.left,
                  place->rect.bottom - place->rect.top);
    auto redPixels = [&] {
        const QImage img = view->backBuffer().copy(r);
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.red() > 180 && c.green() < 40 && c.blue() < 40;
            }
        return n;
    };
    const int before = redPixels();
    view->markWrongCard(card);
    EXPECT_GT(redPixels(), before + 100);
    // The middle of the card lies on both strokes.
    const QColor middle = view->backBuffer().pixelColor(r.center());
    EXPECT_GT(middle.red(), 150);
    EXPECT_LT(middle.green(), 60);
}

}  // namespace
}  // namespace tessaro::test
