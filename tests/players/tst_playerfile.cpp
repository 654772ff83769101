// The player record and its file: the exact plain text, reading every kind of
// file (good, other version, wrong password, damaged), renumbering of the
// entries, the code page and saving that never loses the previous file.
#include "TestSupport.h"

#include "players/ClassPlayerInfo.h"
#include "shell/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QByteArray kRating = "3On=None,0^3Off=None,0^4On=None,0^4Off=None,0^5On=None,0^5Off=None,0^"
                           "6On=None,0^6Off=None,0^7On=None,0^7Off=None,0";

// A player line as the files hold it, with its own CR LF.
QByteArray playerLine(const QByteArray& version = "SolitaireV1",
                      const QByteArray& password = "Secret", const QByteArray& age = "12",
                      const QByteArray& city = "Halifax") {
    return "GuidID:0123456789ABCDEF0123456789ABCDEF|AppVersion:" + version +
           "|NickName:Anna|Password:" + password +
           "|FirstName:Ann|LastName:Lee|Gender:True|Rating:3On=40,2.5^3Off=None,0|Age:" + age +
           "|Country:Canada|ProvState:Nova Scotia|City:" + city +
           "|PostalCode:B3H|PlayerType:High School|School:Citadel\r\n";
}

PlayerFileStatus load(ClassPlayerInfo& player, const char* name, const char* password) {
    return player.LoadPlayer(QLatin1String(name), QLatin1String(password));
}

const QByteArray kTwoGames = "Solitaire::CardPile1=ab:C|WordLevel=3<||>"
                             "SpellingGrammar.mdb::1,0,2|0,1,1<||>";

} // namespace

class TestPlayerFile : public QObject {
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<TempProgramFolder>(); }
    void cleanup() { m_folder.reset(); }
    void newPlayerFileIsTheWrittenOutText();
    void loadGoodFile();
    void loadRefused_data();
    void loadRefused();
    void loadAndSaveKeepsEntriesRenumbered();
    void accentedNamesRoundTrip();
    void codePageTable();
    void failedSaveKeepsOldFile();
    void saveWithoutFilenameWritesNothing();
    void collectionKeys();
    void marksAreNeverWritten_data();
    void marksAreNeverWritten();

private:
    std::unique_ptr<TempProgramFolder> m_folder;
};

void TestPlayerFile::newPlayerFileIsTheWrittenOutText() {
    ClassPlayerInfo player;
    QVERIFY(player.CreatePlayerFile(QStringLiteral("Anna"), QStringLiteral("secret")));
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(player.GuidID).hasMatch());
    QVERIFY(player.GuidID != ClassPlayerInfo::NewGuidText());

    const QByteArray expected = "GuidID:" + player.GuidID.toLatin1() +
                                "|AppVersion:SolitaireV1|NickName:Anna|Password:secret"
                                "|FirstName:|LastName:|Gender:False|Rating:" +
                                kRating +
                                "|Age:0|Country:|ProvState:|City:|PostalCode:|PlayerType:|School:"
                                "\r\n<|><|>\r\n";
    const QByteArray onDisk = m_folder->read(QStringLiteral("temp/Anna.dat"));
    QCOMPARE(onDisk, referenceScramble(expected));
    // No plain copy is left behind.
    QCOMPARE(QDir(m_folder->file(QStringLiteral("temp"))).entryList(QDir::Files),
             QStringList{QStringLiteral("Anna.dat")});
}

void TestPlayerFile::loadGoodFile() {
    m_folder->write(QStringLiteral("temp/Anna.dat"),
                    referenceScramble(playerLine() + "<|>" + kTwoGames + "<|>\r\n"));
    ClassPlayerInfo player;
    player.SavedGamesIndex = QStringLiteral("S9");
    // The password is compared without regard to letter case.
    QCOMPARE(load(player, "Anna", "sECRET"), PlayerFileStatus::Loaded);
    QCOMPARE(player.Filename, QStringLiteral("Anna"));
    QCOMPARE(player.Gender, true);
    QCOMPARE(player.Rating, QStringLiteral("3On=40,2.5^3Off=None,0"));
    QCOMPARE(player.Age, qint16(12));
    QCOMPARE(player.ProvState, QStringLiteral("Nova Scotia"));
    QCOMPARE(player.School, QStringLiteral("Citadel")); // without the line's CR LF
    QCOMPARE(player.SavedGames.Count(), 2);
    QVERIFY(player.SavedGamesIndex.isEmpty());
}

