#pragma once
// Working values of the move code for the current game: what the executor,
// the move input and autoplay remember between calls. New game resets them.
#include <array>

#include "stores/catalogue.h"

namespace tessaro {

// The move code's values that live beside those of the catalogue object
// (redeals, moves made, play mode, ... are there).
struct MoveState {
    int highestExtent = 0;        ///< largest bottom edge reached by a pile (scroll range)
    bool movedWhileHeld = false;  ///< the pointer moved while a card was held
    /// Per foundation, where its joker lay when its caption was last shown
    /// (foundation index x 100 + place in the pile + 100); 0 for none.
    std::array<int, 16> jokerPlaces{};
};

/// Normal play: the play modes in which the player moves (0 and 3).
inline bool normalPlay(const MainGame& game) { return game.playMode == 0 || game.playMode == 3; }

/// The autoplay switch: the "Au&toplay" menu entry's check mark and whether
/// the entry is enabled (the scope preference is the catalogue object's).
struct AutoplaySwitch {
    bool checked = false;
    bool enabled = true;
    bool on() const { return checked && enabled; }
};

}  // namespace tessaro
