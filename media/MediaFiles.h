#pragma once
// Reading the two kinds of sound file the program plays: RIFF wave files with
// integer PCM samples, and Standard MIDI Files (format 0, 1 or 2). The wave
// reader returns the samples; the MIDI reader returns the tempo map, so the
// playing time is known without rendering a note.
#include <QByteArray>
#include <QList>
#include <QString>

namespace MediaFiles {

struct WaveData {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    // Interleaved samples widened to 16 bits (8-bit input is rescaled).
    QList<qint16> samples;

    qint64 frameCount() const { return channels > 0 ? samples.size() / channels : 0; }
    double durationMs() const { return sampleRate > 0 ? frameCount() * 1000.0 / sampleRate : 0.0; }
};

// Reads a wave file held in memory; false with a reason for anything that is
// not an 8- or 16-bit PCM wave with at least a format and a data chunk.
bool readWave(const QByteArray& bytes, WaveData& wave, QString* error = nullptr);
// A 16-bit PCM wave file of the samples (bitsPerSample is taken as 16).
QByteArray writeWave(const WaveData& wave);

struct MidiInfo {
    int format = 0;
    int trackCount = 0;
    int division = 0;          // ticks per quarter note (metrical timing)
    double ticksPerSecond = 0; // SMPTE timing only; 0 for metrical timing
    qint64 lastTick = 0;       // the tick of the last event of any track
    struct Tempo {
        qint64 tick = 0;
        int microsPerQuarter = 500000;
    };
    QList<Tempo> tempos; // sorted by tick; the first entry is at tick 0
    int noteOnCount = 0;
    QList<int> programs; // every program change seen, in file order

    double tickToMs(qint64 tick) const;
    qint64 msToTick(double ms) const;
    double durationMs() const { return tickToMs(lastTick); }
};

bool readMidi(const QByteArray& bytes, MidiInfo& info, QString* error = nullptr);

} // namespace MediaFiles
