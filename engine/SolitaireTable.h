#pragma once
// What the solitaire engine tells the table window: what to show after the
// engine has decided something. Nothing here asks the window for its state
// or runs its handlers; the window calls the engine and animates from what
// the engine returns. The table implements it, tests with a recording fake.
#include "engine/DealSolver.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

class SolitaireTable {
public:
    virtual ~SolitaireTable() = default;

    // The caption line and the help line under the piles (empty: hidden).
    virtual void ShowCaption(const QString& caption) = 0;
    virtual void ShowHelp(const QString& text) = 0;
    virtual void ShowPoints(qint16 points) = 0;
    virtual void EnableLettersLeft(bool enabled) = 0;

    // The hint list: emptied and greyed with "Off" for a game without the
    // wizard, or emptied and live for one with it; then filled while a
    // search runs and its count shown when the search ends. Words that can
    // still be made come first; those whose missing letters the unplayed
    // cards cannot give (makeable false) follow them, shown greyed.
    virtual void ResetHints(bool wizardOn) = 0;
    virtual void ClearHints() = 0;
    virtual void AddHints(const QStringList& words, bool makeable) = 0;
    // makeable of all listed words can still be made.
    virtual void ShowHintCount(int makeable, int all) = 0;
    // The web-dictionary command, which needs a chosen hint.
    virtual void EnableLookup(bool enabled) = 0;
    // Lights the cards of a pile (0: none).
    virtual void FocusPile(qint16 pile) = 0;

    // The list of words made so far.
    virtual void ShowWords(const QStringList& words) = 0;

    // The pile cards: all taken away, or one more dealt onto a pile. A deal
    // returns once the card has flown to its place; `wordPlace` is a face-up
    // card's place in a restored word (1 for the first letter, 0 when dealt).
    virtual void ClearCards() = 0;
    virtual void DealCard(const QString& letter, qint16 pile, bool faceUp, qint16 wordPlace) = 0;
    // The discards: `shown` holds the cards of slots 1 up, the top discard
    // last; `playable` is the slot marked as the one to play (0: none).
    virtual void ShowDiscards(const QString& shown, qint16 playable) = 0;

    // While busy (a deal, a restore) the pointer is the hourglass, the deck
    // rests and the table takes no input.
    virtual void SetBusy(bool busy) = 0;
    virtual void StopMusic() = 0;
    virtual void PlaySong() = 0;
    // A sound effect such as "\Sounds\cardClick.wav", when sounds are on.
    virtual void PlaySound(const QString& relativeFile) = 0;
    // The cards moved: by the player's draw or lay (`move`), or the game was
    // laid out, restored or cleared (no move). A table that follows whether
    // the game can still be won asks again.
    virtual void GameChanged(const std::optional<SolverMove>& move) { Q_UNUSED(move) }
};
