#pragma once
// The sound service: every sound effect and piece of music goes through these
// operations, which send media command texts to our in-process interpreter
// (media/MciInterpreter.h). Results are "Success", the command's error text,
// or "out of volume".
#include <QString>

namespace ModuleMultimedia {

// The window that plays (its winId, or 0); passed as the command's parent.
using WindowHandle = quintptr;

// A file path that is not absolute ("\Sounds\x.wav") is taken below the
// program folder.
QString mmOpen(WindowHandle hwnd, const QString& alias, const QString& filePath,
               const QString& deviceType = QStringLiteral("MPEGVideo"));
QString mmPlay(const QString& alias, const QString& from = QString(),
               const QString& to = QString());
QString mmClose(const QString& alias);
QString mmCloseAll();
qint32 mmLength(const QString& alias);
qint32 mmPosition(const QString& alias);
QString mmSetVolume(const QString& alias, const QString& channel, int volume);
int mmGetVolume(const QString& alias, const QString& channel);
bool mmEndTest(const QString& alias, qint32& length);

// The sound-effect sequence: close "wavSounds", open the file (a path below
// the program folder such as "\Sounds\cardClick.wav") on "wavSounds", set its
// volume when volume >= 0, play. Callers check their "Sounds On" condition.
void PlaySoundEffect(WindowHandle hwnd, const QString& relativeFile, int volume = -1);

} // namespace ModuleMultimedia
