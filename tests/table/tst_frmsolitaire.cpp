// The solitaire table window: its controls and their design-time values, the
// layout step, the saved-games grid and the menu enabling, deleting a saved
// game, the display check and the close handler.
#include "TestSupport.h"

#include "engine/ClSolitary.h"
#include "engine/ui/UserControlCards.h"
#include "players/ClassPlayerInfo.h"
#include "table/ui/SavedGamesGrid.h"
#include "table/ui/frmSolitaire.h"

#include "TableTestKit.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

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

void LogInPlayer(const QString& name) {
    ResetCurrentPlayer();
    ClassPlayerInfo& player = CurrentPlayer();
    player.NickName = name;
    player.Filename = name;
    player.Rating = QString::fromLatin1(kNewPlayerRating);
}

void AddSaved(const QString& key, const QString& info, const QString& type = "Solitaire") {
    CurrentPlayer().SavedGames.Add(ClassSavedGameInfo(info, key, type));
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

} // namespace

class TestFrmSolitaire : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void controlsAtDesignTime();
    void layoutFollowsTheWindowSize_data();
    void layoutFollowsTheWindowSize();
    void gridShowsTheSolitaireGamesOfThePlayer();
    void emptyGridDisablesSavedGameCommands();
    void menuEnablingFollowsTheRow_data();
    void menuEnablingFollowsTheRow();
    void gridToolTipsByTwips_data();
    void gridToolTipsByTwips();
    void headerClickSortsDescendingThenAscending();
    void deleteEntry_data();
    void deleteEntry();
    void deletingThePlayedGameClearsTheEngineKey();
    void closeAsksOnceAndAlwaysSaves_data();
    void closeAsksOnceAndAlwaysSaves();
    void tooSmallDisplayClosesTheTable_data();
    void tooSmallDisplayClosesTheTable();
    void deckAnimationCyclesFifteenPictures();
    void playSaveRestoresTheSelectedGame();
    void playSaveAfterSavingRestoresTheRowChosenBefore();
    void newGameDuringAGameOffersToSave();
    void boardGameAsksOnceAndHandsOver();
    void failedPlayerFileIsReported();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
};

void TestFrmSolitaire::init() {
    m_folder = std::make_unique<TempProgramFolder>();
    QVERIFY(m_folder->copyFromBuild(QStringLiteral("Dictionary/dictionary.dic")));
    ResetCurrentPlayer();
}

void TestFrmSolitaire::cleanup() {
    ResetCurrentPlayer();
    m_folder.reset();
}

