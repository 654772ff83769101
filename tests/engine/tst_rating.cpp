// The rating text: a won game against the stored best of its level and
// wizard setting.
#include "TestSupport.h"

#include "engine/ClRating.h"
#include "players/ClassPlayerInfo.h"

#include <QtTest>

class TestRating : public QObject {
    Q_OBJECT

private slots:
    void update_data() {
        QTest::addColumn<QString>("rating");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("wizardOn");
        QTest::addColumn<int>("points");
        QTest::addColumn<float>("minutes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("newTop");

        const QString fresh = QString::fromLatin1(kNewPlayerRating);
        addDataRow("first win, level 4, wizard off", fresh, 4, false, 30, 12.5f,
                   "New top rating on: Level=4Off Points=30 Time=12.50",
                   "3On=None,0^3Off=None,0^4On=None,0^4Off=30,12.50^5On=None,0^5Off=None,0^6On="
                   "None,0^6Off=None,0^7On=None,0^7Off=None,0",
                   true);
        addDataRow("first win with negative points", fresh, 7, true, -6, 3.0f,
                   "New top rating on: Level=7On Points=-6 Time=3.00",
                   "3On=None,0^3Off=None,0^4On=None,0^4Off=None,0^5On=None,0^5Off=None,0^6On="
                   "None,0^6Off=None,0^7On=-6,3.00^7Off=None,0",
                   true);
        const QString played = "3On=50,10.00^3Off=20,4.50^4On=None,0";
        addDataRow("more points", played, 3, true, 51, 30.0f,
                   "New top rating on: Level=3On Points=51 Time=30.00",
                   "3On=51,30.00^3Off=20,4.50^4On=None,0", true);
        addDataRow("fewer points", played, 3, true, 40, 1.0f,
                   "Top Rating on: Level=3On Points=50 Time=10.00", played, false);
        addDataRow("equal points, shorter time", played, 3, false, 20, 4.25f,
                   "New top rating on: Level=3Off Points=20 Time=4.25",
                   "3On=50,10.00^3Off=20,4.25^4On=None,0", true);
        addDataRow("equal points, longer time", played, 3, false, 20, 4.75f,
                   "Top rating on: Level=3Off Points=20 Time=4.50", played, false);
        addDataRow("equal points, same time", played, 3, false, 20, 4.5f,
                   "Top rating on: Level=3Off Points=20 Time=4.50", played, false);
        addDataRow("no entry for the level", played, 6, true, 99, 1.0f, "", played, false);
        addDataRow("minutes rounded to two decimals", fresh.left(12), 3, true, 5, 2.005f + 0.0001f,
                   "New top rating on: Level=3On Points=5 Time=2.01", "3On=5,2.01^3", true);
    }
    void update() {
        QFETCH(QString, rating);
        QFETCH(int, level);
        QFETCH(bool, wizardOn);
        QFETCH(int, points);
        QFETCH(float, minutes);
        QFETCH(QString, message);
        QFETCH(QString, after);
        QFETCH(bool, newTop);
        const RatingOutcome outcome =
            ClRating::Update(rating, qint16(level), wizardOn, qint16(points), minutes);
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.rating, after);
        QCOMPARE(outcome.newTop, newTop);
    }

    // A level written "3On" must not be found by level 3 Off, nor "13On" by 3On.
    void keysMatchWhole() {
        const RatingOutcome outcome = ClRating::Update("13On=1,1.00^3Onx=1,1.00", 3, true, 5, 1.0f);
        QVERIFY(outcome.message.isEmpty());
        QCOMPARE(outcome.rating, QStringLiteral("13On=1,1.00^3Onx=1,1.00"));
    }
};

QTEST_GUILESS_MAIN(TestRating)
#include "tst_rating.moc"
