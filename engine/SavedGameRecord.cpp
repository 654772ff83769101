#include "engine/SavedGameRecord.h"

#include <QLocale>
#include <QSet>

#include <cmath>
#include <limits>

namespace {

const QStringList& PileNames() {
    static const QStringList names{QStringLiteral("CardPile1"), QStringLiteral("CardPile2"),
                                   QStringLiteral("CardPile3"), QStringLiteral("CardPile4"),
                                   QStringLiteral("CardPile5")};
    return names;
}

const QStringList& KnownNames() {
    static const QStringList names =
        PileNames() + QStringList{
                          QStringLiteral("CardsInDeck"),  QStringLiteral("CardsInDiscards"),
                          QStringLiteral("DiscardIndex"), QStringLiteral("IfGameIsDone"),
                          QStringLiteral("MistakeCount"), QStringLiteral("PlayerPoints"),
                          QStringLiteral("WizardIsOn"),   QStringLiteral("DateOfGame"),
                          QStringLiteral("WordLevel"),    QStringLiteral("WordList"),
                          QStringLiteral("SaveTime"),
                      };
    return names;
}

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool IsCard(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == '*';
}

bool IsPileCard(QChar c) {
    return IsCard(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool ParseInt16(const QString& text, qint16& out) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return false;
    out = static_cast<qint16>(value);
    return true;
}

bool ParseBool(const QString& text, bool& out) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || t == QLatin1String("-1")) {
        out = true;
        return true;
    }
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || t == QLatin1String("0")) {
        out = false;
        return true;
    }
    return false;
}

// Minutes are written with the desktop's decimal separator; a record made
// under another setting is read as well.
bool ParseMinutes(const QString& text, float& out) {
    bool ok = false;
    double value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok) {
        QString swapped = text.trimmed();
        swapped.replace(QLatin1Char(','), QLatin1Char('.'));
        value = QLocale::c().toDouble(swapped, &ok);
    }
    // Beyond the float range the stored value would be infinite and written
    // back as "inf", which no later load accepts.
    if (!ok || !std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max())
        return false;
    out = static_cast<float>(value);
    return true;
}

bool ValidPile(const QString& value) {
    if (value.count(QLatin1Char(':')) != 1)
        return false;
    for (const QChar c : value) {
        if (c != QLatin1Char(':') && !IsPileCard(c))
            return false;
    }
    return true;
}

bool ValidCards(const QString& value) {
    for (const QChar c : value) {
        if (!IsCard(c))
            return false;
    }
    return true;
}

// The word lengths a game is dealt at.
bool ValidLevel(qint16 level) {
    return level >= 3 && level <= 7;
}

} // namespace

QString SavedGameRecord::Format() const {
    QStringList fields;
    for (int p = 0; p < 5; ++p)
        fields << PileNames().at(p) + QLatin1Char('=') + CardPile[p];
    fields << QStringLiteral("CardsInDeck=") + CardsInDeck
           << QStringLiteral("CardsInDiscards=") + CardsInDiscards
           << QStringLiteral("DiscardIndex=") + QString::number(DiscardIndex)
           << QStringLiteral("IfGameIsDone=") + BoolText(IfGameIsDone)
           << QStringLiteral("MistakeCount=") + QString::number(MistakeCount)
           << QStringLiteral("PlayerPoints=") + QString::number(PlayerPoints)
           << QStringLiteral("WizardIsOn=") + BoolText(WizardIsOn)
           << QStringLiteral("DateOfGame=") + DateOfGame
           << QStringLiteral("WordLevel=") + QString::number(WordLevel)
           << QStringLiteral("WordList=") + WordList
           << QStringLiteral("SaveTime=") + FormatMinutes(SaveTime);
    return fields.join(QLatin1Char('|'));
}

