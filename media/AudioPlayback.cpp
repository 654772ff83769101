#include "media/AudioPlayback.h"

#include "media/AudioOutput.h"
#include "media/MediaFiles.h"
#include "media/SoundLibraries.h"
#include "shell/Logging.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <vector>

namespace {

constexpr int kMixRate = AudioPlayback::kRate;
// FluidSynth's default gain (0.2) is much quieter than the effects.
constexpr double kSynthGain = 0.6;

// The command levels are 0 to 1000; the ear hears loudness logarithmically,
// so the level is taken on a perceptual scale and turned into a sample factor.
// This is Qt Multimedia's logarithmic-to-linear volume conversion, written
// out so that the mixer does not need that library loaded.
float levelToFactor(int level) {
    const float v = float(std::clamp(level, 0, 1000)) / 1000.0f;
    constexpr float kLog100 = 4.60517018599f; // ln 100
    return v > 0.99f ? 1.0f : -std::log(1.0f - v) / kLog100;
}

// Something that fills interleaved stereo 16-bit frames.
class FrameSource {
public:
    virtual ~FrameSource() = default;
    virtual qint64 render(qint16* out, qint64 frames) = 0;
};

class WaveSource final : public FrameSource {
public:
    // Plays frames [first, last) of the wave at the mixer's rate; other rates
    // are converted by linear interpolation.
    WaveSource(const MediaFiles::WaveData& wave, qint64 first, qint64 last)
        : m_samples(wave.samples), m_channels(wave.channels),
          m_step(double(wave.sampleRate) / kMixRate), m_position(double(first)), m_last(last) {}
    qint64 render(qint16* out, qint64 frames) override {
        qint64 n = 0;
        for (; n < frames; ++n) {
            const qint64 i = qint64(m_position);
            if (i >= m_last)
                break;
            const double frac = m_position - double(i);
            const qint64 j = std::min(i + 1, m_last - 1);
            for (int c = 0; c < 2; ++c) {
                const int channel = std::min(c, m_channels - 1);
                const double a = m_samples[i * m_channels + channel];
                const double b = m_samples[j * m_channels + channel];
                out[2 * n + c] = qint16(std::lround(a + (b - a) * frac));
            }
            m_position += m_step;
        }
        return n;
    }

private:
    QList<qint16> m_samples;
    int m_channels;
    double m_step;
    double m_position;
    qint64 m_last;
};

// Only called once a synthesizer exists, so the library is there.
const FluidSynthCalls& Fluid() {
    return *SoundLibraries::FluidSynth();
}

// A synthesizer with the soundfont loaded. Loading takes a tenth of a second,
// so a synthesizer whose piece has ended is kept for the next piece.
struct Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    QString font;

    void destroy() {
        if (synth)
            Fluid().delete_fluid_synth(synth);
        if (settings)
            Fluid().delete_fluid_settings(settings);
        synth = nullptr;
        settings = nullptr;
    }
};

class SynthPool {
public:
    static SynthPool& instance() {
        static SynthPool* pool = new SynthPool; // kept to the end of the program
        return *pool;
    }
    Synth take(const QString& font) {
        {
            std::lock_guard lock(m_mutex);
            while (!m_idle.empty()) {
                Synth s = m_idle.back();
                m_idle.pop_back();
                if (s.font == font)
                    return s;
                s.destroy();
            }
        }
        Synth s;
        s.font = font;
        if (!SoundLibraries::FluidSynth()) {
            qCWarning(lcMordaventa) << "FluidSynth is not installed; music stays silent";
            return s;
        }
        s.settings = Fluid().new_fluid_settings();
        Fluid().fluid_settings_setnum(s.settings, "synth.sample-rate", kMixRate);
        Fluid().fluid_settings_setnum(s.settings, "synth.gain", kSynthGain);
        Fluid().fluid_settings_setstr(s.settings, "player.timing-source", "sample");
        Fluid().fluid_settings_setint(s.settings, "synth.reverb.active", 1);
        s.synth = Fluid().new_fluid_synth(s.settings);
        if (!s.synth || Fluid().fluid_synth_sfload(s.synth, font.toLocal8Bit().constData(), 1) ==
                            FLUID_FAILED) {
            s.destroy();
            qCWarning(lcMordaventa) << "the synthesizer could not load" << font;
        }
        return s;
    }
    void give(Synth s) {
        // Silence it and bring every channel back to its initial state.
        Fluid().fluid_synth_all_sounds_off(s.synth, -1);
        Fluid().fluid_synth_system_reset(s.synth);
        std::lock_guard lock(m_mutex);
        if (m_idle.size() < kKeep)
            m_idle.push_back(s);
        else
            s.destroy();
    }

private:
    static constexpr size_t kKeep = 1;
    std::mutex m_mutex;
    std::vector<Synth> m_idle;
};

