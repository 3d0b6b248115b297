#pragma once
// What the move input knows about the card or run being dragged, as far as the
// move rules need it. The input sets it when a drag begins and clears it when
// the drag ends; the judge only reads it, except that runLengthAllowed records
// the run top.
namespace tessaro {

struct DragState {
    /// Card number of the card picked up; 0 when nothing is held.
    int card = 0;
    /// Top card of the source pile of the dragged run, recorded by
    /// runLengthAllowed; 0 when none. Compared with the target's top card so
    /// that a run is never dropped back on its own pile.
    int runTop = 0;
    /// True when the dragged image is exactly one card high (a single card is
    /// taken); false for a run.
    bool singleCard = true;

    void clear() { *this = DragState{}; }
};

}  // namespace tessaro
