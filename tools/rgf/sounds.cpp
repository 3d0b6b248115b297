// The sounds, synthesised: card flicks and thuds from shaped noise, riffles
// for shuffling and redealing, bell chimes for the splash, the about box,
// pairs and the won game. 22050 Hz, mono, 16-bit PCM; each sound is brought
// to the same loudness (RMS) without letting a peak pass -1 dBFS.
#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

#include "art.h"
#include "library.h"

namespace rgf {
namespace {

constexpr int kRate = 22050;
using Signal = std::vector<double>;

Signal silence(double seconds) { return Signal(std::size_t(seconds * kRate), 0.0); }

// Band-passed noise with an envelope: attack a, decay time constant d (s);
// the centre frequency glides from f0 to f1 over the burst.
void noiseBurst(Signal& s, double at, double len, double f0, double f1, double q, double gain, double attack, double decay,
                quint32 seed) {
    Noise n(seed);
    double low = 0, band = 0;
    const std::size_t start = std::size_t(at * kRate);
    const std::size_t count = std::size_t(len * kRate);
    for (std::size_t i = 0; i < count && start + i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double f = f0 + (f1 - f0) * (t / len);
        const double k = 2 * std::sin(M_PI * std::min(f, kRate / 6.0) / kRate);
        const double in = n.range(-1, 1);
        low += k * band;
        const double high = in - low - band / q;
        band += k * high;
        const double env = (t < attack ? t / attack : 1.0) * std::exp(-(t - std::min(t, attack)) / decay);
        s[start + i] += band * env * gain;
    }
}

// A bell-like tone: a few inharmonic partials with exponential decay.
void bell(Signal& s, double at, double freq, double len, double gain) {
    const double partials[][3] = {{1.0, 1.0, 1.0}, {2.0, 0.45, 0.6}, {3.01, 0.22, 0.45}, {4.2, 0.10, 0.3}};
    const std::size_t start = std::size_t(at * kRate);
    for (std::size_t i = 0; i < std::size_t(len * kRate) && start + i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double attack = std::min(1.0, t / 0.004);
        double v = 0;
        for (const auto& p : partials) v += p[1] * std::sin(2 * M_PI * freq * p[0] * t) * std::exp(-t * 3.2 / (len * p[2]));
        s[start + i] += gain * attack * v;
    }
}

// A riffle: many small card clicks spread over `len` seconds.
void riffle(Signal& s, double at, double len, int clicks, double f, quint32 seed, bool even) {
    Noise n(seed);
    for (int i = 0; i < clicks; ++i) {
        double pos = even ? (i + 0.5) / clicks : std::pow((i + n.unit() * 0.6) / clicks, 0.85);
        pos = std::clamp(pos + (even ? n.range(-0.15, 0.15) / clicks : 0.0), 0.0, 1.0);
        const double g = 0.5 + 0.5 * n.unit();
        noiseBurst(s, at + pos * len, 0.03, f * n.range(0.8, 1.25), f * 0.7, 1.6, g, 0.0008, 0.006, seed * 31 + quint32(i));
    }
}

QByteArray toWave(Signal s) {
    // short fades so no sound starts or ends with a click
    const std::size_t fade = std::min<std::size_t>(s.size() / 4, kRate / 400);
    for (std::size_t i = 0; i < fade; ++i) {
        const double g = double(i) / fade;
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
    double peak = 0, sum = 0;
    for (double v : s) {
        peak = std::max(peak, std::abs(v));
        sum += v * v;
    }
    const double rms = std::sqrt(sum / std::max<std::size_t>(1, s.size()));
    const double target = 0.14, ceiling = 0.89;
    const double gain = peak > 0 ? std::min(target / std::max(rms, 1e-9), ceiling / peak) : 0.0;

    QByteArray out;
    const quint32 dataBytes = quint32(s.size() * 2);
    auto u32 = [&](quint32 v) { char b[4]; qToLittleEndian(v, b); out.append(b, 4); };
    auto u16 = [&](quint16 v) { char b[2]; qToLittleEndian(v, b); out.append(b, 2); };
    out.append("RIFF", 4);
    u32(36 + dataBytes);
    out.append("WAVEfmt ", 8);
    u32(16);
    u16(1);              // PCM
    u16(1);              // mono
    u32(kRate);
    u32(kRate * 2);      // bytes per second
    u16(2);              // block align
    u16(16);             // bits
    out.append("data", 4);
    u32(dataBytes);
    for (double v : s) {
        const int q = int(std::lround(std::clamp(v * gain, -1.0, 1.0) * 32767.0));
        u16(quint16(qint16(q)));
    }
    return out;
}

double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

}  // namespace

void makeSounds(Library& lib) {
    const double C5 = note(3), E5 = note(7), G5 = note(10), C6 = note(15), E6 = note(19), B5 = note(14), G6 = note(22);
    {  // Splash: a rising arpeggio that settles into a chord
        Signal s = silence(1.7);
        const double notes[] = {C5, E5, G5, C6};
        for (int i = 0; i < 4; ++i) bell(s, i * 0.12, notes[i], 1.7 - i * 0.12, 0.5);
        bell(s, 0.5, E6, 1.2, 0.25);
        lib.wave(QStringLiteral("Splash"), toWave(s));
    }
    {  // About: two soft notes
        Signal s = silence(0.8);
        bell(s, 0.0, G5, 0.8, 0.5);
        bell(s, 0.16, C6, 0.64, 0.5);
        lib.wave(QStringLiteral("About"), toWave(s));
    }
    {  // New: a quick riffle closing with a snap (played synchronously, so short)
        Signal s = silence(0.42);
        riffle(s, 0.0, 0.3, 14, 2800, 45, false);
        noiseBurst(s, 0.31, 0.1, 1400, 600, 1.2, 1.4, 0.001, 0.02, 46);
        lib.wave(QStringLiteral("New"), toWave(s));
    }
    {  // Won: a bright fanfare of bells
        Signal s = silence(1.9);
        const double notes[] = {C5, E5, G5, C6, E6, G6};
        for (int i = 0; i < 6; ++i) bell(s, i * 0.09, notes[i], 1.9 - i * 0.09, 0.42);
        bell(s, 0.7, C6, 1.2, 0.35);
        bell(s, 0.7, E6, 1.2, 0.25);
        lib.wave(QStringLiteral("Won"), toWave(s));
    }
    {  // card_up: a light, high flick
        Signal s = silence(0.09);
        noiseBurst(s, 0.0, 0.09, 4200, 3000, 1.4, 1.0, 0.002, 0.018, 101);
        lib.wave(QStringLiteral("card_up"), toWave(s));
    }
    {  // card_down: a soft thud with a click on top
        Signal s = silence(0.12);
        noiseBurst(s, 0.0, 0.12, 700, 350, 1.0, 1.6, 0.001, 0.03, 102);
        noiseBurst(s, 0.0, 0.03, 3500, 3000, 2.0, 0.4, 0.0005, 0.005, 103);
        lib.wave(QStringLiteral("card_down"), toWave(s));
    }
    {  // Shuffle: an even riffle that loops without a seam
        Signal s = silence(1.0);
        riffle(s, 0.0, 0.97, 36, 3000, 104, true);
        lib.wave(QStringLiteral("Shuffle"), toWave(s));
    }
    {  // Redeal: a lower, slower riffle, also looping
        Signal s = silence(0.8);
        riffle(s, 0.0, 0.77, 20, 2000, 105, true);
        lib.wave(QStringLiteral("Redeal"), toWave(s));
    }
    {  // Red_no_a: a short burst of riffle (played synchronously)
        Signal s = silence(0.3);
        riffle(s, 0.0, 0.26, 12, 2400, 106, false);
        lib.wave(QStringLiteral("Red_no_a"), toWave(s));
    }
    {  // Stock: a card snapped from the stock
        Signal s = silence(0.1);
        noiseBurst(s, 0.0, 0.1, 2600, 1500, 1.3, 1.0, 0.001, 0.022, 107);
        lib.wave(QStringLiteral("Stock"), toWave(s));
    }
    {  // Autoplay: a flick with a faint high tick
        Signal s = silence(0.22);
        noiseBurst(s, 0.0, 0.1, 3000, 2000, 1.3, 1.0, 0.001, 0.02, 108);
        bell(s, 0.03, G6, 0.19, 0.12);
        lib.wave(QStringLiteral("Autoplay"), toWave(s));
    }
    {  // Foundation: a card laid down with a small ding
        Signal s = silence(0.35);
        noiseBurst(s, 0.0, 0.1, 900, 500, 1.0, 1.4, 0.001, 0.025, 109);
        bell(s, 0.02, E6, 0.33, 0.16);
        lib.wave(QStringLiteral("Foundation"), toWave(s));
    }
    {  // Eddy: a swirling swish
        Signal s = silence(0.4);
        noiseBurst(s, 0.0, 0.4, 600, 4200, 3.0, 1.0, 0.12, 0.12, 110);
        lib.wave(QStringLiteral("Eddy"), toWave(s));
    }
    {  // Tableau: a card sliding into place
        Signal s = silence(0.16);
        noiseBurst(s, 0.0, 0.16, 1800, 900, 1.2, 1.0, 0.02, 0.04, 111);
        lib.wave(QStringLiteral("Tableau"), toWave(s));
    }
    {  // Pairing: two notes together, a pleasant fifth
        Signal s = silence(0.5);
        bell(s, 0.0, E5, 0.5, 0.5);
        bell(s, 0.05, B5, 0.45, 0.4);
        lib.wave(QStringLiteral("Pairing"), toWave(s));
    }
    {  // Face_up: a crisp flip
        Signal s = silence(0.08);
        noiseBurst(s, 0.0, 0.08, 5000, 2500, 1.5, 1.0, 0.001, 0.012, 112);
        lib.wave(QStringLiteral("Face_up"), toWave(s));
    }
}

}  // namespace rgf
