// The table's music: which files make the music list, the commands of a new
// piece, the next piece when one ends (stepped on a fake clock), the check
// boxes and the effects.
#include "MediaTestFiles.h"
#include "TestSupport.h"

#include "media/MciInterpreter.h"
#include "media/TableMusic.h"

#include <QDir>
#include <QTimer>
#include <QtTest>

#include <utility>

namespace {

const QString kStyle = QStringLiteral(" Style 1073741824");

} // namespace

class TestTableMusic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void musicListTakesExactMidEndings();
    void missingMusicFolderLeavesTableQuiet();
    void playSongSendsTheSequence_data();
    void playSongSendsTheSequence();
    void musicOffChoosesButSendsNothing();
    void nextPieceStartsWhenOneEnds();
    void failingPieceNeverRotates();
    void musicBoxClicks();
    void effectsFollowSoundBox();
    void closeAllStopsEverything();

private:
    void addMusic(const QStringList& names) const;
    QString music(const QString& name) const {
        return QDir::cleanPath(m_folder->file(QStringLiteral("Sounds/music/") + name));
    }
    QStringList takeSent() { return std::exchange(m_mci->sent, {}); }

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<MediaTestFiles::MciRecording> m_mci;
    ScriptedRandom m_random{{}};
    std::unique_ptr<TableMusic> m_music;
    bool m_musicOn = true;
    bool m_soundOn = true;
    int m_musicVolume = 30;
    int m_soundVolume = 40;
};

void TestTableMusic::init() {
    m_folder = std::make_unique<TempProgramFolder>();
    m_mci = std::make_unique<MediaTestFiles::MciRecording>();
    m_musicOn = m_soundOn = true;
    m_musicVolume = 30;
    m_soundVolume = 40;
    m_music = std::make_unique<TableMusic>(m_random);
    m_music->setWindowHandle(77);
    m_music->setControls({[this] { return m_musicOn; }, [this] { return m_soundOn; },
                          [this] { return m_musicVolume; }, [this] { return m_soundVolume; }});
}

void TestTableMusic::cleanup() {
    m_music.reset();
    m_mci.reset();
    m_folder.reset();
}

void TestTableMusic::addMusic(const QStringList& names) const {
    for (const QString& name : names)
        QVERIFY(m_folder->write(QStringLiteral("Sounds/music/") + name,
                                MediaTestFiles::twoSecondMidi()));
}

void TestTableMusic::musicListTakesExactMidEndings() {
    addMusic({"b.mid", "A.MID", "c.Mid", "d.midi", "e.mid.txt", "mid", "a.mid", "x y.mid"});
    QDir(m_folder->path()).mkpath(QStringLiteral("Sounds/music/folder.mid"));
    m_music->BuildMusicList();
    QCOMPARE(m_music->musicList(), (QStringList{"a.mid", "b.mid", "x y.mid"}));
    QVERIFY(m_mci->sent.isEmpty());
    // Built again, the list is not doubled.
    m_music->BuildMusicList();
    QCOMPARE(m_music->musicList().size(), 3);
}

void TestTableMusic::missingMusicFolderLeavesTableQuiet() {
    m_music->BuildMusicList();
    QVERIFY(m_music->musicList().isEmpty());
    m_random = ScriptedRandom({0.5});
    m_music->PlaySong();
    m_music->TimerAtEndFile_Timer();
    QCOMPARE(m_mci->sent, (QStringList{"set midiSounds time format frames",
                                       "status midiSounds length", "status midiSounds position"}));
    QVERIFY(!m_music->TimerAtEndFile()->isActive());
    QVERIFY(m_music->currentSong().isEmpty());
}

void TestTableMusic::playSongSendsTheSequence_data() {
    QTest::addColumn<double>("random");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("first") << 0.0 << "a.mid";
    QTest::newRow("last") << 0.9999 << "c.mid";
}

void TestTableMusic::playSongSendsTheSequence() {
    QFETCH(double, random);
    QFETCH(QString, chosen);
    addMusic({"a.mid", "b.mid", "c.mid"});
    m_music->BuildMusicList();
    m_random = ScriptedRandom({random});
    m_music->PlaySong();
    QCOMPARE(m_music->currentSong(), chosen);
    QCOMPARE(m_mci->sent,
             (QStringList{"Close midiSounds",
                          "open " + music(chosen) + " type MPEGVideo Alias midiSounds parent 77" +
                              kStyle,
                          "setaudio midiSounds Volume to 300", "set midiSounds time format frames",
                          "status midiSounds length", "play midiSounds from 0 to 60"}));
    QVERIFY(m_music->TimerAtEndFile()->isActive());
}

void TestTableMusic::musicOffChoosesButSendsNothing() {
    addMusic({"a.mid"});
    m_music->BuildMusicList();
    m_music->TimerAtEndFile()->start();
    m_musicOn = false;
    m_music->PlaySong();
    QVERIFY(m_mci->sent.isEmpty());
    QVERIFY(!m_music->TimerAtEndFile()->isActive());
}

