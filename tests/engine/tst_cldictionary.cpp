// The word list: loading the encrypted file, the first-match answers of
// CheckWord (checked against a literal walk over the lists on a sample that
// shows the rules; the word-list fuzz target does the same on any list), the
// loading message on bad files (returned, never shown from here), the read
// put off to the first need and the absence of any plain copy on disk.
#include "TestSupport.h"

#include "engine/ClDictionary.h"

#include <QDir>
#include <QtTest>

#include <random>

namespace {

const QString kDicPath = QStringLiteral("Dictionary/dictionary.dic");
const QString kLoadError = QStringLiteral("Error in loading dictionary...Try updating software...");

// A text in which most of the rules show: level 3 has "owl" as element 0 (no
// line break after the separator) and a short entry "at"; level 6 holds one
// empty entry; everything after the sixth separator is ignored. A file may not
// hold short or empty entries: kFileSample is a good one.
const QByteArray kSample = "ver 2.1<|>owl\r\ncat\r\ncab\r\ndog\r\nat<|>\r\nbear\r\nbe<|>\r\napple"
                           "<|>\r\n<|>\r\nkitchen\r\n<|>\r\nzzz\r\nzebra";
const QByteArray kFileSample = "ver 2.1<|>owl\r\ncat\r\ncab\r\ndog<|>\r\nbear\r\nbeak<|>\r\napple"
                               "<|><|>\r\nkitchen<|>\r\nzz\r\nZebra";
const QByteArray kShortList = "v<|>\r\ncat<|>\r\nbear<|>\r\napple<|>\r\nbanana<|>\r\nkitchen";

} // namespace

class TestClDictionary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void checkWordFollowsTheFirstMatchRule_data();
    void checkWordFollowsTheFirstMatchRule();
    void badFilesGiveTheLoadingMessage_data();
    void badFilesGiveTheLoadingMessage();
    void readLaterHappensAtTheFirstNeed();
    void failedReloadLeavesNoPartialList();
    void noPlainCopyIsLeftOnDisk();
    void emptyLinesAreNoEntries();
    void composedTextHasTheFileLayout();

private:
    void writeSample(const TempProgramFolder& folder, const QByteArray& plain = kFileSample) {
        QVERIFY(folder.write(kDicPath, referenceScramble(plain)));
    }
};

void TestClDictionary::checkWordFollowsTheFirstMatchRule_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("expected");
    QTest::newRow("element 0 is never searched") << "owl" << 3 << false;
    QTest::newRow("beginning that is no word") << "ca" << 3 << true;
    QTest::newRow("joker in the middle") << "c*b" << 3 << true;
    QTest::newRow("joker past the end of an entry") << "cat*" << 3 << true;
    QTest::newRow("short entry, joker past its end") << "at*" << 3 << true;
    QTest::newRow("letter past the end of a short entry") << "a*t" << 3 << false;
    QTest::newRow("case is compared exactly") << "CAT" << 3 << false;
    QTest::newRow("short entry and a longer one") << "be**" << 4 << true;
    QTest::newRow("empty entry matches only jokers") << "**" << 6 << true;
    QTest::newRow("empty entry and a letter") << "a" << 6 << false;
    QTest::newRow("trailing empty entry") << "********" << 7 << true;
    QTest::newRow("past a full entry") << "kitchens" << 7 << false;
    QTest::newRow("after the sixth separator") << "zzz" << 3 << false;
    QTest::newRow("empty word") << "" << 3 << false;
    QTest::newRow("negative level") << "c" << -3 << false;
}

void TestClDictionary::checkWordFollowsTheFirstMatchRule() {
    QFETCH(QString, word);
    QFETCH(int, level);
    QFETCH(bool, expected);
    ClDictionary dictionary;
    QVERIFY(dictionary.LoadPlainText(kSample));
    QCOMPARE(dictionary.CheckWord(word, qint16(level)), expected);
    QCOMPARE(literalCheckWord(dictionary.WordsOfLevel(level), word), expected);
}