bool SavedGameRecord::Parse(const QString& text, SavedGameRecord& record, QString* error) {
    auto fail = [error](const QString& why) {
        if (error != nullptr)
            *error = why;
        return false;
    };
    SavedGameRecord parsed;
    bool seenPile[5] = {false, false, false, false, false};
    bool seenLevel = false;
    QSet<QString> seenNames;
    const QStringList fields = text.split(QLatin1Char('|'));
    for (const QString& field : fields) {
        const qsizetype eq = field.indexOf(QLatin1Char('='));
        if (eq < 0) {
            // A known name without its "=" is a damaged record; anything else
            // is a field of another version and is passed over.
            for (const QString& known : KnownNames()) {
                if (field.trimmed().startsWith(known))
                    return fail(QStringLiteral("The field %1 has no value.").arg(known));
            }
            continue;
        }
        const QString name = field.left(eq);
        const QString value = field.mid(eq + 1);
        if (!KnownNames().contains(name))
            continue; // a field of another version
        // Restoring acts on every field in turn: a pile given twice would be
        // laid out twice on the table.
        if (seenNames.contains(name))
            return fail(QStringLiteral("The field %1 is given twice.").arg(name));
        seenNames.insert(name);
        parsed.FieldOrder << name;
        const int pileIndex = PileNumber(name) - 1;
        if (pileIndex >= 0) {
            if (!ValidPile(value))
                return fail(
                    QStringLiteral("The pile %1 holds \"%2\", which is not a pile of cards.")
                        .arg(pileIndex + 1)
                        .arg(value));
            parsed.CardPile[pileIndex] = value;
            seenPile[pileIndex] = true;
        } else if (name == QLatin1String("CardsInDeck") ||
                   name == QLatin1String("CardsInDiscards")) {
            if (!ValidCards(value))
                return fail(QStringLiteral("The field %1 holds \"%2\", which are not cards.")
                                .arg(name, value));
            (name == QLatin1String("CardsInDeck") ? parsed.CardsInDeck : parsed.CardsInDiscards) =
                value;
        } else if (name == QLatin1String("DiscardIndex") || name == QLatin1String("MistakeCount") ||
                   name == QLatin1String("PlayerPoints") || name == QLatin1String("WordLevel")) {
            qint16 number = 0;
            if (!ParseInt16(value, number))
                return fail(
                    QStringLiteral("The field %1 holds \"%2\", not a number.").arg(name, value));
            if (name == QLatin1String("DiscardIndex")) {
                // Six discard slots; 0 once the last shown discard was played.
                if (number < 0 || number > 6)
                    return fail(QStringLiteral("The discard index %1 is not 0 to 6.").arg(number));
                parsed.DiscardIndex = number;
            } else if (name == QLatin1String("MistakeCount"))
                parsed.MistakeCount = number;
            else if (name == QLatin1String("PlayerPoints"))
                parsed.PlayerPoints = number;
            else {
                if (!ValidLevel(number))
                    return fail(QStringLiteral("The word level %1 is not 3 to 7.").arg(number));
                parsed.WordLevel = number;
                seenLevel = true;
            }
        } else if (name == QLatin1String("IfGameIsDone") || name == QLatin1String("WizardIsOn")) {
            bool flag = false;
            if (!ParseBool(value, flag))
                return fail(QStringLiteral("The field %1 holds \"%2\", not True or False.")
                                .arg(name, value));
            (name == QLatin1String("IfGameIsDone") ? parsed.IfGameIsDone : parsed.WizardIsOn) =
                flag;
        } else if (name == QLatin1String("DateOfGame")) {
            parsed.DateOfGame = value;
        } else if (name == QLatin1String("WordList")) {
            parsed.WordList = value;
        } else if (name == QLatin1String("SaveTime")) {
            if (!ParseMinutes(value, parsed.SaveTime))
                return fail(
                    QStringLiteral("The field SaveTime holds \"%1\", not a number.").arg(value));
        }
    }
    for (int p = 0; p < 5; ++p) {
        if (!seenPile[p])
            return fail(QStringLiteral("The pile %1 is missing.").arg(p + 1));
    }
    if (!seenLevel)
        return fail(QStringLiteral("The word level is missing."));
    record = parsed;
    return true;
}

QHash<QString, QString> SavedGameRecord::Fields(const QString& text) {
    QHash<QString, QString> fields;
    for (const QString& field : text.split(QLatin1Char('|'))) {
        const qsizetype eq = field.indexOf(QLatin1Char('='));
        if (eq < 0)
            fields.insert(field, QString());
        else
            fields.insert(field.left(eq), field.mid(eq + 1));
    }
    return fields;
}

int SavedGameRecord::PileNumber(const QString& fieldName) {
    return static_cast<int>(PileNames().indexOf(fieldName)) + 1;
}

float SavedGameRecord::RoundMinutes(double minutes) {
    return static_cast<float>(std::round(minutes * 100.0) / 100.0);
}

QString SavedGameRecord::FormatMinutes(float minutes) {
    QString text = QString::number(RoundMinutes(minutes), 'f', 2);
    while (text.contains(QLatin1Char('.')) && (text.endsWith(QLatin1Char('0'))))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString SavedGameRecord::FormatDate(const QDate& date) {
    // English month names whatever the desktop's language, as the records
    // have always been written.
    return QLocale::c().toString(date, QStringLiteral("dd-MMM-yy"));
}
