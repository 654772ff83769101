#include "boardgame/ui/frmBordFile.h"

#include "boardgame/file/BoardFileChecks.h"
#include "boardgame/file/BoardSettings.h"
#include "boardgame/ui/BordFileLook.h"
#include "boardgame/ui/frmBoardEditor.h"
#include "shell/MsgBox.h"
#include "shell/WebAddresses.h"
#include "shell/ui/WebLinks.h"
#include "shell/ui/WindowChrome.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>

using namespace BordFileLook;

namespace {

const QString kTitle = QStringLiteral("Board Game");
enum Column { Mark, Name, Size, Board, Easy, Medium, Hard, Questions, Description, Columns };

QString DefaultFileDialog(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Add Board File"), QString(),
                                        filter);
}

} // namespace

frmBordFile::frmBordFile(QWidget* owner) : QDialog(owner), CommonDialog1(DefaultFileDialog) {
    setObjectName(QStringLiteral("frmBordFile"));
    setWindowTitle(QStringLiteral("Board-Game Files"));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    BuildControls();
    // Loading: caption, the grid, the pointer and the question-pool rule.
    lblFormCaption->setText(QStringLiteral("Set Board-Game File...Current file is '") +
                            BoardSettings::CurrentDataPath() + QStringLiteral("'"));
    FormatFlexData();
    WindowChrome::MakeFrameless(this);
    const bool everyTime = BoardSettings::QuestionFilter();
    optQuestionPool[0]->setChecked(everyTime);
    optQuestionPool[1]->setChecked(!everyTime);
    const bool american = BoardSettings::AmericanSpeech();
    optSpeech[0]->setChecked(!american);
    optSpeech[1]->setChecked(american);
}

bool frmBordFile::ShowBordFile(QWidget* owner) {
    frmBordFile manager(owner);
    manager.exec();
    return manager.m_chosen;
}

