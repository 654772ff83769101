#include "boardgame/StatusCounters.h"

#include <QStringList>

#include <limits>

namespace StatusCounters {

namespace {

// Codes are compared as numbers where both are numbers ("5" and "05" are
// the same kind), as text otherwise.
bool sameCode(const QString& a, const QString& b) {
    bool okA = false;
    bool okB = false;
    const qlonglong x = a.trimmed().toLongLong(&okA);
    const qlonglong y = b.trimmed().toLongLong(&okB);
    return okA && okB ? x == y : a == b;
}

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
        if (!sameCode(parts.value(0), code))
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

} // namespace StatusCounters
