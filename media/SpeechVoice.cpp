#include "media/SpeechVoice.h"

#include "media/AudioPlayback.h"
#include "media/MciInterpreter.h"
#include "media/MediaFiles.h"
#include "media/SoundLibraries.h"
#include "shell/Logging.h"

#include <QElapsedTimer>
#include <QPointer>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace SpeechText {

namespace {

bool startsPair(const QString& text, int i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

} // namespace

Span WordAt(const QString& text, int espeakPosition) {
    const int size = int(text.size());
    // espeak-ng counts Unicode characters from 1; QString counts 16-bit units.
    int at = 0;
    for (int skipped = 0; skipped < espeakPosition - 1 && at < size; ++skipped)
        at += startsPair(text, at) ? 2 : 1;
    if (espeakPosition < 1 || at >= size || text[at].isSpace())
        return {};
    int start = at;
    while (start > 0 && !text[start - 1].isSpace())
        --start;
    int end = at;
    while (end < size && !text[end].isSpace())
        ++end;
    int first = start;
    int last = end;
    while (first < last && text[first].isPunct())
        ++first;
    while (last > first && text[last - 1].isPunct())
        --last;
    if (first == last) { // punctuation alone: the mark itself is spoken
        first = start;
        last = end;
    }
    return {first, last - first};
}

} // namespace SpeechText

namespace {

// What the worker makes of one text; read by the voice once `ready` is set.
struct SpeechJob {
    QString text;
    QByteArray language;
    int wordsPerMinute = espeakRATE_NORMAL;
    std::atomic<bool> cancelled{false};
    std::mutex mutex;
    std::condition_variable done; // notified when `ready` is set
    bool ready = false;
    bool failed = false;
    int sampleRate = 0;
    QList<qint16> samples;
    struct WordEvent {
        int position;
        int length;
        qint64 audioMs;
    };
    QList<WordEvent> words;
    qint64 endMs = 0;
};

// The one espeak-ng engine of the process and the worker thread that drives
// it. espeak-ng is used in its synchronous mode on the worker only, so no call
// into it ever happens on two threads.
class SpeechEngine {
public:
    static SpeechEngine& instance() {
        static SpeechEngine engine;
        return engine;
    }

    // Starts the worker and the engine once; false when it cannot speak.
    bool start() {
        std::unique_lock lock(m_mutex);
        if (m_state == State::NotStarted) {
            m_state = State::Starting;
            m_thread = std::thread([this] { run(); });
        }
        m_changed.wait(lock, [this] { return m_state != State::Starting; });
        return m_state == State::Running;
    }

    void submit(std::shared_ptr<SpeechJob> job) {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(std::move(job));
        }
        m_changed.notify_all();
    }

    ~SpeechEngine() {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        // espeak_Terminate is left out: it can hang on its own threads when
        // the program ends, and the process is going anyway.
    }

private:
    enum class State { NotStarted, Starting, Running, Failed };

    struct RawWord {
        int position;
        qint64 audioMs;
    };
    struct Capture {
        SpeechJob* job;
        QList<RawWord> words;
    };

    static int callback(short* wav, int count, espeak_EVENT* events) {
        Capture* capture = s_capture;
        if (!capture)
            return 0;
        if (capture->job->cancelled.load())
            return 1; // its voice is gone: stop synthesizing
        if (wav && count > 0) {
            QList<qint16>& samples = capture->job->samples;
            samples.append(QList<qint16>(wav, wav + count));
        }
        for (espeak_EVENT* e = events; e && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
            if (e->type == espeakEVENT_WORD)
                capture->words.append({e->text_position, e->audio_position});
        }
        return 0;
    }

