// The board status text: an answer of a square kind (the first line) counted
// into any text (the rest). Only the kind's first item may change, or one
// item is added.
#include "FuzzInput.h"

#include "boardgame/BoardStatus.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const bool right = takeByte(data, size) & 1;
    const QString input = inputText(data, size);
    const qsizetype newline = input.indexOf(QLatin1Char('\n'));
    QString code = newline < 0 ? QStringLiteral("1") : input.left(newline);
    // The game passes a square kind's number; a code holding the separators
    // would be several items by definition.
    if (code.contains(QLatin1Char('|')) || code.contains(QLatin1Char('=')))
        code = QStringLiteral("1");
    const QString text = newline < 0 ? input : input.mid(newline + 1);

    const QList<StatusCounter> before = BoardStatus::Read(text);
    (void)BoardStatus::Write(before);
    const QList<StatusCounter> after =
        BoardStatus::Read(BoardStatus::CountAnswer(text, code, right));
    FUZZ_EXPECT(after.size() == before.size() || after.size() == before.size() + 1);
    int changed = 0;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const StatusCounter& b = before.at(i);
        const StatusCounter& a = after.at(i);
        if (a.code != b.code || a.right != b.right || a.wrong != b.wrong)
            ++changed;
    }
    FUZZ_EXPECT(changed <= 1);
    return 0;
}
