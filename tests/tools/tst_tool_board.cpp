// mordaventa-tool board build / board check, run as a user runs them.
#include "../boardgame/BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/dao/DaoEngine.h"
#include "boardgame/file/BoardFileReader.h"
#include "boardgame/file/BoardSchema.h"
#include "boardgame/file/BoardSource.h"
#include "media/MediaFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

// The tiny source with a sound file for its medium word, so that building it
// needs no speech.
QString goodSource() {
    return QString::fromLatin1(BoardTestFiles::kTinySource)
        .replace(QStringLiteral("say = gar den"), QStringLiteral("sound = say.wav"));
}

} // namespace

class TestToolBoard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void buildsAndChecksASource();
    void sourceMistakesNameTheLine_data();
    void sourceMistakesNameTheLine();
    void warningsNameTheLine_data();
    void warningsNameTheLine();
    void shippedBoardHasNoErrors();
    void checkRefusesOtherFiles();
    void checkReportsFaults();
    void importKeepsTheUsableRows();

private:
    QString writeSource(const QString& text) {
        const QString path = m_dir.filePath(QStringLiteral("source.board"));
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text.toUtf8());
        return path;
    }
    QTemporaryDir m_dir;
};

void TestToolBoard::initTestCase() {
    QVERIFY(m_dir.isValid());
    QFile wave(m_dir.filePath(QStringLiteral("say.wav")));
    QVERIFY(wave.open(QIODevice::WriteOnly));
    wave.write(BoardTestFiles::wave(100, '\x10'));
}

void TestToolBoard::buildsAndChecksASource() {
    const QString out = m_dir.filePath(QStringLiteral("tiny.mdb"));
    const ToolRun build = runTool({"board", "build", writeSource(goodSource()), out});
    QCOMPARE(build.exitCode, 0);
    QCOMPARE(build.err, QString());
    QVERIFY(QFile::exists(out));
    // A partial file left by a killed build is cleared by the next build of
    // that file once it is old; a fresh one may be another build's.
    const QString stale = m_dir.filePath(QStringLiteral(".tiny.mdb.0123abcd.partial"));
    const QString fresh = m_dir.filePath(QStringLiteral(".tiny.mdb.4567cdef.partial"));
    for (const QString& name : {stale, fresh}) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (name == stale)
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
    }
    QCOMPARE(runTool({"board", "build", writeSource(goodSource()), out}).exitCode, 0);
    QVERIFY(!QFile::exists(stale));
    QVERIFY(QFile::remove(fresh));
    const ToolRun check = runTool({"board", "check", out});
    QCOMPARE(check.exitCode, 0);
    const QStringList lines = check.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.mid(2),
             QStringList({"Board Errors: Ok:0", "Spell Easy: OK:1", "Spell Medium: OK:1",
                          "Spell Hard: OK:1", "Questions: OK:1", "Description: A tiny board"}));

    // Colours are stored as 0x00BBGGRR; squares without a [square] section
    // take their kind's caption.
    auto db = dao::DBEngine::OpenDatabase(out, false, false, QLatin1String(kBoardConnect));
    auto layout = db->OpenRecordset(QStringLiteral("qBoardLayout"));
    QCOMPARE(layout->Fields(QStringLiteral("BackColor")).Value().toLongLong(), 0x0080FF);
    QVERIFY(layout->Fields(QStringLiteral("FontColor")).IsNull());
    QCOMPARE(layout->Fields(QStringLiteral("Caption")).Value().toString(),
             QStringLiteral("Rhymes"));
    // ... and their kind's colours, the caption readable on its background.
    layout->MoveNext();
    QCOMPARE(layout->Fields(QStringLiteral("Caption")).Value().toString(), QStringLiteral("Easy"));
    const QVariant font = layout->Fields(QStringLiteral("FontColor")).Value();
    const QVariant back = layout->Fields(QStringLiteral("FontBackColor")).Value();
    QVERIFY(!font.isNull() && !back.isNull() && font != back);
    QVERIFY(!layout->Fields(QStringLiteral("BackColor")).IsNull());
}

