// The board editor's model without a window: reading, export, checks, CSV
// rows, undo and saving.
#include "BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/BoardDraft.h"
#include "boardgame/file/BoardFileReader.h"
#include "boardgame/file/BoardLimits.h"
#include "boardgame/file/BoardSource.h"
#include "boardgame/file/BoardSourceExport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(BoardItemRef)

namespace {

// Every thing a board can hold: levels, pictures on questions and choices,
// recorded, American and "say it like" pronunciations.
const char kSource[] = R"([board]
description = Round trip
author = tests
[kind 2]
caption = Sounds
[square 2]
caption = Sounds
back = #102030
[square -4]
caption = Rest
[layout]
2 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 2
2 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 2
2 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 2
2 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 2
[category]
kind = 2
name = Rhymes
tip = Listen to the end of each word.
[question]
text = Which word rhymes with hat?
level = primary
picture = q.jpg
answer = dog
answer = * mat | picture = q.jpg
answer = | picture = q.jpg
[spelling easy]
caption = Easy
word = cat | A small pet. | sound = w.wav | level = primary | picture = q.jpg
[spelling medium]
caption = Medium
word = garden | Where flowers grow. | sound = w.wav | american = us.wav | say = gar den | level = secondary
[spelling hard]
caption = Hard
word = rhythm | A pattern of beats. | sound = w.wav | level = adult
)";

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

BoardContent parse(const QString& folder) {
    writeFile(folder + QStringLiteral("/q.jpg"), BoardTestFiles::picture('q'));
    writeFile(folder + QStringLiteral("/w.wav"), BoardTestFiles::wave(80, 'w'));
    writeFile(folder + QStringLiteral("/us.wav"), BoardTestFiles::wave(90, 'u'));
    return BoardSource::Parse(QLatin1String(kSource), folder, {});
}

} // namespace

class TestBoardDraft : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileAndSourceGiveBackTheContent();
    void checksPointAtTheItem_data();
    void checksPointAtTheItem();
    void csvRows_data();
    void csvRows();
    void undoReturnsToTheSavedBoard();
    void saveRefusesAndKeepsTheOldFile();
};

