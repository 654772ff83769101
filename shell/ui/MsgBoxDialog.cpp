#include "shell/ui/MsgBoxDialog.h"

#include "shell/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

QMessageBox::StandardButtons standardButtons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OK:
        return QMessageBox::Ok;
    case MsgButtons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon standardIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::None:
        return QMessageBox::NoIcon;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer toAnswer(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Abort:
        return MsgAnswer::Abort;
    case QMessageBox::Retry:
        return MsgAnswer::Retry;
    case QMessageBox::Ignore:
        return MsgAnswer::Ignore;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        return MsgAnswer::OK;
    }
}

// The window a box belongs to: the asking window when it is shown, else the
// nearest shown window that owns it, else the window in front.
QWidget* ownerOf(QObject* asking) {
    for (QWidget* w = qobject_cast<QWidget*>(asking); w; w = w->window()->parentWidget()) {
        if (w->window()->isVisible())
            return w->window();
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

MsgAnswer showDialog(const MsgBoxRequest& request) {
    QWidget* parent = ownerOf(request.parent);
    QMessageBox box(standardIcon(request.icon), request.title, request.text,
                    standardButtons(request.buttons), parent);
    return toAnswer(box.exec());
}

} // namespace

void InstallDialogMsgBox() {
    setMsgBoxHandler(showDialog);
}
