#pragma once
// Every message box of the program goes through MsgBox(). The windows install
// a handler that shows a real dialog (InstallDialogMsgBox in
// shell/MsgBoxDialog.h); tests install one that answers and records; without
// either, the text goes to the log and the default answer is returned.
#include <QString>

#include <functional>

class QObject;

enum class MsgButtons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
// The classic answer values, so that code comparing with 6 (Yes) or 7 (No) reads alike.
enum class MsgAnswer { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MsgBoxRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    QObject* parent = nullptr; // the window asking, when there is one
};

using MsgBoxHandler = std::function<MsgAnswer(const MsgBoxRequest&)>;

// Shows a message and returns the button chosen. An empty title becomes
// "Mordaventa".
MsgAnswer MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK,
                 const QString& title = QString(), MsgIcon icon = MsgIcon::None,
                 QObject* parent = nullptr);

// Installs the handler; returns the previous one so it can be restored.
MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler);

// The answer a box gives when nobody can answer it: the first button.
MsgAnswer defaultAnswer(MsgButtons buttons);
