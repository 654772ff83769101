#pragma once
// Sizes, colours, menu and sounds of the board window (frmDictation).
#include "boardgame/BoardTimings.h"

#include <QColor>

namespace DictationLook {

inline constexpr int kCaptionHeight = 24;
inline constexpr int kMenuTop = 26;
inline constexpr int kBoardTop = 52;
inline constexpr int kMargin = 4;
inline constexpr int kSeatPanelWidth = 322; // room for each seat's level box
inline constexpr int kWindowWidth =
    kMargin + BoardTimings::BoardWidth + kMargin + kSeatPanelWidth + kMargin;
inline constexpr int kAdsHeight = 93; // the advertisement pane below the board
inline constexpr int kWindowHeight = kBoardTop + BoardTimings::BoardHeight + 3 + kAdsHeight + 6;
inline constexpr QColor kPaper(0xf4, 0xea, 0xcb);
inline constexpr QColor kFelt(0x16, 0x70, 0x34);

inline constexpr const char* kMenuCaptions[] = {"New Game", "About", "Set Game File", "Vantorell",
                                                "Class Report"};
enum Menu { NewGame = 0, About = 1, SetGameFile = 2, Vantorell = 3, ClassReport = 4, MenuLabels };

inline constexpr char kDiceSound[] = "\\Sounds\\dice.wav";
inline constexpr char kMoveSound[] = "\\Sounds\\move.wav";
inline constexpr char kMarkSound[] = "\\Sounds\\mark.wav";
inline constexpr char kAlertSound[] = "\\Sounds\\alert.wav";
inline constexpr char kMistakeSound[] = "\\Sounds\\mistake.wav";

} // namespace DictationLook
