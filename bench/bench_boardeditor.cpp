// Board editor timings: opening the default SpellingGrammar.mdb of the build
// in the editing model and in the editor window (target < 300 ms); the
// checks after a keystroke on a board of 500 questions and 300 words, the
// whole board and the one item typed into (target < 16 ms); saving that
// board (target < 1 s).
#include "boardgame/BoardDraft.h"
#include "boardgame/ui/frmBoardEditor.h"

#include <QApplication>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "BenchMain.h"

namespace {

constexpr char kNoBoard[] = "cannot open data/SpellingGrammar.mdb (build board_data first)";

const QString kDefaultFile = QStringLiteral(MORDAVENTA_BUILD_HOME "/data/SpellingGrammar.mdb");

// The default board grown to 500 questions and 300 words (100 a difficulty):
// its own items repeated, each copy a little different so that every word is
// a word of its own.
BoardContent largeBoard() {
    BoardDraft draft;
    if (!draft.Open(kDefaultFile, nullptr))
        return {};
    BoardContent c = draft.Content();
    const QList<BoardCategory> categories = c.categories;
    const QList<BoardWord> words = c.words;
    auto questions = [&c] {
        int n = 0;
        for (const BoardCategory& category : c.categories)
            n += static_cast<int>(category.questions.size());
        return n;
    };
    while (questions() < 500)
        c.categories.append(categories);
    // Questions taken off the end down to 500; an emptied category goes.
    for (int left = questions() - 500; left > 0; --left) {
        c.categories.last().questions.removeLast();
        if (c.categories.last().questions.isEmpty())
            c.categories.removeLast();
    }
    c.words.clear();
    const char* letters = "abcdefghijklmnopqrstuvwxyz";
    for (int i = 0; i < 300; ++i) {
        BoardWord w = words[i % words.size()];
        w.word += QLatin1String(letters + i % 26, 1) + QLatin1String(letters + (i / 26) % 26, 1);
        w.level = SquareCode::SpellEasy - i % 3;
        c.words.append(w);
    }
    return c;
}

// The large board saved to a scratch file and opened in a draft.
struct LargeDraft {
    QTemporaryDir dir;
    BoardDraft draft;
    bool open(benchmark::State& state) {
        const BoardContent content = largeBoard();
        const QString file = dir.filePath(QStringLiteral("large.mdb"));
        if (content.categories.isEmpty())
            state.SkipWithError(kNoBoard);
        else
            BoardFileWriter::WriteBoardFile(content, file);
        return !content.categories.isEmpty() && draft.Open(file, nullptr);
    }
};

void BM_OpenDefaultBoard(benchmark::State& state) {
    for (auto _ : state) {
        BoardDraft draft;
        if (!draft.Open(kDefaultFile, nullptr)) {
            state.SkipWithError(kNoBoard);
            return;
        }
        benchmark::DoNotOptimize(draft.Findings().size());
    }
}
BENCHMARK(BM_OpenDefaultBoard)->Unit(benchmark::kMillisecond);

// The same board opened in the editor window, to its tree shown on screen.
void BM_OpenDefaultBoardInWindow(benchmark::State& state) {
    for (auto _ : state) {
        frmBoardEditor editor;
        if (!editor.Draft().Open(kDefaultFile, nullptr)) {
            state.SkipWithError(kNoBoard);
            return;
        }
        editor.ShowDraft();
        editor.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenDefaultBoardInWindow)->Unit(benchmark::kMillisecond);

// A keystroke in a question's text: the edit, its undo step and the checks
// of the whole board that the window shows.
void BM_KeystrokeWholeCheck(benchmark::State& state) {
    LargeDraft large;
    if (!large.open(state))
        return;
    BoardDraft& draft = large.draft;
    const int ci = static_cast<int>(draft.Content().categories.size()) / 2;
    QString text = draft.Content().categories[ci].questions[0].text;
    for (auto _ : state) {
        text += QLatin1Char('x');
        draft.SetQuestionText(ci, 0, text);
        benchmark::DoNotOptimize(draft.Findings().size());
    }
    state.counters["questions"] = 500;
    state.counters["words"] = static_cast<double>(draft.Content().words.size());
}
BENCHMARK(BM_KeystrokeWholeCheck)->Unit(benchmark::kMillisecond);

// The check of the one item typed into, for a window that shows it at once
// and the whole list later.
void BM_KeystrokeItemCheck(benchmark::State& state) {
    BoardContent large = largeBoard();
    if (large.categories.isEmpty()) {
        state.SkipWithError(kNoBoard);
        return;
    }
    const int ci = static_cast<int>(large.categories.size()) / 2;
    const BoardItemRef item = BoardItemRef::Question(ci, 0);
    for (auto _ : state) {
        large.categories[ci].questions[0].text += QLatin1Char('x');
        benchmark::DoNotOptimize(BoardContentChecks::CheckItem(large, item).size());
    }
}
BENCHMARK(BM_KeystrokeItemCheck)->Unit(benchmark::kMillisecond);

void BM_SaveLargeBoard(benchmark::State& state) {
    LargeDraft large;
    if (!large.open(state))
        return;
    BoardDraft& draft = large.draft;
    int n = 0;
    for (auto _ : state) {
        draft.SetDescription(QStringLiteral("Saved %1 times").arg(++n));
        const BoardSaveResult saved = draft.Save();
        if (!saved.saved()) {
            state.SkipWithError(qPrintable(saved.message));
            return;
        }
    }
}
BENCHMARK(BM_SaveLargeBoard)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QApplication>(argc, argv);
}
