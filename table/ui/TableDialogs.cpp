#include "table/ui/TableDialogs.h"

#include "engine/ClSolitary.h"
#include "engine/ui/frmDialogInfo.h"
#include "engine/ui/frmGameDone.h"
#include "engine/ui/frmGameInfo.h"
#include "players/ClassPlayerInfo.h"
#include "players/ui/frmLogin.h"
#include "shell/MsgBox.h"
#include "table/ui/frmLettersLeft.h"
#include "table/ui/frmSolitaire.h"
#include "table/ui/frmStartGame.h"

namespace TableDialogs {

void ShowLogin(QWidget* table, LoginHost* host) {
    frmLogin::LoadSolitaireLogin(table, host);
}

void ShowStartGame(QWidget* table, ClSolitary& game) {
    frmStartGame dialog(
        table, [&game](qint16 level, bool wizardOn) { game.DealNewCards(level, wizardOn); });
    dialog.LoadGameDefaults();
}

void ShowLettersLeft(QWidget* table, const QString& cardsInDeck, const QString& cardsInDiscards) {
    frmLettersLeft window(table);
    window.LoadLettersLeft(cardsInDeck, cardsInDiscards);
}

void ShowWordMade(frmSolitaire* table, ClSolitary& game, const QString& word) {
    // Modal but not blocking: the word's cards fly while it is open. It
    // deletes itself when closed.
    auto* dialog = new frmDialogInfo(*table, game, table);
    dialog->LoadWordMade(word);
}

void ShowMistake(frmSolitaire* table, ClSolitary& game) {
    auto* dialog = new frmDialogInfo(*table, game, table);
    dialog->LoadMistake();
}

void ShowGameWon(frmSolitaire* table, ClSolitary& game) {
    frmGameDone window(*table, game, table);
    window.GameWon();
}

void ShowGameInfo(frmSolitaire* table, const ClassSavedGameInfo& entry) {
    auto* window = new frmGameInfo(table, table); // deletes itself when closed
    window->LoadGameInfo(entry.GameInfo, CurrentPlayer().Rating);
    window->show();
}

void ShowAbout(QWidget* table) {
    MsgBox(QStringLiteral("Vantorell - a word solitaire of the Mordaventa word games, version ") +
               QStringLiteral(MORDAVENTA_VERSION) + QStringLiteral("..."),
           MsgButtons::OK, QStringLiteral("About"), MsgIcon::Information, table);
}

void ShowNetDictionary(QWidget* table, const QString& word) {
    MsgBox(QStringLiteral("The web dictionary is not part of this version...\nLook up '") + word +
               QStringLiteral("' in your own dictionary."),
           MsgButtons::OK, QStringLiteral("Net Dictionary"), MsgIcon::Information, table);
}

} // namespace TableDialogs
