// The rules of the question and spelling squares on small board files: the
// draw, the refill, the answer and the typed letters, QuestionAsk under
// "Filter", the board status text, the scratch files and the refusals.
#include "BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/SquareQuestions.h"
#include "boardgame/StatusCounters.h"
#include "players/ClassPlayerInfo.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QString kConnect = QStringLiteral("MS Access;pwd=4##pelmor##8;");
const QString kStatus = QStringLiteral("-1=0=0|-3=0=0|-2=0=0|5=0=0|7=0=0");

// QuestionAsk of the question or word named by its text.
int askedQuestion(dao::Database& db, const QString& question) {
    auto rs = db.OpenRecordset(QStringLiteral("SELECT Questions.QuestionAsk FROM Questions WHERE "
                                              "Questions.Question='%1';")
                                   .arg(question));
    return rs->Fields(QStringLiteral("QuestionAsk")).Value().toInt();
}
int askedWord(dao::Database& db, const QString& word) {
    auto rs = db.OpenRecordset(
        QStringLiteral("SELECT Spelling.QuestionAsk FROM Spelling WHERE Spelling.Word='%1';")
            .arg(word));
    return rs->Fields(QStringLiteral("QuestionAsk")).Value().toInt();
}

} // namespace

class TestSquareQuestions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void statusText_data();
    void statusText();
    void drawsWithEqualChance_data();
    void drawsWithEqualChance();
    void answers_data();
    void answers();
    void askedQuestionsStayInThePool();
    void onlyQuestionIsDrawnEveryTime();
    void freeMove_data();
    void freeMove();
    void typing_data();
    void typing();
    void wordMask_data();
    void wordMask();
    void spellingRefill();
    void noWord_data();
    void noWord();
    void scratchFiles_data();
    void scratchFiles();

private:
    // A board file of its own for the test (the shared one when no content).
    void openBoard(const BoardContent* content = nullptr);
    QTemporaryDir m_shared;
    std::unique_ptr<TempProgramFolder> m_folder;
    std::unique_ptr<dao::Database> m_db;
    ClassPlayerInfo m_player;
};

void TestSquareQuestions::initTestCase() {
    BoardFileWriter::WriteBoardFile(BoardTestFiles::content(),
                                    m_shared.filePath(QStringLiteral("test.mdb")));
}

void TestSquareQuestions::init() {
    m_folder = std::make_unique<TempProgramFolder>();
    m_player = ClassPlayerInfo();
    m_player.NickName = QStringLiteral("Ana");
    m_player.SavedGames.Add(
        ClassSavedGameInfo(QStringLiteral("g"), QStringLiteral("S1"), QStringLiteral("Solitaire")));
    m_player.SavedGames.Add(
        ClassSavedGameInfo(kStatus, QStringLiteral("B2"), QStringLiteral("test.mdb")));
    m_player.SavedGamesIndex = QStringLiteral("B2");
    openBoard();
}

void TestSquareQuestions::cleanup() {
    m_db.reset();
    m_folder.reset();
    RandomSource::setInstance(nullptr);
}

void TestSquareQuestions::openBoard(const BoardContent* content) {
    m_db.reset();
    const QString path = m_folder->file(QStringLiteral("test.mdb"));
    QFile::remove(path);
    if (content)
        BoardFileWriter::WriteBoardFile(*content, path);
    else
        QVERIFY(QFile::copy(m_shared.filePath(QStringLiteral("test.mdb")), path));
    m_db = dao::DBEngine::OpenDatabase(path, false, false, kConnect);
}

void TestSquareQuestions::statusText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("expected");
    addDataRow("right on its item", "-1=0=0|5=2=1", "5", true, "-1=0=0|5=3=1");
    addDataRow("wrong on its item", "-1=0=0|5=2=1", "-1", false, "-1=0=1|5=2=1");
    addDataRow("a kind without an item", "-1=0=0", "7", true, "-1=0=0|7=1=0");
    addDataRow("an empty text", "", "7", false, "7=0=1");
    addDataRow("damaged items kept", "x|5=a=1|-2", "-2", true, "x|5=a=1|-2=1=0");
    addDataRow("a full counter stays full", "5=32767=0", "5", true, "5=32767=0");
    addDataRow("the first of two items", "5=1=1|5=1=1", "5", false, "5=1=2|5=1=1");
}

