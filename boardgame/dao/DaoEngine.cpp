#include "boardgame/dao/DaoEngine.h"

#include "boardgame/dao/AccessSql.h"
#include "boardgame/dao/SqliteLibrary.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <limits>

namespace dao {

namespace {

// The library's calls; a missing library ends the opening of a file.
const SqliteCalls& Sql() {
    if (const SqliteCalls* calls = SqliteLibrary::Calls())
        return *calls;
    throw DaoError(ErrEngine, QStringLiteral("The database library (SQLCipher) cannot be opened."));
}

} // namespace

class Connection {
public:
    sqlite3* db = nullptr;
    // The running operation's budget (see budgeted() below).
    StatementBudget budget;
    QElapsedTimer clock;
    sqlite3_int64 memoryBase = 0;
    bool armed = false; // only budgeted operations are stopped
    enum class Stop { None, Time, Memory } stop = Stop::None;
    QString damage; // sticky: set by the first operation stopped
    ~Connection() { close(); }
    void close() {
        if (db) {
            Sql().sqlite3_close(db);
            db = nullptr;
        }
    }
    sqlite3* require() const {
        if (!db)
            throw DaoError(ErrDatabaseClosed, QStringLiteral("The database has been closed."));
        return db;
    }
};

namespace {

class Statement {
public:
    Statement(sqlite3* db, const QString& sql) {
        const QByteArray text = sql.toUtf8();
        if (Sql().sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &m_stmt,
                                     nullptr) != SQLITE_OK) {
            const QString message = QString::fromUtf8(Sql().sqlite3_errmsg(db));
            Sql().sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            throw DaoError(ErrEngine, message);
        }
        m_db = db;
    }
    ~Statement() { Sql().sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return m_stmt; }
    bool step() {
        const int rc = Sql().sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw DaoError(ErrEngine, QString::fromUtf8(Sql().sqlite3_errmsg(m_db)));
    }
    void bind(int index, const QVariant& value) {
        int rc = SQLITE_OK;
        if (value.isNull() || !value.isValid()) {
            rc = Sql().sqlite3_bind_null(m_stmt, index);
        } else {
            switch (value.typeId()) {
            case QMetaType::Bool:
                rc = Sql().sqlite3_bind_int64(m_stmt, index, value.toBool() ? -1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::Long:
            case QMetaType::ULong:
                rc = Sql().sqlite3_bind_int64(m_stmt, index, value.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = Sql().sqlite3_bind_double(m_stmt, index, value.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = value.toByteArray();
                rc = Sql().sqlite3_bind_blob64(m_stmt, index, bytes.constData(),
                                               static_cast<sqlite3_uint64>(bytes.size()),
                                               SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QByteArray text = value.toString().toUtf8();
                rc = Sql().sqlite3_bind_text64(m_stmt, index, text.constData(),
                                               static_cast<sqlite3_uint64>(text.size()),
                                               SQLITE_TRANSIENT, SQLITE_UTF8);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            throw DaoError(ErrEngine, QString::fromUtf8(Sql().sqlite3_errmsg(m_db)));
    }
    QVariant column(int i) const {
        switch (Sql().sqlite3_column_type(m_stmt, i)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qlonglong>(Sql().sqlite3_column_int64(m_stmt, i)));
        case SQLITE_FLOAT:
            return QVariant(Sql().sqlite3_column_double(m_stmt, i));
        case SQLITE_TEXT:
            return QVariant(QString::fromUtf8(
                reinterpret_cast<const char*>(Sql().sqlite3_column_text(m_stmt, i)),
                Sql().sqlite3_column_bytes(m_stmt, i)));
        case SQLITE_BLOB: {
            const void* data = Sql().sqlite3_column_blob(m_stmt, i);
            const int size = Sql().sqlite3_column_bytes(m_stmt, i);
            return QVariant(QByteArray(static_cast<const char*>(data), size));
        }
        default:
            return QVariant();
        }
    }

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

QVariant normalized(const QVariant& value) {
    if (value.isValid() && !value.isNull() && value.typeId() == QMetaType::Bool)
        return QVariant(static_cast<qlonglong>(value.toBool() ? -1 : 0));
    return value;
}

QString ident(const QString& name) {
    try {
        return AccessSql::quoteIdentifier(name);
    } catch (const AccessSqlError& e) {
        throw DaoError(ErrUnsupportedSql, e.message());
    }
}

AccessSql::Translation translated(const QString& sql) {
    try {
        return AccessSql::translate(sql);
    } catch (const AccessSqlError& e) {
        throw DaoError(ErrUnsupportedSql,
                       QStringLiteral("Statement not supported: %1.").arg(e.message()));
    }
}

// The object of sqlite_master with that name (letter case ignored).
bool findObject(sqlite3* db, const QString& name, QString* type, QString* realName, QString* sql) {
    Statement s(db, QStringLiteral("SELECT type, name, sql FROM sqlite_master WHERE type IN "
                                   "('table','view') AND name = ? COLLATE NOCASE"));
    s.bind(1, name);
    if (!s.step())
        return false;
    if (type)
        *type = s.column(0).toString();
    if (realName)
        *realName = s.column(1).toString();
    if (sql)
        *sql = s.column(2).toString();
    return true;
}

void run(sqlite3* db, const QString& sql) {
    Statement s(db, sql);
    while (s.step()) {
    }
}

const QString kActionTable = QStringLiteral("StoredActionQueries");

// Row identity of a record-set row that has no row in a source table.
constexpr qint64 kNoRow = std::numeric_limits<qint64>::min();

// Virtual-machine steps between two looks at the budget: often enough to stop
// within milliseconds, rarely enough to cost nothing measurable.
constexpr int kProgressSteps = 64;

// The engine calls this while a statement runs; a non-zero answer interrupts
// it. The memory looked at is the engine's whole heap, which is process-wide:
// SQLite 3.15 as Debian's SQLCipher ships it has no per-connection heap limit
// (sqlite3_hard_heap_limit64 came later, and it too is process-wide). What one
// connection can hold is bounded per connection instead (openWith: the page
// cache, temporary tables spilled to files, the longest value); this growth
// since the operation began is the backstop for the rest, and it belongs to
// this operation because board files are read one statement at a time.
int onProgress(void* context) {
    auto* c = static_cast<Connection*>(context);
    if (!c->armed)
        return 0;
    if (c->clock.hasExpired(c->budget.milliseconds)) {
        c->stop = Connection::Stop::Time;
        return 1;
    }
    if (Sql().sqlite3_memory_used() - c->memoryBase > c->budget.bytes) {
        c->stop = Connection::Stop::Memory;
        return 1;
    }
    return 0;
}

// Runs one operation (what: the query or statement, for the message) under
// the connection's budget. A stop marks the file damaged and fails this and
// every later operation with ErrBudget.
template <typename Operation>
auto budgeted(Connection& c, const QString& what, Operation&& operation) -> decltype(operation()) {
    if (!c.damage.isEmpty())
        throw DaoError(ErrBudget, c.damage);
    c.stop = Connection::Stop::None;
    c.memoryBase = Sql().sqlite3_memory_used();
    c.clock.start();
    struct Arm {
        Connection& c;
        explicit Arm(Connection& connection) : c(connection) { c.armed = true; }
        ~Arm() { c.armed = false; }
    };
    try {
        Arm arm(c);
        return operation();
    } catch (const DaoError&) {
        if (c.stop == Connection::Stop::None)
            throw;
        QString name = what.simplified();
        if (name.size() > 60)
            name = name.left(57) + QStringLiteral("...");
        c.damage = c.stop == Connection::Stop::Time
                       ? QStringLiteral("'%1' ran for more than %2 seconds and was stopped.")
                             .arg(name)
                             .arg(c.budget.milliseconds / 1000.0)
                       : QStringLiteral("'%1' took more than %2 MB of memory and was stopped.")
                             .arg(name)
                             .arg(c.budget.bytes / (1024 * 1024));
        throw DaoError(ErrBudget, c.damage);
    }
}

// What a value read into a record set costs in memory, roughly.
qint64 valueBytes(const QVariant& value) {
    qint64 bytes = sizeof(QVariant);
    if (value.typeId() == QMetaType::QByteArray)
        bytes += value.toByteArray().size();
    else if (value.typeId() == QMetaType::QString)
        bytes += value.toString().size() * qint64(sizeof(QChar));
    return bytes;
}

} // namespace

StatementBudget StatementBudget::Current() {
    StatementBudget budget;
    budget.milliseconds = kStatementMilliseconds;
    budget.bytes = kStatementBytes;
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("MORDAVENTA_STATEMENT_MS", &ok);
    if (ok && ms > 0)
        budget.milliseconds = ms;
    return budget;
}

// ---------------------------------------------------------------- Field

QString Field::Name() const {
    return m_owner->m_columns.at(m_column).name;
}

QVariant Field::Value() const {
    m_owner->requireCurrent();
    if (m_owner->m_editing && m_owner->m_dirty.at(m_column))
        return m_owner->m_buffer.at(m_column);
    return m_owner->cell(m_column);
}

void Field::setValue(const QVariant& value) {
    if (!m_owner->m_editing)
        throw DaoError(ErrUpdateWithoutEdit, QStringLiteral("Update or CancelUpdate without "
                                                            "AddNew or Edit."));
    const auto& column = m_owner->m_columns.at(m_column);
    if (column.table.isEmpty() || column.origin.isEmpty())
        throw DaoError(ErrCannotUpdate,
                       QStringLiteral("Field '%1' cannot be updated.").arg(column.name));
    m_owner->m_buffer[m_column] = normalized(value);
    m_owner->m_dirty[m_column] = true;
}

qint64 Field::FieldSize() const {
    const QVariant v = Value();
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::QByteArray)
        return v.toByteArray().size();
    return v.toString().toUtf8().size();
}

QByteArray Field::GetChunk(qint64 offset, qint64 bytes) const {
    const QVariant v = Value();
    if (v.isNull() || offset < 0 || bytes <= 0)
        return QByteArray();
    const QByteArray all =
        v.typeId() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
    return all.mid(offset, bytes);
}

// ------------------------------------------------------------- Recordset

Recordset::~Recordset() = default;

bool Recordset::Eof() const {
    return m_rows.isEmpty() || m_position >= m_rows.size();
}
bool Recordset::Bof() const {
    return m_rows.isEmpty() || m_position < 0;
}

void Recordset::MoveFirst() {
    if (m_rows.isEmpty())
        throw DaoError(ErrNoCurrentRecord, QStringLiteral("No current record."));
    m_editing = false;
    m_position = 0;
}

void Recordset::MoveLast() {
    if (m_rows.isEmpty())
        throw DaoError(ErrNoCurrentRecord, QStringLiteral("No current record."));
    m_editing = false;
    m_position = static_cast<int>(m_rows.size()) - 1;
}

void Recordset::MoveNext() {
    if (Eof())
        throw DaoError(ErrNoCurrentRecord, QStringLiteral("No current record."));
    m_editing = false;
    ++m_position;
}

void Recordset::MovePrevious() {
    if (Bof())
        throw DaoError(ErrNoCurrentRecord, QStringLiteral("No current record."));
    m_editing = false;
    --m_position;
}

int Recordset::RecordCount() const {
    return static_cast<int>(m_rows.size());
}

int Recordset::AbsolutePosition() const {
    return (m_position >= 0 && m_position < m_rows.size()) ? m_position : -1;
}

void Recordset::setAbsolutePosition(int position) {
    if (position < 0 || position >= m_rows.size())
        throw DaoError(ErrNoCurrentRecord, QStringLiteral("No current record."));
    m_editing = false;
    m_position = position;
}

int Recordset::FieldCount() const {
    return static_cast<int>(m_columns.size());
}

int Recordset::columnIndex(const QString& name) const {
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0) {
        const QString table = name.left(dot);
        const QString column = name.mid(dot + 1);
        for (int i = 0; i < m_columns.size(); ++i) {
            const Column& c = m_columns[i];
            if (c.table.compare(table, Qt::CaseInsensitive) == 0 &&
                (c.origin.compare(column, Qt::CaseInsensitive) == 0 ||
                 c.name.compare(column, Qt::CaseInsensitive) == 0))
                return i;
        }
    }
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Field Recordset::Fields(const QString& name) {
    const int i = columnIndex(name);
    if (i < 0)
        throw DaoError(ErrItemNotFound,
                       QStringLiteral("Item not found in this collection: '%1'.").arg(name));
    return Field(this, i);
}

Field Recordset::Fields(int index) {
    if (index < 0 || index >= m_columns.size())
        throw DaoError(ErrItemNotFound, QStringLiteral("Item not found in this collection."));
    return Field(this, index);
}

void Recordset::requireCurrent() const {
    if (m_closed)
        throw DaoError(ErrDatabaseClosed, QStringLiteral("The record set has been closed."));
    if (AbsolutePosition() < 0)
        throw DaoError(ErrNoCurrentRecord, QStringLiteral("No current record."));
}

const QVariant& Recordset::cell(int column) const {
    return m_rows.at(m_position).at(column);
}

bool Recordset::Updatable() const {
    return !m_sourceTables.isEmpty();
}

void Recordset::Edit() {
    requireCurrent();
    if (!Updatable())
        throw DaoError(ErrCannotUpdate, QStringLiteral("The record set cannot be updated."));
    m_editing = true;
    m_buffer = m_rows.at(m_position);
    m_dirty = QList<bool>(m_columns.size(), false);
}

void Recordset::CancelUpdate() {
    m_editing = false;
}

void Recordset::Update() {
    if (!m_editing)
        throw DaoError(ErrUpdateWithoutEdit,
                       QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    requireCurrent();
    // A file's own triggers run with the update, so it has a budget too.
    budgeted(*m_connection, QStringLiteral("Update"), [this] { update(); });
}

void Recordset::update() {
    if (!m_editing)
        throw DaoError(ErrUpdateWithoutEdit,
                       QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    requireCurrent();
    sqlite3* db = m_connection->require();
    // One UPDATE per source table that has changed fields.
    QList<QPair<int, QList<int>>> perSource;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (!m_dirty.at(c))
            continue;
        int source = -1;
        for (int s = 0; s < m_sourceTables.size(); ++s) {
            if (m_sourceTables[s].compare(m_columns[c].table, Qt::CaseInsensitive) == 0) {
                if (source >= 0)
                    throw DaoError(ErrCannotUpdate,
                                   QStringLiteral("Field '%1' belongs to a table that appears "
                                                  "twice in the record set.")
                                       .arg(m_columns[c].name));
                source = s;
            }
        }
        if (source < 0)
            throw DaoError(ErrCannotUpdate,
                           QStringLiteral("Field '%1' cannot be updated.").arg(m_columns[c].name));
        bool added = false;
        for (auto& entry : perSource) {
            if (entry.first == source) {
                entry.second.append(c);
                added = true;
            }
        }
        if (!added)
            perSource.append({source, {c}});
    }
    run(db, QStringLiteral("SAVEPOINT dao_update"));
    try {
        for (const auto& entry : perSource) {
            QStringList sets;
            for (int c : entry.second)
                sets << ident(m_columns[c].origin) + QStringLiteral(" = ?");
            Statement s(db, QStringLiteral("UPDATE ") + ident(m_sourceTables[entry.first]) +
                                QStringLiteral(" SET ") + sets.join(QStringLiteral(", ")) +
                                QStringLiteral(" WHERE rowid = ?"));
            int index = 1;
            for (int c : entry.second)
                s.bind(index++, m_buffer.at(c));
            const qint64 rowId = m_rowIds.at(m_position).at(entry.first);
            // The missing side of a LEFT JOIN has no row to change; a row
            // deleted meanwhile neither. Neither may pass as a success.
            if (rowId == kNoRow)
                throw DaoError(ErrCannotUpdate,
                               QStringLiteral("The record has no row in '%1' to change.")
                                   .arg(m_sourceTables[entry.first]));
            s.bind(index, rowId);
            s.step();
            if (Sql().sqlite3_changes(db) != 1)
                throw DaoError(ErrCannotUpdate,
                               QStringLiteral("The record was deleted by another user."));
        }
        run(db, QStringLiteral("RELEASE dao_update"));
    } catch (...) {
        run(db, QStringLiteral("ROLLBACK TO dao_update"));
        run(db, QStringLiteral("RELEASE dao_update"));
        throw;
    }
    // Every column showing a changed table cell now shows the new value.
    for (const auto& entry : perSource) {
        for (int c : entry.second) {
            for (int k = 0; k < m_columns.size(); ++k) {
                if (m_columns[k].table.compare(m_columns[c].table, Qt::CaseInsensitive) == 0 &&
                    m_columns[k].origin.compare(m_columns[c].origin, Qt::CaseInsensitive) == 0)
                    m_rows[m_position][k] = m_buffer.at(c);
            }
        }
    }
    m_editing = false;
}

void Recordset::Close() {
    m_closed = true;
    m_editing = false;
    m_rows.clear();
    m_rowIds.clear();
    m_connection.reset();
}

// -------------------------------------------------------------- Database

Database::~Database() {
    Close();
}

bool Database::IsOpen() const {
    return m_connection && m_connection->db;
}

void Database::Close() {
    if (m_connection)
        m_connection->close();
}

std::unique_ptr<Recordset> Database::OpenRecordset(const QString& source) {
    if (!m_connection)
        throw DaoError(ErrDatabaseClosed, QStringLiteral("The database has been closed."));
    return budgeted(*m_connection, source, [&] { return openRecordset(source); });
}

std::unique_ptr<Recordset> Database::openRecordset(const QString& source) {
    sqlite3* db = m_connection->require();
    QString select;
    if (AccessSql::looksLikeStatement(source)) {
        const AccessSql::Translation t = translated(source);
        if (t.kind != AccessSql::StatementKind::Select)
            throw DaoError(
                ErrUnsupportedSql,
                QStringLiteral("Only a SELECT statement can be opened as a record set."));
        select = t.sql;
    } else {
        QString type, realName, sql;
        if (!findObject(db, source.trimmed(), &type, &realName, &sql)) {
            throw DaoError(
                ErrQueryNotFound,
                QStringLiteral("Cannot find the input table or query '%1'.").arg(source.trimmed()));
        }
        select = type == QLatin1String("view") ? AccessSql::viewSelect(sql)
                                               : QStringLiteral("SELECT * FROM ") + ident(realName);
    }

    std::unique_ptr<Recordset> rs(new Recordset);
    rs->m_connection = m_connection;
    // Trace rows back to the rows of real tables so that Edit/Update can
    // write them.
    QStringList idColumns;
    for (const auto& s : AccessSql::updatableSources(select)) {
        QString type, realName;
        if (!findObject(db, s.table, &type, &realName, nullptr) || type != QLatin1String("table"))
            continue;
        idColumns << ident(s.alias) + QStringLiteral(".rowid AS ") +
                         ident(QStringLiteral("__rowid%1").arg(idColumns.size()));
        rs->m_sourceTables << realName;
    }
    const int hidden = static_cast<int>(idColumns.size());
    Statement s(db, AccessSql::prependColumns(select, idColumns));
    const int columns = Sql().sqlite3_column_count(s.get());
    for (int c = hidden; c < columns; ++c) {
        Recordset::Column col;
        col.name = QString::fromUtf8(Sql().sqlite3_column_name(s.get(), c));
        if (const char* t = Sql().sqlite3_column_table_name(s.get(), c))
            col.table = QString::fromUtf8(t);
        if (const char* o = Sql().sqlite3_column_origin_name(s.get(), c))
            col.origin = QString::fromUtf8(o);
        rs->m_columns.append(col);
    }
    qint64 bytes = 0; // the rows are the memory an endless view would eat
    while (s.step()) {
        QList<qint64> ids;
        for (int c = 0; c < hidden; ++c)
            ids.append(Sql().sqlite3_column_type(s.get(), c) == SQLITE_NULL
                           ? kNoRow
                           : Sql().sqlite3_column_int64(s.get(), c));
        QList<QVariant> row;
        row.reserve(columns - hidden);
        for (int c = hidden; c < columns; ++c) {
            row.append(s.column(c));
            bytes += valueBytes(row.last());
        }
        bytes += qint64(sizeof(row)) + qint64(sizeof(ids)) + hidden * qint64(sizeof(qint64));
        if (bytes > m_connection->budget.bytes) {
            m_connection->stop = Connection::Stop::Memory;
            throw DaoError(ErrBudget, QString());
        }
        rs->m_rowIds.append(ids);
        rs->m_rows.append(row);
    }
    rs->m_position = 0;
    return rs;
}

void Database::Execute(const QString& source) {
    if (!m_connection)
        throw DaoError(ErrDatabaseClosed, QStringLiteral("The database has been closed."));
    budgeted(*m_connection, source, [&] { execute(source); });
}

QString Database::Damage() const {
    return m_connection ? m_connection->damage : QString();
}

void Database::execute(const QString& source) {
    sqlite3* db = m_connection->require();
    QString access = source;
    if (!AccessSql::looksLikeStatement(source)) {
        QString type;
        bool found = false;
        if (findObject(db, kActionTable, &type, nullptr, nullptr)) {
            Statement q(db, QStringLiteral("SELECT SQL FROM ") + kActionTable +
                                QStringLiteral(" WHERE Name = ? COLLATE NOCASE"));
            q.bind(1, source.trimmed());
            if (q.step()) {
                access = q.column(0).toString();
                found = true;
            }
        }
        if (!found) {
            if (findObject(db, source.trimmed(), &type, nullptr, nullptr) &&
                type == QLatin1String("view"))
                throw DaoError(ErrSelectExecuted, QStringLiteral("Cannot execute a select query."));
            throw DaoError(
                ErrQueryNotFound,
                QStringLiteral("Cannot find the stored action query '%1'.").arg(source.trimmed()));
        }
    }
    const AccessSql::Translation t = translated(access);
    if (t.kind == AccessSql::StatementKind::Select)
        throw DaoError(ErrSelectExecuted, QStringLiteral("Cannot execute a select query."));
    run(db, t.sql);
    m_recordsAffected = Sql().sqlite3_changes(db);
}

void Database::ExecuteNative(const QString& sqliteSql) {
    if (!m_connection)
        throw DaoError(ErrDatabaseClosed, QStringLiteral("The database has been closed."));
    sqlite3* db = m_connection->require();
    char* error = nullptr;
    if (Sql().sqlite3_exec(db, sqliteSql.toUtf8().constData(), nullptr, nullptr, &error) !=
        SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "unknown error");
        Sql().sqlite3_free(error);
        throw DaoError(ErrEngine, message);
    }
}

void Database::CreateSelectQuery(const QString& name, const QString& accessSql) {
    const AccessSql::Translation t = translated(accessSql);
    if (t.kind != AccessSql::StatementKind::Select)
        throw DaoError(ErrUnsupportedSql, QStringLiteral("Query '%1' is not a SELECT.").arg(name));
    ExecuteNative(QStringLiteral("CREATE VIEW ") + ident(name) + QStringLiteral(" AS ") + t.sql);
    // A view is checked only when used: use it once now.
    Statement check(m_connection->require(), QStringLiteral("SELECT * FROM ") + ident(name));
}

void Database::CreateActionQuery(const QString& name, const QString& accessSql) {
    const AccessSql::Translation t = translated(accessSql);
    if (t.kind == AccessSql::StatementKind::Select)
        throw DaoError(ErrUnsupportedSql,
                       QStringLiteral("Query '%1' is not an action query.").arg(name));
    Statement check(m_connection->require(), t.sql);
    ExecuteNative(QStringLiteral("CREATE TABLE IF NOT EXISTS ") + kActionTable +
                  QStringLiteral(" (Name TEXT PRIMARY KEY COLLATE NOCASE, SQL TEXT NOT NULL)"));
    InsertRow(kActionTable, {QStringLiteral("Name"), QStringLiteral("SQL")}, {name, accessSql});
}

void Database::InsertRow(const QString& table, const QStringList& columns,
                         const QList<QVariant>& values) {
    sqlite3* db = m_connection ? m_connection->require() : nullptr;
    if (!db)
        throw DaoError(ErrDatabaseClosed, QStringLiteral("The database has been closed."));
    QStringList quoted, marks;
    for (const QString& c : columns) {
        quoted << ident(c);
        marks << QStringLiteral("?");
    }
    Statement s(db, QStringLiteral("INSERT INTO ") + ident(table) + QStringLiteral(" (") +
                        quoted.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                        marks.join(QStringLiteral(", ")) + QStringLiteral(")"));
    for (int i = 0; i < values.size(); ++i)
        s.bind(i + 1, normalized(values[i]));
    s.step();
}

bool Database::HasTable(const QString& name) const {
    if (!IsOpen())
        return false;
    QString type;
    return findObject(m_connection->db, name, &type, nullptr, nullptr) &&
           type == QLatin1String("table");
}

// -------------------------------------------------------------- DBEngine

QString DBEngine::PasswordOf(const QString& connect) {
    for (const QString& part : connect.split(QLatin1Char(';'))) {
        const int eq = part.indexOf(QLatin1Char('='));
        if (eq > 0 &&
            part.left(eq).trimmed().compare(QLatin1String("pwd"), Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1);
    }
    return QString();
}

std::unique_ptr<Database> DBEngine::openWith(const QString& path, int flags,
                                             const QString& connect) {
    auto connection = std::make_shared<Connection>();
    if (Sql().sqlite3_open_v2(QFileInfo(path).absoluteFilePath().toUtf8().constData(),
                              &connection->db, flags, nullptr) != SQLITE_OK) {
        const QString message = connection->db
                                    ? QString::fromUtf8(Sql().sqlite3_errmsg(connection->db))
                                    : QStringLiteral("out of memory");
        throw DaoError(ErrEngine, QStringLiteral("Cannot open '%1': %2").arg(path, message));
    }
    Sql().sqlite3_busy_timeout(connection->db, 2000);
    // Bounds on what one connection can hold, whatever its queries do.
    Sql().sqlite3_limit(connection->db, SQLITE_LIMIT_LENGTH, kLongestValue);
    Sql().sqlite3_limit(connection->db, SQLITE_LIMIT_COLUMN, 64);
    connection->budget = StatementBudget::Current();
    Sql().sqlite3_progress_handler(connection->db, kProgressSteps, &onProgress, connection.get());
    const QString password = DBEngine::PasswordOf(connect);
    try {
        if (!password.isEmpty()) {
            QString quoted = password;
            quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
            run(connection->db, QStringLiteral("PRAGMA key = '") + quoted + QStringLiteral("'"));
        }
        run(connection->db, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        // Sorting, DISTINCT and recursive queries keep their work in
        // temporary tables: on disk past a small page cache, not in memory.
        run(connection->db, QStringLiteral("PRAGMA temp_store = FILE"));
        run(connection->db, QStringLiteral("PRAGMA cache_size = -2048"));
    } catch (const DaoError&) {
        throw DaoError(ErrNotADatabase,
                       QStringLiteral("'%1' is not a board-game file, or the password is wrong.")
                           .arg(QFileInfo(path).fileName()));
    }
    std::unique_ptr<Database> db(new Database);
    db->m_connection = connection;
    db->m_name = QFileInfo(path).absoluteFilePath();
    return db;
}

std::unique_ptr<Database> DBEngine::OpenDatabase(const QString& path, bool /*options*/,
                                                 bool readOnly, const QString& connect) {
    if (!QFileInfo(path).isFile())
        throw DaoError(ErrFileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    // A file the account may not read is not one with a wrong password.
    if (QFile probe(path); !probe.open(QIODevice::ReadOnly))
        throw DaoError(ErrUnreadable,
                       QStringLiteral("'%1' cannot be read: %2").arg(path, probe.errorString()));
    return openWith(path, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, connect);
}

std::unique_ptr<Database> DBEngine::CreateDatabase(const QString& path, const QString& connect) {
    if (QFileInfo::exists(path))
        throw DaoError(ErrEngine, QStringLiteral("The file '%1' already exists.").arg(path));
    return openWith(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, connect);
}

} // namespace dao
