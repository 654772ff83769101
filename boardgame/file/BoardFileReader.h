#pragma once
// Reading a whole board-game file back into the content it was written from:
// the inverse of BoardFileWriter::WriteContent. A file is refused (throwing
// dao::DaoError with a reason a person can act on) when it cannot be opened,
// is marked hidden, ran a statement past its budget, or holds a row over the
// size limits the game keeps.
#include "boardgame/file/BoardFileWriter.h"

namespace BoardFileReader {

// Reads the file at path. Throws dao::DaoError.
BoardContent ReadBoardFile(const QString& path);
// Reads the content of an open file. Throws dao::DaoError.
BoardContent ReadContent(dao::Database& db);

} // namespace BoardFileReader