void TestSquareQuestions::statusText() {
    QFETCH(QString, text);
    QFETCH(QString, code);
    QFETCH(bool, right);
    QFETCH(QString, expected);
    QCOMPARE(StatusCounters::CountAnswer(text, code, right), expected);
    const QList<StatusCounter> read = StatusCounters::Read(QStringLiteral("-1=2=1|5"));
    QCOMPARE(read.size(), 2);
    QCOMPARE(read[0].right, QStringLiteral("2"));
    QCOMPARE(read[1].code, QStringLiteral("5"));
    QCOMPARE(read[1].wrong, QString());
}

void TestSquareQuestions::drawsWithEqualChance_data() {
    QTest::addColumn<double>("random");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<int>("right");
    addDataRow("first of three", 0.0, "Which word is a noun?",
               QStringList{"run", "table", "quickly"}, 1);
    addDataRow("second of three", 0.34, "Which word names a place?", QStringList{"park", "jump"},
               0);
    addDataRow("last of three", 0.999, "Which word is a verb?", QStringList{"swim", "blue"}, 0);
}

void TestSquareQuestions::drawsWithEqualChance() {
    QFETCH(double, random);
    QFETCH(QString, question);
    QFETCH(QStringList, choices);
    QFETCH(int, right);
    RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{random}));
    QuestionSquare square(*m_db, m_player, QStringLiteral("5"));
    QVERIFY(square.Draw());
    QCOMPARE(square.Question(), question);
    QStringList texts;
    for (const QuestionChoice& c : square.Choices())
        texts << c.text;
    QCOMPARE(texts, choices);
    QCOMPARE(square.RightIndex(), right);
    QCOMPARE(square.Tip(), question.contains(QLatin1String("verb"))
                               ? QStringLiteral("A verb is a doing word.")
                               : QStringLiteral("A noun names a thing."));
}

void TestSquareQuestions::answers_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("filter");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("asked");
    addDataRow("right", 1, true, true, "-1=0=0|-3=0=0|-2=0=0|5=1=0|7=0=0", -1);
    addDataRow("right without filter", 1, false, true, "-1=0=0|-3=0=0|-2=0=0|5=1=0|7=0=0", -1);
    addDataRow("wrong with filter", 2, true, false, "-1=0=0|-3=0=0|-2=0=0|5=0=1|7=0=0", -1);
    addDataRow("wrong without filter", 0, false, false, "-1=0=0|-3=0=0|-2=0=0|5=0=1|7=0=0", 0);
}

void TestSquareQuestions::answers() {
    QFETCH(int, choice);
    QFETCH(bool, filter);
    QFETCH(bool, result);
    QFETCH(QString, status);
    QFETCH(int, asked);
    RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{0.0}));
    QuestionSquare square(*m_db, m_player, QStringLiteral("5"));
    QVERIFY(square.Draw());
    QCOMPARE(square.Answer(choice, filter),
             result ? QuestionSquare::Verdict::Right : QuestionSquare::Verdict::Wrong);
    QCOMPARE(square.Result(), result);
    // One answer only.
    QCOMPARE(square.Answer(1, true), QuestionSquare::Verdict::Ignored);
    QCOMPARE(square.Result(), result);
    QCOMPARE(m_player.SavedGames.Find(QStringLiteral("B2"))->GameInfo, status);
    QCOMPARE(m_player.SavedGames.Find(QStringLiteral("S1"))->GameInfo, QStringLiteral("g"));
    // The mark reaches the file.
    m_db.reset();
    m_db = dao::DBEngine::OpenDatabase(m_folder->file(QStringLiteral("test.mdb")), false, false,
                                       kConnect);
    QCOMPARE(askedQuestion(*m_db, QStringLiteral("Which word is a noun?")), asked);
    QCOMPARE(askedQuestion(*m_db, QStringLiteral("Which word is a verb?")), 0);
}

