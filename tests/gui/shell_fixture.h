#pragma once
// A program folder for start-up tests: the built rules file, a small resource
// library made with rcc (two glyphs, two cursors, the splash band) and a data
// folder to fill, plus message boxes and a game selection that record what
// they were asked.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QString>
#include <filesystem>
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
    QString kind;  // "info", "confirm", "error", "advice"
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
    bool advice(const QString& text) override {
        shown.push_back({"advice", {}, text});
        return adviceTicked;
    }
    std::vector<Shown> shown;
    bool confirmAnswer = true;
    bool adviceTicked = false;
};

class RecordingSelection : public shell::GameSelection {
public:
    bool choose(int& game, std::string& name) override {
        ++opened;
        if (answerGame < 0) return false;
        game = answerGame;
        name = answerName;
        return true;
    }
    int opened = 0;
    int answerGame = -1;
    std::string answerName;
};

/// Writes a tiny resource library at path with rcc; true on success.
inline bool makeLibrary(const std::filesystem::path& dir, const std::filesystem::path& target) {
    const QString root = QString::fromStdString((dir / "rgf-src").string());
    for (const char* sub : {"/vra/bitmap", "/vra/cursor", "/vra/wave"}) QDir().mkpath(root + sub);
    auto png = [&](const QString& rel, int w, int h, QColor c) {
        QImage img(w, h, QImage::Format_ARGB32);
        img.fill(c);
        return img.save(root + rel, "PNG");
    };
    bool ok = png("/vra/bitmap/TB_UNDO", 16, 16, Qt::blue) && png("/vra/bitmap/TB_UNDO_DIS", 16, 16, Qt::gray) &&
              png("/vra/bitmap/SPLASH_BAND", 393, 48, Qt::darkGreen) &&
              png("/vra/cursor/CUR_ARROW1A", 32, 32, Qt::black) &&
              png("/vra/cursor/CUR_RIGHT_HAND1A", 32, 32, Qt::white);
    QFile wave(root + "/vra/wave/Splash");
    ok = ok && wave.open(QIODevice::WriteOnly) && wave.write("RIFF") == 4;
    wave.close();
    QFile qrc(root + "/lib.qrc");
    if (!ok || !qrc.open(QIODevice::WriteOnly)) return false;
    qrc.write("<RCC><qresource prefix=\"/\">"
              "<file>vra/bitmap/TB_UNDO</file><file>vra/bitmap/TB_UNDO_DIS</file>"
              "<file>vra/bitmap/SPLASH_BAND</file><file>vra/cursor/CUR_ARROW1A</file>"
              "<file>vra/cursor/CUR_RIGHT_HAND1A</file><file>vra/wave/Splash</file>"
              "</qresource></RCC>");
    qrc.close();
    const QString rcc = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + "/rcc";
    QProcess p;
    p.setWorkingDirectory(root);
    p.start(rcc, {"-binary", "lib.qrc", "-o", QString::fromStdString(target.string())});
    return p.waitForFinished(30000) && p.exitCode() == 0 && QFile::exists(QString::fromStdString(target.string()));
}

/// A program folder with GAMES.DAT and VRA.RGF, and one start-up run in it.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::filesystem::path(TESSARO_BIN_DIR) / "GAMES.DAT", dir.path("GAMES.DAT"));
        ASSERT_TRUE(makeLibrary(dir.path(), dir.path("VRA.RGF")));
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
        startup = std::make_unique<shell::Startup>(env);
        return startup->run();
    }
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
    std::unique_ptr<shell::Startup> startup;
};

}  // namespace tessaro::test
