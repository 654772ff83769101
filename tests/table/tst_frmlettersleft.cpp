// The letters-left window: the text built from the stock and the discards,
// shown modally and closed with its close label.
#include "TestSupport.h"

#include "table/ui/frmLettersLeft.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

class TestFrmLettersLeft : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void text_data() {
        QTest::addColumn<QString>("deck");
        QTest::addColumn<QString>("discards");
        QTest::addColumn<QString>("expected");
        addDataRow("both, each last to first", "abc", "xy", "c b a y x ");
        addDataRow("stock only, joker kept", "*q", "", "q * ");
        addDataRow("repeated letters", "aab", "a", "b a a a ");
    }

    void text() {
        QFETCH(QString, deck);
        QFETCH(QString, discards);
        QFETCH(QString, expected);
        QCOMPARE(frmLettersLeft::LettersLeftText(deck, discards), expected);
        frmLettersLeft window;
        window.SetLetters(deck, discards);
        QCOMPARE(control<QLabel>(window, "lblLettersLeft")->text(), expected);
    }

    void showsModallyAndClosesWithTheLabel() {
        QWidget table;
        table.show();
        frmLettersLeft window(&table);
        QString shown;
        bool modal = false;
        QTimer::singleShot(0, &window, [&] {
            modal = window.isVisible() && window.isModal();
            shown = window.lblLettersLeft->text();
            QTest::mouseClick(control<QLabel>(window, "lblClose"), Qt::LeftButton, {},
                              QPoint(3, 3));
        });
        window.LoadLettersLeft(QStringLiteral("mno"), QStringLiteral("k"));
        QVERIFY(modal);
        QCOMPARE(shown, QStringLiteral("o n m k "));
        QVERIFY(!window.isVisible());
    }

    void wholeStockFitsTheWindow() {
        // Right after a deal nearly the whole pack is in the stock: every card
        // must still be readable inside the window.
        frmLettersLeft window;
        window.SetLetters(QString(112, QLatin1Char('w')), QStringLiteral("abc")); // the whole pack
        QLabel* label = window.lblLettersLeft;
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        QVERIFY(window.rect().contains(label->geometry()));
    }
};

QTEST_MAIN(TestFrmLettersLeft)
#include "tst_frmlettersleft.moc"
