#pragma once
// The geometric and textual rules of the solitaire table, apart from any
// widget: which pile a dragged card is over, where cards come to rest, how a
// flying card steps, what the deck shows next. The window applies them.
#include <QPoint>
#include <QString>

namespace TableRules {

// The pile (1 to 5) whose drop band holds a card left, or 0. Bands are tested
// in pile order with both ends included.
int PileBandAt(int cardLeft);

// The drop threshold T for a pile with these face-up and face-down counts: a
// card whose top lies below it is returned without asking the rules.
int DropThreshold(int faceUp, int faceDown);

// One 20-pixel step of a flying card towards `goal` along one axis.
struct Step {
    int position;
    bool arrived;
};
Step StepTowards(int position, int goal, int step);

// Where a card laid on pile p (1 to 5) rests, given the pile's counts before it.
QPoint LaidCardPlace(int pile, int faceDownBefore, int faceUpBefore);
// The final place of the n-th card dealt onto pile p (n counts that card too).
QPoint DealFinalPlace(int pile, int n);
// The top of a saved game's face-up card at word place `wordPlace` (from 1).
int SavedCardTop(int faceDown, int wordPlace);

// The deck's idle animation: the picture for a Tag and the Tag that follows.
struct DeckFrame {
    int picture;
    QString nextTag;
};
DeckFrame DeckAnimationFrame(const QString& tag);

// Twips and pixels (15 twips to the pixel).
inline constexpr int TwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) {
    return twips / TwipsPerPixel;
}
constexpr int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

// A display work area this narrow (in twips) is too small for the table.
inline constexpr int MinimumWorkAreaTwips = 9600;
bool DisplayTooSmall(int workAreaWidthPixels);

} // namespace TableRules
