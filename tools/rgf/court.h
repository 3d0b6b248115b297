#pragma once
// The pictures of the court cards and the joker.
#include <QPainter>
#include <QRectF>

#include "art.h"

namespace rgf {

/// Classic double-ended court figure (rank 11 jack, 12 queen, 13 king) inside
/// the frame; k is the card's scale against the big size.
void drawCourt(QPainter& p, const QRectF& frame, Suit s, int rank, double k);
/// The plain set's court: tinted panel, crown or cap, large letter, suit.
void drawPlainCourt(QPainter& p, const QRectF& frame, Suit s, int rank, double k);
/// The jester of the joker; double-ended when `mirrored`.
void drawJester(QPainter& p, const QRectF& frame, double k, bool mirrored);

}  // namespace rgf
