#include "table/ui/CardLayer.h"

#include "engine/ui/UserControlCards.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"
#include "table/SolitaireTimings.h"
#include "table/TableRules.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include <algorithm>

using namespace SolitaireTimings;

namespace {

QString BackKeyName(BackKey key) {
    switch (key) {
    case BackKey::BackCard:
        return QStringLiteral("BackCard");
    case BackKey::BackCard90:
        return QStringLiteral("BackCard90");
    case BackKey::BackCard180:
        return QStringLiteral("BackCard180");
    case BackKey::BackCard270:
        return QStringLiteral("BackCard270");
    case BackKey::None:
        break;
    }
    return QString();
}

bool IsPile(int pile) {
    return pile >= 1 && pile <= 5;
}

} // namespace

CardLayer::CardLayer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picGame"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The felt takes the keys that play the game; a click on a card gives it
    // the focus too.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Card table"));

    auto makeTimer = [this](const char* name, int interval, void (CardLayer::*tick)()) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, tick);
        return timer;
    };
    Timer2 = makeTimer("Timer2", DealInterval, &CardLayer::Timer2_Timer);
    TimerMoveCardBack =
        makeTimer("TimerMoveCardBack", MoveCardBackInterval, &CardLayer::TimerMoveCardBack_Timer);
    TimerWordDone = makeTimer("TimerWordDone", WordDoneInterval, &CardLayer::TimerWordDone_Timer);

    // Element 0 of the pile cards is the hidden template.
    piccards.append(MakeCard(QStringLiteral("piccards_0")));
    for (int slot = 0; slot <= 6; ++slot) {
        picDiscard[slot] = MakeCard(QStringLiteral("picDiscard_%1").arg(slot));
        if (slot > 0)
            ConnectDiscard(slot);
    }
    CardBacks.insert(QStringLiteral("BackCard"), LoadResPictureFile(ResId::BackCard));
    CardBacks.insert(QStringLiteral("BackCard90"), LoadResPictureFile(ResId::BackCard90));
    CardBacks.insert(QStringLiteral("BackCard180"), LoadResPictureFile(ResId::BackCard180));
    CardBacks.insert(QStringLiteral("BackCard270"), LoadResPictureFile(ResId::BackCard270));
}

void CardLayer::SetTile(const QPixmap& tile) {
    m_tile = tile;
    update();
}

void CardLayer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_tile.isNull()) {
        painter.fillRect(rect(), QColor(0x1d, 0x6b, 0x3a));
        return;
    }
    // Tiles from the top-left corner across the whole surface, so the area
    // stays covered whatever size the layout gives it.
    painter.drawTiledPixmap(rect(), m_tile);
    // The pile chosen by keys: a bold frame around its cards, light on dark
    // so it shows on the felt and against the cards.
    const QRect frame = ChosenPileFrame();
    if (!frame.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(WindowChrome::ColorFromBgr(KeyFrameShadow), KeyFrameWidth + 2));
        painter.drawRoundedRect(QRectF(frame), KeyFrameRadius, KeyFrameRadius);
        painter.setPen(QPen(WindowChrome::ColorFromBgr(KeyFrameColour), KeyFrameWidth));
        painter.drawRoundedRect(QRectF(frame), KeyFrameRadius, KeyFrameRadius);
    }
}

void CardLayer::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (CountPileCards(m_chosenPile) == 0)
        ChooseNextPile(+1);
    update();
}

void CardLayer::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

UserControlCards* CardLayer::MakeCard(const QString& name) {
    auto* card = new UserControlCards(this);
    card->setObjectName(name);
    card->hide();
    connect(card, &UserControlCards::Visibility, card, &QWidget::setVisible);
    return card;
}

// ---------------------------------------------------------------------------
// Pile cards

