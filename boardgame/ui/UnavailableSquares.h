#pragma once
// The squares as they behave while the question and spelling windows are not
// part of the program: a question square cannot be opened and grants a free
// move (with the question window's own message), a spelling square counts as
// a word not spelled (no word could be drawn).
#include "boardgame/ui/SquareWindows.h"

class UnavailableSquares final : public SquareWindows {
public:
    bool LoadQuestion(QWidget* owner, const QString& squareCode, const QPixmap& token,
                      dao::Database& database, ClassPlayerInfo& seatPlayer) override;
    bool LoadSpelling(QWidget* owner, const QString& squareCode, const QPixmap& token,
                      const QString& chance, dao::Database& database,
                      ClassPlayerInfo& seatPlayer) override;
};
