// The placement dialog, the win window and the saved-game details, driven
// offscreen by their control names. What they show is decided by the engine;
// these check that the windows show it and report their closing.
#include "TestSupport.h"

#include "engine/ui/frmDialogInfo.h"
#include "engine/ui/frmGameDone.h"
#include "engine/ui/frmGameInfo.h"
#include "shell/ui/frmDictionary.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

QString Text(QWidget* window, const char* name) {
    return control<QLabel>(*window, name)->text();
}

} // namespace

class TestGameDialogs : public QObject {
    Q_OBJECT

private slots:
    void placement_data() {
        QTest::addColumn<QString>("word"); // empty: a mistake
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("closeWith");
        QTest::newRow("mistake") << ""
                                 << QStringList{"anna!", "Can't find word in dictionary...",
                                                "Point lost 3..."}
                                 << "cmdOK";
        QTest::newRow("word made")
            << "cAT"
            << QStringList{"anna...", "I found 'cat' in the dictionary...", "Word Points 5..."}
            << "lblClose";
    }
    void placement() {
        QFETCH(QString, word);
        QFETCH(QStringList, lines);
        QFETCH(QString, closeWith);
        QPointer<frmDialogInfo> dialog = new frmDialogInfo;
        QSignalSpy unloaded(dialog.data(), &frmDialogInfo::Unloaded);
        if (word.isEmpty())
            dialog->LoadMistake(QStringLiteral("anna"));
        else
            dialog->LoadWordMade(QStringLiteral("anna"), word);
        QVERIFY(dialog->isVisible());
        QCOMPARE((QStringList{Text(dialog, "lblPlayer"), Text(dialog, "lblline1"),
                              Text(dialog, "lblLine2")}),
                 lines);
        QCOMPARE(control<QLabel>(*dialog, "picMistake")->isVisible(), word.isEmpty());
        QCOMPARE(control<QLabel>(*dialog, "picCorrect")->isVisible(), !word.isEmpty());
        QVERIFY(unloaded.isEmpty());
        QTest::mouseClick(dialog->findChild<QWidget*>(closeWith), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull()); // closed and gone
        QCOMPARE(unloaded.size(), 1);
    }

    void gameWon() {
        frmGameDone window;
        QTimer::singleShot(0, &window, [&] {
            QVERIFY(window.isVisible());
            QTest::mouseClick(control<QLabel>(window, "lblMenu"), Qt::LeftButton);
        });
        window.GameWon(QStringLiteral("anna"), 4, true, QStringLiteral("New top rating on: x"));
        QVERIFY(!window.isVisible());
        QCOMPARE(Text(&window, "lblline1"), QStringLiteral("Winner... anna"));
        QCOMPARE(Text(&window, "lblInfo"),
                 QStringLiteral("Nice going you solved a 4 letter word for Vantorell"));
        QCOMPARE(Text(&window, "lblWizard"), QStringLiteral("With the wizard On..."));
        QCOMPARE(Text(&window, "lblRating"), QStringLiteral("New top rating on: x"));
    }

    void savedGameDetails_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("finished, wizard on")
            << "CardPile1=:|CardPile2=:|CardPile3=:|CardPile4=:|CardPile5=:|CardsInDeck=abc|"
               "CardsInDiscards=|DiscardIndex=1|IfGameIsDone=True|MistakeCount=2|"
               "PlayerPoints=41|WizardIsOn=True|DateOfGame=05-Dec-26|WordLevel=3|"
               "WordList=cat:dog:zoo|SaveTime=7.5"
            << QStringList{"Date 05-Dec-26",  "Finnish True", "Wizard On On",       "Points 41",
                           "Mistake Count 2", "Game Level 3", "Level=3On Points=50"}
            << QStringList{"cat", "dog", "zoo"};
        QTest::newRow("unfinished, wizard off, no words")
            << "CardPile1=a:b|IfGameIsDone=False|MistakeCount=0|PlayerPoints=-3|"
               "WizardIsOn=False|DateOfGame=01-Jan-26|WordLevel=4|WordList="
            << QStringList{"Date 01-Jan-26",  "Finnish False", "Wizard On Off",         "Points -3",
                           "Mistake Count 0", "Game Level 4",  "Level=4Off Points=None"}
            << QStringList{};
    }
    void savedGameDetails() {
        QFETCH(QString, record);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, words);
        QPointer<frmGameInfo> window = new frmGameInfo;
        window->LoadGameInfo(record, QStringLiteral("3On=50,10.00^3Off=None,0^4On=None,0^4Off="
                                                    "None,0"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        const char* names[] = {"lblDate",         "lblFinnishGame", "lblWizardOn", "lblPoints",
                               "lblMistakeCount", "lblGameLevel",   "lblRating"};
        QStringList shown;
        for (const char* name : names)
            shown << Text(window, name);
        QCOMPARE(shown, labels);
        QListWidget* list = control<QListWidget>(*window, "lstWords");
        QCOMPARE(itemTexts(list), words);
        if (!words.isEmpty()) {
            const QRect r = list->visualItemRect(list->item(1));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
            // The dictionary belongs to this window, so it is usable beside it.
            auto* dictionary = window->findChild<frmDictionary*>();
            QVERIFY(dictionary && dictionary->isVisible());
            QCOMPARE(dictionary->Word(), words.at(1));
        }
        QTest::mouseClick(control<QLabel>(*window, "lblClose"), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestGameDialogs)
#include "tst_gamedialogs.moc"