void TestToolBoard::sourceMistakesNameTheLine_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");
    addDataRow("unknown section", "[board]", "[bored]", "source.board:1: unknown section");
    addDataRow("unknown field", "description = A tiny board", "title = Tiny",
               "source.board:2: unknown field 'title'");
    addDataRow("bad colour", "back = #FF8000", "back = orange", "source.board:6: field 'back'");
    addDataRow("55 squares", "-12 4\n[category]", "-12\n[category]",
               "source.board:7: the layout lists 55 squares");
    addDataRow("not a square code", "4 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 4\n[category]",
               "4 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -13 4\n[category]",
               "source.board:11: -13 is not a square code");
    addDataRow("kind without section", "\n4 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 4\n[",
               "\n4 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 -11 -12 9\n[",
               "source.board:11: square 56: kind 9");
    addDataRow("one answer", "answer = dog\nanswer = sun\n", "",
               "source.board:16: a question needs 2 to 6 answers, not 1");
    addDataRow("two right answers", "answer = dog", "answer = * dog",
               "source.board:16: a question needs exactly one right");
    addDataRow("word without definition", "word = cat | A small pet. | level = primary",
               "word = cat", "source.board:24: field 'word': 'cat' needs a definition");
    addDataRow("word with digits", "word = cat | A small pet.", "word = c4t | A small pet.",
               "source.board:24: field 'word': 'c4t'");
    addDataRow("definition shows the plural", "A small pet.", "A small pet; CATS purr.",
               "source.board:24: field 'word': the definition of 'cat' shows 'CATS'");
    addDataRow("definition shows the stem", "Where flowers grow.", "Where a gardener works.",
               "source.board:27: field 'word': the definition of 'garden' shows 'gard'");
    addDataRow("missing sound file", "sound = say.wav", "sound = nothere.wav",
               "source.board:27: cannot read the file 'nothere.wav'");
    addDataRow("sound is not a wave", "sound = say.wav", "sound = source.board",
               "source.board:27: 'source.board' is not a wave file");
    addDataRow("level without words", "word = rhythm | A pattern of beats. | level = adult\n", "",
               "source.board:8: square 4: spelling level -3 has no words");
    // A good source made huge by a comment: refused for its size alone.
    QTest::newRow("far larger than any source")
        << "[board]"
        << QStringLiteral("#%1\n[board]").arg(QString(BoardSource::kMaxSourceBytes, u'x'))
        << "source.board: not a board source";
}

void TestToolBoard::sourceMistakesNameTheLine() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    QString source = goodSource();
    QVERIFY2(source.contains(from), qPrintable(from));
    source.replace(source.indexOf(from), from.size(), to);
    const QString out = m_dir.filePath(QStringLiteral("broken.mdb"));
    QFile::remove(out);
    // An earlier good file of that name stays as it was.
    QFile old(out);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("previous file");
    old.close();
    const ToolRun build = runTool({"board", "build", writeSource(source), out});
    QCOMPARE(build.exitCode, 1);
    QVERIFY2(build.err.contains(expected), qPrintable(build.err));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("previous file"));
    old.close();
    // No partial file is left behind.
    QCOMPARE(
        QDir(m_dir.path()).entryList({QStringLiteral("*partial*")}, QDir::Files | QDir::Hidden),
        QStringList());
}

