#include "boardgame/file/BoardFileReader.h"

namespace BoardFileReader {

BoardContent ReadBoardFile(const QString& path) {
    throw dao::DaoError(dao::ErrEngine, QStringLiteral("Cannot read '%1' yet.").arg(path));
}
BoardContent ReadContent(dao::Database&) {
    return {};
}

} // namespace BoardFileReader
