#pragma once
// A game selection made when it is first needed: a returning player's game is
// dealt at start-up without it, so building its tree and pictures waits until
// the player opens it or a game ends.
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "shell/shell_environment.h"

namespace tessaro::shell {

class LazyGameSelection : public GameSelection {
public:
    using Make = std::function<std::unique_ptr<GameSelection>()>;
    explicit LazyGameSelection(Make make) : make_(std::move(make)) {}

    bool choose(int& game, std::string& name) override { return made().choose(game, name); }
    bool showsWonLost() const override { return made().showsWonLost(); }
    /// A selection not made yet shows every mark anew when it is made.
    void refreshEntry(int game) override {
        if (made_) made_->refreshEntry(game);
    }
    /// The selection itself, made now if it was not yet.
    GameSelection& made() const {
        if (!made_) made_ = make_();
        return *made_;
    }

private:
    Make make_;
    mutable std::unique_ptr<GameSelection> made_;
};

}  // namespace tessaro::shell
