#include "shell/Windows1252.h"

#include <QList>

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of the code page is the same
// as Latin-1. The undefined 0x81, 0x8D, 0x8F, 0x90 and 0x9D keep their value.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The byte of a character, or -1 when the code page has none.
int byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

namespace Windows1252 {

QString decode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        const char32_t c = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : char32_t(b);
        text.append(QChar(static_cast<char16_t>(c)));
    }
    return text;
}

QByteArray encode(const QString& text, int* replaced) {
    QByteArray bytes;
    bytes.reserve(text.size());
    int count = 0;
    for (char32_t c : text.toUcs4()) {
        const int b = byteOf(c);
        if (b < 0) {
            bytes.append('?');
            ++count;
        } else {
            bytes.append(static_cast<char>(b));
        }
    }
    if (replaced)
        *replaced = count;
    return bytes;
}

bool canEncode(const QString& text) {
    for (char32_t c : text.toUcs4()) {
        if (byteOf(c) < 0)
            return false;
    }
    return true;
}

} // namespace Windows1252
