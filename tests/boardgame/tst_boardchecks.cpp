// The board-file checks: usable files, and the exact result texts for files
// with each kind of fault.
#include "BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/BoardDatabase.h"
#include "boardgame/file/BoardFileChecks.h"
#include "boardgame/file/BoardFileList.h"
#include "boardgame/file/BoardFileWriter.h"
#include "players/ClassPlayerInfo.h"
#include "shell/RandomSource.h"
#include "squares/SquareQuestions.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

class TestBoardChecks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void soundFileReportsNoErrors();
    void faultsGiveTheirTexts_data();
    void faultsGiveTheirTexts();
    void spellingCountsFromTheQuery_data();
    void spellingCountsFromTheQuery();
    void unusableFiles_data();
    void unusableFiles();
    void sizeText_data();
    void sizeText();
    void hostileQueriesAreStopped_data();
    void hostileQueriesAreStopped();

private:
    void mutate(const QStringList& statements) {
        auto db = dao::DBEngine::OpenDatabase(m_path, false, false, QLatin1String(kBoardConnect));
        for (const QString& s : statements)
            db->ExecuteNative(s);
    }
    QTemporaryDir m_dir;
    QString m_path;
};

void TestBoardChecks::initTestCase() {
    QLocale::setDefault(QLocale::c());
    qputenv("MORDAVENTA_STATEMENT_MS", "2500"); // the tool started here inherits it
}

void TestBoardChecks::init() {
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("checks.mdb"));
    QFile::remove(m_path);
    BoardFileWriter::WriteBoardFile(BoardTestFiles::content(), m_path);
}

void TestBoardChecks::soundFileReportsNoErrors() {
    BoardFileInspection inspection;
    QVERIFY(IsUsableBoardFile(m_path, inspection));
    QCOMPARE(inspection.Description(), QStringLiteral("Test board for the layer"));
    dao::Database& db = *inspection.database;
    QCOMPARE(BoardLayoutErrorCount(db), QStringLiteral("Ok:0"));
    QCOMPARE(SpellingEasyErrorCount(db), QStringLiteral("OK:3"));
    QCOMPARE(SpellingMediumErrorCount(db), QStringLiteral("OK:2"));
    QCOMPARE(SpellingHardErrorCount(db), QStringLiteral("OK:1"));
    QCOMPARE(QuestionsErrorCount(db), QStringLiteral("OK:5"));
}

