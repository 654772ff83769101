#include "boardgame/file/ItemLevels.h"

#include "shell/Logging.h"

namespace ItemLevels {

QString Name(ItemLevel level) {
    switch (level) {
    case ItemLevel::Primary:
        return QStringLiteral("primary");
    case ItemLevel::Secondary:
        return QStringLiteral("secondary");
    case ItemLevel::Adult:
        return QStringLiteral("adult");
    case ItemLevel::Any:
        break;
    }
    return QString();
}

ItemLevel FromName(const QString& name, bool* known) {
    const QString n = name.trimmed().toLower();
    ItemLevel level = ItemLevel::Any;
    bool ok = true;
    if (n == QLatin1String("primary"))
        level = ItemLevel::Primary;
    else if (n == QLatin1String("secondary"))
        level = ItemLevel::Secondary;
    else if (n == QLatin1String("adult"))
        level = ItemLevel::Adult;
    else
        ok = n.isEmpty();
    if (known)
        *known = ok;
    return level;
}

QString Caption(ItemLevel level) {
    switch (level) {
    case ItemLevel::Primary:
        return QStringLiteral("Primary");
    case ItemLevel::Secondary:
        return QStringLiteral("Secondary");
    case ItemLevel::Adult:
        return QStringLiteral("Adult");
    case ItemLevel::Any:
        break;
    }
    return QStringLiteral("Any");
}

ItemLevel ForPlayerType(const QString& playerType) {
    if (playerType == QLatin1String("Primary School"))
        return ItemLevel::Primary;
    if (playerType == QLatin1String("High School"))
        return ItemLevel::Secondary;
    if (playerType == QLatin1String("Adult"))
        return ItemLevel::Adult;
    return ItemLevel::Any;
}

QHash<qint64, ItemLevel> QuestionLevels(dao::Database& db) {
    QHash<qint64, ItemLevel> levels;
    try {
        auto rs = db.OpenRecordset(
            QStringLiteral("SELECT Questions.QuestionID, Questions.Level FROM Questions;"));
        while (!rs->Eof()) {
            const ItemLevel level =
                FromName(rs->Fields(QStringLiteral("Level")).Value().toString());
            if (level != ItemLevel::Any)
                levels.insert(rs->Fields(QStringLiteral("QuestionID")).Value().toLongLong(), level);
            rs->MoveNext();
        }
    } catch (const dao::DaoError& e) {
        // A file made before levels: every question suits every seat.
        qCDebug(lcMordaventa) << "no question levels:" << e.Description();
        levels.clear();
    }
    return levels;
}

QHash<QString, ItemLevel> WordLevels(dao::Database& db, int spellingCode) {
    QHash<QString, ItemLevel> levels;
    try {
        auto rs = db.OpenRecordset(
            QStringLiteral("SELECT Spelling.Word, Spelling.Level FROM Spelling WHERE "
                           "(((Spelling.TypeID)=%1));")
                .arg(spellingCode));
        while (!rs->Eof()) {
            levels.insert(rs->Fields(QStringLiteral("Word")).Value().toString().toLower(),
                          FromName(rs->Fields(QStringLiteral("Level")).Value().toString()));
            rs->MoveNext();
        }
    } catch (const dao::DaoError& e) {
        qCDebug(lcMordaventa) << "no word levels:" << e.Description();
        levels.clear();
    }
    return levels;
}

} // namespace ItemLevels
