#include "boardgame/file/BoardCsvImport.h"

#include "boardgame/file/BoardContentChecks.h"
#include "boardgame/file/BoardLimits.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>

QString BoardCsvProblem::text() const {
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(reason) : reason;
}

namespace BoardCsvImport {

namespace {

// A CSV file of a million rows is not a word list; it is refused unread.
constexpr qint64 kLargestCsvBytes = 16 * 1024 * 1024;

enum class Column {
    Unknown,
    Word,
    Definition,
    Level,
    Difficulty,
    Say,
    Category,
    Question,
    Right,
    Wrong,
    Kind,
    Tip
};

Column columnOf(const QString& header) {
    QString h = header.simplified().toLower();
    h.replace(QLatin1Char('_'), QLatin1Char(' '));
    static const QHash<QString, Column> names = {
        {QStringLiteral("word"), Column::Word},
        {QStringLiteral("definition"), Column::Definition},
        {QStringLiteral("meaning"), Column::Definition},
        {QStringLiteral("level"), Column::Level},
        {QStringLiteral("difficulty"), Column::Difficulty},
        {QStringLiteral("say"), Column::Say},
        {QStringLiteral("say it like"), Column::Say},
        {QStringLiteral("category"), Column::Category},
        {QStringLiteral("question"), Column::Question},
        {QStringLiteral("right answer"), Column::Right},
        {QStringLiteral("answer"), Column::Right},
        {QStringLiteral("correct answer"), Column::Right},
        {QStringLiteral("kind"), Column::Kind},
        {QStringLiteral("tip"), Column::Tip},
    };
    if (h.startsWith(QLatin1String("wrong")))
        return Column::Wrong;
    return names.value(h, Column::Unknown);
}

int difficultyOf(const QString& cell, bool* known) {
    const QString d = cell.trimmed().toLower();
    *known = true;
    if (d == QLatin1String("easy") || d == QLatin1String("1"))
        return SquareCode::SpellEasy;
    if (d == QLatin1String("medium") || d == QLatin1String("2"))
        return SquareCode::SpellMedium;
    if (d == QLatin1String("hard") || d == QLatin1String("3"))
        return SquareCode::SpellHard;
    *known = false;
    return 0;
}

class RowReader {
public:
    RowReader(const QStringList& header, BoardCsvRows& out) : m_out(out) {
        for (int i = 0; i < header.size(); ++i) {
            const Column c = columnOf(header[i]);
            if (c == Column::Wrong)
                m_wrong << i;
            else if (c != Column::Unknown && !m_columns.contains(c))
                m_columns.insert(c, i);
            else if (c == Column::Unknown && !header[i].trimmed().isEmpty())
                m_unknown << header[i].trimmed();
        }
    }

    bool knowsWords() const { return m_columns.contains(Column::Word); }
    bool knowsQuestions() const { return m_columns.contains(Column::Question); }
    QStringList unknown() const { return m_unknown; }

    void read(const CsvRow& row) {
        m_row = &row;
        ++m_out.rows;
        const bool word = knowsWords() && (!cell(Column::Word).isEmpty() || !knowsQuestions() ||
                                           cell(Column::Question).isEmpty());
        QString reason = word ? readWord(row.line) : readQuestion(row.line);
        if (!reason.isEmpty())
            m_out.problems.append({row.line, reason});
    }

private:
    QString cell(Column c) const {
        const int at = m_columns.value(c, -1);
        return at < 0 ? QString() : m_row->fields.value(at).trimmed();
    }

    static QString levelProblem(const QString& cell, ItemLevel* level) {
        bool known = false;
        *level = ItemLevels::FromName(cell, &known);
        if (!known)
            return QStringLiteral("level '%1' is not primary, secondary or adult").arg(cell);
        return QString();
    }

    QString readWord(int line) {
        BoardCsvWord w;
        w.line = line;
        w.word.word = cell(Column::Word);
        w.word.definition = cell(Column::Definition);
        w.sayAs = cell(Column::Say);
        w.word.sayAs = w.sayAs;
        if (w.word.word.isEmpty())
            return QStringLiteral("no word");
        if (!BoardLimits::FitsCaption(w.word.word))
            return QStringLiteral("the word is longer than %1 characters")
                .arg(BoardLimits::kLongestCaption);
        if (!BoardContentChecks::IsSpellingWord(w.word.word))
            return QStringLiteral("'%1' may hold only letters, with single spaces, hyphens or "
                                  "apostrophes between them")
                .arg(w.word.word);
        if (w.word.definition.isEmpty())
            return QStringLiteral("no definition");
        if (!BoardLimits::FitsText(w.word.definition))
            return QStringLiteral("the definition is longer than %1 characters")
                .arg(BoardLimits::kLongestText);
        if (const QString shown =
                BoardContentChecks::DefinitionGiveaway(w.word.word, w.word.definition);
            !shown.isEmpty())
            return BoardContentChecks::DefinitionRefusal(w.word.word, shown);
        const QString difficulty = cell(Column::Difficulty);
        if (difficulty.isEmpty())
            return QStringLiteral("no difficulty (easy, medium or hard)");
        bool known = false;
        w.word.level = difficultyOf(difficulty, &known);
        if (!known)
            return QStringLiteral("difficulty '%1' is not easy, medium or hard").arg(difficulty);
        if (QString p = levelProblem(cell(Column::Level), &w.word.itemLevel); !p.isEmpty())
            return p;
        const QString key =
            QString::number(w.word.level) + QLatin1Char(':') + w.word.word.toLower();
        if (const int first = m_words.value(key); first > 0)
            return QStringLiteral("'%1' is given twice at this difficulty (first at line %2)")
                .arg(w.word.word)
                .arg(first);
        m_words.insert(key, line);
        m_out.words.append(w);
        return QString();
    }

