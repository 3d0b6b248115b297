// Mouse input on the table as the player sees it: the selected card of the
// selection games shows inverted, a covered card shows whole while the right
// button is held, the empty stock looks pressed until the release forms it
// again, the table cursor changes while a card is held, presses that do
// nothing beep once, and a card let go over no pile flies home.
#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "engine/context.h"
#include "library_fixture.h"
#include "support/context_builder.h"
#include "table/hit.h"
#include "table/qt/card_images.h"
#include "table/qt/table_view.h"
#include "table_game_fixture.h"

namespace tessaro {
namespace {

class CountingShell : public NullShell {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

class SoundLog : public SoundPort {
public:
    void play(std::string_view name) override { asked.push_back("play " + std::string(name)); }
    void playSound(std::string_view name, bool on, SoundMode) override {
        asked.push_back(std::string(name) + (on ? " on" : " off"));
    }
    std::vector<std::string> asked;
};

QRgb inverse(QRgb c) { return qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)); }

// True for the pixels that the rounded corners take from the table.
bool cornerPixel(int dx, int dy, int w, int h) {
    const int ex = std::min(dx, w - 1 - dx);
    const int ey = std::min(dy, h - 1 - dy);
    return (ex == 0 && ey <= 1) || (ey == 0 && ex <= 1);
}

class KlondikeInput : public test::LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        view = test::tableForGame(ctx, 1, 900, 700);
        view->show();
        ctx.shell = &shell;
        ctx.sound = &sound;
        ctx.run.setFlag(Flag::GameInProgress, 1);
        loadCardImages(ctx.reg, images, false);
    }

    QRect rectOf(int card) const {
        const auto p = cardPlace(ctx, card);
        return p ? QRect(p->rect.left, p->rect.top, p->rect.right - p->rect.left, p->rect.bottom - p->rect.top)
                 : QRect();
    }
    QPoint stockPoint() const { return QPoint(ctx.layout.stock[kMazzo].x, ctx.layout.stock[kMazzo].y); }
    QRgb face(int card, QPoint at) const {
        return images.faces[static_cast<std::size_t>(card - 1)].convertToFormat(QImage::Format_RGB32).pixel(at);
    }
    void move(QPoint at) {
        QMouseEvent e(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.get(), &e);
    }

    Context ctx;
    CountingShell shell;
    SoundLog sound;
    CardImages images;
    std::unique_ptr<TableView> view;
};

TEST_F(KlondikeInput, SelectedCardShowsInvertedAndItsCornersShowTheTable) {
    // A pair-selection game whose selection list (the first foundation) is
    // not on the table: six and eight of hearts as the tops of two rows.
    ctx.P.set(50, 3);
    ctx.layout.dest[0].x = kUnsetDest;
    test::setPile(ctx, "Fila1", "0061");
    test::setPile(ctx, "Fila2", "0081");
    view->drawTable(true, false);
    const QRect r = rectOf(6);
    ASSERT_EQ(r.size(), QSize(71, 96));
    const QImage before = view->backBuffer().copy(r);

    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, r.center());
    ASSERT_EQ(ctx.piles.dest(0), "006");
    EXPECT_EQ(ctx.piles.text({PileKind::Row, 0}), "006");
    const QImage& back = view->backBuffer();
    const QImage& table = view->backgroundBuffer();
    int inverted = 0;
    for (int dy = 0; dy < r.height(); ++dy)
        for (int dx = 0; dx < r.width(); ++dx) {
            const QPoint at = r.topLeft() + QPoint(dx, dy);
            if (cornerPixel(dx, dy, r.width(), r.height())) {
                EXPECT_EQ(back.pixel(at), table.pixel(at)) << dx << "," << dy;
            } else if (back.pixel(at) == inverse(before.pixel(dx, dy))) {
                ++inverted;
            }
        }
    EXPECT_EQ(inverted, 71 * 96 - 12);
    // The window shows what the back buffer holds.
    EXPECT_EQ(view->grab().toImage().pixel(r.center()), inverse(before.pixel(r.center() - r.topLeft())));

    // Clicked again the card leaves the selection and looks as before.
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, r.center());
    EXPECT_EQ(ctx.piles.dest(0), "");
    EXPECT_EQ(view->backBuffer().copy(r), before);
}

