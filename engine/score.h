#pragma once
// The score of the current position, by game type (P[50]).
#include "engine/context.h"

namespace tessaro {

/// The score of the current position; P[50] = 9 scores 0 (and is never shown).
int currentScore(const Context& ctx);
/// The standard score: foundation and put-away cards against the deck size.
int standardScore(const Context& ctx);
/// Recomputes the score; unless P[50] = 9, shows it and stores it at (122, 6).
void refreshScore(Context& ctx);

/// Ace-To-King: length of the run kept in Appogg1 (0 when it is broken).
int runLength(const Context& ctx);
/// Forget me not: answer rows 1-10 whose first card is the twin of the bottom
/// card of the foundation with the same number; 0 while any answer row is empty.
int correctAnswers(const Context& ctx);

}  // namespace tessaro
