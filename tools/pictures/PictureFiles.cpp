#include "PictureFiles.h"

#include <QTextStream>

QImage Canvas(int w, int h, int scale) {
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

QImage Unpremultiplied(const QImage& image) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(source.size(), QImage::Format_ARGB32);
    out.setDevicePixelRatio(source.devicePixelRatio());
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const uint a = uint(qAlpha(in[x]));
            if (a == 0) {
                line[x] = 0;
                continue;
            }
            const auto straight = [a](int c) {
                return int(qMin(255u, (uint(c) * 255 + a / 2) / a));
            };
            line[x] = qRgba(straight(qRed(in[x])), straight(qGreen(in[x])), straight(qBlue(in[x])),
                            int(a));
        }
    }
    return out;
}

bool SavePicture(const QImage& image, const QDir& dir, const QString& name) {
    const QString suffix = image.devicePixelRatio() > 1
                               ? QStringLiteral("@%1x.png").arg(qRound(image.devicePixelRatio()))
                               : QStringLiteral(".png");
    const QString path = dir.filePath(name + suffix);
    if (!Unpremultiplied(image).save(path, "PNG")) {
        QTextStream(stderr) << "mordaventa-pictures: cannot write " << path << "\n";
        return false;
    }
    return true;
}
