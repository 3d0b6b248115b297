#pragma once
// The play and stop rules of the sounds: the master switch (register 141),
// each sound's own switch, and the mode each sound plays in. The sound data
// and the playing itself belong to a SoundDevice (SDL on the desktop).
#include <optional>
#include <string_view>

#include "engine/ports.h"
#include "stores/register.h"

namespace tessaro {

/// Plays wave data by its name in the resource library. A name the library
/// does not hold ends the sound playing and plays nothing.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual void playWave(std::string_view name, SoundMode mode) = 0;
};

/// The name no library holds; asking for it stops the current sound.
inline constexpr std::string_view kStopSoundName = "_tmp_stop_";

/// One row of the sound table: a sound's usual mode and the register field of
/// its own switch (no field: its switch lives in the settings file and the
/// caller checks it, as for "Splash").
struct SoundUse {
    std::string_view name;
    SoundMode mode;
    std::optional<Field> ownSwitch;
};

/// The usual use of a sound name; nothing for names outside the table.
std::optional<SoundUse> soundUse(std::string_view name);

/// The engine's sound port on top of a device.
class SoundRules : public SoundPort {
public:
    SoundRules(const Register& reg, SoundDevice& device) : reg_(reg), device_(device) {}

    /// A play request for a sound whose own switch the caller has checked
    /// (the engine does, and "Shuffle" plays under the tableau switch after a
    /// row rearrangement): the mode comes from the sound table; a name outside
    /// the table is asked for asynchronously, which stops the current sound.
    void play(std::string_view name) override;
    /// Plays only when `on` and the master switch is "Y".
    void playSound(std::string_view name, bool on, SoundMode mode) override;
    /// With the master switch "Y", asks for "_tmp_stop_", which stops the sound.
    void stopSound() override;

private:
    const Register& reg_;
    SoundDevice& device_;
};

}  // namespace tessaro
