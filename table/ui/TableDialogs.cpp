#include "table/ui/TableDialogs.h"

#include "engine/ClSolitary.h"
#include "engine/ui/frmGameInfo.h"
#include "players/ClassSavedGameInfo.h"
#include "shell/MsgBox.h"
#include "table/ui/frmLettersLeft.h"
#include "table/ui/frmStartGame.h"

namespace TableDialogs {

void ShowStartGame(QWidget* table, ClSolitary& game, RandomSource& random) {
    frmStartGame dialog(
        table, [table, &game, &random](qint16 level, bool wizardOn, bool onlyWinnable) {
            ShowDealProblem(table, game.DealNewCards(level, wizardOn, random, onlyWinnable));
        });
    dialog.LoadGameDefaults();
}

void ShowDealProblem(QWidget* table, DealStatus status) {
    if (status == DealStatus::NoWordList)
        MsgBox(QStringLiteral("Missing dictionary file...Try updating software..."), MsgButtons::OK,
               QString(), MsgIcon::Critical, table);
}

void ShowRestoreProblem(QWidget* table, const RestoreResult& result) {
    switch (result.status) {
    case RestoreStatus::EntryMissing:
        MsgBox(QStringLiteral("The saved game could not be found..."), MsgButtons::OK,
               QStringLiteral("Play Save"), MsgIcon::Exclamation, table);
        return;
    case RestoreStatus::EntryDamaged:
        MsgBox(QStringLiteral("This saved game is damaged and cannot be restored...") +
                   QStringLiteral("\r\n\r\n") + result.why,
               MsgButtons::OK, QStringLiteral("Play Save"), MsgIcon::Exclamation, table);
        return;
    case RestoreStatus::NoWordList:
        MsgBox(QStringLiteral("Missing dictionary file..."), MsgButtons::OK, QString(),
               MsgIcon::Critical, table);
        return;
    case RestoreStatus::Restored:
    case RestoreStatus::CutShort:
        return;
    }
}

void ShowLettersLeft(QWidget* table, const QString& cardsInDeck, const QString& cardsInDiscards) {
    frmLettersLeft window(table);
    window.LoadLettersLeft(cardsInDeck, cardsInDiscards);
}

void ShowGameInfo(QWidget* table, const ClassSavedGameInfo& entry, const QString& rating) {
    auto* window = new frmGameInfo(table); // deletes itself when closed
    window->LoadGameInfo(entry.GameInfo, rating);
    window->show();
}

} // namespace TableDialogs
