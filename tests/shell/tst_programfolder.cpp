// Where the program reads its data and keeps each user's files: beside the
// executable, installed below a prefix, or in the folder MORDAVENTA_HOME names.
#include "TestSupport.h"

#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using ProgramFolder::Layout;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chooseLayout_data();
    void chooseLayout();
    void installedPathsGoToTheirFolder_data();
    void installedPathsGoToTheirFolder();
    void userFolderIsPrivateAndListedFirst();
    void shippedFileIsCopiedBeforeItIsWritten();

private:
    // An installed prefix: bin/, share/mordaventa with a word list and a
    // shipped board-game file, and the user's folder with an added one.
    struct Installed {
        QTemporaryDir dir;
        QString share() const { return dir.path() + QStringLiteral("/share/mordaventa"); }
        QString user() const {
            return dir.path() + QStringLiteral("/home/.local/share/mordaventa");
        }
        Layout layout() const {
            return ProgramFolder::chooseLayout(QString(), dir.path() + QStringLiteral("/bin"),
                                               user());
        }
    };
    static void fill(const Installed& prefix) {
        QVERIFY(QDir().mkpath(prefix.dir.path() + QStringLiteral("/bin")));
        QVERIFY(writeFile(prefix.share() + QStringLiteral("/Dictionary/dictionary.dic"), "d"));
        QVERIFY(writeFile(prefix.share() + QStringLiteral("/data/Shipped.mdb"), "shipped"));
        QVERIFY(writeFile(prefix.share() + QStringLiteral("/data/Both.mdb"), "shipped"));
    }
};

void TestProgramFolder::chooseLayout_data() {
    QTest::addColumn<QString>("tree"); // what lies around the executable in bin/
    QTest::addColumn<QString>("home"); // MORDAVENTA_HOME, below the temporary folder
    QTest::addColumn<QString>("data"); // expected data folder
    QTest::addColumn<QString>("user"); // expected user folder ("USER": the user's data folder)
    addDataRow("build tree", "beside", "", "bin", "bin");
    addDataRow("installed", "share", "", "share/mordaventa", "USER");
    addDataRow("home set, installed", "share", "home", "home", "home");
    addDataRow("home set, build tree", "beside", "home/", "home", "home");
    addDataRow("read-only folder beside the executable", "readonly", "", "bin", "USER");
}

