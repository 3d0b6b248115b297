#pragma once
// Where the keyboard is on the table: plain data kept in the context, so that
// the move input by keys can be played and tested without a window.
#include <string>

namespace tessaro {

struct TableFocus {
    /// The focused pile by name; empty until the first key (the first card of
    /// the first row then).
    std::string pile;
    /// The focused card as its place in the pile text, 0 the bottom card; -1
    /// for the pile itself (an empty pile, the stock piles and foundations).
    int depth = -1;
    /// True once a table key was used; a mouse press hides the frame again.
    bool shown = false;
    /// The card picked up by keys (with the cards above it); 0 when none.
    int held = 0;
};

}  // namespace tessaro
