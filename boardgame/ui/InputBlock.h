#pragma once
// While an animation runs (rolls, walks, pauses) a window takes no input:
// clicks and keys for it are swallowed, so nothing starts meanwhile. The
// controls keep their look rather than greying out at every roll.
#include <QObject>

class QWidget;

class InputBlock : public QObject {
public:
    explicit InputBlock(QWidget* window);
    ~InputBlock() override;
    bool Blocked() const { return m_holds > 0; }

    // Blocks the window's input for as long as it lives; holds nest.
    class Hold {
    public:
        explicit Hold(InputBlock& block);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        InputBlock& m_block;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    int m_holds = 0;
};
