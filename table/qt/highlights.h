#pragma once
// Marks over completed foundations, and the joker caption above a foundation
// of the joker games.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace tessaro {

struct Context;

/// The highlight colour of a colour index 0-14; the default for any other.
QColor highlightColour(int index, QColor fallback);

/// True when foundation i holds its completion count (parameter 115 + i, or
/// parameter 32 when that is -1).
bool foundationComplete(const Context& ctx, int i);

/// Draws mark type 1-5 over one card rectangle of the canvas (type 0 and
/// others draw nothing). The painter state of the canvas is left as it was.
void drawHighlightMark(QImage& canvas, const QRect& card, int markType, QColor colour);

struct HighlightStyle {
    int mark = 0;         ///< `HighLights_Foundations_Mark`
    int colourIndex = 0;  ///< `HighLights_Foundations_Color`
};

/// Marks the complete foundations (index -1: all of them) over their top
/// card on the back buffer (y moved down by the scroll offset), in the card
/// size of the layout. `topCard` gives the window position of a foundation's
/// top card (nothing when the foundation is not on the table); without it
/// the pile geometry's CardX and CardY are used. Answers the window
/// rectangles drawn, for the caller to refresh.
std::vector<QRect> highlightFoundations(const Context& ctx, int index, const HighlightStyle& style, QImage& backBuffer,
                                        int scrollOffset, const std::function<std::optional<QPoint>(int)>& topCard = {});

/// The joker captions of the foundations; remembers which joker position each
/// caption shows so that an unchanged caption is not drawn again.
class JokerCaptions {
public:
    /// The caption of foundation `f` at (foundation x + card width / 2 - 29,
    /// y - 18), 59 x 14: "Joker = " + rank name (one character) or "Joker=" +
    /// rank name (two), the suit symbol at (x + 48, y + 2); any rank outside
    /// 1-13 restores the strip from the background buffer. `key` is the
    /// joker's position (foundation x 100 + place + 100). Draws on the back
    /// buffer and answers the strip, or nothing when the key did not change.
    std::optional<QRect> show(int f, QPoint foundation, int cardWidth, int suit, int key, int rank, QImage& backBuffer,
                              const QImage& backgroundBuffer, int scrollOffset = 0);
    void reset() { last_.clear(); }

private:
    std::map<int, int> last_;
};

/// The text of a joker caption for ranks 1-13 ("Joker = A", "Joker=10").
QString jokerCaptionText(int rank);

}  // namespace tessaro
