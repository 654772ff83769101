#pragma once
// The board of the board window: the start and finish pictures, squares 1 to
// 56 with their captions and numbers, the arrows at the turns, and the six
// seats' tokens. It shows what it is given: which squares a file lays out,
// where tokens stand and where a walking token is.
#include "boardgame/BoardDatabase.h"
#include "boardgame/BoardGame.h"
#include "boardgame/BoardGeometry.h"

#include <QColor>
#include <QLabel>
#include <QList>
#include <QWidget>

#include <array>
#include <functional>

// A board position: a rectangle filled with the square's colour.
class BoardSquare : public QWidget {
    Q_OBJECT
public:
    explicit BoardSquare(QWidget* parent);
    void SetFill(const QColor& colour);
    QColor Fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
};

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    explicit BoardWidget(QWidget* parent = nullptr);

    // ---- controls; element 0 of each array (and 1 of the square arrays)
    // exists from the start, LoadBoard makes the others.
    std::array<QLabel*, 2> imgBoard{}; // 0 the start, 1 the finish
    QList<BoardSquare*> sphBoard;      // positions 0 to 57
    QList<QLabel*> lblBoardCaption;    // 1 to 56 (0 is the hidden pattern)
    QList<QLabel*> lblBoardNumber;     // 1 to 56
    QList<QLabel*> imgArrow;           // 0 by the start, 1 to 10 at the turns
    std::array<QLabel*, 6> imgBoardPlayer{};

    // Lays out squares 1 to 56 from the rows of qBoardLayout (fewer rows
    // leave the rest plain).
    void LoadBoard(const QList<BoardSquareRow>& rows);
    // Removes the squares of the last board; hides the pictures.
    void ClearBoard();
    // The rectangle of a position (0 the start, 57 the finish).
    QRect PositionRect(int position) const;

    // Tokens: shown at the start or hidden; the tokens of `seats` standing on
    // `position` arranged by their number; one token lifted (full size, in
    // front) to walk; a token moved.
    void ShowToken(int seat, bool shown);
    void ArrangeTokens(int position, const QList<int>& seats);
    void LiftToken(int seat);
    void MoveToken(int seat, const QPoint& topLeft);
    // Walks a token square by square, two hops a square, calling `hop` after
    // each (a sound and a pause); stops when `hop` returns false. `standing`
    // gives the seats on a position, to arrange the tokens before and after.
    void WalkToken(const TokenWalk& walk, const std::function<QList<int>(int)>& standing,
                   const std::function<bool(bool squareStarts)>& hop);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* NewCaption(int index);
    QLabel* NewNumber(int index);
    BoardSquare* NewSquare(int index);

    BoardGeometry::BoardPlan m_plan;
};
