#pragma once
// Translation of the Access (Jet) dialect that board-game files and the game
// send into the SQLite dialect that SQLCipher runs. Only a documented subset is
// accepted (see docs/board-authoring.md); anything else is refused with an
// AccessSqlError instead of being passed on with a different meaning.
#include <QList>
#include <QString>

#include <stdexcept>

class AccessSqlError : public std::runtime_error {
public:
    explicit AccessSqlError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

namespace AccessSql {

enum class StatementKind { Select, Update, Insert, Delete };

struct Translation {
    StatementKind kind = StatementKind::Select;
    QString sql; // SQLite text
};

// Translates one Access statement (a trailing ";" and "; Union" are accepted).
// Throws AccessSqlError for anything outside the supported subset.
Translation translate(const QString& accessSql);

// True when the text starts with a statement keyword (as opposed to being the
// name of a stored query or table).
bool looksLikeStatement(const QString& text);

// Quotes a name as an SQLite identifier (throws for a name holding ']').
QString quoteIdentifier(const QString& name);

// For an SQLite SELECT written by translate(): the tables named at the top
// level of its FROM clause, as (table, alias used in the statement). Empty when
// the rows of the statement cannot be traced back to table rows (grouping,
// DISTINCT, UNION, aggregates, subqueries in FROM).
struct SourceTable {
    QString table;
    QString alias;
};
QList<SourceTable> updatableSources(const QString& sqliteSelect);

// Puts extra result columns at the front of an SQLite SELECT's column list.
QString prependColumns(const QString& sqliteSelect, const QStringList& columns);

// The SELECT of an SQLite "CREATE VIEW name AS SELECT ..." text.
QString viewSelect(const QString& createViewSql);

} // namespace AccessSql
