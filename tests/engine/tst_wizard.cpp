// The wizard hint list: which pile is searched, which words are listed, and
// that a newer search ends every older one, also for the same pile; which
// words the unplayed cards can still complete.
#include "EngineTestWords.h"
#include "FakeSolitaireTable.h"
#include "TestSupport.h"

#include "engine/ClSolitary.h"

#include <QtTest>

namespace {

// Every three-letter word beginning with one of the letters, in order.
QStringList AllBeginning(const QString& firsts) {
    QStringList words;
    for (QChar f : firsts)
        for (char a = 'a'; a <= 'z'; ++a)
            for (char b = 'a'; b <= 'z'; ++b)
                words << QString(f) + QLatin1Char(a) + QLatin1Char(b);
    return words;
}

} // namespace

class TestWizard : public QObject {
    Q_OBJECT

    std::unique_ptr<ClDictionary> m_small;
    std::unique_ptr<ClDictionary> m_large;

private slots:
    void initTestCase() {
        m_small =
            MakeWordList({QStringLiteral("cat"), QStringLiteral("car"), QStringLiteral("dog"),
                          QStringLiteral("cab"), QStringLiteral("dot"), QStringLiteral("ant")},
                         {QStringLiteral("cart"), QStringLiteral("dots")});
        m_large = MakeWordList(AllBeginning(QStringLiteral("cdq")));
    }

    void hintLists_data() {
        QTest::addColumn<QStringList>("piles");
        QTest::addColumn<QString>("discards");
        QTest::addColumn<int>("pileIn");
        QTest::addColumn<bool>("includeDiscard");
        QTest::addColumn<int>("pileOut");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("level");
        const QStringList fresh{"q:c", "a:d", "b:a", "c:c", "d:d"};
        addDataRow("pile with its discard", fresh, "a", 1, true, 1,
                   QStringList{"cat", "car", "cab"}, 3);
        addDataRow("pile without the discard", fresh, "z", 2, false, 2, QStringList{"dog", "dot"},
                   3);
        addDataRow("laid letters in upper case", QStringList{"q:cAT", "a:dO", ":", ":", ":"}, "g",
                   2, true, 2, QStringList{"dog"}, 3);
        addDataRow("pile 0 takes the first pile with cards",
                   QStringList{":", ":", "b:d", "c:c", "d:d"}, "o", 0, true, 3,
                   QStringList{"dog", "dot"}, 3);
        addDataRow("finished pile lists the discard's words",
                   QStringList{":", "a:d", "b:a", "c:c", "d:d"}, "c", 1, true, 1,
                   QStringList{"cat", "car", "cab"}, 3);
        addDataRow("empty prefix lists the whole level",
                   QStringList{":", "a:d", "b:a", "c:c", "d:d"}, "c", 1, false, 1,
                   QStringList{"cat", "car", "dog", "cab", "dot", "ant"}, 3);
        addDataRow("joker on the pile", QStringList{"x:*", "a:d", "b:a", "c:c", "d:d"}, "o", 1,
                   true, 1, QStringList{"dog", "dot"}, 3);
        addDataRow("a discard that continues no word", fresh, "x", 5, true, 5,
                   QStringList{"dog", "dot"}, 3);
        addDataRow("no word", QStringList{"q:z", ":", ":", ":", ":"}, "x", 1, true, 1,
                   QStringList{}, 3);
        addDataRow("a tag that is no pile counts as none",
                   QStringList{":", "a:d", "b:a", "c:c", "d:d"}, "o", 9, true, 2,
                   QStringList{"dog", "dot"}, 3);
        addDataRow("the level decides", QStringList{"a:d", ":", ":", ":", ":"}, "o", 1, true, 1,
                   QStringList{"dots"}, 4);
    }
    void hintLists() {
        QFETCH(QStringList, piles);
        QFETCH(QString, discards);
        QFETCH(int, pileIn);
        QFETCH(bool, includeDiscard);
        QFETCH(int, pileOut);
        QFETCH(QStringList, listed);
        QFETCH(int, level);
        FakeGame fake(m_small.get());
        ClSolitary& e = fake.game;
        e.wordlevel = qint16(level);
        for (int p = 1; p <= 5; ++p)
            e.CardPile(p) = piles.at(p - 1);
        e.CardsInDiscards = discards;
        fake.table.hints << QStringLiteral("old entry");
        qint16 pile = qint16(pileIn);
        e.GetWizardList(pile, includeDiscard);
        QCOMPARE(int(pile), pileOut);
        QCOMPARE(int(e.HintPile()), pileOut);
        QCOMPARE(fake.table.log, QStringList{QStringLiteral("focus %1").arg(pileOut)});
        QCOMPARE(fake.table.hints, listed);
        QCOMPARE(fake.table.hintCount.section(QStringLiteral(" of "), 1),
                 QString::number(listed.size()));
        QVERIFY(!fake.table.lookup);
    }