void TestToolBoard::warningsNameTheLine_data() {
    auto questionsRightAt = [](const QList<int>& right) {
        QString text;
        for (const int r : right)
            text += QStringLiteral("[question]\nlevel = adult\ntext = Q?\nanswer = %1a\nanswer = "
                                   "%2b\nanswer = %3c\n")
                        .arg(r == 1 ? "* " : "", r == 2 ? "* " : "", r == 3 ? "* " : "");
        return text;
    };
    const QString block = "[question]\nlevel = primary\ntext = Which word rhymes with hat?\n"
                          "answer = * mat\nanswer = dog\nanswer = sun\n";
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected"); // empty: no warning at all
    addDataRow("plural in an answer", "= dog", "= gardens",
               "source.board:20: warning: prints the spelling word 'garden'");
    addDataRow("two choices", "answer = sun\n", "",
               "source.board:16: warning: a question should offer at least 3 choices, not 2");
    addDataRow("right answers mostly first", block, questionsRightAt({1, 2, 1, 3, 1}),
               "source.board:3: warning: kind 4: the right answer is choice 1 in 3 of 5");
    addDataRow("right answers spread", block, questionsRightAt({1, 2, 3, 1, 2}), "");
}

void TestToolBoard::warningsNameTheLine() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    QString source = goodSource();
    QVERIFY2(source.contains(from), qPrintable(from));
    source.replace(source.indexOf(from), from.size(), to);
    const QString out = m_dir.filePath(QLatin1String(QTest::currentDataTag()) + ".mdb");
    const ToolRun build = runTool({"board", "build", writeSource(source), out});
    QCOMPARE(build.exitCode, 0); // written despite any warning
    QVERIFY2(expected.isEmpty() ? build.err.isEmpty() : build.err.contains(expected),
             qPrintable(build.err));
}

void TestToolBoard::shippedBoardHasNoErrors() {
    const QString out = m_dir.filePath(QStringLiteral("SpellingGrammar.mdb"));
    const ToolRun build = runTool(
        {"board", "build",
         QStringLiteral(MORDAVENTA_SOURCE_DIR "/boardgame/data/SpellingGrammar.board"), out});
    QCOMPARE(build.exitCode, 0);
    QCOMPARE(build.err, QString()); // not even a warning
    const ToolRun check = runTool({"board", "check", out});
    QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    QVERIFY(check.out.contains(QLatin1String("Board Errors: Ok:0")));
    // Every level holds at least 50 words, and there are questions for every age.
    for (const char* level : {"Spell Easy: OK:", "Spell Medium: OK:", "Spell Hard: OK:"}) {
        const int at = check.out.indexOf(QLatin1String(level));
        QVERIFY(at >= 0);
        QVERIFY(check.out.mid(at + int(strlen(level))).section(QLatin1Char('\n'), 0, 0).toInt() >=
                50);
    }
    const int at = check.out.indexOf(QLatin1String("Questions: OK:"));
    QVERIFY(at >= 0);
    QVERIFY(check.out.mid(at + 14).section(QLatin1Char('\n'), 0, 0).toInt() >= 180);

    // The pronunciations are spoken words: 16-bit mono PCM of a plausible
    // length, not silence.
    auto db = dao::DBEngine::OpenDatabase(out, false, false, QLatin1String(kBoardConnect));
    auto words = db->OpenRecordset(QStringLiteral("SpellingHard"));
    QVERIFY(words->RecordCount() >= 50);
    while (!words->Eof()) {
        const QString word = words->Fields(QStringLiteral("Word")).Value().toString();
        const QByteArray w = words->Fields(QStringLiteral("Sound")).Value().toByteArray();
        MediaFiles::WaveData wave;
        QVERIFY2(MediaFiles::readWave(w, wave) && wave.channels == 1, qPrintable(word));
        QVERIFY2(wave.durationMs() > 200 && wave.durationMs() < 4000, qPrintable(word));
        QVERIFY2(std::count_if(wave.samples.cbegin(), wave.samples.cend(),
                               [](qint16 s) { return qAbs(s) > 1000; }) > 100,
                 qPrintable(word));
        QVERIFY(!words->Fields(QStringLiteral("definition")).Value().toString().isEmpty());
        words->MoveNext();
    }

    // Some questions and answers carry drawn JPEG pictures.
    auto pictured = db->OpenRecordset(
        QStringLiteral("SELECT Questions.iPicture FROM Questions WHERE Questions.iPicture Is Not "
                       "Null;"));
    QVERIFY(pictured->RecordCount() >= 2);
    auto answers =
        db->OpenRecordset(QStringLiteral("SELECT QuestionAnswer.iPicture FROM QuestionAnswer WHERE "
                                         "QuestionAnswer.PictureYesNo=True;"));
    QVERIFY(answers->RecordCount() >= 6);
    const QByteArray jpeg = answers->Fields(QStringLiteral("iPicture")).Value().toByteArray();
    QVERIFY(jpeg.startsWith("\xFF\xD8\xFF") && jpeg.endsWith("\xFF\xD9"));
}

