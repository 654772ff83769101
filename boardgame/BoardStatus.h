#pragma once
// A player's board status text for one board-game file: items joined by "|",
// each the square kind's code, "=", the right answers, "=", the wrong answers,
// in decimal ("-1=0=0|-2=4=1|5=3=0"). This is the one reader and writer of
// that text and of the entry that holds it: a new record, the question and
// spelling squares, the statistics and the class report all go through it.
// A kind's counters are those of its first item; codes are the same kind
// when they are the same number ("5" and "05"), else when the same text.
#include "boardgame/dao/DaoEngine.h"

#include <QList>
#include <QString>

class ClassPlayerInfo;
class ClassSavedGameInfo;

struct StatusCounter {
    // The three parts as written; a part missing from a damaged item is empty.
    QString code;
    QString right;
    QString wrong;
};

// One row of qSquareCounts: a square kind, its caption and how many words or
// questions stand behind it.
struct SquareCountRow {
    QString caption;
    QString squareId;
    QString count;
};

// One line of a player's statistics: all empty when the player's counters
// have no item for the kind.
struct BoardStatsRow {
    QString caption;
    QString right;
    QString wrong;
    QString count;
    QString squareId;
};

namespace BoardStatus {

QList<StatusCounter> Read(const QString& text);
QString Write(const QList<StatusCounter>& counters);
bool SameCode(const QString& a, const QString& b);

// The text with one answer counted for the square kind `code`: the kind's
// first item gets one more right (or wrong) answer; without such an item
// "code=1=0" (or "code=0=1") is appended, after a "|" unless the text was
// empty. Every other item is kept exactly as it was.
QString CountAnswer(const QString& text, const QString& code, bool right);

// The text of a new record, and of a record reset: every kind of the file
// at "=0=0", in the file's order.
QString New(const QList<SquareCountRow>& kinds);
// The statistics of a text for the file's kinds, in the file's order.
QList<BoardStatsRow> Rows(const QString& text, const QList<SquareCountRow>& kinds);
// The rows of qSquareCounts in the order the file returns them. Throws
// dao::DaoError.
QList<SquareCountRow> ReadSquareCounts(dao::Database& db);

// The player's entry in use (the one whose key is SavedGamesIndex); none
// when there is no such entry.
ClassSavedGameInfo* Entry(ClassPlayerInfo& player);
QString Text(const ClassPlayerInfo& player);
// Replaces the text of the entry in use; false when there is none.
bool SetText(ClassPlayerInfo& player, const QString& text);
// Counts one answer on the entry in use; false, and nothing changed, when
// there is none.
bool Count(ClassPlayerInfo& player, const QString& code, bool right);

} // namespace BoardStatus
