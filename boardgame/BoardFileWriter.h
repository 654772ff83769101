#pragma once
// Writing board-game files: the schema, the stored queries the game opens by
// name, the owner record and the content (squares, questions, spelling words).
#include "boardgame/DaoEngine.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

// The connect string every board-game file is opened with.
inline constexpr char kBoardConnect[] = "MS Access;pwd=4##pelmor##8;";
// Squares on a board (positions 1 to 56).
inline constexpr int kBoardSquares = 56;

// The square codes of the board.
namespace SquareCode {
inline constexpr int SpellEasy = -1;
inline constexpr int SpellMedium = -2;
inline constexpr int SpellHard = -3;
inline constexpr int Plain = -4;
inline constexpr int Back1 = -5;    // to Back4 = -8
inline constexpr int Forward1 = -9; // to Forward4 = -12
inline constexpr int Lowest = -12;
} // namespace SquareCode

struct BoardSquareStyle {
    QString caption;
    QVariant backColor; // 0x00BBGGRR or null
    QVariant fontColor;
    QVariant fontBackColor;
};

struct BoardAnswer {
    QString text;
    bool right = false;
    QByteArray picture; // JPEG; shown as a picture when not empty
};

struct BoardQuestion {
    QString text;
    QByteArray picture;
    QList<BoardAnswer> answers;
};

struct BoardCategory {
    int kind = 0; // the question square kind (positive)
    QString name;
    QString tip;
    QList<BoardQuestion> questions;
};

struct BoardWord {
    QString word;
    int level = SquareCode::SpellEasy; // -1, -2 or -3
    QString definition;
    QByteArray sound;   // a wave file
    QByteArray picture; // JPEG, may be empty
};

struct BoardContent {
    QString description;
    QString author;
    QList<int> layout;                   // square codes of positions 1..56
    QMap<int, BoardSquareStyle> styles;  // by square code
    QMap<int, QString> questionKinds;    // positive code -> caption
    QMap<int, QString> spellingCaptions; // -1, -2, -3 -> caption
    QList<BoardCategory> categories;
    QList<BoardWord> words;
};

namespace BoardFileWriter {

// Tables and stored queries of an empty board-game file.
void CreateSchema(dao::Database& db);
// Fills a file made by CreateSchema.
void WriteContent(dao::Database& db, const BoardContent& content);
// Writes a whole file to path: built beside it under another name and moved
// into place only when complete, so a failure leaves any old file as it was.
// Throws dao::DaoError.
void WriteBoardFile(const BoardContent& content, const QString& path);

// The Access text of each stored select and action query, by name.
QList<QPair<QString, QString>> SelectQueries();
QList<QPair<QString, QString>> ActionQueries();

} // namespace BoardFileWriter