    QString readQuestion(int line) {
        BoardCsvQuestion q;
        q.line = line;
        q.category = cell(Column::Category);
        q.kind = cell(Column::Kind);
        q.tip = cell(Column::Tip);
        q.question.text = cell(Column::Question);
        const QString right = cell(Column::Right);
        QStringList wrong;
        for (const int at : std::as_const(m_wrong)) {
            for (const QString& part : m_row->fields.value(at).split(QLatin1Char('|'))) {
                if (!part.trimmed().isEmpty())
                    wrong << part.trimmed();
            }
        }
        if (q.category.isEmpty())
            return QStringLiteral("no category");
        if (q.question.text.isEmpty())
            return QStringLiteral("no question");
        if (right.isEmpty())
            return QStringLiteral("no right answer");
        if (wrong.isEmpty())
            return QStringLiteral("no wrong answer");
        const qsizetype choices = wrong.size() + 1;
        if (choices > 6)
            return QStringLiteral("%1 choices; a question takes 2 to 6").arg(choices);
        const QStringList texts = QStringList(wrong) << right << q.question.text << q.tip;
        for (const QString& text : texts) {
            if (!BoardLimits::FitsText(text))
                return QStringLiteral("a text is longer than %1 characters")
                    .arg(BoardLimits::kLongestText);
        }
        if (QString p = levelProblem(cell(Column::Level), &q.question.itemLevel); !p.isEmpty())
            return p;
        // The right answer takes each place in turn, so that no place holds
        // most of a kind's right answers.
        const int place = static_cast<int>(m_out.questions.size() % choices);
        for (const QString& text : std::as_const(wrong))
            q.question.answers.append(BoardAnswer{text, false, {}});
        q.question.answers.insert(place, BoardAnswer{right, true, {}});
        m_out.questions.append(q);
        return QString();
    }

    BoardCsvRows& m_out;
    QHash<Column, int> m_columns;
    QList<int> m_wrong;
    QStringList m_unknown;
    QHash<QString, int> m_words; // difficulty:word -> line
    const CsvRow* m_row = nullptr;
};

} // namespace

QList<CsvRow> SplitCsv(const QString& text) {
    // The separator is the one the header row uses more of.
    qsizetype commas = 0, semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    const QChar separator = semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');

    QList<CsvRow> rows;
    CsvRow row;
    QString field;
    int line = 1;
    row.line = 1;
    quoted = false;
    bool any = false; // the row has a character
    auto endField = [&] {
        row.fields << field;
        field.clear();
    };
    auto endRow = [&] {
        endField();
        const bool blank = std::all_of(row.fields.cbegin(), row.fields.cend(),
                                       [](const QString& f) { return f.trimmed().isEmpty(); });
        if (any && !blank)
            rows.append(row);
        row = CsvRow();
        any = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                if (c != QLatin1Char('\r'))
                    field += c;
            }
            continue;
        }
        if (c == QLatin1Char('\r'))
            continue;
        if (c == QLatin1Char('\n')) {
            endRow();
            row.line = ++line;
            continue;
        }
        if (!any)
            row.line = line;
        any = true;
        if (c == QLatin1Char('"') && field.trimmed().isEmpty())
            quoted = true, field.clear();
        else if (c == separator)
            endField();
        else
            field += c;
    }
    endRow();
    return rows;
}

BoardCsvRows Read(const QByteArray& bytes) {
    BoardCsvRows out;
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(data);
    if (utf8.hasError()) {
        out.problems.append({0, QStringLiteral("the file is not UTF-8 text; save it from the "
                                               "spreadsheet as \"CSV UTF-8\"")});
        return out;
    }
    const QList<CsvRow> rows = SplitCsv(text);
    if (rows.isEmpty()) {
        out.problems.append({0, QStringLiteral("the file holds no rows")});
        return out;
    }
    RowReader reader(rows.first().fields, out);
    if (!reader.knowsWords() && !reader.knowsQuestions()) {
        out.problems.append(
            {rows.first().line,
             QStringLiteral("the first row must name the columns: word, definition, level, "
                            "difficulty; or category, question, right answer, wrong answers, "
                            "level")});
        return out;
    }
    for (const QString& name : reader.unknown())
        out.problems.append({rows.first().line,
                             QStringLiteral("column '%1' is not known and is left out").arg(name)});
    for (qsizetype i = 1; i < rows.size(); ++i)
        reader.read(rows[i]);
    return out;
}