void TestPlayerFile::loadRefused_data() {
    QTest::addColumn<QByteArray>("fileBytes"); // as stored, already scrambled
    QTest::addColumn<QString>("password");
    QTest::addColumn<PlayerFileStatus>("status");
    QTest::addColumn<QString>("version");

    const QByteArray good = playerLine() + "<|>" + kTwoGames + "<|>\r\n";
    addDataRow("wrong password", referenceScramble(good), "Secrets",
               PlayerFileStatus::WrongPassword, "SolitaireV1");
    addDataRow("other version, right password",
               referenceScramble(playerLine("SolitaireV2") + "<|><|>\r\n"), "Secret",
               PlayerFileStatus::OtherVersion, "SolitaireV2");
    addDataRow("other version, other layout", referenceScramble(playerLine("SolitaireV0")),
               "Secret", PlayerFileStatus::OtherVersion, "SolitaireV0");
    addDataRow("missing file", QByteArray(), "Secret", PlayerFileStatus::Unreadable, "");
    auto broken = [](const char* name, const QByteArray& bytes) {
        addDataRow(name, bytes, "Secret", PlayerFileStatus::Damaged, "SolitaireV1");
    };
    broken("truncated", referenceScramble(good).left(good.size() - 7));
    broken("not scrambled", good);
    broken("foreign bytes", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    broken("age not a number",
           referenceScramble(playerLine("SolitaireV1", "Secret", "twelve") + "<|><|>\r\n"));
    broken("age beyond 16 bits",
           referenceScramble(playerLine("SolitaireV1", "Secret", "40000") + "<|><|>\r\n"));
    broken(
        "pair without colon",
        referenceScramble("GuidID:1|AppVersion:SolitaireV1|Password:Secret|Broken\r\n<|><|>\r\n"));
    broken("saved entry without type mark",
           referenceScramble(playerLine() + "<|>Solitaire:CardPile1=ab<||><|>\r\n"));
    broken("two buddies with one key",
           referenceScramble(playerLine() + "<|><|>Bo:b1:x:False<||>Al:B1:y:False<||>\r\n"));
}

void TestPlayerFile::loadRefused() {
    QFETCH(QByteArray, fileBytes);
    QFETCH(QString, password);
    QFETCH(PlayerFileStatus, status);
    QFETCH(QString, version);

    if (!fileBytes.isNull())
        QVERIFY(m_folder->write(QStringLiteral("temp/Anna.dat"), fileBytes));

    ClassPlayerInfo player;
    player.NickName = QStringLiteral("Before");
    player.Filename = QStringLiteral("Before");
    player.Password = QStringLiteral("keep");
    player.SavedGames.Add(
        ClassSavedGameInfo(QStringLiteral("x"), QStringLiteral("S1"), QStringLiteral("Solitaire")));

    QString found;
    QCOMPARE(player.LoadPlayer(QStringLiteral("Anna"), password, &found), status);
    if (status != PlayerFileStatus::Damaged)
        QCOMPARE(found, version);
    // Nothing of the refused file reaches the record, nothing on disk changes.
    QCOMPARE(player.NickName, QStringLiteral("Before"));
    QCOMPARE(player.Filename, QStringLiteral("Before"));
    QCOMPARE(player.Password, QStringLiteral("keep"));
    QCOMPARE(player.SavedGames.Count(), 1);
    const QStringList files = QDir(m_folder->file(QStringLiteral("temp"))).entryList(QDir::Files);
    if (fileBytes.isNull()) {
        QVERIFY(files.isEmpty());
    } else {
        QCOMPARE(files, QStringList{QStringLiteral("Anna.dat")});
        QCOMPARE(m_folder->read(QStringLiteral("temp/Anna.dat")), fileBytes);
    }
}

void TestPlayerFile::loadAndSaveKeepsEntriesRenumbered() {
    const QByteArray buddies = "Bo:bo7:Halifax:True<||>\r\n";
    m_folder->write(QStringLiteral("temp/Anna.dat"),
                    referenceScramble(playerLine() + "<|>" + kTwoGames + "<|>" + buddies));
    ClassPlayerInfo player;
    QCOMPARE(load(player, "Anna", "Secret"), PlayerFileStatus::Loaded);
    QCOMPARE(player.SavedGames.Count(), 2);
    QCOMPARE(player.SavedGames.at(0),
             ClassSavedGameInfo(QStringLiteral("CardPile1=ab:C|WordLevel=3"), QStringLiteral("S1"),
                                QStringLiteral("Solitaire")));
    QCOMPARE(player.SavedGames.at(1),
             ClassSavedGameInfo(QStringLiteral("1,0,2|0,1,1"), QStringLiteral("S2"),
                                QStringLiteral("SpellingGrammar.mdb")));
    QVERIFY(player.SavedGames.Find(QStringLiteral("S2")));
    QCOMPARE(player.BuddyList.Count(), 1);
    QCOMPARE(player.BuddyList.at(0),
             ClassBuddy(QStringLiteral("Bo"), QStringLiteral("bo7"), QStringLiteral("Halifax")));

    // A board entry keyed "B3" this session is stored in order and comes back as "S3".
    QVERIFY(player.SavedGames.Add(ClassSavedGameInfo(QStringLiteral("0,0,0"), QStringLiteral("B3"),
                                                     QStringLiteral("Other.mdb"))));
    QVERIFY(player.SavePlayer());
    const QByteArray expected = playerLine() + "<|>" + kTwoGames + "Other.mdb::0,0,0<||><|>" +
                                "Bo:bo7:Halifax:False<||>\r\n";
    QCOMPARE(referenceUnscramble(m_folder->read(QStringLiteral("temp/Anna.dat"))), expected);

    ClassPlayerInfo again;
    QCOMPARE(load(again, "Anna", "secret"), PlayerFileStatus::Loaded);
    QCOMPARE(again.SavedGames.at(2).GameUserID, QStringLiteral("S3"));

    // A file without buddies keeps an empty buddy section.
    again.BuddyList.Clear();
    again.SavedGames.Clear();
    QVERIFY(again.SavePlayer());
    QCOMPARE(referenceUnscramble(m_folder->read(QStringLiteral("temp/Anna.dat"))),
             playerLine() + "<|><|>\r\n");
}

void TestPlayerFile::accentedNamesRoundTrip() {
    // "José", "Müller€Œ" and the undefined byte 0x81 as Windows-1252 bytes.
    const QByteArray plain = "GuidID:1|AppVersion:SolitaireV1|NickName:Jose|Password:abc"
                             "|FirstName:Jos\xE9|LastName:M\xFCller\x80\x8C\x81|Gender:False"
                             "|Rating:r|Age:7|Country:|ProvState:|City:Montr\xE9"
                             "al|PostalCode:|PlayerType:Adult|School:\r\n<|><|>\r\n";
    m_folder->write(QStringLiteral("temp/Jose.dat"), referenceScramble(plain));
    ClassPlayerInfo player;
    QCOMPARE(load(player, "Jose", "ABC"), PlayerFileStatus::Loaded);
    QCOMPARE(player.FirstName, QString::fromUtf8("Jos\u00e9"));
    QCOMPARE(player.LastName, QString::fromUtf8("M\u00fcller\u20ac\u0152") + QChar(0x81));
    QCOMPARE(player.City, QString::fromUtf8("Montr\u00e9al"));
    QVERIFY(player.SavePlayer());
    QCOMPARE(referenceUnscramble(m_folder->read(QStringLiteral("temp/Jose.dat"))), plain);
}

void TestPlayerFile::codePageTable() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Windows1252::decode(all);
    QCOMPARE(Windows1252::encode(text), all);
    QVERIFY(Windows1252::canEncode(text));

    // Characters the code page cannot hold become "?" and are counted.
    int replaced = -1;
    QCOMPARE(Windows1252::encode(QString::fromUtf8("a\u0101b\U0001F600"), &replaced),
             QByteArray("a?b?"));
    QCOMPARE(replaced, 2);
    QVERIFY(!Windows1252::canEncode(QString::fromUtf8("\u0101")));
}

