#pragma once
// The per-user settings store: application, section, key, default.
// Tests point the storage at a file of their own with setStorageFile().
#include <QString>

namespace AppSettings {

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);

// Redirects every application's settings to one INI file (empty: back to the
// user's own store).
void setStorageFile(const QString& iniPath);

// The vendor's web site (scheme and host, "https://example.org"), application
// "Mordaventa", section "Web", key "BaseAddress". Empty by default: then the
// program sends nothing to any network. Trailing "/" are dropped.
QString VendorBaseAddress();
void SetVendorBaseAddress(const QString& address);
// The vendor's contact e-mail address (key "ContactAddress"), empty by default.
QString VendorContactAddress();
void SetVendorContactAddress(const QString& address);

} // namespace AppSettings
