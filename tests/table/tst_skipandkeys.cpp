// A skipped deal or restore ends as the whole flight does, with one click;
// keys play as drags do; Space that skips a flight draws no cards.
#include "TableTestKit.h"

#include "players/ClassPlayerInfo.h"
#include "table/TableRules.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace TableTestKit;

namespace {

// The engine's state and everything the felt shows, card by card: place,
// size, stacking, picture and tint.
QStringList Snapshot(frmSolitaire& t) {
    ClSolitary& g = *t.mySolitaryGame;
    QStringList s(1);
    QDebug(&s[0]) << g.CurrentRecord(QStringLiteral("d"), 0).Format() << g.GameInPlay
                  << t.DeckPicture() << t.picGame->Timer2Tag << t.lblWizard->text()
                  << itemTexts(t.lstWizard) << itemTexts(t.lstWords);
    const QObjectList stack = t.picGame->children();
    QList<UserControlCards*> cards = t.picGame->piccards;
    cards.append({t.picGame->picDiscard.begin(), t.picGame->picDiscard.end()});
    for (const UserControlCards* c : cards) {
        const QImage& shown = c->DisplayedImage();
        QDebug(&s.emplace_back()) << c->objectName() << c->myLetter << c->DataField
                                  << c->FrontOrBack << c->geometry() << c->isVisible()
                                  << stack.indexOf(c)
                                  << qHash(QByteArrayView(shown.constBits(), shown.sizeInBytes()));
    }
    return s;
}

void Finish(CardLayer& cards) {
    CloseOpenDialogs();
    while (cards.TimerMoveCardBack->isActive())
        cards.TimerMoveCardBack_Timer();
    while (cards.TimerWordDone->isActive())
        cards.TimerWordDone_Timer();
    CloseOpenDialogs();
}

} // namespace

class TestSkipAndKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void skippedLikeWhole_data();
    void skippedLikeWhole();
    void keysPlayAsDragsDo_data();
    void keysPlayAsDragsDo();
    void spaceSkipsOrDraws();
};

void TestSkipAndKeys::skippedLikeWhole_data() {
    QTest::addColumn<bool>("restore");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("skipAt"); // the click of the card in flight when skipped
    QTest::addColumn<bool>("bySpace");
    QTest::addColumn<bool>("realTimer");
    addDataRow("level-3 deal, Space at card 12", false, 3, 12, true, false);
    addDataRow("level-7 deal, click at the last card", false, 7, 10, false, false);
    addDataRow("level-3 deal on the real timer", false, 3, 2, false, true);
    addDataRow("restore, click at the first card", true, 3, 1, false, false);
    addDataRow("restore, Space at card 9", true, 4, 9, true, false);
}

void TestSkipAndKeys::skippedLikeWhole() {
    QFETCH(bool, restore);
    QFETCH(int, level);
    QFETCH(int, skipAt);
    QFETCH(bool, bySpace);
    QFETCH(bool, realTimer);
    TempProgramFolder folder;
    QVERIFY(WriteWordList(folder, {"cat", "cab", "dog", "zoo"}));
    frmSolitaire table;
    QVERIFY(table.Player().CreatePlayerFile(QStringLiteral("tess"), QStringLiteral("secret")));
    table.show();
    table.chkMusic->setChecked(false);
    CardLayer& cards = *table.picGame;
    cards.SetStepFlightsDirectly(true);
    ClSolitary& game = *table.mySolitaryGame;
    QString key;
    if (restore) {
        game.DealNewCards(qint16(level), true, *makeSeededRandom(11));
        game.SaveGame();
        key = table.Player().SavedGamesIndex;
    }
    const auto lay = [&] {
        if (restore)
            QCOMPARE(game.PlaySaveGame(key).status, RestoreStatus::Restored);
        else
            game.DealNewCards(qint16(level), true, *makeSeededRandom(42));
    };
    lay();
    const QStringList whole = Snapshot(table);

    // Again, the skip asked for while card `skipAt` flies, as a player does.
    cards.SetStepFlightsDirectly(!realTimer);
    int clicks = 0;
    connect(&cards, &CardLayer::Sound, this, [&] {
        if (++clicks != skipAt)
            return;
        if (bySpace)
            QCoreApplication::postEvent(&cards, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, {}));
        else
            QCoreApplication::postEvent(&cards,
                                        new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5),
                                                        cards.mapToGlobal(QPointF(5, 5)),
                                                        Qt::LeftButton, Qt::LeftButton, {}));
    });
    lay();
    QCOMPARE(clicks, skipAt + 1); // one click for everything that landed at once
    QCOMPARE(Snapshot(table), whole);
    QVERIFY(table.TakesInput());
}

