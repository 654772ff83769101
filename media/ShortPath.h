#pragma once
// Paths handed to the media command interpreter are split at blanks, so a
// path with blanks is replaced by a blank-free alias of the same file.
#include <QString>

namespace ShortPath {

// The path itself when it has no blanks; otherwise a blank-free symbolic link
// to it in a private temporary folder (made once per file and reused). An
// empty text when the file does not exist.
QString GetShortPathName(const QString& longPath);

} // namespace ShortPath
