#include "engine/ClRating.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace {

// The entry of `key` in the list, -1 when there is none.
int FindEntry(const QStringList& entries, const QString& key) {
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).section(QLatin1Char('='), 0, 0) == key)
            return i;
    }
    return -1;
}

bool ReadMinutes(QString text, double& out) {
    bool ok = false;
    out = QLocale::c().toDouble(text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok && std::isfinite(out);
}

} // namespace

namespace ClRating {

QString Key(qint16 level, bool wizardOn) {
    return QString::number(level) + (wizardOn ? QStringLiteral("On") : QStringLiteral("Off"));
}

QString FormatMinutes(float minutes) {
    const double rounded = std::round(double(minutes) * 100.0) / 100.0;
    QString text = QString::number(rounded, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    return text;
}

RatingOutcome Update(const QString& rating, qint16 level, bool wizardOn, qint16 points,
                     float minutes) {
    RatingOutcome outcome;
    outcome.rating = rating;
    QStringList entries = rating.split(QLatin1Char('^'));
    const QString key = Key(level, wizardOn);
    const int at = FindEntry(entries, key);
    if (at < 0)
        return outcome;

    const QString value = entries.at(at).section(QLatin1Char('='), 1);
    const QString storedPoints = value.section(QLatin1Char(','), 0, 0);
    const QString storedMinutes = value.section(QLatin1Char(','), 1);
    const QString m = FormatMinutes(minutes);

    bool numeric = false;
    const int stored = storedPoints.trimmed().toInt(&numeric);
    bool better = false;
    bool equal = false;
    if (!numeric) {
        better = true; // "None": the first win at this level and setting
    } else if (points > stored) {
        better = true;
    } else if (points == stored) {
        equal = true;
        double storedTime = 0.0;
        // A stored time that cannot be read is beaten by a readable one.
        better = !ReadMinutes(storedMinutes, storedTime) || minutes < storedTime - 0.001;
    }

    if (better) {
        outcome.newTop = true;
        outcome.message = QStringLiteral("New top rating on: Level=") + key +
                          QStringLiteral(" Points=") + QString::number(points) +
                          QStringLiteral(" Time=") + m;
        entries[at] = key + QLatin1Char('=') + QString::number(points) + QLatin1Char(',') + m;
    } else {
        outcome.message = (equal ? QStringLiteral("Top rating on: Level=")
                                 : QStringLiteral("Top Rating on: Level=")) +
                          key + QStringLiteral(" Points=") + storedPoints +
                          QStringLiteral(" Time=") + storedMinutes;
    }
    outcome.rating = entries.join(QLatin1Char('^'));
    return outcome;
}

QString BestPoints(const QString& rating, qint16 level, bool wizardOn) {
    const QStringList entries = rating.split(QLatin1Char('^'));
    const int at = FindEntry(entries, Key(level, wizardOn));
    if (at < 0)
        return QString();
    return entries.at(at).section(QLatin1Char('='), 1).section(QLatin1Char(','), 0, 0);
}

QString BestMinutes(const QString& rating, qint16 level, bool wizardOn) {
    const QStringList entries = rating.split(QLatin1Char('^'));
    const int at = FindEntry(entries, Key(level, wizardOn));
    if (at < 0)
        return QString();
    return entries.at(at).section(QLatin1Char('='), 1).section(QLatin1Char(','), 1);
}

} // namespace ClRating
