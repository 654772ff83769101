#pragma once
// The saving of the people in the board window's seats.
#include <QList>
#include <QStringList>

class ClassPlayerInfo;

// Saves every record, each whatever became of the others; a record that
// cannot be written is logged. Returns the nick names that failed.
QStringList SaveBoardPlayers(const QList<ClassPlayerInfo*>& players);
