#include "platform/profile.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tessaro {
namespace {

class ProfileTest : public ::testing::Test {
protected:
    Profile at(std::string_view relative) const { return Profile(dir.path(relative).string()); }
    test::TempDir dir;
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    const Profile none = at("none.ini");
    EXPECT_EQ(none.readString("Preference", "Card_Size", "B"), "B");
    EXPECT_EQ(none.readInt("Preference", "Cursor", 10), 10);
    EXPECT_FALSE(dir.exists("none.ini"));  // reading creates nothing

    dir.write("cfg.ini", "[Preference]\nCursor=12\n[Users]\nUser001=Ann\n");
    const Profile p = at("cfg.ini");
    EXPECT_EQ(p.readString("Other", "Cursor", "d"), "d");
    EXPECT_EQ(p.readString("Preference", "User001", "d"), "d");  // key of another section
    EXPECT_EQ(p.readString("Users", "User001", "d"), "Ann");
}

TEST_F(ProfileTest, SectionsAndKeysIgnoreCaseAndBlanks) {
    dir.write("cfg.ini", "  [ preference ]  \n  BACK_CARD =  7  \nbackground_def=Y\n");
    const Profile p = at("cfg.ini");
    EXPECT_EQ(p.readInt("Preference", "Back_Card", 11), 7);
    EXPECT_EQ(p.readString("PREFERENCE", "Background_Def", "N"), "Y");
}

TEST_F(ProfileTest, IntegersAreWholeNumbersOrTheDefault) {
    dir.write("cfg.ini",
              "[S]\nplain= -5 \nword=abc\ntail=12abc\nempty=\nhex=0x1F\ndollar=$8000000F\nhuge=99999999999\n"
              "min=-2147483648\nplus=+3\n");
    const Profile p = at("cfg.ini");
    EXPECT_EQ(p.readInt("S", "plain", 1), -5);
    EXPECT_EQ(p.readInt("S", "word", 1), 1);
    EXPECT_EQ(p.readInt("S", "tail", 1), 1);
    EXPECT_EQ(p.readInt("S", "empty", 1), 1);
    EXPECT_EQ(p.readInt("S", "hex", 1), 31);
    EXPECT_EQ(p.readInt("S", "dollar", 1), -2147483633);
    EXPECT_EQ(p.readInt("S", "huge", 1), 1);
    EXPECT_EQ(p.readInt("S", "min", 1), -2147483647 - 1);
    EXPECT_EQ(p.readInt("S", "plus", 1), 3);
}

TEST_F(ProfileTest, CommentsAreNotKeysAndTheFirstOfRepeatedEntriesCounts) {
    dir.write("cfg.ini", "[S]\n;Game=5\nGame=7\nGame=8\n[S]\nOther=1\n");
    const Profile p = at("cfg.ini");
    EXPECT_EQ(p.readInt("S", "Game", 0), 7);
    EXPECT_EQ(p.readString("S", ";Game", "d"), "d");
    EXPECT_EQ(p.readString("S", "Other", "d"), "d");  // only the first [S] is read
}

TEST_F(ProfileTest, QuotesAroundAWholeValueAreRemoved) {
    dir.write("cfg.ini", "[S]\nq=\"Player 1\"\nr='x'\nhalf=\"open\n");
    const Profile p = at("cfg.ini");
    EXPECT_EQ(p.readString("S", "q", ""), "Player 1");
    EXPECT_EQ(p.readString("S", "r", ""), "x");
    EXPECT_EQ(p.readString("S", "half", ""), "\"open");
}

TEST_F(ProfileTest, FirstWriteCreatesFileAndFolder) {
    const Profile p = at("DATA/CFG.DAT");
    EXPECT_TRUE(p.writeInt("Preference", "Game", 201));
    EXPECT_TRUE(p.writeString("Users", "User001", "Player 1"));
    EXPECT_EQ(dir.read("DATA/CFG.DAT"), "[Preference]\nGame=201\n\n[Users]\nUser001=Player 1\n");
    EXPECT_EQ(dir.listing("DATA"), "CFG.DAT");  // no temporary file left behind
}

TEST_F(ProfileTest, WriteKeepsEveryOtherLine) {
    dir.write("cfg.ini",
              "; settings\n[Preference]\nGame=200\n# odd line\nCursor=10\n\n[Users]\nUser001=Ann\n");
    const Profile p = at("cfg.ini");
    p.writeInt("preference", "GAME", 201);            // replaced in place
    p.writeString("Preference", "Card_Size", "M");    // added at the end of its section
    p.writeString("Autoplay", "Games", "YYN");        // new section at the end
    EXPECT_EQ(dir.read("cfg.ini"),
              "; settings\n[Preference]\nGAME=201\n# odd line\nCursor=10\nCard_Size=M\n\n[Users]\nUser001=Ann\n"
              "\n[Autoplay]\nGames=YYN\n");
    EXPECT_EQ(p.readInt("Preference", "Game", 0), 201);
}

TEST_F(ProfileTest, WriteKeepsCarriageReturnLineEndings) {
    dir.write("cfg.ini", "[S]\r\na=1\r\n");
    at("cfg.ini").writeString("S", "b", "2");
    EXPECT_EQ(dir.read("cfg.ini"), "[S]\r\na=1\r\nb=2\r\n");
}

TEST_F(ProfileTest, WritesThatWouldAddOtherEntriesAreRefused) {
    dir.write("cfg.ini", "[Preference]\nUserDefault=Ann\n");
    const Profile p = at("cfg.ini");
    EXPECT_FALSE(p.writeString("Preference", "UserDefault", "Bob\n[Preference]\nGame=5"));
    EXPECT_FALSE(p.writeString("Preference", "UserDefault", "Bob\rGame=5"));
    EXPECT_FALSE(p.writeString("Pref]erence", "UserDefault", "Bob"));
    EXPECT_FALSE(p.writeString("Preference", "Game=5", "Bob"));
    EXPECT_FALSE(p.writeString("Preference", ";x", "Bob"));
    EXPECT_FALSE(p.writeString("Preference", " ", "Bob"));
    EXPECT_FALSE(p.writeString("", "Key", "Bob"));
    EXPECT_EQ(dir.read("cfg.ini"), "[Preference]\nUserDefault=Ann\n");
    EXPECT_TRUE(p.writeString("Preference", "UserDefault", "Bob = [the] ;best"));
    EXPECT_EQ(p.readString("Preference", "UserDefault", ""), "Bob = [the] ;best");
}

// Found by fuzzing: a key written with blanks around it was stored as " Key"
// (read back as "Key") and never found again, so each write added a line.
TEST_F(ProfileTest, NamesWithBlanksAroundThemAreWrittenAndReadTrimmed) {
    const Profile p = at("cfg.ini");
    EXPECT_TRUE(p.writeString(" New ", " Key ", "  value  "));
    EXPECT_EQ(p.readString(" New ", " Key ", "none"), "value");
    EXPECT_TRUE(p.writeString("New", "Key", "second"));
    EXPECT_EQ(p.readString("new", "\tkey", "none"), "second");
    EXPECT_EQ(dir.read("cfg.ini"), "[New]\nKey=second\n");
}

TEST_F(ProfileTest, FailedWriteReportsFalseAndLeavesNoTemporaryFile) {
    // A folder stands where the file should be: the rename cannot replace it.
    std::filesystem::create_directory(dir.path("cfg.ini"));
    EXPECT_FALSE(at("cfg.ini").writeString("S", "a", "1"));
    EXPECT_EQ(dir.listing(), "cfg.ini");
    // A file stands where the folder should be.
    dir.write("plain", "x");
    EXPECT_FALSE(at("plain/cfg.ini").writeString("S", "a", "1"));
    EXPECT_EQ(dir.read("plain"), "x");
}

}  // namespace
}  // namespace tessaro
