#include "boardgame/ui/BoardPictures.h"

#include "boardgame/BoardTimings.h"
#include "shell/Logging.h"
#include "shell/ui/WindowChrome.h"

#include <QApplication>
#include <QHash>
#include <QPalette>

QPixmap BoardPicture(const QString& key) {
    static QHash<QString, QPixmap> cache;
    const auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return it.value();
    const QPixmap picture(QStringLiteral(":/pictures/%1.png").arg(key));
    if (picture.isNull())
        qCWarning(lcMordaventa) << "no board picture" << key;
    else
        cache.insert(key, picture);
    return picture;
}

QPixmap SeatPicture(int seat) {
    if (seat < 0 || seat >= BoardTimings::SeatCount)
        return {};
    return BoardPicture(QLatin1String(BoardTimings::SeatPictureKeys[size_t(seat)]));
}

QColor BoardColour(quint32 value) {
    if (value == BoardTimings::SystemWindowColour)
        return QApplication::palette().color(QPalette::Base);
    return WindowChrome::ColorFromBgr(value & 0xFFFFFF);
}
