#pragma once
// The board game's pictures: start and finish (60x65), three arrows (22x18)
// and the six seat tokens (43x50), written as <key>.png (or <key>@2x.png at
// scale 2) into a folder.
#include <QDir>
#include <QString>

bool DrawBoardPictures(const QDir& dir, const QString& fontFamily, int scale);
