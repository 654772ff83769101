#include "boardgame/dao/AccessSql.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace AccessSql {

namespace {

enum class Kind { Word, Name, String, Number, Punct, End };

struct Token {
    Kind kind = Kind::End;
    QString text; // words and names without quotes; strings without quotes
    int pos = 0;  // offset in the source text
    int end = 0;

    bool isWord(const char* w) const {
        return kind == Kind::Word && text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }
    bool isPunct(const char* p) const { return kind == Kind::Punct && text == QLatin1String(p); }
};

// In the Access dialect "..." is a string and [...] a name; in SQLite text
// (our own views) "..." is a name.
QList<Token> tokenize(const QString& s, bool accessDialect) {
    QList<Token> out;
    int i = 0;
    const int n = s.size();
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        Token t;
        t.pos = i;
        if (c == QLatin1Char('\'') || (c == QLatin1Char('"'))) {
            const QChar q = c;
            QString text;
            ++i;
            bool closed = false;
            while (i < n) {
                if (s[i] == q) {
                    if (i + 1 < n && s[i + 1] == q) {
                        text += q;
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                text += s[i++];
            }
            if (!closed)
                throw AccessSqlError(
                    QStringLiteral("unterminated quoted text at position %1").arg(t.pos + 1));
            t.kind = (q == QLatin1Char('"') && !accessDialect) ? Kind::Name : Kind::String;
            t.text = text;
        } else if (c == QLatin1Char('[')) {
            const int close = s.indexOf(QLatin1Char(']'), i + 1);
            if (close < 0)
                throw AccessSqlError(
                    QStringLiteral("unterminated [name] at position %1").arg(t.pos + 1));
            t.kind = Kind::Name;
            t.text = s.mid(i + 1, close - i - 1);
            i = close + 1;
        } else if (c.isDigit() || (c == QLatin1Char('.') && i + 1 < n && s[i + 1].isDigit())) {
            int j = i;
            while (j < n && (s[j].isDigit() || s[j] == QLatin1Char('.')))
                ++j;
            if (j < n && (s[j] == QLatin1Char('e') || s[j] == QLatin1Char('E'))) {
                int k = j + 1;
                if (k < n && (s[k] == QLatin1Char('+') || s[k] == QLatin1Char('-')))
                    ++k;
                if (k < n && s[k].isDigit()) {
                    j = k;
                    while (j < n && s[j].isDigit())
                        ++j;
                }
            }
            t.kind = Kind::Number;
            t.text = s.mid(i, j - i);
            i = j;
        } else if (c.isLetter() || c == QLatin1Char('_')) {
            int j = i;
            while (j < n && (s[j].isLetterOrNumber() || s[j] == QLatin1Char('_')))
                ++j;
            t.kind = Kind::Word;
            t.text = s.mid(i, j - i);
            i = j;
        } else {
            static const char* twoChar[] = {"<>", "<=", ">=", "!=", "==", "||"};
            t.kind = Kind::Punct;
            t.text = QString(c);
            for (const char* p : twoChar) {
                if (s.mid(i, 2) == QLatin1String(p)) {
                    t.text = QLatin1String(p);
                    break;
                }
            }
            i += t.text.size();
            static const QString allowed = QStringLiteral("(),.;*=<>+-/&%|!");
            if (t.text.size() == 1 && !allowed.contains(c)) {
                if (c == QLatin1Char('#'))
                    throw AccessSqlError(QStringLiteral("date literals (#...#) are not supported"));
                if (c == QLatin1Char('?') || c == QLatin1Char('@') || c == QLatin1Char(':'))
                    throw AccessSqlError(QStringLiteral("query parameters are not supported"));
                throw AccessSqlError(
                    QStringLiteral("the character '%1' is not supported").arg(QString(c)));
            }
        }
        t.end = i;
        out.append(t);
    }
    Token end;
    end.pos = end.end = n;
    out.append(end);
    return out;
}

const QSet<QString>& keywords() {
    static const QSet<QString> words = [] {
        QSet<QString> w;
        for (const char* k :
             {"SELECT", "DISTINCT", "ALL",    "FROM", "WHERE",  "GROUP", "BY",     "HAVING",
              "ORDER",  "ASC",      "DESC",   "AS",   "INNER",  "LEFT",  "OUTER",  "JOIN",
              "ON",     "AND",      "OR",     "NOT",  "IS",     "NULL",  "IN",     "BETWEEN",
              "LIKE",   "UNION",    "UPDATE", "SET",  "INSERT", "INTO",  "VALUES", "DELETE",
              "EXISTS", "CASE",     "WHEN",   "THEN", "ELSE",   "END"})
            w.insert(QLatin1String(k));
        return w;
    }();
    return words;
}

// Access words that have no faithful counterpart here.
const QSet<QString>& refusedWords() {
    static const QSet<QString> words = [] {
        QSet<QString> w;
        for (const char* k : {"TOP", "DISTINCTROW", "TRANSFORM", "PIVOT", "PARAMETERS", "RIGHT",
                              "FULL", "XOR", "EQV", "IMP", "WITH", "OWNERACCESS", "LIMIT", "PRAGMA",
                              "ATTACH", "DETACH", "CROSS", "NATURAL"})
            w.insert(QLatin1String(k));
        return w;
    }();
    return words;
}

bool isKeyword(const Token& t) {
    return t.kind == Kind::Word && keywords().contains(t.text.toUpper());
}

class Translator {
public:
    explicit Translator(const QList<Token>& tokens) : m_t(tokens) {}

    // Translates tokens [from, to) as an expression or clause list.
    QString range(int from, int to) const {
        QStringList out;
        int i = from;
        while (i < to) {
            const Token& t = m_t[i];
            const Token& next = m_t[i + 1];
            const bool afterDot = i > from && m_t[i - 1].isPunct(".");
            const bool beforeDot = next.isPunct(".");
            switch (t.kind) {
            case Kind::String:
                out << quoteString(t.text);
                break;
            case Kind::Number:
                out << t.text;
                break;
            case Kind::Name:
                out << quoteIdentifier(t.text);
                break;
            case Kind::Punct:
                if (t.text == QLatin1String("&") || t.text == QLatin1String("||"))
                    out << QStringLiteral("||");
                else if (t.text == QLatin1String("/"))
                    out << QStringLiteral("* 1.0 /"); // Access always divides exactly
                else if (t.text == QLatin1String("%") || t.text == QLatin1String("!") ||
                         t.text == QLatin1String("=="))
                    throw AccessSqlError(
                        QStringLiteral("the operator '%1' is not supported").arg(t.text));
                else if (t.text == QLatin1String(";"))
                    throw AccessSqlError(QStringLiteral("only one statement can be sent at once"));
                else
                    out << t.text;
                break;
            case Kind::Word: {
                const QString upper = t.text.toUpper();
                if (afterDot || beforeDot) {
                    out << quoteIdentifier(t.text);
                    break;
                }
                if (next.isPunct("(") && !isKeyword(t)) {
                    int close = matching(i + 1);
                    out << function(t.text, i + 2, close);
                    i = close + 1;
                    continue;
                }
                if ((upper == QLatin1String("LEFT")) && next.isPunct("(")) {
                    int close = matching(i + 1);
                    out << function(t.text, i + 2, close);
                    i = close + 1;
                    continue;
                }
                if (upper == QLatin1String("TRUE")) {
                    out << QStringLiteral("-1");
                } else if (upper == QLatin1String("FALSE")) {
                    out << QStringLiteral("0");
                } else if (upper == QLatin1String("MOD")) {
                    out << QStringLiteral("%");
                } else if (upper == QLatin1String("LIKE")) {
                    out << QStringLiteral("LIKE");
                    if (next.kind == Kind::String) {
                        out << quoteString(likePattern(next.text));
                        i += 2;
                        continue;
                    }
                } else if (refusedWords().contains(upper)) {
                    throw AccessSqlError(
                        QStringLiteral("'%1' is not supported in board-game statements")
                            .arg(t.text));
                } else if (isKeyword(t)) {
                    out << upper;
                } else {
                    out << quoteIdentifier(t.text);
                }
                break;
            }
            case Kind::End:
                break;
            }
            ++i;
        }
        return out.join(QLatin1Char(' '));
    }

    int matching(int open) const {
        int depth = 0;
        for (int i = open; i < m_t.size(); ++i) {
            if (m_t[i].isPunct("("))
                ++depth;
            else if (m_t[i].isPunct(")") && --depth == 0)
                return i;
        }
        throw AccessSqlError(QStringLiteral("unbalanced parentheses"));
    }

    // Splits [from, to) at top-level commas.
    QList<QPair<int, int>> arguments(int from, int to) const {
        QList<QPair<int, int>> args;
        if (from >= to)
            return args;
        int depth = 0;
        int start = from;
        for (int i = from; i < to; ++i) {
            if (m_t[i].isPunct("("))
                ++depth;
            else if (m_t[i].isPunct(")"))
                --depth;
            else if (depth == 0 && m_t[i].isPunct(",")) {
                args.append({start, i});
                start = i + 1;
            }
        }
        args.append({start, to});
        return args;
    }

    QString function(const QString& name, int from, int to) const {
        const QString f = name.toUpper();
        const auto args = arguments(from, to);
        QStringList a;
        for (const auto& r : args) {
            if (r.first >= r.second)
                throw AccessSqlError(QStringLiteral("empty argument in %1()").arg(name));
            a << QStringLiteral("(") + range(r.first, r.second) + QStringLiteral(")");
        }
        auto need = [&](int lo, int hi) {
            if (a.size() < lo || a.size() > hi)
                throw AccessSqlError(QStringLiteral("wrong number of arguments to %1()").arg(name));
        };
        if (f == QLatin1String("COUNT") || f == QLatin1String("SUM") || f == QLatin1String("AVG") ||
            f == QLatin1String("MIN") || f == QLatin1String("MAX")) {
            if (args.size() == 1 && args[0].second - args[0].first == 1 &&
                m_t[args[0].first].isPunct("*")) {
                if (f != QLatin1String("COUNT"))
                    throw AccessSqlError(QStringLiteral("%1(*) is not supported").arg(name));
                return QStringLiteral("count(*)");
            }
            need(1, 1);
            return f.toLower() + QStringLiteral("(") + a[0] + QStringLiteral(")");
        }
        if (f == QLatin1String("IIF")) {
            need(3, 3);
            return QStringLiteral("(CASE WHEN %1 THEN %2 ELSE %3 END)").arg(a[0], a[1], a[2]);
        }
        if (f == QLatin1String("NZ")) {
            need(1, 2);
            return QStringLiteral("ifnull(%1, %2)")
                .arg(a[0], a.size() > 1 ? a[1] : QStringLiteral("0"));
        }
        if (f == QLatin1String("ISNULL")) {
            need(1, 1);
            return QStringLiteral("(CASE WHEN %1 IS NULL THEN -1 ELSE 0 END)").arg(a[0]);
        }
        static const QHash<QString, QString> simple = {
            {QStringLiteral("LEN"), QStringLiteral("length")},
            {QStringLiteral("LCASE"), QStringLiteral("lower")},
            {QStringLiteral("UCASE"), QStringLiteral("upper")},
            {QStringLiteral("TRIM"), QStringLiteral("trim")},
            {QStringLiteral("LTRIM"), QStringLiteral("ltrim")},
            {QStringLiteral("RTRIM"), QStringLiteral("rtrim")},
            {QStringLiteral("ABS"), QStringLiteral("abs")}};
        if (simple.contains(f)) {
            need(1, 1);
            return simple.value(f) + QStringLiteral("(") + a[0] + QStringLiteral(")");
        }
        if (f == QLatin1String("MID")) {
            need(2, 3);
            return QStringLiteral("substr(") + a.join(QStringLiteral(", ")) + QStringLiteral(")");
        }
        if (f == QLatin1String("LEFT")) {
            need(2, 2);
            return QStringLiteral("substr(%1, 1, %2)").arg(a[0], a[1]);
        }
        throw AccessSqlError(QStringLiteral("the function %1() is not supported").arg(name));
    }

    static QString quoteString(const QString& s) {
        QString q = s;
        q.replace(QLatin1Char('\''), QStringLiteral("''"));
        return QLatin1Char('\'') + q + QLatin1Char('\'');
    }

    static QString likePattern(const QString& p) {
        QString out;
        for (const QChar c : p) {
            if (c == QLatin1Char('*'))
                out += QLatin1Char('%');
            else if (c == QLatin1Char('?'))
                out += QLatin1Char('_');
            else if (c == QLatin1Char('#') || c == QLatin1Char('[') || c == QLatin1Char('%') ||
                     c == QLatin1Char('_'))
                throw AccessSqlError(
                    QStringLiteral("the Like pattern character '%1' is not supported").arg(c));
            else
                out += c;
        }
        return out;
    }

    const QList<Token>& m_t;
};

// Index of the first top-level token in [from, to) that is the word w.
int findTop(const QList<Token>& t, int from, int to, const char* w) {
    int depth = 0;
    for (int i = from; i < to; ++i) {
        if (t[i].isPunct("("))
            ++depth;
        else if (t[i].isPunct(")"))
            --depth;
        else if (depth == 0 && t[i].isWord(w) && !(i > 0 && t[i - 1].isPunct(".")))
            return i;
    }
    return -1;
}

Token makeToken(Kind kind, const char* text) {
    Token k;
    k.kind = kind;
    k.text = QLatin1String(text);
    return k;
}

// SQLite reads "A INNER JOIN (B INNER JOIN C ON x) ON y" as a join with a
// subquery, which hides the rows of B and C from updates. Joins that are all
// inner mean the same written flat: "A INNER JOIN B INNER JOIN C ON (x) AND (y)".
QList<Token> flattenInnerJoins(const QList<Token>& arm) {
    const int end = static_cast<int>(arm.size()) - 1; // End token
    const int fromKw = findTop(arm, 0, end, "FROM");
    if (fromKw < 0)
        return arm;
    int stop = end;
    for (const char* w : {"WHERE", "GROUP", "HAVING", "ORDER"}) {
        const int k = findTop(arm, fromKw + 1, end, w);
        if (k >= 0 && k < stop)
            stop = k;
    }
    bool nested = false;
    for (int i = fromKw + 1; i < stop; ++i) {
        const Token& k = arm[i];
        if (k.isWord("LEFT") || k.isWord("OUTER") || k.isWord("RIGHT") || k.isWord("SELECT") ||
            k.isWord("CROSS") || k.isWord("NATURAL"))
            return arm;
        nested = nested || k.isPunct("(");
    }
    if (!nested)
        return arm;
    auto isNameTok = [](const Token& k) {
        return k.kind == Kind::Name || (k.kind == Kind::Word && !isKeyword(k));
    };
    QList<QList<Token>> tables;
    QList<QList<Token>> conditions;
    int i = fromKw + 1;
    while (i < stop) {
        const Token& k = arm[i];
        if (k.isPunct("(") || k.isPunct(")") || k.isWord("INNER") || k.isWord("JOIN") ||
            k.isPunct(",")) {
            ++i;
            continue;
        }
        if (k.isWord("ON")) {
            QList<Token> condition;
            int depth = 0;
            ++i;
            while (i < stop) {
                const Token& c = arm[i];
                if (depth == 0 &&
                    (c.isWord("INNER") || c.isWord("JOIN") || c.isWord("ON") || c.isPunct(")")))
                    break;
                if (c.isPunct("("))
                    ++depth;
                else if (c.isPunct(")"))
                    --depth;
                condition.append(c);
                ++i;
            }
            if (condition.isEmpty())
                throw AccessSqlError(QStringLiteral("ON without a condition"));
            conditions.append(condition);
            continue;
        }
        if (!isNameTok(k))
            throw AccessSqlError(QStringLiteral("unexpected '%1' in FROM").arg(k.text));
        QList<Token> table{k};
        ++i;
        if (i < stop && arm[i].isWord("AS") && i + 1 < stop) {
            table << arm[i] << arm[i + 1];
            i += 2;
        } else if (i < stop && isNameTok(arm[i])) {
            table << arm[i];
            ++i;
        }
        tables.append(table);
    }
    QList<Token> out = arm.mid(0, fromKw + 1);
    for (int n = 0; n < tables.size(); ++n) {
        if (n > 0)
            out << makeToken(Kind::Word, "INNER") << makeToken(Kind::Word, "JOIN");
        out << tables[n];
    }
    for (int n = 0; n < conditions.size(); ++n) {
        out << makeToken(Kind::Word, n == 0 ? "ON" : "AND") << makeToken(Kind::Punct, "(")
            << conditions[n] << makeToken(Kind::Punct, ")");
    }
    out << arm.mid(stop);
    return out;
}

// A comparison shown as a value is -1 (true) or 0 (false) in Access but 1 or 0
// in SQLite: such select items are wrapped so that they give Access's values.
QList<Token> booleanItemsAsAccess(const QList<Token>& arm) {
    const int end = static_cast<int>(arm.size()) - 1;
    int fromKw = findTop(arm, 0, end, "FROM");
    if (fromKw < 0)
        fromKw = end;
    int start = 1;
    while (start < fromKw && (arm[start].isWord("DISTINCT") || arm[start].isWord("ALL")))
        ++start;
    QList<Token> out = arm.mid(0, start);
    auto isBooleanOp = [](const Token& k) {
        if (k.kind == Kind::Punct)
            return k.text == QLatin1String("=") || k.text == QLatin1String("<>") ||
                   k.text == QLatin1String("<") || k.text == QLatin1String(">") ||
                   k.text == QLatin1String("<=") || k.text == QLatin1String(">=") ||
                   k.text == QLatin1String("!=");
        for (const char* w : {"LIKE", "IS", "IN", "BETWEEN", "AND", "OR", "NOT", "EXISTS"}) {
            if (k.isWord(w))
                return true;
        }
        return false;
    };
    int itemStart = start;
    int depth = 0;
    for (int i = start; i <= fromKw; ++i) {
        const bool itemEnd = i == fromKw || (depth == 0 && arm[i].isPunct(","));
        if (i < fromKw && arm[i].isPunct("("))
            ++depth;
        else if (i < fromKw && arm[i].isPunct(")"))
            --depth;
        if (!itemEnd)
            continue;
        int exprEnd = i;
        if (exprEnd - 2 >= itemStart && arm[exprEnd - 2].isWord("AS"))
            exprEnd -= 2;
        // Look through brackets around the whole expression.
        int a = itemStart, b = exprEnd;
        while (b - a >= 2 && arm[a].isPunct("(") && arm[b - 1].isPunct(")")) {
            int d = 0, close = -1;
            for (int k = a; k < b; ++k) {
                if (arm[k].isPunct("("))
                    ++d;
                else if (arm[k].isPunct(")") && --d == 0) {
                    close = k;
                    break;
                }
            }
            if (close != b - 1)
                break;
            ++a;
            --b;
        }
        bool boolean = false;
        int d = 0;
        for (int k = a; k < b && !boolean; ++k) {
            if (arm[k].isPunct("("))
                ++d;
            else if (arm[k].isPunct(")"))
                --d;
            else if (d == 0 && isBooleanOp(arm[k]))
                boolean = true;
        }
        const QList<Token> expr = arm.mid(itemStart, exprEnd - itemStart);
        if (boolean) {
            out << makeToken(Kind::Word, "CASE") << makeToken(Kind::Word, "WHEN")
                << makeToken(Kind::Punct, "(") << expr << makeToken(Kind::Punct, ")")
                << makeToken(Kind::Word, "THEN") << makeToken(Kind::Number, "-1")
                << makeToken(Kind::Word, "WHEN") << makeToken(Kind::Word, "NOT")
                << makeToken(Kind::Punct, "(") << expr << makeToken(Kind::Punct, ")")
                << makeToken(Kind::Word, "THEN") << makeToken(Kind::Number, "0")
                << makeToken(Kind::Word, "END");
        } else {
            out << expr;
        }
        out << arm.mid(exprEnd, i - exprEnd); // AS alias
        if (i < fromKw)
            out << arm[i]; // the comma
        itemStart = i + 1;
    }
    out << arm.mid(fromKw);
    return out;
}

QString translateSelect(const QList<Token>& t, int from, int to) {
    // Split at UNION [ALL]. Access lists a union's rows arm by arm; SQLite's
    // UNION would sort them, so arms are chained with UNION ALL and duplicates
    // removed by an outer DISTINCT that keeps the first occurrence's place.
    QList<QPair<int, int>> arms;
    bool dedupe = false;
    int start = from;
    int depth = 0;
    for (int i = from; i < to; ++i) {
        if (t[i].isPunct("("))
            ++depth;
        else if (t[i].isPunct(")"))
            --depth;
        else if (depth == 0 && t[i].isWord("UNION")) {
            arms.append({start, i});
            if (t[i + 1].isWord("ALL")) {
                start = i + 2;
                ++i;
            } else {
                dedupe = true;
                start = i + 1;
            }
        }
    }
    arms.append({start, to});
    QStringList parts;
    for (const auto& arm : arms) {
        if (arm.first >= arm.second || !t[arm.first].isWord("SELECT"))
            throw AccessSqlError(QStringLiteral("each part of a Union must be a SELECT"));
        const QList<Token> flat = booleanItemsAsAccess(
            flattenInnerJoins(t.mid(arm.first, arm.second - arm.first) << t.last()));
        parts << Translator(flat).range(0, static_cast<int>(flat.size()) - 1);
    }
    if (parts.size() == 1)
        return parts.first();
    const QString chained = parts.join(QStringLiteral(" UNION ALL "));
    return dedupe ? QStringLiteral("SELECT DISTINCT * FROM (") + chained + QStringLiteral(")")
                  : chained;
}

// Reads "Table.Column" or "Column" at i; returns the column, sets table.
QString assignmentTarget(const QList<Token>& t, int from, int to, QString& table) {
    auto isNameTok = [](const Token& k) {
        return k.kind == Kind::Name || (k.kind == Kind::Word && !isKeyword(k));
    };
    if (to - from == 1 && isNameTok(t[from])) {
        table.clear();
        return t[from].text;
    }
    if (to - from == 3 && isNameTok(t[from]) && t[from + 1].isPunct(".") &&
        isNameTok(t[from + 2])) {
        table = t[from].text;
        return t[from + 2].text;
    }
    throw AccessSqlError(QStringLiteral("a SET target must be a field name"));
}

QString translateUpdate(const QList<Token>& t, int from, int to) {
    const int set = findTop(t, from + 1, to, "SET");
    if (set < 0)
        throw AccessSqlError(QStringLiteral("UPDATE without SET"));
    const int where = findTop(t, set + 1, to, "WHERE");
    const int setEnd = where < 0 ? to : where;
    Translator tr(t);

    // The tables of the UPDATE clause: one name, or a join.
    const bool single =
        set - (from + 1) == 1 && (t[from + 1].kind == Kind::Name || t[from + 1].kind == Kind::Word);
    QString target;
    QStringList assignments;
    for (const auto& a : tr.arguments(set + 1, setEnd)) {
        int eq = -1;
        for (int i = a.first; i < a.second; ++i) {
            if (t[i].isPunct("=")) {
                eq = i;
                break;
            }
        }
        if (eq < 0)
            throw AccessSqlError(QStringLiteral("a SET assignment needs '='"));
        QString table;
        const QString column = assignmentTarget(t, a.first, eq, table);
        if (single && table.isEmpty())
            table = t[from + 1].text;
        if (table.isEmpty())
            throw AccessSqlError(
                QStringLiteral("in an UPDATE with a join, name the table of every SET field"));
        if (target.isEmpty())
            target = table;
        else if (target.compare(table, Qt::CaseInsensitive) != 0)
            throw AccessSqlError(QStringLiteral("an UPDATE can change fields of one table only"));
        if (eq + 1 >= a.second)
            throw AccessSqlError(QStringLiteral("a SET assignment needs a value"));
        assignments << quoteIdentifier(column) + QStringLiteral(" = ") + tr.range(eq + 1, a.second);
    }
    if (single) {
        if (target.compare(t[from + 1].text, Qt::CaseInsensitive) != 0)
            throw AccessSqlError(QStringLiteral("SET names a table that is not updated"));
        QString sql = QStringLiteral("UPDATE ") + quoteIdentifier(target) +
                      QStringLiteral(" SET ") + assignments.join(QStringLiteral(", "));
        if (where >= 0)
            sql += QStringLiteral(" WHERE ") + tr.range(where + 1, to);
        return sql;
    }
    // A joined UPDATE changes the rows of the target table that the join finds.
    bool named = false;
    for (int i = from + 1; i < set; ++i)
        named = named || ((t[i].kind == Kind::Name || t[i].kind == Kind::Word) &&
                          t[i].text.compare(target, Qt::CaseInsensitive) == 0);
    if (!named)
        throw AccessSqlError(QStringLiteral("SET names a table that is not in the UPDATE"));
    QString sql = QStringLiteral("UPDATE ") + quoteIdentifier(target) + QStringLiteral(" SET ") +
                  assignments.join(QStringLiteral(", ")) +
                  QStringLiteral(" WHERE rowid IN (SELECT ") + quoteIdentifier(target) +
                  QStringLiteral(".rowid FROM ") + tr.range(from + 1, set);
    if (where >= 0)
        sql += QStringLiteral(" WHERE ") + tr.range(where + 1, to);
    return sql + QStringLiteral(")");
}

QString translateDelete(const QList<Token>& t, int from, int to) {
    const int fromKw = findTop(t, from + 1, to, "FROM");
    if (fromKw < 0)
        throw AccessSqlError(QStringLiteral("DELETE without FROM"));
    const int where = findTop(t, fromKw + 1, to, "WHERE");
    const int tablesEnd = where < 0 ? to : where;
    if (tablesEnd - fromKw != 2 ||
        !(t[fromKw + 1].kind == Kind::Name || t[fromKw + 1].kind == Kind::Word))
        throw AccessSqlError(QStringLiteral("DELETE works on one table only"));
    Translator tr(t);
    QString sql = QStringLiteral("DELETE FROM ") + quoteIdentifier(t[fromKw + 1].text);
    if (where >= 0)
        sql += QStringLiteral(" WHERE ") + tr.range(where + 1, to);
    return sql;
}

} // namespace

// Brackets, not double quotes: SQLite would take an unknown "name" for a
// string and answer instead of failing.
QString quoteIdentifier(const QString& name) {
    if (name.contains(QLatin1Char(']')))
        throw AccessSqlError(QStringLiteral("the name '%1' cannot be used").arg(name));
    return QLatin1Char('[') + name + QLatin1Char(']');
}

bool looksLikeStatement(const QString& text) {
    const QString first =
        text.trimmed().section(QRegularExpression(QStringLiteral("[\\s(]")), 0, 0);
    for (const char* k : {"SELECT", "UPDATE", "INSERT", "DELETE", "TRANSFORM", "PARAMETERS",
                          "CREATE", "DROP", "ALTER", "PRAGMA", "ATTACH", "WITH"}) {
        if (first.compare(QLatin1String(k), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

Translation translate(const QString& accessSql) {
    const QList<Token> t = tokenize(accessSql, true);
    int to = t.size() - 1; // the End token
    while (to > 0 && t[to - 1].isPunct(";"))
        --to;
    // "; Union" joins two SELECTs; any other ";" would start a second statement.
    QList<Token> tokens;
    for (int i = 0; i < to; ++i) {
        if (t[i].isPunct(";")) {
            if (t[i + 1].isWord("UNION"))
                continue;
            throw AccessSqlError(QStringLiteral("only one statement can be sent at once"));
        }
        tokens.append(t[i]);
    }
    tokens.append(t.last());
    const int end = tokens.size() - 1;
    if (end == 0)
        throw AccessSqlError(QStringLiteral("the statement is empty"));
    const Token& first = tokens.first();
    Translation out;
    if (first.isWord("SELECT")) {
        out.kind = StatementKind::Select;
        out.sql = translateSelect(tokens, 0, end);
    } else if (first.isWord("UPDATE")) {
        out.kind = StatementKind::Update;
        out.sql = translateUpdate(tokens, 0, end);
    } else if (first.isWord("DELETE")) {
        out.kind = StatementKind::Delete;
        out.sql = translateDelete(tokens, 0, end);
    } else if (first.isWord("INSERT")) {
        if (!tokens[1].isWord("INTO"))
            throw AccessSqlError(QStringLiteral("INSERT needs INTO"));
        if (!(tokens[2].kind == Kind::Name || tokens[2].kind == Kind::Word) || isKeyword(tokens[2]))
            throw AccessSqlError(QStringLiteral("INSERT INTO needs a table name"));
        out.kind = StatementKind::Insert;
        out.sql = QStringLiteral("INSERT INTO ") + quoteIdentifier(tokens[2].text) +
                  QLatin1Char(' ') + Translator(tokens).range(3, end);
    } else {
        throw AccessSqlError(
            QStringLiteral("statements beginning with '%1' are not supported").arg(first.text));
    }
    return out;
}

QList<SourceTable> updatableSources(const QString& sqliteSelect) {
    const QList<Token> t = tokenize(sqliteSelect, false);
    const int end = t.size() - 1;
    if (end == 0 || !t[0].isWord("SELECT") || t[1].isWord("DISTINCT"))
        return {};
    for (const char* w : {"UNION", "GROUP", "HAVING", "DISTINCT"}) {
        if (findTop(t, 0, end, w) >= 0)
            return {};
    }
    for (int i = 0; i < end; ++i) {
        if (t[i].kind == Kind::Word && t[i + 1].isPunct("(")) {
            const QString f = t[i].text.toLower();
            if (f == QLatin1String("count") || f == QLatin1String("sum") ||
                f == QLatin1String("avg") || f == QLatin1String("min") ||
                f == QLatin1String("max") || f == QLatin1String("total") ||
                f == QLatin1String("group_concat"))
                return {};
        }
    }
    const int fromKw = findTop(t, 0, end, "FROM");
    if (fromKw < 0)
        return {};
    int stop = end;
    for (const char* w : {"WHERE", "ORDER", "LIMIT"}) {
        const int k = findTop(t, fromKw + 1, end, w);
        if (k >= 0 && k < stop)
            stop = k;
    }
    QList<SourceTable> tables;
    auto isNameTok = [](const Token& k) {
        return k.kind == Kind::Name || (k.kind == Kind::Word && !isKeyword(k));
    };
    for (int i = fromKw + 1; i < stop; ++i) {
        const Token& prev = t[i - 1];
        const bool tablePlace =
            i == fromKw + 1 || prev.isWord("JOIN") || prev.isPunct(",") || prev.isPunct("(");
        if (!tablePlace)
            continue;
        if (t[i].isWord("SELECT"))
            return {};
        if (!isNameTok(t[i]) || t[i + 1].isPunct(".") || t[i + 1].isPunct("("))
            continue;
        SourceTable s{t[i].text, t[i].text};
        if (t[i + 1].isWord("AS") && isNameTok(t[i + 2]))
            s.alias = t[i + 2].text;
        else if (i + 1 < stop && isNameTok(t[i + 1]))
            s.alias = t[i + 1].text;
        tables.append(s);
    }
    return tables;
}

QString prependColumns(const QString& sqliteSelect, const QStringList& columns) {
    const QList<Token> t = tokenize(sqliteSelect, false);
    if (columns.isEmpty() || !t[0].isWord("SELECT"))
        return sqliteSelect;
    const int at = t[1].pos;
    return sqliteSelect.left(at) + columns.join(QStringLiteral(", ")) + QStringLiteral(", ") +
           sqliteSelect.mid(at);
}

QString viewSelect(const QString& createViewSql) {
    const QList<Token> t = tokenize(createViewSql, false);
    const int as = findTop(t, 0, t.size() - 1, "AS");
    if (as < 0)
        return QString();
    return createViewSql.mid(t[as + 1].pos);
}

} // namespace AccessSql