class SynthSource final : public FrameSource {
public:
    SynthSource(Synth synth, fluid_player_t* player, qint64 frames)
        : m_synth(synth), m_player(player), m_left(frames) {}
    ~SynthSource() override {
        Fluid().delete_fluid_player(m_player);
        SynthPool::instance().give(m_synth);
    }
    qint64 render(qint16* out, qint64 frames) override {
        const qint64 n = std::min(frames, m_left);
        if (n <= 0)
            return 0;
        // The player is driven by the samples rendered, so it keeps time with
        // what is heard.
        Fluid().fluid_synth_write_s16(m_synth.synth, int(n), out, 0, 2, out, 1, 2);
        m_left -= n;
        return n;
    }

private:
    Synth m_synth;
    fluid_player_t* m_player;
    qint64 m_left;
};

// One sound being heard: its source and its level on each side.
struct Voice {
    std::unique_ptr<FrameSource> source;
    float left = 1.0f;
    float right = 1.0f;
    bool finished = false;
};

// Adds up to `frames` frames of the voice at its levels into mix; returns the
// frames it had.
qint64 mixVoice(Voice& voice, qint32* mix, qint16* scratch, qint64 frames) {
    if (voice.finished)
        return 0;
    const qint64 n = voice.source->render(scratch, frames);
    if (n < frames)
        voice.finished = true;
    for (qint64 i = 0; i < n; ++i) {
        mix[2 * i] += std::lround(scratch[2 * i] * voice.left);
        mix[2 * i + 1] += std::lround(scratch[2 * i + 1] * voice.right);
    }
    return n;
}

// The whole voice, mixed alone, without an output.
QList<qint16> renderAlone(std::unique_ptr<FrameSource> source, int left, int right) {
    QList<qint16> out;
    if (!source)
        return out;
    Voice voice;
    voice.source = std::move(source);
    voice.left = levelToFactor(left);
    voice.right = levelToFactor(right);
    constexpr qint64 kChunk = 4096;
    std::vector<qint32> mix(kChunk * 2);
    std::vector<qint16> scratch(kChunk * 2);
    while (!voice.finished) {
        std::fill(mix.begin(), mix.end(), 0);
        const qint64 n = mixVoice(voice, mix.data(), scratch.data(), kChunk);
        for (qint64 i = 0; i < n * 2; ++i)
            out.append(qint16(std::clamp<qint32>(mix[size_t(i)], -32768, 32767)));
    }
    return out;
}

std::unique_ptr<FrameSource> waveSource(const MediaFiles::WaveData& wave, double fromMs,
                                        double toMs) {
    const qint64 frames = wave.frameCount();
    const qint64 first = std::clamp<qint64>(qint64(fromMs * wave.sampleRate / 1000.0), 0, frames);
    const qint64 last =
        std::clamp<qint64>(qint64(std::ceil(toMs * wave.sampleRate / 1000.0)), first, frames);
    return std::make_unique<WaveSource>(wave, first, last);
}

