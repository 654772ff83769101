#include "boardgame/BoardGeometry.h"

#include "boardgame/BoardTimings.h"

using namespace BoardTimings;

namespace BoardGeometry {

namespace {

QRect CornerArrow(const QRect& square, bool right) {
    const int top = square.top() + square.height() - (ArrowHeight + ArrowInset);
    const int left = right ? square.left() + square.width() - (ArrowWidth + ArrowInset)
                           : square.left() + ArrowInset;
    return QRect(left, top, ArrowWidth, ArrowHeight);
}

} // namespace

BoardPlan PlanBoard() {
    BoardPlan plan;
    const QRect start(StartLeft, StartTop, BoardPictureWidth, BoardPictureHeight);
    plan.positions[0] = start;
    // Left open where the first arrow stands: in the start picture's corner,
    // pointing to square 1.
    plan.arrows.append({CornerArrow(start, true), "ArrowRight"});
    int rowTop = start.top();
    int step = SquareStep;
    for (int i = 1; i <= 56; ++i) {
        const int left =
            i == 1 ? start.left() + start.width() : plan.positions[size_t(i - 1)].left() + step;
        const QRect square(left, rowTop, SquareWidth, start.height());
        plan.positions[size_t(i)] = square;
        switch (i) {
        case 8:
        case 28:
        case 48:
            step = 0;
            rowTop = square.top() + square.height();
            plan.arrows.append({CornerArrow(square, true), "ArrowDown"});
            break;
        case 18:
        case 38:
            step = 0;
            rowTop = square.top() + square.height();
            plan.arrows.append({CornerArrow(square, false), "ArrowDown"});
            break;
        case 9:
        case 29:
        case 49:
            step = -SquareStep;
            plan.arrows.append({CornerArrow(square, false), "ArrowLeft"});
            break;
        case 19:
        case 39:
            step = SquareStep;
            plan.arrows.append({CornerArrow(square, true), "ArrowRight"});
            break;
        default:
            break;
        }
    }
    plan.positions[57] = QRect(start.left(), rowTop, start.width(), start.height());
    return plan;
}

QList<QRect> TokenSlots(const QRect& position, int count) {
    QList<QRect> places;
    if (count == 1) {
        places << QRect(position.left() + SingleOffsetX, position.top() + SingleOffsetY, TokenWidth,
                        TokenHeight);
    } else if (count == 2) {
        places << QRect(position.left(), position.top() + PairOffsetY, PairTokenWidth,
                        PairTokenHeight)
               << QRect(position.left() + PairSecondX, position.top() + PairOffsetY, PairTokenWidth,
                        PairTokenHeight);
    } else {
        // Left to us: three to a row, a third of the square apart, so six
        // stay inside the square above its number.
        for (int k = 0; k < count; ++k) {
            places << QRect(position.left() + CrowdOffsetX + (k % 3) * (position.width() / 3),
                            position.top() + CrowdOffsetY + (k / 3) * (position.height() / 3),
                            CrowdTokenWidth, CrowdTokenHeight);
        }
    }
    return places;
}

QPoint WalkHop(const QPoint& token, int tokenWidth, const QRect& square) {
    const int target = WalkLanding(square).x();
    const int direction = target > token.x() ? 1 : target < token.x() ? -1 : 0;
    return QPoint(token.x() + direction * (tokenWidth + WalkHopGap), square.top() + SingleOffsetY);
}

QPoint WalkLanding(const QRect& square) {
    return QPoint(square.left() + SingleOffsetX, square.top() + SingleOffsetY);
}

} // namespace BoardGeometry
