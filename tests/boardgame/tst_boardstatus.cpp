// Opening the current board-game file and each player's board status record.
#include "BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/BoardDatabase.h"
#include "boardgame/file/BoardFileWriter.h"
#include "players/ClassPlayerInfo.h"
#include "shell/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

// A fresh copy of the test board file at `path`, opened.
std::unique_ptr<dao::Database> openTestBoard(const QString& path) {
    BoardFileWriter::WriteBoardFile(BoardTestFiles::content(), path);
    return dao::DBEngine::OpenDatabase(path, false, false, QLatin1String(kBoardConnect));
}

void setDataPath(const QString& name) {
    AppSettings::SaveSetting(QStringLiteral("BoardGame"), QStringLiteral("Settings"),
                             QStringLiteral("DataPath"), name);
}

// The counters of a new record for the test file: one item per qSquareCounts
// row, spelling kinds (in caption order) first.
const char kNewStatus[] = "-1=0=0|-3=0=0|-2=0=0|5=0=0|7=0=0";

} // namespace

class TestBoardStatus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensTheFileNamedBySetting();
    void dataPathNamesAFileInsideData_data();
    void dataPathNamesAFileInsideData();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void loadFindsOrCreates_data();
    void loadFindsOrCreates();
    void loadStopsSilentlyOnFailure();
};

void TestBoardStatus::opensTheFileNamedBySetting() {
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("data")));
    BoardFileWriter::WriteBoardFile(BoardTestFiles::content(),
                                    folder.file(QStringLiteral("data/SpellingGrammar.mdb")));
    BoardContent other = BoardTestFiles::content();
    other.layout[0] = -12;
    BoardFileWriter::WriteBoardFile(other, folder.file(QStringLiteral("data/Other.mdb")));

    BoardDatabase board;
    QVERIFY(OpenBoardDatabase(board)); // the default name
    QVERIFY(board.IsOpen());
    QCOMPARE(board.FileName(), QStringLiteral("SpellingGrammar.mdb"));
    QCOMPARE(board.boardLayout->Fields(QStringLiteral("BoardLayOut.SquareID")).Value().toInt(), 5);

    setDataPath(QStringLiteral("Other.mdb"));
    QVERIFY(OpenBoardDatabase(board));
    QCOMPARE(board.FileName(), QStringLiteral("Other.mdb"));
    QCOMPARE(board.boardLayout->Fields(QStringLiteral("BoardLayOut.SquareID")).Value().toInt(),
             -12);

    // A failure leaves the open file as it was.
    setDataPath(QStringLiteral("Missing.mdb"));
    QVERIFY(!OpenBoardDatabase(board));
    QVERIFY(board.IsOpen());
    QCOMPARE(board.FileName(), QStringLiteral("Other.mdb"));
    setDataPath(QString());
    QVERIFY(!OpenBoardDatabase(board));

    board.Close();
    QVERIFY(!board.IsOpen());
    // Released: the file can be replaced.
    QVERIFY(QFile::remove(folder.file(QStringLiteral("data/Other.mdb"))));
}

void TestBoardStatus::dataPathNamesAFileInsideData_data() {
    QTest::addColumn<QString>("dataPath");
    QTest::addColumn<bool>("opens");
    addDataRow("a file in data", "SpellingGrammar.mdb", true);
    addDataRow("out and back in", "../data/SpellingGrammar.mdb", false);
    addDataRow("a sub-folder", "sub/SpellingGrammar.mdb", false);
    addDataRow("backslashes", "..\\data\\SpellingGrammar.mdb", false);
    addDataRow("far outside", "../../../../etc/passwd", false);
}

void TestBoardStatus::dataPathNamesAFileInsideData() {
    QFETCH(QString, dataPath);
    QFETCH(bool, opens);
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("data/sub")));
    // Every path a row names exists, so only the name decides.
    for (const char* file : {"data/SpellingGrammar.mdb", "data/sub/SpellingGrammar.mdb"})
        BoardFileWriter::WriteBoardFile(BoardTestFiles::content(), folder.file(file));
    setDataPath(dataPath);
    BoardDatabase board;
    QCOMPARE(OpenBoardDatabase(board), opens);
}

