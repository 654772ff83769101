#pragma once
// The seats of the board game: the rules and the windows count them alike.

namespace BoardSeats {
inline constexpr int SeatCount = 6; // seat 0 the Professor, 1-5 people
inline constexpr int ProfessorSeat = 0;
inline constexpr int PeopleSeats = 5;
inline constexpr int MaxTurnLostFaces = 3; // "0" to "3" in cboPlayer
} // namespace BoardSeats
