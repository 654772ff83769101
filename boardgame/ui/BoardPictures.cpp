#include "boardgame/ui/BoardPictures.h"

#include "boardgame/BoardTimings.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QApplication>
#include <QPalette>

QPixmap BoardPicture(const QString& key) {
    // Embedded with the other pictures, at 1x and 2x.
    return EmbeddedPicture(key);
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
