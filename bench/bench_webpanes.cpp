// The board-file manager and the dictionary window: the manager with 10 and
// 30 board-game files, on a first visit (grid shown, target < 150 ms; then
// every file checked on the worker) and on a second visit, when each file's
// checks are remembered (target < 300 ms to a filled grid); the same files
// all opened in turn as the manager once did; deriving one file's key; and an
// off-line definition shown in the dictionary window (target < 50 ms after
// the double click).
#include "BenchMain.h"

#include "boardgame/file/BoardFileChecks.h"
#include "boardgame/ui/frmBordFile.h"
#include "shell/AppSettings.h"
#include "shell/WordDefinitions.h"
#include "shell/ui/frmDictionary.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A program folder with copies of the default board-game file.
struct BoardFiles {
    QTemporaryDir home;
    bool ok = true;
    explicit BoardFiles(int count) {
        qputenv("MORDAVENTA_HOME", home.path().toLocal8Bit());
        AppSettings::setStorageFile(settings());
        QDir(home.path()).mkpath(QStringLiteral("data"));
        const QString source = QStringLiteral(MORDAVENTA_BUILD_HOME "/data/SpellingGrammar.mdb");
        for (int i = 0; i < count; ++i)
            ok &= QFile::copy(source, home.filePath(QStringLiteral("data/Board%1.mdb").arg(i)));
    }
    ~BoardFiles() {
        qunsetenv("MORDAVENTA_HOME");
        AppSettings::setStorageFile(QString());
    }
    QString settings() const { return home.filePath(QStringLiteral("settings.ini")); }
};

bool Filled(const frmBordFile& manager, int count) {
    if (manager.Rows().size() != count)
        return false;
    for (const BoardFileRow& row : manager.Rows()) {
        if (row.boardErrors.isEmpty())
            return false;
    }
    return true;
}

void BM_ManagerFirstVisit(benchmark::State& state) {
    const int count = int(state.range(0));
    BoardFiles files(count);
    if (!files.ok) {
        state.SkipWithError("no data/SpellingGrammar.mdb in the build (build board_data first)");
        return;
    }
    double shownMs = 0;
    for (auto _ : state) {
        QFile::remove(files.settings()); // nothing remembered
        QElapsedTimer clock;
        clock.start();
        frmBordFile manager;
        manager.show();
        QApplication::processEvents();
        shownMs += double(clock.nsecsElapsed()) / 1e6;
        manager.FinishChecks();
        if (!Filled(manager, count)) {
            state.SkipWithError("not every file was listed and checked");
            return;
        }
    }
    state.counters["grid_shown_ms"] =
        benchmark::Counter(shownMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ManagerFirstVisit)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ManagerSecondVisit(benchmark::State& state) {
    const int count = int(state.range(0));
    BoardFiles files(count);
    if (!files.ok) {
        state.SkipWithError("no data/SpellingGrammar.mdb in the build (build board_data first)");
        return;
    }
    {
        frmBordFile first;
        first.FinishChecks();
    }
    for (auto _ : state) {
        frmBordFile manager;
        manager.show();
        QApplication::processEvents();
        if (!Filled(manager, count)) {
            state.SkipWithError("a remembered check was not used");
            return;
        }
    }
}
BENCHMARK(BM_ManagerSecondVisit)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond);

// Every file opened and checked in turn, as the manager did on every visit.
void BM_AllFilesCheckedInTurn(benchmark::State& state) {
    const int count = int(state.range(0));
    BoardFiles files(count);
    for (auto _ : state) {
        if (ListBoardFiles(BoardDataFolders()).size() != count) {
            state.SkipWithError("not every file was listed");
            return;
        }
    }
}
BENCHMARK(BM_AllFilesCheckedInTurn)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond)->Iterations(2);

// Opening one file and reading its owner row: where the key is derived.
void BM_KeyDerivationPerFile(benchmark::State& state) {
    BoardFiles files(1);
    const QString path = files.home.filePath(QStringLiteral("data/Board0.mdb"));
    for (auto _ : state) {
        BoardFileInspection inspection;
        if (!IsUsableBoardFile(path, inspection)) {
            state.SkipWithError("the default board-game file is not usable");
            return;
        }
        inspection.Close();
    }
}
BENCHMARK(BM_KeyDerivationPerFile)->Unit(benchmark::kMillisecond);

void BM_OfflineDefinitionShown(benchmark::State& state) {
    if (!WordDefinitions::Available()) {
        state.SkipWithError("WordNet's data files are not installed");
        return;
    }
    QTemporaryDir home;
    AppSettings::setStorageFile(home.filePath(QStringLiteral("settings.ini")));
    QWidget owner;
    const QString words[] = {QStringLiteral("run"), QStringLiteral("garden"),
                             QStringLiteral("stone"), QStringLiteral("bright")};
    int i = 0;
    for (auto _ : state) {
        frmDictionary::LookUp(&owner, words[i++ % 4]);
        QApplication::processEvents();
    }
    AppSettings::setStorageFile(QString());
}
BENCHMARK(BM_OfflineDefinitionShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return RunBenchmarks<QApplication>(argc, argv);
}
