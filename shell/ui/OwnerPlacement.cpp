#include "shell/ui/OwnerPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTimer>

void OwnerPlacement::Install(QApplication& app) {
    app.installEventFilter(new OwnerPlacement(&app));
}

QPoint OwnerPlacement::CentredOver(const QWidget& owner, const QSize& size) {
    const QWidget* window = owner.window();
    const QRect over = window->frameGeometry();
    QPoint at = over.center() - QPoint(size.width() / 2, size.height() / 2);
    if (const QScreen* screen = window->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() - size.width())));
        at.setY(qBound(room.top(), at.y(), qMax(room.top(), room.bottom() - size.height())));
    }
    return at;
}

bool OwnerPlacement::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Resize) || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow())
        return QObject::eventFilter(watched, event);
    if (type == QEvent::Resize) {
        // A box that takes its size while it is being shown (a message box
        // does) is centred again for that size.
        if (m_placing.contains(dialog))
            PlaceOverOwner(dialog);
        return QObject::eventFilter(watched, event);
    }
    // A dialog that was moved on purpose keeps its place.
    if (dialog->testAttribute(Qt::WA_Moved) || !PlaceOverOwner(dialog))
        return QObject::eventFilter(watched, event);
    m_placing.insert(dialog);
    QTimer::singleShot(0, this, [this, dialog] { m_placing.remove(dialog); });
    return QObject::eventFilter(watched, event);
}

bool OwnerPlacement::PlaceOverOwner(QWidget* dialog) {
    QWidget* owner = dialog->parentWidget();
    while (owner && !owner->window()->isVisible())
        owner = owner->window()->parentWidget();
    if (!owner)
        return false;
    // A move of a created window gives it a position of the program's own,
    // which the window manager keeps (the frame position would be taken as
    // including a frame these windows do not have).
    dialog->move(CentredOver(*owner, dialog->frameGeometry().size()));
    return true;
}
