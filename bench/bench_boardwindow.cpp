// The board window's targets, on the default SpellingGrammar.mdb of the build:
//  - from starting `mordaventa BoardGame` until the board is built and shown
//    (target < 300 ms), beside the opening of the file alone, which is mostly
//    the derivation of the file's key from its password;
//  - building the board again after "Set Game File" (target < 100 ms);
//  - resident memory with the board shown (target < 80 MB), as counter rss_MB.
#include "BenchMain.h"

#include "boardgame/BoardDatabase.h"
#include "boardgame/file/BoardSchema.h"
#include "boardgame/ui/frmDictation.h"
#include "shell/AppSettings.h"
#include "shell/ui/ModalCloser.h"
#include "squares/ui/QuestionAndSpellingWindows.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString kDefaultBoard = QStringLiteral(MORDAVENTA_BUILD_HOME "/data/SpellingGrammar.mdb");

void BM_StartToBoardShown(benchmark::State& state) {
    const QString program = QStringLiteral(MORDAVENTA_BUILD_HOME) + QStringLiteral("/mordaventa");
    QTemporaryDir config; // the user's own settings stay as they are
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("MORDAVENTA_SILENT_AUDIO"), QStringLiteral("1"));
    env.insert(QStringLiteral("MORDAVENTA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.remove(QStringLiteral("MORDAVENTA_HOME"));
    double reportedTotal = 0;
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        process.start(program, {QStringLiteral("BoardGame")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("mordaventa BoardGame did not start and quit");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("board shown after (\\d+) ms"))
                .match(QString::fromLocal8Bit(process.readAllStandardError()));
        reportedTotal += m.hasMatch() ? m.captured(1).toDouble() : 0.0;
    }
    // The program's own figure: from entering main to the board shown.
    state.counters["shown_ms_inside"] =
        benchmark::Counter(reportedTotal, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartToBoardShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Opening the file with its password: the key derivation and one read.
void BM_OpenBoardFileOnly(benchmark::State& state) {
    for (auto _ : state) {
        auto db =
            dao::DBEngine::OpenDatabase(kDefaultBoard, false, true, QLatin1String(kBoardConnect));
        benchmark::DoNotOptimize(db.get());
    }
}
BENCHMARK(BM_OpenBoardFileOnly)->Unit(benchmark::kMillisecond);

double ResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+) kB"))
                                          .match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toDouble() / 1024.0 : 0;
}

// "Set Game File" in a shown board window: the file opened again and the
// 56 squares, captions, numbers and arrows laid out anew.
void BM_RebuildAfterSetGameFile(benchmark::State& state) {
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("data"));
    QDir(home.path()).mkpath(QStringLiteral("temp"));
    QFile::copy(kDefaultBoard, home.filePath(QStringLiteral("data/SpellingGrammar.mdb")));
    qputenv("MORDAVENTA_HOME", home.path().toLocal8Bit());
    AppSettings::setStorageFile(home.filePath(QStringLiteral("settings.ini")));
    {
        frmDictation window(std::make_unique<QuestionAndSpellingWindows>());
        window.show();
        window.LoadForm();
        QCoreApplication::processEvents();
        if (!window.Database().IsOpen()) {
            state.SkipWithError("cannot open data/SpellingGrammar.mdb (build board_data first)");
            return;
        }
        state.counters["rss_MB"] = ResidentMegabytes();
        for (auto _ : state) {
            window.lblMenu_Click(2);
            QCoreApplication::processEvents();
        }
    }
    AppSettings::setStorageFile(QString());
    qunsetenv("MORDAVENTA_HOME");
}
BENCHMARK(BM_RebuildAfterSetGameFile)->Unit(benchmark::kMillisecond);

// The start-up advertisement the board shows once loaded is closed at once.
void CloseStartupWindows() {
    new ModalCloser({QStringLiteral("frmSplash"), QStringLiteral("frmBordFile")}, qApp);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(CloseStartupWindows)

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("MORDAVENTA_SILENT_AUDIO", "1");
    return RunBenchmarks<QApplication>(argc, argv);
}
