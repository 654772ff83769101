// The question window driven offscreen: answering right and wrong by option,
// text or picture, one answer only, the blink, the status record and
// QuestionAsk under "Filter", four answers, the free move, the
// window closed unanswered, and reading aloud: the spoken word selected as the
// clock goes, two texts at once, and a window closed while it speaks.
#include "SquareTestKit.h"

#include "squares/ui/QuestionAndSpellingWindows.h"
#include "squares/ui/SquareControls.h"
#include "squares/ui/frmQuestion.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QtTest>

using namespace SquareTestKit;

namespace {

const char kPlace[] = "SELECT Questions.QuestionAsk FROM Questions WHERE "
                      "Questions.Question='Which word names a place?';";

QColor boxColour(const QWidget& w, const QString& name) {
    return SquareControls::BoxColour(control<QTextEdit>(w, name));
}
QColor closeColour(const QWidget& w) {
    return SquareControls::ButtonColour(
        control<QPushButton>(w, QStringLiteral("cmdQuestionClose")));
}

// Draws the question named by a random number of the test board's kind 5:
// 0.0 the noun question (three choices, a picture), 0.34 the place question
// (park right, jump with a picture). The numbers after the first keep the
// choices in file order.
bool prepare(frmQuestion& window, Fixture& f, double random, const QString& code = "5") {
    RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{random, 0.999}));
    return window.PrepareQuestion(code, QPixmap(48, 48), *f.db, f.player);
}

} // namespace

class TestFrmQuestion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void answer_data();
    void answer();
    void fourAnswers();
    void freeMove_data();
    void freeMove();
    void undecodablePicturesAreLeftOut();
    void closedUnanswered();
    void speaksWithTheWordSelected();
    void closedWhileSpeaking();
};

void TestFrmQuestion::answer_data() {
    QTest::addColumn<QString>("click");
    QTest::addColumn<bool>("filter");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("asked");
    addDataRow("right by its option", "optAnswer_0", true, true, "5=1=0", -1);
    addDataRow("wrong by its picture", "picSelect_1", true, false, "5=0=1", -1);
    addDataRow("wrong by its text, no filter", "txtSelect_1", false, false, "5=0=1", 0);
}

void TestFrmQuestion::answer() {
    QFETCH(QString, click);
    QFETCH(bool, filter);
    QFETCH(bool, right);
    QFETCH(QString, status);
    QFETCH(int, asked);
    Fixture f;
    SetFilter(filter);
    frmQuestion window;
    QVERIFY(prepare(window, f, 0.34));
    window.show();
    QVERIFY(!control<QLabel>(window, "picSelect_1")->pixmap().isNull());
    const QColor plain = boxColour(window, "txtSelect_1");

    QWidget* target = window.findChild<QWidget*>(click);
    if (auto* text = qobject_cast<QTextEdit*>(target))
        target = text->viewport();
    QTest::mouseClick(target, Qt::LeftButton);

    auto* close = control<QPushButton>(window, "cmdQuestionClose");
    QCOMPARE(window.focusWidget(), close);
    // The right answer is marked, and a wrong choice apart from it.
    const QColor rightColour = boxColour(window, "txtSelect_0");
    QVERIFY(rightColour != plain);
    QCOMPARE(boxColour(window, "txtSelect_1") == plain, right);
    QCOMPARE(f.Status().section(QLatin1Char('|'), 3, 3), status);
    QCOMPARE(f.Asked(QLatin1String(kPlace)), asked);
    QCOMPARE(f.Played(QStringLiteral("wavSounds")),
             QStringList{right ? QStringLiteral("clap.wav") : QStringLiteral("mistake.wav")});

    // A second answer changes nothing.
    QVERIFY(!control<QRadioButton>(window, right ? "optAnswer_1" : "optAnswer_0")->isEnabled());
    QTest::mouseClick(control<QTextEdit>(window, right ? "txtSelect_1" : "txtSelect_0")->viewport(),
                      Qt::LeftButton);
    QCOMPARE(f.Status().section(QLatin1Char('|'), 3, 3), status);

    // The blink: the close button, and after a wrong answer the right one.
    // The button blinks in the colour of the box the answer was given in.
    window.TimerAnswered_Timer();
    const QColor dark = closeColour(window);
    QCOMPARE(boxColour(window, "txtSelect_0") != rightColour, !right);
    window.TimerAnswered_Timer();
    QVERIFY(closeColour(window) != dark);
    QCOMPARE(closeColour(window), boxColour(window, right ? "txtSelect_0" : "txtSelect_1"));
    QCOMPARE(boxColour(window, "txtSelect_0"), rightColour);
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.Result(), right);
}

void TestFrmQuestion::fourAnswers() {
    BoardContent content = Content();
    QList<BoardAnswer>& choices = content.categories[2].questions[0].answers;
    choices << BoardAnswer{QStringLiteral("mild"), false, {}}
            << BoardAnswer{QStringLiteral("icy"), false, {}};
    Fixture f(content);
    frmQuestion window;
    QVERIFY(prepare(window, f, 0.0, QStringLiteral("7")));
    QVERIFY(control<QTextEdit>(window, "txtSelect_3")->isVisibleTo(&window));
    QVERIFY(!control<QTextEdit>(window, "txtSelect_4")->isVisibleTo(&window));
}

