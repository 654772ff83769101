// The readable source of a board-game file as "mordaventa-tool board build"
// parses it. Pronunciations and drawn pictures come from stand-ins; file
// names resolve in an empty folder.
#include "FuzzInput.h"

#include "boardgame/file/BoardSource.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    BoardSourceHooks hooks;
    hooks.speak = [](const QString&, QString*) {
        return QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) + QByteArray(32, '\0');
    };
    hooks.draw = [](const QString& shape, QString* error) {
        if (shape.startsWith(QLatin1Char('x'))) {
            *error = QStringLiteral("unknown shape");
            return QByteArray();
        }
        return QByteArray("\xFF\xD8\xFF\xD9", 4);
    };
    QList<BoardSourceWarning> warnings;
    try {
        const BoardContent content =
            BoardSource::Parse(inputText(data, size), folder.path(), hooks, &warnings);
        FUZZ_EXPECT(content.layout.size() == kBoardSquares);
    } catch (const BoardSourceError& e) {
        FUZZ_EXPECT(!e.text().isEmpty());
    }
    for (const BoardSourceWarning& warning : warnings)
        FUZZ_EXPECT(!warning.message.isEmpty());
    return 0;
}
