#include "shell/ui/WebLinks.h"

#include "shell/AppSettings.h"
#include "shell/Logging.h"
#include "shell/MsgBox.h"
#include "shell/WebAddresses.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrlQuery>
#include <QWidget>

namespace WebLinks {

namespace {

UrlOpener& Opener() {
    static UrlOpener opener;
    return opener;
}

} // namespace

UrlOpener SetUrlOpener(UrlOpener opener) {
    UrlOpener previous = std::move(Opener());
    Opener() = std::move(opener);
    return previous;
}

bool OpenExternal(const QUrl& url) {
    qCDebug(lcMordaventa) << "opening" << url;
    // Pending paints first, so the window does not look frozen while the
    // desktop starts its program.
    QCoreApplication::processEvents();
    if (Opener())
        return Opener()(url);
    return QDesktopServices::openUrl(url);
}

bool HasWebSite() {
    return !AppSettings::VendorBaseAddress().isEmpty();
}

bool HasContact() {
    return !AppSettings::VendorContactAddress().isEmpty();
}

bool OpenVendorPage(const QString& path, QWidget* parent) {
    const QString base = AppSettings::VendorBaseAddress();
    if (base.isEmpty()) {
        MsgBox(kNoWebSite, MsgButtons::OK, QString(), MsgIcon::Information, parent);
        return false;
    }
    const QUrl url(WebAddresses::AddressOn(base, path), QUrl::TolerantMode);
    if (!url.isValid() || !OpenExternal(url)) {
        MsgBox(QStringLiteral("The web page %1 could not be opened.").arg(url.toString()),
               MsgButtons::OK, QString(), MsgIcon::Exclamation, parent);
        return false;
    }
    return true;
}

bool OpenContactMail(QWidget* parent) {
    const QString address = AppSettings::VendorContactAddress();
    if (address.isEmpty()) {
        MsgBox(kNoContact, MsgButtons::OK, QString(), MsgIcon::Information, parent);
        return false;
    }
    QUrl mail;
    mail.setScheme(QStringLiteral("mailto"));
    mail.setPath(address);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), kContactSubject);
    mail.setQuery(query);
    if (!OpenExternal(mail)) {
        MsgBox(QStringLiteral("No e-mail program could be started. Write to %1.").arg(address),
               MsgButtons::OK, QString(), MsgIcon::Exclamation, parent);
        return false;
    }
    return true;
}

} // namespace WebLinks
