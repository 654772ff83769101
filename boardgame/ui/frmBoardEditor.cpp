#include "boardgame/ui/frmBoardEditor.h"

#include "boardgame/file/BoardFileList.h"
#include "boardgame/file/BoardFileReader.h"
#include "boardgame/file/BoardSettings.h"
#include "boardgame/ui/BoardEditorLook.h"
#include "boardgame/ui/BoardEditorPanes.h"
#include "boardgame/ui/CsvImportPreview.h"
#include "media/Pronunciation.h"
#include "players/ClassPlayerInfo.h"
#include "shell/MsgBox.h"
#include "shell/ProgramFolder.h"
#include "shell/ui/WindowChrome.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace BoardEditorLook;

namespace {

const QString kTitle = QStringLiteral("Board Editor");
enum Role { NodeRole = Qt::UserRole, ARole, BRole };

BoardDraftHooks voiceHooks() {
    BoardDraftHooks hooks;
    hooks.speak = [](const QString& text, QString* error) {
        return Pronunciation::Speak(text, Pronunciation::kBritish, error);
    };
    hooks.speakAmerican = [](const QString& text, QString* error) {
        return Pronunciation::Speak(text, Pronunciation::kAmerican, error);
    };
    return hooks;
}

QString difficultyCaption(const BoardContent& c, int code) {
    static const char* names[] = {"Spelling easy", "Spelling medium", "Spelling hard"};
    const QString caption = c.spellingCaptions.value(code);
    const QString name = QLatin1String(names[-code - 1]);
    return caption.isEmpty() || caption == name
               ? name
               : name + QStringLiteral(" (") + caption + QLatin1Char(')');
}

// Asks for a new board's file name until it is free and one a player file can
// name; the full path in the user's data folder, "" when cancelled.
QString askBoardPath(QWidget* parent, const BoardEditorDialogs& dialogs, const QString& label,
                     QString suggestion) {
    for (;;) {
        QString name = dialogs.askText(parent, kTitle, label, suggestion).trimmed();
        if (name.isEmpty())
            return QString();
        if (!name.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
            name += QStringLiteral(".mdb");
        const QString path = QDir(BoardDataFolder()).filePath(name);
        QString why;
        if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
            !ClassPlayerInfo::CanHoldBoardName(name))
            why = QStringLiteral("A board-game file name may not hold / \\ : | < > or letters "
                                 "outside the Western European alphabets.");
        for (const QString& folder : BoardDataFolders()) {
            if (why.isEmpty() && QFileInfo::exists(QDir(folder).filePath(name)))
                why = QStringLiteral("There is already a board called '%1'. Choose another "
                                     "name.")
                          .arg(name);
        }
        if (why.isEmpty()) {
            QDir().mkpath(BoardDataFolder());
            return path;
        }
        MsgBox(why, MsgButtons::OK, kTitle, MsgIcon::Exclamation, parent);
        suggestion = name;
    }
}

} // namespace

BoardEditorDialogs BoardEditorDialogs::Standard() {
    BoardEditorDialogs d;
    d.openFile = [](QWidget* parent, const QString& title, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, title, QString(), filter);
    };
    d.saveFile = [](QWidget* parent, const QString& title, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, title, BoardDataFolder(), filter);
    };
    d.askText = [](QWidget* parent, const QString& title, const QString& label,
                   const QString& suggestion) {
        return QInputDialog::getText(parent, title, label, QLineEdit::Normal, suggestion);
    };
    return d;
}

