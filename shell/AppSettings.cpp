#include "shell/AppSettings.h"

#include <QSettings>

#include <memory>

namespace AppSettings {

namespace {

QString& storageFile() {
    static QString path;
    return path;
}

std::unique_ptr<QSettings> open(const QString& application) {
    if (!storageFile().isEmpty())
        return std::make_unique<QSettings>(storageFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Mordaventa"), application);
}

QString fullKey(const QString& application, const QString& section, const QString& key) {
    // One file may hold several applications when tests redirect the store.
    if (!storageFile().isEmpty())
        return application + QLatin1Char('/') + section + QLatin1Char('/') + key;
    return section + QLatin1Char('/') + key;
}

} // namespace

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    const auto settings = open(application);
    return settings->value(fullKey(application, section, key), defaultValue).toString();
}

void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    const auto settings = open(application);
    settings->setValue(fullKey(application, section, key), value);
    settings->sync();
}

void setStorageFile(const QString& iniPath) {
    storageFile() = iniPath;
}

namespace {
const QString kWebApplication = QStringLiteral("Mordaventa");
const QString kWebSection = QStringLiteral("Web");
} // namespace

QString VendorBaseAddress() {
    QString address =
        GetSetting(kWebApplication, kWebSection, QStringLiteral("BaseAddress")).trimmed();
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

void SetVendorBaseAddress(const QString& address) {
    SaveSetting(kWebApplication, kWebSection, QStringLiteral("BaseAddress"), address);
}

QString VendorContactAddress() {
    return GetSetting(kWebApplication, kWebSection, QStringLiteral("ContactAddress")).trimmed();
}

void SetVendorContactAddress(const QString& address) {
    SaveSetting(kWebApplication, kWebSection, QStringLiteral("ContactAddress"), address);
}

} // namespace AppSettings
