#pragma once
// Builds the solitaire's word list from Debian's SCOWL lists: the lowercase
// words of 3 to 7 letters a to z of the English and American lists up to size
// 35, minus the blocklist compiled into the program (blocklist.txt beside this
// file). Used by the build's generator and by "mordaventa-tool dictionary
// build", so both write the same file.
#include "engine/ClDictionary.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace WordListBuilder {

// Where Debian installs the SCOWL lists.
inline constexpr char kDefaultScowlFolder[] = "/usr/share/dict/scowl";

// The SCOWL files read, relative to the SCOWL folder.
QStringList SourceFiles();

// The blocked words of a blocklist text: one per line, "#" comments and blank
// lines skipped, surrounding blanks trimmed.
QStringList ParseBlocklist(const QString& text);
// The blocklist compiled into the program.
QString EmbeddedBlocklist();

// The words of 3 to 7 letters in code-unit order, without duplicates and
// blocked words. False (with a one-line error) when a source file is missing
// or unreadable.
bool CollectWords(const QString& scowlFolder, const QStringList& blocked,
                  std::array<QStringList, ClDictionary::kLevelCount>& words, QString* error);

// The version text written as section 0 of the file.
QString VersionText();

// Writes the encrypted word list to `destination`, creating its folder and
// replacing an existing file atomically. Returns false, with a one-line error,
// and leaves the destination alone when anything fails.
bool WriteWordList(const QString& scowlFolder, const QString& destination, QString* error);

} // namespace WordListBuilder