    void run() {
        bool ok = false;
        const EspeakCalls* espeak = SoundLibraries::Espeak();
        const int rate = espeak ? espeak->espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 200, nullptr,
                                                            espeakINITIALIZE_DONT_EXIT)
                                : 0;
        if (rate > 0 && (espeak->espeak_SetVoiceByName("en") == EE_OK ||
                         espeak->espeak_SetVoiceByName("default") == EE_OK)) {
            espeak->espeak_SetSynthCallback(&SpeechEngine::callback);
            ok = true;
        }
        {
            std::lock_guard lock(m_mutex);
            m_rate = rate;
            m_state = ok ? State::Running : State::Failed;
        }
        m_changed.notify_all();
        if (!ok) {
            qCWarning(lcMordaventa) << "espeak-ng could not be started";
            return;
        }
        for (;;) {
            std::shared_ptr<SpeechJob> job;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return m_stop || !m_queue.empty(); });
                if (m_stop)
                    return;
                job = std::move(m_queue.front());
                m_queue.pop_front();
            }
            synthesize(*job, rate);
        }
    }

    // Changes espeak-ng's voice to the job's language; on the worker only.
    static void selectLanguage(const QByteArray& language) {
        static QByteArray current;
        if (language.isEmpty() || language == current)
            return;
        espeak_VOICE wanted{};
        wanted.languages = language.constData();
        if (SoundLibraries::Espeak()->espeak_SetVoiceByProperties(&wanted) == EE_OK)
            current = language;
    }

    // Sets espeak-ng's speaking rate; on the worker only. A voice change may
    // reset it, so it is set again after one.
    static void selectRate(int wordsPerMinute) {
        SoundLibraries::Espeak()->espeak_SetParameter(espeakRATE, wordsPerMinute, 0);
    }

    static void synthesize(SpeechJob& job, int rate) {
        const EspeakCalls* espeak = SoundLibraries::Espeak(); // started, so there
        selectLanguage(job.language);
        selectRate(job.wordsPerMinute);
        Capture capture{&job, {}};
        s_capture = &capture;
        const QByteArray utf8 = job.text.toUtf8();
        const espeak_ERROR error =
            job.cancelled.load()
                ? EE_OK
                : espeak->espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER,
                                       0, espeakCHARS_UTF8, nullptr, nullptr);
        s_capture = nullptr;

        QList<SpeechJob::WordEvent> words;
        for (const RawWord& raw : std::as_const(capture.words)) {
            const SpeechText::Span span = SpeechText::WordAt(job.text, raw.position);
            if (span.start < 0)
                continue;
            // A number read as several words ("1,234") keeps one selection.
            if (!words.isEmpty() && words.last().position == span.start &&
                words.last().length == span.length)
                continue;
            words.append({span.start, span.length, raw.audioMs});
        }
        std::lock_guard lock(job.mutex);
        job.sampleRate = rate;
        job.words = words;
        job.endMs = job.samples.size() * 1000LL / rate;
        job.failed = error != EE_OK;
        job.ready = true;
        job.done.notify_all();
    }

    static inline thread_local Capture* s_capture = nullptr;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::shared_ptr<SpeechJob>> m_queue;
    std::thread m_thread;
    State m_state = State::NotStarted;
    bool m_stop = false;
    int m_rate = 0;
};

int g_silent = -1;
bool g_engineMissing = false;
std::function<qint64()> g_clock;

qint64 now() {
    if (g_clock)
        return g_clock();
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

} // namespace

bool SpeechRender::Render(const QString& text, const QByteArray& language, int wordsPerMinute,
                          MediaFiles::WaveData& wave, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (g_engineMissing || !SpeechEngine::instance().start())
        return fail(QStringLiteral("espeak-ng could not be started"));
    auto job = std::make_shared<SpeechJob>();
    job->text = text;
    job->language = language;
    job->wordsPerMinute = wordsPerMinute;
    SpeechEngine::instance().submit(job);
    std::unique_lock lock(job->mutex);
    job->done.wait(lock, [&job] { return job->ready; });
    if (job->failed || job->samples.isEmpty())
        return fail(QStringLiteral("espeak-ng produced no sound"));
    wave = MediaFiles::WaveData();
    wave.sampleRate = job->sampleRate;
    wave.channels = 1;
    wave.bitsPerSample = 16;
    wave.samples = std::move(job->samples);
    return true;
}

