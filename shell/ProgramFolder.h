#pragma once
// The program folder: the folder of the `mordaventa` executable, or the folder
// named by the environment variable MORDAVENTA_HOME. Every path question of the
// program (word list, sounds, board-game files, player files) goes through here.
#include <QString>

namespace ProgramFolder {

// The program folder itself, without a trailing separator.
QString root();

// A path below the program folder, written with "\" or "/" separators and with
// or without a leading separator ("\Dictionary\dictionary.dic",
// "Sounds/music"). The exact name wins; when it does not exist, each component
// is matched case-insensitively against what is on disk. A component that
// matches nothing is kept as written, so the result is also the path to create.
QString resolve(const QString& relative);

// Case-insensitive resolution of an absolute path or one relative to another
// folder (used for paths that callers build themselves).
QString resolveUnder(const QString& base, const QString& relative);

} // namespace ProgramFolder
