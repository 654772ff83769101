#pragma once
// Sizes and colours of the board-file manager (frmBordFile).
#include <QColor>
#include <QRect>

namespace BordFileLook {

inline constexpr int kWidth = 640;
inline constexpr int kHeight = 458;
inline constexpr int kCaptionHeight = 26;

// The grid's columns in twips as the window was designed; 15 twips a pixel.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kColumnTwips[] = {150, 2000, 900, 1200, 1200, 1200, 1200, 1200, 0};

inline constexpr QRect kGrid(10, 34, 620, 200);
inline constexpr int kGridPointSize = 8; // the columns are as narrow as their twips say
inline constexpr int kGridRowHeight = 20;
inline constexpr QRect kFileName(10, 242, 400, 20);
inline constexpr QRect kDescriptionLabel(10, 266, 120, 18);
inline constexpr QRect kDescription(10, 286, 400, 70);
inline constexpr QRect kSetButton(420, 242, 210, 28);
inline constexpr QRect kAddButton(420, 276, 210, 28);
inline constexpr QRect kHomeButton(420, 310, 210, 28);
inline constexpr QRect kPoolFirst(14, 366, 400, 24);
inline constexpr QRect kPoolSecond(14, 392, 400, 24);
inline constexpr QRect kEditor(420, 348, 210, 72);
// The board editor's two ways in, side by side below the editor text.
inline constexpr QRect kNewBoard(420, 424, 102, 26);
inline constexpr QRect kEditBoard(528, 424, 102, 26);
// British or American English speech, side by side below the pool rule.
inline constexpr QRect kSpeech(14, 420, 400, 26);
inline constexpr QRect kSpeechFirst(0, 0, 190, 24);
inline constexpr QRect kSpeechSecond(196, 0, 204, 24);

// Platform colour values (blue-green-red): the current cell, a left one.
inline constexpr quint32 kCurrentCell = 0xFFFFC0;
inline constexpr quint32 kOtherCell = 0xFFFFFF;

inline QColor Paper() {
    return QColor(0xf4, 0xea, 0xcb);
}
inline QColor Link() {
    return QColor(0x1a, 0x4f, 0xa0);
}

} // namespace BordFileLook
