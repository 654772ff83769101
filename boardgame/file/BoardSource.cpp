#include "boardgame/file/BoardSource.h"

#include "boardgame/file/BoardContentChecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <iterator>

QString BoardSourceError::text() const {
    return m_line > 0 ? QStringLiteral("line %1: %2").arg(m_line).arg(m_message) : m_message;
}

namespace BoardSource {

bool ParseColour(const QString& text, qint64& value) {
    static const QRegularExpression rgb(QStringLiteral("^#([0-9A-Fa-f]{6})$"));
    const auto m = rgb.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    const uint v = m.captured(1).toUInt(nullptr, 16);
    const uint r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF, b = v & 0xFF;
    value = static_cast<qint64>((b << 16) | (g << 8) | r);
    return true;
}

namespace {

enum class Section { None, Board, Layout, Square, Kind, Category, Question, Spelling };

// Where a question and its fields were written, for the checks made at the
// end.
struct QuestionLines {
    int header = 0;
    int text = 0;
    QList<int> answers;
};

struct PendingQuestion {
    BoardQuestion question;
    QuestionLines lines;
    bool open = false;
};

class Parser {
public:
    Parser(const QString& baseFolder, const BoardSourceHooks& hooks,
           QList<BoardSourceWarning>* warnings)
        : m_base(baseFolder), m_hooks(hooks), m_warnings(warnings) {}

    BoardContent run(const QString& text) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            m_line = i + 1;
            QString line = lines[i];
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            const QString trimmed = line.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')) ||
                trimmed.startsWith(QLatin1Char(';')))
                continue;
            if (trimmed.startsWith(QLatin1Char('[')))
                openSection(trimmed);
            else if (m_section == Section::Layout)
                layoutLine(trimmed);
            else
                field(trimmed);
        }
        m_line = static_cast<int>(lines.size());
        closeSection();
        finish();
        refuseOversized();
        if (m_warnings) {
            const auto namer = [this](int category, int question) {
                return QStringLiteral("the question at line %1")
                    .arg(m_questionLines[category][question].header);
            };
            for (const BoardFinding& f : BoardContentChecks::Warnings(m_content, namer))
                m_warnings->append({lineOf(f), f.message});
            std::stable_sort(m_warnings->begin(), m_warnings->end(),
                             [](const BoardSourceWarning& a, const BoardSourceWarning& b) {
                                 return a.line < b.line;
                             });
        }
        return m_content;
    }

