#pragma once
// The network layer under the web panes: one asynchronous GET at a time per
// request object. The program's layer goes through Qt Network with a size and a
// redirect limit; tests install a fake that records the requests and answers
// them when the test says so.
#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

struct WebAnswer {
    QUrl url;            // the address finally answered (after redirects)
    int status = 0;      // the HTTP status, 0 when there was none
    QString contentType; // as the server sent it
    QByteArray body;
    QString error; // empty when the page arrived
    bool Ok() const { return error.isEmpty(); }
};

// A request in flight. Destroying it abandons the request: its answer is
// never delivered.
class WebRequest {
public:
    virtual ~WebRequest() = default;
};

class WebAccess {
public:
    using Done = std::function<void(const WebAnswer&)>;
    virtual ~WebAccess() = default;

    // Starts fetching `url`; `done` runs later on the GUI thread, never inside
    // this call.
    virtual std::unique_ptr<WebRequest> Get(const QUrl& url, Done done) = 0;

    // The layer the panes use unless given another one.
    static WebAccess& Default();
    // Replaces it (tests); nullptr restores the program's own. The caller
    // keeps ownership and restores before the object goes.
    static void SetDefault(WebAccess* access);
};

// Limits of the program's layer.
namespace WebLimits {
inline constexpr qint64 kMaxBodyBytes = 2 * 1024 * 1024;
inline constexpr int kMaxRedirects = 5;
inline constexpr int kTransferTimeoutMs = 8000;
} // namespace WebLimits

// The program's layer on QNetworkAccessManager (in the network module, opened
// with the first request). Only http and https addresses are fetched;
// anything else is answered with an error.
std::unique_ptr<WebAccess>
MakeNetworkWebAccess(qint64 maxBodyBytes = WebLimits::kMaxBodyBytes,
                     int maxRedirects = WebLimits::kMaxRedirects,
                     int transferTimeoutMs = WebLimits::kTransferTimeoutMs);
