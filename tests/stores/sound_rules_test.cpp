// The play and stop rules: master switch, own switches, modes, stop request.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stores/register.h"
#include "stores/sound_rules.h"

namespace tessaro {
namespace {

class RecordingDevice : public SoundDevice {
public:
    void playWave(std::string_view name, SoundMode mode) override {
        const char* m = mode == SoundMode::Asynchronous ? "async" : mode == SoundMode::Synchronous ? "sync" : "loop";
        calls.push_back(std::string(name) + " " + m);
    }
    std::vector<std::string> calls;
};

class SoundRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        reg.initialise("/tmp/");
        reg.write(reg::SoundsOn, "Y");
        for (Field f : {reg::SoundAbout, reg::SoundAutoplay, reg::SoundWon, reg::SoundNew, reg::SoundShuffle,
                        reg::SoundPairing, reg::SoundStock, reg::SoundTableau, reg::SoundFaceUp, reg::SoundCardDown,
                        reg::SoundCardUp, reg::SoundRedeal, reg::SoundFoundation, reg::SoundRedealQuiet})
            reg.write(f, "Y");
    }
    Register reg;
    RecordingDevice device;
    SoundRules rules{reg, device};
};

TEST_F(SoundRulesTest, EachNamePlaysInItsOwnMode) {
    for (const char* name : {"Splash", "About", "New", "Won", "card_up", "card_down", "Shuffle", "Redeal", "Red_no_a",
                             "Stock", "Autoplay", "Foundation", "Eddy", "Tableau", "Pairing", "Face_up"})
        rules.play(name);
    const std::vector<std::string> expected{
        "Splash async", "About async",   "New sync",         "Won async",      "card_up async",   "card_down async",
        "Shuffle async", "Redeal loop",  "Red_no_a sync",    "Stock async",    "Autoplay async",  "Foundation async",
        "Eddy async",   "Tableau async", "Pairing async",    "Face_up async"};
    EXPECT_EQ(device.calls, expected);
}

TEST_F(SoundRulesTest, OwnSwitchesAreTheCallersAndTheOnArgumentDecides) {
    // The engine checks a sound's switch before it asks by name, so a sound
    // asked for by name plays even when its usual switch is off: "Shuffle"
    // after a row rearrangement plays under the tableau switch.
    reg.write(reg::SoundShuffle, "N");
    reg.write(reg::SoundNew, "N");
    rules.play("Shuffle");
    rules.play("New");
    rules.playSound("Face_up", false, SoundMode::Asynchronous);
    rules.playSound("Face_up", true, SoundMode::Synchronous);
    const std::vector<std::string> expected{"Shuffle async", "New sync", "Face_up sync"};
    EXPECT_EQ(device.calls, expected);
}

TEST_F(SoundRulesTest, MasterSwitchOffSilencesEverythingAndStopDoesNothing) {
    reg.write(reg::SoundsOn, "N");
    rules.play("Won");
    rules.playSound("Shuffle", true, SoundMode::Looping);
    rules.stopSound();
    rules.play("_tmp_stop_");
    EXPECT_TRUE(device.calls.empty());
    reg.write(reg::SoundsOn, " ");  // anything but "Y" is off
    rules.play("Won");
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(SoundRulesTest, PlayRequestsAndStopRequests) {
    // The deal plays "Shuffle" looping; the row rearrangement plays it under
    // the tableau switch while the shuffle switch is off.
    reg.write(reg::SoundShuffle, "N");
    rules.playSound("Shuffle", reg.flag(reg::SoundShuffle), SoundMode::Looping);
    rules.playSound("Shuffle", reg.flag(reg::SoundTableau), SoundMode::Asynchronous);
    rules.playSound("Won", false, SoundMode::Asynchronous);
    rules.stopSound();
    rules.play("No_such_sound");
    const std::vector<std::string> expected{"Shuffle async", "_tmp_stop_ async", "No_such_sound async"};
    EXPECT_EQ(device.calls, expected);
}

TEST(SoundTable, KnowsTheSixteenSoundsAndNothingElse) {
    ASSERT_TRUE(soundUse("Eddy").has_value());
    EXPECT_EQ(soundUse("Eddy")->ownSwitch->pos, 184);
    EXPECT_EQ(soundUse("Red_no_a")->ownSwitch->pos, 252);
    EXPECT_FALSE(soundUse("Splash")->ownSwitch.has_value());
    EXPECT_FALSE(soundUse("_tmp_stop_").has_value());
    EXPECT_FALSE(soundUse("face_up").has_value());  // names are exact
}

}  // namespace
}  // namespace tessaro