void TestFrmSolitaire::controlsAtDesignTime() {
    MsgBoxRecorder boxes;
    frmSolitaire table;
    const QList<std::pair<const char*, QString>> captions{
        {"lblFormCaption", "Vantorell"},
        {"lblClose", "X"},
        {"lblMenu_0", "New Game"},
        {"lblMenu_1", "Board Game"},
        {"lblMenu_2", "About"},
        {"lblMenu_3", "Log On As"},
        {"lblMenu_4", "Net Dictionary"},
        {"lblMenu_5", "Play Save"},
        {"lblMenu_6", "Delete Entry"},
        {"lblMenu_7", "|||"},
        {"lblWizard", " Wizard"},
        {"Label2", " Words Built"},
        {"Label4", "Points"},
        {"lblPoints", "0"},
        {"lblHelpPlay", "Use top discard to build 3-letter words for each card stack; The game "
                        "is won when each card is turned into words..."}};
    for (const auto& [name, caption] : captions)
        QCOMPARE(control<QLabel>(table, name)->text(), caption);
    auto* letters = control<QPushButton>(table, "cmdLettersLeft");
    QCOMPARE(letters->text(), QStringLiteral("Letters left..."));
    QVERIFY(!letters->isEnabled()); // no game in play
    QCOMPARE(control<QCheckBox>(table, "chkMusic")->text(), QStringLiteral("Music On"));
    QCOMPARE(control<QCheckBox>(table, "chkSound")->text(), QStringLiteral("Sounds On"));
    for (const char* name : {"sldMusic", "sldSound"}) {
        QCOMPARE(control<QSlider>(table, name)->minimum(), 0);
        QCOMPARE(control<QSlider>(table, name)->maximum(), 100);
    }
    for (const char* name : {"cmdDeck", "WebBrowser1", "shapeDiscard", "lstWords"})
        control<QWidget>(table, name);
    QCOMPARE(control<QListWidget>(table, "lstWizard")->property("Tag").toString(),
             QStringLiteral("0"));

    // Only the deck animation runs from the load.
    for (const char* name :
         {"TimerDeckAnimation", "Timer2", "TimerMoveCardBack", "TimerWordDone", "TimerAtEndFile"})
        QCOMPARE(control<QTimer>(table, name)->isActive(),
                 name == QByteArray("TimerDeckAnimation"));
    QCOMPARE(table.Timer2Tag, QStringLiteral("0"));

    // The card arrays: the pile template is hidden; discard slots 0 to 6.
    QCOMPARE(table.piccards.size(), 1);
    QVERIFY(control<UserControlCards>(table, "piccards_0")->isHidden());
    for (int slot = 0; slot <= 6; ++slot)
        control<UserControlCards>(table, QStringLiteral("picDiscard_%1").arg(slot));

    QCOMPARE(table.CardBacks.size(), 4);

    // The grid: six columns with their header texts.
    auto* grid = control<SavedGamesGrid>(table, "FlexGrid");
    QCOMPARE(grid->toolTip(), QStringLiteral("View stats or restart game... "));
    QCOMPARE(grid->columnCount(), 6);
    const QStringList headers{"", "Date", "Points", " L", " W", " F"};
    for (int c = 0; c < 6; ++c)
        QCOMPARE(grid->TextMatrix(0, c), headers[c]);
    QVERIFY(boxes.shown().isEmpty());
}

void TestFrmSolitaire::layoutFollowsTheWindowSize_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("design size") << QSize(frmSolitaire::kDesignWidth, frmSolitaire::kDesignHeight);
    QTest::newRow("wider and taller") << QSize(1000, 700);
}

void TestFrmSolitaire::layoutFollowsTheWindowSize() {
    QFETCH(QSize, size);
    frmSolitaire table;
    table.show();
    table.resize(size);
    const QRect game = table.picGame->geometry();
    QCOMPARE(game.topLeft(), QPoint(3, 33));
    QCOMPARE(game.width(), size.width() - 7);
    const QRect adds = table.picAdds->geometry();
    QCOMPARE(adds.top(), game.top() + game.height());
    QCOMPARE(adds.left(), 3);
    QCOMPARE(adds.height(), 93);
    QCOMPARE(adds.width(), size.width() - 7);
    QCOMPARE(table.WebBrowser1->geometry(), QRect(-1, -1, adds.width() + 40, adds.height() + 40));
    // The greeting of a deal stays whole and readable beside the menu.
    const QString greeting = QStringLiteral(" Vantorell // Hello anna...Word level 3");
    table.SetFormCaption(greeting);
    QLabel* caption = table.lblFormCaption;
    QCOMPARE(caption->text(), greeting);
    QVERIFY(caption->geometry().right() < table.lblMenu[0]->x());
    QVERIFY(caption->fontMetrics().horizontalAdvance(greeting) <= caption->width());
    // The window keeps its rounded outline at every size.
    QVERIFY(!table.mask().isEmpty());
    QVERIFY(!table.mask().contains(QPoint(0, 0)));
    QVERIFY(table.mask().contains(QPoint(size.width() / 2, size.height() / 2)));
}

void TestFrmSolitaire::gridShowsTheSolitaireGamesOfThePlayer() {
    LogInPlayer("anna");
    // A record without a date keeps a row of its own.
    AddSaved("S0", QString(kOpenGame).remove("DateOfGame=05-Dec-26|"));
    AddSaved("S1", kOpenGame);
    AddSaved("B2", "1=3|2=0", "SpellingGrammar.mdb"); // a board status record is no solitaire game
    AddSaved("S3", kWonGame);
    frmSolitaire table;
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
    QCOMPARE(grid->SelectionColour(), 0xFFFFC0u);

    // "|||" shows the details of the game on the current row.
    grid->setCurrentCell(2, 1);
    table.lblMenu_Click(7);
    QWidget* info = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && QByteArray(w->metaObject()->className()) == "frmGameInfo")
            info = w;
    }
    QVERIFY(info);
    auto* points = info->findChild<QLabel*>("lblPoints");
    QVERIFY(points);
    QCOMPARE(points->text(), QStringLiteral("Points -7"));
    info->close();
}

