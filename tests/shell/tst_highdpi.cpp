// At QT_SCALE_FACTOR=2 every picture has a matching 2x drawing, cards keep
// their size drawn from it and the about box keeps its 1x outline.
#include "TestSupport.h"

#include "boardgame/ui/BoardPictures.h"
#include "engine/ui/UserControlCards.h"
#include "shell/ui/ResPictures.h"
#include "shell/ui/frmAbout.h"

#include <QApplication>
#include <QtTest>

class TestHighDpi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPictureHasItsDrawingAt2x_data() {
        QTest::addColumn<QString>("name");
        for (int id = 102; id <= 147; ++id)
            QTest::newRow(qPrintable(QString::number(id))) << QString::number(id);
        for (const char* name : {"200", "Start", "Finnish", "ArrowRight", "ArrowDown", "ArrowLeft",
                                 "Professor", "Boy", "Girl", "Man", "Lady", "Baby"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // The 2x drawing, shrunk to 1x, looks like the 1x one: the same picture in
    // the same place, not merely some picture of twice the size.
    void everyPictureHasItsDrawingAt2x() {
        QFETCH(QString, name);
        const QImage one =
            EmbeddedPicture(name, 1).toImage().convertToFormat(QImage::Format_ARGB32);
        const QPixmap twice = EmbeddedPicture(name, 2);
        QCOMPARE(twice.devicePixelRatio(), 2.0);
        QCOMPARE(twice.size(), one.size() * 2);
        const QImage shrunk =
            twice.toImage()
                .scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
        double difference = 0;
        for (int y = 0; y < one.height(); ++y) {
            for (int x = 0; x < one.width(); ++x) {
                const QRgb a = qPremultiply(one.pixel(x, y)), b = qPremultiply(shrunk.pixel(x, y));
                difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                              qAbs(qBlue(a) - qBlue(b)) + qAbs(qAlpha(a) - qAlpha(b));
            }
        }
        const double mean = difference / (4.0 * one.width() * one.height());
        QVERIFY2(mean < 12.0, qPrintable(QString::number(mean)));
    }

    void cardsAndAboutBoxAtRatio2() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QCOMPARE(LoadResPictureFile(ResId::BackCard).devicePixelRatio(), 2.0);
        QCOMPARE(BoardPicture(QStringLiteral("Start")).devicePixelRatio(), 2.0);

        UserControlCards card;
        card.LoadImage(102);
        card.show();
        // Drawn pixel for pixel from the 2x picture (its rounded corners aside).
        const QImage drawn = card.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage picture = EmbeddedPicture(QStringLiteral("102"), 2)
                                   .toImage()
                                   .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), QSize(118, 200));
        const QRect inner(10, 10, 98, 180);
        QCOMPARE(drawn.copy(inner), picture.copy(inner));

        frmAbout about;
        QVERIFY(about.rect().contains(about.mask().boundingRect())); // traced at 1x
        QVERIFY(about.mask().contains(about.rect().center()));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
