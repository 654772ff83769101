#pragma once
// Holds back the deferred deletion of a window while one of its handlers
// runs: a window closed (and so deleted later) while a handler waits in a
// nested loop (a square's window, a login, a pause) is deleted once the
// outermost handler has returned, never under its frames or its children's.
#include <QObject>

class DeletionGuard : public QObject {
public:
    explicit DeletionGuard(QObject* target);

    class Hold {
    public:
        explicit Hold(DeletionGuard& guard) : m_guard(guard) { ++m_guard.m_holds; }
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        DeletionGuard& m_guard;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* m_target;
    int m_holds = 0;
    bool m_pending = false;
};
