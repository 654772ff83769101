// mordaventa-tool solve, run as a separate process against a private
// program folder with a small word list: what it prints and how it fails.
#include "TestSupport.h"

#include <QtTest>

namespace {

const QByteArray kList = "test list<|>\r\ncat\r\ndog<|>\r\nbear<|>\r\napple<|>\r\nbanana<|>\r\n"
                         "kitchen";

} // namespace

class TestToolSolve : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsTheAnswer_data();
    void printsTheAnswer();
};

void TestToolSolve::printsTheAnswer_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    const QStringList piles{"--level", "3", "--piles", "d:c", ":", ":", ":", ":"};
    QTest::newRow("winnable, the moves follow")
        << piles + QStringList{"--stock", "ogat"} << 0
        << "winnable\ndraw\ndraw\ndraw\nlay a on 1\ndraw\nlay t on 1\ndraw\nlay o on 1\nlay g on "
           "1\n";
    QTest::newRow("discards given") << piles + QStringList{"--stock", "", "--discards", "atog"} << 0
                                    << "winnable\nlay a on 1\nlay t on 1\nlay o on 1\nlay g on 1\n";
    QTest::newRow("not winnable") << piles + QStringList{"--stock", "atoo"} << 0
                                  << "not winnable\n";
    QTest::newRow("level out of range")
        << QStringList{"--level", "8", "--seed", "5"} << 1 << QString();
    QTest::newRow("both forms") << QStringList{"--level", "3", "--seed", "5", "--stock", "a"} << 1
                                << QString();
    QTest::newRow("four piles") << QStringList{"--level", "3", "--piles", ":c", ":",
                                               ":",       ":", "--stock", "a"}
                                << 1 << QString();
    QTest::newRow("pile without colon")
        << QStringList{"--level", "3", "--piles", "c", ":", ":", ":", ":", "--stock", "a"} << 1
        << QString();
    QTest::newRow("bad budget") << QStringList{"--level", "3", "--seed", "1", "--budget", "0"} << 1
                                << QString();
}

void TestToolSolve::printsTheAnswer() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    TempProgramFolder folder;
    QVERIFY(folder.write(QStringLiteral("Dictionary/dictionary.dic"), referenceScramble(kList)));
    const ToolRun run = runTool(QStringList{QStringLiteral("solve")} + arguments, folder.path());
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err.isEmpty(), exitCode == 0);
}

QTEST_GUILESS_MAIN(TestToolSolve)
#include "tst_tool_solve.moc"