frmBoardEditor::frmBoardEditor(QWidget* owner, BoardEditorDialogs dialogs)
    : QWidget(owner, Qt::Window), m_dialogs(std::move(dialogs)), m_draft(voiceHooks()) {
    setObjectName(QStringLiteral("frmBoardEditor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitle);
    resize(kWindow);
    buildControls();
    buildMenus();
    WindowChrome::MakeFrameless(this);
    // The window's Undo and Redo are the board's: the text boxes' own would
    // take back keystrokes the board already holds.
    for (QWidget* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
    for (QPlainTextEdit* box : findChildren<QPlainTextEdit*>()) {
        box->setUndoRedoEnabled(false);
        box->installEventFilter(this);
    }
}

frmBoardEditor::~frmBoardEditor() {
    Pronunciation::Stop();
}

void frmBoardEditor::buildControls() {
    WindowChrome::SetBackground(this, Paper());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 4, 8, 8);
    const WindowChrome::CaptionBar bar = WindowChrome::AddCaptionBar(this, kTitle);
    lblFormCaption = bar.caption;
    lblClose = bar.close;
    connect(bar.closeButton, &WindowChrome::LabelButton::clicked, this, &QWidget::close);
    column->addLayout(WindowChrome::CaptionRow(bar));
    mnuBar = new QMenuBar(this);
    mnuBar->setObjectName(QStringLiteral("mnuBar"));
    column->addWidget(mnuBar);

    auto* split = new QSplitter(Qt::Horizontal, this);
    auto* left = new QWidget(split);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    tvwBoard = new QTreeWidget(left);
    tvwBoard->setObjectName(QStringLiteral("tvwBoard"));
    tvwBoard->setAccessibleName(QStringLiteral("Board contents"));
    tvwBoard->setHeaderHidden(true);
    tvwBoard->setMinimumWidth(kTreeWidth);
    cmdFindings = new QPushButton(left);
    cmdFindings->setObjectName(QStringLiteral("cmdFindings"));
    WindowChrome::AttachPressPointer(cmdFindings);
    leftColumn->addWidget(tvwBoard);
    leftColumn->addWidget(cmdFindings);

    auto* right = new QWidget(split);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    stkPanes = new QStackedWidget(right);
    stkPanes->setObjectName(QStringLiteral("stkPanes"));
    paneBoard = new BoardPropertiesPane(m_draft, m_dialogs, stkPanes);
    paneGroup = new GroupPane(m_draft, m_dialogs, stkPanes);
    paneCategory = new CategoryPane(m_draft, m_dialogs, stkPanes);
    paneQuestion = new QuestionPane(m_draft, m_dialogs, stkPanes);
    paneWord = new WordPane(m_draft, m_dialogs, stkPanes);
    for (BoardEditorPane* pane : std::initializer_list<BoardEditorPane*>{
             paneBoard, paneGroup, paneCategory, paneQuestion, paneWord}) {
        stkPanes->addWidget(pane);
        connect(pane, &BoardEditorPane::Edited, this, &frmBoardEditor::edited);
    }
    lstItemFindings = new QListWidget(right);
    lstItemFindings->setObjectName(QStringLiteral("lstItemFindings"));
    lstItemFindings->setAccessibleName(QStringLiteral("Findings about this item"));
    lstItemFindings->setMaximumHeight(110);
    lstItemFindings->setWordWrap(true);
    rightColumn->addWidget(stkPanes, 1);
    rightColumn->addWidget(WindowChrome::MakeLabel(right, "lblItemFindings",
                                                   QStringLiteral("What the checks find here:")));
    rightColumn->addWidget(lstItemFindings);
    split->setStretchFactor(1, 1);

    lstFindings = new QListWidget(this);
    lstFindings->setObjectName(QStringLiteral("lstFindings"));
    lstFindings->setAccessibleName(QStringLiteral("All findings"));
    lstFindings->setMaximumHeight(150);
    lstFindings->setWordWrap(true);
    lstFindings->hide();
    column->addWidget(split, 1);
    column->addWidget(lstFindings);

    connect(tvwBoard, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item)
            return;
        m_draft.SealEdit();
        showPane(nodeOf(item));
    });
    connect(cmdFindings, &QPushButton::clicked, this, &frmBoardEditor::ToggleFindings);
    auto jump = [this](QListWidgetItem* item) {
        const NodeRef ref{Node(item->data(NodeRole).toInt()), item->data(ARole).toInt(),
                          item->data(BRole).toInt()};
        select(ref);
    };
    connect(lstFindings, &QListWidget::itemActivated, this, jump);
    connect(lstFindings, &QListWidget::itemClicked, this, jump);
    connect(paneGroup, &GroupPane::Added, this, [this](bool word, int index) {
        select(word ? NodeRef{Node::Word, index} : NodeRef{Node::Category, index});
        // The new item's first field, ready for typing.
        QLineEdit* first = word ? paneWord->txtWord : paneCategory->txtCategoryName;
        first->setFocus();
        first->selectAll();
    });
    connect(paneCategory, &CategoryPane::QuestionAdded, this, [this](int category, int question) {
        select({Node::Question, category, question});
        paneQuestion->txtQuestion->setFocus();
    });
}

