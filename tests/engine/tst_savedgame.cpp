// Saved games: the record text (written out by hand here), filing it in the
// player's saved games, laying it out again, and refusing damaged records.
#include "EngineTestWords.h"
#include "FakeSolitaireTable.h"
#include "TestSupport.h"

#include "engine/ClSolitary.h"
#include "players/ClassPlayerInfo.h"

#include <QtTest>

namespace {

const QString kRecord = QStringLiteral(
    "CardPile1=p:qR|CardPile2=ab:c|CardPile3=:|CardPile4=d:e|CardPile5=f:gH|CardsInDeck=xyz|"
    "CardsInDiscards=uvw|DiscardIndex=3|IfGameIsDone=False|MistakeCount=2|PlayerPoints=7|"
    "WizardIsOn=True|DateOfGame=01-Mar-25|WordLevel=3|WordList=cat:dog|SaveTime=4.25");

void AddEntry(const QString& key, const QString& info) {
    CurrentPlayer().SavedGames.Add(ClassSavedGameInfo(info, key, QStringLiteral("Solitaire")));
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
    void init() {
        ResetCurrentPlayer();
        CurrentPlayer().NickName = QStringLiteral("anna");
    }

    void recordText() {
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        e.CardPile1 = QStringLiteral("ab:cD");
        e.CardPile2 = QStringLiteral("e:f");
        e.CardPile3 = QStringLiteral(":");
        e.CardPile4 = QStringLiteral("gh:iJK");
        e.CardPile5 = QStringLiteral("l:m");
        e.CardsInDeck = QStringLiteral("nopq");
        e.CardsInDiscards = QStringLiteral("rs");
        e.DiscardIndex = 2;
        e.IfGameIsDone = false;
        e.MistakeCount = 3;
        e.PlayerPoints = -4;
        e.WizardIsOn = true;
        e.wordlevel = 3;
        e.WordList = QStringLiteral("cat:dog");
        QCOMPARE(e.SaveGameRecord(QStringLiteral("06-Dec-26"), 12.5f),
                 QStringLiteral("CardPile1=ab:cD|CardPile2=e:f|CardPile3=:|CardPile4=gh:iJK|"
                                "CardPile5=l:m|CardsInDeck=nopq|CardsInDiscards=rs|DiscardIndex=2|"
                                "IfGameIsDone=False|MistakeCount=3|PlayerPoints=-4|"
                                "WizardIsOn=True|DateOfGame=06-Dec-26|WordLevel=3|"
                                "WordList=cat:dog|SaveTime=12.5"));
        e.IfGameIsDone = true;
        e.WizardIsOn = false;
        e.WordList.clear();
        QVERIFY(e.SaveGameRecord(QStringLiteral("x"), 0.0f)
                    .endsWith(QStringLiteral("|IfGameIsDone=True|MistakeCount=3|PlayerPoints=-4|"
                                             "WizardIsOn=False|DateOfGame=x|WordLevel=3|"
                                             "WordList=|SaveTime=0")));
    }

    void minutes_data() {
        QTest::addColumn<float>("minutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 12.5f << "12.5";
        QTest::newRow("whole") << 3.0f << "3";
        QTest::newRow("quarter") << 0.25f << "0.25";
        QTest::newRow("rounded up") << 1.999f << "2";
        QTest::newRow("rounded") << 7.123f << "7.12";
        QTest::newRow("negative") << -2.5f << "-2.5";
    }
    void minutes() {
        QFETCH(float, minutes);
        QFETCH(QString, text);
        QCOMPARE(ClSolitary::FormatMinutes(minutes), text);
    }

    void dateFormat() {
        QCOMPARE(ClSolitary::FormatDate(QDate(2026, 12, 6)), QStringLiteral("06-Dec-26"));
        QCOMPARE(ClSolitary::FormatDate(QDate(2005, 3, 17)), QStringLiteral("17-Mar-05"));
    }

    void freshGameKeyCountsDeletions() {
        for (int i = 1; i <= 4; ++i)
            AddEntry(QStringLiteral("S%1").arg(i), QStringLiteral("old"));
        FakeSolitaireTable table;
        table.deleteIndex = 2;
        ClSolitary e(table, nullptr);
        e.CardPile1 = QStringLiteral("a:b");
        e.DateOfGame = QStringLiteral("01-Jan-20"); // the deal's day; saving writes today's
        e.wordlevel = 3;
        e.MyTime = QTime::currentTime();
        e.SaveGame();
        const ClassSavedGameInfo* entry = CurrentPlayer().SavedGames.Find(QStringLiteral("S7"));
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->GameType, QStringLiteral("Solitaire"));
        QCOMPARE(entry->GameUserID, QStringLiteral("S7"));
        QVERIFY(entry->GameInfo.startsWith(QStringLiteral("CardPile1=a:b|")));
        QVERIFY(entry->GameInfo.contains(QStringLiteral("|DateOfGame=") +
                                         ClSolitary::FormatDate(QDate::currentDate()) + "|"));
        QCOMPARE(CurrentPlayer().SavedGames.Count(), 5);
        QCOMPARE(CurrentPlayer().SavedGamesIndex, QStringLiteral("S7"));
        QVERIFY(!entry->GameInfo.endsWith(QLatin1Char('|')));
    }

    void restoredGameReplacesItsEntryOnce() {
        AddEntry(QStringLiteral("S1"), QStringLiteral("first"));
        AddEntry(QStringLiteral("S2"), QStringLiteral("second"));
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        e.wordlevel = 4;
        e.CardPile1 = QStringLiteral("a:b");
        e.SaveGameIndex = QStringLiteral("S2");
        e.SaveGame();
        QCOMPARE(CurrentPlayer().SavedGames.Count(), 2);
        QVERIFY(CurrentPlayer().SavedGames.Find("S2")->GameInfo.contains("WordLevel=4"));
        QCOMPARE(CurrentPlayer().SavedGames.Find("S1")->GameInfo, QStringLiteral("first"));
        QVERIFY(e.SaveGameIndex.isEmpty());
        e.SaveGame();
        QCOMPARE(CurrentPlayer().SavedGames.Count(), 3);
        QVERIFY(CurrentPlayer().SavedGames.Find("S3") != nullptr);
    }

    // The entry being played was deleted meanwhile: the save makes a new one
    // instead of losing the game.
    void deletedEntryGetsANewOne() {
        AddEntry(QStringLiteral("S1"), QStringLiteral("first"));
        FakeSolitaireTable table;
        table.deleteIndex = 1;
        ClSolitary e(table, nullptr);
        e.wordlevel = 3;
        e.SaveGameIndex = QStringLiteral("S2");
        e.SaveGame();
        QCOMPARE(CurrentPlayer().SavedGames.Count(), 2);
        QVERIFY(CurrentPlayer().SavedGames.Find("S3") != nullptr);
        QCOMPARE(CurrentPlayer().SavedGames.Find("S1")->GameInfo, QStringLiteral("first"));
    }

    // A key already taken is never overwritten.
    void takenKeyIsSkipped() {
        AddEntry(QStringLiteral("S2"), QStringLiteral("keep me"));
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        e.wordlevel = 3;
        e.SaveGame();
        QCOMPARE(CurrentPlayer().SavedGames.Find("S2")->GameInfo, QStringLiteral("keep me"));
        QVERIFY(CurrentPlayer().SavedGames.Find("S3") != nullptr);
    }

    void savingAddsThePlayingTime() {
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        e.wordlevel = 3;
        e.SaveTime = 100.0f;
        e.MyTime = QTime::currentTime().addSecs(-120);
        e.SaveGame();
        QVERIFY(qAbs(e.SaveTime - 102.0f) < 0.05f);
        // Past midnight the start lies after the current time of day: the
        // period began the day before (23 h 50 min ago), it is not negative.
        e.SaveTime = 100.0f;
        e.MyTime = QTime::currentTime().addSecs(600);
        e.SaveGame();
        QVERIFY(qAbs(e.SaveTime - 1530.0f) < 0.05f);
    }

    void restoringLaysOutTheGame() {
        AddEntry(QStringLiteral("S1"), kRecord);
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        table.engine = &e;
        QVERIFY(e.PlaySaveGame(QStringLiteral("S1")));

        QCOMPARE(e.CardPile1, QStringLiteral("p:qR"));
        QCOMPARE(e.CardPile2, QStringLiteral("ab:c"));
        QCOMPARE(e.CardPile3, QStringLiteral(":"));
        QCOMPARE(e.CardPile5, QStringLiteral("f:gH"));
        QCOMPARE(e.CardsInDeck, QStringLiteral("xyz"));
        QCOMPARE(e.CardsInDiscards, QStringLiteral("uvw"));
        QCOMPARE(int(e.MistakeCount), 2);
        QCOMPARE(int(e.PlayerPoints), 7);
        QCOMPARE(int(e.wordlevel), 3);
        QCOMPARE(e.DateOfGame, QStringLiteral("01-Mar-25"));
        QCOMPARE(e.WordList, QStringLiteral("cat:dog"));
        QCOMPARE(e.SaveTime, 4.25f);
        QVERIFY(e.WizardIsOn);
        QVERIFY(e.GameInPlay);
        QVERIFY(!e.IfGameIsDone);
        QCOMPARE(e.SaveGameIndex, QStringLiteral("S1"));
        QVERIFY(e.MyTime.isValid());

        // Each card flies to its pile; face-up cards carry their word place.
        QStringList flown;
        for (const auto& f : table.flights)
            flown << QStringLiteral("%1%2%3%4")
                         .arg(f.pile)
                         .arg(f.letter)
                         .arg(f.faceUp ? "u" : "d")
                         .arg(f.saveGameCardPos);
        QCOMPARE(flown, (QStringList{"1pd0", "1qu1", "1Ru2", "2ad0", "2bd0", "2cu1", "4dd0", "4eu1",
                                     "5fd0", "5gu1", "5Hu2"}));

        QCOMPARE(table.words, (QStringList{"cat", "dog"}));
        QCOMPARE(table.pointsCaption, QStringLiteral("7"));
        QCOMPARE(table.discards[1].letter, QStringLiteral("w"));
        QCOMPARE(table.discards[3].letter, QStringLiteral("u"));
        QCOMPARE(table.discards[3].mask, quint32(0xC0FFFF));
        QCOMPARE(int(e.DiscardIndex), 3);
        QCOMPARE(table.formCaption, QStringLiteral(" Vantorell // Hello anna...Word level 3"));
        QVERIFY(table.formEnabled);
        QVERIFY(!table.busy);
        QVERIFY(table.deckTimer);
        QVERIFY(table.lettersLeftEnabled);
        QVERIFY(table.log.contains(QStringLiteral("playSong")));
        QCOMPARE(int(table.picCardsIndex), 12);
        // The wizard searched the first pile with cards, counting the top discard.
        QCOMPARE(table.wizardTag, QStringLiteral("1"));
        QVERIFY(!table.netDictionaryEnabled);
        QVERIFY(table.wizardEnabled);
        // The entry itself is untouched.
        QCOMPARE(CurrentPlayer().SavedGames.Find("S1")->GameInfo, kRecord);
    }

    void restoringWithTheWizardOffAndNoWords() {
        QString record = kRecord;
        record.replace(QStringLiteral("WizardIsOn=True"), QStringLiteral("WizardIsOn=False"));
        record.replace(QStringLiteral("WordList=cat:dog"), QStringLiteral("WordList="));
        AddEntry(QStringLiteral("S1"), record);
        FakeSolitaireTable table;
        table.words << QStringLiteral("left over");
        ClSolitary e(table, m_words.get());
        QVERIFY(e.PlaySaveGame(QStringLiteral("S1")));
        QVERIFY(table.words.isEmpty());
        QCOMPARE(table.wizardItems, QStringList{QStringLiteral("Off")});
        QVERIFY(!table.wizardEnabled);
        QVERIFY(!e.WizardIsOn);
    }

    // A field of another version is passed over.
    void unknownFieldIsIgnored() {
        AddEntry(QStringLiteral("S1"), QStringLiteral("Colour=blue|") + kRecord + "|Extra");
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        QVERIFY(e.PlaySaveGame(QStringLiteral("S1")));
        QCOMPARE(e.CardPile1, QStringLiteral("p:qR"));
    }

    void damagedRecordsAreRefused_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        addDataRow("count without =", "|MistakeCount=2|", "|MistakeCount|");
        addDataRow("pile without =", "CardPile2=ab:c", "CardPile2ab:c");
        addDataRow("points not a number", "PlayerPoints=7", "PlayerPoints=ten");
        addDataRow("empty discard index", "DiscardIndex=3", "DiscardIndex=");
        addDataRow("discard index past the slots", "DiscardIndex=3", "DiscardIndex=7");
        addDataRow("points beyond 16 bits", "PlayerPoints=7", "PlayerPoints=99999");
        addDataRow("digit on a pile", "CardPile2=ab:c", "CardPile2=a1:c");
        addDataRow("pile without colon", "CardPile2=ab:c", "CardPile2=abc");
        addDataRow("pile with two colons", "CardPile2=ab:c", "CardPile2=a:b:c");
        addDataRow("stock with a non-card", "CardsInDeck=xyz", "CardsInDeck=x?z");
        addDataRow("level 9", "WordLevel=3", "WordLevel=9");
        addDataRow("level not a number", "WordLevel=3", "WordLevel=three");
        addDataRow("wizard not a boolean", "WizardIsOn=True", "WizardIsOn=Maybe");
        addDataRow("time not a number", "SaveTime=4.25", "SaveTime=soon");
        addDataRow("missing pile", "|CardPile5=f:gH", "");
        addDataRow("pile given twice", "|CardPile5=f:gH", "|CardPile5=f:gH|CardPile5=f:gH");
    }
    void damagedRecordsAreRefused() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QString record = kRecord;
        QVERIFY(record.contains(from));
        record.replace(from, to);
        AddEntry(QStringLiteral("S1"), record);
        MsgBoxRecorder boxes;
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        // A game already on the table stays there.
        e.GameInPlay = true;
        e.CardPile1 = QStringLiteral("z:z");
        e.SaveGameIndex = QStringLiteral("S9");
        QVERIFY(!e.PlaySaveGame(QStringLiteral("S1")));
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY2(boxes.texts().first().startsWith(
                     QStringLiteral("This saved game is damaged and cannot be restored...")),
                 qPrintable(boxes.texts().first()));
        QCOMPARE(CurrentPlayer().SavedGames.Find("S1")->GameInfo, record);
        QVERIFY(table.flights.isEmpty());
        QVERIFY(!table.log.contains(QStringLiteral("unloadPileCards")));
        QVERIFY(e.GameInPlay);
        QCOMPARE(e.CardPile1, QStringLiteral("z:z"));
        QCOMPARE(e.SaveGameIndex, QStringLiteral("S9"));
    }

    void missingEntry() {
        MsgBoxRecorder boxes;
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        QVERIFY(!e.PlaySaveGame(QStringLiteral("S4")));
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(table.flights.isEmpty());
    }

    void missingWordListLeavesAnEmptyTable() {
        AddEntry(QStringLiteral("S1"), kRecord);
        MsgBoxRecorder boxes;
        FakeSolitaireTable table;
        ClDictionary empty;
        ClSolitary e(table, &empty);
        QVERIFY(!e.PlaySaveGame(QStringLiteral("S1")));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Missing dictionary file...")});
        QCOMPARE(boxes.shown().first().icon, MsgIcon::Critical);
        QVERIFY(!e.GameInPlay);
        QVERIFY(e.CardPile1.isEmpty());
        QVERIFY(table.flights.isEmpty());
        QVERIFY(table.formEnabled);
        QCOMPARE(CurrentPlayer().SavedGames.Find("S1")->GameInfo, kRecord);
    }

    // A dealt game saved and restored comes back card for card.
    void saveAndRestoreRoundTrip() {
        RandomScope scope(makeSeededRandom(11));
        FakeSolitaireTable table;
        ClSolitary e(table, m_words.get());
        table.engine = &e;
        e.DealNewCards(4, true);
        e.PickFromDeck();
        e.SendPointLost();
        e.AddToWordList(QStringLiteral("fig"));
        const QString piles = e.CardPile1 + e.CardPile2 + e.CardPile3 + e.CardPile4 + e.CardPile5;
        const QString deck = e.CardsInDeck;
        const QString discards = e.CardsInDiscards;
        e.SaveGame();
        const QString key = CurrentPlayer().SavedGamesIndex;
        QCOMPARE(key, QStringLiteral("S1"));

        FakeSolitaireTable other;
        ClSolitary restored(other, m_words.get());
        QVERIFY(restored.PlaySaveGame(key));
        QCOMPARE(restored.CardPile1 + restored.CardPile2 + restored.CardPile3 + restored.CardPile4 +
                     restored.CardPile5,
                 piles);
        QCOMPARE(restored.CardsInDeck, deck);
        QCOMPARE(restored.CardsInDiscards, discards);
        QCOMPARE(int(restored.PlayerPoints), -3);
        QCOMPARE(int(restored.MistakeCount), 1);
        QCOMPARE(restored.WordList, QStringLiteral("fig"));
        QCOMPARE(int(restored.wordlevel), 4);
        QCOMPARE(other.flights.size(), 20);
        QCOMPARE(other.words, QStringList{QStringLiteral("fig")});
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
