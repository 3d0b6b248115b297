#include "engine/memory.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/end_game.h"
#include "engine/execute.h"
#include "engine/history.h"
#include "engine/score.h"
#include "engine/sounds.h"

namespace tessaro {

namespace {

constexpr PileRef kWasteRef{PileKind::Stock, kMazzoWaste};
// Answer rows 1-10 (indices 0-9); the scatter rows follow from row 11 (index 10).
constexpr int kAnswerRows = 10;
constexpr int kFirstScatterRow = 10;

int rowsInUse(const Context& ctx) { return std::clamp(ctx.P.rows(), 0, kRows); }
int foundationsInUse(const Context& ctx) { return std::clamp(ctx.P.foundations(), 0, kFoundations); }

// A card found in the grid: its row and its position in the row.
struct GridPlace {
    int row = -1;
    int position = -1;
};

// The face-up cards of the tableau rows in use, in row order, gaps skipped.
std::vector<int> faceUpGridCards(const Context& ctx) {
    std::vector<int> out;
    for (int r = 0, rows = rowsInUse(ctx); r < rows; ++r) {
        const std::string& row = ctx.piles.fila(r);
        for (std::size_t i = 0; i + 3 <= row.size(); i += 3) {
            const int card = cardAt(row, i);
            if (CardTable::valid(card) && ctx.cards.faceUp(card)) out.push_back(card);
        }
    }
    return out;
}

GridPlace placeInGrid(const Context& ctx, int card) {
    const std::string key = card3(card);
    for (int r = 0, rows = rowsInUse(ctx); r < rows; ++r) {
        const std::string& row = ctx.piles.fila(r);
        for (std::size_t i = 0; i + 3 <= row.size(); i += 3)
            if (row.compare(i, 3, key) == 0) return {r, static_cast<int>(i / 3)};
    }
    return {};
}

// Pairs: the same card of both decks; Concentration: any two of one rank.
bool isPair(int kind, int a, int b) {
    if (a == 0 || rank(a) != rank(b)) return false;
    if (kind == kPairs) return a + 52 == b || b + 52 == a;
    return true;
}

// A found pair leaves the grid: each face-up card, in row order, goes to the
// put-away pile by an executed move whose history record is dropped again, so
// that undo cannot take a match back; its place in the row becomes a gap.
void putAwayFaceUpCards(Context& ctx) {
    for (const int card : faceUpGridCards(ctx)) {
        const GridPlace at = placeInGrid(ctx, card);
        const int before = ctx.history.undo.records();
        executeMove(ctx, card, "Waste");
        if (ctx.history.undo.records() > before) dropLastRecords(ctx, 1);
        if (at.row >= 0) {
            std::string& row = ctx.piles.fila(at.row);
            const std::size_t offset = static_cast<std::size_t>(at.position) * 3;
            row.insert(std::min(offset, row.size()), "000");
            ctx.presentation->drawPile({PileKind::Row, at.row});
        }
        ctx.presentation->flyCard(card, kWasteRef);
    }
}

// Kinds 37 and 39: compare the two face-up cards once a second one is up.
void pairsTurn(Context& ctx, int card) {
    int count = 0;
    int a = 0;
    int b = 0;
    for (const int up : faceUpGridCards(ctx)) {
        ++count;
        if (count == 1) a = up;
        else if (count == 2) b = up;
    }
    if (count < 2) {
        turnFaceUp(ctx, card);
        b = card;
        ++count;
    }
    if (count != 2) return;
    if (isPair(ctx.P[50], a, b)) putAwayFaceUpCards(ctx);
    else turnBack(ctx);
}

// Kind 36: the card extends the run or breaks it.
void aceToKingTurn(Context& ctx, int card) {
    turnFaceUp(ctx, card);
    const int length = extendRun(ctx, card);
    std::string& run = ctx.piles.appogg(0);
    if (length != static_cast<int>(run.size() / 3)) {
        run.clear();
        turnBack(ctx);
    }
}

// The end of a Memory game. A lost game is followed by no animation and no
// game selection, so the table is drawn again with its background at once.
void finishGame(Context& ctx) {
    if (endOfGame(ctx) == 0) ctx.presentation->drawTable(true, false);
}

}  // namespace

bool isMemoryKind(int kind) { return kind >= kAceToKing && kind <= kConcentration; }

bool isMemoryClickKind(int kind) { return kind == kAceToKing || kind == kPairs || kind == kConcentration; }

void turnFaceUp(Context& ctx, int card) {
    pushHistory(ctx);
    ctx.cards.setFace(card, '1');
    ctx.presentation->drawCard(card, switchOn(ctx, reg::CardsShadowed));
    playSound(ctx, "Face_up", reg::SoundFaceUp);
}

bool memoryClick(Context& ctx, int card, int row) {
    if (!CardTable::valid(card) || !ctx.cards.faceDown(card)) return false;
    if (row < 0 || row >= rowsInUse(ctx) || placeInGrid(ctx, card).row != row) return false;
    const int kind = ctx.P[50];
    if (kind == kAceToKing) aceToKingTurn(ctx, card);
    else if (kind == kPairs || kind == kConcentration) pairsTurn(ctx, card);
    else return false;
    refreshScore(ctx);
    ctx.run.setFlag(Flag::Won, wonTest(ctx));
    if (noFaceDownCardInGrid(ctx)) finishGame(ctx);
    return true;
}

int missShowMs(const Context& ctx) {
    const std::string choice = ctx.reg.read(reg::MissShowTime);
    if (choice == "Click") return 0;
    for (const int ms : {500, 1000, 2000})
        if (choice == std::to_string(ms)) return ms;
    return kMemoryStepMs;
}

void turnBack(Context& ctx) {
    ++ctx.mainGame.missCount;
    // The miss stays in view as long as the player chose; the cards then turn
    // back one every 200 ms.
    const int shown = missShowMs(ctx);
    bool first = true;
    for (const int card : faceUpGridCards(ctx)) {
        if (first && shown == 0) ctx.presentation->wait(kMemoryStepMs, Wait::UntilClick);
        else ctx.presentation->wait(first ? shown : kMemoryStepMs, Wait::Blocking);
        first = false;
        ctx.cards.setFace(card, '0');
        ctx.presentation->drawCard(card, false);
    }
}

int extendRun(Context& ctx, int card) {
    if (CardTable::valid(card)) ctx.piles.appogg(0) += card3(card);
    return runLength(ctx);
}

bool noFaceDownCardInGrid(const Context& ctx) {
    for (int r = 0, rows = rowsInUse(ctx); r < rows; ++r) {
        const std::string& row = ctx.piles.fila(r);
        for (std::size_t i = 0; i + 3 <= row.size(); i += 3)
            if (ctx.cards.faceDown(cardAt(row, i))) return false;
    }
    return true;
}

long elapsedFromClockText(std::string_view text) {
    long parts[3] = {0, 0, 0};
    int field = 0;
    bool digits = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (parts[field] > 100000) return 0;
            parts[field] = parts[field] * 10 + (c - '0');
            digits = true;
        } else if (c == ':' && digits && field < 2) {
            ++field;
            digits = false;
        } else {
            return 0;
        }
    }
    if (field != 2 || !digits) return 0;
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

