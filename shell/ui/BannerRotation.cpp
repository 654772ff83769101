#include "shell/ui/BannerRotation.h"

#include "shell/AppSettings.h"
#include "shell/ui/WebPane.h"

BannerRotation::BannerRotation(WebPane* pane, Kind kind)
    : QObject(pane), m_pane(pane), m_kind(kind) {
    connect(pane, &WebPane::NavigateError, this,
            [this](const QString&, const QString&, bool* cancel) { NavigateError(cancel); });
}

QString BannerRotation::FallbackPage() const {
    return m_kind == Kind::Table ? WebAddresses::kOffLinePage : WebAddresses::kBlankPage;
}

void BannerRotation::RunAds() {
    if (m_pane->LocationName().toLower() == WebAddresses::kCannotFindServer) {
        m_pane->Navigate(FallbackPage());
        return;
    }
    const WebAddresses::Banner set =
        m_kind == Kind::Side ? WebAddresses::Banner::Side : WebAddresses::Banner::Lead;
    m_pane->Navigate(WebAddresses::NextBannerAddress(set, AppSettings::VendorBaseAddress(),
                                                     m_pane->LocationURL()));
}

void BannerRotation::NavigateError(bool* cancel) {
    *cancel = true;
    m_pane->Navigate(FallbackPage());
}
