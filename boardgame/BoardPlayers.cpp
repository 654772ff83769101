#include "boardgame/BoardPlayers.h"

#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"

#include <QStringList>

QStringList SaveBoardPlayers(const QList<ClassPlayerInfo*>& players) {
    QStringList failed;
    for (ClassPlayerInfo* player : players) {
        if (!player || player->SavePlayer())
            continue;
        qCWarning(lcMordaventa) << "could not write the player file of" << player->NickName;
        failed << player->NickName;
    }
    return failed;
}
