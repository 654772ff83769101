// Qt Network for the program, built as the module libmordaventa_net (see
// shell/NetModule.h): the only code that links Qt Network.
#include "shell/NetModule.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace {

// The program's category, under its own name: the module sees nothing of the
// executable's symbols.
Q_LOGGING_CATEGORY(lcNet, "mordaventa", QtInfoMsg)

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

// Addresses reach it already checked to be http or https.
class NetworkWebAccess final : public WebAccess {
public:
    NetworkWebAccess(qint64 maxBody, int maxRedirects, int timeoutMs)
        : m_maxBody(maxBody), m_maxRedirects(maxRedirects), m_timeoutMs(timeoutMs) {}

    std::unique_ptr<WebRequest> Get(const QUrl& url, Done done) override {
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
            qCDebug(lcNet) << "web answer" << answer.url << answer.status << answer.error;
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

WebAccess* MakeWebAccess(qint64 maxBodyBytes, int maxRedirects, int transferTimeoutMs) {
    return new NetworkWebAccess(maxBodyBytes, maxRedirects, transferTimeoutMs);
}

const QByteArray kFrontRequest = QByteArrayLiteral("front\n");

QObject* Listen(const QString& name, QObject* parent, const std::function<void()>& front,
                QString* error) {
    auto* server = new QLocalServer(parent);
    QLocalServer::removeServer(name);
    QObject::connect(server, &QLocalServer::newConnection, server, [server, front] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            // The request may arrive before, with or after the connection.
            const auto answer = [socket, front] {
                if (socket->readAll().contains(kFrontRequest.trimmed()))
                    front();
            };
            QObject::connect(socket, &QLocalSocket::readyRead, server, answer);
            QObject::connect(socket, &QLocalSocket::disconnected, server, [socket, answer] {
                answer();
                socket->deleteLater();
            });
            if (socket->bytesAvailable() > 0)
                answer();
        }
    });
    if (server->listen(name))
        return server;
    if (error)
        *error = server->errorString();
    delete server;
    return nullptr;
}

bool AskToFront(const QString& name, int waitMs) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(waitMs))
        return false;
    socket.write(kFrontRequest);
    const bool sent = socket.waitForBytesWritten(waitMs);
    socket.disconnectFromServer();
    return sent;
}

const NetModuleCalls kCalls{&MakeWebAccess, &Listen, &AskToFront};

} // namespace

extern "C" Q_DECL_EXPORT const NetModuleCalls* mordaventa_net_module() {
    return &kCalls;
}
