#include "cli/play_setup.h"

#include "cli/cli.h"
#include "engine/new_game.h"

namespace tessaro::cli {

std::string dealNumberArgument(const std::string& text) {
    if (text.empty() || text.size() > 13) throw UsageError{"--deal needs a deal number of up to 13 digits"};
    for (char c : text)
        if (c < '0' || c > '9') throw UsageError{"--deal needs a deal number of up to 13 digits, got '" + text + "'"};
    return std::string(13 - text.size(), '0') + text;
}

void startGame(Context& ctx, const std::string& dealNumber) {
    ctx.reg.write(reg::ScoringMode, "01");
    ctx.reg.write(reg::AutoFaceUp, "Y");
    ctx.reg.write(reg::ConfirmQuit, "N");
    ctx.autoplay.checked = false;
    ctx.reg.write(reg::DealNumber, dealNumber);
    newGame(ctx, 1, false, 1, true);
}

}  // namespace tessaro::cli
