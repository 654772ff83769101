// Where the program reads its data and keeps each user's files: beside the
// executable, installed below a prefix, or in the folder MORDAVENTA_HOME names.
#include "TestSupport.h"

#include "shell/ProgramFolder.h"

#include <QtTest>

#include <unistd.h>

using ProgramFolder::Layout;

namespace {

// usr/bin, usr/share/mordaventa with a word list and two board-game files,
// and "user" as the user's data folder.
Layout installedIn(const TempProgramFolder& dir) {
    QDir().mkpath(dir.file(QStringLiteral("usr/bin")));
    dir.write(QStringLiteral("usr/share/mordaventa/Dictionary/dictionary.dic"), "words");
    dir.write(QStringLiteral("usr/share/mordaventa/data/Shipped.mdb"), "shipped");
    dir.write(QStringLiteral("usr/share/mordaventa/data/Both.mdb"), "shipped");
    return ProgramFolder::chooseLayout(QString(), dir.file(QStringLiteral("usr/bin")),
                                       dir.file(QStringLiteral("user")));
}

} // namespace

class TestProgramFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chooseLayout_data();
    void chooseLayout();
    void installedPathsGoToTheirFolder_data();
    void installedPathsGoToTheirFolder();
    void userFolderIsPrivateAndGetsCopiesOfShippedFiles();
};

void TestProgramFolder::chooseLayout_data() {
    QTest::addColumn<QString>("tree"); // what lies beside the executable's bin/
    QTest::addColumn<QString>("home"); // MORDAVENTA_HOME
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("user"); // "user" is the user's data folder
    addDataRow("unpacked copy", "", "", "bin", "bin");
    addDataRow("build tree", "cmake", "", "bin", "user");
    addDataRow("installed", "share", "", "share/mordaventa", "user");
    addDataRow("home set, installed", "share", "home/", "home", "home");
    addDataRow("read-only folder beside the executable", "readonly", "", "bin", "user");
}

void TestProgramFolder::chooseLayout() {
    QFETCH(QString, tree);
    QFETCH(QString, home);
    QFETCH(QString, data);
    QFETCH(QString, user);
    if (tree == QLatin1String("readonly") && ::geteuid() == 0)
        QSKIP("every folder is writable for root");
    TempProgramFolder dir;
    const QString bin = dir.file(QStringLiteral("bin"));
    QDir().mkpath(bin);
    if (tree == QLatin1String("share"))
        QDir().mkpath(dir.file(QStringLiteral("share/mordaventa")));
    if (tree == QLatin1String("cmake"))
        QVERIFY(
            dir.write(QStringLiteral("CMakeCache.txt"), "CMAKE_PROJECT_NAME:STATIC=Mordaventa"));
    if (tree == QLatin1String("readonly"))
        QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const Layout layout = ProgramFolder::chooseLayout(home.isEmpty() ? QString() : dir.file(home),
                                                      bin, dir.file(QStringLiteral("user")));
    QCOMPARE(layout.dataRoot, dir.file(data));
    QCOMPARE(layout.userRoot, dir.file(user));
}

void TestProgramFolder::installedPathsGoToTheirFolder_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("expected");
    addDataRow("word list", "\\Dictionary\\dictionary.dic",
               "usr/share/mordaventa/Dictionary/dictionary.dic");
    addDataRow("player file, other case", "\\TEMP\\anna.dat", "user/temp/anna.dat");
    addDataRow("shipped board file, other case", "data/shipped.MDB",
               "usr/share/mordaventa/data/Shipped.mdb");
    addDataRow("added board file wins over shipped", "\\data\\Both.mdb", "user/data/Both.mdb");
    addDataRow("new board file", "\\data\\New.mdb", "user/data/New.mdb");
}

void TestProgramFolder::installedPathsGoToTheirFolder() {
    QFETCH(QString, asked);
    QFETCH(QString, expected);
    TempProgramFolder dir;
    const Layout layout = installedIn(dir);
    QVERIFY(dir.write(QStringLiteral("user/data/Both.mdb"), "added"));
    QCOMPARE(layout.resolve(asked), dir.file(expected));
}

void TestProgramFolder::userFolderIsPrivateAndGetsCopiesOfShippedFiles() {
    TempProgramFolder dir;
    const Layout layout = installedIn(dir);
    const QString shipped = dir.file(QStringLiteral("usr/share/mordaventa/data"));
    QFile::setPermissions(shipped + QStringLiteral("/Shipped.mdb"), QFileDevice::ReadOwner);

    // Playing a shipped file plays the user's own copy, in a folder only its user can open.
    const QString own = dir.file(QStringLiteral("user/data/Shipped.mdb"));
    QCOMPARE(layout.writableFile(QStringLiteral("\\data\\Shipped.mdb")), own);
    QVERIFY(!(QFile::permissions(dir.file(QStringLiteral("user"))) &
              (QFileDevice::ReadGroup | QFileDevice::ReadOther)));
    QVERIFY(QFile::permissions(own) & QFileDevice::WriteOwner);
    QVERIFY(dir.write(QStringLiteral("user/data/Shipped.mdb"), "played"));
    QCOMPARE(layout.resolve(QStringLiteral("\\data\\Shipped.mdb")), own);
    QCOMPARE(dir.read(QStringLiteral("usr/share/mordaventa/data/Shipped.mdb")), "shipped");
    QCOMPARE(layout.searchFolders(QStringLiteral("\\Data\\")),
             (QStringList{dir.file(QStringLiteral("user/data")), shipped}));
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
