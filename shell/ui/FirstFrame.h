#pragma once
// A window's first frame: work that would hold a new window up (deriving a
// file's key, say) waits until the window is on the screen.
#include <QObject>

#include <functional>

class QEventLoop;
class QWidget;

class FirstFrame : public QObject {
public:
    // Watches `window` from now on; `then`, if given, runs from the event
    // loop once the first frame is out.
    explicit FirstFrame(QWidget* window, std::function<void()> then = {});
    bool Painted() const { return m_painted; }
    // Runs the events until the first frame is out. A window system that
    // maps windows in its own time needs more than one pass of the events
    // for that; `limitMs` keeps a window that is never painted from waiting.
    void Wait(int limitMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_painted = false;
    QEventLoop* m_waiting = nullptr;
    std::function<void()> m_then;
};
