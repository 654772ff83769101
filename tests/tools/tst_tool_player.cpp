// mordaventa-tool player show: the fields and entries of a player file, and
// one error line with a non-zero exit for anything that is not one.
#include "TestSupport.h"

#include "players/ClassPlayerInfo.h"

#include <QtTest>

namespace {

const QByteArray kLine = "GuidID:00FF|AppVersion:SolitaireV1|NickName:Jos\xE9|Password:pw1"
                         "|FirstName:Ren\xE9\x80|LastName:|Gender:True|Rating:3On=None,0|Age:9"
                         "|Country:Canada|ProvState:Quebec|City:Laval|PostalCode:H7A"
                         "|PlayerType:Adult|School:\r\n";

} // namespace

class TestToolPlayer : public QObject {
    Q_OBJECT

private slots:
    void showsFieldsAndEntries() {
        TempProgramFolder folder;
        folder.write(
            QStringLiteral("temp/Jose.dat"),
            referenceScramble(kLine +
                              "<|>Solitaire::CardPile1=ab:C|WordLevel=3<||>Grammar.mdb::1,0|2,1<||>"
                              "<|>Al:al1:x:True<||>\r\n"));
        const ToolRun run = runTool({QStringLiteral("player"), QStringLiteral("show"),
                                     QStringLiteral("--show-password"),
                                     folder.file(QStringLiteral("temp/Jose.dat"))});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        // Windows-1252 letters decoded, the entries numbered as the game reads them.
        for (const QString& line :
             {QString::fromUtf8("NickName: Jos\u00e9\n"),
              QString::fromUtf8("FirstName: Ren\u00e9\u20ac\n"), QStringLiteral("Password: pw1\n"),
              QStringLiteral("SavedGames: 2\n"),
              QStringLiteral("  S1 [Solitaire] CardPile1=ab:C|WordLevel=3\n"),
              QStringLiteral("  S2 [Grammar.mdb] 1,0|2,1\n")})
            QVERIFY2(run.out.contains(line), qPrintable(line));
        const QString expected = run.out;

        // Without the option the password is not shown, and only it is hidden.
        const ToolRun hidden = runTool({QStringLiteral("player"), QStringLiteral("show"),
                                        folder.file(QStringLiteral("temp/Jose.dat"))});
        QCOMPARE(hidden.exitCode, 0);
        QVERIFY(!hidden.out.contains(QStringLiteral("pw1")));
        const QString hiddenLine = QStringLiteral("Password: (hidden; --show-password shows it)");
        QCOMPARE(QString(hidden.out).replace(hiddenLine, QStringLiteral("Password: pw1")),
                 expected);

        // An unknown player command shows the usage.
        const ToolRun usage = runTool({QStringLiteral("player"), QStringLiteral("list")});
        QVERIFY(usage.exitCode != 0);
        QVERIFY(usage.err.contains(QStringLiteral("player show [--show-password] FILE")));
    }

    void refusesBadFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("errorPart");
        QTest::newRow("other version")
            << referenceScramble(QByteArray(kLine).replace("SolitaireV1", "SolitaireV9") +
                                 "<|><|>\r\n")
            << "version \"SolitaireV9\"";
        QTest::newRow("truncated")
            << referenceScramble(kLine + "<|><|>\r\n").chopped(3) << "not a readable";
        QTest::newRow("missing") << QByteArray() << "cannot read";
        QTest::newRow("far larger than any player file")
            << referenceScramble(kLine + "<|>Solitaire::" +
                                 QByteArray(ClassPlayerInfo::kMaxFileBytes, 'x') + "<||><|>\r\n")
            << "not a readable";
    }

    void refusesBadFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, errorPart);
        TempProgramFolder folder;
        if (!bytes.isNull())
            folder.write(QStringLiteral("temp/x.dat"), bytes);
        const ToolRun run = runTool({QStringLiteral("player"), QStringLiteral("show"),
                                     folder.file(QStringLiteral("temp/x.dat"))});
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(run.err.contains(errorPart), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestToolPlayer)
#include "tst_tool_player.moc"
