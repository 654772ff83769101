#include "media/Pronunciation.h"

#include "media/MediaFiles.h"
#include "media/ModuleMultimedia.h"
#include "media/SpeechVoice.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>

namespace Pronunciation {

namespace {

const QString kAlias = QStringLiteral("wavPronunciation");

QByteArray fail(QString* error, const QString& why) {
    if (error)
        *error = why;
    return QByteArray();
}

// One sample of `bits` bits at p, as -1..1.
double sampleAt(const char* p, int bits, bool floating) {
    if (floating) {
        if (bits == 32) {
            float f;
            std::memcpy(&f, p, 4);
            return qFromLittleEndian(f);
        }
        double d;
        std::memcpy(&d, p, 8);
        return qFromLittleEndian(d);
    }
    switch (bits) {
    case 8:
        return (int(quint8(*p)) - 128) / 128.0;
    case 16:
        return qFromLittleEndian<qint16>(p) / 32768.0;
    case 24: {
        const qint32 v = qint32(quint32(quint8(p[0])) << 8 | quint32(quint8(p[1])) << 16 |
                                quint32(quint8(p[2])) << 24);
        return v / 2147483648.0;
    }
    default:
        return qFromLittleEndian<qint32>(p) / 2147483648.0;
    }
}

} // namespace

QByteArray Speak(const QString& text, const char* language, QString* error) {
    MediaFiles::WaveData wave;
    if (!SpeechRender::Render(text, QByteArray(language), kSpeakRate, wave, error))
        return QByteArray();
    return MediaFiles::writeWave(wave);
}

QByteArray FromWaveFile(const QByteArray& bytes, qint64 largestBytes, QString* error) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return fail(error, QStringLiteral("This is not a wave file."));
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype pos = 12;
    int tag = 0, channels = 0, rate = 0, bits = 0, blockAlign = 0;
    while (pos + 8 <= size) {
        const QByteArray id = bytes.mid(pos, 4);
        qsizetype chunk = qFromLittleEndian<quint32>(data + pos + 4);
        const qsizetype body = pos + 8;
        chunk = qMin(chunk, size - body);
        if (id == "fmt " && chunk >= 16) {
            tag = qFromLittleEndian<quint16>(data + body);
            channels = qFromLittleEndian<quint16>(data + body + 2);
            rate = int(qFromLittleEndian<quint32>(data + body + 4));
            blockAlign = qFromLittleEndian<quint16>(data + body + 12);
            bits = qFromLittleEndian<quint16>(data + body + 14);
            if (tag == 0xFFFE && chunk >= 26)
                tag = qFromLittleEndian<quint16>(data + body + 24);
        } else if (id == "data") {
            const bool floating = tag == 3;
            const bool known =
                (tag == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
                (floating && (bits == 32 || bits == 64));
            if (!known)
                return fail(error, tag == 0 ? QStringLiteral("The wave file has no format.")
                                            : QStringLiteral("The wave file is compressed or "
                                                             "of an unknown kind (format %1, "
                                                             "%2 bits); save it as PCM.")
                                                  .arg(tag)
                                                  .arg(bits));
            if (channels < 1 || channels > 8 || rate < 4000 || rate > 192000 ||
                blockAlign != channels * bits / 8)
                return fail(error, QStringLiteral("The wave file's format is damaged."));
            const qsizetype frames = chunk / blockAlign;
            if (frames == 0)
                return fail(error, QStringLiteral("The wave file holds no sound."));
            if (44 + frames * 2 > largestBytes)
                return fail(error, QStringLiteral("The sound is too long: a board keeps at most "
                                                  "%1 MB for one sound.")
                                       .arg(largestBytes / (1024 * 1024)));
            MediaFiles::WaveData wave;
            wave.sampleRate = rate;
            wave.channels = 1;
            wave.bitsPerSample = 16;
            wave.samples.resize(frames);
            const int step = bits / 8;
            for (qsizetype f = 0; f < frames; ++f) {
                double sum = 0;
                const char* frame = data + body + f * blockAlign;
                for (int c = 0; c < channels; ++c)
                    sum += sampleAt(frame + c * step, bits, floating);
                wave.samples[f] = qint16(qBound(-32768.0, sum / channels * 32768.0, 32767.0));
            }
            return MediaFiles::writeWave(wave);
        }
        pos = body + chunk + (chunk & 1);
    }
    return fail(error, QStringLiteral("The wave file holds no sound."));
}

QString Play(quintptr window, const QByteArray& wave) {
    Stop();
    const QString folder = ProgramFolder::resolve(QStringLiteral("\\temp"));
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return QStringLiteral("no scratch folder");
    const QString path = QDir(folder).filePath(QStringLiteral("pronunciation.wav"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wave) != wave.size() || !file.commit())
        return QStringLiteral("cannot write %1").arg(path);
    const QString opened = ModuleMultimedia::mmOpen(window, kAlias, path);
    if (opened != QLatin1String("Success"))
        return opened;
    return ModuleMultimedia::mmPlay(kAlias);
}

void Stop() {
    ModuleMultimedia::mmClose(kAlias);
}

} // namespace Pronunciation
