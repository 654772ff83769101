// The word list: loading the encrypted file, the first-match answers of
// CheckWord (checked against a literal walk over the lists, on a sample that
// shows the rules and on random lists), the loading
// message on bad files and the absence of any plain copy on disk.
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
    void badFilesShowTheLoadingMessage_data();
    void badFilesShowTheLoadingMessage();
    void failedReloadLeavesNoPartialList();
    void noPlainCopyIsLeftOnDisk();
    void composedTextHasTheFileLayout();
    void indexAgreesWithLiteralSearchOnRandomLists();

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

void TestClDictionary::badFilesShowTheLoadingMessage_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("five sections") << "five";
    QTest::newRow("other passphrase") << "otherpass";
    QTest::newRow("cut inside the last section") << "cut";
    QTest::newRow("random bytes with five section marks") << "random";
    QTest::newRow("upper-case entry") << "upper";
    QTest::newRow("far larger than any word list") << "huge";
}

void TestClDictionary::badFilesShowTheLoadingMessage() {
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
    QVERIFY(!dictionary.LoadDictionary());
    QVERIFY(!dictionary.DicLoaded);
    QCOMPARE(boxes.shown().size(), 1);
    const MsgBoxRequest& box = boxes.shown().first();
    QCOMPARE(box.icon, MsgIcon::Critical);
    QVERIFY2(box.text.endsWith(QStringLiteral("\n\n") + kLoadError), qPrintable(box.text));
    // A description of what went wrong comes first.
    QVERIFY(box.text.size() > kLoadError.size() + 10);
    for (int level = 3; level <= 7; ++level) {
        QVERIFY(dictionary.WordsOfLevel(level).isEmpty());
        QVERIFY(!dictionary.CheckWord(QStringLiteral("*"), qint16(level)));
    }
    QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("Dictionary/temp.txt"))));
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

void TestClDictionary::indexAgreesWithLiteralSearchOnRandomLists() {
    // Entries and candidates are drawn from a small alphabet (with jokers and
    // upper case in the entries too) so that beginnings collide often and
    // short entries, empty entries and duplicates all occur.
    const QString alphabet = QStringLiteral("abc*Z");
    int compared = 0;
    int found = 0;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 random(seed);
        auto below = [&](int n) { return int(random() % unsigned(n)); };
        auto randomText = [&](int maxLength, int jokerPercent) {
            QString text;
            const int length = below(maxLength + 1);
            for (int i = 0; i < length; ++i)
                text += below(100) < jokerPercent ? QLatin1Char('*')
                                                  : alphabet.at(below(alphabet.size()));
            return text;
        };
        QByteArray plain = "seed";
        std::array<QStringList, ClDictionary::kLevelCount> lists;
        for (QStringList& list : lists) {
            plain += "<|>";
            list << randomText(3, 10); // element 0, usually not empty here
            const int count = below(4) == 0 ? below(3) : 1 + below(60);
            for (int i = 0; i < count; ++i)
                list << randomText(below(4) == 0 ? 2 : 8, 5);
            plain += list.join(QStringLiteral("\r\n")).toLatin1();
        }
        ClDictionary dictionary;
        QVERIFY(dictionary.LoadPlainText(plain));
        for (int level = 3; level <= 7; ++level)
            QCOMPARE(dictionary.WordsOfLevel(level), lists[level - 3]);
        for (int q = 0; q < 3000; ++q) {
            const int level = 2 + below(7);
            QString word;
            const QStringList& list = dictionary.WordsOfLevel(level);
            if (below(2) == 0 && list.size() > 1) {
                // A beginning of a listed entry with some letters made jokers
                // and maybe one letter changed or added.
                word = list.at(1 + below(list.size() - 1)).left(below(9));
                for (QChar& c : word) {
                    if (below(3) == 0)
                        c = QLatin1Char('*');
                }
                if (below(3) == 0)
                    word += alphabet.at(below(alphabet.size()));
            } else {
                word = randomText(9, 35);
            }
            const bool expected = literalCheckWord(list, word);
            QVERIFY2(dictionary.CheckWord(word, qint16(level)) == expected,
                     qPrintable(QStringLiteral("seed %1 level %2 word \"%3\" expected %4")
                                    .arg(seed)
                                    .arg(level)
                                    .arg(word)
                                    .arg(expected)));
            ++compared;
            found += expected ? 1 : 0;
        }
    }
    // Both answers must have occurred often, or the comparison proves little.
    QVERIFY(found > compared / 5);
    QVERIFY(found < compared * 4 / 5);
}

QTEST_GUILESS_MAIN(TestClDictionary)
#include "tst_cldictionary.moc"