TEST_F(KlondikeInput, RightButtonShowsACoveredCardWholeUntilReleased) {
    ctx.reg.write(reg::ShowPartialHidden, "Y");
    test::setPile(ctx, "Fila1", "00610331");
    view->drawTable(true, false);
    const QRect six = rectOf(6);
    const QRect seven = rectOf(33);
    ASSERT_GT(seven.top(), six.top());
    ASSERT_LT(seven.top(), six.bottom());
    // A point of the six that the seven covers.
    const QPoint covered(six.left() + 30, seven.top() + 20);
    const QRgb sevenThere = view->backBuffer().pixel(covered);
    ASSERT_EQ(sevenThere, face(33, covered - seven.topLeft()));

    QTest::mousePress(view.get(), Qt::RightButton, Qt::NoModifier, QPoint(six.left() + 30, six.top() + 5));
    EXPECT_EQ(view->peekCard(), 6);
    EXPECT_EQ(view->backBuffer().pixel(covered), face(6, covered - six.topLeft()));
    EXPECT_EQ(ctx.piles.text({PileKind::Row, 0}), "006033");
    EXPECT_EQ(shell.beeps, 0);

    QTest::mouseRelease(view.get(), Qt::RightButton, Qt::NoModifier, QPoint(six.left() + 30, six.top() + 5));
    EXPECT_EQ(view->peekCard(), 0);
    EXPECT_EQ(view->backBuffer().pixel(covered), sevenThere);

    // Switched off, or on the top card, the right button shows nothing.
    ctx.reg.write(reg::ShowPartialHidden, "N");
    QTest::mousePress(view.get(), Qt::RightButton, Qt::NoModifier, QPoint(six.left() + 30, six.top() + 5));
    EXPECT_EQ(view->peekCard(), 0);
    QTest::mouseRelease(view.get(), Qt::RightButton, Qt::NoModifier, QPoint(six.left() + 30, six.top() + 5));
    ctx.reg.write(reg::ShowPartialHidden, "Y");
    QTest::mousePress(view.get(), Qt::RightButton, Qt::NoModifier, seven.center());
    EXPECT_EQ(view->peekCard(), 0);
    QTest::mouseRelease(view.get(), Qt::RightButton, Qt::NoModifier, seven.center());
}

TEST_F(KlondikeInput, EmptyStockLooksPressedAndTheReleaseFormsIt) {
    test::setPile(ctx, "Mazzo_Vis", "00110021");
    view->drawTable(true, false);
    const QPoint stock = stockPoint();
    const QPoint edge = stock + QPoint(0, 10);
    const QRgb unpressed = view->backBuffer().pixel(edge);
    ASSERT_NE(unpressed, qRgb(64, 64, 64));

    QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, stock + QPoint(30, 40));
    EXPECT_EQ(ctx.mainGame.stockPressed, 1);
    EXPECT_EQ(view->pressedPile(), "Mazzo");
    EXPECT_EQ(ctx.piles.stock(kMazzo), "");
    EXPECT_EQ(ctx.piles.stock(kMazzoVis), "001002");
    EXPECT_EQ(view->backBuffer().pixel(edge), qRgb(64, 64, 64));
    EXPECT_EQ(view->backBuffer().pixel(stock + QPoint(10, 1)), qRgb(64, 64, 64));
    EXPECT_EQ(shell.beeps, 0);

    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, stock + QPoint(30, 40));
    EXPECT_EQ(ctx.mainGame.stockPressed, 0);
    EXPECT_EQ(view->pressedPile(), "");
    EXPECT_EQ(ctx.piles.stock(kMazzo), "002001");
    EXPECT_EQ(ctx.piles.stock(kMazzoVis), "");
    // The stock shows its face-down top card again.
    EXPECT_EQ(view->backBuffer().pixel(edge),
              images.back.convertToFormat(QImage::Format_RGB32).pixel(QPoint(0, 10)));
    EXPECT_EQ(shell.beeps, 0);
}