void TestClDictionary::badFilesGiveTheLoadingMessage_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("five sections") << "five";
    QTest::newRow("other passphrase") << "otherpass";
    QTest::newRow("cut inside the last section") << "cut";
    QTest::newRow("random bytes with five section marks") << "random";
    QTest::newRow("upper-case entry") << "upper";
    QTest::newRow("entry of the wrong length after an empty line") << "short";
    QTest::newRow("far larger than any word list") << "huge";
}

void TestClDictionary::badFilesGiveTheLoadingMessage() {
    QFETCH(QString, kind);
    TempProgramFolder folder;
    if (kind == QLatin1String("empty"))
        QVERIFY(folder.write(kDicPath, QByteArray()));
    else if (kind == QLatin1String("five"))
        QVERIFY(folder.write(kDicPath,
                             referenceScramble("v<|>\r\ncat<|>\r\nbear<|>\r\napple<|>\r\nbanana")));
    else if (kind == QLatin1String("otherpass"))
        QVERIFY(folder.write(kDicPath, referenceScramble(kSample, "OtherPassphrase")));
    QByteArray plain; // written encrypted
    if (kind == QLatin1String("cut"))
        plain = kShortList.chopped(2);
    else if (kind == QLatin1String("upper"))
        plain = QByteArray(kShortList).replace("cat", "Cat");
    else if (kind == QLatin1String("short"))
        plain = QByteArray(kShortList).replace("cat", "cat\r\n\r\nca");
    else if (kind == QLatin1String("huge")) // good words only: refused for its size
        plain = kShortList + QByteArray("\r\nkitchen").repeated(ClDictionary::kMaxFileBytes / 9);
    else if (kind == QLatin1String("random")) {
        std::mt19937 random(7);
        plain.resize(20000);
        for (char& b : plain)
            b = char(random());
        for (int at : {3000, 6000, 9000, 12000, 15000})
            plain.insert(at, "<|>");
    }
    if (!plain.isEmpty())
        QVERIFY(folder.write(kDicPath, referenceScramble(plain)));

    MsgBoxRecorder boxes;
    ClDictionary dictionary;
    QString message;
    QVERIFY(!dictionary.LoadDictionary(&message));
    QVERIFY(!dictionary.DicLoaded);
    QVERIFY(boxes.shown().isEmpty()); // the window that loads it shows it
    QVERIFY2(message.endsWith(QStringLiteral("\n\n") + kLoadError), qPrintable(message));
    // A description of what went wrong comes first.
    QVERIFY(message.size() > kLoadError.size() + 10);
    QCOMPARE(dictionary.LoadMessage(), message);
    for (int level = 3; level <= 7; ++level) {
        QVERIFY(dictionary.WordsOfLevel(level).isEmpty());
        QVERIFY(!dictionary.CheckWord(QStringLiteral("*"), qint16(level)));
    }
    QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("Dictionary/temp.txt"))));
}

void TestClDictionary::readLaterHappensAtTheFirstNeed() {
    TempProgramFolder folder;
    writeSample(folder, "v<|>\r\ncat<|>\r\nbear<|>\r\napple<|>\r\nbanana<|>\r\nkitchen");
    MsgBoxRecorder boxes;
    ClDictionary dictionary;
    dictionary.LoadDictionaryLater();
    // The file as it is at the first question is what counts.
    writeSample(folder);
    QVERIFY(dictionary.CheckWord(QStringLiteral("ca*"), 3));
    QVERIFY(!dictionary.CheckWord(QStringLiteral("ba"), 6));
    QVERIFY(dictionary.Loaded());
    QCOMPARE(dictionary.dicversion, QStringLiteral("ver 2.1"));
    QVERIFY(dictionary.LoadMessage().isEmpty());

    // A failed read gives its message at the first need.
    dictionary.LoadDictionaryLater();
    QVERIFY(QFile::remove(folder.file(kDicPath)));
    QVERIFY(dictionary.WordsOfLevel(3).isEmpty());
    QVERIFY(!dictionary.Loaded());
    QVERIFY(dictionary.LoadMessage().endsWith(kLoadError));
    QVERIFY(boxes.shown().isEmpty());
}