std::unique_ptr<FrameSource> midiSource(const QByteArray& file, const MediaFiles::MidiInfo& info,
                                        double fromMs, double toMs) {
    const QString font = AudioPlayback::soundFontPath();
    if (font.isEmpty()) {
        qCWarning(lcMordaventa) << "no General MIDI soundfont found; music stays silent";
        return nullptr;
    }
    Synth synth = SynthPool::instance().take(font);
    if (!synth.synth)
        return nullptr;
    fluid_player_t* player = Fluid().new_fluid_player(synth.synth);
    if (!player ||
        Fluid().fluid_player_add_mem(player, file.constData(), size_t(file.size())) != FLUID_OK ||
        Fluid().fluid_player_play(player) != FLUID_OK) {
        qCWarning(lcMordaventa) << "the MIDI player could not start";
        if (player)
            Fluid().delete_fluid_player(player);
        SynthPool::instance().give(synth);
        return nullptr;
    }
    if (fromMs > 0)
        Fluid().fluid_player_seek(player, int(info.msToTick(fromMs)));
    const qint64 frames = qint64(std::ceil(std::max(0.0, toMs - fromMs) * kMixRate / 1000.0));
    return std::make_unique<SynthSource>(synth, player, frames);
}

// All sounds go out through one continuous stream that mixes the voices and
// plays silence between them. Opening a stream per sound would lose short
// sounds: the audio server waits for a stream to fill its start-up buffer
// before playing it, and a click is over before that.
class Mixer final : public QIODevice {
public:
    // The mixer and its output live on a thread of their own, so a busy
    // window (loading the word list, saving) does not make the sound stutter.
    static Mixer& instance() {
        static Mixer* mixer = create(); // lives until the program ends
        return *mixer;
    }

