#pragma once
// What the board window keeps of the people in its seats: their counters on
// the current board-game file, as the statistics window shows and resets
// them, and the saving of the seats' player files.
#include "boardgame/dao/DaoEngine.h"

#include <QList>
#include <QString>

class ClassPlayerInfo;

// One row of qSquareCounts: a square kind, its caption and how many words or
// questions stand behind it.
struct SquareCountRow {
    QString caption;
    QString squareId;
    QString count;
};
// The rows of qSquareCounts in the order the file returns them. Throws
// dao::DaoError.
QList<SquareCountRow> ReadSquareCounts(dao::Database& db);

// One line of a player's statistics: all empty when the player's counters
// have no entry for the kind.
struct BoardStatsRow {
    QString caption;
    QString right;
    QString wrong;
    QString count;
    QString squareId;
};
// The statistics of a counter text ("-1=2=1|5=0=3") for the file's kinds.
QList<BoardStatsRow> BoardStatsRows(const QString& statusText, const QList<SquareCountRow>& kinds);
// The counter text after a reset: every kind of the file at "=0=0", in the
// file's order.
QString ResetStatusText(const QList<SquareCountRow>& kinds);

// The counter text of the player's entry in use (SavedGamesIndex); "" when
// there is none.
QString BoardStatusText(const ClassPlayerInfo& player);
// Replaces the counter text of the entry in use; false when there is none.
bool SetBoardStatusText(ClassPlayerInfo& player, const QString& text);

// Saves every record, each whatever became of the others; a record that
// cannot be written is logged. Returns the nick names that failed.
QStringList SaveBoardPlayers(const QList<ClassPlayerInfo*>& players);
