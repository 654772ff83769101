// The deck, the shuffle, the deal onto the piles, drawing from the stock and
// the discard slots, on a recording table.
#include "EngineTestWords.h"
#include "FakeSolitaireTable.h"
#include "TestSupport.h"

#include "engine/ClSolitary.h"

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
    void deckHas115Cards() {
        const QString deck = ClSolitary::OrderedDeck();
        QCOMPARE(deck.size(), 115);
        QCOMPARE(deck.count(QLatin1Char('x')), 1); // the x is never dealt to a pile
        QCOMPARE(deck.count(QLatin1Char('*')), 3);
        QCOMPARE(ClSolitary::mFindLetter(0), QString());
        QCOMPARE(ClSolitary::mFindLetter(116), QString());
    }

    // Letter values are checked through word scores; these are the inputs
    // that are no card.
    void cardValues() {
        for (const char* noCard : {"Q", "?", "", "ab"})
            QCOMPARE(int(ClSolitary::mCardValue(QString::fromLatin1(noCard))), 0);
        QCOMPARE(int(ClSolitary::mCardValue("*")), 5);
    }

    // With a source that always gives 0 the shuffle keeps card-number order,
    // so the deal can be written out by hand.
    void orderedDealAtLevel3() {
        const auto random = std::make_unique<ScriptedRandom>(QList<double>{0.0});
        auto words = MakeWordList({QStringLiteral("cat")});
        FakeGame fake(words.get());
        ClSolitary& e = fake.game;
        FakeSolitaireTable& table = fake.table;
        table.onDeal = [&](const FakeSolitaireTable::Card&) {
            QVERIFY(table.busy);
            QVERIFY(!table.help.isEmpty());
            QVERIFY(!e.GameInPlay); // a game cut short here is never offered for saving
        };
        e.DealNewCards(3, true, *random);

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
        QString letters, piles, faces;
        for (const FakeSolitaireTable::Card& card : table.cards) {
            letters += card.letter;
            piles += QString::number(card.pile);
            faces += card.faceUp ? QLatin1Char('u') : QLatin1Char('d');
        }
        QCOMPARE(letters, QStringLiteral("aaaaaaaaaaabbbbccccddddee"));
        QCOMPARE(piles, QStringLiteral("12345").repeated(5));
        QCOMPARE(faces, QStringLiteral("d").repeated(20) + QStringLiteral("uuuuu"));

        QVERIFY(e.GameInPlay);
        QCOMPARE(e.DateOfGame, SavedGameRecord::FormatDate(QDate::currentDate()));
        QVERIFY(table.help.isEmpty());
        QVERIFY(!table.busy);
        QVERIFY(table.lettersLeft);
        QCOMPARE(e.SaveTime, 0.0f);
        QCOMPARE(table.sounds, QStringList{QStringLiteral("\\Sounds\\cardClick.wav")});
        // Top discard shown in slot 3 and marked playable.
        QCOMPARE(int(e.DiscardIndex), 3);
        QCOMPARE(table.discards, QStringLiteral("eee"));
        QCOMPARE(table.playable, qint16(3));
    }

    // The x comes up first: it is skipped, goes under the stock, and pile 1
    // gets the next card.
    void xIsNeverDealtToAPile() {
        // 115 * v + 1 = 108 picks card 108, the x, first; then card order.
        const auto random = std::make_unique<ScriptedRandom>(QList<double>{107.5 / 115.0, 0.0});
        auto words = MakeWordList({QStringLiteral("cat")});
        FakeGame fake(words.get());
        ClSolitary& e = fake.game;
        e.DealNewCards(7, true, *random);
        for (int p = 1; p <= 5; ++p)
            QCOMPARE(e.CardPile(p), QStringLiteral("a:a"));
        QCOMPARE(e.CardsInDeck.size(), 102);
        QVERIFY(e.CardsInDeck.endsWith(QStringLiteral("z***x")));
        QCOMPARE(e.CardsInDiscards, QStringLiteral("abb"));
        QCOMPARE(fake.table.cards.size(), 10);
    }

    void seededDealsKeepEveryCard_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<unsigned>("seed");
        for (int level = 3; level <= 7; ++level) {
            for (unsigned seed : {1u, 42u, 2024u, 99991u})
                QTest::addRow("level %d seed %u", level, seed) << level << seed;
        }
    }
    void seededDealsKeepEveryCard() {
        QFETCH(int, level);
        QFETCH(unsigned, seed);
        const auto random = makeSeededRandom(seed);
        auto words = MakeWordList({QStringLiteral("cat")});
        FakeGame fake(words.get());
        ClSolitary& e = fake.game;
        e.DealNewCards(qint16(level), true, *random);
        const int c = ClSolitary::CardsPerPile(qint16(level));
        QCOMPARE(Sorted(AllCards(e)), Sorted(ClSolitary::OrderedDeck()));
        QCOMPARE(e.CardsInDeck.size(), 112 - 5 * c);
        QCOMPARE(e.CardsInDiscards.size(), 3);
        for (int p = 1; p <= 5; ++p) {
            const QString pile = e.CardPile(p);
            QVERIFY2(!pile.contains(QLatin1Char('x')), qPrintable(pile));
            QCOMPARE(pile.indexOf(QLatin1Char(':')), pile.size() - 2); // one card face up
            QCOMPARE(pile.size(), c + 1);
        }
        QCOMPARE(fake.table.cards.size(), 5 * c);
        // The deal without a table (the solver's and the tool's) is the same.
        const DealState alone =
            ClSolitary::DealtGame(ClSolitary::ShuffledDeck(*makeSeededRandom(seed)), level);
        QCOMPARE(alone.stock, e.CardsInDeck);
        QCOMPARE(alone.discards, e.CardsInDiscards);
        for (int p = 1; p <= 5; ++p)
            QCOMPARE(alone.piles[p - 1], e.CardPile(p));
    }

    // "Only deals that can be won": the card-order deck (every draw 0) puts
    // a d on the piles, and no word begins with d, so the deck is drawn
    // again from the same source until one without a d comes; a source that
    // only ever gives that deck ends with it dealt and the caption saying so.
    void onlyWinnableDeals_data() {
        QTest::addColumn<bool>("onlyCardOrder");
        QTest::newRow("redrawn until winnable") << false;
        QTest::newRow("none found, the last dealt") << true;
    }
    void onlyWinnableDeals() {
        QFETCH(bool, onlyCardOrder);
        QStringList words;
        const QString letters = QStringLiteral("abcefghijklmnopqrstuvwyz");
        for (QChar a : letters)
            for (QChar b : letters + 'd')
                for (QChar c : letters + 'd')
                    words << QString(a) + b + c;
        auto list = MakeWordList(words);
        // The card-order deck first, then seeded decks (or card order again).
        class CardOrderFirst final : public RandomSource {
        public:
            explicit CardOrderFirst(bool always) : m_always(always) {}
            double next() override { return ++m_used <= 115 || m_always ? 0.0 : m_then->next(); }
            int used() const { return m_used; }

        private:
            bool m_always;
            int m_used = 0;
            std::unique_ptr<RandomSource> m_then = makeSeededRandom(7);
        } random(onlyCardOrder);
        FakeGame fake(list.get());
        const DealStatus status = fake.game.DealNewCards(3, true, random, true);
        QCOMPARE(status, onlyCardOrder ? DealStatus::DealtUnproven : DealStatus::Dealt);
        QVERIFY(random.used() > 115);
        QCOMPARE(fake.table.caption.contains("won"), onlyCardOrder);
        bool pileHasD = false;
        for (int p = 1; p <= 5; ++p)
            pileHasD = pileHasD || fake.game.CardPile(p).contains('d');
        QCOMPARE(pileHasD, onlyCardOrder);
        QCOMPARE(DealSolver(*list, 3).Solve(fake.game.CurrentDeal(), {}).verdict,
                 onlyCardOrder ? SolverVerdict::NotWinnable : SolverVerdict::Winnable);
    }

    void missingWordListDealsNothing() {
        ClDictionary empty; // never loaded
        FakeGame fake(&empty);
        QCOMPARE(fake.game.DealNewCards(3, true, *makeSeededRandom(1)), DealStatus::NoWordList);
        QVERIFY(fake.table.cards.isEmpty());
        QVERIFY(!fake.game.GameInPlay);
        QVERIFY(fake.game.CardsInDeck.isEmpty());
        QVERIFY(!fake.table.busy);
        QVERIFY(fake.table.help.isEmpty());
    }

    // Clearing the table while a card flies stops the deal; a table that is
    // closing (the engine halted) gets the rest of the deal without flights
    // and a whole game to save.
    void interruptedDeal_data() {
        QTest::addColumn<bool>("halt");
        QTest::newRow("table cleared") << false;
        QTest::newRow("table closing") << true;
    }
    void interruptedDeal() {
        QFETCH(bool, halt);
        const auto random = makeSeededRandom(3);
        auto words = MakeWordList({QStringLiteral("cat")});
        FakeGame fake(words.get());
        ClSolitary& e = fake.game;
        int dealt = 0;
        fake.table.onDeal = [&](const FakeSolitaireTable::Card&) {
            if (++dealt == 3)
                halt ? e.Halt() : e.UnloadCards();
        };
        e.DealNewCards(3, true, *random);
        QCOMPARE(dealt, halt ? 25 : 3); // a closing table still shows the whole deal
        QVERIFY(!fake.table.busy);
        QCOMPARE(e.GameInPlay, halt);
        if (halt) {
            QCOMPARE(e.CardsInDeck.size() + e.CardsInDiscards.size(), 115 - 25);
            QVERIFY(fake.table.hints.isEmpty()); // no hint search once halted
        }
    }

    void draws_data() {
        QTest::addColumn<QString>("deck");
        QTest::addColumn<QString>("discards");
        QTest::addColumn<QString>("deckAfter");
        QTest::addColumn<QString>("discardsAfter");
        addDataRow("three from a full stock", "abcdef", "", "def", "abc");
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
        FakeGame fake;
        ClSolitary& e = fake.game;
        e.CardsInDeck = deck;
        e.CardsInDiscards = discards;
        e.PickFromDeck();
        QCOMPARE(e.CardsInDeck, deckAfter);
        QCOMPARE(e.CardsInDiscards, discardsAfter);
    }

    void displayDiscards_data() {
        QTest::addColumn<QString>("discards");
        QTest::addColumn<int>("indexBefore");
        QTest::addColumn<QString>("shown"); // slots 1 up
        QTest::addColumn<int>("indexAfter");
        QTest::newRow("nine show six") << "abcdefghi" << 1 << "fedcba" << 6;
        QTest::newRow("none keeps the index") << "" << 4 << "" << 4;
        QTest::newRow("none after the last was played") << "" << 0 << "" << 0;
    }
    void displayDiscards() {
        QFETCH(QString, discards);
        QFETCH(int, indexBefore);
        QFETCH(QString, shown);
        QFETCH(int, indexAfter);
        FakeGame fake;
        fake.game.CardsInDiscards = discards;
        fake.game.DiscardIndex = qint16(indexBefore);
        fake.game.DisplayDiscards();
        QCOMPARE(fake.table.discards, shown);
        QCOMPARE(int(fake.game.DiscardIndex), indexAfter);
        QCOMPARE(int(fake.table.playable), indexAfter);
    }

    // "New Game" clears the table; until the next deal no word level is
    // named and there are no letters left to count.
    void newGameClearsTheTable() {
        FakeGame fake;
        ClSolitary& e = fake.game;
        e.GameInPlay = true;
        e.wordlevel = 4;
        e.CardPile2 = QStringLiteral("a:b");
        e.NewGame();
        QVERIFY(!e.GameInPlay);
        QVERIFY(e.CardPile2.isEmpty());
        QVERIFY(!fake.table.lettersLeft);
        QVERIFY(fake.table.log.contains(QStringLiteral("clear")));
    }
};

QTEST_GUILESS_MAIN(TestDeal)
#include "tst_clsolitary_deal.moc"
