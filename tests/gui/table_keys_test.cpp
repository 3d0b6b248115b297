// Whole games by keys alone in the window (a Memory-Up grid to its score
// sheet, a "Forget me not" game after its preview), Klondike moves by keys on
// the table, the focus frame on light and dark tables, what a screen reader
// hears, keys held back by a blocking pause, and the window's shortcuts.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <map>

#include "engine/context.h"
#include "engine/memory.h"
#include "library_fixture.h"
#include "shell/card_table_area.h"
#include "shell/key_list_menu.h"
#include "shell_fixture.h"
#include "support/context_builder.h"
#include "table/keyboard.h"
#include "table_game_fixture.h"

namespace tessaro::test {
namespace {

void key(QWidget* view, Qt::Key k) { QTest::keyClick(view, k); }

// Walks the focus with the arrow keys to a stop, as a player looking at the
// table would: along the line first, then across.
void walkTo(Context& ctx, QWidget* view, const std::string& pile, int depth) {
    for (int step = 0; step < 80; ++step) {
        const auto cur = focusedStop(ctx);
        ASSERT_TRUE(cur.has_value());
        if (cur->pile == pile && cur->depth == depth) return;
        const auto stops = focusStops(ctx);
        const auto target = std::find_if(stops.begin(), stops.end(),
                                         [&](const FocusStop& s) { return s.pile == pile && s.depth == depth; });
        ASSERT_NE(target, stops.end()) << pile << "/" << depth;
        const int dx = target->rect.left - cur->rect.left;
        const int dy = target->rect.top - cur->rect.top;
        if (std::abs(dy) > ctx.layout.cardH / 2) key(view, dy > 0 ? Qt::Key_Down : Qt::Key_Up);
        else key(view, dx > 0 ? Qt::Key_Right : Qt::Key_Left);
    }
    FAIL() << "focus never reached " << pile << "/" << depth;
}

// Where each card of the rows lies.
std::map<int, std::pair<std::string, int>> rowCards(const Context& ctx) {
    std::map<int, std::pair<std::string, int>> at;
    for (const auto& s : focusStops(ctx))
        if (s.card > 0) at[s.card] = {s.pile, s.depth};
    return at;
}

TableView* viewOf(shell::MainWindow& w) { return static_cast<shell::CardTableArea*>(w.table())->view(); }

using KeyGameTest = ShellTest;

TEST_F(KeyGameTest, AMemoryUpGridIsPlayedToItsScoreSheetByKeysAlone) {
    setting("Winning_Animations_Time", "0");
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(200, "Memory-Up (4x3)", "Player 1", 2, true));
    TableView* view = viewOf(w());
    EXPECT_EQ(focusedStop(ctx())->pile, "Fila1");
    EXPECT_EQ(focusedStop(ctx())->depth, 0);

