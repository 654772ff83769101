// Engine timings on the shipped word list: the verdict on a dropped card
// (the word-list check behind every placement) and the wizard's full hint
// list for an empty prefix at level 7, with its yields to a live window.
#include "engine/ClDictionary.h"
#include "engine/ClSolitary.h"
#include "engine/SolitaireTable.h"
#include "players/ClassPlayerInfo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QRandomGenerator>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A table whose hint list is a real list box on a shown window; every other
// effect is ignored.
class BenchTable final : public SolitaireTable {
public:
    BenchTable() {
        window.resize(300, 400);
        lstWizard = new QListWidget(&window);
        lstWizard->resize(280, 380);
        window.show();
    }
    QWidget window;
    QListWidget* lstWizard;

    void ShowCaption(const QString&) override {}
    void ShowHelp(const QString&) override {}
    void ShowPoints(qint16) override {}
    void EnableLettersLeft(bool) override {}
    void ResetHints(bool) override {}
    void ClearHints() override { lstWizard->clear(); }
    void AddHints(const QStringList& words, bool) override { lstWizard->addItems(words); }
    void ShowHintCount(int makeable, int) override { lastMakeable = makeable; }
    int lastMakeable = 0;
    void EnableLookup(bool) override {}
    void FocusPile(qint16) override {}
    void ShowWords(const QStringList&) override {}
    void ClearCards() override {}
    void DealCard(const QString&, qint16, bool, qint16) override {}
    void ShowDiscards(const QString&, qint16) override {}
    void SetBusy(bool) override {}
    void StopMusic() override {}
    void PlaySong() override {}
    void PlaySound(const QString&) override {}
};

ClDictionary& ShippedWords() {
    static ClDictionary words;
    static bool loaded = [] {
        QString error;
        const bool ok = words.LoadDictionaryFile(
            QStringLiteral(MORDAVENTA_BUILD_HOME "/Dictionary/dictionary.dic"), &error);
        if (!ok)
            qFatal("word list: %s", qPrintable(error));
        return ok;
    }();
    Q_UNUSED(loaded)
    return words;
}

// Candidates as a game makes them: the beginning of a listed word (or a pile
// of random letters), plus the dragged card's letter, jokers included.
std::vector<QString> Candidates(qint16 level, int count) {
    const QStringList& list = ShippedWords().WordsOfLevel(level);
    QRandomGenerator random(1234 + level);
    const QString cards = ClSolitary::OrderedDeck();
    std::vector<QString> out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QString& word = list.at(1 + random.bounded(int(list.size()) - 1));
        const int length = random.bounded(level); // 0 .. level-1 letters on the pile
        QString prefix = word.left(length);
        if (random.bounded(4) == 0) { // a pile that leads nowhere
            prefix.clear();
            for (int k = 0; k < length; ++k)
                prefix += cards.at(random.bounded(int(cards.size())));
        }
        out.push_back(prefix + cards.at(random.bounded(int(cards.size()))));
    }
    return out;
}

void BM_PlacementVerdict(benchmark::State& state) {
    const qint16 level = static_cast<qint16>(state.range(0));
    BenchTable table;
    ClassPlayerInfo player;
    ClSolitary game(table, player, &ShippedWords());
    game.wordlevel = level;
    const std::vector<QString> candidates = Candidates(level, 20000);
    std::vector<double> micros;
    micros.reserve(candidates.size() * 4);
    size_t i = 0;
    QElapsedTimer clock;
    for (auto _ : state) {
        const QString& candidate = candidates[i++ % candidates.size()];
        clock.start();
        const bool found = game.CheckForWord(candidate);
        micros.push_back(clock.nsecsElapsed() / 1000.0);
        benchmark::DoNotOptimize(found);
    }
    std::sort(micros.begin(), micros.end());
    if (!micros.empty()) {
        state.counters["p50_us"] = micros[micros.size() / 2];
        state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
        state.counters["max_us"] = micros.back();
    }
}
BENCHMARK(BM_PlacementVerdict)->DenseRange(3, 7)->Iterations(20000);

void BM_WizardFullListLevel7(benchmark::State& state) {
    BenchTable table;
    ClassPlayerInfo player;
    ClSolitary game(table, player, &ShippedWords());
    game.wordlevel = 7;
    for (int p = 1; p <= 5; ++p)
        game.CardPile(p) = QStringLiteral(":");
    game.CardPile1 = QStringLiteral("a:");
    // A quarter of the deck still unplayed, so that the list holds words that can
    // still be made and words out of reach.
    const QString deck = ClSolitary::OrderedDeck();
    for (qsizetype i = 0; i < deck.size(); i += 4)
        game.CardsInDeck += deck.at(i);
    for (auto _ : state) {
        qint16 pile = 1;
        game.GetWizardList(pile, false); // an empty prefix: every 7-letter word
        benchmark::DoNotOptimize(table.lstWizard->count());
    }
    state.counters["words"] = table.lstWizard->count();
    state.counters["makeable"] = table.lastMakeable;
    state.SetLabel("ms per full list, yields included");
}
BENCHMARK(BM_WizardFullListLevel7)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return RunBenchmarks<QApplication>(argc, argv);
}
