#pragma once
// Makes MsgBox() show real dialogs (called once at start-up).
void InstallDialogMsgBox();
