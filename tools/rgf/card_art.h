#pragma once
// The card pictures of the resource library drawn at any size: the same
// drawing code that makes the library's bitmaps, for a card of w x h card
// pixels. With a device pixel ratio above 1 the picture holds that many
// pixels per card pixel (and says so in its device pixel ratio), so it stays
// sharp on a high-density screen. Anything the drawing code does not know
// answers an empty picture.
#include <QImage>
#include <QString>

namespace rgf {

/// Face of suit 0..3 (hearts, diamonds, clubs, spades) and rank 1..13; the
/// plain faces are those of card set 003.
QImage cardFace(int w, int h, int suit, int rank, bool plain, qreal dpr = 1);
QImage jokerFace(int w, int h, qreal dpr = 1);
/// Back by its three-digit number ("001", "011", ...).
QImage cardBack(int w, int h, const QString& number, qreal dpr = 1);
/// Empty-pile mark by its code ("_WASTE", "004", "010", ...).
QImage pileMark(int w, int h, const QString& code, qreal dpr = 1);
/// Dithered shadow strip, black on white: right of the card (right = true)
/// or below it.
QImage cardShadowStrip(int w, int h, bool right);
/// Raised or sunken 3D frame on blue (the see-through colour).
QImage cardBorder(int w, int h, bool raised);

}  // namespace rgf
