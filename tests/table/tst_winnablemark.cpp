// The mark beside the points: after a draw it says the game can still be
// won; after a card laid where it costs the win it says so and names the
// card; with the wizard off it says nothing. The search runs on its worker
// and the test waits for its answer instead of sleeping.
#include "TableTestKit.h"

#include "table/WinnableWatch.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace TableTestKit;

class TestWinnableMark : public QObject {
    Q_OBJECT
private slots:
    void followsTheMoves();
};

void TestWinnableMark::followsTheMoves() {
    TempProgramFolder folder;
    QVERIFY(WriteWordList(folder, {"cat", "cot", "dog"}));
    frmSolitaire table;
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    table.chkMusic->setChecked(false);
    ClSolitary& game = *table.mySolitaryGame;
    WinnableWatch& watch = *table.Winnable();
    // cat and dog take all four cards; an o on the c leaves dog without one.
    LayOut(table, {":c", ":d"}, QString());
    game.WizardIsOn = true;
    game.CardsInDeck = QStringLiteral("oatg");

    QTest::mouseClick(table.cmdDeck, Qt::LeftButton);
    QCOMPARE(game.CardsInDiscards, QStringLiteral("oat"));
    QVERIFY(watch.WaitForAnswer());
    QCOMPARE(watch.Current(), WinnableWatch::Mark::Winnable);
    const QString winnable = table.lblWinnable->text();

    DragCard(table.picGame->TopDiscard(), QPoint(217, 60));
    QCOMPARE(game.CardPile1, QStringLiteral(":cO"));
    QVERIFY(watch.WaitForAnswer());
    QCOMPARE(watch.Current(), WinnableWatch::Mark::Lost);
    QVERIFY(table.lblWinnable->text() != winnable);
    QVERIFY2(table.lblWinnable->text().contains(QStringLiteral("O on pile 1")),
             qPrintable(table.lblWinnable->text()));

    // Lost stays lost, and the next move no longer counts as the one.
    CloseOpenDialogs();
    QTest::mouseClick(table.cmdDeck, Qt::LeftButton);
    QVERIFY(watch.WaitForAnswer());
    QCOMPARE(watch.Current(), WinnableWatch::Mark::Lost);
    QVERIFY(!table.lblWinnable->text().contains(QStringLiteral("pile")));

    game.WizardIsOn = false;
    QTest::mouseClick(table.cmdDeck, Qt::LeftButton);
    QVERIFY(watch.WaitForAnswer());
    QCOMPARE(watch.Current(), WinnableWatch::Mark::None);
    QVERIFY(table.lblWinnable->text().isEmpty());
    CloseOpenDialogs();
}

QTEST_MAIN(TestWinnableMark)
#include "tst_winnablemark.moc"
