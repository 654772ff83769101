// The saved-game record of the player file: what Parse accepts must format
// to a record that parses to the same values.
#include "FuzzInput.h"

#include "engine/SavedGameRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = inputText(data, size);
    (void)SavedGameRecord::Fields(text);
    SavedGameRecord record;
    QString error;
    if (!SavedGameRecord::Parse(text, record, &error)) {
        FUZZ_EXPECT(!error.isEmpty());
        return 0;
    }
    const QString formatted = record.Format();
    SavedGameRecord again;
    FUZZ_EXPECT(SavedGameRecord::Parse(formatted, again, &error));
    FUZZ_EXPECT(again.Format() == formatted);
    return 0;
}
