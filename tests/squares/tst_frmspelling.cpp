// The spelling window driven offscreen: typing with one and three chances, a
// wrong capital, keys that are swallowed or refused, pasted and composed text,
// the character picker, closing early, the pronunciation and the scratch
// files, the refill, and words that cannot be drawn.
#include "SquareTestKit.h"

#include "squares/ui/QuestionAndSpellingWindows.h"
#include "squares/ui/frmCharacters.h"
#include "squares/ui/frmSpelling.h"

#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using namespace SquareTestKit;

namespace {

const char kCat[] = "SELECT Spelling.QuestionAsk FROM Spelling WHERE Spelling.Word='cat';";

QString typed(const QWidget& w) {
    return control<QTextEdit>(w, "txtTypeWord")->toPlainText();
}
QString label(const QWidget& w, const char* name) {
    return control<QLabel>(w, name)->text();
}

// Opens the easy square on "cat" (the first easy word).
bool prepare(frmSpelling& window, Fixture& f, const QString& chance,
             const QString& code = QStringLiteral("-1")) {
    RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{0.0}));
    return window.PrepareSpelling(code, QPixmap(48, 48), chance, *f.db, f.player);
}

// Keys for the typing box: letters as typed, '\b' Backspace, '<' the left
// arrow, '^' Ctrl+V, and '~' before a letter that an input method commits.
void typeKeys(QWidget* box, const QString& keys) {
    bool composed = false;
    for (const QChar key : keys) {
        if (composed) {
            QInputMethodEvent commit;
            commit.setCommitString(QString(key));
            QCoreApplication::sendEvent(box, &commit);
            composed = false;
        } else if (key == QLatin1Char('~'))
            composed = true;
        else if (key == QLatin1Char('\b'))
            QTest::keyClick(box, Qt::Key_Backspace);
        else if (key == QLatin1Char('<'))
            QTest::keyClick(box, Qt::Key_Left);
        else if (key == QLatin1Char('^'))
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        else
            QTest::keyClicks(box, QString(key));
    }
}

} // namespace

class TestFrmSpelling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typing_data();
    void typing();
    void pickerInsertsAndCancels();
    void closedEarly();
    void wordDrawn_data();
    void wordDrawn();
    void noWord_data();
    void noWord();
};

void TestFrmSpelling::typing_data() {
    QTest::addColumn<int>("chance");
    QTest::addColumn<bool>("filter");
    QTest::addColumn<QString>("keys");
    // Messages: the refused letter of each "Spelling Error", K for "Keyboard Error...".
    QTest::addColumn<QString>("messages");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("chancesLeft");
    QTest::addColumn<QString>("end"); // R right, W wrong, - still typing
    QTest::addColumn<int>("asked");
    addDataRow("spelled right", 1, true, "cat", "", "cat", "cat", 1, "R", -1);
    addDataRow("chance 1: the first mistake ends it", 1, true, "cx", "", "cx", "cat", 1, "W", -1);
    addDataRow("chance 1 without filter", 1, false, "x", "", "x", "cat", 1, "W", 0);
    addDataRow("chance 3: two mistakes, then right", 3, true, "cxyat", "xy", "cat", "cat", 1, "R",
               -1);
    addDataRow("chance 3: the third mistake ends it", 3, true, "xyz", "xy", "z", "cat", 1, "W", -1);
    addDataRow("a wrong capital", 1, true, "C", "", "C", "cat", 1, "W", -1);
    addDataRow("backspace erases nothing", 2, true, "ca\b", "K", "ca", "ca?", 2, "-", 0);
    addDataRow("no moving back", 2, true, "c<a", "", "ca", "ca?", 2, "-", 0);
    addDataRow("outside the admitted characters", 2, true, "c#-", "KK", "c", "c??", 2, "-", 0);
    addDataRow("a paste", 2, true, "c^", "K", "c", "c??", 2, "-", 0);
    // The last letter is outside the list and outside Windows-1252.
    addDataRow("composed text", 2, true, QString::fromUtf8("~c~a~\xc5\x82"), "K", "ca", "ca?", 2,
               "-", 0);
}

