#pragma once
// The speech voice (our SpVoice): speaks a text in the background with
// espeak-ng and reports, on the thread that owns it (the GUI thread), each word
// as it is about to be heard and the end of the text.
//
// - Speak() returns at once; synthesis runs on one worker thread shared by all
//   voices (espeak-ng is one engine per process).
// - Word positions and lengths count the characters of the text as given
//   (QString units), whatever espeak-ng counts internally.
// - The events follow a clock from the moment the sound starts. Without an
//   audio output (or when silent) nothing is heard, yet the same events arrive
//   at the same moments; tests replace the clock.
// - A voice speaks its texts one after the other; destroying it silences it
//   and drops its events. Separate voices speak at the same time.
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class AudioPlayback;
namespace MediaFiles {
struct WaveData;
} // namespace MediaFiles

namespace SpeechText {

struct Span {
    int start = -1; // -1: no word there
    int length = 0;
};

// The word of `text` at the position espeak-ng reports for it (1-based,
// counted in Unicode characters): the run of non-blank characters around that
// position, without punctuation at its ends ("«résumé»," gives "résumé", a
// lone "—" or "€" stays itself), in QString positions. espeak-ng's own word
// lengths are not used: they come out short or 0 next to punctuation.
Span WordAt(const QString& text, int espeakPosition);

} // namespace SpeechText

namespace SpeechRender {

// Speaks `text` with the engine the voices share, into mono 16-bit samples
// instead of the output, and waits until they are made (after whatever the
// voices queued before). `language` as SpVoice::SetLanguage; false with a
// reason when the engine cannot be started or makes no sound of the text.
bool Render(const QString& text, const QByteArray& language, int wordsPerMinute,
            MediaFiles::WaveData& wave, QString* error = nullptr);

} // namespace SpeechRender

class SpVoice : public QObject {
    Q_OBJECT
public:
    enum SpeechVoiceSpeakFlags { SVSFDefault = 0, SVSFlagsAsync = 1 };

    // A voice with the default English voice; nullptr when the speech engine
    // cannot be started (espeak-ng or its voice data missing).
    static std::unique_ptr<SpVoice> Create(QObject* parent = nullptr);
    ~SpVoice() override;

    // Queues the text and returns its stream number (1, 2, ... per voice), or
    // 0 when it cannot be spoken. Every call speaks asynchronously.
    int Speak(const QString& text, int flags = SVSFlagsAsync);
    // Whether a text is queued or being spoken.
    bool IsSpeaking() const;
    // The espeak-ng language of the texts spoken from now on: "en-gb" (the
    // default) or "en-us"; a language espeak-ng lacks leaves the voice it had.
    void SetLanguage(const QByteArray& language) { m_language = language; }
    QByteArray Language() const { return m_language; }

    // Delivers what is due by the clock: starts a synthesized text, raises its
    // due Word events and, after its last sample, EndStream. The voice's own
    // timer calls it; tests may call it directly.
    void Tick();

    // ---- Machines without sound, and tests ----
    // 1: never make sound; 0: use the audio output; -1 (default): decide as
    // the sound service does (no output, offscreen or MORDAVENTA_SILENT_AUDIO).
    static void setSilent(int silent);
    static bool isSilent();
    // The millisecond clock events follow; nullptr restores the system's.
    static void setClock(std::function<qint64()> clock);
    // Behave as a machine without a speech engine (Create returns nullptr).
    static void setEngineMissing(bool missing);

    // Milliseconds between two looks at the clock while speaking.
    static constexpr int kTickInterval = 10;
    // Milliseconds the sound of an ended text is kept for the output to drain.
    static constexpr int kOutputGrace = 1000;

Q_SIGNALS:
    // The word at characterPosition (0-based) of the stream's text is about to
    // be heard; streamPosition is the time into the stream in milliseconds.
    void Word(int streamNumber, qint64 streamPosition, int characterPosition, int length);
    // The stream's text has been spoken (raised once per stream).
    void EndStream(int streamNumber, qint64 streamPosition);

private:
    explicit SpVoice(QObject* parent);
    struct Stream;
    QList<std::shared_ptr<Stream>> m_streams;
    std::vector<std::unique_ptr<AudioPlayback>> m_ending;
    int m_lastStream = 0;
    QByteArray m_language = QByteArrayLiteral("en-gb");
    QTimer m_timer;
};
