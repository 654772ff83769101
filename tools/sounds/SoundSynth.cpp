#include "SoundSynth.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace SoundSynth {

float Noise::next() {
    // xorshift32
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return float(m_state) / 2147483648.0f - 1.0f;
}

Samples silence(double seconds) {
    return Samples(qsizetype(seconds * kRate), 0.0f);
}

void mixAt(Samples& dst, const Samples& src, double atSeconds, float gain) {
    const qsizetype offset = qsizetype(atSeconds * kRate);
    if (dst.size() < offset + src.size())
        dst.resize(offset + src.size(), 0.0f);
    for (qsizetype i = 0; i < src.size(); ++i)
        dst[offset + i] += src[i] * gain;
}

void lowPass(Samples& s, double cornerHz) {
    const float a = float(1.0 - std::exp(-2.0 * std::numbers::pi * cornerHz / kRate));
    float y = 0;
    for (float& x : s) {
        y += a * (x - y);
        x = y;
    }
}

void highPass(Samples& s, double cornerHz) {
    const float a = float(std::exp(-2.0 * std::numbers::pi * cornerHz / kRate));
    float prevX = 0, prevY = 0;
    for (float& x : s) {
        const float y = a * (prevY + x - prevX);
        prevX = x;
        prevY = y;
        x = y;
    }
}

void bandPass(Samples& s, double centreHz, double q) {
    // RBJ band-pass with constant peak gain.
    const double w = 2.0 * std::numbers::pi * centreHz / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double b0 = alpha / a0, b2 = -alpha / a0;
    const double a1 = -2.0 * std::cos(w) / a0, a2 = (1.0 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (float& x : s) {
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        x = float(y);
    }
}

void normalize(Samples& s, float peak) {
    float most = 0;
    for (float x : s)
        most = std::max(most, std::fabs(x));
    if (most <= 0)
        return;
    const float k = peak / most;
    for (float& x : s)
        x *= k;
}

void fadeEdges(Samples& s, double seconds) {
    const qsizetype n = std::min<qsizetype>(qsizetype(seconds * kRate), s.size() / 2);
    for (qsizetype i = 0; i < n; ++i) {
        const float k = float(i) / float(n);
        s[i] *= k;
        s[s.size() - 1 - i] *= k;
    }
}

QByteArray waveBytes(const Samples& s, int rate) {
    const quint32 dataBytes = quint32(s.size() * 2);
    QByteArray out;
    out.reserve(44 + dataBytes);
    auto put32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto put16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF");
    put32(36 + dataBytes);
    out.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(quint32(rate));
    put32(quint32(rate * 2));
    put16(2);
    put16(16);
    out.append("data");
    put32(dataBytes);
    for (float x : s)
        put16(quint16(qint16(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f))));
    return out;
}

} // namespace SoundSynth
