#include "boardgame/file/BoardContentChecks.h"

#include "boardgame/file/BoardLimits.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>

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

namespace {

// A right answer in one position more often than this share of a kind's
// questions lets players guess it.
constexpr int kMostInOnePositionPercent = 40;
// A share of a kind's questions above which the right answer being the
// longest choice teaches players to pick the longest.
constexpr int kMostLongestPercent = 40;
// Below this many questions a kind cannot spread its right answers fairly.
constexpr int kFewestQuestionsToJudge = 5;
constexpr int kFewestFairChoices = 3;
constexpr int kFewestChoices = 2;
constexpr int kMostChoices = 6;
// From this length a definition must not show the word's first four letters.
constexpr int kStemCheckLength = 6;
constexpr int kStemLength = 4;
// A sound of no more than a wave header says nothing; the manager's check
// counts such a word as lacking its pronunciation.
constexpr int kWaveHeaderBytes = 44;

bool isVowel(QChar c) {
    return QStringLiteral("aeiou").contains(c);
}

bool isWordChar(QChar c) {
    return c.isLetterOrNumber();
}

// The ways a word shows in running text: itself and its plural. "'s" needs
// no form of its own; the apostrophe ends the word.
QStringList printedForms(const QString& word) {
    const QString w = word.toLower();
    QStringList forms{w, w + QLatin1Char('s')};
    if (w.endsWith(QLatin1Char('s')) || w.endsWith(QLatin1Char('x')) ||
        w.endsWith(QLatin1Char('z')) || w.endsWith(QLatin1String("ch")) ||
        w.endsWith(QLatin1String("sh")) || w.endsWith(QLatin1Char('o')))
        forms << w + QLatin1String("es");
    if (w.size() >= 2 && w.back() == QLatin1Char('y') && !isVowel(w[w.size() - 2]))
        forms << w.left(w.size() - 1) + QLatin1String("ies");
    return forms;
}

// The forms of a word a reader would still copy the spelling from: its plural
// and its -ed, -ing, -er and -ly forms, with the usual spelling changes
// (decide: decided, deciding; stop: stopped; happy: happier, happily; gentle:
// gently). A few forms are not English words; they simply never match.
QStringList derivedForms(const QString& word) {
    const QString w = word.toLower();
    QStringList forms = printedForms(w);
    if (w.size() < 2)
        return forms;
    const QChar last = w.back();
    const QString stem = w.left(w.size() - 1);
    const bool consonantY = last == QLatin1Char('y') && !isVowel(w[w.size() - 2]);
    if (last == QLatin1Char('e')) {
        forms << w + QLatin1String("d") << w + QLatin1String("r") << stem + QLatin1String("ing");
        if (w.endsWith(QLatin1String("le")))
            forms << stem + QLatin1String("y");
        if (w.endsWith(QLatin1String("ie")))
            forms << w.left(w.size() - 2) + QLatin1String("ying");
    } else if (consonantY) {
        for (const char* ending : {"ied", "ier", "ily"})
            forms << stem + QLatin1String(ending);
    }
    if (w.endsWith(QLatin1String("ic")))
        forms << w + QLatin1String("ally");
    if (w.endsWith(QLatin1String("ue")))
        forms << stem + QLatin1String("ly");
    for (const char* ending : {"ed", "ing", "er", "ly"})
        forms << w + QLatin1String(ending);
    // One vowel between consonants at the end doubles the last one: stop, stopped.
    if (w.size() >= 3 && !isVowel(last) && !QStringLiteral("wxy").contains(last) &&
        isVowel(w[w.size() - 2]) && !isVowel(w[w.size() - 3])) {
        for (const char* ending : {"ed", "ing", "er"})
            forms << w + last + QLatin1String(ending);
    }
    forms.removeDuplicates();
    return forms;
}

// Finds word forms as whole words of a text, in any letter case: a form
// matches where no letter or digit comes before or after it. Forms are
// looked up by their first run of letters, so a scan costs one hash look-up
// per word of the text, however many forms there are; at one place the
// longest form wins.
class FormMatcher {
public:
    // form in lower case; the first owner given for a form keeps it.
    void add(const QString& form, const QString& owner) {
        qsizetype end = 0;
        while (end < form.size() && isWordChar(form[end]))
            ++end;
        if (end == 0)
            return;
        QList<Entry>& entries = m_byFirst[form.left(end)];
        for (const Entry& e : std::as_const(entries)) {
            if (e.form == form)
                return;
        }
        const auto at = std::find_if(entries.begin(), entries.end(),
                                     [&](const Entry& e) { return e.form.size() < form.size(); });
        entries.insert(at, Entry{form, owner});
    }
    bool isEmpty() const { return m_byFirst.isEmpty(); }

