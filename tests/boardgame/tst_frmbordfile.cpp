// The board-file manager on a data folder of test files: what is listed with
// which checks, what adding a file does to the folder, and the window driven
// by its controls (add a file, make it current, the refusals).
#include "BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/file/BoardFileChecks.h"
#include "boardgame/file/BoardFileList.h"
#include "boardgame/file/BoardFileWriter.h"
#include "boardgame/file/BoardSettings.h"
#include "boardgame/ui/frmBordFile.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

// Name and size of every entry of a folder, hidden ones included.
QStringList FolderState(const QString& folder) {
    QStringList state;
    for (const QFileInfo& info : QDir(folder).entryInfoList(
             QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name))
        state.append(info.fileName() + QLatin1Char(':') + QString::number(info.size()));
    return state;
}

} // namespace

class TestFrmBordFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void listsUsableBoardFiles();
    void userFilesHideShippedOnes();
    void addingLeavesTheFolderAsItWas_data();
    void addingLeavesTheFolderAsItWas();
    void addAndMakeCurrent();
    void boardErrorsRefuseTheChoice();
    void remembersChecksUntilAFileChanges();

private:
    void writeBoard(const QString& path, const QStringList& faults = {}) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(QFile::copy(m_template.filePath(QStringLiteral("board.mdb")), path));
        if (faults.isEmpty())
            return;
        auto db = dao::DBEngine::OpenDatabase(path, false, false, QLatin1String(kBoardConnect));
        for (const QString& s : faults)
            db->ExecuteNative(s);
        db->Close();
    }
    QString data(const QString& name) const { return m_home->file(QStringLiteral("data/") + name); }
    QString outside(const QString& name) const {
        return m_home->file(QStringLiteral("in/") + name);
    }

    QTemporaryDir m_template;
    std::unique_ptr<TempProgramFolder> m_home;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
};

void TestFrmBordFile::initTestCase() {
    QLocale::setDefault(QLocale::c());
    BoardFileWriter::WriteBoardFile(BoardTestFiles::content(),
                                    m_template.filePath(QStringLiteral("board.mdb")));
}

void TestFrmBordFile::init() {
    m_home = std::make_unique<TempProgramFolder>();
    m_boxes = std::make_unique<MsgBoxRecorder>();
    writeBoard(data(QStringLiteral("good.mdb")));
    writeBoard(data(QStringLiteral("errors.mdb")),
               {QStringLiteral("UPDATE BoardLayOut SET SquareID = NULL WHERE ID IN (3, 30)")});
    writeBoard(data(QStringLiteral("hidden.mdb")),
               {QStringLiteral("UPDATE tlbOwner SET Visible = -1")});
    writeBoard(data(QStringLiteral("UPPER.MDB")),
               {QStringLiteral("UPDATE tlbOwner SET Description = 'Shouting'")});
    writeBoard(data(QStringLiteral("extra.mdbx")));
    m_home->write(QStringLiteral("data/notes.mdb"), "not a database");
    QDir().mkpath(data(QStringLiteral("folder.mdb")));
}

void TestFrmBordFile::cleanup() {
    m_boxes.reset();
    m_home.reset();
}

void TestFrmBordFile::listsUsableBoardFiles() {
    const QList<BoardFileRow> rows = ListBoardFiles(BoardDataFolders());
    QStringList got;
    for (const BoardFileRow& r : rows)
        got.append(QStringList{r.fileName, r.boardErrors, r.spellEasy, r.spellMedium, r.spellHard,
                               r.questions, r.description}
                       .join(QLatin1Char('|')));
    QCOMPARE(got, (QStringList{
                      "errors.mdb|Err:2|OK:3|OK:2|OK:1|OK:5|Test board for the layer",
                      "good.mdb|Ok:0|OK:3|OK:2|OK:1|OK:5|Test board for the layer",
                      "UPPER.MDB|Ok:0|OK:3|OK:2|OK:1|OK:5|Shouting",
                  }));
    QVERIFY(!rows.at(0).CanBeChosen());
    QVERIFY(rows.at(1).CanBeChosen());
}

