#include "shell/WebAccess.h"

#include "shell/NetModule.h"

#include <QTimer>

namespace {

// A request refused before anything was sent; answers on the next turn of the
// event loop, as a real failure would.
class RefusedRequest final : public WebRequest {
public:
    RefusedRequest(const QUrl& url, const QString& error, WebAccess::Done done) {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [url, error, done] {
            WebAnswer answer;
            answer.url = url;
            answer.error = error;
            done(answer);
        });
        m_timer.start(0);
    }

private:
    QTimer m_timer;
};

// The module is opened with the first request: with no web site configured
// none is ever made, and Qt Network is never loaded.
class LateWebAccess final : public WebAccess {
public:
    LateWebAccess(qint64 maxBody, int maxRedirects, int timeoutMs)
        : m_maxBody(maxBody), m_maxRedirects(maxRedirects), m_timeoutMs(timeoutMs) {}

    std::unique_ptr<WebRequest> Get(const QUrl& url, Done done) override {
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || url.host().isEmpty() ||
            (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
            return std::make_unique<RefusedRequest>(url, QStringLiteral("not a web address"),
                                                    std::move(done));
        if (!m_network) {
            if (const NetModuleCalls* calls = NetModule::Calls())
                m_network.reset(calls->webAccess(m_maxBody, m_maxRedirects, m_timeoutMs));
        }
        if (!m_network)
            return std::make_unique<RefusedRequest>(
                url, QStringLiteral("the program's network module is missing"), std::move(done));
        return m_network->Get(url, std::move(done));
    }

private:
    qint64 m_maxBody;
    int m_maxRedirects;
    int m_timeoutMs;
    std::unique_ptr<WebAccess> m_network;
};

WebAccess*& InstalledAccess() {
    static WebAccess* installed = nullptr;
    return installed;
}

} // namespace

std::unique_ptr<WebAccess> MakeNetworkWebAccess(qint64 maxBodyBytes, int maxRedirects,
                                                int transferTimeoutMs) {
    return std::make_unique<LateWebAccess>(maxBodyBytes, maxRedirects, transferTimeoutMs);
}

WebAccess& WebAccess::Default() {
    if (WebAccess* installed = InstalledAccess())
        return *installed;
    static const std::unique_ptr<WebAccess> program = MakeNetworkWebAccess();
    return *program;
}

void WebAccess::SetDefault(WebAccess* access) {
    InstalledAccess() = access;
}
