// mordaventa-tool solve: whether a Vantorell deal can be won, and how. The
// deal is the one the game makes from a seed, or one written out pile by
// pile as in a saved-game record.
#include "ToolCommand.h"

#include "engine/ClDictionary.h"
#include "engine/ClSolitary.h"
#include "engine/DealSolver.h"
#include "shell/ProgramFolder.h"
#include "shell/RandomSource.h"

namespace {

const QString kUsage = QStringLiteral(
    "usage: solve --level L (--seed N | --piles P1 P2 P3 P4 P5 --stock S [--discards D]) "
    "[--budget MS]");

bool ReadNumber(const QString& text, qint64 low, qint64 high, qint64& value) {
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok && value >= low && value <= high;
}

int run(const QStringList& arguments) {
    DealState state;
    qint64 level = 0;
    qint64 seed = -1;
    qint64 budgetMs = 1000;
    bool havePiles = false;
    bool haveStock = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments.at(i);
        const auto value = [&](QString& out) {
            if (i + 1 >= arguments.size())
                return false;
            out = arguments.at(++i);
            return true;
        };
        QString text;
        if (option == QLatin1String("--level")) {
            if (!value(text) || !ReadNumber(text, 3, 7, level))
                return toolError(QStringLiteral("bad level \"%1\": the level is a word length "
                                                "from 3 to 7")
                                     .arg(text));
        } else if (option == QLatin1String("--seed")) {
            if (!value(text) || !ReadNumber(text, 0, 0xffffffffLL, seed))
                return toolError(QStringLiteral("bad seed \"%1\": a whole number from 0 to "
                                                "4294967295")
                                     .arg(text));
        } else if (option == QLatin1String("--budget")) {
            if (!value(text) || !ReadNumber(text, 1, 3600 * 1000, budgetMs))
                return toolError(
                    QStringLiteral("bad budget \"%1\": milliseconds, at least 1").arg(text));
        } else if (option == QLatin1String("--piles")) {
            if (i + 5 >= arguments.size())
                return toolError(QStringLiteral("--piles takes five piles"));
            for (int p = 0; p < 5; ++p)
                state.piles[p] = arguments.at(++i);
            havePiles = true;
        } else if (option == QLatin1String("--stock")) {
            if (!value(state.stock))
                return toolError(kUsage);
            haveStock = true;
        } else if (option == QLatin1String("--discards")) {
            if (!value(state.discards))
                return toolError(kUsage);
        } else {
            return toolError(QStringLiteral("unknown option \"%1\"; %2").arg(option, kUsage));
        }
    }
    if (level == 0 || (seed >= 0) == (havePiles || haveStock) ||
        (seed < 0 && !(havePiles && haveStock)))
        return toolError(kUsage);

    if (seed >= 0) {
        const std::unique_ptr<RandomSource> random = makeSeededRandom(unsigned(seed));
        state = ClSolitary::DealtGame(ClSolitary::ShuffledDeck(*random), qint16(level));
    } else {
        state.level = int(level);
        const QString wrong = DealSolver::CheckState(state);
        if (!wrong.isEmpty())
            return toolError(wrong);
    }

    ClDictionary words;
    QString error;
    if (!words.LoadDictionaryFile(
            ProgramFolder::resolve(QStringLiteral("\\Dictionary\\dictionary.dic")), &error))
        return toolError(error);
    const DealSolver solver(words, int(level));
    SolverBudget budget;
    budget.milliseconds = int(budgetMs);
    const SolverAnswer answer = solver.Solve(state, budget);
    toolPrint(DealSolver::VerdictText(answer.verdict));
    for (const SolverMove& move : answer.moves)
        toolPrint(move.Text());
    return 0;
}

const ToolCommandRegistration reg{QStringLiteral("solve"),
                                  QStringLiteral("solve --level L --seed N [--budget MS]\n  "
                                                 "solve --level L --piles P1 P2 P3 P4 P5 "
                                                 "--stock S [--discards D] [--budget MS]"),
                                  &run};

} // namespace
