#include "table/ui/TableDialogs.h"

#include "engine/ClSolitary.h"
#include "engine/ui/frmGameInfo.h"
#include "players/ClassSavedGameInfo.h"
#include "shell/MsgBox.h"
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

void ShowGameInfo(QWidget* table, const ClassSavedGameInfo& entry, const QString& rating,
                  std::function<void(const QString&)> lookUp) {
    auto* window = new frmGameInfo(table, std::move(lookUp)); // deletes itself when closed
    window->LoadGameInfo(entry.GameInfo, rating);
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
