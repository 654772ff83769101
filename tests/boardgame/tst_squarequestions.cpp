// The rules of the squares that the windows' tests leave aside: the board
// status text, the draw with equal chance (also when all were asked and from a
// pool of one) and the mask of unusual words. Answers, typing, refills,
// scratch files and refusals are driven through the windows.
#include "../squares/SquareTestKit.h"

#include "boardgame/BoardStatus.h"
#include "squares/SquareQuestions.h"

#include <QtTest>

using namespace SquareTestKit;

class TestSquareQuestions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statusText_data();
    void statusText();
    void drawsWithEqualChance_data();
    void drawsWithEqualChance();
    void wordMask_data();
    void wordMask();
};

void TestSquareQuestions::statusText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("expected");
    addDataRow("right on its item", "-1=0=0|5=2=1", "5", true, "-1=0=0|5=3=1");
    addDataRow("wrong on its item", "-1=0=0|5=2=1", "-1", false, "-1=0=1|5=2=1");
    addDataRow("a kind without an item", "-1=0=0", "7", true, "-1=0=0|7=1=0");
    addDataRow("an empty text", "", "7", false, "7=0=1");
    addDataRow("damaged items kept", "x|5=a=1|-2", "-2", true, "x|5=a=1|-2=1=0");
    addDataRow("a full counter stays full", "5=32767=0", "5", true, "5=32767=0");
    addDataRow("the first of two items", "5=1=1|5=1=1", "5", false, "5=1=2|5=1=1");
}

void TestSquareQuestions::statusText() {
    QFETCH(QString, text);
    QFETCH(QString, code);
    QFETCH(bool, right);
    QFETCH(QString, expected);
    QCOMPARE(BoardStatus::CountAnswer(text, code, right), expected);
    const QList<StatusCounter> read = BoardStatus::Read(QStringLiteral("-1=2=1|5"));
    QCOMPARE(read.size(), 2);
    QCOMPARE(read[0].right, QStringLiteral("2"));
    QCOMPARE(read[1].code, QStringLiteral("5"));
    QCOMPARE(read[1].wrong, QString());
}

void TestSquareQuestions::drawsWithEqualChance_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<double>("random");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("tip");
    const char* reverse = "Think of the reverse.";
    addDataRow("first of three", "5", "", 0.0, "Which word is a noun?", 1, "A noun names a thing.");
    addDataRow("last of three", "5", "", 0.999, "Which word is a verb?", 0,
               "A verb is a doing word.");
    addDataRow("all asked: the pool starts again", "7", "UPDATE Questions SET QuestionAsk = -1",
               0.999, "The opposite of up is", 0, reverse);
    addDataRow("a pool of one", "7", "DELETE FROM Questions WHERE Question LIKE '%up is'", 0.999,
               "The opposite of hot is", 1, reverse);
}

void TestSquareQuestions::drawsWithEqualChance() {
    QFETCH(QString, code);
    QFETCH(QString, setup);
    QFETCH(double, random);
    QFETCH(QString, question);
    QFETCH(int, right);
    QFETCH(QString, tip);
    Fixture f;
    if (!setup.isEmpty())
        f.db->ExecuteNative(setup);
    // The choices stay in file order when the shuffle draws 0.999.
    ScriptedRandom draws({random, 0.999});
    QuestionSquare square(*f.db, f.player, code, draws);
    QVERIFY(square.Draw());
    QCOMPARE(square.Question(), question);
    QCOMPARE(square.RightIndex(), right);
    QCOMPARE(square.Tip(), tip);
}

void TestSquareQuestions::wordMask_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");
    addDataRow("accent stored apart", QString::fromUtf8("nai\xcc\x88ve"), "?????",
               QString::fromUtf8("na\xc3\xaf"), QString::fromUtf8("na\xc3\xaf??"));
    addDataRow("outside Windows-1252", QString::fromUtf8("\xc5\x82\xc3\xb3\xc5\xbc"), "???",
               QString::fromUtf8("\xc5\x82"), QString::fromUtf8("\xc5\x82??"));
    addDataRow("beyond 16 bits",
               QString::fromUtf8("a\xf0\x9d\x94\xb8"
                                 "b"),
               "???", QString::fromUtf8("a\xf0\x9d\x94\xb8"),
               QString::fromUtf8("a\xf0\x9d\x94\xb8?"));
}

void TestSquareQuestions::wordMask() {
    QFETCH(QString, word);
    QFETCH(QString, mask);
    QFETCH(QString, typed);
    QFETCH(QString, label);
    BoardContent content = BoardTestFiles::content();
    content.words.clear(); // the builder wants words on every level
    for (const int level : {-1, -2, -3})
        content.words.append({word, level, QStringLiteral("A word."), {}, {}});
    Fixture f(content);
    SpellingSquare square(*f.db, f.player, QStringLiteral("-3"), 1, RandomSource::instance());
    QVERIFY(square.Draw());
    QCOMPARE(square.WordLabel(), mask);
    QCOMPARE(square.Check(typed, true).typing, SpellingSquare::Typing::Progress);
    QCOMPARE(square.WordLabel(), label);
}

QTEST_GUILESS_MAIN(TestSquareQuestions)
#include "tst_squarequestions.moc"
