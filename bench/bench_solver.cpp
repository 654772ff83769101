// The deal solver on the shipped word list: for each word length, 200 deals
// made from seeds 1 to 200 as the game makes them, each given one second.
// Reports the share found winnable, the median and 99th-percentile time to an
// answer, and the share still undecided after the second.
#include "engine/ClDictionary.h"
#include "engine/ClSolitary.h"
#include "engine/DealSolver.h"
#include "shell/RandomSource.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int kDeals = 200;

const ClDictionary& ShippedWords() {
    static ClDictionary words;
    static const bool loaded = [] {
        QString error;
        if (!words.LoadDictionaryFile(
                QStringLiteral(MORDAVENTA_BUILD_HOME "/Dictionary/dictionary.dic"), &error))
            qFatal("word list: %s", qPrintable(error));
        return true;
    }();
    Q_UNUSED(loaded)
    return words;
}

void BM_SolveSeededDeals(benchmark::State& state) {
    const qint16 level = static_cast<qint16>(state.range(0));
    const DealSolver solver(ShippedWords(), level);
    SolverBudget budget;
    budget.milliseconds = 1000;
    std::vector<double> millis;
    int winnable = 0;
    int undecided = 0;
    for (auto _ : state) {
        for (unsigned seed = 1; seed <= kDeals; ++seed) {
            const auto random = makeSeededRandom(seed);
            const DealState deal = ClSolitary::DealtGame(ClSolitary::ShuffledDeck(*random), level);
            QElapsedTimer clock;
            clock.start();
            const SolverAnswer answer = solver.Solve(deal, budget);
            millis.push_back(clock.nsecsElapsed() / 1e6);
            winnable += answer.verdict == SolverVerdict::Winnable;
            undecided += answer.verdict == SolverVerdict::Undecided;
        }
    }
    std::sort(millis.begin(), millis.end());
    const double all = double(millis.size());
    state.counters["winnable_share"] = winnable / all;
    state.counters["undecided_share"] = undecided / all;
    state.counters["median_ms"] = millis[millis.size() / 2];
    state.counters["p99_ms"] = millis[std::min(millis.size() - 1, millis.size() * 99 / 100)];
    state.counters["max_ms"] = millis.back();
}
BENCHMARK(BM_SolveSeededDeals)->DenseRange(3, 7)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
