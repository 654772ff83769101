#include "shell/WebAccess.h"

#include "shell/Logging.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace {

class NetworkRequest final : public WebRequest {
public:
    explicit NetworkRequest(QNetworkReply* reply) : m_reply(reply) {}
    ~NetworkRequest() override {
        if (m_reply) {
            // Abandoned: no answer is delivered any more.
            m_reply->disconnect();
            m_reply->abort();
            m_reply->deleteLater();
        }
    }

private:
    QPointer<QNetworkReply> m_reply;
};

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

class NetworkWebAccess final : public WebAccess {
public:
    NetworkWebAccess(qint64 maxBody, int maxRedirects, int timeoutMs)
        : m_maxBody(maxBody), m_maxRedirects(maxRedirects), m_timeoutMs(timeoutMs) {}

    std::unique_ptr<WebRequest> Get(const QUrl& url, Done done) override {
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || url.host().isEmpty() ||
            (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
            return std::make_unique<RefusedRequest>(url, QStringLiteral("not a web address"),
                                                    std::move(done));
        if (!m_manager)
            m_manager = new QNetworkAccessManager(QCoreApplication::instance());
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setMaximumRedirectsAllowed(m_maxRedirects);
        request.setTransferTimeout(m_timeoutMs);
        QNetworkReply* reply = m_manager->get(request);
        const qint64 maxBody = m_maxBody;
        // A body past the limit ends the request: a pane never holds a huge page.
        QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                         [reply, maxBody](qint64 received, qint64 total) {
                             if (received > maxBody || total > maxBody) {
                                 reply->setProperty("tooLarge", true);
                                 reply->abort();
                             }
                         });
        QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done] {
            WebAnswer answer;
            answer.url = reply->url();
            answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            answer.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
            if (reply->property("tooLarge").toBool())
                answer.error = QStringLiteral("the page is too large");
            else if (reply->error() != QNetworkReply::NoError)
                answer.error = reply->errorString();
            else if (answer.status >= 400)
                answer.error = QStringLiteral("HTTP status %1").arg(answer.status);
            else
                answer.body = reply->readAll();
            qCDebug(lcMordaventa) << "web answer" << answer.url << answer.status << answer.error;
            reply->deleteLater();
            done(answer);
        });
        return std::make_unique<NetworkRequest>(reply);
    }

private:
    qint64 m_maxBody;
    int m_maxRedirects;
    int m_timeoutMs;
    // Made on the first request (with no web site configured none is ever
    // made) and ended with the application.
    QPointer<QNetworkAccessManager> m_manager;
};

WebAccess*& InstalledAccess() {
    static WebAccess* installed = nullptr;
    return installed;
}

} // namespace

std::unique_ptr<WebAccess> MakeNetworkWebAccess(qint64 maxBodyBytes, int maxRedirects,
                                                int transferTimeoutMs) {
    return std::make_unique<NetworkWebAccess>(maxBodyBytes, maxRedirects, transferTimeoutMs);
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