void TestFrmQuestion::freeMove_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<double>("random");
    addDataRow("no right answer", "5", "UPDATE Questions SET Answer = 0", 0.34);
    addDataRow("eight choices", "7",
               "INSERT INTO QuestionAnswer (QuestionID, SelectAnswer) SELECT QuestionID, 'x' FROM "
               "QuestionAnswer UNION ALL SELECT QuestionID, 'y' FROM QuestionAnswer UNION ALL "
               "SELECT QuestionID, 'z' FROM QuestionAnswer",
               0.0);
    addDataRow("an empty pool after the refill", "9", "", 0.0);
    addDataRow("a tag that is no number", "7) OR (1=1", "", 0.0);
    addDataRow("damaged file", "5", "DROP TABLE QuestionsTip", 0.34);
    addDataRow("locked file", "5", "lock", 0.0);
}

void TestFrmQuestion::freeMove() {
    QFETCH(QString, code);
    QFETCH(QString, fault);
    QFETCH(double, random);
    Fixture f;
    std::unique_ptr<dao::Database> other;
    if (fault == QLatin1String("lock")) {
        other = dao::DBEngine::OpenDatabase(f.folder.file(QStringLiteral("test.mdb")), false, false,
                                            QLatin1String(kBoardConnect));
        other->ExecuteNative(QStringLiteral("BEGIN EXCLUSIVE"));
    } else if (!fault.isEmpty()) {
        f.db->ExecuteNative(fault);
    }
    RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{random, 0.999}));
    QuestionAndSpellingWindows squares;
    QVERIFY(squares.LoadQuestion(nullptr, code, QPixmap(), *f.db, f.player));
    QCOMPARE(f.boxes.texts(),
             QStringList{"Error in opening board game question... Free Space is granted..."});
    QCOMPARE(f.Status(), kStatus);
    QVERIFY(!QApplication::overrideCursor());
}

void TestFrmQuestion::undecodablePicturesAreLeftOut() {
    BoardContent content = Content();
    content.categories[0].questions[0].picture = BoardTestFiles::picture('q');
    content.categories[0].questions[1].answers[1].picture = BoardTestFiles::picture('a');
    Fixture f(content);
    for (const double random : {0.0, 0.34}) {
        frmQuestion window;
        QVERIFY(prepare(window, f, random));
        QVERIFY(f.boxes.texts().isEmpty());
        QVERIFY(!control<QLabel>(window, "picQuestion")->isVisibleTo(&window));
        QVERIFY(control<QLabel>(window, "picSelect_1")->pixmap().isNull());
    }
    QVERIFY(QDir(f.folder.file(QStringLiteral("temp")))
                .entryList({QStringLiteral("tempq.*")}, QDir::Files)
                .isEmpty());
}

void TestFrmQuestion::closedUnanswered() {
    // Through the window manager (its own button: answer()).
    Fixture f;
    OnNextModal([](QWidget* w) { w->close(); });
    QuestionAndSpellingWindows squares;
    QVERIFY(!squares.LoadQuestion(nullptr, QStringLiteral("7"), QPixmap(), *f.db, f.player));
    QCOMPARE(f.Status(), kStatus);
    QVERIFY(f.commands.isEmpty());
}

void TestFrmQuestion::speaksWithTheWordSelected() {
    Fixture f;
    frmQuestion window;
    QVERIFY(prepare(window, f, 0.34));
    window.show();
    // The mouse reaches both buttons: nothing lies on top of them.
    for (const char* name : {"cmdSpeekQuestion", "cmdSpeekTip"}) {
        auto* button = control<QPushButton>(window, name);
        QCOMPARE(window.childAt(button->mapTo(&window, button->rect().center())), button);
    }
    auto* question = control<QTextEdit>(window, "txtQuestion");
    QTest::mouseClick(control<QPushButton>(window, "cmdSpeekQuestion"), Qt::LeftButton);
    QTRY_COMPARE(question->textCursor().selectedText(), QStringLiteral("Which"));
    f.now += 300;
    QTRY_COMPARE(question->textCursor().selectedText(), QStringLiteral("word"));
    // Shift+F2 reads the second answer while the question goes on.
    QTest::keyRelease(&window, Qt::Key_F2, Qt::ShiftModifier);
    auto* answer = control<QTextEdit>(window, "txtSelect_1");
    QTRY_COMPARE(answer->textCursor().selectedText(), QStringLiteral("jump"));
    f.now += 300;
    QTRY_COMPARE(question->textCursor().selectedText(), QStringLiteral("names"));
    // Only the latest text reports its end: the focus goes to its button.
    f.now += 100000;
    QTRY_VERIFY(!question->textCursor().hasSelection());
    QTRY_COMPARE(window.focusWidget(), control<QPushButton>(window, "cmdSelect_1"));
    QVERIFY(!answer->textCursor().hasSelection());
    QCOMPARE(f.Status(), kStatus); // reading is no answer
}

void TestFrmQuestion::closedWhileSpeaking() {
    Fixture f;
    auto window = std::make_unique<frmQuestion>();
    QVERIFY(prepare(*window, f, 0.0));
    window->show();
    QTest::keyRelease(window.get(), Qt::Key_F12, Qt::ShiftModifier);
    auto* tip = control<QTextEdit>(*window, "txtTip");
    QTRY_VERIFY(tip->textCursor().hasSelection());
    QTest::keyRelease(window.get(), Qt::Key_F13, Qt::ShiftModifier); // a second text
    window->close();
    window.reset();
    f.now += 100000;
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

QTEST_MAIN(TestFrmQuestion)
#include "tst_frmquestion.moc"