void TestFrmSolitaire::emptyGridDisablesSavedGameCommands() {
    LogInPlayer("ben");
    frmSolitaire table;
    table.LoadFlexGrid();
    table.DisableButtons();
    QCOMPARE(table.FlexGrid->GridRows(), 2); // one empty row under the header
    for (int c = 0; c < 6; ++c)
        QVERIFY(table.FlexGrid->TextMatrix(1, c).isEmpty());
    for (int i : {5, 6, 7})
        QVERIFY2(!table.lblMenu[i]->isEnabled(), qPrintable(QString::number(i)));
}

void TestFrmSolitaire::menuEnablingFollowsTheRow_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("playingKey");
    QTest::addColumn<bool>("gameInPlay");
    QTest::addColumn<bool>("playSave");
    QTest::addColumn<bool>("deleteEntry");
    QTest::addColumn<bool>("gameInfo");
    QTest::newRow("unfinished game") << 0 << "" << false << true << true << true;
    QTest::newRow("finished game") << 1 << "" << false << false << true << true;
    QTest::newRow("the game now played") << 0 << "S1" << true << false << true << true;
    QTest::newRow("another game while playing") << 0 << "S3" << true << true << true << true;
}

void TestFrmSolitaire::menuEnablingFollowsTheRow() {
    QFETCH(int, row);
    QFETCH(QString, playingKey);
    QFETCH(bool, gameInPlay);
    QFETCH(bool, playSave);
    QFETCH(bool, deleteEntry);
    QFETCH(bool, gameInfo);
    LogInPlayer("cleo");
    AddSaved("S1", kOpenGame);
    AddSaved("S3", kWonGame);
    frmSolitaire table;
    table.LoadFlexGrid();
    table.mySolitaryGame->GameInPlay = gameInPlay;
    table.mySolitaryGame->SaveGameIndex = playingKey;
    table.FlexGrid->setCurrentCell(row, 1);
    table.DisableButtons();
    QCOMPARE(table.cmdLettersLeft->isEnabled(), gameInPlay);
    QCOMPARE(table.lblMenu[5]->isEnabled(), playSave);
    QCOMPARE(table.lblMenu[6]->isEnabled(), deleteEntry);
    QCOMPARE(table.lblMenu[7]->isEnabled(), gameInfo);

    // Selecting the other row applies the same rule on its own.
    table.FlexGrid->setCurrentCell(1 - row, 1);
    const SavedGamesRules::Commands other = SavedGamesRules::CommandsFor(
        table.FlexGrid->CurrentText(5), table.FlexGrid->CurrentText(0), playingKey);
    QCOMPARE(table.lblMenu[5]->isEnabled(), other.playSave);
    QVERIFY(table.lblMenu[6]->isEnabled());
}

void TestFrmSolitaire::gridToolTipsByTwips_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<QString>("tip");
    QTest::newRow("0") << 0 << "Player scorecard entries...";
    QTest::newRow("105") << 105 << "Player scorecard entries...";
    QTest::newRow("106") << 106 << "Date of saved game...";
    QTest::newRow("900") << 900 << "Date of saved game...";
    QTest::newRow("901") << 901 << "Points of saved game...";
    QTest::newRow("1500") << 1500 << "Points of saved game...";
    QTest::newRow("1501") << 1501 << "Level of saved game...";
    QTest::newRow("1800") << 1800 << "Level of saved game...";
    QTest::newRow("1801") << 1801 << "Wizard On or Off, of saved game...";
    QTest::newRow("2100") << 2100 << "Wizard On or Off, of saved game...";
    QTest::newRow("2101") << 2101 << "Save game is finish or not...";
    QTest::newRow("2400") << 2400 << "Save game is finish or not...";
    QTest::newRow("2401") << 2401 << "Player scorecard entries...";
}

