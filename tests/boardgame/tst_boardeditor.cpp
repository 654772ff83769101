// The board editor driven by its controls on a board-game file of known
// content: three edits undone and the window closed without saving leaves the
// file as it was; a saved board passes `board check`, one with a refusal is
// not written; a CSV file's unusable row is marked in the preview; a
// recording from a stand-in microphone loses its silence.
#include "BoardTestFiles.h"
#include "TestSupport.h"

#include "boardgame/file/BoardFileWriter.h"
#include "boardgame/ui/BoardEditorPanes.h"
#include "boardgame/ui/PronunciationPanel.h"
#include "boardgame/ui/frmBoardEditor.h"
#include "boardgame/ui/frmBordFile.h"
#include "media/MediaFiles.h"

#include <QApplication>
#include <QBuffer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

class TestBoardEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void undoneEditsLeaveTheFileUntouched();
    void saveIsCheckedAndRefusalsStopIt();
    void csvPreviewMarksUnusableRows();
    void managerWaitsForItsEditors();

private:
    frmBoardEditor* open();
    // Makes the tree's row with this text the current one.
    void choose(frmBoardEditor& editor, const QString& text);

    std::unique_ptr<TempProgramFolder> m_home;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
    BoardEditorDialogs m_dialogs;
    QString m_path;
    QString m_chosenFile;
};

void TestBoardEditor::init() {
    m_home = std::make_unique<TempProgramFolder>();
    m_boxes = std::make_unique<MsgBoxRecorder>();
    m_path = m_home->file(QStringLiteral("data/Class.mdb"));
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    BoardFileWriter::WriteBoardFile(BoardTestFiles::content(), m_path);
    m_dialogs = BoardEditorDialogs::Standard();
    m_dialogs.openFile = [this](QWidget*, const QString&, const QString&) { return m_chosenFile; };
    m_dialogs.saveFile = m_dialogs.openFile;
    m_dialogs.askText = [](QWidget*, const QString&, const QString&, const QString&) {
        return QString();
    };
}

void TestBoardEditor::cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* editor = qobject_cast<frmBoardEditor*>(w)) {
            m_boxes->queueAnswer(MsgAnswer::No);
            editor->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_boxes.reset();
    m_home.reset();
}

frmBoardEditor* TestBoardEditor::open() {
    frmBoardEditor* editor = frmBoardEditor::StartEdit(nullptr, m_path, m_dialogs);
    if (editor) {
        editor->show();
        QApplication::setActiveWindow(editor);
        if (!QTest::qWaitForWindowActive(editor))
            return nullptr;
    }
    return editor;
}

void TestBoardEditor::choose(frmBoardEditor& editor, const QString& text) {
    const QList<QTreeWidgetItem*> found =
        editor.tvwBoard->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY2(found.size() == 1, qPrintable(text));
    editor.tvwBoard->setCurrentItem(found.first());
}

void TestBoardEditor::undoneEditsLeaveTheFileUntouched() {
    const QByteArray before = m_home->read(QStringLiteral("data/Class.mdb"));
    frmBoardEditor* editor = open();
    QVERIFY(editor);

    // 1: typing into a question.
    choose(*editor, QStringLiteral("Which word is a noun?"));
    auto* question = control<QPlainTextEdit>(*editor, QStringLiteral("txtQuestion"));
    question->setFocus();
    question->moveCursor(QTextCursor::End);
    QTest::keyClicks(question, QStringLiteral(" Pick one"));
    // 2: another choice made the right one.
    QTest::mouseClick(control<QRadioButton>(*editor, QStringLiteral("optRight_0")), Qt::LeftButton);
    QVERIFY(editor->Draft().Content().categories[0].questions[0].answers[0].right);

    // 3: a recording through a stand-in microphone: silence, a tone, silence.
    choose(*editor, QStringLiteral("garden"));
    QByteArray samples;
    for (int i = 0; i < 8000; ++i) {
        const qint16 v = i >= 3200 && i < 5200 ? qint16(i % 8 < 4 ? 12000 : -12000) : qint16(0);
        samples.append(reinterpret_cast<const char*>(&v), 2);
    }
    QBuffer microphone(&samples);
    microphone.open(QIODevice::ReadOnly);
    PronunciationPanel* panel = editor->paneWord->pronunciation;
    panel->StartRecording = [&microphone](PronunciationRecorder& recorder, QString*) {
        AudioFrames format;
        format.sampleRate = 8000;
        format.channels = 1;
        return recorder.RecordFrom(&microphone, format);
    };
    QTest::mouseClick(panel->cmdRecord, Qt::LeftButton);
    QVERIFY(panel->cmdStop->isEnabled());
    QTest::mouseClick(panel->cmdStop, Qt::LeftButton);
    MediaFiles::WaveData recorded;
    QVERIFY(MediaFiles::readWave(editor->Draft().Content().words[3].sound, recorded));
    // 2000 samples of tone (on 10 ms runs) and a margin each side; the
    // silence is gone.
    QCOMPARE(recorded.samples.size(), 2000 + 2 * 8 * PronunciationRecorder::kMarginMs);
    QVERIFY(m_boxes->shown().isEmpty());

    // Ctrl+Z three times, with the focus in a text box: the board's undo.
    panel->txtSayAs->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(panel->txtSayAs, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!editor->Draft().IsModified());
    const BoardContent original = BoardTestFiles::content();
    QCOMPARE(editor->Draft().Content().words[3].sound, original.words[3].sound);
    QCOMPARE(editor->Draft().Content().categories[0].questions[0].text,
             original.categories[0].questions[0].text);
    QVERIFY(editor->Draft().Content().categories[0].questions[0].answers[1].right);

    // Redone once, it asks on closing; Cancel keeps the window, No closes.
    QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(editor->Draft().IsModified());
    m_boxes->queueAnswer(MsgAnswer::Cancel);
    QVERIFY(!editor->close());
    QVERIFY(editor->isVisible());
    m_boxes->queueAnswer(MsgAnswer::No);
    QVERIFY(editor->close());
    QCOMPARE(m_boxes->shown().size(), 2);
    QCOMPARE(m_home->read(QStringLiteral("data/Class.mdb")), before);
}

