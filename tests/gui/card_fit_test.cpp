// Fitted cards: the window lays each game out with the largest card that fits
// and keeps every card in its place when it is resized during play; the card
// pictures are drawn by the library's own drawing code at the size and device
// pixel ratio asked for, faces only when first shown.
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <map>

#include "dialogs/customize_dialog.h"
#include "engine/context.h"
#include "library_fixture.h"
#include "platform/qt/resources.h"
#include "rgf/card_art.h"
#include "shell/card_size_menu.h"
#include "shell/card_table_area.h"
#include "shell_fixture.h"
#include "stores/settings.h"
#include "table/card_fit.h"
#include "table/hit.h"
#include "table/qt/card_images.h"

namespace tessaro::test {
namespace {

using CardFitWindow = ShellTest;

struct Placed {
    std::string pile;
    QRect rect;
};

// Every card on the table with its pile and rectangle (window coordinates).
std::map<int, Placed> placedCards(const Context& ctx) {
    std::map<int, Placed> out;
    for (int card = 1; card <= kCardCount; ++card)
        if (const auto p = cardPlace(ctx, card))
            out[card] = {p->pile, QRect(QPoint(p->rect.left, p->rect.top), QPoint(p->rect.right - 1, p->rect.bottom - 1))};
    return out;
}

TEST_F(CardFitWindow, ResizingDuringPlayKeepsEveryCardInItsPlaceAtTheNewSize) {
    const std::pair<int, const char*> games[] = {{200, "Memory-Up (4x3)"}, {201, "Memory-Up (6x4)"},
                                                 {202, "Memory-Up (8x5)"}, {203, "Ace-To-King"},
                                                 {204, "Forget me not"},   {205, "Concentration"},
                                                 {1, "Klondike"}};
    for (const auto& [game, name] : games) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(start(QSize(1920, 1080)));
        ASSERT_EQ(ctx().reg.read(reg::CardSize), "F");  // no size in the settings file
        // choice: the offscreen screen is 800 x 600 and the table's buffers
        // are screen-sized, so the window goes from that size to a low one.
        w().resize(800, 600);
        w().show();
        ASSERT_TRUE(w().openGame(game, name, "Player 1", 2, true));
        auto* area = dynamic_cast<shell::CardTableArea*>(w().table());
        ASSERT_NE(area, nullptr);
        // A move of play first, so the resize meets a game going on.
        const int first = ctx().piles.top({PileKind::Row, 0});
        if (const auto p = cardPlace(ctx(), first))
            QTest::mouseClick(area->view(), Qt::LeftButton, Qt::NoModifier,
                              QPoint((p->rect.left + p->rect.right) / 2, (p->rect.top + p->rect.bottom) / 2));
        const std::map<int, Placed> before = placedCards(ctx());
        const int bigH = ctx().layout.cardH;
        ASSERT_FALSE(before.empty());

        w().resize(780, 420);
        QCoreApplication::processEvents();
        const int h = ctx().layout.cardH;
        EXPECT_LT(h, bigH);
        EXPECT_EQ(ctx().layout.cardW, fittedCardWidth(h));
        const std::map<int, Placed> after = placedCards(ctx());
        ASSERT_EQ(after.size(), before.size());
        const QImage shown = area->view()->grab().toImage();
        ASSERT_EQ(shown.size(), area->view()->size());
        const QRect table = area->view()->rect();
        EXPECT_FALSE(area->scrollBar()->isVisible());
        for (const auto& [card, at] : after) {
            EXPECT_EQ(at.pile, before.at(card).pile) << "card " << card;
            EXPECT_EQ(at.rect.height(), h) << "card " << card;
            EXPECT_TRUE(table.contains(at.rect)) << "card " << card;
            // The card itself shows there, not the table under it.
            EXPECT_NE(shown.pixel(at.rect.center()), area->view()->backgroundBuffer().pixel(at.rect.center()))
                << "card " << card;
        }
        // The piles of the Memory grids hold single cards side by side: no two
        // may overlap. (Klondike's fans overlap on purpose.)
        if (game != 1) {
            for (auto a = after.begin(); a != after.end(); ++a)
                for (auto b = std::next(a); b != after.end(); ++b)
                    EXPECT_FALSE(a->second.rect.intersects(b->second.rect)) << a->first << " " << b->first;
        }
        startup.reset();
    }
}

TEST_F(CardFitWindow, ChoosingAFixedSizeIsRememberedAndDrawsTheLibrarysCards) {
    ASSERT_TRUE(start(QSize(1920, 1080)));
    w().resize(1024, 768);
    w().show();
    ASSERT_TRUE(w().openGame(202, "Memory-Up (8x5)", "Player 1", 2, true));
    EXPECT_GT(ctx().layout.cardH, 96);
    auto* sizes = w().findChild<QAction*>(QStringLiteral("mnuCardSizeLarge"));
    ASSERT_NE(sizes, nullptr);
    sizes->trigger();
    EXPECT_EQ(ctx().reg.read(reg::CardSize), "B");
    EXPECT_EQ(ctx().layout.cardW, 71);
    EXPECT_EQ(ctx().layout.cardH, 96);
    EXPECT_EQ(settingsFile(ctx().reg).readString(section::Preference, "Card_Size", ""), "B");
    // Back to fitting: the table grows again.
    shell::chooseCardSize(w(), "F");
    EXPECT_GT(ctx().layout.cardH, 96);
    EXPECT_EQ(settingsFile(ctx().reg).readString(section::Preference, "Card_Size", ""), "F");

    // The Customize dialog's Decks page: Cancel keeps the size, OK takes it.
    for (const bool ok : {false, true}) {
        dialogs::CustomizeDialog d(ctx(), w(), QSize(1920, 1080), true);
        auto* sizeList = d.findChild<QComboBox*>(QStringLiteral("cboCardSize"));
        ASSERT_NE(sizeList, nullptr);
        EXPECT_EQ(sizeList->currentData().toString(), "F");
        sizeList->setCurrentIndex(sizeList->findData(QStringLiteral("M")));
        (ok ? d.btnOK : d.btnCancel)->click();
        EXPECT_EQ(ctx().reg.read(reg::CardSize), ok ? "M" : "F");
        EXPECT_EQ(settingsFile(ctx().reg).readString(section::Preference, "Card_Size", ""), ok ? "M" : "F");
        if (ok) {
            EXPECT_EQ(ctx().layout.cardH, 80);
        } else {
            EXPECT_GT(ctx().layout.cardH, 96);
        }
    }
}

// The drawing code of the library at its own size gives the library's
// pictures, and at a device pixel ratio of 2 twice as many pixels each way.
using CardArt = LibraryTest;

TEST_F(CardArt, SameDrawingAsTheLibraryAndDevicePixels) {
    const QImage sheet = resources::bitmap("CB001S");
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(rgf::cardFace(71, 96, 3, 7, false), sheet.copy(1 * 71, 1 * 96, 71, 96));
    EXPECT_EQ(rgf::cardBack(71, 96, QStringLiteral("011")), resources::bitmap("DB011"));
    EXPECT_EQ(rgf::pileMark(59, 80, QStringLiteral("_WASTE")), resources::bitmap("WM_WASTE"));

    const QImage sharp = rgf::cardFace(150, 203, 0, 12, false, 2.0);
    EXPECT_EQ(sharp.size(), QSize(300, 406));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(rgf::cardBack(150, 203, QStringLiteral("001"), 2.0).size(), QSize(300, 406));
    EXPECT_TRUE(rgf::cardFace(150, 203, 4, 1, false).isNull());
    EXPECT_TRUE(rgf::cardBack(150, 203, QStringLiteral("999")).isNull());
}

TEST_F(CardArt, FittedImagesAreMadeOncePerSizeAndFacesOnlyWhenShown) {
    Register reg;
    reg.initialise("/nowhere/");
    reg.write(reg::CardFaceSet, "001");
    reg.write(reg::CardBack, "011");
    CardImages images;
    drawCardImages(reg, images, QSize(120, 162), 2.0);
    EXPECT_EQ(images.back.size(), QSize(240, 324));
    EXPECT_TRUE(images.marks.empty());
    EXPECT_EQ(images.mark("_TABLEAU").size(), QSize(240, 324));
    EXPECT_EQ(images.marks.size(), 1u);
    EXPECT_TRUE(images.mark("999").isNull());
    for (const QImage& f : images.faces) EXPECT_TRUE(f.isNull());
    const QImage queen = images.face(11);
    EXPECT_EQ(queen.size(), QSize(240, 324));
    EXPECT_EQ(queen.devicePixelRatio(), 2.0);
    int made = 0;
    for (const QImage& f : images.faces) made += f.isNull() ? 0 : 1;
    EXPECT_EQ(made, 1);
    // The same size again keeps what was made; another size starts afresh.
    drawCardImages(reg, images, QSize(120, 162), 2.0);
    EXPECT_FALSE(images.faces[11].isNull());
    drawCardImages(reg, images, QSize(90, 122), 2.0);
    EXPECT_TRUE(images.faces[11].isNull());
    EXPECT_EQ(images.face(11).size(), QSize(180, 244));
}

}  // namespace
}  // namespace tessaro::test
