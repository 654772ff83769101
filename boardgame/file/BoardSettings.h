#pragma once
// The board game's two user settings (application "BoardGame", section
// "Settings"): "DataPath", the current board-game file's name inside data/,
// and "Filter", whether a question or word leaves the pool after every answer
// or only after a right one. Every reader and writer goes through here.
#include <QString>

namespace BoardSettings {

// "DataPath", default "SpellingGrammar.mdb".
QString CurrentDataPath();
void SaveDataPath(const QString& name);
// Whether a "DataPath" value can name a file inside data/: not empty, no
// folder separator, no "..". A hand-edited value that leads elsewhere names
// no usable file.
bool IsUsableDataPath(const QString& name);
// The full path of the current file: <program>\data\ + "DataPath"; "" when
// the setting names no usable file.
QString CurrentBoardFilePath();

// "Filter" read as a Boolean: "False" or 0 (any case, blanks around ignored)
// is false, anything else, an unset value included, true.
bool QuestionFilter();
void SetQuestionFilter(bool removeEveryTime);

} // namespace BoardSettings
