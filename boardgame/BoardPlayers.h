#pragma once
// The saving of the people in the board window's seats, and the records kept
// in memory when their files could not be written.
#include "players/ClassPlayerInfo.h"

#include <QList>
#include <QStringList>

// Saves every record, each whatever became of the others; a record that
// cannot be written is logged. Returns the nick names that failed.
QStringList SaveBoardPlayers(const QList<ClassPlayerInfo*>& players);

// The pictures people choose their tokens from; the Professor keeps its own.
QStringList PeopleTokens();
// The token a seat takes without asking: the player's remembered one, when it
// is one of the people's pictures and not in `taken` (the other seats'); ""
// when the player has to choose.
QString RememberedToken(const ClassPlayerInfo& player, const QStringList& taken);
// The first of `preferred` that is a people's picture and not taken, else
// the first free people's picture.
QString FirstFreeToken(const QStringList& preferred, const QStringList& taken);
// Index of the seat record (in `seated`) that holds the same player file as
// `player`, skipping `self`; -1 when none does.
int SeatOfPlayer(const QList<const ClassPlayerInfo*>& seated, const ClassPlayerInfo& player,
                 int self);

// The board's player records and what could not be written of them. A seat's
// record whose file cannot be written (a full or read-only folder) is kept
// here when it leaves its seat, with everything its person did, and each
// later save tries it again; the same person seated again gets it back.
class UnsavedPlayers {
public:
    // Writes the seated records and those kept here; returns the nick names
    // whose file could not be written.
    QStringList Save(const QList<ClassPlayerInfo*>& seated);
    // The record leaves its seat (emptied): kept when its last write failed.
    void Release(ClassPlayerInfo& player);
    // After a login: a kept record of the same player file, newer than the
    // file, replaces the one just loaded. True when it did.
    bool TakeBack(ClassPlayerInfo& player);
    int Kept() const { return int(m_kept.size()); }

private:
    QList<ClassPlayerInfo> m_kept;
    QStringList m_failed; // player files whose last write failed
};
