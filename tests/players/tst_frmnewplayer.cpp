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
    addDataRow("name at most 12", "txtPlayerName", "abcdefghijklmnop", "abcdefghijkl", false);
    addDataRow("password", "txtPassword", "pa ss#w:1|", "passw1", false);
    addDataRow("password at most 10", "txtPassword", "0123456789ab", "0123456789", false);
    addDataRow("age digits only", "txtAge", "1a 2", "12", false);
    addDataRow("age at most 3", "txtAge", "12345", "123", false);
    addDataRow("pasted city joins words", "txtCity", "New York", "NewYork", true);
    addDataRow("pasted name loses separators", "txtPlayerName", "a|b:c<|>d", "abcd", true);
    addDataRow("pasted age", "txtAge", "4 2", "42", true);
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
        QTest::keyClicks(edit, typed);
    } else {
        QApplication::clipboard()->setText(typed);
        if (QApplication::clipboard()->text() == typed)
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        else
            edit->insert(typed); // what a paste does, where there is no clipboard
    }
    QCOMPARE(edit->text(), expected);
    // A key giving an accented letter is swallowed too.
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(edit, &accented);
    QCOMPARE(edit->text(), expected);
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
    QTest::keyClicks(control<QLineEdit>(window, "txtPlayerName"), QStringLiteral("Zoe 7"));
    QTest::keyClicks(control<QLineEdit>(window, "txtPassword"), QStringLiteral("pw123"));
    choose(control<QComboBox>(window, "cboPlayerType"), QStringLiteral("Primary School"));
    QTest::keyClicks(control<QLineEdit>(window, "txtSchoolName"), QStringLiteral("Oakwood"));
    QTest::keyClicks(control<QLineEdit>(window, "txtAge"), QStringLiteral("11"));
    QTest::mouseClick(control<QRadioButton>(window, "optGender_1"), Qt::LeftButton);
    choose(control<QComboBox>(window, "cboCountry"), QStringLiteral("United States"));
    choose(control<QComboBox>(window, "cboProvState"), QStringLiteral("New York"));
    QTest::keyClicks(control<QLineEdit>(window, "txtCity"), QStringLiteral("New York"));
    QTest::mouseClick(control<QLabel>(window, "lblMenu_0"), Qt::LeftButton);

    QVERIFY(boxes.shown().isEmpty());
    QCOMPARE(created, QStringList{QStringLiteral("Zoe7")});
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));

    // The typed details reach the file (its layout is tested with the record).
    const QByteArray plain = referenceUnscramble(folder.read(QStringLiteral("temp/Zoe7.dat")));
    for (const char* field : {"|NickName:Zoe7|Password:pw123|", "|Gender:False|", "|Age:11|",
                              "|Country:United States|ProvState:New York|City:NewYork|",
                              "|PlayerType:Primary School|School:Oakwood\r\n"})
        QVERIFY2(plain.contains(field), field);
}

QTEST_MAIN(TestFrmNewPlayer)
#include "tst_frmnewplayer.moc"
