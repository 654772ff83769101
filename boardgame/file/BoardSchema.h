#pragma once
// The names every part of the game shares about a board-game file: the connect
// string it is opened with, the number of squares and the square codes. Kept
// apart from the writer so that rules and windows need not see the database
// layer to name a square.

// The connect string every board-game file is opened with.
inline constexpr char kBoardConnect[] = "MS Access;pwd=4##pelmor##8;";
// Squares on a board (positions 1 to 56).
inline constexpr int kBoardSquares = 56;

// The square codes of the board.
namespace SquareCode {
inline constexpr int SpellEasy = -1;
inline constexpr int SpellMedium = -2;
inline constexpr int SpellHard = -3;
inline constexpr int Plain = -4;
inline constexpr int Back1 = -5;    // to Back4 = -8
inline constexpr int Forward1 = -9; // to Forward4 = -12
inline constexpr int Lowest = -12;
} // namespace SquareCode
