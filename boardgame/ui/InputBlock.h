#pragma once
// While an animation runs (rolls, walks, pauses) a window takes no input:
// clicks and keys for it are swallowed, so nothing starts meanwhile. The
// controls keep their look rather than greying out at every roll.
#include <QObject>

#include <functional>

class QWidget;

class InputBlock : public QObject {
public:
    explicit InputBlock(QWidget* window);
    ~InputBlock() override;
    bool Blocked() const { return m_holds > 0; }

    // Blocks the window's input for as long as it lives; holds nest.
    class Hold {
    public:
        // `onPress`, when given, runs at each click or key swallowed meanwhile.
        explicit Hold(InputBlock& block, std::function<void()> onPress = {});
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        InputBlock& m_block;
        std::function<void()> m_previous;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    int m_holds = 0;
    std::function<void()> m_onPress;
};
