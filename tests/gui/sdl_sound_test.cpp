// Sound playback on SDL's "disk" audio driver, which plays in real time into
// a file: synchronous requests last as long as the sound, looping repeats
// until stopped, a new sound or an unknown name replaces the current one,
// and without a device everything is silent at once.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <map>
#include <thread>

#include "library_fixture.h"
#include "platform/qt/sdl_sound.h"

namespace tessaro {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::uint8_t> toneWave(int ms, int rate = 22050, int channels = 1) {
    const int frames = rate * ms / 1000;
    std::vector<std::uint8_t> w;
    auto u32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) w.push_back(std::uint8_t(v >> (8 * i))); };
    auto u16 = [&](std::uint16_t v) { w.push_back(std::uint8_t(v)); w.push_back(std::uint8_t(v >> 8)); };
    const std::uint32_t data = std::uint32_t(frames * channels * 2);
    for (char c : std::string("RIFF")) w.push_back(std::uint8_t(c));
    u32(36 + data);
    for (char c : std::string("WAVEfmt ")) w.push_back(std::uint8_t(c));
    u32(16); u16(1); u16(std::uint16_t(channels)); u32(std::uint32_t(rate)); u32(std::uint32_t(rate * channels * 2));
    u16(std::uint16_t(channels * 2)); u16(16);
    for (char c : std::string("data")) w.push_back(std::uint8_t(c));
    u32(data);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) u16(std::uint16_t(std::int16_t(12000 * std::sin(2 * M_PI * 440 * i / rate))));
    return w;
}

std::vector<std::uint8_t> source(std::string_view name) {
    if (name == "tone300") return toneWave(300);
    if (name == "tone100") return toneWave(100);
    if (name == "stereo200") return toneWave(200, 44100, 2);
    if (name == "broken") return {'R', 'I', 'F', 'F', 1, 2, 3};
    return {};
}

long msSince(Clock::time_point t) {
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count());
}

class DiskAudio : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        out_ = dir_.filePath(QStringLiteral("out.raw")).toStdString();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", out_.c_str(), 1);
        device_ = std::make_unique<SdlSoundDevice>(source);
        ASSERT_TRUE(device_->hasDevice()) << SDL_GetError();
    }
    void TearDown() override {
        device_.reset();
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
    }
    QTemporaryDir dir_;
    std::string out_;
    std::unique_ptr<SdlSoundDevice> device_;
};

TEST_F(DiskAudio, SynchronousReturnsAfterTheSoundHasPlayedOut) {
    EXPECT_EQ(device_->lengthMs("tone300"), 300);
    const auto t = Clock::now();
    device_->playWave("tone300", SoundMode::Synchronous);
    const long took = msSince(t);
    EXPECT_GE(took, 300);
    EXPECT_LT(took, 900);
    EXPECT_FALSE(device_->playing());
    // what the device wrote holds the tone
    device_.reset();
    QFile f(QString::fromStdString(out_));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray raw = f.readAll();
    int peak = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
        peak = std::max(peak, std::abs(int(qint16(quint8(raw[i]) | quint8(raw[i + 1]) << 8))));
    EXPECT_GT(peak, 11000);
    EXPECT_LE(peak, 12000);
}

TEST_F(DiskAudio, AsynchronousReturnsAtOnceAndEnds) {
    const auto t = Clock::now();
    device_->playWave("tone300", SoundMode::Asynchronous);
    EXPECT_LT(msSince(t), 100);
    EXPECT_TRUE(device_->playing());
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_FALSE(device_->playing());
    EXPECT_EQ(device_->passes(), 1);
}

TEST_F(DiskAudio, LoopingRepeatsUntilStoppedByAnUnknownName) {
    device_->playWave("tone100", SoundMode::Looping);
    std::this_thread::sleep_for(std::chrono::milliseconds(550));
    EXPECT_TRUE(device_->playing());
    EXPECT_GE(device_->passes(), 4);
    device_->playWave(kStopSoundName, SoundMode::Asynchronous);
    EXPECT_FALSE(device_->playing());
    EXPECT_EQ(device_->passes(), 0);
}

TEST_F(DiskAudio, ANewSoundReplacesTheLoopingOne) {
    device_->playWave("tone100", SoundMode::Looping);
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    device_->playWave("tone100", SoundMode::Asynchronous);
    EXPECT_EQ(device_->passes(), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_FALSE(device_->playing());  // the loop did not come back
    EXPECT_EQ(device_->passes(), 1);
}

TEST_F(DiskAudio, OtherFormatsAreConvertedAndBrokenDataStops) {
    EXPECT_NEAR(device_->lengthMs("stereo200"), 200, 2);
    device_->playWave("stereo200", SoundMode::Looping);
    EXPECT_TRUE(device_->playing());
    device_->playWave("broken", SoundMode::Asynchronous);
    EXPECT_FALSE(device_->playing());
    EXPECT_EQ(device_->lengthMs("broken"), -1);
}

TEST(NoAudioDevice, EverythingIsSilentAndImmediate) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlSoundDevice device(source);
    unsetenv("SDL_AUDIODRIVER");
    EXPECT_FALSE(device.hasDevice());
    const auto t = Clock::now();
    device.playWave("tone300", SoundMode::Synchronous);
    device.playWave("tone300", SoundMode::Looping);
    EXPECT_LT(msSince(t), 50);
    EXPECT_FALSE(device.playing());
    EXPECT_EQ(device.lengthMs("tone300"), -1);
}

TEST_F(DiskAudio, TermAndInterruptSignalsStillEndTheProgram) {
    // A logout or a kill sends SIGTERM: the sound device must not swallow it.
    for (int sig : {SIGTERM, SIGINT}) {
        struct sigaction now {};
        ASSERT_EQ(sigaction(sig, nullptr, &now), 0);
        EXPECT_TRUE(now.sa_handler == SIG_DFL || now.sa_handler == SIG_IGN) << "signal " << sig;
    }
}

class LibrarySounds : public test::LibraryTest {};

TEST_F(LibrarySounds, TheRulesPlayTheLibrarysWavesOnTheDevice) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    QTemporaryDir dir;
    setenv("SDL_DISKAUDIOFILE", dir.filePath(QStringLiteral("o.raw")).toLocal8Bit().constData(), 1);
    SdlSoundDevice device(resources::waveBytes);
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    ASSERT_TRUE(device.hasDevice());
    EXPECT_EQ(device.lengthMs("Face_up"), 80);
    EXPECT_EQ(device.lengthMs("New"), 420);

    Register reg;
    reg.initialise("/tmp/");
    reg.write(reg::SoundsOn, "Y");
    reg.write(reg::SoundNew, "Y");
    reg.write(reg::SoundRedeal, "Y");
    SoundRules rules(reg, device);
    const auto t = Clock::now();
    rules.play("New");  // synchronous
    EXPECT_GE(msSince(t), 420);
    rules.play("Redeal");  // looping
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    EXPECT_TRUE(device.playing());
    EXPECT_GE(device.passes(), 2);
    rules.stopSound();
    EXPECT_FALSE(device.playing());
    // master switch off: stop does nothing
    rules.play("Redeal");
    reg.write(reg::SoundsOn, "N");
    rules.stopSound();
    EXPECT_TRUE(device.playing());
    reg.write(reg::SoundsOn, "Y");
    rules.stopSound();
    EXPECT_FALSE(device.playing());
}

}  // namespace
}  // namespace tessaro
