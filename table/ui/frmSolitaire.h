#pragma once
// The solitaire table window: the playing area with the deck, the discards and
// the five piles, the menu of command labels, the saved-games grid, the word
// and hint lists, music and sound controls and the advertisement pane. It owns
// the engine (`mySolitaryGame`) and the word list (`MyDictionary`), carries
// out what the engine asks of it (SolitaireTable) and what the login window
// asks of it (LoginHost), and animates the cards.
#include "engine/SolitaireTable.h"
#include "players/LoginHost.h"

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>

class ClDictionary;
class ClSolitary;
class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSlider;
class QTextBrowser;
class QTimer;
class SavedGamesGrid;
class TableMusic;
class UserControlCards;

// The playing area: paints its background tile over its whole surface.
class TiledPicture : public QWidget {
    Q_OBJECT
public:
    explicit TiledPicture(QWidget* parent = nullptr);
    void SetTile(const QPixmap& tile);
    const QPixmap& Tile() const { return m_tile; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_tile;
};

class frmSolitaire : public QWidget, public SolitaireTable, public LoginHost {
    Q_OBJECT
public:
    explicit frmSolitaire(QWidget* parent = nullptr);
    ~frmSolitaire() override;

    // Design-time size of the window and of the playing area.
    static constexpr int kDesignWidth = 800;
    static constexpr int kDesignHeight = 592;
    static constexpr int kPlayAreaHeight = 460;

    // ---- members other windows and the engine read -------------------------
    std::unique_ptr<ClDictionary> MyDictionary;
    std::unique_ptr<ClSolitary> mySolitaryGame;
    qint16 DeleteIndex = 0;
    qint16 picCardsIndex = 0;
    qint16 PileOver = 0;
    qint16 SaveGameCardPos = 0;
    // The card backs by key: "BackCard", "BackCard90", "BackCard180", "BackCard270".
    QHash<QString, QPixmap> CardBacks;

    // ---- controls ------------------------------------------------------------
    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QList<QLabel*> lblMenu; // 0 to 7
    TiledPicture* picGame = nullptr;
    QLabel* Picture2 = nullptr;
    QWidget* picAdds = nullptr;
    QTextBrowser* WebBrowser1 = nullptr;
    QPushButton* cmdDeck = nullptr;
    QList<UserControlCards*> piccards;             // element 0 is the hidden template
    std::array<UserControlCards*, 7> picDiscard{}; // slots 1 to 6 are played; 0 stays hidden
    QWidget* shapeDiscard = nullptr;
    QListWidget* lstWords = nullptr;
    QListWidget* lstWizard = nullptr;
    QLabel* lblWizard = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblPoints = nullptr;
    QLabel* lblHelpPlay = nullptr;
    QPushButton* cmdLettersLeft = nullptr;
    QCheckBox* chkMusic = nullptr;
    QCheckBox* chkSound = nullptr;
    QSlider* sldMusic = nullptr;
    QSlider* sldSound = nullptr;
    SavedGamesGrid* FlexGrid = nullptr;
    QTimer* TimerDeckAnimation = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* TimerMoveCardBack = nullptr;
    QTimer* TimerWordDone = nullptr;
    QTimer* TimerAtEndFile = nullptr; // belongs to the music helper

    // Tags of the step machines and of the hint list, as text.
    QString Timer2Tag = QStringLiteral("0");
    QString DeckTag;
    int DeckPicture() const { return m_deckPicture; }
    // False while an animation must not be interrupted (card flights, deal).
    bool TakesInput() const { return !m_inputBlocked; }

    // ---- public operations -------------------------------------------------
    void OpenlogIn();
    void OpenStartGame() override;
    void LoadFlexGrid() override;
    void DisableButtons() override;
    void RunAds() override;
    void TileImage(TiledPicture* target, QLabel* source);
    void PlaySong() override;
    void MusicOff() override;
    void PileFocus(qint16 pile) override;
    void moveCardBack() override;
    void LayCardDown(qint16 pile) override;
    void MoveCardsToWordList() override;
    void FilpNextCardOver() override;

    // ---- events (public so tests and the engine can raise them) ------------
    void lblMenu_Click(int index);
    void cmdDeck_Click() override;
    void cmdLettersLeft_Click();
    void chkMusic_Click();
    void lstWizard_Click();
    void lstWizard_DblClick();
    void lstWords_DblClick();
    // The display's work area changed; `workAreaWidth` in pixels.
    void SysInfo1_DisplayChanged(int workAreaWidth);
    void TimerDeckAnimation_Timer();
    void Timer2_Timer();
    void TimerMoveCardBack_Timer();
    void TimerWordDone_Timer();
    void TimerAtEndFile_Timer();

