#pragma once
// What the board-file manager lists and does: the board-game files of the
// program's data folder with their checks and adding a file to the folder.
// The two settings the manager changes are in BoardSettings.h.
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct BoardFileRow {
    QString fileName; // without folder
    QString sizeText;
    QString boardErrors;
    QString spellEasy;
    QString spellMedium;
    QString spellHard;
    QString questions;
    QString description;
    // A file with board errors cannot be made the current one; the spelling
    // and question columns do not block it.
    bool CanBeChosen() const { return !boardErrors.startsWith(QLatin1String("Err")); }
};

// The usable board-game files of `folders` (names ending in "mdb" in any
// letter case; files that do not open or are marked hidden are left out),
// each with its checks, sorted by name; a file that ran past a statement's
// budget is listed with kDamagedBoard and kDamagedCheck and why in its
// description, without regard to case. A file of an
// earlier folder hides a file of the same name, in any letter case, in a later
// one, as the program opens the earlier one.
QList<BoardFileRow> ListBoardFiles(const QStringList& folders);
// The files ListBoardFiles looks at, in its order, before any is opened.
QFileInfoList BoardFileCandidates(const QStringList& folders);
// One file's row with its checks; nothing when the file is not usable.
std::optional<BoardFileRow> CheckBoardFile(const QFileInfo& file);

enum class AddBoardFileResult {
    Added,
    NameClash, // a file of that name (in any letter case) is already there
    NotUsable, // not a board-game file, hidden, unreadable, a folder, gone or
               // damaged (a statement past its budget, no usable qSquareCounts)
    BadName,   // a name players' status records cannot hold (see
               // ClassPlayerInfo::CanHoldBoardName)
    CopyFailed // the copy could not be written; nothing was left behind
};
// Copies the file at `source` into `folder` under its own name. Never
// replaces a file, and leaves the folder as it was unless the whole copy
// arrived and is itself a usable board-game file. A name already in `folder`
// or in one of `alsoListed` clashes.
AddBoardFileResult AddBoardFile(const QString& source, const QString& folder,
                                const QStringList& alsoListed = {});

// The folders the board-game files are listed from, the user's own first
// (beside the executable and with MORDAVENTA_HOME only "\data\").
QStringList BoardDataFolders();
// The folder added board-game files go to: the user's own "\data\".
QString BoardDataFolder();
