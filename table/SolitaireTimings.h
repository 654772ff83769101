#pragma once
// Every interval, step table and fixed position of the solitaire table's
// animations, in one place so the whole motion of the table reads on one
// screen. Positions are pixels of the playing area `picGame`.
#include <QPoint>

#include <array>

namespace SolitaireTimings {

// Timer intervals (milliseconds).
inline constexpr int DeckAnimationInterval = 300;
inline constexpr int DealInterval = 40;
inline constexpr int MoveCardBackInterval = 50;
inline constexpr int WordDoneInterval = 50;
// The music's TimerAtEndFile (100 ms) belongs to TableMusic.

// ---- Deck idle animation: picture by the deck button's Tag, then the next Tag.
struct DeckStep {
    const char* tag;
    int picture;
    const char* next;
};
inline constexpr std::array<DeckStep, 14> DeckSteps{{
    {"1", 136, "2"},
    {"2", 137, "3"},
    {"3", 138, "4"},
    {"4", 139, "5"},
    {"5", 136, "6"},
    {"6", 137, "7"},
    {"7", 138, "8"},
    {"8", 139, "9"},
    {"9", 133, "10"},
    {"10", 133, "11"},
    {"11", 134, "12"},
    {"12", 135, "13"},
    {"13", 135, "14"},
    {"14", 133, ""},
}};
// Any other Tag shows this picture and restarts at "1".
inline constexpr int DeckRestPicture = 140;
inline constexpr const char* DeckRestartTag = "1";

// ---- Deal flight (Timer2): one row per Tag "0" to "11".
enum class BackKey { None, BackCard, BackCard90, BackCard180, BackCard270 };
struct DealStep {
    int deckPicture; // 0: unchanged
    BackKey back;    // card-back picture; None: unchanged
    int resizeStep;  // ResizePic argument; 0: unchanged
    QPoint moveTo;   // (-1, -1): not moved at this step
};
inline constexpr QPoint NoMove{-1, -1};
inline constexpr std::array<DealStep, 9> DealSteps{{
    /* "0" */ {133, BackKey::None, 0, NoMove},
    /* "1" */ {142, BackKey::BackCard90, 2, QPoint(251, 367)},
    /* "2" */ {133, BackKey::BackCard, 3, QPoint(280, 340)},
    /* "3" */ {0, BackKey::BackCard270, 4, QPoint(320, 310)},
    /* "4" */ {0, BackKey::BackCard180, 5, QPoint(340, 280)},
    /* "5" */ {0, BackKey::BackCard90, 6, QPoint(360, 260)},
    /* "6" */ {0, BackKey::BackCard, 7, QPoint(380, 240)},
    /* "7" */ {0, BackKey::BackCard270, 8, QPoint(400, 220)},
    /* "8" */ {0, BackKey::BackCard180, 9, QPoint(400, 180)},
}};
// Step "9": the approach point of each pile (index 0 = pile 1).
inline constexpr std::array<QPoint, 5> DealApproach{
    {QPoint(290, 126), QPoint(330, 126), QPoint(370, 126), QPoint(406, 126), QPoint(480, 126)}};
// Step "10": where the card turns over, at this size step.
inline constexpr std::array<QPoint, 5> DealTurnOver{
    {QPoint(217, 60), QPoint(310, 66), QPoint(403, 80), QPoint(496, 60), QPoint(589, 60)}};
inline constexpr int DealTurnOverResize = 10;
inline constexpr int DealFirstStep = 0;
inline constexpr int DealApproachStep = 9;
inline constexpr int DealTurnOverStep = 10;
inline constexpr int DealLastStep = 11;
// Step "1" brings the card to the front and clicks.
inline constexpr int DealLaunchStep = 1;
// The deck once a card has left it (step "2"), also after a skipped flight.
inline constexpr int DeckAfterDeal = 133;

// ---- Pile geometry.
inline constexpr std::array<int, 5> PileColumn{217, 310, 403, 496, 589};
// A dragged card whose left lies in [column - 30, column + 30] is over the pile.
inline constexpr int PileBandHalfWidth = 30;
// Only card tops at or above this line count as over a pile.
inline constexpr int PileBandMaxTop = 295;
inline constexpr int PileTopMargin = 3;
inline constexpr int FaceDownOffset = 2; // face-down cards stack 2 pixels apart
inline constexpr int FaceUpSpacing = 31; // face-up letters of a word, one under the other
// Drop threshold T = DropBase + DropPerFaceUp * (face-up - 1) + 2 * face-down + 1.
inline constexpr int DropBase = 105;
inline constexpr int DropPerFaceUp = 30;

// ---- Discards.
inline constexpr std::array<int, 6> DiscardHomeLeft{300, 340, 375, 410, 445, 480};
inline constexpr int DiscardHomeTop = 297;
inline constexpr int FlightStep = 20; // returning cards and word cards move 20 pixels a tick

// ---- Word flight goal (towards the "Words Built" list).
inline constexpr QPoint WordGoal{688, 200};

// ---- Tints, as colour values in blue-green-red order (0xFFFFC0 is light cyan).
inline constexpr quint32 PileHighlight = 0xE4FFE3;
inline constexpr quint32 PickedUpDiscard = 0xB4F3EF;
inline constexpr quint32 ReturningDiscard = 0xE2E1FF;
inline constexpr quint32 DiscardAtRest = 0xC0FFFF;
inline constexpr quint32 LaidCard = 0xFFFFC0;
inline constexpr quint32 WordCard = 0xE4F5FE;
inline constexpr quint32 GridSelection = 0xFFFFC0;
inline constexpr quint32 GridSelectionSorting = 0xFFFFFF;
// Hint words the unplayed cards can no longer complete.
inline constexpr quint32 HintOutOfReach = 0x909090;

// ---- The frame around the pile chosen by keys: gold on a dark edge, this
// far outside the pile's cards.
inline constexpr quint32 KeyFrameColour = 0x00D7FF;
inline constexpr quint32 KeyFrameShadow = 0x202020;
inline constexpr int KeyFrameWidth = 3;
inline constexpr int KeyFrameMargin = 4;
inline constexpr int KeyFrameRadius = 7;

} // namespace SolitaireTimings