void TestFrmBordFile::userFilesHideShippedOnes() {
    // As installed: the user's folder first, then the shipped one.
    const QString shipped = m_home->file(QStringLiteral("share/data"));
    writeBoard(shipped + QStringLiteral("/Good.MDB"),
               {QStringLiteral("UPDATE tlbOwner SET Description = 'shipped'")});
    writeBoard(shipped + QStringLiteral("/Seaside.mdb"),
               {QStringLiteral("UPDATE tlbOwner SET Description = 'shipped'")});
    const QStringList folders{BoardDataFolder(), shipped};
    QStringList listed;
    for (const BoardFileRow& r : ListBoardFiles(folders))
        listed << r.fileName + QLatin1Char(':') + r.description;
    QCOMPARE(listed, (QStringList{"errors.mdb:Test board for the layer",
                                  "good.mdb:Test board for the layer", "Seaside.mdb:shipped",
                                  "UPPER.MDB:Shouting"}));
    writeBoard(outside(QStringLiteral("seaside.mdb")));
    QCOMPARE(int(AddBoardFile(outside(QStringLiteral("seaside.mdb")), BoardDataFolder(), folders)),
             int(AddBoardFileResult::NameClash));
}

void TestFrmBordFile::addingLeavesTheFolderAsItWas_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    const QString clash =
        QStringLiteral("Please rename the file. Found a file with the same name.");
    const QString invalid = QStringLiteral("Invalid file or is marked as hidden to the user...");
    addDataRow("same name, other content", QStringLiteral("good.mdb"),
               int(AddBoardFileResult::NameClash), clash);
    addDataRow("same name in other letter case", QStringLiteral("Good.MDB"),
               int(AddBoardFileResult::NameClash), clash);
    addDataRow("not a board file", QStringLiteral("text.mdb"), int(AddBoardFileResult::NotUsable),
               invalid);
    addDataRow("marked hidden", QStringLiteral("secret.mdb"), int(AddBoardFileResult::NotUsable),
               invalid);
    addDataRow("a folder", QStringLiteral("dir.mdb"), int(AddBoardFileResult::NotUsable), invalid);
    addDataRow("gone since the dialog", QStringLiteral("gone.mdb"),
               int(AddBoardFileResult::NotUsable), invalid);
    const QString rename = QStringLiteral("Please rename the file. A board-game file name may not "
                                          "hold : | < > or letters outside the Western European "
                                          "alphabets.");
    addDataRow("section mark in the name", QStringLiteral("a<|>b.mdb"),
               int(AddBoardFileResult::BadName), rename);
    addDataRow("name outside the code page", QString::fromUtf8("\u010ce\u0161tina.mdb"),
               int(AddBoardFileResult::BadName), rename);
}

void TestFrmBordFile::addingLeavesTheFolderAsItWas() {
    QFETCH(QString, source);
    QFETCH(int, result);
    QFETCH(QString, message);
    writeBoard(outside(QStringLiteral("good.mdb")),
               {QStringLiteral("UPDATE tlbOwner SET Description = 'another'")});
    writeBoard(outside(QStringLiteral("Good.MDB")));
    writeBoard(outside(QStringLiteral("secret.mdb")),
               {QStringLiteral("UPDATE tlbOwner SET Visible = 1")});
    m_home->write(QStringLiteral("in/text.mdb"), QByteArray(5000, 't'));
    writeBoard(outside(QStringLiteral("a<|>b.mdb")));
    writeBoard(outside(QString::fromUtf8("\u010ce\u0161tina.mdb")));
    QDir().mkpath(outside(QStringLiteral("dir.mdb")));
    const QStringList before = FolderState(BoardDataFolder());

    QCOMPARE(int(AddBoardFile(outside(source), BoardDataFolder())), result);
    QCOMPARE(FolderState(BoardDataFolder()), before);

    frmBordFile manager;
    manager.FinishChecks();
    manager.CommonDialog1 = [&](QWidget*, const QString&) { return outside(source); };
    control<QPushButton>(manager, QStringLiteral("cmdAddBoardFile"))->click();
    QCOMPARE(m_boxes->texts(), QStringList{message});
    QCOMPARE(FolderState(BoardDataFolder()), before);
    QCOMPARE(manager.Rows().size(), 3);
}

