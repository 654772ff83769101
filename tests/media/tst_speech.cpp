// The speech service: the words espeak-ng reports mapped onto the text's own
// characters (accents, punctuation, characters beyond 16 bits), the end once,
// and a missing engine. (Pacing, two texts at once and a window closed while
// it speaks: the question window's test.)
#include "TestSupport.h"

#include "media/SpeechVoice.h"
#include "media/clSpeach.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A text box that records what the speech service does to it.
class RecordingBox : public SpokenTextBox {
public:
    QString Text() const override { return QStringLiteral("Nothing."); }
    void SetFocus() override { ++focused; }
    void Select(int start, int length) override { selections.append({start, length}); }
    int focused = 0;
    QList<QPair<int, int>> selections;
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
}

void TestSpeech::missingEngine() {
    QVERIFY(clSpeach().MissingVoiceText().isEmpty());
    SpVoice::setEngineMissing(true);
    RecordingBox box;
    clSpeach speech;
    QVERIFY(!speech.Voice());
    QVERIFY(speech.MissingVoiceText().contains(QLatin1String("espeak-ng")));
    speech.SpeekVoice(&box);
    QCOMPARE(box.focused, 0);
    QVERIFY(box.selections.isEmpty());
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
