#pragma once
// The largest text, picture and sound a board-game file may hold, far above
// what any honest board needs. A row over them counts as an error in the
// checks and is never put before a player: a 10 MB answer or caption would
// freeze the window that lays it out.
#include <QByteArray>
#include <QString>

namespace BoardLimits {

// A question, answer, tip or definition, in characters.
inline constexpr int kLongestText = 16 * 1024;
// A caption or a spelling word, in characters.
inline constexpr int kLongestCaption = 256;
// A picture or a sound, in bytes.
inline constexpr qint64 kLargestMedia = 8 * 1024 * 1024;

inline bool FitsText(const QString& text) {
    return text.size() <= kLongestText;
}
inline bool FitsCaption(const QString& text) {
    return text.size() <= kLongestCaption;
}
inline bool FitsMedia(const QByteArray& bytes) {
    return bytes.size() <= kLargestMedia;
}

} // namespace BoardLimits