void TestFrmBordFile::addAndMakeCurrent() {
    writeBoard(outside(QStringLiteral("Seaside.mdb")),
               {QStringLiteral("UPDATE tlbOwner SET Description = 'Words of the sea'")});
    frmBordFile manager;
    manager.FinishChecks();
    auto* grid = control<QTableWidget>(manager, QStringLiteral("FlexData"));
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("*"));

    QString filter;
    manager.CommonDialog1 = [&](QWidget*, const QString& f) {
        filter = f;
        return outside(QStringLiteral("Seaside.mdb"));
    };
    control<QPushButton>(manager, QStringLiteral("cmdAddBoardFile"))->click();
    manager.FinishChecks();
    QVERIFY(filter.contains(QLatin1String("*.mdb")));
    QVERIFY(m_boxes->shown().isEmpty());
    QCOMPARE(grid->rowCount(), 4);
    // The added file is the chosen row, alone in showing the mark.
    const int row = grid->currentRow();
    QCOMPARE(grid->item(row, 1)->text(), QStringLiteral("Seaside.mdb"));
    int marks = 0;
    for (int r = 0; r < grid->rowCount(); ++r)
        marks += grid->item(r, 0)->text() == QLatin1String("*");
    QCOMPARE(marks, 1);
    QCOMPARE(control<QLabel>(manager, QStringLiteral("lblFileName"))->text(),
             QStringLiteral("Seaside.mdb"));
    // Readable by others sharing the folder, as any file made there is.
    QVERIFY(QFile::permissions(data(QStringLiteral("Seaside.mdb"))) & QFileDevice::ReadOther);
    QCOMPARE(manager.txtDescription->toPlainText(), QStringLiteral("Words of the sea"));

    QVERIFY(manager.optQuestionPool[0]->isChecked());
    manager.optQuestionPool[1]->click();
    QVERIFY(!BoardSettings::QuestionFilter());

    control<QPushButton>(manager, QStringLiteral("cmdSetBoardGame"))->click();
    QCOMPARE(BoardSettings::CurrentDataPath(), QStringLiteral("Seaside.mdb"));
    QCOMPARE(manager.result(), int(QDialog::Accepted));
    // The board opens the chosen file from the data folder.
    BoardFileInspection opened;
    QVERIFY(IsUsableBoardFile(data(QStringLiteral("Seaside.mdb")), opened));
}

void TestFrmBordFile::boardErrorsRefuseTheChoice() {
    frmBordFile manager;
    auto* grid = control<QTableWidget>(manager, QStringLiteral("FlexData"));
    grid->setCurrentCell(0, 3); // errors.mdb
    control<QPushButton>(manager, QStringLiteral("cmdSetBoardGame"))->click();
    QCOMPARE(m_boxes->texts(),
             QStringList{"Board errors in this file. Contact the person who made the file for "
                         "support."});
    QCOMPARE(BoardSettings::CurrentDataPath(), QStringLiteral("SpellingGrammar.mdb"));
    QVERIFY(manager.result() != QDialog::Accepted);

    // With no file listed nothing can be chosen.
    for (const char* name : {"errors.mdb", "good.mdb", "UPPER.MDB"})
        QVERIFY(QFile::remove(data(QLatin1String(name))));
    manager.FormatFlexData();
    manager.FinishChecks();
    QCOMPARE(grid->rowCount(), 0);
    control<QPushButton>(manager, QStringLiteral("cmdSetBoardGame"))->click();
    QCOMPARE(BoardSettings::CurrentDataPath(), QStringLiteral("SpellingGrammar.mdb"));
}

void TestFrmBordFile::remembersChecksUntilAFileChanges() {
    auto listed = [](const frmBordFile& manager) {
        QStringList got;
        for (const BoardFileRow& r : manager.Rows())
            got << r.fileName + QLatin1Char(':') + r.boardErrors;
        return got;
    };
    {
        // First visit: every candidate shows at once, the unusable ones go.
        frmBordFile first;
        auto* grid = control<QTableWidget>(first, QStringLiteral("FlexData"));
        QCOMPARE(grid->rowCount(), 5);
        grid->setCurrentCell(3, 1); // notes.mdb, not a board file
        first.FinishChecks();
        QCOMPARE(listed(first),
                 (QStringList{"errors.mdb:Err:2", "good.mdb:Ok:0", "UPPER.MDB:Ok:0"}));
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->currentRow(), 2);
        QCOMPARE(first.lblFileName->text(), QStringLiteral("UPPER.MDB"));
    }
    // Second visit: filled without waiting, and nothing left to check.
    frmBordFile second;
    QCOMPARE(listed(second), (QStringList{"errors.mdb:Err:2", "good.mdb:Ok:0", "UPPER.MDB:Ok:0"}));
    QCOMPARE(second.txtDescription->toPlainText(), QStringLiteral("Test board for the layer"));

    // A file that changed is checked again.
    QFile::remove(data(QStringLiteral("good.mdb")));
    writeBoard(data(QStringLiteral("good.mdb")),
               {QStringLiteral("UPDATE BoardLayOut SET SquareID = NULL WHERE ID = 7"),
                QStringLiteral("UPDATE tlbOwner SET Description = 'changed, and longer'")});
    frmBordFile third;
    QCOMPARE(listed(third), (QStringList{"errors.mdb:Err:2", "good.mdb:", "UPPER.MDB:Ok:0"}));
    third.FinishChecks();
    QCOMPARE(listed(third), (QStringList{"errors.mdb:Err:2", "good.mdb:Err:1", "UPPER.MDB:Ok:0"}));
}

QTEST_MAIN(TestFrmBordFile)
#include "tst_frmbordfile.moc"
