// The sound service and its command interpreter: volumes and replies read
// back, the end-of-piece test on a clock, blanks in paths, the wave and MIDI
// readers, and every kind of bad input answered with an error text. Only the
// commands the game sends are checked.
#include "MediaTestFiles.h"
#include "TestSupport.h"

#include "media/AudioPlayback.h"
#include "media/MciInterpreter.h"
#include "media/MediaFiles.h"
#include "media/ModuleMultimedia.h"
#include "media/ShortPath.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace ModuleMultimedia;

#define HEX(literal) QByteArray(literal, sizeof(literal) - 1)

namespace {
const QString kSuccess = QStringLiteral("Success");
} // namespace

class TestMci : public QObject {
    Q_OBJECT
    QString writeSounds() const {
        m_folder->write(QStringLiteral("Sounds/one.wav"), MediaTestFiles::oneSecondWave());
        m_folder->write(QStringLiteral("Sounds/music/two.mid"), MediaTestFiles::twoSecondMidi());
        return m_folder->file(QStringLiteral("Sounds/one.wav"));
    }
    QString run(const QString& command) {
        QString reply;
        const quint32 error = MciInterpreter::instance().sendString(command, &reply);
        return error ? MciInterpreter::errorString(error) : reply;
    }

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MediaTestFiles::MciRecording> m_mci;
private Q_SLOTS:
    void init() {
        m_folder = std::make_unique<TempProgramFolder>();
        m_mci = std::make_unique<MediaTestFiles::MciRecording>();
    }

    void cleanup() {
        m_mci.reset();
        m_folder.reset();
    }

    void volumeReadBackInTenths() {
        const QString alias = QStringLiteral("wavSounds");
        QCOMPARE(mmOpen(0, alias, writeSounds()), kSuccess);
        QCOMPARE(mmSetVolume(alias, QStringLiteral("all"), 50), kSuccess);
        QCOMPARE(run(QStringLiteral("status wavSounds volume")), QStringLiteral("500"));
        QCOMPARE(mmGetVolume(alias, QStringLiteral("all")), 50);
        // Out of range: nothing is sent, the level stays.
        m_mci->sent.clear();
        for (int volume : {-1, 101})
            QCOMPARE(mmSetVolume(alias, QStringLiteral("Left"), volume),
                     QStringLiteral("out of volume"));
        QVERIFY(m_mci->sent.isEmpty());

        QCOMPARE(mmSetVolume(alias, QStringLiteral("left"), 73), kSuccess);
        QCOMPARE(mmSetVolume(alias, QStringLiteral("Right"), 27), kSuccess);
        QCOMPARE(mmGetVolume(alias, QStringLiteral("LEFT")), 73);
        QCOMPARE(mmGetVolume(alias, QStringLiteral("right")), 27);
        QCOMPARE(mmGetVolume(alias, QStringLiteral("all")), 50); // the mean of both sides
        QCOMPARE(mmGetVolume(QStringLiteral("nothing"), QStringLiteral("all")), -1);
    }

    void shortPathAliases() {
        QVERIFY(m_folder->write(QStringLiteral("plain.wav"), "a"));
        QVERIFY(m_folder->write(QStringLiteral("with blank/one.wav"), "one"));
        QVERIFY(m_folder->write(QStringLiteral("with blank/two two.wav"), "two"));
        const QString plain = m_folder->file(QStringLiteral("plain.wav"));
        QCOMPARE(ShortPath::GetShortPathName(plain), plain);
        QCOMPARE(ShortPath::GetShortPathName(m_folder->file(QStringLiteral("missing file.wav"))),
                 QString());

        const QString one =
            ShortPath::GetShortPathName(m_folder->file(QStringLiteral("with blank/one.wav")));
        const QString two =
            ShortPath::GetShortPathName(m_folder->file(QStringLiteral("with blank/two two.wav")));
        QVERIFY(!one.contains(QLatin1Char(' ')));
        QVERIFY(!two.contains(QLatin1Char(' ')));
        QVERIFY(one != two);
        // The alias reads as the file itself, and asking again gives the same one.
        QFile f(two);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("two"));
        QCOMPARE(ShortPath::GetShortPathName(m_folder->file(QStringLiteral("with blank/one.wav"))),
                 one);