void TestBoardDraft::fileAndSourceGiveBackTheContent() {
    QTemporaryDir dir;
    const BoardContent content = parse(dir.path());
    QCOMPARE(content.words[1].sayAs, QStringLiteral("gar den"));
    const QString file = dir.filePath(QStringLiteral("board.mdb"));
    BoardFileWriter::WriteBoardFile(content, file);
    QVERIFY(BoardFileReader::ReadBoardFile(file) == content);

    const QString source = dir.filePath(QStringLiteral("out/again.board"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out")));
    QString error;
    QVERIFY2(BoardSourceExport::ExportSource(content, source, &error), qPrintable(error));
    QFile text(source);
    QVERIFY(text.open(QIODevice::ReadOnly));
    QVERIFY(BoardSource::Parse(QString::fromUtf8(text.readAll()), dir.filePath("out"), {}) ==
            content);

    // A text the format cannot hold is refused by name, not written wrongly.
    BoardContent piped = content;
    piped.words[0].definition = QStringLiteral("A pet | not a dog.");
    QVERIFY(!BoardSourceExport::ExportSource(piped, source, &error));
    QVERIFY2(error.contains(QLatin1String("'|'")), qPrintable(error));
}

void TestBoardDraft::checksPointAtTheItem_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<bool>("refusal");
    QTest::addColumn<BoardItemRef>("item");
    QTest::addColumn<QString>("message");
    const BoardItemRef question = BoardItemRef::Question(0, 0);
    QTest::newRow("definition shows the word")
        << 0 << true << BoardItemRef::Word(0) << "shows 'Cat'";
    QTest::newRow("question prints a hard word") << 1 << false << question << "'rhythm'";
    QTest::newRow("tip gives the answer away")
        << 2 << false << BoardItemRef::Category(0) << "right answer of question 1 of 'Rhymes'";
    QTest::newRow("two choices") << 3 << false << question << "at least 3 choices";
    QTest::newRow("two right answers") << 4 << true << question << "exactly one right";
    QTest::newRow("oversized answer") << 5 << true << BoardItemRef::Answer(0, 0, 0) << "longer";
    QTest::newRow("word without level") << 6 << false << BoardItemRef::Word(2) << "no level";
    QTest::newRow("word without sound") << 7 << true << BoardItemRef::Word(0) << "pronunciation";
    QTest::newRow("kind without questions") << 8 << true << BoardItemRef::Kind(2) << "no questions";
}

void TestBoardDraft::checksPointAtTheItem() {
    QFETCH(int, change);
    QFETCH(bool, refusal);
    QFETCH(BoardItemRef, item);
    QFETCH(QString, message);
    QTemporaryDir dir;
    BoardContent c = parse(dir.path());
    QVERIFY(BoardContentChecks::Check(c).isEmpty());
    BoardQuestion& q = c.categories[0].questions[0];
    switch (change) {
    case 0:
        c.words[0].definition = QStringLiteral("Cat is a pet.");
        break;
    case 1:
        q.text = QStringLiteral("Which has RHYTHM?");
        break;
    case 2:
        c.categories[0].tip = QStringLiteral("Think of a mat.");
        break;
    case 3:
        q.answers.removeLast();
        break;
    case 4:
        q.answers[0].right = true;
        break;
    case 5:
        q.answers[0].text.fill(QLatin1Char('x'), BoardLimits::kLongestText + 1);
        break;
    case 6:
        c.words[2].itemLevel = ItemLevel::Any, c.words[2].level = -3;
        break;
    case 7:
        c.words[0].sound.clear();
        break;
    case 8:
        c.categories.clear();
        break;
    }
    const QList<BoardFinding> all = BoardContentChecks::Check(c);
    const auto found = std::find_if(all.cbegin(), all.cend(), [&](const BoardFinding& f) {
        return f.item == item && f.message.contains(message);
    });
    QVERIFY2(found != all.cend(), qPrintable(all.value(0).message));
    QCOMPARE(found->severity == FindingSeverity::Refusal, refusal);
    // The check of the item alone finds it too.
    if (item.kind != BoardItemKind::Kind && item.kind != BoardItemKind::Category)
        QVERIFY(BoardContentChecks::CheckItem(c, item).contains(*found));
}

void TestBoardDraft::csvRows_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QStringList>("problems");
    QTest::newRow("bom, semicolons, quotes over two lines")
        << QByteArray("\xEF\xBB\xBFWord;Definition;Difficulty;Level\r\n"
                      "garden;\"Where flowers\r\ngrow; \"\"outside\"\"\";easy;primary\r\n"
                      "kite;;easy;\r\nmoon;Seen at night.;hard;teen\r\n")
        << 1 << 0
        << QStringList{"line 4: no definition",
                       "line 5: level 'teen' is not primary, secondary or adult"};
    QTest::newRow("commas, bad words")
        << QByteArray("word,definition,difficulty\nab1,Not a word.,easy\nsun,Hot star.,\n"
                      "cat,A cat.,easy\nsun,Hot star.,medium\nsun,Again.,medium\n")
        << 1 << 0
        << QStringList{"line 2: 'ab1' may hold only letters",
                       "line 3: no difficulty (easy, medium or hard)",
                       "line 4: the definition of 'cat' shows 'cat'",
                       "line 6: 'sun' is given twice at this difficulty (first at line 5)"};
    QTest::newRow("questions, wrong answers split and in columns")
        << QByteArray("Category,Question,Right answer,Wrong answers,Wrong 2,Level\n"
                      "Rhymes,Rhymes with hat?,mat,dog|sun,pin,primary\n"
                      "Rhymes,Rhymes with pen?,ten,,,\n"
                      ",No category?,a,b,,\n"
                      "Rhymes,Too many?,a,b|c|d|e|f,g,\n")
        << 0 << 1
        << QStringList{"line 3: no wrong answer", "line 4: no category",
                       "line 5: 7 choices; a question takes 2 to 6"};
    QTest::newRow("no header") << QByteArray("cat,A pet.,easy\n") << 0 << 0
                               << QStringList{"line 1: the first row must name the columns"};
}

