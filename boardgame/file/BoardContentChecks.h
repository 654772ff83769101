#pragma once
// The checks a teacher's board gets, made on its content rather than on its
// source text, so that `board build` and the board editor find the same
// things: refusals (the board cannot be saved as a playable file) and
// warnings (it can, but players would notice).
#include "boardgame/file/BoardFileWriter.h"

#include <QList>
#include <QString>

#include <functional>

// What a finding is about. Indexes are into BoardContent's lists; -1 where
// they do not apply.
enum class BoardItemKind { Board, Kind, Category, Question, Answer, Word };

struct BoardItemRef {
    BoardItemKind kind = BoardItemKind::Board;
    int category = -1;    // Category, Question, Answer
    int question = -1;    // Question, Answer (within its category)
    int answer = -1;      // Answer
    int word = -1;        // Word
    int squareKind = 0;   // Kind: the question kind's code
    int squareIndex = -1; // Board: the square (0-based) a layout finding is about

    static BoardItemRef Board() { return {}; }
    static BoardItemRef Kind(int code);
    static BoardItemRef Category(int category);
    static BoardItemRef Question(int category, int question);
    static BoardItemRef Answer(int category, int question, int answer);
    static BoardItemRef Word(int word);
    // Whether a finding about `other` belongs to this item or lies inside it
    // (an answer inside its question, a question inside its category).
    bool Contains(const BoardItemRef& other) const;
    friend bool operator==(const BoardItemRef&, const BoardItemRef&) = default;
};

enum class FindingSeverity { Refusal, Warning };

// Which check made a finding, so that a window can point at the field
// concerned (a printed spelling word in a question's text, not its level).
enum class BoardCheck {
    Layout,        // squares and kinds (refusal)
    Missing,       // a text, choice or right answer the item needs (refusal)
    Giveaway,      // a definition that shows its word (refusal)
    Duplicate,     // a word given twice at its difficulty (refusal)
    Pronunciation, // a word without a sound (refusal)
    Size,          // a text, caption, picture or sound over the limits (refusal)
    FewChoices,    // warnings from here on
    PrintedWord,
    RightPosition,
    LongestRight,
    TipGivesAway,
    MissingLevel,
};

struct BoardFinding {
    FindingSeverity severity = FindingSeverity::Warning;
    BoardCheck check = BoardCheck::Missing;
    BoardItemRef item;
    QString message; // worded as `board build` words it, without a line
    friend bool operator==(const BoardFinding&, const BoardFinding&) = default;
};

namespace BoardContentChecks {

// Names a question in a message ("the question at line 51" in a source,
// "question 3 of 'Nouns'" in the editor).
using QuestionNamer = std::function<QString(int category, int question)>;

// Every finding of the board, in board order: refusals first for each item.
// Fast enough to run after every keystroke on a board of 500 questions and
// 300 words.
QList<BoardFinding> Check(const BoardContent& content, const QuestionNamer& namer = {});
// The findings about one item alone (and what lies inside it), cheaper than
// Check: the checks that look across the board are left out, except those
// that read this item's texts.
QList<BoardFinding> CheckItem(const BoardContent& content, const BoardItemRef& item,
                              const QuestionNamer& namer = {});
// The warnings `board build` prints (a subset of Check's findings): printed
// spelling words, tips giving answers away, too few choices, right answers in
// one position or longest, missing levels.
QList<BoardFinding> Warnings(const BoardContent& content, const QuestionNamer& namer = {});
// What a definition shows of its word ("" when nothing): the word, its plural
// or, for a long word, its first four letters.
QString DefinitionGiveaway(const QString& word, const QString& definition);
// "the definition of 'WORD' shows 'SHOWN' and so gives the spelling away"
QString DefinitionRefusal(const QString& word, const QString& shown);
// Whether a text is a valid spelling word: letters, with single spaces,
// hyphens or apostrophes between them.
bool IsSpellingWord(const QString& word);
// "the question at line N"-style default namer for the editor:
// "question N of 'Category'".
QString DefaultQuestionName(const BoardContent& content, int category, int question);
bool HasRefusal(const QList<BoardFinding>& findings);

} // namespace BoardContentChecks
