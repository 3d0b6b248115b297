#include "stores/statistics.h"

#include <gtest/gtest.h>

#include "engine/context.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

class RecordingDialogs : public Dialogs {
public:
    void info(std::string_view text) override { log += std::string(text) + "|"; }
    bool confirm(std::string_view) override { return true; }
    std::string log;
};

class StatisticsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.reg.initialise(dir.folder());
        ctx.dialogs = &dialogs;
    }
    test::TempDir dir;
    Context ctx;
    RecordingDialogs dialogs;
};

TEST_F(StatisticsTest, SectionKeysMatchAsPrefixes) {
    dir.write("s.dat", "Version=9\n[Version]\nVersion2=0200\nVersion=0300\n[Other]\nName=x\n");
    const std::string path = dir.path("s.dat").string();
    auto r = readSectionValues(path, "Version", {"Version"}, {"0000"});
    EXPECT_EQ(r.values, (std::vector<std::string>{"0200"}));  // the longer key's line matched first
    EXPECT_TRUE(r.allFound);
    r = readSectionValues(path, "Version", {"Version2", "Version"}, {"a", "b"});
    EXPECT_EQ(r.values, (std::vector<std::string>{"0200", "0300"}));
    EXPECT_TRUE(r.allFound);
    r = readSectionValues(path, "Version", {"Name", "Version2"}, {"d", "e"});  // Name lies in another section
    EXPECT_EQ(r.values, (std::vector<std::string>{"d", "0200"}));
    EXPECT_FALSE(r.allFound);
    r = readSectionValues(dir.path("none.dat").string(), "Version", {"Version"}, {"0000"});
    EXPECT_EQ(r.values, (std::vector<std::string>{"0000"}));
    EXPECT_FALSE(r.allFound);
}

TEST_F(StatisticsTest, AnOldScoreFileIsRewrittenAtVersion0300) {
    dir.write("DATA/STAT_SCR.DAT",
              "[Version]\r\nVersion=0299\r\n[Scores]\r\n0short record\r\n" + std::string(95, '0') +
                  "\r\n1other line\r\n\r\n");
    dir.write("DATA/CFG.DAT", "[Preference]\nCards_Animate=S\nConfirmQuit=N\n");
    EXPECT_TRUE(updateScoreFile(ctx));
    std::string shortRecord = "0short record";
    shortRecord.resize(89, ' ');
    EXPECT_EQ(dir.read("DATA/STAT_SCR.DAT"), "[Version]\r\nVersion=0300\r\n\r\n[Scores]\r\n" + shortRecord + " x\r\n" +
                                                 std::string(89, '0') + " x\r\n1other line\r\n\r\n");
    EXPECT_EQ(dir.read("DATA/CFG.DAT"), "[Preference]\nCards_Animate=Y\nConfirmQuit=N\n");
    EXPECT_EQ(dir.listing("DATA"), "CFG.DAT STAT_SCR.DAT");  // no temporary file left
    EXPECT_EQ(dialogs.log, "");
}

TEST_F(StatisticsTest, AScoreFileWithoutVersionCountsAsVersion0000) {
    dir.write("Data/stat_scr.dat", "0abc\n");
    EXPECT_TRUE(updateScoreFile(ctx));
    std::string record = "0abc";
    record.resize(89, ' ');
    EXPECT_EQ(dir.read("Data/stat_scr.dat"), "[Version]\nVersion=0300\n\n" + record + " x\n");
}

TEST_F(StatisticsTest, CurrentAndNewerScoreFilesStayAsTheyAre) {
    for (const char* version : {"0300", "1000"}) {
        const std::string text = std::string("[Version]\nVersion=") + version + "\n0rec\n";
        dir.write("DATA/STAT_SCR.DAT", text);
        dir.write("DATA/CFG.DAT", "[Preference]\nConfirmQuit=S\n");
        EXPECT_FALSE(updateScoreFile(ctx)) << version;
        EXPECT_EQ(dir.read("DATA/STAT_SCR.DAT"), text) << version;
        EXPECT_EQ(dir.read("DATA/CFG.DAT"), "[Preference]\nConfirmQuit=Y\n") << version;
    }
}

TEST_F(StatisticsTest, WithoutAScoreFileNothingIsCorrected) {
    dir.write("DATA/CFG.DAT", "[Preference]\nCards_Animate=S\n");
    EXPECT_FALSE(updateScoreFile(ctx));
    EXPECT_EQ(dir.read("DATA/CFG.DAT"), "[Preference]\nCards_Animate=S\n");
    EXPECT_EQ(dir.listing("DATA"), "CFG.DAT");
}

TEST_F(StatisticsTest, StatisticsPresence) {
    dir.write("DATA/Series_e01.dat", "series");
    dir.write("DATA/Stat_e07.dat", "");
    EXPECT_TRUE(statisticsPresent(ctx.reg));
    EXPECT_TRUE(dir.exists("DATA/Series_e01.dat"));

    std::filesystem::remove(dir.path("DATA/Stat_e07.dat"));
    dir.write("DATA/STAT_E99.DAT", "");  // names ignore case
    EXPECT_TRUE(statisticsPresent(ctx.reg));

    std::filesystem::remove(dir.path("DATA/STAT_E99.DAT"));
    dir.write("DATA/Stat_e100.dat", "");  // matches the pattern but is none of 00-99
    EXPECT_FALSE(statisticsPresent(ctx.reg));
    EXPECT_TRUE(dir.exists("DATA/Series_e01.dat"));

    std::filesystem::remove(dir.path("DATA/Stat_e100.dat"));
    EXPECT_FALSE(statisticsPresent(ctx.reg));
    EXPECT_FALSE(dir.exists("DATA/Series_e01.dat"));
    EXPECT_FALSE(statisticsPresent(ctx.reg));  // a missing series file is no error
}

}  // namespace
}  // namespace tessaro
