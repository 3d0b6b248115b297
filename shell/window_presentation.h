#pragma once
// The engine's drawing requests as the main window answers them until the
// card-drawing table takes over: the table area is drawn again, the read-outs
// show the score and the clock, and waits either block or let the window
// react.
#include "engine/ports.h"

namespace tessaro::shell {

class MainWindow;

class WindowPresentation : public Presentation {
public:
    explicit WindowPresentation(MainWindow& window) : w_(window) {}
    void drawPile(PileRef) override;
    void drawCard(int, bool) override;
    void flyCard(int, PileRef) override;
    void flyDroppedCard(int card, PileRef to) override;
    void drawTable(bool background, bool dealAnimation) override;
    void showScore() override;
    void showClock() override;
    void wait(int ms, Wait how) override;
    void invertCard(int card, bool selected) override;
    void showJokerCaption(int foundation, int suit, int rank) override;
    void markCard(int card) override;
    void markWrongCard(int card) override;

private:
    MainWindow& w_;
};

}  // namespace tessaro::shell
