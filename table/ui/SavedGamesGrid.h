#pragma once
// The saved-games grid `FlexGrid` of the solitaire table: six columns under a
// fixed header row, one row per saved solitaire game of the player, sorting by
// a click in the header band, tool tips by column band and the light cyan
// selection. Grid rows are counted as the window counts them: row 0 is the
// header, row 1 the first entry.
#include "players/ClassSavedGameInfo.h"
#include "table/SavedGamesRules.h"

#include <QStringList>
#include <QTableWidget>

class SavedGamesGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit SavedGamesGrid(QWidget* parent = nullptr);

    // Rows including the header row, as the window counts them.
    int GridRows() const { return rowCount() + 1; }
    // The text of a cell; row 0 is the header.
    QString TextMatrix(int row, int column) const;
    // Column `column` of the current row ("" when there is no row).
    QString CurrentText(int column) const;
    // Grid row of the current row (1-based), or 0 when none.
    int CurrentGridRow() const;

    // The saved solitaire games of a player, in collection order; always at
    // least one (possibly empty) row.
    void Fill(const SavedGameCollection& games);
    // The colour of the selected row, blue-green-red.
    void SetSelectionColour(quint32 bgr);
    quint32 SelectionColour() const { return m_selectionColour; }

    // The sort of a header-band click: descending unless the last was, then
    // ascending. Tag is "D" or "A" afterwards.
    void SortByColumn(int column);
    QString Tag() const { return m_tag; }
    // The last mouse press height in twips.
    int LastPressTwips() const { return m_lastPressTwips; }

Q_SIGNALS:
    // The user selected another row.
    void RowChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void GridPressed(int yInGrid);
    void GridClicked(int column);
    void GridMoved(int xInGrid);

    QString m_tag;
    int m_lastPressTwips = 0;
    quint32 m_selectionColour = 0xFFFFFF;
};
