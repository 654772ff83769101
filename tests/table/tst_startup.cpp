// Start-up: the whole command line chooses the board game or the solitaire
// table, and each shows its window.
#include "TestSupport.h"

#include "app/ui/ModResFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modeFromCommandLine_data();
    void modeFromCommandLine();
    void showsAndQuitsWhenAsked_data();
    void showsAndQuitsWhenAsked();
    void oneCopyPerFolder();
};

void TestStartup::modeFromCommandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("boardGame");
    const QString program = QStringLiteral("/opt/mordaventa/mordaventa");
    QTest::newRow("exactly BoardGame") << QStringList{program, "BoardGame"} << true;
    QTest::newRow("no argument") << QStringList{program} << false;
    QTest::newRow("other case") << QStringList{program, "boardgame"} << false;
    QTest::newRow("trailing blank") << QStringList{program, "BoardGame "} << false;
    QTest::newRow("leading blank") << QStringList{program, " BoardGame"} << false;
    QTest::newRow("two words") << QStringList{program, "Board", "Game"} << false;
    QTest::newRow("followed by another argument")
        << QStringList{program, "BoardGame", "x"} << false;
    QTest::newRow("only the program name looks like it")
        << QStringList{QStringLiteral("BoardGame")} << false;
}

void TestStartup::modeFromCommandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, boardGame);
    const ModResFiles::StartMode mode =
        ModResFiles::ChooseMode(ModResFiles::CommandLine(arguments));
    QCOMPARE(mode == ModResFiles::StartMode::BoardGame, boardGame);
}

static QString ProgramPath() {
    return QStringLiteral(MORDAVENTA_BUILD_HOME) + QStringLiteral("/mordaventa");
}

void TestStartup::showsAndQuitsWhenAsked_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("wordList");
    QTest::newRow("board game") << "BoardGame"
                                << "board shown after" << true;
    QTest::newRow("other case is the table") << "boardgame"
                                             << "table shown after" << true;
    // The first frame does not wait for the word list, nor for its message.
    QTest::newRow("table without its word list") << ""
                                                 << "table shown after" << false;
}

// The program started on a program folder with the board-game files, its
// own settings and no sound; it shows its first window and quits when
// quitAfterShow is set, else it runs until killed.
static void StartProgram(QProcess& process, const TempProgramFolder& folder,
                         const QString& argument, bool quitAfterShow) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("MORDAVENTA_SILENT_AUDIO"), QStringLiteral("1"));
    if (quitAfterShow)
        env.insert(QStringLiteral("MORDAVENTA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    env.insert(QStringLiteral("MORDAVENTA_HOME"), folder.path());
    // The user's own settings stay out of reach.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.file(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("mordaventa.info=true"));
    process.setProcessEnvironment(env);
    process.start(ProgramPath(), {argument});
}

static bool PrepareFolder(const TempProgramFolder& folder, bool wordList = true) {
    return QFileInfo::exists(ProgramPath()) &&
           (!wordList || folder.copyFromBuild(QStringLiteral("Dictionary/dictionary.dic"))) &&
           folder.copyFromBuild(QStringLiteral("data/SpellingGrammar.mdb"));
}

void TestStartup::showsAndQuitsWhenAsked() {
    QFETCH(QString, argument);
    QFETCH(QString, shown);
    QFETCH(bool, wordList);
    TempProgramFolder folder;
    QVERIFY2(PrepareFolder(folder, wordList), "build the mordaventa target first");
    QProcess process;
    StartProgram(process, folder, argument, true);
    const bool finished = process.waitForFinished(20000);
    if (!finished)
        process.kill();
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(finished, err.constData());
    QCOMPARE(process.exitCode(), 0);
    QVERIFY2(err.contains(shown.toLatin1()), err.constData());
    // The list is looked for after the first frame, not before it.
    const qsizetype missing = err.indexOf("word list not loaded");
    QVERIFY2(wordList ? missing < 0 : missing > err.indexOf(shown.toLatin1()), err.constData());
}

void TestStartup::oneCopyPerFolder() {
    TempProgramFolder folder;
    QVERIFY2(PrepareFolder(folder), "build the mordaventa target first");
    QProcess first;
    StartProgram(first, folder, QString(), false);
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(
        !QDir(folder.path())
             .entryList({QStringLiteral(".mordaventa-*.lock")}, QDir::Files | QDir::Hidden)
             .isEmpty(),
        20000);

    // A second copy brings the first to the front and ends without a window.
    QProcess second;
    StartProgram(second, folder, QStringLiteral("BoardGame"), true);
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(!second.readAllStandardError().contains("shown after"));
    QByteArray told;
    QTRY_VERIFY_WITH_TIMEOUT((told += first.readAllStandardError()).contains("front"), 30000);
    QCOMPARE(first.state(), QProcess::Running);

    // A copy that crashed leaves its lock behind; the next start is not refused.
    first.kill();
    first.waitForFinished();
    QProcess third;
    StartProgram(third, folder, QStringLiteral("BoardGame"), true);
    QVERIFY(third.waitForFinished(20000));
    QVERIFY(third.readAllStandardError().contains("board shown after"));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
