#pragma once
// The saving of the people in the board window's seats, and the records kept
// in memory when their files could not be written.
#include "boardgame/BoardSeats.h"
#include "players/ClassPlayerInfo.h"

#include <QList>
#include <QStringList>

#include <array>

class BoardGame;

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

// The people in the board's seats 1 to 5 (the Professor, seat 0, has no
// record): one record each, who may sit where, the tokens they hold, and the
// saving of their files. The board window asks and shows; this decides.
class SeatPeople {
public:
    explicit SeatPeople(const BoardGame& game) : m_game(game) {}

    // The record of a person's seat (1 to 5).
    ClassPlayerInfo& Player(int seat);
    const ClassPlayerInfo& Player(int seat) const;
    // The person's nick name, else the seat's own name; "" off the seats.
    QString NickName(int seat) const;
    // The picture key of the seat's token: the person's chosen one, else the
    // seat's own.
    QString TokenKey(int seat) const;

    // The person just logged in on `seat` takes it: -1, a record of theirs
    // kept unwritten given back. Or the other seat the same player file
    // already sits on, and this seat's record emptied: of two records of one
    // file, whichever was saved last would wipe the other's answers.
    int TakeSeat(int seat);
    // The tokens the other people's seats hold.
    QStringList TakenTokens(int seat) const;
    // The token the seat's person takes without asking; "" when they choose.
    QString RememberedToken(int seat) const;
    // The token the picker proposes: the person's own, else the seat's,
    // else the first free one.
    QString ProposedToken(int seat) const;
    // The person's choice; none ("", the picker closed) takes the proposed one.
    void ChooseToken(int seat, const QString& chosen);

    // Writes every seat's record and those kept; returns the nick names
    // whose file could not be written.
    QStringList SaveAll();
    // The person leaves the seat: the record written and emptied, kept when
    // the write failed; returns the nick name then.
    QStringList Leave(int seat);
    // Every seat emptied; whoever empties them saved the records first.
    void ReleaseAll();

private:
    const BoardGame& m_game;
    std::array<ClassPlayerInfo, BoardSeats::PeopleSeats> m_players;
    UnsavedPlayers m_unsaved;
};
