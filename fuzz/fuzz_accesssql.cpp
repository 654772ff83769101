// The statement translator: any text is either refused with a reason or
// translated; a translated select goes through the helpers that the record
// sets apply to it.
#include "FuzzInput.h"

#include "boardgame/dao/AccessSql.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = inputText(data, size);
    (void)AccessSql::looksLikeStatement(text);
    try {
        (void)AccessSql::quoteIdentifier(text);
    } catch (const AccessSqlError& e) {
        FUZZ_EXPECT(!e.message().isEmpty());
    }
    try {
        const AccessSql::Translation translation = AccessSql::translate(text);
        FUZZ_EXPECT(!translation.sql.isEmpty());
        if (translation.kind == AccessSql::StatementKind::Select) {
            (void)AccessSql::updatableSources(translation.sql);
            (void)AccessSql::prependColumns(translation.sql, {QStringLiteral("rowid")});
            (void)AccessSql::viewSelect(QStringLiteral("CREATE VIEW \"v\" AS ") + translation.sql);
        }
    } catch (const AccessSqlError& e) {
        FUZZ_EXPECT(!e.message().isEmpty());
    }
    return 0;
}
