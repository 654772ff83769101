// Moving cards on the table with the engine's state set directly: the drop
// bands and highlighting, laying a letter, a finished word's flight and the
// turn of the next card, the hints following the dragged card, the deck.
#include "TableTestKit.h"

#include "engine/ClSolitary.h"
#include "engine/ui/UserControlCards.h"
#include "shell/ui/frmDictionary.h"
#include "table/SolitaireTimings.h"
#include "table/TableRules.h"
#include "table/ui/CardLayer.h"
#include "table/ui/frmSolitaire.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace TableTestKit;

class TestCardMoves : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void dragHighlightsThePileUnderTheCard_data();
    void dragHighlightsThePileUnderTheCard();
    void onlyTheTopDiscardMoves();
    void dropBelowTheThresholdReturnsWithoutAsking();
    void acceptedLettersMakeAWordThatFliesAway();
    void lastWordOfAPileEmptiesIt();
    void wizardFollowsThePileUnderTheCard();
    void deckWithoutGameAsksForLoginOrSettings();

private:
    // A table with a hand-written word list and a dealt-looking state:
    // piles as given, every pile card put down by the deal flight.
    void SetUpTable(const QStringList& piles, const QString& discards);
    UserControlCards* Top() const;

    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<frmSolitaire> m_table;
};

void TestCardMoves::init() {
    m_folder = std::make_unique<TempProgramFolder>();
    QVERIFY(WriteWordList(*m_folder, {"cat", "cab", "dog", "zoo"}));
}

void TestCardMoves::cleanup() {
    m_table.reset();
    m_folder.reset();
}

void TestCardMoves::SetUpTable(const QStringList& piles, const QString& discards) {
    m_table = std::make_unique<frmSolitaire>();
    m_table->show();
    m_table->Player().NickName = QStringLiteral("ivy");
    m_table->chkSound->setChecked(false);
    LayOut(*m_table, piles, discards);
}

UserControlCards* TestCardMoves::Top() const {
    return m_table->picGame->TopDiscard();
}

void TestCardMoves::dragHighlightsThePileUnderTheCard_data() {
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<int>("pileOver");
    QTest::newRow("left edge of pile 1's band") << QPoint(247, 80) << 1;
    QTest::newRow("between piles 1 and 2") << QPoint(260, 80) << 0;
    QTest::newRow("pile 2 has no cards left") << QPoint(310, 80) << 0;
    QTest::newRow("pile 3") << QPoint(400, 80) << 3;
    QTest::newRow("top 295 still counts") << QPoint(589, 295) << 5;
    QTest::newRow("top 296 is too low") << QPoint(589, 296) << 0;
}

void TestCardMoves::dragHighlightsThePileUnderTheCard() {
    QFETCH(QPoint, to);
    QFETCH(int, pileOver);
    SetUpTable({"ab:c", ":", "de:f", "g:h", "i:j"}, QStringLiteral("tqr"));
    UserControlCards* card = Top();
    QCOMPARE(m_table->mySolitaryGame->DiscardIndex, qint16(3));
    const QPoint grab(20, 20);
    QTest::mousePress(card, Qt::LeftButton, {}, grab);
    QCOMPARE(card->MaskColor(), SolitaireTimings::PickedUpDiscard);
    // First over pile 1, then to the place under test.
    QTest::mouseMove(card, grab + (QPoint(217, 60) - card->pos()));
    QCOMPARE(m_table->picGame->PileOver, qint16(1));
    QTest::mouseMove(card, grab + (to - card->pos()));
    QCOMPARE(card->pos(), to);
    QCOMPARE(m_table->picGame->PileOver, qint16(pileOver));
    for (UserControlCards* pileCard : m_table->picGame->piccards) {
        const bool lit =
            pileCard->IsMasked() && pileCard->MaskColor() == SolitaireTimings::PileHighlight;
        QCOMPARE(lit, pileOver != 0 && pileCard->DataField == pileOver);
    }
    QTest::mouseRelease(card, Qt::LeftButton, {}, grab);
}

