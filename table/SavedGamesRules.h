#pragma once
// The rules of the table's saved-games grid apart from its widget: the cells
// of a saved game's row, the tool tip of each column band, and which of the
// saved-game commands the current row allows.
#include "players/ClassSavedGameInfo.h"

#include <QStringList>

namespace SavedGamesRules {

// Column widths in twips, column 0 (the key) to column 5.
inline constexpr int ColumnTwips[6] = {100, 900, 600, 300, 300, 300};
inline constexpr int HeaderBandTwips = 250;

// The six cells of a saved game's row: key, date, points, level, wizard,
// finished. Keys other than the five shown are ignored.
QStringList RowCells(const ClassSavedGameInfo& entry);
// "dd-mmm-yy" for a stored date; a text that is no date is shown as stored.
QString FormatGameDate(const QString& stored);

// The tool tip for a horizontal position inside the grid, in twips.
QString ToolTipAt(int xTwips);

// Which of "Play Save" (5), "Delete Entry" (6) and "|||" (7) are enabled
// for the current row's finished flag and key.
struct Commands {
    bool playSave = false;
    bool deleteEntry = false;
    bool gameInfo = false;
};
Commands CommandsFor(const QString& finished, const QString& rowKey, const QString& playingKey);

} // namespace SavedGamesRules