void TestSquareQuestions::askedQuestionsStayInThePool() {
    m_db->ExecuteNative(QStringLiteral("UPDATE Questions SET QuestionAsk = -1"));
    RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{0.999}));
    QuestionSquare square(*m_db, m_player, QStringLiteral("7"));
    QVERIFY(square.Draw());
    QCOMPARE(square.Question(), QStringLiteral("The opposite of up is"));
    QCOMPARE(askedQuestion(*m_db, QStringLiteral("The opposite of hot is")), -1);
}

void TestSquareQuestions::onlyQuestionIsDrawnEveryTime() {
    BoardContent content = BoardTestFiles::content();
    content.categories[2].questions.removeLast();
    openBoard(&content);
    for (double r : {0.0, 0.5, 0.999}) {
        RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{r}));
        QuestionSquare square(*m_db, m_player, QStringLiteral("7"));
        QVERIFY(square.Draw());
        QCOMPARE(square.Question(), QStringLiteral("The opposite of hot is"));
        QCOMPARE(square.Answer(0, true), QuestionSquare::Verdict::Wrong);
    }
    QCOMPARE(m_player.SavedGames.Find(QStringLiteral("B2"))->GameInfo,
             QStringLiteral("-1=0=0|-3=0=0|-2=0=0|5=0=0|7=0=3"));
}

void TestSquareQuestions::freeMove_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("fault");
    addDataRow("no right choice", "7", "UPDATE Questions SET Answer = 999");
    addDataRow("eight choices", "7",
               "INSERT INTO QuestionAnswer (QuestionID, SelectAnswer) SELECT QuestionID, 'x' FROM "
               "QuestionAnswer UNION ALL SELECT QuestionID, 'y' FROM QuestionAnswer UNION ALL "
               "SELECT QuestionID, 'z' FROM QuestionAnswer");
    addDataRow("a kind without questions", "9", "");
    addDataRow("a code that is no number", "7) OR (1=1", "");
    addDataRow("damaged file", "7", "DROP TABLE QuestionAnswer");
    addDataRow("locked file", "7", "lock");
}

void TestSquareQuestions::freeMove() {
    QFETCH(QString, code);
    QFETCH(QString, fault);
    std::unique_ptr<dao::Database> other;
    if (fault == QLatin1String("lock")) {
        other = dao::DBEngine::OpenDatabase(m_folder->file(QStringLiteral("test.mdb")), false,
                                            false, kConnect);
        other->ExecuteNative(QStringLiteral("BEGIN EXCLUSIVE"));
    } else if (!fault.isEmpty()) {
        m_db->ExecuteNative(fault);
    }
    QuestionSquare square(*m_db, m_player, code);
    QVERIFY(!square.Draw());
    QCOMPARE(square.Answer(0, true), QuestionSquare::Verdict::Ignored);
    QCOMPARE(m_player.SavedGames.Find(QStringLiteral("B2"))->GameInfo, kStatus);
}

void TestSquareQuestions::typing_data() {
    QTest::addColumn<int>("chances");
    QTest::addColumn<bool>("filter");
    QTest::addColumn<QString>("keys");
    // One letter per key: P progress, M mistake, R right, W wrong, I ignored.
    QTest::addColumn<QString>("outcomes");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("chancesLeft");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("asked");
    addDataRow("two right letters", 1, true, "ca", "PP", "ca?", 1, "-1=0=0", 0);
    addDataRow("finished", 1, true, "cat", "PPR", "cat", 1, "-1=1=0", -1);
    addDataRow("one chance, one mistake", 1, true, "cx", "PW", "cat", 1, "-1=0=1", -1);
    addDataRow("one chance, no filter", 1, false, "cx", "PW", "cat", 1, "-1=0=1", 0);
    addDataRow("a wrong capital", 2, true, "Cc", "MP", "c??", 1, "-1=0=0", 0);
    addDataRow("three chances, two mistakes", 3, true, "cxyat", "PMMPR", "cat", 1, "-1=1=0", -1);
    addDataRow("three chances used up", 3, true, "xyz", "MMW", "cat", 1, "-1=0=1", -1);
    addDataRow("nothing after the end", 1, true, "xa", "WI", "cat", 1, "-1=0=1", -1);
    addDataRow("too long", 2, true, "catt", "PPRI", "cat", 2, "-1=1=0", -1);
}

