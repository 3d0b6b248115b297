// Start-up with damaged or blocked files: a rules file that is empty or
// garbage, a resource library that is cut short or garbage, and a data folder
// that cannot be created. Each ends the start-up with one clear error box and
// no main window, and leaves the files it found as they were.
#include <QApplication>

#include <random>

#include "shell_fixture.h"
#include "support/without_write_access.h"

namespace tessaro::test {
namespace {

bool mainWindowExists() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "TfrmMain") return true;
    return false;
}

std::string randomBytes(unsigned seed, std::size_t size) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string out(size, '\0');
    for (char& c : out) c = static_cast<char>(byte(gen));
    return out;
}

class StartupRobustnessTest : public ShellTest {
protected:
    QString path(std::string_view relative) const { return QString::fromStdString(dir.folder()) + relative.data(); }
    QString damagedRulesText() const {
        return "The file is damaged, it holds no games:\n" + path("GAMES.DAT") +
               "\nCopy the file into the directory that above is specified\nor reinstall the program.";
    }
    /// The start-up ends with exactly this one error box and no window.
    void expectEndsWith(const QString& title, const QString& text) {
        EXPECT_FALSE(start());
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].kind, "error");
        EXPECT_EQ(dialogs.shown[0].title, title);
        EXPECT_EQ(dialogs.shown[0].text, text);
        EXPECT_EQ(startup->window(), nullptr);
        EXPECT_FALSE(mainWindowExists());
        dialogs.shown.clear();
    }
};

TEST_F(StartupRobustnessTest, EmptyOrGarbageRulesFileEndsWithTheDamagedFileBoxAndKeepsTheSettings) {
    setting("AutoPlay", "N");
    setting("Game", "203");

    dir.write("GAMES.DAT", "");
    {
        SCOPED_TRACE("zero bytes");
        expectEndsWith("Error", damagedRulesText());
    }
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        dir.write("GAMES.DAT", randomBytes(seed, 4096));
        expectEndsWith("Error", damagedRulesText());
    }
    // A file with only the section header lines and nothing under them.
    dir.write("GAMES.DAT", "[Sect1]\r\n[Sect2]\r\n");
    {
        SCOPED_TRACE("headers only");
        expectEndsWith("Error", damagedRulesText());
    }
    EXPECT_EQ(read("AutoPlay"), "N");
    EXPECT_EQ(read("Game"), "203");

    // The shipped file brings the program up again with the remembered game.
    std::filesystem::copy_file(std::filesystem::path(TESSARO_BIN_DIR) / "GAMES.DAT", dir.path("GAMES.DAT"),
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(start());
    EXPECT_EQ(ctx().reg.read(reg::Game), "0203");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StartupRobustnessTest, CutShortOrGarbageLibraryEndsWithTheCannotLoadBox) {
    const std::string library = dir.read("VRA.RGF");
    ASSERT_GT(library.size(), 4096u);
    const QString text = "Can't find/load " + path("VRA.RGF").toLower();
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"first 16 bytes", library.substr(0, 16)},
        {"first 4096 bytes", library.substr(0, 4096)},
        {"first half", library.substr(0, library.size() / 2)},
        {"all but the last byte", library.substr(0, library.size() - 1)},
        {"random bytes", randomBytes(7, 65536)},
        {"header kept, rest random", library.substr(0, 64) + randomBytes(8, library.size() - 64)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dir.write("VRA.RGF", c.bytes);
        expectEndsWith("Tessaro", text);
    }
    // The whole library again: the program comes up.
    dir.write("VRA.RGF", library);
    ASSERT_TRUE(start());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StartupRobustnessTest, DataFolderThatCannotBeCreatedEndsWithItsBox) {
    // A plain file stands where the data folder belongs.
    dir.write("Data", "not a folder");
    expectEndsWith("Error", "Cannot create the data folder:\n" + path("Data") +
                                "\nThe program keeps its settings and scores there.\n"
                                "Remove the file of that name or reinstall the program.");
    EXPECT_EQ(dir.read("Data"), "not a folder");
    EXPECT_FALSE(std::filesystem::is_directory(dir.path("Data")));

    // With the file gone the folder is made and the settings are written.
    std::filesystem::remove(dir.path("Data"));
    ASSERT_TRUE(start());
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("Data")));
    EXPECT_EQ(read("UserDefault"), "Player 1");
}

TEST_F(StartupRobustnessTest, ReadOnlyProgramOrDataFolderEndsWithItsBoxAndKeepsTheSettings) {
    // No data folder, and the program folder cannot take one.
    {
        WithoutWriteAccess readOnly(dir.path());
        if (!readOnly.effective()) GTEST_SKIP() << "cannot drop the right to write";
        expectEndsWith("Error", "Cannot create the data folder:\n" + path("Data") +
                                    "\nThe program keeps its settings and scores there.\n"
                                    "The program folder is read-only: allow writing to it or reinstall the program.");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path("Data")));

    // A data folder with the player's settings that cannot be written.
    setting("Game", "203");
    setting("UserDefault", "Anna");
    const std::string before = dir.read("Data/CFG.DAT");
    {
        WithoutWriteAccess readOnly(dir.path("Data"));
        expectEndsWith("Error", "Cannot write to the data folder:\n" + path("Data") +
                                    "\nThe program keeps its settings and scores there.\n"
                                    "Allow writing to the folder or reinstall the program.");
    }
    EXPECT_EQ(dir.read("Data/CFG.DAT"), before);

    // Writable again: the program comes up with the player's game.
    ASSERT_TRUE(start());
    EXPECT_EQ(ctx().reg.read(reg::Game), "0203");
    EXPECT_EQ(read("UserDefault"), "Anna");
}

}  // namespace
}  // namespace tessaro::test
