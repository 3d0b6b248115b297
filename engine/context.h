#pragma once
// Everything that lives from start-up to exit, in one object owned by whoever
// runs the program: the GUI start-up, one CLI run, each test.
#include "engine/cards.h"
#include "engine/drag_state.h"
#include "engine/game_ports.h"
#include "engine/history.h"
#include "engine/move_state.h"
#include "engine/piles.h"
#include "engine/ports.h"
#include "stores/catalogue.h"
#include "stores/random.h"
#include "stores/register.h"
#include "stores/rule_table.h"
#include "stores/run_state.h"
#include "table/focus_state.h"
#include "table/layout_state.h"

namespace tessaro {

struct Context {
    Register reg;
    RuleTable P;
    CardTable cards;
    Piles piles;
    RunState run;
    Random rng;
    MainGame mainGame;
    DragState drag;  ///< the card or run being dragged, as the move rules see it
    Layout layout;  ///< pile positions, card size and fan offsets of the table
    TableFocus focus;  ///< the keyboard focus on the table and the card held by keys
    History history;
    MoveState move;
    AutoplaySwitch autoplay;
    std::string clockText = "0:00:00";  ///< the time display's text

    // Ports; the defaults do nothing so a fresh context runs headless.
    Presentation* presentation = &nullPresentation;
    Dialogs* dialogs = &nullDialogs;
    SoundPort* sound = &nullSound;
    ShellPort* shell = &nullShell;
    EndGamePort* endGame = &nullEndGame;
    ClockPort* clock = &manualClock;

    NullPresentation nullPresentation;
    NullDialogs nullDialogs;
    NullSound nullSound;
    NullShell nullShell;
    NullEndGame nullEndGame;
    ManualClock manualClock;

    Context() = default;
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;
};

}  // namespace tessaro
