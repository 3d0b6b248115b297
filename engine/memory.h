#pragma once
// The four Memory games played on the engine. Their cards lie face down in a
// grid of tableau rows; the game kind (P[50]) decides what a good turn is,
// what happens to matched cards and what a miss costs:
//   37 Pairs          two identical cards (a card and its second-deck twin)
//   39 Concentration  two cards of the same rank
//   36 Ace-To-King    the cards in ascending order, ace first
//   38 Forget me not  ten cards shown for ten seconds, then rebuilt in order
//                     from their scattered twins
// Matched cards go to Mazzo_Waste and leave the gap "000" in their row, so
// every other card keeps its place in the grid.
#include <string_view>

#include "engine/context.h"

namespace tessaro {

inline constexpr int kAceToKing = 36;
inline constexpr int kPairs = 37;
inline constexpr int kForgetMeNot = 38;
inline constexpr int kConcentration = 39;

/// Milliseconds between two cards turned back, hidden or revealed.
inline constexpr int kMemoryStepMs = 200;
/// Forget me not: the marked answers are seen this long before the score sheet.
inline constexpr int kAnswerPauseMs = 1000;
/// How long a miss stays on the table before its cards turn back (the
/// "Show a miss for" choice); 0 for "until the next click".
int missShowMs(const Context& ctx);
/// The preview of Forget me not lasts until more than this many seconds have passed.
inline constexpr int kPreviewSeconds = 10;

/// True for the four Memory kinds (36 to 39).
bool isMemoryKind(int kind);
/// True for the kinds whose player turns grid cards by clicking (36, 37, 39).
bool isMemoryClickKind(int kind);

/// Turns a card face up: an undo record, the face flag, the card drawn in its
/// place (with the turning animation when card shadows are on) and "Face_up".
void turnFaceUp(Context& ctx, int card);

/// A click on a face-down card of tableau row `row` (0-based) in kinds 36, 37
/// and 39: the kind's turn, then the score refresh, the won flag and, once no
/// face-down card is left in the grid, the end of the game. False (and nothing
/// changed) when the card is not a face-down card of that row.
bool memoryClick(Context& ctx, int card, int row);

/// The miss: the miss counter grows by one and every face-up card of the
/// tableau rows, in row order, is turned face down again, one every 200 ms
/// without taking input.
void turnBack(Context& ctx);

/// Ace-To-King: appends the card to the run kept in Appogg1 and returns the
/// run length (0 when the run is broken).
int extendRun(Context& ctx, int card);

/// True when no tableau row in use holds a face-down card (gaps skipped).
bool noFaceDownCardInGrid(const Context& ctx);

/// Seconds shown by the time display "h:nn:ss"; 0 when it does not parse.
long elapsedFromClockText(std::string_view text);

/// Forget me not, at every clock tick: once the preview has been shown for
/// more than ten seconds, hides the ten cards, scatters their twins over the
/// scatter rows 11 onward and reveals them.
void previewCheck(Context& ctx);

/// Forget me not, after every executed move onto a tableau row: once the
/// answer rows 1 to 10 all hold a card, shows the cards to remember again,
/// marks the correct answers, refreshes the score and ends the game.
void answerCheck(Context& ctx);

/// Forget me not: the number of answer rows whose first card is the twin of
/// the bottom card of the foundation with the same number, drawing the
/// highlight frame around each correct card and the wrong-answer mark over
/// every other answer. 0 while any answer row is empty.
int markCorrectAnswers(Context& ctx);

}  // namespace tessaro
