#pragma once
// The readable source of a board-game file (see docs/board-authoring.md):
// sections [board], [layout], [square CODE], [kind N], [category],
// [question] and [spelling easy|medium|hard] with "key = value" lines.
#include "boardgame/file/BoardFileWriter.h"

#include <QList>
#include <QString>

#include <functional>
#include <stdexcept>

class BoardSourceError : public std::runtime_error {
public:
    BoardSourceError(int line, const QString& message)
        : std::runtime_error(message.toStdString()), m_line(line), m_message(message) {}
    int line() const { return m_line; }
    QString message() const { return m_message; }
    // "line N: message" (or the message alone when no line applies).
    QString text() const;

private:
    int m_line;
    QString m_message;
};

struct BoardSourceHooks {
    // Renders a spoken word as wave-file bytes; empty result + error on failure.
    // Without it, words that name no wave file get no pronunciation.
    std::function<QByteArray(const QString& text, QString* error)> speak;
    // The same in American English, kept beside it for players who choose
    // American speech; without it a word has the one pronunciation.
    std::function<QByteArray(const QString& text, QString* error)> speakAmerican;
    // Draws a picture named "draw:..." as JPEG bytes.
    std::function<QByteArray(const QString& shape, QString* error)> draw;
};

// Something the board can be built with but that a player would notice: a
// spelling word printed where players read it, too few choices, right answers
// that sit mostly in one position or are mostly the longest choice, a tip
// that gives an answer away, an item left without a level.
struct BoardSourceWarning {
    int line = 0;
    QString message;
};

namespace BoardSource {

// A source larger than this is refused unread: the shipped board's source
// takes about 60 KB.
inline constexpr qint64 kMaxSourceBytes = 16 * 1024 * 1024;

// Parses a source text. baseFolder resolves relative file names of sounds and
// pictures. Throws BoardSourceError naming the line of the first mistake;
// warnings, in line order, go to warnings when given.
BoardContent Parse(const QString& text, const QString& baseFolder, const BoardSourceHooks& hooks,
                   QList<BoardSourceWarning>* warnings = nullptr);

// "#RRGGBB" as a colour value 0x00BBGGRR; false when malformed.
bool ParseColour(const QString& text, qint64& value);

} // namespace BoardSource