    auto cards = rowCards(ctx());
    ASSERT_EQ(cards.size(), 12u);
    auto twin = [](int c) { return c > 52 ? c - 52 : c + 52; };
    // A miss first: the first card and one that is not its twin. A key
    // pressed during the blocking turn-back does nothing.
    const int first = cards.begin()->first;
    const int other = std::next(cards.begin())->first == twin(first) ? std::next(cards.begin(), 2)->first
                                                                      : std::next(cards.begin())->first;
    walkTo(ctx(), view, cards[first].first, cards[first].second);
    key(view, Qt::Key_Space);
    EXPECT_TRUE(ctx().cards.faceUp(first));
    walkTo(ctx(), view, cards[other].first, cards[other].second);
    TableFocus during;
    QTimer::singleShot(20, [&] {
        QCoreApplication::postEvent(view, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    });
    QTimer::singleShot(120, [&] { during = ctx().focus; });
    key(view, Qt::Key_Return);
    EXPECT_EQ(ctx().mainGame.missCount, 1);
    EXPECT_TRUE(ctx().cards.faceDown(first));
    EXPECT_EQ(std::make_pair(during.pile, during.depth), cards[other]);

    for (const auto& [card, place] : cards) {
        if (card > 52 || !ctx().cards.faceDown(card)) continue;
        walkTo(ctx(), view, place.first, place.second);
        key(view, Qt::Key_Space);
        const auto second = cards[twin(card)];
        walkTo(ctx(), view, second.first, second.second);
        key(view, Qt::Key_Space);
    }
    EXPECT_EQ(ctx().piles.count({PileKind::Stock, kMazzoWaste}), 12);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().kind, "modal");
    EXPECT_EQ(dialogs.shown.back().text, "frmMemoryEnd");
}

TEST_F(KeyGameTest, AForgetMeNotGameIsAnsweredByKeysAfterItsPreview) {
    ASSERT_TRUE(start());
    w().show();
    ASSERT_TRUE(w().openGame(204, "Forget me not", "Player 1", 2, true));
    TableView* view = viewOf(w());
    ctx().clock = &ctx().manualClock;
    ctx().run.setFlag(Flag::ClockRunning, 1);
    ctx().run.setTime(Time::GameStart, 0.5);
    ctx().manualClock.now = 0.5 + 12 / 86400.0;
    w().clockTimerTick();
    ASSERT_TRUE(ctx().cards.faceDown(cardAt(ctx().piles.dest(0), 0)));

    for (int j = 0; j < 10; ++j) {
        const int wanted = cardAt(ctx().piles.dest(j), 0) + 52;
        const auto place = rowCards(ctx())[wanted];
        walkTo(ctx(), view, place.first, place.second);
        key(view, Qt::Key_Space);
        EXPECT_EQ(ctx().focus.held, wanted);
        // Escape puts it back once; then it goes to its answer row.
        key(view, Qt::Key_Escape);
        EXPECT_EQ(ctx().focus.held, 0);
        key(view, Qt::Key_Space);
        walkTo(ctx(), view, "Fila" + std::to_string(j + 1), -1);
        key(view, Qt::Key_Space);
        EXPECT_EQ(cardAt(ctx().piles.fila(j), 0), wanted);
    }
    EXPECT_EQ(markCorrectAnswers(ctx()), 10);
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().text, "frmMemoryEnd");
}

class KlondikeKeys : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        view = tableForGame(ctx, 1, 900, 700);
        view->show();
        ctx.run.setFlag(Flag::GameInProgress, 1);
        ctx.reg.write(reg::DoubleClickFoundations, "Y");
    }
    // The frame's two rings just outside the left edge of a rectangle.
    std::pair<QRgb, QRgb> ringsLeftOf(const CardRect& r) const {
        const int t = std::max(2, ctx.layout.cardW / 18);
        const int y = (r.top + r.bottom) / 2;
        return {view->backBuffer().pixel(r.left - 1, y), view->backBuffer().pixel(r.left - t - 1, y)};
    }
    Context ctx;
    std::unique_ptr<TableView> view;
};

TEST_F(KlondikeKeys, CardsGoToARowAndAFoundationByKeys) {
    setPile(ctx, "Fila1", "0121");  // queen of hearts
    setPile(ctx, "Fila2", "05100391");  // king of clubs over a face-down card
    setPile(ctx, "Fila3", "0011");  // ace of hearts
    view->drawTable(true, false);
    key(view.get(), Qt::Key_Space);
    key(view.get(), Qt::Key_Tab);
    key(view.get(), Qt::Key_Space);
    EXPECT_EQ(ctx.piles.fila(1), "051039012");
    EXPECT_EQ(ctx.piles.fila(0), "");
    key(view.get(), Qt::Key_Right);
    key(view.get(), Qt::Key_Return);
    EXPECT_EQ(ctx.piles.dest(0), "001");
    // Shift+Tab back to the row that took the queen, Up to the king.
    key(view.get(), Qt::Key_Backtab);
    key(view.get(), Qt::Key_Up);
    const auto at = focusedStop(ctx);
    EXPECT_EQ(at->pile, "Fila2");
    EXPECT_EQ(at->card, 39);
}

