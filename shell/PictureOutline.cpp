#include "shell/PictureOutline.h"

QList<QRect> PictureOutlineRuns(int width, int height,
                                const std::function<quint32(int x, int y)>& pixelAt) {
    QList<QRect> runs;
    if (width <= 0 || height <= 0)
        return runs;
    const quint32 transparent = pixelAt(0, 0);
    for (int y = 0; y < height; ++y) {
        int start = -1; // a new row starts with no run open
        for (int x = 0; x <= width; ++x) {
            const bool opaque = x < width && pixelAt(x, y) != transparent;
            if (opaque && start < 0) {
                start = x;
            } else if (!opaque && start >= 0) {
                runs.append(QRect(QPoint(start, y), QPoint(x - 1, y)));
                start = -1;
            }
        }
    }
    return runs;
}