        // Other white space and quotes would split or cut the command as well.
        for (const QString& name :
             {QStringLiteral("tab\tname.wav"), QStringLiteral("quote\"d.wav")}) {
            QVERIFY(m_folder->write(name, MediaTestFiles::oneSecondWave()));
            const QString alias = ShortPath::GetShortPathName(m_folder->file(name));
            QVERIFY2(!alias.isEmpty() && !alias.contains(QLatin1Char('\t')) &&
                         !alias.contains(QLatin1Char('"')),
                     qPrintable(alias));
            QCOMPARE(mmOpen(0, QStringLiteral("odd"), m_folder->file(name)), kSuccess);
            QCOMPARE(mmLength(QStringLiteral("odd")), 30);
            QCOMPARE(mmClose(QStringLiteral("odd")), kSuccess);
        }
    }

    void endTestFollowsTheClock() {
        writeSounds();
        const QString alias = QStringLiteral("midiSounds");
        QCOMPARE(mmOpen(0, alias, m_folder->file(QStringLiteral("Sounds/music/two.mid"))),
                 kSuccess);
        QCOMPARE(mmPlay(alias), kSuccess);
        QCOMPARE(m_mci->sent.last(), QStringLiteral("play midiSounds from 0 to 60"));

        qint32 length = 0;
        QVERIFY(!mmEndTest(alias, length));
        QCOMPARE(length, 60);
        m_mci->clock = 1000;
        QCOMPARE(mmPosition(alias), 30);
        QVERIFY(!mmEndTest(alias, length));
        m_mci->clock = 1950; // frame 58: not yet
        QVERIFY(!mmEndTest(alias, length));
        m_mci->clock = 1967; // frame 59 = length - 1
        QVERIFY(mmEndTest(alias, length));
        m_mci->clock = 60000; // long after the end the position stays at the end
        QCOMPARE(mmPosition(alias), 60);
        QVERIFY(mmEndTest(alias, length));
        QCOMPARE(run(QStringLiteral("status midiSounds mode")), QStringLiteral("stopped"));
    }

    void endTestOnAFailingDevice() {
        qint32 length = 0;
        QVERIFY(!mmEndTest(QStringLiteral("midiSounds"), length));
        QCOMPARE(length, -1);
        QCOMPARE(mmPosition(QStringLiteral("midiSounds")), -1);
        // A length that failed earlier stays a failure, even at position -1.
        qint32 stale = -1;
        QVERIFY(!mmEndTest(QStringLiteral("midiSounds"), stale));
    }

    void badInputAnswersWithErrorText_data() {
        QTest::addColumn<QString>("file"); // below the program folder; "" = none
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("open"); // file to open
        QTest::addColumn<quint32>("error");

        addDataRow("missing file", QString(), QByteArray(), "Sounds/none.wav",
                   quint32(MciInterpreter::FileNotFound));
        addDataRow("a folder", "Sounds/music/x.mid", MediaTestFiles::twoSecondMidi(),
                   "Sounds/music", quint32(MciInterpreter::FileNotFound));
        addDataRow("text file", "Sounds/readme.wav", QByteArray("just some words\n"),
                   "Sounds/readme.wav", quint32(MciInterpreter::InvalidFile));
    }

    void badInputAnswersWithErrorText() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, open);
        QFETCH(quint32, error);
        if (!file.isEmpty())
            QVERIFY(m_folder->write(file, content));
        const QString alias = QStringLiteral("wavSounds");
        const QString expected = MciInterpreter::errorString(error);
        QCOMPARE(mmOpen(0, alias, m_folder->file(open)), expected);
        QVERIFY(!MciInterpreter::instance().isOpen(alias));
        // Everything after a failed open fails quietly too.
        const QString notOpen = MciInterpreter::errorString(MciInterpreter::InvalidDeviceName);
        QCOMPARE(mmPlay(alias), notOpen);
        QCOMPARE(m_mci->sent.last(), QStringLiteral("play wavSounds from 0 to -1"));
        QCOMPARE(mmSetVolume(alias, QStringLiteral("all"), 50), notOpen);
        QCOMPARE(mmLength(alias), -1);
        QCOMPARE(mmClose(alias), notOpen);
        QCOMPARE(mmCloseAll(), kSuccess);
    }

    void interpreterCommands_data() {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("answer"); // reply or error text of the last command

        const QString notOpen = MciInterpreter::errorString(MciInterpreter::InvalidDeviceName);
        addDataRow("aliases ignore case",
                   QStringList{"SetAudio W LEFT volume to 250", "Status w Left Volume"}, "250");
        addDataRow("unknown alias", QStringList{"play nothing"}, notOpen);
        addDataRow("close then use", QStringList{"close w", "status w length"}, notOpen);
    }

    void interpreterCommands() {
        QFETCH(QStringList, commands);
        QFETCH(QString, answer);
        const QString wave = writeSounds();
        QCOMPARE(run(QStringLiteral("open ") + wave + QStringLiteral(" type MPEGVideo alias w")),
                 QString());
        QString last;
        for (const QString& command : commands)
            last = run(command);
        QCOMPARE(last, answer);
    }

    void readsWaveFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QList<int>>("samples");
        QTest::addColumn<int>("rate");

        // 8-bit stereo, 11025 Hz, an odd-sized chunk before the format chunk.
        QTest::newRow("8-bit stereo") << HEX("RIFF\x32\x00\x00\x00WAVE"
                                             "LIST\x03\x00\x00\x00"
                                             "abc\x00"
                                             "fmt \x10\x00\x00\x00\x01\x00\x02\x00\x11\x2B\x00\x00"
                                             "\x22\x56\x00\x00\x02\x00\x08\x00"
                                             "data\x04\x00\x00\x00\x80\xFF\x00\x81")
                                      << true << QList<int>{0, 32512, -32768, 256} << 11025;
        QTest::newRow("16-bit, size left open")
            << HEX("RIFF\xFF\xFF\xFF\xFFWAVE"
                   "fmt \x10\x00\x00\x00\x01\x00\x01\x00\x44\xAC\x00\x00"
                   "\x88\x58\x01\x00\x02\x00\x10\x00"
                   "data\xFF\xFF\xFF\xFF\x01\x00\xFF\xFF\x00\x80")
            << true << QList<int>{1, -1, -32768} << 44100;
        QTest::newRow("extensible PCM")
            << HEX("RIFF\x3C\x00\x00\x00WAVE"
                   "fmt \x28\x00\x00\x00\xFE\xFF\x01\x00\x40\x1F\x00\x00"
                   "\x80\x3E\x00\x00\x02\x00\x10\x00"
                   "\x16\x00\x10\x00\x04\x00\x00\x00"
                   "\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71"
                   "data\x02\x00\x00\x00\x34\x12")
            << true << QList<int>{0x1234} << 8000;
        QTest::newRow("float samples") << HEX("RIFF\x28\x00\x00\x00WAVE"
                                              "fmt \x10\x00\x00\x00\x03\x00\x01\x00\x40\x1F\x00\x00"
                                              "\x00\x7D\x00\x00\x04\x00\x20\x00"
                                              "data\x04\x00\x00\x00\x00\x00\x80\x3F")
                                       << false << QList<int>{} << 0;
        QTest::newRow("not RIFF") << HEX("MThd\x00\x00\x00\x06") << false << QList<int>{} << 0;
    }

    void readsWaveFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QList<int>, samples);
        QFETCH(int, rate);
        MediaFiles::WaveData wave;
        QString why;
        QCOMPARE(MediaFiles::readWave(bytes, wave, &why), ok);
        if (!ok) {
            QVERIFY(!why.isEmpty());
            return;
        }
        QList<int> got;
        for (qint16 s : wave.samples)
            got.append(s);
        QCOMPARE(got, samples);
        QCOMPARE(wave.sampleRate, rate);
    }

    void readsMidiTempoChanges() {
        // Format 1: a conductor track with 120 then 240 beats a minute after one
        // quarter, and a note track using running status; 96 ticks a quarter.
        const QByteArray bytes = HEX("MThd\x00\x00\x00\x06\x00\x01\x00\x02\x00\x60"
                                     "MTrk\x00\x00\x00\x12"
                                     "\x00\xFF\x51\x03\x07\xA1\x20"
                                     "\x60\xFF\x51\x03\x03\xD0\x90"
                                     "\x00\xFF\x2F\x00"
                                     "MTrk\x00\x00\x00\x12"
                                     "\x00\xC0\x49"
                                     "\x00\x90\x40\x50"
                                     "\x60\x43\x50"
                                     "\x81\x40\x40\x00"
                                     "\x00\xFF\x2F\x00");
        MediaFiles::MidiInfo info;
        QString why;
        QVERIFY2(MediaFiles::readMidi(bytes, info, &why), qPrintable(why));
        QCOMPARE(info.format, 1);
        QCOMPARE(info.trackCount, 2);
        QCOMPARE(info.lastTick, 288);
        QCOMPARE(info.noteOnCount, 2);
        QCOMPARE(info.programs, QList<int>{73});
        // One quarter at 0.5 s, two at 0.25 s.
        QCOMPARE(info.durationMs(), 1000.0);
        QCOMPARE(info.tickToMs(96), 500.0);
        QCOMPARE(info.msToTick(750), 192);
        QCOMPARE(info.msToTick(250), 48);
    }

    void refusesBrokenMidi_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = MediaTestFiles::twoSecondMidi();
        QTest::newRow("cut in the track") << good.left(good.size() - 3);
        QByteArray noStatus = good;
        noStatus[30] = 0x3C; // a data byte where the first status should be
        QTest::newRow("data without status") << noStatus;
        QByteArray format = good;
        format[9] = 3;
        QTest::newRow("format 3") << format;
    }

    void refusesBrokenMidi() {
        QFETCH(QByteArray, bytes);
        MediaFiles::MidiInfo info;
        QString why;
        QVERIFY(!MediaFiles::readMidi(bytes, info, &why));
        QVERIFY(!why.isEmpty());
    }

    void outputConvertsRateAndLevels() {
        // 22050 Hz mono (as spoken words are recorded), four frames.
        const QByteArray bytes = HEX("RIFF\x2C\x00\x00\x00WAVE"
                                     "fmt \x10\x00\x00\x00\x01\x00\x01\x00\x22\x56\x00\x00"
                                     "\x44\xAC\x00\x00\x02\x00\x10\x00"
                                     "data\x08\x00\x00\x00\x00\x00\xE8\x03\xD0\x07\xB8\x0B");
        MediaFiles::WaveData wave;
        QVERIFY(MediaFiles::readWave(bytes, wave));
        QCOMPARE(wave.durationMs(), 4000.0 / 22050.0);

        // Twice the frames at 44.1 kHz, halfway values between, full level on the
        // left and none on the right.
        const QList<qint16> out = AudioPlayback::renderWave(wave, 0, wave.durationMs(), 1000, 0);
        QList<qint16> left, right;
        for (qsizetype i = 0; i + 1 < out.size(); i += 2) {
            left.append(out[i]);
            right.append(out[i + 1]);
        }
        QCOMPARE(left, (QList<qint16>{0, 500, 1000, 1500, 2000, 2500, 3000, 3000}));
        QCOMPARE(right, QList<qint16>(8, 0));

        // Levels in between follow the ear: half way is well below half the
        // amplitude, and louder levels are always louder.
        int previous = -1;
        for (int level : {100, 250, 500, 750, 900, 1000}) {
            const QList<qint16> mixed =
                AudioPlayback::renderWave(wave, 0, wave.durationMs(), level, level);
            const int sample = mixed.value(12); // the left side of the seventh frame (3000)
            QVERIFY2(sample > previous, qPrintable(QString::number(level)));
            previous = sample;
            if (level == 500)
                QVERIFY2(sample > 150 && sample < 1500, qPrintable(QString::number(sample)));
        }
        QCOMPARE(previous, 3000);

        // A stretch: from the second frame to the end.
        const QList<qint16> part =
            AudioPlayback::renderWave(wave, 1000.0 / 22050.0, wave.durationMs(), 1000, 1000);
        QCOMPARE(part.size(), 12);
        QCOMPARE(part.first(), qint16(1000));
    }
};

QTEST_GUILESS_MAIN(TestMci)
#include "tst_mci.moc"
