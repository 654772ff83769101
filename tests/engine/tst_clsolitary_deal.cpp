// The deck, the shuffle, the deal onto the piles, drawing from the stock and
// the discard slots, on a recording table.
#include "EngineTestWords.h"
#include "FakeSolitaireTable.h"
#include "TestSupport.h"

#include "engine/ClSolitary.h"
#include "players/ClassPlayerInfo.h"

#include <QtTest>

#include <algorithm>

class TestDeal : public QObject {
    Q_OBJECT

private:
    static QString Sorted(QString s) {
        std::sort(s.begin(), s.end());
        return s;
    }
    // Every card of the game: stock, discards and the piles' letters.
    static QString AllCards(const ClSolitary& e) {
        QString all = e.CardsInDeck + e.CardsInDiscards;
        for (int p = 1; p <= 5; ++p)
            all += e.CardPile(p).remove(QLatin1Char(':')).toLower();
        return all;
    }

private slots:
    void initTestCase() {
        ResetCurrentPlayer();
        CurrentPlayer().NickName = QStringLiteral("anna");
    }

    // The deck's start and end are checked through the ordered deck below.
    void deckTable_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("letter");
        QTest::newRow("last e") << 34 << "e";
        QTest::newRow("q") << 85 << "q";
        QTest::newRow("x") << 108 << "x";
        QTest::newRow("zero") << 0 << "";
        QTest::newRow("past the deck") << 116 << "";
        QTest::newRow("negative") << -5 << "";
    }
    void deckTable() {
        QFETCH(int, number);
        QFETCH(QString, letter);
        QCOMPARE(ClSolitary::mFindLetter(number), letter);
    }

    void deckHas115CardsWithTheRightCopies() {
        const QString deck = ClSolitary::OrderedDeck();
        QCOMPARE(deck.size(), 115);
        QCOMPARE(deck.count(QLatin1Char('a')), 11);
        QCOMPARE(deck.count(QLatin1Char('e')), 11);
        QCOMPARE(deck.count(QLatin1Char('i')), 8);
        QCOMPARE(deck.count(QLatin1Char('o')), 8);
        QCOMPARE(deck.count(QLatin1Char('x')), 1);
        QCOMPARE(deck.count(QLatin1Char('*')), 3);
        QVERIFY(deck.startsWith(QStringLiteral("aaaaaaaaaaabbbbcccc")));
        QVERIFY(deck.endsWith(QStringLiteral("yyyz***")));
    }

    // Most letter values are checked through word scores; these are the rest
    // and the inputs that are no card.
    void cardValues_data() {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("value");
        QTest::newRow("l") << "l" << 2;
        QTest::newRow("w") << "w" << 5;
        QTest::newRow("joker") << "*" << 5;
        QTest::newRow("upper case is not a card") << "Q" << 0;
        QTest::newRow("question mark") << "?" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("two letters") << "ab" << 0;
    }
    void cardValues() {
        QFETCH(QString, letter);
        QFETCH(int, value);
        QCOMPARE(int(ClSolitary::mCardValue(letter)), value);
    }

    void removeALetter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("result");
        QTest::newRow("middle") << "abcde" << 3 << "abde";
        QTest::newRow("first") << "abcde" << 1 << "bcde";
        QTest::newRow("last") << "abcde" << 5 << "abcd";
        QTest::newRow("zero keeps text") << "abcde" << 0 << "abcde";
        QTest::newRow("past end keeps text") << "abcde" << 6 << "abcde";
        QTest::newRow("empty") << "" << 1 << "";
    }
    void removeALetter() {
        QFETCH(QString, text);
        QFETCH(int, position);
        QFETCH(QString, result);
        QCOMPARE(ClSolitary::mfRemoveALetter(text, position), result);
    }

    void pileIndexes_data() {
        QTest::addColumn<QString>("pileText");
        QTest::addColumn<int>("pile");
        QTest::addColumn<int>("faceUp");
        QTest::addColumn<int>("faceDown");
        QTest::newRow("abc:de") << "abc:de" << 2 << 2 << 3;
        QTest::newRow("empty pile") << ":" << 2 << 0 << 0;
        QTest::newRow("laid letters") << "q:cAT" << 5 << 3 << 1;
        QTest::newRow("pile 0") << "abc:de" << 0 << 0 << 0;
        QTest::newRow("pile 6") << "abc:de" << 6 << 0 << 0;
    }
    void pileIndexes() {
        QFETCH(QString, pileText);
        QFETCH(int, pile);
        QFETCH(int, faceUp);
        QFETCH(int, faceDown);
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        for (int p = 1; p <= 5; ++p)
            e.CardPile(p) = pileText;
        QCOMPARE(int(e.GetPileIndex(qint16(pile))), faceUp);
        QCOMPARE(int(e.GetPileIndexLeft(qint16(pile))), faceDown);
    }

    // With a source that always gives 0 the shuffle keeps card-number order,
    // so the deal can be written out by hand.
    void orderedDealAtLevel3() {
        RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{0.0}));
        auto words = MakeWordList({QStringLiteral("cat")});
        FakeSolitaireTable table;
        ClSolitary e(table, words.get());
        table.engine = &e;
        table.onFlight = [&](const FakeSolitaireTable::Flight&) {
            QVERIFY(!table.formEnabled);
            QVERIFY(!table.deckTimer);
            QVERIFY(table.busy);
            QVERIFY(table.helpVisible);
        };
        e.DealNewCards(3, true);

        QCOMPARE(e.CardPile1, QStringLiteral("aaac:d"));
        QCOMPARE(e.CardPile2, QStringLiteral("aabc:d"));
        QCOMPARE(e.CardPile3, QStringLiteral("aabc:d"));
        QCOMPARE(e.CardPile4, QStringLiteral("aabc:e"));
        QCOMPARE(e.CardPile5, QStringLiteral("aabd:e"));
        // The automatic first draw took three e's.
        QCOMPARE(e.CardsInDiscards, QStringLiteral("eee"));
        QCOMPARE(e.CardsInDeck.size(), 87);
        QVERIFY(e.CardsInDeck.startsWith(QStringLiteral("eeeeeeffff")));
        QVERIFY(e.CardsInDeck.endsWith(QStringLiteral("xyyyz***")));

        // Cards fly in dealing order: pass by pass, pile 1 to 5, the last pass face up.
        QCOMPARE(table.flights.size(), 25);
        QCOMPARE(table.flights.at(0).index, 1);
        QCOMPARE(table.flights.at(0).pile, qint16(1));
        QCOMPARE(table.flights.at(4).pile, qint16(5));
        QCOMPARE(table.flights.at(5).pile, qint16(1));
        QCOMPARE(table.flights.at(10).letter, QStringLiteral("a"));
        QCOMPARE(table.flights.at(11).letter, QStringLiteral("b"));
        for (int i = 0; i < 25; ++i)
            QCOMPARE(table.flights.at(i).faceUp, i >= 20);
        QCOMPARE(table.flights.at(24).letter, QStringLiteral("e"));

        QVERIFY(e.GameInPlay);
        QCOMPARE(int(e.wordlevel), 3);
        QVERIFY(e.WizardIsOn);
        QCOMPARE(e.DateOfGame, ClSolitary::FormatDate(QDate::currentDate()));
        QCOMPARE(table.formCaption, QStringLiteral(" Vantorell // Hello anna...Word level 3"));
        QCOMPARE(table.helpCaption,
                 QStringLiteral("Use top discard to build 3-letter word on any card stack. The "
                                "game is won when each card in stacks is turned into words..."));
        QVERIFY(!table.helpVisible);
        QVERIFY(table.formEnabled);
        QVERIFY(!table.busy);
        QVERIFY(table.deckTimer);
        QVERIFY(table.lettersLeftEnabled);
        QCOMPARE(int(table.picCardsIndex), 26);
        QVERIFY(e.MyTime.isValid());
        QCOMPARE(e.SaveTime, 0.0f);
        // Music starts, then the first draw.
        const qsizetype song = table.log.lastIndexOf(QStringLiteral("playSong"));
        QVERIFY(song >= 0);
        QCOMPARE(table.log.indexOf(QStringLiteral("cmdDeck_Click")), song + 1);
        // Top discard shown in slot 3 and marked playable.
        QCOMPARE(int(e.DiscardIndex), 3);
        QCOMPARE(table.discards[3].mask, quint32(0xC0FFFF));
    }

    void wizardOffShowsOff() {
        RandomScope scope(makeSeededRandom(7));
        auto words = MakeWordList({QStringLiteral("cat")});
        FakeSolitaireTable table;
        ClSolitary e(table, words.get());
        table.engine = &e;
        e.DealNewCards(7, false);
        QCOMPARE(table.wizardItems, QStringList{QStringLiteral("Off")});
        QVERIFY(!table.wizardEnabled);
        QVERIFY(!e.WizardIsOn);
    }

    // The x comes up first: it is skipped, goes under the stock, and pile 1
    // gets the next card.
    void xIsNeverDealtToAPile() {
        // 115 * v + 1 = 108 picks card 108, the x, first; then card order.
        RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{107.5 / 115.0, 0.0}));
        auto words = MakeWordList({QStringLiteral("cat")});
        FakeSolitaireTable table;
        ClSolitary e(table, words.get());
        table.engine = &e;
        e.DealNewCards(7, true);
        for (int p = 1; p <= 5; ++p)
            QCOMPARE(e.CardPile(p), QStringLiteral("a:a"));
        QCOMPARE(e.CardsInDeck.size(), 102);
        QVERIFY(e.CardsInDeck.endsWith(QStringLiteral("z***x")));
        QCOMPARE(e.CardsInDiscards, QStringLiteral("abb"));
        QCOMPARE(table.flights.size(), 10);
    }

    void seededDealsKeepEveryCard_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<unsigned>("seed");
        for (int level = 3; level <= 7; ++level) {
            for (unsigned seed : {1u, 42u, 2024u, 99991u}) {
                QTest::addRow("level %d seed %u", level, seed) << level << seed;
            }
        }
    }
    void seededDealsKeepEveryCard() {
        QFETCH(int, level);
        QFETCH(unsigned, seed);
        RandomScope scope(makeSeededRandom(seed));
        auto words = MakeWordList({QStringLiteral("cat")});
        FakeSolitaireTable table;
        ClSolitary e(table, words.get());
        table.engine = &e;
        e.DealNewCards(qint16(level), true);
        const int c = ClSolitary::CardsPerPile(qint16(level));
        QCOMPARE(Sorted(AllCards(e)), Sorted(ClSolitary::OrderedDeck()));
        QCOMPARE(e.CardsInDeck.size(), 112 - 5 * c);
        QCOMPARE(e.CardsInDiscards.size(), 3);
        for (int p = 1; p <= 5; ++p) {
            const QString pile = e.CardPile(p);
            QVERIFY2(!pile.contains(QLatin1Char('x')), qPrintable(pile));
            QCOMPARE(int(e.GetPileIndexLeft(qint16(p))), c - 1);
            QCOMPARE(int(e.GetPileIndex(qint16(p))), 1);
        }
        QCOMPARE(table.flights.size(), 5 * c);
        QCOMPARE(table.LoadedPileCards(), 5 * c);
    }

    void missingWordListDealsNothing() {
        MsgBoxRecorder boxes;
        ClDictionary empty; // never loaded
        FakeSolitaireTable table;
        ClSolitary e(table, &empty);
        table.engine = &e;
        e.DealNewCards(3, true);
        QCOMPARE(boxes.texts(),
                 QStringList{QStringLiteral("Missing dictionary file...Try updating software...")});
        QCOMPARE(boxes.shown().first().icon, MsgIcon::Critical);
        QVERIFY(table.flights.isEmpty());
        QVERIFY(!e.GameInPlay);
        QVERIFY(e.CardsInDeck.isEmpty());
        QVERIFY(table.formEnabled);
        QVERIFY(!table.busy);
        QVERIFY(!table.log.contains(QStringLiteral("cmdDeck_Click")));
    }

    // Clearing the table while a card flies (the window closing) stops the deal.
    void clearingTheTableStopsTheDeal() {
        RandomScope scope(makeSeededRandom(3));
        auto words = MakeWordList({QStringLiteral("cat")});
        FakeSolitaireTable table;
        ClSolitary e(table, words.get());
        table.engine = &e;
        table.onFlight = [&](const FakeSolitaireTable::Flight& f) {
            if (f.index == 3)
                e.UnloadCards();
        };
        e.DealNewCards(3, true);
        QCOMPARE(table.flights.size(), 3);
        QVERIFY(!e.GameInPlay);
        QVERIFY(table.formEnabled);
        QVERIFY(!table.log.contains(QStringLiteral("cmdDeck_Click")));
    }

    void draws_data() {
        QTest::addColumn<QString>("deck");
        QTest::addColumn<QString>("discards");
        QTest::addColumn<QString>("deckAfter");
        QTest::addColumn<QString>("discardsAfter");
        addDataRow("three from a full stock", "abcdef", "", "def", "abc");
        addDataRow("on top of older discards", "abcdef", "xyz", "def", "abcxyz");
        addDataRow("empty stock turns the discards over", "", "abcde", "ba", "edc");
        addDataRow("two left move both", "ab", "xyz", "", "abxyz");
        addDataRow("nothing anywhere", "", "", "", "");
        addDataRow("one discard turned over", "", "q", "", "q");
    }
    void draws() {
        QFETCH(QString, deck);
        QFETCH(QString, discards);
        QFETCH(QString, deckAfter);
        QFETCH(QString, discardsAfter);
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        e.CardsInDeck = deck;
        e.CardsInDiscards = discards;
        e.PickFromDeck();
        QCOMPARE(e.CardsInDeck, deckAfter);
        QCOMPARE(e.CardsInDiscards, discardsAfter);
    }

    void displayDiscards_data() {
        QTest::addColumn<QString>("discards");
        QTest::addColumn<int>("indexBefore");
        QTest::addColumn<QString>("slotLetters"); // slots 1..6, "-" hidden
        QTest::addColumn<int>("indexAfter");
        QTest::newRow("nine show six") << "abcdefghi" << 1 << "fedcba" << 6;
        QTest::newRow("two") << "ab" << 5 << "ba----" << 2;
        QTest::newRow("six") << "uvwxyz" << 1 << "zyxwvu" << 6;
        QTest::newRow("none keeps the index") << "" << 4 << "------" << 4;
    }
    void displayDiscards() {
        QFETCH(QString, discards);
        QFETCH(int, indexBefore);
        QFETCH(QString, slotLetters);
        QFETCH(int, indexAfter);
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        e.CardsInDiscards = discards;
        e.DiscardIndex = qint16(indexBefore);
        for (int slot = 1; slot <= 6; ++slot)
            table.discards[slot].mask = 0xE2E1FF; // an old tint that must go
        e.DisplayDiscards();
        QString shown;
        for (int slot = 1; slot <= 6; ++slot) {
            const auto& d = table.discards[slot];
            shown += d.visible ? d.letter : QStringLiteral("-");
            QCOMPARE(d.top, 297);
            QCOMPARE(d.left, slot == 1 ? 300 : 270 + 35 * slot);
            QCOMPARE(d.mask, slot == indexAfter ? quint32(0xC0FFFF) : quint32(0));
        }
        QCOMPARE(shown, slotLetters);
        QCOMPARE(int(e.DiscardIndex), indexAfter);
        QCOMPARE(table.discards[2].left, 340);
        QCOMPARE(table.discards[6].left, 480);
    }

    void unloadCardsClearsTheGame() {
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        e.SaveGameIndex = QStringLiteral("S3");
        e.CardsInDeck = QStringLiteral("abc");
        e.CardsInDiscards = QStringLiteral("de");
        e.CardPile3 = QStringLiteral("a:b");
        e.WordList = QStringLiteral("cat");
        e.MistakeCount = 4;
        e.PlayerPoints = 12;
        e.IfGameIsDone = true;
        e.DiscardIndex = 2;
        e.GameInPlay = true;
        e.wordlevel = 5;
        e.WizardIsOn = true;
        table.pileOver = 3;
        table.wizardTag = QStringLiteral("4");
        table.pileCards.append({QStringLiteral("a"), 1, true, true});
        table.words << QStringLiteral("cat");
        table.pointsCaption = QStringLiteral("12");
        e.UnloadCards();
        QVERIFY(e.SaveGameIndex.isEmpty());
        QVERIFY(e.CardsInDeck.isEmpty());
        QVERIFY(e.CardsInDiscards.isEmpty());
        QVERIFY(e.CardPile3.isEmpty());
        QVERIFY(e.WordList.isEmpty());
        QCOMPARE(int(e.MistakeCount), 0);
        QCOMPARE(int(e.PlayerPoints), 0);
        QVERIFY(!e.IfGameIsDone);
        QCOMPARE(int(e.DiscardIndex), 1);
        QVERIFY(!e.GameInPlay);
        QCOMPARE(int(e.wordlevel), 5); // kept for the next deal's caption
        QVERIFY(e.WizardIsOn);
        QCOMPARE(int(table.pileOver), 0);
        QCOMPARE(table.wizardTag, QStringLiteral("0"));
        QCOMPARE(table.pileCards.size(), 1);
        QVERIFY(table.words.isEmpty());
        QCOMPARE(table.pointsCaption, QStringLiteral("0"));
        QVERIFY(table.log.contains(QStringLiteral("stopMusic")));
        for (int slot = 1; slot <= 6; ++slot)
            QVERIFY(!table.discards[slot].visible);
    }

    void newGameClearsThenOpensTheStartDialog() {
        FakeSolitaireTable table;
        ClSolitary e(table, nullptr);
        e.GameInPlay = true;
        e.NewGame();
        QVERIFY(!e.GameInPlay);
        QCOMPARE(table.log.last(), QStringLiteral("LoadGameDefaults"));
        QVERIFY(table.log.indexOf(QStringLiteral("unloadPileCards")) <
                table.log.indexOf(QStringLiteral("LoadGameDefaults")));
    }
};

QTEST_GUILESS_MAIN(TestDeal)
#include "tst_clsolitary_deal.moc"
