#pragma once
// Libraries opened when first needed rather than by the loader at start:
// the program starts without them, and a missing one only silences or
// refuses the feature that needs it.
#include "shell/Logging.h"

#include <QCoreApplication>
#include <QLibrary>

namespace LateLibrary {

// Opens `library` for the rest of the program: its threads and connections
// may still run at exit, so it is never unloaded (destroying the QLibrary
// object does not unload it either). False, logged, when it cannot be opened.
inline bool Load(QLibrary& library) {
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (library.load())
        return true;
    qCWarning(lcMordaventa) << "cannot open" << library.fileName() << library.errorString();
    return false;
}

// Opens the program's own module `name` (say "mordaventa_audio") for the
// rest of the program, from beside the executable (the build's program
// folder), else from where the installation puts it. False, logged, when it
// is in neither.
inline bool LoadBesideProgram(QLibrary& library, const QString& name) {
    library.setLoadHints(QLibrary::PreventUnloadHint);
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& folder : {here, here + QStringLiteral("/../lib/mordaventa")}) {
        library.setFileName(folder + QLatin1Char('/') + name);
        if (library.load())
            return true;
    }
    qCWarning(lcMordaventa) << "no module" << name << "beside" << here;
    return false;
}

// Sets `call` from the library's symbol `name`; false, logged, without it.
template <typename Call> bool Take(QLibrary& library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(library.resolve(name));
    if (!call)
        qCWarning(lcMordaventa) << library.fileName() << "lacks" << name;
    return call != nullptr;
}

} // namespace LateLibrary
