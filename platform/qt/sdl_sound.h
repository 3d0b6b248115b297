#pragma once
// Sound playback from memory on SDL2's audio subsystem: one sound at a time,
// mixed into the device by SDL's audio thread. Asynchronous and looping
// requests return at once; a synchronous request returns once the sound has
// been played out by the device. A new sound replaces the one playing; a name
// without wave data stops it. Without an audio device every request is
// silent and returns at once.
#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "stores/sound_rules.h"

namespace tessaro {

class SdlSoundDevice : public SoundDevice {
public:
    /// Returns the RIFF WAVE bytes of a named sound, empty when there is none.
    using WaveSource = std::function<std::vector<std::uint8_t>(std::string_view name)>;

    explicit SdlSoundDevice(WaveSource source);
    ~SdlSoundDevice() override;
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    void playWave(std::string_view name, SoundMode mode) override;

    /// True when an audio device is open (false means every sound is silent).
    bool hasDevice() const { return device_ != 0; }
    /// True while a sound is being fed to the device.
    bool playing() const;
    /// How many times the current sound has started from its beginning
    /// (1 after the start, 2 after the first repeat of a looping sound, ...).
    int passes() const;
    /// Length in milliseconds of a sound's wave data as the device plays it;
    /// -1 when the data is not a playable wave.
    int lengthMs(std::string_view name);

private:
    static void feed(void* self, Uint8* stream, int len);
    void stop();
    // Decodes wave bytes into the device's format; false when they are not a wave.
    bool decode(const std::vector<std::uint8_t>& wave, std::vector<Uint8>& pcm) const;

    WaveSource source_;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    bool initialised_ = false;

    // Shared with SDL's audio thread; changed only under SDL_LockAudioDevice.
    std::vector<Uint8> pcm_;
    std::size_t pos_ = 0;
    bool loop_ = false;
    bool active_ = false;
    int passes_ = 0;
    std::atomic<bool> drained_{true};
};

}  // namespace tessaro