UserControlCards* CardLayer::LoadPileCard(const QString& letter, qint16 pile, bool faceUp) {
    UserControlCards* card = MakeCard(QStringLiteral("piccards_%1").arg(piccards.size()));
    card->myLetter = letter;
    card->DataField = pile;
    card->FrontOrBack = faceUp;
    card->SetMouseIcon(ResId::PointerNormal);
    connect(card, &UserControlCards::MouseDown, this,
            [this, card](Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {
                FocusPile(card->DataField);
                PileOver = card->DataField;
                m_chosenPile = card->DataField; // the keys go on from the pile clicked
                update();
                Q_EMIT PileCardPressed(card->DataField);
            });
    piccards.append(card);
    card->raise();
    return card;
}

void CardLayer::ClearCards() {
    piccards[0]->hide();
    while (piccards.size() > 1) {
        UserControlCards* card = piccards.takeLast();
        card->hide();
        card->setParent(nullptr);
        card->deleteLater();
    }
    m_wordCards.clear();
    PileOver = 0;
    update();
}

void CardLayer::RenumberPileCards() {
    for (int i = 0; i < piccards.size(); ++i)
        piccards[i]->setObjectName(QStringLiteral("piccards_%1").arg(i));
}

int CardLayer::CountPileCards(int pile) const {
    return int(std::count_if(piccards.cbegin(), piccards.cend(),
                             [pile](const UserControlCards* c) { return c->DataField == pile; }));
}

int CardLayer::CountFaceDown(int pile) const {
    return int(std::count_if(piccards.cbegin(), piccards.cend(), [pile](const UserControlCards* c) {
        return c->DataField == pile && !c->FrontOrBack;
    }));
}

UserControlCards* CardLayer::NthPileCard(int pile, int n) const {
    int count = 0;
    for (UserControlCards* card : piccards) {
        if (card->DataField == pile && ++count == n)
            return card;
    }
    return nullptr;
}

int CardLayer::FirstFaceUpLeft(int pile) const {
    const UserControlCards* card = NthPileCard(pile, CountFaceDown(pile) + 1);
    return card ? card->x() : TableRules::LaidCardPlace(pile, 0, 0).x();
}

void CardLayer::FocusPile(qint16 pile) {
    // Pile 0 is no pile: the hidden template card is never lit, so a focus
    // on 0 clears every highlight.
    for (UserControlCards* card : piccards) {
        if (card->DataField != pile || pile == 0)
            card->MaskRemove();
        else
            card->MaskSet(PileHighlight);
    }
}

// ---------------------------------------------------------------------------
// The keyboard: a chosen pile and a drop without dragging

QRect CardLayer::ChosenPileFrame() const {
    if (!hasFocus())
        return {};
    QRect cards;
    for (const UserControlCards* card : piccards) {
        if (card->DataField == m_chosenPile && m_chosenPile != 0 && card->isVisibleTo(this))
            cards |= card->geometry();
    }
    return cards.isEmpty()
               ? QRect()
               : cards.adjusted(-KeyFrameMargin, -KeyFrameMargin, KeyFrameMargin, KeyFrameMargin);
}

bool CardLayer::ChoosePile(int pile) {
    if (!IsPile(pile) || CountPileCards(pile) == 0)
        return false;
    m_chosenPile = qint16(pile);
    update();
    // What a press on one of the pile's cards does.
    FocusPile(m_chosenPile);
    PileOver = m_chosenPile;
    Q_EMIT PileCardPressed(pile);
    return true;
}

void CardLayer::ChooseNextPile(int direction) {
    const int step = direction < 0 ? -1 : 1;
    int pile = IsPile(m_chosenPile) ? m_chosenPile : (step > 0 ? 0 : 6);
    for (int tried = 0; tried < 5; ++tried) {
        pile += step;
        if (pile > 5)
            pile = 1;
        else if (pile < 1)
            pile = 5;
        if (CountPileCards(pile) > 0) {
            ChoosePile(pile);
            return;
        }
    }
}

bool CardLayer::DropOnChosenPile() {
    UserControlCards* card = TopDiscard();
    if (!card || !card->isVisible() || !IsPile(m_chosenPile) || CountPileCards(m_chosenPile) == 0)
        return false;
    // The card goes where a drag would have left it: on the pile's next place.
    const int pile = m_chosenPile;
    const int faceDown = CountFaceDown(pile);
    card->raise();
    card->MaskSet(PickedUpDiscard);
    card->move(TableRules::LaidCardPlace(pile, faceDown, CountPileCards(pile) - faceDown));
    FocusPile(qint16(pile));
    PileOver = qint16(pile);
    Q_EMIT Dropped(pile);
    return true;
}

// ---------------------------------------------------------------------------
// Discards and the drag

void CardLayer::ConnectDiscard(int slot) {
    UserControlCards* card = picDiscard[slot];
    connect(card, &UserControlCards::MouseDown, this,
            [this, slot](Qt::MouseButtons button, Qt::KeyboardModifiers, int x, int y) {
                Discard_MouseDown(slot, button, x, y);
            });
    connect(card, &UserControlCards::MouseMove, this,
            [this, slot](Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y) {
                Discard_MouseMove(slot, buttons, x, y);
            });
    connect(card, &UserControlCards::MouseUp, this,
            [this, slot](Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {
                Discard_MouseUp(slot); // a release of any button ends the drag with a drop
            });
}

UserControlCards* CardLayer::TopDiscard() const {
    return m_topSlot >= 1 && m_topSlot <= 6 ? picDiscard[m_topSlot] : nullptr;
}

void CardLayer::ShowDiscards(const QString& shown, qint16 playable) {
    const int n = int(qMin<qsizetype>(shown.size(), 6));
    for (int slot = 1; slot <= 6; ++slot) {
        picDiscard[slot]->MaskRemove();
        picDiscard[slot]->move(DiscardHomeLeft[slot - 1], DiscardHomeTop);
    }
    for (int slot = 1; slot <= n; ++slot)
        picDiscard[slot]->raise();
    for (int slot = n + 1; slot <= 6; ++slot)
        picDiscard[slot]->setVisible(false);
    for (int slot = 1; slot <= n; ++slot)
        picDiscard[slot]->setVisible(true);
    for (int slot = 1; slot <= n; ++slot) {
        picDiscard[slot]->myLetter = shown.mid(slot - 1, 1);
        picDiscard[slot]->LoadImage(CardPictureId(picDiscard[slot]->myLetter));
    }
    m_topSlot = playable;
    if (UserControlCards* top = TopDiscard())
        top->MaskSet(DiscardAtRest);
}

void CardLayer::Discard_MouseDown(int slot, Qt::MouseButtons button, int x, int y) {
    m_dragging = false;
    if (slot != m_topSlot || button != Qt::LeftButton)
        return;
    UserControlCards* card = picDiscard[slot];
    card->raise();
    card->MaskSet(PickedUpDiscard);
    card->SetMouseIcon(ResId::PointerMove);
    PileOver = 0;
    m_grab = QPointF(x, y);
    m_dragging = true;
}

void CardLayer::Discard_MouseMove(int slot, Qt::MouseButtons buttons, int x, int y) {
    if (!m_dragging || slot != m_topSlot || !(buttons & Qt::LeftButton))
        return;
    UserControlCards* card = picDiscard[slot];
    // The card stays inside the window (not only the felt), as it always has.
    int left = qMax(0, card->x() + int(x - m_grab.x()));
    int top = qMax(0, card->y() + int(y - m_grab.y()));
    left = qMin(left, window()->width() - card->width());
    top = qMin(top, window()->height() - card->height());
    card->move(left, top);

    if (top > PileBandMaxTop) {
        if (PileOver != 0) {
            FocusPile(0);
            PileOver = 0;
        }
        return;
    }
    const int pile = TableRules::PileBandAt(left);
    if (pile != 0 && CountPileCards(pile) == 0) {
        // A pile with no cards left takes nothing; the pile the card came
        // from must not stay lit as if it would take the card.
        if (PileOver != 0)
            FocusPile(0);
        PileOver = 0;
    } else if (pile != 0 && PileOver != pile) {
        FocusPile(qint16(pile));
        PileOver = qint16(pile);
        Q_EMIT PileEntered(pile);
    } else if (pile == 0 && PileOver != 0) {
        FocusPile(0);
        PileOver = 0;
    }
    if (PileOver == 0)
        Q_EMIT PilesLeft();
}

void CardLayer::Discard_MouseUp(int slot) {
    UserControlCards* card = picDiscard[slot];
    const bool wasDragging = m_dragging;
    m_dragging = false;
    if (wasDragging && slot == m_topSlot) {
        const int faceDown = CountFaceDown(PileOver);
        const int threshold =
            TableRules::DropThreshold(CountPileCards(PileOver) - faceDown, faceDown);
        if (PileOver == 0 || card->y() > threshold)
            FlyBack();
        else
            Q_EMIT Dropped(PileOver);
    }
    card->SetMouseIcon(ResId::PointerNormal);
}

void CardLayer::LayCard(qint16 pile, const QString& letter) {
    UserControlCards* dragged = TopDiscard();
    if (!dragged || !IsPile(pile))
        return;
    const int faceDown = CountFaceDown(pile);
    const QPoint place = TableRules::LaidCardPlace(pile, faceDown, CountPileCards(pile) - faceDown);
    UserControlCards* card = LoadPileCard(letter, pile, true);
    card->LoadImage(CardPictureId(letter));
    card->MaskSet(LaidCard);
    card->move(place);
    card->show();
    dragged->SetVisible(false);
    FocusPile(0);
    update(); // the chosen pile's frame grows with it
}

// ---------------------------------------------------------------------------
// A refused card flies back

void CardLayer::FlyBack() {
    UserControlCards* card = TopDiscard();
    if (!card)
        return;
    Q_EMIT InputBlocked(true);
    card->MaskSet(ReturningDiscard);
    card->SetMouseIcon(ResId::PointerNormal);
    Q_EMIT Sound(QStringLiteral("\\Sounds\\cards.wav"));
    TimerMoveCardBack->start();
}

void CardLayer::TimerMoveCardBack_Timer() {
    UserControlCards* card = TopDiscard();
    if (!card) {
        TimerMoveCardBack->stop();
        Q_EMIT InputBlocked(false);
        return;
    }
    const TableRules::Step top = TableRules::StepTowards(card->y(), DiscardHomeTop, FlightStep);
    const TableRules::Step left =
        TableRules::StepTowards(card->x(), DiscardHomeLeft[m_topSlot - 1], FlightStep);
    card->move(left.position, top.position);
    card->SetMouseIcon(ResId::PointerNormal);
    if (top.arrived && left.arrived)
        ReturnedCardHome();
}

void CardLayer::ReturnedCardHome() {
    if (UserControlCards* card = TopDiscard()) {
        card->move(DiscardHomeLeft[m_topSlot - 1], DiscardHomeTop);
        card->MaskSet(DiscardAtRest);
    }
    TimerMoveCardBack->stop();
    Q_EMIT InputBlocked(false);
}

// ---------------------------------------------------------------------------
// A made word flies to the list

void CardLayer::FlyWord(qint16 pile) {
    Q_EMIT InputBlocked(true);
    m_wordPile = pile;
    m_wordCards.clear();
    for (UserControlCards* card : std::as_const(piccards)) {
        if (IsPile(pile) && card->DataField == pile && card->FrontOrBack) {
            card->raise();
            card->MaskSet(WordCard);
            m_wordCards.append(card);
        }
    }
    TimerWordDone->start();
}

void CardLayer::TimerWordDone_Timer() {
    bool reachedTop = false;
    bool reachedLeft = false;
    for (UserControlCards* card : std::as_const(m_wordCards))
        card->raise();
    for (UserControlCards* card : std::as_const(m_wordCards)) {
        const TableRules::Step top = TableRules::StepTowards(card->y(), WordGoal.y(), FlightStep);
        const TableRules::Step left = TableRules::StepTowards(card->x(), WordGoal.x(), FlightStep);
        card->move(left.position, top.position);
        reachedTop = reachedTop || top.arrived;
        reachedLeft = reachedLeft || left.arrived;
    }
    // A word of no cards (never expected) must not leave the table locked.
    if ((reachedTop && reachedLeft) || m_wordCards.isEmpty())
        WordHasArrived();
}

void CardLayer::WordHasArrived() {
    for (UserControlCards* card : std::as_const(m_wordCards)) {
        piccards.removeOne(card);
        card->hide();
        card->setParent(nullptr);
        card->deleteLater();
    }
    m_wordCards.clear();
    RenumberPileCards();
    const qint16 pile = m_wordPile;
    // The last face-down card of the pile is turned up.
    if (UserControlCards* card = NthPileCard(pile, CountFaceDown(pile))) {
        card->FrontOrBack = true;
        card->LoadImage(CardPictureId(card->myLetter));
    }
    if (CountPileCards(pile) == 0)
        PileOver = 0;
    update(); // the chosen pile's frame shrinks with it
    Q_EMIT InputBlocked(false);
    TimerWordDone->stop();
    Q_EMIT WordArrived(pile);
}

// ---------------------------------------------------------------------------
// A dealt card flies from the deck to its pile

void CardLayer::DealCard(const QString& letter, qint16 pile, bool faceUp, qint16 wordPlace) {
    LoadPileCard(letter, pile, faceUp);
    m_wordPlace = wordPlace;
    // After the flights were ended for good (the table closes) the card is
    // put down without flying, as when the deal is skipped.
    if (m_flightsEnded || m_skipDeal) {
        LandDealtCard();
        return;
    }
    Timer2->start();
    if (m_stepFlightsDirectly) {
        // The ticks run here; the real timer must not step the card as well.
        const QSignalBlocker steppedHere(Timer2);
        while (Timer2->isActive())
            Timer2_Timer();
        return;
    }
    QEventLoop wait;
    connect(this, &CardLayer::DealFlightEnded, &wait, &QEventLoop::quit);
    if (Timer2->isActive())
        wait.exec();
}

void CardLayer::StopTimer2() {
    const bool wasActive = Timer2->isActive();
    Timer2->stop();
    if (wasActive)
        Q_EMIT DealFlightEnded();
}

void CardLayer::Timer2_Timer() {
    if (piccards.size() < 2) {
        StopTimer2();
        Timer2Tag = QStringLiteral("0");
        return;
    }
    UserControlCards* card = piccards.last();
    const int pile = card->DataField;
    const int step = Timer2Tag.toInt();

    if (step >= DealFirstStep && step < int(DealSteps.size())) {
        const DealStep& s = DealSteps[step];
        if (s.deckPicture)
            Q_EMIT DeckPicture(s.deckPicture);
        if (s.back != BackKey::None)
            card->SetPicture(CardBacks.value(BackKeyName(s.back)));
        if (s.resizeStep)
            card->ResizePic(qint16(s.resizeStep));
        if (s.moveTo != NoMove)
            card->move(s.moveTo);
        if (step == DealLaunchStep) {
            card->raise();
            card->show();
            Q_EMIT Sound(QStringLiteral("\\Sounds\\cardClick.wav"));
        }
    } else if (step == DealApproachStep) {
        if (IsPile(pile))
            card->move(DealApproach[pile - 1]);
    } else if (step == DealTurnOverStep) {
        TurnDealtCard(card);
        if (IsPile(pile))
            card->move(DealTurnOver[pile - 1]);
    } else if (step == DealLastStep) {
        PutDealtCardDown(card);
        Timer2Tag = QStringLiteral("0");
        StopTimer2();
    }
    Timer2Tag = QString::number(Timer2Tag.toInt() + 1);
    // A click that skips the flight is taken here, after the step is done.
    QCoreApplication::processEvents();
}

void CardLayer::TurnDealtCard(UserControlCards* card) {
    card->SetPicture(CardBacks.value(QStringLiteral("BackCard")));
    card->ResizePic(qint16(DealTurnOverResize));
    if (card->FrontOrBack)
        card->LoadImage(CardPictureId(card->myLetter));
}

void CardLayer::PutDealtCardDown(UserControlCards* card) {
    const int pile = card->DataField;
    QPoint place = TableRules::DealFinalPlace(pile, CountPileCards(pile));
    if (card->FrontOrBack && m_wordPlace > 1) {
        place = QPoint(FirstFaceUpLeft(pile),
                       TableRules::SavedCardTop(CountFaceDown(pile), m_wordPlace));
    }
    card->move(place);
    card->show();
    update(); // the chosen pile's frame grows with it
}

void CardLayer::LandDealtCard() {
    if (piccards.size() < 2)
        return;
    UserControlCards* card = piccards.last();
    card->raise();
    TurnDealtCard(card);
    PutDealtCardDown(card);
    // What a whole flight leaves behind: the deck at rest and the next card
    // starting at step "1".
    Q_EMIT DeckPicture(DeckAfterDeal);
    Timer2Tag = QString::number(DealLaunchStep);
    StopTimer2();
}

// ---------------------------------------------------------------------------
// Skipping

void CardLayer::SetDealing(bool dealing) {
    m_dealing = dealing;
    if (!dealing)
        m_skipDeal = false;
}

bool CardLayer::SkipFlights() {
    const bool skipDeal = m_dealing && !m_skipDeal && !m_flightsEnded;
    if (!skipDeal && !Timer2->isActive() && !TimerMoveCardBack->isActive() &&
        !TimerWordDone->isActive())
        return false;
    // Once for everything that lands now, before a finished word goes on to
    // what follows it (a won game's window).
    Q_EMIT Sound(QStringLiteral("\\Sounds\\cardClick.wav"));
    if (skipDeal)
        m_skipDeal = true;
    if (Timer2->isActive())
        LandDealtCard();
    if (TimerMoveCardBack->isActive())
        ReturnedCardHome();
    if (TimerWordDone->isActive())
        WordHasArrived();
    return true;
}

// ---------------------------------------------------------------------------
// Closing

void CardLayer::FinishFlights() {
    m_flightsEnded = true;
    if (Timer2->isActive())
        LandDealtCard();
    if (TimerMoveCardBack->isActive())
        ReturnedCardHome();
    if (TimerWordDone->isActive())
        WordHasArrived();
}
