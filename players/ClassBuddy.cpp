#include "players/ClassBuddy.h"

ClassBuddy::ClassBuddy(const QString& first, const QString& key, const QString& third, bool flag)
    : First(first), Key(key), Third(third), Flag(flag) {}

QString ClassBuddy::FileText() const {
    return First + QLatin1Char(':') + Key + QLatin1Char(':') + Third + QLatin1Char(':') +
           (Flag ? QStringLiteral("True") : QStringLiteral("False"));
}
