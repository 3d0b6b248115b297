#include "platform/qt/sdl_sound.h"

#include <dlfcn.h>

#include <QLoggingCategory>
#include <algorithm>
#include <cstring>

namespace tessaro {

namespace {

Q_LOGGING_CATEGORY(lcSound, "tessaro.sound", QtWarningMsg)

extern "C" void quietAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// libasound reports every device it cannot open on standard error, a
// machine without a sound card included: eight lines at each start that
// tell the player nothing. The sounds simply stay off there, so its messages
// are silenced; the library is only looked up, as SDL loads it when it
// plays through ALSA at all.
void quietAlsa() {
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!alsa) return;
    if (auto set = reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(&quietAlsaMessage);
    // The handle stays open: the handler must outlive every ALSA call.
}

}  // namespace

SdlSoundDevice::SdlSoundDevice(WaveSource source) : source_(std::move(source)) {
    // The audio subsystem alone; when it or the device cannot start (no sound
    // hardware, no sound server) everything stays silent. SDL would otherwise
    // catch SIGINT and SIGTERM and turn them into quit events that nobody
    // reads, so the program could not be ended by a logout or a kill.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    quietAlsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        qCDebug(lcSound, "no audio: %s", SDL_GetError());
        return;
    }
    initialised_ = true;
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    want.callback = &SdlSoundDevice::feed;
    want.userdata = this;
    // No format changes allowed: SDL converts to the hardware itself, so the
    // sounds only ever need converting to this one format.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, 0);
    if (device_ == 0) {
        qCDebug(lcSound, "no audio device: %s", SDL_GetError());
        return;
    }
    SDL_PauseAudioDevice(device_, 0);
}

SdlSoundDevice::~SdlSoundDevice() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundDevice::feed(void* self, Uint8* stream, int len) {
    auto* d = static_cast<SdlSoundDevice*>(self);
    std::size_t done = 0;
    const std::size_t want = std::size_t(len);
    while (done < want && d->active_) {
        if (d->pos_ >= d->pcm_.size()) {
            if (d->loop_ && !d->pcm_.empty()) {
                d->pos_ = 0;
                ++d->passes_;
            } else {
                d->active_ = false;
                break;
            }
        }
        const std::size_t n = std::min(want - done, d->pcm_.size() - d->pos_);
        std::memcpy(stream + done, d->pcm_.data() + d->pos_, n);
        d->pos_ += n;
        done += n;
    }
    if (done < want) std::memset(stream + done, d->spec_.silence, want - done);
    if (!d->active_) d->drained_.store(true);
}

bool SdlSoundDevice::decode(const std::vector<std::uint8_t>& wave, std::vector<Uint8>& pcm) const {
    if (wave.empty()) return false;
    SDL_RWops* rw = SDL_RWFromConstMem(wave.data(), int(wave.size()));
    if (!rw) return false;
    SDL_AudioSpec in{};
    Uint8* buf = nullptr;
    Uint32 bytes = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &in, &buf, &bytes)) return false;
    SDL_AudioCVT cvt;
    const int need = SDL_BuildAudioCVT(&cvt, in.format, in.channels, in.freq, spec_.format, spec_.channels, spec_.freq);
    if (need < 0) {
        SDL_FreeWAV(buf);
        return false;
    }
    if (need == 0) {
        pcm.assign(buf, buf + bytes);
    } else {
        std::vector<Uint8> work(std::size_t(bytes) * std::size_t(cvt.len_mult));
        std::memcpy(work.data(), buf, bytes);
        cvt.buf = work.data();
        cvt.len = int(bytes);
        if (SDL_ConvertAudio(&cvt) != 0) {
            SDL_FreeWAV(buf);
            return false;
        }
        work.resize(std::size_t(cvt.len_cvt));
        pcm.swap(work);
    }
    SDL_FreeWAV(buf);
    return true;
}

void SdlSoundDevice::stop() {
    if (device_ == 0) return;
    SDL_LockAudioDevice(device_);
    active_ = false;
    pcm_.clear();
    pos_ = 0;
    passes_ = 0;
    drained_.store(true);
    SDL_UnlockAudioDevice(device_);
}

void SdlSoundDevice::playWave(std::string_view name, SoundMode mode) {
    if (device_ == 0) return;
    std::vector<Uint8> pcm;
    if (!decode(source_ ? source_(name) : std::vector<std::uint8_t>{}, pcm) || pcm.empty()) {
        stop();
        return;
    }
    const std::size_t bytes = pcm.size();
    SDL_LockAudioDevice(device_);
    pcm_.swap(pcm);
    pos_ = 0;
    loop_ = mode == SoundMode::Looping;
    active_ = true;
    passes_ = 1;
    drained_.store(false);
    SDL_UnlockAudioDevice(device_);
    if (mode != SoundMode::Synchronous) return;

    // Wait until the audio thread has handed the last sample to the device,
    // then for the device's own buffer to play out. The limit guards against
    // a device that stops asking for data.
    const int frameBytes = SDL_AUDIO_BITSIZE(spec_.format) / 8 * spec_.channels;
    const Uint64 lengthMs = Uint64(bytes) * 1000 / Uint64(std::max(1, frameBytes) * std::max(1, spec_.freq));
    const Uint64 bufferMs = Uint64(spec_.samples) * 1000 / Uint64(std::max(1, spec_.freq)) + 1;
    const Uint64 limit = SDL_GetTicks64() + lengthMs + 2000;
    while (!drained_.load() && SDL_GetTicks64() < limit) SDL_Delay(1);
    SDL_Delay(Uint32(bufferMs));
}

bool SdlSoundDevice::playing() const {
    if (device_ == 0) return false;
    SDL_LockAudioDevice(device_);
    const bool a = active_;
    SDL_UnlockAudioDevice(device_);
    return a;
}

int SdlSoundDevice::passes() const {
    if (device_ == 0) return 0;
    SDL_LockAudioDevice(device_);
    const int n = passes_;
    SDL_UnlockAudioDevice(device_);
    return n;
}

int SdlSoundDevice::lengthMs(std::string_view name) {
    std::vector<Uint8> pcm;
    if (device_ == 0 || !decode(source_ ? source_(name) : std::vector<std::uint8_t>{}, pcm)) return -1;
    const int frameBytes = SDL_AUDIO_BITSIZE(spec_.format) / 8 * spec_.channels;
    return int(Uint64(pcm.size()) * 1000 / Uint64(frameBytes * spec_.freq));
}

}  // namespace tessaro
