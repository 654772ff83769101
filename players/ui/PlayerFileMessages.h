#pragma once
// The message every game shows when a player file could not be written, so
// the solitaire and the board word it alike.
#include <QString>

class QWidget;

void ShowPlayerFileNotWritten(const QString& nickName, QWidget* owner);