void TestBoardDraft::csvRows() {
    QFETCH(QByteArray, csv);
    QFETCH(int, words);
    QFETCH(int, questions);
    QFETCH(QStringList, problems);
    const BoardCsvRows rows = BoardCsvImport::Read(csv);
    QCOMPARE(rows.words.size(), words);
    QCOMPARE(rows.questions.size(), questions);
    QCOMPARE(rows.problems.size(), problems.size());
    for (int i = 0; i < problems.size(); ++i)
        QVERIFY2(rows.problems[i].text().startsWith(problems[i]),
                 qPrintable(rows.problems[i].text()));
    if (words > 0 && csv.startsWith("\xEF"))
        QCOMPARE(rows.words[0].word.definition, QStringLiteral("Where flowers\ngrow; \"outside\""));
    if (questions > 0) {
        const BoardQuestion& q = rows.questions[0].question;
        QCOMPARE(q.answers.size(), 4);
        QCOMPARE(q.itemLevel, ItemLevel::Primary);
    }
}

void TestBoardDraft::undoReturnsToTheSavedBoard() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("board.mdb"));
    BoardFileWriter::WriteBoardFile(parse(dir.path()), file);
    BoardDraft draft;
    QString error;
    QVERIFY2(draft.Open(file, &error), qPrintable(error));
    const BoardContent opened = draft.Content();
    QVERIFY(!draft.IsModified() && !draft.CanUndo());

    // Typing into one text is one step; another field is the next.
    QVERIFY(draft.SetQuestionText(0, 0, QStringLiteral("W")));
    QVERIFY(draft.SetQuestionText(0, 0, QStringLiteral("Which rhymes?")));
    QVERIFY(draft.SetRightAnswer(0, 0, 0));
    QVERIFY(draft.RemoveWord(0));
    QVERIFY(!draft.SetRightAnswer(0, 0, 9));
    QVERIFY(draft.HasRefusals()); // easy squares have no word left
    QCOMPARE(draft.UndoText(), QStringLiteral("Remove word"));
    QVERIFY(draft.Undo() && draft.Undo());
    QCOMPARE(draft.Content().categories[0].questions[0].text, QStringLiteral("Which rhymes?"));
    QVERIFY(draft.Undo());
    QVERIFY(!draft.CanUndo() && !draft.IsModified());
    QVERIFY(draft.Content() == opened);
    QVERIFY(draft.Redo() && draft.IsModified());

    // Saved, then undone past the save point and changed otherwise: the
    // saved state cannot come back by redo, so the board stays modified.
    QVERIFY(draft.Save().saved());
    QVERIFY(!draft.IsModified());
    QVERIFY(draft.Undo() && draft.IsModified());
    QVERIFY(draft.SetAuthor(QStringLiteral("someone")));
    QVERIFY(draft.Undo() && draft.IsModified());
    QVERIFY(BoardFileReader::ReadBoardFile(file).categories[0].questions[0].text ==
            QStringLiteral("Which rhymes?"));
}

void TestBoardDraft::saveRefusesAndKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("board.mdb"));
    BoardFileWriter::WriteBoardFile(parse(dir.path()), file);
    const QByteArray before = [&] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    BoardDraft draft;
    QVERIFY(draft.Open(file, nullptr));
    QVERIFY(draft.SetWordDefinition(0, QStringLiteral("A cat.")));
    QCOMPARE(draft.Save().outcome, BoardSaveOutcome::Refused);
    QVERIFY(draft.SetWordDefinition(0, QStringLiteral("A small pet.")));
    QVERIFY(draft.SetWordText(0, QStringLiteral("dog")));
    QCOMPARE(draft.Save(dir.filePath(QStringLiteral("./board.mdb"))).outcome,
             BoardSaveOutcome::InPlay);
    QCOMPARE(draft.SaveAs(dir.filePath(QStringLiteral("gone/board.mdb"))).outcome,
             BoardSaveOutcome::WriteFailed);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QVERIFY(draft.IsModified());

    // A shipped board is edited as a copy; the original is never written.
    BoardDraft copy;
    const QString mine = dir.filePath(QStringLiteral("mine.mdb"));
    QVERIFY(!copy.OpenCopy(file, file, nullptr));
    QVERIFY(copy.OpenCopy(file, mine, nullptr));
    QCOMPARE(copy.Path(), mine);
    QVERIFY(copy.SetDescription(QStringLiteral("Mine")) && copy.Save().saved());
    QCOMPARE(BoardFileReader::ReadBoardFile(file).description, QStringLiteral("Round trip"));
    QCOMPARE(BoardFileReader::ReadBoardFile(mine).description, QStringLiteral("Mine"));
}

QTEST_MAIN(TestBoardDraft)
#include "tst_boarddraft.moc"
