#include "media/MciInterpreter.h"

#include "media/AudioPlayback.h"
#include "media/MediaFiles.h"
#include "shell/Logging.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

// Larger files are refused rather than read whole into memory.
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;

enum class TimeFormat { Milliseconds, Frames };

// Splits a command at blanks; a word in double quotes may hold blanks.
QStringList splitWords(const QString& command) {
    QStringList words;
    QString current;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : command) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && c.isSpace()) {
            if (inWord)
                words.append(current);
            current.clear();
            inWord = false;
        } else {
            current.append(c);
            inWord = true;
        }
    }
    if (inWord)
        words.append(current);
    return words;
}

bool readCount(const QString& word, qint64& value) {
    bool ok = false;
    value = word.toLongLong(&ok);
    return ok && value >= 0;
}

bool is(const QString& word, const char* keyword) {
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

} // namespace

struct MciInterpreter::Device {
    QString alias;
    QString path;
    bool midi = false;
    MediaFiles::WaveData wave;
    QByteArray midiBytes;
    MediaFiles::MidiInfo midiInfo;
    double durationMs = 0;
    // MPEGVideo devices start in milliseconds; the sound service switches to
    // frames before it asks for a length.
    TimeFormat format = TimeFormat::Milliseconds;
    int left = 1000;
    int right = 1000;
    bool playing = false;
    qint64 startedAt = 0;
    double fromMs = 0;
    double toMs = 0;
    double stoppedAtMs = 0;
    std::unique_ptr<AudioPlayback> output;

    qint64 toUnits(double ms) const {
        if (format == TimeFormat::Frames)
            return qint64(std::floor(ms * kFramesPerSecond / 1000.0 + 1e-6));
        return qint64(std::floor(ms + 1e-6));
    }
    double fromUnits(qint64 units) const {
        return format == TimeFormat::Frames ? units * 1000.0 / kFramesPerSecond : double(units);
    }
    qint64 lengthUnits() const {
        if (format == TimeFormat::Frames)
            return qint64(std::llround(durationMs * kFramesPerSecond / 1000.0));
        return qint64(std::llround(durationMs));
    }
};

MciInterpreter& MciInterpreter::instance() {
    static MciInterpreter interpreter;
    return interpreter;
}

MciInterpreter::MciInterpreter() = default;
MciInterpreter::~MciInterpreter() = default;

void MciInterpreter::setCommandObserver(std::function<void(const QString&)> observer) {
    m_observer = std::move(observer);
}

void MciInterpreter::setClock(std::function<qint64()> clock) {
    m_clock = std::move(clock);
}

void MciInterpreter::setSilent(bool silent) {
    m_silent = silent ? 1 : 0;
    if (silent) {
        for (const auto& device : std::as_const(m_devices))
            device->output.reset();
    }
}

bool MciInterpreter::isSilent() const {
    if (m_silent < 0) {
        const bool silent = qEnvironmentVariable("MORDAVENTA_SILENT_AUDIO") == QLatin1String("1") ||
                            qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen") ||
                            !AudioPlayback::outputAvailable();
        const_cast<MciInterpreter*>(this)->m_silent = silent ? 1 : 0;
        if (silent)
            qCDebug(lcMordaventa) << "media commands run silently (no audio output)";
    }
    // Audio output needs an application object with an event loop.
    return m_silent == 1 || QCoreApplication::instance() == nullptr;
}

bool MciInterpreter::isOpen(const QString& alias) const {
    return m_devices.contains(alias.toLower());
}

int MciInterpreter::openCount() const {
    return int(m_devices.size());
}

