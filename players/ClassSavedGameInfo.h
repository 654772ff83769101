#pragma once
// One entry of a player's saved games: a saved solitaire game (type
// "Solitaire", key "S<n>") or a board game's per-square status record (type =
// the board-game file's name, key "B<n>").
#include "players/KeyedCollection.h"

#include <QString>

class ClassSavedGameInfo {
public:
    ClassSavedGameInfo() = default;
    ClassSavedGameInfo(const QString& gameInfo, const QString& gameUserId, const QString& gameType);

    QString GameInfo;   // the record's content
    QString GameUserID; // the key in the collection
    QString GameType;   // "Solitaire" or the board-game file's name

    QString CollectionKey() const { return GameUserID; }
    bool operator==(const ClassSavedGameInfo&) const = default;
};

using SavedGameCollection = KeyedCollection<ClassSavedGameInfo>;
