// The embedded pictures: every identifier decodes to a picture of its own,
// unknown ones give nothing, nothing is written to disk, pointers act where
// they show.
#include "TestSupport.h"

#include "shell/PointerHotSpots.h"
#include "shell/ui/PngPicture.h"
#include "shell/ui/ResPictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestResPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noFileLeftBehind();
    void unknownPicturesAreNull_data();
    void unknownPicturesAreNull();
    void picturesAreAllDifferent();
    void pointersHaveTheirHotSpots();
    void decoderMatchesQtsOwn();
    void damagedPngIsRefused();
};

void TestResPictures::noFileLeftBehind() {
    // Point the system's temporary folder at an empty one and load pictures
    // that were never decoded before.
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmp.path().toLocal8Bit());
    ClearResPictureCache();
    const QPixmap a = LoadResPictureFile(102);
    const QPixmap b = LoadResPictureFile(ResId::StarCard, QStringLiteral("Custom"),
                                         tmp.path() + QStringLiteral("/~rs0.tmp"));
    qputenv("TMPDIR", previous);
    QVERIFY(!a.isNull());
    QVERIFY(!b.isNull());
    QVERIFY(QDir(tmp.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                .isEmpty());
}

void TestResPictures::unknownPicturesAreNull_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("type");
    QTest::newRow("below the range") << 101 << "Custom";
    QTest::newRow("above the range") << 148 << "Custom";
    QTest::newRow("negative") << -1 << "Custom";
    QTest::newRow("other type") << 102 << "Bitmap";
}

void TestResPictures::unknownPicturesAreNull() {
    QFETCH(int, id);
    QFETCH(QString, type);
    QVERIFY(LoadResPictureFile(id, type).isNull());
}

void TestResPictures::picturesAreAllDifferent() {
    // Every identifier has a picture. A copy-and-paste slip in the generator or the resource list
    // shows up as two identifiers with the same picture.
    QSet<QByteArray> seen;
    for (int id = 102; id <= 147; ++id) {
        const QPixmap picture = LoadResPictureFile(id);
        QVERIFY2(!picture.isNull(), qPrintable(QString::number(id)));
        // Lower-case type names are the same type.
        QCOMPARE(LoadResPictureFile(id, QStringLiteral("custom")).size(), picture.size());
        const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
        const QByteArray hash = QCryptographicHash::hash(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()),
            QCryptographicHash::Sha1);
        QVERIFY2(!seen.contains(hash), qPrintable(QStringLiteral("picture %1 repeats").arg(id)));
        seen.insert(hash);
    }
}

// Something is drawn at each pointer's hot spot, so it acts where it shows.
void TestResPictures::pointersHaveTheirHotSpots() {
    for (int id : {ResId::PointerNormal, ResId::PointerMove, ResId::PointerPressed}) {
        const QCursor cursor = ResCursor(id);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        const QImage image = cursor.pixmap().toImage();
        int alpha = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                alpha = qMax(alpha, qAlpha(image.pixel(cursor.hotSpot() + QPoint(dx, dy))));
        QVERIFY2(alpha > 128, qPrintable(QString::number(id)));
    }
}

QTEST_MAIN(TestResPictures)
// The pictures are decoded without Qt's image reader: every embedded picture
// must come out pixel for pixel as Qt decodes it, transparency included.
void TestResPictures::decoderMatchesQtsOwn() {
    int count = 0;
    for (QDirIterator it(QStringLiteral(":/pictures"), QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QImage ours = DecodePng(file.readAll());
        const QImage qts = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY2(!ours.isNull(), qPrintable(path));
        QVERIFY2(ours == qts, qPrintable(path));
        ++count;
    }
    QVERIFY(count > 90);
}

void TestResPictures::damagedPngIsRefused() {
    QFile file(QStringLiteral(":/pictures/102.png"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    QVERIFY(!DecodePng(whole).isNull());
    QByteArray flipped = whole;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x5a);
    for (const QByteArray& bytes : {QByteArray(), whole.left(40), whole.left(whole.size() / 2),
                                    flipped, QByteArray("GIF89a not a png at all")})
        QVERIFY(DecodePng(bytes).isNull());
}

#include "tst_respictures.moc"
