#pragma once
// The windows the solitaire table opens that need nothing of the table but a
// parent: start-game, letters left, the saved-game details, and the commands
// whose windows are not part of this version (about box, web dictionary).
#include <QString>

#include <functional>

class ClSolitary;
class ClassSavedGameInfo;
class QWidget;

namespace TableDialogs {

// The start-game dialog, modal over the table; "Deal Out Cards" deals.
void ShowStartGame(QWidget* table, ClSolitary& game);
// The letters-left window, modal, showing the stock and the discards.
void ShowLettersLeft(QWidget* table, const QString& cardsInDeck, const QString& cardsInDiscards);
// The details of one saved game and the player's best at its level; a double
// click on a word runs `lookUp`.
void ShowGameInfo(QWidget* table, const ClassSavedGameInfo& entry, const QString& rating,
                  std::function<void(const QString&)> lookUp);
// Not part of this version: each says so in a message box.
void ShowAbout(QWidget* table);
void ShowNetDictionary(QWidget* table, const QString& word);

} // namespace TableDialogs