void TestSquareQuestions::typing() {
    QFETCH(int, chances);
    QFETCH(bool, filter);
    QFETCH(QString, keys);
    QFETCH(QString, outcomes);
    QFETCH(QString, label);
    QFETCH(int, chancesLeft);
    QFETCH(QString, status);
    QFETCH(int, asked);
    RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{0.0}));
    SpellingSquare square(*m_db, m_player, QStringLiteral("-1"), chances);
    QVERIFY(square.Draw());
    QCOMPARE(square.Word(), QStringLiteral("cat"));
    QCOMPARE(square.WordLabel(), QStringLiteral("???"));
    QString typed;
    QString got;
    for (const QChar key : keys) {
        typed += key;
        const SpellingSquare::Outcome outcome = square.Check(typed, filter);
        const char letters[] = "IPMRW";
        got += QLatin1Char(letters[int(outcome.typing)]);
        if (outcome.typing == SpellingSquare::Typing::Mistake) {
            QCOMPARE(outcome.wrongCharacter, QString(key));
            typed = outcome.typed;
        }
    }
    QCOMPARE(got, outcomes);
    QCOMPARE(square.WordLabel(), label);
    QCOMPARE(square.ChancesLeft(), chancesLeft);
    QCOMPARE(
        m_player.SavedGames.Find(QStringLiteral("B2"))->GameInfo.section(QLatin1Char('|'), 0, 0),
        status);
    QCOMPARE(askedWord(*m_db, QStringLiteral("cat")), asked);
}

void TestSquareQuestions::wordMask_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");
    addDataRow("accent stored apart", QString::fromUtf8("nai\xcc\x88ve"), "?????",
               QString::fromUtf8("na\xc3\xaf"), QString::fromUtf8("na\xc3\xaf??"));
    addDataRow("outside Windows-1252", QString::fromUtf8("\xc5\x82\xc3\xb3\xc5\xbc"), "???",
               QString::fromUtf8("\xc5\x82"), QString::fromUtf8("\xc5\x82??"));
    addDataRow("beyond 16 bits",
               QString::fromUtf8("a\xf0\x9d\x94\xb8"
                                 "b"),
               "???", QString::fromUtf8("a\xf0\x9d\x94\xb8"),
               QString::fromUtf8("a\xf0\x9d\x94\xb8?"));
    addDataRow("a question mark", "why?", "????", "why", "why?");
    addDataRow("a long word", QString(300, QLatin1Char('z')), QString(300, QLatin1Char('?')),
               QString(299, QLatin1Char('z')), QString(299, QLatin1Char('z')) + "?");
}

void TestSquareQuestions::wordMask() {
    QFETCH(QString, word);
    QFETCH(QString, mask);
    QFETCH(QString, typed);
    QFETCH(QString, label);
    BoardContent content = BoardTestFiles::content();
    content.words = {{word, -3, QStringLiteral("A word."), BoardTestFiles::wave(10, 'x'), {}}};
    content.words.append(content.words[0]);
    content.words[1].level = -1; // the builder wants every level
    content.words.append(content.words[0]);
    content.words[2].level = -2;
    openBoard(&content);
    SpellingSquare square(*m_db, m_player, QStringLiteral("-3"), 1);
    QVERIFY(square.Draw());
    QCOMPARE(square.WordLabel(), mask);
    QCOMPARE(square.Check(typed, true).typing, SpellingSquare::Typing::Progress);
    QCOMPARE(square.WordLabel(), label);
}

