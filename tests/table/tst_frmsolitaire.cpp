// The solitaire table window: the layout step, the saved-games grid and the
// menu, deleting a saved game, the display check, and closing the table,
// also while cards are dealt, restored or flying and while hints are sought.
#include "TableTestKit.h"

#include "app/ui/ModResFiles.h"
#include "engine/ClSolitary.h"
#include "shell/ui/WebPane.h"
#include "table/ui/CardLayer.h"
#include "table/ui/SavedGamesGrid.h"
#include "table/ui/frmSolitaire.h"
#include "table/ui/frmStartGame.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using namespace TableTestKit;

namespace {

// Saved-game records as the player file holds them.
const QString kOpenGame = QStringLiteral(
    "CardPile1=ab:c|CardPile2=:d|CardPile3=e:f|CardPile4=:g|CardPile5=hi:j|CardsInDeck=klm|"
    "CardsInDiscards=nop|DiscardIndex=3|IfGameIsDone=False|MistakeCount=1|PlayerPoints=14|"
    "WizardIsOn=True|DateOfGame=05-Dec-26|WordLevel=4|WordList=cart:dome|SaveTime=3.5");
const QString kWonGame = QStringLiteral(
    "CardPile1=:|CardPile2=:|CardPile3=:|CardPile4=:|CardPile5=:|CardsInDeck=abc|"
    "CardsInDiscards=|DiscardIndex=1|IfGameIsDone=True|MistakeCount=0|PlayerPoints=-7|"
    "WizardIsOn=False|DateOfGame=01-Jan-27|WordLevel=3|WordList=cat|SaveTime=12.25");

void LogIn(frmSolitaire& table, const QString& name) {
    ClassPlayerInfo& player = table.Player();
    player.NickName = name;
    player.Filename = name;
    player.AppVersion = QString::fromLatin1(kPlayerFileVersion);
    player.Rating = QString::fromLatin1(kNewPlayerRating);
}

// A table that is deleted once closed, as the program's own table is.
frmSolitaire* ClosingTable(const QString& name) {
    auto* table = new frmSolitaire;
    table->setAttribute(Qt::WA_DeleteOnClose);
    if (!name.isEmpty())
        LogIn(*table, name);
    return table;
}

void AddSaved(frmSolitaire& table, const QString& key, const QString& info,
              const QString& type = "Solitaire") {
    table.Player().SavedGames.Add(ClassSavedGameInfo(info, key, type));
}

// A game in play as a deal would leave it, set directly.
void StartSomeGame(ClSolitary& game) {
    game.GameInPlay = true;
    game.wordlevel = 3;
    game.CardPile1 = "ab:c";
    game.CardPile2 = "d:e";
    game.CardPile3 = "f:g";
    game.CardPile4 = "h:i";
    game.CardPile5 = "j:k";
    game.CardsInDeck = "lmn";
    game.CardsInDiscards = "op";
    game.DiscardIndex = 2;
    game.MyTime = QTime::currentTime();
}

// The saved games in a player file, read back from its bytes.
QList<ClassSavedGameInfo> SavedOnDisk(const TempProgramFolder& folder, const QString& name) {
    ClassPlayerInfo player;
    if (ClassPlayerInfo::ReadFileBytes(folder.read("temp/" + name + ".dat"), player) !=
        PlayerFileStatus::Loaded)
        return {};
    return QList<ClassSavedGameInfo>(player.SavedGames.begin(), player.SavedGames.end());
}

} // namespace

class TestFrmSolitaire : public QObject {
    Q_OBJECT
    std::unique_ptr<TempProgramFolder> m_folder;
private Q_SLOTS:
    void init() {
        m_folder = std::make_unique<TempProgramFolder>();
        QVERIFY(WriteWordList(*m_folder, {"cat", "cab", "dog", "zoo"}));
    }

    void cleanup() { m_folder.reset(); }

