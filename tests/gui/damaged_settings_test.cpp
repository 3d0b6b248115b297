// A settings file that cannot be read as settings: binary noise, a file of
// 50 MB, a line of 1 MB, a file cut off in its last line. The program starts
// with the defaults for what it could not read, keeps the damaged file beside
// the new one as CFG.DAT.damaged and tells the player once.
#include <random>

#include "platform/text_file.h"
#include "shell_fixture.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

class DamagedSettingsTest : public ShellTest {
protected:
    std::string cfg() const { return (dir.path("Data") / "CFG.DAT").string(); }
    std::string fileText(const std::string& path) const {
        std::string text;
        readTextFile(path, text);
        return text;
    }
    /// Starts with `damaged` as the settings file; the one message shown.
    QString startWith(const std::string& damaged) {
        fs::remove_all(dir.path("Data"));
        dir.write("Data/CFG.DAT", damaged);
        dialogs.shown.clear();
        EXPECT_TRUE(start());
        EXPECT_EQ(fileText(cfg() + ".damaged"), damaged) << "the damaged file is kept as it was";
        if (dialogs.shown.size() != 1 || dialogs.shown[0].kind != "info") {
            ADD_FAILURE() << "expected one information box, got " << dialogs.shown.size() << " boxes";
            return {};
        }
        return dialogs.shown[0].text;
    }
};

TEST_F(DamagedSettingsTest, UnreadableFilesAreKeptAsideAndTheDefaultsTakeTheirPlace) {
    std::mt19937 gen(7);
    std::string noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(gen());
    std::string huge = "[Preference]\nGame=203\n";
    huge.resize(50u << 20, 'x');
    const std::string longLine = "[Preference]\nGame=203\nCustomized_Background=" + std::string(1u << 20, 'a') + "\n";

    for (const auto& [name, text] : {std::pair<const char*, const std::string&>{"noise", noise},
                                     {"50 MB", huge},
                                     {"1 MB line", longLine}}) {
        SCOPED_TRACE(name);
        const QString message = startWith(text);
        EXPECT_EQ(message, "The settings file could not be read:\n" + QString::fromStdString(cfg()) +
                               "\nIt has been kept as:\n" + QString::fromStdString(cfg()) +
                               ".damaged\nThe settings that could not be read are back at their defaults.");
        // Defaults: the remembered game, and a fresh file as on a first start.
        EXPECT_EQ(ctx().reg.read(reg::Game), "0201");
        EXPECT_EQ(read("Run_Exe", "Parameters"), "1");
        // Told once: the next start finds a file in order.
        dialogs.shown.clear();
        restart();
        EXPECT_TRUE(dialogs.shown.empty());
        EXPECT_EQ(read("Run_Exe", "Parameters"), "2");
    }
}

TEST_F(DamagedSettingsTest, AFileCutInItsLastLineKeepsTheEntriesBeforeTheCut) {
    const std::string cut = "[Preference]\nGame=203\nGame_name=Ace-To-King\nCard_Si";
    const QString message = startWith(cut);
    EXPECT_TRUE(message.startsWith("The settings file could not be read in full:")) << message.toStdString();
    EXPECT_EQ(ctx().reg.read(reg::Game), "0203");
    EXPECT_EQ(read("Card_Size"), "<missing>");
    EXPECT_EQ(settings().readString("Preference", "Game_name", ""), "Ace-To-King");

    // A last line without its line ending that is a whole entry is no damage.
    fs::remove_all(dir.path("Data"));
    dir.write("Data/CFG.DAT", "[Preference]\nGame=204");
    dialogs.shown.clear();
    restart();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(ctx().reg.read(reg::Game), "0204");
    EXPECT_FALSE(fs::exists(cfg() + ".damaged"));
}

TEST_F(DamagedSettingsTest, EarlierDamagedFilesAreNotOverwritten) {
    dir.write("Data/CFG.DAT.damaged", "older");
    dir.write("Data/CFG.DAT", std::string("\x01\x02\x03", 3));
    ASSERT_TRUE(start());
    EXPECT_EQ(fileText(cfg() + ".damaged"), "older");
    EXPECT_EQ(fileText(cfg() + ".damaged2"), std::string("\x01\x02\x03", 3));
}

}  // namespace
}  // namespace tessaro::test