private:
    [[noreturn]] void fail(const QString& message) const {
        throw BoardSourceError(m_line, message);
    }
    [[noreturn]] void failAt(int line, const QString& message) const {
        throw BoardSourceError(line, message);
    }
    // The line a finding is about: the field that holds the text it reads,
    // else the section of its item.
    int lineOf(const BoardFinding& f) const {
        const BoardItemRef& item = f.item;
        switch (item.kind) {
        case BoardItemKind::Board:
            return item.squareIndex >= 0 ? m_layoutCodeLines.value(item.squareIndex) : m_layoutLine;
        case BoardItemKind::Kind:
            return m_kindLines.value(item.squareKind);
        case BoardItemKind::Category:
            return f.check == BoardCheck::PrintedWord || f.check == BoardCheck::TipGivesAway ||
                           f.check == BoardCheck::Size
                       ? m_tipLines.value(item.category)
                       : m_categoryLines.value(item.category);
        case BoardItemKind::Question: {
            const QuestionLines& lines = m_questionLines[item.category][item.question];
            return f.check == BoardCheck::PrintedWord ? lines.text : lines.header;
        }
        case BoardItemKind::Answer:
            return m_questionLines[item.category][item.question].answers.value(item.answer);
        case BoardItemKind::Word:
            return m_wordLines.value(item.word);
        }
        return 0;
    }

    // Texts, pictures and sounds over the limits would make rows the game
    // refuses to ask.
    void refuseOversized() {
        for (const BoardFinding& f : BoardContentChecks::Check(m_content)) {
            if (f.check == BoardCheck::Size)
                failAt(lineOf(f), f.message);
        }
    }

    int number(const QString& text, const QString& what) const {
        bool ok = false;
        const int v = text.trimmed().toInt(&ok);
        if (!ok)
            fail(QStringLiteral("%1 must be a whole number, not '%2'").arg(what, text.trimmed()));
        return v;
    }

    void openSection(const QString& header) {
        closeSection();
        if (!header.endsWith(QLatin1Char(']')))
            fail(QStringLiteral("a section header must end with ']'"));
        const QStringList parts = header.mid(1, header.size() - 2)
                                      .simplified()
                                      .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString name = parts.value(0).toLower();
        const QString arg = parts.value(1);
        if (parts.size() > 2)
            fail(QStringLiteral("unknown section [%1]").arg(parts.join(QLatin1Char(' '))));
        m_sectionLine = m_line;
        if (name == QLatin1String("board") && parts.size() == 1) {
            m_section = Section::Board;
        } else if (name == QLatin1String("layout") && parts.size() == 1) {
            if (m_layoutLine > 0)
                fail(QStringLiteral("the [layout] section is given twice"));
            m_layoutLine = m_line;
            m_section = Section::Layout;
        } else if (name == QLatin1String("square") && parts.size() == 2) {
            m_code = number(arg, QStringLiteral("the square code"));
            if (m_content.styles.contains(m_code))
                fail(QStringLiteral("[square %1] is given twice").arg(m_code));
            m_content.styles.insert(m_code, BoardSquareStyle());
            m_codeLines.insert(m_code, m_line);
            m_section = Section::Square;
        } else if (name == QLatin1String("kind") && parts.size() == 2) {
            m_code = number(arg, QStringLiteral("the kind number"));
            if (m_code <= 0)
                fail(QStringLiteral("a question kind must be a positive number"));
            if (m_content.questionKinds.contains(m_code))
                fail(QStringLiteral("[kind %1] is given twice").arg(m_code));
            m_content.questionKinds.insert(m_code, QString());
            m_kindLines.insert(m_code, m_line);
            m_section = Section::Kind;
        } else if (name == QLatin1String("category") && parts.size() == 1) {
            m_content.categories.append(BoardCategory());
            m_categoryLines.append(m_line);
            m_questionLines.append(QList<QuestionLines>());
            m_section = Section::Category;
        } else if (name == QLatin1String("question") && parts.size() == 1) {
            if (m_content.categories.isEmpty())
                fail(QStringLiteral("a [question] must follow a [category]"));
            m_question = PendingQuestion();
            m_question.lines.header = m_line;
            m_question.open = true;
            m_section = Section::Question;
        } else if (name == QLatin1String("spelling") && parts.size() == 2) {
            const QString level = arg.toLower();
            if (level == QLatin1String("easy"))
                m_code = SquareCode::SpellEasy;
            else if (level == QLatin1String("medium"))
                m_code = SquareCode::SpellMedium;
            else if (level == QLatin1String("hard"))
                m_code = SquareCode::SpellHard;
            else
                fail(QStringLiteral("spelling level must be easy, medium or hard, not '%1'")
                         .arg(arg));
            if (!m_content.spellingCaptions.contains(m_code))
                m_content.spellingCaptions.insert(m_code, QString());
            m_section = Section::Spelling;
        } else {
            fail(QStringLiteral("unknown section [%1]").arg(parts.join(QLatin1Char(' '))));
        }
    }

    void closeSection() {
        switch (m_section) {
        case Section::Kind:
            if (m_content.questionKinds.value(m_code).isEmpty())
                failAt(m_sectionLine, QStringLiteral("[kind %1] needs a caption").arg(m_code));
            break;
        case Section::Category: {
            const BoardCategory& c = m_content.categories.last();
            if (c.kind == 0)
                failAt(m_sectionLine, QStringLiteral("a [category] needs a kind"));
            if (c.name.isEmpty())
                failAt(m_sectionLine, QStringLiteral("a [category] needs a name"));
            if (c.tip.isEmpty())
                failAt(m_sectionLine, QStringLiteral("a [category] needs a tip"));
            break;
        }
        case Section::Question: {
            const BoardQuestion& q = m_question.question;
            const int line = m_question.lines.header;
            if (q.text.isEmpty())
                failAt(line, QStringLiteral("a [question] needs a text"));
            if (q.answers.size() < 2 || q.answers.size() > 6)
                failAt(line, QStringLiteral("a question needs 2 to 6 answers, not %1")
                                 .arg(q.answers.size()));
            int right = 0;
            for (const BoardAnswer& a : q.answers)
                right += a.right ? 1 : 0;
            if (right != 1)
                failAt(line,
                       QStringLiteral("a question needs exactly one right answer (marked '*'), "
                                      "not %1")
                           .arg(right));
            m_questionLines.last().append(m_question.lines);
            m_content.categories.last().questions.append(q);
            m_question.open = false;
            break;
        }
        case Section::Spelling:
            if (m_content.spellingCaptions.value(m_code).isEmpty())
                failAt(m_sectionLine, QStringLiteral("a [spelling] section needs a caption"));
            break;
        default:
            break;
        }
        m_section = Section::None;
    }

    void layoutLine(const QString& line) {
        for (const QString& item :
             line.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts)) {
            const int code = number(item, QStringLiteral("a square code"));
            if (code == 0 || code < SquareCode::Lowest)
                fail(QStringLiteral("%1 is not a square code (use -12 to -1 or a kind number)")
                         .arg(code));
            m_content.layout.append(code);
            m_layoutCodeLines.append(m_line);
        }
    }

    void field(const QString& line) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            fail(QStringLiteral("expected 'field = value'"));
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        auto unknown = [&] { fail(QStringLiteral("unknown field '%1' here").arg(key)); };
        switch (m_section) {
        case Section::None:
            fail(QStringLiteral("field '%1' outside any section").arg(key));
        case Section::Board:
            if (key == QLatin1String("description"))
                m_content.description = value;
            else if (key == QLatin1String("author"))
                m_content.author = value;
            else
                unknown();
            break;
        case Section::Square: {
            BoardSquareStyle& s = m_content.styles[m_code];
            if (key == QLatin1String("caption")) {
                s.caption = value;
                return;
            }
            qint64 colour = 0;
            if (key != QLatin1String("back") && key != QLatin1String("font") &&
                key != QLatin1String("fontback"))
                unknown();
            if (!ParseColour(value, colour))
                fail(QStringLiteral("field '%1': a colour is written #RRGGBB, not '%2'")
                         .arg(key, value));
            (key == QLatin1String("back")   ? s.backColor
             : key == QLatin1String("font") ? s.fontColor
                                            : s.fontBackColor) = colour;
            break;
        }
        case Section::Kind:
            if (key != QLatin1String("caption"))
                unknown();
            m_content.questionKinds[m_code] = value;
            break;
        case Section::Category: {
            BoardCategory& c = m_content.categories.last();
            if (key == QLatin1String("kind")) {
                c.kind = number(value, QStringLiteral("field 'kind'"));
                if (c.kind <= 0)
                    fail(QStringLiteral("field 'kind' must be a positive number"));
            } else if (key == QLatin1String("name")) {
                c.name = value;
            } else if (key == QLatin1String("tip")) {
                c.tip = value;
                m_tipLines[m_content.categories.size() - 1] = m_line;
            } else {
                unknown();
            }
            break;
        }
        case Section::Question: {
            BoardQuestion& q = m_question.question;
            if (key == QLatin1String("text")) {
                q.text = value;
                m_question.lines.text = m_line;
            } else if (key == QLatin1String("level")) {
                q.itemLevel = level(value);
            } else if (key == QLatin1String("picture")) {
                q.picture = picture(value);
            } else if (key == QLatin1String("answer")) {
                QStringList parts = value.split(QLatin1Char('|'));
                BoardAnswer a;
                QString t = parts.takeFirst().trimmed();
                if (t.startsWith(QLatin1Char('*'))) {
                    a.right = true;
                    t = t.mid(1).trimmed();
                }
                a.text = t;
                for (const QString& option : parts) {
                    const auto kv = option.split(QLatin1Char('='));
                    if (kv.size() < 2 || kv[0].trimmed().toLower() != QLatin1String("picture"))
                        fail(QStringLiteral("an answer takes only '| picture = ...'"));
                    a.picture = picture(option.section(QLatin1Char('='), 1).trimmed());
                }
                if (a.text.isEmpty() && a.picture.isEmpty())
                    fail(QStringLiteral("an answer needs a text or a picture"));
                m_question.lines.answers.append(m_line);
                q.answers.append(a);
            } else {
                unknown();
            }
            break;
        }
        case Section::Spelling:
            if (key == QLatin1String("caption"))
                m_content.spellingCaptions[m_code] = value;
            else if (key == QLatin1String("word"))
                word(value);
            else
                unknown();
            break;
        case Section::Layout:
            break;
        }
    }

    void word(const QString& value) {
        const QStringList parts = value.split(QLatin1Char('|'));
        BoardWord w;
        w.level = m_code;
        w.word = parts.value(0).trimmed();
        w.definition = parts.value(1).trimmed();
        if (w.word.isEmpty())
            fail(QStringLiteral("field 'word': the word is missing"));
        if (!BoardContentChecks::IsSpellingWord(w.word))
            fail(QStringLiteral("field 'word': '%1' may hold only letters, with single spaces, "
                                "hyphens or apostrophes between them")
                     .arg(w.word));
        if (w.definition.isEmpty())
            fail(QStringLiteral("field 'word': '%1' needs a definition after '|'").arg(w.word));
        const QString shown = BoardContentChecks::DefinitionGiveaway(w.word, w.definition);
        if (!shown.isEmpty())
            fail(QStringLiteral("field 'word': ") +
                 BoardContentChecks::DefinitionRefusal(w.word, shown));
        const QString key = QString::number(w.level) + QLatin1Char(':') + w.word.toLower();
        if (m_words.contains(key))
            fail(QStringLiteral("field 'word': '%1' is given twice at this level").arg(w.word));
        m_words.insert(key);
        bool haveSound = false;
        bool haveAmerican = false;
        QString say = w.word;
        for (int i = 2; i < parts.size(); ++i) {
            const QString option = parts[i];
            const int eq = option.indexOf(QLatin1Char('='));
            const QString k = option.left(eq).trimmed().toLower();
            const QString v = option.mid(eq + 1).trimmed();
            if (eq <= 0 || v.isEmpty())
                fail(QStringLiteral("field 'word': expected '| sound = ...', '| picture = ...', "
                                    "'| level = ...', '| say = ...' or '| american = ...'"));
            if (k == QLatin1String("sound")) {
                w.sound = soundFile(v);
                haveSound = true;
            } else if (k == QLatin1String("picture")) {
                w.picture = picture(v);
            } else if (k == QLatin1String("level")) {
                w.itemLevel = level(v);
            } else if (k == QLatin1String("say")) {
                say = v;
                // Kept so that an editor can show it again.
                w.sayAs = v;
            } else if (k == QLatin1String("american")) {
                w.soundAmerican = soundFile(v);
                haveAmerican = true;
            } else {
                fail(QStringLiteral("field 'word': unknown option '%1'").arg(k));
            }
        }
        if (!haveSound && m_hooks.speak) {
            QString error;
            w.sound = m_hooks.speak(say, &error);
            if (w.sound.isEmpty())
                fail(QStringLiteral("cannot speak '%1': %2").arg(say, error));
            if (m_hooks.speakAmerican && !haveAmerican) {
                w.soundAmerican = m_hooks.speakAmerican(say, &error);
                if (w.soundAmerican.isEmpty())
                    fail(QStringLiteral("cannot speak '%1': %2").arg(say, error));
            }
        }
        m_wordLines.append(m_line);
        m_content.words.append(w);
    }

    ItemLevel level(const QString& value) const {
        bool known = false;
        const ItemLevel l = ItemLevels::FromName(value, &known);
        if (!known || l == ItemLevel::Any)
            fail(QStringLiteral("a level is primary, secondary or adult, not '%1'").arg(value));
        return l;
    }

    QByteArray readFile(const QString& name) const {
        const QString path = QDir(m_base).absoluteFilePath(name);
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read the file '%1'").arg(name));
        return f.readAll();
    }

    QByteArray soundFile(const QString& name) const {
        const QByteArray bytes = readFile(name);
        if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
            fail(QStringLiteral("'%1' is not a wave file").arg(name));
        return bytes;
    }

    QByteArray picture(const QString& reference) const {
        if (reference.startsWith(QLatin1String("draw:"), Qt::CaseInsensitive)) {
            if (!m_hooks.draw)
                fail(QStringLiteral("pictures cannot be drawn here ('%1')").arg(reference));
            QString error;
            const QByteArray bytes = m_hooks.draw(reference.mid(5).trimmed(), &error);
            if (bytes.isEmpty())
                fail(QStringLiteral("cannot draw '%1': %2").arg(reference, error));
            return bytes;
        }
        const QByteArray bytes = readFile(reference);
        if (!bytes.startsWith("\xFF\xD8\xFF"))
            fail(QStringLiteral("'%1' is not a JPEG picture").arg(reference));
        return bytes;
    }

    void finish() {
        if (m_layoutLine == 0)
            failAt(0, QStringLiteral("the source has no [layout] section"));
        if (m_content.layout.size() != kBoardSquares)
            failAt(m_layoutLine, QStringLiteral("the layout lists %1 squares; a board has %2")
                                     .arg(m_content.layout.size())
                                     .arg(kBoardSquares));
        QHash<int, int> questionsPerKind;
        for (int i = 0; i < m_content.categories.size(); ++i) {
            const BoardCategory& c = m_content.categories[i];
            if (!m_content.questionKinds.contains(c.kind))
                failAt(
                    m_categoryLines[i],
                    QStringLiteral("the category's kind %1 has no [kind %1] section").arg(c.kind));
            questionsPerKind[c.kind] += static_cast<int>(c.questions.size());
        }
        QHash<int, int> wordsPerLevel;
        for (const BoardWord& w : m_content.words)
            ++wordsPerLevel[w.level];
        for (int i = 0; i < m_content.layout.size(); ++i) {
            const int code = m_content.layout[i];
            const int line = m_layoutCodeLines[i];
            if (code > 0 && !m_content.questionKinds.contains(code))
                failAt(line, QStringLiteral("square %1: kind %2 has no [kind %2] section")
                                 .arg(i + 1)
                                 .arg(code));
            if (code > 0 && questionsPerKind.value(code) == 0)
                failAt(line,
                       QStringLiteral("square %1: kind %2 has no questions").arg(i + 1).arg(code));
            if (code < 0 && code >= SquareCode::SpellHard && wordsPerLevel.value(code) == 0)
                failAt(line, QStringLiteral("square %1: spelling level %2 has no words")
                                 .arg(i + 1)
                                 .arg(code));
        }
        for (auto it = m_codeLines.cbegin(); it != m_codeLines.cend(); ++it) {
            if (it.key() > 0 && !m_content.questionKinds.contains(it.key()))
                failAt(*it, QStringLiteral("[square %1]: there is no [kind %1]").arg(it.key()));
            if (it.key() == 0 || it.key() < SquareCode::Lowest)
                failAt(*it, QStringLiteral("[square %1]: not a square code").arg(it.key()));
        }
        // Squares without a [square] section get a plain look and the
        // caption of their kind.
        static const char* const jumps[] = {"Back 1",    "Back 2",    "Back 3",    "Back 4",
                                            "Forward 1", "Forward 2", "Forward 3", "Forward 4"};
        for (const int code : m_content.layout) {
            BoardSquareStyle& s = m_content.styles[code];
            if (!s.caption.isEmpty())
                continue;
            if (code > 0)
                s.caption = m_content.questionKinds.value(code);
            else if (code >= SquareCode::SpellHard)
                s.caption = m_content.spellingCaptions.value(code);
            else if (code <= SquareCode::Back1)
                s.caption = QLatin1String(jumps[SquareCode::Back1 - code]);
            // An author who gave any colour chose the square's look.
            if (s.backColor.isNull() && s.fontColor.isNull() && s.fontBackColor.isNull())
                giveKindColours(code, s);
        }
        for (auto it = m_content.spellingCaptions.begin(); it != m_content.spellingCaptions.end();
             ++it) {
            if (it->isEmpty())
                *it = QStringLiteral("Spelling");
        }
    }

    // The colours a square kind gets when no [square] section gives them,
    // those of the shipped board: question kinds take the question colours
    // in turn, the spelling levels darker greens, jumps back oranges and
    // jumps ahead purples.
    void giveKindColours(int code, BoardSquareStyle& s) const {
        struct Look {
            const char* back;
            const char* font;
        };
        static const Look questions[] = {{"#FFC0C0", "#800000"},
                                         {"#FFFFC0", "#606000"},
                                         {"#C0E0FF", "#003080"},
                                         {"#E0C0FF", "#400080"},
                                         {"#C0FFFF", "#006060"}};
        static const Look others[] = {
            {"#C0FFC0", "#006000"}, {"#80E080", "#004000"}, {"#40A040", "#FFFFFF"}, // spelling
            {"#FFFFFF", "#404040"},                                                 // plain
            {"#FFD8B0", "#804000"}, {"#FFC890", "#804000"}, {"#FFB870", "#803000"},
            {"#FFA050", "#802000"}, // back 1 to 4
            {"#E8D0FF", "#400080"}, {"#D8B8FF", "#400080"}, {"#C8A0FF", "#400080"},
            {"#B888FF", "#FFFFFF"}}; // ahead 1 to 4
        Look look{};
        if (code > 0) {
            const qsizetype kind = m_content.questionKinds.keys().indexOf(code);
            look = questions[std::max<qsizetype>(kind, 0) % std::size(questions)];
        } else if (code < 0 && code >= SquareCode::Lowest) {
            look = others[SquareCode::SpellEasy - code];
        } else {
            return;
        }
        qint64 back = 0;
        qint64 font = 0;
        ParseColour(QLatin1String(look.back), back);
        ParseColour(QLatin1String(look.font), font);
        s.backColor = back;
        s.fontColor = font;
        s.fontBackColor = back;
    }

    QString m_base;
    const BoardSourceHooks& m_hooks;
    QList<BoardSourceWarning>* m_warnings;
    BoardContent m_content;
    Section m_section = Section::None;
    int m_line = 0;
    int m_sectionLine = 0;
    int m_code = 0;
    int m_layoutLine = 0;
    QList<int> m_layoutCodeLines;
    QList<int> m_categoryLines;
    QMap<int, int> m_codeLines;
    QMap<int, int> m_kindLines;
    QHash<int, int> m_tipLines;                  // category index -> tip line
    QList<QList<QuestionLines>> m_questionLines; // by category, by question
    QList<int> m_wordLines;
    QSet<QString> m_words;
    PendingQuestion m_question;
};

} // namespace

BoardContent Parse(const QString& text, const QString& baseFolder, const BoardSourceHooks& hooks,
                   QList<BoardSourceWarning>* warnings) {
    Parser parser(baseFolder, hooks, warnings);
    return parser.run(text);
}

} // namespace BoardSource
