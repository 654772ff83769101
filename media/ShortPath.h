#pragma once
// Paths handed to the media command interpreter are split at blanks, so a
// path with blanks (any white space, or a double quote) is replaced by a
// blank-free alias of the same file.
#include <QString>

namespace ShortPath {

// The path itself when it has no blanks; otherwise a blank-free symbolic link
// to it in a private temporary folder (made once per file and reused, removed
// when the program ends). An empty text when the file does not exist.
QString GetShortPathName(const QString& longPath);

} // namespace ShortPath
