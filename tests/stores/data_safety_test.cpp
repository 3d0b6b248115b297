// Files the program rewrites (the settings file, the score file on its
// upgrade) must survive a write that fails half way: the new text goes to a
// temporary file that replaces the old one only once it is complete. A full
// disk is simulated with a file size limit on this process (it holds for the
// superuser too, unlike a read-only folder).
#include <sys/resource.h>

#include <csignal>
#include <gtest/gtest.h>

#include <string>

#include "engine/context.h"
#include "platform/profile.h"
#include "stores/settings.h"
#include "stores/statistics.h"
#include "stores/program_folder.h"
#include "support/temp_dir.h"
#include "support/without_write_access.h"

namespace tessaro {
namespace {

// Files this process writes cannot grow beyond `bytes` while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
    bool active_ = false;
};

class RecordingDialogs : public Dialogs {
public:
    void info(std::string_view text) override { log += std::string(text) + "|"; }
    bool confirm(std::string_view) override { return true; }
    std::string log;
};

std::string scores(const std::string& version, int records) {
    std::string text = "[Version]\nVersion=" + version + "\n[Scores]\n";
    for (int i = 0; i < records; ++i) text += "0" + std::to_string(1000 + i) + " Player 1 score " + std::to_string(i) + "\n";
    return text;
}

TEST(DataSafety, ScoreFileUpgradeThatCannotBeWrittenKeepsTheOldScores) {
    test::TempDir dir;
    Context ctx;
    RecordingDialogs dialogs;
    ctx.reg.initialise(dir.folder());
    ctx.dialogs = &dialogs;
    const std::string old = scores("0200", 60);  // about 1.6 KB; the upgrade pads each record to 91
    dir.write("DATA/STAT_SCR.DAT", old);
    {
        FileSizeLimit limit(2048);
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(updateScoreFile(ctx));
    }
    EXPECT_EQ(dialogs.log, "Error creating temp file.|");
    EXPECT_EQ(dir.read("DATA/STAT_SCR.DAT"), old);
    EXPECT_EQ(dir.listing("DATA"), "STAT_SCR.DAT");  // no temporary file left behind
    // With room on the disk the same file is upgraded.
    EXPECT_TRUE(updateScoreFile(ctx));
    EXPECT_EQ(dir.read("DATA/STAT_SCR.DAT").substr(0, 33), "[Version]\nVersion=0300\n\n[Scores]\n");
}

TEST(DataSafety, SettingsWriteThatCannotBeCompletedKeepsTheOldSettings) {
    test::TempDir dir;
    Context ctx;
    ctx.reg.initialise(dir.folder());
    std::string old = "[Preference]\nGame=201\nGame_Name=Memory-Up (6x4)\n[Favourite Games]\n";
    for (int i = 0; i < 100; ++i) old += "Fav" + std::to_string(i) + "=" + std::to_string(200 + i) + "\n";
    dir.write("DATA/CFG.DAT", old);
    const Profile settings = settingsFile(ctx.reg);
    {
        FileSizeLimit limit(old.size());  // the new text is longer than the old
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(settings.writeString("Preference", "Game_Name", "Klondike, the longer name"));
    }
    EXPECT_EQ(dir.read("DATA/CFG.DAT"), old);
    EXPECT_EQ(dir.listing("DATA"), "CFG.DAT");
    EXPECT_EQ(settings.readString("Preference", "Game_Name", ""), "Memory-Up (6x4)");
}

// A folder the program may not write in: a settings write says it failed and
// leaves the old file as it was, without a stray temporary file.
TEST(DataSafety, SettingsWriteIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    test::TempDir dir;
    dir.write("Data/CFG.DAT", "[Preference]\nGame=203\n");
    const Profile settings(dir.folder() + "Data/CFG.DAT");
    {
        test::WithoutWriteAccess readOnly(dir.path("Data"));
        if (!readOnly.effective()) GTEST_SKIP() << "cannot drop the right to write";
        EXPECT_FALSE(settings.writeString("Preference", "Game", "201"));
        EXPECT_EQ(settings.readString("Preference", "Game", ""), "203");
    }
    EXPECT_EQ(dir.read("Data/CFG.DAT"), "[Preference]\nGame=203\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("Data")), {}), 1);
}

// Start-up proves the data folder writable before anything is saved in it.
TEST(DataSafety, DataFolderStateTellsWhyNothingCouldBeSaved) {
    test::TempDir dir;
    Context ctx;
    ctx.reg.initialise(dir.folder());

    dir.write("Data", "a file, not a folder");
    EXPECT_EQ(prepareDataFolder(ctx.reg), DataFolderState::NotAFolder);
    std::filesystem::remove(dir.path("Data"));

    {
        test::WithoutWriteAccess readOnly(dir.path());
        if (!readOnly.effective()) GTEST_SKIP() << "cannot drop the right to write";
        EXPECT_EQ(prepareDataFolder(ctx.reg), DataFolderState::CannotCreate);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path("Data")));

    // Missing: made, proved writable, and the scratch file is gone again.
    EXPECT_EQ(prepareDataFolder(ctx.reg), DataFolderState::Writable);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("Data")));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path("Data")));

    {
        test::WithoutWriteAccess readOnly(dir.path("Data"));
        EXPECT_EQ(prepareDataFolder(ctx.reg), DataFolderState::ReadOnly);
    }
    // A folder named in another case is the data folder too.
    std::filesystem::remove(dir.path("Data"));
    std::filesystem::create_directory(dir.path("DATA"));
    EXPECT_EQ(prepareDataFolder(ctx.reg), DataFolderState::Writable);
    EXPECT_FALSE(std::filesystem::exists(dir.path("Data")));
}

