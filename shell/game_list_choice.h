#pragma once
// Choosing a game from a plain list of the catalogue's games: the game
// selection of the main window until the full selection dialog replaces it.
#include "shell/shell_environment.h"

class QWidget;

namespace tessaro {
struct Context;
}

namespace tessaro::shell {

class GameListChoice : public GameSelection {
public:
    GameListChoice(const Context& ctx, QWidget* parent) : ctx_(ctx), parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    bool choose(int& game, std::string& name) override;

private:
    const Context& ctx_;
    QWidget* parent_;
};

}  // namespace tessaro::shell
