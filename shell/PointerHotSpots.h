#pragma once
// Hot spots of the embedded pointer pictures 144-147 (32 by 32). The picture
// generator draws each pointer around its hot spot and ResCursor uses the
// same table, so the two cannot drift apart.
#include <QPoint>

namespace PointerHotSpots {
struct Entry {
    int id;
    int x;
    int y;
};
inline constexpr Entry kTable[] = {
    {144, 16, 16}, // hourglass (carried, not used)
    {145, 2, 2},   // normal arrow: its tip
    {146, 16, 16}, // moving: the middle of the four-way grab
    {147, 12, 3},  // pressed: the tip of the pointing finger
};
inline QPoint HotSpot(int id) {
    for (const Entry& e : kTable)
        if (e.id == id)
            return {e.x, e.y};
    return {0, 0};
}
} // namespace PointerHotSpots
