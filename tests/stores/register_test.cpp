#include "stores/register.h"

#include "stores/program_folder.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

class RegisterTest : public ::testing::Test {
protected:
    void SetUp() override { r.initialise("/opt/tessaro/"); }
    Register r;
};

TEST_F(RegisterTest, WriteTrimsLeadingBlanksAndPadsToWidth) {
    r.write(62, 4, "  abc");
    EXPECT_EQ(r.read(62, 4), "abc");
    EXPECT_EQ(r.read(62, 5), "abc");  // one blank of padding, then the next field is blank
    r.write(189, 50, std::string(60, 'x'));
    EXPECT_EQ(r.read(189, 50), std::string(50, 'x'));
    EXPECT_EQ(r.read(239, 1), "");  // the neighbour field is untouched
    r.write(189, 50, "");
    EXPECT_EQ(r.read(189, 50), "");
}

TEST_F(RegisterTest, InitialisationStoresFolderAndSettingsName) {
    EXPECT_EQ(r.read(reg::ProgramFolder), "/opt/tessaro/");
    EXPECT_EQ(r.read(reg::SettingsFile), "DATA\\CFG.DAT");
    EXPECT_EQ(r.stringLength(0), 250u);
    EXPECT_EQ(r.stringLength(1), 250u);
    EXPECT_EQ(r.stringLength(2), 250u);
}

TEST_F(RegisterTest, WritePastTheEndGrowsOnlyThatString) {
    r.write(701, 200, "far");
    EXPECT_EQ(r.stringLength(2), 400u);
    EXPECT_EQ(r.stringLength(0), 250u);
    EXPECT_EQ(r.read(701, 200), "far");
    EXPECT_EQ(r.read(reg::ProgramFolder), "/opt/tessaro/");
}

TEST_F(RegisterTest, PositionsFromThousandAreIgnored) {
    r.write(1000, 3, "abc");
    std::string out = "keep";
    r.read(1000, 3, out);
    EXPECT_EQ(out, "keep");
    EXPECT_EQ(r.stringLength(2), 250u);
}

TEST_F(RegisterTest, FieldsOfTheThreeStringsDoNotOverlap) {
    r.write(249, 1, "A");
    r.write(251, 1, "B");
    r.write(499, 1, "C");
    EXPECT_EQ(r.read(249, 1), "A");
    EXPECT_EQ(r.read(251, 1), "B");
    EXPECT_EQ(r.read(499, 1), "C");
    EXPECT_EQ(r.read(1, 1), "D");  // "DATA\CFG.DAT" is still intact
}

TEST(RegisterFormat, ZeroPadded) {
    EXPECT_EQ(Register::zeroPadded(11, 3), "011");
    EXPECT_EQ(Register::zeroPadded(201, 4), "0201");
    EXPECT_EQ(Register::zeroPadded(-1, 4), "-001");
    EXPECT_EQ(Register::zeroPadded(12345, 3), "***");
    EXPECT_EQ(Register::zeroPadded(-100, 4), "-100");
    EXPECT_EQ(Register::zeroPadded(-1000, 4), "****");
    EXPECT_EQ(Register::zeroPadded(-9223372036854775807LL - 1, 20), "-9223372036854775808");
    EXPECT_EQ(Register::zeroPadded(0, 1), "0");
}

TEST_F(RegisterTest, ReadIntIsStrict) {
    r.write(reg::Game, "201");
    EXPECT_EQ(r.readInt(reg::Game), 201);
    r.write(reg::Game, "-001");
    EXPECT_EQ(r.readInt(reg::Game), -1);
    r.write(reg::Game, "2x");
    EXPECT_EQ(r.readInt(reg::Game, 77), 77);
    r.write(reg::Game, "");
    EXPECT_EQ(r.readInt(reg::Game, 5), 5);
}

TEST(ProgramFolder, LongerThanTheRegisterFieldIsRefused) {
    const std::string fits = "/" + std::string(198, 'a') + "/";
    EXPECT_EQ(programFolderProblem(fits), "");
    Register r;
    r.initialise(fits);
    EXPECT_EQ(r.read(reg::ProgramFolder), fits);
    const std::string tooLong = "/" + std::string(199, 'a') + "/";
    EXPECT_EQ(programFolderProblem(tooLong),
              "The program folder path is longer than 200 characters (201). Move Tessaro to a folder with a "
              "shorter path: " + tooLong);
}

TEST(ProgramFolder, OneTrailingSeparator) {
    EXPECT_EQ(withTrailingSeparator("/opt/tessaro"), "/opt/tessaro/");
    EXPECT_EQ(withTrailingSeparator("/opt/tessaro//"), "/opt/tessaro/");
    EXPECT_EQ(withTrailingSeparator("/"), "/");
    EXPECT_EQ(withTrailingSeparator(""), "./");
}

}  // namespace
}  // namespace tessaro
