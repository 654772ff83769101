// The card picture control: sizing in twips, rounded outline, tints and
// scaling. Mouse events and the letters' pictures reach the table through
// the card drags of the table tests.
#include "TestSupport.h"

#include "engine/ui/UserControlCards.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/WindowChrome.h"

#include <QtTest>

namespace {
QImage Argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}
} // namespace

class TestUserControlCards : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadImageKeepsSizeAndIgnoresUnknownIds() {
        UserControlCards card;
        card.SetPicture(LoadResPictureFile(ResId::BackCard90));
        card.LoadImage(105, QStringLiteral("Custom"));
        QCOMPARE(Argb(card.Picture()), Argb(LoadResPictureFile(105)));
        QCOMPARE(card.size(), QSize(100, 59)); // drawn at the corner, no resizing
        card.LoadImage(400, QStringLiteral("Custom"));
        QCOMPARE(Argb(card.Picture()), Argb(LoadResPictureFile(105)));
    }

    void tintIsBitwiseAnd_data() {
        QTest::addColumn<quint32>("bgr");
        QTest::addColumn<QRgb>("source");
        QTest::addColumn<QRgb>("expected");
        // Platform colours are blue-green-red: 0xC0FFFF keeps red and green, halves blue bits.
        QTest::newRow("top discard on white")
            << quint32(0xC0FFFF) << qRgb(255, 255, 255) << qRgb(255, 255, 192);
        QTest::newRow("laid card on grey")
            << quint32(0xFFFFC0) << qRgb(0x81, 0x81, 0x81) << qRgb(0x80, 0x81, 0x81);
        QTest::newRow("transparent stays transparent")
            << quint32(0xC0FFFF) << qRgba(0, 0, 0, 0) << qRgba(0, 0, 0, 0);
    }

    void tintIsBitwiseAnd() {
        QFETCH(quint32, bgr);
        QFETCH(QRgb, source);
        QFETCH(QRgb, expected);
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, source);
        image.setPixel(1, 0, qRgb(255, 255, 255));
        const QImage tinted = UserControlCards::Tinted(image, bgr);
        QCOMPARE(tinted.pixel(0, 0), expected);
    }

    void maskSetThenRemove() {
        UserControlCards card;
        card.LoadImage(102);
        const QImage plain = card.DisplayedImage();
        QCOMPARE(plain, Argb(LoadResPictureFile(102)));
        card.MaskSet(0xC0FFFF);
        QVERIFY(card.IsMasked());
        const QImage tinted = card.DisplayedImage();
        QVERIFY(tinted != plain);
        // A tinted discard that gets another letter shows the new letter tinted.
        card.LoadImage(103);
        QCOMPARE(card.DisplayedImage(),
                 UserControlCards::Tinted(Argb(LoadResPictureFile(103)), 0xC0FFFF));
        card.MaskRemove();
        QVERIFY(!card.IsMasked());
        QCOMPARE(card.DisplayedImage(), Argb(LoadResPictureFile(103)));
    }

    void resizePic_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QSize>("size");
        QTest::newRow("deal start 2") << 2 << QSize(11, 20);
        QTest::newRow("nothing still shows a speck") << 0 << QSize(1, 1);
    }

    void resizePic() {
        QFETCH(int, step);
        QFETCH(QSize, size);
        UserControlCards card;
        card.SetPicture(LoadResPictureFile(ResId::BackCard));
        card.ResizePic(qint16(step));
        QCOMPARE(card.size(), size);
        QCOMPARE(card.mask().boundingRect(), QRect(QPoint(0, 0), size));
        // A new picture brings the card back to its full size.
        card.SetPicture(LoadResPictureFile(ResId::BackCard));
        QCOMPARE(card.size(), QSize(59, 100));
    }
};

QTEST_MAIN(TestUserControlCards)
#include "tst_usercontrolcards.moc"
