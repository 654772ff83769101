#pragma once
// The age level of a question or a spelling word (primary, secondary, adult)
// and of a seat. A board file keeps an item's level in a column that older
// files lack; an item without one counts as every level.
#include "boardgame/dao/DaoEngine.h"

#include <QHash>
#include <QString>

enum class ItemLevel { Any, Primary, Secondary, Adult };

namespace ItemLevels {

// "primary", "secondary", "adult" as written in board sources and files;
// "" for Any.
QString Name(ItemLevel level);
// The level a name gives (any letter case, blanks around ignored); Any for ""
// or an unknown name, *known (when given) false for an unknown one.
ItemLevel FromName(const QString& name, bool* known = nullptr);
// The caption a seat's level box shows: "Primary", "Secondary", "Adult", "Any".
QString Caption(ItemLevel level);
// The level of a profile's player type: "Primary School", "High School",
// "Adult"; Any for anything else (a profile made before the type was asked).
ItemLevel ForPlayerType(const QString& playerType);

// Whether an item of level `item` may be drawn for a seat at `seat`.
inline bool Fits(ItemLevel item, ItemLevel seat) {
    return item == ItemLevel::Any || seat == ItemLevel::Any || item == seat;
}

// The level of each question of the file, by QuestionID; empty for a file
// without levels (or one that cannot be read).
QHash<qint64, ItemLevel> QuestionLevels(dao::Database& db);
// The level of every word of a spelling kind (-1, -2, -3), by the word in
// lower case (Any for a word without one); empty for a file without levels.
QHash<QString, ItemLevel> WordLevels(dao::Database& db, int spellingCode);

} // namespace ItemLevels
