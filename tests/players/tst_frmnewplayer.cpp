// The registration window driven offscreen: what typing and pasting leave in
// each box, the refusals and the file written for a new player with the
// details typed.
#include "TestSupport.h"

#include "players/ClassPlayerInfo.h"
#include "players/ui/frmNewPlayer.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

namespace {

void choose(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text));
}

} // namespace

class TestFrmNewPlayer : public QObject {
    Q_OBJECT

private slots:
    void typingIsFiltered_data();
    void typingIsFiltered();
    void createRefused_data();
    void createRefused();
    void createWritesTypedDetails();
};

void TestFrmNewPlayer::typingIsFiltered_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("pasted");
    addDataRow("name drops space and punctuation", "txtPlayerName", "Ab c!d-9_", "Abcd9", false);
    addDataRow("name keeps accented letters", "txtPlayerName", "\u00c9milie", "\u00c9milie", false);
    addDataRow("name drops what the code page lacks", "txtPlayerName", "Anna\u0141", "Anna", false);
    addDataRow("password", "txtPassword", "pa ss#w:\u00e91|", "passw1", false);
    addDataRow("age digits only", "txtAge", "1a2 ", "12", false);
    addDataRow("school as written", "txtSchoolName", "\u00c9cole Saint-Jean",
               "\u00c9cole Saint-Jean", false);
    addDataRow("pasted city keeps its words", "txtCity", "St-Jean sur Richelieu",
               "St-Jean sur Richelieu", true);
    addDataRow("pasted city loses separators", "txtCity", "O'Hara|Bay:", "O'HaraBay", true);
    addDataRow("pasted name loses separators", "txtPlayerName", "a|b:c<|>d", "abcd", true);
}

void TestFrmNewPlayer::typingIsFiltered() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, pasted);
    TempProgramFolder folder;
    frmNewPlayer window;
    window.show();
    choose(control<QComboBox>(window, "cboPlayerType"), QStringLiteral("High School"));
    auto* edit = control<QLineEdit>(window, box);
    if (!pasted) {
        for (QChar c : typed) { // keys as a keyboard of any layout gives them
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &key);
        }
    } else {
        QApplication::clipboard()->setText(typed);
        if (QApplication::clipboard()->text() == typed)
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        else
            edit->insert(typed); // what a paste does, where there is no clipboard
    }
    QCOMPARE(edit->text(), expected);
    // A refused character is named with the reason.
    auto* refused = control<QLabel>(window, "lblRefused");
    QCOMPARE(refused->isVisibleTo(&window), expected != typed);
    if (expected != typed)
        QVERIFY(refused->text().contains(QStringLiteral("cannot be used")));
    // Backspace still edits, and so do the editing shortcuts.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), expected.left(expected.size() - 1));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), edit->text());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab); // on to the next box
    QVERIFY(window.focusWidget() != edit);
}

void TestFrmNewPlayer::createRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("nameAfter");
    const char* inUse = "Player name already in use...";
    addDataRow("empty name", "", "secret", inUse, "txtPlayerName", "");
    addDataRow("existing name in other case", "ANNA", "secret", inUse, "txtPlayerName", "");
    addDataRow("scratch file name", "Temp", "secret", inUse, "txtPlayerName", "");
    addDataRow("two letters", "Bo", "secret", "Player name needs to be 3 letters or more...",
               "txtPlayerName", "Bo");
    addDataRow("short password", "Bob", "se", "Password needs to be 3 letters or more...",
               "txtPassword", "Bob");
}

void TestFrmNewPlayer::createRefused() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QString, nameAfter);
    TempProgramFolder folder;
    MsgBoxRecorder boxes;
    const QByteArray anna("kept as it is");
    folder.write(QStringLiteral("temp/Anna.dat"), anna);

    bool created = false;
    frmNewPlayer window(nullptr, [&](const ClassPlayerInfo&) { created = true; });
    window.show();
    QTest::keyClicks(control<QLineEdit>(window, "txtPlayerName"), name);
    QTest::keyClicks(control<QLineEdit>(window, "txtPassword"), password);
    QTest::mouseClick(control<QLabel>(window, "lblMenu_0"), Qt::LeftButton);

    QCOMPARE(boxes.texts(), QStringList{message});
    QVERIFY(!created);
    QVERIFY(window.isVisible());
    QCOMPARE(window.focusWidget()->objectName(), focus);
    QCOMPARE(control<QLineEdit>(window, "txtPlayerName")->text(), nameAfter);
    QCOMPARE(control<QLineEdit>(window, "txtPassword")->text(), password);
    QCOMPARE(QDir(folder.file(QStringLiteral("temp"))).entryList(QDir::Files),
             QStringList{QStringLiteral("Anna.dat")});
    QCOMPARE(folder.read(QStringLiteral("temp/Anna.dat")), anna);
}

void TestFrmNewPlayer::createWritesTypedDetails() {
    TempProgramFolder folder;
    MsgBoxRecorder boxes;
    QStringList created;
    frmNewPlayer window(nullptr,
                        [&](const ClassPlayerInfo& player) { created << player.NickName; });
    window.show();
    control<QLineEdit>(window, "txtPlayerName")->insert(QStringLiteral("Z\u00f6e 7"));
    QTest::keyClicks(control<QLineEdit>(window, "txtPassword"), QStringLiteral("pw123"));
    QCOMPARE(control<QLineEdit>(window, "txtPassword")->echoMode(), QLineEdit::Password);
    choose(control<QComboBox>(window, "cboPlayerType"), QStringLiteral("Primary School"));
    control<QLineEdit>(window, "txtSchoolName")->insert(QStringLiteral("\u00c9cole Saint-Jean"));
    QTest::keyClicks(control<QLineEdit>(window, "txtAge"), QStringLiteral("11"));
    QTest::mouseClick(control<QRadioButton>(window, "optGender_1"), Qt::LeftButton);
    choose(control<QComboBox>(window, "cboCountry"), QStringLiteral("United States"));
    choose(control<QComboBox>(window, "cboProvState"), QStringLiteral("New York"));
    QTest::keyClicks(control<QLineEdit>(window, "txtCity"), QStringLiteral("New York"));
    QTest::mouseClick(control<QLabel>(window, "lblMenu_0"), Qt::LeftButton);

    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(created, QStringList{QStringLiteral("Z\u00f6e7")});
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));

    // The typed details reach the file (its layout is tested with the record).
    const QByteArray plain = referenceUnscramble(folder.read(QStringLiteral("temp/Z\u00f6e7.dat")));
    for (const char* field :
         {"|NickName:Z\xf6"
          "e7|Password:pw123|",
          "|Gender:False|", "|Age:11|", "|Country:United States|ProvState:New York|City:New York|",
          "|PlayerType:Primary School|School:\xc9"
          "cole Saint-Jean\r\n"})
        QVERIFY2(plain.contains(field), field);
}

QTEST_MAIN(TestFrmNewPlayer)
#include "tst_frmnewplayer.moc"
