#pragma once
// Records a pronunciation from the microphone: Record, Stop, and the peak
// level of what comes in for a meter. The result has the silence before and
// after the word cut off and is the mono 16-bit wave file the game plays. A
// test feeds samples through a device of its own instead of the microphone.
#include "media/AudioOutput.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class PronunciationRecorder : public QObject {
    Q_OBJECT
public:
    // Rate asked of the microphone; one that cannot give it records at its own.
    static constexpr int kRate = 22050;
    // A recording stops taking sound after this long: a word takes a second
    // or two, and the file stays far below a board's limit for one sound.
    static constexpr int kLongestSeconds = 30;
    // A run of 10 ms whose peak reaches this part of full scale is sound, any
    // quieter run is silence: about -30 dBFS, above the hiss of a laptop
    // microphone in a quiet room (-45 to -40 dBFS) and below the start of a
    // softly spoken word.
    static constexpr double kSilencePeak = 0.03;
    // Kept before the first and after the last run of sound, so that soft
    // consonants at the edges ("h", "s", "f") are not clipped.
    static constexpr int kMarginMs = 60;

    explicit PronunciationRecorder(QObject* parent = nullptr);
    ~PronunciationRecorder() override;

    // Starts recording from the default microphone; false with a reason when
    // there is none or it cannot be opened.
    bool Record(QString* error);
    // Starts recording from `device`, open for reading, whose frames are in
    // `format` (the stand-in for the microphone). The device stays the
    // caller's.
    bool RecordFrom(QIODevice* device, const AudioFrames& format);
    // Stops and returns the recording as a wave file with its silence cut
    // off; empty with a reason when nothing but silence came in.
    QByteArray Stop(QString* error);
    bool IsRecording() const { return m_device != nullptr; }
    // Peak of the latest sound read, 0 to 1.
    double Level() const { return m_level; }

    // Reads what the device has; runs on its readyRead, tests may call it.
    void ReadAvailable();

    // The samples from `margin` before the first to `margin` after the last
    // 10 ms run whose peak reaches `threshold` (0..1); empty when none does.
    static QList<qint16> TrimSilence(const QList<qint16>& samples, int rate, double threshold,
                                     int marginMs);

Q_SIGNALS:
    void LevelChanged(double level);
    // The microphone stopped by itself (unplugged, refused); what was
    // recorded is kept for Stop().
    void Interrupted(const QString& reason);

private:
    void begin(QIODevice* device, const AudioFrames& format);

    std::unique_ptr<AudioInput> m_source;
    QPointer<QIODevice> m_device;
    AudioFrames m_format;
    QByteArray m_pending; // the bytes of an incomplete frame
    QList<qint16> m_samples;
    double m_level = 0;
};
