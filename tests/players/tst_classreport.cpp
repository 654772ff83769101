// The class report of a folder of hand-written player files: accented names,
// several board-game files (one of them in the data folder), a damaged file
// and one of another version; the CSV byte for byte, by the core and the tool.
#include "../boardgame/BoardTestFiles.h"
#include "TestSupport.h"

#include "report/ClassReport.h"

#include <QtTest>

namespace {

QByteArray Game(const char* level, const char* wizard, const char* done) {
    return QByteArray("Solitaire::CardPile1=:|CardPile2=:|CardPile3=:|CardPile4=:|CardPile5=:"
                      "|WordLevel=") +
           level + "|WizardIsOn=" + wizard + "|IfGameIsDone=" + done + "<||>";
}

const QByteArray kZoe =
    "GuidID:01|AppVersion:SolitaireV1|NickName:Zo\xE9|Password:secret9|FirstName:Zo\xE9"
    "|LastName:Lef\xE8vre|Gender:False|Rating:3On=25,4.50^3Off=None,0^4On=None,0^4Off=12,10.25"
    "^5On=None,0^5Off=None,0^6On=None,0^6Off=None,0^7On=None,0^7Off=None,0|Age:9|Country:"
    "|ProvState:|City:|PostalCode:|PlayerType:Primary School|School:\xC9"
    "cole \"Nord\", Laval"
    "\r\n<|>" +
    Game("3", "True", "False") + Game("3", "True", "True") + Game("4", "False", "False") +
    "Words.mdb::-1=2=1|5=0=3|7=1=0<||>Gone.mdb::-2=1=1<||>Words.mdb::-1=9=9<||>Solitaire::x<||>"
    "<|>\r\n";

const char kPerson[] = "Zo\u00e9,Zo\u00e9,Lef\u00e8vre,\"\u00c9cole \"\"Nord\"\", Laval\","
                       "Primary School,";

} // namespace

class TestClassReport : public QObject {
    Q_OBJECT

private slots:
    void reportOfAFolder() {
        TempProgramFolder folder;
        QVERIFY(QDir().mkpath(folder.file(QStringLiteral("data"))));
        BoardFileWriter::WriteBoardFile(BoardTestFiles::content(),
                                        folder.file(QStringLiteral("data/Words.mdb")));
        folder.write(QStringLiteral("temp/Zoe.dat"), referenceScramble(kZoe));
        folder.write(QStringLiteral("temp/broken.dat"), referenceScramble(kZoe).chopped(4));
        folder.write(QStringLiteral("temp/Old.dat"),
                     referenceScramble(QByteArray(kZoe).replace("SolitaireV1", "SolitaireV9")));
        folder.write(QStringLiteral("temp/temp.dat"), "scratch");

        QByteArray expected = "\xEF\xBB\xBFRecord,Nickname,First name,Last name,School,Player "
                              "type,Board file,Kind,Right,Wrong,Share right,Level,Wizard,Best "
                              "points,Minutes,Games saved,Games finished\r\n";
        const QByteArray person = QByteArray(kPerson);
        for (const char* row : {"Words.mdb,Spell Easy,2,1,67%", "Words.mdb,Grammar,0,3,0%",
                                "Words.mdb,Meaning,1,0,100%", "Gone.mdb,-2,1,1,50%"})
            expected += "Board," + person + row + ",,,,,,\r\n";
        for (const char* row :
             {"3,On,25,4.50,1,1", "3,Off,,,0,0", "4,On,,,0,0", "4,Off,12,10.25,1,0", "5,On,,,0,0",
              "5,Off,,,0,0", "6,On,,,0,0", "6,Off,,,0,0", "7,On,,,0,0", "7,Off,,,0,0"})
            expected += "Solitaire," + person + ",,,,," + row + "\r\n";
        expected += "Damaged player file,broken,,,,,,,,,,,,,,,\r\n"
                    "\"Player file of version \"\"SolitaireV9\"\"\",Old,,,,,,,,,,,,,,,\r\n";

        const ClassReport report = ClassReport::Build(ClassReport::PlayerFolder());
        QCOMPARE(report.Csv(), expected);
        const ToolRun run = runTool({QStringLiteral("report")}, folder.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString::fromUtf8(expected));

        const QByteArray html = report.Html();
        QCOMPARE(html.count("<table>"), 3); // Words.mdb, Gone.mdb and the solitaire
        QVERIFY(html.contains("<td>\xC3\x89"
                              "cole &quot;Nord&quot;, Laval</td>"));
        QVERIFY(html.contains("<li>Old.dat: Player file of version &quot;SolitaireV9&quot;</li>"));
        QVERIFY(!html.contains("secret9") && !expected.contains("secret9"));
    }

    void toolRefusesBadArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("errorPart");
        addDataRow("both formats", QStringList{"report", "--csv", "--html"},
                   QStringLiteral("usage: report"));
        addDataRow("no such folder", QStringList{"report", "/nonexistent/f15"},
                   QStringLiteral("is not a folder"));
    }
    void toolRefusesBadArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, errorPart);
        const ToolRun run = runTool(arguments);
        QVERIFY(run.exitCode > 0);
        QVERIFY2(run.err.contains(errorPart), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestClassReport)
#include "tst_classreport.moc"
