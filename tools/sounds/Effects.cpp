#include "Effects.h"

#include <cmath>
#include <numbers>

using namespace SoundSynth;

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A decaying sine partial.
Samples tone(double hz, double seconds, double decayPerSecond, float level = 1.0f) {
    Samples s(qsizetype(seconds * kRate), 0.0f);
    for (qsizetype i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        s[i] = level * float(std::sin(kTwoPi * hz * t) * std::exp(-decayPerSecond * t));
    }
    return s;
}

// A bell: a few inharmonic partials decaying at different speeds.
Samples bell(double hz, double seconds, float level = 1.0f) {
    Samples s = tone(hz, seconds, 4.0, level);
    mixAt(s, tone(hz * 2.0, seconds, 6.0, level * 0.5f), 0);
    mixAt(s, tone(hz * 2.76, seconds, 9.0, level * 0.25f), 0);
    mixAt(s, tone(hz * 5.4, seconds, 14.0, level * 0.12f), 0);
    return s;
}

Samples noiseBurst(std::uint32_t seed, double seconds, double decayPerSecond) {
    Noise noise(seed);
    Samples s(qsizetype(seconds * kRate), 0.0f);
    for (qsizetype i = 0; i < s.size(); ++i)
        s[i] = noise.next() * float(std::exp(-decayPerSecond * double(i) / kRate));
    return s;
}

Samples finish(Samples s, float peak = 0.8f) {
    fadeEdges(s, 0.002);
    normalize(s, peak);
    return s;
}

// A soft two-note chime used only to read the starting volume.
Samples makeFirst() {
    Samples s = bell(784.0, 0.6, 0.6f);
    mixAt(s, bell(1046.5, 0.5, 0.5f), 0.12);
    return finish(s, 0.5f);
}

// A card taken from the deck: a very short, bright snap.
Samples makeCardClick() {
    Samples s = noiseBurst(11, 0.045, 140.0);
    highPass(s, 1800.0);
    mixAt(s, tone(2300.0, 0.03, 180.0, 0.6f), 0);
    return finish(s, 0.75f);
}

// A card sliding back over the felt: a swish that rises and falls, then a tap.
Samples makeCards() {
    Noise noise(23);
    const double length = 0.38;
    Samples s(qsizetype(length * kRate), 0.0f);
    for (qsizetype i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate / length;
        s[i] =
            noise.next() * float(std::sin(std::numbers::pi * t) * std::sin(std::numbers::pi * t));
    }
    bandPass(s, 3200.0, 0.9);
    Samples tap = noiseBurst(29, 0.04, 120.0);
    lowPass(tap, 1500.0);
    mixAt(s, tap, length - 0.03, 2.5f);
    return finish(s, 0.7f);
}

// A letter accepted: a bright rising major third and fifth.
Samples makeSuccess() {
    Samples s = bell(1318.5, 0.5);
    mixAt(s, bell(1661.2, 0.5), 0.08);
    mixAt(s, bell(1975.5, 0.55), 0.16);
    return finish(s);
}

// A cheering crowd: many voices on an "ah" rising together, over applause.
Samples makeHooray() {
    const double length = 1.7;
    Samples s(qsizetype(length * kRate), 0.0f);
    Noise jitter(41);
    for (int voice = 0; voice < 12; ++voice) {
        const double base = 180.0 + 220.0 * jitter.unit();
        const double vibrato = 4.5 + 2.0 * jitter.unit();
        const double start = 0.08 * jitter.unit();
        double phase = 0;
        Samples v(qsizetype(length * kRate), 0.0f);
        for (qsizetype i = qsizetype(start * kRate); i < v.size(); ++i) {
            const double t = double(i) / kRate - start;
            const double glide = 1.0 + 0.35 * std::min(1.0, t / 0.35); // "hoo-RAY"
            const double hz = base * glide * (1.0 + 0.02 * std::sin(kTwoPi * vibrato * t));
            phase += hz / kRate;
            // A bright pulse rich in harmonics; the band-pass below shapes the vowel.
            const double saw = 2.0 * (phase - std::floor(phase)) - 1.0;
            const double env = std::min(1.0, t / 0.06) * std::exp(-1.2 * std::max(0.0, t - 0.6));
            v[i] = float(saw * env);
        }
        Samples ah = v;
        bandPass(ah, 800.0, 2.0);
        Samples ah2 = v;
        bandPass(ah2, 1200.0, 2.5);
        mixAt(s, ah, 0, 1.0f);
        mixAt(s, ah2, 0, 0.7f);
    }
    Noise clapNoise(43);
    for (int clap = 0; clap < 30; ++clap) {
        Samples c = noiseBurst(100 + clap, 0.05, 90.0);
        bandPass(c, 1000.0 + 800.0 * clapNoise.unit(), 1.2);
        mixAt(s, c, 0.2 + 1.3 * clapNoise.unit(), 1.5f);
    }
    if (s.size() > qsizetype(length * kRate))
        s.resize(qsizetype(length * kRate));
    return finish(s);
}

