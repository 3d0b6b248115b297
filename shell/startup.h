#pragma once
// The program's start-up in order: the stores, the splash window with its
// sound, the main window with its initialisation, the window state, and the
// splash window's end. It owns everything that lives until the program ends.
#include <memory>
#include <string>

#include "engine/context.h"
#include "platform/day_clock.h"
#include "shell/shell_environment.h"

namespace tessaro {
class ProgramSound;
}

namespace tessaro::shell {

class InstanceGuard;
class MainWindow;
class QtDialogs;
class SplashWindow;

class Startup {
public:
    explicit Startup(ShellEnvironment env);
    ~Startup();
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

    /// Runs the start-up up to the message loop. False when the program must
    /// end (the reason has been shown); there is no main window then.
    bool run();

    Context& context() { return ctx_; }
    MainWindow* window() const { return window_.get(); }
    ShellEnvironment& environment() { return env_; }
    /// True when run() ended because another copy of the program has the
    /// data folder and was asked to show itself.
    bool handedOver() const { return handedOver_; }
    /// Whether the splash sound was asked for.
    bool splashSoundAsked() const { return splashSound_; }

private:
    void splashSound();
    /// The single-copy guard and what start-up tidies in the data folder
    /// before anything reads it; false when another copy takes over.
    bool guardDataFolder();

    Context ctx_;
    ShellEnvironment env_;
    SystemDayClock clock_;
    std::unique_ptr<ProgramSound> ownSound_;
    std::unique_ptr<QtDialogs> ownDialogs_;
    std::unique_ptr<GameSelection> ownSelection_;
    std::unique_ptr<MainWindow> window_;
    bool splashSound_ = false;
    bool handedOver_ = false;
    std::unique_ptr<InstanceGuard> guard_;
    std::string settingsMessage_;
};

}  // namespace tessaro::shell
