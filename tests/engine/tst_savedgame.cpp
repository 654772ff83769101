// Saved games: the record text (written out by hand here), filing it in the
// player's saved games, deleting it, laying it out again, and refusing
// damaged records.
#include "EngineTestWords.h"
#include "FakeSolitaireTable.h"
#include "TestSupport.h"

#include "engine/ClSolitary.h"

#include <QtTest>

namespace {

const QString kRecord = QStringLiteral(
    "CardPile1=p:qR|CardPile2=ab:c|CardPile3=:|CardPile4=d:e|CardPile5=f:gH|CardsInDeck=xyz|"
    "CardsInDiscards=uvw|DiscardIndex=3|IfGameIsDone=False|MistakeCount=2|PlayerPoints=7|"
    "WizardIsOn=True|DateOfGame=01-Mar-25|WordLevel=3|WordList=cat:dog|SaveTime=4.25");

void AddEntry(ClassPlayerInfo& player, const QString& key, const QString& info) {
    player.SavedGames.Add(ClassSavedGameInfo(info, key, QStringLiteral("Solitaire")));
}

QStringList Keys(const ClassPlayerInfo& player) {
    QStringList keys;
    for (const ClassSavedGameInfo& entry : player.SavedGames)
        keys << entry.GameUserID + QLatin1Char('=') + entry.GameInfo.left(9);
    return keys;
}

} // namespace

class TestSavedGame : public QObject {
    Q_OBJECT

