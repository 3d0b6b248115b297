#pragma once
// A seeded stream of a player's worst input on the main window: presses,
// releases, drags, double and right clicks, wheel turns, keys (new game, undo
// and redo, the menu shortcuts and stray keys) and resizes. Every modal
// window that opens meanwhile is answered with OK, Cancel or Escape as the
// event that opened it says. The monkey test checks the window after each
// event; the child program the kill test runs just plays.
#include <QDialog>
#include <QPointer>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/ports.h"
#include "support/fast_presentation.h"
#include "shell/shell_dialogs.h"

namespace tessaro {
struct Context;
class TableView;
}  // namespace tessaro

namespace tessaro::shell {
class MainWindow;
}  // namespace tessaro::shell

namespace tessaro::monkey {

struct Event {
    enum Kind { Press, Release, Click, Drag, DoubleClick, RightClick, Wheel, Key, Resize, Maximize };
    Kind kind = Click;
    QPoint at;               ///< window coordinates (mouse events)
    QPoint to;               ///< end of a drag
    bool right = false;      ///< right button (Press, Release)
    int key = 0;             ///< Qt key code
    int modifiers = 0;       ///< Qt keyboard modifiers
    QSize size;              ///< Resize
    std::uint32_t answers = 0;  ///< how modal windows opened by this event are answered, 2 bits each
};

/// One line that names the event, e.g. "drag 120,300 -> 420,310".
std::string describe(const Event& e);

/// The next event: mostly on cards (their places on the table), the rest
/// anywhere in the window, on the bars and the menu.
Event randomEvent(std::mt19937& rng, const Context& ctx, shell::MainWindow& w, QSize screen);

/// Answers modal windows (message boxes and dialogs of the program) as the
/// event being sent says: OK (accept or Return), Cancel (reject) or Escape.
class ModalAnswerer : public QObject {
public:
    ModalAnswerer();
    ~ModalAnswerer() override;
    void setAnswers(std::uint32_t answers) {
        answers_ = answers;
        used_ = 0;
    }
    /// The answer to a confirmation asked through the dialog port.
    bool nextConfirm();
    /// How many modal windows were answered in all.
    int answered() const { return answered_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int nextAnswer();
    std::uint32_t answers_ = 0;
    int used_ = 0;
    int answered_ = 0;
};

/// The shell's message boxes answered by the monkey: information boxes are
/// taken as read, confirmations answered as the event says, error boxes
/// counted; the program's modal windows run and are answered like any other.
class MonkeyDialogs : public shell::ShellDialogs {
public:
    explicit MonkeyDialogs(ModalAnswerer& answerer) : answerer_(answerer) {}
    void info(std::string_view text) override { lastInfo = std::string(text); }
    bool confirm(std::string_view) override { return answerer_.nextConfirm(); }
    void error(const QString& title, const QString& text) override {
        errors.push_back((title + QStringLiteral(": ") + text).toStdString());
    }
    bool advice(const QString&) override { return false; }
    std::string lastInfo;
    std::vector<std::string> errors;

private:
    ModalAnswerer& answerer_;
};

/// Sends the event to the window (to the widget under the point for the
/// mouse, through the shortcut map for keys) and lets pending events run.
void send(shell::MainWindow& w, const Event& e, ModalAnswerer& answerer);

using test::FastPresentation;

/// The settings a monkey run starts with: short winning animations, so that
/// a won game does not hold the stream up for half a minute, no sounds and no
/// card animations.
void writeMonkeySettings(const std::string& programFolder);

}  // namespace tessaro::monkey
