// The word list the build ships in the program folder: it decrypts with the
// program's passphrase to the documented sections, holds only fit words, and
// the game loads it and finds common words.
#include "TestSupport.h"

#include "engine/ClDictionary.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestShippedWordList : public QObject {
    Q_OBJECT
    QString m_path;
    QStringList m_sections;
private Q_SLOTS:
    void initTestCase() {
        m_path = QStringLiteral(MORDAVENTA_BUILD_HOME "/Dictionary/dictionary.dic");
        const QByteArray scrambled = readFile(m_path);
        QVERIFY2(!scrambled.isEmpty(), qPrintable(m_path));
        m_sections =
            QString::fromLatin1(referenceUnscramble(scrambled)).split(QStringLiteral("<|>"));
    }

    void decryptsToTheDocumentedLayout() {
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

    void holdsNoBlockedWord() {
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

    void gameLoadsItAndFindsCommonWords() {
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
};

QTEST_GUILESS_MAIN(TestShippedWordList)
#include "tst_shippedwordlist.moc"
