#include "stores/sound_rules.h"

#include <array>

namespace tessaro {

namespace {
// Where each sound is played from, with its usual mode; "Shuffle" also plays
// looping during the animated deal (the table asks for that itself) and under
// the tableau switch after a row rearrangement (the engine asks for that).
const std::array<SoundUse, 16> kSounds{{
    {"Splash", SoundMode::Asynchronous, std::nullopt},
    {"About", SoundMode::Asynchronous, reg::SoundAbout},
    {"New", SoundMode::Synchronous, reg::SoundNew},
    {"Won", SoundMode::Asynchronous, reg::SoundWon},
    {"card_up", SoundMode::Asynchronous, reg::SoundCardUp},
    {"card_down", SoundMode::Asynchronous, reg::SoundCardDown},
    {"Shuffle", SoundMode::Asynchronous, reg::SoundShuffle},
    {"Redeal", SoundMode::Looping, reg::SoundRedeal},
    {"Red_no_a", SoundMode::Synchronous, reg::SoundRedealQuiet},
    {"Stock", SoundMode::Asynchronous, reg::SoundStock},
    {"Autoplay", SoundMode::Asynchronous, reg::SoundAutoplay},
    {"Foundation", SoundMode::Asynchronous, reg::SoundFoundation},
    {"Eddy", SoundMode::Asynchronous, reg::SoundFoundation},
    {"Tableau", SoundMode::Asynchronous, reg::SoundTableau},
    {"Pairing", SoundMode::Asynchronous, reg::SoundPairing},
    {"Face_up", SoundMode::Asynchronous, reg::SoundFaceUp},
}};
}  // namespace

std::optional<SoundUse> soundUse(std::string_view name) {
    for (const SoundUse& u : kSounds)
        if (u.name == name) return u;
    return std::nullopt;
}

void SoundRules::play(std::string_view name) {
    const std::optional<SoundUse> use = soundUse(name);
    playSound(name, true, use ? use->mode : SoundMode::Asynchronous);
}

void SoundRules::playSound(std::string_view name, bool on, SoundMode mode) {
    if (!on || !reg_.flag(reg::SoundsOn)) return;
    device_.playWave(name, mode);
}

void SoundRules::stopSound() {
    if (!reg_.flag(reg::SoundsOn)) return;
    device_.playWave(kStopSoundName, SoundMode::Asynchronous);
}

}  // namespace tessaro