    // Words whose missing letters the stock and the discards cannot give are
    // greyed and listed after the others, each group in word-list order.
    void wordsOutOfReach_data() {
        QTest::addColumn<QStringList>("piles");
        QTest::addColumn<QString>("deck");
        QTest::addColumn<QString>("discards");
        QTest::addColumn<bool>("includeDiscard");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("greyed");
        const QStringList c{"x:c", ":", ":", ":", ":"};
        addDataRow("letters in the discards count", c, "", "rta", false,
                   QStringList{"cat", "car", "cab", "cot"}, QStringList{"cab", "cot"});
        addDataRow("the top discard counted in is used up", c, "", "ab", true,
                   QStringList{"cab", "cat", "car"}, QStringList{"cat", "car"});
        addDataRow("a joker stands for one letter", c, "*t", "", false,
                   QStringList{"cat", "cot", "car", "cab"}, QStringList{"car", "cab"});
        addDataRow("letters on other piles and face down do not count",
                   QStringList{"a:c", "r:bA", ":", ":", ":"}, "ot", "", false,
                   QStringList{"cot", "cat", "car", "cab"}, QStringList{"cat", "car", "cab"});
        addDataRow("a joker on the pile", QStringList{"x:*", ":", ":", ":", ":"}, "ba", "q", false,
                   QStringList{"cab", "tab", "cat", "car", "cot"},
                   QStringList{"cat", "car", "cot"});
        addDataRow("a made word needs nothing", QStringList{"x:cA", ":", ":", ":", ":"}, "", "t",
                   true, QStringList{"cat"}, QStringList{});
    }
    void wordsOutOfReach() {
        QFETCH(QStringList, piles);
        QFETCH(QString, deck);
        QFETCH(QString, discards);
        QFETCH(bool, includeDiscard);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, greyed);
        const auto words = MakeWordList({"cat", "car", "cab", "cot", "tab"});
        FakeGame fake(words.get());
        ClSolitary& e = fake.game;
        e.wordlevel = 3;
        for (int p = 1; p <= 5; ++p)
            e.CardPile(p) = piles.at(p - 1);
        e.CardsInDeck = deck;
        e.CardsInDiscards = discards;
        qint16 pile = 1;
        e.GetWizardList(pile, includeDiscard);
        QCOMPARE(fake.table.hints, listed);
        QCOMPARE(fake.table.greyed, greyed);
        QCOMPARE(fake.table.hintCount,
                 QStringLiteral("%1 of %2").arg(listed.size() - greyed.size()).arg(listed.size()));
    }

    // When the game is won there is no pile to search: the list empties and
    // no search runs for pile 0.
    void everyPileFinished() {
        FakeGame fake(m_small.get());
        ClSolitary& e = fake.game;
        e.wordlevel = 3;
        for (int p = 1; p <= 5; ++p)
            e.CardPile(p) = QStringLiteral(":");
        fake.table.hints << QStringLiteral("cat");
        qint16 pile = 0;
        e.GetWizardList(pile, true);
        QCOMPARE(int(pile), 0);
        QVERIFY(fake.table.hints.isEmpty());
        QCOMPARE(fake.table.hintCount, QStringLiteral("0 of 0"));
    }

    // After a card has moved the pile is followed: its hints with the
    // wizard, no pile lit without it.
    void followingAPile_data() {
        QTest::addColumn<bool>("wizard");
        QTest::newRow("wizard on") << true;
        QTest::newRow("wizard off") << false;
    }
    void followingAPile() {
        QFETCH(bool, wizard);
        FakeGame fake(m_small.get());
        ClSolitary& e = fake.game;
        e.wordlevel = 3;
        e.WizardIsOn = wizard;
        e.CardPile1 = QStringLiteral(":");
        e.CardPile2 = QStringLiteral("b:d");
        e.CardsInDiscards = QStringLiteral("o");
        // No pile (the one worked on was finished): the first with cards.
        QCOMPARE(int(e.FollowPile(0)), wizard ? 2 : 0);
        QCOMPARE(fake.table.log.last(), QStringLiteral("focus %1").arg(wizard ? 2 : 0));
        QCOMPARE(fake.table.hints, wizard ? QStringList({"dog", "dot"}) : QStringList());
    }

    // A click during the search starts a search for another pile: only the
    // newer words and count remain.
    void newerSearchForAnotherPileEndsTheOlder_data() {
        QTest::addColumn<int>("newerPile");
        QTest::addColumn<bool>("newerIncludesDiscard");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("another pile") << 2 << false << AllBeginning(QStringLiteral("d"));
        QStringList sameWithDiscard; // "cq" and any letter
        for (char b = 'a'; b <= 'z'; ++b)
            sameWithDiscard << QStringLiteral("cq") + QLatin1Char(b);
        QTest::newRow("the same pile") << 1 << true << sameWithDiscard;
    }
    void newerSearchForAnotherPileEndsTheOlder() {
        QFETCH(int, newerPile);
        QFETCH(bool, newerIncludesDiscard);
        QFETCH(QStringList, expected);
        FakeGame fake(m_large.get());
        ClSolitary& e = fake.game;
        e.wordlevel = 3;
        e.CardPile1 = QStringLiteral("a:c");
        e.CardPile2 = QStringLiteral("a:d");
        e.CardsInDiscards = QStringLiteral("q");
        bool ran = false;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [&] {
                ran = true;
                qint16 pile = qint16(newerPile);
                e.GetWizardList(pile, newerIncludesDiscard);
            },
            Qt::QueuedConnection);
        qint16 pile = 1;
        e.GetWizardList(pile, false); // the older search: every word with "c"
        QVERIFY(ran);
        QCOMPARE(fake.table.hints, expected);
        QCOMPARE(fake.table.hintCount.section(QStringLiteral(" of "), 1),
                 QString::number(expected.size()));
        QCOMPARE(int(e.HintPile()), newerPile);
    }

    // Clearing the table or closing it (the engine halted) ends a search.
    void searchEndsWithTheTable_data() {
        QTest::addColumn<bool>("halt");
        QTest::newRow("table cleared") << false;
        QTest::newRow("table closing") << true;
    }
    void searchEndsWithTheTable() {
        QFETCH(bool, halt);
        FakeGame fake(m_large.get());
        ClSolitary& e = fake.game;
        e.wordlevel = 3;
        e.CardPile1 = QStringLiteral("a:c");
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&] { halt ? e.Halt() : e.UnloadCards(); },
            Qt::QueuedConnection);
        qint16 pile = 1;
        e.GetWizardList(pile, false);
        QVERIFY(fake.table.hints.isEmpty());
        QVERIFY(fake.table.hintCount.isEmpty());
        if (halt) { // and no other starts
            e.GetWizardList(pile, false);
            QVERIFY(fake.table.hints.isEmpty());
        }
    }

    // The window is answered while the search runs: events are processed
    // after every word.
    void eventsRunDuringTheSearch() {
        FakeGame fake(m_large.get());
        fake.game.wordlevel = 3;
        fake.game.CardPile1 = QStringLiteral(":");
        int ticks = 0;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start();
        qint16 pile = 1;
        fake.game.GetWizardList(pile, false);
        timer.stop();
        QVERIFY2(ticks > 100, qPrintable(QString::number(ticks)));
        QCOMPARE(fake.table.hints.size(), 3 * 676); // every word, in batches
    }
};

QTEST_GUILESS_MAIN(TestWizard)
#include "tst_wizard.moc"
