// The sound effects and music the build writes into the program folder: every
// file the program plays is there, the waves are short 16-bit PCM and not
// silent, and each piece of music is a valid
// General MIDI file of one to three minutes.
#include "TestSupport.h"

#include "media/AudioPlayback.h"
#include "media/MciInterpreter.h"
#include "media/MediaFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QtEndian>
#include <QtTest>

#include <cmath>

namespace {

QString soundsFolder() {
    return QStringLiteral(MORDAVENTA_BUILD_HOME) + QStringLiteral("/Sounds");
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestGeneratedSounds : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void effectIsShortPcm_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"First", "cardClick", "Success", "hooray", "clap", "Alert", "alert", "mark", "move"})
            QTest::newRow(name) << QString::fromLatin1(name) + QStringLiteral(".wav");
    }

    void effectIsShortPcm() {
        QFETCH(QString, name);
        const QByteArray bytes = readAll(soundsFolder() + QLatin1Char('/') + name);
        QVERIFY2(bytes.size() > 44, qPrintable(name + QStringLiteral(" is missing or empty")));
        // A plain 16-bit PCM wave with the 44-byte header.
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 34), quint16(16));
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 40), quint32(bytes.size() - 44));

        MediaFiles::WaveData wave;
        QVERIFY(MediaFiles::readWave(bytes, wave));
        const double seconds = wave.durationMs() / 1000.0;
        QVERIFY2(seconds >= 0.02 && seconds <= 3.0, qPrintable(QString::number(seconds)));
        int peak = 0;
        double energy = 0;
        for (qint16 s : wave.samples) {
            peak = std::max(peak, std::abs(int(s)));
            energy += double(s) * s;
        }
        // Loud enough to hear, never clipped to the limit.
        QVERIFY2(peak > 8000 && peak < 32767, qPrintable(QString::number(peak)));
        QVERIFY(std::sqrt(energy / wave.samples.size()) > 500);
        // Fades in and out: no click at either end.
        QVERIFY(std::abs(int(wave.samples.first())) < 2000);
        QVERIFY(std::abs(int(wave.samples.last())) < 2000);
    }

    void musicPiecesAreGeneralMidi() {
        const QDir folder(soundsFolder() + QStringLiteral("/music"));
        const QStringList names = folder.entryList({QStringLiteral("*.mid")}, QDir::Files);
        QVERIFY2(names.size() >= 5, qPrintable(names.join(QLatin1Char(','))));
        QSet<QByteArray> digests;
        for (const QString& name : names) {
            const QByteArray bytes = readAll(folder.filePath(name));
            digests.insert(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1));
            MediaFiles::MidiInfo info;
            QString why;
            QVERIFY2(MediaFiles::readMidi(bytes, info, &why),
                     qPrintable(name + QLatin1Char(' ') + why));
            QVERIFY(info.format == 0 || info.format == 1);
            QVERIFY(info.trackCount >= 2);
            QVERIFY(info.division > 0);
            const double seconds = info.durationMs() / 1000.0;
            QVERIFY2(seconds >= 60 && seconds <= 180,
                     qPrintable(name + QLatin1Char(' ') + QString::number(seconds)));
            QVERIFY2(info.noteOnCount > 150, qPrintable(name)); // a tune with an accompaniment
            QVERIFY(!info.programs.isEmpty());
            for (int program : std::as_const(info.programs))
                QVERIFY(program >= 0 && program <= 127);
        }
        QCOMPARE(digests.size(), names.size());
    }

    void musicIsHeardThroughTheSynthesizer() {
        if (AudioPlayback::soundFontPath().isEmpty())
            QSKIP("no General MIDI soundfont installed");
        const QDir folder(soundsFolder() + QStringLiteral("/music"));
        const QStringList names = folder.entryList({QStringLiteral("*.mid")}, QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            const QByteArray bytes = readAll(folder.filePath(name));
            MediaFiles::MidiInfo info;
            QVERIFY(MediaFiles::readMidi(bytes, info));
            // Four seconds from the start and four from the middle of the piece.
            for (const double from : {0.0, info.durationMs() / 2}) {
                const QList<qint16> out =
                    AudioPlayback::renderMidi(bytes, info, from, from + 4000, 1000, 1000);
                QCOMPARE(out.size(), qsizetype(4 * AudioPlayback::kRate * 2));
                double energy = 0;
                int clipped = 0;
                for (qint16 s : out) {
                    energy += double(s) * s;
                    clipped += (s == 32767 || s == -32768) ? 1 : 0;
                }
                const double rms = std::sqrt(energy / out.size());
                QVERIFY2(rms > 300,
                         qPrintable(name + QStringLiteral(" rms ") + QString::number(rms)));
                QVERIFY2(clipped < out.size() / 1000, qPrintable(name));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestGeneratedSounds)
#include "tst_generated_sounds.moc"
