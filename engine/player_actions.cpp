#include "engine/player_actions.h"

#include "engine/input.h"

namespace tessaro {

std::string pileOf(Context& ctx, int card) {
    const Found f = ctx.piles.findCard(card, FindAction::None, ctx.P);
    return f.where == Where::NotFound ? std::string() : pileName(f.pile);
}

void clickCard(Context& ctx, int card) {
    tablePress(ctx, MouseButton::Left, false, Hit{pileOf(ctx, card), card});
    tableRelease(ctx, {});
}

bool moveCard(Context& ctx, int card, const std::string& pile) {
    const Hit hit{pileOf(ctx, card), card};
    // A face-down card is not picked up (the press would turn it).
    if (hit.pile.empty() || ctx.cards.faceDown(card) || !tablePress(ctx, MouseButton::Left, false, hit) ||
        ctx.drag.card != card) {
        tableRelease(ctx, {});
        return false;
    }
    tableMove(ctx, false);
    return tableRelease(ctx, {pile});
}

void clickStock(Context& ctx) {
    tablePress(ctx, MouseButton::Left, false, Hit{"Mazzo", ctx.piles.top({PileKind::Stock, kMazzo})});
    tableRelease(ctx, {});
}

}  // namespace tessaro
