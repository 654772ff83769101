#pragma once
// Intervals, sizes, positions and colours of the question window, the spelling
// window and the character picker, in one place. Sizes the board-game
// windows were first laid out in are given in twips and converted here, 15 to
// the pixel; the rest are pixels.
#include "shell/ui/WindowChrome.h"

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRect>

namespace SquareLook {

inline constexpr int TwipsPerPixel = 15;
inline constexpr int Px(int twips) {
    return twips / TwipsPerPixel;
}

// The blink of the result colours (TimerAnswered).
inline constexpr int AnsweredInterval = 100;

// Platform colour values (blue-green-red).
inline constexpr quint32 PaleGreen = 12648384;  // C0FFC0
inline constexpr quint32 PaleYellow = 12648447; // C0FFFF
inline constexpr quint32 PaleRed = 12632319;    // C0C0FF
inline constexpr quint32 White = 16777215;      // FFFFFF
inline constexpr quint32 DarkGreen = 49152;     // C000
inline constexpr quint32 DarkRed = 128;         // 80

inline QColor Colour(quint32 bgr) {
    return WindowChrome::ColorFromBgr(bgr);
}
// The paper of the three windows and the band of their captions.
inline QColor Paper() {
    return QColor(0xf4, 0xea, 0xcb);
}
inline QColor CaptionBand() {
    return QColor(0xd9, 0xc8, 0x9a);
}
inline constexpr int CaptionHeight = 24;
inline constexpr int SpeakButtonSize = 28;

// ---- frmQuestion
namespace Question {
inline constexpr int Width = 600;
inline constexpr QRect Token{10, 32, 48, 48};
inline constexpr QRect QuestionFrame{66, 28, 524, 122};
// Inside the question frame: the captions at the left, the two texts with
// their read-aloud buttons, and the question's picture at the right. The
// texts take the picture's room when there is none.
inline constexpr QRect QuestionLabel{8, 10, 66, 20};
inline constexpr QRect TipLabel{8, 64, 66, 20};
inline constexpr int TextLeft = 76;
inline constexpr int QuestionTop = 8;
inline constexpr int TipTop = 62;
inline constexpr int TextHeight = 50;
inline constexpr QRect Picture{396, 8, 120, 106};
inline constexpr int TextWidthBesidePicture = 284;
inline constexpr int TextWidth = 408;
inline constexpr int TextPointSize = 11;
// The answer frame: its top, and its height by the number of answers.
inline constexpr int AnswerFrameLeft = 10;
inline constexpr int AnswerFrameTop = 153;
inline constexpr int AnswerFrameWidth = 580;
struct Sizing {
    int answers; // up to this many answers
    int frameHeightTwips;
    int closeTopTwips;
    int windowHeightTwips;
};
inline constexpr Sizing Sizes[] = {
    {2, 1820, 4200, 5325},
    {4, 3255, 5640, 6765},
    {6, 4690, 7080, 8190},
};
inline constexpr Sizing SizeFor(int answers) {
    for (const Sizing& s : Sizes)
        if (answers <= s.answers)
            return s;
    return Sizes[2];
}
// An answer's place in the frame: two columns, a row per two answers.
inline constexpr int SlotLeft = 8;
inline constexpr int SlotTop = 20;
inline constexpr int SlotWidth = 286;
inline constexpr int SlotHeight = Px(1435);
inline constexpr QRect Option{0, 34, 20, 20};
// A choice's picture lies on its text box, whose colour shows the result
// around it: at the right beside a text, in the middle without one.
inline constexpr QRect AnswerText{22, 2, 222, 86};
inline constexpr int AnswerTextWrapBesidePicture = 120;
inline constexpr QRect AnswerPicture{150, 6, 90, 78};
inline constexpr QRect AnswerPictureAlone{88, 6, 90, 78};
inline constexpr QRect SpeakAnswer{248, 2, SpeakButtonSize, SpeakButtonSize};
inline constexpr int CloseLeft = 150;
inline constexpr int CloseWidth = 300;
inline constexpr int CloseHeight = 40;
} // namespace Question

// ---- frmSpelling
namespace Spelling {
inline constexpr int Width = 560;
inline constexpr int Height = 370;
inline constexpr QRect Token{10, 32, 48, 48};
inline constexpr QRect Word{70, 32, 336, 44};
inline constexpr int WordPointSize = 20; // smaller for a word that would not fit
inline constexpr int WordSmallestPointSize = 8;
inline constexpr QRect Sound{412, 38, 32, 32};
inline constexpr QRect Chance{452, 42, 100, 24};
inline constexpr QRect TypeLabel{10, 92, 88, 22};
inline constexpr QRect TypeWord{100, 84, 264, 36};
inline constexpr int TypePointSize = 14;
inline constexpr QRect InsertCharacter{370, 84, 38, 36};
inline constexpr QRect CaseNote{100, 122, 440, 20};
inline constexpr QRect CapitalNote{100, 142, 440, 20}; // shown for a word with a capital
inline constexpr QRect DefinitionFrame{10, 166, 400, 134};
inline constexpr QRect DefinitionText{8, 22, 344, 102};
inline constexpr int DefinitionPointSize = 11;
inline constexpr QRect SpeakDefinition{358, 22, 32, 32};
inline constexpr QRect Picture{420, 84, 130, 216};
inline constexpr QRect Close{130, 314, 300, 40};
} // namespace Spelling

// ---- frmCharacters
namespace Characters {
inline constexpr int Columns = 12;
inline constexpr int Cell = 30; // a label and its gap
inline constexpr int LabelSize = 28;
inline constexpr int Left = 10;
inline constexpr int UpperTop = 32;
inline constexpr int LowerTop = 128;
inline constexpr int Width = 2 * Left + Columns * Cell;
inline constexpr QRect Cancel{120, 228, 140, 30};
inline constexpr int Height = 268;
inline constexpr int LabelPointSize = 13;
} // namespace Characters

// A small loudspeaker for the read-aloud buttons.
inline QIcon SpeakerIcon() {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    QPainterPath body;
    body.moveTo(2, 7);
    body.lineTo(6, 7);
    body.lineTo(11, 3);
    body.lineTo(11, 17);
    body.lineTo(6, 13);
    body.lineTo(2, 13);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.6));
    p.drawArc(QRectF(8, 6, 6, 8), -60 * 16, 120 * 16);
    p.drawArc(QRectF(8, 3, 10, 14), -60 * 16, 120 * 16);
    return QIcon(pixmap);
}

} // namespace SquareLook
