#include "squares/ui/QuestionAndSpellingWindows.h"

#include "squares/ui/frmQuestion.h"
#include "squares/ui/frmSpelling.h"

#include <QPointer>

bool QuestionAndSpellingWindows::LoadQuestion(QWidget* owner, const QString& squareCode,
                                              const QPixmap& token, dao::Database& database,
                                              ClassPlayerInfo& seatPlayer, ItemLevel level) {
    // Owned by the owner as well: whichever goes first, the window is
    // deleted once.
    const QPointer<frmQuestion> window = new frmQuestion(owner);
    const bool right = window->LoadQuestion(squareCode, token, database, seatPlayer, level);
    delete window.data();
    return right;
}

bool QuestionAndSpellingWindows::LoadSpelling(QWidget* owner, const QString& squareCode,
                                              const QPixmap& token, const QString& chance,
                                              dao::Database& database, ClassPlayerInfo& seatPlayer,
                                              ItemLevel level) {
    const QPointer<frmSpelling> window = new frmSpelling(owner);
    const bool right = window->LoadSpelling(squareCode, token, chance, database, seatPlayer, level);
    delete window.data();
    return right;
}
