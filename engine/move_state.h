#pragma once
// Working values of the move code for the current game: what the executor,
// the move input and autoplay remember between calls. New game resets them.
#include <array>

namespace tessaro {

struct MoveState {
    int redealCount = 0;     ///< times the stock has been formed again; compared with P[15]
    int movesMade = 0;       ///< 0 before the first move, 1 after it, 2 after any later move
    bool stockPressed = false;  ///< between the press on an empty stock and the release
    int playMode = 0;        ///< 0 normal play; other values are demonstration modes
    int highestExtent = 0;   ///< largest bottom edge reached by a pile (scroll range)
    int idleCounter = 0;     ///< set to 0 after every executed move
    int misses = 0;          ///< the Memory miss counter
    bool closeAsked = false; ///< the player closed the main window during the winning animation

    // Drag state.
    int draggedCard = 0;     ///< the card held, 0 when nothing is held
    int runTop = 0;          ///< top card of the source pile of a dragged run
    int draggedCards = 1;    ///< cards in the dragged image: 1 for a single card
    bool movedWhileHeld = false;

    /// Normal play: the modes in which the player moves (0 and 3).
    bool normalPlay() const { return playMode == 0 || playMode == 3; }
};

/// The autoplay switch: the "Au&toplay" menu entry's check mark and whether
/// the entry is enabled, plus the scope preference (1 one switch for all
/// games, 2 one per game).
struct AutoplaySwitch {
    bool checked = false;
    bool enabled = true;
    int scope = 1;
    bool on() const { return checked && enabled; }
};

/// Seven sequences of thirteen small sideways offsets for irregular piles,
/// regenerated at every new game.
using JitterTable = std::array<std::array<int, 13>, 7>;

}  // namespace tessaro
