#include "boardgame/ui/InputBlock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

InputBlock::InputBlock(QWidget* window) : QObject(window), m_window(window) {}

InputBlock::~InputBlock() {
    if (m_holds > 0)
        qApp->removeEventFilter(this);
}

InputBlock::Hold::Hold(InputBlock& block, std::function<void()> onPress)
    : m_block(block), m_previous(std::exchange(block.m_onPress, std::move(onPress))) {
    if (m_block.m_holds++ == 0)
        qApp->installEventFilter(&m_block);
}

InputBlock::Hold::~Hold() {
    m_block.m_onPress = std::move(m_previous);
    if (--m_block.m_holds == 0)
        qApp->removeEventFilter(&m_block);
}

bool InputBlock::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
        if (auto* widget = qobject_cast<QWidget*>(watched);
            widget && widget->window() == m_window) {
            if (m_onPress && (type == QEvent::MouseButtonPress || type == QEvent::KeyPress))
                m_onPress();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
