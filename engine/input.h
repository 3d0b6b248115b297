#pragma once
// Move input without pixels: what a press, a release, a double or right click
// does once the pile and card under the pointer are known; the automatic target
// search; the stock click. Hit-testing and the dragged image belong to the table.
#include <string>
#include <string_view>
#include <vector>

#include "engine/context.h"

namespace tessaro {

enum class MouseButton { Left = 0, Right = 1, Middle = 2 };

/// What the pointer is on: a pile name (empty for none) and the card (0 for none).
struct Hit {
    std::string pile;
    int card = 0;
};

/// The card a move takes and how many cards come with it (the card and the
/// cards above it in its pile).
int cardsFromCardUp(const Context& ctx, int card);

/// Judges `card` against one candidate pile and executes the move when it is
/// accepted ("Fila"n, "Dest"n or "Dest_Autoplay"n, "Appogg"n, "Stock02").
bool tryDrop(Context& ctx, int card, std::string_view pile, bool byAutoplay);
/// The automatic target search of right click, double click and autoplay.
bool moveToAnyPile(Context& ctx, int card, bool foundations, bool rows, bool reserves, bool byAutoplay);
/// True when the pick-up rules let the player take `card` from `pile`; sets
/// the drag state (dragged card, cards in the dragged image).
bool canPickUp(Context& ctx, const Hit& hit);
/// The left click on the stock; true when anything changed.
bool stockClick(Context& ctx);

/// A press on the table. Returns true when it acted (moved, turned or picked
/// up a card); a press that does nothing beeps in normal play.
bool tablePress(Context& ctx, MouseButton button, bool ctrl, const Hit& hit);
/// The pointer moved while the button is down (no pixels: it only marks a held
/// card as moved, or lifts the stock's pressed state when it left the stock).
void tableMove(Context& ctx, bool leftPressedPile);
/// The release: drops a moved card on the first accepting candidate (best
/// first), or puts it back; then row filling and autoplay. True when a move
/// was executed.
bool tableRelease(Context& ctx, const std::vector<std::string>& candidates);
/// The double click; true when a move was executed.
bool tableDoubleClick(Context& ctx, const Hit& hit);

}  // namespace tessaro
