#pragma once
// A turn of the board game as a row of steps. The board window asks the turn
// what comes next, carries that out (rolls the die, walks a token, puts a
// square's question or word to the seat, shows a lost turn or the winner) and
// tells the turn how it went; which seat plays, where a token goes after a
// jump or a wrong answer and when the Professor rolls are decided here.
#include "boardgame/BoardGame.h"

enum class TurnStepKind {
    Roll, // roll the die of `seat` with `faces` faces, then Rolled()
    Walk, // walk the token (`walk`), then Walked()
    Jump, // a jump square: the alert, then walk the token, then Walked()
    Ask,  // put the square (`square`) to the seat, then Answered()
    // The Professor's answer to its square (`square`, `right`) is shown, then
    // Answered(right).
    ProfessorAnswer,
    TurnLost,      // a turn-lost face: the turn has passed on, then Passed()
    Pass,          // the turn has passed on, then Passed()
    Win,           // `seat` reached the finish: the game is over
    ProfessorRoll, // the Professor rolls by itself after a moment: Begin()
    AwaitRoll,     // the turn ends with a person's roll awaited
};

struct TurnStep {
    TurnStepKind kind = TurnStepKind::AwaitRoll;
    int seat = -1; // the seat that plays the step
    int faces = 6;
    TokenWalk walk;
    SquareAction square;
    bool right = true;      // ProfessorAnswer: whether the Professor answered right
    bool mark = false;      // Pass: the mark sound of a square that passes the turn
    bool announce = false;  // Pass, TurnLost: the roll button tells the next player to roll
    int advertisements = 0; // Pass, Win: times the advertisement moves on
};

class BoardTurn {
public:
    explicit BoardTurn(BoardGame& game) : m_game(game) {}

    // The current seat's turn begins: a roll, or nothing when no roll is
    // possible (AwaitRoll).
    TurnStep Begin();
    // The die showed `value`: a walk, or a lost turn.
    TurnStep Rolled(int value);
    // The token has walked: what the square reached asks for, or the pass
    // after a walk back.
    TurnStep Walked();
    // The seat answered the square; a wrong answer goes back by the roll.
    TurnStep Answered(bool right);
    // The pass has been shown: the Professor's roll, or a person's awaited.
    TurnStep Passed() const;

private:
    enum class AfterWalk { Land, Pass };
    TurnStep Land();
    TurnStep PassTurn(bool mark, bool announce, int advertisements);

    BoardGame& m_game;
    int m_seat = -1;
    int m_rolled = 0;
    int m_jumps = 0; // jumps this turn: each moves the advertisement on
    AfterWalk m_afterWalk = AfterWalk::Land;
};
