#include "engine/score.h"

#include <algorithm>

namespace tessaro {

namespace {

int cardsOn(const std::string& pile) { return static_cast<int>(pile.size() / 3); }

int rows(const Context& ctx) { return std::min(std::max(ctx.P.rows(), 0), kRows); }

// True when the row holds exactly nine cards ranked 9, 8, ... 1 from the bottom up.
bool nineDown(const std::string& row) {
    if (cardsOn(row) != 9) return false;
    for (int i = 0; i < 9; ++i)
        if (rank(cardAt(row, static_cast<std::size_t>(i) * 3)) != 9 - i) return false;
    return true;
}

}  // namespace

int runLength(const Context& ctx) {
    const std::string& run = ctx.piles.appogg(0);
    const int n = cardsOn(run);
    if (n == 0) return 0;
    if (n == 1) return rank(cardAt(run, 0)) == 1 ? 1 : 0;
    int count = 0;
    for (int i = 1; i < n; ++i) {
        const int below = rank(cardAt(run, static_cast<std::size_t>(i - 1) * 3));
        if (rank(cardAt(run, static_cast<std::size_t>(i) * 3)) != below + 1) break;
        ++count;
    }
    return count == 0 ? 0 : count + 1;
}

int correctAnswers(const Context& ctx) {
    for (int j = 0; j < 10; ++j)
        if (ctx.piles.fila(j).empty()) return 0;
    int correct = 0;
    for (int j = 0; j < 10; ++j) {
        const std::string& dest = ctx.piles.dest(j);
        if (dest.empty()) continue;
        if (cardAt(ctx.piles.fila(j), 0) == cardAt(dest, 0) + 52) ++correct;
    }
    return correct;
}

int standardScore(const Context& ctx) {
    if (ctx.reg.read(reg::ScoringMode) != "01") return 0;
    const int deck = ctx.P.cards();
    int start = 0;
    switch (ctx.P[47]) {
    case 0: start = -deck; break;
    case 1: start = deck == 104 ? -64 : -32; break;
    case 2: start = -28; break;
    default: start = 0; break;
    }
    int score = start + 5 * ctx.P[46] + 5 * cardsOn(ctx.piles.stock(kMazzoWaste)) - 5 * ctx.P[373];
    const int foundations = std::min(std::max(ctx.P.foundations(), 0), kFoundations);
    for (int i = 0; i < foundations; ++i) score += 5 * cardsOn(ctx.piles.dest(i));
    return score;
}

int currentScore(const Context& ctx) {
    const int deck = ctx.P.cards();
    const int waste = cardsOn(ctx.piles.stock(kMazzoWaste));
    switch (ctx.P[50]) {
    case 9:
    case 32:
    case 40:
    case 41:
    case 42:
    case 46: return 0;
    case 34: {
        int score = -deck;
        for (int i = 0; i < rows(ctx); ++i) {
            const std::string& row = ctx.piles.fila(i);
            if (row.empty()) break;
            const int bottom = cardAt(row, 0);
            if (bottom != i + 1 && bottom != i + 14) break;
            score += 10;
        }
        return score;
    }
    case 35: return 10 * waste - deck;
    case 36: return 15 * runLength(ctx) - ctx.mainGame.missCount - 52;
    case 37: return 10 * (waste / 2) - 2 * ctx.mainGame.missCount - 52;
    case 38: return 10 * correctAnswers(ctx) - deck;
    case 39: return 7 * (waste / 2) - ctx.mainGame.missCount - 52;
    case 43: {
        int score = -deck;
        for (int i = 0; i < rows(ctx); ++i)
            if (nineDown(ctx.piles.fila(i))) score += 225;
        return score;
    }
    case 44: return -deck;
    case 47: {
        for (int i = 0; i < rows(ctx); ++i)
            if (!ctx.piles.fila(i).empty()) return 5 * waste - deck;
        return 5 * deck - deck;
    }
    case 48: return 5 * ctx.P[46] + 5 * cardsOn(ctx.piles.dest(1)) - deck;
    case 49: {
        int score = 5 * ctx.P[46] - deck;
        for (int i = 0; i < 24; ++i) score += 5 * cardsOn(ctx.piles.fila(i));
        return score;
    }
    default: return standardScore(ctx);
    }
}

void refreshScore(Context& ctx) {
    if (ctx.P[50] == 9) return;
    ctx.reg.writePlain(reg::Score, currentScore(ctx));
    ctx.presentation->showScore();
    // The joker foundations show their cards' current meaning on the pictures.
    if (ctx.P[83] == 72 || ctx.P[83] == 75) ctx.presentation->drawTable(false, false);
}

}  // namespace tessaro