// A refused letter: two low, dissonant buzzes.
Samples makeMistake() {
    Samples s = silence(0.62);
    for (int buzz = 0; buzz < 2; ++buzz) {
        Samples b(qsizetype(0.24 * kRate), 0.0f);
        for (qsizetype i = 0; i < b.size(); ++i) {
            const double t = double(i) / kRate;
            const double sq1 = std::sin(kTwoPi * 110.0 * t) >= 0 ? 1.0 : -1.0;
            const double sq2 = std::sin(kTwoPi * 116.5 * t) >= 0 ? 1.0 : -1.0;
            const double env = std::min(1.0, t / 0.01) * std::min(1.0, (0.24 - t) / 0.03);
            b[i] = float((sq1 + sq2) * 0.5 * env);
        }
        lowPass(b, 1400.0);
        mixAt(s, b, 0.32 * buzz);
    }
    return finish(s, 0.7f);
}

// Hand claps: a handful of sharp noise bursts with a little room.
Samples makeClap() {
    Samples s = silence(1.1);
    const double times[] = {0.0, 0.21, 0.39, 0.62, 0.80};
    int seed = 61;
    for (double at : times) {
        // A clap is a few very close bursts, then a short tail.
        for (int flam = 0; flam < 3; ++flam) {
            Samples c = noiseBurst(std::uint32_t(seed++), 0.012, 250.0);
            bandPass(c, 1200.0, 1.5);
            mixAt(s, c, at + 0.008 * flam);
        }
        Samples tail = noiseBurst(std::uint32_t(seed++), 0.15, 30.0);
        bandPass(tail, 1100.0, 1.0);
        mixAt(s, tail, at + 0.024, 0.35f);
    }
    return finish(s);
}

// A warning for the speller: a two-tone beep, three times.
Samples makeAlertUpper() {
    Samples s = silence(0.72);
    for (int i = 0; i < 6; ++i) {
        const double hz = (i % 2 == 0) ? 880.0 : 660.0;
        Samples b(qsizetype(0.11 * kRate), 0.0f);
        for (qsizetype k = 0; k < b.size(); ++k) {
            const double t = double(k) / kRate;
            b[k] = float(0.7 * std::sin(kTwoPi * hz * t) + 0.2 * std::sin(kTwoPi * 3 * hz * t));
        }
        fadeEdges(b, 0.005);
        mixAt(s, b, 0.12 * i);
    }
    return finish(s, 0.7f);
}

// A board square that moves the token: a quick rising whoop, twice.
Samples makeAlertLower() {
    Samples s = silence(0.6);
    for (int i = 0; i < 2; ++i) {
        Samples w(qsizetype(0.22 * kRate), 0.0f);
        double phase = 0;
        for (qsizetype k = 0; k < w.size(); ++k) {
            const double t = double(k) / kRate;
            const double hz = 500.0 + 1300.0 * (t / 0.22);
            phase += hz / kRate;
            w[k] = float(std::sin(kTwoPi * phase) * std::sin(std::numbers::pi * t / 0.22));
        }
        mixAt(s, w, 0.28 * i);
    }
    return finish(s, 0.7f);
}

// Dice shaken and thrown: a rattle of small hard knocks of varying pitch.
Samples makeDice() {
    Samples s = silence(0.55);
    Noise noise(71);
    double at = 0.0;
    for (int knock = 0; knock < 14; ++knock) {
        Samples k = tone(1400.0 + 1600.0 * noise.unit(), 0.03, 160.0);
        Samples n = noiseBurst(std::uint32_t(200 + knock), 0.02, 250.0);
        highPass(n, 2000.0);
        mixAt(k, n, 0, 0.6f);
        mixAt(s, k, at, 0.4f + 0.6f * noise.unit());
        at += 0.015 + 0.035 * noise.unit();
    }
    return finish(s);
}

// A turn passed: one soft, low bell stroke.
Samples makeMark() {
    Samples s = bell(587.3, 0.45);
    lowPass(s, 3000.0);
    return finish(s, 0.65f);
}

// A token stepping one square: a short wooden tick that drops in pitch.
Samples makeMove() {
    Samples s(qsizetype(0.08 * kRate), 0.0f);
    double phase = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double hz = 1100.0 - 400.0 * (t / 0.08);
        phase += hz / kRate;
        s[i] = float(std::sin(kTwoPi * phase) * std::exp(-55.0 * t));
    }
    return finish(s, 0.7f);
}

} // namespace

const QList<SoundEffect>& soundEffects() {
    static const QList<SoundEffect> effects = {
        {QStringLiteral("First.wav"), makeFirst},
        {QStringLiteral("cardClick.wav"), makeCardClick},
        {QStringLiteral("cards.wav"), makeCards},
        {QStringLiteral("Success.wav"), makeSuccess},
        {QStringLiteral("hooray.wav"), makeHooray},
        {QStringLiteral("mistake.wav"), makeMistake},
        {QStringLiteral("clap.wav"), makeClap},
        {QStringLiteral("Alert.wav"), makeAlertUpper},
        {QStringLiteral("alert.wav"), makeAlertLower},
        {QStringLiteral("dice.wav"), makeDice},
        {QStringLiteral("mark.wav"), makeMark},
        {QStringLiteral("move.wav"), makeMove},
    };
    return effects;
}