    // Tests: card flights of the deal run their ticks at once instead of
    // waiting for Timer2's interval.
    void SetStepFlightsDirectly(bool direct) { m_stepFlightsDirectly = direct; }

    // ---- SolitaireTable ----------------------------------------------------
    void SetFormCaption(const QString& caption) override;
    void SetHelpPlay(bool visible, const QString& caption = QString()) override;
    void SetPointsCaption(const QString& caption) override;
    void SetWizardCaption(const QString& caption) override;
    void SetLettersLeftEnabled(bool enabled) override;
    void SetNetDictionaryEnabled(bool enabled) override;
    void SetDeckPicture(int resId) override;
    void WizardClear() override;
    void WizardAddItems(const QStringList& items) override;
    int WizardCount() const override;
    void WizardSetListIndex(int index) override;
    void WizardSetEnabled(bool enabled) override;
    QString GetWizardTag() const override;
    void SetWizardTag(const QString& tag) override;
    void WordsClear() override;
    void WordsAddItem(const QString& word) override;
    int PileCardCount() const override;
    void LoadPileCard(int index, const QString& letter, qint16 pile, bool faceUp) override;
    void UnloadPileCards() override;
    void FlyCardToPile(int index) override;
    void DiscardMaskRemove(int slot) override;
    void DiscardMaskSet(int slot, quint32 bgrColour) override;
    void DiscardMove(int slot, int left, int top) override;
    void DiscardBringToFront(int slot) override;
    void DiscardSetVisible(int slot, bool visible) override;
    void DiscardSetLetter(int slot, const QString& letter) override;
    void SetFormEnabled(bool enabled) override;
    void SetBusyPointer(bool busy) override;
    void SetTimerDeckAnimation(bool enabled) override;
    void StopMusic() override;
    bool SoundsOn() const override;
    void PlaySoundEffect(const QString& relativeFile) override;
    void OpenNetDictionary(const QString& word) override;
    void LoadGameDefaults() override;
    void LoadWordMade(const QString& word) override;
    void LoadMistake() override;
    void GameWon() override;
    qint16 GetPileOver() const override { return PileOver; }
    void SetPileOver(qint16 pile) override { PileOver = pile; }
    void SetPicCardsIndex(qint16 index) override { picCardsIndex = index; }
    qint16 GetSaveGameCardPos() const override { return SaveGameCardPos; }
    void SetSaveGameCardPos(qint16 pos) override { SaveGameCardPos = pos; }
    qint16 GetDeleteIndex() const override { return DeleteIndex; }

    // ---- LoginHost ---------------------------------------------------------
    void SetGreeting(const QString& caption) override;

Q_SIGNALS:
    // Timer2 stopped: the card in flight has arrived (or the table closed).
    void DealFlightEnded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildCaptionBar();
    void BuildPlayArea();
    void FormLoad();
    void FormResize();
    // The caption's font a point or two smaller when its text is too long.
    void FitFormCaption();
    bool FormUnload();
    UserControlCards* MakeCard(QWidget* parent, const QString& name);
    void RenumberPileCards();
    void ConnectPileCard(UserControlCards* card);
    void ConnectDiscard(int slot);
    void PileCard_MouseDown(UserControlCards* card);
    void Discard_MouseDown(int slot, Qt::MouseButtons button, int x, int y);
    void Discard_MouseMove(int slot, Qt::MouseButtons buttons, int x, int y);
    void Discard_MouseUp(int slot, Qt::MouseButtons button);
    void FlexGrid_RowChanged();
    void ApplySavedGameCommands();
    // Asks "Do you wish to save the current game?" while a game is in play;
    // true when the game was saved.
    bool AskToSaveGame();
    void StopTimer2();
    // The hint list for a pile, counting the top discard as laid by default.
    void RefreshWizard(qint16 pile, bool withTopDiscard = true);
    int CountPileCards(int pile) const;
    int FirstFaceUpLeft(int pile) const;
    UserControlCards* NthPileCard(int pile, int n) const;
    UserControlCards* TopDiscard() const;
    QPixmap MakeFeltTile() const;
    QString OfflinePage() const;

    TableMusic* m_music = nullptr;        // a child, so its timer is found with the table's
    QList<UserControlCards*> m_wordCards; // the finished word's cards, in word order
    QPointF m_grab;
    bool m_dragging = false;
    bool m_inputBlocked = false;
    bool m_busyPointer = false;
    bool m_unloaded = false;
    bool m_shownOnce = false;
    bool m_stepFlightsDirectly = false;
    int m_deckPicture = 0;
};
