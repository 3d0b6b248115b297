#pragma once
// How the engine asks the outside world: redraw, animate, wait, play a sound,
// show a message. The engine changes its state first, then calls a port. The
// Qt table and shell implement these; the CLI and tests use the null or
// recording versions.
#include <string>
#include <string_view>

#include "engine/piles.h"

namespace tessaro {

/// Busy wait that takes no input / wait that lets the window react / wait
/// that takes no input until the player's next click, which ends it and does
/// nothing else (its milliseconds are not used).
enum class Wait { Blocking, Pumping, UntilClick };

/// Drawing requests of the engine.
class Presentation {
public:
    virtual ~Presentation() = default;
    /// Redraws one pile on the window and the back buffer.
    virtual void drawPile(PileRef pile) = 0;
    /// Redraws one card where it lies, face as in the card table; `animate`
    /// asks for the turning animation.
    virtual void drawCard(int card, bool animate) = 0;
    /// Animates a card flying to the top of a pile (the card is already there
    /// in the engine's state).
    virtual void flyCard(int card, PileRef to) = 0;
    /// The card (and the run above it) the player let go over a row that
    /// takes it flies the remaining way, from where it was let go to its
    /// place on the row; called before the move is executed.
    virtual void flyDroppedCard(int card, PileRef to) { (void)card, (void)to; }
    /// Draws the highlight frame around a card where it lies, on the window
    /// and the back buffer. Does nothing unless a table implements it.
    virtual void markCard(int card) { (void)card; }
    /// Marks a card as a wrong answer where it lies (a cross over it), on the
    /// window and the back buffer. Does nothing unless a table implements it.
    virtual void markWrongCard(int card) { (void)card; }
    /// Redraws the whole table; optionally the background and the deal animation.
    virtual void drawTable(bool background, bool dealAnimation) = 0;
    virtual void showScore() = 0;
    virtual void showClock() = 0;
    /// Waits ms milliseconds.
    virtual void wait(int ms, Wait how) = 0;
    /// Shows a card as selected (inverted at its place) or restores its normal
    /// look, in the games where the player selects cards before removing them.
    virtual void invertCard(int card, bool selected) { (void)card, (void)selected; }
    /// Shows what the joker on foundation `foundation` (0-based) stands for
    /// (rank 1-13 and suit 0-3); a rank outside 1-13 removes the caption.
    virtual void showJokerCaption(int foundation, int suit, int rank) { (void)foundation, (void)suit, (void)rank; }
};

/// Message boxes.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    /// Information box with an OK button.
    virtual void info(std::string_view text) = 0;
    /// Confirmation box with OK and Cancel; true for OK.
    virtual bool confirm(std::string_view text) = 0;
};

/// How a sound plays: returns at once; returns when the sound has ended;
/// returns at once and repeats the sound until stopped.
enum class SoundMode { Asynchronous, Synchronous, Looping };

/// Sound playback by sound name ("Face_up", "Pairing", ...). A sound started
/// replaces the one playing.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    /// Plays a sound whose own switch the caller found on, in the mode the
    /// sound table gives its name (stores/sound_rules.h).
    virtual void play(std::string_view name) = 0;
    /// Play request: plays `name` in `mode` when `on` is true and the master
    /// switch allows sounds; a name the library does not hold stops the
    /// current sound.
    virtual void playSound(std::string_view name, bool on, SoundMode mode) { (void)name, (void)on, (void)mode; }
    /// Stop request: ends the sound playing when the master switch allows sounds.
    virtual void stopSound() {}
};

class NullPresentation : public Presentation {
public:
    void drawPile(PileRef) override {}
    void drawCard(int, bool) override {}
    void flyCard(int, PileRef) override {}
    void drawTable(bool, bool) override {}
    void showScore() override {}
    void showClock() override {}
    void wait(int, Wait) override {}
    void invertCard(int, bool) override {}
    void showJokerCaption(int, int, int) override {}
};

class NullDialogs : public Dialogs {
public:
    void info(std::string_view) override {}
    bool confirm(std::string_view) override { return true; }
};

class NullSound : public SoundPort {
public:
    void play(std::string_view) override {}
};

}  // namespace tessaro
