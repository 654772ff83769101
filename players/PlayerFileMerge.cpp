#include "players/PlayerFileMerge.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace PlayerFileMerge {

namespace {

const QString kSolitaireType = QStringLiteral("Solitaire");

// The points and minutes of a rating entry's value ("12,3.50"); points are
// -1 when there is no result ("None").
struct RatingValue {
    int points = -1;
    double minutes = 0.0;
};

RatingValue ratingValue(const QString& entry) {
    const QString value = entry.section(QLatin1Char('='), 1);
    RatingValue result;
    bool ok = false;
    const int points = value.section(QLatin1Char(','), 0, 0).trimmed().toInt(&ok);
    if (!ok)
        return result;
    result.points = points;
    bool timeOk = false;
    const double minutes = value.section(QLatin1Char(','), 1).trimmed().toDouble(&timeOk);
    result.minutes = timeOk ? minutes : std::numeric_limits<double>::max();
    return result;
}

bool sameCode(const QString& a, const QString& b) {
    bool okA = false;
    bool okB = false;
    const qlonglong x = a.trimmed().toLongLong(&okA);
    const qlonglong y = b.trimmed().toLongLong(&okB);
    return okA && okB ? x == y : a == b;
}

// The right and wrong answers of a kind in a counters text, 0 when absent.
std::pair<qlonglong, qlonglong> countsOf(const QStringList& items, const QString& code) {
    for (const QString& item : items) {
        const QStringList parts = item.split(QLatin1Char('='));
        if (sameCode(parts.value(0), code))
            return {parts.value(1).trimmed().toLongLong(), parts.value(2).trimmed().toLongLong()};
    }
    return {0, 0};
}

QStringList items(const QString& text) {
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('|'));
}

// The counters are 16-bit: a sum stays in their range.
qlonglong clamped(qlonglong value) {
    return std::clamp<qlonglong>(value, 0, std::numeric_limits<qint16>::max());
}

const ClassSavedGameInfo* entryOfType(const SavedGameCollection& games, const QString& type) {
    for (const ClassSavedGameInfo& entry : games) {
        if (entry.GameType == type)
            return &entry;
    }
    return nullptr;
}

bool holds(const SavedGameCollection& games, const ClassSavedGameInfo& game) {
    for (const ClassSavedGameInfo& entry : games) {
        if (entry.GameType == game.GameType && entry.GameInfo == game.GameInfo)
            return true;
    }
    return false;
}

QString freeKey(const SavedGameCollection& games) {
    int n = games.Count() + 1;
    while (games.Contains(QStringLiteral("S%1").arg(n)))
        ++n;
    return QStringLiteral("S%1").arg(n);
}

} // namespace

QString BetterRating(const QString& ours, const QString& theirs) {
    QStringList entries = ours.split(QLatin1Char('^'));
    const QStringList others = theirs.split(QLatin1Char('^'));
    for (const QString& other : others) {
        const QString key = other.section(QLatin1Char('='), 0, 0);
        const auto mine = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
            return e.section(QLatin1Char('='), 0, 0) == key;
        });
        if (mine == entries.end()) {
            entries << other;
            continue;
        }
        const RatingValue a = ratingValue(*mine);
        const RatingValue b = ratingValue(other);
        if (b.points > a.points || (b.points == a.points && b.points >= 0 && b.minutes < a.minutes))
            *mine = other;
    }
    return entries.join(QLatin1Char('^'));
}

QString AddCounters(const QString& base, const QString& theirs, const QString& ours) {
    const QStringList baseItems = items(base);
    const QStringList theirItems = items(theirs);
    QStringList codes;
    for (const QString& item : items(ours) + theirItems) {
        const QString code = item.section(QLatin1Char('='), 0, 0);
        if (std::none_of(codes.begin(), codes.end(),
                         [&](const QString& c) { return sameCode(c, code); }))
            codes << code;
    }
    const QStringList ourItems = items(ours);
    QStringList merged;
    for (const QString& code : codes) {
        const auto [oRight, oWrong] = countsOf(ourItems, code);
        const auto [tRight, tWrong] = countsOf(theirItems, code);
        const auto [bRight, bWrong] = countsOf(baseItems, code);
        merged << code + QLatin1Char('=') + QString::number(clamped(oRight + tRight - bRight)) +
                      QLatin1Char('=') + QString::number(clamped(oWrong + tWrong - bWrong));
    }
    return merged.join(QLatin1Char('|'));
}

ClassPlayerInfo Merge(const ClassPlayerInfo& base, const ClassPlayerInfo& theirs,
                      const ClassPlayerInfo& ours) {
    ClassPlayerInfo merged = ours;
    // Details changed by the other copy only (a new password, a new school).
    for (QString ClassPlayerInfo::*field :
         {&ClassPlayerInfo::Password, &ClassPlayerInfo::FirstName, &ClassPlayerInfo::LastName,
          &ClassPlayerInfo::Country, &ClassPlayerInfo::ProvState, &ClassPlayerInfo::City,
          &ClassPlayerInfo::School, &ClassPlayerInfo::PlayerType, &ClassPlayerInfo::PostalCode}) {
        if (ours.*field == base.*field)
            merged.*field = theirs.*field;
    }
    if (ours.Age == base.Age)
        merged.Age = theirs.Age;
    if (ours.Gender == base.Gender)
        merged.Gender = theirs.Gender;
    merged.Rating = BetterRating(ours.Rating, theirs.Rating);

    for (ClassSavedGameInfo& entry : merged.SavedGames) {
        if (entry.GameType == kSolitaireType)
            continue;
        const ClassSavedGameInfo* other = entryOfType(theirs.SavedGames, entry.GameType);
        const ClassSavedGameInfo* before = entryOfType(base.SavedGames, entry.GameType);
        if (other)
            entry.GameInfo =
                AddCounters(before ? before->GameInfo : QString(), other->GameInfo, entry.GameInfo);
    }
    for (const ClassSavedGameInfo& other : theirs.SavedGames) {
        const bool counters = other.GameType != kSolitaireType;
        if (counters ? entryOfType(merged.SavedGames, other.GameType) != nullptr
                     : holds(merged.SavedGames, other) || holds(base.SavedGames, other))
            continue;
        ClassSavedGameInfo added = other;
        added.GameUserID = freeKey(merged.SavedGames);
        merged.SavedGames.Add(added);
    }
    return merged;
}

} // namespace PlayerFileMerge
