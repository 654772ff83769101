// Writes the program's sound effects (16-bit PCM waves) into <folder> and its
// background music (General MIDI files) into <folder>/music.
#include "Effects.h"
#include "Music.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>
#include <exception>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s <Sounds folder>\n", qPrintable(args.value(0)));
        return 2;
    }
    const QDir folder(args[1]);
    if (!QDir().mkpath(folder.filePath(QStringLiteral("music")))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    try {
        for (const SoundEffect& effect : soundEffects()) {
            if (!writeFile(folder.filePath(effect.fileName), SoundSynth::waveBytes(effect.make())))
                return 1;
        }
        for (const MusicPiece& piece : musicPieces()) {
            if (!writeFile(folder.filePath(QStringLiteral("music/") + piece.fileName),
                           piece.make()))
                return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sound generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
