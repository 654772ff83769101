#pragma once
// Writing a board's content back out as the readable source that
// `board build` reads, with the sounds and pictures it names as files beside
// it. Building the written source gives back the same content.
#include "boardgame/file/BoardFileWriter.h"

#include <QMap>
#include <QString>

namespace BoardSourceExport {

// The source text; the media files it names (relative paths such as
// "MyBoard-media/word-12-garden.wav") go into *files by name. Texts are
// written on one line each (a line break becomes a space). Empty with *error
// when a text cannot be written in the format: an answer or definition
// holding '|', an answer starting with '*', a picture that is not JPEG.
QString SourceText(const BoardContent& content, const QString& mediaFolder,
                   QMap<QString, QByteArray>* files, QString* error = nullptr);
// Writes the source to sourcePath and its media into the folder
// "<name>-media" beside it (created; an existing one is refilled). Each file
// is written whole or not at all. False with *error on failure.
bool ExportSource(const BoardContent& content, const QString& sourcePath, QString* error);
// The media folder's name for a source path: "MyBoard-media" for
// ".../MyBoard.board".
QString MediaFolderName(const QString& sourcePath);

} // namespace BoardSourceExport
