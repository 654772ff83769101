#pragma once
// The background music: public-domain melodies written out note by note, with
// a simple accompaniment, as General MIDI files (format 1).
#include <QByteArray>
#include <QList>
#include <QString>

struct MusicPiece {
    QString fileName;
    QByteArray (*make)();
};

const QList<MusicPiece>& musicPieces();
