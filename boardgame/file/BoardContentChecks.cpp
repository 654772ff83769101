#include "boardgame/file/BoardContentChecks.h"

BoardItemRef BoardItemRef::Kind(int code) {
    BoardItemRef r;
    r.kind = BoardItemKind::Kind;
    r.squareKind = code;
    return r;
}
BoardItemRef BoardItemRef::Category(int category) {
    BoardItemRef r;
    r.kind = BoardItemKind::Category;
    r.category = category;
    return r;
}
BoardItemRef BoardItemRef::Question(int category, int question) {
    BoardItemRef r = Category(category);
    r.kind = BoardItemKind::Question;
    r.question = question;
    return r;
}
BoardItemRef BoardItemRef::Answer(int category, int question, int answer) {
    BoardItemRef r = Question(category, question);
    r.kind = BoardItemKind::Answer;
    r.answer = answer;
    return r;
}
BoardItemRef BoardItemRef::Word(int word) {
    BoardItemRef r;
    r.kind = BoardItemKind::Word;
    r.word = word;
    return r;
}

bool BoardItemRef::Contains(const BoardItemRef& other) const {
    switch (kind) {
    case BoardItemKind::Board:
        return true;
    case BoardItemKind::Kind:
        return other.kind == BoardItemKind::Kind && other.squareKind == squareKind;
    case BoardItemKind::Category:
        return (other.kind == BoardItemKind::Category || other.kind == BoardItemKind::Question ||
                other.kind == BoardItemKind::Answer) &&
               other.category == category;
    case BoardItemKind::Question:
        return (other.kind == BoardItemKind::Question || other.kind == BoardItemKind::Answer) &&
               other.category == category && other.question == question;
    case BoardItemKind::Answer:
    case BoardItemKind::Word:
        return other == *this;
    }
    return false;
}

namespace BoardContentChecks {

QList<BoardFinding> Check(const BoardContent&, const QuestionNamer&) {
    return {};
}
QList<BoardFinding> CheckItem(const BoardContent&, const BoardItemRef&, const QuestionNamer&) {
    return {};
}
QList<BoardFinding> Warnings(const BoardContent&, const QuestionNamer&) {
    return {};
}
QString DefinitionGiveaway(const QString&, const QString&) {
    return {};
}
bool IsSpellingWord(const QString&) {
    return true;
}
QString DefaultQuestionName(const BoardContent& content, int category, int question) {
    return QStringLiteral("question %1 of '%2'")
        .arg(question + 1)
        .arg(content.categories.value(category).name);
}
bool HasRefusal(const QList<BoardFinding>& findings) {
    for (const BoardFinding& f : findings) {
        if (f.severity == FindingSeverity::Refusal)
            return true;
    }
    return false;
}

} // namespace BoardContentChecks
