#include "players/ui/PlayerFileMessages.h"

#include "shell/MsgBox.h"

#include <QWidget>

void ShowPlayerFileNotWritten(const QString& nickName, QWidget* owner) {
    MsgBox(QStringLiteral("Could not write the player file for ") + nickName +
               QStringLiteral("...\nThe previous file was kept."),
           MsgButtons::OK, QString(), MsgIcon::Critical, owner);
}
