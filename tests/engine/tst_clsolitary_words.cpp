// Word checks, scoring, mistakes, the placement verdict, finishing a word
// and the win's bookkeeping, on a recording table and a word list made here.
#include "EngineTestWords.h"
#include "FakeSolitaireTable.h"
#include "TestSupport.h"

#include "engine/ClSolitary.h"

#include <QtTest>

namespace {

QStringList Piles(const ClSolitary& e) {
    QStringList piles;
    for (int p = 1; p <= 5; ++p)
        piles << e.CardPile(p);
    return piles;
}

} // namespace

class TestWords : public QObject {
    Q_OBJECT

    std::unique_ptr<ClDictionary> m_words;

    // A level-3 game laid out by hand.
    static void Setup(ClSolitary& e, const QStringList& piles, const QString& discards) {
        e.wordlevel = 3;
        e.GameInPlay = true;
        e.DiscardIndex = 3;
        for (int p = 1; p <= 5; ++p)
            e.CardPile(p) = piles.value(p - 1, QStringLiteral(":"));
        e.CardsInDiscards = discards;
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
        QTest::newRow("a non-card counts nothing") << "ab?" << 4;
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
        QTest::newRow("whole word") << "CAT" << 3 << true;
        QTest::newRow("other level") << "qu" << 4 << true;
        QTest::newRow("three-letter word at level 4") << "cat" << 4 << false;
    }
    void checkForWord() {
        QFETCH(QString, word);
        QFETCH(int, level);
        QFETCH(bool, found);
        FakeGame fake(m_words.get());
        fake.game.wordlevel = qint16(level);
        QCOMPARE(fake.game.CheckForWord(word), found);
    }