qint64 MciInterpreter::now() const {
    if (m_clock)
        return m_clock();
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

QString MciInterpreter::errorString(quint32 error) {
    switch (error) {
    case NoError:
        return QStringLiteral("The specified command was carried out.");
    case UnrecognizedCommand:
        return QStringLiteral("The driver cannot recognize the specified command.");
    case UnrecognizedKeyword:
        return QStringLiteral("The driver cannot recognize the specified command parameter.");
    case InvalidDeviceName:
        return QStringLiteral("The specified device is not open or is not recognized by MCI.");
    case MissingParameter:
        return QStringLiteral("The specified command requires a parameter. Please supply one.");
    case BadInteger:
        return QStringLiteral("An integer in the command was invalid or missing.");
    case FileNotFound:
        return QStringLiteral(
            "Cannot find the specified file. Make sure the path and filename are correct.");
    case OutOfRange:
        return QStringLiteral("The specified parameter is out of range for the specified command.");
    case DuplicateAlias:
        return QStringLiteral(
            "The specified alias is already being used in this application. Use a unique alias.");
    case MissingDeviceName:
        return QStringLiteral("The specified command requires an alias, file, driver, or device "
                              "name. Please supply one.");
    case BadTimeFormat:
        return QStringLiteral("The specified MCI time format is invalid.");
    case CannotUseAll:
        return QStringLiteral("The device name \"all\" is not allowed for this command.");
    case InvalidFile:
        return QStringLiteral("The specified file cannot be played on the specified MCI device. "
                              "The file may be corrupt or not in a known format.");
    case UnknownDeviceType:
        return QStringLiteral("An unknown device type was specified.");
    case MissingStringArgument:
        return QStringLiteral("The specified command requires a text value. Please supply one.");
    }
    return QStringLiteral("An unknown media error occurred (number %1).").arg(error);
}

quint32 MciInterpreter::sendString(const QString& command, QString* reply) {
    if (m_observer)
        m_observer(command);
    if (reply)
        reply->clear();
    const quint32 error = run(command, reply);
    if (error != NoError)
        qCDebug(lcMordaventa) << "media command failed:" << command << "-" << errorString(error);
    return error;
}

quint32 MciInterpreter::run(const QString& command, QString* reply) {
    const QStringList words = splitWords(command);
    if (words.isEmpty())
        return UnrecognizedCommand;
    const QString verb = words.first().toLower();
    static const QStringList known = {QStringLiteral("open"),    QStringLiteral("close"),
                                      QStringLiteral("play"),    QStringLiteral("stop"),
                                      QStringLiteral("status"),  QStringLiteral("set"),
                                      QStringLiteral("setaudio")};
    if (!known.contains(verb))
        return UnrecognizedCommand;
    if (verb == QLatin1String("open"))
        return doOpen(words);
    if (words.size() < 2)
        return MissingDeviceName;

    if (verb == QLatin1String("close")) {
        for (int i = 2; i < words.size(); ++i) {
            if (!is(words[i], "wait") && !is(words[i], "notify"))
                return UnrecognizedKeyword;
        }
        if (is(words[1], "all")) {
            for (const auto& device : std::as_const(m_devices))
                stopDevice(*device);
            m_devices.clear();
            return NoError;
        }
        const auto found = m_devices.constFind(words[1].toLower());
        if (found == m_devices.constEnd())
            return InvalidDeviceName;
        stopDevice(**found);
        m_devices.erase(found);
        return NoError;
    }

    if (is(words[1], "all"))
        return CannotUseAll;
    const auto found = m_devices.constFind(words[1].toLower());
    if (found == m_devices.constEnd())
        return InvalidDeviceName;
    Device& device = **found;
    if (verb == QLatin1String("play"))
        return doPlay(device, words);
    if (verb == QLatin1String("stop")) {
        if (words.size() > 2 && !is(words[2], "wait") && !is(words[2], "notify"))
            return UnrecognizedKeyword;
        stopDevice(device);
        return NoError;
    }
    if (verb == QLatin1String("status"))
        return doStatus(device, words, reply);
    if (verb == QLatin1String("set"))
        return doSet(device, words);
    return doSetAudio(device, words);
}

quint32 MciInterpreter::doOpen(const QStringList& words) {
    if (words.size() < 2)
        return MissingDeviceName;
    const QString path = words[1];
    // The file is looked at first: a path cut at a blank then reads as a
    // missing file rather than as a strange parameter.
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return FileNotFound;

    QString alias = path;
    for (int i = 2; i < words.size(); ++i) {
        const QString& word = words[i];
        const bool hasValue = i + 1 < words.size();
        if (is(word, "type")) {
            if (!hasValue)
                return MissingStringArgument;
            const QString type = words[++i];
            if (!is(type, "mpegvideo") && !is(type, "waveaudio") && !is(type, "sequencer"))
                return UnknownDeviceType;
        } else if (is(word, "alias")) {
            if (!hasValue)
                return MissingStringArgument;
            alias = words[++i];
        } else if (is(word, "parent") || is(word, "style")) {
            // The window that owns the device and its style mean nothing to
            // an audio-only device, but they must be numbers.
            qint64 value = 0;
            if (!hasValue || !readCount(words[++i], value))
                return BadInteger;
        } else if (!is(word, "shareable") && !is(word, "wait") && !is(word, "notify")) {
            return UnrecognizedKeyword;
        }
    }
    if (is(alias, "all"))
        return CannotUseAll;
    if (m_devices.contains(alias.toLower()))
        return DuplicateAlias;

    QFile file(path);
    if (info.size() > kMaxFileBytes || !file.open(QIODevice::ReadOnly))
        return InvalidFile;
    const QByteArray bytes = file.readAll();
    auto device = std::make_shared<Device>();
    device->alias = alias;
    device->path = path;
    QString why;
    if (bytes.startsWith("RIFF")) {
        if (!MediaFiles::readWave(bytes, device->wave, &why)) {
            qCDebug(lcMordaventa) << "cannot play" << path << why;
            return InvalidFile;
        }
        device->durationMs = device->wave.durationMs();
    } else if (bytes.startsWith("MThd")) {
        if (!MediaFiles::readMidi(bytes, device->midiInfo, &why)) {
            qCDebug(lcMordaventa) << "cannot play" << path << why;
            return InvalidFile;
        }
        device->midi = true;
        device->midiBytes = bytes;
        device->durationMs = device->midiInfo.durationMs();
    } else {
        return InvalidFile;
    }
    m_devices.insert(alias.toLower(), device);
    if (!isSilent())
        AudioPlayback::prepareOutput();
    return NoError;
}

quint32 MciInterpreter::doPlay(Device& device, const QStringList& words) {
    const qint64 length = device.lengthUnits();
    qint64 from = device.toUnits(positionMs(device));
    if (from >= length)
        from = 0; // a piece that has ended plays again from its start
    qint64 to = length;
    for (int i = 2; i < words.size(); ++i) {
        if (is(words[i], "from") || is(words[i], "to")) {
            qint64 value = 0;
            if (i + 1 >= words.size() || !readCount(words[i + 1], value))
                return BadInteger;
            (is(words[i], "from") ? from : to) = value;
            ++i;
        } else if (!is(words[i], "notify") && !is(words[i], "wait")) {
            // "wait" is accepted but never blocks: the program has one thread.
            return UnrecognizedKeyword;
        }
    }
    if (from > length || to > length || from > to)
        return OutOfRange;

    stopDevice(device);
    device.fromMs = device.fromUnits(from);
    device.toMs = std::min(device.fromUnits(to), device.durationMs);
    if (to == length)
        device.toMs = device.durationMs;
    device.startedAt = now();
    device.playing = true;
    if (!isSilent() && device.toMs > device.fromMs) {
        if (device.midi)
            device.output =
                AudioPlayback::playMidi(device.midiBytes, device.midiInfo, device.fromMs,
                                        device.toMs, device.left, device.right);
        else
            device.output = AudioPlayback::playWave(device.wave, device.fromMs, device.toMs,
                                                    device.left, device.right);
    }
    return NoError;
}

double MciInterpreter::positionMs(const Device& device) const {
    if (!device.playing)
        return device.stoppedAtMs;
    const double elapsed = double(now() - device.startedAt);
    return std::min(device.toMs, device.fromMs + std::max(0.0, elapsed));
}

void MciInterpreter::stopDevice(Device& device) {
    device.stoppedAtMs = positionMs(device);
    device.playing = false;
    device.output.reset();
}

quint32 MciInterpreter::doStatus(Device& device, const QStringList& words, QString* reply) {
    if (words.size() < 3)
        return MissingParameter;
    const QString item = words.mid(2).join(QLatin1Char(' ')).toLower();
    QString answer;
    if (item == QLatin1String("length")) {
        answer = QString::number(device.lengthUnits());
    } else if (item == QLatin1String("position")) {
        const double ms = positionMs(device);
        // At the end the position is the end asked for, exactly.
        answer =
            QString::number(ms >= device.durationMs ? device.lengthUnits() : device.toUnits(ms));
    } else if (item == QLatin1String("volume")) {
        answer = QString::number((device.left + device.right) / 2);
    } else if (item == QLatin1String("left volume")) {
        answer = QString::number(device.left);
    } else if (item == QLatin1String("right volume")) {
        answer = QString::number(device.right);
    } else if (item == QLatin1String("mode")) {
        const bool running = device.playing && positionMs(device) < device.toMs;
        answer = running ? QStringLiteral("playing") : QStringLiteral("stopped");
    } else if (item == QLatin1String("time format")) {
        answer = device.format == TimeFormat::Frames ? QStringLiteral("frames")
                                                     : QStringLiteral("milliseconds");
    } else if (item == QLatin1String("ready")) {
        answer = QStringLiteral("true");
    } else {
        return UnrecognizedKeyword;
    }
    if (reply)
        *reply = answer;
    return NoError;
}

quint32 MciInterpreter::doSet(Device& device, const QStringList& words) {
    if (words.size() < 3)
        return MissingParameter;
    if (!is(words[2], "time"))
        return UnrecognizedKeyword;
    if (words.size() < 4 || !is(words[3], "format"))
        return MissingParameter;
    if (words.size() < 5)
        return MissingParameter;
    if (words.size() > 5)
        return UnrecognizedKeyword;
    const QString& name = words[4];
    TimeFormat format;
    if (is(name, "frames"))
        format = TimeFormat::Frames;
    else if (is(name, "milliseconds") || is(name, "ms"))
        format = TimeFormat::Milliseconds;
    else
        return BadTimeFormat;
    device.format = format;
    return NoError;
}

quint32 MciInterpreter::doSetAudio(Device& device, const QStringList& words) {
    int i = 2;
    enum { Both, Left, Right } channel = Both;
    if (i < words.size() && is(words[i], "left")) {
        channel = Left;
        ++i;
    } else if (i < words.size() && is(words[i], "right")) {
        channel = Right;
        ++i;
    }
    if (i >= words.size())
        return MissingParameter;
    if (!is(words[i], "volume"))
        return UnrecognizedKeyword;
    if (i + 1 >= words.size() || !is(words[i + 1], "to"))
        return MissingParameter;
    if (i + 2 >= words.size())
        return BadInteger;
    if (i + 3 < words.size())
        return UnrecognizedKeyword;
    qint64 level = 0;
    if (!readCount(words[i + 2], level))
        return BadInteger;
    if (level > 1000)
        return OutOfRange;
    if (channel != Right)
        device.left = int(level);
    if (channel != Left)
        device.right = int(level);
    applyLevels(device);
    return NoError;
}

void MciInterpreter::applyLevels(Device& device) {
    if (device.output)
        device.output->setLevels(device.left, device.right);
}
