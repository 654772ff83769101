#include "boardgame/ui/BoardPause.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

namespace {

class EventLoopPause final : public BoardPause {
public:
    void Wait(int ms) override {
        if (m_interrupted || ms <= 0)
            return;
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    void Interrupt() override {
        m_interrupted = true;
        Hurry();
    }
    void Hurry() override {
        if (m_loop)
            m_loop->quit();
    }

private:
    QPointer<QEventLoop> m_loop;
    bool m_interrupted = false;
};

} // namespace

std::unique_ptr<BoardPause> MakeEventLoopPause() {
    return std::make_unique<EventLoopPause>();
}
