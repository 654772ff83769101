#pragma once
// The single-byte code page of the player files (Windows-1252), written out as
// our own table: Qt 6.4's QStringConverter has no such codec.
//
// Decoding never fails: every byte has a character (the five bytes the code
// page leaves undefined decode to the control characters of the same value, as
// the Windows conversion does), so any file reads and writes back unchanged.
// Encoding replaces a character the code page cannot hold by "?" and reports
// it; the player file chooses replacement over refusing the whole save, so a
// strange board-file name can never stop a player's progress being written.
#include <QByteArray>
#include <QString>

namespace Windows1252 {

QString decode(const QByteArray& bytes);
// replaced (when given) receives the number of characters written as "?".
QByteArray encode(const QString& text, int* replaced = nullptr);
// True when every character of the text has a byte in the code page.
bool canEncode(const QString& text);

} // namespace Windows1252
