#pragma once
// The board-file manager: lists the board-game files of the data folder with
// their checks, adds a file to the folder, makes one the current file and
// chooses how question squares use up their questions. Modal; the board window
// builds its board again from the setting "DataPath" once it has closed.
#include "boardgame/file/BoardFileCache.h"
#include "boardgame/file/BoardFileList.h"
#include "boardgame/ui/BoardEditorDialogs.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <memory>

class frmBoardEditor;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTextEdit;

class frmBordFile : public QDialog {
    Q_OBJECT
public:
    explicit frmBordFile(QWidget* owner = nullptr);

    // Shows the manager modally over owner ("Set Game File", or no board
    // file at start-up). True when a file was made the current one.
    static bool ShowBordFile(QWidget* owner);

    // The file dialog: given the window and the filter, the chosen path or ""
    // when cancelled. Tests put their own here.
    using FileDialog = std::function<QString(QWidget* parent, const QString& filter)>;
    FileDialog CommonDialog1;

    // Lists the files at once: remembered checks are shown, the others are
    // filled in as a worker finishes them (see BoardFileCache.h).
    void FormatFlexData();
    const QList<BoardFileRow>& Rows() const { return m_rows; }
    // Waits for the checks still running and shows them.
    void FinishChecks();

    void cmdSetBoardGame_Click();
    void cmdAddBoardFile_Click();
    void cmdHomePage_Click();
    void optQuestionPool_Click();
    void optSpeech_Click();
    // The board editor, a window of its own over the manager, on a new board
    // or on the chosen file; its saves show in the list at once.
    void cmdNewBoard_Click();
    void cmdEditBoard_Click();
    // The dialogs the editor asks through (tests answer them).
    BoardEditorDialogs EditorDialogs = BoardEditorDialogs::Standard();

    QLabel* lblFormCaption = nullptr;
    QLabel* lblClose = nullptr;
    QTableWidget* FlexData = nullptr;
    QLabel* lblFileName = nullptr;
    QLabel* Label1 = nullptr;
    QTextEdit* txtDescription = nullptr;
    QPushButton* cmdSetBoardGame = nullptr;
    QPushButton* cmdAddBoardFile = nullptr;
    QPushButton* cmdHomePage = nullptr;
    QPushButton* cmdNewBoard = nullptr;
    QPushButton* cmdEditBoard = nullptr;
    QLabel* lblEditor = nullptr;
    QList<QRadioButton*> optQuestionPool; // 0 and 1
    QList<QRadioButton*> optSpeech;       // 0 British, 1 American English

protected:
    // Open editors close first; one whose teacher cancels keeps the manager.
    void done(int result) override;

private:
    void BuildControls();
    void ShowEditor(frmBoardEditor* editor);
    void FlexData_CellChanged(int row, int column, int previousRow, int previousColumn);
    void SetCellColour(int row, int column, quint32 bgr);
    void FileChecked(const QFileInfo& file, const BoardFileCheck& check);
    void FillRow(int row);

    QList<BoardFileRow> m_rows;
    QFileInfoList m_files;   // the file of each row
    QStringList m_unchecked; // paths whose checks have not arrived
    std::unique_ptr<BoardFileCheckRun> m_checks;
    bool m_chosen = false;
};
