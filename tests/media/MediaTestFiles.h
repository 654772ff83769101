#pragma once
// Sound files written out byte by byte for the media tests, so what the
// interpreter reads is known independently of the code that reads it, and the
// interpreter set up for one test.
#include "media/MciInterpreter.h"

#include <QByteArray>
#include <QStringList>

namespace MediaTestFiles {

// 8000 Hz, mono, 16-bit PCM, 8000 frames of silence: exactly one second,
// 30 frames at 30 per second.
inline QByteArray oneSecondWave() {
    QByteArray bytes("RIFF"
                     "\xA4\x3E\x00\x00" // 36 + 16000
                     "WAVE"
                     "fmt "
                     "\x10\x00\x00\x00" // format chunk of 16 bytes
                     "\x01\x00"         // PCM
                     "\x01\x00"         // mono
                     "\x40\x1F\x00\x00" // 8000 Hz
                     "\x80\x3E\x00\x00" // 16000 bytes a second
                     "\x02\x00"         // 2 bytes a frame
                     "\x10\x00"         // 16 bits
                     "data"
                     "\x80\x3E\x00\x00", // 16000 bytes
                     44);
    bytes.append(QByteArray(16000, '\0'));
    return bytes;
}

// Format 0, 96 ticks a quarter, 120 beats a minute, one note held for four
// quarters: two seconds, 60 frames.
inline QByteArray twoSecondMidi() {
    return QByteArray("MThd"
                      "\x00\x00\x00\x06"
                      "\x00\x00" // format 0
                      "\x00\x01" // one track
                      "\x00\x60" // 96 ticks a quarter
                      "MTrk"
                      "\x00\x00\x00\x14"             // 20 bytes
                      "\x00\xFF\x51\x03\x07\xA1\x20" // tempo 500000 us a quarter
                      "\x00\x90\x3C\x64"             // note on, middle C
                      "\x83\x00\x80\x3C\x00"         // 384 ticks later, note off
                      "\x00\xFF\x2F\x00",            // end of track
                      42);
}

// The interpreter for one test: silent, on a clock the test sets, every
// command it is sent recorded, and everything closed before and after.
struct MciRecording {
    QStringList sent;
    qint64 clock = 0;
    MciRecording() {
        MciInterpreter& mci = MciInterpreter::instance();
        mci.setSilent(true);
        mci.setCommandObserver(nullptr);
        mci.sendString(QStringLiteral("Close All"));
        mci.setClock([this] { return clock; });
        mci.setCommandObserver([this](const QString& command) { sent.append(command); });
    }
    ~MciRecording() {
        MciInterpreter& mci = MciInterpreter::instance();
        mci.setCommandObserver(nullptr);
        mci.sendString(QStringLiteral("Close All"));
        mci.setClock(nullptr);
    }
};

} // namespace MediaTestFiles
