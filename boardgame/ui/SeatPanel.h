#pragma once
// The seats' side of the board window: the six seat rows on their felt, and
// the people in them shown beside their seats and on the board. Who may sit
// where and which token each holds is decided by SeatPeople; the panel runs
// the logins and the token picker and shows the outcome. The window says
// when seats may change.
#include "boardgame/BoardPlayers.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

class BoardDatabase;
class BoardGame;
class BoardWidget;
class SeatRow;
class SquareWindows;
struct SquareAction;

class SeatPanel : public QWidget {
    Q_OBJECT
public:
    // `board` shows the tokens; `database` is the open board-game file whose
    // counters each person brings along.
    SeatPanel(BoardGame& game, const BoardDatabase& database, BoardWidget* board, QWidget* window);

    QList<SeatRow*> rows; // 0 the Professor, 1-5 the people

    SeatPeople& People() { return m_people; }
    QPixmap Token(int seat) const;
    QString NickName(int seat) const { return m_people.NickName(seat); }

    // The seat's On/Off box clicked: a person's seat switched on logs its
    // person in first. Once the game has begun (or while a turn runs) the
    // box goes back as it was. True when the seat changed.
    bool chkPlayer_Click(int seat, bool turnRunning);
    // The seat's counters on the open file.
    void LoadSeatStatus(int seat);
    // The seat switched on or off, on the rules, its row and the board.
    void ShowSeatOn(int seat);
    void ShowSeatOff(int seat);
    // A seat's picture clicked before the game: its person picks another token.
    void cmdToken_Click(int seat);
    // Puts a question or spelling square to the seat's person: true for a
    // right answer, and when no board is open (a free move).
    bool Ask(SquareWindows& squares, int seat, const SquareAction& square);
    // Writes every seat's record; says which could not be written.
    void SaveAll();
    // A new game: every seat off and emptied, free again.
    void ResetSeats();
    // After a win: the rules reset and the same people seated again.
    void PlayAgain();
    void Lock();
    void Disable();

private:
    // A person logs in on a person's seat: true when seated, with their
    // counters on this file and a token.
    bool LogIn(int seat);
    void ChooseSeatToken(int seat, bool ask);
    // The seat's name and token picture beside it and on the board.
    void ShowSeatPlayer(int seat);
    void ShowUnwritten(const QStringList& nickNames);

    BoardGame& m_game;
    const BoardDatabase& m_database;
    BoardWidget* m_board;
    SeatPeople m_people;
};
