// Start-up time: from starting `mordaventa` until its table window is first
// shown (the program reports and quits when MORDAVENTA_EXIT_AFTER_SHOW is
// set). Runs the built program against the build's own program folder, with
// the real word list, sounds and music list. Target: under 0.5 s.
#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

namespace {

void BM_StartToTableShown(benchmark::State& state) {
    const QString program = QStringLiteral(MORDAVENTA_BUILD_HOME) + QStringLiteral("/mordaventa");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("MORDAVENTA_SILENT_AUDIO"), QStringLiteral("1"));
    env.insert(QStringLiteral("MORDAVENTA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    env.remove(QStringLiteral("MORDAVENTA_HOME"));
    double reportedTotal = 0;
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        process.start(program, {});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("mordaventa did not start and quit");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("table shown after (\\d+) ms"))
                .match(QString::fromLocal8Bit(process.readAllStandardError()));
        reportedTotal += m.hasMatch() ? m.captured(1).toDouble() : 0.0;
    }
    // The program's own figure: from entering main to the first frame.
    state.counters["shown_ms_inside"] =
        benchmark::Counter(reportedTotal, benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(BM_StartToTableShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) {
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
