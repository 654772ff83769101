#pragma once
// The pane that shows a page of the vendor's web site: a QTextBrowser fed
// through the network layer (shell/WebAccess.h), never blocking. Navigate
// starts loading and returns; DocumentComplete follows when the page is shown,
// NavigateError when it could not be had (no web site configured, no answer in
// time, an error, a page too large). A handler that cancels the failed
// navigation usually navigates to a local page; when none cancels, the pane
// shows its own "Cannot find server" page.
//
// "About:Off-Line" and "About:Blank" are the program's own pages, shown at
// once. Links in a page open in the desktop's browser.
#include <QString>
#include <QTextBrowser>

#include <memory>

class QTimer;
class WebAccess;
class WebRequest;
struct WebAnswer;

namespace WebPaneLook {
inline constexpr int kNavigateTimeoutMs = 5000; // a slow site falls back after this
} // namespace WebPaneLook

class WebPane : public QTextBrowser {
    Q_OBJECT
public:
    // access: the network layer; the program's default one when null.
    explicit WebPane(QWidget* parent = nullptr, WebAccess* access = nullptr);
    ~WebPane() override;

    void Navigate(const QString& address);
    // The shown page's title and address.
    QString LocationName() const { return m_title; }
    QString LocationURL() const { return m_address; }
    // True while a page is being fetched.
    bool Busy() const { return m_request != nullptr; }

    // The pending navigation ran out of time (the tick of TimerNavigate).
    void TimerNavigate_Timer();

Q_SIGNALS:
    void DocumentComplete(const QString& address);
    // Set *cancel to true to take over: the pane then shows nothing new.
    void NavigateError(const QString& address, const QString& reason, bool* cancel);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void ShowLocalPage(const QString& address);
    void Answered(const WebAnswer& answer);
    void Failed(const QString& address, const QString& reason);
    void ShowPage(const QString& address, const QString& title, const QString& html);
    void OpenLink(const QUrl& link);

    WebAccess* m_access;
    std::unique_ptr<WebRequest> m_request;
    QTimer* m_timer = nullptr;
    QString m_pending;
    QString m_title;
    QString m_html; // the page shown, as given
    QString m_address;
    quint64 m_generation = 0;
};