    bool add(const std::shared_ptr<Voice>& voice) {
        if (m_shutDown || !QCoreApplication::instance())
            return false;
        bool running = false;
        QMetaObject::invokeMethod(
            this, [this] { return ensureRunning(); }, Qt::BlockingQueuedConnection, &running);
        if (!running)
            return false;
        std::lock_guard lock(m_mutex);
        m_voices.push_back(voice);
        m_idleFrames = 0;
        return true;
    }
    // Starts the output without waiting for it, so it is ready when the first
    // sound comes.
    void warmUp() {
        if (m_shutDown || !QCoreApplication::instance())
            return;
        {
            std::lock_guard lock(m_mutex);
            m_idleFrames = 0;
        }
        QMetaObject::invokeMethod(
            this, [this] { ensureRunning(); }, Qt::QueuedConnection);
    }
    void remove(const std::shared_ptr<Voice>& voice) {
        std::lock_guard lock(m_mutex);
        std::erase(m_voices, voice);
    }
    void setLevels(Voice& voice, int left, int right) {
        std::lock_guard lock(m_mutex);
        voice.left = levelToFactor(left);
        voice.right = levelToFactor(right);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return kChunkBytes + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 frames = std::min<qint64>(maxSize / 4, kChunkBytes / 4);
        if (frames <= 0)
            return 0;
        m_mix.assign(size_t(frames * 2), 0);
        m_scratch.resize(size_t(frames * 2));
        {
            std::lock_guard lock(m_mutex);
            for (const auto& voice : m_voices)
                mixVoice(*voice, m_mix.data(), m_scratch.data(), frames);
            const bool busy = std::any_of(m_voices.begin(), m_voices.end(),
                                          [](const auto& v) { return !v->finished; });
            m_idleFrames = busy ? 0 : m_idleFrames + frames;
        }
        auto* out = reinterpret_cast<qint16*>(data);
        for (qint64 i = 0; i < frames * 2; ++i)
            out[i] = qint16(std::clamp<qint32>(m_mix[size_t(i)], -32768, 32767));
        return frames * 4;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    static constexpr qint64 kChunkBytes = 4096 * 4;
    // After this much silence the stream is closed, so an idle game does not
    // keep the sound card busy. It is long because a new stream takes up to a
    // second before it is heard.
    static constexpr qint64 kIdleFramesBeforeStop = qint64(kMixRate) * 60;

    Mixer() : m_idleTimer(new QTimer(this)) {
        open(QIODevice::ReadOnly);
        m_idleTimer->setInterval(1000);
        QObject::connect(m_idleTimer, &QTimer::timeout, this, [this] {
            bool idle = false;
            {
                std::lock_guard lock(m_mutex);
                idle = m_idleFrames >= kIdleFramesBeforeStop;
            }
            if (idle)
                stopOutput();
        });
    }

    static Mixer* create() {
        auto* thread = new QThread;
        thread->setObjectName(QStringLiteral("mordaventa-audio"));
        auto* mixer = new Mixer;
        mixer->moveToThread(thread);
        thread->start();
        // The output is closed on its own thread before the application goes.
        if (QCoreApplication::instance())
            QObject::connect(
                QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [mixer, thread] {
                    mixer->m_shutDown = true;
                    QMetaObject::invokeMethod(
                        mixer, [mixer] { mixer->stopOutput(); }, Qt::BlockingQueuedConnection);
                    thread->quit();
                    thread->wait();
                });
        return mixer;
    }

    void stopOutput() {
        if (m_output) {
            m_output->stop();
            m_output.reset();
        }
        m_idleTimer->stop();
    }

    bool ensureRunning() {
        if (m_output && m_output->running())
            return true;
        m_output = AudioOutputs::Create();
        if (!m_output || !m_output->start(this, kMixRate, int(kMixRate * 4 * kBufferMs / 1000))) {
            m_output.reset();
            return false;
        }
        m_idleTimer->start();
        return true;
    }

    static constexpr int kBufferMs = 80;

    std::mutex m_mutex;
    std::vector<std::shared_ptr<Voice>> m_voices;
    qint64 m_idleFrames = 0;
    std::vector<qint32> m_mix;
    std::vector<qint16> m_scratch;
    std::unique_ptr<AudioOutput> m_output;
    QTimer* m_idleTimer;
    std::atomic<bool> m_shutDown = false;
};

class MixerPlayback final : public AudioPlayback {
public:
    explicit MixerPlayback(std::shared_ptr<Voice> voice) : m_voice(std::move(voice)) {}
    ~MixerPlayback() override { Mixer::instance().remove(m_voice); }
    void setLevels(int left, int right) override {
        Mixer::instance().setLevels(*m_voice, left, right);
    }

private:
    std::shared_ptr<Voice> m_voice;
};

std::unique_ptr<AudioPlayback> start(std::unique_ptr<FrameSource> source, int left, int right) {
    auto voice = std::make_shared<Voice>();
    voice->source = std::move(source);
    voice->left = levelToFactor(left);
    voice->right = levelToFactor(right);
    if (!Mixer::instance().add(voice))
        return nullptr;
    return std::make_unique<MixerPlayback>(std::move(voice));
}

} // namespace

void AudioPlayback::prepareOutput() {
    Mixer::instance().warmUp();
}

bool AudioPlayback::outputAvailable() {
    return AudioOutputs::Available();
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
    return start(waveSource(wave, fromMs, toMs), left, right);
}

std::unique_ptr<AudioPlayback> AudioPlayback::playMidi(const QByteArray& file,
                                                       const MediaFiles::MidiInfo& info,
                                                       double fromMs, double toMs, int left,
                                                       int right) {
    auto source = midiSource(file, info, fromMs, toMs);
    if (!source)
        return nullptr;
    return start(std::move(source), left, right);
}

QList<qint16> AudioPlayback::renderWave(const MediaFiles::WaveData& wave, double fromMs,
                                        double toMs, int left, int right) {
    return renderAlone(waveSource(wave, fromMs, toMs), left, right);
}

QList<qint16> AudioPlayback::renderMidi(const QByteArray& file, const MediaFiles::MidiInfo& info,
                                        double fromMs, double toMs, int left, int right) {
    return renderAlone(midiSource(file, info, fromMs, toMs), left, right);
}