void TestFrmSolitaire::gridToolTipsByTwips() {
    QFETCH(int, x);
    QFETCH(QString, tip);
    QCOMPARE(SavedGamesRules::ToolTipAt(x), tip);
    // The grid itself converts pixels at 15 twips each: pixel 70 is 1050 twips.
    if (x == 0) {
        frmSolitaire table;
        table.show();
        QTest::mouseMove(table.FlexGrid->viewport(), QPoint(70, 20));
        QCOMPARE(table.FlexGrid->toolTip(), QStringLiteral("Points of saved game..."));
    }
}

void TestFrmSolitaire::headerClickSortsDescendingThenAscending() {
    LogInPlayer("dora");
    AddSaved("S1", kOpenGame); // 14 points
    AddSaved("S2", kWonGame);  // -7 points
    AddSaved("S3", QString(kOpenGame).replace("PlayerPoints=14", "PlayerPoints=2"));
    frmSolitaire table;
    table.show();
    table.LoadFlexGrid();
    QHeaderView* header = table.FlexGrid->horizontalHeader();
    const QPoint pointsHeader(header->sectionViewportPosition(2) + 5, 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, pointsHeader);
    QCOMPARE(table.FlexGrid->Tag(), QStringLiteral("D"));
    QStringList order;
    for (int r = 1; r <= 3; ++r)
        order << table.FlexGrid->TextMatrix(r, 2);
    QCOMPARE(order, QStringList({"14", "2", "-7"})); // numbers sort by value
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, pointsHeader);
    QCOMPARE(table.FlexGrid->Tag(), QStringLiteral("A"));
    QCOMPARE(table.FlexGrid->TextMatrix(1, 2), QStringLiteral("-7"));
    QCOMPARE(table.FlexGrid->SelectionColour(), 0xFFFFC0u);
    // A click lower in the grid selects and does not sort.
    QTest::mouseClick(table.FlexGrid->viewport(), Qt::LeftButton, {},
                      table.FlexGrid->visualItemRect(table.FlexGrid->item(2, 1)).center());
    QCOMPARE(table.FlexGrid->Tag(), QStringLiteral("A"));
    QCOMPARE(table.FlexGrid->CurrentGridRow(), 3);
}

void TestFrmSolitaire::deleteEntry_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes deletes") << true;
    QTest::newRow("no keeps everything") << false;
}

void TestFrmSolitaire::deleteEntry() {
    QFETCH(bool, yes);
    LogInPlayer("emil");
    AddSaved("S1", kOpenGame);
    AddSaved("S2", kWonGame);
    CurrentPlayer().SavedGamesIndex = "S2";
    frmSolitaire table;
    table.LoadFlexGrid();
    table.FlexGrid->setCurrentCell(1, 1);
    table.DisableButtons();
    MsgBoxRecorder boxes;
    boxes.queueAnswer(yes ? MsgAnswer::Yes : MsgAnswer::No);
    table.lblMenu_Click(6);
    QCOMPARE(boxes.texts(), QStringList{"You are about to delete a save game..."});
    QCOMPARE(boxes.shown().first().buttons, MsgButtons::YesNo);
    QCOMPARE(boxes.shown().first().icon, MsgIcon::Exclamation);
    QCOMPARE(CurrentPlayer().SavedGames.Contains("S2"), !yes);
    QVERIFY(CurrentPlayer().SavedGames.Contains("S1"));
    QCOMPARE(table.DeleteIndex, qint16(yes ? 1 : 0));
    QCOMPARE(CurrentPlayer().SavedGamesIndex, yes ? QString() : QStringLiteral("S2"));
    QCOMPARE(table.FlexGrid->GridRows(), yes ? 2 : 3);
    // Nothing reaches the disk before the table closes.
    QVERIFY(!QFile::exists(m_folder->file("temp/emil.dat")));
}

void TestFrmSolitaire::deletingThePlayedGameClearsTheEngineKey() {
    LogInPlayer("fay");
    AddSaved("S1", kOpenGame);
    frmSolitaire table;
    table.LoadFlexGrid();
    table.mySolitaryGame->SaveGameIndex = "S1";
    MsgBoxRecorder boxes;
    boxes.queueAnswer(MsgAnswer::Yes);
    table.lblMenu_Click(6);
    QVERIFY(table.mySolitaryGame->SaveGameIndex.isEmpty());
    QVERIFY(CurrentPlayer().SavedGames.isEmpty());
    QVERIFY(!table.lblMenu[5]->isEnabled());
    QVERIFY(!table.lblMenu[6]->isEnabled());
}