BoardCsvRows ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        BoardCsvRows rows;
        rows.problems.append({0, QStringLiteral("cannot read %1").arg(path)});
        return rows;
    }
    if (file.size() > kLargestCsvBytes) {
        BoardCsvRows rows;
        rows.problems.append({0, QStringLiteral("%1 is larger than %2 MB; it is not a word list")
                                     .arg(path)
                                     .arg(kLargestCsvBytes / (1024 * 1024))});
        return rows;
    }
    return Read(file.readAll());
}

void Speak(BoardCsvRows& rows, const BoardCsvHooks& hooks) {
    if (!hooks.speak)
        return;
    for (qsizetype i = 0; i < rows.words.size();) {
        BoardCsvWord& w = rows.words[i];
        const QString text = w.sayAs.isEmpty() ? w.word.word : w.sayAs;
        QString error;
        if (w.word.sound.isEmpty())
            w.word.sound = hooks.speak(text, &error);
        if (!w.word.sound.isEmpty() && hooks.speakAmerican && w.word.soundAmerican.isEmpty())
            w.word.soundAmerican = hooks.speakAmerican(text, &error);
        if (w.word.sound.isEmpty() || (hooks.speakAmerican && w.word.soundAmerican.isEmpty())) {
            rows.problems.append(
                {w.line, QStringLiteral("cannot speak '%1': %2").arg(text, error)});
            rows.words.removeAt(i);
            continue;
        }
        ++i;
    }
    std::stable_sort(
        rows.problems.begin(), rows.problems.end(),
        [](const BoardCsvProblem& a, const BoardCsvProblem& b) { return a.line < b.line; });
}

int Apply(BoardContent& content, const BoardCsvRows& rows, bool tipRequired,
          QList<BoardCsvProblem>* problems) {
    auto problem = [problems](int line, const QString& reason) {
        if (problems)
            problems->append({line, reason});
    };
    int added = 0;
    QHash<QString, int> words;
    for (const BoardWord& w : std::as_const(content.words))
        words.insert(QString::number(w.level) + QLatin1Char(':') + w.word.toLower(), 0);
    for (const BoardCsvWord& w : rows.words) {
        const QString key =
            QString::number(w.word.level) + QLatin1Char(':') + w.word.word.toLower();
        if (words.contains(key)) {
            problem(
                w.line,
                QStringLiteral("'%1' is already on the board at this difficulty").arg(w.word.word));
            continue;
        }
        words.insert(key, w.line);
        // After the words of its difficulty and the easier ones, where a
        // reader looks for it.
        qsizetype at = content.words.size();
        while (at > 0 && content.words[at - 1].level < w.word.level)
            --at;
        content.words.insert(at, w.word);
        ++added;
    }
    QStringList kindNames;
    for (const QString& caption : std::as_const(content.questionKinds))
        kindNames << caption;
    for (const BoardCsvQuestion& q : rows.questions) {
        int category = -1;
        for (int i = 0; i < content.categories.size() && category < 0; ++i) {
            if (content.categories[i].name.compare(q.category, Qt::CaseInsensitive) == 0)
                category = i;
        }
        if (category < 0) {
            int kind = 0;
            if (q.kind.isEmpty()) {
                if (content.questionKinds.size() == 1)
                    kind = content.questionKinds.firstKey();
            } else {
                bool number = false;
                const int code = q.kind.toInt(&number);
                if (number && content.questionKinds.contains(code))
                    kind = code;
                for (auto it = content.questionKinds.cbegin(); it != content.questionKinds.cend();
                     ++it) {
                    if (it->compare(q.kind, Qt::CaseInsensitive) == 0)
                        kind = it.key();
                }
            }
            if (kind == 0) {
                problem(q.line, q.kind.isEmpty()
                                    ? QStringLiteral("category '%1' is new: give its kind (%2)")
                                          .arg(q.category, kindNames.join(QLatin1String(", ")))
                                    : QStringLiteral("kind '%1' is not one of %2")
                                          .arg(q.kind, kindNames.join(QLatin1String(", "))));
                continue;
            }
            if (tipRequired && q.tip.isEmpty()) {
                problem(q.line,
                        QStringLiteral("category '%1' is new and needs a tip").arg(q.category));
                continue;
            }
            content.categories.append(BoardCategory{kind, q.category, q.tip, {}});
            category = static_cast<int>(content.categories.size()) - 1;
        }
        BoardCategory& c = content.categories[category];
        if (c.tip.isEmpty())
            c.tip = q.tip;
        c.questions.append(q.question);
        ++added;
    }
    return added;
}

} // namespace BoardCsvImport
