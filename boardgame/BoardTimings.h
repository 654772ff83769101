#pragma once
// Every interval, step, size and colour of the board window in one place, so
// the whole motion and look of the board game reads on one screen. Colours
// are platform colour values (0x00BBGGRR); positions are pixels of the board.
#include "boardgame/BoardSeats.h"

#include <QtGlobal>

#include <array>

namespace BoardTimings {

// ---- Intervals (milliseconds) ---------------------------------------------
inline constexpr int DieRounds = 5;         // faces shown before the die stops
inline constexpr int DieRoundPause = 250;   // after each face
inline constexpr int WalkPause = 100;       // twice per square walked
inline constexpr int RollButtonBlink = 200; // TimerButton
inline constexpr int ProfessorPause = 300;  // before the Professor rolls
inline constexpr int FirstFrameWait = 250;  // longest wait for the first frame before loading
inline constexpr int JumpAlertPause = 200;  // between the alert and a jump
// The Professor's answer stays in view for reading; a click or a key ends it.
inline constexpr int ProfessorAnswerPause = 2500;

// ---- Seats ----------------------------------------------------------------
using BoardSeats::PeopleSeats;
using BoardSeats::ProfessorSeat;
using BoardSeats::SeatCount;
// Pictures of the seats by key: the seat panel and the token show the same.
inline constexpr std::array<const char*, SeatCount> SeatPictureKeys = {"Professor", "Boy",  "Girl",
                                                                       "Man",       "Lady", "Baby"};
inline constexpr std::array<const char*, SeatCount> SeatName = {
    "Professor", "Player 1", "Player 2", "Player 3", "Player 4", "Player 5"};
using BoardSeats::MaxTurnLostFaces;

// ---- Colours ----------------------------------------------------------------
inline constexpr quint32 SystemWindowColour = 0x80000005; // the desktop's window colour
inline constexpr quint32 SeatListOn = 0xC0FFFF;
inline constexpr quint32 SeatListOff = 0xE0E0E0;
inline constexpr quint32 SeatNameOn = 0xC0FFC0;
inline constexpr quint32 SeatNameOff = SystemWindowColour;
inline constexpr quint32 RollButtonIdle = 0xFFC0C0;
inline constexpr quint32 RollButtonBlinkDark = 0xC000;
inline constexpr quint32 RollButtonBlinkLight = 0xC0FFC0;
// The roll button's own colours hide the style's focus frame: this one shows
// that Enter or Space rolls.
inline constexpr quint32 RollButtonFocusFrame = 0x202020;
inline constexpr int RollButtonFocusWidth = 2;

// ---- The die ----------------------------------------------------------------
// Pips by shpDiceNum index: 0 top left, 1 middle left, 2 bottom left,
// 3 centre, 4 top right, 5 middle right, 6 bottom right.
inline constexpr int DiePips = 7;
struct DieFace {
    std::array<bool, DiePips> pips;
    quint32 colour; // shpDice fill
};
inline constexpr std::array<DieFace, 6> DieFaces{{
    /* 1 */ {{false, false, false, true, false, false, false}, 0xC0C0C0},
    /* 2 */ {{false, false, true, false, true, false, false}, 0x8080FF},
    /* 3 */ {{false, false, true, true, true, false, false}, 0x80FF},
    /* 4 */ {{true, false, true, false, true, false, true}, 0xFFFF00},
    /* 5 */ {{true, false, true, true, true, false, true}, 0xFFFF},
    /* 6 */ {{true, true, true, false, true, true, true}, 0xFF00FF},
}};
inline constexpr int DieSize = 56;    // the die's body, square
inline constexpr int DiePipSize = 10; // a pip's diameter
inline constexpr int DiePipInset = 8; // from the body's edge to a corner pip
inline constexpr quint32 DiePipColour = 0x000000;

// ---- Board geometry -----------------------------------------------------------
inline constexpr int StartTop = 34;
inline constexpr int StartLeft = 190;
inline constexpr int BoardPictureHeight = 65; // start and finish pictures
inline constexpr int BoardPictureWidth = 60;
inline constexpr int SquareWidth = 60;
inline constexpr int SquareStep = 60;
inline constexpr int CaptionHeight = 47;  // caption label, from the square's top
inline constexpr int CaptionLargest = 10; // caption text, pixels; smaller
inline constexpr int CaptionSmallest = 7; // when a word would not fit
inline constexpr int NumberOffset = 48;   // number label, below the row top
inline constexpr int NumberHeight = 16;
inline constexpr int ArrowWidth = 22;
inline constexpr int ArrowHeight = 18;
inline constexpr int ArrowInset = 4;   // from a square's corner
inline constexpr int BoardWidth = 740; // the board widget
inline constexpr int BoardHeight = 440;

// ---- Tokens -------------------------------------------------------------------
inline constexpr int TokenWidth = 43; // one token on a position, and a moving token
inline constexpr int TokenHeight = 50;
inline constexpr int PairTokenWidth = 25;
inline constexpr int PairTokenHeight = 30;
inline constexpr int CrowdTokenWidth = 18; // three to six on a position
inline constexpr int CrowdTokenHeight = 21;
inline constexpr int SingleOffsetX = 7;
inline constexpr int SingleOffsetY = 3;
inline constexpr int PairOffsetY = 14;
inline constexpr int PairSecondX = 25;
inline constexpr int CrowdOffsetX = 1;     // three to six: three to a row,
inline constexpr int CrowdOffsetY = 3;     // a third of the square apart
inline constexpr int WalkHopGap = 10;      // a hop moves by the token's width + this
inline constexpr int PanelTokenWidth = 43; // imgPlayer, imgPlayerUp, imgTurnLost
inline constexpr int PanelTokenHeight = 50;

} // namespace BoardTimings
