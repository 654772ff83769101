#pragma once
// Saving a player whose file another copy of the game (another machine on a
// shared classroom folder) changed since this copy read it: the three
// versions are merged so that neither copy's results are lost.
#include "players/ClassPlayerInfo.h"

namespace PlayerFileMerge {

// The record to write, from `base` (the file as this copy last read or wrote
// it), `theirs` (the file as it is now) and `ours` (this copy's record).
// Board status counters add up what each copy counted since `base`; saved
// solitaire games are united; each rating entry keeps the better result;
// a personal detail that this copy left unchanged takes the other copy's.
ClassPlayerInfo Merge(const ClassPlayerInfo& base, const ClassPlayerInfo& theirs,
                      const ClassPlayerInfo& ours);

// The rating texts' entries, each the better of the two: more points, on
// equal points the shorter time; "None" (no result) loses to any result.
QString BetterRating(const QString& ours, const QString& theirs);

// Board status counters ("code=right=wrong|..."): ours plus what theirs
// counted since base.
QString AddCounters(const QString& base, const QString& theirs, const QString& ours);

} // namespace PlayerFileMerge
