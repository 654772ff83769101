#pragma once
// Our in-process interpreter of the media command strings the program sends
// (open, play, close, set, status, setaudio, stop): devices are known by the
// alias given at open; wave files play through Qt Multimedia and MIDI pieces
// through FluidSynth. Every command answers with an error number (0 for
// success) and may leave a reply text; errorString() gives a readable text of
// at most 128 characters for a number.
//
// Time: positions and lengths are counted in frames of 30 per second (or in
// milliseconds after "set A time format milliseconds"), whatever the file.
// The position follows a clock from the moment "play" starts, so it also
// moves on when there is no audio device. Without an audio device (or with
// MORDAVENTA_SILENT_AUDIO=1, or on the offscreen platform) every command
// still works, silently.
//
// Levels 0 to 1000 ("setaudio") are taken on the ear's scale (Qt's
// logarithmic volume scale) and applied to the samples of each side, so the
// steps of a volume slider sound even instead of all the change happening
// near the bottom. "play ... wait" is accepted but never blocks.
#include <QHash>
#include <QString>

#include <functional>
#include <memory>

class MciInterpreter {
public:
    static constexpr int kFramesPerSecond = 30;
    static constexpr int kMaxErrorLength = 128;

    enum Error : quint32 {
        NoError = 0,
        UnrecognizedCommand = 261,
        UnrecognizedKeyword = 259,
        InvalidDeviceName = 263,
        MissingParameter = 281,
        BadInteger = 274,
        FileNotFound = 275,
        OutOfRange = 282,
        DuplicateAlias = 289,
        MissingDeviceName = 296,
        BadTimeFormat = 293,
        CannotUseAll = 302,
        InvalidFile = 304,
        UnknownDeviceType = 266,
        MissingStringArgument = 270,
    };

    static MciInterpreter& instance();

    // Runs one command; the reply (for status) is written to *reply.
    quint32 sendString(const QString& command, QString* reply = nullptr);
    static QString errorString(quint32 error);

    // Every command text sent, before it runs (tests record them).
    void setCommandObserver(std::function<void(const QString&)> observer);
    // The clock in milliseconds positions follow; nullptr restores the
    // monotonic system clock.
    void setClock(std::function<qint64()> clock);
    // Silent: no sound is made but everything else behaves the same.
    void setSilent(bool silent);
    bool isSilent() const;

    bool isOpen(const QString& alias) const;
    int openCount() const;

    MciInterpreter(const MciInterpreter&) = delete;
    MciInterpreter& operator=(const MciInterpreter&) = delete;
    ~MciInterpreter();

private:
    MciInterpreter();
    struct Device;
    qint64 now() const;
    quint32 run(const QString& command, QString* reply);
    quint32 doOpen(const QStringList& words);
    quint32 doPlay(Device& device, const QStringList& words);
    quint32 doStatus(Device& device, const QStringList& words, QString* reply);
    quint32 doSet(Device& device, const QStringList& words);
    quint32 doSetAudio(Device& device, const QStringList& words);
    void stopDevice(Device& device);
    double positionMs(const Device& device) const;
    void applyLevels(Device& device);

    QHash<QString, std::shared_ptr<Device>> m_devices; // by lower-case alias
    std::function<void(const QString&)> m_observer;
    std::function<qint64()> m_clock;
    int m_silent = -1; // -1: decided from the environment on first use
};