void frmBordFile::BuildControls() {
    WindowChrome::SetBackground(this, Paper());
    const WindowChrome::CaptionBar bar =
        WindowChrome::AddCaptionStrip(this, QString(), kCaptionHeight);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    lblFormCaption->setContentsMargins(10, 0, 0, 0);
    WindowChrome::SetBackground(lblFormCaption, Paper());
    lblClose->raise();
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QDialog::reject);

    FlexData = new QTableWidget(this);
    FlexData->setObjectName(QStringLiteral("FlexData"));
    FlexData->setGeometry(kGrid);
    FlexData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FlexData->setSelectionMode(QAbstractItemView::NoSelection);
    FlexData->verticalHeader()->hide();
    FlexData->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    FlexData->setWordWrap(false);
    QFont gridFont = FlexData->font();
    gridFont.setPointSize(kGridPointSize);
    FlexData->setFont(gridFont);
    FlexData->horizontalHeader()->setFont(gridFont);
    FlexData->horizontalHeader()->setHighlightSections(false);
    WindowChrome::AttachPressPointer(FlexData->viewport());
    connect(FlexData, &QTableWidget::currentCellChanged, this, &frmBordFile::FlexData_CellChanged);

    QFont bold = font();
    bold.setBold(true);
    lblFileName = WindowChrome::MakeLabel(this, "lblFileName");
    lblFileName->setGeometry(kFileName);
    lblFileName->setFont(bold);
    lblFileName->setTextFormat(Qt::PlainText);
    Label1 = WindowChrome::MakeLabel(this, "Label1", QStringLiteral("Description"));
    Label1->setGeometry(kDescriptionLabel);
    txtDescription = new QTextEdit(this);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    txtDescription->setGeometry(kDescription);
    txtDescription->setReadOnly(true);
    txtDescription->setAcceptRichText(false);

    auto button = [this](const char* name, const QString& caption, const QRect& place) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(place);
        WindowChrome::AttachPressPointer(b);
        return b;
    };
    cmdSetBoardGame =
        button("cmdSetBoardGame", QStringLiteral("Set Game-Board File To ->>"), kSetButton);
    cmdAddBoardFile = button("cmdAddBoardFile", QStringLiteral("Add Board File"), kAddButton);
    cmdHomePage = button("cmdHomePage", QStringLiteral("Check for new game files"), kHomeButton);
    connect(cmdSetBoardGame, &QPushButton::clicked, this, &frmBordFile::cmdSetBoardGame_Click);
    connect(cmdAddBoardFile, &QPushButton::clicked, this, &frmBordFile::cmdAddBoardFile_Click);
    connect(cmdHomePage, &QPushButton::clicked, this, &frmBordFile::cmdHomePage_Click);
    cmdNewBoard = button("cmdNewBoard", QStringLiteral("New Board..."), kNewBoard);
    cmdEditBoard = button("cmdEditBoard", QStringLiteral("Edit Board..."), kEditBoard);
    connect(cmdNewBoard, &QPushButton::clicked, this, &frmBordFile::cmdNewBoard_Click);
    connect(cmdEditBoard, &QPushButton::clicked, this, &frmBordFile::cmdEditBoard_Click);

    lblEditor = WindowChrome::MakeLabel(
        this, "lblEditor",
        QStringLiteral("With the Editor Software you can create your own Board-Game file. Click "
                       "to find out more!"));
    lblEditor->setGeometry(kEditor);
    lblEditor->setWordWrap(true);
    QPalette link = lblEditor->palette();
    link.setColor(QPalette::WindowText, Link());
    lblEditor->setPalette(link);
    connect(WindowChrome::AttachLabelButton(lblEditor), &WindowChrome::LabelButton::clicked, this,
            &frmBordFile::cmdHomePage_Click);
    // Both lead to the vendor's site: without one they would lead nowhere.
    cmdHomePage->setVisible(WebLinks::HasWebSite());
    lblEditor->setVisible(WebLinks::HasWebSite());

    const QString captions[2] = {
        QStringLiteral("Remove question from list every time."),
        QStringLiteral("Only remove question from list, if a player answered correctly.")};
    const QRect places[2] = {kPoolFirst, kPoolSecond};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions[i], this);
        option->setObjectName(QStringLiteral("optQuestionPool_%1").arg(i));
        option->setGeometry(places[i]);
        WindowChrome::AttachPressPointer(option);
        connect(option, &QRadioButton::clicked, this, &frmBordFile::optQuestionPool_Click);
        optQuestionPool.append(option);
    }
    // A group of their own, so that they do not take turns with the pool rule.
    auto* speech = new QWidget(this);
    speech->setObjectName(QStringLiteral("fraSpeech"));
    speech->setGeometry(kSpeech);
    const QString voices[2] = {QStringLiteral("British English speech"),
                               QStringLiteral("American English speech")};
    const QRect voicePlaces[2] = {kSpeechFirst, kSpeechSecond};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(voices[i], speech);
        option->setObjectName(QStringLiteral("optSpeech_%1").arg(i));
        option->setGeometry(voicePlaces[i]);
        WindowChrome::AttachPressPointer(option);
        connect(option, &QRadioButton::clicked, this, &frmBordFile::optSpeech_Click);
        optSpeech.append(option);
    }
}