    void points_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("mistakesBefore");
        QTest::addColumn<int>("added"); // INT_MIN: a mistake
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("mistakesAfter");
        QTest::newRow("mistake at 2") << 2 << 0 << INT_MIN << -1 << 1;
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
        FakeGame fake;
        ClSolitary& e = fake.game;
        e.PlayerPoints = qint16(before);
        e.MistakeCount = qint16(mistakesBefore);
        const qint16 result =
            added == INT_MIN ? e.SendPointLost() : e.SendPoints(static_cast<qint16>(added));
        QCOMPARE(int(result), after);
        QCOMPARE(int(e.PlayerPoints), after);
        QCOMPARE(int(e.MistakeCount), mistakesAfter);
    }

    void placements_data() {
        QTest::addColumn<QStringList>("piles");
        QTest::addColumn<QString>("discards");
        QTest::addColumn<int>("pile");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("pileAfter");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("wordList");
        const QStringList fresh{"q:c", ":dOG", "b:c", "a:c", ":"};
        addDataRow("laid", fresh, "atx", 1, int(PlacementVerdict::Laid), "q:cA", 10, "dog");
        addDataRow("joker laid", fresh, "*", 4, int(PlacementVerdict::Laid), "a:c*", 10, "dog");
        addDataRow("word made", QStringList{"q:cA", ":dOG"}, "tb", 1,
                   int(PlacementVerdict::WordMade), "q:cAT", 10, "dog:cat");
        addDataRow("refused", fresh, "zq", 3, int(PlacementVerdict::Refused), "b:c", 7, "dog");
        addDataRow("no pile", fresh, "a", 0, int(PlacementVerdict::Returned), "", 10, "dog");
        addDataRow("pile 6", fresh, "a", 6, int(PlacementVerdict::Returned), "", 10, "dog");
        addDataRow("no discard", fresh, "", 1, int(PlacementVerdict::Returned), "q:c", 10, "dog");
        addDataRow("finished pile", fresh, "a", 5, int(PlacementVerdict::Returned), ":", 10, "dog");
    }
    void placements() {
        QFETCH(QStringList, piles);
        QFETCH(QString, discards);
        QFETCH(int, pile);
        QFETCH(int, verdict);
        QFETCH(QString, pileAfter);
        QFETCH(int, points);
        QFETCH(QString, wordList);
        FakeGame fake(m_words.get());
        ClSolitary& e = fake.game;
        Setup(e, piles, discards);
        e.PlayerPoints = 10;
        e.WordList = QStringLiteral("dog");
        const Placement placed = e.PlaceTopDiscard(qint16(pile));
        QCOMPARE(int(placed.verdict), verdict);
        QCOMPARE(e.CardPile(pile), pileAfter);
        QCOMPARE(int(e.PlayerPoints), points);
        QCOMPARE(int(placed.points), points);
        QCOMPARE(e.WordList, wordList);
        const bool laid =
            verdict == int(PlacementVerdict::Laid) || verdict == int(PlacementVerdict::WordMade);
        // A laid card leaves the discards and the card under it is the top one.
        QCOMPARE(e.CardsInDiscards, laid ? discards.mid(1) : discards);
        QCOMPARE(int(e.DiscardIndex), laid ? 2 : 3);
        QCOMPARE(int(e.MistakeCount), verdict == int(PlacementVerdict::Refused) ? 1 : 0);
        if (laid)
            QCOMPARE(placed.letter, discards.left(1).toUpper());
        // Rules only: nothing is shown from a placement.
        QVERIFY(fake.table.log.isEmpty());
    }

    // A made word has flown to the list: it is scored, taken off its pile and
    // the last face-down card turned up.
    void finishingAWord_data() {
        QTest::addColumn<QString>("pile");
        QTest::addColumn<QString>("after");
        addDataRow("two face down", "qx:cAT", "q:x");
        addDataRow("none left", ":cAT", ":");
    }
    void finishingAWord() {
        QFETCH(QString, pile);
        QFETCH(QString, after);
        FakeGame fake(m_words.get());
        ClSolitary& e = fake.game;
        Setup(e, {"a:b", "c:d", pile}, QString());
        e.PlayerPoints = 4;
        const FinishedWord finished = e.FinishWord(3);
        QCOMPARE(e.CardPile3, after);
        QCOMPARE(finished.word, QStringLiteral("cat"));
        QCOMPARE(int(finished.points), 4 + 5);
        QVERIFY(!finished.won); // the other piles are not finished
        QVERIFY(e.GameInPlay);
    }

    // The last word wins: the rating of the level, the game filed as finished
    // and the player file written, all by the engine.
    void lastWordWins() {
        TempProgramFolder folder;
        FakeGame fake(m_words.get());
        ClSolitary& e = fake.game;
        ClassPlayerInfo& player = fake.player;
        player.Filename = QStringLiteral("anna");
        player.AppVersion = QString::fromLatin1(kPlayerFileVersion);
        player.Rating = QString::fromLatin1(kNewPlayerRating);
        Setup(e, {":", ":", ":", ":dO"}, QStringLiteral("g"));
        e.wordlevel = 3;
        e.WizardIsOn = false;
        e.PlayerPoints = 23;
        e.SaveTime = 2.0f;
        e.MyTime = QTime::currentTime();
        e.WordList = QStringLiteral("cat");
        QCOMPARE(e.PlaceTopDiscard(4).verdict, PlacementVerdict::WordMade);
        QVERIFY(!e.IfGameIsDone); // not before the word has reached the list
        const FinishedWord finished = e.FinishWord(4);
        QVERIFY(finished.won);
        QCOMPARE(Piles(e), QStringList(5, QStringLiteral(":")));
        QCOMPARE(int(finished.points), 30);
        QCOMPARE(finished.ratingMessage,
                 QStringLiteral("New top rating on: Level=3Off Points=30 Time=2.00"));
        QVERIFY(player.Rating.contains(QStringLiteral("3Off=30,2.00^")));
        QVERIFY(e.IfGameIsDone);
        QVERIFY(!e.GameInPlay); // nothing left to offer for saving

        const QString info = player.SavedGames.at(0).GameInfo;
        QVERIFY(info.contains(QStringLiteral("|IfGameIsDone=True|")));
        ClassPlayerInfo reread;
        QCOMPARE(
            ClassPlayerInfo::ReadFileBytes(folder.read(QStringLiteral("temp/anna.dat")), reread),
            PlayerFileStatus::Loaded);
        QCOMPARE(reread.Rating, player.Rating);
        QCOMPARE(reread.SavedGames.Count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestWords)
#include "tst_clsolitary_words.moc"
