// What the shell works out without a screen or a network: the outline of a
// window from its picture, and word meanings from WordNet.
#include "TestSupport.h"

#include "shell/PictureOutline.h"
#include "shell/WordDefinitions.h"

#include <QtTest>

class TestShellOffline : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void outlineRuns_data() {
        // A picture as rows of characters (each character a colour; the top-left
        // one is transparent) and the runs as "x,y,width" separated by blanks.
        QTest::addColumn<QStringList>("picture");
        QTest::addColumn<QString>("runs");
        addDataRow("no rows", QStringList{}, QString());
        addDataRow("one pixel", QStringList{"...", ".#.", "..."}, QStringLiteral("1,1,1"));
        addDataRow("run ends at the right edge, next row starts closed",
                   QStringList{"..##", "#...", "...#"}, QStringLiteral("2,0,2 0,1,1 3,2,1"));
        addDataRow("two runs in a row", QStringList{".##.#", "....."},
                   QStringLiteral("1,0,2 4,0,1"));
        addDataRow("other colours are opaque too", QStringList{".ab.", ".cc."},
                   QStringLiteral("1,0,2 1,1,2"));
        addDataRow("an opaque corner makes its own colour transparent", QStringList{"#..#", "####"},
                   QStringLiteral("1,0,2"));
    }

    void outlineRuns() {
        QFETCH(QStringList, picture);
        QFETCH(QString, runs);
        const int height = int(picture.size());
        const int width = height ? int(picture.first().size()) : 0;
        const QList<QRect> got = PictureOutlineRuns(
            width, height, [&picture](int x, int y) { return quint32(picture[y][x].unicode()); });
        QStringList texts;
        for (const QRect& r : got) {
            QCOMPARE(r.height(), 1);
            texts.append(QStringLiteral("%1,%2,%3").arg(r.x()).arg(r.y()).arg(r.width()));
        }
        QCOMPARE(texts.join(QLatin1Char(' ')), runs);
    }

    void glossParts_data() {
        QTest::addColumn<QString>("gloss");
        QTest::addColumn<QString>("definition");
        QTest::addColumn<QStringList>("examples");
        addDataRow("definition and examples",
                   QStringLiteral("(move fast; \"Don't run--you'll be out of breath\"; \"run!\")"),
                   QStringLiteral("move fast"),
                   QStringList{"Don't run--you'll be out of breath", "run!"});
        addDataRow("parts of a definition",
                   QStringLiteral("(flee; take to one's heels; cut and run)"),
                   QStringLiteral("flee; take to one's heels; cut and run"), QStringList{});
        addDataRow("brackets inside", QStringLiteral("((of fluids) moving in a stream)"),
                   QStringLiteral("(of fluids) moving in a stream"), QStringList{});
    }

    void glossParts() {
        QFETCH(QString, gloss);
        QFETCH(QString, definition);
        QFETCH(QStringList, examples);
        const WordSense sense = WordDefinitions::ParseGloss(gloss);
        QCOMPARE(sense.definition, definition);
        QCOMPARE(sense.examples, examples);
    }

    void meanings_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("found"); // "part:lemma" of the first meaning, "" for none
        addDataRow("a noun", QStringLiteral("dog"), QStringLiteral("noun:dog"));
        addDataRow("a verb form", QStringLiteral("ran"), QStringLiteral("verb:run"));
        addDataRow("two words", QStringLiteral("ice cream"), QStringLiteral("noun:ice cream"));
        addDataRow("not a word", QStringLiteral("qzxjvw"), QString());
        addDataRow("markup", QStringLiteral("<b>&amp;\"x\""), QString());
        addDataRow("non-ASCII", QStringLiteral("smørrebrød"), QString());
        addDataRow("very long", QString(300, QLatin1Char('a')), QString());
    }

    void meanings() {
        QFETCH(QString, word);
        QFETCH(QString, found);
        if (!WordDefinitions::Available())
            QSKIP("WordNet's data files (wordnet-base) are not installed");
        const QList<WordMeaning> meanings = WordDefinitions::Look(word, 3);
        if (found.isEmpty()) {
            QVERIFY(meanings.isEmpty());
            return;
        }
        QVERIFY(!meanings.isEmpty());
        QCOMPARE(meanings.first().partOfSpeech + QLatin1Char(':') + meanings.first().lemma, found);
        for (const WordMeaning& m : meanings) {
            QVERIFY(m.senses.size() >= 1 && m.senses.size() <= 3);
            for (const WordSense& s : m.senses)
                QVERIFY(!s.definition.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestShellOffline)
#include "tst_shelloffline.moc"
