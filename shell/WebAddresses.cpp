#include "shell/WebAddresses.h"

#include "shell/AppSettings.h"

namespace WebAddresses {

QStringList SplashPaths() {
    return {QStringLiteral("/ads/adreccasl.htm"), QStringLiteral("/ads/adrecfast.htm"),
            QStringLiteral("/ads/adrecnext1.htm"), QStringLiteral("/ads/adrecnext2.htm")};
}

QStringList BannerPaths() {
    return {QStringLiteral("/ads/adleadcasl.htm"), QStringLiteral("/ads/adleadfast.htm"),
            QStringLiteral("/ads/adleadnext1.htm"), QStringLiteral("/ads/adleadnext2.htm")};
}

QStringList SideBannerPaths() {
    return {QStringLiteral("/ads/adskycasl.htm"), QStringLiteral("/ads/adskyfast.htm"),
            QStringLiteral("/ads/adskynext1.htm"), QStringLiteral("/ads/adskynext2.htm")};
}

bool IsLocalPage(const QString& address) {
    return address.startsWith(QLatin1String("about:"), Qt::CaseInsensitive);
}

QString Address(const QString& path) {
    return AddressOn(AppSettings::VendorBaseAddress(), path);
}

QString AddressOn(const QString& base, const QString& path) {
    return base + path;
}

QString LookupAddress(const QString& base, const QString& word) {
    return base + kLookupPath + word;
}

QString NextBannerAddress(Banner banner, const QString& base, const QString& currentAddress) {
    const QStringList paths = banner == Banner::Lead ? BannerPaths() : SideBannerPaths();
    const QString current = currentAddress.toLower();
    int next = 0;
    for (int i = 0; i < paths.size() - 1; ++i) {
        if (current == (base + paths.at(i)).toLower()) {
            next = i + 1;
            break;
        }
    }
    // The lead banner's second page has always been asked for with a capital L.
    if (banner == Banner::Lead && next == 1)
        return base + QStringLiteral("/ads/adLeadfast.htm");
    return base + paths.at(next);
}

} // namespace WebAddresses