void frmBoardEditor::buildMenus() {
    QMenu* file = mnuBar->addMenu(QStringLiteral("&File"));
    actSave = file->addAction(QStringLiteral("&Save"), this, &frmBoardEditor::Save);
    actSave->setShortcut(QKeySequence::Save);
    actSaveAs = file->addAction(QStringLiteral("Save &As..."), this, &frmBoardEditor::SaveAs);
    file->addSeparator();
    actImport = file->addAction(QStringLiteral("&Import CSV..."), this, &frmBoardEditor::ImportCsv);
    actExport =
        file->addAction(QStringLiteral("&Export source..."), this, &frmBoardEditor::ExportSource);
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"), this, &QWidget::close);
    QMenu* edit = mnuBar->addMenu(QStringLiteral("&Edit"));
    actUndo = edit->addAction(QStringLiteral("&Undo"), this, &frmBoardEditor::Undo);
    actUndo->setShortcut(QKeySequence::Undo);
    actRedo = edit->addAction(QStringLiteral("&Redo"), this, &frmBoardEditor::Redo);
    actRedo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    QMenu* view = mnuBar->addMenu(QStringLiteral("&View"));
    actFindings =
        view->addAction(QStringLiteral("All &findings"), this, &frmBoardEditor::ToggleFindings);
    actFindings->setShortcut(QKeySequence(Qt::Key_F8));
    QAction* tree =
        view->addAction(QStringLiteral("Board &contents"), this, [this] { tvwBoard->setFocus(); });
    tree->setShortcut(QKeySequence(Qt::Key_F6));
    // The shortcuts work wherever the focus is in the window.
    for (QAction* action : {actSave, actUndo, actRedo, actFindings, tree}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    actSave->setObjectName(QStringLiteral("actSave"));
    actUndo->setObjectName(QStringLiteral("actUndo"));
    actRedo->setObjectName(QStringLiteral("actRedo"));
}

bool frmBoardEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y))
            return true; // not taken by the box: the window's shortcut runs
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Opening ----

frmBoardEditor* frmBoardEditor::StartNew(QWidget* owner, const BoardEditorDialogs& dialogs) {
    const QString path = askBoardPath(owner, dialogs, QStringLiteral("Name of the new board:"),
                                      QStringLiteral("My board"));
    if (path.isEmpty())
        return nullptr;
    BoardContent model;
    try {
        model = BoardFileReader::ReadBoardFile(
            ProgramFolder::resolve(QStringLiteral("\\data\\SpellingGrammar.mdb")));
    } catch (const dao::DaoError& e) {
        MsgBox(QStringLiteral("The default board, whose squares a new board takes, cannot be "
                              "read: %1")
                   .arg(e.Description()),
               MsgButtons::OK, kTitle, MsgIcon::Critical, owner);
        return nullptr;
    }
    auto* editor = new frmBoardEditor(owner, dialogs);
    editor->m_draft.NewFrom(BoardDraft::SquaresAndKinds(model), path);
    editor->m_draft.SetDescription(QFileInfo(path).completeBaseName());
    editor->ShowDraft();
    return editor;
}

