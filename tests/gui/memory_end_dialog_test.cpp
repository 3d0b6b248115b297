// The Memory score sheet window: the values each variant's page shows as the
// end of a real game opens it, the caption and the green or red mark, the
// grid caption, the tabs that cannot be switched, the lined-up columns, and
// "OK" closing it with the table redrawn once the game is over.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest/QTest>

#include "dialogs/memory_end_dialog.h"
#include "engine/cards.h"
#include "engine/context.h"
#include "engine/end_game.h"
#include "engine/score.h"
#include "engine/score_sheet.h"
#include "shell/card_table_area.h"
#include "shell/window_end_game.h"
#include "shell_fixture.h"
#include "support/context_builder.h"
#include "table/qt/table_view.h"

namespace tessaro::test {
namespace {

using dialogs::MemoryEndDialog;
using dialogs::ResultMark;

// What the player sees of the sheet, read from the widgets of the shown window.
// (Standard strings, so that failures print readably.)
struct Seen {
    std::string caption;
    int page = -1;
    std::string tabs;     // the four tab captions, "*" after the one that can be chosen
    std::string figures;  // "rule box | per match per miss | matches row | misses row | start | total | to win"
    ResultMark::Mark mark = ResultMark::Mark::None;
    std::string markPixel;  // "#rrggbb" inside the disc, away from the sign
    int marksOnOtherPages = 0;
    int pageAfterTabClicks = -1;  // the page after clicks on every tab and Ctrl+Tab
};

std::string colourName(const QColor& c) { return c.name().toStdString(); }

Seen look(MemoryEndDialog& d) {
    d.show();
    QApplication::processEvents();
    Seen s;
    s.caption = d.windowTitle().toStdString();
    s.page = d.notebook()->currentIndex();
    QStringList tabs;
    for (int i = 0; i < d.notebook()->count(); ++i)
        tabs << d.notebook()->tabText(i) + (d.notebook()->isTabEnabled(i) ? "*" : "");
    s.tabs = tabs.join(", ").toStdString();
    const dialogs::ScorePage& p = d.current();
    s.figures = QStringList{p.grpRule->title(),
                            p.lblMatchPoints->text() + " " + p.lblMissPoints->text(),
                            p.lblMatches->text() + " x " + p.lblMatchesPoints->text() + " = " +
                                p.lblMatchesProduct->text(),
                            p.lblMisses->text() + " x " + p.lblMissesPoints->text() + " = " +
                                p.lblMissesProduct->text(),
                            p.lblStart->text(), p.lblTotal->text(), p.lblToWin->text()}
                    .join(" | ")
                    .toStdString();
    s.mark = p.imgResult->mark();
    const QImage img = p.imgResult->grab().toImage();
    s.markPixel = colourName(img.pixelColor(img.width() / 2, img.height() / 5));
    for (int i = 0; i < MemoryEndDialog::kPages; ++i)
        if (i != d.pageIndex() && d.page(i).imgResult->mark() != ResultMark::Mark::None) ++s.marksOnOtherPages;
    QTabBar* bar = d.notebook()->tabBar();
    for (int i = 0; i < bar->count(); ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
    QTest::keyClick(d.notebook(), Qt::Key_Tab, Qt::ControlModifier);
    s.pageAfterTabClicks = d.notebook()->currentIndex();
    return s;
}

class ScoreSheetTest : public ShellTest {
protected:
    void open(int game, const std::string& name) {
        ASSERT_TRUE(start());
        w().show();
        ASSERT_TRUE(w().openGame(game, name, "Player 1", 2, true));
        openedBefore = selection.opened;
    }
    // Ends the running game as the engine does and keeps what the sheet showed.
    int endAndLook() {
        dialogs.onModal = [this](QDialog& d) {
            auto* sheet = dynamic_cast<MemoryEndDialog*>(&d);
            ASSERT_NE(sheet, nullptr);
            seen = look(*sheet);
            sheet->okButton()->click();
        };
        ctx().run.setFlag(Flag::GameInProgress, 1);
        return endOfGame(ctx());
    }
    // Puts the answer rows of Forget me not: the first `right` rows get the
    // twin of the card to remember above them, the others a wrong twin.
    void answer(int right) {
        int twins[10];
        for (int k = 0; k < 10; ++k) twins[k] = cardAt(ctx().piles.dest(k), 0) + 52;
        for (int j = 0; j < 10; ++j) {
            const int twin = j < right ? twins[j] : twins[right + (j - right + 1) % (10 - right)];
            setPile(ctx(), "Fila" + std::to_string(j + 1), card3(twin) + "1");
        }
        refreshScore(ctx());
    }
    Seen seen;
    int openedBefore = 0;
};

TEST_F(ScoreSheetTest, LostPairsGameWithoutAMatchShowsTheMissesTimesMinusTwo) {
    open(200, "Memory-Up (4x3)");
    ctx().mainGame.missCount = 7;
    refreshScore(ctx());
    ctx().run.setFlag(Flag::Won, 1);  // the score to win decides, not the last won test
    EXPECT_EQ(endAndLook(), 0);

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "modal");
    EXPECT_EQ(dialogs.shown[0].text, "frmMemoryEnd");
    EXPECT_EQ(seen.caption, "Game Lost");
    EXPECT_EQ(seen.page, 0);
    EXPECT_EQ(seen.tabs, "Pairs*, Ace-To-King, Forget me not, Concentration");
    EXPECT_EQ(seen.pageAfterTabClicks, 0);
    EXPECT_EQ(seen.figures, "Grid: 4 x 3 | 10 -2 | 0 x 10 = 0 | 7 x -2 = -14 | -52 | -66 | (Score to win: -4)");
    EXPECT_EQ(seen.mark, ResultMark::Mark::Lost);
    EXPECT_EQ(seen.markPixel, colourName(ResultMark::lostColour()));
    EXPECT_EQ(seen.marksOnOtherPages, 0);
    // A lost game ends there: no animation, no game selection.
    EXPECT_EQ(w().endGame().lastAnimation(), "");
    EXPECT_EQ(selection.opened, openedBefore);
}

TEST_F(ScoreSheetTest, ForgetMeNotWithSevenOfTenShowsThreeMissesWorthNothing) {
    open(204, "Forget me not");
    answer(7);
    EXPECT_EQ(endAndLook(), 0);
    EXPECT_EQ(seen.caption, "Game Lost");
    EXPECT_EQ(seen.page, 2);
    EXPECT_EQ(seen.tabs, "Pairs, Ace-To-King, Forget me not*, Concentration");
    EXPECT_EQ(seen.pageAfterTabClicks, 2);
    EXPECT_EQ(seen.figures, "Cards: 10  | 10 0 | 7 x 10 = 70 | 3 x 0 = 0 | -52 | 18 | (Score to win: 28)");
    EXPECT_EQ(seen.markPixel, colourName(ResultMark::lostColour()));
}

TEST_F(ScoreSheetTest, WonGameShowsGameWonWithTheGreenMark) {
    setting("Winning_Animations_Time", "0");
    open(204, "Forget me not");
    answer(10);
    EXPECT_EQ(endAndLook(), 1);
    EXPECT_EQ(seen.caption, "Game Won");
    EXPECT_EQ(seen.figures, "Cards: 10  | 10 0 | 10 x 10 = 100 | 0 x 0 = 0 | -52 | 48 | (Score to win: 28)");
    EXPECT_EQ(seen.mark, ResultMark::Mark::Won);
    EXPECT_EQ(seen.markPixel, colourName(ResultMark::wonColour()));
    EXPECT_EQ(seen.marksOnOtherPages, 0);
    // The sheet comes first, then the animation and the game selection.
    EXPECT_EQ(selection.opened, openedBefore + 1);
}

TEST_F(ScoreSheetTest, AceToKingAndConcentrationPages) {
    open(203, "Ace-To-King");
    setPile(ctx(), "Appogg1", "001101510291");  // ace, two, three
    ctx().mainGame.missCount = 4;
    refreshScore(ctx());
    EXPECT_EQ(endAndLook(), 0);
    EXPECT_EQ(seen.page, 1);
    EXPECT_EQ(seen.tabs, "Pairs, Ace-To-King*, Forget me not, Concentration");
    EXPECT_EQ(seen.figures, "Sequence  | 15 -1 | 3 x 15 = 45 | 4 x -1 = -4 | -52 | -11 | (Score to win: 130)");

    ASSERT_TRUE(w().openGame(205, "Concentration", "Player 1", 2, true));
    setPile(ctx(), "Mazzo_Waste", "001101410271040100210151");  // three pairs
    ctx().mainGame.missCount = 9;
    refreshScore(ctx());
    EXPECT_EQ(endAndLook(), 0);
    EXPECT_EQ(seen.page, 3);
    EXPECT_EQ(seen.tabs, "Pairs, Ace-To-King, Forget me not, Concentration*");
    EXPECT_EQ(seen.figures, "Cards: 52  | 7 -1 | 3 x 7 = 21 | 9 x -1 = -9 | -52 | -40 | (Score to win: 104)");
}

TEST_F(ScoreSheetTest, GridCaptionNamesOnlyTheThreeGrids) {
    open(200, "Memory-Up (4x3)");
    struct Case {
        int rows;
        const char* caption;
    };
    for (const Case c : {Case{3, "Grid: 4 x 3"}, Case{4, "Grid: 6 x 4"}, Case{5, "Grid: 8 x 5"},
                         Case{6, "Grid: 6 x 4 "}, Case{0, "Grid: 6 x 4 "}, Case{-3, "Grid: 6 x 4 "}}) {
        SCOPED_TRACE(c.rows);
        ctx().P.set(367, c.rows);
        MemoryEndDialog d(memoryScoreSheet(ctx(), false));
        EXPECT_EQ(d.current().grpRule->title().toStdString(), c.caption);
        // The other pages keep their designed boxes.
        EXPECT_EQ(d.page(1).grpRule->title().toStdString(), "Sequence ");
        EXPECT_EQ(d.page(2).grpRule->title().toStdString(), "Cards: 10 ");
        EXPECT_EQ(d.page(3).grpRule->title().toStdString(), "Cards: 52 ");
    }
}

TEST_F(ScoreSheetTest, FiguresLineUpAndFitTheirLabels) {
    open(202, "Memory-Up (8x5)");
    ctx().mainGame.missCount = 1234;
    refreshScore(ctx());
    MemoryEndDialog d(memoryScoreSheet(ctx(), false));
    d.show();
    QApplication::processEvents();
    const dialogs::ScorePage& p = d.current();
    const auto right = [&](QLabel* l) { return l->mapTo(p.grpScore, QPoint(l->width(), 0)).x(); };
    EXPECT_EQ(right(p.lblMatches), right(p.lblMisses));
    EXPECT_EQ(right(p.lblMatchesPoints), right(p.lblMissesPoints));
    for (QLabel* l : {p.lblMissesProduct, p.lblStart, p.lblTotal}) EXPECT_EQ(right(l), right(p.lblMatchesProduct));
    EXPECT_EQ(right(p.lblToWin), right(p.lblMatchesProduct));
    // The figures keep to the right edge of the box.
    EXPECT_GE(right(p.lblMatchesProduct), p.grpScore->width() - 20);
    // Every tab shows in full, without scroll buttons.
    QTabBar* tabs = d.notebook()->tabBar();
    EXPECT_LE(tabs->tabRect(MemoryEndDialog::kPages - 1).right(), tabs->width() - 1);
    EXPECT_LE(tabs->mapTo(&d, QPoint(tabs->width(), 0)).x(), d.width());
    for (QLabel* l : d.findChildren<QLabel*>()) {
        if (!l->isVisible()) continue;
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString() << " " << l->text().toStdString();
    }
    EXPECT_EQ(p.lblMissesProduct->text().toStdString(), "-2468");
    EXPECT_EQ(p.lblTotal->text().toStdString(), "-2520");
}

TEST_F(ScoreSheetTest, ClosingTheSheetRedrawsTheTableOnlyOnceTheGameIsOver) {
    open(200, "Memory-Up (4x3)");
    auto* view = static_cast<shell::CardTableArea*>(w().table())->view();
    struct Case {
        const char* name;
        bool inProgress;
        bool byEscape;
        int place;  // the place in the first row of the card turned behind the table's back
    };
    for (const Case c : {Case{"OK, game running", true, false, 0}, Case{"OK, game over", false, false, 3},
                         Case{"Escape, game over", false, true, 1}}) {
        SCOPED_TRACE(c.name);
        // A card turned behind the table's back shows only once the table is drawn again.
        const int card = cardAt(ctx().piles.fila(0), static_cast<std::size_t>(c.place) * 3);
        ctx().cards.setFace(card, '1');
        const QImage before = view->backBuffer().copy();
        ctx().run.setFlag(Flag::GameInProgress, c.inProgress ? 1 : 0);
        int result = -1;
        bool wasVisible = false;
        dialogs.onModal = [&](QDialog& d) {
            auto* sheet = static_cast<MemoryEndDialog*>(&d);
            QTimer::singleShot(0, sheet, [&, sheet] {
                wasVisible = sheet->isVisible() && sheet->isModal();
                if (c.byEscape) QTest::keyClick(sheet, Qt::Key_Escape);
                else QTest::mouseClick(sheet->okButton(), Qt::LeftButton);
            });
            dialogs.ShellDialogs::runModal(d);  // the real modal run
            result = d.result();
        };
        w().endGame().showMemoryScoreSheet(memoryScoreSheet(ctx(), false));
        EXPECT_TRUE(wasVisible);
        EXPECT_EQ(result, c.byEscape ? QDialog::Rejected : QDialog::Accepted);
        EXPECT_EQ(view->backBuffer() == before, c.inProgress);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST(ScoreSheetDialog, AnUnknownPageShowsOnTheFirstPage) {
    MemoryScoreSheet s;
    s.page = 7;
    s.caption = "Game Lost";
    s.boxCaption = "Grid: 6 x 4 ";
    s.matches = 2;
    s.matchesProduct = 20;
    s.total = "   -32";
    MemoryEndDialog d(s);
    EXPECT_EQ(d.pageIndex(), 0);
    EXPECT_EQ(d.notebook()->currentIndex(), 0);
    EXPECT_EQ(d.current().lblMatchesProduct->text().toStdString(), "20");
    EXPECT_EQ(d.current().lblTotal->text().toStdString(), "-32");
}

}  // namespace
}  // namespace tessaro::test
