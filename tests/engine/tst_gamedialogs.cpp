// The placement dialog, the win window and the saved-game details, driven
// offscreen by their control names.
#include "FakeSolitaireTable.h"
#include "TestSupport.h"

#include "engine/ClSolitary.h"
#include "engine/ui/frmDialogInfo.h"
#include "engine/ui/frmGameDone.h"
#include "engine/ui/frmGameInfo.h"
#include "players/ClassPlayerInfo.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

QColor Background(QWidget* w) {
    return w->palette().color(QPalette::Window);
}

QString Text(QWidget* window, const char* name) {
    return control<QLabel>(*window, name)->text();
}

} // namespace

class TestGameDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> m_folder;

private slots:
    void init() {
        m_folder = std::make_unique<TempProgramFolder>();
        ResetCurrentPlayer();
        CurrentPlayer().NickName = QStringLiteral("anna");
        CurrentPlayer().Rating = QString::fromLatin1(kNewPlayerRating);
    }
    void cleanup() {
        ResetCurrentPlayer();
        m_folder.reset();
    }

    void mistake_data() {
        QTest::addColumn<bool>("soundsOn");
        QTest::addColumn<int>("pointsBefore");
        QTest::addColumn<QString>("pointsAfter");
        QTest::newRow("sound on, one point") << true << 1 << "-2";
        QTest::newRow("sound off") << false << 10 << "7";
    }
    void mistake() {
        QFETCH(bool, soundsOn);
        QFETCH(int, pointsBefore);
        QFETCH(QString, pointsAfter);
        FakeSolitaireTable table;
        table.soundsOn = soundsOn;
        ClSolitary game(table, nullptr);
        game.PlayerPoints = qint16(pointsBefore);
        QPointer<frmDialogInfo> dialog = new frmDialogInfo(table, game);
        dialog->LoadMistake();
        QVERIFY(dialog->isVisible());
        QCOMPARE(Text(dialog, "lblPlayer"), QStringLiteral("anna!"));
        QCOMPARE(Text(dialog, "lblline1"), QStringLiteral("Can't find word in dictionary..."));
        QCOMPARE(Text(dialog, "lblLine2"), QStringLiteral("Point lost 3..."));
        QVERIFY(control<QLabel>(*dialog, "picMistake")->isVisible());
        QVERIFY(!control<QLabel>(*dialog, "picCorrect")->isVisible());
        QCOMPARE(Background(dialog), QColor(128, 0, 0));
        QLabel* caption = control<QLabel>(*dialog, "lblFormCaption");
        QCOMPARE(Background(caption), QColor(255, 192, 192));
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(table.pointsCaption, pointsAfter);
        QCOMPARE(int(game.MistakeCount), 1);
        QCOMPARE(table.deckPicture, 143);
        QVERIFY(!table.deckTimer);
        QCOMPARE(table.sounds,
                 soundsOn ? QStringList{QStringLiteral("\\Sounds\\mistake.wav")} : QStringList{});
        QVERIFY(!table.log.contains(QStringLiteral("RunAds")));

        QTest::mouseClick(control<QPushButton>(*dialog, "cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull()); // closed and gone
        QVERIFY(table.deckTimer);
        QCOMPARE(table.log.count(QStringLiteral("RunAds")), 1);
    }

    void wordMade() {
        FakeSolitaireTable table;
        table.soundsOn = true;
        ClSolitary game(table, nullptr);
        game.PlayerPoints = 4;
        QPointer<frmDialogInfo> dialog = new frmDialogInfo(table, game);
        dialog->LoadWordMade(QStringLiteral("cAT"));
        QCOMPARE(Text(dialog, "lblPlayer"), QStringLiteral("anna..."));
        QCOMPARE(Text(dialog, "lblline1"), QStringLiteral("I found 'cat' in the dictionary..."));
        QCOMPARE(Text(dialog, "lblLine2"), QStringLiteral("Word Points 5..."));
        QVERIFY(control<QLabel>(*dialog, "picCorrect")->isVisible());
        QVERIFY(!control<QLabel>(*dialog, "picMistake")->isVisible());
        QCOMPARE(Background(dialog), QColor(0, 128, 0));
        QCOMPARE(Background(control<QLabel>(*dialog, "lblFormCaption")), QColor(192, 255, 192));
        QCOMPARE(table.deckPicture, 135);
        QCOMPARE(table.sounds, QStringList{QStringLiteral("\\Sounds\\clap.wav")});
        // The points come later, with the word's flight.
        QCOMPARE(int(game.PlayerPoints), 4);
        QCOMPARE(int(game.MistakeCount), 0);

        QTest::mouseClick(control<QLabel>(*dialog, "lblClose"), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(table.log.count(QStringLiteral("RunAds")), 1);
    }

    // The rating rules themselves are checked with ClRating; here the first
    // win of a level reaches the window, the player and the player file.
    void winUpdatesTheRatingAndFilesTheGame() {
        const QString fresh = QString::fromLatin1(kNewPlayerRating);
        const QString ratingAfter =
            QString(fresh).replace(QStringLiteral("4Off=None,0"), QStringLiteral("4Off=30,2.00"));
        const int points = 30;
        ClassPlayerInfo& player = CurrentPlayer();
        player.Filename = QStringLiteral("anna");
        player.AppVersion = QString::fromLatin1(kPlayerFileVersion);
        player.Rating = fresh;
        FakeSolitaireTable table;
        table.soundsOn = true;
        ClSolitary game(table, nullptr);
        game.wordlevel = 4;
        game.WizardIsOn = false;
        game.PlayerPoints = qint16(points);
        game.GameInPlay = true;
        for (int p = 1; p <= 5; ++p)
            game.CardPile(p) = QStringLiteral(":");
        game.WordList = QStringLiteral("cart:dogs");
        game.SaveTime = 2.0f;
        game.MyTime = QTime::currentTime();

        frmGameDone window(table, game);
        window.PrepareGameWon();
        QCOMPARE(Text(&window, "lblRating"),
                 QStringLiteral("New top rating on: Level=4Off Points=30 Time=2.00"));
        QCOMPARE(player.Rating, ratingAfter);
        QCOMPARE(Text(&window, "lblline1"), QStringLiteral("Winner... anna"));
        QCOMPARE(Text(&window, "lblInfo"),
                 QStringLiteral("Nice going you solved a 4 letter word for Vantorell"));
        QCOMPARE(Text(&window, "lblWizard"), QStringLiteral("With the wizard Off..."));
        QVERIFY(table.log.contains(QStringLiteral("stopMusic")));
        QCOMPARE(table.sounds, QStringList{QStringLiteral("\\Sounds\\hooray.wav")});

        // The won game is filed, finished, and the player file is written.
        QCOMPARE(player.SavedGames.Count(), 1);
        const QString info = player.SavedGames.at(0).GameInfo;
        QVERIFY(info.contains(QStringLiteral("|IfGameIsDone=True|")));
        QVERIFY(info.contains(QStringLiteral("|PlayerPoints=%1|").arg(points)));
        QVERIFY(info.contains(QStringLiteral("|WordList=cart:dogs|")));
        QVERIFY(QFileInfo::exists(m_folder->file(QStringLiteral("temp/anna.dat"))));
        ClassPlayerInfo reread;
        QCOMPARE(
            ClassPlayerInfo::ReadFileBytes(m_folder->read(QStringLiteral("temp/anna.dat")), reread),
            PlayerFileStatus::Loaded);
        QCOMPARE(reread.Rating, ratingAfter);
        QCOMPARE(reread.SavedGames.Count(), 1);
    }

    void closingTheWinClearsTheTable() {
        FakeSolitaireTable table;
        ClSolitary game(table, nullptr);
        game.wordlevel = 3;
        game.WizardIsOn = true;
        game.PlayerPoints = 12;
        game.GameInPlay = true;
        game.MyTime = QTime::currentTime();
        frmGameDone window(table, game);
        QTimer::singleShot(0, &window, [&] {
            QVERIFY(window.isVisible());
            QCOMPARE(Text(&window, "lblWizard"), QStringLiteral("With the wizard On..."));
            QTest::mouseClick(control<QLabel>(window, "lblMenu"), Qt::LeftButton);
        });
        window.GameWon();
        QVERIFY(!window.isVisible());
        QVERIFY(!game.GameInPlay);
        QCOMPARE(int(game.PlayerPoints), 0);
        const qsizetype grid = table.log.indexOf(QStringLiteral("LoadFlexGrid"));
        QVERIFY(grid > table.log.indexOf(QStringLiteral("unloadPileCards")));
        QCOMPARE(table.log.mid(grid),
                 (QStringList{QStringLiteral("LoadFlexGrid"), QStringLiteral("DisableButtons"),
                              QStringLiteral("RunAds")}));
        QVERIFY(!window.TimerFace.isActive());
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
        FakeSolitaireTable table;
        QPointer<frmGameInfo> window = new frmGameInfo(&table);
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
            QVERIFY(!table.log.isEmpty());
            QCOMPARE(table.log.last(), QStringLiteral("NetDictionary ") + words.at(1));
        }
        QTest::mouseClick(control<QLabel>(*window, "lblClose"), Qt::LeftButton);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestGameDialogs)
#include "tst_gamedialogs.moc"
