#include "shell/ui/ModalCloser.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

ModalCloser::ModalCloser(const QStringList& objectNames, QObject* parent)
    : QObject(parent), m_names(objectNames) {
    // QCoreApplication: the closer also lives in programs without widgets.
    QCoreApplication::instance()->installEventFilter(this);
}

bool ModalCloser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && m_names.contains(watched->objectName())) {
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isModal()) {
            ++m_shown[watched->objectName()];
            auto* poll = new QTimer(dialog);
            poll->setInterval(5);
            connect(poll, &QTimer::timeout, dialog, [dialog] {
                if (dialog->isVisible())
                    dialog->reject();
            });
            poll->start();
        }
    }
    return QObject::eventFilter(watched, event);
}
