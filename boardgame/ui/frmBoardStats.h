#pragma once
// One player's results on the current board-game file: right and wrong
// answers per square kind beside the number of words or questions the kind
// holds, and a reset of the player's counters.
#include "boardgame/BoardStatus.h"

#include <QDialog>
#include <QPixmap>

class ClassPlayerInfo;
class QLabel;
class QPushButton;
class QTableWidget;

class frmBoardStats : public QDialog {
    Q_OBJECT
public:
    frmBoardStats(ClassPlayerInfo& player, dao::Database& database, QWidget* owner = nullptr);

    // Fills the window for the player (one of the board's seat records,
    // whose SavedGamesIndex names the entry of the current file) and shows it
    // modally over owner.
    static void LoadBoardStats(QWidget* owner, ClassPlayerInfo& player, const QPixmap& picture,
                               dao::Database& database);

    // Grid rows as the window counts them: 0 the header, 1 the first kind.
    QString TextMatrix(int row, int column) const;
    int GridRows() const;

    // Every counter of the player set to zero and the player file written.
    void cmdReset_Click();

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QLabel* Image1 = nullptr;
    QTableWidget* FlexGrid = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void FillGrid();

    ClassPlayerInfo& m_player;
    QList<SquareCountRow> m_kinds;
};
