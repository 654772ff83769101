#pragma once
// Small synthesis helpers for the sound generator: oscillators, noise,
// envelopes and simple filters producing mono float samples at 44.1 kHz, and
// the writers for 16-bit PCM wave files and Standard MIDI Files.
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace SoundSynth {

constexpr int kRate = 44100;
using Samples = QList<float>;

// A repeatable noise source (the generator's output never changes between
// builds unless its code does).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : m_state(seed ? seed : 1) {}
    float next(); // uniform in [-1, 1)
    float unit() { return (next() + 1.0f) * 0.5f; }

private:
    std::uint32_t m_state;
};

Samples silence(double seconds);
// Mixes src into dst starting at a time, scaled.
void mixAt(Samples& dst, const Samples& src, double atSeconds, float gain = 1.0f);
// A one-pole low-pass / high-pass at the given corner frequency.
void lowPass(Samples& s, double cornerHz);
void highPass(Samples& s, double cornerHz);
// A two-pole band-pass (resonator) around centreHz.
void bandPass(Samples& s, double centreHz, double q);
// Scales so the loudest sample reaches peak.
void normalize(Samples& s, float peak);
// Short linear fades at both ends so no click is heard.
void fadeEdges(Samples& s, double seconds);

// 16-bit PCM mono wave file bytes.
QByteArray waveBytes(const Samples& s, int rate = kRate);

} // namespace SoundSynth
