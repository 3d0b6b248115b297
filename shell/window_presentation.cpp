#include "shell/window_presentation.h"

#include <QThread>

#include "platform/qt/pause.h"
#include "shell/card_table_area.h"
#include "shell/main_window.h"
#include "shell/table_area.h"

namespace tessaro::shell {

namespace {
TableView* cards(MainWindow& w) {
    auto* area = dynamic_cast<CardTableArea*>(w.table());
    return area ? area->view() : nullptr;
}
}  // namespace

void WindowPresentation::drawPile(PileRef p) {
    if (auto* v = cards(w_)) v->drawPile(p);
    else w_.table()->update();
}
void WindowPresentation::drawCard(int card, bool animate) {
    if (auto* v = cards(w_)) v->drawCard(card, animate);
    else w_.table()->update();
}
void WindowPresentation::flyCard(int card, PileRef to) {
    if (auto* v = cards(w_)) v->flyCard(card, to);
    else w_.table()->update();
}
void WindowPresentation::flyDroppedCard(int card, PileRef to) {
    if (auto* v = cards(w_)) v->flyDroppedCard(card, to);
}
void WindowPresentation::drawTable(bool background, bool dealAnimation) {
    if (auto* v = cards(w_)) {
        if (background) {
            w_.table()->TableArea::drawTable(true);
            v->loadImages();
        }
        v->drawTable(background, dealAnimation);
        return;
    }
    w_.table()->drawTable(background);
}
void WindowPresentation::invertCard(int card, bool selected) {
    if (auto* v = cards(w_)) v->invertCard(card, selected);
}
void WindowPresentation::showJokerCaption(int foundation, int suit, int rank) {
    if (auto* v = cards(w_)) v->showJokerCaption(foundation, suit, rank);
}
void WindowPresentation::markWrongCard(int card) {
    if (auto* v = cards(w_)) v->markWrongCard(card);
}
void WindowPresentation::markCard(int card) {
    if (auto* v = cards(w_)) v->markCard(card);
}
void WindowPresentation::showScore() { w_.showScoreText(); }
void WindowPresentation::showClock() { w_.showClockText(); }

void WindowPresentation::wait(int ms, Wait how) {
    if (ms <= 0) return;
    if (auto* v = cards(w_)) {
        v->wait(ms, how);
        return;
    }
    if (how == Wait::Blocking) {
        // The table shows what changed before the pause; no input is taken.
        w_.table()->repaint();
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    pause(ms, how);
}

}  // namespace tessaro::shell