void TestProgramFolder::chooseLayout() {
    QFETCH(QString, tree);
    QFETCH(QString, home);
    QFETCH(QString, data);
    QFETCH(QString, user);
    if (tree == QLatin1String("readonly") && ::geteuid() == 0)
        QSKIP("every folder is writable for root");
    QTemporaryDir dir;
    const QString base = dir.path() + QLatin1Char('/');
    QVERIFY(QDir().mkpath(base + QStringLiteral("bin/Dictionary")));
    if (tree == QLatin1String("share"))
        QVERIFY(QDir().mkpath(base + QStringLiteral("share/mordaventa/Sounds")));
    if (tree == QLatin1String("readonly"))
        QVERIFY(QFile::setPermissions(base + QStringLiteral("bin"),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString userData = base + QStringLiteral("xdg/mordaventa");
    const Layout layout = ProgramFolder::chooseLayout(home.isEmpty() ? QString() : base + home,
                                                      base + QStringLiteral("bin"), userData);
    QFile::setPermissions(base + QStringLiteral("bin"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(layout.dataRoot, base + data);
    QCOMPARE(layout.userRoot, user == QLatin1String("USER") ? userData : base + user);
}

void TestProgramFolder::installedPathsGoToTheirFolder_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("folder"); // "share" or "user"
    QTest::addColumn<QString>("expected");
    addDataRow("word list", "\\Dictionary\\dictionary.dic", "share", "Dictionary/dictionary.dic");
    addDataRow("sounds", "\\Sounds\\clap.wav", "share", "Sounds/clap.wav");
    addDataRow("player file", "\\temp\\anna.dat", "user", "temp/anna.dat");
    addDataRow("player folder, other case", "\\TEMP", "user", "temp");
    addDataRow("shipped board file", "\\data\\Shipped.mdb", "share", "data/Shipped.mdb");
    addDataRow("shipped board file, other case", "data/shipped.MDB", "share", "data/Shipped.mdb");
    addDataRow("added board file", "\\data\\Added.mdb", "user", "data/Added.mdb");
    addDataRow("added file wins over shipped", "\\data\\Both.mdb", "user", "data/Both.mdb");
    addDataRow("new board file", "\\data\\New.mdb", "user", "data/New.mdb");
}

void TestProgramFolder::installedPathsGoToTheirFolder() {
    QFETCH(QString, asked);
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    Installed prefix;
    fill(prefix);
    QVERIFY(writeFile(prefix.user() + QStringLiteral("/data/Added.mdb"), "added"));
    QVERIFY(writeFile(prefix.user() + QStringLiteral("/data/Both.mdb"), "added"));
    const QString base = folder == QLatin1String("share") ? prefix.share() : prefix.user();
    QCOMPARE(prefix.layout().resolve(asked), base + QLatin1Char('/') + expected);
}

void TestProgramFolder::userFolderIsPrivateAndListedFirst() {
    Installed prefix;
    fill(prefix);
    const Layout layout = prefix.layout();
    QVERIFY(!QFileInfo::exists(prefix.user()));
    QCOMPARE(layout.searchFolders(QStringLiteral("data")),
             QStringList{prefix.share() + QStringLiteral("/data")});

    // Asking for a player file makes the user folder, readable by its owner only.
    QCOMPARE(layout.resolve(QStringLiteral("\\temp\\anna.dat")),
             prefix.user() + QStringLiteral("/temp/anna.dat"));
    QVERIFY(QFileInfo(prefix.user() + QStringLiteral("/temp")).isDir());
    QCOMPARE(QFile::permissions(prefix.user()), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ReadUser |
                                                    QFileDevice::WriteUser | QFileDevice::ExeUser);

    QVERIFY(QDir().mkpath(prefix.user() + QStringLiteral("/data")));
    QCOMPARE(layout.searchFolders(QStringLiteral("\\Data\\")),
             (QStringList{prefix.user() + QStringLiteral("/data"),
                          prefix.share() + QStringLiteral("/data")}));
}

void TestProgramFolder::shippedFileIsCopiedBeforeItIsWritten() {
    Installed prefix;
    fill(prefix);
    const Layout layout = prefix.layout();
    const QString own = prefix.user() + QStringLiteral("/data/Shipped.mdb");
    QFile::setPermissions(prefix.share() + QStringLiteral("/data/Shipped.mdb"),
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    QCOMPARE(layout.writableFile(QStringLiteral("\\data\\Shipped.mdb")), own);
    QCOMPARE(readFile(own), QByteArray("shipped"));
    QVERIFY(QFile::permissions(own) & QFileDevice::WriteOwner);
    // The copy is the user's file from now on; the shipped one stays as it was.
    QVERIFY(writeFile(own, "played"));
    QCOMPARE(layout.writableFile(QStringLiteral("\\data\\Shipped.mdb")), own);
    QCOMPARE(layout.resolve(QStringLiteral("\\data\\Shipped.mdb")), own);
    QCOMPARE(readFile(prefix.share() + QStringLiteral("/data/Shipped.mdb")), QByteArray("shipped"));

    // Beside the executable there is one folder and nothing is copied.
    const Layout beside =
        ProgramFolder::chooseLayout(prefix.share(), QString(), QStringLiteral("/nowhere"));
    QCOMPARE(beside.writableFile(QStringLiteral("\\data\\Both.mdb")),
             prefix.share() + QStringLiteral("/data/Both.mdb"));
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
