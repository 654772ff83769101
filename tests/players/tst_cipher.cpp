// The byte-shift cipher of player files and the word list: exact bytes and
// the failure cases.
#include "TestSupport.h"

#include "shell/clsBinaryEncryptor.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A byte pattern with every value, long enough to wrap the passphrase often.
QByteArray patternBytes(int size) {
    QByteArray out(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        out[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return out;
}

} // namespace

class TestCipher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encryptFileGivesHandComputedBytes_data();
    void encryptFileGivesHandComputedBytes();
    void textOperationsCountFromZero_data();
    void textOperationsCountFromZero();
    void inPlaceAndInMemoryFormsGiveTheFileBytes();
    void failuresLeaveDestinationAlone_data();
    void failuresLeaveDestinationAlone();
    void saveBinaryArrayReplacesWholeFile();
};

void TestCipher::encryptFileGivesHandComputedBytes_data() {
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QString>("passphrase");
    QTest::addColumn<QByteArray>("expected");
    // 'i' (105) xor 17 = 120; 65 + 120 = 185: the first file byte uses the
    // second passphrase character.
    QTest::newRow("one byte, program passphrase")
        << bytesOf({65}) << "BisonEatsMuch" << bytesOf({185});
    // "ab": index 1 -> 'b' (98^17 = 115), index 2 -> 'a' (97^17 = 112).
    QTest::newRow("two-letter passphrase alternates")
        << QByteArray("ABCD") << "ab" << bytesOf({65 + 115, 66 + 112, 67 + 115, 68 + 112});
    // "BisonEatsMuch": byte 13 (index 13 = L) uses 'B' (66^17 = 83), byte 12
    // uses 'h' (104^17 = 121), byte 14 uses 'i' again.
    QTest::newRow("index L wraps to the first character")
        << QByteArray(14, '\0') << "BisonEatsMuch"
        << bytesOf({120, 98, 126, 127, 84, 112, 101, 98, 92, 100, 114, 121, 83, 120});
    // Character code 27 xor 17 = 10: 250 + 10 wraps to 4.
    QTest::newRow("sum wraps modulo 256") << bytesOf({250}) << QString(QChar(27)) << bytesOf({4});
    // A passphrase character above 127 counts by its single-byte code: 255 ^ 17 = 238.
    QTest::newRow("high character") << bytesOf({10}) << QString(QChar(0xFF)) << bytesOf({248});
}

void TestCipher::encryptFileGivesHandComputedBytes() {
    QFETCH(QByteArray, plain);
    QFETCH(QString, passphrase);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("plain.bin"));
    const QString target = dir.filePath(QStringLiteral("scrambled.bin"));
    const QString back = dir.filePath(QStringLiteral("back.bin"));
    QVERIFY(writeFile(source, plain));
    clsBinaryEncryptor cipher;
    QVERIFY(cipher.EncryptFile(source, target, passphrase));
    QCOMPARE(readFile(target), expected);
    QVERIFY(cipher.DecryptFile(target, back, passphrase));
    QCOMPARE(readFile(back), plain);
}

void TestCipher::textOperationsCountFromZero_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("passphrase");
    QTest::addColumn<QByteArray>("expected");
    // Text index 0 uses the first character: 'a' -> 112, then 'b' -> 115.
    addDataRow("alternating", "AB", "ab", bytesOf({65 + 112, 66 + 115}));
    addDataRow("first character first", "A", "BisonEatsMuch", bytesOf({(65 + 83) % 256}));
    addDataRow("wrap", QString(QChar(250)), QString(QChar(27)), bytesOf({4}));
}

void TestCipher::textOperationsCountFromZero() {
    QFETCH(QString, plain);
    QFETCH(QString, passphrase);
    QFETCH(QByteArray, expected);
    clsBinaryEncryptor cipher;
    const QString scrambled = cipher.EncryptString(plain, passphrase);
    QCOMPARE(scrambled.toLatin1(), expected);
    QCOMPARE(cipher.DecryptString(scrambled, passphrase), plain);
}

