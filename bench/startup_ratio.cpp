// Start-up against the floor: starts the built `mordaventa` and a bare Qt
// window (this program with --bare) alternately on the same display, each
// until its first frame, and prints the medians of both and their ratio, for
// the table and for the board, with the peak resident memory of each. A busy
// machine slows both alike, so only the ratio means much.
//
//   startup_ratio [--runs N] [--program PATH]...
//
// With several programs (a build before and after a change) each is run in
// turn against the same bare window.
//
// The child writes the monotonic clock at its first frame and its peak
// resident memory; the time counted is from just before starting it to that
// moment, so closing down is not counted. Never fails on slow figures: it
// reports them.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

qint64 MonotonicMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

qint64 PeakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QRegularExpression hwm(QStringLiteral("VmHWM:\\s*(\\d+)"));
    return hwm.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
}

// The bare window: one empty top-level widget the size of the table, reported
// at its first paint in the same words the program uses.
class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        if (m_painted)
            return;
        m_painted = true;
        QTimer::singleShot(0, qApp, [] {
            std::fprintf(stderr, "bare shown at %lld us, peak %lld kB\n",
                         static_cast<long long>(MonotonicMicroseconds()),
                         static_cast<long long>(PeakResidentKb()));
            QCoreApplication::quit();
        });
    }

private:
    bool m_painted = false;
};

int RunBare(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(800, 600);
    window.show();
    return app.exec();
}

struct Sample {
    double ms = -1;
    double peakMb = -1;
};

Sample RunOnce(const QString& program, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MORDAVENTA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    QProcess process;
    process.setProcessEnvironment(env);
    const qint64 started = MonotonicMicroseconds();
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("shown at (\\d+) us, peak (\\d+) kB"))
            .match(QString::fromLocal8Bit(process.readAllStandardError()));
    if (!m.hasMatch())
        return {};
    return {double(m.captured(1).toLongLong() - started) / 1000.0,
            m.captured(2).toDouble() / 1024.0};
}

double Median(std::vector<double> values) {
    std::erase_if(values, [](double v) { return v < 0; });
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Compare(const char* what, const QStringList& programs, const QStringList& arguments,
             const QString& self, int runs) {
    const QStringList bareArguments{QStringLiteral("--bare")};
    // One warm-up of each fills the page cache and the font cache.
    for (const QString& program : programs)
        RunOnce(program, arguments);
    RunOnce(self, bareArguments);
    std::vector<std::vector<double>> gameMs(size_t(programs.size())),
        gameMb(size_t(programs.size()));
    std::vector<double> bareMs, bareMb;
    for (int i = 0; i < runs; ++i) {
        // Alternating, so a change in the machine's load falls on all alike.
        for (qsizetype p = 0; p < programs.size(); ++p) {
            const Sample game = RunOnce(programs[p], arguments);
            gameMs[size_t(p)].push_back(game.ms);
            gameMb[size_t(p)].push_back(game.peakMb);
            const Sample bare = RunOnce(self, bareArguments);
            bareMs.push_back(bare.ms);
            bareMb.push_back(bare.peakMb);
        }
    }
    const double b = Median(bareMs), bm = Median(bareMb);
    for (qsizetype p = 0; p < programs.size(); ++p) {
        const double g = Median(gameMs[size_t(p)]), gm = Median(gameMb[size_t(p)]);
        const QByteArray name = programs.size() > 1 ? programs[p].toLocal8Bit() : QByteArray();
        if (g < 0 || b < 0) {
            std::printf("%-6s no figures: the program or the bare window did not report %s\n", what,
                        name.constData());
            continue;
        }
        std::printf("%-6s first frame %7.1f ms, bare %7.1f ms, ratio %.2f;"
                    " peak %5.1f MB, bare %5.1f MB, ratio %.2f %s\n",
                    what, g, b, g / b, gm, bm, bm > 0 ? gm / bm : 0.0, name.constData());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return RunBare(argc, argv);
    QCoreApplication app(argc, argv);
    int runs = 9;
    QStringList programs;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--program"))
            programs << args[++i];
    }
    if (programs.isEmpty())
        programs << QStringLiteral(MORDAVENTA_BUILD_HOME) + QStringLiteral("/mordaventa");
    const QString self = QCoreApplication::applicationFilePath();
    std::printf("start-up, median of %d alternating runs on QT_QPA_PLATFORM=%s\n", runs,
                qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                    ? qgetenv("QT_QPA_PLATFORM").constData()
                    : "(default)");
    Compare("table", programs, {}, self, runs);
    Compare("board", programs, {QStringLiteral("BoardGame")}, self, runs);
    return 0;
}
