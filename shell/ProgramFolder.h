#pragma once
// The program folder: every path question of the program (word list, sounds,
// board-game files, player files) goes through here.
//
// Two folders answer them:
//  - the data folder holds what the program only reads: Dictionary/,
//    Sounds/ and the shipped board-game files in data/;
//  - the user folder holds what a player writes: the player and scratch
//    files in temp/ and the board-game files added in data/.
// Beside the executable (a folder unpacked anywhere) both are the
// executable's folder, as long as it is writable. The build tree reads its
// data beside the executable and keeps the user's files in the user's data
// folder, as an installed program does. An installed program
// (bin/mordaventa beside share/mordaventa) reads from share/mordaventa and
// keeps each user's files in that user's data folder
// (~/.local/share/mordaventa). MORDAVENTA_HOME names one folder that serves
// as both, whatever else is found.
#include <QString>
#include <QStringList>

namespace ProgramFolder {

struct Layout {
    QString dataRoot;
    QString userRoot;

    // See the free functions below, which answer for the running program.
    QString resolve(const QString& relative) const;
    QStringList searchFolders(const QString& relative) const;
    QString writableFile(const QString& relative) const;
};

// The layout for what a process sees: the value of MORDAVENTA_HOME (empty when
// unset), the executable's folder and the per-user data folder.
Layout chooseLayout(const QString& homeVariable, const QString& executableFolder,
                    const QString& userDataFolder);

// The layout of the running program.
Layout current();

// The per-user data folder, $XDG_DATA_HOME/mordaventa (usually
// ~/.local/share/mordaventa): the same for the game and for mordaventa-tool.
QString userDataFolder();

// The data folder, without a trailing separator.
QString root();
// The user folder, without a trailing separator.
QString userRoot();

// A path below the program folder, written with "\" or "/" separators and with
// or without a leading separator ("\Dictionary\dictionary.dic",
// "Sounds/music"). Paths below temp/ lie in the user folder; below data/ the
// user's file wins over a shipped one of the same name, and a name found in
// neither is answered in the user folder (the place to create it). The exact
// name wins; when it does not exist, each component is matched
// case-insensitively against what is on disk. A component that matches
// nothing is kept as written, so the result is also the path to create.
QString resolve(const QString& relative);

// Every existing folder that holds entries of a folder below the program
// folder, the user's first: for "data" the added board-game files and the
// shipped ones. List a folder's files through this, not through resolve(); a
// name found in an earlier folder hides the same name in a later one (the
// user's copy of a shipped board-game file).
QStringList searchFolders(const QString& relative);

// The user-folder path of a file the program changes while it uses it (the
// board-game file in play): a file that is only found among the read-only
// shipped data is first copied into the user folder. Empty when that copy
// fails.
QString writableFile(const QString& relative);

// Case-insensitive resolution of an absolute path or one relative to another
// folder (used for paths that callers build themselves).
QString resolveUnder(const QString& base, const QString& relative);

} // namespace ProgramFolder
