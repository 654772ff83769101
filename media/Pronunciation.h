#pragma once
// The sound of a spelling word as a board stores it and the game plays it: a
// mono 16-bit PCM wave file, made by the voice, taken from a recording or
// converted from a wave file. The board builder and the board editor make
// pronunciations only through here, so a word sounds the same whichever made
// its file.
#include <QByteArray>
#include <QString>

namespace Pronunciation {

// The espeak-ng languages of the two voices a board carries.
inline constexpr char kBritish[] = "en-gb";
inline constexpr char kAmerican[] = "en-us";
// Speaking rate of the pronunciations, in words a minute: a little slower than
// normal speech so that children hear every sound.
inline constexpr int kSpeakRate = 140;

// The wave file of `text` (the word, or what to say instead of it) spoken in
// `language`; empty with a reason when the voice cannot speak it. Waits for
// the sound; the engine is opened at its first use.
QByteArray Speak(const QString& text, const char* language, QString* error);

// A wave file the game can play, from any integer PCM (8, 16, 24 or 32 bits)
// or floating-point wave of one or more channels: channels are mixed into one,
// samples become 16-bit, the rate is kept. Empty with a reason for anything
// else, and for a result over `largestBytes`.
QByteArray FromWaveFile(const QByteArray& bytes, qint64 largestBytes, QString* error);

// Plays a pronunciation the way a spelling square plays a word: the bytes are
// written to a scratch file under temp/ and played by the sound service.
// Returns the service's result ("Success" or why not); an earlier
// pronunciation still playing stops first.
QString Play(quintptr window, const QByteArray& wave);
void Stop();

} // namespace Pronunciation
