#include "boardgame/ui/UnavailableSquares.h"

#include "shell/MsgBox.h"

#include <QWidget>

bool UnavailableSquares::LoadQuestion(QWidget* owner, const QString&, const QPixmap&,
                                      dao::Database&, ClassPlayerInfo&) {
    MsgBox(QStringLiteral("Error in opening board game question... Free Space is granted..."),
           MsgButtons::OK, QStringLiteral("Board Game"), MsgIcon::Exclamation, owner);
    return true;
}

bool UnavailableSquares::LoadSpelling(QWidget*, const QString&, const QPixmap&, const QString&,
                                      dao::Database&, ClassPlayerInfo&) {
    return false;
}
