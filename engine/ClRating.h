#pragma once
// The player's rating text: ten entries joined by "^", one per word level 3
// to 7 with the wizard on and off, each "<level>On=<points>,<minutes>" or
// "<level>Off=...". "None" in place of the points means no result yet.
#include <QString>
#include <QtGlobal>

struct RatingOutcome {
    QString message; // the text of lblRating; empty when the level has no entry
    QString rating;  // the rating text after the game
    bool newTop = false;
};

namespace ClRating {

// "4Off", "7On".
QString Key(qint16 level, bool wizardOn);
// Minutes as the rating writes them: two decimals, always with a ".", since
// "," already separates the points from the minutes.
QString FormatMinutes(float minutes);
// A won game: compares the points (and on equal points the time) with the
// stored best of its level and wizard setting. A stored "None" (or anything
// that is not a number) is beaten by any result; on equal points the shorter
// time is the better one.
RatingOutcome Update(const QString& rating, qint16 level, bool wizardOn, qint16 points,
                     float minutes);
// The stored best points of a level and wizard setting ("None" when there is
// no result yet); empty when the rating has no such entry.
QString BestPoints(const QString& rating, qint16 level, bool wizardOn);
// The stored minutes of that best result, as written; empty when the rating
// has no such entry.
QString BestMinutes(const QString& rating, qint16 level, bool wizardOn);

} // namespace ClRating
