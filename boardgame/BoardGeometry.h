#pragma once
// Where everything stands on the board: the 58 positions (the start, squares
// 1 to 56 in a snake of six rows, the finish), the arrows at the turns, the
// places of tokens sharing a position and the hop of a walking token.
#include <QList>
#include <QPoint>
#include <QRect>

#include <array>

namespace BoardGeometry {

struct ArrowPlacement {
    QRect rect;
    const char* picture; // "ArrowRight", "ArrowDown" or "ArrowLeft"
};

struct BoardPlan {
    std::array<QRect, 58> positions; // 0 the start, 57 the finish
    QList<ArrowPlacement> arrows;    // imgArrow 0 (by the start), then 1-10 at the turns
};

// The board as it is built: square 1 right of the start picture, rows of
// squares 60 apart turning down after squares 8, 18, 28, 38 and 48, the
// finish picture below the start at the end of the sixth row.
BoardPlan PlanBoard();

// The places of `count` tokens standing on one position, in seat order: one
// token full size, two side by side, three to six small, three to a row.
QList<QRect> TokenSlots(const QRect& position, int count);

// The first half of a walk's step onto `square`: the token rises or drops to
// the square's row and moves its own width and a gap toward the square
// (right on the rows that run right, left on the others, straight down or up
// where the snake turns).
QPoint WalkHop(const QPoint& token, int tokenWidth, const QRect& square);
// The second half: the token stands on the square.
QPoint WalkLanding(const QRect& square);

} // namespace BoardGeometry