void TestBoardStatus::refusesBadFiles_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("55 squares") << "DELETE FROM BoardLayOut WHERE ID = 56";
    QTest::newRow("no qBoardLayout") << "DROP VIEW qBoardLayout";
}

void TestBoardStatus::refusesBadFiles() {
    QFETCH(QString, fault);
    TempProgramFolder folder;
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("data")));
    const QString path = folder.file(QStringLiteral("data/SpellingGrammar.mdb"));
    openTestBoard(path)->ExecuteNative(fault);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    BoardDatabase board;
    QVERIFY(!OpenBoardDatabase(board));
    QVERIFY(!board.IsOpen());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestBoardStatus::loadFindsOrCreates_data() {
    QTest::addColumn<QStringList>("entries"); // "key|type|info"
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expectedKey");
    QTest::addColumn<int>("expectedCount");
    addDataRow("first record", QStringList{}, "SpellingGrammar.mdb", "B1", 1);
    addDataRow("after a saved solitaire", QStringList{"S1|Solitaire|game"}, "SpellingGrammar.mdb",
               "B2", 2);
    addDataRow("existing record", QStringList{"S1|Solitaire|game", "B2|SpellingGrammar.mdb|-1=4=1"},
               "SpellingGrammar.mdb", "B2", 2);
    addDataRow("second file", QStringList{"S1|Solitaire|game", "B2|SpellingGrammar.mdb|-1=4=1"},
               "Animals.mdb", "B3", 3);
    addDataRow("names compare exactly", QStringList{"B1|spellinggrammar.mdb|-1=4=1"},
               "SpellingGrammar.mdb", "B2", 2);
    addDataRow("next key already used", QStringList{"S1|Solitaire|game", "B3|Animals.mdb|-1=0=0"},
               "SpellingGrammar.mdb", "B4", 3);
}

void TestBoardStatus::loadFindsOrCreates() {
    QFETCH(QStringList, entries);
    QFETCH(QString, fileName);
    QFETCH(QString, expectedKey);
    QFETCH(int, expectedCount);
    QTemporaryDir dir;
    auto db = openTestBoard(dir.filePath(QStringLiteral("status.mdb")));

    ClassPlayerInfo player;
    player.SavedGamesIndex = QStringLiteral("S1");
    for (const QString& e : entries) {
        const QStringList p = e.split(QLatin1Char('|'));
        QVERIFY(player.SavedGames.Add(ClassSavedGameInfo(p[2], p[0], p[1])));
    }
    const bool existed = player.SavedGames.Contains(expectedKey);
    QVERIFY(LoadBoardStatus(*db, fileName, player));
    QCOMPARE(player.SavedGamesIndex, expectedKey);
    QCOMPARE(player.SavedGames.Count(), expectedCount);
    const ClassSavedGameInfo* entry = player.SavedGames.Find(expectedKey);
    QVERIFY(entry);
    QCOMPARE(entry->GameType, fileName);
    if (existed)
        QCOMPARE(entry->GameInfo, QStringLiteral("-1=4=1"));
    else
        QCOMPARE(entry->GameInfo, QString::fromLatin1(kNewStatus));
}

void TestBoardStatus::loadStopsSilentlyOnFailure() {
    QTemporaryDir dir;
    auto db = openTestBoard(dir.filePath(QStringLiteral("status.mdb")));
    db->ExecuteNative(QStringLiteral("DROP VIEW qSquareCounts"));
    ClassPlayerInfo player;
    player.SavedGamesIndex = QStringLiteral("S1");
    QVERIFY(player.SavedGames.Add(ClassSavedGameInfo(QStringLiteral("g"), QStringLiteral("S1"),
                                                     QStringLiteral("Solitaire"))));
    QVERIFY(!LoadBoardStatus(*db, QStringLiteral("status.mdb"), player));
    QCOMPARE(player.SavedGamesIndex, QString());
    QCOMPARE(player.SavedGames.Count(), 1);
}

QTEST_GUILESS_MAIN(TestBoardStatus)
#include "tst_boardstatus.moc"
