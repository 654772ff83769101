#include "shell/ui/ResPictures.h"

#include <QHash>
#include <QImage>

#include "shell/Logging.h"
#include "shell/PointerHotSpots.h"

// The pictures are embedded as Qt resources ":/pictures/<id>.png" (see
// resources/CMakeLists.txt). They are decoded straight from the embedded bytes,
// so unlike a loader going through a temporary file nothing is ever written to
// disk, and the optional temporary file name is not needed.

namespace {

QString ResourcePath(int id) {
    return QStringLiteral(":/pictures/%1.png").arg(id);
}

// Every window and card asks for the same few dozen pictures over and over.
QHash<int, QPixmap>& Cache() {
    static QHash<int, QPixmap> cache;
    return cache;
}

} // namespace

QPixmap LoadResPictureFile(int id, const QString& type, const QString& tempFile) {
    Q_UNUSED(tempFile)
    if (type.compare(QStringLiteral("Custom"), Qt::CaseInsensitive) != 0) {
        qCWarning(lcMordaventa) << "picture" << id << "asked for with unknown type" << type;
        return {};
    }
    auto& cache = Cache();
    const auto it = cache.constFind(id);
    if (it != cache.constEnd())
        return it.value();
    QImage image(ResourcePath(id));
    if (image.isNull()) {
        qCWarning(lcMordaventa) << "no embedded picture" << id;
        return {};
    }
    const QPixmap pixmap = QPixmap::fromImage(image);
    cache.insert(id, pixmap);
    return pixmap;
}

void ClearResPictureCache() {
    Cache().clear();
}

QCursor ResCursor(int id) {
    const QPixmap pixmap = LoadResPictureFile(id);
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    const QPoint hot = PointerHotSpots::HotSpot(id);
    return QCursor(pixmap, hot.x(), hot.y());
}
