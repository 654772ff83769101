// The board-file checks: usable files, and the exact result texts for files
// with each kind of fault.
#include "BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/file/BoardFileChecks.h"
#include "boardgame/file/BoardFileWriter.h"

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