void TestCipher::inPlaceAndInMemoryFormsGiveTheFileBytes() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("same.bin"));
    const QByteArray plain = patternBytes(2000);
    const QByteArray expected = referenceScramble(plain, "Key");
    QVERIFY(writeFile(path, plain));
    clsBinaryEncryptor cipher;
    QVERIFY(cipher.EncryptFile(path, path, QStringLiteral("Key")));
    QCOMPARE(readFile(path), expected);
    QVERIFY(cipher.DecryptFile(path, path, QStringLiteral("Key")));
    QCOMPARE(readFile(path), plain);

    QCOMPARE(clsBinaryEncryptor::EncryptBytes(plain, QStringLiteral("Key")), expected);
    QCOMPARE(clsBinaryEncryptor::DecryptBytes(expected, QStringLiteral("Key")), plain);
    QVERIFY(clsBinaryEncryptor::EncryptBytes(QByteArray(), QStringLiteral("x")).isEmpty());
    QVERIFY(clsBinaryEncryptor::EncryptBytes(QByteArray("abc"), QString()).isEmpty());
}

void TestCipher::failuresLeaveDestinationAlone_data() {
    QTest::addColumn<QString>("sourceKind");
    QTest::addColumn<QString>("destinationKind");
    QTest::addColumn<QString>("passphrase");
    addDataRow("missing source", "missing", "existing", "BisonEatsMuch");
    addDataRow("source is a folder", "folder", "existing", "BisonEatsMuch");
    addDataRow("empty source", "empty", "existing", "BisonEatsMuch");
    addDataRow("empty passphrase", "good", "existing", "");
    addDataRow("destination is a folder", "good", "folder", "BisonEatsMuch");
    addDataRow("destination folder missing", "good", "nofolder", "BisonEatsMuch");
}

void TestCipher::failuresLeaveDestinationAlone() {
    QFETCH(QString, sourceKind);
    QFETCH(QString, destinationKind);
    QFETCH(QString, passphrase);
    QTemporaryDir dir;
    QString source = dir.filePath(QStringLiteral("source.bin"));
    if (sourceKind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("source.bin")));
    else if (sourceKind == QLatin1String("empty"))
        QVERIFY(writeFile(source, QByteArray()));
    else if (sourceKind == QLatin1String("good"))
        QVERIFY(writeFile(source, "some plain text"));

    QString destination = dir.filePath(QStringLiteral("target.bin"));
    const QByteArray previous("the previous good file");
    if (destinationKind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target.bin")));
    else if (destinationKind == QLatin1String("nofolder"))
        destination = dir.filePath(QStringLiteral("no/such/folder/target.bin"));
    else
        QVERIFY(writeFile(destination, previous));

    clsBinaryEncryptor cipher;
    QVERIFY(!cipher.EncryptFile(source, destination, passphrase));
    QVERIFY(!cipher.DecryptFile(source, destination, passphrase));
    if (destinationKind == QLatin1String("existing"))
        QCOMPARE(readFile(destination), previous);
    else if (destinationKind == QLatin1String("folder"))
        QVERIFY(QFileInfo(destination).isDir());
    else
        QVERIFY(!QFileInfo::exists(destination));
    // No scratch file of the atomic write is left beside the destination.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : left)
        QVERIFY2(name == QLatin1String("source.bin") || name == QLatin1String("target.bin"),
                 qPrintable(name));
}

void TestCipher::saveBinaryArrayReplacesWholeFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file.bin"));
    QVERIFY(writeFile(path, QByteArray(5000, 'x')));
    clsBinaryEncryptor cipher;
    QVERIFY(cipher.SaveBinaryArray(path, "short"));
    QCOMPARE(readFile(path), QByteArray("short"));
    bool ok = false;
    QCOMPARE(cipher.ReadBinaryArray(path, &ok), QByteArray("short"));
    QVERIFY(ok);
    cipher.ReadBinaryArray(dir.filePath(QStringLiteral("missing")), &ok);
    QVERIFY(!ok);
    cipher.ReadBinaryArray(dir.path(), &ok);
    QVERIFY(!ok);
}

QTEST_GUILESS_MAIN(TestCipher)
#include "tst_cipher.moc"
