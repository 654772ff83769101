// The start-game dialog: the deal with the chosen level and wizard flag after
// the dialog has gone, the design-time values on every opening, cancel, and
// the table's enabled state.
#include "TestSupport.h"

#include "table/ui/frmStartGame.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

namespace {

struct DealCall {
    qint16 level;
    bool wizard;
    bool onlyWinnable;
    bool tableEnabled;
    bool dialogGone;
};

void ClickLabel(QLabel* label) {
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
}

} // namespace

class TestFrmStartGame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dealsTheChosenGame_data();
    void dealsTheChosenGame();
    void tableIsGivenBackWhenNothingWasDealt();
};

void TestFrmStartGame::dealsTheChosenGame_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("wizard");
    QTest::addColumn<int>("level");
    QTest::newRow("3 with wizard") << 1 << true << 3;
    QTest::newRow("4 without") << 2 << false << 4;
    QTest::newRow("7 with wizard") << 5 << true << 7;
}

void TestFrmStartGame::dealsTheChosenGame() {
    QFETCH(int, option);
    QFETCH(bool, wizard);
    QFETCH(int, level);
    QWidget table;
    table.show();
    QList<DealCall> calls;
    frmStartGame* self = nullptr;
    frmStartGame dialog(&table, [&](qint16 l, bool w, bool o) {
        calls.append({l, w, o, table.isEnabled(),
                      !self->isVisible() && QApplication::activeModalWidget() != self});
        table.setEnabled(true); // as the engine does at the end of a deal
    });
    self = &dialog;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::mouseClick(dialog.optLevel.at(option), Qt::LeftButton);
        if (!wizard) { // both ticks cleared together
            QTest::mouseClick(dialog.chkDictionary, Qt::LeftButton);
            QTest::mouseClick(dialog.chkWinnable, Qt::LeftButton);
        }
        ClickLabel(dialog.lblMenu.at(0));
    });
    dialog.LoadGameDefaults();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(int(calls.at(0).level), level);
    QCOMPARE(calls.at(0).wizard, wizard);
    QCOMPARE(calls.at(0).onlyWinnable, wizard);
    QVERIFY(!calls.at(0).tableEnabled); // the table takes no input while the cards fly
    QVERIFY(calls.at(0).dialogGone);    // the pressed label has let go of the mouse

    // The next opening starts from level 3 with the wizard again; cancel deals nothing.
    bool designValues = false;
    QTimer::singleShot(0, &dialog, [&] {
        designValues = dialog.optLevel.at(1)->isChecked() && dialog.chkDictionary->isChecked() &&
                       dialog.chkWinnable->isChecked();
        ClickLabel(dialog.lblMenu.at(1));
    });
    dialog.LoadGameDefaults();
    QVERIFY(designValues);
    QCOMPARE(calls.size(), 1);
    QVERIFY(table.isEnabled());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestFrmStartGame::tableIsGivenBackWhenNothingWasDealt() {
    // An engine that cannot deal (no word list) returns without enabling the
    // table: the table must not stay dead.
    QWidget table;
    table.show();
    bool disabledDuringDeal = false;
    frmStartGame dialog(&table,
                        [&](qint16, bool, bool) { disabledDuringDeal = !table.isEnabled(); });
    dialog.show();
    dialog.lblMenu_Click(0);
    QVERIFY(disabledDuringDeal);
    QVERIFY(table.isEnabled());
}

QTEST_MAIN(TestFrmStartGame)
#include "tst_frmstartgame.moc"
