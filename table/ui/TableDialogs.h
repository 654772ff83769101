#pragma once
// The windows the solitaire table opens, kept apart from the table window so
// it stays a coordinator: login, start-game, letters left, the placement and
// game-over dialogs, the saved-game details, and the commands whose windows
// are not part of this version (about box, web dictionary).
#include <QString>

class ClSolitary;
class ClassSavedGameInfo;
class LoginHost;
class QWidget;
class frmSolitaire;

namespace TableDialogs {

// The login window in solitaire mode, modal over the table.
void ShowLogin(QWidget* table, LoginHost* host);
// The start-game dialog, modal over the table; "Deal Out Cards" deals.
void ShowStartGame(QWidget* table, ClSolitary& game);
// The letters-left window, modal, showing the stock and the discards.
void ShowLettersLeft(QWidget* table, const QString& cardsInDeck, const QString& cardsInDiscards);
// The word-made and mistake dialogs and the game-over window.
void ShowWordMade(frmSolitaire* table, ClSolitary& game, const QString& word);
void ShowMistake(frmSolitaire* table, ClSolitary& game);
void ShowGameWon(frmSolitaire* table, ClSolitary& game);
// The details of one saved game.
void ShowGameInfo(frmSolitaire* table, const ClassSavedGameInfo& entry);
// Not part of this version: each says so in a message box.
void ShowAbout(QWidget* table);
void ShowNetDictionary(QWidget* table, const QString& word);

} // namespace TableDialogs