    void layoutFollowsTheWindowSize() {
        frmSolitaire table;
        table.show();
        table.resize(frmSolitaire::kDesignWidth, frmSolitaire::kDesignHeight);
        const int designWidth = table.picGame->width();
        table.resize(1000, 700);
        // The play area and the banner below it take all the window's growth.
        const QRect game = table.picGame->geometry(), adds = table.picAdds->geometry();
        QCOMPARE(game.width(), designWidth + 1000 - frmSolitaire::kDesignWidth);
        QCOMPARE(adds.width(), game.width());
        QCOMPARE(adds.top(), game.bottom() + 1);
        QVERIFY(table.rect().contains(game.united(adds)));
        // The greeting of a deal stays whole and readable beside the menu.
        const QString greeting = QStringLiteral(" Vantorell // Hello anna...Word level 3");
        table.ShowCaption(greeting);
        QLabel* caption = table.lblFormCaption;
        QVERIFY(caption->geometry().right() < table.lblMenu[0]->x());
        QVERIFY(caption->fontMetrics().horizontalAdvance(greeting) <= caption->width());
        // The rounded outline follows the new size.
        QVERIFY(!table.mask().contains(QPoint(0, 0)));
        QVERIFY(table.mask().contains(QPoint(990, 690)));
    }

    void startUpAdvertisementBannerAndAbout() {
        const int splashes = startupWindowsShown(QStringLiteral("frmSplash"));
        frmSolitaire table;
        table.show();
        // Once the table is shown; with no web site the banner falls back to the
        // table's own page.
        QTRY_COMPARE(startupWindowsShown(QStringLiteral("frmSplash")), splashes + 1);
        QCOMPARE(table.WebBrowser1->LocationURL(), QStringLiteral("About:Off-Line"));
        ModalWatcher watcher;
        table.lblMenu_Click(2);
        QCOMPARE(watcher.Seen(), QStringList{"frmAbout"});
        QCOMPARE(startupWindowsShown(QStringLiteral("frmSplash")), splashes + 1);
    }

    void gridShowsTheSolitaireGamesOfThePlayer() {
        frmSolitaire table;
        LogIn(table, "anna");
        // A record without a date keeps a row of its own.
        AddSaved(table, "S0", QString(kOpenGame).remove("DateOfGame=05-Dec-26|"));
        AddSaved(table, "S1", kOpenGame);
        AddSaved(table, "B2", "1=3|2=0", "SpellingGrammar.mdb"); // a board status record
        AddSaved(table, "S3", kWonGame);
        table.LoadFlexGrid();
        SavedGamesGrid* grid = table.FlexGrid;
        QCOMPARE(grid->GridRows(), 4);
        QCOMPARE(grid->TextMatrix(1, 0), QStringLiteral("S0"));
        const QStringList first{"S1", "05-Dec-26", "14", "4", "Y", "N"};
        const QStringList second{"S3", "01-Jan-27", "-7", "3", "N", "Y"};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(grid->TextMatrix(2, c), first[c]);
            QCOMPARE(grid->TextMatrix(3, c), second[c]);
        }

