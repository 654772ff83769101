#pragma once
// The board game's picture list: "Start", "Finnish", "ArrowRight",
// "ArrowDown", "ArrowLeft" and the seat pictures "Professor", "Boy", "Girl",
// "Man", "Lady", "Baby" (drawn by tools/pictures, embedded with the others).
#include <QColor>
#include <QPixmap>
#include <QString>

// The picture of a key; a null pixmap for an unknown key.
QPixmap BoardPicture(const QString& key);
// The picture of a seat (0 the Professor, 1-5 the people).
QPixmap SeatPicture(int seat);
// A board colour (0x00BBGGRR); 0x80000005 is the desktop's window colour.
QColor BoardColour(quint32 value);
