#include "shell/ui/FirstFrame.h"

#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

FirstFrame::FirstFrame(QWidget* window) : QObject(window) {
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
    }
    return QObject::eventFilter(watched, event);
}