frmBoardEditor* frmBoardEditor::StartEdit(QWidget* owner, const QString& path,
                                          const BoardEditorDialogs& dialogs) {
    const QFileInfo file(path);
    const QString userData = QFileInfo(BoardDataFolder()).canonicalFilePath();
    const bool shipped = file.canonicalPath() != userData || !file.isWritable();
    const QString inPlay = BoardSettings::CurrentBoardFilePath();
    const bool playing =
        !inPlay.isEmpty() && QFileInfo(inPlay).canonicalFilePath() == file.canonicalFilePath();
    auto editor = std::make_unique<frmBoardEditor>(owner, dialogs);
    editor->FileInPlay = inPlay;
    QString error;
    if (shipped || playing) {
        const QString copy = askBoardPath(
            owner, dialogs,
            shipped ? QStringLiteral("'%1' came with the game and stays as it is. Name of your "
                                     "copy to edit:")
                          .arg(file.fileName())
                    : QStringLiteral("'%1' is the board the game has open. Name of the copy to "
                                     "edit:")
                          .arg(file.fileName()),
            QStringLiteral("My ") + file.completeBaseName());
        if (copy.isEmpty())
            return nullptr;
        if (!editor->m_draft.OpenCopy(path, copy, &error)) {
            MsgBox(QStringLiteral("The board cannot be copied: %1").arg(error), MsgButtons::OK,
                   kTitle, MsgIcon::Exclamation, owner);
            return nullptr;
        }
    } else if (!editor->m_draft.Open(path, &error)) {
        MsgBox(QStringLiteral("'%1' cannot be edited: %2").arg(file.fileName(), error),
               MsgButtons::OK, kTitle, MsgIcon::Exclamation, owner);
        return nullptr;
    }
    editor->ShowDraft();
    return editor.release();
}

void frmBoardEditor::ShowDraft() {
    rebuildTree();
    select({Node::Board});
    refreshFindings();
    refreshState();
}

// ---- The tree ----

frmBoardEditor::NodeRef frmBoardEditor::nodeOf(const QTreeWidgetItem* item) {
    return {Node(item->data(0, NodeRole).toInt()), item->data(0, ARole).toInt(),
            item->data(0, BRole).toInt()};
}

frmBoardEditor::NodeRef frmBoardEditor::nodeFor(const BoardItemRef& item) {
    switch (item.kind) {
    case BoardItemKind::Board:
        return {Node::Board};
    case BoardItemKind::Kind:
        return {Node::Kind, item.squareKind};
    case BoardItemKind::Category:
        return {Node::Category, item.category};
    case BoardItemKind::Question:
    case BoardItemKind::Answer:
        return {Node::Question, item.category, item.question};
    case BoardItemKind::Word:
        return {Node::Word, item.word};
    }
    return {};
}

BoardItemRef frmBoardEditor::itemOf(const NodeRef& ref) {
    switch (ref.node) {
    case Node::Kind:
        return BoardItemRef::Kind(ref.a);
    case Node::Category:
        return BoardItemRef::Category(ref.a);
    case Node::Question:
        return BoardItemRef::Question(ref.a, ref.b);
    case Node::Word:
        return BoardItemRef::Word(ref.a);
    case Node::Board:
    case Node::Spelling:
        break;
    }
    return BoardItemRef::Board();
}

QString frmBoardEditor::label(const NodeRef& ref) const {
    const BoardContent& c = m_draft.Content();
    auto orNew = [](const QString& text, const QString& empty) {
        const QString line = text.simplified();
        return line.isEmpty()                  ? empty
               : line.size() > kTreeTextLength ? line.left(kTreeTextLength) + QStringLiteral("...")
                                               : line;
    };
    switch (ref.node) {
    case Node::Board:
        return QStringLiteral("Board: ") + QFileInfo(m_draft.Path()).fileName();
    case Node::Kind:
        return QStringLiteral("Questions: ") + c.questionKinds.value(ref.a);
    case Node::Category:
        return orNew(c.categories[ref.a].name, QStringLiteral("(category without a name)"));
    case Node::Question:
        return orNew(c.categories[ref.a].questions[ref.b].text, QStringLiteral("(new question)"));
    case Node::Spelling:
        return difficultyCaption(c, ref.a);
    case Node::Word:
        return orNew(c.words[ref.a].word, QStringLiteral("(new word)"));
    }
    return QString();
}