// An installed program: the rules stay in the read-only program folder, every
// file of the data folder and the version marker go to the player's folder,
// which the first start makes private to the player.
TEST(DataSafety, AUserFolderTakesEveryWritableFile) {
    test::TempDir dir;
    dir.write("share/tessaro/GAMES.DAT", "");
    const std::string program = dir.folder() + "share/tessaro/";
    const std::string user = dir.folder() + "home/.local/share/tessaro/";
    Context ctx;
    ctx.reg.initialise(program);
    ctx.reg.setUserRoot(user);
    EXPECT_EQ(programFile(ctx.reg, "GAMES.DAT"), program + "GAMES.DAT");
    EXPECT_EQ(programFile(ctx.reg, "DATA\\GAM_CUST.DAT"), user + "DATA/GAM_CUST.DAT");
    EXPECT_EQ(programFile(ctx.reg, "data"), user + "data");
    EXPECT_EQ(programFile(ctx.reg, "DataX\\A"), program + "DataX/A");
    EXPECT_EQ(settingsPath(ctx.reg), user + "DATA/CFG.DAT");
    EXPECT_EQ(userFile(ctx.reg, "VRAV0540.DAT"), user + "VRAV0540.DAT");

    // The player's home (open to all, as the tests may act as another user).
    dir.write("home/.profile", "");
    std::filesystem::permissions(dir.path("home"), std::filesystem::perms::all);
    {
        test::WithoutWriteAccess readOnly(dir.path("share/tessaro"));
        EXPECT_EQ(prepareDataFolder(ctx.reg), DataFolderState::Writable);
        EXPECT_TRUE(settingsFile(ctx.reg).writeString("Preference", "Game", "203"));
    }
    EXPECT_EQ(dir.read("home/.local/share/tessaro/Data/CFG.DAT"), "[Preference]\nGame=203\n");
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(dir.path("home/.local/share/tessaro")).permissions(), perms::owner_all);
    EXPECT_EQ(std::filesystem::status(dir.path("home/.local/share/tessaro/Data")).permissions(), perms::owner_all);
    EXPECT_EQ(dir.listing("share/tessaro"), "GAMES.DAT");
}

}  // namespace
}  // namespace tessaro
