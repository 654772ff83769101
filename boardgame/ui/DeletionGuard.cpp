#include "boardgame/ui/DeletionGuard.h"

#include <QEvent>
#include <QTimer>

DeletionGuard::DeletionGuard(QObject* target) : QObject(target), m_target(target) {
    target->installEventFilter(this);
}

DeletionGuard::Hold::~Hold() {
    if (--m_guard.m_holds == 0 && m_guard.m_pending) {
        m_guard.m_pending = false;
        // A second deleteLater() would be dropped as already under way: the
        // window is deleted from the event loop, once no handler holds it.
        DeletionGuard* guard = &m_guard;
        QTimer::singleShot(0, guard, [guard] {
            if (guard->m_holds > 0)
                guard->m_pending = true;
            else
                delete guard->m_target;
        });
    }
}

bool DeletionGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_target && event->type() == QEvent::DeferredDelete && m_holds > 0) {
        m_pending = true;
        return true;
    }
    return QObject::eventFilter(watched, event);
}
