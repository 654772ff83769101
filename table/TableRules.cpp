#include "table/TableRules.h"

#include "table/SolitaireTimings.h"

using namespace SolitaireTimings;

namespace TableRules {

int PileBandAt(int cardLeft) {
    for (int p = 0; p < int(PileColumn.size()); ++p) {
        if (cardLeft >= PileColumn[p] - PileBandHalfWidth &&
            cardLeft <= PileColumn[p] + PileBandHalfWidth)
            return p + 1;
    }
    return 0;
}

int DropThreshold(int faceUp, int faceDown) {
    return DropBase + DropPerFaceUp * (faceUp - 1) + 2 * faceDown + 1;
}

Step StepTowards(int position, int goal, int step) {
    if (position + step >= goal) {
        if (position - step < goal)
            return {goal, true};
        return {position - step, false};
    }
    return {position + step, false};
}

QPoint LaidCardPlace(int pile, int faceDownBefore, int faceUpBefore) {
    const int column = pile >= 1 && pile <= 5 ? PileColumn[pile - 1] : 0;
    return {column, PileTopMargin + FaceDownOffset * faceDownBefore + FaceUpSpacing * faceUpBefore};
}

QPoint DealFinalPlace(int pile, int n) {
    const int column = pile >= 1 && pile <= 5 ? PileColumn[pile - 1] : 0;
    return {column - FaceDownOffset * n, PileTopMargin + FaceDownOffset * n};
}

int SavedCardTop(int faceDown, int wordPlace) {
    return PileTopMargin + FaceDownOffset * faceDown + FaceUpSpacing * (wordPlace - 1);
}

DeckFrame DeckAnimationFrame(const QString& tag) {
    for (const DeckStep& step : DeckSteps) {
        if (tag == QLatin1String(step.tag))
            return {step.picture, QString::fromLatin1(step.next)};
    }
    return {DeckRestPicture, QString::fromLatin1(DeckRestartTag)};
}

bool DisplayTooSmall(int workAreaWidthPixels) {
    return PixelsToTwips(workAreaWidthPixels) <= MinimumWorkAreaTwips;
}

} // namespace TableRules
