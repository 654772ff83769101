// The square windows on the build's default SpellingGrammar.mdb: the question
// window shown after landing (draw, answers, pictures; target < 100 ms), the
// spelling window shown with its pronunciation started (target < 150 ms), and
// the first word event of a spoken sentence after the click (target < 300 ms).
// Offscreen and silent unless the environment says otherwise.
#include "BenchMain.h"

#include "boardgame/BoardDatabase.h"
#include "media/ModuleMultimedia.h"
#include "media/clSpeach.h"
#include "players/ClassPlayerInfo.h"
#include "squares/ui/frmQuestion.h"
#include "squares/ui/frmSpelling.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A program folder of its own with a copy of the default board file, and a
// seat's player with a status record for it.
struct Board {
    Board() {
        QDir(home.path()).mkpath(QStringLiteral("temp"));
        QDir(home.path()).mkpath(QStringLiteral("data"));
        qputenv("MORDAVENTA_HOME", home.path().toLocal8Bit());
        const QString path = home.filePath(QStringLiteral("data/SpellingGrammar.mdb"));
        QFile::copy(QStringLiteral(MORDAVENTA_BUILD_HOME "/data/SpellingGrammar.mdb"), path);
        ok = OpenBoardDatabaseAt(path, board) &&
             LoadBoardStatus(*board.database, board.FileName(), player);
        player.NickName = QStringLiteral("Bench");
    }
    QTemporaryDir home;
    BoardDatabase board;
    ClassPlayerInfo player;
    bool ok = false;
};

void BM_QuestionWindowShown(benchmark::State& state) {
    Board b;
    if (!b.ok) {
        state.SkipWithError("cannot open data/SpellingGrammar.mdb (build board_data first)");
        return;
    }
    const QPixmap token(48, 48);
    int kind = 0;
    for (auto _ : state) {
        frmQuestion window;
        const QString code = QString::number(1 + kind++ % 3);
        if (!window.PrepareQuestion(code, token, *b.board.database, b.player)) {
            state.SkipWithError("no question drawn");
            return;
        }
        window.show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QuestionWindowShown)->Unit(benchmark::kMillisecond);

void BM_SpellingWindowShownAndPlaying(benchmark::State& state) {
    Board b;
    if (!b.ok) {
        state.SkipWithError("cannot open data/SpellingGrammar.mdb (build board_data first)");
        return;
    }
    const QPixmap token(48, 48);
    int level = 0;
    for (auto _ : state) {
        frmSpelling window;
        const QString code = QString::number(-1 - level++ % 3);
        if (!window.PrepareSpelling(code, token, QStringLiteral("Chance 3"), *b.board.database,
                                    b.player) ||
            ModuleMultimedia::mmPosition(QStringLiteral("vSounds")) < 0) {
            state.SkipWithError("no word drawn or its pronunciation is not playing");
            return;
        }
        window.show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SpellingWindowShownAndPlaying)->Unit(benchmark::kMillisecond);

class TimedBox : public SpokenTextBox {
public:
    QString Text() const override {
        return QStringLiteral("A noun is a word that names a person, a place or a thing.");
    }
    void SetFocus() override {}
    void Select(int, int length) override { selected = selected || length > 0; }
    bool selected = false;
};

void BM_FirstWordEvent(benchmark::State& state) {
    for (auto _ : state) {
        TimedBox box;
        QElapsedTimer clock;
        clock.start();
        clSpeach speech; // as the window does on the click
        speech.SpeekVoice(&box);
        while (!box.selected && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (!box.selected) {
            state.SkipWithError("no word event");
            return;
        }
    }
}
BENCHMARK(BM_FirstWordEvent)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return RunBenchmarks<QApplication>(argc, argv);
}
