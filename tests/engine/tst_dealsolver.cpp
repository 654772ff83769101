// The deal solver against a brute-force walk over every position the engine
// itself reaches, on small games laid out by hand; and every win it finds,
// on those and on seeded deals with the shipped word list, played through
// the engine to the end.
#include "EngineTestWords.h"
#include "FakeSolitaireTable.h"
#include "TestSupport.h"

#include "engine/ClSolitary.h"
#include "engine/DealSolver.h"

#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(SolverVerdict)

namespace {

void Load(ClSolitary& game, const DealState& state) {
    for (int p = 1; p <= 5; ++p)
        game.CardPile(p) = state.piles[p - 1];
    game.CardsInDeck = state.stock;
    game.CardsInDiscards = state.discards;
    game.wordlevel = qint16(state.level);
}

// Every position reachable by the engine's own moves, until one is won.
bool EngineCanWin(ClSolitary& game, const DealState& start) {
    QSet<QString> seen;
    QList<DealState> todo{start};
    while (!todo.isEmpty()) {
        const DealState state = todo.takeLast();
        const QString key =
            QStringList(state.piles.cbegin(), state.piles.cend()).join('|').toLower() + '/' +
            state.stock + '/' + state.discards;
        if (seen.contains(key))
            continue;
        seen.insert(key);
        Load(game, state);
        if (game.AllPilesDone())
            return true;
        game.PickFromDeck();
        todo.append(game.CurrentDeal());
        for (qint16 p = 1; p <= 5; ++p) {
            Load(game, state);
            const PlacementVerdict verdict = game.PlaceTopDiscard(p).verdict;
            if (verdict == PlacementVerdict::WordMade)
                game.FinishWord(p);
            if (verdict == PlacementVerdict::Laid || verdict == PlacementVerdict::WordMade)
                todo.append(game.CurrentDeal());
        }
    }
    return false;
}

// Plays the moves through the engine; empty when they won, else what went wrong.
QString Replay(ClSolitary& game, const DealState& start, const QList<SolverMove>& moves) {
    Load(game, start);
    for (const SolverMove& move : moves) {
        if (game.AllPilesDone())
            return QStringLiteral("won before the last move");
        if (move.kind == SolverMove::Kind::Draw) {
            game.PickFromDeck();
            continue;
        }
        if (game.CardsInDiscards.left(1) != QString(move.letter))
            return QStringLiteral("top discard is not ") + move.Text();
        const PlacementVerdict verdict = game.PlaceTopDiscard(qint16(move.pile)).verdict;
        if (verdict == PlacementVerdict::WordMade)
            game.FinishWord(qint16(move.pile));
        else if (verdict != PlacementVerdict::Laid)
            return QStringLiteral("the engine refused ") + move.Text();
    }
    return game.AllPilesDone() ? QString() : QStringLiteral("not won after the last move");
}

DealState Game(const QStringList& piles, const QString& stock, const QString& discards = {}) {
    DealState state;
    state.level = 3;
    for (int p = 0; p < 5; ++p)
        state.piles[p] = piles.value(p, QStringLiteral(":"));
    state.stock = stock;
    state.discards = discards;
    return state;
}

} // namespace

class TestDealSolver : public QObject {
    Q_OBJECT
private slots:
    void agreesWithTheEngine_data() {
        QTest::addColumn<DealState>("game");
        QTest::addColumn<SolverVerdict>("verdict");
        const auto win = SolverVerdict::Winnable;
        const auto lose = SolverVerdict::NotWinnable;
        QTest::newRow("two cards make the word") << Game({":c"}, "at") << win;
        QTest::newRow("the letter is missing") << Game({":c"}, "ab") << lose;
        QTest::newRow("a joker stands for the letter") << Game({":c"}, "*t") << win;
        QTest::newRow("a joker past a short word") << Game({":do"}, "*") << win;
        QTest::newRow("stock turned over first") << Game({":c"}, "ta") << win;
        QTest::newRow("letter never on top") << Game({":c"}, "bat") << lose;
        QTest::newRow("laying digs it out") << Game({":c", ":t"}, "oate") << win;
        QTest::newRow("face-down card's word") << Game({"d:c"}, "atog") << win;
        QTest::newRow("face-down card cannot start") << Game({"q:c"}, "atog") << lose;
        QTest::newRow("two piles, one t") << Game({":ca", ":co"}, "t") << lose;
        QTest::newRow("two piles, a joker") << Game({":ca", ":co"}, "*t") << win;
        QTest::newRow("laid letters upper case") << Game({"d:cA"}, "tgo") << win;
        QTest::newRow("discards before the stock") << Game({":c"}, "", "at") << win;
        QTest::newRow("every pile done") << Game({}, "abc") << win;
    }
    void agreesWithTheEngine() {
        QFETCH(DealState, game);
        QFETCH(SolverVerdict, verdict);
        auto words = MakeWordList({"cat", "cot", "dog", "act", "tea", "toe", "do"});
        FakeGame engine(words.get());
        QCOMPARE(EngineCanWin(engine.game, game), verdict == SolverVerdict::Winnable);
        const SolverAnswer answer = DealSolver(*words, 3).Solve(game, SolverBudget{});
        QCOMPARE(answer.verdict, verdict);
        if (verdict == SolverVerdict::Winnable)
            QCOMPARE(Replay(engine.game, game, answer.moves), QString());
    }

    void seededDealsWinAsPlayed() {
        ClDictionary shipped;
        QVERIFY(shipped.LoadDictionaryFile(
            QStringLiteral(MORDAVENTA_BUILD_HOME "/Dictionary/dictionary.dic")));
        for (qint16 level = 3; level <= 7; ++level) {
            const DealSolver solver(shipped, level);
            for (unsigned seed = 1; seed <= 3; ++seed) {
                const DealState deal =
                    ClSolitary::DealtGame(ClSolitary::ShuffledDeck(*makeSeededRandom(seed)), level);
                const SolverAnswer answer = solver.Solve(deal, SolverBudget{5000, 0, nullptr});
                QCOMPARE(answer.verdict, SolverVerdict::Winnable);
                FakeGame engine(&shipped);
                QCOMPARE(Replay(engine.game, deal, answer.moves), QString());
            }
        }
    }

    void positionsItCannotJudge_data() {
        QTest::addColumn<DealState>("game");
        QTest::newRow("pile without a colon") << Game({"abc"}, "");
        QTest::newRow("no card") << Game({":c"}, "a1");
        QTest::newRow("word past the level") << Game({":cats"}, "");
        DealState level8 = Game({":c"}, "at");
        level8.level = 8;
        QTest::newRow("level 8") << level8;
    }
    void positionsItCannotJudge() {
        QFETCH(DealState, game);
        QVERIFY(!DealSolver::CheckState(game).isEmpty());
        auto words = MakeWordList({"cat"});
        QCOMPARE(DealSolver(*words, 3).Solve(game, SolverBudget{}).verdict,
                 SolverVerdict::Undecided);
    }
};

QTEST_GUILESS_MAIN(TestDealSolver)
#include "tst_dealsolver.moc"