QTreeWidgetItem* frmBoardEditor::addNode(QTreeWidgetItem* parent, const NodeRef& ref,
                                         const QString& text) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tvwBoard);
    item->setText(0, text);
    item->setData(0, NodeRole, int(ref.node));
    item->setData(0, ARole, ref.a);
    item->setData(0, BRole, ref.b);
    return item;
}

void frmBoardEditor::rebuildTree() {
    const QSignalBlocker quiet(tvwBoard);
    tvwBoard->clear();
    const BoardContent& c = m_draft.Content();
    addNode(nullptr, {Node::Board}, label({Node::Board}));
    for (auto kind = c.questionKinds.cbegin(); kind != c.questionKinds.cend(); ++kind) {
        QTreeWidgetItem* k =
            addNode(nullptr, {Node::Kind, kind.key()}, label({Node::Kind, kind.key()}));
        for (int ci = 0; ci < c.categories.size(); ++ci) {
            if (c.categories[ci].kind != kind.key())
                continue;
            QTreeWidgetItem* cat = addNode(k, {Node::Category, ci}, label({Node::Category, ci}));
            for (int qi = 0; qi < c.categories[ci].questions.size(); ++qi)
                addNode(cat, {Node::Question, ci, qi}, label({Node::Question, ci, qi}));
        }
    }
    for (int code = -1; code >= -3; --code) {
        QTreeWidgetItem* s =
            addNode(nullptr, {Node::Spelling, code}, label({Node::Spelling, code}));
        for (int wi = 0; wi < c.words.size(); ++wi) {
            if (c.words[wi].level == code)
                addNode(s, {Node::Word, wi}, label({Node::Word, wi}));
        }
    }
    tvwBoard->expandToDepth(0);
}

QTreeWidgetItem* frmBoardEditor::findNode(const NodeRef& ref) const {
    for (QTreeWidgetItemIterator it(tvwBoard); *it; ++it) {
        if (nodeOf(*it) == ref)
            return *it;
    }
    return nullptr;
}

void frmBoardEditor::select(const NodeRef& ref) {
    QTreeWidgetItem* item = findNode(ref);
    // A removed item: its parent (a question's category, a word's
    // difficulty), else the board.
    if (!item && ref.node == Node::Question)
        item = findNode({Node::Category, ref.a});
    if (!item)
        item = findNode({Node::Board});
    if (!item)
        return;
    m_draft.SealEdit();
    tvwBoard->setCurrentItem(item);
    tvwBoard->scrollToItem(item);
    showPane(nodeOf(item));
}

void frmBoardEditor::SelectItem(const BoardItemRef& item) {
    select(nodeFor(item));
}

void frmBoardEditor::showPane(const NodeRef& ref) {
    m_current = ref;
    switch (ref.node) {
    case Node::Board:
        paneBoard->Show();
        stkPanes->setCurrentWidget(paneBoard);
        break;
    case Node::Kind:
    case Node::Spelling:
        paneGroup->Show(ref.a);
        stkPanes->setCurrentWidget(paneGroup);
        break;
    case Node::Category:
        paneCategory->Show(ref.a);
        stkPanes->setCurrentWidget(paneCategory);
        break;
    case Node::Question:
        paneQuestion->Show(ref.a, ref.b);
        stkPanes->setCurrentWidget(paneQuestion);
        break;
    case Node::Word:
        paneWord->Show(ref.a);
        stkPanes->setCurrentWidget(paneWord);
        break;
    }
    refreshFindings();
}

// ---- After an edit ----

