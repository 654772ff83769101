#pragma once
// Data access objects for board-game files: DBEngine, Database, Recordset and
// Field over an SQLCipher file keyed by the connect string's "pwd=".
//
// - Stored select queries are views of the file; stored action queries are
//   rows of the table StoredActionQueries (Name, SQL) holding Access text.
// - Statements are Access text; they are translated inside (AccessSql.h).
// - Every failure throws DaoError (message and a DAO-style error number);
//   nothing is half-done silently.
// - A record set reads all its rows when it opens: RecordCount is always the
//   full count, AbsolutePosition is 0-based, and Edit/Update write the changed
//   fields of the current row straight to the file.
// - Yes/no fields hold -1 (true) and 0 (false); a bool written to a field is
//   stored that way.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <stdexcept>

namespace dao {

class DaoError : public std::runtime_error {
public:
    DaoError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description) {}
    int Number() const { return m_number; }
    QString Description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// DAO error numbers used.
enum ErrorNumber {
    ErrFileNotFound = 3024,    // could not find file
    ErrNotADatabase = 3343,    // not a database, or wrong password
    ErrNoCurrentRecord = 3021, // no current record
    ErrUpdateWithoutEdit = 3020,
    ErrItemNotFound = 3265,   // field name not in the record set
    ErrQueryNotFound = 3078,  // no table or stored query of that name
    ErrCannotUpdate = 3027,   // record set or field cannot be updated
    ErrSelectExecuted = 3065, // Execute given a select query
    ErrUnsupportedSql = 3129, // statement outside the supported subset
    ErrDatabaseClosed = 3420, // object invalid or no longer set
    ErrEngine = 3000,         // any other engine failure
    ErrBudget = 3234,         // a statement ran past its time or memory budget
    ErrUnreadable = 3051,     // the file exists but cannot be read
};

// What one operation on a board-game file may take. The files travel between
// people and carry their own stored queries, which the program runs; one that
// never ends or allocates without end must not hang the game. Honest boards
// need milliseconds and a few megabytes, far below this.
struct StatementBudget {
    int milliseconds = 0; // wall time of one operation, rows read included
    qint64 bytes = 0;     // memory the engine and the rows read may grow by
    // The budget every connection is opened with: the values below, the time
    // overridden by the environment variable MORDAVENTA_STATEMENT_MS (tests
    // make it small).
    static StatementBudget Current();
};
inline constexpr int kStatementMilliseconds = 4000;
inline constexpr qint64 kStatementBytes = 64 * 1024 * 1024;
// The longest text or binary value the engine handles: twice the largest
// picture or sound a board may hold. A longer one fails its statement.
inline constexpr int kLongestValue = 16 * 1024 * 1024;

class Connection; // shared by a Database and its record sets
class Recordset;

// One field of a record set's current row (a light handle).
class Field {
public:
    Field(Recordset* owner, int column) : m_owner(owner), m_column(column) {}
    QString Name() const;
    // The value of the current row; an invalid (null) QVariant for NULL.
    QVariant Value() const;
    bool IsNull() const { return Value().isNull(); }
    // Sets the value in the edit buffer (needs Recordset::Edit first).
    void setValue(const QVariant& value);
    Field& operator=(const QVariant& value) {
        setValue(value);
        return *this;
    }
    // Size in bytes of a long binary (or text) value; 0 for NULL.
    qint64 FieldSize() const;
    // bytes bytes from offset of a long binary value (fewer at its end).
    QByteArray GetChunk(qint64 offset, qint64 bytes) const;

private:
    Recordset* m_owner;
    int m_column;
};

class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    bool Eof() const; // DAO's EOF (the name is a macro of the C library)
    bool Bof() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    int RecordCount() const;
    // 0-based position of the current row; -1 when there is none.
    int AbsolutePosition() const;
    void setAbsolutePosition(int position);

    int FieldCount() const;
    Field Fields(const QString& name);
    Field Fields(int index);

    bool Updatable() const;
    void Edit();
    void Update();
    void CancelUpdate();
    void Close();

private:
    friend class Database;
    friend class Field;
    struct Column {
        QString name;
        QString table;  // origin table, may be empty
        QString origin; // origin column, may be empty
    };
    Recordset() = default;
    int columnIndex(const QString& name) const;
    void update();
    void requireCurrent() const;
    const QVariant& cell(int column) const;

    std::shared_ptr<Connection> m_connection;
    QList<Column> m_columns;       // visible columns
    QList<QList<QVariant>> m_rows; // visible values
    QList<QList<qint64>> m_rowIds; // per row, one rowid per source
    QList<QString> m_sourceTables; // table of each rowid column
    int m_position = -1;           // -1 before first when empty
    bool m_editing = false;
    QList<QVariant> m_buffer;
    QList<bool> m_dirty;
    bool m_closed = false;
};

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens SQL text (Access dialect) or the name of a stored select query or
    // table.
    std::unique_ptr<Recordset> OpenRecordset(const QString& source);
    // Runs SQL text (Access dialect) or the name of a stored action query.
    void Execute(const QString& source);
    int RecordsAffected() const { return m_recordsAffected; }
    // The full path of the open file.
    QString Name() const { return m_name; }
    void Close();
    bool IsOpen() const;
    // Why the file counts as damaged: the first operation that ran past its
    // budget ("" when none did). Every later operation fails at once, so a
    // hostile file costs one budget, not one per query.
    QString Damage() const;

    // ---- Used by the board-file builder and tests ----
    // Runs SQLite text as it is (schema creation).
    void ExecuteNative(const QString& sqliteSql);
    // Stores an Access select statement as a stored query (a view).
    void CreateSelectQuery(const QString& name, const QString& accessSql);
    // Stores an Access action statement as a stored action query.
    void CreateActionQuery(const QString& name, const QString& accessSql);
    // Inserts one row; values are bound (QByteArray as a blob, bool as -1/0).
    void InsertRow(const QString& table, const QStringList& columns, const QList<QVariant>& values);
    bool HasTable(const QString& name) const;

private:
    friend class DBEngine;
    Database() = default;
    std::unique_ptr<Recordset> openRecordset(const QString& source);
    void execute(const QString& source);
    std::shared_ptr<Connection> m_connection;
    QString m_name;
    int m_recordsAffected = 0;
};

class DBEngine {
public:
    // Opens an existing file. connect: "MS Access;pwd=...;" (the password
    // keys the file). Throws DaoError when the file is missing, is not a
    // database or the password is wrong.
    static std::unique_ptr<Database> OpenDatabase(const QString& path, bool options = false,
                                                  bool readOnly = false,
                                                  const QString& connect = QString());
    // Creates a new, empty file (refuses to overwrite one).
    static std::unique_ptr<Database> CreateDatabase(const QString& path, const QString& connect);
    // The password of a connect string ("" when it names none).
    static QString PasswordOf(const QString& connect);

private:
    static std::unique_ptr<Database> openWith(const QString& path, int flags,
                                              const QString& connect);
};

} // namespace dao
