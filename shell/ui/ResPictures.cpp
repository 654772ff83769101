#include "shell/ui/ResPictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QResource>

#include "shell/Logging.h"
#include "shell/PointerHotSpots.h"
#include "shell/ui/PngPicture.h"

// The pictures are embedded as Qt resources ":/pictures/<id>.png" (see
// resources/CMakeLists.txt). They are decoded straight from the embedded bytes,
// so unlike a loader going through a temporary file nothing is ever written to
// disk, and the optional temporary file name is not needed.

namespace {

// Every window and card asks for the same few dozen pictures over and over;
// kept by name and scale.
QHash<QString, QPixmap>& Cache() {
    static QHash<QString, QPixmap> cache;
    return cache;
}

} // namespace

int AppPictureScale() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app && app->devicePixelRatio() > 1.0 ? 2 : 1;
}

QPixmap EmbeddedPicture(const QString& name, int scale) {
    scale = scale > 1 ? 2 : 1;
    const QString key = name + QLatin1Char('@') + QString::number(scale);
    auto& cache = Cache();
    const auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return it.value();
    const QResource resource(scale > 1 ? QStringLiteral(":/pictures/%1@2x.png").arg(name)
                                       : QStringLiteral(":/pictures/%1.png").arg(name));
    QImage image = resource.isValid() ? DecodePng(resource.uncompressedData()) : QImage();
    if (image.isNull() && scale > 1)
        return EmbeddedPicture(name, 1); // a picture drawn at 1x only still shows
    if (image.isNull()) {
        qCWarning(lcMordaventa) << "no embedded picture" << name;
        return {};
    }
    image.setDevicePixelRatio(scale);
    // Converted in place: the decoded picture is not held twice meanwhile.
    const QPixmap pixmap = QPixmap::fromImage(std::move(image));
    cache.insert(key, pixmap);
    return pixmap;
}

QPixmap LoadResPictureFile(int id, const QString& type, const QString& tempFile) {
    Q_UNUSED(tempFile)
    if (type.compare(QStringLiteral("Custom"), Qt::CaseInsensitive) != 0) {
        qCWarning(lcMordaventa) << "picture" << id << "asked for with unknown type" << type;
        return {};
    }
    return EmbeddedPicture(QString::number(id));
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
