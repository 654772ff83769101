// The card picture control: a picture of another shape keeps the card's
// size, and a tint follows the card's letter until it is removed. Mouse
// events, sizes and the letters' pictures reach the table through the card
// drags of the table tests.
#include "TestSupport.h"

#include "engine/ui/UserControlCards.h"
#include "shell/ui/ResPictures.h"

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
};

QTEST_MAIN(TestUserControlCards)
#include "tst_usercontrolcards.moc"