struct SpVoice::Stream {
    int number = 0;
    std::shared_ptr<SpeechJob> job;
    bool started = false;
    qint64 startedAt = 0;
    int nextWord = 0;
    std::unique_ptr<AudioPlayback> output;
};

std::unique_ptr<SpVoice> SpVoice::Create(QObject* parent) {
    if (g_engineMissing || !SpeechEngine::instance().start())
        return nullptr;
    return std::unique_ptr<SpVoice>(new SpVoice(parent));
}

SpVoice::SpVoice(QObject* parent) : QObject(parent) {
    m_timer.setInterval(kTickInterval);
    connect(&m_timer, &QTimer::timeout, this, &SpVoice::Tick);
}

SpVoice::~SpVoice() {
    for (const auto& stream : std::as_const(m_streams))
        stream->job->cancelled = true;
}

int SpVoice::Speak(const QString& text, int flags) {
    Q_UNUSED(flags); // every text is spoken asynchronously
    auto stream = std::make_shared<Stream>();
    stream->number = ++m_lastStream;
    stream->job = std::make_shared<SpeechJob>();
    stream->job->text = text;
    stream->job->language = m_language;
    m_streams.append(stream);
    SpeechEngine::instance().submit(stream->job);
    m_timer.start();
    return stream->number;
}

bool SpVoice::IsSpeaking() const {
    return !m_streams.isEmpty();
}

void SpVoice::Tick() {
    if (m_streams.isEmpty()) {
        m_timer.stop();
        return;
    }
    const std::shared_ptr<Stream> stream = m_streams.first();
    SpeechJob& job = *stream->job;
    {
        std::lock_guard lock(job.mutex);
        if (!job.ready)
            return;
    }
    if (job.failed) {
        // Nothing was spoken, so nothing is reported.
        qCDebug(lcMordaventa) << "espeak-ng could not speak" << job.text;
        m_streams.removeFirst();
        return;
    }
    if (!stream->started) {
        stream->started = true;
        stream->startedAt = now();
        if (!isSilent() && !job.samples.isEmpty()) {
            MediaFiles::WaveData wave;
            wave.sampleRate = job.sampleRate;
            wave.channels = 1;
            wave.bitsPerSample = 16;
            wave.samples = job.samples;
            stream->output = AudioPlayback::playWave(wave, 0, wave.durationMs(), 1000, 1000);
        }
    }
    const qint64 elapsed = now() - stream->startedAt;
    const QPointer<SpVoice> alive(this);
    while (stream->nextWord < job.words.size() && job.words[stream->nextWord].audioMs <= elapsed) {
        const SpeechJob::WordEvent word = job.words[stream->nextWord++];
        // A handler may close the window and this voice with it.
        emit Word(stream->number, word.audioMs, word.position, word.length);
        if (!alive)
            return;
    }
    if (stream->nextWord == job.words.size() && elapsed >= job.endMs) {
        m_streams.removeFirst();
        // The output lags the clock by its buffer: it is kept a moment longer
        // so the last sound is not cut.
        if (stream->output) {
            AudioPlayback* output = stream->output.get();
            m_ending.push_back(std::move(stream->output));
            QTimer::singleShot(kOutputGrace, this, [this, output] {
                std::erase_if(m_ending, [output](const auto& o) { return o.get() == output; });
            });
        }
        emit EndStream(stream->number, job.endMs);
    }
}

void SpVoice::setSilent(int silent) {
    g_silent = silent;
}

bool SpVoice::isSilent() {
    if (g_silent >= 0)
        return g_silent == 1;
    return MciInterpreter::instance().isSilent();
}

void SpVoice::setClock(std::function<qint64()> clock) {
    g_clock = std::move(clock);
}

void SpVoice::setEngineMissing(bool missing) {
    g_engineMissing = missing;
}