void TestFrmSpelling::typing() {
    QFETCH(int, chance);
    QFETCH(bool, filter);
    QFETCH(QString, keys);
    QFETCH(QString, messages);
    QFETCH(QString, box);
    QFETCH(QString, word);
    QFETCH(int, chancesLeft);
    QFETCH(QString, end);
    QFETCH(int, asked);
    Fixture f;
    SetFilter(filter);
    frmSpelling window;
    QVERIFY(prepare(window, f, QStringLiteral("Chance %1").arg(chance)));
    window.show();
    f.commands.clear();

    typeKeys(control<QTextEdit>(window, "txtTypeWord"), keys);
    QStringList texts;
    QStringList sounds;
    for (const QChar m : messages) {
        if (m == QLatin1Char('K')) {
            texts << QStringLiteral("Please type letters or space keys or insert foreign "
                                    "characters...\r\nAlso check to see if your CAPS are on or "
                                    "off on your keyboard...");
        } else {
            texts << QStringLiteral("Mistake made...\r\nThe letter %1 can not be used...").arg(m);
            sounds << QStringLiteral("Alert.wav");
        }
    }
    QCOMPARE(f.boxes.texts(), texts);
    QCOMPARE(typed(window), box);
    QCOMPARE(label(window, "lblWord"), word);
    QCOMPARE(label(window, "lblChance"), QStringLiteral("Chance = %1").arg(chancesLeft));
    auto* cmdClose = control<QPushButton>(window, "cmdSpellingClose");
    const bool right = end == QLatin1String("R");
    const bool finished = end != QLatin1String("-");
    QCOMPARE(control<QPushButton>(window, "cmdInsertCharator")->isEnabled(), !finished);
    if (finished) {
        QCOMPARE(window.focusWidget(), cmdClose);
        sounds << (right ? QStringLiteral("clap.wav") : QStringLiteral("mistake.wav"));
    }
    QCOMPARE(f.Played(QStringLiteral("wavSounds")), sounds);
    QCOMPARE(f.Status().section(QLatin1Char('|'), 0, 0),
             !finished ? QStringLiteral("-1=0=0")
                       : (right ? QStringLiteral("-1=1=0") : QStringLiteral("-1=0=1")));
    QCOMPARE(f.Asked(QLatin1String(kCat)), asked);
    QTest::mouseClick(cmdClose, Qt::LeftButton);
    QCOMPARE(window.Result(), right);
}

