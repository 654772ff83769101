#pragma once
// The shared board database of the board window and each player's board
// status record for the current board-game file.
#include "boardgame/dao/DaoEngine.h"

#include <QString>

#include <QList>
#include <QStringList>

#include <memory>
#include <optional>

class ClassPlayerInfo;

// The current board-game file, open for as long as the board window is, with
// its record set on qBoardLayout.
struct BoardDatabase {
    std::unique_ptr<dao::Database> database;
    std::unique_ptr<dao::Recordset> boardLayout;

    bool IsOpen() const { return database && database->IsOpen(); }
    // The file name without folder, as board status records name the file.
    QString FileName() const;
    void Close();
};

// Opens the current file and its qBoardLayout. False (nothing reported, board
// left as it was) when the file cannot be opened, lacks qBoardLayout, or its
// layout has fewer than 56 rows. damage (when given) receives why the file
// counts as damaged when a statement ran past its budget.
bool OpenBoardDatabase(BoardDatabase& board, QString* damage = nullptr);
bool OpenBoardDatabaseAt(const QString& path, BoardDatabase& board, QString* damage = nullptr);

// One row of qBoardLayout as the board shows it: the square's tag ("-4" for a
// NULL code) and its caption and colours (unset where NULL).
struct BoardSquareRow {
    QString tag;
    QString caption;
    std::optional<quint32> backColor;
    std::optional<quint32> fontColor;
    std::optional<quint32> fontBackColor;
};
// The rows of the open qBoardLayout from its first, at most 56. Throws
// dao::DaoError when the record set cannot be read.
QList<BoardSquareRow> ReadBoardLayout(dao::Recordset& layout);

// Opens the current file and reads its layout; false (board left as it was)
// when either fails.
bool OpenBoardWithLayout(BoardDatabase& board, QList<BoardSquareRow>& rows,
                         QString* damage = nullptr);
// The squares' tags of the layout, in order.
QStringList SquareTags(const QList<BoardSquareRow>& rows);

// Finds the player's board status entry for fileName (exact comparison) and
// puts its key in SavedGamesIndex; creates the entry when there is none.
// False, with SavedGamesIndex "", when no entry could be found or made.
bool LoadBoardStatus(dao::Database& db, const QString& fileName, ClassPlayerInfo& player);
// Adds a new status entry "-1=0=0|..." (one item per qSquareCounts row) under
// the key "B" + (number of entries + 1) and makes it the entry in use.
bool CreateBoardStatus(dao::Database& db, const QString& fileName, ClassPlayerInfo& player);

// Statements the question square sends to the current file, word for word as
// the file's authors know them (the parameter is appended as shown).
namespace BoardStatements {
// Every question of every category of a question square kind, with its tip.
QString QuestionStatement(const QString& squareCode);
// The answer choices of one question.
QString AnswerStatement(const QString& questionId);
// Puts every asked question of a square kind back into its pool.
QString ClearQuestionAskStatement(const QString& squareCode);
} // namespace BoardStatements
