#pragma once
// Spelling words and questions from a CSV file such as a spreadsheet writes:
// UTF-8 with or without a byte-order mark, comma or semicolon separated,
// fields in double quotes (doubled quotes and line breaks inside them). The
// first row names the columns, in any letter case:
//   words:     word, definition, level, difficulty, say
//   questions: category, question, right answer, wrong answer(s), level,
//              kind, tip
// Each column whose name begins with "wrong" gives wrong answers; one cell may
// hold several separated by '|'. Rows it cannot use are reported with their
// line number and why; the others are kept.
#include "boardgame/file/BoardFileWriter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct BoardCsvProblem {
    int line = 0; // where the row starts in the file (the header is line 1)
    QString reason;
    // "line 7: no definition"
    QString text() const;
};

struct BoardCsvQuestion {
    int line = 0;
    QString category;
    QString kind; // as written: a kind's caption or number; "" when not given
    QString tip;
    BoardQuestion question;
};

struct BoardCsvWord {
    int line = 0;
    BoardWord word; // without sound until the voice speaks it
    QString sayAs;  // what the voice says instead of the word ("" for the word)
};

struct BoardCsvRows {
    QList<BoardCsvWord> words;
    QList<BoardCsvQuestion> questions;
    QList<BoardCsvProblem> problems;
    int rows = 0; // data rows read (usable or not)
};

struct BoardCsvHooks {
    // Renders a word as wave-file bytes (British, and American when given);
    // empty result and *error on failure. Without it, words stay silent.
    std::function<QByteArray(const QString& text, QString* error)> speak;
    std::function<QByteArray(const QString& text, QString* error)> speakAmerican;
};

namespace BoardCsvImport {

// Splits CSV text into rows of fields, each with the line it starts on.
// Detects the separator (';' when the header has more of them than commas).
struct CsvRow {
    int line = 0;
    QStringList fields;
};
QList<CsvRow> SplitCsv(const QString& text);

// Reads the rows of a CSV file's bytes: usable words and questions, and the
// reasons for the rest. Does not speak the words (see Speak).
BoardCsvRows Read(const QByteArray& bytes);
// Reads a file; a file that cannot be read gives one problem at line 0.
BoardCsvRows ReadFile(const QString& path);
// Gives every word without a sound its pronunciation through the hooks; a
// word the voice cannot say moves to the problems.
void Speak(BoardCsvRows& rows, const BoardCsvHooks& hooks);

// Puts the rows into a board: words appended; questions into the category of
// their name (any letter case), or a new one of the kind they name (caption
// or number), the tip taken from the rows. Rows that cannot be placed (a
// word given twice at its difficulty, a new category without a kind or, when
// tipRequired, without a tip) are appended to *problems. Returns the number
// of items added.
int Apply(BoardContent& content, const BoardCsvRows& rows, bool tipRequired,
          QList<BoardCsvProblem>* problems);

} // namespace BoardCsvImport
