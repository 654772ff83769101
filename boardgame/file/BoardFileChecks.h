#pragma once
// The checks the board-file manager shows for each board-game file, as texts:
// board errors "Ok:0" / "Err:n", spelling "OK:n" / "Error:Rec=n" /
// "Error:No Rec", questions "OK:n" / "Error:n" / "Error:No Rec", and the size
// text "n KB".
#include "boardgame/dao/DaoEngine.h"

#include <QString>

#include <memory>

// A file opened for inspection: the database and its tlbOwner record set.
struct BoardFileInspection {
    std::unique_ptr<dao::Database> database;
    std::unique_ptr<dao::Recordset> owner;
    // Why the file is not usable ("" when it is), for the tool to say.
    QString failure;
    // Set when a statement ran past its budget: the file is listed as
    // damaged instead of being left out.
    QString damage;
    // The Description of the first tlbOwner row ("" when NULL).
    QString Description() const;
    void Close();
};

// True when the file opens with the board-game password and the first tlbOwner
// row's Visible is false (0). The opened database stays in inspection for the
// checks below; on false the inspection is closed.
bool IsUsableBoardFile(const QString& path, BoardFileInspection& inspection);

// "Ok:0", or "Err:" + the number of squares without a code plus the squares
// missing below 56, the captions over the size limit, and the faults of
// qSquareCounts (missing, or a row whose code or caption a player's status
// record cannot hold). A layout that cannot be read at all gives "Err:No
// Rec", so that such a file cannot be chosen.
QString BoardLayoutErrorCount(dao::Database& db);
// "OK:" + count, "Error:Rec=" + difference or "Error:No Rec"; "" when the
// stored query cannot be opened. "Error:" + n when the query is satisfied but
// n words of the kind cannot be asked (no word, a word over the size limit or
// not valid text, a definition, sound or picture over the limit); "Error:No
// Rec" without a Spelling table.
QString SpellingEasyErrorCount(dao::Database& db);
QString SpellingMediumErrorCount(dao::Database& db);
QString SpellingHardErrorCount(dao::Database& db);
// "OK:" + count, "Error:" + faulty count or "Error:No Rec"; "" when the
// stored query cannot be opened. "Error:" + n also when the query is
// satisfied but n rows cannot be asked: questions without text or answers,
// texts, pictures or captions over the size limits.
QString QuestionsErrorCount(dao::Database& db);

// Why qSquareCounts cannot make a player's status record ("" when it can).
QString SquareCountsFault(dao::Database& db);

// The row texts of a file whose statement ran past its budget.
inline constexpr char kDamagedBoard[] = "Err:Damaged";
inline constexpr char kDamagedCheck[] = "Error:Damaged";

// bytes / 1025, rounded, grouped in thousands, then " KB".
QString BoardFileSizeText(qint64 bytes);
