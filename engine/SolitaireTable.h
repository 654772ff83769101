#pragma once
// What the solitaire engine does to the table window. The engine lives in the
// core library without widgets, so every effect it has on the table's
// controls, timers and public members goes through this interface; the table
// window implements it, tests implement it with a recording fake.
//
// Indexes follow the table's control arrays: pile cards `piccards` 0..n-1
// (element 0 is the hidden template), discard slots `picDiscard` 1..6.
#include <QString>
#include <QStringList>
#include <QtGlobal>

class SolitaireTable {
public:
    virtual ~SolitaireTable() = default;

    // --- captions and labels -------------------------------------------
    // lblFormCaption caption.
    virtual void SetFormCaption(const QString& caption) = 0;
    // lblHelpPlay: shown with the caption, or hidden (caption ignored).
    virtual void SetHelpPlay(bool visible, const QString& caption = QString()) = 0;
    // lblPoints caption.
    virtual void SetPointsCaption(const QString& caption) = 0;
    // lblWizard caption (the hint count).
    virtual void SetWizardCaption(const QString& caption) = 0;
    // cmdLettersLeft enabled state.
    virtual void SetLettersLeftEnabled(bool enabled) = 0;
    // lblMenu(4) "Net Dictionary" enabled state.
    virtual void SetNetDictionaryEnabled(bool enabled) = 0;
    // cmdDeck picture: an embedded picture number (133-143).
    virtual void SetDeckPicture(int resId) = 0;

    // --- lstWizard --------------------------------------------------------
    virtual void WizardClear() = 0;
    // Adds items at the end, in order.
    virtual void WizardAddItems(const QStringList& items) = 0;
    virtual int WizardCount() const = 0;
    // Selection index; -1 is none.
    virtual void WizardSetListIndex(int index) = 0;
    virtual void WizardSetEnabled(bool enabled) = 0;
    // The list box's Tag: the pile number of the latest hint search, as text.
    virtual QString GetWizardTag() const = 0;
    virtual void SetWizardTag(const QString& tag) = 0;

    // --- lstWords ---------------------------------------------------------
    virtual void WordsClear() = 0;
    virtual void WordsAddItem(const QString& word) = 0;

    // --- piccards (pile cards) --------------------------------------------
    // Number of elements of piccards, the template included.
    virtual int PileCardCount() const = 0;
    // Loads a new element at `index` (== PileCardCount()) into picGame,
    // brings it to the front and gives it myLetter, DataField, FrontOrBack.
    virtual void LoadPileCard(int index, const QString& letter, qint16 pile, bool faceUp) = 0;
    // Hides element 0 and unloads every other element.
    virtual void UnloadPileCards() = 0;
    // Enables Timer2 for the newest pile card and returns when the flight has
    // ended (Timer2 disabled itself), processing window events meanwhile.
    virtual void FlyCardToPile(int index) = 0;

    // --- picDiscard (slots 1..6) -----------------------------------------
    virtual void DiscardMaskRemove(int slot) = 0;
    virtual void DiscardMaskSet(int slot, quint32 bgrColour) = 0;
    virtual void DiscardMove(int slot, int left, int top) = 0;
    virtual void DiscardBringToFront(int slot) = 0;
    virtual void DiscardSetVisible(int slot, bool visible) = 0;
    // Sets myLetter and loads the card's face picture.
    virtual void DiscardSetLetter(int slot, const QString& letter) = 0;

    // --- form, pointer, timers, music, sound ------------------------------
    virtual void SetFormEnabled(bool enabled) = 0;
    // The hourglass while true, the default pointer otherwise.
    virtual void SetBusyPointer(bool busy) = 0;
    virtual void SetTimerDeckAnimation(bool enabled) = 0;
    // Stops TimerAtEndFile and closes the music alias "midiSounds".
    virtual void StopMusic() = 0;
    virtual void PlaySong() = 0;
    virtual void MusicOff() = 0;
    // "Sounds On" is ticked.
    virtual bool SoundsOn() const = 0;
    // Plays a sound effect ("\Sounds\clap.wav") when "Sounds On" is ticked.
    virtual void PlaySoundEffect(const QString& relativeFile) = 0;

    // --- table procedures the engine and its dialogs call -----------------
    virtual void cmdDeck_Click() = 0;
    virtual void PileFocus(qint16 pile) = 0;
    // The refused top discard flies back to its slot.
    virtual void moveCardBack() = 0;
    // Lays the dragged top discard on the pile (pile text and discards are
    // changed by the table, as its drop does).
    virtual void LayCardDown(qint16 pile) = 0;
    virtual void MoveCardsToWordList() = 0;
    virtual void FilpNextCardOver() = 0;
    virtual void LoadFlexGrid() = 0;
    virtual void DisableButtons() = 0;
    virtual void RunAds() = 0;
    // frmDictionary on "dictionary.asp?search=" + word.
    virtual void OpenNetDictionary(const QString& word) = 0;

    // --- dialogs ----------------------------------------------------------
    // frmStartGame.LoadGameDefaults: the start-game dialog, modal; its
    // "Deal Out Cards" calls the engine's DealNewCards.
    virtual void LoadGameDefaults() = 0;
    // frmDialogInfo.LoadWordMade / LoadMistake, frmGameDone.GameWon.
    virtual void LoadWordMade(const QString& word) = 0;
    virtual void LoadMistake() = 0;
    virtual void GameWon() = 0;

    // --- public members of the table --------------------------------------
    virtual qint16 GetPileOver() const = 0;
    virtual void SetPileOver(qint16 pile) = 0;
    virtual void SetPicCardsIndex(qint16 index) = 0;
    virtual qint16 GetSaveGameCardPos() const = 0;
    virtual void SetSaveGameCardPos(qint16 pos) = 0;
    // The table's DeleteIndex: saved games removed during this run.
    virtual qint16 GetDeleteIndex() const = 0;
};
