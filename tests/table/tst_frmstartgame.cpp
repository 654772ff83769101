// The start-game dialog: the deal with the chosen level and wizard flag, the
// design-time values on every opening, cancel, and the table's enabled state.
#include "TestSupport.h"

#include "table/ui/frmStartGame.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <optional>

namespace {

struct DealCall {
    qint16 level;
    bool wizard;
    bool tableEnabled;
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
    void cancelDealsNothing();
    void everyOpeningStartsFromDesignValues();
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
    std::optional<DealCall> call;
    int calls = 0;
    frmStartGame dialog(&table, [&](qint16 l, bool w) {
        call = DealCall{l, w, table.isEnabled()};
        ++calls;
        table.setEnabled(true); // as the engine does at the end of a deal
    });
    dialog.show();
    QTest::mouseClick(control<QRadioButton>(dialog, QStringLiteral("optLevel_%1").arg(option)),
                      Qt::LeftButton);
    if (!wizard)
        QTest::mouseClick(control<QCheckBox>(dialog, "chkDictionary"), Qt::LeftButton);
    ClickLabel(control<QLabel>(dialog, "lblMenu_0"));
    QCOMPARE(calls, 1);
    QCOMPARE(int(call->level), level);
    QCOMPARE(call->wizard, wizard);
    QVERIFY(!call->tableEnabled); // the table takes no input while the cards fly
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestFrmStartGame::cancelDealsNothing() {
    QWidget table;
    table.show();
    int calls = 0;
    frmStartGame dialog(&table, [&](qint16, bool) { ++calls; });
    dialog.show();
    ClickLabel(control<QLabel>(dialog, "lblMenu_1"));
    QCOMPARE(calls, 0);
    QVERIFY(!dialog.isVisible());
    QVERIFY(table.isEnabled());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    // Indexes other than 0 and 1 do nothing.
    dialog.show();
    dialog.lblMenu_Click(2);
    QVERIFY(dialog.isVisible());
    QCOMPARE(calls, 0);
}

void TestFrmStartGame::everyOpeningStartsFromDesignValues() {
    QWidget table;
    table.show();
    QList<DealCall> calls;
    bool dealtInsideModalLoop = false;
    frmStartGame* self = nullptr;
    frmStartGame dialog(&table, [&](qint16 l, bool w) {
        calls.append({l, w, table.isEnabled()});
        // The dialog is gone before the cards fly.
        dealtInsideModalLoop |= self->isVisible() || QApplication::activeModalWidget() == self;
        table.setEnabled(true);
    });
    self = &dialog;
    // First opening: choose 7 letters without the wizard and deal.
    QTimer::singleShot(0, &dialog, [&] {
        QTest::mouseClick(dialog.optLevel.at(5), Qt::LeftButton);
        QTest::mouseClick(dialog.chkDictionary, Qt::LeftButton);
        ClickLabel(dialog.lblMenu.at(0));
    });
    dialog.LoadGameDefaults();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(int(calls.at(0).level), 7);
    QVERIFY(!calls.at(0).wizard);
    // Second opening shows level 3 and the wizard again; deal straight away.
    bool level3 = false, wizardTicked = false;
    QTimer::singleShot(0, &dialog, [&] {
        level3 = dialog.optLevel.at(1)->isChecked() && !dialog.optLevel.at(5)->isChecked();
        wizardTicked = dialog.chkDictionary->isChecked();
        ClickLabel(dialog.lblMenu.at(0));
    });
    dialog.LoadGameDefaults();
    QVERIFY(level3);
    QVERIFY(wizardTicked);
    QCOMPARE(calls.size(), 2);
    QCOMPARE(int(calls.at(1).level), 3);
    QVERIFY(calls.at(1).wizard);
    QVERIFY(!dealtInsideModalLoop);
    QVERIFY(!calls.at(0).tableEnabled);
}

void TestFrmStartGame::tableIsGivenBackWhenNothingWasDealt() {
    // An engine that cannot deal (no word list) returns without enabling the
    // table: the table must not stay dead.
    QWidget table;
    table.show();
    bool disabledDuringDeal = false;
    frmStartGame dialog(&table, [&](qint16, bool) { disabledDuringDeal = !table.isEnabled(); });
    dialog.show();
    dialog.lblMenu_Click(0);
    QVERIFY(disabledDuringDeal);
    QVERIFY(table.isEnabled());
}

QTEST_MAIN(TestFrmStartGame)
#include "tst_frmstartgame.moc"
