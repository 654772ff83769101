#pragma once
// The question and spelling squares as the board window opens them: each call
// shows the square's window modally over the board and returns its result.
// Start-up hands one of these to the board window.
#include "boardgame/ui/SquareWindows.h"

class QuestionAndSpellingWindows : public SquareWindows {
public:
    bool LoadQuestion(QWidget* owner, const QString& squareCode, const QPixmap& token,
                      dao::Database& database, ClassPlayerInfo& seatPlayer,
                      ItemLevel level = ItemLevel::Any) override;
    bool LoadSpelling(QWidget* owner, const QString& squareCode, const QPixmap& token,
                      const QString& chance, dao::Database& database, ClassPlayerInfo& seatPlayer,
                      ItemLevel level = ItemLevel::Any) override;
};