void TestBoardEditor::saveIsCheckedAndRefusalsStopIt() {
    frmBoardEditor* editor = open();
    QVERIFY(editor);
    choose(*editor, QStringLiteral("window"));
    auto* definition = control<QPlainTextEdit>(*editor, QStringLiteral("txtWordDefinition"));
    // A definition that shows its word is refused: nothing is written.
    const QByteArray before = m_home->read(QStringLiteral("data/Class.mdb"));
    definition->selectAll();
    QTest::keyClicks(definition, QStringLiteral("A window in a wall."));
    QVERIFY(editor->lstItemFindings->count() > 0);
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_boxes->shown().size(), 1);
    QVERIFY(m_boxes->shown()[0].text.contains(QLatin1String("cannot be saved")));
    QCOMPARE(m_home->read(QStringLiteral("data/Class.mdb")), before);
    // Mended, it saves, and the file passes the manager's checks.
    definition->selectAll();
    QTest::keyClicks(definition, QStringLiteral("A pane of glass to look through."));
    QCOMPARE(editor->lstItemFindings->count(), 0);
    QSignalSpy saved(editor, &frmBoardEditor::Saved);
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(saved.size(), 1);
    QVERIFY(!editor->Draft().IsModified());
    const ToolRun check = runTool({QStringLiteral("board"), QStringLiteral("check"), m_path});
    QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
}

void TestBoardEditor::csvPreviewMarksUnusableRows() {
    m_chosenFile = m_home->file(QStringLiteral("words.csv"));
    QVERIFY(m_home->write(QStringLiteral("words.csv"),
                          "\xEF\xBB\xBFword;definition;level;difficulty\n"
                          "rabbit;A small animal with long ears.;primary;medium\n"
                          "pencil;;primary;easy\n"));
    frmBoardEditor* editor = open();
    QVERIFY(editor);
    QStringList rows;
    QTimer::singleShot(0, this, [&rows] {
        QWidget* preview = QApplication::activeModalWidget();
        QVERIFY(preview);
        auto* table = control<QTableWidget>(*preview, QStringLiteral("tblPreview"));
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 0)->text() + QLatin1Char(' ') + table->item(r, 3)->text();
        control<QPushButton>(*preview, QStringLiteral("cmdCancel"))->click();
    });
    editor->ImportCsv();
    QCOMPARE(rows.size(), 2);
    QVERIFY2(rows[0].startsWith(QLatin1String("2 OK")), qPrintable(rows[0]));
    QVERIFY2(rows[1].startsWith(QLatin1String("3 Cannot be used")), qPrintable(rows[1]));
    QVERIFY(!editor->Draft().IsModified()); // cancelled: nothing imported
}

void TestBoardEditor::managerWaitsForItsEditors() {
    frmBordFile manager;
    manager.EditorDialogs = m_dialogs;
    manager.show();
    QTest::mouseClick(control<QPushButton>(manager, QStringLiteral("cmdEditBoard")),
                      Qt::LeftButton);
    auto* editor = manager.findChild<frmBoardEditor*>();
    QVERIFY(editor && editor->isVisible());
    QVERIFY(editor->Draft().SetAuthor(QStringLiteral("Ms Smith")));
    // Closing the manager asks about the editor's changes; Cancel keeps both.
    m_boxes->queueAnswer(MsgAnswer::Cancel);
    manager.reject();
    QVERIFY(manager.isVisible());
    QVERIFY(editor->isVisible());
    m_boxes->queueAnswer(MsgAnswer::No);
    manager.reject();
    QVERIFY(!manager.isVisible());
    QCOMPARE(m_boxes->shown().size(), 2);
}

QTEST_MAIN(TestBoardEditor)
#include "tst_boardeditor.moc"
