#include "table/ui/TableDialogs.h"

#include "engine/ClSolitary.h"
#include "engine/ui/frmGameInfo.h"
#include "players/ClassSavedGameInfo.h"
#include "table/ui/frmLettersLeft.h"
#include "table/ui/frmStartGame.h"

namespace TableDialogs {

void ShowStartGame(QWidget* table, ClSolitary& game) {
    frmStartGame dialog(
        table, [&game](qint16 level, bool wizardOn) { game.DealNewCards(level, wizardOn); });
    dialog.LoadGameDefaults();
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
