#include "boardgame/BoardStatus.h"

#include "players/ClassPlayerInfo.h"

#include <QStringList>

#include <limits>

namespace BoardStatus {

namespace {

// One more than a counter. A counter that is not a number counts from 0; the
// counters are 16-bit, so a full one stays at its top instead of wrapping.
QString plusOne(const QString& counter) {
    bool ok = false;
    const qlonglong value = counter.trimmed().toLongLong(&ok);
    const qlonglong top = std::numeric_limits<qint16>::max();
    const qlonglong next = ok ? (value >= top ? top : value + 1) : 1;
    return QString::number(next);
}

} // namespace

bool SameCode(const QString& a, const QString& b) {
    bool okA = false;
    bool okB = false;
    const qlonglong x = a.trimmed().toLongLong(&okA);
    const qlonglong y = b.trimmed().toLongLong(&okB);
    return okA && okB ? x == y : a == b;
}

QList<StatusCounter> Read(const QString& text) {
    QList<StatusCounter> counters;
    if (text.isEmpty())
        return counters;
    for (const QString& item : text.split(QLatin1Char('|'))) {
        const QStringList parts = item.split(QLatin1Char('='));
        counters.append({parts.value(0), parts.value(1), parts.value(2)});
    }
    return counters;
}

QString Write(const QList<StatusCounter>& counters) {
    QStringList items;
    for (const StatusCounter& c : counters)
        items << c.code + QLatin1Char('=') + c.right + QLatin1Char('=') + c.wrong;
    return items.join(QLatin1Char('|'));
}

QString CountAnswer(const QString& text, const QString& code, bool right) {
    QStringList items = text.isEmpty() ? QStringList() : text.split(QLatin1Char('|'));
    for (QString& item : items) {
        QStringList parts = item.split(QLatin1Char('='));
        if (!SameCode(parts.value(0), code))
            continue;
        while (parts.size() < 3)
            parts.append(QStringLiteral("0"));
        const int at = right ? 1 : 2;
        parts[at] = plusOne(parts[at]);
        item = parts.join(QLatin1Char('='));
        return items.join(QLatin1Char('|'));
    }
    items << code + (right ? QStringLiteral("=1=0") : QStringLiteral("=0=1"));
    return items.join(QLatin1Char('|'));
}

QString New(const QList<SquareCountRow>& kinds) {
    // Every kind gets its own code, also one a player had no item for: an
    // item without a code ("=0=0") would stand for no square and leave that
    // kind without counters for good.
    QList<StatusCounter> counters;
    for (const SquareCountRow& kind : kinds)
        counters.append({kind.squareId, QStringLiteral("0"), QStringLiteral("0")});
    return Write(counters);
}

QList<BoardStatsRow> Rows(const QString& text, const QList<SquareCountRow>& kinds) {
    const QList<StatusCounter> counters = Read(text);
    QList<BoardStatsRow> rows;
    for (const SquareCountRow& kind : kinds) {
        BoardStatsRow row;
        for (const StatusCounter& c : counters) {
            if (SameCode(c.code, kind.squareId)) {
                row = {kind.caption, c.right, c.wrong, kind.count, kind.squareId};
                break;
            }
        }
        rows << row;
    }
    return rows;
}

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

ClassSavedGameInfo* Entry(ClassPlayerInfo& player) {
    return player.SavedGamesIndex.isEmpty() ? nullptr
                                            : player.SavedGames.Find(player.SavedGamesIndex);
}

QString Text(const ClassPlayerInfo& player) {
    const ClassSavedGameInfo* entry =
        player.SavedGamesIndex.isEmpty() ? nullptr : player.SavedGames.Find(player.SavedGamesIndex);
    return entry ? entry->GameInfo : QString();
}

bool SetText(ClassPlayerInfo& player, const QString& text) {
    ClassSavedGameInfo* entry = Entry(player);
    if (entry)
        entry->GameInfo = text;
    return entry;
}

bool Count(ClassPlayerInfo& player, const QString& code, bool right) {
    ClassSavedGameInfo* entry = Entry(player);
    if (entry)
        entry->GameInfo = CountAnswer(entry->GameInfo, code, right);
    return entry;
}

} // namespace BoardStatus
