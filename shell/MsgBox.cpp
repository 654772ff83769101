#include "shell/MsgBox.h"

#include "shell/Logging.h"

namespace {

MsgBoxHandler& currentHandler() {
    static MsgBoxHandler handler;
    return handler;
}

} // namespace

MsgAnswer defaultAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OK:
    case MsgButtons::OKCancel:
        return MsgAnswer::OK;
    case MsgButtons::AbortRetryIgnore:
        return MsgAnswer::Abort;
    case MsgButtons::YesNoCancel:
    case MsgButtons::YesNo:
        return MsgAnswer::Yes;
    case MsgButtons::RetryCancel:
        return MsgAnswer::Retry;
    }
    return MsgAnswer::OK;
}

MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title, MsgIcon icon,
                 QObject* parent) {
    MsgBoxRequest request{text, title.isEmpty() ? QStringLiteral("Mordaventa") : title, buttons,
                          icon, parent};
    if (currentHandler())
        return currentHandler()(request);
    qCInfo(lcMordaventa).noquote() << request.title << ":" << request.text;
    return defaultAnswer(buttons);
}

MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler) {
    MsgBoxHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}