void TestSquareQuestions::spellingRefill() {
    m_db->ExecuteNative(QStringLiteral("UPDATE Spelling SET QuestionAsk = -1"));
    SpellingSquare square(*m_db, m_player, QStringLiteral("-3"), 1);
    QVERIFY(square.Draw());
    QCOMPARE(square.Word(), QStringLiteral("necessary"));
    QCOMPARE(square.Definition(), QStringLiteral("Needed."));
    QCOMPARE(square.Sound(), BoardTestFiles::wave(300, 'n'));
    // Only the hard pool came back.
    QCOMPARE(askedWord(*m_db, QStringLiteral("necessary")), 0);
    QCOMPARE(askedWord(*m_db, QStringLiteral("cat")), -1);
}

void TestSquareQuestions::noWord_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("fault");
    addDataRow("not a spelling square", "-4", "");
    addDataRow("an empty pool after the refill", "-3", "DELETE FROM Spelling WHERE TypeID = -3");
    addDataRow("an empty word", "-3", "UPDATE Spelling SET Word = NULL");
    addDataRow("damaged file", "-1", "DROP VIEW SpellingEasy");
}

void TestSquareQuestions::noWord() {
    QFETCH(QString, code);
    QFETCH(QString, fault);
    if (!fault.isEmpty())
        m_db->ExecuteNative(fault);
    SpellingSquare square(*m_db, m_player, code, 3);
    QVERIFY(!square.Draw());
    QCOMPARE(square.Check(QStringLiteral("x"), true).typing, SpellingSquare::Typing::Ignored);
    QCOMPARE(m_player.SavedGames.Find(QStringLiteral("B2"))->GameInfo, kStatus);
}

void TestSquareQuestions::scratchFiles_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("written");
    addDataRow("temp folder", "", true);
    addDataRow("old file replaced", "old", true);
    addDataRow("temp missing", "missing", false);
    addDataRow("temp is a file", "file", false);
    addDataRow("temp leads outside", "link", false);
    addDataRow("old name taken by a folder", "folder", false);
}

void TestSquareQuestions::scratchFiles() {
    QFETCH(QString, setup);
    QFETCH(bool, written);
    const QString temp = m_folder->file(QStringLiteral("temp"));
    QTemporaryDir outside;
    if (setup == QLatin1String("old")) {
        QVERIFY(m_folder->write(QStringLiteral("temp/temp.jpg"), QByteArray(5000, 'o')));
    } else if (setup != QLatin1String("")) {
        QVERIFY(QDir(temp).removeRecursively());
        if (setup == QLatin1String("file"))
            QVERIFY(m_folder->write(QStringLiteral("temp"), "x"));
        if (setup == QLatin1String("link"))
            QVERIFY(QFile::link(outside.path(), temp));
        if (setup == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(temp + QStringLiteral("/temp.jpg/inner")));
    }
    const QString path = SquareQuestions::WriteScratchFile(QStringLiteral("temp.jpg"), "new");
    QCOMPARE(!path.isEmpty(), written);
    if (written) {
        QCOMPARE(path, temp + QStringLiteral("/temp.jpg"));
        QCOMPARE(m_folder->read(QStringLiteral("temp/temp.jpg")), QByteArray("new"));
    }
    QVERIFY(QDir(outside.path()).isEmpty());
    // Nothing to write leaves no file.
    QVERIFY(SquareQuestions::WriteScratchFile(QStringLiteral("temp.jpg"), {}).isEmpty());
    if (setup != QLatin1String("folder"))
        QVERIFY(!QFileInfo(temp + QStringLiteral("/temp.jpg")).isFile());
}

QTEST_GUILESS_MAIN(TestSquareQuestions)
#include "tst_squarequestions.moc"
