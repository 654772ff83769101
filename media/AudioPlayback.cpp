#include "media/AudioPlayback.h"

#include "media/MediaFiles.h"
#include "shell/Logging.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFileInfo>
#include <QIODevice>
#include <QMediaDevices>

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMidiSampleRate = 44100;
// FluidSynth's default gain (0.2) is much quieter than the effects.
constexpr double kSynthGain = 0.6;

// The command levels are 0 to 1000; the ear hears loudness logarithmically,
// so the level is taken on a perceptual scale and turned into a sample factor.
float levelToFactor(int level) {
    const double v = std::clamp(level, 0, 1000) / 1000.0;
    return float(
        QAudio::convertVolume(v, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale));
}

// Something that fills interleaved stereo 16-bit frames.
class FrameSource {
public:
    virtual ~FrameSource() = default;
    virtual qint64 render(qint16* out, qint64 frames) = 0;
};

class WaveSource final : public FrameSource {
public:
    WaveSource(const MediaFiles::WaveData& wave, qint64 first, qint64 last)
        : m_samples(wave.samples), m_channels(wave.channels), m_next(first), m_last(last) {}
    qint64 render(qint16* out, qint64 frames) override {
        const qint64 n = std::min(frames, m_last - m_next);
        for (qint64 i = 0; i < n; ++i, ++m_next) {
            const qint16* in = m_samples.constData() + m_next * m_channels;
            out[2 * i] = in[0];
            out[2 * i + 1] = m_channels > 1 ? in[1] : in[0];
        }
        return std::max<qint64>(n, 0);
    }

private:
    QList<qint16> m_samples;
    int m_channels;
    qint64 m_next;
    qint64 m_last;
};

class SynthSource final : public FrameSource {
public:
    SynthSource(fluid_settings_t* settings, fluid_synth_t* synth, fluid_player_t* player,
                qint64 frames)
        : m_settings(settings), m_synth(synth), m_player(player), m_left(frames) {}
    ~SynthSource() override {
        delete_fluid_player(m_player);
        delete_fluid_synth(m_synth);
        delete_fluid_settings(m_settings);
    }
    qint64 render(qint16* out, qint64 frames) override {
        const qint64 n = std::min(frames, m_left);
        if (n <= 0)
            return 0;
        // The player is driven by the samples rendered, so it keeps time with
        // what is heard.
        fluid_synth_write_s16(m_synth, int(n), out, 0, 2, out, 1, 2);
        m_left -= n;
        return n;
    }

private:
    fluid_settings_t* m_settings;
    fluid_synth_t* m_synth;
    fluid_player_t* m_player;
    qint64 m_left;
};

class LevelledStream final : public QIODevice {
public:
    explicit LevelledStream(std::unique_ptr<FrameSource> source) : m_source(std::move(source)) {
        open(QIODevice::ReadOnly);
    }
    void setLevels(int left, int right) {
        m_left = levelToFactor(left);
        m_right = levelToFactor(right);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return m_finished ? 0 : 4096 + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 frames = maxSize / 4;
        if (frames <= 0 || m_finished)
            return 0;
        auto* out = reinterpret_cast<qint16*>(data);
        const qint64 n = m_source->render(out, frames);
        if (n < frames)
            m_finished = true;
        for (qint64 i = 0; i < n; ++i) {
            out[2 * i] = qint16(std::lround(out[2 * i] * m_left));
            out[2 * i + 1] = qint16(std::lround(out[2 * i + 1] * m_right));
        }
        return n * 4;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::unique_ptr<FrameSource> m_source;
    float m_left = 1.0f;
    float m_right = 1.0f;
    bool m_finished = false;
};

class SinkPlayback final : public AudioPlayback {
public:
    SinkPlayback(std::unique_ptr<FrameSource> source, int sampleRate, int left, int right)
        : m_stream(std::move(source)) {
        m_stream.setLevels(left, right);
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(2);
        format.setSampleFormat(QAudioFormat::Int16);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (!device.isFormatSupported(format)) {
            qCWarning(lcMordaventa) << "audio output refuses" << sampleRate << "Hz stereo";
            return;
        }
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->start(&m_stream);
    }
    ~SinkPlayback() override {
        if (m_sink)
            m_sink->stop();
    }
    bool started() const { return m_sink != nullptr; }
    void setLevels(int left, int right) override { m_stream.setLevels(left, right); }

private:
    LevelledStream m_stream;
    std::unique_ptr<QAudioSink> m_sink;
};

std::unique_ptr<AudioPlayback> start(std::unique_ptr<FrameSource> source, int rate, int left,
                                     int right) {
    auto playback = std::make_unique<SinkPlayback>(std::move(source), rate, left, right);
    if (!playback->started())
        return nullptr;
    return playback;
}

} // namespace

bool AudioPlayback::outputAvailable() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

QString AudioPlayback::soundFontPath() {
    const QString forced = qEnvironmentVariable("MORDAVENTA_SOUNDFONT");
    if (!forced.isEmpty())
        return QFileInfo::exists(forced) ? forced : QString();
    for (const char* candidate :
         {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2"}) {
        if (QFileInfo::exists(QString::fromLatin1(candidate)))
            return QString::fromLatin1(candidate);
    }
    return QString();
}

std::unique_ptr<AudioPlayback> AudioPlayback::playWave(const MediaFiles::WaveData& wave,
                                                       double fromMs, double toMs, int left,
                                                       int right) {
    const qint64 frames = wave.frameCount();
    const qint64 first = std::clamp<qint64>(qint64(fromMs * wave.sampleRate / 1000.0), 0, frames);
    const qint64 last =
        std::clamp<qint64>(qint64(std::ceil(toMs * wave.sampleRate / 1000.0)), first, frames);
    return start(std::make_unique<WaveSource>(wave, first, last), wave.sampleRate, left, right);
}

std::unique_ptr<AudioPlayback> AudioPlayback::playMidi(const QByteArray& file,
                                                       const MediaFiles::MidiInfo& info,
                                                       double fromMs, double toMs, int left,
                                                       int right) {
    const QString font = soundFontPath();
    if (font.isEmpty()) {
        qCWarning(lcMordaventa) << "no General MIDI soundfont found; music stays silent";
        return nullptr;
    }
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kMidiSampleRate);
    fluid_settings_setnum(settings, "synth.gain", kSynthGain);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.reverb.active", 1);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = synth ? new_fluid_player(synth) : nullptr;
    if (!player || fluid_synth_sfload(synth, font.toLocal8Bit().constData(), 1) == FLUID_FAILED ||
        fluid_player_add_mem(player, file.constData(), size_t(file.size())) != FLUID_OK ||
        fluid_player_play(player) != FLUID_OK) {
        qCWarning(lcMordaventa) << "the synthesizer could not start" << font;
        if (player)
            delete_fluid_player(player);
        if (synth)
            delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return nullptr;
    }
    if (fromMs > 0)
        fluid_player_seek(player, int(info.msToTick(fromMs)));
    const qint64 frames =
        qint64(std::ceil(std::max(0.0, toMs - fromMs) * kMidiSampleRate / 1000.0));
    return start(std::make_unique<SynthSource>(settings, synth, player, frames), kMidiSampleRate,
                 left, right);
}
