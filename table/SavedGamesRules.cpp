#include "table/SavedGamesRules.h"

#include "engine/SavedGameRecord.h"

#include <QDate>
#include <QLocale>

namespace SavedGamesRules {

QString FormatGameDate(const QString& stored) {
    static const char* const formats[] = {"dd-MMM-yy",  "d-MMM-yy",   "dd-MMM-yyyy", "yyyy-MM-dd",
                                          "dd/MM/yyyy", "MM/dd/yyyy", "d/M/yyyy",    "M/d/yyyy"};
    const QLocale c = QLocale::c();
    for (const char* format : formats) {
        QDate date = c.toDate(stored.trimmed(), QLatin1String(format));
        if (date.isValid()) {
            // Two-digit years are read as 19xx by Qt; saved games are recent.
            if (QLatin1String(format).endsWith(QLatin1String("-yy")) && date.year() < 1950)
                date = date.addYears(100);
            return c.toString(date, QStringLiteral("dd-MMM-yy"));
        }
    }
    return stored;
}

QStringList RowCells(const ClassSavedGameInfo& entry) {
    // A damaged record shows what it has.
    const QHash<QString, QString> fields = SavedGameRecord::Fields(entry.GameInfo);
    // A flag shows "Y" for "True", "N" for any other text, nothing when absent.
    auto flag = [&fields](const QString& name) {
        if (!fields.contains(name))
            return QString();
        return fields.value(name) == QLatin1String("True") ? QStringLiteral("Y")
                                                           : QStringLiteral("N");
    };
    return {entry.GameUserID,
            FormatGameDate(fields.value(QStringLiteral("DateOfGame"))),
            fields.value(QStringLiteral("PlayerPoints")),
            fields.value(QStringLiteral("WordLevel")),
            flag(QStringLiteral("WizardIsOn")),
            flag(QStringLiteral("IfGameIsDone"))};
}

QString ToolTipAt(int x) {
    if (x >= 0 && x <= 105)
        return QStringLiteral("Player scorecard entries...");
    if (x >= 106 && x <= 900)
        return QStringLiteral("Date of saved game...");
    if (x >= 901 && x <= 1500)
        return QStringLiteral("Points of saved game...");
    if (x >= 1501 && x <= 1800)
        return QStringLiteral("Level of saved game...");
    if (x >= 1801 && x <= 2100)
        return QStringLiteral("Wizard On or Off, of saved game...");
    if (x >= 2101 && x <= 2400)
        return QStringLiteral("Save game is finish or not...");
    return QStringLiteral("Player scorecard entries...");
}

Commands CommandsFor(const QString& finished, const QString& rowKey, const QString& playingKey) {
    Commands c;
    if (finished == QLatin1String("N")) {
        c = {true, true, true};
    } else if (finished == QLatin1String("Y")) {
        c = {false, true, true};
    }
    if (rowKey == playingKey)
        c.playSave = false;
    return c;
}

} // namespace SavedGamesRules
