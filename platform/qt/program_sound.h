#pragma once
// The program's sounds as the engine hears them: the library's waves played
// on SDL under the play and stop rules. Hang `port()` into Context::sound.
#include "platform/qt/sdl_sound.h"
#include "stores/sound_rules.h"

namespace tessaro {

class Register;

class ProgramSound {
public:
    /// Opens the audio device (silent when there is none); the resource
    /// library must be registered before sounds are played.
    explicit ProgramSound(const Register& reg);
    SoundPort& port() { return rules_; }
    SdlSoundDevice& device() { return device_; }

private:
    SdlSoundDevice device_;
    SoundRules rules_;
};

}  // namespace tessaro
