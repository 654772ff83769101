// Board-game file timings on the default SpellingGrammar.mdb of the build:
// opening it and walking qBoardLayout (target < 150 ms), and drawing a random
// question with its answers (target < 20 ms).
#include "boardgame/BoardDatabase.h"
#include "boardgame/file/BoardSchema.h"
#include "shell/RandomSource.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString copyOfDefaultFile(QTemporaryDir& dir) {
    const QString source = QStringLiteral(MORDAVENTA_BUILD_HOME "/data/SpellingGrammar.mdb");
    const QString copy = dir.filePath(QStringLiteral("SpellingGrammar.mdb"));
    QFile::copy(source, copy);
    return copy;
}

void BM_OpenAndWalkBoardLayout(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = copyOfDefaultFile(dir);
    for (auto _ : state) {
        BoardDatabase board;
        if (!OpenBoardDatabaseAt(path, board)) {
            state.SkipWithError("cannot open data/SpellingGrammar.mdb (build board_data first)");
            return;
        }
        dao::Recordset& rs = *board.boardLayout;
        rs.MoveFirst();
        qint64 sum = 0;
        while (!rs.Eof()) {
            sum += rs.Fields(QStringLiteral("BoardLayOut.SquareID")).Value().toLongLong();
            sum += rs.Fields(QStringLiteral("BackColor")).Value().toLongLong();
            sum += rs.Fields(QStringLiteral("FontColor")).Value().toLongLong();
            sum += rs.Fields(QStringLiteral("FontBackColor")).Value().toLongLong();
            sum += rs.Fields(QStringLiteral("Caption")).Value().toString().size();
            rs.MoveNext();
        }
        benchmark::DoNotOptimize(sum);
        board.Close();
    }
}
BENCHMARK(BM_OpenAndWalkBoardLayout)->Unit(benchmark::kMillisecond);

void BM_DrawRandomQuestion(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = copyOfDefaultFile(dir);
    BoardDatabase board;
    if (!OpenBoardDatabaseAt(path, board)) {
        state.SkipWithError("cannot open data/SpellingGrammar.mdb (build board_data first)");
        return;
    }
    dao::Database& db = *board.database;
    for (auto _ : state) {
        const int kind = 1 + RandomSource::instance().below(3);
        auto q = db.OpenRecordset(
            QStringLiteral(
                "SELECT SquareQuestion.Caption, QuestionsTip.SquareID, QuestionsTip.CategoryID, "
                "QuestionsTip.QuestionTip, Questions.QuestionID, Questions.Question, "
                "Questions.Answer, Questions.QuestionAsk, Questions.iPicture FROM SquareQuestion "
                "INNER JOIN (QuestionsTip INNER JOIN Questions ON QuestionsTip.CategoryID = "
                "Questions.CategoryID) ON SquareQuestion.SquareID = QuestionsTip.SquareID WHERE "
                "(((QuestionsTip.SquareID)=") +
            QString::number(kind) + QStringLiteral("));"));
        q->MoveLast();
        q->setAbsolutePosition(RandomSource::instance().below(q->RecordCount()));
        auto picture = q->Fields(QStringLiteral("iPicture"));
        benchmark::DoNotOptimize(picture.GetChunk(0, picture.FieldSize()));
        benchmark::DoNotOptimize(q->Fields(QStringLiteral("Question")).Value());
        auto a = db.OpenRecordset(
            QStringLiteral("SELECT QuestionAnswer.AnswerID, QuestionAnswer.QuestionID, "
                           "QuestionAnswer.SelectAnswer, QuestionAnswer.PictureYesNo, "
                           "QuestionAnswer.iPicture From QuestionAnswer WHERE "
                           "(((QuestionAnswer.QuestionID)=") +
            q->Fields(QStringLiteral("QuestionID")).Value().toString() + QStringLiteral("));"));
        a->MoveLast();
        a->MoveFirst();
        while (!a->Eof()) {
            benchmark::DoNotOptimize(a->Fields(QStringLiteral("SelectAnswer")).Value());
            auto p = a->Fields(QStringLiteral("iPicture"));
            benchmark::DoNotOptimize(p.GetChunk(0, p.FieldSize()));
            a->MoveNext();
        }
    }
}
BENCHMARK(BM_DrawRandomQuestion)->Unit(benchmark::kMillisecond);

void BM_DrawRandomSpellingWord(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = copyOfDefaultFile(dir);
    BoardDatabase board;
    if (!OpenBoardDatabaseAt(path, board)) {
        state.SkipWithError("cannot open data/SpellingGrammar.mdb (build board_data first)");
        return;
    }
    const QString queries[] = {QStringLiteral("SpellingEasy"), QStringLiteral("SpellingMedium"),
                               QStringLiteral("SpellingHard")};
    for (auto _ : state) {
        auto rs = board.database->OpenRecordset(queries[RandomSource::instance().below(3)]);
        rs->MoveLast();
        rs->setAbsolutePosition(RandomSource::instance().below(rs->RecordCount()));
        auto sound = rs->Fields(QStringLiteral("Sound"));
        benchmark::DoNotOptimize(sound.GetChunk(0, sound.FieldSize()));
    }
}
BENCHMARK(BM_DrawRandomSpellingWord)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