void frmBordFile::FormatFlexData() {
    m_checks.reset();
    m_rows.clear();
    m_files.clear();
    m_unchecked.clear();
    QFileInfoList toCheck;
    for (const QFileInfo& file : BoardFileCandidates(BoardDataFolders())) {
        const std::optional<BoardFileCheck> known = BoardFileCache::Remembered(file);
        if (known && !known->usable)
            continue;
        BoardFileRow row;
        if (known) {
            row = known->row;
        } else {
            // Listed now, checked meanwhile; a file that proves unusable goes.
            row.fileName = file.fileName();
            row.sizeText = BoardFileSizeText(file.size());
            toCheck << file;
            m_unchecked << file.absoluteFilePath();
        }
        m_rows << row;
        m_files << file;
    }

    QSignalBlocker quiet(FlexData);
    FlexData->clear();
    FlexData->setColumnCount(Columns);
    FlexData->setRowCount(int(m_rows.size()));
    FlexData->setHorizontalHeaderLabels(
        {QString(), QStringLiteral("File Name"), QStringLiteral("File Size"),
         QStringLiteral("Board Errors"), QStringLiteral("Spell Easy"),
         QStringLiteral("Spell Medium"), QStringLiteral("Spell Hard"), QStringLiteral("Questions"),
         QStringLiteral("Def")});
    for (int c = 0; c < Columns; ++c)
        FlexData->setColumnWidth(c, kColumnTwips[c] / kTwipsPerPixel);
    FlexData->setColumnHidden(Description, true);
    for (int r = 0; r < m_rows.size(); ++r) {
        for (int c = 0; c < Columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setBackground(WindowChrome::ColorFromBgr(kOtherCell));
            FlexData->setItem(r, c, item);
        }
        FillRow(r);
    }
    lblFileName->clear();
    txtDescription->clear();
    if (!toCheck.isEmpty()) {
        m_checks = std::make_unique<BoardFileCheckRun>(toCheck);
        connect(m_checks.get(), &BoardFileCheckRun::Checked, this, &frmBordFile::FileChecked);
    }
    if (m_rows.isEmpty()) {
        // Nothing listed: the header in the button face colour, nothing chosen.
        FlexData->horizontalHeader()->setStyleSheet(
            QStringLiteral("QHeaderView::section { background-color: palette(button); }"));
        FlexData->setCurrentCell(-1, -1);
        return;
    }
    FlexData->horizontalHeader()->setStyleSheet(QString());
    FlexData->setCurrentCell(-1, -1);
    quiet.unblock(); // the first row is chosen with the look of a chosen row
    FlexData->setCurrentCell(0, Name);
}

void frmBordFile::FillRow(int r) {
    const BoardFileRow& row = m_rows.at(r);
    const QString cells[Columns] = {QString(),       row.fileName,  row.sizeText,
                                    row.boardErrors, row.spellEasy, row.spellMedium,
                                    row.spellHard,   row.questions, row.description};
    for (int c = Name; c < Columns; ++c)
        FlexData->item(r, c)->setText(cells[c]);
}

void frmBordFile::FileChecked(const QFileInfo& file, const BoardFileCheck& check) {
    BoardFileCache::Remember(file, check);
    m_unchecked.removeAll(file.absoluteFilePath());
    const int r = int(m_files.indexOf(file));
    if (r < 0)
        return;
    if (check.usable) {
        m_rows[r] = check.row;
        FillRow(r);
        if (FlexData->currentRow() == r)
            txtDescription->setPlainText(check.row.description);
        return;
    }
    // Not a board-game file after all: it is not listed.
    const bool wasCurrent = FlexData->currentRow() == r;
    m_rows.removeAt(r);
    m_files.removeAt(r);
    {
        QSignalBlocker quiet(FlexData);
        FlexData->removeRow(r);
        if (wasCurrent)
            FlexData->setCurrentCell(-1, -1);
    }
    if (m_rows.isEmpty()) {
        lblFileName->clear();
        txtDescription->clear();
        FlexData->horizontalHeader()->setStyleSheet(
            QStringLiteral("QHeaderView::section { background-color: palette(button); }"));
    } else if (wasCurrent) {
        FlexData->setCurrentCell(std::min(r, int(m_rows.size()) - 1), Name);
    }
}

void frmBordFile::FinishChecks() {
    if (m_checks)
        m_checks->Finish();
}

void frmBordFile::SetCellColour(int row, int column, quint32 bgr) {
    if (QTableWidgetItem* item = FlexData->item(row, column))
        item->setBackground(WindowChrome::ColorFromBgr(bgr));
}

void frmBordFile::FlexData_CellChanged(int row, int column, int previousRow, int previousColumn) {
    if (previousRow >= 0 && previousColumn >= 0) {
        SetCellColour(previousRow, previousColumn, kOtherCell);
        if (QTableWidgetItem* mark = FlexData->item(previousRow, Mark))
            mark->setText(QString());
    }
    if (row < 0 || row >= m_rows.size())
        return;
    SetCellColour(row, column, kCurrentCell);
    FlexData->item(row, Mark)->setText(QStringLiteral("*"));
    lblFileName->setText(m_rows.at(row).fileName);
    txtDescription->setPlainText(m_rows.at(row).description);
}