TEST_F(KlondikeKeys, TheFrameShowsOnDarkAndLightTablesAndFollowsTheKeys) {
    setPile(ctx, "Fila1", "0071");
    setPile(ctx, "Fila2", "0081");
    for (const QColor table : {QColor(0, 0, 0), QColor(255, 255, 255)}) {
        SCOPED_TRACE(table.name().toStdString());
        QImage plain(1280, 1024, QImage::Format_RGB32);
        plain.fill(table);
        view->setBackgroundSource([&plain]() -> const QImage& { return plain; });
        ctx.focus = TableFocus{};
        view->drawTable(true, false);
        const CardRect seven = focusedStop(ctx)->rect;
        EXPECT_EQ(ringsLeftOf(seven), std::make_pair(table.rgb(), table.rgb()));  // no frame before a key
        key(view.get(), Qt::Key_Right);
        const CardRect eight = focusedStop(ctx)->rect;
        const auto [light, dark] = ringsLeftOf(eight);
        EXPECT_EQ(light, qRgb(255, 224, 0));
        EXPECT_EQ(dark, qRgb(0, 0, 0));
        // Each table shows at least one ring far from its own colour.
        const int far = std::max(std::abs(qGray(light) - qGray(table.rgb())), std::abs(qGray(dark) - qGray(table.rgb())));
        EXPECT_GT(far, 120);
        EXPECT_EQ(ringsLeftOf(seven).first, table.rgb());
        // The window shows it too.
        EXPECT_EQ(view->grab().toImage().pixel(eight.left - 1, (eight.top + eight.bottom) / 2), light);
        // A mouse press takes the frame away.
        QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_EQ(ringsLeftOf(eight).first, table.rgb());
    }
}

TEST_F(KlondikeKeys, AScreenReaderHearsTheFocusedCard) {
    setPile(ctx, "Fila3", "00200071");
    view->drawTable(true, false);
    for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right}) key(view.get(), k);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view.get());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), "Seven of hearts, face up, row 3");
    EXPECT_EQ(table->text(QAccessible::Description), "Card table");
}

TEST_F(KeyGameTest, ShortcutsWorkAndAreListedInTheirMenus) {
    ASSERT_TRUE(start());
    w().show();
    QApplication::setActiveWindow(&w());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    struct Case {
        const char* action;
        QKeySequence key;
        const char* shown;
    };
    const Case cases[] = {
        {"mnuNewGame", QKeySequence(Qt::CTRL | Qt::Key_N), "F2, Ctrl+N"},
        {"mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z), "Ctrl+Z"},
        {"mnuRedo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "Ctrl+Y, Ctrl+Shift+Z"},
        {"mnuRedo", QKeySequence(Qt::CTRL | Qt::Key_Y), "Ctrl+Y, Ctrl+Shift+Z"},
        {"mnuRules", QKeySequence(Qt::Key_F1), "F1"},
        {"mnuFullScreen", QKeySequence(Qt::Key_F11), "F11"},
    };
    w().mnuUndo->setEnabled(true);
    w().mnuRedo->setEnabled(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        auto* a = w().findChild<QAction*>(c.action);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(shell::menuKeysText(a), c.shown);
        ASSERT_FALSE(a->associatedObjects().isEmpty());
        EXPECT_NE(dynamic_cast<shell::KeyListMenu*>(a->associatedObjects().first()), nullptr);
        QSignalSpy spy(a, &QAction::triggered);
        QTest::keySequence(viewOf(w()), c.key);
        EXPECT_EQ(spy.count(), 1);
    }
    // F11 went into full screen; it also comes back.
    EXPECT_TRUE(w().isFullScreen());
    w().mnuFullScreen->trigger();
    EXPECT_FALSE(w().isFullScreen());
    // Ctrl+Q is "E&xit", shown beside it.
    EXPECT_EQ(shell::menuKeysText(w().mnuEsci), "Ctrl+Q");
    QSignalSpy exits(w().mnuEsci, &QAction::triggered);
    QTest::keySequence(viewOf(w()), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(exits.count(), 1);
    EXPECT_FALSE(w().isVisible());
}

}  // namespace
}  // namespace tessaro::test
