// The word list the build ships in the program folder: it decrypts with the
// program's passphrase to the documented sections, holds only fit words, and
// the game's search answers on it as a literal walk over the lists does.
#include "TestSupport.h"

#include "engine/ClDictionary.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <random>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Decryption written out here, apart from the class: file byte i (from 1) is
// lowered by ("BisonEatsMuch"[i mod 13] xor 17), modulo 256.
QByteArray unscramble(const QByteArray& bytes) {
    const QByteArray passphrase = "BisonEatsMuch";
    QByteArray out = bytes;
    for (qsizetype p = 0; p < out.size(); ++p) {
        const int shift =
            static_cast<unsigned char>(passphrase.at((p + 1) % passphrase.size())) ^ 17;
        out[p] = static_cast<char>((static_cast<unsigned char>(out.at(p)) - shift + 256) & 0xFF);
    }
    return out;
}

bool literalCheckWord(const QStringList& list, const QString& word) {
    if (word.isEmpty())
        return false;
    for (qsizetype i = 1; i < list.size(); ++i) {
        const QString& entry = list.at(i);
        bool matches = true;
        for (qsizetype k = 0; k < word.size() && matches; ++k)
            matches =
                word.at(k) == QLatin1Char('*') || (k < entry.size() && entry.at(k) == word.at(k));
        if (matches)
            return true;
    }
    return false;
}

} // namespace

class TestShippedWordList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void decryptsToTheDocumentedLayout();
    void holdsNoBlockedWord();
    void gameLoadsItAndFindsCommonWords();
    void searchAgreesWithLiteralWalk();

private:
    QString m_path;
    QStringList m_sections;
};

void TestShippedWordList::initTestCase() {
    m_path = QStringLiteral(MORDAVENTA_BUILD_HOME "/Dictionary/dictionary.dic");
    const QByteArray scrambled = readFile(m_path);
    QVERIFY2(!scrambled.isEmpty(), qPrintable(m_path));
    m_sections = QString::fromLatin1(unscramble(scrambled)).split(QStringLiteral("<|>"));
}

void TestShippedWordList::decryptsToTheDocumentedLayout() {
    QCOMPARE(m_sections.size(), 6);
    QVERIFY(m_sections.at(0).startsWith(QStringLiteral("Mordaventa word list")));
    QVERIFY(!m_sections.at(0).contains(QLatin1Char('\n')));
    for (int level = 3; level <= 7; ++level) {
        const QString& section = m_sections.at(level - 2);
        // Each section starts with a line break, so its first word is searched.
        QVERIFY(section.startsWith(QStringLiteral("\r\n")));
        QVERIFY(!section.endsWith(QStringLiteral("\r\n")));
        const QStringList words = section.mid(2).split(QStringLiteral("\r\n"));
        const QRegularExpression shape(QStringLiteral("^[a-z]{%1}$").arg(level));
        QVERIFY2(words.size() > 400, qPrintable(QString::number(words.size())));
        QString previous;
        for (const QString& word : words) {
            QVERIFY2(shape.match(word).hasMatch(), qPrintable(word));
            QVERIFY2(previous < word, qPrintable(previous + QLatin1Char(' ') + word));
            previous = word;
        }
    }
}

void TestShippedWordList::holdsNoBlockedWord() {
    const QByteArray blocklist =
        readFile(QStringLiteral(MORDAVENTA_SOURCE_DIR "/tools/wordlist/blocklist.txt"));
    QSet<QString> blocked;
    for (const QByteArray& line : blocklist.split('\n')) {
        const QByteArray word = line.trimmed();
        if (!word.isEmpty() && !word.startsWith('#'))
            blocked.insert(QString::fromLatin1(word));
    }
    QVERIFY(blocked.size() > 100);
    QVERIFY(blocked.contains(QStringLiteral("damn")));
    for (int s = 1; s <= 5; ++s) {
        for (const QString& word : m_sections.at(s).split(QStringLiteral("\r\n")))
            QVERIFY2(!blocked.contains(word), qPrintable(word));
    }
}

void TestShippedWordList::gameLoadsItAndFindsCommonWords() {
    TempProgramFolder folder;
    QVERIFY(folder.copyFromBuild(QStringLiteral("Dictionary/dictionary.dic")));
    MsgBoxRecorder boxes;
    ClDictionary dictionary;
    QVERIFY(dictionary.LoadDictionary());
    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(dictionary.dicversion, m_sections.at(0));
    const QList<QPair<QString, int>> common{{"cat", 3},   {"dog", 3},    {"tree", 4},
                                            {"house", 5}, {"garden", 6}, {"kitchen", 7},
                                            {"school", 6}};
    for (const auto& [word, level] : common) {
        QVERIFY2(dictionary.CheckWord(word, qint16(level)), qPrintable(word));
    }
    QVERIFY(!dictionary.CheckWord(QStringLiteral("qx"), 5));
}

void TestShippedWordList::searchAgreesWithLiteralWalk() {
    ClDictionary dictionary;
    QVERIFY(dictionary.LoadDictionaryFile(m_path));
    // Every candidate of two characters from a-z and the joker, at each level.
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz*");
    for (int level = 3; level <= 7; ++level) {
        const QStringList& list = dictionary.WordsOfLevel(level);
        for (QChar a : letters) {
            for (QChar b : letters) {
                const QString word = QString(a) + b;
                QCOMPARE(dictionary.CheckWord(word, qint16(level)), literalCheckWord(list, word));
            }
        }
    }
    // Longer candidates built from listed words with jokers and changed letters.
    std::mt19937 random(7);
    auto below = [&](int n) { return int(random() % unsigned(n)); };
    for (int q = 0; q < 4000; ++q) {
        const int level = 3 + below(5);
        const QStringList& list = dictionary.WordsOfLevel(level);
        QString word = list.at(1 + below(list.size() - 1)).left(1 + below(level + 1));
        for (QChar& c : word) {
            const int roll = below(6);
            if (roll == 0)
                c = QLatin1Char('*');
            else if (roll == 1)
                c = letters.at(below(26));
        }
        QCOMPARE(dictionary.CheckWord(word, qint16(level)), literalCheckWord(list, word));
    }
}

QTEST_GUILESS_MAIN(TestShippedWordList)
#include "tst_shippedwordlist.moc"