void TestSkipAndKeys::keysPlayAsDragsDo_data() {
    QTest::addColumn<QStringList>("piles");
    QTest::addColumn<QString>("discards");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("pile"); // where the drag takes the card
    addDataRow("laid", QStringList{"xy:c", "q:d"}, "ab", QList<int>{Qt::Key_1, Qt::Key_Return}, 1);
    addDataRow("refused", QStringList{"xy:c", "q:d"}, "zb", QList<int>{Qt::Key_2, Qt::Key_Return},
               2);
    addDataRow("word made, the pile by the arrows", QStringList{":z", "x:ca"}, "tb",
               QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Enter}, 2);
    addDataRow("a pile without cards is not chosen", QStringList{"xy:c", ":"}, "ab",
               QList<int>{Qt::Key_1, Qt::Key_2, Qt::Key_Return}, 1);
}

void TestSkipAndKeys::keysPlayAsDragsDo() {
    QFETCH(QStringList, piles);
    QFETCH(QString, discards);
    QFETCH(QList<int>, keys);
    QFETCH(int, pile);
    TempProgramFolder folder;
    QVERIFY(WriteWordList(folder, {"cat", "cab", "dog", "zoo"}));
    MsgBoxRecorder boxes;
    QList<QStringList> results;
    for (const bool byKeys : {false, true}) {
        frmSolitaire table;
        table.show();
        table.chkSound->setChecked(false);
        LayOut(table, piles, discards);
        CardLayer& cards = *table.picGame;
        if (byKeys) {
            cards.setFocus();
            for (int key : keys)
                QTest::keyClick(&cards, Qt::Key(key));
        } else {
            const int faceDown = int(piles[pile - 1].indexOf(':'));
            const int faceUp = int(piles[pile - 1].size()) - faceDown - 1;
            DragCard(cards.TopDiscard(), TableRules::LaidCardPlace(pile, faceDown, faceUp));
        }
        Finish(cards);
        results << Snapshot(table)
                << QStringList{QString::number(table.mySolitaryGame->PlayerPoints)};
    }
    QCOMPARE(results[2], results[0]);
    QCOMPARE(results[3], results[1]);
}

void TestSkipAndKeys::spaceSkipsOrDraws() {
    TempProgramFolder folder;
    QVERIFY(WriteWordList(folder, {"cat"}));
    frmSolitaire table;
    table.show();
    table.chkSound->setChecked(false);
    LayOut(table, {"x:ca", "y:z"}, "tbcd");
    ClSolitary& game = *table.mySolitaryGame;
    game.CardsInDeck = QStringLiteral("efghij");
    CardLayer& cards = *table.picGame;
    cards.setFocus();
    QTest::keyClick(&cards, Qt::Key_1);
    QTest::keyClick(&cards, Qt::Key_Return);
    CloseOpenDialogs();
    QVERIFY(cards.TimerWordDone->isActive());
    QTest::keyClick(&cards, Qt::Key_Space); // lands the word, draws nothing
    QVERIFY(!cards.TimerWordDone->isActive());
    QCOMPARE(itemTexts(table.lstWords), QStringList{"cat"});
    QCOMPARE(game.CardsInDeck, QStringLiteral("efghij"));
    QCOMPARE(game.CardPile(1), QStringLiteral(":x"));
    QTest::keyClick(&cards, Qt::Key_Space);
    QCOMPARE(game.CardsInDeck, QStringLiteral("hij"));
}

QTEST_MAIN(TestSkipAndKeys)
#include "tst_skipandkeys.moc"
