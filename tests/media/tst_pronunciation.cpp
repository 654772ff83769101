// Pronunciations: wave files of other kinds made playable, the recorder's
// silence trimming fed through a stand-in for the microphone, and the voice's
// words.
#include "TestSupport.h"

#include "media/MediaFiles.h"
#include "media/Pronunciation.h"
#include "media/PronunciationRecorder.h"

#include <QBuffer>
#include <QtTest>

namespace {

// A wave file header written out by hand: `format` tag, channels, rate, bits.
QByteArray waveHeader(quint16 format, quint16 channels, quint32 rate, quint16 bits,
                      quint32 dataBytes) {
    QByteArray h;
    QDataStream out(&h, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << format << channels << rate << quint32(rate * channels * bits / 8)
        << quint16(channels * bits / 8) << bits;
    out.writeRawData("data", 4);
    out << dataBytes;
    return h;
}

} // namespace

class TestPronunciation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void waveFiles_data();
    void waveFiles();
    void recorderTrimsSilence();
    void voiceSpeaks();
};

void TestPronunciation::waveFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<qint16>>("samples"); // empty: refused
    // 24-bit stereo: each frame's two channels are averaged.
    QByteArray stereo24 = waveHeader(1, 2, 8000, 24, 12);
    stereo24.append("\x00\x00\x40"
                    "\x00\x00\x20" // 0.5 and 0.25 -> 0.375
                    "\x00\x00\xC0"
                    "\x00\x00\xC0", // -0.5 and -0.5
                    12);
    addDataRow("24-bit stereo", stereo24, QList<qint16>{12288, -16384});
    QByteArray unsigned8 = waveHeader(1, 1, 11025, 8, 3);
    unsigned8.append("\x80\xC0\x00", 3);
    addDataRow("8-bit", unsigned8, QList<qint16>{0, 16384, -32768});
    QByteArray float32 = waveHeader(3, 1, 8000, 32, 8);
    float32.append("\x00\x00\x00\x3F"
                   "\x00\x00\x80\xBF", // 0.5, -1.0
                   8);
    addDataRow("32-bit float", float32, QList<qint16>{16384, -32768});
    QByteArray adpcm = waveHeader(2, 1, 8000, 4, 4);
    adpcm.append("\x01\x02\x03\x04", 4);
    addDataRow("compressed", adpcm, QList<qint16>{});
    addDataRow("not a wave", QByteArray("ID3\x03 an mp3 file"), QList<qint16>{});
    // 40 000 frames become 80 044 bytes, over the limit of the row below.
    QByteArray longOne = waveHeader(1, 1, 8000, 16, 80000);
    longOne.append(QByteArray(80000, '\x01'));
    addDataRow("over the limit", longOne, QList<qint16>{});
}

void TestPronunciation::waveFiles() {
    QFETCH(QByteArray, file);
    QFETCH(QList<qint16>, samples);
    QString error;
    const QByteArray result = Pronunciation::FromWaveFile(file, 80000, &error);
    if (samples.isEmpty()) {
        QVERIFY(result.isEmpty());
        QVERIFY(!error.isEmpty());
        return;
    }
    MediaFiles::WaveData wave;
    QVERIFY2(MediaFiles::readWave(result, wave, &error), qPrintable(error));
    QCOMPARE(wave.channels, 1);
    QCOMPARE(wave.bitsPerSample, 16);
    QCOMPARE(wave.samples, samples);
}

void TestPronunciation::recorderTrimsSilence() {
    // Stereo at 8000 Hz from the stand-in: 0.5 s of hiss below the
    // threshold, 0.2 s of a loud tone, 0.5 s of hiss.
    constexpr int rate = 8000;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < rate * 12 / 10; ++i) {
        const bool tone = i >= rate / 2 && i < rate * 7 / 10;
        const qint16 v = tone ? qint16((i % 16 < 8) ? 20000 : -20000) : qint16(i % 2 ? 300 : -300);
        out << v << v;
    }
    QBuffer microphone(&bytes);
    microphone.open(QIODevice::ReadOnly);
    AudioFrames format;
    format.sampleRate = rate;
    format.channels = 2;
    PronunciationRecorder recorder;
    QVERIFY(recorder.RecordFrom(&microphone, format));
    recorder.ReadAvailable();
    QVERIFY(recorder.Level() > 0.6);
    QString error;
    const QByteArray result = recorder.Stop(&error);
    MediaFiles::WaveData wave;
    QVERIFY2(MediaFiles::readWave(result, wave, &error), qPrintable(error));
    QCOMPARE(wave.channels, 1);
    QCOMPARE(wave.sampleRate, rate);
    // The tone and a margin each side remain, nothing of the hiss beyond.
    const int margin = rate * PronunciationRecorder::kMarginMs / 1000;
    QCOMPARE(wave.samples.size(), rate / 5 + 2 * margin);
    QCOMPARE(wave.samples[margin], qint16(20000));

    // Hiss alone is silence: refused with a reason.
    QByteArray hiss(rate * 4, '\x01'); // 257 of 32768
    QBuffer quiet(&hiss);
    quiet.open(QIODevice::ReadOnly);
    QVERIFY(recorder.RecordFrom(&quiet, format));
    QVERIFY(recorder.Stop(&error).isEmpty());
    QVERIFY(!error.isEmpty());
}

void TestPronunciation::voiceSpeaks() {
    QString error;
    const QByteArray british =
        Pronunciation::Speak(QStringLiteral("garden"), Pronunciation::kBritish, &error);
    if (british.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no espeak-ng here: ") + error));
    const QByteArray american =
        Pronunciation::Speak(QStringLiteral("garden"), Pronunciation::kAmerican, &error);
    MediaFiles::WaveData a, b;
    QVERIFY(MediaFiles::readWave(british, a) && MediaFiles::readWave(american, b));
    QCOMPARE(a.channels, 1);
    QVERIFY(a.durationMs() > 200 && a.durationMs() < 2000);
    QVERIFY(a.samples != b.samples); // two accents, two sounds
}

QTEST_MAIN(TestPronunciation)
#include "tst_pronunciation.moc"