void frmBoardEditor::edited(bool structural) {
    if (structural) {
        rebuildTree();
        select(m_current);
    } else if (QTreeWidgetItem* item = tvwBoard->currentItem()) {
        item->setText(0, label(m_current));
    }
    refreshFindings();
    refreshState();
}

void frmBoardEditor::refreshFindings() {
    const QList<BoardFinding>& all = m_draft.Findings();
    const QIcon refusal = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    int refusals = 0;
    QHash<QTreeWidgetItem*, bool> marked; // node -> has a refusal
    lstFindings->clear();
    for (const BoardFinding& f : all) {
        const bool refused = f.severity == FindingSeverity::Refusal;
        refusals += refused;
        const NodeRef ref = nodeFor(f.item);
        auto* row = new QListWidgetItem(refused ? refusal : warning,
                                        label(ref) + QStringLiteral(": ") + f.message, lstFindings);
        row->setData(NodeRole, int(ref.node));
        row->setData(ARole, ref.a);
        row->setData(BRole, ref.b);
        if (QTreeWidgetItem* node = findNode(ref))
            marked[node] = marked.value(node) || refused;
    }
    for (QTreeWidgetItemIterator it(tvwBoard); *it; ++it) {
        const auto found = marked.constFind(*it);
        (*it)->setIcon(0, found == marked.cend() ? QIcon() : *found ? refusal : warning);
    }
    cmdFindings->setText(all.isEmpty() ? QStringLiteral("No findings: the board is ready")
                                       : QStringLiteral("&Findings: %1 refusals, %2 warnings")
                                             .arg(refusals)
                                             .arg(all.size() - refusals));
    lstItemFindings->clear();
    if (m_current.node == Node::Spelling)
        return;
    for (const BoardFinding& f : m_draft.FindingsFor(itemOf(m_current)))
        new QListWidgetItem(f.severity == FindingSeverity::Refusal ? refusal : warning,
                            (f.severity == FindingSeverity::Refusal ? QStringLiteral("Refused: ")
                                                                    : QStringLiteral("Warning: ")) +
                                f.message,
                            lstItemFindings);
}

