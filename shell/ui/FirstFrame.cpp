#include "shell/ui/FirstFrame.h"

#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

FirstFrame::FirstFrame(QWidget* window, std::function<void()> then)
    : QObject(window), m_then(std::move(then)) {
    window->installEventFilter(this);
}

void FirstFrame::Wait(int limitMs) {
    if (m_painted)
        return;
    QEventLoop frame;
    m_waiting = &frame;
    QTimer::singleShot(limitMs, &frame, &QEventLoop::quit);
    frame.exec();
    m_waiting = nullptr;
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        watched->removeEventFilter(this);
        if (m_waiting)
            m_waiting->quit();
        if (m_then)
            QTimer::singleShot(0, this, m_then);
    }
    return QObject::eventFilter(watched, event);
}
