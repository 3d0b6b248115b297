#pragma once
// A context with "B" cards and shadows on, and a helper that lays the table
// out the way preparing a game does (unset slots, fan offsets, layout).
#include <initializer_list>
#include <string>
#include <utility>

#include "engine/context.h"
#include "table/layout.h"

namespace tessaro::test {

inline LayoutInputs inputs(int w, int h, int b, int t, int screenW, int screenH, int scroll = 0) {
    LayoutInputs in;
    in.width = w;
    in.height = h;
    in.bottom = b;
    in.top = t;
    in.screenWidth = screenW;
    in.screenHeight = screenH;
    in.scrollPos = scroll;
    return in;
}

/// A 1024 x 768 main window on a 1024 x 768 screen: 17-pixel scroll bar,
/// client height 718, toolbar bottom 40.
inline LayoutInputs window1024() { return windowInputs(1024, 17, 768, 718, 40, 1024, 768); }
/// An 800 x 600 main window on a 1024 x 768 screen.
inline LayoutInputs window800() { return windowInputs(800, 17, 600, 550, 40, 1024, 768); }

struct TableFixture {
    Context ctx;
    TableHost host;

    explicit TableFixture(const char* cardLetter = "B") {
        ctx.reg.initialise("/nowhere/");
        ctx.reg.write(reg::CardSize, cardLetter);
        ctx.reg.write(reg::CardsShadowed, "Y");
        ctx.reg.write(reg::IrregularPiles, "N");
        setCardSize(ctx, host);
        setShadowDepth(ctx);
    }

    void params(std::initializer_list<std::pair<int, int>> values) {
        for (auto [p, v] : values) ctx.P.set(p, v);
    }

    /// Unsets every slot, sets the fan offsets and lays the table out;
    /// answers the placed piles.
    std::string layout(const LayoutInputs& in) {
        ctx.layout.resetPositions();
        setFanOffsets(ctx);
        layoutTable(ctx, in);
        return placedPiles(ctx.layout);
    }
};

}  // namespace tessaro::test
