#include "players/ClassSavedGameInfo.h"

ClassSavedGameInfo::ClassSavedGameInfo(const QString& gameInfo, const QString& gameUserId,
                                       const QString& gameType)
    : GameInfo(gameInfo), GameUserID(gameUserId), GameType(gameType) {}
