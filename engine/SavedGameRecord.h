#pragma once
// One saved solitaire game as a player file stores it: "name=value" fields
// joined by "|", the five piles first. This is the one reader and writer of
// the record: the engine saves and restores through it, the saved-games grid
// and the game-info window read their columns and lines through it.
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

struct SavedGameRecord {
    QString CardPile[5];
    QString CardsInDeck;
    QString CardsInDiscards;
    qint16 DiscardIndex = 1;
    bool IfGameIsDone = false;
    qint16 MistakeCount = 0;
    qint16 PlayerPoints = 0;
    bool WizardIsOn = false;
    QString DateOfGame;
    qint16 WordLevel = 3;
    QString WordList;
    float SaveTime = 0.0f;
    // The known fields in the order the parsed text gave them: a restore acts
    // on them in this order (the discards come before the index that shows
    // them). Formatting ignores it.
    QStringList FieldOrder;

    // The record text, every field in the standard order.
    QString Format() const;
    // Reads a record, checking every value a restore relies on. False, with a
    // one-line reason, for a damaged record; `record` is then unchanged.
    // Fields of other versions are passed over.
    static bool Parse(const QString& text, SavedGameRecord& record, QString* error = nullptr);
    // The raw texts of a record's fields by name, unchecked, for showing what
    // even a damaged record holds. A field without "=" has an empty text; a
    // name given twice keeps its last text.
    static QHash<QString, QString> Fields(const QString& text);
    // 1 to 5 for the field names "CardPile1" to "CardPile5", else 0.
    static int PileNumber(const QString& fieldName);

    // Minutes with up to two decimals and no trailing zeros, in the desktop's
    // decimal separator: 12.5 is "12.5", 3 is "3".
    static QString FormatMinutes(float minutes);
    // "dd-mmm-yy" with English month names.
    static QString FormatDate(const QDate& date);
    // Minutes rounded to two decimals.
    static float RoundMinutes(double minutes);
};