    // Calls found(text as written, owner) for each match, left to right.
    template <typename Found> void scan(const QString& text, Found found) const {
        const qsizetype n = text.size();
        qsizetype i = 0;
        while (i < n) {
            if (!isWordChar(text[i])) {
                ++i;
                continue;
            }
            qsizetype end = i;
            while (end < n && isWordChar(text[end]))
                ++end;
            qsizetype next = end;
            const auto it = m_byFirst.constFind(text.mid(i, end - i).toLower());
            if (it != m_byFirst.cend()) {
                for (const Entry& e : *it) {
                    const qsizetype stop = i + e.form.size();
                    if (stop > n || (stop < n && isWordChar(text[stop])))
                        continue;
                    const QString written = text.mid(i, e.form.size());
                    if (written.toLower() != e.form)
                        continue;
                    found(written, e.owner);
                    next = stop;
                    break;
                }
            }
            i = next;
        }
    }

private:
    struct Entry {
        QString form;
        QString owner;
    };
    QHash<QString, QList<Entry>> m_byFirst; // longest form first
};

// Whether text holds needle as a whole (no letter or digit on either side),
// in any letter case.
bool holdsWhole(const QString& text, const QString& needle) {
    for (qsizetype at = text.indexOf(needle, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(needle, at + 1, Qt::CaseInsensitive)) {
        const qsizetype stop = at + needle.size();
        if ((at == 0 || !isWordChar(text[at - 1])) &&
            (stop >= text.size() || !isWordChar(text[stop])))
            return true;
    }
    return false;
}

bool rightIsLongest(const BoardQuestion& q) {
    qsizetype right = -1;
    qsizetype others = -1;
    for (const BoardAnswer& a : q.answers) {
        if (a.right)
            right = a.text.size();
        else
            others = qMax(others, a.text.size());
    }
    return right > others;
}

QString megabytes(qint64 bytes) {
    return QString::number(bytes / (1024 * 1024));
}

// Runs the checks, of the whole board or of one item (and what lies in it).
class Checker {
public:
    Checker(const BoardContent& content, const QuestionNamer& namer, const BoardItemRef* only)
        : m_c(content), m_namer(namer), m_only(only) {}

    QList<BoardFinding> all() {
        layout();
        categories();
        words();
        warnings();
        return std::move(m_found);
    }

    QList<BoardFinding> warnings() {
        fewChoices();
        printedWords();
        rightPositions();
        longestAnswers();
        tips();
        missingLevels();
        return m_found;
    }

private:
    bool wants(const BoardItemRef& item) const { return !m_only || m_only->Contains(item); }
    bool wantsAnyQuestion() const {
        return !m_only || m_only->kind == BoardItemKind::Board ||
               m_only->kind == BoardItemKind::Category || m_only->kind == BoardItemKind::Question ||
               m_only->kind == BoardItemKind::Answer;
    }
    void refuse(BoardCheck check, const BoardItemRef& item, const QString& message) {
        if (wants(item))
            m_found.append({FindingSeverity::Refusal, check, item, message});
    }
    void warn(BoardCheck check, const BoardItemRef& item, const QString& message) {
        if (wants(item))
            m_found.append({FindingSeverity::Warning, check, item, message});
    }
    QString questionName(int category, int question) const {
        return m_namer ? m_namer(category, question) : DefaultQuestionName(m_c, category, question);
    }

    void textSize(const BoardItemRef& item, const QString& text, const char* what) {
        if (!BoardLimits::FitsText(text))
            refuse(BoardCheck::Size, item,
                   QStringLiteral("the %1 is longer than %2 characters")
                       .arg(QLatin1String(what))
                       .arg(BoardLimits::kLongestText));
    }
    void mediaSize(const BoardItemRef& item, const QByteArray& bytes, const char* what) {
        if (!BoardLimits::FitsMedia(bytes))
            refuse(BoardCheck::Size, item,
                   QStringLiteral("the %1 is larger than %2 MB")
                       .arg(QLatin1String(what), megabytes(BoardLimits::kLargestMedia)));
    }
    void captionSize(const BoardItemRef& item, const QString& caption) {
        if (!BoardLimits::FitsCaption(caption))
            refuse(BoardCheck::Size, item,
                   QStringLiteral("the caption '%1...' is longer than %2 characters")
                       .arg(caption.left(20))
                       .arg(BoardLimits::kLongestCaption));
    }

    void layout() {
        if (m_only && m_only->kind != BoardItemKind::Board && m_only->kind != BoardItemKind::Kind)
            return;
        const BoardItemRef board = BoardItemRef::Board();
        if (m_c.layout.size() != kBoardSquares)
            refuse(BoardCheck::Layout, board,
                   QStringLiteral("the layout lists %1 squares; a board has %2")
                       .arg(m_c.layout.size())
                       .arg(kBoardSquares));
        QHash<int, int> questionsPerKind;
        for (const BoardCategory& c : m_c.categories)
            questionsPerKind[c.kind] += static_cast<int>(c.questions.size());
        QHash<int, int> wordsPerLevel;
        for (const BoardWord& w : m_c.words)
            ++wordsPerLevel[w.level];
        QSet<int> told;
        for (int i = 0; i < m_c.layout.size(); ++i) {
            const int code = m_c.layout[i];
            if (told.contains(code))
                continue;
            BoardItemRef square = board;
            square.squareIndex = i;
            if (code == 0 || code < SquareCode::Lowest) {
                refuse(BoardCheck::Layout, square,
                       QStringLiteral("%1 is not a square code (use -12 to -1 or a kind number)")
                           .arg(code));
            } else if (code > 0 && !m_c.questionKinds.contains(code)) {
                refuse(BoardCheck::Layout, square,
                       QStringLiteral("square %1: kind %2 has no [kind %2] section")
                           .arg(i + 1)
                           .arg(code));
            } else if (code > 0 && questionsPerKind.value(code) == 0) {
                refuse(BoardCheck::Layout, BoardItemRef::Kind(code),
                       QStringLiteral("square %1: kind %2 has no questions").arg(i + 1).arg(code));
            } else if (code < 0 && code >= SquareCode::SpellHard &&
                       wordsPerLevel.value(code) == 0) {
                refuse(BoardCheck::Layout, square,
                       QStringLiteral("square %1: spelling level %2 has no words")
                           .arg(i + 1)
                           .arg(code));
            } else {
                continue;
            }
            told.insert(code);
        }
        for (auto it = m_c.questionKinds.cbegin(); it != m_c.questionKinds.cend(); ++it) {
            if (it->isEmpty())
                refuse(BoardCheck::Layout, BoardItemRef::Kind(it.key()),
                       QStringLiteral("[kind %1] needs a caption").arg(it.key()));
            captionSize(BoardItemRef::Kind(it.key()), *it);
        }
        for (auto it = m_c.styles.cbegin(); it != m_c.styles.cend(); ++it)
            captionSize(board, it->caption);
        for (const QString& caption : m_c.spellingCaptions)
            captionSize(board, caption);
    }

    void categories() {
        if (!wantsAnyQuestion())
            return;
        for (int ci = 0; ci < m_c.categories.size(); ++ci) {
            const BoardCategory& c = m_c.categories[ci];
            const BoardItemRef cat = BoardItemRef::Category(ci);
            if (!wants(cat) && !(m_only && cat.Contains(*m_only)))
                continue;
            if (!m_c.questionKinds.contains(c.kind))
                refuse(
                    BoardCheck::Missing, cat,
                    QStringLiteral("the category's kind %1 has no [kind %1] section").arg(c.kind));
            if (c.name.trimmed().isEmpty())
                refuse(BoardCheck::Missing, cat, QStringLiteral("a category needs a name"));
            if (c.tip.trimmed().isEmpty())
                refuse(BoardCheck::Missing, cat, QStringLiteral("a category needs a tip"));
            textSize(cat, c.tip, "tip");
            for (int qi = 0; qi < c.questions.size(); ++qi)
                question(ci, qi);
        }
    }

    void question(int ci, int qi) {
        const BoardQuestion& q = m_c.categories[ci].questions[qi];
        const BoardItemRef item = BoardItemRef::Question(ci, qi);
        if (!wants(item) && !(m_only && item.Contains(*m_only)))
            return;
        if (q.text.trimmed().isEmpty())
            refuse(BoardCheck::Missing, item, QStringLiteral("a question needs a text"));
        textSize(item, q.text, "question");
        mediaSize(item, q.picture, "picture");
        if (q.answers.size() < kFewestChoices || q.answers.size() > kMostChoices)
            refuse(BoardCheck::Missing, item,
                   QStringLiteral("a question needs 2 to 6 answers, not %1").arg(q.answers.size()));
        int right = 0;
        for (int ai = 0; ai < q.answers.size(); ++ai) {
            const BoardAnswer& a = q.answers[ai];
            right += a.right ? 1 : 0;
            const BoardItemRef answer = BoardItemRef::Answer(ci, qi, ai);
            if (a.text.trimmed().isEmpty() && a.picture.isEmpty())
                refuse(BoardCheck::Missing, answer,
                       QStringLiteral("an answer needs a text or a picture"));
            textSize(answer, a.text, "answer");
            mediaSize(answer, a.picture, "picture");
        }
        if (right != 1)
            refuse(BoardCheck::Missing, item,
                   QStringLiteral("a question needs exactly one right answer, not %1").arg(right));
    }

    void words() {
        if (m_only && m_only->kind != BoardItemKind::Board && m_only->kind != BoardItemKind::Word)
            return;
        QHash<QString, int> seen;
        for (int wi = 0; wi < m_c.words.size(); ++wi) {
            const BoardWord& w = m_c.words[wi];
            const QString key = QString::number(w.level) + QLatin1Char(':') + w.word.toLower();
            const bool twice = seen.contains(key);
            if (!twice)
                seen.insert(key, wi);
            const BoardItemRef item = BoardItemRef::Word(wi);
            if (!wants(item))
                continue;
            if (w.word.isEmpty()) {
                refuse(BoardCheck::Missing, item, QStringLiteral("the word is missing"));
            } else if (!IsSpellingWord(w.word)) {
                refuse(BoardCheck::Missing, item,
                       QStringLiteral("'%1' may hold only letters, with single spaces, "
                                      "hyphens or apostrophes between them")
                           .arg(w.word));
            }
            captionSize(item, w.word);
            if (w.definition.trimmed().isEmpty()) {
                refuse(BoardCheck::Missing, item,
                       QStringLiteral("'%1' needs a definition").arg(w.word));
            } else if (const QString shown = DefinitionGiveaway(w.word, w.definition);
                       !shown.isEmpty()) {
                refuse(BoardCheck::Giveaway, item, DefinitionRefusal(w.word, shown));
            }
            textSize(item, w.definition, "definition");
            if (twice)
                refuse(BoardCheck::Duplicate, item,
                       QStringLiteral("'%1' is given twice at this level").arg(w.word));
            if (w.sound.size() <= kWaveHeaderBytes)
                refuse(BoardCheck::Pronunciation, item,
                       QStringLiteral("'%1' has no pronunciation").arg(w.word));
            mediaSize(item, w.sound, "sound");
            mediaSize(item, w.soundAmerican, "American sound");
            mediaSize(item, w.picture, "picture");
        }
    }

    void fewChoices() {
        if (!wantsAnyQuestion())
            return;
        for (int ci = 0; ci < m_c.categories.size(); ++ci) {
            const QList<BoardQuestion>& questions = m_c.categories[ci].questions;
            for (int qi = 0; qi < questions.size(); ++qi) {
                const qsizetype n = questions[qi].answers.size();
                if (n >= kFewestChoices && n < kFewestFairChoices)
                    warn(BoardCheck::FewChoices, BoardItemRef::Question(ci, qi),
                         QStringLiteral("a question should offer at least %1 choices, not %2")
                             .arg(kFewestFairChoices)
                             .arg(n));
            }
        }
    }

    // Players must not be able to copy a medium or hard spelling word from
    // anything the game shows them before they meet it: a question, a tip, an
    // answer or another word's definition. Easy words are everyday words.
    void printedWords() {
        FormMatcher matcher;
        for (const BoardWord& w : m_c.words) {
            if (w.level == SquareCode::SpellEasy || w.word.isEmpty())
                continue;
            for (const QString& form : derivedForms(w.word))
                matcher.add(form, w.word);
        }
        if (matcher.isEmpty())
            return;
        auto check = [&](const BoardItemRef& item, const QString& text, const QString& own) {
            if (!wants(item))
                return;
            QStringList shown;
            matcher.scan(text, [&](const QString&, const QString& word) {
                if (!shown.contains(word) && word.toLower() != own)
                    shown << word;
            });
            if (!shown.isEmpty())
                warn(BoardCheck::PrintedWord, item,
                     QStringLiteral("prints the spelling %1 '%2', which players could copy")
                         .arg(shown.size() == 1 ? QLatin1String("word") : QLatin1String("words"),
                              shown.join(QLatin1String("', '"))));
        };
        if (wantsAnyQuestion()) {
            for (int ci = 0; ci < m_c.categories.size(); ++ci) {
                const BoardCategory& c = m_c.categories[ci];
                check(BoardItemRef::Category(ci), c.tip, QString());
                for (int qi = 0; qi < c.questions.size(); ++qi) {
                    const BoardQuestion& q = c.questions[qi];
                    check(BoardItemRef::Question(ci, qi), q.text, QString());
                    for (int ai = 0; ai < q.answers.size(); ++ai)
                        check(BoardItemRef::Answer(ci, qi, ai), q.answers[ai].text, QString());
                }
            }
        }
        for (int wi = 0; wi < m_c.words.size(); ++wi)
            check(BoardItemRef::Word(wi), m_c.words[wi].definition, m_c.words[wi].word.toLower());
    }

    bool wantsKinds() const {
        return !m_only || m_only->kind == BoardItemKind::Board ||
               m_only->kind == BoardItemKind::Kind;
    }

    void rightPositions() {
        if (!wantsKinds())
            return;
        QMap<int, QMap<int, int>> positions; // kind -> choice number -> questions
        for (const BoardCategory& c : m_c.categories) {
            for (const BoardQuestion& q : c.questions) {
                for (int i = 0; i < q.answers.size(); ++i) {
                    if (q.answers[i].right)
                        ++positions[c.kind][i + 1];
                }
            }
        }
        for (auto kind = positions.cbegin(); kind != positions.cend(); ++kind) {
            int total = 0;
            for (const int n : *kind)
                total += n;
            if (total < kFewestQuestionsToJudge)
                continue;
            for (auto pos = kind->cbegin(); pos != kind->cend(); ++pos) {
                if (*pos * 100 > total * kMostInOnePositionPercent)
                    warn(BoardCheck::RightPosition, BoardItemRef::Kind(kind.key()),
                         QStringLiteral("kind %1: the right answer is choice %2 in %3 of %4 "
                                        "questions; spread the right answers so that no "
                                        "position holds more than %5%")
                             .arg(kind.key())
                             .arg(pos.key())
                             .arg(*pos)
                             .arg(total)
                             .arg(kMostInOnePositionPercent));
            }
        }
    }

    void longestAnswers() {
        if (!wantsKinds())
            return;
        QMap<int, int> questions;
        QHash<int, int> longest;
        for (const BoardCategory& c : m_c.categories) {
            for (const BoardQuestion& q : c.questions) {
                ++questions[c.kind];
                if (rightIsLongest(q))
                    ++longest[c.kind];
            }
        }
        for (auto kind = questions.cbegin(); kind != questions.cend(); ++kind) {
            const int n = longest.value(kind.key());
            if (*kind < kFewestQuestionsToJudge || n * 100 <= *kind * kMostLongestPercent)
                continue;
            warn(BoardCheck::LongestRight, BoardItemRef::Kind(kind.key()),
                 QStringLiteral("kind %1: the right answer is the longest choice in %2 of %3 "
                                "questions; players learn to pick the longest, so keep it to "
                                "%4% at most")
                     .arg(kind.key())
                     .arg(n)
                     .arg(*kind)
                     .arg(kMostLongestPercent));
        }
    }

    // A tip is shown with every question of its category, so it must not
    // hold the answer of any of them.
    void tips() {
        if (!wantsAnyQuestion())
            return;
        for (int ci = 0; ci < m_c.categories.size(); ++ci) {
            const BoardCategory& c = m_c.categories[ci];
            const BoardItemRef item = BoardItemRef::Category(ci);
            if (!wants(item) && !(m_only && item.Contains(*m_only)))
                continue;
            for (int qi = 0; qi < c.questions.size(); ++qi) {
                for (const BoardAnswer& a : c.questions[qi].answers) {
                    if (!a.right || a.text.isEmpty() || !holdsWhole(c.tip, a.text))
                        continue;
                    warn(BoardCheck::TipGivesAway, item,
                         QStringLiteral("the tip gives away '%1', the right answer of %2")
                             .arg(a.text, questionName(ci, qi)));
                }
            }
        }
    }

    // Once a board gives levels, an item without one is shown to every seat,
    // which is seldom what its author meant.
    void missingLevels() {
        bool anyLevel = std::any_of(m_c.words.cbegin(), m_c.words.cend(), [](const BoardWord& w) {
            return w.itemLevel != ItemLevel::Any;
        });
        for (const BoardCategory& c : m_c.categories) {
            anyLevel = anyLevel || std::any_of(c.questions.cbegin(), c.questions.cend(),
                                               [](const BoardQuestion& q) {
                                                   return q.itemLevel != ItemLevel::Any;
                                               });
        }
        if (!anyLevel)
            return;
        const QString message =
            QStringLiteral("no level (primary, secondary or adult), while other items have one: "
                           "every seat gets it");
        if (wantsAnyQuestion()) {
            for (int ci = 0; ci < m_c.categories.size(); ++ci) {
                for (int qi = 0; qi < m_c.categories[ci].questions.size(); ++qi) {
                    if (m_c.categories[ci].questions[qi].itemLevel == ItemLevel::Any)
                        warn(BoardCheck::MissingLevel, BoardItemRef::Question(ci, qi), message);
                }
            }
        }
        for (int wi = 0; wi < m_c.words.size(); ++wi) {
            if (m_c.words[wi].itemLevel == ItemLevel::Any)
                warn(BoardCheck::MissingLevel, BoardItemRef::Word(wi), message);
        }
    }

    const BoardContent& m_c;
    const QuestionNamer& m_namer;
    const BoardItemRef* m_only;
    QList<BoardFinding> m_found;
};

} // namespace

QList<BoardFinding> Check(const BoardContent& content, const QuestionNamer& namer) {
    return Checker(content, namer, nullptr).all();
}

QList<BoardFinding> CheckItem(const BoardContent& content, const BoardItemRef& item,
                              const QuestionNamer& namer) {
    return Checker(content, namer, &item).all();
}

QList<BoardFinding> Warnings(const BoardContent& content, const QuestionNamer& namer) {
    return Checker(content, namer, nullptr).warnings();
}

QString DefinitionGiveaway(const QString& word, const QString& definition) {
    if (word.size() >= kStemCheckLength) {
        const QString stem = word.left(kStemLength);
        const qsizetype at = definition.indexOf(stem, 0, Qt::CaseInsensitive);
        return at < 0 ? QString() : definition.mid(at, kStemLength);
    }
    FormMatcher matcher;
    for (const QString& form : printedForms(word))
        matcher.add(form, word);
    QString first;
    matcher.scan(definition, [&first](const QString& written, const QString&) {
        if (first.isEmpty())
            first = written;
    });
    return first;
}

QString DefinitionRefusal(const QString& word, const QString& shown) {
    return QStringLiteral("the definition of '%1' shows '%2' and so gives the spelling away")
        .arg(word, shown);
}

bool IsSpellingWord(const QString& word) {
    static const QRegularExpression letters(QStringLiteral("^[\\p{L}]+([ '\\-][\\p{L}]+)*$"));
    return letters.match(word).hasMatch();
}

QString DefaultQuestionName(const BoardContent& content, int category, int question) {
    return QStringLiteral("question %1 of '%2'")
        .arg(question + 1)
        .arg(content.categories.value(category).name);
}

bool HasRefusal(const QList<BoardFinding>& findings) {
    return std::any_of(findings.cbegin(), findings.cend(), [](const BoardFinding& f) {
        return f.severity == FindingSeverity::Refusal;
    });
}

} // namespace BoardContentChecks
