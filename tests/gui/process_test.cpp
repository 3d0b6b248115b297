// The game as a process: killed outright at random moments while it plays
// and changes settings, ended by SIGTERM and SIGINT, and started a second
// time beside a running copy. The child is the program's own run
// (tessaro-test-child) in a program folder of the test's own.
//
// TESSARO_KILLS sets the number of kills (default 25; 500 for the long run).
#include <QCoreApplication>
#include <QProcess>
#include <QThread>
#include <chrono>
#include <csignal>
#include <random>
#include <set>

#include "platform/profile.h"
#include "platform/text_file.h"
#include "shell/instance_guard.h"
#include "shell_fixture.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

class ProcessTest : public ShellTest {
protected:
    void launch(QProcess& p, const QStringList& extra = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.setProgram(QStringLiteral(TESSARO_BIN_DIR "/tessaro-test-child"));
        p.setArguments(QStringList{QString::fromStdString(dir.folder())} + extra);
        p.start();
        ASSERT_TRUE(p.waitForStarted(10000));
    }
    std::string cfg() const { return (dir.path("Data") / "CFG.DAT").string(); }
    /// Waits until the child's window is up (it says so on its output).
    static bool waitUntilUp(QProcess& p) {
        QByteArray out;
        while (!out.contains("up\n")) {
            if (!p.waitForReadyRead(30000)) return false;
            out += p.readAllStandardOutput();
        }
        QThread::msleep(200);
        return true;
    }
};

// Every line of a settings file is whole: a section header, an entry, a
// comment or blank; the file ends with a line ending.
std::string settingsFault(const std::string& text) {
    if (!text.empty() && text.back() != '\n') return "the last line is cut";
    for (const std::string& line : splitLines(text)) {
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[' && line.back() == ']') continue;
        if (line.find('=') != std::string::npos) continue;
        return "a broken line: " + line.substr(0, 80);
    }
    return {};
}

std::set<std::string> keysOf(const std::string& text) {
    std::set<std::string> keys;
    std::string section;
    for (const std::string& line : splitLines(text)) {
        if (!line.empty() && line.front() == '[') section = line;
        else if (const auto eq = line.find('='); eq != std::string::npos) keys.insert(section + line.substr(0, eq));
    }
    return keys;
}

TEST_F(ProcessTest, KilledAtAnyMomentItLeavesWholeFilesAndStartsWithThePlayersSettings) {
    const int kills = qEnvironmentVariableIntValue("TESSARO_KILLS") > 0 ? qEnvironmentVariableIntValue("TESSARO_KILLS")
                                                                       : 25;
    setting("UserDefault", "Kim");
    setting("Winning_Animations_Time", "1");
    setting("Sounds_Enabled", "N");
    std::mt19937 rng(20261209u);
    std::set<std::string> keys = keysOf([&] {
        std::string t;
        readTextFile(cfg(), t);
        return t;
    }());
    for (int k = 0; k < kills; ++k) {
        SCOPED_TRACE("kill " + std::to_string(k + 1));
        QProcess child;
        launch(child, {QStringLiteral("--play"), QString::number(k + 1)});
        child.waitForFinished(std::uniform_int_distribution<int>(20, 1500)(rng));
        if (child.state() == QProcess::Running) {
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            ASSERT_TRUE(child.waitForFinished(10000));
        } else {
            // The monkey closed the window itself: an ordinary end.
            ASSERT_EQ(child.exitStatus(), QProcess::NormalExit) << child.readAllStandardError().toStdString();
            ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
        }
        std::string text;
        ASSERT_TRUE(readTextFile(cfg(), text));
        ASSERT_EQ(settingsFault(text), "");
        // Entries are only ever added or changed: a lost one means a lost write.
        const std::set<std::string> now = keysOf(text);
        for (const std::string& key : keys) ASSERT_TRUE(now.count(key)) << key << " is gone";
        keys = now;
        EXPECT_EQ(Profile(cfg()).readString("Preference", "UserDefault", ""), "Kim");
        EXPECT_FALSE(fs::exists(cfg() + ".damaged"));
        std::string marker;
        if (readTextFile(dir.path("VRAV0540.DAT").string(), marker)) {
            ASSERT_EQ(marker, "Solvara version: 05.40\n");
        }
    }
    // The next start takes the player's settings and tidies what the kills left.
    QProcess child;
    launch(child);
    ASSERT_TRUE(waitUntilUp(child)) << "the program did not come up after the kills";
    child.terminate();
    ASSERT_TRUE(child.waitForFinished(20000));
    EXPECT_EQ(child.exitCode(), 0);
    for (const auto& entry : fs::directory_iterator(dir.path("Data")))
        EXPECT_FALSE(isTemporaryName(entry.path().filename().string())) << entry.path();
    ASSERT_TRUE(start());
    EXPECT_EQ(ctx().reg.read(reg::Player), "Kim");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ProcessTest, TermAndIntSaveTheSettingsAsClosingTheWindowDoes) {
    for (const int sig : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(sig);
        fs::remove_all(dir.path("Data"));
        QProcess child;
        launch(child);
        ASSERT_TRUE(waitUntilUp(child));
        // The first start waits in the game selection, a modal window.
        EXPECT_EQ(read("Random_Game_Type", "Settings"), "<missing>");
        ::kill(static_cast<pid_t>(child.processId()), sig);
        ASSERT_TRUE(child.waitForFinished(20000));
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 0);
        // Written by the close query and the close steps.
        EXPECT_EQ(read("MainWindowState_Maximized"), "Y");
        EXPECT_EQ(read("AutoPlay"), "Y");
        EXPECT_EQ(read("Random_Game_Type", "Settings"), "2");
    }
}

TEST_F(ProcessTest, ASecondStartHandsOverToTheRunningCopyAndWritesNothing) {
    QProcess first;
    launch(first);
    ASSERT_TRUE(waitUntilUp(first));
    std::string before;
    ASSERT_TRUE(readTextFile(cfg(), before));

    QProcess second;
    launch(second);
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    std::string after;
    ASSERT_TRUE(readTextFile(cfg(), after));
    EXPECT_EQ(after, before);

    // A copy killed outright leaves its lock behind; the next start takes it over.
    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(10000));
    QProcess third;
    launch(third);
    EXPECT_TRUE(waitUntilUp(third));
    EXPECT_EQ(read("Run_Exe", "Parameters"), "2");
    third.terminate();
    EXPECT_TRUE(third.waitForFinished(20000));
}

TEST_F(ProcessTest, TheCopyHoldingTheFolderIsAskedToShowItself) {
    const QString data = QString::fromStdString(dir.path("Data").string());
    shell::InstanceGuard running(data);
    int shown = 0;
    running.setShowRequest([&] { ++shown; });
    ASSERT_EQ(running.acquire(), shell::InstanceGuard::Result::Owner);
    shell::InstanceGuard later(data);
    EXPECT_EQ(later.acquire(), shell::InstanceGuard::Result::HandedOver);
    for (int i = 0; i < 100 && shown == 0; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    EXPECT_EQ(shown, 1);
    // Another data folder is another player's: it runs beside.
    shell::InstanceGuard elsewhere(QString::fromStdString(dir.path("Other").string()));
    EXPECT_EQ(elsewhere.acquire(), shell::InstanceGuard::Result::Owner);
}

}  // namespace
}  // namespace tessaro::test
