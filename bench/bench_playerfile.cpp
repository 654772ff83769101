// Loading a player file with many saved entries, as the login does: the
// file is read from a private program folder, decrypted, checked and every
// entry filed in the player's saved games (which refuse a key used twice).
#include "players/ClassPlayerInfo.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

namespace {

// A program folder with temp/many.dat holding `entries` saved games.
struct PlayerFolder {
    QTemporaryDir dir;
    explicit PlayerFolder(int entries) {
        qputenv("MORDAVENTA_HOME", dir.path().toLocal8Bit());
        ClassPlayerInfo player;
        player.AppVersion = QLatin1String(kPlayerFileVersion);
        player.Rating = QLatin1String(kNewPlayerRating);
        const QString record =
            QStringLiteral("CardPile1=ab:c|CardPile2=:d|CardPile3=e:f|CardPile4=:g|CardPile5=hi:j|"
                           "CardsInDeck=klm|CardsInDiscards=nop|DiscardIndex=3|IfGameIsDone=False|"
                           "MistakeCount=1|PlayerPoints=14|WizardIsOn=True|DateOfGame=05-Dec-26|"
                           "WordLevel=4|WordList=cart:dome|SaveTime=3.5");
        for (int i = 1; i <= entries; ++i) {
            player.SavedGames.Add(ClassSavedGameInfo(record, QStringLiteral("S%1").arg(i),
                                                     QStringLiteral("Solitaire")));
        }
        player.CreatePlayerFile(QStringLiteral("many"), QStringLiteral("secret"));
    }
};

void BM_LoadPlayerFile(benchmark::State& state) {
    const int entries = static_cast<int>(state.range(0));
    PlayerFolder folder(entries);
    for (auto _ : state) {
        ClassPlayerInfo player;
        if (player.LoadPlayer(QStringLiteral("many"), QStringLiteral("secret")) !=
                PlayerFileStatus::Loaded ||
            player.SavedGames.Count() != entries) {
            state.SkipWithError("the player file did not load");
            break;
        }
    }
    state.counters["entries"] = entries;
}
BENCHMARK(BM_LoadPlayerFile)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