TEST_F(KlondikeInput, LeavingThePressedStockLiftsThePressAndTheReleaseDoesNothing) {
    test::setPile(ctx, "Mazzo_Vis", "00110021");
    view->drawTable(true, false);
    const QPoint stock = stockPoint();
    const QRgb unpressed = view->backBuffer().pixel(stock + QPoint(0, 10));
    QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, stock + QPoint(30, 40));
    ASSERT_EQ(ctx.mainGame.stockPressed, 1);
    move(stock + QPoint(35, 45));  // still on the stock
    EXPECT_EQ(ctx.mainGame.stockPressed, 1);
    move(QPoint(880, 680));
    EXPECT_EQ(ctx.mainGame.stockPressed, 0);
    EXPECT_EQ(view->pressedPile(), "");
    EXPECT_EQ(view->backBuffer().pixel(stock + QPoint(0, 10)), unpressed);
    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(880, 680));
    EXPECT_EQ(ctx.piles.stock(kMazzo), "");
    EXPECT_EQ(ctx.piles.stock(kMazzoVis), "001002");
}

TEST_F(KlondikeInput, PressesThatDoNothingBeepOnceAndOnlyDuringAGame) {
    test::setPile(ctx, "Fila1", "0061");
    view->drawTable(true, false);
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(880, 680));  // no pile
    EXPECT_EQ(shell.beeps, 1);
    ctx.run.setFlag(Flag::GameInProgress, 0);
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(880, 680));
    EXPECT_EQ(shell.beeps, 1);
    // A card picked up does not beep.
    ctx.run.setFlag(Flag::GameInProgress, 1);
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, rectOf(6).center());
    EXPECT_EQ(shell.beeps, 1);
}

TEST_F(KlondikeInput, HeldCardTakesTheTableCursorPlusTenAndTheReleaseRestoresIt) {
    std::vector<int> asked;
    view->setCursorSource([&asked](int n) {
        asked.push_back(n);
        return QCursor(n == 21 ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
    });
    ctx.reg.write(reg::Cursor, "11");
    test::setPile(ctx, "Fila1", "0061");
    view->drawTable(true, false);
    const QPoint home = rectOf(6).center();
    QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, home);
    ASSERT_TRUE(view->dragging());
    EXPECT_EQ(view->cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, home);
    EXPECT_EQ(view->cursor().shape(), Qt::OpenHandCursor);
    EXPECT_EQ(asked, (std::vector<int>{21, 11}));

    // Number 10 is the standard arrow, held or not.
    ctx.reg.write(reg::Cursor, "10");
    QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, home);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, home);
    EXPECT_EQ(asked.size(), 2u);
}

TEST_F(KlondikeInput, CardLetGoOverNoPileFliesHomeWithCardDown) {
    ctx.reg.write(reg::SoundCardDown, "Y");
    ctx.reg.write(reg::SoundsOn, "Y");
    test::setPile(ctx, "Fila1", "0061");
    view->drawTable(true, false);
    const QRect home = rectOf(6);
    const QImage table = view->backBuffer().copy();
    QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, home.center());
    for (int i = 1; i <= 4; ++i) move(home.center() + QPoint(0, 100 * i));
    sound.asked.clear();
    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, home.center() + QPoint(0, 400));
    EXPECT_EQ(ctx.piles.text({PileKind::Row, 0}), "006");
    EXPECT_EQ(ctx.drag.card, 0);
    EXPECT_EQ(view->lastFlightEnd(), home.topLeft());
    EXPECT_EQ(sound.asked, (std::vector<std::string>{"play card_down"}));
    EXPECT_EQ(view->backBuffer(), table);
}

