#pragma once
// Links that leave the program: pages of the vendor's web site open in the
// desktop's own browser, the contact link in its mail program. With no web
// site configured (the default) a link says so instead.
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace WebLinks {

inline const QString kNoWebSite =
    QStringLiteral("No web site is configured for Mordaventa, so this link cannot be opened.");
inline const QString kNoContact =
    QStringLiteral("No contact address is configured for Mordaventa, so no e-mail can be started.");
inline const QString kContactSubject = QStringLiteral("Mordaventa");

// Whether a web site (or a contact address) is configured: links that would
// lead to it are shown only then.
bool HasWebSite();
bool HasContact();

// Opens base address + path (the home page for an empty path). False, after
// saying so, when no web site is configured or no browser could be started.
bool OpenVendorPage(const QString& path, QWidget* parent);
// Starts an e-mail to the vendor's contact address with the subject line.
bool OpenContactMail(QWidget* parent);
// Opens any web or mail address with the desktop.
bool OpenExternal(const QUrl& url);

// What opens an address (QDesktopServices::openUrl); tests record instead.
// Returns the previous opener.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener SetUrlOpener(UrlOpener opener);

} // namespace WebLinks
