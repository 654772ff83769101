#pragma once
// The solitaire table window: the caption with its menu of command labels,
// the felt with the cards (CardLayer), the saved-games grid, the word and
// hint lists, music and sound controls and the advertisement pane. It owns
// the player record, the engine (`mySolitaryGame`) and the word list
// (`MyDictionary`); it passes the player's input to the engine and shows and
// animates what the engine decides.
#include "engine/SolitaireTable.h"
#include "players/ClassPlayerInfo.h"
#include "players/LoginHost.h"
#include "table/ui/TableControls.h"

#include <QWidget>

#include <memory>

class BannerRotation;
class ClDictionary;
class ClSolitary;
class QTimer;
class RandomSource;
class TableMusic;
class WinnableWatch;
class frmDialogInfo;
struct FinishedWord;

class frmSolitaire : public QWidget, public TableControls, public SolitaireTable, public LoginHost {
    Q_OBJECT
public:
    // Deals shuffle from `random`, the program's source when none is given.
    explicit frmSolitaire(QWidget* parent = nullptr, RandomSource* random = nullptr);
    ~frmSolitaire() override;

    // The player at the table; empty (no Filename) while nobody is logged in.
    ClassPlayerInfo& Player() { return m_player; }
    std::unique_ptr<ClDictionary> MyDictionary;
    std::unique_ptr<ClSolitary> mySolitaryGame;

    QTimer* TimerDeckAnimation = nullptr;
    // Whether the game can still be won, beside the points (wizard on only).
    WinnableWatch* Winnable() const { return m_winnable.get(); }

    int DeckPicture() const { return m_deckPicture; }
    // False while an animation must not be interrupted (card flights, deal).
    bool TakesInput() const { return !m_inputBlocked; }

    // ---- public operations and events ----------------------------------------
    void OpenlogIn();
    void OpenStartGame();
    void LoadFlexGrid();
    void DisableButtons();
    void RunAds();
    void lblMenu_Click(int index);
    void cmdDeck_Click();
    void cmdLettersLeft_Click();
    void lstWizard_Click();
    // The display's work area changed; `workAreaWidth` in pixels.
    void SysInfo1_DisplayChanged(int workAreaWidth);
    void TimerDeckAnimation_Timer();

    // ---- SolitaireTable --------------------------------------------------------
    void ShowCaption(const QString& caption) override;
    void ShowHelp(const QString& text) override;
    void ShowPoints(qint16 points) override;
    void EnableLettersLeft(bool enabled) override;
    void ResetHints(bool wizardOn) override;
    void ClearHints() override;
    void AddHints(const QStringList& words, bool makeable) override;
    void ShowHintCount(int makeable, int all) override;
    void EnableLookup(bool enabled) override;
    void FocusPile(qint16 pile) override;
    void ShowWords(const QStringList& words) override;
    void ClearCards() override;
    void DealCard(const QString& letter, qint16 pile, bool faceUp, qint16 wordPlace) override;
    void ShowDiscards(const QString& shown, qint16 playable) override;
    void SetBusy(bool busy) override;
    void StopMusic() override;
    void PlaySong() override;
    void PlaySound(const QString& relativeFile) override;
    void GameChanged(const std::optional<SolverMove>& move) override;

    // ---- LoginHost ---------------------------------------------------------------
    void PlayerChanged() override;

Q_SIGNALS:
    // "Board Game": the game is offered for saving and the player let go;
    // start-up hands over to the board window.
    void BoardGameRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Handlers that let window events run (a deal, a restore, a hint search,
    // a modal window) hold one: the table is not closed under them. A close
    // asked for meanwhile ends what is running and follows when the last
    // one has returned.
    class Busy {
    public:
        explicit Busy(frmSolitaire& table);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        frmSolitaire& m_table;
    };

    void ConnectControls();
    // Enables the window after a deal, the focus back on the felt.
    void EnableAgain();
    void FormLoad();
    // Saves the player file and stops sound and music, once; askToSave: offer
    // to save the game in play first.
    void FormUnload(bool askToSave = true);
    // Ends running flights and searches for good: the table is closing.
    void BeginClosing();
    // Asks "Do you wish to save the current game?" when a game can be saved;
    // true when it was saved (the grid and commands are then refreshed).
    bool AskToSaveGame();
    void ApplySavedGameCommands();
    void SetDeckPicture(int resId);
    // What the first frame does not need, once it is out: the sound
    // device's volumes, the music list, the word list (and its loading
    // message), then the start-up advertisement.
    void AfterFirstFrame();
    // The start-up advertisement, modal over the table once it is shown.
    void ShowStartUpAds();
    void OpenNetDictionary(const QString& word);
    // What the table does with the card layer's events.
    void PileCardPressed(int pile);
    void CardOverPile(int pile);
    void CardDropped(int pile);
    void LayAndFollow(qint16 pile, const QString& letter);
    void WordArrived(int pile);
    void ShowWordMade(const QString& word);
    void ShowMistake(qint16 points);
    // The placement dialog, or none while the table closes.
    frmDialogInfo* NewDialogInfo();
    void ShowGameWon(const FinishedWord& finished);

    ClassPlayerInfo m_player;
    RandomSource* m_random = nullptr;
    std::unique_ptr<WinnableWatch> m_winnable;
    TableMusic* m_music = nullptr; // a child, so its timer is found with the table's
    BannerRotation* m_banner = nullptr;
    QString m_deckTag;
    int m_deckPicture = 0;
    int m_busyDepth = 0;
    bool m_closeWanted = false;
    bool m_closing = false;
    bool m_inputBlocked = false;
    bool m_busyPointer = false;
    bool m_unloaded = false;
    bool m_shownOnce = false;
    bool m_painted = false;
};
