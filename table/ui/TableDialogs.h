#pragma once
// The windows the solitaire table opens that need nothing of the table but a
// parent: start-game, letters left and the saved-game details.
#include <QString>

class ClSolitary;
class ClassSavedGameInfo;
class QWidget;

namespace TableDialogs {

// The start-game dialog, modal over the table; "Deal Out Cards" deals.
void ShowStartGame(QWidget* table, ClSolitary& game);
// The letters-left window, modal, showing the stock and the discards.
void ShowLettersLeft(QWidget* table, const QString& cardsInDeck, const QString& cardsInDiscards);
// The details of one saved game and the player's best at its level; a double
// click on a word looks it up in the dictionary window.
void ShowGameInfo(QWidget* table, const ClassSavedGameInfo& entry, const QString& rating);

} // namespace TableDialogs
