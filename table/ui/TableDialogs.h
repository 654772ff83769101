#pragma once
// The windows the solitaire table opens that need nothing of the table but a
// parent: start-game, letters left and the saved-game details.
#include <QString>

class ClSolitary;
class ClassSavedGameInfo;
class QWidget;
class RandomSource;
enum class DealStatus;
struct RestoreResult;

namespace TableDialogs {

// The start-game dialog, modal over the table; "Deal Out Cards" deals,
// shuffling from `random`.
void ShowStartGame(QWidget* table, ClSolitary& game, RandomSource& random);
// What kept a deal or a restore from laying out its game, as the player
// reads it (nothing when it was laid out).
void ShowDealProblem(QWidget* table, DealStatus status);
void ShowRestoreProblem(QWidget* table, const RestoreResult& result);
// The letters-left window, modal, showing the stock and the discards.
void ShowLettersLeft(QWidget* table, const QString& cardsInDeck, const QString& cardsInDiscards);
// The details of one saved game and the player's best at its level; a double
// click on a word looks it up in the dictionary window.
void ShowGameInfo(QWidget* table, const ClassSavedGameInfo& entry, const QString& rating);

} // namespace TableDialogs
