#pragma once
// Which pile and card lie under a point of the window, and where a given card
// is drawn. Both use the layout and the pile geometry; coordinates are window
// coordinates (the scroll offset already subtracted), as the mouse gives them.
#include <optional>
#include <string>

namespace tessaro {

struct Context;

/// A rectangle with inclusive left/top and exclusive right/bottom edges.
struct CardRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const CardRect&, const CardRect&) = default;
};

struct PileHit {
    std::string pile;  ///< empty when no pile lies under the point
    int card = 0;      ///< the card under the point, 0 when none
    CardRect rect;     ///< that card's rectangle (the pile's when it has no card)
};

/// The pile under (x, y): the stock piles, the tableau rows in use (last to
/// first when the tableau fan mode is 4), the foundations, the reserve cells in
/// use. A row or reserve answers only when one of its cards lies under the
/// point; gaps ("000") are not cards.
PileHit pileUnderPoint(const Context& ctx, int x, int y);

struct CardPlace {
    std::string pile;
    CardRect rect;
};

/// The pile holding `card` and the rectangle it is drawn in, searched among the
/// piles on the table: stock piles, foundations, tableau rows, reserve cells.
std::optional<CardPlace> cardPlace(const Context& ctx, int card);

}  // namespace tessaro
