#include "boardgame/BoardPlayers.h"

#include "boardgame/BoardGame.h"
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

ClassPlayerInfo& SeatPeople::Player(int seat) {
    return m_players[size_t(qBound(1, seat, BoardSeats::PeopleSeats) - 1)];
}

const ClassPlayerInfo& SeatPeople::Player(int seat) const {
    return m_players[size_t(qBound(1, seat, BoardSeats::PeopleSeats) - 1)];
}

QString SeatPeople::NickName(int seat) const {
    if (seat < 0 || seat >= BoardSeats::SeatCount)
        return {};
    if (seat != BoardSeats::ProfessorSeat && !Player(seat).NickName.isEmpty())
        return Player(seat).NickName;
    return QLatin1String(BoardTimings::SeatName[size_t(seat)]);
}

QString SeatPeople::TokenKey(int seat) const {
    if (seat < 0 || seat >= BoardSeats::SeatCount)
        return {};
    if (seat != BoardSeats::ProfessorSeat && PeopleTokens().contains(Player(seat).Token))
        return Player(seat).Token;
    return QLatin1String(BoardTimings::SeatPictureKeys[size_t(seat)]);
}

int SeatPeople::TakeSeat(int seat) {
    QList<const ClassPlayerInfo*> seated{nullptr}; // index = seat
    for (const ClassPlayerInfo& player : m_players)
        seated << &player;
    const int other = SeatOfPlayer(seated, Player(seat), seat);
    if (other >= 0)
        Player(seat) = ClassPlayerInfo();
    else
        m_unsaved.TakeBack(Player(seat));
    return other;
}

QStringList SeatPeople::TakenTokens(int seat) const {
    QStringList taken;
    for (int other = 1; other < BoardSeats::SeatCount; ++other) {
        const QString& token = Player(other).Token;
        if (other != seat && m_game.SeatOn(other) && !token.isEmpty())
            taken << token;
    }
    return taken;
}

QString SeatPeople::RememberedToken(int seat) const {
    return ::RememberedToken(Player(seat), TakenTokens(seat));
}

QString SeatPeople::ProposedToken(int seat) const {
    return FirstFreeToken(
        {Player(seat).Token,
         QLatin1String(
             BoardTimings::SeatPictureKeys[size_t(qBound(1, seat, BoardSeats::PeopleSeats))])},
        TakenTokens(seat));
}

void SeatPeople::ChooseToken(int seat, const QString& chosen) {
    Player(seat).Token = chosen.isEmpty() ? ProposedToken(seat) : chosen;
}

QStringList SeatPeople::SaveAll() {
    QList<ClassPlayerInfo*> records;
    for (ClassPlayerInfo& player : m_players)
        records << &player;
    return m_unsaved.Save(records);
}

QStringList SeatPeople::Leave(int seat) {
    ClassPlayerInfo& player = Player(seat);
    const QStringList failed = m_unsaved.Save({&player});
    // The record leaves with its person: a later save of this seat must not
    // write an old copy over what the person did on another seat.
    m_unsaved.Release(player);
    return failed;
}

void SeatPeople::ReleaseAll() {
    for (ClassPlayerInfo& player : m_players)
        m_unsaved.Release(player);
}