void TestToolBoard::checkReportsFaults() {
    const QString out = m_dir.filePath(QStringLiteral("faulty.mdb"));
    QFile::remove(out);
    QCOMPARE(runTool({"board", "build", writeSource(goodSource()), out}).exitCode, 0);
    {
        auto db = dao::DBEngine::OpenDatabase(out, false, false, QLatin1String(kBoardConnect));
        db->ExecuteNative(QStringLiteral("UPDATE BoardLayOut SET SquareID = NULL WHERE ID = 9"));
        db->ExecuteNative(QStringLiteral("UPDATE Questions SET Answer = 0"));
    }
    const ToolRun check = runTool({"board", "check", out});
    QCOMPARE(check.exitCode, 2);
    QVERIFY(check.out.contains(QLatin1String("\nBoard Errors: Err:1\n")));
    QVERIFY(check.out.contains(QLatin1String("\nQuestions: Error:1\n")));
    QVERIFY(check.err.contains(QLatin1String("errors")));
}

void TestToolBoard::checkRefusesOtherFiles() {
    const QString text = m_dir.filePath(QStringLiteral("notes.mdb"));
    QFile f(text);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("just some notes\n");
    f.close();
    const ToolRun r = runTool({"board", "check", text});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.err.contains(QLatin1String("not a usable board-game file")));
    QCOMPARE(r.out, QString());
    const ToolRun folder = runTool({"board", "check", m_dir.path()});
    QCOMPARE(folder.exitCode, 1);
    QVERIFY2(folder.err.contains(QLatin1String("is a folder")), qPrintable(folder.err));
    QCOMPARE(runTool({"board", "frobnicate"}).exitCode, 1);
}

void TestToolBoard::importKeepsTheUsableRows() {
    const QString base = m_dir.filePath(QStringLiteral("base.mdb"));
    BoardFileWriter::WriteBoardFile(BoardTestFiles::content(), base);
    const QString csv = m_dir.filePath(QStringLiteral("words.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Word;Definition;Difficulty\nfellow;A man or boy.;medium\nriver;;medium\n"
               "pillow;\"Soft; for the head\";2\n");
    file.close();
    const QString source = m_dir.filePath(QStringLiteral("imported.board"));
    const ToolRun import = runTool({"board", "import", csv, source, "--base", base});
    QCOMPARE(import.exitCode, 0);
    QVERIFY2(import.err.contains(QLatin1String("words.csv:3: no definition")),
             qPrintable(import.err));
    const QString out = m_dir.filePath(QStringLiteral("imported.mdb"));
    QCOMPARE(runTool({"board", "build", source, out}).exitCode, 0);
    QCOMPARE(runTool({"board", "check", out}).exitCode, 0);
    // The file's words replace the medium words; the other difficulties and
    // the questions are the base board's.
    QStringList words;
    for (const BoardWord& w : BoardFileReader::ReadBoardFile(out).words)
        words << w.word;
    QCOMPARE(words, QStringList({"cat", "dog", "sun", "fellow", "pillow", "necessary"}));

    // Nothing usable: nothing written, and the exit says so.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("word,definition,difficulty\nriver,,easy\n");
    file.close();
    const QString none = m_dir.filePath(QStringLiteral("none.board"));
    QVERIFY(runTool({"board", "import", csv, none, "--base", base}).exitCode != 0);
    QVERIFY(!QFile::exists(none));
}

QTEST_GUILESS_MAIN(TestToolBoard)
#include "tst_tool_board.moc"
