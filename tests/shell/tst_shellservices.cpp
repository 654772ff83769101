// The program folder, settings store and random source that
// every other part of the program relies on.
#include "TestSupport.h"

#include "shell/AppSettings.h"
#include "shell/ProgramFolder.h"
#include "shell/RandomSource.h"

#include <QDir>
#include <QtTest>

class TestShellServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resolveMatchesCaseInsensitively_data();
    void resolveMatchesCaseInsensitively();
    void exactNameWinsOverCaseFolding();
    void randomBelowStaysInRange();
    void seededSourcesReplay();
};

void TestShellServices::resolveMatchesCaseInsensitively_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("backslashes, other case") << "\\sounds\\Alert.wav"
                                             << "Sounds/alert.wav";
    QTest::newRow("folder in other case") << "\\SOUNDS\\music\\"
                                          << "Sounds/music";
    QTest::newRow("missing file keeps its name") << "Sounds/missing.WAV"
                                                 << "Sounds/missing.WAV";
    QTest::newRow("missing folder keeps the rest") << "Nothing/Here.txt"
                                                   << "Nothing/Here.txt";
}

void TestShellServices::resolveMatchesCaseInsensitively() {
    QFETCH(QString, asked);
    QFETCH(QString, expected);
    TempProgramFolder folder;
    QVERIFY(folder.write(QStringLiteral("Sounds/alert.wav"), "RIFF"));
    QDir(folder.path()).mkpath(QStringLiteral("Sounds/music"));
    QCOMPARE(ProgramFolder::resolve(asked), QDir::cleanPath(folder.file(expected)));
}

void TestShellServices::exactNameWinsOverCaseFolding() {
    TempProgramFolder folder;
    QVERIFY(folder.write(QStringLiteral("Sounds/alert.wav"), "lower"));
    QVERIFY(folder.write(QStringLiteral("Sounds/Alert.wav"), "upper"));
    QCOMPARE(ProgramFolder::resolve(QStringLiteral("\\Sounds\\Alert.wav")),
             folder.file(QStringLiteral("Sounds/Alert.wav")));
    QCOMPARE(ProgramFolder::resolve(QStringLiteral("\\Sounds\\alert.wav")),
             folder.file(QStringLiteral("Sounds/alert.wav")));
}

void TestShellServices::randomBelowStaysInRange() {
    ScriptedRandom random({0.0, 0.5, 0.999999, 1.0});
    QCOMPARE(random.below(10), 0);
    QCOMPARE(random.below(10), 5);
    QCOMPARE(random.below(10), 9);
    QCOMPARE(random.below(10), 9); // a source that misbehaves stays in range
    QCOMPARE(random.below(0), 0);
}

void TestShellServices::seededSourcesReplay() {
    auto a = makeSeededRandom(42);
    auto b = makeSeededRandom(42);
    for (int i = 0; i < 100; ++i) {
        const double x = a->next();
        QVERIFY(x >= 0.0 && x < 1.0);
        QCOMPARE(x, b->next());
    }
}

QTEST_GUILESS_MAIN(TestShellServices)
#include "tst_shellservices.moc"
