#pragma once
// A program folder for start-up tests: the built rules file and resource
// library and a data folder to fill, plus message boxes, a game selection and
// sounds that record what they were asked.
#include <gtest/gtest.h>

#include <QDialog>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/profile.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"
#include "shell/startup.h"
#include "support/temp_dir.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tessaro::test {

struct Shown {
    QString kind;  // "info", "confirm", "error", "advice", "modal"
    QString title;
    QString text;
};

class RecordingShellDialogs : public shell::ShellDialogs {
public:
    void info(std::string_view text) override { shown.push_back({"info", {}, shell::qs(text)}); }
    bool confirm(std::string_view text) override {
        shown.push_back({"confirm", {}, shell::qs(text)});
        return confirmAnswer;
    }
    void error(const QString& title, const QString& text) override { shown.push_back({"error", title, text}); }
    /// A modal window is recorded by caption and window name; onModal (when
    /// set) looks at it or runs it, else it closes at once unseen.
    void runModal(QDialog& dialog) override {
        shown.push_back({"modal", dialog.windowTitle(), dialog.objectName()});
        if (onModal) onModal(dialog);
    }
    bool advice(const QString& text) override {
        shown.push_back({"advice", {}, text});
        return adviceTicked;
    }
    std::vector<Shown> shown;
    std::function<void(QDialog&)> onModal;
    bool confirmAnswer = true;
    bool adviceTicked = false;
};

class RecordingSelection : public shell::GameSelection {
public:
    bool choose(int& game, std::string& name) override {
        ++opened;
        if (onChoose) onChoose();
        if (answerGame < 0) return false;
        game = answerGame;
        name = answerName;
        return true;
    }
    int opened = 0;
    int answerGame = -1;
    std::function<void()> onChoose;  ///< runs while the selection is "open"
    std::string answerName;
};

/// Sounds asked for, in order: "play NAME", "NAME on|off", "stop".
class RecordingSound : public SoundPort {
public:
    void play(std::string_view name) override { asked.push_back("play " + std::string(name)); }
    void playSound(std::string_view name, bool on, SoundMode) override {
        asked.push_back(std::string(name) + (on ? " on" : " off"));
    }
    void stopSound() override { asked.push_back("stop"); }
    std::vector<std::string> asked;
};

/// A program folder with GAMES.DAT and VRA.RGF, and one start-up run in it.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(TESSARO_BIN_DIR) / "GAMES.DAT", dir.path("GAMES.DAT"));
        std::filesystem::copy_file(std::filesystem::path(TESSARO_BIN_DIR) / "VRA.RGF", dir.path("VRA.RGF"));
    }

    Profile settings() const { return Profile(dir.folder() + "Data/CFG.DAT"); }
    void setting(std::string_view key, std::string_view value, std::string_view sect = "Preference") {
        std::filesystem::create_directories(dir.path("Data"));
        settings().writeString(sect, key, value);
    }
    std::string read(std::string_view key, std::string_view sect = "Preference") const {
        return settings().readString(sect, key, "<missing>");
    }

    /// Runs the start-up; the window (when any) stays until the next start or the end.
    bool start(QSize screen = QSize(1280, 1024), int depth = 24) {
        startup.reset();
        shell::ShellEnvironment env;
        env.programFolder = QString::fromStdString(dir.folder());
        env.screenSize = screen;
        env.colourDepth = depth;
        env.dialogs = &dialogs;
        env.selection = &selection;
        env.sound = &sound;
        startup = std::make_unique<shell::Startup>(env);
        if (!startup->run()) return false;
        // The same random deals in every run, so that no test passes or fails
        // by the deal it happened to get.
        startup->context().rng.setSeed(kTestSeed);
        return true;
    }
    static constexpr std::uint32_t kTestSeed = 20261209;
    /// Closes the window as the user would and ends the run.
    void restart(QSize screen = QSize(1280, 1024)) {
        if (startup && startup->window()) startup->window()->close();
        ASSERT_TRUE(start(screen));
    }
    shell::MainWindow& w() { return *startup->window(); }
    Context& ctx() { return startup->context(); }

    TempDir dir;
    RecordingShellDialogs dialogs;
    RecordingSelection selection;
    RecordingSound sound;
    std::unique_ptr<shell::Startup> startup;
};

}  // namespace tessaro::test
