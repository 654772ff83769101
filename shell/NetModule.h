#pragma once
// The program's use of Qt Network (web pages from a configured address, and
// the local socket on which the first copy of the game hears later ones)
// lives in the module libmordaventa_net beside the executable, opened at its
// first use: Qt Network and the libraries it brings (Kerberos, the proxy
// resolver) stay out of the start, which neither needs.
#include "shell/WebAccess.h"

#include <QString>

#include <functional>

class QObject;

// What the module gives, through its one C entry point kEntry.
struct NetModuleCalls {
    // The web layer with these limits (see MakeNetworkWebAccess).
    WebAccess* (*webAccess)(qint64 maxBodyBytes, int maxRedirects, int transferTimeoutMs);
    // Listens on the local socket `name`, replacing one left by a copy that
    // crashed, and runs `front` on the GUI thread whenever a later copy asks
    // this one to come to the front. The listener is a child of `parent`;
    // nullptr, with `error` set, when the socket cannot be made.
    QObject* (*listen)(const QString& name, QObject* parent, const std::function<void()>& front,
                       QString* error);
    // Asks the copy listening on `name` to come to the front; false when none
    // answered within `waitMs`.
    bool (*askToFront)(const QString& name, int waitMs);
};

namespace NetModule {

inline constexpr char kEntry[] = "mordaventa_net_module";

// The module, opened on the first call; nullptr (logged once) when it is
// missing, which leaves the web panes on their local pages and every copy of
// the game deaf to the others.
const NetModuleCalls* Calls();

} // namespace NetModule