void TestPlayerFile::failedSaveKeepsOldFile() {
    const QByteArray old = referenceScramble(playerLine() + "<|>" + kTwoGames + "<|>\r\n");
    QVERIFY(m_folder->write(QStringLiteral("temp/Anna.dat"), old));
    ClassPlayerInfo player;
    QCOMPARE(load(player, "Anna", "Secret"), PlayerFileStatus::Loaded);
    player.Rating = QString(400, QLatin1Char('x')); // a longer file than allowed below

    // The write runs out of room part-way (file size limit of 100 bytes).
    struct rlimit previous {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = previous;
    small.rlim_cur = 100;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = player.SavePlayer();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousSignal);
    QVERIFY(!saved);
    QCOMPARE(m_folder->read(QStringLiteral("temp/Anna.dat")), old);
    QCOMPARE(QDir(m_folder->file(QStringLiteral("temp"))).entryList(QDir::Files),
             QStringList{QStringLiteral("Anna.dat")});

    // A folder standing where the file should go is left alone.
    QVERIFY(QDir().mkpath(m_folder->file(QStringLiteral("temp/Bo.dat"))));
    player.Filename = QStringLiteral("Bo");
    QVERIFY(!player.SavePlayer());
    QVERIFY(QFileInfo(m_folder->file(QStringLiteral("temp/Bo.dat"))).isDir());

    // Without the obstacle the same record is written.
    player.Filename = QStringLiteral("Anna");
    QVERIFY(player.SavePlayer());
    QVERIFY(referenceUnscramble(m_folder->read(QStringLiteral("temp/Anna.dat")))
                .contains(QByteArray(400, 'x')));
}