void TestBoardChecks::faultsGiveTheirTexts_data() {
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<QStringList>("expected"); // board, easy, medium, hard, questions
    addDataRow("two squares without code",
               QStringList{"UPDATE BoardLayOut SET SquareID = NULL WHERE ID IN (4, 40)"},
               QStringList{"Err:2", "OK:3", "OK:2", "OK:1", "OK:5"});
    addDataRow("layout of 50 squares", QStringList{"DELETE FROM BoardLayOut WHERE ID > 50"},
               QStringList{"Err:6", "OK:3", "OK:2", "OK:1", "OK:5"});
    addDataRow("no layout query", QStringList{"DROP VIEW qBoardLayout"},
               QStringList{"Err:No Rec", "OK:3", "OK:2", "OK:1", "OK:5"});
    addDataRow("easy word without sound",
               QStringList{"UPDATE Spelling SET Sound = NULL WHERE Word = 'dog'"},
               QStringList{"Ok:0", "Error:Rec=1", "OK:2", "OK:1", "OK:5"});
    addDataRow("sound is only a header",
               QStringList{"UPDATE Spelling SET Sound = substr(Sound, 1, 44) WHERE Word = 'sun'"},
               QStringList{"Ok:0", "Error:Rec=1", "OK:2", "OK:1", "OK:5"});
    addDataRow("no easy sounds at all",
               QStringList{"UPDATE Spelling SET Sound = NULL WHERE TypeID = -1"},
               QStringList{"Ok:0", "Error:No Rec", "OK:2", "OK:1", "OK:5"});
    addDataRow("medium definition empty",
               QStringList{"UPDATE Spelling SET definition = '' WHERE Word = 'garden'"},
               QStringList{"Ok:0", "OK:3", "Error:Rec=1", "OK:1", "OK:5"});
    addDataRow("no hard words", QStringList{"DELETE FROM Spelling WHERE TypeID = -3"},
               QStringList{"Ok:0", "OK:3", "OK:2", "Error:No Rec", "OK:5"});
    addDataRow("hard error query missing", QStringList{"DROP VIEW qSpellingErrorHard"},
               QStringList{"Ok:0", "OK:3", "OK:2", "", "OK:5"});
    addDataRow("right answer not a choice",
               QStringList{"UPDATE Questions SET Answer = 9999 WHERE QuestionID = 1"},
               QStringList{"Ok:0", "OK:3", "OK:2", "OK:1", "Error:1"});
    addDataRow("question without category",
               QStringList{"UPDATE Questions SET CategoryID = 77 WHERE QuestionID = 5"},
               QStringList{"Ok:0", "OK:3", "OK:2", "OK:1", "Error:1"});
    addDataRow("every question faulty", QStringList{"UPDATE Questions SET Answer = NULL"},
               QStringList{"Ok:0", "OK:3", "OK:2", "OK:1", "Error:5"});
    addDataRow("no questions", QStringList{"DELETE FROM Questions"},
               QStringList{"Ok:0", "OK:3", "OK:2", "OK:1", "Error:No Rec"});
    const QString ok = QStringLiteral("Ok:0");
    addDataRow(
        "caption of 300 characters",
        QStringList{"UPDATE SquareStyle SET Caption = printf('%.300c', 'x') WHERE SquareID = 5"},
        QStringList{"Err:4", "OK:3", "OK:2", "OK:1", "OK:5"});
    addDataRow("no qSquareCounts", QStringList{"DROP VIEW qSquareCounts"},
               QStringList{"Err:1", "OK:3", "OK:2", "OK:1", "OK:5"});
    addDataRow("code the status record cannot hold",
               QStringList{"DROP VIEW qSquareCounts; CREATE VIEW qSquareCounts AS SELECT 'x' AS "
                           "Caption, '5<|>' AS SquareID, 1 AS CountOfWord"},
               QStringList{"Err:1", "OK:3", "OK:2", "OK:1", "OK:5"});
    addDataRow("no Spelling table", QStringList{"DROP TABLE Spelling"},
               QStringList{"Err:1", "", "", "", "OK:5"});
    addDataRow("10 MB answer",
               QStringList{"UPDATE QuestionAnswer SET SelectAnswer = printf('%.10000000c', 'x') "
                           "WHERE AnswerID = 1"},
               QStringList{ok, "OK:3", "OK:2", "OK:1", "Error:1"});
    addDataRow("question without text",
               QStringList{"UPDATE Questions SET Question = ' ' WHERE QuestionID = 2"},
               QStringList{ok, "OK:3", "OK:2", "OK:1", "Error:1"});
    addDataRow("word not UTF-8",
               QStringList{"UPDATE Spelling SET Word = CAST(x'63ff74' AS TEXT) WHERE Word = 'cat'"},
               QStringList{ok, "Error:1", "OK:2", "OK:1", "OK:5"});
    addDataRow("9 MB sound",
               QStringList{"UPDATE Spelling SET Sound = zeroblob(9000000) WHERE Word = 'garden'"},
               QStringList{ok, "OK:3", "Error:1", "OK:1", "OK:5"});
}

void TestBoardChecks::faultsGiveTheirTexts() {
    QFETCH(QStringList, fault);
    QFETCH(QStringList, expected);
    mutate(fault);
    BoardFileInspection inspection;
    QVERIFY(IsUsableBoardFile(m_path, inspection));
    dao::Database& db = *inspection.database;
    const QStringList got{BoardLayoutErrorCount(db), SpellingEasyErrorCount(db),
                          SpellingMediumErrorCount(db), SpellingHardErrorCount(db),
                          QuestionsErrorCount(db)};
    QCOMPARE(got, expected);
}

void TestBoardChecks::spellingCountsFromTheQuery_data() {
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("equal") << 10 << 10 << "OK:10";
    QTest::newRow("fewer words") << 10 << 7 << "Error:Rec=-3";
    QTest::newRow("more words") << 3 << 5 << "Error:Rec=2";
    QTest::newRow("no sounds") << 0 << 5 << "Error:No Rec";
    QTest::newRow("nothing") << 0 << 0 << "Error:No Rec";
}

void TestBoardChecks::spellingCountsFromTheQuery() {
    QFETCH(int, sound);
    QFETCH(int, count);
    QFETCH(QString, expected);
    mutate({QStringLiteral("DROP VIEW qSpellingErrorMedium"),
            QStringLiteral("CREATE VIEW qSpellingErrorMedium AS SELECT %1 AS CountOfSound, %2 AS "
                           "CountError")
                .arg(sound)
                .arg(count)});
    BoardFileInspection inspection;
    QVERIFY(IsUsableBoardFile(m_path, inspection));
    QCOMPARE(SpellingMediumErrorCount(*inspection.database), expected);
}

void TestBoardChecks::unusableFiles_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("visible true") << "UPDATE tlbOwner SET Visible = -1";
    QTest::newRow("visible NULL") << "UPDATE tlbOwner SET Visible = NULL";
    QTest::newRow("no owner row") << "DELETE FROM tlbOwner";
    QTest::newRow("no owner table") << "DROP TABLE tlbOwner";
}