    std::unique_ptr<ClDictionary> m_words;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        m_words =
            MakeWordList({QStringLiteral("cat"), QStringLiteral("dog"), QStringLiteral("fig")});
    }
    void minutes_data() {
        QTest::addColumn<float>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 3.0f << "3";
        QTest::newRow("rounded up") << 1.999f << "2";
        QTest::newRow("rounded") << 7.123f << "7.12";
        QTest::newRow("negative") << -2.5f << "-2.5";
    }
    void minutes() {
        QFETCH(float, minutes);
        QFETCH(QString, text);
        QCOMPARE(SavedGameRecord::FormatMinutes(minutes), text);
    }

    void dateFormat() {
        QCOMPARE(SavedGameRecord::FormatDate(QDate(2005, 3, 17)), QStringLiteral("17-Mar-05"));
    }

    // Where a save files the game: the entry it was restored from, else a
    // fresh key counting the entries and this run's deletions, never one in use.
    void savingFilesTheGame_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("playing");
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QStringList>("after");
        const QStringList two{"S1", "S2"};
        addDataRow("fresh key counts deletions", QStringList{"S1", "S2", "S3", "S4"}, "", 2,
                   QStringList{"S1=old", "S2=old", "S3=old", "S4=old", "S7=CardPile1"});
        addDataRow("restored game replaces its entry", two, "S2", 0,
                   QStringList{"S1=old", "S2=CardPile1"});
        addDataRow("deleted entry gets a new one", QStringList{"S1"}, "S2", 1,
                   QStringList{"S1=old", "S3=CardPile1"});
        addDataRow("taken key is skipped", QStringList{"S2"}, "", 0,
                   QStringList{"S2=old", "S3=CardPile1"});
    }
    void savingFilesTheGame() {
        QFETCH(QStringList, keys);
        QFETCH(QString, playing);
        QFETCH(int, deleted);
        QFETCH(QStringList, after);
        FakeGame fake;
        for (const QString& key : keys)
            AddEntry(fake.player, key, QStringLiteral("old"));
        ClSolitary& e = fake.game;
        e.CardPile1 = QStringLiteral("a:b");
        e.DateOfGame = QStringLiteral("01-Jan-20"); // the deal's day; saving writes today's
        e.wordlevel = 3;
        e.SaveGameIndex = playing;
        e.DeleteIndex = qint16(deleted);
        e.SaveGame();
        QCOMPARE(Keys(fake.player), after);
        const QString key = after.last().section(QLatin1Char('='), 0, 0);
        QCOMPARE(fake.player.SavedGamesIndex, key);
        const ClassSavedGameInfo* entry = fake.player.SavedGames.Find(key);
        QCOMPARE(entry->GameType, QStringLiteral("Solitaire"));
        QVERIFY(entry->GameInfo.contains(QStringLiteral("|DateOfGame=") +
                                         SavedGameRecord::FormatDate(QDate::currentDate()) + "|"));
        // A further save of the same game files it afresh.
        QVERIFY(e.SaveGameIndex.isEmpty());
    }

    void deletingAnEntry() {
        FakeGame fake;
        AddEntry(fake.player, QStringLiteral("S1"), QStringLiteral("first"));
        AddEntry(fake.player, QStringLiteral("S2"), QStringLiteral("second"));
        fake.player.SavedGamesIndex = QStringLiteral("S2");
        fake.game.SaveGameIndex = QStringLiteral("S2");
        fake.game.DeleteSavedGame(QStringLiteral("S2"));
        QCOMPARE(Keys(fake.player), QStringList{QStringLiteral("S1=first")});
        QVERIFY(fake.player.SavedGamesIndex.isEmpty());
        QVERIFY(fake.game.SaveGameIndex.isEmpty()); // the game in play is filed afresh
        QCOMPARE(int(fake.game.DeleteIndex), 1);
    }

    // Only a game in play with a player to keep it can be saved; a new player
    // at the table makes the entry the game came from someone else's.
    void whatCanBeSaved() {
        FakeGame fake;
        ClSolitary& e = fake.game;
        QVERIFY(!e.CanSave());
        e.GameInPlay = true;
        QVERIFY(!e.CanSave()); // nobody logged in (or the player was deleted)
        fake.player.Filename = QStringLiteral("anna");
        QVERIFY(e.CanSave());
        e.SaveGameIndex = QStringLiteral("S2");
        e.PlayerChanged();
        QVERIFY(e.SaveGameIndex.isEmpty());
    }

    // A save puts the period so far into the saved time and starts a new one:
    // playing on after it counts each minute once.
    void savingAddsThePlayingTimeOnce() {
        FakeGame fake;
        ClSolitary& e = fake.game;
        e.wordlevel = 3;
        e.SaveTime = 100.0f;
        e.MyTime = QTime::currentTime().addSecs(-120);
        e.SaveGame();
        QVERIFY(qAbs(e.SaveTime - 102.0f) < 0.05f);
        e.SaveGame();
        QVERIFY(qAbs(e.SaveTime - 102.0f) < 0.05f);
        QVERIFY(qAbs(e.PlayingMinutes() - 102.0f) < 0.05f);
        // Past midnight the start lies after the current time of day: the
        // period began the day before (23 h 50 min ago), it is not negative.
        e.SaveTime = 100.0f;
        e.MyTime = QTime::currentTime().addSecs(600);
        e.SaveGame();
        QVERIFY(qAbs(e.SaveTime - 1530.0f) < 0.05f);
    }

    void restoringLaysOutTheGame() {
        FakeGame fake(m_words.get());
        AddEntry(fake.player, QStringLiteral("S1"), kRecord);
        ClSolitary& e = fake.game;
        FakeSolitaireTable& table = fake.table;
        table.onDeal = [&](const FakeSolitaireTable::Card&) { QVERIFY(table.busy); };
        QCOMPARE(e.PlaySaveGame(QStringLiteral("S1")).status, RestoreStatus::Restored);
        // Every field is back: written out again (in the file's field order),
        // the record is the same.
        QCOMPARE(e.CurrentRecord(e.DateOfGame, e.SaveTime).Format(), kRecord);
        QVERIFY(e.GameInPlay);
        QCOMPARE(e.SaveGameIndex, QStringLiteral("S1"));
        QVERIFY(e.MyTime.isValid());

        // Each card flies to its pile; face-up cards carry their word place.
        QStringList flown;
        for (const auto& card : table.cards)
            flown << QStringLiteral("%1%2%3%4")
                         .arg(card.pile)
                         .arg(card.letter)
                         .arg(card.faceUp ? "u" : "d")
                         .arg(card.wordPlace);
        QCOMPARE(flown, (QStringList{"1pd0", "1qu1", "1Ru2", "2ad0", "2bd0", "2cu1", "4dd0", "4eu1",
                                     "5fd0", "5gu1", "5Hu2"}));

        QCOMPARE(table.words, (QStringList{"cat", "dog"}));
        QCOMPARE(table.points, QStringLiteral("7"));
        QCOMPARE(table.discards, QStringLiteral("wvu"));
        QCOMPARE(int(table.playable), 3);
        QVERIFY(!table.busy);
        QVERIFY(table.lettersLeft);
        // The wizard searched the first pile with cards, counting the top discard.
        QCOMPARE(int(e.HintPile()), 1);
        QVERIFY(!table.lookup);
        QVERIFY(table.hintsLive);
        // The entry itself is untouched.
        QCOMPARE(fake.player.SavedGames.Find("S1")->GameInfo, kRecord);
    }

    void restoringWithTheWizardOffAndNoWords() {
        QString record = kRecord;
        record.replace(QStringLiteral("WizardIsOn=True"), QStringLiteral("WizardIsOn=False"));
        record.replace(QStringLiteral("WordList=cat:dog"), QStringLiteral("WordList="));
        FakeGame fake(m_words.get());
        AddEntry(fake.player, QStringLiteral("S1"), record);
        fake.table.words << QStringLiteral("left over");
        QCOMPARE(fake.game.PlaySaveGame(QStringLiteral("S1")).status, RestoreStatus::Restored);
        QVERIFY(fake.table.words.isEmpty());
        QCOMPARE(fake.table.hints, QStringList{QStringLiteral("Off")});
        QVERIFY(!fake.table.hintsLive);
        QVERIFY(!fake.game.WizardIsOn);
    }

    // A field of another version is passed over.
    void unknownFieldIsIgnored() {
        FakeGame fake(m_words.get());
        AddEntry(fake.player, QStringLiteral("S1"),
                 QStringLiteral("Colour=blue|") + kRecord + "|Extra");
        QCOMPARE(fake.game.PlaySaveGame(QStringLiteral("S1")).status, RestoreStatus::Restored);
        QCOMPARE(fake.game.CardPile1, QStringLiteral("p:qR"));
    }

    void damagedRecordsAreRefused_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        addDataRow("count without =", "|MistakeCount=2|", "|MistakeCount|");
        addDataRow("points not a number", "PlayerPoints=7", "PlayerPoints=ten");
        addDataRow("empty discard index", "DiscardIndex=3", "DiscardIndex=");
        addDataRow("discard index past the slots", "DiscardIndex=3", "DiscardIndex=7");
        addDataRow("points beyond 16 bits", "PlayerPoints=7", "PlayerPoints=99999");
        addDataRow("digit on a pile", "CardPile2=ab:c", "CardPile2=a1:c");
        addDataRow("pile without colon", "CardPile2=ab:c", "CardPile2=abc");
        addDataRow("stock with a non-card", "CardsInDeck=xyz", "CardsInDeck=x?z");
        addDataRow("level 9", "WordLevel=3", "WordLevel=9");
        addDataRow("wizard not a boolean", "WizardIsOn=True", "WizardIsOn=Maybe");
        addDataRow("time beyond a float", "SaveTime=4.25", "SaveTime=1e39");
        addDataRow("missing pile", "|CardPile5=f:gH", "");
        addDataRow("pile given twice", "|CardPile5=f:gH", "|CardPile5=f:gH|CardPile5=f:gH");
    }
    void damagedRecordsAreRefused() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QString record = kRecord;
        QVERIFY(record.contains(from));
        record.replace(from, to);
        FakeGame fake(m_words.get());
        AddEntry(fake.player, QStringLiteral("S1"), record);
        ClSolitary& e = fake.game;
        // A game already on the table stays there.
        e.GameInPlay = true;
        e.CardPile1 = QStringLiteral("z:z");
        e.SaveGameIndex = QStringLiteral("S9");
        const RestoreResult result = e.PlaySaveGame(QStringLiteral("S1"));
        QCOMPARE(result.status, RestoreStatus::EntryDamaged);
        QVERIFY(!result.why.isEmpty());
        QCOMPARE(fake.player.SavedGames.Find("S1")->GameInfo, record);
        QVERIFY(fake.table.cards.isEmpty());
        QVERIFY(fake.table.log.isEmpty());
        QVERIFY(e.GameInPlay);
        QCOMPARE(e.CardPile1, QStringLiteral("z:z"));
        QCOMPARE(e.SaveGameIndex, QStringLiteral("S9"));
    }

    void missingEntryOrWordList_data() {
        QTest::addColumn<bool>("withWords");
        QTest::addColumn<RestoreStatus>("status");
        QTest::newRow("missing entry") << true << RestoreStatus::EntryMissing;
        QTest::newRow("missing word list") << false << RestoreStatus::NoWordList;
    }
    void missingEntryOrWordList() {
        QFETCH(bool, withWords);
        QFETCH(RestoreStatus, status);
        ClDictionary empty;
        FakeGame fake(withWords ? m_words.get() : &empty);
        if (!withWords)
            AddEntry(fake.player, QStringLiteral("S1"), kRecord);
        QCOMPARE(fake.game.PlaySaveGame(QStringLiteral("S1")).status, status);
        QVERIFY(!fake.game.GameInPlay);
        QVERIFY(fake.table.cards.isEmpty());
        QVERIFY(!fake.table.busy);
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
