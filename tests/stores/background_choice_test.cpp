#include "stores/background_choice.h"

#include <gtest/gtest.h>

#include "engine/context.h"
#include "stores/settings.h"
#include "support/temp_dir.h"

namespace tessaro {
namespace {

class BackgroundChoiceTest : public ::testing::Test {
protected:
    void SetUp() override { ctx.reg.initialise(dir.folder()); }
    std::string key(std::string_view k) const {
        return settingsFile(ctx.reg).readString(section::Preference, k, "<missing>");
    }

    test::TempDir dir;
    Context ctx;
};

TEST_F(BackgroundChoiceTest, EachCodeRangeStoresItsOwnFields) {
    struct Case {
        int code;
        const char* picture;
        const char* isDefault;
        const char* colour;
        const char* fixed;
    };
    // The stored colour is a plain colour here, so that code 1 shows it.
    const Case cases[] = {
        {-7, "0", "Y", "0", "0"},         {0, "0", "Y", "0", "0"},
        {1, "0", "N", "4210752", "0"},    {2, "2", "N", "0", "0"},
        {287, "287", "N", "0", "0"},      {500, "500", "N", "0", "0"},
        {1000, "1000", "N", "0", "0"},    {1001, "0", "N", "0", "1001"},
        {16777215, "0", "N", "0", "16777215"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ctx.reg.write(reg::BackgroundPicture, "311");
        ctx.reg.write(reg::BackgroundDefault, "?");
        ctx.reg.write(reg::BackgroundColour, "123");
        ctx.reg.write(reg::BackgroundFixedColour, "456");
        const BackgroundChoice choice = backgroundChoice(c.code, 4210752);
        writeBackgroundChoice(ctx.reg, choice);
        EXPECT_EQ(ctx.reg.read(reg::BackgroundPicture), c.picture);
        EXPECT_EQ(ctx.reg.read(reg::BackgroundDefault), c.isDefault);
        EXPECT_EQ(ctx.reg.read(reg::BackgroundColour), c.colour);
        EXPECT_EQ(ctx.reg.read(reg::BackgroundFixedColour), c.fixed);

        writeBackgroundSettings(settingsFile(ctx.reg), choice, 4210752);
        EXPECT_EQ(key("Background_bmp"), c.picture);
        EXPECT_EQ(key("Background_Def"), c.isDefault);
        EXPECT_EQ(key("Background_Fixed_Col"), c.fixed);
        // The settings file keeps the stored colour whatever the code.
        EXPECT_EQ(key("Background_Col"), "4210752");
    }
}

TEST_F(BackgroundChoiceTest, WrittenBackgroundComesBackAtTheNextStart) {
    // What the dialog writes, start-up reads back into the same fields.
    for (int code : {0, 16777215, 304}) {
        SCOPED_TRACE(code);
        const BackgroundChoice choice = backgroundChoice(code, kButtonFaceColour);
        writeBackgroundSettings(settingsFile(ctx.reg), choice, kButtonFaceColour);
        Context next;
        next.reg.initialise(dir.folder());
        loadSettings(next);
        EXPECT_EQ(next.reg.read(reg::BackgroundPicture), choice.picture);
        EXPECT_EQ(next.reg.read(reg::BackgroundDefault), choice.isDefault);
        EXPECT_EQ(next.reg.read(reg::BackgroundFixedColour), std::to_string(choice.fixedColour));
        EXPECT_EQ(next.reg.read(reg::BackgroundColour), "-2147483633");
        EXPECT_EQ(backgroundCodeOf(next.reg), code);
    }
}

TEST_F(BackgroundChoiceTest, StoredColourFallsBackToButtonFace) {
    const std::pair<const char*, int> cases[] = {
        {"0", -2147483633}, {"", -2147483633}, {"green", -2147483633}, {"255", 255}, {"-2147483633", -2147483633},
    };
    for (const auto& [field, expected] : cases) {
        SCOPED_TRACE(field);
        ctx.reg.write(reg::BackgroundColour, field);
        EXPECT_EQ(storedBackgroundColour(ctx.reg), expected);
    }
}

TEST_F(BackgroundChoiceTest, CodeOfTheRegisterFollowsTheDrawingOrder) {
    struct Case {
        const char* isDefault;
        const char* picture;
        const char* fixed;
        int code;
    };
    const Case cases[] = {
        {"Y", "287", "16777215", 0},  // the default wins over everything stored
        {"N", "287", "16777215", 287},  // the table shows the picture
        {"N", "0", "16777215", 16777215},
        {"N", "287", "0", 287},
        {"N", "0", "0", 1},           // neither: the custom colour
        {"N", "0", "500", 1},         // a fixed colour no code can stand for
        {"N", "5000", "0", 1},        // a picture number out of range
        {"N", "-3", "0", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.isDefault) + c.picture + "/" + c.fixed);
        ctx.reg.write(reg::BackgroundDefault, c.isDefault);
        ctx.reg.write(reg::BackgroundPicture, c.picture);
        ctx.reg.write(reg::BackgroundFixedColour, c.fixed);
        EXPECT_EQ(backgroundCodeOf(ctx.reg), c.code);
    }
}

}  // namespace
}  // namespace tessaro
