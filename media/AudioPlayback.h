#pragma once
// Real sound output for the media command interpreter: a stretch of a wave
// file or of a MIDI piece (rendered on the fly by FluidSynth) is mixed into
// one continuous 44.1 kHz stereo stream to the default audio output (Qt
// Multimedia), with a level per channel that may change while it plays.
// Destroying the playback silences it at once.
#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

namespace MediaFiles {
struct WaveData;
struct MidiInfo;
} // namespace MediaFiles

class AudioPlayback {
public:
    virtual ~AudioPlayback() = default;
    // Levels 0 to 1000 as the commands give them.
    virtual void setLevels(int left, int right) = 0;

    // Whether an audio output exists at all (no device: play silently).
    static bool outputAvailable();
    // Opens the output ahead of the first sound (a new stream is slow to
    // start); it closes again after a minute of silence.
    static void prepareOutput();

    // Plays [fromMs, toMs) of the wave; nullptr when the output refuses it.
    static std::unique_ptr<AudioPlayback> playWave(const MediaFiles::WaveData& wave, double fromMs,
                                                   double toMs, int left, int right);
    // Plays [fromMs, toMs) of a MIDI piece with the General MIDI soundfont.
    static std::unique_ptr<AudioPlayback> playMidi(const QByteArray& file,
                                                   const MediaFiles::MidiInfo& info, double fromMs,
                                                   double toMs, int left, int right);

    // The same sound rendered without an output, as interleaved 44.1 kHz
    // stereo samples (empty when it cannot be made), for checks and tools.
    static constexpr int kRate = 44100;
    static QList<qint16> renderWave(const MediaFiles::WaveData& wave, double fromMs, double toMs,
                                    int left, int right);
    static QList<qint16> renderMidi(const QByteArray& file, const MediaFiles::MidiInfo& info,
                                    double fromMs, double toMs, int left, int right);

    // The soundfont MIDI pieces are played with: MORDAVENTA_SOUNDFONT, else the
    // first General MIDI soundfont found among Debian's; empty when none.
    static QString soundFontPath();
};
