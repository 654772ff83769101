#include "boardgame/BoardPlayers.h"

#include "boardgame/BoardTimings.h"
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

QStringList PeopleTokens() {
    QStringList keys;
    for (int seat = 1; seat < BoardTimings::SeatCount; ++seat)
        keys << QLatin1String(BoardTimings::SeatPictureKeys[size_t(seat)]);
    return keys;
}

QString RememberedToken(const ClassPlayerInfo& player, const QStringList& taken) {
    if (!PeopleTokens().contains(player.Token) || taken.contains(player.Token))
        return {};
    return player.Token;
}

QString FirstFreeToken(const QStringList& preferred, const QStringList& taken) {
    const QStringList pictures = PeopleTokens();
    for (const QStringList& keys : {preferred, pictures}) {
        for (const QString& key : keys) {
            if (pictures.contains(key) && !taken.contains(key))
                return key;
        }
    }
    return {}; // five pictures for five people's seats: never reached
}

namespace {

// Player files are matched without regard to letter case, as the login does.
bool SameFile(const QString& a, const QString& b) {
    return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

int SeatOfPlayer(const QList<const ClassPlayerInfo*>& seated, const ClassPlayerInfo& player,
                 int self) {
    for (int i = 0; i < seated.size(); ++i) {
        if (i != self && seated[i] && SameFile(seated[i]->Filename, player.Filename))
            return i;
    }
    return -1;
}

QStringList UnsavedPlayers::Save(const QList<ClassPlayerInfo*>& seated) {
    QStringList failed;
    for (ClassPlayerInfo* player : seated) {
        if (!player || player->Filename.isEmpty())
            continue;
        m_failed.removeIf([player](const QString& f) { return SameFile(f, player->Filename); });
        if (!player->SavePlayer()) {
            qCWarning(lcMordaventa) << "could not write the player file of" << player->NickName;
            m_failed << player->Filename;
            failed << player->NickName;
        }
    }
    for (auto it = m_kept.begin(); it != m_kept.end();) {
        if (it->SavePlayer()) {
            it = m_kept.erase(it);
        } else {
            failed << it->NickName;
            ++it;
        }
    }
    return failed;
}

void UnsavedPlayers::Release(ClassPlayerInfo& player) {
    const QString file = player.Filename;
    if (m_failed.removeIf([&file](const QString& f) { return SameFile(f, file); }) > 0)
        m_kept << player;
    player = ClassPlayerInfo();
}

bool UnsavedPlayers::TakeBack(ClassPlayerInfo& player) {
    for (qsizetype i = 0; i < m_kept.size(); ++i) {
        if (!SameFile(m_kept[i].Filename, player.Filename))
            continue;
        player = m_kept.takeAt(i);
        // Still unwritten: leaving the seat keeps it again unless a save gets through.
        m_failed << player.Filename;
        return true;
    }
    return false;
}
