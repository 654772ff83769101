#pragma once
// The rules of the board game without a screen: the six seats and their
// tokens, whose turn it is, the die, the token moves and what the square under
// a token asks for. The board window carries out what these operations return
// (walks, question and spelling windows, sounds) and shows the state.
#include "boardgame/BoardSeats.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class RandomSource;

namespace BoardPosition {
inline constexpr int Start = 0;
inline constexpr int LastSquare = 56;
inline constexpr int Finish = 57;
inline constexpr int None = -1; // a seat that is off has no token on the board
} // namespace BoardPosition

// Tags of the two positions that are not squares of the file.
inline constexpr char kStartTag[] = "Start";
inline constexpr char kFinishTag[] = "Finnish";

enum class SquareRule {
    Jump,     // move by `jump` squares, then the square reached rules
    Plain,    // nothing happens; the turn passes
    Spelling, // a word to spell (people); the Professor passes
    Question, // a question (people); the Professor passes
    Start,    // back at the start: the turn passes
    Finish,   // the seat has won
};

// What the square under the current seat's token asks for.
struct SquareAction {
    SquareRule rule = SquareRule::Plain;
    QString tag;        // the square's tag (a question or spelling square's code)
    int jump = 0;       // Jump: squares forward (> 0) or back (< 0)
    bool asked = false; // a question or word is put to the seat
};

// A token's move: the positions it passes, in order, ending on `to`.
struct TokenWalk {
    int seat = -1;
    int from = 0;
    int to = 0;
    QList<int> squares;
};

class BoardGame {
public:
    BoardGame();

    // The codes of squares 1 to 56 as text ("-4" where the file has none).
    // Fewer codes leave the missing squares plain.
    void SetSquareTags(const QStringList& squares);
    // "Start" at 0, the square's code at 1-56, "Finnish" at 57, "" elsewhere.
    QString SquareTag(int position) const;

    // Switches a seat on (its token at the start, no turn-lost faces) or off
    // (no token); the lowest seat that is on then has the turn. Refused once
    // the game has begun.
    bool SwitchSeat(int seat, bool on);
    bool SeatOn(int seat) const;
    int Position(int seat) const;
    int SeatCount() const { return m_seatCount; }
    int CurrentSeat() const { return m_current; }
    // The die can be rolled when at least two seats are on.
    bool CanRoll() const { return m_seatCount >= 2; }
    // From the first roll until the reset the seats are fixed.
    bool GameBegun() const { return m_begun; }
    // "Turn lost" faces added to the seat's die (0 to 3).
    void SetTurnLostFaces(int seat, int faces);
    int Faces(int seat) const;
    // The seats that are on with their token at a position, lowest first.
    QList<int> SeatsAt(int position) const;
    static bool IsProfessor(int seat) { return seat == BoardSeats::ProfessorSeat; }

    // A turn of the current seat begins: the seats are fixed from now on.
    void BeginTurn();
    // One throw of a die with `faces` faces: 1 to faces.
    static int DrawDie(int faces, RandomSource& random);
    // Faces above six lose the turn.
    static bool IsTurnLost(int value) { return value > 6; }

    // Token moves, kept within the start (0) and the finish (57): any move
    // that reaches or passes square 56 ends on the finish.
    TokenWalk MoveForward(int seat, int steps);
    TokenWalk MoveBack(int seat, int steps);

    // What the square under the current seat's token asks for. A jump that
    // would land on a square the token already stood on this turn is not
    // made: two squares that send a token to each other would otherwise
    // bounce it for ever.
    SquareAction LandOnSquare();

    // The turn goes to the next seat that is on, in a circle; returns it.
    int NextPlayer();
    // A new game: every seat off, nobody's turn, seats free again.
    void ResetBoardGame();

private:
    struct Seat {
        bool on = false;
        int position = BoardPosition::None;
        int turnLostFaces = 0;
    };
    bool ValidSeat(int seat) const { return seat >= 0 && seat < BoardSeats::SeatCount; }
    TokenWalk Walk(int seat, int to);

    std::array<Seat, BoardSeats::SeatCount> m_seats{};
    std::array<QString, BoardPosition::Finish + 1> m_tags;
    int m_current = -1;
    int m_seatCount = 0;
    bool m_begun = false;
    QList<int> m_visited; // squares the current seat stood on this turn
};
