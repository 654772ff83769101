#include "shell/NetModule.h"

#include "shell/LateLibrary.h"

namespace NetModule {

const NetModuleCalls* Calls() {
    static const NetModuleCalls* calls = [] {
        // Kept loaded to the end: replies and sockets may still be open then.
        static QLibrary library;
        using Entry = const NetModuleCalls* (*)();
        Entry entry = nullptr;
        return LateLibrary::LoadBesideProgram(library, QStringLiteral("mordaventa_net")) &&
                       LateLibrary::Take(library, kEntry, entry)
                   ? entry()
                   : nullptr;
    }();
    return calls;
}

} // namespace NetModule
