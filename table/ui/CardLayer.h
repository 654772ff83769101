#pragma once
// The felt of the solitaire table with its cards: the pile cards `piccards`,
// the discard slots `picDiscard`, dragging the top discard over the piles'
// drop bands, and the three flights with their timers: a dealt card
// (Timer2), a refused card flying back (TimerMoveCardBack) and a made word
// flying to the list (TimerWordDone). It is the playing area `picGame`
// itself, so the table's lists and buttons lie on the same felt. It knows
// cards and places only; what a drop means is decided by the engine, and the
// table is told through the signals below. The felt takes the keyboard focus:
// a pile chosen by keys is framed, and the top discard can be dropped on it
// as a drag would (see TableKeys). A player who does not want to wait skips
// the flights.
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include <array>

class QTimer;
class UserControlCards;

class CardLayer : public QWidget {
    Q_OBJECT
public:
    explicit CardLayer(QWidget* parent = nullptr);

    // The felt tile, repeated over the whole area.
    void SetTile(const QPixmap& tile);
    const QPixmap& Tile() const { return m_tile; }

    // ---- the cards -----------------------------------------------------------
    QList<UserControlCards*> piccards;             // element 0 is the hidden template
    std::array<UserControlCards*, 7> picDiscard{}; // slots 1 to 6 are played; 0 stays hidden
    // The card backs by key: "BackCard", "BackCard90", "BackCard180", "BackCard270".
    QHash<QString, QPixmap> CardBacks;
    // The pile (1 to 5) the dragged card is over, 0 for none.
    qint16 PileOver = 0;

    // A new pile card, face up or down, not yet shown.
    UserControlCards* LoadPileCard(const QString& letter, qint16 pile, bool faceUp);
    // Loads a card and lets it fly from the deck to its pile; returns when it
    // has arrived (letting window events run meanwhile). `wordPlace` puts a
    // restored face-up card under the letters before it.
    void DealCard(const QString& letter, qint16 pile, bool faceUp, qint16 wordPlace);
    // Hides the template and takes every other pile card away.
    void ClearCards();
    // The discard slots: `shown` holds slots 1 up (the top discard last),
    // `playable` the slot tinted as the one to play.
    void ShowDiscards(const QString& shown, qint16 playable);
    // Lights the cards of a pile; 0 lights none.
    void FocusPile(qint16 pile);
    // The dragged top discard is laid on a pile as `letter`.
    void LayCard(qint16 pile, const QString& letter);
    // The top discard flies back to its slot.
    void FlyBack();
    // The face-up cards of a pile fly to the list of made words.
    void FlyWord(qint16 pile);
    // The table closes: flights end at once (a returning card is home, a
    // made word arrives, a dealt card lands).
    void FinishFlights();

    UserControlCards* TopDiscard() const;
    int CountPileCards(int pile) const;

    // ---- keyboard ------------------------------------------------------------
    // The pile chosen by keys (1 to 5, 0 for none), framed while the felt has
    // the focus.
    qint16 ChosenPile() const { return m_chosenPile; }
    // Chooses a pile with cards as a press on one of its cards does (the pile
    // is lit and PileCardPressed follows); false for a pile with none.
    bool ChoosePile(int pile);
    // Chooses the next pile with cards to the right (+1) or left (-1), round
    // the end of the row.
    void ChooseNextPile(int direction);
    // Puts the top discard on the chosen pile and drops it there, as a drag
    // released over the pile: the same verdicts and flights follow. False when
    // there is no top discard or no chosen pile with cards.
    bool DropOnChosenPile();
    // The frame around the chosen pile, in the felt's coordinates (empty when
    // none is drawn).
    QRect ChosenPileFrame() const;

    // ---- skipping flights ----------------------------------------------------
    // A deal or a restore lays its cards out from now until `false`.
    void SetDealing(bool dealing);
    // The player does not want to wait: the card in flight and every card
    // still to come in this deal land where their flights would have put
    // them, a returning card is home and a made word has arrived; the click
    // sounds once. False (and no sound) when nothing was flying.
    bool SkipFlights();

    // ---- timers and their ticks (public so tests step them) -----------------
    QTimer* Timer2 = nullptr;
    QTimer* TimerMoveCardBack = nullptr;
    QTimer* TimerWordDone = nullptr;
    QString Timer2Tag = QStringLiteral("0");
    void Timer2_Timer();
    void TimerMoveCardBack_Timer();
    void TimerWordDone_Timer();
    // Tests: a dealt card's flight runs its ticks at once instead of waiting
    // for Timer2's interval.
    void SetStepFlightsDirectly(bool direct) { m_stepFlightsDirectly = direct; }

Q_SIGNALS:
    // A flight starts or ends: the table takes no input meanwhile.
    void InputBlocked(bool blocked);
    // The deck shows another picture while a card leaves it.
    void DeckPicture(int resId);
    void Sound(const QString& relativeFile);
    // A pile card was pressed.
    void PileCardPressed(int pile);
    // The dragged card came over a pile with cards, or is over none of them.
    void PileEntered(int pile);
    void PilesLeft();
    // The dragged card was released over a pile, high enough to count.
    void Dropped(int pile);
    // A made word's cards have reached the list and the pile's next card is up.
    void WordArrived(int pile);
    // Timer2 stopped: the card in flight has arrived (or its flight was ended).
    void DealFlightEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    UserControlCards* MakeCard(const QString& name);
    void ConnectDiscard(int slot);
    void Discard_MouseDown(int slot, Qt::MouseButtons button, int x, int y);
    void Discard_MouseMove(int slot, Qt::MouseButtons buttons, int x, int y);
    void Discard_MouseUp(int slot);
    void StopTimer2();
    // The dealt card as step "10" turns it and as step "11" puts it down.
    void TurnDealtCard(UserControlCards* card);
    void PutDealtCardDown(UserControlCards* card);
    // The card in flight is put down at once, as its last step would.
    void LandDealtCard();
    void ReturnedCardHome();
    void WordHasArrived();
    void RenumberPileCards();
    int CountFaceDown(int pile) const;
    UserControlCards* NthPileCard(int pile, int n) const;
    int FirstFaceUpLeft(int pile) const;

    QPixmap m_tile;
    qint16 m_topSlot = 0;
    qint16 m_wordPlace = 0;
    qint16 m_wordPile = 0;
    QList<UserControlCards*> m_wordCards; // the finished word's cards, in word order
    QPointF m_grab;
    bool m_dragging = false;
    bool m_stepFlightsDirectly = false;
    bool m_flightsEnded = false;
    bool m_dealing = false;
    bool m_skipDeal = false; // the rest of this deal lands without flying
    qint16 m_chosenPile = 1;
};