void previewCheck(Context& ctx) {
    if (ctx.P[50] != kForgetMeNot) return;
    if (elapsedFromClockText(ctx.clockText) <= kPreviewSeconds) return;
    const std::string& first = ctx.piles.dest(0);
    if (first.empty() || !ctx.cards.faceUp(cardAt(first, 0)) || !ctx.piles.fila(0).empty()) return;
    const int foundations = foundationsInUse(ctx);
    const int rows = rowsInUse(ctx);

    // Hide the cards to remember.
    pushHistory(ctx);
    for (int k = 0; k < foundations; ++k) {
        const std::string& pile = ctx.piles.dest(k);
        for (std::size_t i = 0; i + 3 <= pile.size(); i += 3) {
            const int card = cardAt(pile, i);
            if (!CardTable::valid(card) || ctx.cards.faceDown(card)) continue;
            ctx.presentation->wait(kMemoryStepMs, Wait::Blocking);
            ctx.cards.setFace(card, '0');
            ctx.presentation->drawCard(card, false);
        }
    }

    // Scatter their twins, each from a random row 11-19 to the next empty
    // scatter row, wrapping from the last row in use to row 11.
    pushHistory(ctx);
    const int scatterRows = rows - kFirstScatterRow;
    for (int k = 0; k < foundations && scatterRows > 0; ++k) {
        const std::string& pile = ctx.piles.dest(k);
        const int shown = pile.empty() ? 0 : cardAt(pile, 0);
        if (shown < 1 || shown > 52) continue;
        const int twin = shown + 52;
        int row = ctx.rng.next(9) + kFirstScatterRow;
        if (row >= rows) row = kFirstScatterRow;
        // choice: every scatter row is tried at most once, so that rule data
        // with fewer scatter rows than cards cannot loop for ever; a twin that
        // finds no empty row is left out.
        int tried = 1;
        while (!ctx.piles.fila(row).empty() && tried < scatterRows) {
            row = row + 1 >= rows ? kFirstScatterRow : row + 1;
            ++tried;
        }
        if (!ctx.piles.fila(row).empty()) continue;
        ctx.piles.append(PileRef{PileKind::Row, row}, twin, ctx.cards, '1');
    }

    // Reveal the scatter rows one by one.
    const int lastShown = std::min(rows, kFirstScatterRow + foundations);
    for (int r = kFirstScatterRow; r < lastShown; ++r) {
        const int card = ctx.piles.top({PileKind::Row, r});
        if (card == 0) continue;
        ctx.presentation->wait(kMemoryStepMs, Wait::Blocking);
        ctx.presentation->drawCard(card, false);
    }
}

void answerCheck(Context& ctx) {
    if (ctx.P[50] != kForgetMeNot) return;
    for (int j = 0; j < kAnswerRows; ++j)
        if (ctx.piles.fila(j).empty()) return;
    for (int k = 0, n = foundationsInUse(ctx); k < n; ++k) {
        const std::string& pile = ctx.piles.dest(k);
        for (std::size_t i = 0; i + 3 <= pile.size(); i += 3) {
            const int card = cardAt(pile, i);
            if (!ctx.cards.faceDown(card)) continue;
            ctx.cards.setFace(card, '1');
            ctx.presentation->drawCard(card, false);
        }
    }
    markCorrectAnswers(ctx);
    refreshScore(ctx);
    // The marked rows are seen before the score sheet covers them.
    ctx.presentation->wait(kAnswerPauseMs, Wait::Blocking);
    finishGame(ctx);
}

int markCorrectAnswers(Context& ctx) {
    const int correct = correctAnswers(ctx);
    for (int j = 0; j < kAnswerRows; ++j) {
        const std::string& dest = ctx.piles.dest(j);
        if (dest.empty()) continue;
        const int answer = cardAt(ctx.piles.fila(j), 0);
        if (answer == 0) continue;
        if (answer == cardAt(dest, 0) + 52) ctx.presentation->markCard(answer);
        else ctx.presentation->markWrongCard(answer);
    }
    return correct;
}

}  // namespace tessaro