void frmBordFile::cmdSetBoardGame_Click() {
    const int row = FlexData->currentRow();
    // With no file listed there is nothing to choose (the header is no file).
    if (row < 0 || row >= m_rows.size())
        return;
    if (m_unchecked.contains(m_files.at(row).absoluteFilePath())) {
        // Its checks decide whether it may be chosen: they are made now.
        const QFileInfo file = m_files.at(row);
        BoardFileCheck check;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (std::optional<BoardFileRow> checked = CheckBoardFile(file)) {
            check.usable = true;
            check.row = *checked;
        }
        QApplication::restoreOverrideCursor();
        FileChecked(file, check);
        if (!check.usable)
            return; // it is no longer listed
    }
    if (!m_rows.at(row).CanBeChosen()) {
        MsgBox(QStringLiteral("Board errors in this file. Contact the person who made the file "
                              "for support."),
               MsgButtons::OK, kTitle, MsgIcon::Exclamation, this);
        return;
    }
    BoardSettings::SaveDataPath(m_rows.at(row).fileName);
    m_chosen = true;
    accept();
}

void frmBordFile::cmdAddBoardFile_Click() {
    const QString path = CommonDialog1
                             ? CommonDialog1(this, QStringLiteral("Board Game Files (*.mdb *.MDB)"))
                             : QString();
    if (path.isEmpty())
        return; // cancelled
    switch (AddBoardFile(path, BoardDataFolder(), BoardDataFolders())) {
    case AddBoardFileResult::NameClash:
        MsgBox(QStringLiteral("Please rename the file. Found a file with the same name."),
               MsgButtons::OK, kTitle, MsgIcon::Exclamation, this);
        return;
    case AddBoardFileResult::NotUsable:
        MsgBox(QStringLiteral("Invalid file or is marked as hidden to the user..."), MsgButtons::OK,
               kTitle, MsgIcon::Exclamation, this);
        return;
    case AddBoardFileResult::BadName:
        MsgBox(QStringLiteral("Please rename the file. A board-game file name may not hold : | < "
                              "> or letters outside the Western European alphabets."),
               MsgButtons::OK, kTitle, MsgIcon::Exclamation, this);
        return;
    case AddBoardFileResult::CopyFailed:
        MsgBox(QStringLiteral("The file could not be copied into the data folder. Nothing was "
                              "changed."),
               MsgButtons::OK, kTitle, MsgIcon::Exclamation, this);
        return;
    case AddBoardFileResult::Added:
        break;
    }
    FormatFlexData();
    // The new file is the one the player wants to look at next.
    const QString name = QFileInfo(path).fileName();
    for (int r = 0; r < m_rows.size(); ++r) {
        if (m_rows.at(r).fileName == name)
            FlexData->setCurrentCell(r, Name);
    }
}

void frmBordFile::optSpeech_Click() {
    BoardSettings::SetAmericanSpeech(optSpeech[1]->isChecked());
}

void frmBordFile::optQuestionPool_Click() {
    BoardSettings::SetQuestionFilter(optQuestionPool[0]->isChecked());
}

void frmBordFile::cmdHomePage_Click() {
    WebLinks::OpenVendorPage(WebAddresses::kBoardLobbyPath, this);
}

void frmBordFile::cmdNewBoard_Click() {
    ShowEditor(frmBoardEditor::StartNew(this, EditorDialogs));
}

void frmBordFile::cmdEditBoard_Click() {
    const int row = FlexData->currentRow();
    if (row < 0 || row >= m_files.size())
        return;
    ShowEditor(frmBoardEditor::StartEdit(this, m_files.at(row).absoluteFilePath(), EditorDialogs));
}

void frmBordFile::ShowEditor(frmBoardEditor* editor) {
    if (!editor)
        return;
    // A copy made to edit is a new file of the list already.
    FormatFlexData();
    connect(editor, &frmBoardEditor::Saved, this, [this](const QString& path) {
        FormatFlexData();
        const QString name = QFileInfo(path).fileName();
        for (int r = 0; r < m_rows.size(); ++r) {
            if (m_rows.at(r).fileName == name)
                FlexData->setCurrentCell(r, Name);
        }
    });
    editor->show();
    editor->activateWindow();
}

void frmBordFile::done(int result) {
    for (frmBoardEditor* editor : findChildren<frmBoardEditor*>(Qt::FindDirectChildrenOnly)) {
        if (editor->isVisible() && !editor->close())
            return;
    }
    QDialog::done(result);
}
