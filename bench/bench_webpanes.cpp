// The board-file manager and the dictionary window: the manager's grid of 10
// board-game files, each checked (target < 1.5 s; most of it is deriving each
// file's key, measured alone per file), and an off-line definition shown in
// the dictionary window (target < 50 ms after the double click).
#include "BenchMain.h"

#include "boardgame/file/BoardFileChecks.h"
#include "boardgame/ui/frmBordFile.h"
#include "shell/AppSettings.h"
#include "shell/WordDefinitions.h"
#include "shell/ui/frmDictionary.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kFiles = 10;

// A program folder with ten copies of the default board-game file.
struct TenBoardFiles {
    QTemporaryDir home;
    bool ok = true;
    TenBoardFiles() {
        qputenv("MORDAVENTA_HOME", home.path().toLocal8Bit());
        AppSettings::setStorageFile(home.filePath(QStringLiteral("settings.ini")));
        QDir(home.path()).mkpath(QStringLiteral("data"));
        const QString source = QStringLiteral(MORDAVENTA_BUILD_HOME "/data/SpellingGrammar.mdb");
        for (int i = 0; i < kFiles; ++i)
            ok &= QFile::copy(source, home.filePath(QStringLiteral("data/Board%1.mdb").arg(i)));
    }
    ~TenBoardFiles() {
        qunsetenv("MORDAVENTA_HOME");
        AppSettings::setStorageFile(QString());
    }
};

void BM_ManagerGridOfTenFiles(benchmark::State& state) {
    TenBoardFiles files;
    if (!files.ok) {
        state.SkipWithError("no data/SpellingGrammar.mdb in the build (build board_data first)");
        return;
    }
    for (auto _ : state) {
        frmBordFile manager;
        if (manager.Rows().size() != kFiles) {
            state.SkipWithError("not every file was listed");
            return;
        }
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ManagerGridOfTenFiles)->Unit(benchmark::kMillisecond);

// Opening one file and reading its owner row: where the key is derived.
void BM_KeyDerivationPerFile(benchmark::State& state) {
    TenBoardFiles files;
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
