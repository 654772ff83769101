// The embedded pictures: every identifier decodes to a picture of its size,
// unknown ones give nothing, nothing is written to disk, pointers act where
// they show.
#include "TestSupport.h"

#include "shell/PointerHotSpots.h"
#include "shell/ui/ResPictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestResPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noFileLeftBehind();
    void everyPictureHasItsSize_data();
    void everyPictureHasItsSize();
    void unknownPicturesAreNull_data();
    void unknownPicturesAreNull();
    void picturesAreAllDifferent();
    void vowelsAreUnderlined_data();
    void vowelsAreUnderlined();
    void turnedBacksAreTheUprightBackTurned_data();
    void turnedBacksAreTheUprightBackTurned();
    void pointersHaveTheirHotSpots();
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

void TestResPictures::everyPictureHasItsSize_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    for (int id = 102; id <= 127; ++id)
        QTest::addRow("letter %c", char('A' + id - 102)) << id << QSize(59, 100);
    QTest::newRow("star") << 128 << QSize(59, 100);
    QTest::newRow("back upright") << 129 << QSize(59, 100);
    QTest::newRow("back quarter") << 130 << QSize(100, 59);
    QTest::newRow("back half") << 131 << QSize(59, 100);
    QTest::newRow("back three quarters") << 132 << QSize(100, 59);
    for (int id = 133; id <= 143; ++id)
        QTest::addRow("deck %d", id) << id << QSize(69, 114);
    for (int id = 144; id <= 147; ++id)
        QTest::addRow("pointer %d", id) << id << QSize(32, 32);
}

void TestResPictures::everyPictureHasItsSize() {
    QFETCH(int, id);
    QFETCH(QSize, size);
    const QPixmap picture = LoadResPictureFile(id);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), size);
    // Lower-case type names are the same type.
    QCOMPARE(LoadResPictureFile(id, QStringLiteral("custom")).size(), size);
}

void TestResPictures::unknownPicturesAreNull_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("type");
    QTest::newRow("below the range") << 101 << "Custom";
    QTest::newRow("above the range") << 148 << "Custom";
    QTest::newRow("zero") << 0 << "Custom";
    QTest::newRow("negative") << -1 << "Custom";
    QTest::newRow("other type") << 102 << "Bitmap";
}

void TestResPictures::unknownPicturesAreNull() {
    QFETCH(int, id);
    QFETCH(QString, type);
    QVERIFY(LoadResPictureFile(id, type).isNull());
}

void TestResPictures::picturesAreAllDifferent() {
    // A copy-and-paste slip in the generator or the resource list shows up as
    // two identifiers with the same picture.
    QSet<QByteArray> seen;
    for (int id = 102; id <= 147; ++id) {
        const QImage image =
            LoadResPictureFile(id).toImage().convertToFormat(QImage::Format_ARGB32);
        const QByteArray hash = QCryptographicHash::hash(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()),
            QCryptographicHash::Sha1);
        QVERIFY2(!seen.contains(hash), qPrintable(QStringLiteral("picture %1 repeats").arg(id)));
        seen.insert(hash);
    }
}

void TestResPictures::vowelsAreUnderlined_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("vowel");
    for (int i = 0; i < 26; ++i) {
        const char letter = char('A' + i);
        QTest::addRow("%c", letter) << 102 + i << (QByteArray("AEIOU").indexOf(letter) >= 0);
    }
    QTest::newRow("star") << 128 << false;
}

void TestResPictures::vowelsAreUnderlined() {
    // The underline runs under the big letter in the card's top strip, the
    // part that stays visible when cards overlap on a pile.
    QFETCH(int, id);
    QFETCH(bool, vowel);
    const QImage image = LoadResPictureFile(id).toImage();
    int dark = 0;
    for (int x = 12; x <= 28; ++x)
        if (qGray(image.pixel(x, 29)) < 160 && qAlpha(image.pixel(x, 29)) == 255)
            ++dark;
    QCOMPARE(dark >= 12, vowel);
}

void TestResPictures::turnedBacksAreTheUprightBackTurned_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("degrees");
    QTest::newRow("BackCard90") << 130 << 90;
    QTest::newRow("BackCard180") << 131 << 180;
    QTest::newRow("BackCard270") << 132 << 270;
}

void TestResPictures::turnedBacksAreTheUprightBackTurned() {
    QFETCH(int, id);
    QFETCH(int, degrees);
    const QImage upright =
        LoadResPictureFile(ResId::BackCard).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage turned = LoadResPictureFile(id).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage expected =
        upright.transformed(QTransform().rotate(degrees)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(turned.size(), expected.size());
    QCOMPARE(turned, expected);
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
#include "tst_respictures.moc"
