// The speech service: the words espeak-ng reports mapped onto the text's own
// characters (accents, punctuation, characters beyond 16 bits), events paced
// by the clock, the selection in the spoken box, SpeechDone once, a missing
// engine, and voices that go away while they speak.
#include "TestSupport.h"

#include "media/SpeechVoice.h"
#include "media/clSpeach.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A text box that records what the speech service does to it.
class RecordingBox : public SpokenTextBox {
public:
    explicit RecordingBox(QString text) : m_text(std::move(text)) {}
    QString Text() const override { return m_text; }
    void SetFocus() override { ++focused; }
    void Select(int start, int length) override { selections.append({start, length}); }
    int focused = 0;
    QList<QPair<int, int>> selections;

private:
    QString m_text;
};

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_now = 0;
        m_step = 0;
        SpVoice::setSilent(1);
        SpVoice::setClock([this] { return m_now += m_step; });
    }
    void cleanup() {
        SpVoice::setClock(nullptr);
        SpVoice::setEngineMissing(false);
    }
    void wordsOfTheText_data();
    void wordsOfTheText();
    void eventsFollowTheClock();
    void boxSelectsEachWordThenClears();
    void earlierStreamGoesOn();
    void voiceGoneWhileSpeaking();
    void missingEngine();

private:
    // The clock: m_now, moved on by m_step at every reading (0: by hand).
    qint64 m_now = 0;
    qint64 m_step = 0;
};

void TestSpeech::wordsOfTheText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    addDataRow("accents and punctuation",
               QStringLiteral("Café, naïve — «résumé»! Don't stop: crème brûlée."),
               QStringList{"Café", "naïve", "résumé", "Don't", "stop", "crème", "brûlée"});
    addDataRow("a number read as several words", QStringLiteral("It costs 1,234 euros."),
               QStringList{"It", "costs", "1,234", "euros"});
    // The smiley takes two QString units: later words must not shift.
    addDataRow("a character beyond 16 bits", QStringLiteral("😀 cat and   dog"),
               QStringList{"😀", "cat", "and", "dog"});
    addDataRow("lines and Windows-1252 letters", QStringLiteral("Œuvre\nl'été coûte"),
               QStringList{"Œuvre", "l'été", "coûte"});
}

void TestSpeech::wordsOfTheText() {
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    std::unique_ptr<SpVoice> voice = SpVoice::Create();
    QVERIFY(voice);
    QSignalSpy word(voice.get(), &SpVoice::Word);
    QSignalSpy end(voice.get(), &SpVoice::EndStream);
    m_step = 100000;
    const int stream = voice->Speak(text);
    QTRY_COMPARE(end.count(), 1);
    QStringList spoken;
    for (const QList<QVariant>& w : word) {
        QCOMPARE(w[0].toInt(), stream);
        spoken << text.mid(w[2].toInt(), w[3].toInt());
    }
    QCOMPARE(spoken, words);
    QCOMPARE(end[0][0].toInt(), stream);
    QVERIFY(!voice->IsSpeaking());
}

void TestSpeech::eventsFollowTheClock() {
    std::unique_ptr<SpVoice> voice = SpVoice::Create();
    QVERIFY(voice);
    QSignalSpy word(voice.get(), &SpVoice::Word);
    QSignalSpy end(voice.get(), &SpVoice::EndStream);
    voice->Speak(QStringLiteral("One two three four five six."));
    QTRY_COMPARE(word.count(), 1); // the first word at once, the rest later
    qint64 last = 0;
    while (end.isEmpty()) {
        const int before = int(word.count());
        m_now += 50;
        voice->Tick();
        for (int i = before; i < word.count(); ++i) {
            const qint64 at = word[i][1].toLongLong();
            QVERIFY(at <= m_now);
            QVERIFY(at > m_now - 50);
            QVERIFY(at >= last);
            last = at;
        }
        QVERIFY(m_now < 20000);
    }
    QCOMPARE(word.count(), 6);
    QVERIFY(end[0][1].toLongLong() > last);
    QVERIFY(end[0][1].toLongLong() <= m_now);
    m_now += 5000;
    voice->Tick();
    QCOMPARE(end.count(), 1);
}

void TestSpeech::boxSelectsEachWordThenClears() {
    RecordingBox box(QStringLiteral("Good morning, Zoë."));
    clSpeach speech;
    QSignalSpy done(&speech, &clSpeach::SpeechDone);
    m_step = 100000;
    speech.SpeekVoice(&box);
    QCOMPARE(box.focused, 1);
    QTRY_COMPARE(done.count(), 1);
    const QList<QPair<int, int>> expected{{0, 4}, {5, 7}, {14, 3}, {0, 0}};
    QCOMPARE(box.selections, expected);
    for (int i = 0; i < 3; ++i)
        speech.Voice()->Tick();
    QCOMPARE(done.count(), 1);
}

void TestSpeech::earlierStreamGoesOn() {
    RecordingBox first(QStringLiteral("The first text is long enough to go on."));
    RecordingBox second(QStringLiteral("Second."));
    clSpeach a;
    clSpeach b;
    QSignalSpy doneA(&a, &clSpeach::SpeechDone);
    QSignalSpy doneB(&b, &clSpeach::SpeechDone);
    a.SpeekVoice(&first);
    QTRY_COMPARE(first.selections.size(), 1);
    b.SpeekVoice(&second);
    QTRY_COMPARE(second.selections.size(), 1);
    m_step = 100000;
    QTRY_COMPARE(doneA.count(), 1);
    QTRY_COMPARE(doneB.count(), 1);
    QCOMPARE(first.selections.last(), qMakePair(0, 0));
    QVERIFY(first.selections.size() > 5);
}

void TestSpeech::voiceGoneWhileSpeaking() {
    // Gone mid-text, gone before its text was made, and a box gone first.
    auto speech = std::make_unique<clSpeach>();
    auto box = std::make_unique<RecordingBox>(QStringLiteral("Closing the window now."));
    speech->SpeekVoice(box.get());
    QTRY_COMPARE(box->selections.size(), 1);
    speech.reset();
    auto quick = std::make_unique<clSpeach>();
    quick->SpeekVoice(box.get());
    quick.reset();
    auto orphan = std::make_unique<clSpeach>();
    QSignalSpy done(orphan.get(), &clSpeach::SpeechDone);
    auto gone = std::make_unique<RecordingBox>(QStringLiteral("A box that goes."));
    orphan->SpeekVoice(gone.get());
    gone.reset();
    m_step = 100000;
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(box->selections.size(), 1);
}

void TestSpeech::missingEngine() {
    MsgBoxRecorder boxes;
    SpVoice::setEngineMissing(true);
    RecordingBox box(QStringLiteral("Nothing."));
    for (int i = 0; i < 2; ++i) {
        clSpeach speech;
        QVERIFY(!speech.Voice());
        speech.SpeekVoice(&box);
    }
    QCOMPARE(boxes.shown().size(), 2);
    QCOMPARE(boxes.shown()[0].title, QStringLiteral("Missing speech control..."));
    QCOMPARE(boxes.shown()[0].icon, MsgIcon::Critical);
    QVERIFY(boxes.shown()[0].text.contains(QLatin1String("espeak-ng")));
    QCOMPARE(box.focused, 0);
    QVERIFY(box.selections.isEmpty());
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