TEST_F(KlondikeInput, MarkedCardCarriesDiagonalLinesUntilTheTableIsDrawnAgain) {
    test::setPile(ctx, "Fila1", "0061");
    view->drawTable(true, false);
    const QRect r = rectOf(6);
    const QImage before = view->backBuffer().copy(r);
    view->markCard(6);
    // Mark 1: every second pixel along the diagonals in black, the corners spared.
    EXPECT_EQ(view->backBuffer().pixel(r.topLeft() + QPoint(10, 20)), qRgb(0, 0, 0));
    EXPECT_EQ(view->backBuffer().pixel(r.topLeft() + QPoint(11, 20)), before.pixel(11, 20));
    EXPECT_EQ(view->backBuffer().pixel(r.topLeft()), before.pixel(0, 0));
    view->drawTable(false, false);
    EXPECT_EQ(view->backBuffer().copy(r), before);
}

}  // namespace
}  // namespace tessaro

namespace tessaro {
namespace {

// Keeps what the table holds when the engine plays the sound of a move: by
// then the move is done and the piles are drawn again.
class SnapshotOnSound : public SoundPort {
public:
    explicit SnapshotOnSound(const TableView*& view) : view_(view) {}
    void play(std::string_view name) override {
        if (name == "Tableau" && view_) table = view_->backBuffer().copy();
    }
    QImage table;

private:
    const TableView*& view_;
};

TEST_F(KlondikeInput, DroppedCardIsDrawnAtItsNewPlaceWhileTheEngineFinishesTheMove) {
    const TableView* shown = view.get();
    SnapshotOnSound snapshot(shown);
    ctx.sound = &snapshot;
    ctx.reg.write(reg::SoundsOn, "Y");
    ctx.reg.write(reg::SoundTableau, "Y");
    test::setPile(ctx, "Fila1", "0331");
    test::setPile(ctx, "Fila2", "0061");
    view->drawTable(true, false);
    const QPoint from = rectOf(6).center();
    const QPoint onto = rectOf(33).center() + QPoint(0, 15);
    QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= 4; ++i) move(from + (onto - from) * i / 4);
    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, onto);
    ASSERT_EQ(ctx.piles.text({PileKind::Row, 0}), "033006");
    ASSERT_FALSE(snapshot.table.isNull());
    const QRect placed = rectOf(6);
    // Its lowest rows, below the seven it lies on.
    int same = 0;
    for (int y = 86; y < 93; ++y)
        for (int x = 3; x < 68; ++x) same += snapshot.table.pixel(placed.topLeft() + QPoint(x, y)) == face(6, {x, y});
    EXPECT_EQ(same, 7 * 65);
    // Its old place already shows what it shows once all is done: the row's empty mark.
    EXPECT_EQ(snapshot.table.pixel(from), view->backBuffer().pixel(from));
}

}  // namespace
}  // namespace tessaro

namespace tessaro {
namespace {

TEST_F(KlondikeInput, JokerCaptionStaysOverItsFoundationUntilTakenAway) {
    view->drawTable(true, false);
    const QPoint dest(ctx.layout.dest[0].x, ctx.layout.dest[0].y);
    const QRect strip(dest.x() + 71 / 2 - 29, dest.y() - 18, 59, 14);
    ASSERT_GE(strip.top(), 0);
    const QImage table = view->backBuffer().copy(strip);
    view->showJokerCaption(0, 1, 12);
    EXPECT_EQ(view->backBuffer().pixel(strip.topLeft() + QPoint(1, 1)), qRgb(255, 255, 255));
    EXPECT_NE(view->backBuffer().copy(strip), table);
    // Another pile drawn again keeps the caption.
    test::setPile(ctx, "Fila1", "0061");
    view->drawPile({PileKind::Row, 0});
    EXPECT_EQ(view->backBuffer().pixel(strip.topLeft() + QPoint(1, 1)), qRgb(255, 255, 255));
    // A rank outside 1-13 takes it away.
    view->showJokerCaption(0, 1, 0);
    EXPECT_EQ(view->backBuffer().copy(strip), table);
}

}  // namespace
}  // namespace tessaro