void frmBoardEditor::refreshState() {
    const QString undo = m_draft.UndoText();
    const QString redo = m_draft.RedoText();
    actUndo->setEnabled(m_draft.CanUndo());
    actRedo->setEnabled(m_draft.CanRedo());
    actUndo->setText(undo.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undo);
    actRedo->setText(redo.isEmpty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo ") + redo);
    const QString name = QFileInfo(m_draft.Path()).fileName();
    lblFormCaption->setText(kTitle + QStringLiteral(" - ") + name +
                            (m_draft.IsModified() ? QStringLiteral(" *") : QString()));
    setWindowTitle(lblFormCaption->text());
}

void frmBoardEditor::Undo() {
    if (!m_draft.Undo())
        return;
    rebuildTree();
    select(m_current);
    refreshState();
}

void frmBoardEditor::Redo() {
    if (!m_draft.Redo())
        return;
    rebuildTree();
    select(m_current);
    refreshState();
}

void frmBoardEditor::ToggleFindings() {
    lstFindings->setVisible(!lstFindings->isVisible());
    if (lstFindings->isVisible()) {
        lstFindings->setFocus();
        if (lstFindings->count() > 0 && !lstFindings->currentItem())
            lstFindings->setCurrentRow(0);
    }
}

// ---- Files ----

bool frmBoardEditor::report(const BoardSaveResult& result) {
    if (result.saved()) {
        refreshState();
        refreshFindings();
        emit Saved(m_draft.Path());
        return true;
    }
    QString text = result.message;
    if (result.outcome == BoardSaveOutcome::Refused) {
        QStringList why;
        for (const BoardFinding& f : m_draft.Findings()) {
            if (f.severity == FindingSeverity::Refusal && why.size() < 5)
                why << QStringLiteral("- ") + label(nodeFor(f.item)) + QStringLiteral(": ") +
                           f.message;
        }
        text = QStringLiteral("The board cannot be saved as a playable file while the checks "
                              "refuse it:\n%1\n\nMend these (they are marked in the list), or "
                              "keep your work with File > Export source.")
                   .arg(why.join(QLatin1Char('\n')));
        if (!lstFindings->isVisible())
            ToggleFindings();
    }
    MsgBox(text, MsgButtons::OK, kTitle, MsgIcon::Exclamation, this);
    return false;
}

bool frmBoardEditor::Save() {
    if (m_draft.Path().isEmpty())
        return SaveAs();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const BoardSaveResult result = m_draft.Save(FileInPlay);
    QApplication::restoreOverrideCursor();
    return report(result);
}

bool frmBoardEditor::SaveAs() {
    QString path = m_dialogs.saveFile(this, QStringLiteral("Save the board as"),
                                      QStringLiteral("Board Game Files (*.mdb)"));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
        path += QStringLiteral(".mdb");
    if (!ClassPlayerInfo::CanHoldBoardName(QFileInfo(path).fileName())) {
        MsgBox(QStringLiteral("A board-game file name may not hold : | < > or letters outside "
                              "the Western European alphabets."),
               MsgButtons::OK, kTitle, MsgIcon::Exclamation, this);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const BoardSaveResult result = m_draft.SaveAs(path, FileInPlay);
    QApplication::restoreOverrideCursor();
    if (result.saved())
        rebuildTree(), select(m_current);
    return report(result);
}

void frmBoardEditor::ExportSource() {
    QString path = m_dialogs.saveFile(this, QStringLiteral("Export the board's source"),
                                      QStringLiteral("Board sources (*.board)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".board"), Qt::CaseInsensitive))
        path += QStringLiteral(".board");
    QString error;
    if (!m_draft.Export(path, &error))
        MsgBox(QStringLiteral("The source cannot be written: %1").arg(error), MsgButtons::OK,
               kTitle, MsgIcon::Exclamation, this);
}

void frmBoardEditor::ImportCsv() {
    const QString path = m_dialogs.openFile(this, QStringLiteral("Import words or questions"),
                                            QStringLiteral("CSV files (*.csv *.CSV *.txt)"));
    if (path.isEmpty())
        return;
    BoardCsvRows rows = BoardCsvImport::ReadFile(path);
    CsvImportPreview preview(QFileInfo(path).fileName(), rows, this);
    if (preview.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Words without a recording get the voice's, as the ones typed in here do.
    BoardCsvHooks hooks;
    const BoardDraftHooks voice = voiceHooks();
    hooks.speak = voice.speak;
    hooks.speakAmerican = voice.speakAmerican;
    const int before = int(rows.problems.size());
    BoardCsvImport::Speak(rows, hooks);
    QList<BoardCsvProblem> problems = rows.problems.mid(before);
    m_draft.SealEdit();
    const int added = m_draft.ImportRows(rows, &problems);
    QApplication::restoreOverrideCursor();
    rebuildTree();
    select(m_current);
    refreshFindings();
    refreshState();
    if (!problems.isEmpty()) {
        QStringList lines;
        for (const BoardCsvProblem& p : std::as_const(problems))
            lines << p.text();
        MsgBox(QStringLiteral("%1 items were imported. These rows were left out:\n%2")
                   .arg(added)
                   .arg(lines.mid(0, 12).join(QLatin1Char('\n'))),
               MsgButtons::OK, kTitle, MsgIcon::Information, this);
    }
}

void frmBoardEditor::closeEvent(QCloseEvent* event) {
    if (m_draft.IsModified()) {
        const MsgAnswer answer = MsgBox(
            QStringLiteral("Save the changes to '%1'?").arg(QFileInfo(m_draft.Path()).fileName()),
            MsgButtons::YesNoCancel, kTitle, MsgIcon::Question, this);
        if (answer == MsgAnswer::Cancel || (answer == MsgAnswer::Yes && !Save())) {
            event->ignore();
            return;
        }
    }
    Pronunciation::Stop();
    event->accept();
}