void TestCardMoves::onlyTheTopDiscardMoves() {
    SetUpTable({"ab:c", "d:e", "f:g", "h:i", "j:k"}, QStringLiteral("tqr"));
    UserControlCards* under = m_table->picGame->picDiscard[2];
    const QPoint home = under->pos();
    QTest::mousePress(under, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(under, QPoint(60, -150));
    QTest::mouseRelease(under, Qt::LeftButton, {}, QPoint(60, -150));
    QCOMPARE(under->pos(), home);
    // The right button does not pick up the top discard either.
    UserControlCards* top = Top();
    const QPoint topHome = top->pos();
    QTest::mousePress(top, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseMove(top, QPoint(60, -150));
    QTest::mouseRelease(top, Qt::RightButton, {}, QPoint(60, -150));
    QCOMPARE(top->pos(), topHome);
    QVERIFY(!m_table->picGame->TimerMoveCardBack->isActive());
    // A drag ended by releasing another button is still a drop: the card is
    // not left lying on the felt.
    QTest::mousePress(top, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(top, QPoint(60, -150));
    QVERIFY(top->pos() != topHome);
    QTest::mouseRelease(top, Qt::RightButton, {}, QPoint(60, -150));
    QVERIFY(m_table->picGame->TimerMoveCardBack->isActive());
    while (m_table->picGame->TimerMoveCardBack->isActive())
        m_table->picGame->TimerMoveCardBack_Timer();
    QCOMPARE(top->pos(), topHome);
}

void TestCardMoves::dropBelowTheThresholdReturnsWithoutAsking() {
    SetUpTable({"abcd:c", "d:e", "f:g", "h:i", "j:k"}, QStringLiteral("a"));
    MsgBoxRecorder boxes;
    ModalWatcher watcher;
    UserControlCards* card = Top();
    // T for one face-up and four face-down cards is 105 + 8 + 1 = 114.
    DragCard(card, QPoint(217, 115));
    QVERIFY(!m_table->TakesInput());
    QVERIFY(m_table->picGame->TimerMoveCardBack->isActive());
    while (m_table->picGame->TimerMoveCardBack->isActive())
        m_table->picGame->TimerMoveCardBack_Timer();
    QVERIFY(m_table->TakesInput());
    QCOMPARE(card->pos(), QPoint(300, 297));
    QCOMPARE(m_table->mySolitaryGame->PlayerPoints, qint16(0));
    QCOMPARE(m_table->mySolitaryGame->CardPile1, QStringLiteral("abcd:c"));
    QVERIFY(watcher.Seen().isEmpty());
    QVERIFY(boxes.shown().isEmpty());
}

void TestCardMoves::acceptedLettersMakeAWordThatFliesAway() {
    SetUpTable({"abd:c", "d:e", "f:g", "h:i", "j:k"}, QStringLiteral("agt"));
    ModalWatcher watcher;
    ClSolitary& game = *m_table->mySolitaryGame;
    const int cardsBefore = m_table->picGame->piccards.size();
    DragCard(Top(), QPoint(217, 60));
    QCOMPARE(game.CardPile1, QStringLiteral("abd:cA"));
    QCOMPARE(m_table->picGame->piccards.size(), cardsBefore + 1);
    UserControlCards* laid = m_table->picGame->piccards.last();
    QCOMPARE(laid->myLetter, QStringLiteral("A"));
    QCOMPARE(laid->DataField, qint16(1));
    QCOMPARE(laid->pos(), QPoint(217, 3 + 2 * 3 + 31 * 1));
    QCOMPARE(laid->MaskColor(), SolitaireTimings::LaidCard);
    QVERIFY(m_table->TakesInput());

    // The "t" on top finishes "cat".
    game.CardsInDiscards = QStringLiteral("tg");
    game.DisplayDiscards();
    DragCard(Top(), QPoint(217, 90));
    QVERIFY(!m_table->TakesInput());
    for (int ticks = 0; m_table->picGame->TimerWordDone->isActive() && ticks < 100; ++ticks)
        m_table->picGame->TimerWordDone_Timer();
    QVERIFY(m_table->TakesInput());
    // The word's cards are gone and the rest numbered anew; the last
    // face-down card, d, is turned up.
    QCOMPARE(game.CardPile1, QStringLiteral("ab:d"));
    QStringList onPile1;
    for (int i = 0; i < m_table->picGame->piccards.size(); ++i) {
        const UserControlCards* card = m_table->picGame->piccards[i];
        QCOMPARE(card->objectName(), QStringLiteral("piccards_%1").arg(i));
        if (card->DataField == 1)
            onPile1 << card->myLetter + (card->FrontOrBack ? "^" : "");
    }
    QCOMPARE(onPile1, QStringList({"a", "b", "d^"}));
}

void TestCardMoves::lastWordOfAPileEmptiesIt() {
    SetUpTable({":do", "d:e", "f:g", "h:i", "j:k"}, QStringLiteral("g"));
    ModalWatcher watcher;
    m_table->picGame->PileOver = 0;
    DragCard(Top(), QPoint(217, 80));
    while (m_table->picGame->TimerWordDone->isActive())
        m_table->picGame->TimerWordDone_Timer();
    QCOMPARE(m_table->mySolitaryGame->CardPile1, QStringLiteral(":"));
    QCOMPARE(m_table->picGame->PileOver, qint16(0));
    QVERIFY(!m_table->mySolitaryGame->IfGameIsDone);
    // A pile with no cards left is never highlighted while dragging.
    m_table->mySolitaryGame->CardsInDiscards = QStringLiteral("z");
    m_table->mySolitaryGame->DisplayDiscards();
    UserControlCards* card = Top();
    QTest::mousePress(card, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(card, QPoint(5, 5) + (QPoint(217, 60) - card->pos()));
    QCOMPARE(m_table->picGame->PileOver, qint16(0));
    QTest::mouseRelease(card, Qt::LeftButton, {}, QPoint(5, 5));
}

void TestCardMoves::wizardFollowsThePileUnderTheCard() {
    SetUpTable({"ab:c", "e:d", "f:g", "h:i", "j:z"}, QStringLiteral("og"));
    ClSolitary& game = *m_table->mySolitaryGame;
    game.WizardIsOn = true;
    UserControlCards* card = Top();
    const QPoint grab(10, 10);
    QTest::mousePress(card, Qt::LeftButton, {}, grab);
    // Over pile 2 ("d" and the top discard "o"): the hint list shows "dog".
    QTest::mouseMove(card, grab + (QPoint(310, 60) - card->pos()));
    QCOMPARE(m_table->picGame->PileOver, qint16(2));
    QCOMPARE(m_table->mySolitaryGame->HintPile(), qint16(2));
    const QStringList hints = itemTexts(m_table->lstWizard);
    QVERIFY2(hints.contains(QStringLiteral("dog")), qPrintable(hints.join(',')));
    QVERIFY(!hints.contains(QStringLiteral("cat")));
    QVERIFY(!m_table->lblMenu[4]->isEnabled());
    // Off every pile the list is emptied, and no count stands over it.
    QTest::mouseMove(card, grab + (QPoint(260, 60) - card->pos()));
    QCOMPARE(m_table->lstWizard->count(), 0);
    QVERIFY(!m_table->lblWizard->text().contains(QLatin1String(" of ")));
    // Over pile 2 again: its words are listed again.
    QTest::mouseMove(card, grab + (QPoint(310, 60) - card->pos()));
    QCOMPARE(itemTexts(m_table->lstWizard), hints);
    // Back over pile 2 and dropped: the o is laid; the list is for "do"
    // with the new top discard "g".
    DragCard(card, QPoint(310, 60));
    QCOMPARE(game.CardPile2, QStringLiteral("e:dO"));
    QCOMPARE(m_table->mySolitaryGame->HintPile(), qint16(2));
    QCOMPARE(m_table->lstWizard->count(), 1);
    QCOMPARE(m_table->lstWizard->item(0)->text(), QStringLiteral("dog"));
    // Selecting a hint offers the dictionary, which looks the hint up.
    m_table->lstWizard->setCurrentRow(0);
    m_table->lstWizard_Click();
    QVERIFY(m_table->lblMenu[4]->isEnabled());
    m_table->lblMenu_Click(4);
    auto* dictionary = m_table->findChild<frmDictionary*>();
    QVERIFY(dictionary && dictionary->isVisible());
    QCOMPARE(dictionary->Word(), QStringLiteral("dog"));
    dictionary->close();
    // Pressing a pile card focuses that pile and lists what it can become:
    // the top discard "g" continues none of its words, so they stand alone.
    UserControlCards* pileCard = m_table->picGame->piccards[1];
    QCOMPARE(pileCard->DataField, qint16(1));
    QTest::mousePress(pileCard, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(m_table->picGame->PileOver, qint16(1));
    QVERIFY(pileCard->IsMasked());
    QCOMPARE(pileCard->MaskColor(), SolitaireTimings::PileHighlight);
    QCOMPARE(itemTexts(m_table->lstWizard), QStringList({"cat", "cab"}));
}

void TestCardMoves::deckWithoutGameAsksForLoginOrSettings() {
    m_table = std::make_unique<frmSolitaire>();
    m_table->show();
    ModalWatcher watcher;
    QTest::mouseClick(m_table->cmdDeck, Qt::LeftButton);
    QCOMPARE(watcher.Seen(), QStringList{"frmLogin"});
    watcher.Clear();
    m_table->Player().NickName = QStringLiteral("ivy");
    QTest::mouseClick(m_table->cmdDeck, Qt::LeftButton);
    QCOMPARE(watcher.Seen(), QStringList{"frmStartGame"});
    // Closing the dialog deals nothing.
    QVERIFY(!m_table->mySolitaryGame->GameInPlay);
    QCOMPARE(m_table->picGame->piccards.size(), 1);
    // "New Game" with nobody logged in opens the login window and deals nothing.
    watcher.Clear();
    m_table->Player().NickName.clear();
    m_table->lblMenu_Click(0);
    QCOMPARE(watcher.Seen(), QStringList{"frmLogin"});
    QVERIFY(!m_table->mySolitaryGame->GameInPlay);
}

QTEST_MAIN(TestCardMoves)
#include "tst_cardmoves.moc"
