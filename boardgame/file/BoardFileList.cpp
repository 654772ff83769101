#include "boardgame/file/BoardFileList.h"

#include "boardgame/file/BoardFileChecks.h"
#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUuid>

#include <algorithm>

namespace {

bool HasBoardFileEnding(const QString& name) {
    return name.toLower().endsWith(QLatin1String("mdb"));
}

// A file whose statement ran past its budget: listed, so the player sees it,
// with its errors, so it cannot be chosen.
BoardFileRow DamagedRow(const QFileInfo& file, const QString& damage) {
    BoardFileRow row;
    row.fileName = file.fileName();
    row.sizeText = BoardFileSizeText(file.size());
    row.boardErrors = QLatin1String(kDamagedBoard);
    row.spellEasy = row.spellMedium = row.spellHard = row.questions = QLatin1String(kDamagedCheck);
    row.description = QStringLiteral("This file is damaged: ") + damage;
    return row;
}

// Copies source into a new file of folder; the caller names it. The file is
// created as any file of the folder is (not owner-only, as temporary files
// are), so other accounts sharing the folder can read the board.
bool CopyInto(const QString& source, QFile& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (target.write(buffer, n) != n)
            return false;
    }
    return target.flush();
}

} // namespace

QList<BoardFileRow> ListBoardFiles(const QStringList& folders) {
    QList<BoardFileRow> rows;
    for (const QFileInfo& file : BoardFileCandidates(folders)) {
        if (std::optional<BoardFileRow> row = CheckBoardFile(file))
            rows.append(*row);
    }
    return rows;
}

QFileInfoList BoardFileCandidates(const QStringList& folders) {
    QFileInfoList candidates;
    QSet<QString> earlier; // lower-case names of the folders already listed
    for (const QString& folder : folders) {
        QSet<QString> here;
        const QFileInfoList files =
            QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& file : files) {
            if (!HasBoardFileEnding(file.fileName()))
                continue;
            here.insert(file.fileName().toLower());
            if (!earlier.contains(file.fileName().toLower()))
                candidates.append(file);
        }
        earlier.unite(here);
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const QFileInfo& a, const QFileInfo& b) {
                         return a.fileName().compare(b.fileName(), Qt::CaseInsensitive) < 0;
                     });
    return candidates;
}

std::optional<BoardFileRow> CheckBoardFile(const QFileInfo& file) {
    BoardFileInspection inspection;
    if (!IsUsableBoardFile(file.absoluteFilePath(), inspection)) {
        // A file stopped by its statement budget is listed as damaged, so
        // the player sees why it cannot be chosen.
        if (!inspection.damage.isEmpty())
            return DamagedRow(file, inspection.damage);
        return std::nullopt;
    }
    dao::Database& db = *inspection.database;
    BoardFileRow row;
    row.fileName = file.fileName();
    row.sizeText = BoardFileSizeText(file.size());
    row.boardErrors = BoardLayoutErrorCount(db);
    row.spellEasy = SpellingEasyErrorCount(db);
    row.spellMedium = SpellingMediumErrorCount(db);
    row.spellHard = SpellingHardErrorCount(db);
    row.questions = QuestionsErrorCount(db);
    row.description = inspection.Description();
    if (!db.Damage().isEmpty())
        row = DamagedRow(file, db.Damage());
    inspection.Close();
    return row;
}

AddBoardFileResult AddBoardFile(const QString& source, const QString& folder,
                                const QStringList& alsoListed) {
    const QString name = QFileInfo(source).fileName();
    QDir dir(folder);
    // Names that differ only in letter case would be two files on this system
    // but one to the player reading the list; a shipped file of that name
    // would be hidden by the copy.
    QStringList listedFolders = alsoListed;
    listedFolders << folder;
    for (const QString& listed : std::as_const(listedFolders)) {
        for (const QString& existing :
             QDir(listed).entryList(QDir::AllEntries | QDir::Hidden | QDir::System)) {
            if (existing.compare(name, Qt::CaseInsensitive) == 0)
                return AddBoardFileResult::NameClash;
        }
    }
    // Players' status records name the file; a name they cannot hold
    // exactly would break or split them.
    if (!ClassPlayerInfo::CanHoldBoardName(name))
        return AddBoardFileResult::BadName;
    {
        BoardFileInspection inspection;
        if (name.isEmpty() || !QFileInfo(source).isFile() ||
            !IsUsableBoardFile(source, inspection) || !inspection.database->Damage().isEmpty() ||
            !SquareCountsFault(*inspection.database).isEmpty())
            return AddBoardFileResult::NotUsable;
        inspection.Close();
    }
    if (!dir.mkpath(QStringLiteral(".")))
        return AddBoardFileResult::CopyFailed;
    // The copy arrives under a hidden name and takes its own only when whole
    // and still a usable board-game file (the source may have changed or
    // gone since it was checked).
    QFile copy(dir.filePath(
        QStringLiteral(".adding-%1.part").arg(QUuid::createUuid().toString(QUuid::WithoutBraces))));
    struct RemoveUnlessNamed {
        QFile& file;
        bool named = false;
        ~RemoveUnlessNamed() {
            if (!named)
                file.remove();
        }
    } cleanup{copy};
    if (!CopyInto(source, copy)) {
        qCWarning(lcMordaventa) << "cannot copy board file" << source << copy.errorString();
        return QFileInfo::exists(source) ? AddBoardFileResult::CopyFailed
                                         : AddBoardFileResult::NotUsable;
    }
    copy.close();
    {
        BoardFileInspection inspection;
        if (!IsUsableBoardFile(copy.fileName(), inspection))
            return AddBoardFileResult::NotUsable;
        inspection.Close();
    }
    // rename() refuses to replace a file that appeared meanwhile.
    if (!copy.rename(dir.filePath(name)))
        return QFileInfo::exists(dir.filePath(name)) ? AddBoardFileResult::NameClash
                                                     : AddBoardFileResult::CopyFailed;
    cleanup.named = true;
    return AddBoardFileResult::Added;
}

QStringList BoardDataFolders() {
    return ProgramFolder::searchFolders(QStringLiteral("data"));
}

QString BoardDataFolder() {
    // An installed program's shipped folder is read-only: added files are the
    // user's own, like the copies of shipped files that play writes to.
    return ProgramFolder::resolveUnder(ProgramFolder::userRoot(), QStringLiteral("data"));
}
