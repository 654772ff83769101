#include "boardgame/ui/InputBlock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

InputBlock::InputBlock(QWidget* window) : QObject(window), m_window(window) {}

InputBlock::~InputBlock() {
    if (m_holds > 0)
        qApp->removeEventFilter(this);
}

InputBlock::Hold::Hold(InputBlock& block) : m_block(block) {
    if (m_block.m_holds++ == 0)
        qApp->installEventFilter(&m_block);
}

InputBlock::Hold::~Hold() {
    if (--m_block.m_holds == 0)
        qApp->removeEventFilter(&m_block);
}

bool InputBlock::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->window() == m_window)
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