void TestTableMusic::nextPieceStartsWhenOneEnds() {
    addMusic({"a.mid", "b.mid"});
    m_music->BuildMusicList();
    m_random = ScriptedRandom({0.0, 0.9});
    m_music->PlaySong();
    QCOMPARE(m_music->currentSong(), QStringLiteral("a.mid"));
    takeSent();

    const QStringList watch = {"set midiSounds time format frames", "status midiSounds length",
                               "status midiSounds position"};
    m_mci->clock = 100;
    m_music->TimerAtEndFile_Timer();
    QCOMPARE(takeSent(), watch);
    m_mci->clock = 1900; // frame 57 of 60
    m_music->TimerAtEndFile_Timer();
    QCOMPARE(takeSent(), watch);
    QCOMPARE(m_music->currentSong(), QStringLiteral("a.mid"));

    m_mci->clock = 2000; // the piece has ended: the next one starts
    m_music->TimerAtEndFile_Timer();
    const QStringList sent = takeSent();
    QCOMPARE(sent.mid(0, 3), watch);
    QCOMPARE(sent.value(3), QStringLiteral("Close midiSounds"));
    QCOMPARE(sent.value(4),
             "open " + music("b.mid") + " type MPEGVideo Alias midiSounds parent 77" + kStyle);
    QCOMPARE(sent.last(), QStringLiteral("play midiSounds from 0 to 60"));
    QCOMPARE(m_music->currentSong(), QStringLiteral("b.mid"));

    // The new piece starts at the beginning: the next tick does not rotate.
    m_mci->clock = 2100;
    m_music->TimerAtEndFile_Timer();
    QCOMPARE(takeSent(), watch);
}

void TestTableMusic::failingPieceNeverRotates() {
    QVERIFY(m_folder->write(QStringLiteral("Sounds/music/broken.mid"), "MThd but not really"));
    m_music->BuildMusicList();
    QCOMPARE(m_music->musicList(), QStringList{"broken.mid"});
    m_random = ScriptedRandom({0.0});
    m_music->PlaySong();
    // The open failed: nothing after it is sent and the watch is not started.
    QCOMPARE(m_mci->sent.size(), 2);
    QVERIFY(!m_music->TimerAtEndFile()->isActive());
    takeSent();
    m_mci->clock = 100000;
    m_music->TimerAtEndFile_Timer();
    QCOMPARE(takeSent().size(), 3); // length, then position: both fail, no new piece
}

void TestTableMusic::musicBoxClicks() {
    addMusic({"a.mid"});
    m_music->BuildMusicList();
    m_random = ScriptedRandom({0.0});

    m_musicOn = true;
    m_music->chkMusic_Click(false); // no game yet: nothing until the deal
    QVERIFY(m_mci->sent.isEmpty());
    QVERIFY(!m_music->TimerAtEndFile()->isActive());

    m_music->chkMusic_Click(true);
    QCOMPARE(m_mci->sent.last(), QStringLiteral("play midiSounds from 0 to 60"));
    QVERIFY(m_music->TimerAtEndFile()->isActive());
    takeSent();

    m_musicOn = false;
    m_music->chkMusic_Click(true);
    QCOMPARE(takeSent(), QStringList{"Close midiSounds"});
    QVERIFY(!m_music->TimerAtEndFile()->isActive());
    QVERIFY(!MciInterpreter::instance().isOpen(QStringLiteral("midiSounds")));

    // MusicOff lets the piece play on but starts no other.
    m_musicOn = true;
    m_music->PlaySong();
    takeSent();
    m_music->MusicOff();
    QVERIFY(m_mci->sent.isEmpty());
    QVERIFY(!m_music->TimerAtEndFile()->isActive());
    QVERIFY(MciInterpreter::instance().isOpen(QStringLiteral("midiSounds")));
}

void TestTableMusic::effectsFollowSoundBox() {
    QVERIFY(
        m_folder->write(QStringLiteral("Sounds/cardClick.wav"), MediaTestFiles::oneSecondWave()));
    m_soundOn = false;
    QVERIFY(!m_music->PlayEffect(QStringLiteral("\\Sounds\\cardClick.wav")));
    QVERIFY(m_mci->sent.isEmpty());

    m_soundOn = true;
    m_soundVolume = 40;
    QVERIFY(m_music->PlayEffect(QStringLiteral("\\Sounds\\cardClick.wav")));
    const QString file = QDir::cleanPath(m_folder->file(QStringLiteral("Sounds/cardClick.wav")));
    const QStringList sent = takeSent();
    QCOMPARE(sent.value(1), "open " + file + " type MPEGVideo Alias wavSounds parent 77" + kStyle);
    QCOMPARE(sent.value(2), QStringLiteral("setaudio wavSounds Volume to 400"));
    // A missing effect is quiet and does not disturb the next one.
    QVERIFY(m_music->PlayEffect(QStringLiteral("\\Sounds\\nothing.wav")));
    QVERIFY(!MciInterpreter::instance().isOpen(QStringLiteral("wavSounds")));
    takeSent();
    QVERIFY(m_music->PlayEffect(QStringLiteral("\\sounds\\CARDCLICK.wav")));
    QCOMPARE(m_mci->sent.last(), QStringLiteral("play wavSounds from 0 to 30"));
}

void TestTableMusic::closeAllStopsEverything() {
    addMusic({"a.mid"});
    QVERIFY(m_folder->write(QStringLiteral("Sounds/Success.wav"), MediaTestFiles::oneSecondWave()));
    m_music->BuildMusicList();
    m_random = ScriptedRandom({0.0});
    m_music->PlaySong();
    m_music->PlayEffect(QStringLiteral("\\Sounds\\Success.wav"));
    QCOMPARE(MciInterpreter::instance().openCount(), 2);
    takeSent();
    m_music->CloseAll();
    QCOMPARE(m_mci->sent, QStringList{"Close All"});
    QCOMPARE(MciInterpreter::instance().openCount(), 0);
    QVERIFY(!m_music->TimerAtEndFile()->isActive());
}

QTEST_GUILESS_MAIN(TestTableMusic)
#include "tst_tablemusic.moc"