void TestFrmSpelling::pickerInsertsAndCancels() {
    BoardContent content = Content();
    content.words[3].word = QString::fromUtf8("caf\xc3\xa9"); // the first medium word
    Fixture f(content);
    frmSpelling window;
    QVERIFY(prepare(window, f, QStringLiteral("Chance 2"), QStringLiteral("-2")));
    window.show();
    typeKeys(control<QTextEdit>(window, "txtTypeWord"), QStringLiteral("caf"));
    auto pick = [&window](const QString& name) {
        OnNextModal([name](QWidget* picker) {
            QTest::mouseClick(picker->findChild<QWidget*>(name), Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>(window, "cmdInsertCharator"), Qt::LeftButton);
    };
    pick(QStringLiteral("cmdCancel"));
    QCOMPARE(typed(window), QStringLiteral("caf"));
    QVERIFY(f.boxes.shown().isEmpty());
    // The capital is a mistake; the small letter finishes the word.
    pick(QStringLiteral("lblCharacters_9"));
    QCOMPARE(f.boxes.texts(),
             QStringList{QString::fromUtf8("Mistake made...\r\nThe letter \xc3\x89 can not be "
                                           "used...")});
    pick(QStringLiteral("lblLowerCharacters_9"));
    QCOMPARE(typed(window), QString::fromUtf8("caf\xc3\xa9"));
    QCOMPARE(label(window, "lblWord"), QString::fromUtf8("caf\xc3\xa9"));
    QCOMPARE(f.Status().section(QLatin1Char('|'), 2, 2), QStringLiteral("-2=1=0"));
    QVERIFY(!control<QPushButton>(window, "cmdInsertCharator")->isEnabled());
}

void TestFrmSpelling::closedEarly() {
    Fixture f;
    OnNextModal([](QWidget* w) {
        QTest::keyClicks(control<QTextEdit>(*w, "txtTypeWord"), QStringLiteral("ca"));
        w->close(); // through the window manager
    });
    RandomScope scope(std::make_unique<ScriptedRandom>(QList<double>{0.0}));
    QuestionAndSpellingWindows squares;
    QVERIFY(!squares.LoadSpelling(nullptr, QStringLiteral("-1"), QPixmap(),
                                  QStringLiteral("Chance 3"), *f.db, f.player));
    QCOMPARE(f.Status(), kStatus);
    QCOMPARE(f.Asked(QLatin1String(kCat)), 0);
}

void TestFrmSpelling::wordDrawn_data() {
    QTest::addColumn<QString>("setup");
    addDataRow("scratch files written", "");
    addDataRow("a used-up pool refilled", "UPDATE Spelling SET QuestionAsk = -1");
    addDataRow("a picture that cannot be decoded", "UPDATE Spelling SET iPicture = x'FFD8FF00'");
    addDataRow("temp missing", "no temp");
    addDataRow("temp leads out of the program folder", "link");
}

void TestFrmSpelling::wordDrawn() {
    QFETCH(QString, setup);
    Fixture f;
    QTemporaryDir outside;
    const QString folder = f.folder.file(QStringLiteral("temp"));
    const bool temp = setup.isEmpty() || setup.startsWith(QLatin1String("UPDATE"));
    if (temp) {
        QVERIFY(f.folder.write(QStringLiteral("temp/temp.jpg"), "an older picture"));
        if (!setup.isEmpty())
            f.db->ExecuteNative(setup);
    } else {
        QVERIFY(QDir(folder).removeRecursively());
        if (setup == QLatin1String("link"))
            QVERIFY(QFile::link(outside.path(), folder));
    }
    auto owned = std::make_unique<frmSpelling>();
    frmSpelling& window = *owned;
    QVERIFY(prepare(window, f, QStringLiteral("Chance 1")));
    QCOMPARE(label(window, "lblWord"), QStringLiteral("???"));
    QCOMPARE(f.Asked(QLatin1String(kCat)), 0);
    QCOMPARE(control<QTextEdit>(window, "txtDefinition")->toPlainText(),
             QStringLiteral("A small furry pet."));
    QCOMPARE(control<QLabel>(window, "picSpelling")->pixmap().isNull(),
             !temp || setup.contains(QLatin1String("iPicture")));
    if (temp) {
        QCOMPARE(f.folder.read(QStringLiteral("temp/temp.wav")), BoardTestFiles::wave(100, 'c'));
        QVERIFY(!QFileInfo::exists(f.folder.file(QStringLiteral("temp/temp.jpg"))));
        QCOMPARE(f.Played(QStringLiteral("vSounds")).size(), 1);
    }
    QVERIFY(QDir(outside.path()).isEmpty());
    // The sound button and Shift+F1 play it again; typing goes on.
    window.show();
    QTest::mouseClick(control<QPushButton>(window, "cmdSound"), Qt::LeftButton);
    QTest::keyRelease(control<QTextEdit>(window, "txtTypeWord"), Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(f.Played(QStringLiteral("vSounds")).size(), temp ? 3 : 0);
    QCOMPARE(window.focusWidget(), control<QTextEdit>(window, "txtTypeWord"));
    QTest::keyClicks(control<QTextEdit>(window, "txtTypeWord"), QStringLiteral("cat"));
    QVERIFY(window.Result());
    QVERIFY(f.boxes.shown().isEmpty());
    owned.reset();
    QVERIFY(!QFileInfo::exists(f.folder.file(QStringLiteral("temp/temp.wav"))));
}

void TestFrmSpelling::noWord_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("fault");
    addDataRow("not a spelling square", "-4", "");
    addDataRow("an empty pool after the refill", "-1", "DELETE FROM Spelling WHERE TypeID = -1");
    addDataRow("damaged file", "-1", "DROP TABLE Spelling");
    addDataRow("a word that is not text", "-1",
               "UPDATE Spelling SET Word = CAST(x'63ff74' AS TEXT)");
    addDataRow("a 9 MB sound", "-1", "UPDATE Spelling SET Sound = zeroblob(9000000)");
}

void TestFrmSpelling::noWord() {
    QFETCH(QString, code);
    QFETCH(QString, fault);
    Fixture f;
    if (!fault.isEmpty())
        f.db->ExecuteNative(fault);
    QuestionAndSpellingWindows squares;
    // As on a question square: a message, a free move, nothing recorded.
    QVERIFY(squares.LoadSpelling(nullptr, code, QPixmap(), QStringLiteral("Chance 1"), *f.db,
                                 f.player));
    QCOMPARE(f.boxes.shown().size(), 1);
    QVERIFY(f.boxes.shown().first().text.contains(QLatin1String("Free Space is granted")));
    QCOMPARE(f.Status(), kStatus);
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TestFrmSpelling)
#include "tst_frmspelling.moc"
