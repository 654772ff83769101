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
    // What the dialog works out: the player, the word in lower case, the points.
    void placement_data() {
        QTest::addColumn<QString>("word");      // empty: a mistake
        QTest::addColumn<QStringList>("parts"); // in lblPlayer, lblline1, lblLine2
        QTest::addColumn<QString>("closeWith");
        QTest::newRow("mistake") << "" << QStringList{"anna", "", " 3"} << "cmdOK";
        QTest::newRow("word made") << "cAT" << QStringList{"anna", "'cat'", " 5"} << "lblClose";
    }
    void placement() {
        QFETCH(QString, word);
        QFETCH(QStringList, parts);
        QFETCH(QString, closeWith);
        QPointer<frmDialogInfo> dialog = new frmDialogInfo;
        QSignalSpy unloaded(dialog.data(), &frmDialogInfo::Unloaded);
        if (word.isEmpty())
            dialog->LoadMistake(QStringLiteral("anna"));
        else
            dialog->LoadWordMade(QStringLiteral("anna"), word);
        QVERIFY(dialog->isVisible());
        const char* names[] = {"lblPlayer", "lblline1", "lblLine2"};
        for (int i = 0; i < 3; ++i)
            QVERIFY2(Text(dialog, names[i]).contains(parts[i]), names[i]);
        QCOMPARE(control<QLabel>(*dialog, "picMistake")->isVisible(), word.isEmpty());
        QCOMPARE(control<QLabel>(*dialog, "picCorrect")->isVisible(), !word.isEmpty());
        QVERIFY(unloaded.isEmpty());
        QTest::mouseClick(dialog->findChild<QWidget*>(closeWith), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull()); // closed and gone
        QCOMPARE(unloaded.size(), 1);
    }

    // The window shows the winner, the word length and the rating note it is given.
    void gameWon() {
        frmGameDone window;
        QTimer::singleShot(0, &window, [&] {
            QVERIFY(window.isVisible());
            QTest::mouseClick(control<QLabel>(window, "lblMenu"), Qt::LeftButton);
        });
        window.GameWon(QStringLiteral("anna"), 4, true, QStringLiteral("New top rating on: x"));
        QVERIFY(!window.isVisible());
        QVERIFY(Text(&window, "lblline1").contains(QLatin1String("anna")));
        QVERIFY(Text(&window, "lblInfo").contains(QLatin1String(" 4 ")));
        QCOMPARE(Text(&window, "lblRating"), QStringLiteral("New top rating on: x"));
    }

    // The record's fields and the rating of its level and wizard setting are
    // shown; a word of the list is looked up in the dictionary.
    void savedGameDetails_data() {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QStringList>("shown"); // points, mistakes, level, rating
        QTest::addColumn<QStringList>("words");
        QTest::newRow("finished, wizard on")
            << "CardPile1=:|IfGameIsDone=True|MistakeCount=2|PlayerPoints=41|WizardIsOn=True|"
               "DateOfGame=05-Dec-26|WordLevel=3|WordList=cat:dog:zoo|SaveTime=7.5"
            << QStringList{"41", "2", "3", "3On Points=50"} << QStringList{"cat", "dog", "zoo"};
        QTest::newRow("unfinished, wizard off, no words")
            << "CardPile1=a:b|IfGameIsDone=False|MistakeCount=0|PlayerPoints=-3|"
               "WizardIsOn=False|DateOfGame=01-Jan-26|WordLevel=4|WordList="
            << QStringList{"-3", "0", "4", "4Off Points=None"} << QStringList{};
    }
    void savedGameDetails() {
        QFETCH(QString, record);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, words);
        QPointer<frmGameInfo> window = new frmGameInfo;
        window->LoadGameInfo(record, QStringLiteral("3On=50,10.00^3Off=None,0^4On=None,0^4Off="
                                                    "None,0"));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.data()));
        const char* names[] = {"lblPoints", "lblMistakeCount", "lblGameLevel", "lblRating"};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(Text(window, names[i]).endsWith(shown[i]), names[i]);
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
