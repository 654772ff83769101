#include "squares/ui/QuestionAndSpellingWindows.h"

#include "squares/ui/frmQuestion.h"
#include "squares/ui/frmSpelling.h"

bool QuestionAndSpellingWindows::LoadQuestion(QWidget* owner, const QString& squareCode,
                                              const QPixmap& token, dao::Database& database,
                                              ClassPlayerInfo& seatPlayer, ItemLevel level) {
    frmQuestion window(owner);
    return window.LoadQuestion(squareCode, token, database, seatPlayer, level);
}

bool QuestionAndSpellingWindows::LoadSpelling(QWidget* owner, const QString& squareCode,
                                              const QPixmap& token, const QString& chance,
                                              dao::Database& database, ClassPlayerInfo& seatPlayer,
                                              ItemLevel level) {
    frmSpelling window(owner);
    return window.LoadSpelling(squareCode, token, chance, database, seatPlayer, level);
}