void TestPlayerFile::saveWithoutFilenameWritesNothing() {
    ClassPlayerInfo player;
    player.NickName = QStringLiteral("Nobody");
    QVERIFY(player.SavePlayer());
    QVERIFY(QDir(m_folder->file(QStringLiteral("temp"))).entryList(QDir::Files).isEmpty());

    // A name never leads out of the player folder.
    m_folder->write(QStringLiteral("outside.dat"), referenceScramble(playerLine() + "<|><|>\r\n"));
    for (const QString& name :
         {QStringLiteral("../outside"), QStringLiteral("..\\outside"), QStringLiteral("..")}) {
        player.Filename = name;
        QVERIFY(!player.SavePlayer());
        QCOMPARE(player.LoadPlayer(name, QStringLiteral("Secret")), PlayerFileStatus::Unreadable);
    }
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files),
             QStringList{QStringLiteral("outside.dat")});
    QVERIFY(QDir(m_folder->file(QStringLiteral("temp"))).entryList(QDir::Files).isEmpty());
}

void TestPlayerFile::collectionKeys() {
    SavedGameCollection games;
    QVERIFY(games.Add(ClassSavedGameInfo(QStringLiteral("a"), QStringLiteral("S1"),
                                         QStringLiteral("Solitaire"))));
    QVERIFY(games.Add(
        ClassSavedGameInfo(QStringLiteral("b"), QStringLiteral("B2"), QStringLiteral("x.mdb"))));
    QVERIFY(games.Add(ClassSavedGameInfo(QStringLiteral("c"), QStringLiteral("S3"),
                                         QStringLiteral("Solitaire"))));
    // A key is used once, whatever its letter case.
    QVERIFY(!games.Add(ClassSavedGameInfo(QStringLiteral("d"), QStringLiteral("s1"),
                                          QStringLiteral("Solitaire"))));
    QCOMPARE(games.Count(), 3);
    QCOMPARE(games.Find(QStringLiteral("b2"))->GameInfo, QStringLiteral("b"));
    QVERIFY(games.Remove(QStringLiteral("B2")));
    QVERIFY(!games.Remove(QStringLiteral("B2")));
    // The entries after a removed one are still found where they now stand.
    QCOMPARE(games.Find(QStringLiteral("s3"))->GameInfo, QStringLiteral("c"));
    QVERIFY(games.Add(ClassSavedGameInfo(QStringLiteral("e"), QStringLiteral("b2"),
                                         QStringLiteral("Solitaire"))));
    QCOMPARE(games.IndexOf(QStringLiteral("B2")), 2);
}

QTEST_GUILESS_MAIN(TestPlayerFile)
#include "tst_playerfile.moc"

void TestPlayerFile::marksAreNeverWritten_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("info");
    QTest::addColumn<bool>("written");
    QTest::newRow("plain") << "Grammar.mdb"
                           << "-1=0=0|5=1=0" << true;
    QTest::newRow("section mark in name") << "a<|>b.mdb"
                                          << "-1=0=0" << false;
    QTest::newRow("type mark in name") << "a::b.mdb"
                                       << "-1=0=0" << false;
    QTest::newRow("outside the code page")
        << QString::fromUtf8("\u010ce\u0161tina.mdb") << "-1=0=0" << false;
    QTest::newRow("section mark in a code") << "Grammar.mdb"
                                            << "-1=0=0|<|>=0=0" << false;
    QTest::newRow("entry mark in a code") << "Grammar.mdb"
                                          << "<||>=0=0" << false;
}

void TestPlayerFile::marksAreNeverWritten() {
    QFETCH(QString, type);
    QFETCH(QString, info);
    QFETCH(bool, written);
    const QByteArray before = playerLine() + "<|>" + kTwoGames + "<|>\r\n";
    m_folder->write(QStringLiteral("temp/Anna.dat"), referenceScramble(before));
    ClassPlayerInfo player;
    QCOMPARE(load(player, "Anna", "Secret"), PlayerFileStatus::Loaded);
    QVERIFY(player.SavedGames.Add(ClassSavedGameInfo(info, QStringLiteral("B3"), type)));
    QCOMPARE(player.SavePlayer(), written);
    if (!written)
        QCOMPARE(referenceUnscramble(m_folder->read(QStringLiteral("temp/Anna.dat"))), before);
    // A file that older versions broke this way keeps the entries before the break.
    m_folder->write(QStringLiteral("temp/Anna.dat"),
                    referenceScramble(playerLine() + "<|>" + kTwoGames + "x.mdb::-1=0=0|" +
                                      "<|>=0=0<||><|>Bo:bo7:Halifax:False<||>\r\n"));
    ClassPlayerInfo damaged;
    QCOMPARE(load(damaged, "Anna", "Secret"), PlayerFileStatus::Loaded);
    QCOMPARE(damaged.SavedGames.Count(), 2);
    QCOMPARE(damaged.BuddyList.Count(), 1);
}
