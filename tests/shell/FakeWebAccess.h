#pragma once
// A network layer for tests: records every request and answers only when the
// test says so. Installed as the program's layer while it lives.
#include "shell/WebAccess.h"

#include <QList>

#include <memory>

class FakeWebAccess final : public WebAccess {
public:
    FakeWebAccess() { WebAccess::SetDefault(this); }
    ~FakeWebAccess() override { WebAccess::SetDefault(nullptr); }

    std::unique_ptr<WebRequest> Get(const QUrl& url, Done done) override {
        auto alive = std::make_shared<bool>(true);
        requests.append(url);
        m_pending.append({url, std::move(done), alive});
        return std::make_unique<Request>(alive);
    }

    // Answers the oldest request still wanted; false when there is none.
    bool answer(const WebAnswer& answer) {
        while (!m_pending.isEmpty()) {
            Pending p = m_pending.takeFirst();
            if (!*p.alive)
                continue;
            WebAnswer a = answer;
            a.url = p.url;
            p.done(a);
            return true;
        }
        return false;
    }
    bool answerPage(const QString& title) {
        WebAnswer a;
        a.status = 200;
        a.contentType = QStringLiteral("text/html");
        a.body = QStringLiteral("<html><head><title>%1</title></head><body>ad</body></html>")
                     .arg(title)
                     .toUtf8();
        return answer(a);
    }
    bool answerError(const QString& error) {
        WebAnswer a;
        a.error = error;
        return answer(a);
    }

    QList<QUrl> requests;

private:
    struct Request final : WebRequest {
        explicit Request(std::shared_ptr<bool> alive) : m_alive(std::move(alive)) {}
        ~Request() override { *m_alive = false; }
        std::shared_ptr<bool> m_alive;
    };
    struct Pending {
        QUrl url;
        Done done;
        std::shared_ptr<bool> alive;
    };
    QList<Pending> m_pending;
};
