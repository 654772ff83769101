#include "boardgame/file/BoardCsvImport.h"

QString BoardCsvProblem::text() const {
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(reason) : reason;
}

namespace BoardCsvImport {

QList<CsvRow> SplitCsv(const QString&) {
    return {};
}
BoardCsvRows Read(const QByteArray&) {
    return {};
}
BoardCsvRows ReadFile(const QString& path) {
    BoardCsvRows rows;
    rows.problems.append({0, QStringLiteral("cannot read %1").arg(path)});
    return rows;
}
void Speak(BoardCsvRows&, const BoardCsvHooks&) {}
int Apply(BoardContent&, const BoardCsvRows&, bool, QList<BoardCsvProblem>*) {
    return 0;
}

} // namespace BoardCsvImport
