#pragma once
// Which embedded picture shows a card's face. Kept free of widgets so the
// engine can use it too.
#include <QString>
#include <QtGlobal>

// "A" (or "a") is picture 102, each following letter the next number up to
// "Z" at 127, the joker "*" is 128; anything else (including an empty text)
// is 0. Only the first character counts.
inline qint16 CardPictureId(const QString& letter) {
    if (letter.isEmpty())
        return 0;
    const QChar c = letter.at(0).toUpper();
    if (c == QLatin1Char('*'))
        return 128;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        return static_cast<qint16>(102 + (c.unicode() - u'A'));
    return 0;
}
