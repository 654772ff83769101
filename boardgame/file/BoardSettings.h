#pragma once
// The board game's user settings (application "BoardGame", section
// "Settings"): "DataPath", the current board-game file's name inside data/,
// "Filter", whether a question or word leaves the pool after every answer or
// only after a right one, and "Speech", British or American English for the
// spoken words. Every reader and writer goes through here.
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

// "Speech": "en-us" for American English; anything else, an unset value
// included, is British English ("en-gb").
bool AmericanSpeech();
void SetAmericanSpeech(bool american);
// The espeak-ng language of the chosen speech: "en-gb" or "en-us".
QByteArray SpeechLanguage();

} // namespace BoardSettings
