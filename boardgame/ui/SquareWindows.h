#pragma once
// What the board window asks of a question or a spelling square. The board
// window owns the open board-game file and one player record per seat; it hands
// both to the square explicitly instead of the square reaching back into the
// window for them.
#include "boardgame/file/ItemLevels.h"

#include <QPixmap>
#include <QString>

class ClassPlayerInfo;
class QWidget;
namespace dao {
class Database;
}

class SquareWindows {
public:
    virtual ~SquareWindows() = default;

    // A question square. owner: the board window; squareCode: the square's tag
    // text; token: the seat's token picture; database: the board's open file;
    // seatPlayer: the seat's record, whose board status entry is updated;
    // level: the seat's level, at which the question or word is drawn.
    // True for a right answer, and also when no question could be opened (a
    // free move); false for a wrong answer or a window closed unanswered.
    virtual bool LoadQuestion(QWidget* owner, const QString& squareCode, const QPixmap& token,
                              dao::Database& database, ClassPlayerInfo& seatPlayer,
                              ItemLevel level = ItemLevel::Any) = 0;

    // A spelling square ("-1", "-2" or "-3"). chance: the text of the seat's
    // chance list ("Chance 1" to "Chance 3"). True for a right spelling, and
    // also when no word could be drawn (a free move, nothing recorded); false
    // when the chances ran out or the window was closed.
    virtual bool LoadSpelling(QWidget* owner, const QString& squareCode, const QPixmap& token,
                              const QString& chance, dao::Database& database,
                              ClassPlayerInfo& seatPlayer, ItemLevel level = ItemLevel::Any) = 0;
};