void TestFrmSolitaire::closeAsksOnceAndAlwaysSaves_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestFrmSolitaire::closeAsksOnceAndAlwaysSaves() {
    QFETCH(bool, yes);
    LogInPlayer("gus");
    auto* table = new frmSolitaire;
    table->setAttribute(Qt::WA_DeleteOnClose);
    table->show();
    StartSomeGame(*table->mySolitaryGame);
    MsgBoxRecorder boxes;
    boxes.queueAnswer(yes ? MsgAnswer::Yes : MsgAnswer::No);
    QPointer<frmSolitaire> guard(table);
    table->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    QCOMPARE(boxes.texts(), QStringList{"Do you wish to save the current game?"});
    QCOMPARE(boxes.shown().first().title, QStringLiteral("Save Game"));

    // The player file was written either way; it holds the game only on Yes.
    const QByteArray bytes = m_folder->read("temp/gus.dat");
    QVERIFY(!bytes.isEmpty());
    const QString plain = QString::fromLatin1(referenceUnscramble(bytes));
    QVERIFY(plain.contains("gus"));
    QCOMPARE(plain.contains("Solitaire::CardPile1=ab:c|"), yes);
}

void TestFrmSolitaire::tooSmallDisplayClosesTheTable_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("closes");
    QTest::newRow("640 pixels are 9600 twips") << 640 << true;
    QTest::newRow("641 pixels are enough") << 641 << false;
}

void TestFrmSolitaire::tooSmallDisplayClosesTheTable() {
    QFETCH(int, width);
    QFETCH(bool, closes);
    frmSolitaire table;
    table.show();
    MsgBoxRecorder boxes;
    table.SysInfo1_DisplayChanged(width);
    QCOMPARE(table.isVisible(), !closes);
    if (closes) {
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().icon, MsgIcon::Critical);
        QCOMPARE(boxes.texts().first(),
                 QStringLiteral("Screen resolution to small need 800 by 600 pixels...\nFollow "
                                "menu commands to change your settings...\nStart/Settings/"
                                "Control Panel/Display/Settings"));
    } else {
        QVERIFY(boxes.shown().isEmpty());
    }
}

void TestFrmSolitaire::deckAnimationCyclesFifteenPictures() {
    frmSolitaire table;
    // From the load the Tag is empty: the rest picture comes first.
    const QList<int> expected{140, 136, 137, 138, 139, 136, 137, 138,
                              139, 133, 133, 134, 135, 135, 133};
    for (int round = 0; round < 2; ++round) {
        QList<int> shown;
        for (int tick = 0; tick < 15; ++tick) {
            table.TimerDeckAnimation_Timer();
            shown << table.DeckPicture();
        }
        QCOMPARE(shown, expected); // 15 ticks of 300 ms: 4.5 seconds a cycle
    }
}

void TestFrmSolitaire::playSaveRestoresTheSelectedGame() {
    LogInPlayer("hal");
    AddSaved("S1", kWonGame);
    AddSaved("S2", kOpenGame);
    frmSolitaire table;
    table.show();
    table.SetStepFlightsDirectly(true);
    table.chkSound->setChecked(false);
    table.chkMusic->setChecked(false);
    table.LoadFlexGrid();
    table.FlexGrid->setCurrentCell(1, 1);
    QVERIFY(table.lblMenu[5]->isEnabled());
    MsgBoxRecorder boxes;
    table.lblMenu_Click(5);
    QVERIFY(boxes.shown().isEmpty()); // no game was in play: nothing to save
    ClSolitary& game = *table.mySolitaryGame;
    QVERIFY(game.GameInPlay);
    QCOMPARE(game.SaveGameIndex, QStringLiteral("S2"));
    QCOMPARE(game.wordlevel, qint16(4));
    QCOMPARE(game.CardPile5, QStringLiteral("hi:j"));
    QCOMPARE(table.lblPoints->text(), QStringLiteral("14"));
    QCOMPARE(table.lstWords->count(), 2);
    // ab:c, :d, e:f, :g, hi:j: ten cards and the template.
    QCOMPARE(table.piccards.size(), 1 + 10);
    QVERIFY(table.cmdLettersLeft->isEnabled());
    QVERIFY(!table.lblMenu[5]->isEnabled()); // the row of the game now played
}