        // "|||" shows the details of the game on the current row.
        grid->setCurrentCell(2, 1);
        table.lblMenu_Click(7);
        QWidget* info = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && QByteArray(w->metaObject()->className()) == "frmGameInfo")
                info = w;
        }
        QVERIFY(info);
        QCOMPARE(control<QLabel>(*info, "lblPoints")->text(), QStringLiteral("Points -7"));
        info->close();
    }

    void savedGameCommandsFollowTheRow_data() {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("playingKey");
        QTest::addColumn<QList<bool>>("enabled"); // letters left, Play Save, Delete Entry, |||
        const QStringList both{kOpenGame, kWonGame};
        addDataRow("empty grid", QStringList{}, 0, QString(),
                   QList<bool>{false, false, false, false});
        addDataRow("unfinished game", both, 0, QString(), QList<bool>{false, true, true, true});
        addDataRow("finished game", both, 1, QString(), QList<bool>{false, false, true, true});
        addDataRow("the game now played", both, 0, QString("S1"),
                   QList<bool>{true, false, true, true});
        addDataRow("another game while playing", both, 0, QString("S3"),
                   QList<bool>{true, true, true, true});
    }

    void savedGameCommandsFollowTheRow() {
        QFETCH(QStringList, records);
        QFETCH(int, row);
        QFETCH(QString, playingKey);
        QFETCH(QList<bool>, enabled);
        frmSolitaire table;
        LogIn(table, "cleo");
        for (int i = 0; i < records.size(); ++i)
            AddSaved(table, QStringLiteral("S%1").arg(2 * i + 1), records[i]);
        table.LoadFlexGrid();
        table.mySolitaryGame->GameInPlay = !playingKey.isEmpty();
        table.mySolitaryGame->SaveGameIndex = playingKey;
        // Choosing the row is enough: the commands follow the selection.
        table.FlexGrid->setCurrentCell(1 - row, 1);
        table.FlexGrid->setCurrentCell(row, 1);
        table.DisableButtons();
        QCOMPARE((QList<bool>{table.cmdLettersLeft->isEnabled(), table.lblMenu[5]->isEnabled(),
                              table.lblMenu[6]->isEnabled(), table.lblMenu[7]->isEnabled()}),
                 enabled);
    }

    void headerClickSortsDescendingThenAscending() {
        frmSolitaire table;
        LogIn(table, "dora");
        AddSaved(table, "S1", kOpenGame); // 14 points
        AddSaved(table, "S2", kWonGame);  // -7 points
        AddSaved(table, "S3", QString(kOpenGame).replace("PlayerPoints=14", "PlayerPoints=2"));
        table.show();
        table.LoadFlexGrid();
        QHeaderView* header = table.FlexGrid->horizontalHeader();
        const QPoint pointsHeader(header->sectionViewportPosition(2) + 5, 5);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, pointsHeader);
        QStringList order;
        for (int r = 1; r <= 3; ++r)
            order << table.FlexGrid->TextMatrix(r, 2);
        QCOMPARE(order, QStringList({"14", "2", "-7"})); // numbers sort by value
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, pointsHeader);
        QCOMPARE(table.FlexGrid->TextMatrix(1, 2), QStringLiteral("-7"));
        // A click lower in the grid selects and does not sort.
        QTest::mouseClick(table.FlexGrid->viewport(), Qt::LeftButton, {},
                          table.FlexGrid->visualItemRect(table.FlexGrid->item(2, 1)).center());
        QCOMPARE(table.FlexGrid->TextMatrix(1, 2), QStringLiteral("-7"));
        QCOMPARE(table.FlexGrid->CurrentGridRow(), 3);
    }

    void deleteEntry_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes deletes") << true;
        QTest::newRow("no keeps everything") << false;
    }

    void deleteEntry() {
        QFETCH(bool, yes);
        frmSolitaire table;
        LogIn(table, "emil");
        AddSaved(table, "S1", kOpenGame);
        AddSaved(table, "S2", kWonGame);
        table.LoadFlexGrid();
        table.FlexGrid->setCurrentCell(1, 1);
        table.DisableButtons();
        MsgBoxRecorder boxes{yes ? MsgAnswer::Yes : MsgAnswer::No};
        table.lblMenu_Click(6);
        QCOMPARE(boxes.texts(), QStringList{"You are about to delete a save game..."});
        QCOMPARE(table.Player().SavedGames.Contains("S2"), !yes);
        QCOMPARE(table.FlexGrid->GridRows(), yes ? 2 : 3);
        QCOMPARE(table.lblMenu[5]->isEnabled(), yes); // S1, unfinished, is the current row now
        // Nothing reaches the disk before the table closes.
        QVERIFY(!QFile::exists(m_folder->file("temp/emil.dat")));
    }

    void closeAsksOnceAndAlwaysSaves_data() {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true << true;
        QTest::newRow("no") << true << false;
        // A deleted player keeps nothing: the table does not ask.
        QTest::newRow("nobody at the table") << false << true;
    }

    void closeAsksOnceAndAlwaysSaves() {
        QFETCH(bool, loggedIn);
        QFETCH(bool, yes);
        auto* table = ClosingTable(loggedIn ? "gus" : "");
        table->show();
        StartSomeGame(*table->mySolitaryGame);
        MsgBoxRecorder boxes{yes ? MsgAnswer::Yes : MsgAnswer::No};
        QPointer<frmSolitaire> guard(table);
        table->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
        if (!loggedIn) {
            QVERIFY(boxes.shown().isEmpty());
            return;
        }
        QCOMPARE(boxes.texts(), QStringList{"Do you wish to save the current game?"});
        // The player file was written either way; it holds the game only on Yes.
        const QList<ClassSavedGameInfo> saved = SavedOnDisk(*m_folder, "gus");
        QCOMPARE(saved.size(), yes ? 1 : 0);
        if (yes)
            QVERIFY(saved.first().GameInfo.startsWith("CardPile1=ab:c|"));
    }

    void tooSmallDisplayClosesTheTable() {
        frmSolitaire table;
        table.show();
        MsgBoxRecorder boxes;
        table.SysInfo1_DisplayChanged(641);
        QVERIFY(table.isVisible() && boxes.shown().isEmpty());
        table.SysInfo1_DisplayChanged(640); // 9600 twips
        QVERIFY(!table.isVisible());
        QVERIFY(boxes.texts().value(0).startsWith("Screen resolution to small need 800 by 600"));
    }

    // "Play Save" restores the game of the current row; a game in play is
    // offered for saving first, and the row chosen before that is the one played
    // although saving refilled the grid.
    void playSaveRestoresTheSelectedGame_data() {
        QTest::addColumn<bool>("inPlay");
        QTest::addColumn<QString>("points");
        QTest::newRow("nothing in play") << false << "14";
        QTest::newRow("a game in play") << true << "2";
    }

    void playSaveRestoresTheSelectedGame() {
        QFETCH(bool, inPlay);
        QFETCH(QString, points);
        frmSolitaire table;
        LogIn(table, "hal");
        AddSaved(table, "S1", inPlay ? kOpenGame : kWonGame);
        AddSaved(table, "S2",
                 QString(kOpenGame).replace("PlayerPoints=14", "PlayerPoints=" + points));
        table.show();
        table.picGame->SetStepFlightsDirectly(true);
        table.chkSound->setChecked(false);
        table.chkMusic->setChecked(false);
        if (inPlay)
            StartSomeGame(*table.mySolitaryGame);
        table.LoadFlexGrid();
        table.FlexGrid->setCurrentCell(1, 1); // S2
        table.DisableButtons();
        MsgBoxRecorder boxes{MsgAnswer::Yes};
        table.lblMenu_Click(5);
        QCOMPARE(boxes.texts(),
                 inPlay ? QStringList{"Do you wish to save the current game?"} : QStringList());
        QCOMPARE(table.Player().SavedGames.Count(), inPlay ? 3 : 2);
        ClSolitary& game = *table.mySolitaryGame;
        QVERIFY(game.GameInPlay);
        QCOMPARE(game.SaveGameIndex, QStringLiteral("S2"));
        QCOMPARE(game.CardPile5, QStringLiteral("hi:j"));
        QCOMPARE(table.lblPoints->text(), points);
        QCOMPARE(table.lstWords->count(), 2);
        // ab:c, :d, e:f, :g, hi:j: ten cards and the template.
        QCOMPARE(table.picGame->piccards.size(), 1 + 10);
        QVERIFY(table.cmdLettersLeft->isEnabled());
        if (!inPlay) // the row of the game now played is the current one
            QVERIFY(!table.lblMenu[5]->isEnabled());
    }

    void newGameDuringAGame_data() {
        QTest::addColumn<bool>("deal");
        QTest::newRow("dealt") << true;
        QTest::newRow("cancelled") << false;
    }

    void newGameDuringAGame() {
        QFETCH(bool, deal);
        frmSolitaire table;
        LogIn(table, "jon");
        table.show();
        table.picGame->SetStepFlightsDirectly(true);
        table.chkSound->setChecked(false);
        StartSomeGame(*table.mySolitaryGame);
        table.ShowCaption(QStringLiteral(" Vantorell // Hello jon...Word level 3"));
        MsgBoxRecorder boxes{MsgAnswer::Yes};
        ModalWatcher watcher([deal](QWidget* window) {
            auto* start = qobject_cast<frmStartGame*>(window);
            if (start && deal)
                start->lblMenu_Click(0);
            else
                window->close();
        });
        table.lblMenu_Click(0);
        QCOMPARE(boxes.texts(), QStringList{"Do you wish to save the current game?"});
        QCOMPARE(watcher.Seen(), QStringList{"frmStartGame"});
        QCOMPARE(table.FlexGrid->TextMatrix(1, 0), QStringLiteral("S1"));
        QCOMPARE(table.FlexGrid->TextMatrix(1, 5), QStringLiteral("N"));
        QCOMPARE(table.mySolitaryGame->GameInPlay, deal);
        // An empty table names no word level and has no letters to count.
        QCOMPARE(table.cmdLettersLeft->isEnabled(), deal);
        QCOMPARE(table.lblFormCaption->text().contains("Word level"), deal);
    }

    void boardGameAsksOnceAndHandsOver() {
        frmSolitaire table;
        LogIn(table, "kim");
        table.show();
        StartSomeGame(*table.mySolitaryGame);
        QObject::connect(&table, &frmSolitaire::BoardGameRequested, &table,
                         [&table] { ModResFiles::HandOverToBoardGame(&table); });
        MsgBoxRecorder boxes{MsgAnswer::No};
        table.lblMenu_Click(1);
        // Asked once: closing the table on the way does not ask again.
        QCOMPARE(boxes.texts().count(QStringLiteral("Do you wish to save the current game?")), 1);
        QVERIFY(!table.isVisible());
        QVERIFY(table.Player().SavedGames.isEmpty());
        QWidget* board = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == QLatin1String("frmDictation"))
                board = w;
        QVERIFY(board);
        delete board;
    }

    void failedPlayerFileIsReported() {
        // A folder where the player file belongs: the file cannot be written.
        QVERIFY(QDir(m_folder->path()).mkpath("temp/lea.dat"));
        frmSolitaire table;
        LogIn(table, "lea");
        table.show();
        MsgBoxRecorder boxes;
        table.close();
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.texts().first().contains("lea"));
        QVERIFY(!table.TimerDeckAnimation->isActive());
        QVERIFY(QFileInfo(m_folder->file("temp/lea.dat")).isDir());
    }

    // The window is closed (as the window manager closes it) while the cards of
    // a deal or a restore fly: the cards still to come are put down at once,
    // then the save question comes and the whole game is saved.
    void closingWhileCardsAreDealt_data() {
        QTest::addColumn<bool>("restore");
        QTest::newRow("deal") << false;
        QTest::newRow("restore") << true;
    }

    void closingWhileCardsAreDealt() {
        QFETCH(bool, restore);
        auto* table = ClosingTable("max");
        AddSaved(*table, "S1", kOpenGame);
        table->show();
        table->chkSound->setChecked(false);
        table->chkMusic->setChecked(false);
        table->LoadFlexGrid();
        table->DisableButtons();
        int arrived = 0;
        connect(table->picGame, &CardLayer::DealFlightEnded, table, [&arrived, table] {
            if (++arrived == 3)
                table->close();
        });
        ModalWatcher watcher([](QWidget* window) {
            if (auto* start = qobject_cast<frmStartGame*>(window))
                start->lblMenu_Click(0);
        });
        MsgBoxRecorder boxes{MsgAnswer::Yes};
        // The question comes with every card of the game on the felt.
        int cardsShown = -1;
        MsgBoxHandler recorder;
        recorder = setMsgBoxHandler([&](const MsgBoxRequest& request) {
            const auto cards = table->picGame->findChildren<UserControlCards*>();
            cardsShown = int(std::count_if(cards.cbegin(), cards.cend(), [](auto* card) {
                return card->DataField >= 1 && card->isVisible();
            }));
            return recorder(request);
        });
        QPointer<frmSolitaire> guard(table);
        if (restore)
            table->lblMenu_Click(5);
        else
            QTest::mouseClick(table->cmdDeck, Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(arrived, 3);
        setMsgBoxHandler(std::move(recorder));
        QCOMPARE(boxes.texts(), QStringList{"Do you wish to save the current game?"});
        QCOMPARE(cardsShown, restore ? 10 : 25);
        // The saved game is whole and can be played again.
        const QList<ClassSavedGameInfo> saved = SavedOnDisk(*m_folder, "max");
        QCOMPARE(saved.size(), restore ? 1 : 2);
        SavedGameRecord record;
        QString why;
        QVERIFY2(SavedGameRecord::Parse(saved.last().GameInfo, record, &why), qPrintable(why));
        const QStringList piles(record.CardPile, record.CardPile + 5);
        if (restore) {
            QCOMPARE(piles, QStringList({"ab:c", ":d", "e:f", ":g", "hi:j"}));
        } else {
            for (const QString& pile : piles)
                QCOMPARE(pile.indexOf(':'), 4);
            QCOMPARE(record.CardsInDeck.size() + record.CardsInDiscards.size(), 115 - 25);
        }
    }

    // A click on the deck starts a hint search; the window is closed while it
    // runs: the search ends and the table closes once the click has returned.
    void closingWhileHintsAreSought() {
        auto* table = ClosingTable("ned");
        table->show();
        StartSomeGame(*table->mySolitaryGame);
        table->mySolitaryGame->WizardIsOn = true;
        MsgBoxRecorder boxes{MsgAnswer::Yes};
        QPointer<frmSolitaire> guard(table);
        bool clicking = true;
        bool closedDuringTheClick = false;
        QTimer::singleShot(0, table, [&] {
            closedDuringTheClick = clicking;
            table->close();
        });
        QTest::mouseClick(table->cmdDeck, Qt::LeftButton);
        clicking = false;
        QVERIFY(closedDuringTheClick);
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(boxes.texts(), QStringList{"Do you wish to save the current game?"});
        const QList<ClassSavedGameInfo> saved = SavedOnDisk(*m_folder, "ned");
        QCOMPARE(saved.size(), 1);
        QVERIFY(saved.first().GameInfo.contains("|CardsInDeck=|CardsInDiscards=lmnop|"));
    }

    // The window is closed while a card flies back, or while a made word flies
    // to the list: the flight ends at once; a made word is scored first, and the
    // last one wins the game, which then needs no saving.
    void closingWhileCardsFly_data() {
        QTest::addColumn<QStringList>("piles");
        QTest::addColumn<QString>("discards");
        QTest::addColumn<QString>("wordList"); // of the saved game
        QTest::addColumn<QString>("points");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("rating");
        addDataRow("card flying back", QStringList{":cA", "d:o"}, "x", "", "-3", true,
                   "3Off=None,0");
        addDataRow("word flying", QStringList{":cA", "d:o"}, "t", "cat", "5", true, "3Off=None,0");
        addDataRow("last word flying", QStringList{":cA"}, "t", "cat", "5", false, "3Off=5,");
    }

    void closingWhileCardsFly() {
        QFETCH(QStringList, piles);
        QFETCH(QString, discards);
        QFETCH(QString, wordList);
        QFETCH(QString, points);
        QFETCH(bool, asked);
        QFETCH(QString, rating);
        auto* table = ClosingTable("ola");
        table->show();
        LayOut(*table, piles, discards);
        MsgBoxRecorder boxes{MsgAnswer::Yes};
        ModalWatcher watcher;
        DragCard(table->picGame->TopDiscard(), QPoint(217, 100));
        QVERIFY(table->picGame->TimerMoveCardBack->isActive() ||
                table->picGame->TimerWordDone->isActive());
        QPointer<frmSolitaire> guard(table);
        table->close();
        QTRY_VERIFY(guard.isNull());
        QVERIFY(!watcher.Seen().contains("frmGameDone"));
        QCOMPARE(boxes.shown().size(), asked ? 1 : 0);
        ClassPlayerInfo onDisk;
        QCOMPARE(ClassPlayerInfo::ReadFileBytes(m_folder->read("temp/ola.dat"), onDisk),
                 PlayerFileStatus::Loaded);
        QVERIFY2(onDisk.Rating.contains(rating), qPrintable(onDisk.Rating));
        const QHash<QString, QString> fields =
            SavedGameRecord::Fields(onDisk.SavedGames.at(0).GameInfo);
        QCOMPARE(fields.value("WordList"), wordList);
        QCOMPARE(fields.value("CardPile1"), wordList.isEmpty() ? ":cA" : ":");
        QCOMPARE(fields.value("PlayerPoints"), points);
        QCOMPARE(fields.value("IfGameIsDone"), asked ? "False" : "True");
    }
};

QTEST_MAIN(TestFrmSolitaire)
#include "tst_frmsolitaire.moc"
