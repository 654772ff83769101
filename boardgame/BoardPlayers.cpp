#include "boardgame/BoardPlayers.h"

#include "players/ClassPlayerInfo.h"
#include "shell/Logging.h"

#include <QStringList>

QList<SquareCountRow> ReadSquareCounts(dao::Database& db) {
    QList<SquareCountRow> rows;
    auto counts = db.OpenRecordset(QStringLiteral("qSquareCounts"));
    while (!counts->Eof()) {
        rows << SquareCountRow{counts->Fields(QStringLiteral("Caption")).Value().toString(),
                               counts->Fields(QStringLiteral("SquareID")).Value().toString(),
                               counts->Fields(QStringLiteral("CountOfWord")).Value().toString()};
        counts->MoveNext();
    }
    return rows;
}

QList<BoardStatsRow> BoardStatsRows(const QString& statusText, const QList<SquareCountRow>& kinds) {
    const QStringList entries = statusText.split(QLatin1Char('|'));
    QList<BoardStatsRow> rows;
    for (const SquareCountRow& kind : kinds) {
        BoardStatsRow row;
        for (const QString& entry : entries) {
            const QStringList parts = entry.split(QLatin1Char('='));
            if (parts.value(0) != kind.squareId)
                continue;
            row = {kind.caption, parts.value(1), parts.value(2), kind.count, kind.squareId};
        }
        rows << row;
    }
    return rows;
}

QString ResetStatusText(const QList<SquareCountRow>& kinds) {
    // Every kind of the file gets its own code, also one the player had no
    // entry for: an entry without a code ("=0=0") would stand for no square
    // and leave that kind without counters for good.
    QStringList entries;
    for (const SquareCountRow& kind : kinds)
        entries << kind.squareId + QStringLiteral("=0=0");
    return entries.join(QLatin1Char('|'));
}

QString BoardStatusText(const ClassPlayerInfo& player) {
    if (player.SavedGamesIndex.isEmpty())
        return {};
    const ClassSavedGameInfo* entry = player.SavedGames.Find(player.SavedGamesIndex);
    return entry ? entry->GameInfo : QString();
}

bool SetBoardStatusText(ClassPlayerInfo& player, const QString& text) {
    if (player.SavedGamesIndex.isEmpty())
        return false;
    ClassSavedGameInfo* entry = player.SavedGames.Find(player.SavedGamesIndex);
    if (!entry)
        return false;
    entry->GameInfo = text;
    return true;
}

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
