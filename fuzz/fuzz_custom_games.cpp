// Fuzz target: the custom games file DATA/GAM_CUST.DAT. The input is the file;
// custom games are looked up by number (a few fixed ones and one the input
// names in its second line), then checked against the screen width, which
// reads the base game's catalogue line.
#include <cstdint>
#include <string>

#include "engine/context.h"
#include "fuzz/fuzz_support.h"
#include "platform/text_file.h"
#include "stores/catalogue.h"

using namespace tessaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Context* ctx = [] {
        auto* c = new Context;
        c->reg.initialise(fuzz::programFolder());
        c->mainGame.addLine(" 01 0010 Klondike");
        c->mainGame.addLine(" 02 2001 Memory-Up (6x4)");
        return c;
    }();
    fuzz::writeFile("DATA/GAM_CUST.DAT", data, size);
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto lines = splitLines(text);
    int named = kFirstCustomGame;
    if (lines.size() > 1) {
        try {
            named = std::stoi(lines[1].substr(0, 4));
        } catch (...) {
        }
    }
    for (int number : {kFirstCustomGame, kFirstCustomGame + 1, 9999, named}) {
        const CustomGame g = customGame(ctx->reg, number, "given");
        (void)playableOnScreen(*ctx, number, 640);
        (void)ctx->mainGame.name(g.baseGame);
    }
    return 0;
}
