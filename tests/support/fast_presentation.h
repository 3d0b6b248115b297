#pragma once
#include <algorithm>

#include "engine/ports.h"

namespace tessaro::test {

/// The engine's pauses made shorter by a factor, for test runs and measurements
/// that are not about time; everything else goes to the window's presentation.
class FastPresentation : public Presentation {
public:
    FastPresentation(Presentation& inner, int divisor) : inner_(inner), divisor_(divisor) {}
    Presentation& inner() const { return inner_; }
    void drawPile(PileRef pile) override { inner_.drawPile(pile); }
    void drawCard(int card, bool animate) override { inner_.drawCard(card, animate); }
    void flyCard(int card, PileRef to) override { inner_.flyCard(card, to); }
    void flyDroppedCard(int card, PileRef to) override { inner_.flyDroppedCard(card, to); }
    void markCard(int card) override { inner_.markCard(card); }
    void drawTable(bool background, bool dealAnimation) override { inner_.drawTable(background, dealAnimation); }
    void showScore() override { inner_.showScore(); }
    void showClock() override { inner_.showClock(); }
    void wait(int ms, Wait how) override { inner_.wait(ms > 0 ? std::max(1, ms / divisor_) : ms, how); }
    void invertCard(int card, bool selected) override { inner_.invertCard(card, selected); }
    void showJokerCaption(int foundation, int suit, int rank) override {
        inner_.showJokerCaption(foundation, suit, rank);
    }

private:
    Presentation& inner_;
    int divisor_;
};

}  // namespace tessaro::test
