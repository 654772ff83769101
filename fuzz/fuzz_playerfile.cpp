// The player file loader. The input is read twice: as the bytes of a player
// file (scrambled) and as its plain text, so the fuzzer can shape the text
// directly. Whatever is accepted must write back to a file that reads the
// same.
#include "FuzzInput.h"

#include "players/ClassPlayerInfo.h"
#include "shell/Windows1252.h"

namespace {

void expectStableRoundTrip(const ClassPlayerInfo& player) {
    ClassPlayerInfo again;
    FUZZ_EXPECT(ClassPlayerInfo::ReadFileBytes(player.FileBytes(), again) ==
                PlayerFileStatus::Loaded);
    FUZZ_EXPECT(again.PlainText() == player.PlainText());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = inputBytes(data, size);
    ClassPlayerInfo fromFile;
    if (ClassPlayerInfo::ReadFileBytes(bytes, fromFile) == PlayerFileStatus::Loaded)
        expectStableRoundTrip(fromFile);
    ClassPlayerInfo fromText;
    QString version;
    if (ClassPlayerInfo::ReadPlainText(Windows1252::decode(bytes), fromText, &version) ==
        PlayerFileStatus::Loaded)
        expectStableRoundTrip(fromText);
    return 0;
}
