#pragma once
// The outline of a window shaped like its picture: every run of pixels that
// differ from the colour of the picture's top-left pixel, row by row.
#include <QList>
#include <QRect>

#include <functional>

// The rectangles, one per run: for each row y, scanning x from 0 to width
// (x == width counts as transparent), a run starts at the first pixel that is
// not transparent and ends at the next transparent position, giving the
// rectangle from (start, y) to (x, y + 1). Their union is the outline; no rows
// give no rectangles. pixelAt(x, y) is the colour of a pixel in any encoding.
QList<QRect> PictureOutlineRuns(int width, int height,
                                const std::function<quint32(int x, int y)>& pixelAt);
