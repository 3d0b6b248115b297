// The marks of empty piles as the table draws them, and Memory rows whose
// cards have all been taken: a row of gaps shows the table, not a mark.
#include <gtest/gtest.h>

#include <QPainter>
#include <memory>
#include <string>

#include "engine/context.h"
#include "library_fixture.h"
#include "support/context_builder.h"
#include "table/qt/card_images.h"
#include "table/qt/table_view.h"
#include "table_game_fixture.h"

namespace tessaro {
namespace {

class EmptyMarks : public test::LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        view = test::tableForGame(ctx, 1, 900, 700);
        loadCardImages(ctx.reg, images, false);
    }

    // The background at `at` with the mark of `code` drawn over it.
    QImage expected(const std::string& code, QPoint at) const {
        QImage out = view->backgroundBuffer().copy(QRect(at, QSize(71, 96)));
        const auto it = images.marks.find(code);
        if (it == images.marks.end() || it->second.isNull()) return QImage();
        QPainter p(&out);
        p.drawImage(0, 0, it->second);
        return out;
    }
    QImage shown(QPoint at) const { return view->backBuffer().copy(QRect(at, QSize(71, 96))); }
    QPoint row(int i) const { return QPoint(ctx.layout.fila[i].x, ctx.layout.fila[i].y); }

    Context ctx;
    CardImages images;
    std::unique_ptr<TableView> view;
};

TEST_F(EmptyMarks, EmptyRowShowsItsBaseRankOrTheMarkOfItsCode) {
    struct Case {
        int code;
        const char* mark;  // empty: nothing drawn
    } cases[] = {{0, "_TABLEAU"}, {20, "004"}, {5, "015"}, {13, "011"}, {58, "010"}, {90, "012"}, {94, ""}};
    int i = 0;
    for (const Case& c : cases) ctx.P.set(131 + i++, c.code);
    ctx.P.set(367, i);
    for (int k = 0; k < i; ++k) ASSERT_TRUE(ctx.layout.fila[k].placed()) << k;
    view->drawTable(true, false);
    i = 0;
    for (const Case& c : cases) {
        const QPoint at = row(i++);
        if (*c.mark == '\0') {
            EXPECT_EQ(shown(at), view->backgroundBuffer().copy(QRect(at, QSize(71, 96)))) << c.code;
            continue;
        }
        const QImage want = expected(c.mark, at);
        ASSERT_FALSE(want.isNull()) << c.mark;
        const QImage got = shown(at);
        int diffs = 0;
        QPoint firstDiff(-1, -1);
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x)
                if (got.pixel(x, y) != want.pixel(x, y) && diffs++ == 0) firstDiff = QPoint(x, y);
        EXPECT_EQ(diffs, 0) << c.code << " first at " << firstDiff.x() << "," << firstDiff.y();
    }
}

TEST_F(EmptyMarks, EmptyReserveShowsTheMarkItsCodesChoose) {
    struct Case {
        int first;  // parameter 331
        int own;    // parameter 331 + i
        const char* mark;
    } cases[] = {{0, 4, "_TABLEAU"}, {9, 0, "009"}, {8, 0, "011"}, {0, 88, "006"},
                 {0, 89, "003"},     {0, 90, "011"}, {0, 107, "010"}, {0, 0, "001"}};
    const QPoint at(300, 400);
    for (const Case& c : cases) {
        ctx.P.set(331, c.first);
        ctx.P.set(332, c.own);
        view->drawTable(true, false);
        view->drawEmptyMark(5, at.x(), at.y(), 1);
        EXPECT_EQ(shown(at), expected(c.mark, at)) << c.first << "/" << c.own;
    }
}

TEST(MemoryGaps, RowOfGapsShowsTheTableAndARowWithCardsItsCards) {
    ASSERT_TRUE(resources::loadResourceLibrary(test::libraryPath()));
    Context ctx;
    auto view = test::tableForGame(ctx, 201, 900, 700);
    test::setPile(ctx, "Fila1", "000000000000000000000000");
    test::setPile(ctx, "Fila2", "000001000000000000000000");
    view->drawTable(true, false);
    const QRect first(ctx.layout.fila[0].x, ctx.layout.fila[0].y, 71, 96);
    EXPECT_EQ(view->backBuffer().copy(first), view->backgroundBuffer().copy(first));
    // The second row's one card lies in its second place; its first place is a gap.
    const QRect second(ctx.layout.fila[1].x, ctx.layout.fila[1].y, 71, 96);
    EXPECT_EQ(view->backBuffer().copy(second), view->backgroundBuffer().copy(second));
    EXPECT_NE(view->backBuffer().pixel(second.center() + QPoint(77, 0)),
              view->backgroundBuffer().pixel(second.center() + QPoint(77, 0)));
}

}  // namespace
}  // namespace tessaro
