#pragma once
// A player's board status text for one board-game file: items joined by "|",
// each the square kind's code, "=", the right answers, "=", the wrong answers,
// in decimal ("-1=0=0|-2=4=1|5=3=0"). This is the one reader and writer of
// that text: a new record, the question and spelling squares and the
// statistics all go through it.
#include <QList>
#include <QString>

struct StatusCounter {
    // The three parts as written; a part missing from a damaged item is empty.
    QString code;
    QString right;
    QString wrong;
};

namespace StatusCounters {

QList<StatusCounter> Read(const QString& text);
QString Write(const QList<StatusCounter>& counters);

// The text with one answer counted for the square kind `code`: the first item
// of that kind gets one more right (or wrong) answer; without such an item
// "code=1=0" (or "code=0=1") is appended, after a "|" unless the text was
// empty. Every other item is kept exactly as it was.
QString CountAnswer(const QString& text, const QString& code, bool right);

} // namespace StatusCounters
