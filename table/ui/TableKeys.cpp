#include "table/ui/TableKeys.h"

#include "table/ui/CardLayer.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

TableKeys::TableKeys(CardLayer* felt, QListWidget* hints, Actions actions)
    : QObject(felt), m_felt(felt), m_hints(hints), m_actions(std::move(actions)) {
    felt->installEventFilter(this);
    hints->installEventFilter(this);
}

bool TableKeys::AsksToSkip(const CardLayer* felt, const QObject* target, const QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Space;
    if (event->type() != QEvent::MouseButtonPress ||
        static_cast<const QMouseEvent*>(event)->button() != Qt::LeftButton)
        return false;
    const auto* widget = qobject_cast<const QWidget*>(target);
    return widget && (widget == felt || felt->isAncestorOf(widget));
}

bool TableKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (watched == m_hints) {
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_actions.lookUpHint &&
            m_hints->currentItem()) {
            m_actions.lookUpHint();
            return true;
        }
        if (key->key() != Qt::Key_Escape)
            return false;
        m_felt->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    if (watched != m_felt || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    return FeltKey(key->key(), key->isAutoRepeat());
}

bool TableKeys::FeltKey(int key, bool autoRepeat) {
    switch (key) {
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
        m_felt->ChoosePile(key - Qt::Key_0);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        m_felt->ChooseNextPile(key == Qt::Key_Left ? -1 : +1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_felt->DropOnChosenPile();
        return true;
    case Qt::Key_Space:
        // A held Space repeats: the repeats of a press that skipped a flight
        // must not turn up cards once the flight has ended.
        if (!autoRepeat && m_actions.drawFromDeck)
            m_actions.drawFromDeck();
        return true;
    case Qt::Key_H:
        if (!m_hints->isEnabled())
            return true;
        m_hints->setFocus(Qt::ShortcutFocusReason);
        if (!m_hints->currentItem() && m_hints->count() > 0)
            m_hints->setCurrentRow(0);
        return true;
    case Qt::Key_L:
        if (m_actions.lettersLeft)
            m_actions.lettersLeft();
        return true;
    default:
        return false;
    }
}
