#pragma once
// SQLCipher, opened when the first database is, instead of with the program:
// the library and the cryptography library it brings take some 1.6 MB and a
// share of the loader's time that the solitaire table and the board window's
// first frame do not need. The calls go through this table, named as the
// library names them.
#include <sqlite3.h>

struct SqliteCalls {
    decltype(&::sqlite3_open_v2) sqlite3_open_v2;
    decltype(&::sqlite3_close) sqlite3_close;
    decltype(&::sqlite3_errmsg) sqlite3_errmsg;
    decltype(&::sqlite3_busy_timeout) sqlite3_busy_timeout;
    decltype(&::sqlite3_limit) sqlite3_limit;
    decltype(&::sqlite3_progress_handler) sqlite3_progress_handler;
    decltype(&::sqlite3_memory_used) sqlite3_memory_used;
    decltype(&::sqlite3_exec) sqlite3_exec;
    decltype(&::sqlite3_free) sqlite3_free;
    decltype(&::sqlite3_changes) sqlite3_changes;
    decltype(&::sqlite3_prepare_v2) sqlite3_prepare_v2;
    decltype(&::sqlite3_finalize) sqlite3_finalize;
    decltype(&::sqlite3_step) sqlite3_step;
    decltype(&::sqlite3_bind_null) sqlite3_bind_null;
    decltype(&::sqlite3_bind_int64) sqlite3_bind_int64;
    decltype(&::sqlite3_bind_double) sqlite3_bind_double;
    decltype(&::sqlite3_bind_blob64) sqlite3_bind_blob64;
    decltype(&::sqlite3_bind_text64) sqlite3_bind_text64;
    decltype(&::sqlite3_column_count) sqlite3_column_count;
    decltype(&::sqlite3_column_type) sqlite3_column_type;
    decltype(&::sqlite3_column_int64) sqlite3_column_int64;
    decltype(&::sqlite3_column_double) sqlite3_column_double;
    decltype(&::sqlite3_column_text) sqlite3_column_text;
    decltype(&::sqlite3_column_blob) sqlite3_column_blob;
    decltype(&::sqlite3_column_bytes) sqlite3_column_bytes;
    decltype(&::sqlite3_column_name) sqlite3_column_name;
    decltype(&::sqlite3_column_table_name) sqlite3_column_table_name;
    decltype(&::sqlite3_column_origin_name) sqlite3_column_origin_name;
};

namespace SqliteLibrary {

// The library's calls, opened on the first use from any thread; null when it
// cannot be opened (then no board-game file opens, with that said).
const SqliteCalls* Calls();

} // namespace SqliteLibrary