void TestFrmSolitaire::playSaveAfterSavingRestoresTheRowChosenBefore() {
    LogInPlayer("ida");
    AddSaved("S1", kOpenGame);
    AddSaved("S2", QString(kOpenGame).replace("PlayerPoints=14", "PlayerPoints=2"));
    frmSolitaire table;
    table.show();
    table.SetStepFlightsDirectly(true);
    table.chkSound->setChecked(false);
    table.chkMusic->setChecked(false);
    StartSomeGame(*table.mySolitaryGame);
    table.LoadFlexGrid();
    table.FlexGrid->setCurrentCell(1, 1); // S2
    table.DisableButtons();
    MsgBoxRecorder boxes;
    boxes.queueAnswer(MsgAnswer::Yes);
    table.lblMenu_Click(5);
    QCOMPARE(boxes.texts(), QStringList{"Do you wish to save the current game?"});
    // The running game was filed, and the game chosen in the grid is played
    // although saving refilled the grid.
    QCOMPARE(CurrentPlayer().SavedGames.Count(), 3);
    QCOMPARE(table.mySolitaryGame->SaveGameIndex, QStringLiteral("S2"));
    QCOMPARE(table.lblPoints->text(), QStringLiteral("2"));
}

void TestFrmSolitaire::newGameDuringAGameOffersToSave() {
    LogInPlayer("jon");
    frmSolitaire table;
    table.show();
    StartSomeGame(*table.mySolitaryGame);
    MsgBoxRecorder boxes;
    boxes.queueAnswer(MsgAnswer::Yes);
    TableTestKit::ModalWatcher watcher; // closes the start-game dialog: no deal
    table.lblMenu_Click(0);
    QCOMPARE(boxes.texts(), QStringList{"Do you wish to save the current game?"});
    QCOMPARE(watcher.Seen(), QStringList{"frmStartGame"});
    QCOMPARE(table.FlexGrid->TextMatrix(1, 0), QStringLiteral("S1"));
    QCOMPARE(table.FlexGrid->TextMatrix(1, 5), QStringLiteral("N"));
    QVERIFY(!table.mySolitaryGame->GameInPlay);
}

void TestFrmSolitaire::boardGameAsksOnceAndHandsOver() {
    LogInPlayer("kim");
    frmSolitaire table;
    table.show();
    StartSomeGame(*table.mySolitaryGame);
    MsgBoxRecorder boxes;
    boxes.queueAnswer(MsgAnswer::No);
    table.lblMenu_Click(1);
    // Asked once: closing the table on the way does not ask again.
    QCOMPARE(boxes.texts().count(QStringLiteral("Do you wish to save the current game?")), 1);
    QVERIFY(!table.isVisible());
    QVERIFY(CurrentPlayer().SavedGames.isEmpty());
    QVERIFY(CurrentPlayer().NickName.isEmpty()); // the table let its player go
    QWidget* board = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String("frmDictation"))
            board = w;
    QVERIFY(board);
    delete board;
}

void TestFrmSolitaire::failedPlayerFileIsReported() {
    LogInPlayer("lea");
    // A folder where the player file belongs: the file cannot be written.
    QVERIFY(QDir(m_folder->path()).mkpath("temp/lea.dat"));
    frmSolitaire table;
    table.show();
    MsgBoxRecorder boxes;
    table.close();
    QCOMPARE(boxes.shown().size(), 1);
    QCOMPARE(boxes.shown().first().icon, MsgIcon::Critical);
    QVERIFY(boxes.texts().first().contains("lea"));
    QVERIFY(!table.TimerDeckAnimation->isActive());
    QVERIFY(QFileInfo(m_folder->file("temp/lea.dat")).isDir());
}

QTEST_MAIN(TestFrmSolitaire)
#include "tst_frmsolitaire.moc"
