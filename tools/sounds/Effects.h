#pragma once
// The program's sound effects, each synthesized from scratch.
#include "SoundSynth.h"

#include <QList>

struct SoundEffect {
    QString fileName;
    SoundSynth::Samples (*make)();
};

// Every effect the program plays, by file name.
const QList<SoundEffect>& soundEffects();
