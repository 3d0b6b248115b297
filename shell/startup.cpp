#include "shell/startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <filesystem>

#include "dialogs/customize_dialog.h"
#include "platform/clock.h"
#include "platform/qt/program_sound.h"
#include "platform/profile.h"
#include "dialogs/open_game_dialog.h"
#include "platform/text_file.h"
#include "shell/instance_guard.h"
#include "shell/lazy_game_selection.h"
#include "shell/main_window.h"
#include "shell/resource_lookup.h"
#include "shell/shell_dialogs.h"
#include "shell/splash_window.h"
#include "stores/program_folder.h"
#include "stores/settings.h"

namespace tessaro::shell {

Startup::Startup(ShellEnvironment env) : env_(std::move(env)) {
    if (!env_.dialogs) {
        ownDialogs_ = std::make_unique<QtDialogs>();
        env_.dialogs = ownDialogs_.get();
    }
    if (env_.screenSize.isEmpty()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        env_.screenSize = screen ? screen->size() : QSize(1024, 768);
        if (screen) env_.colourDepth = screen->depth();
    }
    ctx_.clock = &clock_;
    if (env_.sound) {
        ctx_.sound = env_.sound;
    } else {
        ownSound_ = std::make_unique<ProgramSound>(ctx_.reg);
        ctx_.sound = &ownSound_->port();
    }
}

bool Startup::guardDataFolder() {
    // The lock lies in the data folder, made here as the main
    // initialisation makes it (which checks it again).
    if (env_.singleInstance) prepareDataFolder(ctx_.reg);
    const std::string dataFolder = std::filesystem::path(settingsPath(ctx_.reg)).parent_path().string();
    if (env_.singleInstance) {
        guard_ = std::make_unique<InstanceGuard>(QString::fromStdString(dataFolder));
        const InstanceGuard::Result held = guard_->acquire();
        if (held == InstanceGuard::Result::HandedOver) {
            handedOver_ = true;
            return false;
        }
        guard_->setShowRequest([this] {
            if (!window_) return;
            if (window_->isMinimized()) window_->showNormal();
            window_->raise();
            window_->activateWindow();
        });
        // Writes that the end of an earlier run cut short left their
        // temporary files; no other copy writes here now.
        if (held == InstanceGuard::Result::Owner) removeTemporaryFiles(dataFolder);
    }
    // A settings file that cannot be read is put aside before anything reads it.
    settingsMessage_ = rescueDamagedSettings(ctx_.reg).message;
    return true;
}

Startup::~Startup() {
    // The selection dialog is a child of the window: it goes first.
    if (ownSelection_) env_.selection = nullptr;
    ownSelection_.reset();
    window_.reset();
    ctx_.sound = &ctx_.nullSound;
    ownSound_.reset();
    // The register is emptied when the program ends.
    ctx_.reg.release();
}

void Startup::splashSound() {
    const Profile ini = settingsFile(ctx_.reg);
    ctx_.reg.write(reg::SoundsOn, ini.readString(section::Preference, "Sounds_Enabled", "Y"));
    splashSound_ = ini.readString(section::Preference, "Sounds_Splash", "Y") == "Y";
    ctx_.sound->playSound("Splash", splashSound_, SoundMode::Asynchronous);
}

bool Startup::run() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() {
            while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        }
    } restoreCursor;

    // 2. The stores.
    ctx_.reg.initialise(env_.programFolder.toStdString());
    ctx_.reg.setUserRoot(env_.userRoot.toStdString());
    if (!guardDataFolder()) return false;

    // 3. The splash window. Its pictures come from the resource library, so
    //    the library is registered quietly first when it is there; a missing
    //    library is reported by the main initialisation.
    loadLibrary(QString::fromStdString(programFile(ctx_.reg, "VRA.RGF")));
    auto splash = std::make_unique<SplashWindow>();
    splash->centreOn(QRect(QPoint(0, 0), env_.screenSize));
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    // 4. The splash sound.
    splashSound();

    // 5. The main window and its initialisation.
    if (!env_.customize)
        env_.customize = [this] {
            if (window_) dialogs::showCustomizeDialog(ctx_, *window_, env_);
        };
    window_ = std::make_unique<MainWindow>(ctx_, env_);
    if (ownDialogs_) ownDialogs_->setParent(splash.get());
    if (window_->initialise() != InitResult::Ok) {
        window_.reset();
        return false;
    }
    if (ownDialogs_) ownDialogs_->setParent(window_.get());
    if (!env_.selection) {
        // The game selection dialog is made when first asked for, after the
        // first frame: a returning player's game needs none.
        MainWindow* w = window_.get();
        const int screenWidth = env_.screenSize.width();
        const bool manyColours = env_.manyColours();
        auto lazy = std::make_unique<LazyGameSelection>([this, w, screenWidth, manyColours] {
            auto dialog = std::make_unique<dialogs::OpenGameDialog>(ctx_, w, screenWidth, manyColours);
            dialog->setRulesHelp([w](int game) { w->rulesHelpFor(game); });
            return std::unique_ptr<GameSelection>(std::move(dialog));
        });
        env_.selection = lazy.get();
        ownSelection_ = std::move(lazy);
    }

    // The player hears once about a settings file that had to be put aside.
    if (!settingsMessage_.empty()) env_.dialogs->info(settingsMessage_);

    // 6. Window state.
    window_->restoreWindowState();

    // 7. The splash window goes.
    splash->repaint();
    splash->hide();
    window_->repaint();
    splash.reset();
    return true;
}

}  // namespace tessaro::shell
