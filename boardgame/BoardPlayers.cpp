#include "boardgame/BoardPlayers.h"

#include "boardgame/BoardTimings.h"
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