void TestClDictionary::failedReloadLeavesNoPartialList() {
    TempProgramFolder folder;
    writeSample(folder);
    MsgBoxRecorder boxes;
    ClDictionary dictionary;
    QVERIFY(dictionary.LoadDictionary());
    QVERIFY(dictionary.CheckWord(QStringLiteral("cat"), 3));
    QVERIFY(folder.write(kDicPath, referenceScramble("v<|>\r\ncat<|>\r\nbear")));
    QVERIFY(!dictionary.LoadDictionary());
    QVERIFY(!dictionary.DicLoaded);
    QVERIFY(!dictionary.CheckWord(QStringLiteral("cat"), 3));
    QVERIFY(dictionary.WordsOfLevel(3).isEmpty());
    QVERIFY(dictionary.dicversion.isEmpty());
}

void TestClDictionary::noPlainCopyIsLeftOnDisk() {
    TempProgramFolder folder;
    writeSample(folder);
    // A plain copy left behind by an interrupted older run goes too.
    QVERIFY(folder.write(QStringLiteral("Dictionary/temp.txt"), kSample));
    MsgBoxRecorder boxes;
    ClDictionary dictionary;
    QVERIFY(dictionary.LoadDictionary());
    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(dictionary.dicversion, QStringLiteral("ver 2.1"));
    QCOMPARE(dictionary.WordsOfLevel(3), (QStringList{"owl", "cat", "cab", "dog"}));
    QCOMPARE(QDir(folder.file(QStringLiteral("Dictionary"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("dictionary.dic")});
    QCOMPARE(folder.read(kDicPath), referenceScramble(kFileSample));
}

void TestClDictionary::emptyLinesAreNoEntries() {
    TempProgramFolder folder;
    QVERIFY(folder.write(kDicPath, referenceScramble("v<|>\r\ncat\r\n\r\ndog\r\n<|>\r\nbear\r\n<|>"
                                                     "\r\napple\r\n<|>\r\nbanana\r\n<|>\r\n")));
    MsgBoxRecorder boxes;
    ClDictionary dictionary;
    QVERIFY(dictionary.LoadDictionary());
    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(dictionary.WordsOfLevel(3), (QStringList{"", "cat", "dog"}));
    QVERIFY(!dictionary.CheckWord(QStringLiteral("*******"), 7));
}

void TestClDictionary::composedTextHasTheFileLayout() {
    const std::array<QStringList, ClDictionary::kLevelCount> words{
        QStringList{"cat", "dog"}, QStringList{"bear"}, QStringList{}, QStringList{"banana"},
        QStringList{"kitchen", "chicken"}};
    const QByteArray composed = ClDictionary::ComposePlainText(QStringLiteral("v1"), words);
    QCOMPARE(composed,
             QByteArray("v1<|>\r\ncat\r\ndog<|>\r\nbear<|><|>\r\nbanana<|>\r\nkitchen\r\nchicken"));
    ClDictionary dictionary;
    QVERIFY(dictionary.LoadPlainText(composed));
    QCOMPARE(dictionary.WordsOfLevel(3), (QStringList{"", "cat", "dog"}));
    // An empty list gets no searched entry, so jokers alone find nothing.
    QVERIFY(dictionary.WordsOfLevel(5).size() == 1);
    QVERIFY(!dictionary.CheckWord(QStringLiteral("**"), 5));
    QCOMPARE(dictionary.WordsOfLevel(7), (QStringList{"", "kitchen", "chicken"}));
}

QTEST_GUILESS_MAIN(TestClDictionary)
#include "tst_cldictionary.moc"
