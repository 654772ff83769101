#include "boardgame/dao/SqliteLibrary.h"

#include "shell/LateLibrary.h"

#include <memory>

namespace {

#define MORDAVENTA_TAKE(call) ok = LateLibrary::Take(library, #call, table->call) && ok

std::unique_ptr<SqliteCalls> Open() {
    // Kept loaded to the end: connections may still close at exit.
    static QLibrary library(QStringLiteral("sqlcipher"), 0);
    if (!LateLibrary::Load(library))
        return nullptr;
    auto table = std::make_unique<SqliteCalls>();
    bool ok = true;
    MORDAVENTA_TAKE(sqlite3_open_v2);
    MORDAVENTA_TAKE(sqlite3_close);
    MORDAVENTA_TAKE(sqlite3_errmsg);
    MORDAVENTA_TAKE(sqlite3_busy_timeout);
    MORDAVENTA_TAKE(sqlite3_limit);
    MORDAVENTA_TAKE(sqlite3_progress_handler);
    MORDAVENTA_TAKE(sqlite3_memory_used);
    MORDAVENTA_TAKE(sqlite3_exec);
    MORDAVENTA_TAKE(sqlite3_free);
    MORDAVENTA_TAKE(sqlite3_changes);
    MORDAVENTA_TAKE(sqlite3_prepare_v2);
    MORDAVENTA_TAKE(sqlite3_finalize);
    MORDAVENTA_TAKE(sqlite3_step);
    MORDAVENTA_TAKE(sqlite3_bind_null);
    MORDAVENTA_TAKE(sqlite3_bind_int64);
    MORDAVENTA_TAKE(sqlite3_bind_double);
    MORDAVENTA_TAKE(sqlite3_bind_blob64);
    MORDAVENTA_TAKE(sqlite3_bind_text64);
    MORDAVENTA_TAKE(sqlite3_column_count);
    MORDAVENTA_TAKE(sqlite3_column_type);
    MORDAVENTA_TAKE(sqlite3_column_int64);
    MORDAVENTA_TAKE(sqlite3_column_double);
    MORDAVENTA_TAKE(sqlite3_column_text);
    MORDAVENTA_TAKE(sqlite3_column_blob);
    MORDAVENTA_TAKE(sqlite3_column_bytes);
    MORDAVENTA_TAKE(sqlite3_column_name);
    MORDAVENTA_TAKE(sqlite3_column_table_name);
    MORDAVENTA_TAKE(sqlite3_column_origin_name);
    return ok ? std::move(table) : nullptr;
}

#undef MORDAVENTA_TAKE

} // namespace

namespace SqliteLibrary {

const SqliteCalls* Calls() {
    static const std::unique_ptr<SqliteCalls> calls = Open();
    return calls.get();
}

} // namespace SqliteLibrary
