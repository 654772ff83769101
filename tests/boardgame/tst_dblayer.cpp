// The data-access layer over board-game files: the statements the game sends,
// the Access dialect, long binary fields, pool refills and clean refusals.
#include "BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/BoardDatabase.h"
#include "boardgame/dao/DaoEngine.h"
#include "boardgame/file/BoardFileWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace dao;

namespace {

const QString kConnect = QStringLiteral("MS Access;pwd=4##pelmor##8;");

int countRows(Database& db, const QString& source) {
    auto rs = db.OpenRecordset(source);
    int n = 0;
    while (!rs->Eof()) {
        ++n;
        rs->MoveNext();
    }
    return n;
}

} // namespace

class TestDbLayer : public QObject {
    Q_OBJECT
    std::unique_ptr<Database> open() {
        return DBEngine::OpenDatabase(m_path, false, false, kConnect);
    }
    QTemporaryDir m_dir;
    QString m_path;
private Q_SLOTS:
    void init() {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("%1.mdb").arg(QTest::currentTestFunction()));
        QFile::remove(m_path);
        BoardFileWriter::WriteBoardFile(BoardTestFiles::content(), m_path);
    }

    void squareCounts() {
        auto db = open();
        auto rs = db->OpenRecordset(QStringLiteral("qSquareCounts"));
        QCOMPARE(rs->RecordCount(), 5);
        // The union keeps its arms' order (spelling kinds first); each arm is
        // grouped by caption, so its rows come in caption order.
        QStringList got;
        for (; !rs->Eof(); rs->MoveNext())
            got << QStringLiteral("%1 %2 %3")
                       .arg(rs->Fields(QStringLiteral("Caption")).Value().toString())
                       .arg(rs->Fields(QStringLiteral("SquareID")).Value().toInt())
                       .arg(rs->Fields(QStringLiteral("CountOfWord")).Value().toInt());
        QCOMPARE(got, (QStringList{"Spell Easy -1 3", "Spell Hard -3 1", "Spell Medium -2 2",
                                   "Grammar 5 3", "Meaning 7 2"}));
    }

    void joinedUpdateClearsOnlyOneKind() {
        auto db = open();
        db->ExecuteNative(QStringLiteral("UPDATE Questions SET QuestionAsk = -1"));
        db->Execute(BoardStatements::ClearQuestionAskStatement(QStringLiteral("5")));
        QCOMPARE(db->RecordsAffected(), 3);
        // Kind 5 is back in the pool, kind 7 is still used up.
        auto q5 = db->OpenRecordset(BoardStatements::QuestionStatement(QStringLiteral("5")));
        while (!q5->Eof()) {
            QCOMPARE(q5->Fields(QStringLiteral("QuestionAsk")).Value().toInt(), 0);
            q5->MoveNext();
        }
        auto q7 = db->OpenRecordset(BoardStatements::QuestionStatement(QStringLiteral("7")));
        QCOMPARE(q7->RecordCount(), 2);
        while (!q7->Eof()) {
            QCOMPARE(q7->Fields(QStringLiteral("QuestionAsk")).Value().toInt(), -1);
            q7->MoveNext();
        }
    }

    void spellingPoolAndRefill() {
        {
            auto db = open();
            auto easy = db->OpenRecordset(QStringLiteral("SpellingEasy"));
            auto f = easy->Fields(QStringLiteral("Sound"));
            QCOMPARE(f.GetChunk(0, f.FieldSize()), BoardTestFiles::wave(100, 'c'));
            easy->setAbsolutePosition(2);
            QCOMPARE(easy->Fields(QStringLiteral("Word")).Value().toString(),
                     QStringLiteral("sun"));
            easy->Edit();
            easy->Fields(QStringLiteral("QuestionAsk")) = true;
            easy->Update();
        }
        auto db = open();
        QCOMPARE(countRows(*db, QStringLiteral("SpellingEasy")), 2);
        db->ExecuteNative(QStringLiteral("UPDATE Spelling SET QuestionAsk = -1"));
        QCOMPARE(countRows(*db, QStringLiteral("spellingmedium")), 0);
        db->Execute(QStringLiteral("qUpdateSpellingMedium"));
        QCOMPARE(countRows(*db, QStringLiteral("SpellingMedium")), 2);
        QCOMPARE(countRows(*db, QStringLiteral("SpellingEasy")), 0);
        db->Execute(QStringLiteral("qUpdateSpellingHard"));
        QCOMPARE(countRows(*db, QStringLiteral("SpellingHard")), 1);
    }

    void dialectMeanings_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QVariant>("expected");
        addDataRow("False is 0",
                   "SELECT Count(*) AS n FROM Spelling WHERE Spelling.QuestionAsk=False;",
                   QVariant(6));
        addDataRow("bracketed names",
                   "SELECT [Spelling].[Word] AS n FROM [Spelling] WHERE [TypeID]=-3",
                   QVariant("necessary"));
        addDataRow("text compares without case",
                   "SELECT Count(*) AS n FROM Spelling WHERE Spelling.Word='CAT'", QVariant(1));
        addDataRow("Like with Access wildcards",
                   "SELECT Count(*) AS n FROM Spelling WHERE Word Like '?a*'", QVariant(2));
        addDataRow("& joins text", "SELECT Word & '-' & TypeID AS n FROM Spelling WHERE Word='dog'",
                   QVariant("dog--1"));
        addDataRow("/ divides exactly", "SELECT 7/2 AS n FROM tlbOwner", QVariant(3.5));
        addDataRow("IIf and Len", "SELECT Sum(IIf(Len(Word)>3,1,0)) AS n FROM Spelling",
                   QVariant(3));
        addDataRow("Nz of NULL", "SELECT Nz(Sum(TypeID),0) AS n FROM Spelling WHERE TypeID=9",
                   QVariant(0));
        addDataRow(
            "Union keeps arm order, drops duplicates",
            "SELECT Word AS n FROM Spelling WHERE Word='window'; Union SELECT Word FROM Spelling "
            "WHERE TypeID=-2 Union SELECT Word FROM Spelling WHERE Word='cat';",
            QVariant("window,garden,cat"));
        addDataRow("comparison as a value is -1",
                   "SELECT Word='cat' AS n FROM Spelling WHERE TypeID=-1", QVariant("-1,0,0"));
        addDataRow("bracketed condition as a value",
                   "SELECT (TypeID=-2 Or Word Like 'n*') AS n FROM Spelling WHERE Len(Word)>5",
                   QVariant("-1,-1,-1"));
        addDataRow("comparison with NULL stays NULL",
                   "SELECT iPicture Is Null, (iPicture = 'x') AS n FROM Spelling WHERE Word='dog'",
                   QVariant(""));
        addDataRow(
            "UCase, Mid, Left",
            "SELECT UCase(Mid(Word,2,2)) & Left(Word,1) AS n FROM Spelling WHERE Word='garden'",
            QVariant("ARg"));
    }

    void dialectMeanings() {
        QFETCH(QString, statement);
        QFETCH(QVariant, expected);
        auto db = open();
        auto rs = db->OpenRecordset(statement);
        QStringList values;
        while (!rs->Eof()) {
            values << rs->Fields(QStringLiteral("n")).Value().toString();
            rs->MoveNext();
        }
        QCOMPARE(values.join(QLatin1Char(',')), expected.toString());
    }

    void unsupportedStatementsFailCleanly_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<bool>("execute");
        addDataRow("TOP", "SELECT TOP 2 Word FROM Spelling", false);
        addDataRow("two statements", "SELECT Word FROM Spelling; DELETE FROM Spelling", false);
        addDataRow("unknown function", "SELECT Format(Word) FROM Spelling", false);
        addDataRow("DROP", "DROP TABLE Spelling", true);
        addDataRow("PRAGMA", "PRAGMA rekey = 'x'", true);
        addDataRow("ATTACH", "ATTACH DATABASE 'x' AS y", true);
        addDataRow("UPDATE two tables",
                   "UPDATE QuestionsTip INNER JOIN Questions ON QuestionsTip.CategoryID = "
                   "Questions.CategoryID SET Questions.QuestionAsk = True, "
                   "QuestionsTip.QuestionTip = 'x';",
                   true);
        addDataRow("DELETE with join",
                   "DELETE Spelling.* FROM Spelling INNER JOIN SquareSpelling ON TypeID = SquareID",
                   true);
        addDataRow("Execute a select", "SELECT Word FROM Spelling", true);
        addDataRow("missing stored query", "qNoSuchQuery", false);
    }

    void unsupportedStatementsFailCleanly() {
        QFETCH(QString, statement);
        QFETCH(bool, execute);
        auto db = open();
        bool failed = false;
        try {
            if (execute)
                db->Execute(statement);
            else
                db->OpenRecordset(statement);
        } catch (const DaoError& e) {
            failed = true;
            QVERIFY(!e.Description().isEmpty());
        }
        QVERIFY(failed);
        // Nothing was changed.
        QCOMPARE(countRows(*db, QStringLiteral("SELECT Word FROM Spelling;")), 6);
        QCOMPARE(countRows(*db, QStringLiteral("SELECT Questions.QuestionID FROM Questions WHERE "
                                               "Questions.QuestionAsk=False;")),
                 5);
        QCOMPARE(countRows(*db, QStringLiteral("SELECT QuestionsTip.QuestionTip FROM QuestionsTip "
                                               "WHERE QuestionTip='x'")),
                 0);
    }

    void openFailures_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("number");
        QTest::newRow("wrong password") << "password" << int(ErrNotADatabase);
        QTest::newRow("not a database") << "text" << int(ErrNotADatabase);
        QTest::newRow("missing file") << "missing" << int(ErrFileNotFound);
    }

    void openFailures() {
        QFETCH(QString, kind);
        QFETCH(int, number);
        QString path = m_path;
        QString connect = kConnect;
        if (kind == QLatin1String("password"))
            connect = QStringLiteral("MS Access;pwd=4##pelmor##9;");
        else if (kind == QLatin1String("text")) {
            path = m_dir.filePath(QStringLiteral("notes.mdb"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("Standard Jet DB but really just text. ").repeated(200));
        } else if (kind == QLatin1String("missing")) {
            path = m_dir.filePath(QStringLiteral("nothere.mdb"));
        }
        const QByteArray before = QFile::exists(path) ? [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }() : QByteArray();
        try {
            DBEngine::OpenDatabase(path, false, false, connect);
            QFAIL("the file opened");
        } catch (const DaoError& e) {
            QCOMPARE(e.Number(), number);
        }
        if (kind == QLatin1String("missing")) {
            QVERIFY(!QFile::exists(path)); // opening never creates a file
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
    }

    void recordsetMisuseFails() {
        auto db = open();
        auto easy = db->OpenRecordset(QStringLiteral("SpellingEasy"));
        auto expectError = [](int number, const std::function<void()>& f) {
            try {
                f();
            } catch (const DaoError& e) {
                return e.Number() == number;
            }
            return false;
        };
        auto counts = db->OpenRecordset(QStringLiteral("qSquareCounts"));
        QVERIFY(!counts->Updatable());
        QVERIFY(expectError(ErrCannotUpdate, [&] { counts->Edit(); }));
        auto empty = db->OpenRecordset(BoardStatements::QuestionStatement(QStringLiteral("42")));
        QCOMPARE(empty->AbsolutePosition(), -1);
        QVERIFY(expectError(ErrNoCurrentRecord, [&] { empty->MoveFirst(); }));
        QVERIFY(expectError(ErrNoCurrentRecord, [&] { empty->MoveNext(); }));
        QVERIFY(expectError(ErrNoCurrentRecord,
                            [&] { empty->Fields(QStringLiteral("Question")).Value(); }));
        easy->MoveLast();
        easy->MoveNext();
        QVERIFY(expectError(ErrNoCurrentRecord, [&] { easy->MoveNext(); }));
        QVERIFY(expectError(ErrNoCurrentRecord, [&] { easy->setAbsolutePosition(3); }));
        // Moving away drops an edit that was not updated.
        easy->MoveFirst();
        easy->Edit();
        easy->Fields(QStringLiteral("QuestionAsk")) = true;
        easy->MoveNext();
        QCOMPARE(countRows(*db, QStringLiteral("SpellingEasy")), 3);
    }

    void nameAndClose() {
        auto db = open();
        QCOMPARE(db->Name(), QFileInfo(m_path).absoluteFilePath());
        auto rs = db->OpenRecordset(QStringLiteral("SpellingHard"));
        db->Close();
        QVERIFY(!db->IsOpen());
        try {
            db->OpenRecordset(QStringLiteral("qBoardLayout"));
            QFAIL("a closed database answered");
        } catch (const DaoError& e) {
            QCOMPARE(e.Number(), int(ErrDatabaseClosed));
        }
        rs->Edit();
        rs->Fields(QStringLiteral("QuestionAsk")) = true;
        try {
            rs->Update();
            QFAIL("an update reached a closed database");
        } catch (const DaoError& e) {
            QCOMPARE(e.Number(), int(ErrDatabaseClosed));
        }
        // The file is released: it can be replaced and opened again.
        QVERIFY(QFile::remove(m_path));
        BoardFileWriter::WriteBoardFile(BoardTestFiles::content(), m_path);
        QCOMPARE(countRows(*open(), QStringLiteral("SpellingHard")), 1);
    }
};

QTEST_GUILESS_MAIN(TestDbLayer)
#include "tst_dblayer.moc"
