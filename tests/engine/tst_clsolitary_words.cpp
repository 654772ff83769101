// Word checks, scoring, mistakes, the placement verdict and playing a game
// to the win, on a recording table and a word list made here.
#include "EngineTestWords.h"
#include "FakeSolitaireTable.h"
#include "TestSupport.h"

#include "engine/ClSolitary.h"

#include <QtTest>

class TestWords : public QObject {
    Q_OBJECT

    std::unique_ptr<ClDictionary> m_words;

    // A level-3 game laid out by hand.
    void Setup(ClSolitary& e, FakeSolitaireTable& table) {
        table.engine = &e;
        e.wordlevel = 3;
        e.GameInPlay = true;
        e.DiscardIndex = 3;
    }

private slots:
    void initTestCase() {
        m_words = MakeWordList({QStringLiteral("cab"), QStringLiteral("cat"), QStringLiteral("dog"),
                                QStringLiteral("zoo")},
                               {QStringLiteral("quiz")});
    }

    void wordScore_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("score");
        QTest::newRow("laid letters in upper case") << "qUiz" << 22;
        QTest::newRow("joker counts five") << "c*t" << 9;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("high letters") << "XYZ" << 25;
        QTest::newRow("a non-card counts nothing") << "ab?" << 4;
        QTest::newRow("seven letters") << "jukebox" << 7 + 1 + 5 + 1 + 3 + 1 + 10;
    }
    void wordScore() {
        QFETCH(QString, word);
        QFETCH(int, score);
        QCOMPARE(int(ClSolitary::GetWordScore(word)), score);
        QCOMPARE(int(ClSolitary::GetWordBonus(word)), 0);
    }

    void checkForWord_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("found");
        QTest::newRow("a beginning") << "ca" << 3 << true;
        QTest::newRow("upper case laid letters") << "cA" << 3 << true;
        QTest::newRow("whole word") << "CAT" << 3 << true;
        QTest::newRow("joker") << "c*" << 3 << true;
        QTest::newRow("joker at the end") << "do*" << 3 << true;
        QTest::newRow("no such beginning") << "cx" << 3 << false;
        QTest::newRow("other level") << "qu" << 4 << true;
        QTest::newRow("three-letter word at level 4") << "cat" << 4 << false;
        QTest::newRow("level 8") << "ca" << 8 << false;
        QTest::newRow("too long") << "cats" << 3 << false;
    }
    void checkForWord() {
        QFETCH(QString, word);
        QFETCH(int, level);
        QFETCH(bool, found);
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        e.wordlevel = qint16(level);
        QCOMPARE(e.CheckForWord(word), found);
    }

    void noWordListAcceptsNothing() {
        FakeSolitaireTable table;
        ClDictionary empty;
        ClSolitary e(table, &empty);
        e.wordlevel = 3;
        QVERIFY(!e.CheckForWord(QStringLiteral("ca")));
        ClSolitary none(table, nullptr);
        none.wordlevel = 3;
        QVERIFY(!none.CheckForWord(QStringLiteral("ca")));
    }

    void points_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("mistakesBefore");
        QTest::addColumn<int>("added"); // INT_MIN: a mistake
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("mistakesAfter");
        QTest::newRow("mistake at 2") << 2 << 0 << INT_MIN << -1 << 1;
        QTest::newRow("mistake at 1") << 1 << 4 << INT_MIN << -2 << 5;
        QTest::newRow("word points") << 5 << 0 << 9 << 14 << 0;
        QTest::newRow("score stays at its top") << 32760 << 0 << 22 << 32767 << 0;
        QTest::newRow("score stays at its bottom") << -32767 << 0 << INT_MIN << -32768 << 1;
        QTest::newRow("mistake count stays at its top") << 0 << 32767 << INT_MIN << -3 << 32767;
    }
    void points() {
        QFETCH(int, before);
        QFETCH(int, mistakesBefore);
        QFETCH(int, added);
        QFETCH(int, after);
        QFETCH(int, mistakesAfter);
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        e.PlayerPoints = qint16(before);
        e.MistakeCount = qint16(mistakesBefore);
        const qint16 result =
            added == INT_MIN ? e.SendPointLost() : e.SendPoints(static_cast<qint16>(added));
        QCOMPARE(int(result), after);
        QCOMPARE(int(e.PlayerPoints), after);
        QCOMPARE(int(e.MistakeCount), mistakesAfter);
    }

    void acceptedCardIsLaid() {
        FakeSolitaireTable table;
        table.soundsOn = true;
        ClSolitary e(table, m_words.get());
        Setup(e, table);
        e.CardPile1 = QStringLiteral("q:c");
        e.CardsInDiscards = QStringLiteral("atx");
        QCOMPARE(e.PlaceTopDiscard(1), PlacementVerdict::Laid);
        QCOMPARE(e.CardPile1, QStringLiteral("q:cA"));
        QCOMPARE(e.CardsInDiscards, QStringLiteral("tx"));
        QCOMPARE(table.sounds, QStringList{QStringLiteral("\\Sounds\\Success.wav")});
        QVERIFY(!table.log.contains(QStringLiteral("LoadMistake")));
        QVERIFY(e.WordList.isEmpty());
    }

    void completedWordGoesToTheWordList() {
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        Setup(e, table);
        e.CardPile1 = QStringLiteral("q:cA");
        e.CardPile2 = QStringLiteral(":dOG");
        e.WordList = QStringLiteral("dog");
        e.CardsInDiscards = QStringLiteral("tb");
        table.log.clear();
        QCOMPARE(e.PlaceTopDiscard(1), PlacementVerdict::WordMade);
        QCOMPARE(table.log,
                 (QStringList{QStringLiteral("LoadWordMade cAt"), QStringLiteral("LayCardDown 1"),
                              QStringLiteral("MoveCardsToWordList")}));
        QCOMPARE(e.CardPile1, QStringLiteral("q:cAT"));
        QCOMPARE(e.WordList, QStringLiteral("dog:cat"));
        // The flight has ended: the word is scored and taken off the pile.
        QCOMPARE(int(e.ScorePileWord(1)), 5);
        QCOMPARE(int(e.PlayerPoints), 5);
        QCOMPARE(e.RemoveWordFromPile(1), 1);
        QCOMPARE(e.CardPile1, QStringLiteral(":q"));
    }

    void refusedCardChangesOnlyThePoints() {
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        Setup(e, table);
        e.CardPile1 = QStringLiteral("b:c");
        e.CardsInDiscards = QStringLiteral("zq");
        table.log.clear();
        QCOMPARE(e.PlaceTopDiscard(1), PlacementVerdict::Refused);
        QCOMPARE(table.log,
                 (QStringList{QStringLiteral("PileFocus 0"), QStringLiteral("LoadMistake"),
                              QStringLiteral("moveCardBack")}));
        QCOMPARE(e.CardPile1, QStringLiteral("b:c"));
        QCOMPARE(e.CardsInDiscards, QStringLiteral("zq"));
    }

    void refusedCardWithTheWizardRefreshesTheHints() {
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        Setup(e, table);
        e.WizardIsOn = true;
        e.CardPile1 = QStringLiteral("b:c");
        e.CardsInDiscards = QStringLiteral("zq");
        e.PlaceTopDiscard(1);
        QCOMPARE(table.wizardTag, QStringLiteral("1"));
        QCOMPARE(int(table.pileOver), 1);
        // The hints count the top discard as laid: "cz" begins no word.
        QVERIFY(table.wizardItems.isEmpty());
        QCOMPARE(table.wizardCaption, QStringLiteral("0 Wizard "));
        QVERIFY(table.log.indexOf(QStringLiteral("LoadMistake")) >
                table.log.indexOf(QStringLiteral("PileFocus 1")));
    }

    void jokerOnThePileIsAccepted() {
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        Setup(e, table);
        e.CardPile4 = QStringLiteral("a:c");
        e.CardsInDiscards = QStringLiteral("*");
        QCOMPARE(e.PlaceTopDiscard(4), PlacementVerdict::Laid);
        QCOMPARE(e.CardPile4, QStringLiteral("a:c*"));
        QCOMPARE(int(ClSolitary::GetWordScore(e.GetTheWord(4) + QStringLiteral("t"))), 9);
    }

    void noPileReturnsWithoutPenalty_data() {
        QTest::addColumn<int>("pile");
        QTest::addColumn<QString>("discards");
        QTest::newRow("no pile") << 0 << "a";
        QTest::newRow("pile 6") << 6 << "a";
        QTest::newRow("no discard") << 1 << "";
        QTest::newRow("finished pile") << 2 << "a";
    }
    void noPileReturnsWithoutPenalty() {
        QFETCH(int, pile);
        QFETCH(QString, discards);
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        Setup(e, table);
        e.CardPile1 = QStringLiteral(":c");
        e.CardPile2 = QStringLiteral(":");
        e.CardsInDiscards = discards;
        QCOMPARE(e.PlaceTopDiscard(qint16(pile)), PlacementVerdict::Returned);
        QCOMPARE(table.log, QStringList{QStringLiteral("moveCardBack")});
        QCOMPARE(e.CardsInDiscards, discards);
    }

    void flippingTheNextCard_data() {
        QTest::addColumn<QString>("pile");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("faceDown");
        QTest::newRow("two face down") << "qx:cAT"
                                       << "q:x" << 2;
        QTest::newRow("one face down") << "q:cAT"
                                       << ":q" << 1;
        QTest::newRow("none left") << ":cAT"
                                   << ":" << 0;
    }
    void flippingTheNextCard() {
        QFETCH(QString, pile);
        QFETCH(QString, after);
        QFETCH(int, faceDown);
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        e.CardPile3 = pile;
        QCOMPARE(e.RemoveWordFromPile(3), faceDown);
        QCOMPARE(e.CardPile3, after);
        QVERIFY(!e.IfGameIsDone); // the other piles are not finished
    }

    // A whole level-3 game with one card per pile: five words and the win.
    void playingToTheWin() {
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        Setup(e, table);
        const QStringList starts{QStringLiteral(":c"), QStringLiteral(":d"), QStringLiteral(":z"),
                                 QStringLiteral(":c"), QStringLiteral(":d")};
        for (int p = 1; p <= 5; ++p)
            e.CardPile(p) = starts.at(p - 1);
        // Top discard first: a mistake (q on pile 1), then the letters in play order.
        e.CardsInDiscards = QStringLiteral("qatogooabog");
        QCOMPARE(e.PlaceTopDiscard(1), PlacementVerdict::Refused);
        QCOMPARE(int(e.SendPointLost()), -3); // what the mistake dialog does
        e.CardsInDiscards.remove(0, 1);       // played elsewhere later: drop it here
        const QList<int> order{1, 1, 2, 2, 3, 3, 4, 4, 5, 5};
        int words = 0;
        for (int pile : order) {
            const PlacementVerdict v = e.PlaceTopDiscard(qint16(pile));
            QVERIFY(v == PlacementVerdict::Laid || v == PlacementVerdict::WordMade);
            if (v == PlacementVerdict::WordMade) {
                ++words;
                e.ScorePileWord(qint16(pile));
                e.RemoveWordFromPile(qint16(pile));
                QCOMPARE(e.IfGameIsDone, words == 5);
            }
        }
        QCOMPARE(words, 5);
        QVERIFY(e.AllPilesDone());
        QVERIFY(e.IfGameIsDone);
        QCOMPARE(e.WordList, QStringLiteral("cat:dog:zoo:cab:dog"));
        // cat 5 + dog 7 + zoo 12 + cab 7 + dog 7 - 3
        QCOMPARE(int(e.PlayerPoints), 35);
        QCOMPARE(int(e.MistakeCount), 1);
        QVERIFY(e.CardsInDiscards.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWords)
#include "tst_clsolitary_words.moc"
