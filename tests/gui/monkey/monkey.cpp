#include "monkey/monkey.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <sstream>

#include "engine/context.h"
#include "platform/profile.h"
#include "shell/main_window.h"
#include "shell/table_area.h"
#include "table/hit.h"

namespace tessaro::monkey {

namespace {

// Keys a player presses: the game's shortcuts and stray keys.
struct KeyChoice {
    int key;
    int modifiers;
    const char* name;
};
const KeyChoice kKeys[] = {
    {Qt::Key_F2, 0, "F2"},
    {Qt::Key_N, Qt::ControlModifier, "Ctrl+N"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
    {Qt::Key_F7, 0, "F7"},
    {Qt::Key_U, Qt::ControlModifier, "Ctrl+U"},
    {Qt::Key_F12, Qt::ControlModifier, "Ctrl+F12"},
    {Qt::Key_F1, 0, "F1"},
    {Qt::Key_Escape, 0, "Escape"},
    {Qt::Key_Return, 0, "Return"},
    {Qt::Key_Space, 0, "Space"},
    {Qt::Key_Tab, 0, "Tab"},
    {Qt::Key_Left, 0, "Left"},
    {Qt::Key_Right, 0, "Right"},
    {Qt::Key_Up, 0, "Up"},
    {Qt::Key_Down, 0, "Down"},
    {Qt::Key_Home, 0, "Home"},
    {Qt::Key_End, 0, "End"},
    {Qt::Key_Delete, 0, "Delete"},
    {Qt::Key_A, 0, "A"},
    {Qt::Key_F, Qt::AltModifier, "Alt+F"},
    {Qt::Key_F4, Qt::AltModifier, "Alt+F4"},
};

const KeyChoice* keyChoice(int key, int modifiers) {
    for (const KeyChoice& k : kKeys)
        if (k.key == key && k.modifiers == modifiers) return &k;
    return nullptr;
}

int pick(std::mt19937& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

// The window point at the middle of a card on the table, jittered inside it.
std::vector<QPoint> cardPoints(const Context& ctx, shell::MainWindow& w, std::mt19937& rng) {
    std::vector<QPoint> points;
    QWidget* table = w.table();
    for (int card = 1; card <= 108; ++card) {
        const auto place = cardPlace(ctx, card);
        if (!place) continue;
        const int cw = std::max(1, place->rect.right - place->rect.left);
        const int ch = std::max(1, place->rect.bottom - place->rect.top);
        const QPoint inTable(place->rect.left + pick(rng, cw), place->rect.top + pick(rng, ch));
        points.push_back(table->mapTo(&w, inTable));
    }
    return points;
}

QWidget* widgetAt(shell::MainWindow& w, QPoint at, QPoint& local) {
    QWidget* target = w.childAt(at);
    if (!target) target = &w;
    local = target->mapFrom(&w, at);
    return target;
}

void move(QWidget* target, QPoint local, Qt::MouseButtons held) {
    QMouseEvent e(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

}  // namespace

std::string describe(const Event& e) {
    std::ostringstream out;
    const auto pt = [](QPoint p) { return std::to_string(p.x()) + "," + std::to_string(p.y()); };
    switch (e.kind) {
    case Event::Press: out << (e.right ? "right-press " : "press ") << pt(e.at); break;
    case Event::Release: out << (e.right ? "right-release " : "release ") << pt(e.at); break;
    case Event::Click: out << "click " << pt(e.at); break;
    case Event::Drag: out << "drag " << pt(e.at) << " -> " << pt(e.to); break;
    case Event::DoubleClick: out << "double-click " << pt(e.at); break;
    case Event::RightClick: out << "right-click " << pt(e.at); break;
    case Event::Wheel: out << "wheel " << pt(e.at) << (e.key > 0 ? " up" : " down"); break;
    case Event::Key: {
        const KeyChoice* k = keyChoice(e.key, e.modifiers);
        out << "key " << (k ? k->name : std::to_string(e.key));
        break;
    }
    case Event::Resize: out << "resize " << e.size.width() << "x" << e.size.height(); break;
    case Event::Maximize: out << "maximize"; break;
    }
    if (e.answers) out << " [answers " << e.answers << "]";
    return out.str();
}

Event randomEvent(std::mt19937& rng, const Context& ctx, shell::MainWindow& w, QSize screen) {
    Event e;
    e.answers = static_cast<std::uint32_t>(rng());
    const std::vector<QPoint> cards = cardPoints(ctx, w, rng);
    const auto somewhere = [&] {
        // Mostly a card; else anywhere in the window (bars, menu, empty table).
        if (!cards.empty() && pick(rng, 10) < 7) return cards[static_cast<std::size_t>(pick(rng, static_cast<int>(cards.size())))];
        return QPoint(pick(rng, std::max(1, w.width())), pick(rng, std::max(1, w.height())));
    };
    const int roll = pick(rng, 100);
    if (roll < 30) {
        e.kind = Event::Click;
    } else if (roll < 40) {
        e.kind = Event::Press;
        e.right = pick(rng, 3) == 0;
    } else if (roll < 50) {
        e.kind = Event::Release;
        e.right = pick(rng, 3) == 0;
    } else if (roll < 62) {
        e.kind = Event::Drag;
        e.to = somewhere();
    } else if (roll < 70) {
        e.kind = Event::DoubleClick;
    } else if (roll < 75) {
        e.kind = Event::RightClick;
    } else if (roll < 77) {
        e.kind = Event::Wheel;
        e.key = pick(rng, 2) ? 120 : -120;
    } else if (roll < 95) {
        e.kind = Event::Key;
        const KeyChoice& k = kKeys[pick(rng, static_cast<int>(std::size(kKeys)))];
        e.key = k.key;
        e.modifiers = k.modifiers;
    } else if (roll < 99) {
        e.kind = Event::Resize;
        e.size = QSize(200 + pick(rng, screen.width()), 100 + pick(rng, screen.height()));
    } else {
        e.kind = Event::Maximize;
    }
    e.at = somewhere();
    return e;
}

ModalAnswerer::ModalAnswerer() { qApp->installEventFilter(this); }
ModalAnswerer::~ModalAnswerer() { qApp->removeEventFilter(this); }

bool ModalAnswerer::nextConfirm() { return nextAnswer() >= 2; }

int ModalAnswerer::nextAnswer() {
    const int answer = static_cast<int>((answers_ >> (2 * (used_ % 16))) & 3u);
    ++used_;
    return answer;
}

bool ModalAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isModal()) return false;
    const int answer = nextAnswer();
    QPointer<QDialog> guarded(dialog);
    // Answered once its own message loop runs.
    QTimer::singleShot(0, dialog, [this, guarded, answer] {
        if (!guarded || !guarded->isVisible()) return;
        ++answered_;
        switch (answer) {
        case 0: QTest::keyClick(guarded.data(), Qt::Key_Escape); break;
        case 1: guarded->reject(); break;
        case 2: QTest::keyClick(guarded.data(), Qt::Key_Return); break;
        default:
            if (auto* box = qobject_cast<QMessageBox*>(guarded.data())) {
                if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                    ok->click();
                    break;
                }
            }
            guarded->accept();
            break;
        }
        // A window that ignored the key is closed, or the stream would stop here.
        if (guarded && guarded->isVisible()) guarded->reject();
    });
    return false;
}

void send(shell::MainWindow& w, const Event& e, ModalAnswerer& answerer) {
    answerer.setAnswers(e.answers);
    QPoint local;
    QWidget* target = nullptr;
    if (e.kind != Event::Key && e.kind != Event::Resize && e.kind != Event::Maximize) target = widgetAt(w, e.at, local);
    QPointer<QWidget> guard(target);
    switch (e.kind) {
    case Event::Press:
        QTest::mousePress(target, e.right ? Qt::RightButton : Qt::LeftButton, Qt::NoModifier, local);
        break;
    case Event::Release:
        QTest::mouseRelease(target, e.right ? Qt::RightButton : Qt::LeftButton, Qt::NoModifier, local);
        break;
    case Event::Click: QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local); break;
    case Event::RightClick: QTest::mouseClick(target, Qt::RightButton, Qt::NoModifier, local); break;
    case Event::DoubleClick: QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, local); break;
    case Event::Drag: {
        QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, local);
        if (!guard) break;
        const QPoint end = target->mapFrom(&w, e.to);
        for (int i = 1; i <= 4 && guard; ++i) move(target, local + (end - local) * i / 4, Qt::LeftButton);
        if (guard) QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, end);
        break;
    }
    case Event::Wheel: {
        QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, e.key), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
        break;
    }
    case Event::Key: {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != &w) focus = &w;
        QTest::keyClick(focus, static_cast<Qt::Key>(e.key), Qt::KeyboardModifiers(e.modifiers));
        break;
    }
    case Event::Resize:
        if (w.isMaximized()) w.showNormal();
        w.resize(e.size);
        break;
    case Event::Maximize:
        if (w.isMaximized()) w.showNormal();
        else w.showMaximized();
        break;
    }
    // A pop-up menu the event opened: one of its commands is chosen, or it
    // goes the way a click beside it sends it.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QAction* chosen = nullptr;
        if (auto* menu = qobject_cast<QMenu*>(popup)) {
            std::vector<QAction*> commands;
            for (QAction* a : menu->actions())
                if (a->isVisible() && a->isEnabled() && !a->isSeparator() && !a->menu()) commands.push_back(a);
            const std::size_t choice = e.answers >> 28;
            if (choice < commands.size()) chosen = commands[choice];
        }
        popup->close();
        if (chosen) chosen->trigger();
    }
    QCoreApplication::processEvents();
}

void writeMonkeySettings(const std::string& programFolder) {
    const Profile ini(programFolder + "Data/CFG.DAT");
    ini.writeString("Preference", "Winning_Animations_Time", "1");
    // choice: no card flights, turning or deal animations (frames with real
    // pauses in them); the stream is about input, not about pictures in motion.
    for (const char* key : {"Sounds_Enabled", "Cards_Animate", "Cards_Shadowed", "Deal_Animation", "Redeal_Animation"})
        ini.writeString("Preference", key, "N");
}

}  // namespace tessaro::monkey
