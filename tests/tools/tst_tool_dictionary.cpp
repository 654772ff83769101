// mordaventa-tool's cipher and word-list commands, run as a separate process
// against a private program folder.
#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QtTest>

namespace {

const QByteArray kSmallList = "test list<|>\r\ncat\r\ncab\r\nowl<|>\r\nbear<|>\r\napple\r\nangle"
                              "<|>\r\nbanana<|>\r\nkitchen";

} // namespace

class TestToolDictionary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void passphraseOptionAndRoundTrip() {
        TempProgramFolder folder;
        const QByteArray plain("A player file, or anything else.\r\n");
        QVERIFY(folder.write(QStringLiteral("plain.txt"), plain));
        // "ab": byte 1 uses 'b' (98 xor 17 = 115).
        ToolRun run =
            runTool({QStringLiteral("encrypt"), QStringLiteral("--passphrase"),
                     QStringLiteral("ab"), QStringLiteral("plain.txt"), QStringLiteral("s.bin")},
                    folder.path());
        QCOMPARE(run.exitCode, 0);
        const QByteArray scrambled = folder.read(QStringLiteral("s.bin"));
        QCOMPARE(scrambled.size(), plain.size());
        QCOMPARE(static_cast<unsigned char>(scrambled.at(0)),
                 static_cast<unsigned char>('A' + 115));
        // The wrong passphrase decrypts to something else; the right one restores.
        run = runTool(
            {QStringLiteral("decrypt"), QStringLiteral("s.bin"), QStringLiteral("back.txt")},
            folder.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(folder.read(QStringLiteral("back.txt")) != plain);
        run = runTool({QStringLiteral("decrypt"), QStringLiteral("s.bin"),
                       QStringLiteral("back.txt"), QStringLiteral("--passphrase=ab")},
                      folder.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(folder.read(QStringLiteral("back.txt")), plain);
    }

    void badInputWritesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("withList");
        QTest::newRow("encrypt missing file")
            << QStringList{"encrypt", "missing.txt", "out.bin"} << true;
        QTest::newRow("empty passphrase")
            << QStringList{"encrypt", "plain.txt", "out.bin", "--passphrase="} << true;
        QTest::newRow("check level 8") << QStringList{"dictionary", "check", "ca", "8"} << true;
        QTest::newRow("check without level") << QStringList{"dictionary", "check", "ca"} << true;
        QTest::newRow("check without word list")
            << QStringList{"dictionary", "check", "ca", "3"} << false;
        QTest::newRow("unknown dictionary command") << QStringList{"dictionary", "show"} << true;
        QTest::newRow("build from a missing SCOWL folder")
            << QStringList{"dictionary", "build", "--scowl", "nowhere"} << true;
    }

    void badInputWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, withList);
        TempProgramFolder folder;
        QVERIFY(folder.write(QStringLiteral("plain.txt"), "plain"));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Dictionary")));
        if (withList)
            QVERIFY(folder.write(QStringLiteral("Dictionary/dictionary.dic"),
                                 referenceScramble(kSmallList)));
        auto snapshot = [&] {
            QStringList state;
            QDirIterator it(folder.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                state << path + QLatin1Char(':') +
                             QString::fromLatin1(
                                 folder.read(QDir(folder.path()).relativeFilePath(path)).toHex());
            }
            state.sort();
            return state;
        };
        const QStringList before = snapshot();
        const ToolRun run = runTool(arguments, folder.path());
        QVERIFY2(run.exitCode > 0, qPrintable(QString::number(run.exitCode)));
        QVERIFY(run.out.isEmpty());
        const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith(QStringLiteral("mordaventa-tool: ")),
                 qPrintable(run.err));
        QCOMPARE(snapshot(), before);
    }

    void statsAndCheckAnswerLikeTheGame() {
        TempProgramFolder folder;
        QVERIFY(folder.write(QStringLiteral("Dictionary/dictionary.dic"),
                             referenceScramble(kSmallList)));
        const ToolRun run =
            runTool({QStringLiteral("dictionary"), QStringLiteral("stats")}, folder.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("version: test list\n"
                                         "words of 3 letters: 3\n"
                                         "words of 4 letters: 1\n"
                                         "words of 5 letters: 2\n"
                                         "words of 6 letters: 1\n"
                                         "words of 7 letters: 1\n"
                                         "words in all: 8\n"));
        // A beginning of a word, upper case lowered first; none.
        for (const auto& [prefix, level, answer] :
             {std::tuple("AN", "5", "True\n"), std::tuple("cz", "3", "False\n")}) {
            const ToolRun check =
                runTool({QStringLiteral("dictionary"), QStringLiteral("check"), prefix, level},
                        folder.path());
            QCOMPARE(check.exitCode, 0);
            QCOMPARE(check.out, QString::fromLatin1(answer));
        }
    }

    void buildWritesTheShippedList() {
        TempProgramFolder folder;
        // Replaces an old list; nothing else appears in the folder.
        QVERIFY(folder.write(QStringLiteral("Dictionary/dictionary.dic"),
                             referenceScramble(kSmallList)));
        const ToolRun run =
            runTool({QStringLiteral("dictionary"), QStringLiteral("build")}, folder.path());
        QCOMPARE(run.exitCode, 0);
        QFile shipped(QStringLiteral(MORDAVENTA_BUILD_HOME "/Dictionary/dictionary.dic"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(folder.read(QStringLiteral("Dictionary/dictionary.dic")), shipped.readAll());
        QCOMPARE(
            QDir(folder.file(QStringLiteral("Dictionary"))).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("dictionary.dic")});
        const ToolRun check = runTool({QStringLiteral("dictionary"), QStringLiteral("check"),
                                       QStringLiteral("hous"), QStringLiteral("5")},
                                      folder.path());
        QCOMPARE(check.out, QStringLiteral("True\n"));
    }
};

QTEST_GUILESS_MAIN(TestToolDictionary)
#include "tst_tool_dictionary.moc"