void TestBoardChecks::unusableFiles() {
    QFETCH(QString, fault);
    if (fault.startsWith(QLatin1String("UPDATE tlbOwner SET Visible = NULL"))) {
        // The column does not take NULL: rebuild the table without the rule.
        mutate(
            {QStringLiteral("DROP TABLE tlbOwner"),
             QStringLiteral("CREATE TABLE tlbOwner (ID INTEGER, Visible YESNO, Description TEXT)"),
             QStringLiteral("INSERT INTO tlbOwner VALUES (1, NULL, 'x')")});
    } else {
        mutate({fault});
    }
    BoardFileInspection inspection;
    QVERIFY(!IsUsableBoardFile(m_path, inspection));
    QVERIFY(!inspection.database);
    QVERIFY(!inspection.owner);
}

void TestBoardChecks::hostileQueriesAreStopped_data() {
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<QString>("query");    // named in the tool's message
    QTest::addColumn<bool>("gameStopped"); // the game meets the query too
    const QString rows[] = {
        "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x+1 FROM c) SELECT x FROM c",
        "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x+1 FROM c WHERE x < 2000000000) "
        "SELECT count(*) AS x FROM c",
        "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x+1 FROM c) "
        "SELECT randomblob(100000) || x AS x FROM c"};
    const char* kinds[] = {"endless", "slow", "allocating"};
    for (int i = 0; i < 3; ++i) {
        auto row = [&](const char* query, const QString& fault, bool game) {
            QTest::addRow("%s %s", kinds[i], query) << QStringList{fault} << query << game;
        };
        row("qBoardLayout",
            "DROP VIEW qBoardLayout; CREATE VIEW qBoardLayout AS SELECT x AS ID, 1 AS "
            "[BoardLayOut.SquareID], 'a' AS Caption, 1 AS BackColor, 1 AS FontColor, 1 AS "
            "FontBackColor FROM (" +
                rows[i] + ")",
            true);
        row("tlbOwner",
            "DROP TABLE tlbOwner; CREATE VIEW tlbOwner AS SELECT 0 AS Visible, x AS "
            "Description FROM (" +
                rows[i] + ")",
            false);
        row("SpellingEasy",
            "DROP VIEW SpellingEasy; CREATE VIEW SpellingEasy AS SELECT x AS Word, "
            "'' AS definition, NULL AS Sound, NULL AS iPicture, 0 AS QuestionAsk FROM (" +
                rows[i] + ")",
            true);
        // The refill runs when the pool is used up; the file's trigger runs with it.
        row("qUpdateSpellingEasy",
            "UPDATE Spelling SET QuestionAsk = -1; CREATE TRIGGER t AFTER "
            "UPDATE ON Spelling BEGIN SELECT x FROM (" +
                rows[i] + "); END",
            true);
    }
}

void TestBoardChecks::hostileQueriesAreStopped() {
    QFETCH(QStringList, fault);
    QFETCH(QString, query);
    QFETCH(bool, gameStopped);
    mutate(fault);
    const ToolRun check = runTool({QStringLiteral("board"), QStringLiteral("check"), m_path});
    QCOMPARE(check.exitCode, 1);
    QVERIFY2(check.err.contains(QStringLiteral("damaged: '")) && check.err.contains(query),
             qPrintable(check.err));
    bool listed = false;
    for (const BoardFileRow& row : ListBoardFiles({m_dir.path()}))
        listed = listed || (row.fileName == QLatin1String("checks.mdb") &&
                            row.boardErrors == QLatin1String(kDamagedBoard) && !row.CanBeChosen());
    QVERIFY(listed);
    // The game: the board does not open, or the spelling square gives up.
    BoardDatabase board;
    QString damage;
    if (OpenBoardDatabaseAt(m_path, board, &damage)) {
        ClassPlayerInfo player;
        auto random = makeSeededRandom(1);
        SpellingSquare square(*board.database, player, QStringLiteral("-1"), 1, *random);
        QCOMPARE(!square.Draw(), gameStopped);
        damage = board.database->Damage();
    }
    QCOMPARE(damage.contains(query), gameStopped);
}

void TestBoardChecks::sizeText_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << qint64(0) << "0 KB";
    QTest::newRow("just under a half") << qint64(1537) << "1 KB";
    QTest::newRow("just over a half") << qint64(1538) << "2 KB";
    QTest::newRow("grouped") << qint64(1025) * 1234 << "1,234 KB";
}

void TestBoardChecks::sizeText() {
    QFETCH(qint64, bytes);
    QFETCH(QString, expected);
    QCOMPARE(BoardFileSizeText(bytes), expected);
}

QTEST_GUILESS_MAIN(TestBoardChecks)
#include "tst_boardchecks.moc"
