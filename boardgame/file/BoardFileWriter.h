#pragma once
// Writing board-game files: the schema, the stored queries the game opens by
// name, the owner record and the content (squares, questions, spelling words).
#include "boardgame/dao/DaoEngine.h"
#include "boardgame/file/BoardSchema.h"
#include "boardgame/file/ItemLevels.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

struct BoardSquareStyle {
    QString caption;
    QVariant backColor; // 0x00BBGGRR or null
    QVariant fontColor;
    QVariant fontBackColor;
    friend bool operator==(const BoardSquareStyle&, const BoardSquareStyle&) = default;
};

struct BoardAnswer {
    QString text;
    bool right = false;
    QByteArray picture; // JPEG; shown as a picture when not empty
    friend bool operator==(const BoardAnswer&, const BoardAnswer&) = default;
};

struct BoardQuestion {
    QString text;
    QByteArray picture;
    QList<BoardAnswer> answers;
    ItemLevel itemLevel = ItemLevel::Any; // Any: no level given
    friend bool operator==(const BoardQuestion&, const BoardQuestion&) = default;
};

struct BoardCategory {
    int kind = 0; // the question square kind (positive)
    QString name;
    QString tip;
    QList<BoardQuestion> questions;
    friend bool operator==(const BoardCategory&, const BoardCategory&) = default;
};

struct BoardWord {
    QString word;
    int level = SquareCode::SpellEasy; // -1, -2 or -3
    QString definition;
    QByteArray sound;   // a wave file
    QByteArray picture; // JPEG, may be empty
    ItemLevel itemLevel = ItemLevel::Any;
    QByteArray soundAmerican{}; // the same in American speech; empty: only `sound`
    QString sayAs{};            // what the voice was given instead of the word; "" for the word
    friend bool operator==(const BoardWord&, const BoardWord&) = default;
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
    friend bool operator==(const BoardContent&, const BoardContent&) = default;
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
